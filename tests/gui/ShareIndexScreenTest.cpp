// The share index as the player meets it: the list in table order, the three sorts, the selection,
// Buy for the chosen row, and the menu commands it passes on.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"
#include "views/ShareIndex.h"
#include "views/win32/ShareIndexScreen.h"

namespace {
using ShareIndex = GameWindowTest;

// Opens the index, lets `work` play in it, then closes it with `closeWith`; answers what the index
// answered.
bool runIndex(HWND owner, const std::function<void(HWND)>& work, int closeWith = IDC_CANCEL_BUTTON) {
    bool purchased = true;
    runScreen([&] { purchased = runShareIndex(owner, gGame); }, work, closeWith);
    return purchased;
}

std::vector<std::string> linesOf(HWND dialog) {
    std::vector<std::string> lines;
    HWND list = GetDlgItem(dialog, IDC_INDEX_LIST);
    for (int row = 0; row < listCount(list); ++row) lines.push_back(listLine(list, row));
    return lines;
}

int checkedSort(HWND dialog) {
    int checked = 0;
    for (int id : {IDC_INDEX_ALPHABETICAL, IDC_INDEX_FALLERS, IDC_INDEX_CLIMBERS})
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) checked = checked ? -1 : id;
    return checked;
}
}  // namespace

TEST_F(ShareIndex, OpensInTableOrderAndEachSortRefillsTheListChoosingItsFirstRow) {
    std::swap(gGame.shareTable[0].name, gGame.shareTable[49].name);  // opening must not sort by name
    const DWORD uiThread = GetCurrentThreadId();
    const std::pair<int, ShareOrder> sorts[] = {{IDC_INDEX_ALPHABETICAL, ShareOrder::ByName},
                                                {IDC_INDEX_CLIMBERS, ShareOrder::Climbers},
                                                {IDC_INDEX_FALLERS, ShareOrder::Fallers}};
    struct State {
        std::vector<std::string> lines;
        int checked, share, row;
        bool focusOnList;
    };
    std::vector<State> states;
    bool clickChose = false;
    std::string fonts;
    runIndex(window_, [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_INDEX_LIST);
        const auto record = [&] {
            states.push_back({linesOf(dialog), checkedSort(dialog), gGame.selectedShare, listSelection(list),
                              focusOfThread(uiThread) == list});
        };
        record();
        fonts =
            std::string(fontOf(dialog, IDC_INDEX_LIST).lfFaceName) + fontOf(dialog, IDC_INDEX_BUY).lfFaceName;
        saveWindowPicture(dialog, "share_index");
        clickRow(list, 7);
        clickChose = waitUntil([&] { return gGame.selectedShare == 7; });
        for (const auto& sort : sorts) {
            SendMessageA(GetDlgItem(dialog, sort.first), BM_CLICK, 0, 0);
            record();
        }
    });
    EXPECT_EQ(fonts, "CourierHelv");
    EXPECT_TRUE(clickChose);
    ShareList expected = sortedSharesOf(gGame);  // the screen sorts its own list again each time
    EXPECT_EQ(states[0].lines, shareIndexLines(expected));
    EXPECT_EQ(states[0].checked, IDC_INDEX_ALPHABETICAL);
    EXPECT_EQ(states[0].row, 0);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        sortShares(expected, sorts[i].second);
        EXPECT_EQ(states[i + 1].lines, shareIndexLines(expected));
        EXPECT_EQ(states[i + 1].checked, sorts[i].first);
        EXPECT_EQ(states[i + 1].share, expected[0].shareNumber);
        EXPECT_EQ(states[i + 1].row, 0);
        EXPECT_TRUE(states[i + 1].focusOnList);
    }
}

TEST_F(ShareIndex, BuyOpensTheChosenRowsShareAndCancellingItLeavesTheIndexOpen) {
    SeenDialog buy;
    int sortAfterwards = 0;
    const bool purchased = runIndex(window_, [&](HWND dialog) {
        clickRow(GetDlgItem(dialog, IDC_INDEX_LIST), 3);
        waitUntil([&] { return gGame.selectedShare == 3; });
        buy = runScreen([&] { pressLater(dialog, IDC_INDEX_BUY); }, {}, IDC_CANCEL_BUTTON).screen;
        // Only an index still open takes the next click.
        SendMessageA(GetDlgItem(dialog, IDC_INDEX_FALLERS), BM_CLICK, 0, 0);
        sortAfterwards = checkedSort(dialog);
    });
    EXPECT_EQ(buy.caption, std::string("Buy Shares In ") + gGame.shareTable[3].name);
    EXPECT_EQ(sortAfterwards, IDC_INDEX_FALLERS);
    EXPECT_FALSE(purchased || anyPendingOrder(gGame));
}

TEST_F(ShareIndex, AMenuCommandGoesToTheDispatcher) {
    SeenDialog notice;
    runIndex(window_, [&](HWND dialog) {
        notice = runScreen([&] { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDM_DELETE_PENDING, 0), 0); },
                           {}, IDOK)
                     .screen;
    });
    EXPECT_EQ(notice.text, "There are no pending transactions to delete");
    EXPECT_EQ(notice.icon, IDI_EXCLAMATION);
}
