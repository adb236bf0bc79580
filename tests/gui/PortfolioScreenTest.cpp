// The portfolio screen as the player meets it: a fresh account, holdings and their button states,
// the red figures and the sum line, buying more, selling, removing, the reset, and the keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/MarketFiles.h"
#include "resources/resource.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"
#include "trading/Portfolio.h"
#include "trading/win32/PortfolioScreen.h"
#include "views/Formats.h"

namespace {
using PortfolioScreen = GameWindowTest;

SeenDialog runPortfolio(HWND owner, const std::function<void(HWND)>& work,
                        int closeWith = IDC_PORT_MAIN_MENU) {
    DialogAnswerer answer(closeWith, [&](HWND screen) {
        // The first activation builds the display.
        waitUntil(
            [&] { return textOf(screen, IDC_PORT_ACCOUNT_DETAILS).rfind("Account Details on : ", 0) == 0; });
        work(screen);
    });
    runPortfolioScreen(owner, gGame);
    return answer.seen();
}

bool enabled(HWND screen, int id) {
    return IsWindowEnabled(GetDlgItem(screen, id)) != FALSE;
}

// Remove, Sell, Buy and Valuation, named when enabled.
std::string enabledButtons(HWND screen) {
    std::string names;
    for (auto [id, name] : {std::pair{IDC_PORT_REMOVE, "Remove"},
                            {IDC_PORT_SELL, "Sell"},
                            {IDC_PORT_BUY, "Buy"},
                            {IDC_PORT_VALUATION, "Valuation"}})
        if (enabled(screen, id)) names += names.empty() ? name : std::string(" ") + name;
    return names;
}

void hold(int slot, int share, int quantity) {
    gGame.holdings[slot].shareNumber = share;
    gGame.holdings[slot].heldQuantity = quantity;
    gGame.holdings[slot].totalCost = quantity * gGame.shareTable[share].currentPrice;
}

void buy(int share, int quantity) {
    gGame.selectedShare = share;
    ASSERT_TRUE(bookPurchase(gGame, quantity).booked());
}

void selectLine(HWND screen, int line) {
    HWND list = GetDlgItem(screen, IDC_PORT_LIST);
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, line, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
    waitUntil([&] { return listSelection(list) == line; });
    Sleep(50);
}

COLORREF figureColour(HWND screen, int id) {
    WindowDc dc(GetDlgItem(screen, id));
    SendMessageA(screen, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                 reinterpret_cast<LPARAM>(GetDlgItem(screen, id)));
    return GetTextColor(dc.get());
}
}  // namespace

TEST_F(PortfolioScreen, AFreshGame) {
    std::string figures[6], details[4], buttons;
    int lines = -1;
    bool shareIndex = false, mainMenu = false, selectPortfolio = true;
    RECT client = {};
    LOGFONTA listFont = {};
    const SeenDialog seen = runPortfolio(window_, [&](HWND screen) {
        int i = 0;
        for (int id : {IDC_PORT_VALUE, IDC_PORT_CASH, IDC_PORT_TOTAL, IDC_PORT_PROFIT,
                       IDC_PORT_PENDING_BALANCE, IDC_PORT_ACCOUNT_DETAILS})
            figures[i++] = textOf(screen, id);
        i = 0;
        for (int id : {IDC_PORT_SHARE_DETAILS, IDC_PORT_OPENING_PRICE, IDC_PORT_SHARE_VALUE, IDC_PORT_FEES})
            details[i++] = textOf(screen, id);
        lines = listCount(GetDlgItem(screen, IDC_PORT_LIST));
        buttons = enabledButtons(screen);
        shareIndex = enabled(screen, IDC_PORT_SHARE_INDEX);
        mainMenu = enabled(screen, IDC_PORT_MAIN_MENU);
        selectPortfolio = enabled(screen, IDC_PORT_SELECT_PORTFOLIO);
        GetClientRect(screen, &client);
        listFont = fontOf(screen, IDC_PORT_LIST);
    });
    EXPECT_EQ(seen.caption, "Portfolio");
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(figures[0],
              "\xA3"
              "0.00");
    EXPECT_EQ(figures[1],
              "\xA3"
              "100000.00");
    EXPECT_EQ(figures[2],
              "\xA3"
              "100000.00");
    EXPECT_EQ(figures[3],
              "\xA3"
              "0.00");
    EXPECT_EQ(figures[4],
              "\xA3"
              "100000.00");
    EXPECT_EQ(figures[5], std::string("Account Details on : ") + dateOfDay(gGame, gGame.dayIndex));
    EXPECT_EQ(details[0], "Share Details for : ");
    for (int i = 1; i < 4; ++i) EXPECT_EQ(details[i], "    n/a");
    EXPECT_EQ(buttons, "");
    EXPECT_TRUE(shareIndex);
    EXPECT_TRUE(mainMenu);
    EXPECT_FALSE(selectPortfolio);
    EXPECT_EQ(client.right, 314 * 2);
    EXPECT_EQ(client.bottom, 210 * 2);
    EXPECT_STREQ(listFont.lfFaceName, "Courier");
}

