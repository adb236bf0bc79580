// The Sell dialog's rules: its figures, selling by quantity, by value and all, and every refusal's text.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstdio>
#include <string>
#include <tuple>

#include "trading/EntryFields.h"
#include "trading/OrderRules.h"
#include "trading/SaleRules.h"
#include "tests/core/TestMarket.h"

namespace {
constexpr int kShare = 7;

// A holding of `held` shares of share 7 at the given price, chosen for selling as the portfolio does.
GameModel holdingOf(int held, double price) {
    // Yesterday's prices play no part in a sale.
    GameModel model = fiftyShares([](int i) { return 1.0 + i; });
    std::snprintf(model.shareTable[kShare].name, kShareNameSize, "Pellinor Gold");
    model.shareTable[kShare].currentPrice = price;
    model.holdings[0].shareNumber = 3;
    model.holdings[0].heldQuantity = 5;
    model.holdings[1].shareNumber = kShare;
    model.holdings[1].heldQuantity = held;
    model.holdings[1].totalCost = held * 0.5;
    model.selectedShare = kShare;
    model.selectedHolding = 1;
    return model;
}

// The Value field as the Quantity field's focus loss leaves it.
std::string valueFor(const GameModel& model, const std::string& quantity) {
    return valueTextForQuantity(model.shareTable[kShare].currentPrice, quantity).value_or("");
}

auto accountOf(const GameModel& model) {
    const Holding& slot = model.holdings[1];
    return std::make_tuple(model.pendingBalance, model.cashBalance, slot.action, slot.pendingQuantity,
                           slot.pendingAmount, slot.pendingCommission, slot.heldQuantity);
}

const std::string kInsufficient =
    "You have insufficient funds to sell that amount of shares in  Pellinor Gold";
}  // namespace

TEST(SaleFigures, TitleAvailablePriceAndTotalValue) {
    const SaleFigures figures = saleFigures(holdingOf(100, 3.0));
    EXPECT_EQ(figures.title, "Sell Shares In Pellinor Gold");
    EXPECT_EQ(figures.available, "    100");
    EXPECT_EQ(figures.price, "  300p");
    EXPECT_EQ(figures.totalValue,
              "\xA3"
              "300.00");

    const SaleFigures quarter = saleFigures(holdingOf(1234567, 0.9825));
    EXPECT_EQ(quarter.available, "1234567");
    EXPECT_EQ(quarter.price, "  98\xBCp");
}

TEST(SellByQuantity, TheWholeHoldingIsAllowedAndOneMoreIsNot) {
    GameModel model = holdingOf(100, 3.0);
    const SalePlan all = planSale(model, valueFor(model, "100"), "100");
    ASSERT_TRUE(all.accepted());
    EXPECT_EQ(all.quantity, 100);
    EXPECT_EQ(all.chargedValue, 300.0);
    EXPECT_TRUE(placeSale(model, all));
    EXPECT_EQ(model.holdings[1].pendingAmount, 0.0);
    EXPECT_EQ(model.holdings[1].pendingQuantity, 100);

    GameModel again = holdingOf(100, 3.0);
    const auto before = accountOf(again);
    const SalePlan more = planSale(again, valueFor(again, "101"), "101");
    EXPECT_EQ(std::tie(more.refusal, more.text, more.icon),
              std::make_tuple(SaleRefusal::NotEnoughShares,
                              std::string("You don`t have that quantity of shares to sell"),
                              NoticeIcon::Information));
    EXPECT_FALSE(placeSale(again, more));
    EXPECT_EQ(accountOf(again), before);
}

TEST(SellByQuantity, OneShareIsEnough) {
    GameModel model = holdingOf(100, 3.0);
    const SalePlan one = planSale(model, valueFor(model, "1"), "1");
    ASSERT_TRUE(one.accepted());
    EXPECT_EQ(one.quantity, 1);
    EXPECT_TRUE(placeSale(model, one));
    EXPECT_EQ(model.holdings[1].pendingAmount, 0.99);
    EXPECT_EQ(model.pendingBalance, kStartingCash + 3.0 - commissionFor(model, 3.0));
}

