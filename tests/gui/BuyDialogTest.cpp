// The Buy dialog on its own: what it shows on opening, typing in its paired fields and the Enter key,
// what the answer to the charge question books, and a refusal.
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
#include "trading/OrderRules.h"
#include "trading/win32/BuyScreen.h"
#include "views/Formats.h"

namespace {
using BuyDialog = GameWindowTest;
constexpr int kShare = 12;

struct BuyRun {
    ScreenRun run;
    bool accepted = false;
    std::string fieldsBehind;  // quantity and value as the message box found them
};

// Opens the Buy dialog for kShare, lets `fill` work in it, presses `button` and answers the message
// box that follows with `reply` (none when 0).
BuyRun runBuy(HWND owner, const std::function<void(HWND)>& fill, int button, int reply = 0) {
    BuyRun buy;
    const auto behind = [&](HWND dialog) {
        buy.fieldsBehind = textOf(dialog, IDC_BUY_QUANTITY) + "|" + textOf(dialog, IDC_BUY_VALUE);
    };
    buy.run =
        runScreen([&] { buy.accepted = runBuyScreen(owner, gGame, kShare); }, fill, button, reply, behind);
    return buy;
}

std::function<void(HWND)> enterQuantity(const std::string& quantity) {
    return [quantity](HWND dialog) {
        type(dialog, IDC_BUY_QUANTITY, quantity);
        moveFocus(dialog, IDC_BUY_BUY);  // as clicking Buy would: the Value field is filled in
    };
}

std::string priced(int quantity) {
    return formatFixed(gGame.shareTable[kShare].currentPrice * quantity, 2);
}
}  // namespace

TEST_F(BuyDialog, OpensCentredWithTheShareThePriceAndTheBalanceInItsFonts) {
    gGame.pendingBalance = -12.5;
    std::string figures;
    RECT outer = {}, client = {};
    LOGFONTA edit = {}, label = {};
    const BuyRun buy = runBuy(
        window_,
        [&](HWND dialog) {
            for (int id : {IDC_BUY_PRICE, IDC_BUY_BALANCE, IDC_BUY_QUANTITY, IDC_BUY_VALUE})
                figures += textOf(dialog, id) + "|";
            GetWindowRect(dialog, &outer);
            GetClientRect(dialog, &client);
            edit = fontOf(dialog, IDC_BUY_VALUE);
            label = fontOf(dialog, IDC_BUY_BALANCE_LABEL);
            saveWindowPicture(dialog, "buy_dialog");
        },
        IDC_CANCEL_BUTTON);
    EXPECT_EQ(buy.run.screen.caption, buyDialogTitle(gGame.shareTable[kShare]));
    EXPECT_EQ(figures, buyPriceText(gGame.shareTable[kShare]) + "|" + formatPounds(-12.5) + "|||");
    EXPECT_EQ(outer.left, (windowState().screenWidth - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (windowState().screenHeight - (outer.bottom - outer.top)) / 2);
    EXPECT_EQ(client.right * 100 + client.bottom, 300 * 100 + 148);  // two pixels to a dialog unit
    EXPECT_EQ(std::string(edit.lfFaceName) + std::to_string(edit.lfHeight), "Helv-13");
    EXPECT_EQ(std::string(label.lfFaceName) + std::to_string(label.lfHeight), "Helv-11");
}

TEST_F(BuyDialog, TypingIsFilteredLeavingAFieldFillsTheOtherAndEnterMovesToBuy) {
    const DWORD uiThread = GetCurrentThreadId();
    std::vector<std::string> seen;
    runBuy(
        window_,
        [&](HWND dialog) {
            HWND field = GetDlgItem(dialog, IDC_BUY_QUANTITY);
            const auto focusOn = [&](HWND wanted) {
                return focusOfThread(uiThread) == wanted ? "focus" : "elsewhere";
            };
            seen.push_back(focusOn(field));
            type(dialog, IDC_BUY_QUANTITY, "1a2.-x ");
            seen.push_back(textOf(dialog, IDC_BUY_QUANTITY));
            moveFocus(dialog, IDC_BUY_VALUE);
            seen.push_back(textOf(dialog, IDC_BUY_VALUE));
            SetDlgItemTextA(dialog, IDC_BUY_VALUE, "");
            type(dialog, IDC_BUY_VALUE, "x" + priced(20) + "q");
            moveFocus(dialog, IDC_BUY_QUANTITY);
            seen.push_back(textOf(dialog, IDC_BUY_QUANTITY));
            // An Enter still held from the screen before carries the was-down bit and is let pass; the
            // digit posted after it shows when the field has handled both.
            SetDlgItemTextA(dialog, IDC_BUY_QUANTITY, "");
            PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0x40000001);
            PostMessageA(field, WM_CHAR, '3', 1);
            waitUntil([&] { return textOf(dialog, IDC_BUY_QUANTITY) == "3"; });
            seen.push_back(focusOn(field));
            type(dialog, IDC_BUY_QUANTITY, "0");
            PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1);
            waitUntil([&] { return focusOfThread(uiThread) == GetDlgItem(dialog, IDC_BUY_BUY); });
            seen.push_back(focusOn(GetDlgItem(dialog, IDC_BUY_BUY)));
            seen.push_back(textOf(dialog, IDC_BUY_VALUE));
        },
        IDC_CANCEL_BUTTON);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"focus", "12 ", priced(12), "20", "focus", "focus", priced(30)}));
    EXPECT_FALSE(anyPendingOrder(gGame));
}

