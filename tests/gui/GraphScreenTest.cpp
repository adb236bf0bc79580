// The price graph opened from the share index: the line, labels, stepping, options and Buy.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "views/Graph.h"
#include "views/win32/GraphPainting.h"
#include "views/win32/GraphScreen.h"
#include "views/win32/ShareIndexScreen.h"

namespace {
using GraphScreen = GameWindowTest;

constexpr int kDateLabels[] = {IDC_GRAPH_DATE_1, IDC_GRAPH_DATE_2, IDC_GRAPH_DATE_3, IDC_GRAPH_DATE_4,
                               IDC_GRAPH_DATE_5};
constexpr int kPriceLabels[] = {IDC_GRAPH_PRICE_TOP, IDC_GRAPH_PRICE_THREE_QUARTERS, IDC_GRAPH_PRICE_MIDDLE,
                                IDC_GRAPH_PRICE_ONE_QUARTER, IDC_GRAPH_PRICE_BOTTOM};

// The plot with its axes and price labels as they stand on the screen, after the dialog has painted.
struct Capture {
    std::vector<DWORD> pixels;  // 0x00RRGGBB, rows of the paint area from its top-left corner
    COLORREF at(int x, int y) const {
        const DWORD p = pixels[(y - kGraphPaintArea.top) * (kGraphPaintArea.right - kGraphPaintArea.left) +
                               (x - kGraphPaintArea.left)];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
};

Capture capture(HWND dialog) {
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const RECT& r = kGraphPaintArea;
    const int width = r.right - r.left, height = r.bottom - r.top;
    Capture shot{std::vector<DWORD>(static_cast<std::size_t>(width) * height)};
    WindowDc dc(dialog);
    MemoryDc memory(CreateCompatibleDC(dc.get()));
    OwnedBitmap bitmap(CreateCompatibleBitmap(dc.get(), width, height));
    {
        Selected on(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, dc.get(), r.left, r.top, SRCCOPY);
    }
    BITMAPINFOHEADER header = {sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memory.get(), bitmap.get(), 0, height, shot.pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    return shot;
}

// What the graph should show now, worked out on a copy of the model.
GraphPicture expectedPicture(GraphRange range) {
    auto model = std::make_unique<GameModel>(gGame);
    return computeGraph(*model, loadGraphHistory(*model, model->selectedShare), range);
}

// Opens the index, charts the share in `row`, lets `work` play in the graph, leaves it by Exit and
// closes the index; answers whether the index closed after a purchase.
bool graphFromIndex(HWND owner, int row, const std::function<void(HWND)>& work) {
    bool purchased = false;
    runScreen([&] { purchased = runShareIndex(owner, gGame); },
              [&](HWND index) {
                  SendMessageA(GetDlgItem(index, IDC_INDEX_LIST), LB_SETCURSEL, row, 0);
                  runScreen([&] { pressLater(index, IDC_INDEX_GRAPH); }, work, IDC_GRAPH_EXIT);
              },
              IDC_CANCEL_BUTTON);
    return purchased;
}

void click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Every point of the computed line is yellow on the screen, and the labels read as computed and show whole.
void expectDrawn(HWND dialog, GraphRange range, const std::string& name) {
    SCOPED_TRACE(name);
    const GraphPicture picture = expectedPicture(range);
    const Capture shot = capture(dialog);
    int points = 0;
    for (const auto& run : picture.priceLine)
        for (const PlotPoint& p : run) {
            EXPECT_EQ(shot.at(p.x, p.y), RGB(255, 255, 0)) << p.x << "," << p.y;
            ++points;
        }
    EXPECT_GT(points, 20);
    for (int i = 0; i < kPriceLabelCount; ++i)
        EXPECT_EQ(textOf(dialog, kPriceLabels[i]), picture.priceLabels[i]);
    for (int i = 0; i < kDateLabelCount; ++i) {
        const std::string& date = picture.dateLabels[i];
        HWND label = GetDlgItem(dialog, kDateLabels[i]);
        EXPECT_EQ(textOf(label), date);
        WindowDc dc(label);
        Selected font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)));
        SIZE extent = {};
        RECT r;
        GetTextExtentPoint32A(dc.get(), date.c_str(), static_cast<int>(date.size()), &extent);
        EXPECT_TRUE(GetClientRect(label, &r) && extent.cx <= r.right) << date << " is cut";
    }
    saveWindowPicture(dialog, name);
}
}  // namespace

TEST_F(GraphScreen, TheYellowLineRunsThroughEveryPricedDayOfEachRange) {
    std::string caption;
    bool oneYearChecked = false;
    graphFromIndex(window_, 12, [&](HWND dialog) {
        caption = textOf(dialog);
        oneYearChecked = IsDlgButtonChecked(dialog, IDC_GRAPH_ONE_YEAR) == BST_CHECKED;
        expectDrawn(dialog, GraphRange::OneYear, "graph_one_year");
        click(dialog, IDC_GRAPH_FOUR_YEARS);
        expectDrawn(dialog, GraphRange::FourYears, "graph_four_years");
        click(dialog, IDC_GRAPH_ONE_MONTH);
        expectDrawn(dialog, GraphRange::OneMonth, "graph_one_month");
    });
    EXPECT_EQ(caption, std::string("History of ") + gGame.shareTable[12].name);
    EXPECT_TRUE(oneYearChecked);
    EXPECT_EQ(gGame.selectedShare, 12);
}