TEST(SellByQuantity, EmptyFieldsAndAQuantityWithoutItsValueMustFirstSellSomeShares) {
    GameModel model = holdingOf(100, 3.0);
    for (const auto& [value, quantity] :
         {std::pair<std::string, std::string>{"", ""}, {"", "50"}, {"2.99", "1"}}) {
        const SalePlan plan = planSale(model, value, quantity);
        EXPECT_EQ(std::tie(plan.refusal, plan.text, plan.icon),
                  std::make_tuple(SaleRefusal::TooSmall, std::string("You must first sell some shares"),
                                  NoticeIcon::Exclamation))
            << value << "/" << quantity;
        EXPECT_FALSE(plan.hasOrder());
    }
}

TEST(SellByValue, TwoHundredAndFiftyPoundsAtThreePoundsIsEightyThreeShares) {
    GameModel model = holdingOf(100, 3.0);
    const auto texts = textsForValue(3.0, "250.00", EntryRounding::Sell);
    ASSERT_TRUE(texts.has_value());
    EXPECT_EQ(texts->quantity, "83");
    EXPECT_EQ(texts->value, "249.00");
    const SalePlan plan = planSale(model, texts->value, texts->quantity);
    ASSERT_TRUE(plan.accepted());
    EXPECT_EQ(plan.quantity, 83);
    EXPECT_TRUE(placeSale(model, plan));
    EXPECT_EQ(model.holdings[1].pendingQuantity, 83);
    EXPECT_DOUBLE_EQ(model.holdings[1].pendingAmount, 17.0 / 100.0);
}

TEST(SellByValue, AValueTheFieldDidNotRoundDecidesTheQuantityAndTheChargeIsThatOfWholeShares) {
    GameModel model = holdingOf(100, 3.0);
    // 250 / 3 = 83.33..., "83.3" read back: 83 whole shares; the quantity field is not consulted.
    const SalePlan plan = planSale(model, "250.00", "5");
    ASSERT_TRUE(plan.accepted());
    EXPECT_EQ(plan.quantity, 83);
    EXPECT_EQ(plan.chargedValue, 249.0);
    // 99.999 of a one-pound share: one decimal makes it 100.0.
    GameModel pound = holdingOf(100, 1.0);
    EXPECT_EQ(planSale(pound, "99.999", "").quantity, 100);
    // 100.96 rounds to 101.0, which the holding does not have.
    EXPECT_EQ(planSale(pound, "100.96", "").refusal, SaleRefusal::NotEnoughShares);
    // Only the first nineteen characters of the Value field count.
    EXPECT_EQ(planSale(pound,
                       "0000000000000000005"
                       "9",
                       "")
                  .quantity,
              5);
}

TEST(SellFunds, WithNothingPendingANinePoundSaleLacksFundsAndATenPoundOneDoesNot) {
    GameModel model = holdingOf(100, 1.0);
    model.pendingBalance = 0.0;
    const auto before = accountOf(model);
    const SalePlan nine = planSale(model, "9.00", "9");
    EXPECT_EQ(std::tie(nine.refusal, nine.text, nine.icon),
              std::make_tuple(SaleRefusal::InsufficientFunds, kInsufficient, NoticeIcon::Exclamation));
    EXPECT_FALSE(placeSale(model, nine));
    EXPECT_EQ(accountOf(model), before);

    const SalePlan ten = planSale(model, "10.00", "10");
    ASSERT_TRUE(ten.accepted());
    EXPECT_TRUE(placeSale(model, ten));
    EXPECT_NEAR(model.pendingBalance, 10.0 - 10.02, 1e-9);
}

