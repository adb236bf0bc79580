// The Buy and Sell dialogs: their paired fields, the keys, and what each answer books.

#include "tests/gui/GuiHarness.h"
#include "trading/win32/BuyScreen.h"
#include "trading/win32/SellScreen.h"

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
}  // namespace

// The dialog also carries the game's icon, and the keyboard comes back to it after a message. What it
// showed is compared with buy.expected.
TEST_F(BuyDialog, FiltersTypingFillsTheOtherFieldAndEnterMovesToBuy) {
    const DWORD uiThread = GetCurrentThreadId();
    Transcript note;
    const auto play = [&](HWND dialog) {
        HWND field = GetDlgItem(dialog, IDC_BUY_QUANTITY);
        const auto focusOn = [&](HWND control) {
            return yes(waitUntil([&] { return focusOfThread(uiThread) == control; }));
        };
        note("icon", yes(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0) != 0));
        focusOn(field);
        DialogAnswerer refusal(IDOK);  // a menu command answered by a refusal the dialog owns
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDM_DELETE_PENDING, 0), 0);
        note("a menu command's refusal", refusal.seen().text);
        note("then the focus on Quantity", focusOn(field));
        type(dialog, IDC_BUY_QUANTITY, "1a2.-x ");
        note("Quantity typed as 1a2.-x", textOf(dialog, IDC_BUY_QUANTITY));
        moveFocus(dialog, IDC_BUY_VALUE);
        note("its Value", textOf(dialog, IDC_BUY_VALUE));
        SetDlgItemTextA(dialog, IDC_BUY_VALUE, "");
        type(dialog, IDC_BUY_VALUE, "x1000.00q");
        moveFocus(dialog, IDC_BUY_QUANTITY);
        note("the Quantity of a Value typed as x1000.00q", textOf(dialog, IDC_BUY_QUANTITY));
        // An Enter still held from the screen before (the was-down bit) is let pass; the digit posted
        // after it shows when the field has handled both.
        SetDlgItemTextA(dialog, IDC_BUY_QUANTITY, "");
        PostMessageA(field, WM_KEYDOWN, VK_RETURN, 0x40000001);
        PostMessageA(field, WM_CHAR, '3', 1);
        waitUntil([&] { return textOf(dialog, IDC_BUY_QUANTITY) == "3"; });
        note("a held Enter leaves the focus on Quantity", yes(focusOfThread(uiThread) == field));
        type(dialog, IDC_BUY_QUANTITY, "0");
        PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1);
        note("an Enter moves it to Buy", focusOn(GetDlgItem(dialog, IDC_BUY_BUY)));
        note("the Value of 30", textOf(dialog, IDC_BUY_VALUE));
    };
    runScreen([&] { runBuyScreen(window_, gGame, kShare); }, play, IDC_CANCEL_BUTTON);
    EXPECT_FALSE(anyPendingOrder(gGame));
    expectAsRecorded(note.text, "buy");
}

// Buying share 12 with the game's cash, and selling from a settled holding of 1000 shares at three pounds:
// the order stands behind the box in both fields, only Yes books it, and a refusal books nothing. What
// each showed and booked is compared with orders.expected.
TEST_F(SellDialog, BuyAndSellShowTheOrderBehindTheirBoxAndOnlyYesBooksIt) {
    const struct {
        const char* name;
        std::function<void(HWND)> fill;
        int button, reply;
    } cases[] = {
        {"Buy 9, OK", enter(IDC_BUY_QUANTITY, "9", IDC_BUY_BUY), IDC_BUY_BUY, IDOK},
        {"Buy 10, No", enter(IDC_BUY_QUANTITY, "10", IDC_BUY_BUY), IDC_BUY_BUY, IDNO},
        {"Buy Max, Yes", {}, IDC_BUY_MAX, IDYES},
        {"Sell 40, Yes", enter(IDC_SELL_QUANTITY, "40", IDC_SELL_SELL), IDC_SELL_SELL, IDYES},
        {"Sell a Value of 250.00, Yes", enter(IDC_SELL_VALUE, "250.00", IDC_SELL_SELL), IDC_SELL_SELL, IDYES},
        {"Sell All, Yes", {}, IDC_SELL_ALL, IDYES},
        {"Sell 1001, OK", enter(IDC_SELL_QUANTITY, "1001", IDC_SELL_SELL), IDC_SELL_SELL, IDOK},
    };
    const GameModel fresh = gGame;
    Transcript note;
    for (const auto& c : cases) {
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
            [&](HWND dialog) { behind = textOf(dialog, quantity) + " for " + textOf(dialog, value); });
        note(c.name, run.screen.caption);
        note("behind the box", behind);
        note("the box", run.message.text);
        note("closed, accepted, booked", yes(run.closed) + ", " + yes(accepted) + ", " +
                                             std::to_string(gGame.holdings[0].pendingQuantity));
    }
    expectAsRecorded(note.text, "orders");
}
