// The Buy dialog on its own: what it shows on opening, each refusal as the player reads it, Buy Max,
// the Enter key, and the ways of closing it without an order.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "resources/resource.h"
#include "runtime/win32/WindowState.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/BuyRules.h"
#include "trading/win32/BuyScreen.h"
#include "trading/OrderRules.h"
#include "views/Formats.h"

namespace {
using BuyDialog = GameWindowTest;
constexpr int kShare = 12;

// Opens the Buy dialog for kShare, lets `fill` work in it, presses `button`, and answers the message
// that follows with `reply` (none when `reply` is 0).
struct BuyRun {
    SeenDialog dialog;
    SeenDialog message;
    std::string quantityBehind;  // the fields as the message box found them
    std::string valueBehind;
    bool closed = false;
};
BuyRun runBuy(HWND owner, const std::function<void(HWND)>& fill, int button, int reply) {
    BuyRun run;
    std::unique_ptr<DialogAnswerer> message;
    HWND buyDialog = nullptr;
    DialogAnswerer answer(button, [&](HWND dialog) {
        buyDialog = dialog;
        if (fill) fill(dialog);
        if (reply)
            message = std::make_unique<DialogAnswerer>(reply, [&](HWND) {
                run.quantityBehind = textOf(buyDialog, IDC_BUY_QUANTITY);
                run.valueBehind = textOf(buyDialog, IDC_BUY_VALUE);
            });
    });
    gGame.selectedShare = kShare;
    runBuyScreen(owner, gGame, gGame.selectedShare);
    run.dialog = answer.seen();
    if (message) run.message = message->seen();
    run.closed = !IsWindow(buyDialog);
    return run;
}

std::function<void(HWND)> enterQuantity(const std::string& quantity) {
    return [quantity](HWND dialog) {
        type(dialog, IDC_BUY_QUANTITY, quantity);
        moveFocus(dialog, IDC_BUY_BUY);  // as clicking Buy would: the Value field is filled in
    };
}

void expectNothingBooked() {
    EXPECT_FALSE(anyPendingOrder(gGame));
    EXPECT_EQ(gGame.pendingBalance, gGame.cashBalance);
    EXPECT_EQ(gGame.holdings[0].shareNumber, kEmptySlot);
}

void fillHoldingsWithOtherShares() {
    for (int slot = 0; slot < kHoldingCount; ++slot) {
        gGame.holdings[slot].shareNumber = 30 + slot;
        gGame.holdings[slot].heldQuantity = 10;
        gGame.holdings[slot].totalCost = 10.0;
    }
}
}  // namespace

