// The portfolio screen as the player meets it: each figure in its field and the red ones drawn red,
// the sum line, the buttons and details following the chosen line, buying more, selling, removing,
// and the keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"
#include "trading/Portfolio.h"
#include "trading/win32/PortfolioScreen.h"

namespace {
using Portfolio = GameWindowTest;

// Opens the portfolio, waits for its first activation to build the display, lets `work` play in it.
ScreenRun runPortfolio(HWND owner, const std::function<void(HWND)>& work,
                       int closeWith = IDC_PORT_MAIN_MENU) {
    const auto built = [&](HWND screen) {
        waitUntil(
            [&] { return textOf(screen, IDC_PORT_ACCOUNT_DETAILS).rfind("Account Details on : ", 0) == 0; });
        work(screen);
    };
    return runScreen([&] { runPortfolioScreen(owner, gGame); }, built, closeWith);
}

HWND listOf(HWND screen) {
    return GetDlgItem(screen, IDC_PORT_LIST);
}

// Remove, Sell, Buy and Valuation, named when enabled.
std::string enabledButtons(HWND screen) {
    std::string names;
    for (auto [id, name] : {std::pair{IDC_PORT_REMOVE, "Remove "},
                            {IDC_PORT_SELL, "Sell "},
                            {IDC_PORT_BUY, "Buy "},
                            {IDC_PORT_VALUATION, "Valuation "}})
        if (IsWindowEnabled(GetDlgItem(screen, id))) names += name;
    return names;
}

// Clicks the line and waits until the details show its share.
void chooseLine(HWND screen, int line) {
    clickRow(listOf(screen), line);
    const std::string caption = shareDetailsFor(gGame, line).caption;
    EXPECT_TRUE(waitUntil([&] { return textOf(screen, IDC_PORT_SHARE_DETAILS) == caption; })) << line;
}
}  // namespace

TEST_F(Portfolio, EachFigureSitsInItsFieldLossesAreRedAndTheSumLineStandsUnderTheCash) {
    holdShares(0, 4, 100, 100 * 2.0);
    gGame.cashBalance = gGame.pendingBalance = 50000.0;
    std::vector<std::string> shown;
    std::vector<size_t> red, black;
    LOGFONTA listFont = {}, figureFont = {};
    runPortfolio(window_, [&](HWND screen) {
        for (int id : {IDC_PORT_ACCOUNT_DETAILS, IDC_PORT_VALUE, IDC_PORT_CASH, IDC_PORT_TOTAL,
                       IDC_PORT_PROFIT, IDC_PORT_PENDING_BALANCE})
            shown.push_back(textOf(screen, id));
        for (int id : {IDC_PORT_PROFIT, IDC_PORT_CASH, IDC_PORT_PROFIT_LABEL}) {
            red.push_back(pixelsOfColour(GetDlgItem(screen, id), {0, 0, 200, 30}, RGB(255, 0, 0)).size());
            black.push_back(pixelsOfColour(GetDlgItem(screen, id), {0, 0, 200, 30}, RGB(0, 0, 0)).size());
        }
        black.push_back(pixelsOfColour(screen, {193, 352, 260, 353}, RGB(0, 0, 0)).size());
        listFont = fontOf(screen, IDC_PORT_LIST);
        figureFont = fontOf(screen, IDC_PORT_CASH);
        saveWindowPicture(screen, "portfolio_loss");
    });
    GameModel copy = gGame;
    const AccountFigures figures = rebuildPortfolio(copy).account;
    ASSERT_TRUE(figures.profitNegative);
    EXPECT_EQ(shown, (std::vector<std::string>{figures.caption, figures.portfolioValue, figures.cashBalance,
                                               figures.total, figures.profit, figures.pendingBalance}));
    EXPECT_GT(red[0], 20u);
    EXPECT_EQ(red[1] + red[2], 0u);
    EXPECT_GT(black[1], 20u);
    EXPECT_EQ(black[3], 67u);  // the sum line
    EXPECT_EQ(std::string(listFont.lfFaceName) + "|" + figureFont.lfFaceName, "Courier|Helv");
}

