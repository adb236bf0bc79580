#include "tests/core/TestKit.h"
#include "trading/BuyRules.h"

// The step-by-step refusals, Buy Max and the charges they quote are rows of cases.tsv.
TEST(Buy, QuantitiesBeyondThirtyTwoBitsSharesWithoutAPriceAndAFullHolding) {
    GameModel model = buyingMarket();
    model.pendingBalance = 1e15;
    model.shareTable[7].currentPrice = 0.0001;
    // 2^32 + 10 would wrap to 10 in 32 bits: it is never booked short.
    EXPECT_EQ(decideBuy(model, 7, "4294967306", "1").refusal,
              "You have insufficient funds to buy that amount of shares in  Company 7");
    EXPECT_EQ(decideBuy(model, 7, "2147483647", "1").quantity, INT32_MAX);
    EXPECT_FALSE(canAffordPurchase(model, std::nan("")));
    for (double price : {0.0, -1.0}) {  // Buy Max's refusal of these is a row of cases.tsv
        model.shareTable[7].currentPrice = price;
        EXPECT_EQ(decideBuy(model, 7, "9", "").refusal, kNoPriceText);
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
