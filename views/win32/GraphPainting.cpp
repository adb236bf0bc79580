// The price graph's pixels: everything is drawn into an off-screen bitmap first and copied at once.
#include "views/win32/GraphPainting.h"

#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/GdiHandles.h"

namespace {
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kPriceYellow = RGB(255, 255, 0);
constexpr COLORREF kGridGrey = RGB(128, 128, 128);
constexpr int kBackgroundWidth = kPlotRight - kPlotLeft;   // 561: the "grapdark" bitmap's size
constexpr int kBackgroundHeight = kPlotBottom - kPlotTop;  // 377

using OwnedPen = Owned<HPEN, deleteGdiObject>;

void drawBackground(HDC dc, const GraphPicture& picture) {
    if (picture.pictureBackground && drawBitmapResource(dc, RES_BMP_GRAPH_BACKGROUND, kPlotLeft, kPlotTop,
                                                        kBackgroundWidth, kBackgroundHeight, SRCCOPY, 0))
        return;
    OwnedBrush navy(CreateSolidBrush(kNavy));
    Selected fill(dc, navy.get());
    Selected outline(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, kPlotLeft, kPlotTop, kPlotRight, kPlotBottom);
}

void drawLines(HDC dc, const std::vector<PlotLine>& lines) {
    for (const PlotLine& line : lines) {
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
}

void drawGrid(HDC dc, const GraphPicture& picture) {
    if (picture.gridLines.empty()) return;
    OwnedPen dotted(CreatePen(PS_DOT, 1, kGridGrey));
    Selected pen(dc, dotted.get());
    drawLines(dc, picture.gridLines);
}

// A square of the line's width centred on the point, as the pen would make it.
void drawDot(HDC dc, const PlotPoint& at, int width) {
    const int left = at.x - (width - 1) / 2;
    const int top = at.y - (width - 1) / 2;
    const RECT dot = {left, top, left + width, top + width};
    OwnedBrush yellow(CreateSolidBrush(kPriceYellow));
    FillRect(dc, &dot, yellow.get());
}

// One polyline per unbroken run; a polyline leaves out its last point, so the oldest day of each run
// gets its dot too, and a run of a single day is only that dot.
void drawPriceLine(HDC dc, const GraphPicture& picture) {
    OwnedPen yellow(CreatePen(PS_SOLID, picture.lineWidth, kPriceYellow));
    Selected pen(dc, yellow.get());
    std::vector<POINT> points;
    for (const std::vector<PlotPoint>& run : picture.priceLine) {
        if (run.size() > 1) {
            points.clear();
            for (const PlotPoint& p : run) points.push_back({p.x, p.y});
            Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
        if (!run.empty()) drawDot(dc, run.back(), picture.lineWidth);
    }
}

void drawAxes(HDC dc, const GraphPicture& picture) {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    const RECT left = {kAxisStripLeft, kPlotTop, kPlotLeft, kAxisStripBottom};
    const RECT bottom = {kPlotLeft, kPlotBottom, kPlotRight, kAxisStripBottom};
    FillRect(dc, &left, face);
    FillRect(dc, &bottom, face);
    Selected pen(dc, GetStockObject(BLACK_PEN));
    drawLines(dc, picture.leftTicks);
    drawLines(dc, picture.bottomTicks);
}
}  // namespace

bool paintGraphPicture(HDC target, const GraphPicture& picture) {
    const RECT& area = kGraphPaintArea;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    MemoryDc memory(CreateCompatibleDC(target));
    OwnedBitmap canvas(CreateCompatibleBitmap(target, width, height));
    if (!memory.get() || !canvas.get()) return false;
    Selected onCanvas(memory.get(), canvas.get());
    // The drawing keeps the dialog's client coordinates; the canvas starts at the area's corner.
    SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
    SetBkMode(memory.get(), TRANSPARENT);
    drawBackground(memory.get(), picture);
    drawGrid(memory.get(), picture);
    drawPriceLine(memory.get(), picture);
    drawAxes(memory.get(), picture);
    SetViewportOrgEx(memory.get(), 0, 0, nullptr);
    return BitBlt(target, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY) != 0;
}
