// Ringing the broker as the player does: the dialog, the day count and its filter, Done and Cancel,
// the settled holding, the main screen's new date, and the messages at the end of the data.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "model/TransactionHistory.h"
#include "resources/resource.h"
#include "runtime/Layout.h"
#include "runtime/win32/ControlFonts.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/GameCommands.h"
#include "shell/win32/MainScreen.h"
#include "runtime/win32/WindowState.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"

namespace {
using RingBroker = GameWindowTest;

std::vector<POINT> datePixels() {
    return brightTextPixels(mainScreenWindow(), kDateBand);
}

// Rings the broker from the main screen's button, puts the count into the field and presses the
// button given; a message box that follows is answered with OK and returned.
struct RingResult {
    SeenDialog dialog;
    SeenDialog message;
};
RingResult ring(const std::string& count, int button = IDC_RING_DONE, bool messageExpected = false,
                const std::string& pictureName = "") {
    std::unique_ptr<DialogAnswerer> message;
    DialogAnswerer answer(button, [&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_RING_DAYS, count.c_str());
        if (messageExpected)
            message = std::make_unique<DialogAnswerer>(IDOK, [&](HWND box) {
                if (pictureName.empty()) return;
                Sleep(300);
                saveWindowPicture(box, pictureName);
            });
    });
    press(mainScreenWindow(), IDC_MAIN_RING_BROKER);
    RingResult result{answer.seen(), {}};
    if (message) result.message = message->seen();
    pumpMessagesUntilIdle();
    return result;
}

}  // namespace

TEST_F(RingBroker, TheDialogIsLaidOutAsItsTableSaysAndCancelChangesNothing) {
    const GameModel before = gGame;
    std::string passwordText, countText, doneText, cancelText, passwordLabel, daysLabel;
    bool passwordEnabled = true;
    int kind = 0, passwordHeight = 0, labelHeight = 0;
    std::string face;
    DialogAnswerer cancel(IDC_CANCEL_BUTTON, [&](HWND dialog) {
        passwordText = textOf(dialog, IDC_RING_PASSWORD);
        passwordEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_RING_PASSWORD));
        countText = textOf(dialog, IDC_RING_DAYS);
        doneText = textOf(dialog, IDC_RING_DONE);
        cancelText = textOf(dialog, IDC_CANCEL_BUTTON);
        passwordLabel = textOf(dialog, IDC_RING_PASSWORD_LABEL);
        daysLabel = textOf(dialog, IDC_RING_DAYS_LABEL);
        SendMessageA(dialog, windowState().toolbarMessageId, 0, reinterpret_cast<LPARAM>(&kind));
        passwordHeight = fontOf(dialog, IDC_RING_DAYS).lfHeight;
        labelHeight = fontOf(dialog, IDC_RING_DAYS_LABEL).lfHeight;
        face = fontOf(dialog, IDC_RING_DONE).lfFaceName;
        Sleep(300);  // let it paint before its picture is taken
        saveWindowPicture(dialog, "ring_broker");
        saveWindowPicture(window_, "ring_broker_over_main_screen");
    });
    chooseMenuCommand(IDM_RING_THE_BROKER);
    EXPECT_EQ(cancel.seen().caption, "Password Protection");
    EXPECT_EQ(passwordText, "");
    EXPECT_FALSE(passwordEnabled);
    EXPECT_EQ(countText, "1");
    EXPECT_EQ(doneText, "&Done");
    EXPECT_EQ(cancelText, "&Cancel");
    EXPECT_EQ(passwordLabel, "Enter Password :");
    EXPECT_EQ(daysLabel, "Skip No of Working Days :");
    EXPECT_EQ(kind, kOrdinaryDialog);
    EXPECT_EQ(passwordHeight, -13);
    EXPECT_EQ(labelHeight, -11);
    EXPECT_EQ(face, "Helv");
    EXPECT_EQ(gGame.dayIndex, before.dayIndex);
    EXPECT_EQ(gGame.cashBalance, before.cashBalance);
    EXPECT_TRUE(visibleDialogsOf(GetCurrentProcessId()).empty());
}

TEST_F(RingBroker, DoneSettlesAPurchaseAndTheMainScreenShowsTheNewDay) {
    gGame.selectedShare = 4;
    ASSERT_TRUE(bookPurchase(gGame, 100).booked());
    const double price = gGame.shareTable[4].currentPrice;
    const double pending = gGame.pendingBalance;
    const std::vector<POINT> before = datePixels();
    ASSERT_GT(before.size(), 20u);

    const RingResult result = ring("1");
    EXPECT_EQ(result.dialog.caption, "Password Protection");
    EXPECT_EQ(gGame.dayIndex, 259);
    EXPECT_EQ(gGame.previousDayIndex, 260);
    const Holding& slot = gGame.holdings[0];
    EXPECT_EQ(slot.shareNumber, 4);
    EXPECT_EQ(slot.heldQuantity, 100);
    EXPECT_EQ(slot.totalCost, 100 * price);
    EXPECT_EQ(slot.action, kNoAction);
    EXPECT_EQ(gGame.cashBalance, pending);
    EXPECT_EQ(gGame.transactionCount, 1);
    const auto record = readTransaction(0);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->price, price);
    EXPECT_EQ(record->date, dateOfDay(gGame, 260));
    EXPECT_TRUE(visibleDialogsOf(GetCurrentProcessId()).empty());  // no message for a plain day

    EXPECT_EQ(dateLineText(gGame), std::string("Todays Date : ") + dateOfDay(gGame, 259));
    const std::vector<POINT> after = datePixels();
    EXPECT_GT(after.size(), 20u);
    EXPECT_FALSE(samePixels(after, before));
    saveWindowPicture(window_, "ring_broker_after");
}

