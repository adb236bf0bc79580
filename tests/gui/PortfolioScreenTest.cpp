// The portfolio and the share index, walked as a player would.

#include <cstdio>

#include "model/MarketFiles.h"
#include "shell/win32/Dispatch.h"
#include "tests/gui/GuiHarness.h"
#include "trading/Portfolio.h"
#include "trading/win32/BuyScreen.h"
#include "views/ShareIndex.h"
#include "views/win32/ShareIndexScreen.h"
#include "views/win32/ValuationScreen.h"

namespace {
using Portfolio = GameWindowTest;
using ShareIndex = GameWindowTest;

// Clicks the line and waits until the details show its share, with each "&" doubled for the group box.
void chooseLine(HWND screen, int line) {
    clickRow(GetDlgItem(screen, IDC_PORT_LIST), line);
    std::string caption;
    for (char c : shareDetailsFor(gGame, line).caption) caption += c == '&' ? "&&" : std::string(1, c);
    EXPECT_TRUE(waitUntil([&] { return textOf(screen, IDC_PORT_SHARE_DETAILS) == caption; })) << line;
}

constexpr int kSortButtons[] = {IDC_INDEX_ALPHABETICAL, IDC_INDEX_CLIMBERS, IDC_INDEX_FALLERS};

// Tabs from Main Menu round to it again, naming the stops a player cannot see or use.
std::string tabRound(HWND screen) {
    const DWORD thread = GetWindowThreadProcessId(screen, nullptr);
    HWND start = GetDlgItem(screen, IDC_PORT_MAIN_MENU), at = start;
    moveFocus(screen, IDC_PORT_MAIN_MENU);
    waitUntil([&] { return focusOfThread(thread) == start; });
    std::string unusable;
    for (int stops = 0; stops < 20; ++stops) {
        PostMessageA(at, WM_KEYDOWN, VK_TAB, 0x000F0001);
        waitUntil([&] { return focusOfThread(thread) != at; });
        at = focusOfThread(thread);
        if (at == start) return (stops > 1 ? "round" : "round too soon") + unusable;
        RECT r = {};
        GetWindowRect(at, &r);
        if (r.right <= r.left || !IsWindowVisible(at) || !IsWindowEnabled(at))
            unusable += ", unusable " + std::to_string(GetDlgCtrlID(at));
    }
    return "never back" + unusable;
}
}  // namespace

// What the walk saw is compared with portfolio.expected. A name with "&" shows as itself: a group box reads
// "&&" as one "&", where a single "&" would underline the next letter.
TEST_F(Portfolio, FiguresColoursTheChosenLineAndTheKeysDriveWhatItShowsAndOpens) {
    std::snprintf(gGame.shareTable[4].name, kShareNameSize, "Threlkeld & Moss");
    holdShares(0, 4, 200, 200 * 2.0);
    holdShares(1, 9, 50, 50 * 1000.0);  // bought dear: the profit is a loss
    gGame.cashBalance = gGame.pendingBalance = 50000.0;
    orderShares(17, 100);
    const DWORD uiThread = GetCurrentThreadId();
    Transcript note;
    const auto walk = [&](HWND screen) {
        HWND list = GetDlgItem(screen, IDC_PORT_LIST), shareIndex = GetDlgItem(screen, IDC_PORT_SHARE_INDEX);
        waitUntil(
            [&] { return textOf(screen, IDC_PORT_ACCOUNT_DETAILS).find(" on : ") != std::string::npos; });
        for (int id : {IDC_PORT_ACCOUNT_DETAILS, IDC_PORT_VALUE, IDC_PORT_CASH, IDC_PORT_TOTAL,
                       IDC_PORT_PROFIT, IDC_PORT_PENDING_BALANCE})
            note("shows", textOf(screen, id));
        note("details", textOf(screen, IDC_PORT_SHARE_DETAILS));
        for (auto [id, name] : {std::pair{IDC_PORT_PROFIT, "profit red"}, {IDC_PORT_CASH, "cash red"}}) {
            RECT r;  // only the control's own pixels: a static draws on its parent's DC
            GetClientRect(GetDlgItem(screen, id), &r);
            note(name, yes(pixelsOfColour(GetDlgItem(screen, id), r, RGB(255, 0, 0)).size() > 20));
        }
        const bool sumLine =
            ruleSpansTheWidest(screen, {0, 347, 300, 355}, {IDC_PORT_VALUE, IDC_PORT_CASH, IDC_PORT_TOTAL});
        note("sum line as wide as the widest figure it adds", yes(sumLine));
        saveWindowPicture(screen, "portfolio_loss");
        note("Tab", tabRound(screen));
        for (int line = 0; line < 3; ++line) {
            if (line > 0) chooseLine(screen, line);
            std::string enabled;
            for (int id : {IDC_PORT_REMOVE, IDC_PORT_SELL, IDC_PORT_BUY, IDC_PORT_VALUATION})
                if (IsWindowEnabled(GetDlgItem(screen, id))) enabled += textOf(screen, id) + " ";
            note("buttons on line " + std::to_string(line), enabled);
        }
        const auto question = [&](HWND) {
            note("Remove asks over line", std::to_string(listSelection(list)));
            saveWindowPicture(GetDesktopWindow(), "remove_question");
        };
        runScreen([&] { press(screen, IDC_PORT_REMOVE); }, question, IDNO);
        const SeenDialog refusal = runScreen([&] { clickRow(list, 2, true); }, {}, IDOK).screen;
        note("a double click on the order", refusal.caption + " asking " + yes(refusal.icon == IDI_QUESTION));
        chooseLine(screen, 0);
        note("Sell",
             runScreen([&] { pressLater(screen, IDC_PORT_SELL); }, {}, IDC_CANCEL_BUTTON).screen.caption);
        chooseLine(screen, 1);
        note("Buy", buyThrough([&] { pressLater(screen, IDC_PORT_BUY); }, "25"));
        waitUntil([&] { return listLine(list, 1).find("[Buy]") != std::string::npos; });
        note("line 1 after Buy", listLine(list, 1));
        runScreen([&] { pressLater(screen, IDC_PORT_VALUATION); }, {}, IDC_VAL_EXIT);
        note("focus on the list after Valuation",
             yes(waitUntil([&] { return focusOfThread(uiThread) == list; })));
        PostMessageA(list, WM_KEYDOWN, VK_RETURN, 1);
        note("Enter there moves to Share Index",
             yes(waitUntil([&] { return focusOfThread(uiThread) == shareIndex; })));
        PostMessageA(shareIndex, WM_KEYDOWN, VK_ESCAPE, 1);
        note("Escape closes", yes(waitUntil([&] { return !IsWindow(screen); })));
    };
    runScreen([&] { openPortfolio(window_, gGame); }, walk, IDCANCEL);
    note("ordered on line 1", std::to_string(gGame.holdings[1].pendingQuantity));
    expectAsRecorded(note.text, "portfolio");
}

