// Order rules: the broker's charge, money tests, admission, booking and cancelling, to the penny.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>

#include "model/MarketFiles.h"
#include "trading/OrderRules.h"
#include "tests/core/MoneyInvariant.h"
#include "tests/core/TestMarket.h"

namespace {

// A market of fifty priced shares with a date table that names day 260 "D260".
GameModel market() {
    GameModel model = fiftyShares([](int i) { return 0.25 * (i + 1) + 0.005 * i; });
    for (ShareRecord& share : model.shareTable) share.previousPrice = share.currentPrice - 0.01;
    model.dateCount = 400;
    for (int entry = 0; entry < model.dateCount; ++entry)
        std::strncpy(model.dateTable[entry], ("D" + std::to_string(model.dateCount - 2 - entry)).c_str(),
                     kDateTextSize - 1);
    return model;
}

Holding held(int share, int quantity, double cost) {
    Holding slot;
    slot.shareNumber = share;
    slot.heldQuantity = quantity;
    slot.totalCost = cost;
    return slot;
}

// Every field of a holding, so that two holdings compare (and print) as one value.
auto fieldsOf(const Holding& slot) {
    return std::make_tuple(slot.shareNumber, slot.heldQuantity, slot.totalCost, slot.action,
                           slot.pendingQuantity, slot.pendingAmount, slot.pendingCommission,
                           slot.commissionToDate, slot.repeatPurchases, std::string(slot.dateBought));
}

// Everything an order can touch, except orderRefused.
void expectSameAccount(const GameModel& a, const GameModel& b) {
    EXPECT_EQ(a.cashBalance, b.cashBalance);
    EXPECT_EQ(a.pendingBalance, b.pendingBalance);
    for (int i = 0; i < kHoldingCount; ++i) EXPECT_EQ(fieldsOf(a.holdings[i]), fieldsOf(b.holdings[i])) << i;
}

std::string pounds(const char* digits) {
    return std::string("\xA3") + digits;
}
}  // namespace

TEST(BrokerCharge, CommissionAndTheConfirmationText) {
    GameModel model = market();
    EXPECT_EQ(commissionFor(model, 1000.0), 12.0);
    EXPECT_EQ(commissionFor(model, 0.0), 10.0);
    EXPECT_EQ(brokerChargeMessage(model, 1000.0),
              "The broker will charge " + pounds("10.00") +
                  " + %0.20 which for this transaction is an additional " + pounds("12.00") +
                  ". Do you want to proceed ?");
    // 62.5 * 0.002 + 10 is exactly 10.125: the half goes up, unlike printf's.
    EXPECT_NE(brokerChargeMessage(model, 62.5).find("additional " + pounds("10.13") + "."),
              std::string::npos);

    model.commissionFlatFee = 12.5;
    model.commissionRate = 0.015;
    EXPECT_EQ(brokerChargeMessage(model, 100.0), "The broker will charge " + pounds("12.50") +
                                                     " + %1.50 which for this transaction is an additional " +
                                                     pounds("14.00") + ". Do you want to proceed ?");
}

TEST(MoneyTests, PendingBalanceOfTenPoundsAffordsNothing) {
    GameModel model = market();
    model.pendingBalance = 10.0;
    EXPECT_EQ(spendableAmount(model), 0.0);
    EXPECT_TRUE(canAffordPurchase(model, 0.0));
    EXPECT_FALSE(canAffordPurchase(model, 0.01));
    EXPECT_EQ(largestAffordableQuantity(model, 0), 0);

    model.pendingBalance = 9.99;
    EXPECT_LT(spendableAmount(model), 0.0);
    EXPECT_FALSE(canAffordPurchase(model, 0.0));
    EXPECT_EQ(largestAffordableQuantity(model, 0), 0);
    // Only below the flat fee can a sale lack funds, and then only a small one.
    EXPECT_FALSE(canFundSale(model, 0.0));
    EXPECT_TRUE(canFundSale(model, 0.01));
}

TEST(MoneyTests, ABalanceOf1012PoundsSpendsExactly1000) {
    GameModel model = market();
    model.cashBalance = model.pendingBalance = 1012.0;
    model.shareTable[3].currentPrice = 1.0;
    EXPECT_EQ(spendableAmount(model), 1000.0);
    EXPECT_TRUE(canAffordPurchase(model, 1000.0));
    EXPECT_FALSE(canAffordPurchase(model, 1001.0));
    EXPECT_EQ(largestAffordableQuantity(model, 3), 1000);

    model.selectedShare = 3;
    ASSERT_TRUE(bookPurchase(model, 1000).booked());
    EXPECT_EQ(model.pendingBalance, 0.0);
    EXPECT_EQ(model.cashBalance, 1012.0);
    expectMoneyInvariant(model);
}

