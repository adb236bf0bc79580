// The portfolio screen's lines, figures, details and buttons, and the removal of a pending order.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "trading/OrderRules.h"
#include "trading/Portfolio.h"
#include "tests/core/TestMarket.h"
#include "tests/core/TestMarket.h"

namespace {

// Fifty shares at 1.00 pound that did not move, with day 260 dated "4-Jan-95"; a few are special.
GameModel market() {
    GameModel model = fiftyShares([](int) { return 1.0; });
    std::strcpy(model.shareTable[3].name, "Abbey Foods");
    model.shareTable[3].previousPrice = 1.2325;
    model.shareTable[3].currentPrice = 1.255;
    std::strcpy(model.shareTable[5].name, "Castle Brewing");
    model.shareTable[5].previousPrice = 2.0;
    model.shareTable[5].currentPrice = 1.5;
    model.dateCount = 300;
    std::strcpy(model.dateTable[model.dateCount - 2 - 260], "4-Jan-95");
    return model;
}

void hold(GameModel& model, int slot, int share, int quantity, double cost) {
    Holding& holding = model.holdings[slot];
    holding.shareNumber = share;
    holding.heldQuantity = quantity;
    holding.totalCost = cost;
}

void buy(GameModel& model, int share, int quantity) {
    model.selectedShare = share;
    ASSERT_TRUE(bookPurchase(model, quantity).booked());
}

void sell(GameModel& model, int share, int quantity) {
    model.selectedShare = share;
    ASSERT_TRUE(admitOrder(model, OrderKind::Sale).admitted());
    ASSERT_TRUE(bookSale(model, quantity));
}

std::string padded(const char* name) {
    std::string text = name;
    text.resize(20, ' ');
    return text;
}

// The enabled ones among Remove, Sell, Buy and Valuation, named in that order.
std::string enabled(const PortfolioButtons& buttons) {
    std::string names;
    for (auto [on, name] : {std::pair{buttons.remove, "Remove"},
                            {buttons.sell, "Sell"},
                            {buttons.buy, "Buy"},
                            {buttons.valuation, "Valuation"}})
        if (on) names += names.empty() ? name : std::string(" ") + name;
    return names;
}
}  // namespace

TEST(PortfolioDisplay, AFreshGame) {
    GameModel model = market();
    model.purchaseMade = 1;
    const PortfolioDisplay display = rebuildPortfolio(model);
    EXPECT_TRUE(display.lines.empty());
    EXPECT_EQ(model.purchaseMade, 0);
    EXPECT_EQ(display.account.caption, "Account Details on : 4-Jan-95");
    EXPECT_EQ(display.account.portfolioValue,
              "\xA3"
              "0.00");
    EXPECT_EQ(display.account.cashBalance,
              "\xA3"
              "100000.00");
    EXPECT_EQ(display.account.total,
              "\xA3"
              "100000.00");
    EXPECT_EQ(display.account.profit,
              "\xA3"
              "0.00");
    EXPECT_EQ(display.account.pendingBalance,
              "\xA3"
              "100000.00");
    EXPECT_FALSE(display.account.cashNegative || display.account.pendingNegative ||
                 display.account.totalNegative || display.account.profitNegative);

    const ShareDetails details = emptyShareDetails();
    EXPECT_EQ(details.caption, "Share Details for : ");
    EXPECT_EQ(details.openingPrice, "    n/a");
    EXPECT_EQ(details.shareValue, "    n/a");
    EXPECT_EQ(details.brokersFees, "    n/a");
}

TEST(PortfolioDisplay, APendingPurchaseOfANewShare) {
    GameModel model = market();
    buy(model, 3, 100);
    const PortfolioDisplay display = rebuildPortfolio(model);
    ASSERT_EQ(display.lines.size(), 1u);
    EXPECT_EQ(display.lines[0], padded("Abbey Foods") + "     n/a     " + "  [Buy]  +" + "     100  " +
                                    "    125\xBD  " + "     2\xBC  ");
    EXPECT_EQ(display.lines[0].size(), 72u);
    // Only the pending balance shows the order: 125.50 for the shares and 10.251 commission.
    EXPECT_EQ(display.account.pendingBalance,
              "\xA3"
              "99864.25");
    EXPECT_EQ(display.account.cashBalance,
              "\xA3"
              "100000.00");
    EXPECT_EQ(display.account.portfolioValue,
              "\xA3"
              "0.00");
    EXPECT_EQ(display.account.profit,
              "\xA3"
              "0.00");

    const ShareDetails details = shareDetailsFor(model, 0);
    EXPECT_EQ(details.caption, "Share Details for : Abbey Foods");
    EXPECT_EQ(details.openingPrice, " 123\xBCp");
    EXPECT_EQ(details.shareValue, "     n/a");
    EXPECT_EQ(details.brokersFees,
              "\xA3"
              "10.25");
    EXPECT_EQ(enabled(buttonsFor(model.holdings[0])), "Remove");
}