TEST_F(BuyDialog, TheOrderStandsBehindTheChargeQuestionAndOnlyYesBooksIt) {
    const BuyStep max = decideBuyMax(gGame, kShare).step;
    const struct {
        std::function<void(HWND)> fill;
        int button, reply;
        int32_t quantity;
        double charged;
    } cases[] = {{enterQuantity("10"), IDC_BUY_BUY, IDNO, 10, std::stod(priced(10))},
                 {{}, IDC_BUY_MAX, IDYES, max.quantity, max.chargeValue}};
    for (const auto& c : cases) {
        const std::string question = brokerChargeMessage(gGame, c.charged);
        const BuyRun buy = runBuy(window_, c.fill, c.button, c.reply);
        EXPECT_EQ(buy.fieldsBehind, std::to_string(c.quantity) + "|" + priced(c.quantity));
        EXPECT_EQ(buy.run.message.text, question);
        EXPECT_EQ(buy.run.message.buttonIds, (std::vector<int>{IDYES, IDNO}));
        EXPECT_TRUE(buy.run.closed);
        EXPECT_EQ(buy.accepted, c.reply == IDYES);
        EXPECT_EQ(gGame.purchaseMade, c.reply == IDYES ? 1 : 0);
        EXPECT_EQ(gGame.holdings[0].pendingQuantity, c.reply == IDYES ? c.quantity : 0);
    }
}

TEST_F(BuyDialog, ARefusalBooksNothingButAChargeAcceptedCountsEvenWhenThePortfolioIsFull) {
    const BuyRun nine = runBuy(window_, enterQuantity("9"), IDC_BUY_BUY, IDOK);
    EXPECT_EQ(nine.run.message.text, kMinimumPurchaseText);
    EXPECT_TRUE(nine.run.closed);
    EXPECT_FALSE(nine.accepted || gGame.purchaseMade || anyPendingOrder(gGame));

    for (int slot = 0; slot < kHoldingCount; ++slot) holdShares(slot, 30 + slot, 10, 10.0);
    std::unique_ptr<DialogAnswerer> limit;  // the refusal follows the Yes to the charge
    bool accepted = false;
    runScreen([&] { accepted = runBuyScreen(window_, gGame, kShare); }, {}, IDC_BUY_MAX, IDYES,
              [&](HWND) { limit = std::make_unique<DialogAnswerer>(IDOK); });
    ASSERT_TRUE(limit);
    EXPECT_EQ(limit->seen().text, "You have exceeded your portfolio limit");
    EXPECT_TRUE(accepted);
    EXPECT_EQ(gGame.purchaseMade, 1);
    EXPECT_FALSE(anyPendingOrder(gGame));
}
