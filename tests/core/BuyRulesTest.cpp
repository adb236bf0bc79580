#include "tests/core/TestKit.h"
#include "trading/BuyRules.h"

namespace {
GameModel market() {
    GameModel model = fiftyShares([](int i) { return 0.5 + 0.25 * i; });
    model.shareTable[4].currentPrice = 1.0;
    model.shareTable[7].currentPrice = 2.5;
    model.shareTable[9].currentPrice = 30.0;
    std::strcpy(model.shareTable[9].name, "Harbour Lights plc");
    return model;
}

std::string insufficient(const char* name) {
    return std::string("You have insufficient funds to buy that amount of shares in  ") + name;
}
}  // namespace

TEST(Buy, RefusalsComeInTheirOrderAndAnAcceptedBuyQuotesItsOrder) {
    const std::string none, min = kMinimumPurchaseText, noValue = kNoValueText, zeros(27, '0');
    const std::string poor7 = insufficient("Company 7"), poor4 = insufficient("Company 4");
    const std::string q29 = zeros + "10", q30 = "0" + q29, v30 = zeros + "025",
                      harbour = insufficient("Harbour Lights plc");
    // clang-format off
    const struct { double balance; int share; std::string quantity, value, refusal; int32_t booked; } cases[] = {
        {1e5, 7, "9", "1000.00", min, 0},   {1e5, 7, "abc", "1000", min, 0},     {1e5, 7, "10", "2.49", noValue, 0},
        {1e5, 7, "10", "2.50", none, 10},   {5.0, 7, "10", "25", poor7, 0},      {1012.0, 4, "1001", "1001.00", poor4, 0},
        {1012.0, 4, "1000", "1000.00", none, 1000},  {1e5, 7, q29, "25", none, 10}, {1e5, 7, q30, "25", min, 0},
        {1e5, 7, "10", v30, noValue, 0},    {1e5, 9, "3327", "99810", harbour, 0},
        {1e5, 7, "10.9", "1000", none, 10}};  // the charge quoted is that of the whole shares booked
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.quantity + " / " + c.value);
        GameModel model = market();
        model.cashBalance = model.pendingBalance = c.balance;
        const BuyStep step = decideBuy(model, c.share, c.quantity, c.value);
        EXPECT_EQ(std::tie(step.refusal, step.quantity), std::tie(c.refusal, c.booked));
        if (step.refused()) continue;
        EXPECT_EQ(step.chargeValue, model.shareTable[c.share].currentPrice * c.booked);
        ASSERT_TRUE(bookPurchase(model, c.share, step.quantity).booked());
        EXPECT_GE(model.pendingBalance, -kMillionthOfAPenny);
        expectMoneyInvariant(model);
    }
}

TEST(Buy, QuantitiesBeyondThirtyTwoBitsSharesWithoutAPriceAndAFullHolding) {
    GameModel model = market();
    model.pendingBalance = 1e15;
    model.shareTable[7].currentPrice = 0.0001;
    // 2^32 + 10 would wrap to 10 in 32 bits: it is never booked short.
    EXPECT_EQ(decideBuy(model, 7, "4294967306", "1").refusal, insufficient("Company 7"));
    EXPECT_EQ(decideBuy(model, 7, "2147483647", "1").quantity, INT32_MAX);
    EXPECT_FALSE(canAffordPurchase(model, std::nan("")));
    for (double price : {0.0, -1.0}) {
        model.shareTable[7].currentPrice = price;
        EXPECT_EQ(decideBuy(model, 7, "9", "").refusal,
                  "This share has no price today, so it cannot be bought");
        EXPECT_EQ(decideBuyMax(model, 7).step.refusal, kNoPriceText);
        EXPECT_FALSE(decideBuyMax(model, 7).quantityText || decideBuyMax(model, 7).valueText);
    }
    // Share 50 is no share, whatever lies beyond the table (here a pending order in the first holding).
    model.holdings[0] = Holding{20, 10, 10.0, kBuyAction, 10, 10.0, 10.02};
    for (int share : {-1, kShareCount}) {
        EXPECT_EQ(decideBuy(model, share, "10", "100").refusal, kNoPriceText);
        EXPECT_EQ(std::make_tuple(decideBuyMax(model, share).step.refusal,
                                  decideBuyMax(model, share).step.quantity),
                  std::make_tuple(kNoPriceText, 0));
    }
    // A holding is an int32_t: more of a held share than it can hold is refused before the charge is asked.
    model.shareTable[4].currentPrice = 1e-6;
    model.holdings[0] = heldShares(4, 2000000000, 2000.0);
    const std::string full = "You cannot hold more than 2147483647 shares in Company 4";
    EXPECT_EQ(decideBuy(model, 4, "147483648", "1000").refusal, full);
    EXPECT_EQ(decideBuy(model, 4, "147483647", "1000").quantity, 147483647);
    EXPECT_EQ(decideBuyMax(model, 4).step.refusal, full);
}

// As many whole shares as the balance covers, no ten-share minimum: 99990 / 1.002 = 99790.42 buys 3326
// shares at 30 pounds. The quote is the charge that booking then takes.
TEST(BuyMax, BuysAsManyWholeSharesAsTheBalanceCoversAndQuotesTheChargeItBooks) {
    // clang-format off
    const struct { double balance; int share; const char *quantity, *value; bool refused; } cases[] = {
        {1e5, 9, "3326", "99780.00", false}, {13.0, 7, "1", "2.50", false},  {12.0, 7, "0", nullptr, true},
        {-100.0, 7, "-43", nullptr, true}};  // value nullptr: the field is left alone
    // clang-format on
    for (const auto& c : cases) {
        GameModel model = market();
        model.pendingBalance = c.balance;
        const BuyMaxStep max = decideBuyMax(model, c.share);
        EXPECT_EQ(max.quantityText, c.quantity) << c.balance;
        EXPECT_EQ(max.valueText.value_or("left alone"), c.value ? c.value : "left alone") << c.balance;
        EXPECT_EQ(max.step.refusal, c.refused ? insufficient("Company 7") : "") << c.balance;
        if (c.refused) continue;
        const double value = model.shareTable[c.share].currentPrice * max.step.quantity;
        EXPECT_EQ(max.step.chargeValue, value);
        ASSERT_TRUE(bookPurchase(model, c.share, max.step.quantity).booked());
        EXPECT_NEAR(model.pendingBalance, c.balance - value - commissionFor(model, value),
                    kMillionthOfAPenny);
    }
    // Exactly one share's worth to spend is one share.
    GameModel model = market();
    model.shareTable[7].currentPrice = spendableAmount(model);
    EXPECT_EQ(decideBuyMax(model, 7).step.quantity, 1);
}