TEST_F(GraphScreen, PreviousAndNextStopAtTheEndsOfWhatTheyStepThrough) {
    struct Case {
        int start;            // the index row charted, or -1 to chart the browse list
        int presses[3];       // IDC_GRAPH_PREVIOUS or IDC_GRAPH_NEXT
        int shown[3];         // the share after each press
        bool previous, next;  // the buttons enabled at the end of the steps, after the second press
    };
    const Case cases[] = {
        {1, {IDC_GRAPH_PREVIOUS, IDC_GRAPH_PREVIOUS, IDC_GRAPH_NEXT}, {0, 0, 1}, false, true},
        {48, {IDC_GRAPH_NEXT, IDC_GRAPH_NEXT, IDC_GRAPH_PREVIOUS}, {49, 49, 48}, true, false},
        {-1, {IDC_GRAPH_NEXT, IDC_GRAPH_NEXT, IDC_GRAPH_PREVIOUS}, {3, 3, 7}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        std::string captions[3];
        bool enabled[2] = {};
        const auto work = [&](HWND dialog) {
            for (int i = 0; i < 3; ++i) {
                press(dialog, c.presses[i]);  // a disabled button's command must change nothing either
                captions[i] = textOf(dialog);
                if (i == 1) enabled[0] = IsWindowEnabled(GetDlgItem(dialog, IDC_GRAPH_PREVIOUS));
                if (i == 1) enabled[1] = IsWindowEnabled(GetDlgItem(dialog, IDC_GRAPH_NEXT));
            }
        };
        if (c.start >= 0) {
            graphFromIndex(window_, c.start, work);
        } else {
            gGame.graphBrowseList = {7, 3, kEmptySlot};
            gGame.graphBrowsePosition = 0;
            gGame.selectedShare = 7;
            runScreen([&] { runGraphScreen(window_, gGame); }, work, IDC_GRAPH_EXIT);
        }
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(captions[i], std::string("History of ") + gGame.shareTable[c.shown[i]].name);
        EXPECT_EQ(gGame.selectedShare, c.shown[2]);
        EXPECT_EQ(enabled[0], c.previous);
        EXPECT_EQ(enabled[1], c.next);
    }
}

TEST_F(GraphScreen, EachOptionChangesTheDrawingAndTurnsBackOff) {
    struct Option {
        int box;
        int32_t GameModel::*flag;
        int range;            // the range button under which the option shows
        const char* picture;  // the screenshot with the option on
    };
    const Option options[] = {
        {IDC_GOPT_THICK_LINES, &GameModel::graphThickLines, IDC_GRAPH_ONE_YEAR, "graph_thick_lines"},
        {IDC_GOPT_AUTO_SCALE, &GameModel::graphAutoScale, IDC_GRAPH_ONE_MONTH, "graph_auto_scale_month"},
        {IDC_GOPT_BACKGROUND, &GameModel::graphBackground, IDC_GRAPH_ONE_YEAR, "graph_plain_background"},
        {IDC_GOPT_GRID_LINES, &GameModel::graphGridLines, IDC_GRAPH_ONE_YEAR, "graph_grid_lines"}};
    graphFromIndex(window_, 20, [&](HWND dialog) {
        const auto toggle = [&](int box, int closeWith, const char* picture) {
            runScreen([&] { pressLater(dialog, IDC_GRAPH_OPTIONS); },
                      [&](HWND form) {
                          click(form, box);
                          if (picture) saveWindowPicture(form, picture);
                      },
                      closeWith);
        };
        for (const Option& option : options) {
            SCOPED_TRACE(option.box);
            click(dialog, option.range);
            const int32_t before = gGame.*option.flag;
            const std::vector<DWORD> original = capture(dialog).pixels;
            toggle(option.box, IDC_CANCEL_BUTTON, nullptr);
            EXPECT_EQ(gGame.*option.flag, before) << "Cancel keeps the flag";
            EXPECT_EQ(capture(dialog).pixels, original);
            toggle(option.box, IDC_GOPT_OK, option.box == IDC_GOPT_GRID_LINES ? "graph_options" : nullptr);
            EXPECT_EQ(gGame.*option.flag, 1 - before);
            const std::vector<DWORD> changed = capture(dialog).pixels;
            EXPECT_NE(changed, original);
            if (option.box == IDC_GOPT_BACKGROUND) {  // the plain fill is navy, 0x000080
                EXPECT_GT(static_cast<std::size_t>(std::count(changed.begin(), changed.end(), 0x000080u)),
                          changed.size() * 3 / 4);
            }
            saveWindowPicture(dialog, option.picture);
            toggle(option.box, IDC_GOPT_OK, nullptr);
            EXPECT_EQ(gGame.*option.flag, before);
            EXPECT_EQ(capture(dialog).pixels, original);
        }
    });
}

TEST_F(GraphScreen, BuyingTheShownShareClosesTheGraphAndTheIndex) {
    SeenDialog buy;
    bool graphClosedItself = false;
    const bool purchased = graphFromIndex(window_, 4, [&](HWND dialog) {
        press(dialog, IDC_GRAPH_NEXT);
        buy = runScreen([&] { pressLater(dialog, IDC_GRAPH_BUY); },
                        [](HWND form) {
                            type(form, IDC_BUY_QUANTITY, "10");
                            moveFocus(form, IDC_BUY_BUY);
                        },
                        IDC_BUY_BUY, IDYES)
                  .screen;
        graphClosedItself = waitUntil([&] { return !IsWindow(dialog); });
    });
    EXPECT_EQ(buy.caption, std::string("Buy Shares In ") + gGame.shareTable[5].name);
    EXPECT_TRUE(graphClosedItself);
    EXPECT_TRUE(purchased);
    EXPECT_EQ(gGame.holdings[0].shareNumber, 5);
    EXPECT_EQ(gGame.holdings[0].pendingQuantity, 10);
}
