// What a new player ran into on the trading screens: picture buttons that kept their focus image,
// Enter on a picture button, the Remove question over the chosen line, names with "&", the Tab order,
// the dialogs' icon and where the keyboard is after a message box.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/MessageBoxes.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"
#include "trading/win32/BuyScreen.h"
#include "trading/win32/PortfolioScreen.h"

namespace {
using PlayerFaults = GameWindowTest;

constexpr int kPictureButtons[] = {IDC_MAIN_RING_BROKER, IDC_MAIN_PORTFOLIO, IDC_MAIN_DISCOVER,
                                   IDC_MAIN_ABOUT, IDC_MAIN_EXIT};

// The pixels the control shows now, read from the screen after it has painted.
std::vector<COLORREF> shownPixels(HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    pumpMessagesUntilIdle();
    RECT r;
    GetClientRect(control, &r);
    WindowDc dc(control);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.bottom; y += 3)
        for (int x = 0; x < r.right; x += 3) pixels.push_back(GetPixel(dc.get(), x, y));
    return pixels;
}

// The same points of the title picture, drawn on its own.
std::vector<COLORREF> titlePixelsUnder(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    POINT origin = {0, 0};
    MapWindowPoints(control, GetParent(control), &origin, 1);
    WindowDc screen(control);
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), r.right, r.bottom));
    Selected inMemory(memory.get(), bitmap.get());
    drawBitmapResource(memory.get(), RES_BMP_TITLE, -origin.x, -origin.y, 0, 0, SRCCOPY, kNaturalSize);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.bottom; y += 3)
        for (int x = 0; x < r.right; x += 3) pixels.push_back(GetPixel(memory.get(), x, y));
    return pixels;
}

void focusButton(int id) {
    SendMessageA(mainScreenWindow(), WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(GetDlgItem(mainScreenWindow(), id)), TRUE);
    pumpMessagesUntilIdle();
}

TEST_F(PlayerFaults, APictureButtonThatLosesTheFocusShowsTheTitlePictureAgain) {
    for (int id : kPictureButtons) focusButton(id);  // tab through all five
    for (int id : {IDC_MAIN_RING_BROKER, IDC_MAIN_PORTFOLIO, IDC_MAIN_DISCOVER, IDC_MAIN_ABOUT}) {
        SCOPED_TRACE(id);
        HWND button = GetDlgItem(mainScreenWindow(), id);
        EXPECT_EQ(shownPixels(button), titlePixelsUnder(button));
    }
    // The one with the focus shows its focus image, which is not the title.
    HWND focused = GetDlgItem(mainScreenWindow(), IDC_MAIN_EXIT);
    EXPECT_NE(shownPixels(focused), titlePixelsUnder(focused));
    saveWindowPicture(window_, "main_screen_after_tabbing");
}

TEST_F(PlayerFaults, EnterPressesTheFocusedPictureButton) {
    focusButton(IDC_MAIN_PORTFOLIO);
    DialogAnswerer close(IDC_PORT_MAIN_MENU);
    MSG enter = {GetDlgItem(mainScreenWindow(), IDC_MAIN_PORTFOLIO), WM_KEYDOWN, VK_RETURN, 0x001C0001};
    ASSERT_TRUE(IsDialogMessageA(mainScreenWindow(), &enter));
    EXPECT_EQ(close.seen().caption, "Portfolio");
}

void bookOn(int share, int quantity) {
    gGame.selectedShare = share;
    ASSERT_TRUE(bookPurchase(gGame, quantity).booked());
}

TEST_F(PlayerFaults, TheRemoveQuestionShowsTheChosenLineSelected) {
    bookOn(3, 10);
    bookOn(4, 10);
    int selectedWhileAsked = -1;
    DialogAnswerer portfolio(IDC_PORT_MAIN_MENU, [&](HWND screen) {
        HWND list = GetDlgItem(screen, IDC_PORT_LIST);
        waitUntil([&] { return listCount(list) == 2; });
        SendMessageA(list, LB_SETCURSEL, 1, 0);
        DialogAnswerer question(IDNO, [&](HWND) {
            selectedWhileAsked = listSelection(list);
            saveWindowPicture(GetDesktopWindow(), "remove_question");
        });
        press(screen, IDC_PORT_REMOVE);
        EXPECT_EQ(question.seen().text, "Are you sure you want to remove this pending transaction");
    });
    runPortfolioScreen(window_, gGame);
    portfolio.seen();
    EXPECT_EQ(selectedWhileAsked, 1);
}

TEST_F(PlayerFaults, ANameWithAnAmpersandShowsItInTheShareDetails) {
    std::snprintf(gGame.shareTable[5].name, kShareNameSize, "Threlkeld & Moss");
    bookOn(5, 10);
    std::string caption;
    DialogAnswerer portfolio(IDC_PORT_MAIN_MENU, [&](HWND screen) {
        waitUntil([&] { return listCount(GetDlgItem(screen, IDC_PORT_LIST)) == 1; });
        caption = textOf(screen, IDC_PORT_SHARE_DETAILS);
        saveWindowPicture(screen, "portfolio_ampersand");
    });
    runPortfolioScreen(window_, gGame);
    portfolio.seen();
    // A group box reads "&&" as one "&" shown as itself, where a single "&" would underline the "M".
    EXPECT_EQ(caption, "Share Details for : Threlkeld && Moss");
}