TEST(SellAll, AThousandSharesAtTwoPoundsQuotesFourteenPoundsAndRaisesTheBalanceBy1986) {
    GameModel model = holdingOf(1000, 2.0);
    const EntryTexts texts = sellAllTexts(model);
    EXPECT_EQ(texts.quantity, "1000");
    EXPECT_EQ(texts.value, "2000.00");
    const SalePlan plan = planSellAll(model);
    ASSERT_TRUE(plan.accepted());
    EXPECT_EQ(plan.quantity, 1000);
    EXPECT_EQ(plan.chargedValue, 2000.0);
    EXPECT_NE(brokerChargeMessage(model, plan.chargedValue)
                  .find("additional \xA3"
                        "14.00."),
              std::string::npos);
    EXPECT_TRUE(placeSale(model, plan));
    EXPECT_EQ(model.pendingBalance, kStartingCash + 1986.0);
    EXPECT_EQ(model.holdings[1].pendingAmount, 0.0);
}

TEST(SellAll, LacksFundsOnlyWhenEvenTheWholeHoldingCannotCoverTheFee) {
    GameModel model = holdingOf(4, 1.0);
    model.pendingBalance = 0.0;
    const SalePlan plan = planSellAll(model);
    EXPECT_EQ(std::tie(plan.refusal, plan.text),
              std::make_tuple(SaleRefusal::InsufficientFunds, kInsufficient));
    model.holdings[1].heldQuantity = 10;
    EXPECT_TRUE(planSellAll(model).accepted());
}

TEST(SellAll, AHoldingStillWaitingForItsPurchaseHasNothingToSell) {
    GameModel model = holdingOf(0, 2.0);
    const SalePlan plan = planSellAll(model);
    EXPECT_EQ(std::tie(plan.refusal, plan.text),
              std::make_tuple(SaleRefusal::NotEnoughShares, std::string(kNotEnoughSharesText)));
    EXPECT_FALSE(placeSale(model, plan));
}

TEST(SuspendedShare, NeitherSellNorSellAllDividesByItsPriceOrBooksAnything) {
    GameModel model = holdingOf(100, 0.0);
    const auto before = accountOf(model);
    const std::string text =
        "Dealings in Pellinor Gold are suspended: it has no price today, so its shares cannot be sold until "
        "it "
        "trades again.";
    std::feclearexcept(FE_ALL_EXCEPT);
    for (const SalePlan& plan :
         {planSale(model, "250.00", "83"), planSale(model, "", "100"), planSellAll(model)}) {
        EXPECT_EQ(std::tie(plan.refusal, plan.text, plan.icon),
                  std::make_tuple(SaleRefusal::Suspended, text, NoticeIcon::Exclamation));
        EXPECT_FALSE(placeSale(model, plan));
    }
    EXPECT_FALSE(std::fetestexcept(FE_DIVBYZERO | FE_INVALID));
    EXPECT_EQ(accountOf(model), before);
    EXPECT_EQ(saleFigures(model).price, "     p");
    EXPECT_EQ(saleFigures(model).totalValue,
              "\xA3"
              "0.00");
}

TEST(SaleTarget, TheHoldingOfTheSelectedShareIsTheOneSold) {
    GameModel model = holdingOf(100, 3.0);
    model.selectedShare = 3;  // held 5 in slot 0
    EXPECT_EQ(sharesAvailable(model), 5);
    EXPECT_EQ(planSale(model, "24.00", "6").refusal, SaleRefusal::NotEnoughShares);
    model.selectedShare = 30;  // not held
    EXPECT_EQ(sharesAvailable(model), 0);
    EXPECT_EQ(planSellAll(model).refusal, SaleRefusal::NotEnoughShares);
    model.selectedShare = -1;
    EXPECT_EQ(planSale(model, "5", "5").refusal, SaleRefusal::NotEnoughShares);
    EXPECT_EQ(saleFigures(model).title, "Sell Shares In ");
}
