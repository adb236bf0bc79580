#include "tests/core/TestKit.h"
#include "trading/SaleRules.h"

// The Sell dialog's figures and refusals, and what a placed sale books, are rows of cases.tsv.
TEST(SaleFigures, TheTitleOfAnyNameAndNothingForNoShare) {
    GameModel model = saleHolding(100, 3.0);
    std::memset(model.shareTable[kSoldShare].name, 'N', kShareNameSize);  // a name that fills its field
    EXPECT_EQ(saleFigures(model, kSoldShare).title, "Sell Shares In " + std::string(20, 'N'));
    model.shareTable[kSoldShare].name[0] = '\0';  // an empty name, whatever follows its end
    EXPECT_EQ(saleFigures(model, kSoldShare).title, "Sell Shares In ");
    // No share has shares: not a free slot's leftovers, nor a damaged slot's numbered outside the table.
    for (int i : {2, 3, 4})
        model.holdings[i] = heldShares(i == 2 ? kEmptySlot : i == 3 ? kShareCount : -2, 5, 5.0);
    model.holdings[5] = heldShares(0, 7, 7.0);  // share 0 and the share in slot 0 are shares like any other
    EXPECT_EQ(std::make_tuple(saleFigures(model, 0).available, saleFigures(model, 3).available),
              std::make_tuple("      7", "      5"));
    for (int share : {kShareCount, kEmptySlot, -2}) {
        const SaleFigures none = saleFigures(model, share);
        EXPECT_EQ(std::tie(none.title, none.available, none.price),
                  std::make_tuple("Sell Shares In ", "      0", "     p"));
        EXPECT_EQ(planSale(model, share, "5", "5").refusal, SaleRefusal::NotEnoughShares);
        EXPECT_EQ(planSellAll(model, share).refusal, SaleRefusal::NotEnoughShares);
        EXPECT_EQ(insufficientSaleFundsText(model, share),
                  "You have insufficient funds to sell that amount of shares in  ");
        EXPECT_EQ(suspendedSaleText(model, share).substr(0, 23), "Dealings in this share ");
    }
}

// A hostile price can make the proceeds or the balance more than a double holds: refused before the charge
// is quoted, and the pending balance never becomes inf or nan.
TEST(SellAll, ASuspendedShareOrAValueThatIsNotAFiniteNumberIsRefused) {
    EXPECT_EQ(planSellAll(saleHolding(2, 0.0), kSoldShare).refusal, SaleRefusal::Suspended);
    GameModel model = saleHolding(2, 1e308);
    const SalePlan plan = planSellAll(model, kSoldShare);
    EXPECT_EQ(std::tie(plan.refusal, plan.text),
              std::make_tuple(SaleRefusal::OrderTooLarge, std::string(kOrderTooLargeText)));
    EXPECT_FALSE(placeSale(model, kSoldShare, plan));
    EXPECT_EQ(model.pendingBalance, kStartingCash);

    model.holdings[1].heldQuantity = 1;
    model.pendingBalance = 1e308;
    EXPECT_EQ(planSellAll(model, kSoldShare).refusal, SaleRefusal::OrderTooLarge);
    model.pendingBalance = 0.0;
    const SalePlan one = planSellAll(model, kSoldShare);
    ASSERT_TRUE(one.accepted());
    EXPECT_TRUE(placeSale(model, kSoldShare, one));
    EXPECT_TRUE(std::isfinite(model.pendingBalance));
}
