// Ringing the broker as the player does: the dialog and its day count, leaving without settling,
// Done settling and the main screen's new date, and the boxes for what did not go as asked.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "resources/resource.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/Portfolio.h"
#include "trading/OrderRules.h"

namespace {
using RingBroker = GameWindowTest;

// Rings from the main screen's button, puts the count into the field and presses the button given;
// a box that follows is answered with OK.
ScreenRun ring(const std::string& count, int button, int reply = 0) {
    const auto enter = [&](HWND dialog) { SetDlgItemTextA(dialog, IDC_RING_DAYS, count.c_str()); };
    return runScreen([] { press(mainScreenWindow(), IDC_MAIN_RING_BROKER); }, enter, button, reply);
}
}  // namespace

TEST_F(RingBroker, TheDialogShowsItsCountFiltersLettersAndCancelOrEscapeLeavesWithoutSettling) {
    orderShares(2, 10);
    std::vector<std::string> texts;
    LOGFONTA field = {}, label = {};
    const auto look = [&](HWND dialog) {
        for (int id : {IDC_RING_PASSWORD_LABEL, IDC_RING_PASSWORD, IDC_RING_DAYS_LABEL, IDC_RING_DAYS})
            texts.push_back(textOf(dialog, id));
        texts.push_back(IsWindowEnabled(GetDlgItem(dialog, IDC_RING_PASSWORD)) ? "enabled" : "disabled");
        field = fontOf(dialog, IDC_RING_DAYS);
        label = fontOf(dialog, IDC_RING_DAYS_LABEL);
        saveWindowPicture(dialog, "ring_broker");
        SetDlgItemTextA(dialog, IDC_RING_DAYS, "");
        type(dialog, IDC_RING_DAYS, "a3b-.x7 Z");
        texts.push_back(textOf(dialog, IDC_RING_DAYS));
    };
    const ScreenRun run = runScreen([&] { chooseMenuCommand(IDM_RING_THE_BROKER); }, look, IDC_CANCEL_BUTTON);
    EXPECT_EQ(run.screen.caption, "Password Protection");
    EXPECT_EQ(texts, (std::vector<std::string>{"Enter Password :", "", "Skip No of Working Days :", "1",
                                               "disabled", "37 "}));
    EXPECT_EQ(
        std::string(field.lfFaceName) + std::to_string(field.lfHeight) + "|" + std::to_string(label.lfHeight),
        "Helv-13|-11");
    EXPECT_TRUE(ring("3", IDCANCEL).closed);
    EXPECT_EQ(gGame.dayIndex, 260);
    EXPECT_TRUE(anyPendingOrder(gGame));
}

TEST_F(RingBroker, DoneSettlesAndTheMainScreenShowsTheNewDay) {
    orderShares(4, 100);
    const double pending = gGame.pendingBalance;
    const Pixels before = pixelsOfColour(mainScreenWindow(), kDateBand);
    ASSERT_GT(before.size(), 20u);
    EXPECT_TRUE(ring("1", IDC_RING_DONE).closed);
    EXPECT_TRUE(visibleDialogsOf(GetCurrentProcessId()).empty()) << "no box for a plain day";
    EXPECT_EQ(gGame.dayIndex, 259);
    EXPECT_EQ(gGame.holdings[0].heldQuantity, 100);
    EXPECT_EQ(gGame.cashBalance, pending);
    const Pixels after = pixelsOfColour(mainScreenWindow(), kDateBand);
    EXPECT_GT(after.size(), 20u);
    EXPECT_NE(after, before);
    saveWindowPicture(window_, "ring_broker_after");
}

TEST_F(RingBroker, WhatDidNotGoAsAskedIsToldInABoxAndTheOrdersStillSettle) {
    const struct {
        const char* count;
        bool historyWritable;
        std::function<std::string()> text;
        int dayIndex;
    } cases[] = {{"1", false, [] { return historyNotWrittenNotice(); }, 259},
                 {"5000", true, [] { return endOfDataNotice(gGame); }, 0}};
    for (const auto& c : cases) {
        orderShares(6, 50);
        if (!c.historyWritable) std::filesystem::remove_all(transactionsDirectoryPath());
        const auto enter = [&](HWND dialog) { SetDlgItemTextA(dialog, IDC_RING_DAYS, c.count); };
        const auto photograph = [](HWND) { saveWindowPicture(GetDesktopWindow(), "ring_broker_notice"); };
        const ScreenRun run = runScreen([] { press(mainScreenWindow(), IDC_MAIN_RING_BROKER); }, enter,
                                        IDC_RING_DONE, IDOK, photograph);
        std::filesystem::create_directory(transactionsDirectoryPath());
        EXPECT_EQ(run.message.text, c.text());
        EXPECT_EQ(gGame.dayIndex, c.dayIndex);
        EXPECT_FALSE(anyPendingOrder(gGame));
        EXPECT_FALSE(pumpMessagesUntilIdle()) << "nothing asked the game to end";
    }
    EXPECT_EQ(gGame.holdings[0].heldQuantity, 100);
}
