#include "tests/core/TestKit.h"
#include "trading/Portfolio.h"

namespace {
GameModel market() {
    GameModel model = fiftyShares([](int) { return 1.0; }, "4-Jan-95");
    model.shareTable[3] = {3, "Abbey Foods", 1.2325, 1.255};
    model.shareTable[5] = {5, "Castle Brewing", 2.0, 1.5};
    return model;
}

std::string enabled(const PortfolioButtons& on) {
    return std::string(on.remove ? "Remove " : "") + (on.sell ? "Sell " : "") + (on.buy ? "Buy " : "") +
           (on.valuation ? "Valuation " : "");
}

auto detailsOf(const ShareDetails& d) {
    return std::make_tuple(d.caption, d.openingPrice, d.shareValue, d.brokersFees);
}
}  // namespace

TEST(PortfolioDisplay, LinesDetailsAndButtonsOfEachKindOfHolding) {
    GameModel model = market();
    model.holdings[0] = heldShares(5, 1200, 2400.0, 14.8);
    model.holdings[1] = heldShares(7, 40, 40.0);
    model.holdings[2] = heldShares(8, 25000000, 25000000.0);
    model.holdings[3] = heldShares(9, 10, 10.0);
    order(model, 3, 100, OrderKind::Purchase);  // a new holding, slot 4
    order(model, 7, 25, OrderKind::Purchase);
    order(model, 9, 10, OrderKind::Sale);
    EXPECT_EQ(rebuildPortfolio(model).account.caption, "Account Details on : 4-Jan-95");
    EXPECT_EQ(rebuildPortfolio(model).lines,
              (std::vector<std::string>{
                  "Castle Brewing            1200                            150      -50  ",
                  "Company 7                   40     [Buy]  +        25     100           ",
                  "Company 8             25000000                            100           ",
                  "Company 9                   10     [Sell] -        10     100           ",
                  "Abbey Foods              n/a       [Buy]  +       100    125\xBD       2\xBC  "}));
    // The widest figures keep the line at 72 characters: the most shares held and ordered, and a day's
    // fall from the highest price to the lowest.
    GameModel extreme = model;
    std::snprintf(extreme.shareTable[6].name, kShareNameSize, "Northern Consolidat");
    extreme.shareTable[6].currentPrice = kLowestPrice, extreme.shareTable[6].previousPrice = kHighestPrice;
    Holding widest = heldShares(6, INT32_MAX, 1.0);
    widest.action = kSellAction, widest.pendingQuantity = INT32_MAX;
    EXPECT_EQ(holdingLine(extreme, widest),
              "Northern Consolidat 2147483647     [Sell] -2147483647      0\xBC   -9999\xBE  ");
    const std::pair<ShareDetails, std::string> details[] = {
        {{"Share Details for : Castle Brewing", "  200p", "\2431800.00", "\24314.80"}, "Sell Buy Valuation "},
        {{"Share Details for : Company 7", "  100p", "     n/a", "\24310.05"}, "Remove Valuation "},
        {{"Share Details for : Company 9", "  100p", "     n/a", "\24310.02"}, "Remove Valuation "},
        {{"Share Details for : Abbey Foods", " 123\xBCp", "     n/a", "\24310.25"}, "Remove "}};
    const int slots[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(detailsOf(shareDetailsFor(model, slots[i])), detailsOf(details[i].first)) << i;
        EXPECT_EQ(enabled(buttonsFor(model.holdings[slots[i]])), details[i].second) << i;
    }
    EXPECT_EQ(detailsOf(shareDetailsFor(model, 5)), detailsOf(emptyShareDetails()));
    EXPECT_EQ(detailsOf(emptyShareDetails()),
              std::make_tuple("Share Details for : ", "    n/a", "    n/a", "    n/a"));
    // Settled holdings are valued at today's price; the orders move only the pending balance.
    EXPECT_EQ(model.portfolioValue, 1800.0 + 40.0 + 25000000.0 + 10.0);
    expectMoneyInvariant(model);
}

TEST(PortfolioRemove, GivesBackTheOrderAndResetsEveryOrderWhenTheBalanceWentBelowZero) {
    GameModel model = market();
    model.holdings[0] = heldShares(9, 10, 10.0);
    order(model, 3, 100, OrderKind::Purchase);
    order(model, 5, 40, OrderKind::Purchase);
    order(model, 9, 50, OrderKind::Purchase);
    EXPECT_FALSE(removePendingOrder(model, 1));
    EXPECT_EQ(model.holdings[1].shareNumber, 5);  // the holdings behind the emptied one moved forward
    EXPECT_FALSE(removePendingOrder(model, 0));   // a purchase on a held share keeps the holding
    EXPECT_EQ(std::make_tuple(model.holdings[0].shareNumber, model.holdings[0].heldQuantity,
                              model.holdings[0].repeatPurchases),
              std::make_tuple(9, 10, 1));
    for (int index : {0, -1, kHoldingCount}) EXPECT_FALSE(removePendingOrder(model, index));
    EXPECT_FALSE(removePendingOrder(model, 1));
    EXPECT_NEAR(model.pendingBalance, 100000.0, kMillionthOfAPenny);
    EXPECT_EQ(rebuildPortfolio(model).lines.size(), 1u);

    // A sale whose proceeds were spent: removing it would leave the balance below zero.
    model.cashBalance = model.pendingBalance = 50.0;
    model.holdings[1] = heldShares(5, 1000, 2000.0);
    order(model, 5, 1000, OrderKind::Sale);      // 1500 - 13 commission: pending balance 1537
    order(model, 3, 1000, OrderKind::Purchase);  // 1255 + 12.51: pending balance 269.49
    EXPECT_TRUE(removePendingOrder(model, 1));
    EXPECT_TRUE(anyPendingOrder(model));  // the player is told before every order goes
    resetPendingOrders(model);
    EXPECT_FALSE(anyPendingOrder(model));
    EXPECT_NEAR(model.pendingBalance, 50.0, kMillionthOfAPenny);
    EXPECT_EQ(std::make_tuple(model.holdings[1].heldQuantity, model.holdings[2].shareNumber),
              std::make_tuple(1000, kEmptySlot));
    EXPECT_STREQ(
        kPortfolioResetText,
        "Your portfolio does not appear to be in order. ALL pending transactions will now be removed");
}
