// Draws a computed price graph: the plot background, grid, price line, axis strips and ticks, built on
// an off-screen canvas and copied to the screen in one transfer, so a redraw never shows half a picture.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/win32/GdiHandles.h"
#include "views/Graph.h"

// The client area the graph paints: the plot with the axis strips left of and under it.
constexpr RECT kGraphPaintArea = {kAxisStripLeft, kPlotTop, kPlotRight, kAxisStripBottom};
constexpr RECT kPlotArea = {kPlotLeft, kPlotTop, kPlotRight, kPlotBottom};

// What one opening of the graph screen draws with. The "GRAPDARK" picture cannot change while the game
// runs, so it is decoded once here; the pens, brushes and canvas are made once too, and the axis strips
// stay on the canvas (and on the screen) until their ticks change. A new picture then costs a copy of
// the background, its lines and a copy of the plot to the screen; a repaint only that last copy.
class GraphCanvas {
public:
    // Surfaces in the format of `screen`, a device context of the window the graph is painted on.
    explicit GraphCanvas(HDC screen);
    GraphCanvas(const GraphCanvas&) = delete;
    GraphCanvas& operator=(const GraphCanvas&) = delete;

    // Whether the canvas's axes are those of `picture`, in the present button face colour.
    bool keepsAxesOf(const GraphPicture& picture) const;
    // The part of the paint area that drawing `picture` next changes: the plot, or all of it when the
    // axes change too. The screen invalidates it.
    RECT partChangedBy(const GraphPicture& picture) const;
    // Draws `picture` on the canvas for the paints that follow.
    void draw(const GraphPicture& picture);
    // Copies what `part` holds of the canvas onto `target` at its client coordinates; true when
    // something was copied.
    bool copyTo(HDC target, const RECT& part = kGraphPaintArea) const;

private:
    void drawAxes(const GraphPicture& picture);
    void drawBackground(bool picture);
    void drawPriceLine(const GraphPicture& picture);

    // Declared in the order they are made, so each selection is undone before its object goes.
    MemoryDc canvasDc_;
    OwnedBitmap canvas_;
    Selected onCanvas_;
    MemoryDc backgroundDc_;
    OwnedBitmap background_;
    Selected onBackground_;
    bool hasBackground_ = false;  // false when "GRAPDARK" could not be drawn: the navy fill stands in
    OwnedPen gridPen_;
    OwnedPen thinPen_;
    OwnedPen thickPen_;
    OwnedBrush navy_;
    OwnedBrush yellow_;
    // The axes on the canvas: none yet, or these ticks on this face colour.
    bool axesDrawn_ = false;
    COLORREF axesFace_ = 0;
    std::vector<PlotLine> leftTicksDrawn_;
    std::vector<PlotLine> bottomTicksDrawn_;
};
