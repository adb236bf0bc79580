// The main window as the player meets it: class, caption, placement, menu, messages and quitting.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "model/MarketFiles.h"
#include "resources/resource.h"
#include "shell/win32/Dispatch.h"
#include "runtime/win32/WindowState.h"
#include "runtime/win32/Screen.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"

namespace {
using MainWindow = GameWindowTest;

struct MenuEntry {
    int menu;
    const char* text;  // empty for a separator
    int id;
    bool greyed;
};

const MenuEntry kMenu[] = {
    {0, "&Delete Pending Transactions", 10112, false},
    {0, "&Message To Administrator", 4000, true},
    {0, "", 0, false},
    {0, "E&xit", 4001, false},
    {1, "&Ring the Broker", 4002, false},
    {1, "&Portfolio", 4003, false},
    {1, "&Options", 4004, true},
    {2, "&News", 4005, false},
    {2, "Top &Earners", 4006, true},
    {2, "&Transaction History", 4007, false},
    {2, "Most &Popular Shares", 4008, true},
    {3, "&Contents", 4009, false},
    {3, "&Using Help", 4010, false},
    {3, "", 0, false},
    {3, "&About Tickerdell", 4011, false},
};

std::string menuText(HMENU menu, int position) {
    char text[128] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

void giveSlotAPendingPurchase(Holding& slot) {
    slot.shareNumber = 3;
    slot.action = kBuyAction;
    slot.pendingQuantity = 10;
    slot.pendingAmount = 20.0;
    slot.pendingCommission = 10.04;
}
}  // namespace

TEST_F(MainWindow, ClassCaptionAndPlacement) {
    char name[64] = "";
    GetClassNameA(window_, name, sizeof name);
    EXPECT_STREQ(name, "BLDPROJECT");
    char caption[64] = "";
    GetWindowTextA(window_, caption, sizeof caption);
    EXPECT_STREQ(caption, "Tickerdell");
    EXPECT_EQ(GetClassLongPtrA(window_, GCL_STYLE),
              CS_BYTEALIGNWINDOW | CS_BYTEALIGNCLIENT | CS_SAVEBITS | CS_DBLCLKS);
    EXPECT_NE(GetClassLongPtrA(window_, GCLP_HICON), 0u);
    EXPECT_EQ(windowState().mainWindow, window_);

    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const LONG style = GetWindowLongA(window_, GWL_STYLE);
    RECT r;
    GetWindowRect(window_, &r);
    if (width == 640 && height == 480) {
        EXPECT_TRUE(IsZoomed(window_));
        EXPECT_TRUE(style & WS_MAXIMIZEBOX);
        return;
    }
    EXPECT_FALSE(IsZoomed(window_));
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    // Created 640 x 480 there, then fitted around the main screen it hosts; it keeps its place.
    RECT client;
    GetClientRect(window_, &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 480);
    if (width == 800 && height == 600) {
        EXPECT_EQ(r.left, 80);
        EXPECT_EQ(r.top, 50);
    } else if (width == 1024 && height == 768) {
        EXPECT_EQ(r.left, 192);
        EXPECT_EQ(r.top, 134);
    } else {
        ADD_FAILURE() << "no expected placement for a " << width << " x " << height << " screen";
    }
}

TEST_F(MainWindow, MenuItemsIdsAndGreyedStates) {
    HMENU bar = GetMenu(window_);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    const char* titles[] = {"&File", "&Commands", "&Information", "&Help"};
    int position[4] = {};
    for (int m = 0; m < 4; ++m) EXPECT_EQ(menuText(bar, m), titles[m]);
    for (const MenuEntry& entry : kMenu) {
        SCOPED_TRACE(entry.text);
        HMENU popup = GetSubMenu(bar, entry.menu);
        ASSERT_NE(popup, nullptr);
        const int at = position[entry.menu]++;
        const UINT state = GetMenuState(popup, at, MF_BYPOSITION);
        if (entry.id == 0) {
            EXPECT_TRUE(state & MF_SEPARATOR);
            continue;
        }
        EXPECT_EQ(menuText(popup, at), entry.text);
        EXPECT_EQ(GetMenuItemID(popup, at), static_cast<UINT>(entry.id));
        EXPECT_EQ((state & MF_GRAYED) != 0, entry.greyed);
    }
    for (int m = 0; m < 4; ++m) EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, m)), position[m]);
}

