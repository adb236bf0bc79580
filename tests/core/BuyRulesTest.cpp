// The Buy dialog's rules: its figures, its refusals in their order, Buy Max's quantity and quote.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "trading/BuyRules.h"
#include "trading/OrderRules.h"
#include "tests/core/MoneyInvariant.h"
#include "tests/core/TestMarket.h"

namespace {

// Fifty shares; share 4 costs exactly one pound, share 7 two pounds fifty, share 9 thirty pounds.
GameModel market() {
    GameModel model = fiftyShares([](int i) { return 0.5 + 0.25 * i; });
    model.shareTable[4].currentPrice = 1.0;
    model.shareTable[7].currentPrice = 2.5;
    model.shareTable[9].currentPrice = 30.0;
    std::strcpy(model.shareTable[9].name, "Harbour Lights plc");
    model.dateCount = 300;
    std::strcpy(model.dateTable[model.dateCount - 2 - 260], "4-Jan-95");
    return model;
}

// What the dialog does on Yes: book the decided quantity.
PurchaseBooking bookStep(GameModel& model, int share, const BuyStep& step) {
    model.selectedShare = share;
    return bookPurchase(model, step.quantity);
}
}  // namespace

TEST(BuyDialogTexts, TitlePriceAndTheInsufficientFundsMessage) {
    GameModel model = market();
    EXPECT_EQ(buyDialogTitle(model.shareTable[9]), "Buy Shares In Harbour Lights plc");
    EXPECT_EQ(buyPriceText(model.shareTable[9]), " 3000p");
    model.shareTable[3].currentPrice = 1.2325;
    EXPECT_EQ(buyPriceText(model.shareTable[3]), " 123\xBCp");
    model.shareTable[3].currentPrice = 0.0075;
    EXPECT_EQ(buyPriceText(model.shareTable[3]), "   0\xBEp");
    EXPECT_EQ(insufficientFundsText(model.shareTable[9]),
              "You have insufficient funds to buy that amount of shares in  Harbour Lights plc");
}

TEST(Buy, RefusesFewerThanTenShares) {
    const GameModel model = market();
    for (const char* quantity : {"9", "", "0", "   ", "abc", "09"}) {
        SCOPED_TRACE(quantity);
        EXPECT_EQ(decideBuy(model, 7, quantity, "1000.00").refusal, "You must buy at least 10 shares");
    }
}

TEST(Buy, TenAffordableSharesAskForTheCharge) {
    const GameModel model = market();
    const BuyStep step = decideBuy(model, 7, "10", "25.00");
    EXPECT_FALSE(step.refused());
    EXPECT_EQ(step.chargeValue, 25.0);
    EXPECT_EQ(step.quantity, 10);
}

TEST(Buy, AValueBelowOneSharesPriceRefusesEvenWithTheQuantityGiven) {
    const GameModel model = market();
    EXPECT_EQ(decideBuy(model, 7, "10", "").refusal, "You must first buy some shares");
    EXPECT_EQ(decideBuy(model, 7, "10", "2.49").refusal, "You must first buy some shares");
    // One share's price is enough: the value is not compared with the quantity.
    EXPECT_FALSE(decideBuy(model, 7, "10", "2.50").refused());
}

TEST(Buy, RefusalsComeInTheirOrder) {
    GameModel model = market();
    model.pendingBalance = 5.0;  // nothing is affordable
    EXPECT_EQ(decideBuy(model, 7, "9", "").refusal, kMinimumPurchaseText);
    EXPECT_EQ(decideBuy(model, 7, "10", "").refusal, kNoValueText);
    EXPECT_EQ(decideBuy(model, 7, "10", "25").refusal, insufficientFundsText(model.shareTable[7]));
}

TEST(Buy, ThePendingBalanceOf1012PaysForExactlyAThousandOnePoundShares) {
    GameModel model = market();
    model.pendingBalance = 1012.0;
    model.cashBalance = 1012.0;
    EXPECT_EQ(decideBuy(model, 4, "1001", "1001.00").refusal,
              "You have insufficient funds to buy that amount of shares in  Company 4");
    const BuyStep step = decideBuy(model, 4, "1000", "1000.00");
    ASSERT_FALSE(step.refused());
    EXPECT_EQ(step.chargeValue, 1000.0);
    ASSERT_TRUE(bookStep(model, 4, step).booked());
    EXPECT_NEAR(model.pendingBalance, 0.0, kMillionthOfAPenny);
    EXPECT_EQ(model.holdings[0].pendingQuantity, 1000);
    EXPECT_NEAR(model.holdings[0].pendingCommission, 12.0, kMillionthOfAPenny);
    expectMoneyInvariant(model);
}

