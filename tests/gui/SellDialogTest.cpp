// The Sell dialog as the player uses it: its figures and labels, and what selling by quantity, by value
// and all books once the broker's charge is answered or a refusal is shown.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"
#include "trading/SaleRules.h"
#include "trading/win32/SellScreen.h"

namespace {
using SellDialog = GameWindowTest;

// Sells from a settled holding of 1000 shares of share 17 at three pounds; the fields behind the box
// that follows the button are read into `behind`.
ScreenRun runSell(HWND owner, const std::function<void(HWND)>& fill, int button, int reply,
                  std::string& behind) {
    gGame.shareTable[17].currentPrice = 3.0;
    holdShares(0, 17, 1000, 3000.0);
    gGame.cashBalance = gGame.pendingBalance = kStartingCash;
    const auto read = [&](HWND dialog) {
        behind = textOf(dialog, IDC_SELL_QUANTITY) + "|" + textOf(dialog, IDC_SELL_VALUE);
    };
    return runScreen([&] { runSellScreen(owner, gGame, 0); }, fill, button, reply, read);
}

std::function<void(HWND)> enter(int field, const std::string& text) {
    return [field, text](HWND dialog) {
        moveFocus(dialog, field);
        type(dialog, field, text);
        moveFocus(dialog, IDC_SELL_SELL);  // as clicking Sell would: the other field is filled in
    };
}
}  // namespace

TEST_F(SellDialog, ShowsTheHoldingsFiguresAndItsLabelsWithTheFocusInTheQuantity) {
    const DWORD uiThread = GetCurrentThreadId();
    std::string texts, behind;
    bool focusInQuantity = false;
    const ScreenRun run = runSell(
        window_,
        [&](HWND dialog) {
            for (int id :
                 {IDC_SELL_AVAILABLE, IDC_SELL_PRICE, IDC_SELL_TOTAL, IDC_SELL_QUANTITY_LABEL,
                  IDC_SELL_VALUE_LABEL, IDC_SELL_PRICE_LABEL, IDC_SELL_AVAILABLE_LABEL, IDC_SELL_TOTAL_LABEL,
                  IDC_SELL_INFORMATION, IDC_SELL_SELL, IDC_SELL_ALL, IDC_CANCEL_BUTTON})
                texts += textOf(dialog, id) + "|";
            focusInQuantity = focusOfThread(uiThread) == GetDlgItem(dialog, IDC_SELL_QUANTITY);
            saveWindowPicture(dialog, "sell_dialog");
        },
        IDC_CANCEL_BUTTON, 0, behind);
    const SaleFigures figures = saleFigures(gGame);
    EXPECT_EQ(run.screen.caption, figures.title);
    EXPECT_EQ(texts, figures.available + "|" + figures.price + "|" + figures.totalValue +
                         "|Quantity :|Value (\xA3) :|Selling Price :|Number Available :|Total Value :|"
                         "Information|&Sell|Sell &All|&Cancel|");
    EXPECT_TRUE(focusInQuantity);
    EXPECT_FALSE(anyPendingOrder(gGame));
}

TEST_F(SellDialog, SellAndSellAllShowTheOrderBehindTheirBoxAndOnlyYesBooksIt) {
    const struct {
        std::function<void(HWND)> fill;
        int button, reply;
        std::string behind, text;
        int booked;
    } cases[] = {
        {enter(IDC_SELL_QUANTITY, "40"), IDC_SELL_SELL, IDYES, "40|120.00", brokerChargeMessage(gGame, 120.0),
         40},
        {enter(IDC_SELL_QUANTITY, "100"), IDC_SELL_SELL, IDNO, "100|300.00",
         brokerChargeMessage(gGame, 300.0), 0},
        {enter(IDC_SELL_VALUE, "250.00"), IDC_SELL_SELL, IDYES, "83|249.00",
         brokerChargeMessage(gGame, 249.0), 83},
        {{}, IDC_SELL_ALL, IDYES, "1000|3000.00", brokerChargeMessage(gGame, 3000.0), 1000},
        {enter(IDC_SELL_QUANTITY, "1001"), IDC_SELL_SELL, IDOK, "1001|3003.00", kNotEnoughSharesText, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.behind);
        std::string behind;
        const ScreenRun run = runSell(window_, c.fill, c.button, c.reply, behind);
        EXPECT_EQ(behind, c.behind);
        EXPECT_EQ(run.message.text, c.text);
        EXPECT_TRUE(run.closed);
        EXPECT_EQ(gGame.holdings[0].pendingQuantity, c.booked);
        const double proceeds = std::stod(c.behind.substr(c.behind.find('|') + 1));
        EXPECT_NEAR(gGame.pendingBalance,
                    kStartingCash + (c.booked ? proceeds - commissionFor(gGame, proceeds) : 0), 1e-9);
    }
}
