// The share index as the player meets it: the list in table order, the three sorts, the selection,
// Buy and Graph, the white list, the menu commands it passes on, and how it closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "resources/resource.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "views/ShareIndex.h"
#include "views/win32/ShareIndexScreen.h"

namespace {
using ShareIndexScreen = GameWindowTest;

// Opens the index, lets `work` play in it, then closes it with `closeWith`.
SeenDialog runIndex(HWND owner, const std::function<void(HWND)>& work, int closeWith = IDC_CANCEL_BUTTON) {
    DialogAnswerer answer(closeWith, work);
    runShareIndex(owner, gGame);
    return answer.seen();
}

int checkedSort(HWND dialog) {
    int checked = 0;
    for (int id : {IDC_INDEX_ALPHABETICAL, IDC_INDEX_FALLERS, IDC_INDEX_CLIMBERS})
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) checked = checked ? -1 : id;
    return checked;
}

void clickRow(HWND list, int row) {
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
}

int shareWith(bool (*better)(double, double)) {
    int chosen = 0;
    for (const ShareRecord& share : gGame.shareTable)
        if (better(relativeChange(share), relativeChange(gGame.shareTable[chosen])))
            chosen = share.shareNumber;
    return chosen;
}
}  // namespace

TEST_F(ShareIndexScreen, OpensInTableOrderWithAlphabeticalChecked) {
    // Out of name order on purpose: opening must not sort.
    std::swap(gGame.shareTable[0].name, gGame.shareTable[49].name);
    std::string lines[kShareCount];
    int count = 0, selected = -1, checked = 0;
    LOGFONTA listFont = {}, buttonFont = {};
    const SeenDialog seen = runIndex(window_, [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_INDEX_LIST);
        count = listCount(list);
        for (int row = 0; row < kShareCount; ++row) lines[row] = listLine(list, row);
        selected = listSelection(list);
        checked = checkedSort(dialog);
        listFont = fontOf(dialog, IDC_INDEX_LIST);
        buttonFont = fontOf(dialog, IDC_INDEX_BUY);
    });
    EXPECT_EQ(seen.caption, "Make Purchase");
    ASSERT_EQ(count, kShareCount);
    for (int row = 0; row < kShareCount; ++row)
        EXPECT_EQ(lines[row], shareIndexLine(gGame.shareTable[row])) << row;
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(checked, IDC_INDEX_ALPHABETICAL);
    EXPECT_STREQ(listFont.lfFaceName, "Courier");
    EXPECT_EQ(listFont.lfHeight, -13);
    EXPECT_STREQ(buttonFont.lfFaceName, "Helv");
    EXPECT_EQ(buttonFont.lfHeight, -11);
}

TEST_F(ShareIndexScreen, EachSortFillsTheListAnewAndSelectsTheFirstRow) {
    const int fallen = shareWith([](double a, double b) { return a < b; });
    const int risen = shareWith([](double a, double b) { return a > b; });
    std::string firstByName, lastByName, firstClimber, firstFaller;
    int selectedShareAfterSort = -1, checkedAfterClimbers = 0, selectedRow = -1;
    HWND focus = nullptr, list = nullptr;
    const DWORD uiThread = GetCurrentThreadId();
    runIndex(window_, [&](HWND dialog) {
        list = GetDlgItem(dialog, IDC_INDEX_LIST);
        clickRow(list, 7);
        waitUntil([&] { return listSelection(list) == 7; });
        press(dialog, IDC_INDEX_ALPHABETICAL);
        firstByName = listLine(list, 0);
        lastByName = listLine(list, kShareCount - 1);
        press(dialog, IDC_INDEX_CLIMBERS);
        firstClimber = listLine(list, 0);
        checkedAfterClimbers = checkedSort(dialog);
        SendMessageA(GetDlgItem(dialog, IDC_INDEX_FALLERS), BM_CLICK, 0, 0);
        firstFaller = listLine(list, 0);
        selectedShareAfterSort = gGame.selectedShare;
        selectedRow = listSelection(list);
        focus = focusOfThread(uiThread);
    });
    ShareList byName = sortedSharesOf(gGame);
    sortShares(byName, ShareOrder::ByName);
    EXPECT_EQ(firstByName, shareIndexLine(byName[0]));
    EXPECT_EQ(lastByName, shareIndexLine(byName[kShareCount - 1]));
    EXPECT_EQ(firstClimber, shareIndexLine(gGame.shareTable[risen]));
    EXPECT_EQ(checkedAfterClimbers, IDC_INDEX_CLIMBERS);
    EXPECT_EQ(firstFaller, shareIndexLine(gGame.shareTable[fallen]));
    EXPECT_EQ(selectedShareAfterSort, fallen);
    EXPECT_EQ(selectedRow, 0);
    EXPECT_EQ(focus, list);
}