TEST_F(PortfolioScreen, LinesDetailsAndButtonsFollowTheSelectedHolding) {
    hold(0, 4, 200);
    hold(1, 9, 50);
    buy(9, 20);
    buy(17, 100);
    std::string lines[3], states[3], captions[3], values[3];
    runPortfolio(window_, [&](HWND screen) {
        for (int line = 0; line < 3; ++line) {
            if (line > 0) selectLine(screen, line);
            lines[line] = listLine(GetDlgItem(screen, IDC_PORT_LIST), line);
            states[line] = enabledButtons(screen);
            captions[line] = textOf(screen, IDC_PORT_SHARE_DETAILS);
            values[line] = textOf(screen, IDC_PORT_SHARE_VALUE);
        }
    });
    for (int line = 0; line < 3; ++line)
        EXPECT_EQ(lines[line], holdingLine(gGame, gGame.holdings[line])) << line;
    EXPECT_EQ(states[0], "Sell Buy Valuation");
    EXPECT_EQ(states[1], "Remove Valuation");
    EXPECT_EQ(states[2], "Remove");
    EXPECT_EQ(captions[2], std::string("Share Details for : ") + gGame.shareTable[17].name);
    EXPECT_EQ(values[0], formatTotalPounds(200 * gGame.shareTable[4].currentPrice));
    EXPECT_EQ(values[1], "     n/a");
}

TEST_F(PortfolioScreen, LossesAreRedAndTheSumLineStandsUnderTheCash) {
    hold(0, 4, 100);
    gGame.cashBalance = gGame.pendingBalance = 50000.0;
    COLORREF profit = 0, cash = 0, label = 0;
    std::string profitText;
    int linePixels = 0;
    runPortfolio(window_, [&](HWND screen) {
        profitText = textOf(screen, IDC_PORT_PROFIT);
        profit = figureColour(screen, IDC_PORT_PROFIT);
        cash = figureColour(screen, IDC_PORT_CASH);
        label = figureColour(screen, IDC_PORT_PROFIT_LABEL);
        Sleep(200);
        WindowDc dc(screen);
        for (int x = 193; x < 260; ++x) linePixels += GetPixel(dc.get(), x, 352) == RGB(0, 0, 0);
        saveWindowPicture(screen, "portfolio_loss");
    });
    EXPECT_EQ(profitText, formatPounds(100 * gGame.shareTable[4].currentPrice - 50000.0));
    EXPECT_EQ(profitText.front(), '(');
    EXPECT_EQ(profit, RGB(255, 0, 0));
    EXPECT_EQ(cash, RGB(0, 0, 0));
    EXPECT_NE(label, RGB(255, 0, 0));
    EXPECT_EQ(linePixels, 67);
}

TEST_F(PortfolioScreen, BuyingMoreOfAHeldShare) {
    hold(0, 4, 200);
    hold(1, 9, 50);
    std::string buyCaption, firstLine;
    int selectedAfter = -1;
    runPortfolio(window_, [&](HWND screen) {
        selectLine(screen, 1);
        std::unique_ptr<DialogAnswerer> yes;
        DialogAnswerer buyDialog(IDC_BUY_BUY, [&](HWND dialog) {
            type(dialog, IDC_BUY_QUANTITY, "25");
            moveFocus(dialog, IDC_BUY_BUY);
            yes = std::make_unique<DialogAnswerer>(IDYES);
        });
        press(screen, IDC_PORT_BUY);
        buyCaption = buyDialog.seen().caption;
        waitUntil([&] {
            return listLine(GetDlgItem(screen, IDC_PORT_LIST), 1).find("[Buy]") != std::string::npos;
        });
        firstLine = listLine(GetDlgItem(screen, IDC_PORT_LIST), 1);
        selectedAfter = listSelection(GetDlgItem(screen, IDC_PORT_LIST));
    });
    EXPECT_EQ(buyCaption, std::string("Buy Shares In ") + gGame.shareTable[9].name);
    EXPECT_EQ(firstLine.substr(20, 33), "       50      [Buy]  +      25  ");
    EXPECT_EQ(selectedAfter, 0) << "the rebuilt display selects the first line again";
    EXPECT_EQ(gGame.holdings[1].repeatPurchases, 1);
    EXPECT_EQ(gGame.selectedShare, 9);
    EXPECT_EQ(gGame.selectedHolding, 1);
}

