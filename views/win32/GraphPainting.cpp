// The price graph's pixels: each picture is drawn once on a kept canvas, and paints copy the canvas.
#include "views/win32/GraphPainting.h"

#include <algorithm>
#include <vector>

#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"

namespace {
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kPriceYellow = RGB(255, 255, 0);
constexpr COLORREF kGridGrey = RGB(128, 128, 128);
constexpr int kBackgroundWidth = kPlotRight - kPlotLeft;   // 561: the "GRAPDARK" bitmap's size
constexpr int kBackgroundHeight = kPlotBottom - kPlotTop;  // 377
constexpr int kCanvasWidth = kGraphPaintArea.right - kGraphPaintArea.left;
constexpr int kCanvasHeight = kGraphPaintArea.bottom - kGraphPaintArea.top;

void drawLines(HDC dc, const std::vector<PlotLine>& lines) {
    for (const PlotLine& line : lines) {
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
}

bool sameLines(const std::vector<PlotLine>& a, const std::vector<PlotLine>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const PlotLine& x, const PlotLine& y) { return x.from == y.from && x.to == y.to; });
}

// A square of the line's width centred on the point, as the pen would make it.
void drawDot(HDC dc, const PlotPoint& at, int width, HBRUSH brush) {
    const int left = at.x - (width - 1) / 2;
    const int top = at.y - (width - 1) / 2;
    const RECT dot = {left, top, left + width, top + width};
    FillRect(dc, &dot, brush);
}
}  // namespace

GraphCanvas::GraphCanvas(HDC screen)
    : canvasDc_(CreateCompatibleDC(screen)),
      canvas_(CreateCompatibleBitmap(screen, kCanvasWidth, kCanvasHeight)),
      onCanvas_(canvasDc_.get(), canvas_.get()),
      backgroundDc_(CreateCompatibleDC(screen)),
      background_(CreateCompatibleBitmap(screen, kBackgroundWidth, kBackgroundHeight)),
      onBackground_(backgroundDc_.get(), background_.get()),
      gridPen_(CreatePen(PS_DOT, 1, kGridGrey)),
      thinPen_(CreatePen(PS_SOLID, 1, kPriceYellow)),
      thickPen_(CreatePen(PS_SOLID, 2, kPriceYellow)),
      navy_(CreateSolidBrush(kNavy)),
      yellow_(CreateSolidBrush(kPriceYellow)) {
    hasBackground_ = backgroundDc_.get() && background_.get() &&
                     drawBitmapResource(backgroundDc_.get(), RES_BMP_GRAPH_BACKGROUND, 0, 0, kBackgroundWidth,
                                        kBackgroundHeight, SRCCOPY, 0);
    // The canvas keeps the dialog's client coordinates: its first pixel is the paint area's corner.
    SetViewportOrgEx(canvasDc_.get(), -kGraphPaintArea.left, -kGraphPaintArea.top, nullptr);
    SetBkMode(canvasDc_.get(), TRANSPARENT);
}

bool GraphCanvas::keepsAxesOf(const GraphPicture& picture) const {
    return axesDrawn_ && GetSysColor(COLOR_BTNFACE) == axesFace_ &&
           sameLines(picture.leftTicks, leftTicksDrawn_) && sameLines(picture.bottomTicks, bottomTicksDrawn_);
}

RECT GraphCanvas::partChangedBy(const GraphPicture& picture) const {
    return keepsAxesOf(picture) ? kPlotArea : kGraphPaintArea;
}

// The strips lie outside the plot, and their ticks change only with the range's divisions.
void GraphCanvas::drawAxes(const GraphPicture& picture) {
    if (keepsAxesOf(picture)) return;
    HDC dc = canvasDc_.get();
    const RECT left = {kAxisStripLeft, kPlotTop, kPlotLeft, kAxisStripBottom};
    const RECT bottom = {kPlotLeft, kPlotBottom, kPlotRight, kAxisStripBottom};
    FillRect(dc, &left, GetSysColorBrush(COLOR_BTNFACE));
    FillRect(dc, &bottom, GetSysColorBrush(COLOR_BTNFACE));
    {
        Selected pen(dc, GetStockObject(BLACK_PEN));
        drawLines(dc, picture.leftTicks);
        drawLines(dc, picture.bottomTicks);
    }
    axesDrawn_ = true;
    axesFace_ = GetSysColor(COLOR_BTNFACE);
    leftTicksDrawn_ = picture.leftTicks;
    bottomTicksDrawn_ = picture.bottomTicks;
}

void GraphCanvas::drawBackground(bool picture) {
    HDC dc = canvasDc_.get();
    if (picture && hasBackground_) {
        BitBlt(dc, kPlotLeft, kPlotTop, kBackgroundWidth, kBackgroundHeight, backgroundDc_.get(), 0, 0,
               SRCCOPY);
        return;
    }
    Selected fill(dc, navy_.get());
    Selected outline(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, kPlotLeft, kPlotTop, kPlotRight, kPlotBottom);
}

// One polyline per unbroken run; a polyline leaves out its last point, so the oldest day of each run
// gets its dot too, and a run of a single day is only that dot. A line wider than a pixel, and its
// dot, may spill over the plot's edge where the axes are kept: the spill is cut at the edge, as drawing
// the axes over it would.
void GraphCanvas::drawPriceLine(const GraphPicture& picture) {
    HDC dc = canvasDc_.get();
    const bool thick = picture.lineWidth > 1;
    if (thick) IntersectClipRect(dc, kPlotArea.left, kPlotArea.top, kPlotArea.right, kPlotArea.bottom);
    Selected pen(dc, thick ? thickPen_.get() : thinPen_.get());
    std::vector<POINT> points;
    for (const std::vector<PlotPoint>& run : picture.priceLine) {
        if (run.size() > 1) {
            points.assign(run.size(), {});
            std::transform(run.begin(), run.end(), points.begin(), [](PlotPoint p) {
                return POINT{p.x, p.y};
            });
            Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
        if (!run.empty()) drawDot(dc, run.back(), picture.lineWidth, yellow_.get());
    }
    if (thick) SelectClipRgn(dc, nullptr);
}

void GraphCanvas::draw(const GraphPicture& picture) {
    if (!canvas_.get()) return;
    drawAxes(picture);
    drawBackground(picture.pictureBackground);
    if (!picture.gridLines.empty()) {
        Selected pen(canvasDc_.get(), gridPen_.get());
        drawLines(canvasDc_.get(), picture.gridLines);
    }
    drawPriceLine(picture);
}

bool GraphCanvas::copyTo(HDC target, const RECT& part) const {
    RECT copied;
    if (!canvas_.get() || !IntersectRect(&copied, &part, &kGraphPaintArea)) return false;
    return BitBlt(target, copied.left, copied.top, copied.right - copied.left, copied.bottom - copied.top,
                  canvasDc_.get(), copied.left, copied.top, SRCCOPY) != 0;
}