TEST(MoneyTests, LargestAffordableQuantityTruncatesAndNeverDividesByZero) {
    GameModel model = market();
    model.pendingBalance = 1012.0;
    const std::pair<double, int32_t> cases[] = {
        {3.0, 333}, {0.0, 0}, {-1.0, 0}, {1e-12, INT32_MAX}, {1001.0, 0}};
    for (const auto& [price, quantity] : cases) {
        model.shareTable[4].currentPrice = price;
        std::feclearexcept(FE_DIVBYZERO);
        EXPECT_EQ(largestAffordableQuantity(model, 4), quantity) << price;
        EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO)) << price;  // the sticky flag of a division by zero
    }
    EXPECT_EQ(largestAffordableQuantity(model, -1), 0);
    EXPECT_EQ(largestAffordableQuantity(model, kShareCount), 0);
}

TEST(Admission, ASecondOrderForAShareIsRefusedWhicheverWayItComes) {
    const std::string text =
        "You already have a pending transaction for this share either ring the broker or delete the "
        "transaction";
    GameModel model = market();
    model.holdings[0] = held(7, 100, 50.0);
    model.holdings[1] = held(9, 40, 20.0);
    model.selectedShare = 7;
    ASSERT_TRUE(bookPurchase(model, 10).booked());
    model.selectedShare = 9;
    ASSERT_TRUE(bookSale(model, 40));
    expectMoneyInvariant(model);

    for (int share : {7, 9}) {
        for (OrderKind kind : {OrderKind::Purchase, OrderKind::Sale}) {
            SCOPED_TRACE(share);
            model.selectedShare = share;
            model.orderRefused = 0;
            const GameModel before = model;
            const Admission admission = admitOrder(model, kind);
            EXPECT_EQ(std::tie(admission.refusal, admission.text, admission.caption),
                      std::make_tuple(Refusal::PendingOrderExists, text, std::string("Message!")));
            EXPECT_EQ(model.orderRefused, 1);
            expectSameAccount(model, before);
        }
        const GameModel before = model;
        const PurchaseBooking booking = bookPurchase(model, 10);
        EXPECT_FALSE(booking.booked());
        EXPECT_EQ(booking.admission.caption, "Message!");
        EXPECT_FALSE(bookSale(model, 1));
        expectSameAccount(model, before);
        expectMoneyInvariant(model);
    }
}

TEST(Admission, AFullPortfolioTakesMoreOfAHeldShareOnly) {
    GameModel model = market();
    for (int i = 0; i < kHoldingCount; ++i) model.holdings[i] = held(20 + i, 10 * (i + 1), 5.0 * i);
    model.orderRefused = 1;

    model.selectedShare = 25;
    const PurchaseBooking more = bookPurchase(model, 30);
    EXPECT_TRUE(more.admission.admitted());
    EXPECT_EQ(model.orderRefused, 0);
    EXPECT_EQ(more.holding, 5);
    EXPECT_EQ(model.holdings[5].repeatPurchases, 1);
    expectMoneyInvariant(model);

    model.selectedShare = 3;
    const GameModel before = model;
    const PurchaseBooking refused = bookPurchase(model, 30);
    EXPECT_FALSE(refused.booked());
    EXPECT_EQ(std::tie(refused.admission.refusal, refused.admission.text, refused.admission.caption),
              std::make_tuple(Refusal::PortfolioFull, std::string("You have exceeded your portfolio limit"),
                              std::string("Tickerdell")));
    EXPECT_EQ(model.orderRefused, 1);
    expectSameAccount(model, before);
    expectMoneyInvariant(model);

    // The limit is a purchase rule: the sale test of a held share passes.
    model.selectedShare = 29;
    EXPECT_TRUE(admitOrder(model, OrderKind::Sale).admitted());
    EXPECT_EQ(model.orderRefused, 0);
}

TEST(BookPurchase, OpensTheFirstEmptyHoldingWithTodaysPriceAndDate) {
    GameModel model = market();
    model.holdings[0] = held(11, 10, 30.0);
    model.holdings[2] = held(12, 10, 30.0);
    std::strcpy(model.holdings[1].dateBought, "LONGERTXT");
    model.holdings[1].repeatPurchases = 4;
    model.shareTable[30].currentPrice = 1.235;
    model.selectedShare = 30;

    const PurchaseBooking booking = bookPurchase(model, 300);
    ASSERT_EQ(booking.holding, 1);
    const Holding& slot = model.holdings[1];
    EXPECT_EQ(slot.shareNumber, 30);
    EXPECT_EQ(slot.action, kBuyAction);
    EXPECT_EQ(slot.pendingQuantity, 300);
    EXPECT_NEAR(slot.pendingAmount, 370.50, kMillionthOfAPenny);
    EXPECT_NEAR(slot.pendingCommission, 10.741, kMillionthOfAPenny);
    EXPECT_EQ(slot.heldQuantity, 0);
    EXPECT_EQ(slot.totalCost, 0.0);
    EXPECT_EQ(slot.repeatPurchases, 0);
    EXPECT_STREQ(slot.dateBought, "D260");
    EXPECT_EQ(std::memcmp(slot.dateBought, "D260\0\0\0\0\0\0\0\0", kDateBoughtSize), 0);
    EXPECT_NEAR(model.pendingBalance, 100000.0 - 381.241, kMillionthOfAPenny);
    EXPECT_EQ(model.cashBalance, 100000.0);
    expectMoneyInvariant(model);
}

