// The Sell dialog as the player uses it: its figures, selling by quantity, by value and all, the
// broker's charge question, and every refusal with its text, caption and icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Settlement.h"
#include "resources/resource.h"
#include "runtime/win32/ControlFonts.h"
#include "runtime/Layout.h"
#include "runtime/win32/WindowState.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"
#include "trading/SaleRules.h"
#include "trading/win32/SellScreen.h"
#include "views/Formats.h"

namespace {
using SellDialog = GameWindowTest;

// A settled holding of `held` shares of the share, chosen on the portfolio screen.
void holdShares(int share, int held, double price) {
    gGame.shareTable[share].currentPrice = price;
    gGame.holdings[0].shareNumber = share;
    gGame.holdings[0].heldQuantity = held;
    gGame.holdings[0].totalCost = held * price;
    gGame.selectedShare = share;
    gGame.selectedHolding = 0;
}

// Opens the Sell dialog, lets `fill` work in it, presses `button`, and answers the message box that
// follows (the charge question or a refusal) with `reply`, after `look` has seen the dialog behind it.
struct SellRun {
    SeenDialog dialog;
    SeenDialog message;
    bool dialogClosed = false;
};
SellRun runSell(HWND owner, std::function<void(HWND)> fill, int button, int reply = 0,
                std::function<void(HWND)> look = {}) {
    std::unique_ptr<DialogAnswerer> message;
    HWND sellDialog = nullptr;
    DialogAnswerer answer(button, [&](HWND dialog) {
        sellDialog = dialog;
        if (fill) fill(dialog);
        if (reply)
            message = std::make_unique<DialogAnswerer>(reply, [&](HWND) {
                if (look) look(sellDialog);
            });
    });
    runSellScreen(owner, gGame, gGame.selectedHolding);
    SellRun run{answer.seen(), {}, false};
    if (message) run.message = message->seen();
    run.dialogClosed = !IsWindow(sellDialog);
    return run;
}

void fillQuantity(HWND dialog, const std::string& quantity) {
    type(dialog, IDC_SELL_QUANTITY, quantity);
    moveFocus(dialog, IDC_SELL_SELL);  // as clicking Sell would: the Value field is filled in
}

const std::string kInsufficient = "You have insufficient funds to sell that amount of shares in  ";
}  // namespace

TEST_F(SellDialog, OpensCentredWithTheHoldingsFiguresAndTheFocusInTheQuantity) {
    holdShares(17, 500000, 2.4575);
    std::string available, price, total, quantity, value, labels;
    RECT placed = {};
    HWND focus = nullptr, quantityField = nullptr;
    int kind = 0, figureHeight = 0, labelHeight = 0;
    const SellRun run = runSell(
        window_,
        [&](HWND dialog) {
            available = textOf(dialog, IDC_SELL_AVAILABLE);
            price = textOf(dialog, IDC_SELL_PRICE);
            total = textOf(dialog, IDC_SELL_TOTAL);
            quantity = textOf(dialog, IDC_SELL_QUANTITY);
            value = textOf(dialog, IDC_SELL_VALUE);
            for (int id : {IDC_SELL_QUANTITY_LABEL, IDC_SELL_VALUE_LABEL, IDC_SELL_PRICE_LABEL,
                           IDC_SELL_AVAILABLE_LABEL, IDC_SELL_TOTAL_LABEL, IDC_SELL_INFORMATION,
                           IDC_SELL_SELL, IDC_SELL_ALL, IDC_CANCEL_BUTTON})
                labels += textOf(dialog, id) + "|";
            GetWindowRect(dialog, &placed);
            GUITHREADINFO info = {};
            info.cbSize = sizeof info;
            GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
            focus = info.hwndFocus;
            quantityField = GetDlgItem(dialog, IDC_SELL_QUANTITY);
            SendMessageA(dialog, windowState().toolbarMessageId, 0, reinterpret_cast<LPARAM>(&kind));
            LOGFONTA font = {};
            GetObjectA(GetPropA(GetDlgItem(dialog, IDC_SELL_TOTAL), kControlFontProperty), sizeof font,
                       &font);
            figureHeight = font.lfHeight;
            GetObjectA(GetPropA(GetDlgItem(dialog, IDC_SELL_ALL), kControlFontProperty), sizeof font, &font);
            labelHeight = font.lfHeight;
            type(dialog, IDC_SELL_QUANTITY, "500");
            moveFocus(dialog, IDC_SELL_VALUE);
            Sleep(300);
            saveWindowPicture(dialog, "sell_dialog");
        },
        IDC_CANCEL_BUTTON);
    EXPECT_EQ(run.dialog.caption, "Sell Shares In Pellinor Gold");
    EXPECT_EQ(available, " 500000");
    EXPECT_EQ(price, " 245\xBEp");
    EXPECT_EQ(total,
              "\xA3"
              "1228750.00");
    EXPECT_EQ(quantity, "");
    EXPECT_EQ(value, "");
    EXPECT_EQ(labels,
              "Quantity :|Value (\xA3) :|Selling Price :|Number Available :|Total Value :|Information|&Sell|"
              "Sell &All|&Cancel|");
    EXPECT_EQ(focus, quantityField);
    EXPECT_EQ(kind, kOrdinaryDialog);
    EXPECT_EQ(figureHeight, -13);
    EXPECT_EQ(labelHeight, -11);
    const Point centred = centredOrigin(windowState().screenWidth, windowState().screenHeight,
                                        {placed.left, placed.top, placed.right, placed.bottom});
    EXPECT_EQ(placed.left, centred.x);
    EXPECT_EQ(placed.top, centred.y);
    EXPECT_TRUE(run.dialogClosed);
    EXPECT_FALSE(anyPendingOrder(gGame));
}