TEST_F(BuyDialog, OpensCentredWithTheShareThePriceAndTheBalance) {
    const DWORD uiThread = GetCurrentThreadId();
    gGame.pendingBalance = -12.5;
    const ShareRecord& share = gGame.shareTable[kShare];
    std::string price, balance, quantity, value;
    HWND focus = nullptr, quantityField = nullptr;
    RECT outer = {}, client = {};
    LOGFONTA edit = {}, label = {};
    const BuyRun run = runBuy(
        window_,
        [&](HWND dialog) {
            price = textOf(dialog, IDC_BUY_PRICE);
            balance = textOf(dialog, IDC_BUY_BALANCE);
            quantity = textOf(dialog, IDC_BUY_QUANTITY);
            value = textOf(dialog, IDC_BUY_VALUE);
            focus = focusOfThread(uiThread);
            quantityField = GetDlgItem(dialog, IDC_BUY_QUANTITY);
            GetWindowRect(dialog, &outer);
            GetClientRect(dialog, &client);
            edit = fontOf(dialog, IDC_BUY_VALUE);
            label = fontOf(dialog, IDC_BUY_BALANCE_LABEL);
        },
        IDC_CANCEL_BUTTON, 0);
    EXPECT_EQ(run.dialog.caption, std::string("Buy Shares In ") + share.name);
    EXPECT_EQ(price, formatPriceWithUnit(share.currentPrice * 100.0));
    EXPECT_EQ(price.size(), 6u);
    EXPECT_EQ(balance,
              "(\xA3"
              "12.50)");
    EXPECT_EQ(quantity, "");
    EXPECT_EQ(value, "");
    EXPECT_EQ(focus, quantityField);
    EXPECT_EQ(outer.left, (windowState().screenWidth - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (windowState().screenHeight - (outer.bottom - outer.top)) / 2);
    EXPECT_EQ(client.right, 150 * 2);  // laid out at two pixels to a dialog unit
    EXPECT_EQ(client.bottom, 74 * 2);
    EXPECT_STREQ(edit.lfFaceName, "Helv");
    EXPECT_EQ(edit.lfHeight, -13);
    EXPECT_STREQ(label.lfFaceName, "Helv");
    EXPECT_EQ(label.lfHeight, -11);
    EXPECT_TRUE(run.closed);
    EXPECT_EQ(gGame.pendingBalance, -12.5);
}

TEST_F(BuyDialog, AnEmptiedValueRefusesWithYouMustFirstBuySomeShares) {
    const BuyRun run = runBuy(
        window_,
        [](HWND dialog) {
            type(dialog, IDC_BUY_QUANTITY, "10");
            moveFocus(dialog, IDC_BUY_VALUE);
            SetDlgItemTextA(dialog, IDC_BUY_VALUE, "");
        },
        IDC_BUY_BUY, IDOK);
    EXPECT_EQ(run.message.text, "You must first buy some shares");
    EXPECT_EQ(run.message.caption, "Tickerdell");
    EXPECT_EQ(run.message.icon, IDI_EXCLAMATION);
    EXPECT_TRUE(run.closed);
    expectNothingBooked();
}

TEST_F(BuyDialog, NoToTheChargeBooksNothing) {
    const double price = gGame.shareTable[kShare].currentPrice;
    const BuyRun run = runBuy(window_, enterQuantity("10"), IDC_BUY_BUY, IDNO);
    EXPECT_EQ(run.valueBehind, formatFixed(price * 10, 2));
    EXPECT_EQ(run.message.text, brokerChargeMessage(gGame, price * 10));
    EXPECT_EQ(run.message.buttonIds, (std::vector<int>{IDYES, IDNO}));
    EXPECT_TRUE(run.closed);
    EXPECT_EQ(gGame.purchaseMade, 0);
    expectNothingBooked();
}

TEST_F(BuyDialog, EnterInTheQuantityMovesToBuyAndFillsTheValue) {
    const DWORD uiThread = GetCurrentThreadId();
    HWND focus = nullptr, buyButton = nullptr;
    std::string value;
    const BuyRun run = runBuy(
        window_,
        [&](HWND dialog) {
            type(dialog, IDC_BUY_QUANTITY, "30");
            PostMessageA(GetDlgItem(dialog, IDC_BUY_QUANTITY), WM_KEYDOWN, VK_RETURN, 1);
            buyButton = GetDlgItem(dialog, IDC_BUY_BUY);
            waitUntil([&] { return focusOfThread(uiThread) == buyButton; });
            focus = focusOfThread(uiThread);
            value = textOf(dialog, IDC_BUY_VALUE);
            EXPECT_TRUE(visibleDialogsOf(GetCurrentProcessId()).size() == 1)
                << "no message: nothing was bought";
        },
        IDC_CANCEL_BUTTON, 0);
    EXPECT_EQ(focus, buyButton);
    EXPECT_EQ(value, formatFixed(gGame.shareTable[kShare].currentPrice * 30, 2));
    expectNothingBooked();
}

TEST_F(BuyDialog, BuyMaxQuotesTheWholeSpendableAmountAndBooksWholeShares) {
    const double price = gGame.shareTable[kShare].currentPrice;
    const double spendable = spendableAmount(gGame);
    const int32_t shares = static_cast<int32_t>(spendable / price);
    const std::string question = brokerChargeMessage(gGame, spendable);
    const BuyRun run = runBuy(window_, {}, IDC_BUY_MAX, IDYES);
    EXPECT_EQ(run.message.text, question);
    EXPECT_EQ(run.quantityBehind, std::to_string(shares));
    EXPECT_EQ(run.valueBehind, formatFixed(price * shares, 2));
    EXPECT_EQ(gGame.holdings[0].shareNumber, kShare);
    EXPECT_EQ(gGame.holdings[0].pendingQuantity, shares);
    EXPECT_EQ(gGame.purchaseMade, 1);
    EXPECT_GE(gGame.pendingBalance, 0.0);
    EXPECT_TRUE(run.closed);
}

TEST_F(BuyDialog, BuyMaxForLessThanOneShareSaysInsufficientFunds) {
    const double price = gGame.shareTable[kShare].currentPrice;
    ASSERT_GT(price, 0.02);
    // Half a share after the flat fee: the order would be for no shares at ten pounds.
    gGame.cashBalance = gGame.pendingBalance = 10.0 + price * 0.5 * 1.002;
    const BuyRun run = runBuy(window_, {}, IDC_BUY_MAX, IDOK);
    EXPECT_EQ(run.message.text, std::string("You have insufficient funds to buy that amount of shares in  ") +
                                    gGame.shareTable[kShare].name);
    EXPECT_EQ(run.message.icon, IDI_EXCLAMATION);
    EXPECT_EQ(run.quantityBehind, "0");
    EXPECT_EQ(gGame.purchaseMade, 0);
    expectNothingBooked();
}

TEST_F(BuyDialog, AShareWithoutAPriceIsRefusedByBuyAndBuyMax) {
    gGame.shareTable[kShare].currentPrice = 0.0;
    std::string price;
    const BuyRun buy = runBuy(
        window_,
        [&](HWND dialog) {
            price = textOf(dialog, IDC_BUY_PRICE);
            enterQuantity("10")(dialog);
        },
        IDC_BUY_BUY, IDOK);
    EXPECT_EQ(price, "     p");
    EXPECT_EQ(buy.message.text, "This share has no price today, so it cannot be bought");
    const BuyRun max = runBuy(window_, {}, IDC_BUY_MAX, IDOK);
    EXPECT_EQ(max.message.text, kNoPriceText);
    EXPECT_EQ(max.quantityBehind, "");
    EXPECT_EQ(gGame.purchaseMade, 0);
    expectNothingBooked();
}

TEST_F(BuyDialog, BuyMaxWithTenOtherHoldingsAsksThenIsRefusedYetCountsAsMade) {
    fillHoldingsWithOtherShares();
    std::unique_ptr<DialogAnswerer> question, limit;
    runBuy(
        window_,
        [&](HWND) {
            question = std::make_unique<DialogAnswerer>(
                IDYES, [&](HWND) { limit = std::make_unique<DialogAnswerer>(IDOK); });
        },
        IDC_BUY_MAX, 0);
    ASSERT_TRUE(question);
    EXPECT_EQ(question->seen().text.substr(0, 23), "The broker will charge ");
    ASSERT_TRUE(limit);
    const SeenDialog refusal = limit->seen();
    EXPECT_EQ(refusal.text, "You have exceeded your portfolio limit");
    EXPECT_EQ(refusal.caption, "Tickerdell");
    EXPECT_EQ(refusal.icon, IDI_QUESTION);
    EXPECT_EQ(gGame.purchaseMade, 1);
    EXPECT_EQ(gGame.pendingBalance, gGame.cashBalance);
    EXPECT_FALSE(anyPendingOrder(gGame));
}

TEST_F(BuyDialog, CancelEscapeAndCloseLeaveWithoutAnOrder) {
    EXPECT_TRUE(runBuy(window_, enterQuantity("10"), IDC_CANCEL_BUTTON, 0).closed);
    // Escape and the system menu's Close, each given the time to close the dialog by itself.
    bool closedByEscape = false, closedByClose = false;
    runBuy(
        window_,
        [&](HWND dialog) {
            type(dialog, IDC_BUY_QUANTITY, "10");
            PostMessageA(GetDlgItem(dialog, IDC_BUY_QUANTITY), WM_KEYDOWN, VK_ESCAPE, 1);
            closedByEscape = waitUntil([&] { return !IsWindow(dialog); });
        },
        IDCANCEL, 0);
    runBuy(
        window_,
        [&](HWND dialog) {
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            closedByClose = waitUntil([&] { return !IsWindow(dialog); });
        },
        IDCANCEL, 0);
    EXPECT_TRUE(closedByEscape);
    EXPECT_TRUE(closedByClose);
    EXPECT_EQ(gGame.purchaseMade, 0);
    expectNothingBooked();
}