TEST(BookSale, PendingAmountIsTheFractionThatRemains) {
    GameModel model = market();
    model.holdings[0] = held(2, 100, 80.0);
    model.holdings[1] = held(4, 100, 80.0);
    model.shareTable[2].currentPrice = 2.0;

    model.selectedShare = 2;
    ASSERT_TRUE(bookSale(model, 100));
    EXPECT_EQ(model.holdings[0].pendingAmount, 0.0);
    EXPECT_EQ(model.holdings[0].action, kSellAction);
    EXPECT_NEAR(model.holdings[0].pendingCommission, 10.4, kMillionthOfAPenny);
    EXPECT_NEAR(model.pendingBalance, 100000.0 + 200.0 - 10.4, kMillionthOfAPenny);
    EXPECT_EQ(model.holdings[0].heldQuantity, 100);
    EXPECT_EQ(model.holdings[0].totalCost, 80.0);
    expectMoneyInvariant(model);

    model.selectedShare = 4;
    ASSERT_TRUE(bookSale(model, 25));
    EXPECT_EQ(model.holdings[1].pendingAmount, 0.75);
    EXPECT_EQ(model.holdings[1].pendingQuantity, 25);
    expectMoneyInvariant(model);
}

TEST(Booking, NothingForNoSharesTooManySharesOrAnUnknownShare) {
    GameModel model = market();
    model.holdings[0] = held(2, 100, 80.0);
    const GameModel before = model;
    model.selectedShare = 5;
    for (int32_t quantity : {0, -10, INT32_MIN}) EXPECT_FALSE(bookPurchase(model, quantity).booked());
    EXPECT_FALSE(bookSale(model, 10));  // not held
    model.selectedShare = 2;
    for (int32_t quantity : {101, 0, -5}) EXPECT_FALSE(bookSale(model, quantity));
    for (int32_t share : {kShareCount, kEmptySlot}) {
        model.selectedShare = share;
        EXPECT_FALSE(bookPurchase(model, 10).booked());
        EXPECT_FALSE(bookSale(model, 1));
    }
    expectSameAccount(model, before);
    expectMoneyInvariant(model);
}

TEST(CancelOrder, AnOpeningPurchaseEmptiesItsHolding) {
    GameModel model = market();
    model.selectedShare = 8;
    ASSERT_EQ(bookPurchase(model, 55).holding, 0);
    cancelOrder(model, 0);
    Holding empty;
    std::strcpy(empty.dateBought, "D260");  // left as it was, like repeatPurchases
    EXPECT_EQ(fieldsOf(model.holdings[0]), fieldsOf(empty));
    EXPECT_NEAR(model.pendingBalance, 100000.0, kMillionthOfAPenny);
    expectMoneyInvariant(model);
}

TEST(CancelOrder, AnOrderOnAHeldShareKeepsTheHoldingAndItsCount) {
    for (OrderKind kind : {OrderKind::Purchase, OrderKind::Sale}) {
        GameModel model = market();
        model.holdings[3] = held(6, 70, 140.0);
        model.holdings[3].repeatPurchases = 2;
        model.selectedShare = 6;
        Holding expected = model.holdings[3];
        if (kind == OrderKind::Purchase) {
            ASSERT_TRUE(bookPurchase(model, 30).booked());
            expected.repeatPurchases = 3;
            std::strcpy(expected.dateBought, "D260");
        } else {
            ASSERT_TRUE(bookSale(model, 70));
        }
        expectMoneyInvariant(model);
        cancelOrder(model, 3);
        EXPECT_EQ(fieldsOf(model.holdings[3]), fieldsOf(expected));
        EXPECT_NEAR(model.pendingBalance, 100000.0, kMillionthOfAPenny);
        expectMoneyInvariant(model);

        // Without an order, or outside the table, there is nothing to undo.
        const GameModel before = model;
        for (int index : {3, 0, -1, kHoldingCount}) cancelOrder(model, index);
        expectSameAccount(model, before);
        expectMoneyInvariant(model);
    }
}
