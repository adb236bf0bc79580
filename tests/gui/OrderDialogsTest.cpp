// The Buy and Sell dialogs: their paired fields, the keys, and what each answer books.

#include "tests/gui/GuiHarness.h"
#include "trading/BuyRules.h"
#include "trading/SaleRules.h"
#include "trading/win32/BuyScreen.h"
#include "trading/win32/SellScreen.h"
#include "runtime/Formats.h"

namespace {
using BuyDialog = GameWindowTest;
using SellDialog = GameWindowTest;
constexpr int kShare = 12;

// Types into the field and moves on to the button, as clicking it would: the other field is filled in.
std::function<void(HWND)> enter(int field, const std::string& text, int button) {
    return [=](HWND dialog) {
        moveFocus(dialog, field);
        type(dialog, field, text);
        moveFocus(dialog, button);
    };
}

std::string priced(int quantity) {
    return formatFixed(gGame.shareTable[kShare].currentPrice * quantity, 2);
}
}  // namespace

// The dialog also carries the game's icon, and the keyboard comes back to it after a message.
TEST_F(BuyDialog, FiltersTypingFillsTheOtherFieldAndEnterMovesToBuy) {
    const DWORD uiThread = GetCurrentThreadId();
    std::vector<std::string> seen;
    const auto play = [&](HWND dialog) {
        HWND field = GetDlgItem(dialog, IDC_BUY_QUANTITY);
        seen.push_back(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0) ? "icon" : "no icon");
        waitUntil([&] { return focusOfThread(uiThread) == field; });
        DialogAnswerer refusal(IDOK);  // a menu command answered by a refusal the dialog owns
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDM_DELETE_PENDING, 0), 0);
        seen.push_back(refusal.seen().text);
        seen.push_back(waitUntil([&] { return focusOfThread(uiThread) == field; }) ? "focus" : "no");
        type(dialog, IDC_BUY_QUANTITY, "1a2.-x ");
        seen.push_back(textOf(dialog, IDC_BUY_QUANTITY));
        moveFocus(dialog, IDC_BUY_VALUE);
        seen.push_back(textOf(dialog, IDC_BUY_VALUE));
        SetDlgItemTextA(dialog, IDC_BUY_VALUE, "");
        type(dialog, IDC_BUY_VALUE, "x" + priced(20) + "q");
        moveFocus(dialog, IDC_BUY_QUANTITY);
        seen.push_back(textOf(dialog, IDC_BUY_QUANTITY));
        // An Enter still held from the screen before (the was-down bit) is let pass; the digit posted
        // after it shows when the field has handled both.
        SetDlgItemTextA(dialog, IDC_BUY_QUANTITY, "");
        PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0x40000001);
        PostMessageA(field, WM_CHAR, '3', 1);
        waitUntil([&] { return textOf(dialog, IDC_BUY_QUANTITY) == "3"; });
        seen.push_back(focusOfThread(uiThread) == field ? "focus" : "no");
        type(dialog, IDC_BUY_QUANTITY, "0");
        PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1);
        waitUntil([&] { return focusOfThread(uiThread) == GetDlgItem(dialog, IDC_BUY_BUY); });
        seen.push_back(focusOfThread(uiThread) == GetDlgItem(dialog, IDC_BUY_BUY) ? "on Buy" : "no");
        seen.push_back(textOf(dialog, IDC_BUY_VALUE));
    };
    runScreen([&] { runBuyScreen(window_, gGame, kShare); }, play, IDC_CANCEL_BUTTON);
    EXPECT_EQ(seen, (std::vector<std::string>{"icon", "There are no pending transactions to delete", "focus",
                                              "12 ", priced(12), "20", "focus", "on Buy", priced(30)}));
    EXPECT_FALSE(anyPendingOrder(gGame));
}

// Buying share 12 with the game's cash, and selling from a settled holding of 1000 shares at three pounds:
// the order stands behind the box in both fields, only Yes books it, and a refusal books nothing.
TEST_F(SellDialog, BuyAndSellShowTheOrderBehindTheirBoxAndOnlyYesBooksIt) {
    const BuyStep max = decideBuyMax(gGame, kShare).step;
    const std::string maxBehind = std::to_string(max.quantity) + "|" + priced(max.quantity);
    const struct {
        std::function<void(HWND)> fill;
        int button, reply;
        std::string behind, text;
        int booked;
    } cases[] = {
        {enter(IDC_BUY_QUANTITY, "9", IDC_BUY_BUY), IDC_BUY_BUY, IDOK, "9|" + priced(9), kMinimumPurchaseText,
         0},
        {enter(IDC_BUY_QUANTITY, "10", IDC_BUY_BUY), IDC_BUY_BUY, IDNO, "10|" + priced(10),
         brokerChargeMessage(gGame, std::stod(priced(10))), 0},
        {{}, IDC_BUY_MAX, IDYES, maxBehind, brokerChargeMessage(gGame, max.chargeValue), max.quantity},
        {enter(IDC_SELL_QUANTITY, "40", IDC_SELL_SELL), IDC_SELL_SELL, IDYES, "40|120.00",
         brokerChargeMessage(gGame, 120.0), 40},
        {enter(IDC_SELL_VALUE, "250.00", IDC_SELL_SELL), IDC_SELL_SELL, IDYES, "83|249.00",
         brokerChargeMessage(gGame, 249.0), 83},
        {{}, IDC_SELL_ALL, IDYES, "1000|3000.00", brokerChargeMessage(gGame, 3000.0), 1000},
        {enter(IDC_SELL_QUANTITY, "1001", IDC_SELL_SELL), IDC_SELL_SELL, IDOK, "1001|3003.00",
         kNotEnoughSharesText, 0},
    };
    const GameModel fresh = gGame;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.behind);
        gGame = fresh;
        const bool buying = c.button == IDC_BUY_BUY || c.button == IDC_BUY_MAX;
        gGame.shareTable[17].currentPrice = 3.0;
        if (!buying) holdShares(0, 17, 1000, 3000.0);
        const int quantity = buying ? IDC_BUY_QUANTITY : IDC_SELL_QUANTITY;
        const int value = buying ? IDC_BUY_VALUE : IDC_SELL_VALUE;
        std::string behind;
        bool accepted = false;
        const ScreenRun run = runScreen(
            [&] {
                accepted = buying ? runBuyScreen(window_, gGame, kShare) : runSellScreen(window_, gGame, 0);
            },
            c.fill, c.button, c.reply,
            [&](HWND dialog) { behind = textOf(dialog, quantity) + "|" + textOf(dialog, value); });
        EXPECT_EQ(run.screen.caption, (buying ? "Buy Shares In " : "Sell Shares In ") +
                                          std::string(gGame.shareTable[buying ? kShare : 17].name));
        EXPECT_EQ(behind, c.behind);
        EXPECT_EQ(run.message.text, c.text);
        EXPECT_TRUE(run.closed);
        EXPECT_EQ(accepted, c.booked > 0);
        EXPECT_EQ(gGame.holdings[0].pendingQuantity, c.booked);
    }
}