TEST_F(SellDialog, SellingByQuantityAsksTheChargeAndBooksTheSale) {
    holdShares(17, 100, 3.0);
    const SellRun run = runSell(
        window_, [](HWND dialog) { fillQuantity(dialog, "40"); }, IDC_SELL_SELL, IDYES);
    EXPECT_EQ(run.message.caption, "Tickerdell");
    EXPECT_EQ(run.message.text, brokerChargeMessage(gGame, 120.0));
    EXPECT_EQ(run.message.icon, IDI_QUESTION);
    EXPECT_TRUE(run.dialogClosed);
    const Holding& slot = gGame.holdings[0];
    EXPECT_EQ(slot.action, kSellAction);
    EXPECT_EQ(slot.pendingQuantity, 40);
    EXPECT_DOUBLE_EQ(slot.pendingAmount, 0.6);
    EXPECT_NEAR(gGame.pendingBalance, kStartingCash + 120.0 - 10.24, 1e-9);
}

TEST_F(SellDialog, NoToTheChargeBooksNothing) {
    holdShares(17, 100, 3.0);
    const SellRun run = runSell(
        window_, [](HWND dialog) { fillQuantity(dialog, "100"); }, IDC_SELL_SELL, IDNO);
    EXPECT_EQ(run.message.text, brokerChargeMessage(gGame, 300.0));
    EXPECT_TRUE(run.dialogClosed);
    EXPECT_FALSE(anyPendingOrder(gGame));
    EXPECT_EQ(gGame.pendingBalance, kStartingCash);
}

TEST_F(SellDialog, SellingByValueRoundsToWholeSharesAndBooksThem) {
    holdShares(17, 100, 3.0);
    std::string quantity, value;
    const SellRun run = runSell(
        window_,
        [&](HWND dialog) {
            moveFocus(dialog, IDC_SELL_VALUE);
            type(dialog, IDC_SELL_VALUE, "250.00");
            moveFocus(dialog, IDC_SELL_SELL);
            quantity = textOf(dialog, IDC_SELL_QUANTITY);
            value = textOf(dialog, IDC_SELL_VALUE);
        },
        IDC_SELL_SELL, IDYES);
    EXPECT_EQ(quantity, "83");
    EXPECT_EQ(value, "249.00");
    EXPECT_EQ(run.message.text, brokerChargeMessage(gGame, 249.0));
    EXPECT_EQ(gGame.holdings[0].pendingQuantity, 83);
}

TEST_F(SellDialog, TheValuesQuotientIsRoundedToSixDecimalsBeforeItsFractionIsDropped) {
    holdShares(17, 500, 1.0);
    std::string quantity;
    runSell(
        window_,
        [&](HWND dialog) {
            moveFocus(dialog, IDC_SELL_VALUE);
            type(dialog, IDC_SELL_VALUE, "99.999");
            moveFocus(dialog, IDC_SELL_QUANTITY);
            quantity = textOf(dialog, IDC_SELL_QUANTITY);
        },
        IDC_CANCEL_BUTTON);
    EXPECT_EQ(quantity, "99");  // the Buy dialog's two decimals would make it 100
}

