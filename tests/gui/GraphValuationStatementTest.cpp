// The graph, the valuation and the statement, read back from their pixels.

#include <algorithm>
#include <memory>
#include <tuple>

#include "model/MarketFiles.h"
#include "model/Settlement.h"
#include "runtime/win32/BitmapDisplay.h"
#include "tests/gui/GuiHarness.h"
#include "views/Graph.h"
#include "views/Statement.h"
#include "views/win32/GraphPainting.h"
#include "trading/win32/BuyScreen.h"
#include "views/win32/ValuationScreen.h"

namespace {
using GraphScreen = GameWindowTest;
using Valuation = GameWindowTest;
using Statement = GameWindowTest;

const auto capture = [](HWND dialog) { return shownPicture(dialog, kGraphPaintArea); };

constexpr int kPriceLabelIds[] = {IDC_GRAPH_PRICE_TOP, IDC_GRAPH_PRICE_THREE_QUARTERS, IDC_GRAPH_PRICE_MIDDLE,
                                  IDC_GRAPH_PRICE_ONE_QUARTER, IDC_GRAPH_PRICE_BOTTOM};

// Every point of the line the core computes (on a copy of the model) is yellow on the screen.
void expectDrawn(HWND dialog, int share, GraphRange range, const std::string& name) {
    SCOPED_TRACE(name);
    auto model = std::make_unique<GameModel>(gGame);
    const GraphPicture picture = computeGraph(*model, loadGraphHistory(*model, share), range);
    const Picture shot = capture(dialog);
    int points = 0;
    for (const auto& run : picture.priceLine)
        for (const PlotPoint& p : run) {
            ++points;
            EXPECT_EQ(shot.at(p.x - kGraphPaintArea.left, p.y - kGraphPaintArea.top), 0xFFFF00u)
                << p.x << "," << p.y;
        }
    EXPECT_GT(points, 20);
    for (int id : {IDC_GRAPH_DATE_1, IDC_GRAPH_DATE_2, IDC_GRAPH_DATE_3, IDC_GRAPH_DATE_4, IDC_GRAPH_DATE_5})
        EXPECT_TRUE(fitsItsControl(GetDlgItem(dialog, id))) << textOf(dialog, id) << " is cut";
    for (int i = 0; i < kPriceLabelCount; ++i)
        EXPECT_EQ(textOf(dialog, kPriceLabelIds[i]), picture.priceLabels[i]);
    saveWindowPicture(dialog, name);
}

constexpr RECT kPageTextBand = {0, 15, 640, 400};

// The pure black pixels: the core of a text's strokes, whatever lies beneath them.
std::vector<bool> blackOf(const Picture& page) {
    std::vector<bool> black;
    for (DWORD pixel : page.pixels) black.push_back(pixel == 0);
    return black;
}

// The page as the core lays it out, drawn in its font on white.
std::vector<bool> expectedPage(const StatementPage& page) {
    Owned<HFONT, deleteGdiObject> font(CreateFontA(15, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Courier New"));
    return blackOf(drawnPicture(kPageTextBand, [&](HDC dc) {
        Selected inFont(dc, font.get());
        for (const PageText& text : statementTexts(page)) {
            SetTextAlign(dc, text.alignment == TextAlignment::Right ? TA_RIGHT : TA_LEFT);
            TextOutA(dc, text.x, text.y, text.text.c_str(), static_cast<int>(text.text.size()));
        }
    }));
}

}  // namespace

// What the screen and its graph showed, before and after buying there, is as valuation.expected records.
// The core pins every browse's stepping; the graph shows it, greyed at the ends.
TEST_F(Valuation, ListsTheHeldHoldingsWithTotalsAndRuleGraphsThemAndShowsAPurchaseMadeThere) {
    holdShares(0, 4, 800, 1000.0);
    holdShares(1, 9, 50, 123.45);
    gGame.holdings[0].commissionToDate = 12.0, gGame.holdings[1].commissionToDate = 10.25;
    gGame.holdings[1].repeatPurchases = 1;
    gGame.cashBalance = gGame.pendingBalance = 2500.0;
    orderShares(17, 100);  // a first purchase still pending: not listed, but its fee counts
    std::string seen, opening;
    const auto play = [&](HWND screen) {
        HWND list = GetDlgItem(screen, IDC_VAL_LIST);
        const auto showing = [&] {
            std::string lines;
            for (const std::string& line : listLines(list)) lines += line + "\n";
            for (int id : {IDC_VAL_FEES, IDC_VAL_VALUE, IDC_VAL_CASH, IDC_VAL_TOTAL})
                lines += textOf(screen, id) + "\n";
            return lines;
        };
        seen = opening = showing();
        if (ruleSpansTheWidest(screen, {400, 280, 628, 285}, {IDC_VAL_VALUE, IDC_VAL_CASH, IDC_VAL_TOTAL}))
            seen += "the rule spans the widest figure it adds\n";
        saveWindowPicture(screen, "valuation");
        clickRow(list, 0);
        waitUntil([&] { return listSelection(list) == 0; });
        const auto walk = [&](HWND graph) {
            if (IsDlgButtonChecked(graph, IDC_GRAPH_ONE_YEAR) == BST_CHECKED) seen += "one year checked\n";
            for (int id : {0, IDC_GRAPH_PREVIOUS, IDC_GRAPH_NEXT, IDC_GRAPH_NEXT, IDC_GRAPH_PREVIOUS,
                           IDC_GRAPH_NEXT}) {
                if (id) press(graph, id);  // a greyed button's command does nothing
                seen += textOf(graph) + (IsWindowEnabled(GetDlgItem(graph, IDC_GRAPH_PREVIOUS)) ? " <" : "") +
                        (IsWindowEnabled(GetDlgItem(graph, IDC_GRAPH_NEXT)) ? " >" : "") + "\n";
            }
            expectDrawn(graph, 9, GraphRange::OneYear, "graph_one_year");
            SendDlgItemMessageA(graph, IDC_GRAPH_FOUR_YEARS, BM_CLICK, 0, 0);
            expectDrawn(graph, 9, GraphRange::FourYears, "graph_four_years");
            SendDlgItemMessageA(graph, IDC_GRAPH_ONE_MONTH, BM_CLICK, 0, 0);
            expectDrawn(graph, 9, GraphRange::OneMonth, "graph_one_month");
            const auto toggle = [&](int closeWith) {
                runScreen([&] { pressLater(graph, IDC_GRAPH_OPTIONS); },
                          [&](HWND form) { SendDlgItemMessageA(form, IDC_GOPT_BACKGROUND, BM_CLICK, 0, 0); },
                          closeWith);
            };
            const int32_t before = gGame.graphBackground;
            const Picture original = capture(graph);
            toggle(IDC_CANCEL_BUTTON);
            EXPECT_EQ(gGame.graphBackground, before) << "Cancel keeps the flag";
            EXPECT_EQ(capture(graph), original);
            toggle(IDC_GOPT_OK);
            EXPECT_EQ(gGame.graphBackground, 1 - before);
            const std::vector<DWORD> changed = capture(graph).pixels;  // the plain fill is navy, 0x000080
            EXPECT_GT(std::ranges::count(changed, 0x000080u), std::ssize(changed) * 3 / 4);
            saveWindowPicture(graph, "graph_plain_background");
            toggle(IDC_GOPT_OK);
            EXPECT_EQ(capture(graph), original);
            // The widest labels are the lowest and highest prices'.
            const auto labels = graphPriceLabels({true, kLowestPrice / 1.01, kHighestPrice * 1.01});
            for (int i = 0; i < kPriceLabelCount; ++i) {
                SetDlgItemTextA(graph, kPriceLabelIds[i], labels[i].c_str());
                EXPECT_TRUE(fitsItsControl(GetDlgItem(graph, kPriceLabelIds[i]))) << labels[i] << " is cut";
            }
            saveWindowPicture(graph, "graph_widest_labels");
            buyThrough([&] { pressLater(graph, IDC_GRAPH_BUY); }, "20");
            seen += "the graph closed itself: " + yes(waitUntil([&] { return !IsWindow(graph); })) + "\n";
        };
        runScreen([&] { pressLater(screen, IDC_VAL_GRAPH); }, walk, IDCANCEL);
        waitUntil([&] { return showing() != opening; });
        seen += "after buying 20 of the share browsed to:\n" + showing();
    };
    runScreen([&] { runValuationScreen(window_, gGame, runBuyScreen); }, play, IDC_VAL_EXIT);
    EXPECT_EQ(gGame.holdings[1].pendingQuantity, 20);
    expectAsRecorded(seen, "valuation");
}

TEST_F(Statement, TwelveDealsPageByButtonsAndKeysAndAnUnreadableHistorySaysSo) {
    for (int share = 0; share < 10; ++share) orderShares(share, 100 + share);
    settleDay(gGame, 1);
    for (int share : {3, 7}) ASSERT_TRUE(bookSale(gGame, share, 40));
    settleDay(gGame, 1);
    ASSERT_EQ(gGame.transactionCount, 12);
    // The pages as the history file makes them (the core's statement tests pin their rows and totals).
    TransactionFileSource source;
    StatementPaging paging = openStatement(gGame.transactionCount, source);
    const std::vector<bool> newer = expectedPage(buildStatementPage(paging, source));
    ASSERT_TRUE(previousPage(paging));
    const std::vector<bool> older = expectedPage(buildStatementPage(paging, source));
    StatementPage unreadable;
    unreadable.historyUnavailable = true;
    const std::vector<bool> unavailable = expectedPage(unreadable);
    std::string pages;  // n for the newer page, o for the older, u for the unavailable history
    const auto read = [&](HWND statement) {
        const std::vector<bool> shown = blackOf(shownPicture(statement, kPageTextBand));
        pages += shown == newer ? 'n' : shown == older ? 'o' : shown == unavailable ? 'u' : '?';
        // Previous and Next enabled, or disabled and showing the faded face (below the row kept for focus).
        constexpr RECT kFace = {0, 1, 98, 52};
        for (const auto& [id, fadedFace, active] :
             {std::tuple{IDC_STATE_PREVIOUS, RES_BMP_STATE_PREVIOUS_DISABLED, shown == newer},
              {IDC_STATE_NEXT, RES_BMP_STATE_NEXT_DISABLED, shown == older}}) {
            const Picture faded = drawnPicture(
                kFace, [&](HDC dc) { drawBitmapResource(dc, fadedFace, 0, 1, 0, 0, SRCCOPY, kNaturalSize); });
            EXPECT_EQ(IsWindowEnabled(GetDlgItem(statement, id)) != FALSE, active) << id;
            // Waited for: the focus that leaves a disabled button comes by a posted message.
            EXPECT_TRUE(waitUntil([&] {
                return (shownPicture(GetDlgItem(statement, id), kFace) == faded) != active;
            })) << id;
        }
    };
    const auto play = [&](HWND statement) {
        read(statement);
        saveWindowPicture(statement, "statement_last_page");
        for (int id : {IDC_STATE_PREVIOUS, IDC_STATE_PREVIOUS, IDC_STATE_NEXT, IDC_STATE_NEXT}) {
            press(statement, id);
            read(statement);
            if (pages.size() == 2) {
                saveWindowPicture(statement, "statement_first_page");
                // Previous had the focus when it was disabled: Next takes it, so the keys still work.
                EXPECT_EQ(settledFocus(statement), GetDlgItem(statement, IDC_STATE_NEXT));
            }
        }
        for (WPARAM key : {VK_PRIOR, VK_PRIOR, VK_NEXT}) {
            SendMessageA(GetDlgItem(statement, IDC_STATE_EXIT), WM_KEYDOWN, key, 1);
            read(statement);
        }
    };
    runScreen([&] { chooseMenuCommand(IDM_TRANSACTION_HISTORY); }, play, IDC_STATE_EXIT);
    ASSERT_TRUE(DeleteFileA(transactionsFilePath().c_str()));
    runScreen([&] { chooseMenuCommand(IDM_TRANSACTION_HISTORY); }, read, IDCANCEL);
    EXPECT_EQ(pages, "noonnoonu");
}

// The kept canvas keeps its picture, pens and axes between paints and copies only what changed: the
// pixels must be a new canvas's. The grid shows grey on the plain fill; a thicker line takes more yellow.
TEST_F(GraphScreen, TheKeptCanvasShowsEveryRangeAndOptionAsANewCanvasWould) {
    WindowDc screen(window_);
    MemoryDc kept(CreateCompatibleDC(screen.get()));
    OwnedBitmap surface(CreateCompatibleBitmap(screen.get(), kGraphPaintArea.right, kGraphPaintArea.bottom));
    Selected onKept(kept.get(), surface.get());
    GraphCanvas canvas(screen.get());
    std::pair<int, std::ptrdiff_t> widthAndYellow[3][8];  // of each range and options
    for (const GraphHistory& history : {loadGraphHistory(gGame, 12), GraphHistory{}})
        for (int options = 0; options < 8; ++options)
            for (GraphRange range : {GraphRange::FourYears, GraphRange::OneYear, GraphRange::OneMonth}) {
                SCOPED_TRACE(testing::Message() << "options " << options << ", range " << int(range));
                gGame.graphBackground = options & 1;
                gGame.graphGridLines = (options >> 1) & 1;
                gGame.graphThickLines = options >> 2;
                const GraphPicture picture = computeGraph(gGame, history, range);
                const RECT changed = canvas.partChangedBy(picture);
                canvas.draw(picture);
                canvas.copyTo(kept.get(), changed);
                const Picture shown = drawnPicture(kGraphPaintArea, [&](HDC fresh) {
                    GraphCanvas once(screen.get());
                    once.draw(picture);
                    once.copyTo(fresh);
                });
                EXPECT_EQ(pictureOf(kept.get(), kGraphPaintArea), shown);
                const auto count = [&](DWORD colour) { return std::ranges::count(shown.pixels, colour); };
                EXPECT_TRUE(picture.pictureBackground || (count(0x808080) > 0) == !picture.gridLines.empty());
                if (picture.priceLine.empty()) continue;
                auto& drawn = widthAndYellow[static_cast<int>(range)][options];
                drawn = {picture.lineWidth, count(0xFFFF00)};
                const auto& thin = widthAndYellow[static_cast<int>(range)][options & 3];
                EXPECT_EQ(drawn.second > thin.second, drawn.first > thin.first);
            }
}