TEST_F(PlayerFaults, TabVisitsOnlyControlsThePlayerCanSeeAndUse) {
    std::vector<int> unusable;  // the controls Tab stopped on that a player cannot see or use
    int stops = 0;
    bool wentRound = false;
    DialogAnswerer portfolio(IDC_PORT_MAIN_MENU, [&](HWND screen) {
        waitUntil([&] { return !textOf(screen, IDC_PORT_ACCOUNT_DETAILS).empty(); });
        const DWORD thread = GetWindowThreadProcessId(screen, nullptr);
        HWND start = GetDlgItem(screen, IDC_PORT_MAIN_MENU);
        moveFocus(screen, IDC_PORT_MAIN_MENU);
        waitUntil([&] { return focusOfThread(thread) == start; });
        for (HWND at = start; stops < 20 && !wentRound; ++stops) {
            PostMessageA(at, WM_KEYDOWN, VK_TAB, 0x000F0001);
            const HWND from = at;
            waitUntil([&] { return focusOfThread(thread) != from; });
            at = focusOfThread(thread);
            RECT r = {};
            GetWindowRect(at, &r);
            if (r.right <= r.left || !IsWindowVisible(at) || !IsWindowEnabled(at))
                unusable.push_back(GetDlgCtrlID(at));
            wentRound = at == start;
        }
    });
    runPortfolioScreen(window_, gGame);
    portfolio.seen();
    EXPECT_TRUE(wentRound);
    EXPECT_GT(stops, 2);
    EXPECT_EQ(unusable, std::vector<int>{});
}

TEST_F(PlayerFaults, DialogsCarryTheGameIconAndTheKeyboardComesBackAfterAMessage) {
    HICON icon = nullptr;
    HWND focusAfterMessage = nullptr;
    HWND quantity = nullptr;
    DialogAnswerer buy(IDCANCEL, [&](HWND dialog) {
        icon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
        quantity = GetDlgItem(dialog, IDC_BUY_QUANTITY);
        const DWORD gameThread = GetWindowThreadProcessId(dialog, nullptr);
        waitUntil([&] { return focusOfThread(gameThread) == quantity; });
        DialogAnswerer refusal(IDOK);
        // A menu command that answers with a refusal owned by the dialog.
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDM_DELETE_PENDING, 0), 0);
        EXPECT_EQ(refusal.seen().text, "There are no pending transactions to delete");
        waitUntil([&] { return focusOfThread(gameThread) == quantity; });
        focusAfterMessage = focusOfThread(gameThread);
    });
    runBuyScreen(window_, gGame, 0);
    buy.seen();
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(focusAfterMessage, quantity);
}
// How far right the text's ink reaches when the control's font draws it on a wide white bitmap.
int inkWidthOf(HWND control) {
    char text[256] = "";
    GetWindowTextA(control, text, sizeof text);
    WindowDc screen(control);
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), 1000, 60));
    Selected inMemory(memory.get(), bitmap.get());
    Selected font(memory.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT all = {0, 0, 1000, 60};
    FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOutA(memory.get(), 0, 0, text, lstrlenA(text));
    int right = 0;
    for (int x = 0; x < 1000; ++x)
        for (int y = 0; y < 60; ++y)
            if (GetPixel(memory.get(), x, y) != RGB(255, 255, 255)) right = x + 1;
    return right;
}

TEST_F(PlayerFaults, TheLongestRefusalFitsItsMessageBox) {
    const std::string longest = "You don`t have that quantity of shares to sell";
    int ink = 0;
    int room = -1;
    DialogAnswerer answer(IDOK, [&](HWND box) {
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char text[256] = "";
            GetWindowTextA(child, text, sizeof text);
            if (longest != text) continue;
            RECT client;
            GetClientRect(child, &client);
            room = client.right;
            ink = inkWidthOf(child);
            saveWindowPicture(box, "longest_refusal");
        }
    });
    refuse(window_, longest);
    answer.seen();
    EXPECT_GT(ink, 0);
    EXPECT_LE(ink, room) << "the last letters are cut";
}
// The caption buttons are drawn from the Marlett face; without it they show as letters.
TEST_F(PlayerFaults, TheCaptionButtonsHaveTheirSymbolFace) {
    for (const char* face : {"Marlett", "Tahoma"}) {
        LOGFONTA wanted = {};
        lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
        wanted.lfCharSet = DEFAULT_CHARSET;
        bool found = false;
        WindowDc dc(window_);
        EnumFontFamiliesExA(
            dc.get(), &wanted,
            [](const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM seen) -> int {
                *reinterpret_cast<bool*>(seen) = true;
                return 0;
            },
            reinterpret_cast<LPARAM>(&found), 0);
        EXPECT_TRUE(found) << face << " is missing from the Wine prefix";
    }
}
}  // namespace