TEST_F(Portfolio, TheChosenLineSetsTheDetailsAndButtonsAndBuyAndSellOpenForItsShare) {
    holdShares(0, 4, 200, 200 * 2.0);
    holdShares(1, 9, 50, 50 * 2.0);
    orderShares(17, 100);
    std::vector<std::string> lines, states, details;
    SeenDialog sell, buy;
    runPortfolio(window_, [&](HWND screen) {
        for (int line = 0; line < 3; ++line) {
            if (line > 0) chooseLine(screen, line);
            lines.push_back(listLine(listOf(screen), line));
            states.push_back(enabledButtons(screen));
            details.push_back(textOf(screen, IDC_PORT_SHARE_VALUE) + "|" + textOf(screen, IDC_PORT_FEES));
            const ShareDetails expected = shareDetailsFor(gGame, line);
            details.push_back(expected.shareValue + "|" + expected.brokersFees);
        }
        chooseLine(screen, 0);
        sell = runScreen([&] { pressLater(screen, IDC_PORT_SELL); }, {}, IDC_CANCEL_BUTTON).screen;
        chooseLine(screen, 1);
        const auto more = [](HWND dialog) {
            type(dialog, IDC_BUY_QUANTITY, "25");
            moveFocus(dialog, IDC_BUY_BUY);
        };
        buy = runScreen([&] { pressLater(screen, IDC_PORT_BUY); }, more, IDC_BUY_BUY, IDYES).screen;
        waitUntil([&] { return listLine(listOf(screen), 1).find("[Buy]") != std::string::npos; });
        lines.push_back(listLine(listOf(screen), 1));
    });
    for (int line = 0; line < 3; ++line) EXPECT_EQ(details[2 * line], details[2 * line + 1]) << line;
    EXPECT_EQ(states, (std::vector<std::string>{"Sell Buy Valuation ", "Sell Buy Valuation ", "Remove "}));
    EXPECT_EQ(sell.caption, std::string("Sell Shares In ") + gGame.shareTable[4].name);
    EXPECT_EQ(buy.caption, std::string("Buy Shares In ") + gGame.shareTable[9].name);
    EXPECT_EQ(lines[0], holdingLine(gGame, gGame.holdings[0]));
    EXPECT_EQ(lines[2], holdingLine(gGame, gGame.holdings[2]));
    EXPECT_EQ(lines[3], holdingLine(gGame, gGame.holdings[1]));  // with the new order
    EXPECT_EQ(gGame.holdings[1].pendingQuantity, 25);
}

TEST_F(Portfolio, ADoubleClickOnAPendingLineIsRefusedAndRemoveAsksFirst) {
    orderShares(17, 100);
    SeenDialog refusal, question;
    int lines = -1;
    runPortfolio(window_, [&](HWND screen) {
        refusal = runScreen([&] { clickRow(listOf(screen), 0, true); }, {}, IDOK).screen;
        question = runScreen([&] { pressLater(screen, IDC_PORT_REMOVE); }, {}, IDNO).screen;
        lines = listCount(listOf(screen));
    });
    EXPECT_EQ(refusal.caption, "Message!");
    EXPECT_EQ(refusal.icon, IDI_QUESTION);
    EXPECT_EQ(gGame.orderRefused, 1);
    EXPECT_EQ(question.text, kRemoveQuestion);
    EXPECT_EQ(question.icon, IDI_EXCLAMATION);
    EXPECT_EQ(lines, 1);
    EXPECT_TRUE(anyPendingOrder(gGame));
}

TEST_F(Portfolio, ValuationFocusesTheListEnterThereGoesToShareIndexAndEscapeCloses) {
    holdShares(0, 4, 200, 200 * 2.0);
    const DWORD uiThread = GetCurrentThreadId();
    std::vector<bool> steps;
    runPortfolio(
        window_,
        [&](HWND screen) {
            HWND list = listOf(screen), shareIndex = GetDlgItem(screen, IDC_PORT_SHARE_INDEX);
            runScreen([&] { pressLater(screen, IDC_PORT_VALUATION); }, {}, IDC_VAL_EXIT);
            steps.push_back(waitUntil([&] { return focusOfThread(uiThread) == list; }));
            PostMessageA(list, WM_KEYDOWN, VK_RETURN, 1);
            steps.push_back(waitUntil([&] { return focusOfThread(uiThread) == shareIndex; }));
            PostMessageA(shareIndex, WM_KEYDOWN, VK_ESCAPE, 1);
            steps.push_back(waitUntil([&] { return !IsWindow(screen); }));
        },
        IDCANCEL);
    EXPECT_EQ(steps, std::vector<bool>(3, true));
}