TEST_F(SellDialog, SellAllShowsTheWholeHoldingQuotesItsChargeAndCreditsTheProceeds) {
    holdShares(17, 1000, 2.0);
    std::string quantity, value;
    const SellRun run = runSell(window_, {}, IDC_SELL_ALL, IDYES, [&](HWND dialog) {
        quantity = textOf(dialog, IDC_SELL_QUANTITY);
        value = textOf(dialog, IDC_SELL_VALUE);
    });
    EXPECT_EQ(quantity, "1000");
    EXPECT_EQ(value, "2000.00");
    EXPECT_NE(run.message.text.find("additional \xA3"
                                    "14.00."),
              std::string::npos);
    EXPECT_EQ(gGame.pendingBalance, kStartingCash + 1986.0);
    EXPECT_EQ(gGame.holdings[0].pendingAmount, 0.0);
    EXPECT_EQ(gGame.holdings[0].pendingQuantity, 1000);
}

TEST_F(SellDialog, EachRefusalHasItsTextCaptionAndIconAndTheDialogClosesBehindIt) {
    struct Case {
        const char* name;
        std::function<void(HWND)> fill;
        int button;
        double pendingBalance;
        std::string text;
        LPCSTR icon;
    };
    const Case cases[] = {
        {"empty fields",
         {},
         IDC_SELL_SELL,
         kStartingCash,
         "You must first sell some shares",
         IDI_EXCLAMATION},
        {"more than held", [](HWND d) { fillQuantity(d, "101"); }, IDC_SELL_SELL, kStartingCash,
         "You don`t have that quantity of shares to sell", IDI_ASTERISK},
        {"nine pounds with nothing pending", [](HWND d) { fillQuantity(d, "3"); }, IDC_SELL_SELL, 0.0,
         kInsufficient + "Pellinor Gold", IDI_EXCLAMATION},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        holdShares(17, 100, 3.0);
        gGame.pendingBalance = c.pendingBalance;
        const GameModel before = gGame;
        const SellRun run = runSell(window_, c.fill, c.button, IDOK);
        EXPECT_EQ(run.message.caption, "Tickerdell");
        EXPECT_EQ(run.message.text, c.text);
        EXPECT_EQ(run.message.icon, c.icon);
        EXPECT_EQ(run.message.buttonIds, std::vector<int>{IDOK});
        EXPECT_TRUE(run.dialogClosed);
        EXPECT_EQ(gGame.pendingBalance, before.pendingBalance);
        EXPECT_FALSE(anyPendingOrder(gGame));
    }
    // Ten pounds' worth with nothing pending is allowed.
    holdShares(17, 100, 1.0);
    gGame.pendingBalance = 0.0;
    const SellRun allowed = runSell(
        window_, [](HWND d) { fillQuantity(d, "10"); }, IDC_SELL_SELL, IDYES);
    EXPECT_EQ(allowed.message.icon, IDI_QUESTION);
    EXPECT_EQ(gGame.holdings[0].pendingQuantity, 10);
}

TEST_F(SellDialog, TheSuspendedGoldMinerCannotBeSoldEitherWay) {
    // Bought on the first day, then five working days on: the shipped market suspends it.
    gGame.selectedShare = 17;
    ASSERT_TRUE(bookPurchase(gGame, 200).booked());
    settleDay(gGame, 5);
    ASSERT_EQ(gGame.shareTable[17].currentPrice, 0.0);
    gGame.selectedHolding = 0;
    const std::string text =
        "Dealings in Pellinor Gold are suspended: it has no price today, so its shares cannot be "
        "sold until it trades again.";
    for (int button : {IDC_SELL_SELL, IDC_SELL_ALL}) {
        const double balance = gGame.pendingBalance;
        std::string value;
        const bool all = button == IDC_SELL_ALL;
        const SellRun run = runSell(
            window_,
            [all](HWND d) {
                if (!all) fillQuantity(d, "50");
            },
            button, IDOK,
            [&](HWND d) {
                value = textOf(d, IDC_SELL_VALUE);
                Sleep(300);
                saveWindowPicture(GetForegroundWindow(), all ? "sell_all_suspended" : "sell_suspended");
            });
        EXPECT_EQ(run.message.caption, "Tickerdell") << button;
        EXPECT_EQ(run.message.text, text) << button;
        EXPECT_EQ(run.message.icon, IDI_EXCLAMATION) << button;
        EXPECT_TRUE(run.dialogClosed) << button;
        EXPECT_EQ(gGame.pendingBalance, balance) << button;
        EXPECT_FALSE(anyPendingOrder(gGame)) << button;
        // Sell All puts no value of nothing into the fields; the Quantity field's own rule writes 0.00.
        EXPECT_EQ(value, all ? "" : "0.00") << button;
    }
    EXPECT_EQ(gGame.holdings[0].heldQuantity, 200);
}