// Ten holdings of the most shares at the highest price, long names, dates and charges in the valuation; then
// in the portfolio each ordered again in full, priced a day after the lowest price (the second the other
// way).
TEST_F(Portfolio, TheWidestFiguresShowWholeApartAndUnderTheirHeadingsThereAndInTheValuation) {
    for (int slot = 0; slot < kHoldingCount; ++slot) {
        std::snprintf(gGame.shareTable[slot].name, kShareNameSize, "Northern Consolid %d", slot);
        gGame.shareTable[slot].currentPrice = kHighestPrice;
        holdShares(slot, slot, INT32_MAX, 214742995829.0);
        gGame.holdings[slot].commissionToDate = 785257004170.99;
        gGame.holdings[slot].repeatPurchases = 2;
        std::snprintf(gGame.holdings[slot].dateBought, kDateBoughtSize, "21-May-97");
    }
    gGame.cashBalance = gGame.pendingBalance = 997000000000000.0;  // a total of fifteen digits
    std::vector<HeadedColumn> columns = {
        {IDC_VAL_HELD_HEADING, 20, 29},      {IDC_VAL_DATE_HEADING, 31, 39},
        {IDC_VAL_PRICE_HEADING, 41, 46},     {IDC_VAL_COST_HEADING, 48, 62},
        {IDC_VAL_PRICE_NOW_HEADING, 64, 68}, {IDC_VAL_VALUE_NOW_HEADING, 70, 84}};
    std::vector<std::string> lines, faults;
    const auto measure = [&](HWND screen) {
        lines = listLines(GetDlgItem(screen, IDC_VAL_LIST));
        faults = layoutFaults(screen, IDC_VAL_LIST, 19, columns,  // after the longest name
                              {{IDC_VAL_FEES_LABEL, IDC_VAL_FEES},
                               {IDC_VAL_VALUE_LABEL, IDC_VAL_VALUE},
                               {IDC_VAL_CASH_LABEL, IDC_VAL_CASH},
                               {0, IDC_VAL_TOTAL}});
        saveWindowPicture(screen, "valuation_widest");
    };
    runScreen([&] { runValuationScreen(window_, gGame, runBuyScreen); }, measure, IDC_VAL_EXIT);
    EXPECT_EQ(lines.size(), std::size_t{kHoldingCount});
    EXPECT_EQ(faults, std::vector<std::string>{});
    for (int slot = 0; slot < kHoldingCount; ++slot) {
        gGame.shareTable[slot].previousPrice = slot == 1 ? kHighestPrice : kLowestPrice;
        if (slot == 1) gGame.shareTable[slot].currentPrice = kLowestPrice;
        if (slot > 0)
            gGame.holdings[slot].action = kSellAction, gGame.holdings[slot].pendingQuantity = INT32_MAX;
    }
    // The characters the widest figures take: "[Sell]", a signed order, a price, a signed move.
    columns = {{IDC_PORT_HELD_HEADING, 20, 29},
               {IDC_PORT_ACTION_HEADING, 35, 40},
               {IDC_PORT_PENDING_HEADING, 42, 52},
               {IDC_PORT_PRICE_HEADING, 56, 60},
               {IDC_PORT_MOVEMENT_HEADING, 64, 69}};
    runScreen(
        [&] { openPortfolio(window_, gGame); },
        [&](HWND screen) {
            waitUntil([&] { return textOf(screen, IDC_PORT_SHARE_VALUE).find('\xA3') != std::string::npos; });
            lines = listLines(GetDlgItem(screen, IDC_PORT_LIST));
            faults = layoutFaults(screen, IDC_PORT_LIST, 19, columns,
                                  {{IDC_PORT_OPENING_LABEL, IDC_PORT_OPENING_PRICE},
                                   {IDC_PORT_SHARE_VALUE_LABEL, IDC_PORT_SHARE_VALUE},
                                   {IDC_PORT_FEES_LABEL, IDC_PORT_FEES},
                                   {IDC_PORT_VALUE_LABEL, IDC_PORT_VALUE},
                                   {IDC_PORT_CASH_LABEL, IDC_PORT_CASH},
                                   {0, IDC_PORT_TOTAL},
                                   {IDC_PORT_PROFIT_LABEL, IDC_PORT_PROFIT},
                                   {IDC_PORT_PENDING_LABEL, IDC_PORT_PENDING_BALANCE}});
            saveWindowPicture(screen, "portfolio_widest");
        },
        IDC_PORT_MAIN_MENU);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], holdingLine(gGame, gGame.holdings[0]));
    EXPECT_EQ(faults, std::vector<std::string>{});
}

