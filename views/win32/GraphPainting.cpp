// The price graph's pixels: each picture is drawn once on a kept canvas, and paints copy the canvas.
#include "views/win32/GraphPainting.h"

#include <vector>

#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"

namespace {
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kPriceYellow = RGB(255, 255, 0);
constexpr COLORREF kGridGrey = RGB(128, 128, 128);
constexpr int kBackgroundWidth = kPlotRight - kPlotLeft;   // 561: the "grapdark" bitmap's size
constexpr int kBackgroundHeight = kPlotBottom - kPlotTop;  // 377
constexpr int kCanvasWidth = kGraphPaintArea.right - kGraphPaintArea.left;
constexpr int kCanvasHeight = kGraphPaintArea.bottom - kGraphPaintArea.top;

void drawLines(HDC dc, const std::vector<PlotLine>& lines) {
    for (const PlotLine& line : lines) {
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
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
// gets its dot too, and a run of a single day is only that dot.
void GraphCanvas::drawPriceLine(const GraphPicture& picture) {
    HDC dc = canvasDc_.get();
    Selected pen(dc, picture.lineWidth == 1 ? thinPen_.get() : thickPen_.get());
    std::vector<POINT> points;
    for (const std::vector<PlotPoint>& run : picture.priceLine) {
        if (run.size() > 1) {
            points.clear();
            for (const PlotPoint& p : run) points.push_back({p.x, p.y});
            Polyline(dc, points.data(), static_cast<int>(points.size()));
        }
        if (!run.empty()) drawDot(dc, run.back(), picture.lineWidth, yellow_.get());
    }
}

void GraphCanvas::drawAxes(const GraphPicture& picture) {
    HDC dc = canvasDc_.get();
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    const RECT left = {kAxisStripLeft, kPlotTop, kPlotLeft, kAxisStripBottom};
    const RECT bottom = {kPlotLeft, kPlotBottom, kPlotRight, kAxisStripBottom};
    FillRect(dc, &left, face);
    FillRect(dc, &bottom, face);
    Selected pen(dc, GetStockObject(BLACK_PEN));
    drawLines(dc, picture.leftTicks);
    drawLines(dc, picture.bottomTicks);
}

void GraphCanvas::draw(const GraphPicture& picture) {
    if (!canvas_.get()) return;
    drawBackground(picture.pictureBackground);
    if (!picture.gridLines.empty()) {
        Selected pen(canvasDc_.get(), gridPen_.get());
        drawLines(canvasDc_.get(), picture.gridLines);
    }
    drawPriceLine(picture);
    drawAxes(picture);
}

bool GraphCanvas::copyTo(HDC target) const {
    if (!canvas_.get()) return false;
    const RECT& area = kGraphPaintArea;
    return BitBlt(target, area.left, area.top, kCanvasWidth, kCanvasHeight, canvasDc_.get(), area.left,
                  area.top, SRCCOPY) != 0;
}