TEST(Buy, TheFieldsAreReadToTwentyNineCharacters) {
    const GameModel model = market();
    const std::string quantity29 = std::string(27, '0') + "10";
    EXPECT_EQ(decideBuy(model, 7, quantity29, "25").quantity, 10);
    // The thirtieth character is not read: "0...01" is one share.
    EXPECT_EQ(decideBuy(model, 7, "0" + quantity29, "25").refusal, kMinimumPurchaseText);
    EXPECT_EQ(decideBuy(model, 7, "10", std::string(28, '0') + "25").refusal, kNoValueText);
}

TEST(Buy, AQuantityBeyondThirtyTwoBitsNeverWrapsIntoASmallOne) {
    GameModel model = market();
    // 2^32 + 10 would wrap to 10 in 32 bits, 2^31 + 5 to a negative number.
    for (const char* quantity : {"4294967306", "2147483653", "99999999999999999999999999999"}) {
        SCOPED_TRACE(quantity);
        EXPECT_EQ(decideBuy(model, 7, quantity, "99999999999999").refusal,
                  insufficientFundsText(model.shareTable[7]));
    }
    // Even where the balance would pay for it, more shares than 32 bits hold are never booked short.
    model.pendingBalance = 1e15;
    model.shareTable[7].currentPrice = 0.0001;
    EXPECT_EQ(decideBuy(model, 7, "4294967306", "1").refusal, insufficientFundsText(model.shareTable[7]));
    const BuyStep largest = decideBuy(model, 7, "2147483647", "1");
    EXPECT_FALSE(largest.refused());
    EXPECT_EQ(largest.quantity, 2147483647);
}

TEST(Buy, AShareWithoutAPriceCannotBeBought) {
    GameModel model = market();
    model.shareTable[7].currentPrice = 0.0;
    EXPECT_EQ(decideBuy(model, 7, "10", "100").refusal,
              "This share has no price today, so it cannot be bought");
    EXPECT_EQ(decideBuy(model, 7, "9", "").refusal, kNoPriceText);
    model.shareTable[7].currentPrice = -1.0;
    EXPECT_EQ(decideBuy(model, 7, "10", "100").refusal, kNoPriceText);
    EXPECT_EQ(decideBuy(model, -1, "10", "100").refusal, kNoPriceText);
    EXPECT_EQ(decideBuy(model, kShareCount, "10", "100").refusal, kNoPriceText);
}

TEST(BuyMax, BuysAsManyWholeSharesAsTheBalanceCoversAndQuotesTheWholeSpendableAmount) {
    GameModel model = market();
    const BuyMaxStep max = decideBuyMax(model, 9);
    // 99990 / 1.002 = 99790.42 to spend: 3326 shares at 30 pounds, worth 99780.00.
    ASSERT_FALSE(max.step.refused());
    EXPECT_EQ(max.quantityText, "3326");
    EXPECT_EQ(max.valueText, "99780.00");
    EXPECT_EQ(max.step.quantity, 3326);
    EXPECT_NEAR(max.step.chargeValue, 99990.0 / 1.002, kMillionthOfAPenny);
    EXPECT_EQ(brokerChargeMessage(model, max.step.chargeValue),
              "The broker will charge \xA3"
              "10.00 + %0.20 which for this transaction is an additional \xA3"
              "209.58. Do you want to proceed ?");

    ASSERT_TRUE(bookStep(model, 9, max.step).booked());
    // The booked commission is that of the 3326 shares, not the one quoted.
    EXPECT_NEAR(model.holdings[0].pendingCommission, 99780.0 * 0.002 + 10.0, kMillionthOfAPenny);
    EXPECT_NEAR(model.pendingBalance, 100000.0 - 99780.0 - 209.56, kMillionthOfAPenny);
    EXPECT_GE(model.pendingBalance, 0.0);
    expectMoneyInvariant(model);
}

