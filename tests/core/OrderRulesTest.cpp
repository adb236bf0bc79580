#include "tests/core/TestKit.h"

namespace {
auto refusalOf(const Admission& admission) {
    return std::make_tuple(admission.refusal, admission.text, admission.caption);
}
}  // namespace

TEST(Admission, OnePendingOrderAShareAndTenHoldingsAtMost) {
    using Refused = std::tuple<Refusal, std::string, std::string>;
    const Refused pending{Refusal::PendingOrderExists,
                          "You already have a pending transaction for this share either ring the broker or "
                          "delete the transaction",
                          "Message!"};
    const Refused full{Refusal::PortfolioFull, "You have exceeded your portfolio limit", "Tickerdell"},
        none{};
    GameModel model = buyingMarket();
    for (int i = 0; i < kHoldingCount; ++i) model.holdings[i] = heldShares(20 + i, 10 * (i + 1), 5.0 * i);
    ASSERT_EQ(bookPurchase(model, 25, 30).holding, 5);  // more of a held share: room enough
    ASSERT_TRUE(bookSale(model, 27, 80));
    const std::tuple<int, OrderKind, Refused> cases[] = {{25, OrderKind::Sale, pending},
                                                         {27, OrderKind::Purchase, pending},
                                                         {3, OrderKind::Purchase, full},
                                                         {3, OrderKind::Sale, none},
                                                         {29, OrderKind::Purchase, none}};
    for (const auto& [share, kind, refusal] : cases) {
        SCOPED_TRACE(share);
        const GameModel before = model;
        EXPECT_EQ(refusalOf(admitOrder(model, share, kind)), refusal);
        if (refusal == none) continue;
        EXPECT_EQ(refusalOf(bookPurchase(model, share, 10).admission), refusal);
        EXPECT_FALSE(bookSale(model, share, 1));
        expectSameAccount(model, before);
    }
}

// A purchase opens the first empty holding whatever an earlier one left in it; a sale's pending amount is
// the fraction of the holding that remains.
TEST(Booking, PurchasesAndSalesToThePenny) {
    GameModel model = buyingMarket();
    model.holdings[0] = heldShares(11, 10, 30.0);
    model.holdings[2] = heldShares(2, 100, 80.0);
    model.holdings[3] = heldShares(4, 100, 80.0);
    std::strcpy(model.holdings[1].dateBought, "LONGERTXT99");
    model.holdings[1].repeatPurchases = 4;
    model.shareTable[30].currentPrice = 1.235;
    model.shareTable[2].currentPrice = model.shareTable[4].currentPrice = 2.0;
    ASSERT_EQ(bookPurchase(model, 30, 300).holding, 1);
    const std::pair<int, int> sales[] = {{2, 100}, {4, 25}};
    for (const auto& [share, quantity] : sales) ASSERT_TRUE(bookSale(model, share, quantity));
    Holding bought{30, 0, 0.0, kBuyAction, 300, 1.235 * 300, commissionFor(model, 1.235 * 300)};
    std::strcpy(bought.dateBought, "D260");
    EXPECT_EQ(fieldsOf(model.holdings[1]), fieldsOf(bought));
    EXPECT_EQ(std::string(model.holdings[1].dateBought, kDateBoughtSize),
              std::string("D260") + std::string(8, '\0'));
    EXPECT_EQ(fieldsOf(model.holdings[2]),
              fieldsOf(Holding{2, 100, 80.0, kSellAction, 100, 0.0, commissionFor(model, 200.0)}));
    EXPECT_EQ(fieldsOf(model.holdings[3]),
              fieldsOf(Holding{4, 100, 80.0, kSellAction, 25, 0.75, commissionFor(model, 50.0)}));
    EXPECT_NEAR(model.pendingBalance, 100000.0 - 381.241 + 200.0 - 10.4 + 50.0 - 10.1, kMillionthOfAPenny);
    EXPECT_EQ(model.cashBalance, 100000.0);
    expectMoneyInvariant(model);
}

TEST(Booking, NothingForNoSharesTooManySharesOrAnUnknownShare) {
    GameModel model = buyingMarket();
    model.holdings[0] = heldShares(2, 100, 80.0);
    const GameModel before = model;
    const std::pair<int, int32_t> purchases[] = {{5, 0}, {5, -10}, {kShareCount, 10}, {kEmptySlot, 10}};
    const std::pair<int, int32_t> sales[] = {{5, 10}, {2, 101}, {2, 0}, {kShareCount, 1}};
    for (const auto& [share, quantity] : purchases)
        EXPECT_FALSE(bookPurchase(model, share, quantity).booked()) << share << " " << quantity;
    for (const auto& [share, quantity] : sales)
        EXPECT_FALSE(bookSale(model, share, quantity)) << share << " " << quantity;
    expectSameAccount(model, before);
}

// Hostile prices can make an order worth more than a double holds, or a holding larger than its type.
TEST(Booking, NoOrderMakesTheAccountInfiniteOrAHoldingOverflow) {
    GameModel model = buyingMarket();
    model.shareTable[3].currentPrice = model.shareTable[5].currentPrice = 1e308;
    model.holdings[0] = heldShares(3, 1, 1.0);
    model.holdings[1] = heldShares(5, 1, 1.0);
    model.holdings[2] = heldShares(7, 2000000000, 1.0);
    ASSERT_TRUE(bookSale(model, 3, 1));  // 1e308 is a number, if a large one
    const GameModel before = model;
    EXPECT_EQ(
        refusalOf(bookPurchase(model, 5, 10).admission),
        std::make_tuple(Refusal::OrderTooLarge, std::string(kOrderTooLargeText), std::string("Tickerdell")));
    EXPECT_FALSE(bookSale(model, 5, 1));  // a second 1e308 would make the balance infinite
    EXPECT_EQ(refusalOf(bookPurchase(model, 7, INT32_MAX - 2000000000 + 1).admission),
              std::make_tuple(Refusal::HoldingFull,
                              std::string("You cannot hold more than 2147483647 shares in Company 7"),
                              std::string("Tickerdell")));
    expectSameAccount(model, before);
    EXPECT_TRUE(std::isfinite(model.pendingBalance));
    EXPECT_TRUE(bookPurchase(model, 7, INT32_MAX - 2000000000).booked());
    model.shareTable[9].currentPrice = 1.797e308;  // finite, but not once its commission is added
    EXPECT_EQ(bookPurchase(model, 9, 1).admission.refusal, Refusal::OrderTooLarge);
}