TEST_F(ShareIndexScreen, ChoosingARowSetsTheSelectedShare) {
    int chosen = -1;
    runIndex(window_, [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_INDEX_LIST);
        clickRow(list, 5);
        waitUntil([&] { return gGame.selectedShare == 5; });
        chosen = gGame.selectedShare;
    });
    EXPECT_EQ(chosen, 5);
}

TEST_F(ShareIndexScreen, BuyAfterASortBuysTheFirstRowAndCancellingLeavesTheIndexOpen) {
    const int risen = shareWith([](double a, double b) { return a > b; });
    SeenDialog buy;
    bool indexStillOpen = false;
    runIndex(window_, [&](HWND dialog) {
        press(dialog, IDC_INDEX_CLIMBERS);
        DialogAnswerer cancel(IDC_CANCEL_BUTTON);
        pressLater(dialog, IDC_INDEX_BUY);
        buy = cancel.seen();
        Sleep(200);  // time for an unwanted self-close to show
        indexStillOpen = IsWindow(dialog) && IsWindowVisible(dialog);
    });
    EXPECT_EQ(buy.caption, std::string("Buy Shares In ") + gGame.shareTable[risen].name);
    EXPECT_TRUE(indexStillOpen);
    EXPECT_EQ(gGame.selectedShare, risen);
    EXPECT_FALSE(anyPendingOrder(gGame));
}

TEST_F(ShareIndexScreen, TheListIsDrawnOnWhite) {
    HBRUSH brush = nullptr;
    COLORREF background = 0;
    int mode = 0;
    runIndex(window_, [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_INDEX_LIST);
        WindowDc dc(list);
        brush = reinterpret_cast<HBRUSH>(SendMessageA(
            dialog, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(list)));
        background = GetBkColor(dc.get());
        mode = GetBkMode(dc.get());
    });
    EXPECT_EQ(brush, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(background, RGB(255, 255, 255));
    EXPECT_EQ(mode, TRANSPARENT);
}

TEST_F(ShareIndexScreen, AMenuCommandGoesToTheDispatcher) {
    SeenDialog notice;
    runIndex(window_, [&](HWND dialog) {
        DialogAnswerer ok(IDOK);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDM_DELETE_PENDING, 0), 0);
        notice = ok.seen();
    });
    EXPECT_EQ(notice.text, "There are no pending transactions to delete");
}

TEST_F(ShareIndexScreen, EscapeAndCancelClose) {
    bool closedByEscape = false, closedByCancel = false;
    runIndex(
        window_,
        [&](HWND dialog) {
            PostMessageA(GetDlgItem(dialog, IDC_INDEX_LIST), WM_KEYDOWN, VK_ESCAPE, 1);
            closedByEscape = waitUntil([&] { return !IsWindow(dialog); });
        },
        IDCANCEL);
    runIndex(
        window_,
        [&](HWND dialog) {
            pressLater(dialog, IDC_CANCEL_BUTTON);
            closedByCancel = waitUntil([&] { return !IsWindow(dialog); });
        },
        IDCANCEL);
    EXPECT_TRUE(closedByEscape);
    EXPECT_TRUE(closedByCancel);
}