TEST(PortfolioDisplay, AHeldShareWhosePriceFell) {
    GameModel model = market();
    hold(model, 0, 5, 1200, 2400.0);
    model.holdings[0].commissionToDate = 14.8;
    const PortfolioDisplay display = rebuildPortfolio(model);
    ASSERT_EQ(display.lines.size(), 1u);
    EXPECT_EQ(display.lines[0],
              padded("Castle Brewing") + "     1200    " + std::string(20, ' ') + "     150  " + "    -50  ");
    EXPECT_EQ(model.portfolioValue, 1800.0);
    EXPECT_EQ(display.account.portfolioValue,
              "\xA3"
              "1800.00");
    EXPECT_EQ(display.account.total,
              "\xA3"
              "101800.00");
    EXPECT_EQ(display.account.profit,
              "\xA3"
              "1800.00");

    const ShareDetails details = shareDetailsFor(model, 0);
    EXPECT_EQ(details.openingPrice, "  200p");
    EXPECT_EQ(details.shareValue,
              "\xA3"
              "1800.00");
    EXPECT_EQ(details.brokersFees,
              "\xA3"
              "14.80");
    EXPECT_EQ(enabled(buttonsFor(model.holdings[0])), "Sell Buy Valuation");
}

TEST(PortfolioDisplay, PendingOrdersOnHeldShares) {
    GameModel model = market();
    hold(model, 0, 5, 1200, 2400.0);
    hold(model, 1, 7, 40, 40.0);
    hold(model, 2, 8, 25000000, 25000000.0);
    sell(model, 5, 200);
    buy(model, 7, 25);
    const PortfolioDisplay display = rebuildPortfolio(model);
    ASSERT_EQ(display.lines.size(), 3u);
    EXPECT_EQ(display.lines[0].substr(20, 33), "     1200      [Sell] -     200  ");
    EXPECT_EQ(display.lines[1].substr(20, 33), "       40      [Buy]  +      25  ");
    // A quantity wider than its seven places widens the line rather than being cut.
    EXPECT_EQ(display.lines[2].substr(20, 14), "  25000000    ");
    EXPECT_EQ(enabled(buttonsFor(model.holdings[0])), "Remove Valuation");
    EXPECT_EQ(enabled(buttonsFor(model.holdings[1])), "Remove Valuation");
    EXPECT_EQ(shareDetailsFor(model, 0).shareValue, "     n/a");
    EXPECT_EQ(shareDetailsFor(model, 1).brokersFees,
              "\xA3"
              "10.05");
    // Settled holdings are valued at today's price; the orders move only the pending balance.
    EXPECT_EQ(model.portfolioValue, 1800.0 + 40.0 + 25000000.0);
    expectMoneyInvariant(model);
}

TEST(PortfolioDisplay, NegativeFiguresAreBracketedOrSignedAndMarkedRed) {
    GameModel model = market();
    hold(model, 0, 5, 500, 1000.0);  // worth 750
    model.cashBalance = 99000.0;
    model.pendingBalance = -12.0;
    const PortfolioDisplay display = rebuildPortfolio(model);
    EXPECT_EQ(display.account.profit,
              "(\xA3"
              "250.00)");
    EXPECT_TRUE(display.account.profitNegative);
    EXPECT_EQ(display.account.pendingBalance,
              "(\xA3"
              "12.00)");
    EXPECT_TRUE(display.account.pendingNegative);
    EXPECT_FALSE(display.account.cashNegative);
    EXPECT_FALSE(display.account.totalNegative);

    model.cashBalance = -1762.0;
    const AccountFigures figures = rebuildPortfolio(model).account;
    EXPECT_EQ(figures.cashBalance,
              "(\xA3"
              "1762.00)");
    EXPECT_EQ(figures.total,
              "\xA3"
              "-1012.00");
    EXPECT_TRUE(figures.cashNegative);
    EXPECT_TRUE(figures.totalNegative);
}