TEST_F(MainWindow, RegisteredMessagesAndTheToolbarQuery) {
    const WindowState& shell = windowState();
    EXPECT_NE(shell.toolbarMessageId, 0u);
    EXPECT_EQ(RegisterWindowMessageA("BLDToolbarMessage"), shell.toolbarMessageId);
    EXPECT_EQ(RegisterWindowMessageA("BLDHelpMessage"), shell.helpMessageId);
    EXPECT_NE(shell.toolbarMessageId, shell.helpMessageId);

    int kind = 0;
    LRESULT result = 0;
    EXPECT_EQ(dialogPreFilter(window_, shell.toolbarMessageId, 0, reinterpret_cast<LPARAM>(&kind), 6, 20007,
                              &result),
              1);
    EXPECT_EQ(kind, 6);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(dialogPreFilter(window_, WM_PAINT, 0, 0, 6, 20007, &result), 0);
    // The frame itself is no runtime window: the query is left unanswered.
    kind = 0;
    SendMessageA(window_, shell.toolbarMessageId, 0, reinterpret_cast<LPARAM>(&kind));
    EXPECT_EQ(kind, 0);
}

TEST_F(MainWindow, StartsWithTheMarketLoaded) {
    EXPECT_EQ(gGame.dayIndex, 260);
    EXPECT_EQ(gGame.cashBalance, 100000.0);
    EXPECT_GT(gGame.shareTable[0].currentPrice, 0.0);
    EXPECT_GT(gGame.shareTable[0].previousPrice, 0.0);
    EXPECT_EQ(gGame.dateCount, 1399);
    EXPECT_GT(std::strlen(dateOfDay(gGame, gGame.dayIndex)), 0u);
    EXPECT_TRUE(std::filesystem::is_directory("THistory"));
    for (const ShareRecord& share : gGame.shareTable) EXPECT_GT(std::strlen(share.name), 0u);
}

TEST_F(MainWindow, ExitAsksFirstAndQuitsOnlyOnYes) {
    {
        DialogAnswerer answer(IDNO);
        EXPECT_EQ(chooseMenuCommand(IDM_EXIT), 0);
        const SeenDialog seen = answer.seen();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.caption, "Tickerdell");
        EXPECT_EQ(seen.text, "Are you sure you want to Quit ?");
        EXPECT_EQ(seen.icon, IDI_QUESTION);
        EXPECT_FALSE(pumpMessagesUntilIdle());
    }
    giveSlotAPendingPurchase(gGame.holdings[0]);
    {
        DialogAnswerer answer(IDYES);
        chooseMenuCommand(IDM_EXIT);
        const SeenDialog seen = answer.seen();
        EXPECT_EQ(seen.text, "To quit now will lose all pending transactions, Are you sure?");
        EXPECT_EQ(seen.icon, IDI_QUESTION);
        EXPECT_TRUE(pumpMessagesUntilIdle());
    }
}

TEST_F(MainWindow, CommandsOutsideTheMenuAreNotHandled) {
    EXPECT_EQ(dispatchCommand(window_, WM_COMMAND, 4012, 0), 0);
    EXPECT_EQ(dispatchCommand(window_, WM_COMMAND, 10111, 0), 0);
    EXPECT_EQ(dispatchCommand(window_, WM_COMMAND, MAKEWPARAM(IDM_NEWS, 0), 0), 1);
    EXPECT_TRUE(visibleDialogsOf(GetCurrentProcessId()).empty());
    EXPECT_TRUE(IsWindow(window_));
}
