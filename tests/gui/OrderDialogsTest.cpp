// The Buy and Sell dialogs: typing in their paired fields and the Enter key, and what each answer to the
// charge question or a refusal books.

#include <cstdio>
#include <cstring>

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

// Runs the order dialog `open` opens as runScreen does, and reads its two fields behind the box.
ScreenRun runOrder(const std::function<void()>& open, const std::function<void(HWND)>& fill, int button,
                   int reply, std::pair<int, int> fields, std::string& behind) {
    const auto read = [&](HWND dialog) {
        behind = textOf(dialog, fields.first) + "|" + textOf(dialog, fields.second);
    };
    return runScreen(open, fill, button, reply, read);
}

std::string priced(int quantity) {
    return formatFixed(gGame.shareTable[kShare].currentPrice * quantity, 2);
}
}  // namespace

TEST_F(BuyDialog, FiltersTypingFillsTheOtherFieldAndEnterMovesToBuy) {
    const DWORD uiThread = GetCurrentThreadId();
    std::vector<std::string> seen;
    const auto play = [&](HWND dialog) {
        HWND field = GetDlgItem(dialog, IDC_BUY_QUANTITY);
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
    const ScreenRun run = runScreen([&] { runBuyScreen(window_, gGame, kShare); }, play, IDC_CANCEL_BUTTON);
    EXPECT_EQ(run.screen.caption, buyDialogTitle(gGame.shareTable[kShare]));
    EXPECT_EQ(seen, (std::vector<std::string>{"12 ", priced(12), "20", "focus", "on Buy", priced(30)}));
    EXPECT_FALSE(anyPendingOrder(gGame));
}

TEST_F(BuyDialog, TheOrderStandsBehindTheChargeQuestionOnlyYesBooksItAndARefusalBooksNothing) {
    const BuyStep max = decideBuyMax(gGame, kShare).step;
    const struct {
        std::function<void(HWND)> fill;
        int button, reply;
        int32_t quantity;
        std::string text;
    } cases[] = {{enter(IDC_BUY_QUANTITY, "9", IDC_BUY_BUY), IDC_BUY_BUY, IDOK, 9, kMinimumPurchaseText},
                 {enter(IDC_BUY_QUANTITY, "10", IDC_BUY_BUY), IDC_BUY_BUY, IDNO, 10,
                  brokerChargeMessage(gGame, std::stod(priced(10)))},
                 {{}, IDC_BUY_MAX, IDYES, max.quantity, brokerChargeMessage(gGame, max.chargeValue)}};
    for (const auto& c : cases) {
        std::string behind;
        bool accepted = false;
        const ScreenRun run = runOrder([&] { accepted = runBuyScreen(window_, gGame, kShare); }, c.fill,
                                       c.button, c.reply, {IDC_BUY_QUANTITY, IDC_BUY_VALUE}, behind);
        EXPECT_EQ(behind, std::to_string(c.quantity) + "|" + priced(c.quantity));
        EXPECT_EQ(run.message.text, c.text);
        EXPECT_TRUE(run.closed);
        EXPECT_EQ(accepted, c.reply == IDYES);
        EXPECT_EQ(gGame.holdings[0].pendingQuantity, c.reply == IDYES ? c.quantity : 0);
    }
}

// From a settled holding of 1000 shares at three pounds.
TEST_F(SellDialog, SellAndSellAllShowTheOrderBehindTheirBoxAndOnlyYesBooksIt) {
    const struct {
        std::function<void(HWND)> fill;
        int button, reply;
        std::string behind, text;
        int booked;
    } cases[] = {
        {enter(IDC_SELL_QUANTITY, "40", IDC_SELL_SELL), IDC_SELL_SELL, IDYES, "40|120.00",
         brokerChargeMessage(gGame, 120.0), 40},
        {enter(IDC_SELL_VALUE, "250.00", IDC_SELL_SELL), IDC_SELL_SELL, IDYES, "83|249.00",
         brokerChargeMessage(gGame, 249.0), 83},
        {{}, IDC_SELL_ALL, IDYES, "1000|3000.00", brokerChargeMessage(gGame, 3000.0), 1000},
        {enter(IDC_SELL_QUANTITY, "1001", IDC_SELL_SELL), IDC_SELL_SELL, IDOK, "1001|3003.00",
         kNotEnoughSharesText, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.behind);
        gGame.shareTable[17].currentPrice = 3.0;
        holdShares(0, 17, 1000, 3000.0);
        std::string behind;
        const ScreenRun run = runOrder([&] { runSellScreen(window_, gGame, 0); }, c.fill, c.button, c.reply,
                                       {IDC_SELL_QUANTITY, IDC_SELL_VALUE}, behind);
        EXPECT_EQ(run.screen.caption, std::string("Sell Shares In ") + gGame.shareTable[17].name);
        EXPECT_EQ(behind, c.behind);
        EXPECT_EQ(run.message.text, c.text);
        EXPECT_TRUE(run.closed);
        EXPECT_EQ(gGame.holdings[0].pendingQuantity, c.booked);
    }
}

// A window manager cuts the caption short, so both dialogs show the whole name inside: the longest of the
// shipped market's names, and nineteen of the widest letter, the most a name holds.
TEST_F(BuyDialog, BuyAndSellShowTheWholeNameOfTheShareTheyDealIn) {
    int longest = 0;
    for (int i = 1; i < kShareCount; ++i)
        if (std::strlen(gGame.shareTable[i].name) > std::strlen(gGame.shareTable[longest].name)) longest = i;
    holdShares(0, longest, 100, 100.0);
    const std::pair<std::string, const char*> names[] = {{gGame.shareTable[longest].name, "longest"},
                                                         {std::string(19, 'W'), "widest"}};
    for (const auto& [name, which] : names) {
        std::snprintf(gGame.shareTable[longest].name, kShareNameSize, "%s", name.c_str());
        const struct {
            std::function<void()> open;
            int id;
            std::string picture;
        } dialogs[] = {{[&] { runBuyScreen(window_, gGame, longest); }, IDC_BUY_SHARE_NAME, "buy_"},
                       {[&] { runSellScreen(window_, gGame, 0); }, IDC_SELL_SHARE_NAME, "sell_"}};
        for (const auto& d : dialogs) {
            SCOPED_TRACE(d.picture + which);
            std::string shown;
            bool fits = false, inside = false;
            const auto look = [&](HWND dialog) {
                HWND control = GetDlgItem(dialog, d.id);
                shown = textOf(control);
                fits = fitsItsControl(control);
                RECT box = placeInDialog(dialog, control), client, common;
                GetClientRect(dialog, &client);
                inside = IntersectRect(&common, &box, &client) && EqualRect(&common, &box);
                saveWindowPicture(dialog, d.picture + which + "_name");
            };
            runScreen(d.open, look, IDC_CANCEL_BUTTON);
            EXPECT_EQ(shown, name);
            EXPECT_TRUE(fits) << "the name is cut or wraps";
            EXPECT_TRUE(inside);
        }
    }
}
