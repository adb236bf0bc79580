// One purchase as a player makes it, through every screen it touches: the portfolio from the main
// screen, the share index sorted by Fallers, a double click, the Buy dialog, the index closing
// itself, the pending line, the main screen's marker, the broker rung, and the settled line.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "resources/resource.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"
#include "trading/Portfolio.h"
#include "views/ShareIndex.h"

namespace {
using Buying = GameWindowTest;

std::string onlyPortfolioLine(HWND screen) {
    HWND list = GetDlgItem(screen, IDC_PORT_LIST);
    EXPECT_TRUE(waitUntil([&] { return listCount(list) == 1; }));
    return listLine(list, 0);
}
}  // namespace

TEST_F(Buying, APurchaseFromTheShareIndexWaitsForTheBrokerAndThenIsHeld) {
    ShareList fallers = sortedSharesOf(gGame);
    sortShares(fallers, ShareOrder::Fallers);
    const int share = fallers[0].shareNumber;

    std::string pendingLine;
    bool indexClosedItself = false;
    SeenDialog buy;
    const SeenDialog portfolio =
        runScreen([&] { press(mainScreenWindow(), IDC_MAIN_PORTFOLIO); },
                  [&](HWND screen) {
                      runScreen([&] { pressLater(screen, IDC_PORT_SHARE_INDEX); },
                                [&](HWND index) {
                                    SendMessageA(GetDlgItem(index, IDC_INDEX_FALLERS), BM_CLICK, 0, 0);
                                    buy = runScreen(
                                              [&] { clickRow(GetDlgItem(index, IDC_INDEX_LIST), 0, true); },
                                              [](HWND dialog) {
                                                  type(dialog, IDC_BUY_QUANTITY, "250");
                                                  moveFocus(dialog, IDC_BUY_BUY);
                                              },
                                              IDC_BUY_BUY, IDYES)
                                              .screen;
                                    indexClosedItself = waitUntil([&] { return !IsWindow(index); });
                                },
                                IDC_CANCEL_BUTTON);
                      pendingLine = onlyPortfolioLine(screen);
                      saveWindowPicture(screen, "portfolio_pending");
                  },
                  IDC_PORT_MAIN_MENU)
            .screen;
    ASSERT_EQ(portfolio.caption, "Portfolio");
    EXPECT_EQ(buy.caption, std::string("Buy Shares In ") + gGame.shareTable[share].name);
    EXPECT_TRUE(indexClosedItself);
    EXPECT_EQ(gGame.holdings[0].shareNumber, share);
    EXPECT_EQ(pendingLine, holdingLine(gGame, gGame.holdings[0]));
    EXPECT_NE(pendingLine.find("[Buy]"), std::string::npos) << pendingLine;
    EXPECT_GT(pixelsOfColour(mainScreenWindow(), kMarkerBand).size(), 20u)
        << "the order waits for the broker";

    const Holding bought = gGame.holdings[0];
    const SeenDialog broker =
        runScreen([&] { press(mainScreenWindow(), IDC_MAIN_RING_BROKER); }, {}, IDC_RING_DONE).screen;
    EXPECT_EQ(broker.caption, "Password Protection");
    EXPECT_EQ(gGame.dayIndex, 259);
    EXPECT_EQ(pixelsOfColour(mainScreenWindow(), kMarkerBand).size(), 0u)
        << "nothing waits for the broker now";

    std::string settledLine;
    runScreen([&] { chooseMenuCommand(IDM_PORTFOLIO); },
              [&](HWND screen) {
                  settledLine = onlyPortfolioLine(screen);
                  saveWindowPicture(screen, "portfolio_settled");
              },
              IDC_PORT_MAIN_MENU);
    EXPECT_EQ(gGame.holdings[0].heldQuantity, 250);
    EXPECT_EQ(gGame.holdings[0].totalCost, bought.pendingAmount);
    EXPECT_EQ(settledLine, holdingLine(gGame, gGame.holdings[0]));
    EXPECT_EQ(settledLine.find("[Buy]"), std::string::npos) << settledLine;
}