TEST_F(PortfolioScreen, SellOpensTheSellDialogAndADoubleClickOnAPendingLineIsRefused) {
    hold(0, 4, 200);
    buy(17, 100);
    SeenDialog sellDialog, refusal;
    runPortfolio(window_, [&](HWND screen) {
        DialogAnswerer cancel(IDC_CANCEL_BUTTON);
        pressLater(screen, IDC_PORT_SELL);
        sellDialog = cancel.seen();
        waitUntil([&] { return visibleDialogsOf(GetCurrentProcessId()).size() == 1; });
        DialogAnswerer ok(IDOK);
        doubleClickRow(GetDlgItem(screen, IDC_PORT_LIST), 1);
        refusal = ok.seen();
        waitUntil([&] { return visibleDialogsOf(GetCurrentProcessId()).size() == 1; });
    });
    EXPECT_EQ(sellDialog.caption, std::string("Sell Shares In ") + gGame.shareTable[4].name);
    EXPECT_EQ(refusal.caption, "Message!");
    EXPECT_EQ(refusal.text,
              "You already have a pending transaction for this share either ring the broker or delete the "
              "transaction");
    EXPECT_EQ(gGame.orderRefused, 1);
}

TEST_F(PortfolioScreen, RemoveAsksFirstAndNoKeepsTheOrder) {
    buy(17, 100);
    const double balance = gGame.pendingBalance;
    SeenDialog question;
    runPortfolio(window_, [&](HWND screen) {
        DialogAnswerer no(IDNO);
        press(screen, IDC_PORT_REMOVE);
        question = no.seen();
    });
    EXPECT_EQ(question.text, "Are you sure you want to remove this pending transaction");
    EXPECT_EQ(question.caption, "Tickerdell");
    EXPECT_EQ(question.icon, IDI_EXCLAMATION);
    EXPECT_EQ(question.buttonIds, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(gGame.pendingBalance, balance);
    EXPECT_TRUE(anyPendingOrder(gGame));
}

TEST_F(PortfolioScreen, RemovingASaleWhoseProceedsWereSpentResetsEveryOrder) {
    gGame.cashBalance = gGame.pendingBalance = 20.0;
    gGame.shareTable[4].currentPrice = 2.0;
    gGame.shareTable[17].currentPrice = 5.0;
    hold(0, 4, 1000);
    gGame.selectedShare = 4;
    ASSERT_TRUE(bookSale(gGame, 1000));
    buy(17, 10);
    ASSERT_GE(gGame.pendingBalance, 0.0);
    SeenDialog reset;
    std::string line, buttons;
    runPortfolio(window_, [&](HWND screen) {
        std::unique_ptr<DialogAnswerer> ok;
        DialogAnswerer yes(IDYES, [&](HWND) { ok = std::make_unique<DialogAnswerer>(IDOK); });
        press(screen, IDC_PORT_REMOVE);
        yes.seen();
        if (ok) reset = ok->seen();
        waitUntil([&] { return listCount(GetDlgItem(screen, IDC_PORT_LIST)) == 1; });
        line = listLine(GetDlgItem(screen, IDC_PORT_LIST), 0);
        buttons = enabledButtons(screen);
    });
    EXPECT_EQ(reset.text,
              "Your portfolio does not appear to be in order. ALL pending transactions will now be removed");
    EXPECT_EQ(reset.caption, "Tickerdell");
    EXPECT_EQ(reset.icon, IDI_EXCLAMATION);
    EXPECT_FALSE(anyPendingOrder(gGame));
    EXPECT_NEAR(gGame.pendingBalance, 20.0, 1e-9);
    EXPECT_EQ(line, holdingLine(gGame, gGame.holdings[0]));
    EXPECT_EQ(buttons, "Sell Buy Valuation");
}

TEST_F(PortfolioScreen, EnterOnTheListGoesToShareIndexAndEscapeCloses) {
    hold(0, 4, 200);
    const DWORD uiThread = GetCurrentThreadId();
    HWND focusAfterEnter = nullptr, shareIndex = nullptr, focusAfterValuation = nullptr, list = nullptr;
    bool closedByEscape = false;
    runPortfolio(
        window_,
        [&](HWND screen) {
            list = GetDlgItem(screen, IDC_PORT_LIST);
            shareIndex = GetDlgItem(screen, IDC_PORT_SHARE_INDEX);
            press(screen, IDC_PORT_VALUATION);
            focusAfterValuation = focusOfThread(uiThread);
            PostMessageA(list, WM_KEYDOWN, VK_RETURN, 1);
            waitUntil([&] { return focusOfThread(uiThread) == shareIndex; });
            focusAfterEnter = focusOfThread(uiThread);
            PostMessageA(shareIndex, WM_KEYDOWN, VK_ESCAPE, 1);
            closedByEscape = waitUntil([&] { return !IsWindow(screen); });
        },
        IDCANCEL);
    EXPECT_EQ(focusAfterValuation, list);
    EXPECT_EQ(focusAfterEnter, shareIndex);
    EXPECT_TRUE(closedByEscape);
}
