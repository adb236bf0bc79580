// The valuation and the statement as the player meets them: the listed holdings and totals, the rule,
// graphing the holdings and buying from the graph; the statement's pages read back from their pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "resources/resource.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"
#include "views/Formats.h"
#include "views/Graph.h"
#include "views/Statement.h"
#include "views/Valuation.h"
#include "views/win32/ValuationScreen.h"

namespace {
using Valuation = GameWindowTest;
using Statement = GameWindowTest;

std::string captionFor(int share) {
    GameModel shown = gGame;
    shown.selectedShare = share;
    return graphCaption(shown);
}

// Presses the graph's button of that caption and waits for the caption of the share it steps to.
void stepGraph(HWND graph, const char* button, int share) {
    press(graph, GetDlgCtrlID(FindWindowExA(graph, nullptr, "Button", button)));
    EXPECT_TRUE(waitUntil([&] { return textOf(graph) == captionFor(share); })) << button;
}

void buyTwentyFrom(HWND graph) {
    const int buy = GetDlgCtrlID(FindWindowExA(graph, nullptr, "Button", "&Buy"));
    const auto twenty = [](HWND dialog) {
        type(dialog, IDC_BUY_QUANTITY, "20");
        moveFocus(dialog, IDC_BUY_BUY);
    };
    runScreen([&] { pressLater(graph, buy); }, twenty, IDC_BUY_BUY, IDYES);
}

// The band's pixels as 0xRRGGBB, or only whether each is pure black: the core of a text's strokes,
// whatever lies beneath them.
std::vector<DWORD> pixelsIn(HDC dc, const RECT& band, bool blackOnly = false) {
    const int width = band.right - band.left, height = band.bottom - band.top;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    OwnedBitmap copy(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc memory(CreateCompatibleDC(dc));
    Selected onCopy(memory.get(), copy.get());
    BitBlt(memory.get(), 0, 0, width, height, dc, band.left, band.top, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + width * height);
    for (DWORD& pixel : pixels) pixel = blackOnly ? (pixel & 0xFFFFFF) == 0 : pixel & 0xFFFFFF;
    return pixels;
}

constexpr RECT kPageTextBand = {0, 15, 640, 400};

std::vector<DWORD> shownPage(HWND statement) {
    RedrawWindow(statement, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return pixelsIn(WindowDc(statement).get(), kPageTextBand, true);
}

// The page as it should read, drawn in its font on white.
std::vector<DWORD> expectedPage(const StatementPage& page) {
    WindowDc screen(nullptr);
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    OwnedBitmap surface(CreateCompatibleBitmap(screen.get(), 640, 480));
    Owned<HFONT, deleteGdiObject> font(CreateFontA(15, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Courier New"));
    Selected onSurface(memory.get(), surface.get()), inFont(memory.get(), font.get());
    PatBlt(memory.get(), 0, 0, 640, 480, WHITENESS);
    SetBkMode(memory.get(), TRANSPARENT);
    for (const PageText& text : statementTexts(page)) {
        SetTextAlign(memory.get(), text.alignment == TextAlignment::Right ? TA_RIGHT : TA_LEFT);
        TextOutA(memory.get(), text.x, text.y, text.text.c_str(), static_cast<int>(text.text.size()));
    }
    return pixelsIn(memory.get(), kPageTextBand, true);
}

// Records [first, end) of the history file with their number and the total of their commissions.
StatementPage pageOf(int first, int end, const char* number) {
    StatementPage page;
    page.statementNumber = number;
    double commissions = 0.0;
    for (int i = first; i < end; ++i) {
        page.rows.push_back(statementRow(readTransaction(i).value()));
        commissions += std::round(readTransaction(i)->commission * 100.0) / 100.0;
    }
    page.pageTotal = formatFixed(commissions, 2);
    return page;
}
}  // namespace

TEST_F(Valuation, ListsTheHeldHoldingsWithTotalsAndRuleGraphsThemAndShowsAPurchaseMadeThere) {
    gGame.holdings[0] = {.shareNumber = 4,
                         .heldQuantity = 800,
                         .totalCost = 1000.0,
                         .commissionToDate = 12.0,
                         .dateBought = "02-Jan-97"};
    gGame.holdings[1] = {.shareNumber = 9,
                         .heldQuantity = 50,
                         .totalCost = 123.45,
                         .commissionToDate = 10.25,
                         .repeatPurchases = 1,
                         .dateBought = "17-Mar-97"};
    gGame.cashBalance = gGame.pendingBalance = 2500.0;
    orderShares(17, 100);  // a first purchase still pending: not listed, but its fee counts
    const double fees = 22.25 + gGame.holdings[2].pendingCommission;
    const double value = 800 * gGame.shareTable[4].currentPrice + 50 * gGame.shareTable[9].currentPrice;
    const std::string secondLine = valuationLine(gGame, gGame.holdings[1]);
    std::vector<std::string> shown;
    std::vector<std::string> captions;
    size_t rule = 0;
    const auto play = [&](HWND screen) {
        HWND list = GetDlgItem(screen, IDC_VAL_LIST);
        for (int row = 0; row < listCount(list); ++row) shown.push_back(listLine(list, row));
        for (int id : {IDC_VAL_FEES, IDC_VAL_VALUE, IDC_VAL_CASH, IDC_VAL_TOTAL})
            shown.push_back(textOf(screen, id));
        rule = pixelsOfColour(screen, {500, 280, 620, 285}, RGB(0, 0, 0)).size();
        saveWindowPicture(screen, "valuation");
        clickRow(list, 1);
        waitUntil([&] { return listSelection(list) == 1; });
        const auto browse = [&](HWND graph) {
            captions.push_back(textOf(graph));
            stepGraph(graph, "&Previous", 4);
            stepGraph(graph, "&Next", 9);
        };
        runScreen([&] { pressLater(screen, IDC_VAL_GRAPH); }, browse, IDCANCEL);
        captions.push_back(std::to_string(gGame.selectedShare));
        runScreen([&] { pressLater(screen, IDC_VAL_GRAPH); }, buyTwentyFrom, IDCANCEL);
        waitUntil([&] { return textOf(screen, IDC_VAL_FEES) != shown[2]; });
        shown.push_back(listLine(list, 1));
        shown.push_back(textOf(screen, IDC_VAL_FEES));
    };
    runScreen([&] { runValuationScreen(window_, gGame); }, play, IDC_VAL_EXIT);
    const double newFee = gGame.holdings[1].pendingCommission;
    EXPECT_EQ(shown,
              (std::vector<std::string>{
                  valuationLine(gGame, gGame.holdings[0]), secondLine, formatTotalPounds(fees),
                  formatTotalPounds(value), formatTotalPounds(2500.0), formatTotalPounds(value + 2500.0),
                  valuationLine(gGame, gGame.holdings[1]), formatTotalPounds(fees + newFee)}));
    EXPECT_EQ(rule, 68u);
    EXPECT_EQ(captions, (std::vector<std::string>{captionFor(9), "9"}));
    EXPECT_EQ(gGame.holdings[1].pendingQuantity, 20);
    EXPECT_EQ(std::vector<int>(gGame.graphBrowseList.begin(), gGame.graphBrowseList.begin() + 3),
              (std::vector<int>{4, 9, -1}));
}

TEST_F(Statement, TwelveDealsPageByButtonsAndKeysAndTheFocusedButtonShowsIt) {
    for (int share = 0; share < 10; ++share) orderShares(share, 100 + share);
    settleDay(gGame, 1);
    for (int share : {3, 7}) {
        gGame.selectedShare = share;
        ASSERT_TRUE(bookSale(gGame, 40));
    }
    settleDay(gGame, 1);
    ASSERT_EQ(gGame.transactionCount, 12);
    const std::vector<DWORD> older = expectedPage(pageOf(0, 2, "Statement No : 001"));
    const std::vector<DWORD> newer = expectedPage(pageOf(2, 12, "Statement No : 002"));
    std::vector<bool> pages;  // for each page read, whether it was the newer one
    std::vector<std::vector<DWORD>> nextFaces;
    const auto read = [&](HWND statement) {
        const std::vector<DWORD> shown = shownPage(statement);
        EXPECT_TRUE(shown == older || shown == newer) << pages.size();
        pages.push_back(shown == newer);
    };
    const auto play = [&](HWND statement) {
        read(statement);
        saveWindowPicture(statement, "statement_newest");
        for (int id : {IDC_STATE_PREVIOUS, IDC_STATE_PREVIOUS, IDC_STATE_NEXT, IDC_STATE_NEXT}) {
            press(statement, id);
            read(statement);
            if (pages.size() == 2) saveWindowPicture(statement, "statement_oldest");
        }
        for (WPARAM key : {VK_PRIOR, VK_PRIOR, VK_NEXT}) {
            SendMessageA(GetDlgItem(statement, IDC_STATE_EXIT), WM_KEYDOWN, key, 1);
            read(statement);
        }
        for (int id : {IDC_STATE_NEXT, IDC_STATE_PREVIOUS, IDC_STATE_NEXT}) {
            moveFocus(statement, id);
            RedrawWindow(statement, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            nextFaces.push_back(
                pixelsIn(WindowDc(GetDlgItem(statement, IDC_STATE_NEXT)).get(), {0, 0, 98, 52}));
        }
    };
    runScreen([&] { chooseMenuCommand(IDM_TRANSACTION_HISTORY); }, play, IDC_STATE_EXIT);
    EXPECT_EQ(pages, (std::vector<bool>{true, false, false, true, true, false, false, true}));
    ASSERT_EQ(nextFaces.size(), 3u);
    EXPECT_NE(nextFaces[0], nextFaces[1]);  // the focus image comes and goes with the focus
    EXPECT_EQ(nextFaces[0], nextFaces[2]);
}

TEST_F(Statement, AHistoryThatCannotBeReadShowsTheHeadingsAndSaysSo) {
    orderShares(5, 100);
    settleDay(gGame, 1);
    ASSERT_TRUE(DeleteFileA(transactionsFilePath().c_str()));
    std::vector<DWORD> shown;
    runScreen([&] { chooseMenuCommand(IDM_TRANSACTION_HISTORY); },
              [&](HWND statement) { shown = shownPage(statement); }, IDCANCEL);
    StatementPage unavailable;
    unavailable.historyUnavailable = true;
    EXPECT_TRUE(shown == expectedPage(unavailable));
}
