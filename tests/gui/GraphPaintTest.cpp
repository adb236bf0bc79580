// The graph's kept canvas against the painter it replaced, which made its bitmaps, pens and brushes and
// decoded "grapdark" afresh on every paint: the same picture must come out pixel for pixel.

#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "views/win32/GraphPainting.h"

namespace {
using GraphScreen = GameWindowTest;

// The replaced painter, as it was, kept only to compare against.
void drawLinesAfresh(HDC dc, const std::vector<PlotLine>& lines) {
    for (const PlotLine& line : lines) {
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
}

void drawPlotAfresh(HDC dc, const GraphPicture& picture) {
    if (!picture.pictureBackground ||
        !drawBitmapResource(dc, RES_BMP_GRAPH_BACKGROUND, kPlotLeft, kPlotTop, kPlotRight - kPlotLeft,
                            kPlotBottom - kPlotTop, SRCCOPY, 0)) {
        OwnedBrush navy(CreateSolidBrush(RGB(0, 0, 128)));
        Selected fill(dc, navy.get()), outline(dc, GetStockObject(BLACK_PEN));
        Rectangle(dc, kPlotLeft, kPlotTop, kPlotRight, kPlotBottom);
    }
    if (!picture.gridLines.empty()) {
        OwnedPen dotted(CreatePen(PS_DOT, 1, RGB(128, 128, 128)));
        Selected pen(dc, dotted.get());
        drawLinesAfresh(dc, picture.gridLines);
    }
    OwnedPen yellow(CreatePen(PS_SOLID, picture.lineWidth, RGB(255, 255, 0)));
    Selected pen(dc, yellow.get());
    for (const std::vector<PlotPoint>& run : picture.priceLine) {
        std::vector<POINT> points;
        for (const PlotPoint& p : run) points.push_back({p.x, p.y});
        if (run.size() > 1) Polyline(dc, points.data(), static_cast<int>(points.size()));
        const int width = picture.lineWidth, left = points.back().x - (width - 1) / 2;
        const int top = points.back().y - (width - 1) / 2;
        const RECT dot = {left, top, left + width, top + width};
        OwnedBrush brush(CreateSolidBrush(RGB(255, 255, 0)));
        FillRect(dc, &dot, brush.get());
    }
}

void paintAfresh(HDC target, const GraphPicture& picture) {
    const RECT& area = kGraphPaintArea;
    const int width = area.right - area.left, height = area.bottom - area.top;
    MemoryDc memory(CreateCompatibleDC(target));
    OwnedBitmap canvas(CreateCompatibleBitmap(target, width, height));
    Selected onCanvas(memory.get(), canvas.get());
    SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
    SetBkMode(memory.get(), TRANSPARENT);
    drawPlotAfresh(memory.get(), picture);
    const RECT left = {kAxisStripLeft, kPlotTop, kPlotLeft, kAxisStripBottom};
    const RECT bottom = {kPlotLeft, kPlotBottom, kPlotRight, kAxisStripBottom};
    FillRect(memory.get(), &left, GetSysColorBrush(COLOR_BTNFACE));
    FillRect(memory.get(), &bottom, GetSysColorBrush(COLOR_BTNFACE));
    Selected pen(memory.get(), GetStockObject(BLACK_PEN));
    drawLinesAfresh(memory.get(), picture.leftTicks);
    drawLinesAfresh(memory.get(), picture.bottomTicks);
    SetViewportOrgEx(memory.get(), 0, 0, nullptr);
    BitBlt(target, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
}
}  // namespace

// One canvas draws picture after picture and copies what it says changed to a surface standing for the
// dialog, as the screen does, so whatever it keeps from one picture to the next (the decoded picture,
// pens, the axes on the canvas and on the screen) is kept through every range, option and an empty
// history.
TEST_F(GraphScreen, TheKeptCanvasShowsEveryRangeAndOptionAsThePainterThatMadeEverythingAfresh) {
    WindowDc screen(window_);
    const auto surface = [&] {
        return OwnedBitmap(
            CreateCompatibleBitmap(screen.get(), kGraphPaintArea.right, kGraphPaintArea.bottom));
    };
    MemoryDc shown(CreateCompatibleDC(screen.get())), afresh(CreateCompatibleDC(screen.get()));
    OwnedBitmap shownSurface = surface(), afreshSurface = surface();
    Selected onShown(shown.get(), shownSurface.get()), onAfresh(afresh.get(), afreshSurface.get());
    GraphCanvas canvas(screen.get());
    for (const GraphHistory& history : {loadGraphHistory(gGame, 12), GraphHistory{}})
        for (int options = 0; options < 8; ++options)
            for (GraphRange range : {GraphRange::FourYears, GraphRange::OneYear, GraphRange::OneMonth}) {
                gGame.graphBackground = options & 1;
                gGame.graphGridLines = (options >> 1) & 1;
                gGame.graphThickLines = options >> 2;
                const GraphPicture picture = computeGraph(gGame, history, range);
                const RECT changed = canvas.partChangedBy(picture);
                canvas.draw(picture);
                canvas.copyTo(shown.get(), changed);
                paintAfresh(afresh.get(), picture);
                EXPECT_EQ(pictureOf(shown.get(), kGraphPaintArea), pictureOf(afresh.get(), kGraphPaintArea))
                    << "options " << options << ", range " << static_cast<int>(range) << ", "
                    << picture.priceLine.size() << " runs";
            }
}