TEST(PortfolioDisplay, LinesFollowTheOccupiedHoldingsInOrder) {
    GameModel model = market();
    hold(model, 0, 9, 10, 10.0);
    hold(model, 1, 3, 20, 20.0);
    hold(model, 2, 5, 30, 30.0);
    const PortfolioDisplay display = rebuildPortfolio(model);
    ASSERT_EQ(display.lines.size(), 3u);
    EXPECT_EQ(display.lines[0].substr(0, 20), padded("Company 9"));
    EXPECT_EQ(display.lines[1].substr(0, 20), padded("Abbey Foods"));
    EXPECT_EQ(display.lines[2].substr(0, 20), padded("Castle Brewing"));
    EXPECT_EQ(shareDetailsFor(model, 3).caption, "Share Details for : ");
}

TEST(PortfolioRemove, RemovingANewPurchaseRestoresTheBalanceAndEmptiesTheList) {
    GameModel model = market();
    hold(model, 0, 9, 10, 10.0);
    buy(model, 3, 100);
    buy(model, 5, 40);
    EXPECT_FALSE(removePendingOrder(model, 1));
    // The holdings behind the emptied one moved forward.
    EXPECT_EQ(model.holdings[1].shareNumber, 5);
    EXPECT_EQ(model.holdings[2].shareNumber, kEmptySlot);
    expectMoneyInvariant(model);
    EXPECT_FALSE(removePendingOrder(model, 1));
    EXPECT_NEAR(model.pendingBalance, 100000.0, kMillionthOfAPenny);
    EXPECT_EQ(rebuildPortfolio(model).lines.size(), 1u);
}

TEST(PortfolioRemove, RemovingAPurchaseOnAHeldShareKeepsTheHolding) {
    GameModel model = market();
    hold(model, 0, 9, 10, 10.0);
    buy(model, 9, 50);
    EXPECT_EQ(model.holdings[0].repeatPurchases, 1);
    EXPECT_FALSE(removePendingOrder(model, 0));
    EXPECT_EQ(model.holdings[0].shareNumber, 9);
    EXPECT_EQ(model.holdings[0].heldQuantity, 10);
    EXPECT_EQ(model.holdings[0].repeatPurchases, 1);
    EXPECT_EQ(enabled(buttonsFor(model.holdings[0])), "Sell Buy Valuation");
    expectMoneyInvariant(model);
}

TEST(PortfolioRemove, RemovingASaleWhoseProceedsWereSpentResetsEveryOrder) {
    GameModel model = market();
    model.cashBalance = model.pendingBalance = 50.0;
    hold(model, 0, 5, 1000, 2000.0);  // 1500 pounds' worth at 1.50
    sell(model, 5, 1000);             // 1500 - 13 commission: pending balance 1537
    buy(model, 3, 1000);              // 1255 + 12.51: pending balance 269.49
    expectMoneyInvariant(model);
    EXPECT_TRUE(removePendingOrder(model, 0));
    EXPECT_FALSE(anyPendingOrder(model));
    EXPECT_NEAR(model.pendingBalance, model.cashBalance, kMillionthOfAPenny);
    EXPECT_EQ(model.holdings[0].shareNumber, 5);
    EXPECT_EQ(model.holdings[0].heldQuantity, 1000);
    EXPECT_EQ(model.holdings[1].shareNumber, kEmptySlot);
}

TEST(PortfolioRemove, AHoldingWithoutAnOrderIsLeftAlone) {
    GameModel model = market();
    hold(model, 0, 9, 10, 10.0);
    EXPECT_FALSE(removePendingOrder(model, 0));
    EXPECT_FALSE(removePendingOrder(model, -1));
    EXPECT_FALSE(removePendingOrder(model, kHoldingCount));
    EXPECT_EQ(model.holdings[0].shareNumber, 9);
    EXPECT_EQ(model.pendingBalance, 100000.0);
}

TEST(PortfolioTexts, TheQuestionAndTheResetMessage) {
    EXPECT_STREQ(kRemoveQuestion, "Are you sure you want to remove this pending transaction");
    EXPECT_STREQ(
        kPortfolioResetText,
        "Your portfolio does not appear to be in order. ALL pending transactions will now be removed");
}