// What the index showed at each step is compared with shareindex.expected: on opening the table's order,
// after each sort its order, its button checked, the first row chosen and the focus on the list.
TEST_F(ShareIndex, OpensInTableOrderSortsOntoTheFirstRowAndBuyOrADoubleClickBuysTheRowsShare) {
    std::swap(gGame.shareTable[0].name, gGame.shareTable[49].name);  // opening must not sort by name
    const DWORD uiThread = GetCurrentThreadId();
    Transcript note;
    bool purchased = false;
    const auto play = [&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_INDEX_LIST);
        const auto record = [&](const std::string& step, const std::string& focus) {
            std::string checked;
            for (int button : kSortButtons)
                if (IsDlgButtonChecked(dialog, button) == BST_CHECKED)
                    checked += textOf(dialog, button) + " ";
            note(step, checked + "checked, row " + std::to_string(listSelection(list)) + focus);
            for (const std::string& line : listLines(list)) note.text += line + "\n";
        };
        record("opened", "");
        clickRow(list, 7);
        note("a click chooses row 7", yes(waitUntil([&] { return listSelection(list) == 7; })));
        ShareRecord widest{};  // a sort fills the list again
        std::snprintf(widest.name, kShareNameSize, "Northern Consolidat");
        widest.previousPrice = kLowestPrice, widest.currentPrice = kHighestPrice;
        SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(shareIndexLine(widest).c_str()));
        EXPECT_EQ(layoutFaults(dialog, IDC_INDEX_LIST, 0, {}, {}), std::vector<std::string>{});
        saveWindowPicture(dialog, "index_widest_line");
        for (int button : kSortButtons) {
            SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
            record("sorted by " + textOf(dialog, button),
                   focusOfThread(uiThread) == list ? ", focus on the list" : ", focus elsewhere");
        }
        clickRow(list, 3);
        waitUntil([&] { return listSelection(list) == 3; });
        note("Buy on row 3",
             runScreen([&] { pressLater(dialog, IDC_INDEX_BUY); }, {}, IDC_CANCEL_BUTTON).screen.caption);
        // Only an index left open by the Cancel takes the double click.
        note("a double click on row 0", buyThrough([&] { clickRow(list, 0, true); }, "250"));
        note("the index closed itself", yes(waitUntil([&] { return !IsWindow(dialog); })));
    };
    runScreen([&] { purchased = runShareIndex(window_, gGame, runBuyScreen); }, play, IDC_CANCEL_BUTTON);
    note("a purchase answered", yes(purchased));
    note("ordered", std::to_string(gGame.holdings[0].pendingQuantity) + " of " +
                        gGame.shareTable[gGame.holdings[0].shareNumber].name);
    expectAsRecorded(note.text, "shareindex");
}