TEST_F(RingBroker, LettersTypedIntoTheCountAreDropped) {
    std::string typed;
    DialogAnswerer cancel(IDC_CANCEL_BUTTON, [&](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_RING_DAYS, "");
        type(dialog, IDC_RING_DAYS, "a3b-.x7 Z");
        typed = textOf(dialog, IDC_RING_DAYS);
    });
    chooseMenuCommand(IDM_RING_THE_BROKER);
    ASSERT_TRUE(cancel.seen().found);
    EXPECT_EQ(typed, "37 ");
    EXPECT_EQ(gGame.dayIndex, 260);
}

TEST_F(RingBroker, EscapeClosesWithoutSettling) {
    gGame.selectedShare = 2;
    ASSERT_TRUE(bookPurchase(gGame, 10).booked());
    ring("3", IDCANCEL);
    EXPECT_EQ(gGame.dayIndex, 260);
    EXPECT_TRUE(anyPendingOrder(gGame));
    EXPECT_EQ(gGame.transactionCount, 0);
}

TEST_F(RingBroker, AZeroOrNegativeCountSettlesWithoutMoving) {
    for (const char* count : {"0", "", "-5"}) {
        gGame.selectedShare = 9;
        ASSERT_TRUE(bookPurchase(gGame, 10).booked()) << count;
        ring(count);
        EXPECT_EQ(gGame.dayIndex, 260) << count;
        EXPECT_FALSE(anyPendingOrder(gGame)) << count;
    }
    EXPECT_EQ(gGame.holdings[0].heldQuantity, 30);
}

TEST_F(RingBroker, RunningPastTheEndOfTheDataSaysSoAndStopsOnTheLastDay) {
    gGame.selectedShare = 4;
    ASSERT_TRUE(bookPurchase(gGame, 100).booked());
    const RingResult result = ring("5000", IDC_RING_DONE, true, "no_later_prices");
    EXPECT_EQ(gGame.dayIndex, 0);
    EXPECT_EQ(gGame.holdings[0].heldQuantity, 100);
    EXPECT_EQ(result.message.caption, "Tickerdell");
    EXPECT_EQ(result.message.text, noLaterPricesNotice(gGame));
    EXPECT_NE(result.message.text.find(dateOfDay(gGame, 0)), std::string::npos);
    EXPECT_EQ(result.message.icon, IDI_ASTERISK);
    EXPECT_EQ(dateLineText(gGame), std::string("Todays Date : ") + dateOfDay(gGame, 0));

    // Once more from the last day, and with a count too large for 32 bits: the same message, no move.
    for (const char* count : {"1", "99999999999"}) {
        const RingResult again = ring(count, IDC_RING_DONE, true);
        EXPECT_EQ(again.message.text, noLaterPricesNotice(gGame)) << count;
        EXPECT_EQ(gGame.dayIndex, 0) << count;
    }
    EXPECT_TRUE(visibleDialogsOf(GetCurrentProcessId()).empty());
    EXPECT_FALSE(pumpMessagesUntilIdle());  // nothing asked the game to end
}

TEST_F(RingBroker, AHistoryThatCannotBeWrittenIsReportedAndTheOrdersStillSettle) {
    gGame.selectedShare = 6;
    ASSERT_TRUE(bookPurchase(gGame, 50).booked());
    std::filesystem::remove_all(transactionsDirectoryPath());
    const RingResult result = ring("1", IDC_RING_DONE, true, "history_not_written");
    std::filesystem::create_directory(transactionsDirectoryPath());
    EXPECT_EQ(result.message.caption, "Tickerdell");
    EXPECT_EQ(result.message.text, historyNotWrittenNotice());
    EXPECT_EQ(result.message.icon, IDI_EXCLAMATION);
    EXPECT_EQ(gGame.holdings[0].heldQuantity, 50);
    EXPECT_EQ(gGame.transactionCount, 0);
    EXPECT_EQ(gGame.dayIndex, 259);
}

TEST_F(RingBroker, FiveDaysOnTheShippedMarketReachTheGoldMinersSuspension) {
    ring("5");
    EXPECT_EQ(gGame.dayIndex, 255);
    EXPECT_EQ(std::string(gGame.shareTable[17].name), "Pellinor Gold");
    EXPECT_EQ(gGame.shareTable[17].currentPrice, 0.0);
    EXPECT_NE(gGame.shareTable[0].currentPrice, 0.0);
}