TEST(BuyMax, HasNoTenShareMinimum) {
    GameModel model = market();
    model.pendingBalance = model.cashBalance = 13.0;  // 2.99 to spend: one share at 2.50
    const BuyMaxStep max = decideBuyMax(model, 7);
    ASSERT_FALSE(max.step.refused());
    EXPECT_EQ(max.step.quantity, 1);
    EXPECT_EQ(max.quantityText, "1");
    EXPECT_EQ(max.valueText, "2.50");
    ASSERT_TRUE(bookStep(model, 7, max.step).booked());
    EXPECT_NEAR(model.pendingBalance, 13.0 - 2.5 - 10.005, kMillionthOfAPenny);
    expectMoneyInvariant(model);
}

TEST(BuyMax, ABalanceOfTheFlatFeeOrLessBuysNothing) {
    GameModel model = market();
    for (double balance : {10.0, 0.0, 5.0, -100.0}) {
        SCOPED_TRACE(balance);
        model.pendingBalance = balance;
        const BuyMaxStep max = decideBuyMax(model, 7);
        EXPECT_EQ(max.step.refusal, "You have insufficient funds to buy that amount of shares in  Company 7");
        EXPECT_FALSE(max.valueText.has_value());
    }
    model.pendingBalance = 10.0;
    EXPECT_EQ(decideBuyMax(model, 7).quantityText, "0");
}

TEST(BuyMax, LessThanOneWholeShareIsRefusedRatherThanBookedForNothing) {
    GameModel model = market();
    model.pendingBalance = 12.0;  // 1.996 to spend on a share of 2.50
    const BuyMaxStep max = decideBuyMax(model, 7);
    EXPECT_EQ(max.step.refusal, insufficientFundsText(model.shareTable[7]));
    EXPECT_EQ(max.quantityText, "0");
    EXPECT_FALSE(max.valueText.has_value());
    EXPECT_EQ(max.step.quantity, 0);
}

TEST(BuyMax, AShareWithoutAPriceIsRefusedWithoutTouchingTheFields) {
    GameModel model = market();
    model.shareTable[7].currentPrice = 0.0;
    const BuyMaxStep max = decideBuyMax(model, 7);
    EXPECT_EQ(max.step.refusal, kNoPriceText);
    EXPECT_FALSE(max.quantityText.has_value());
    EXPECT_FALSE(max.valueText.has_value());
}

TEST(BuyMax, TenHoldingsInUseStillAskThenTheBookingRefuses) {
    GameModel model = market();
    for (int slot = 0; slot < kHoldingCount; ++slot) {
        model.holdings[slot].shareNumber = 20 + slot;
        model.holdings[slot].heldQuantity = 10;
        model.holdings[slot].totalCost = 10.0;
    }
    const BuyMaxStep max = decideBuyMax(model, 7);
    ASSERT_FALSE(max.step.refused());
    const double balance = model.pendingBalance;
    const PurchaseBooking booking = bookStep(model, 7, max.step);
    EXPECT_FALSE(booking.booked());
    EXPECT_EQ(booking.admission.text, "You have exceeded your portfolio limit");
    EXPECT_EQ(model.pendingBalance, balance);
}

TEST(Buy, EveryBookingKeepsTheMoneyInvariant) {
    GameModel model = market();
    const struct {
        int share;
        const char* quantity;
    } orders[] = {{9, "100"}, {7, "37"}, {4, "1000"}, {12, "250"}, {9, "10"}};
    for (const auto& order : orders) {
        SCOPED_TRACE(order.quantity);
        const BuyStep step = decideBuy(model, order.share, order.quantity, "100000");
        ASSERT_FALSE(step.refused());
        const bool secondForShare = order.share == 9 && std::string(order.quantity) == "10";
        EXPECT_EQ(bookStep(model, order.share, step).booked(), !secondForShare);
        expectMoneyInvariant(model);
    }
    EXPECT_NEAR(model.pendingBalance,
                100000.0 - (3000.0 + 16.0) - (92.5 + 10.185) - (1000.0 + 12.0) - (875.0 + 11.75),
                kMillionthOfAPenny);
}
