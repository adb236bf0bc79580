// Draws a computed price graph: the plot background, grid, price line, axis strips and ticks, built in
// a memory bitmap and copied to the target in one transfer, so a redraw never shows half a picture.
#pragma once

#include <windows.h>

#include "views/Graph.h"

// The client area the graph paints: the plot with the axis strips left of and under it.
constexpr RECT kGraphPaintArea = {kAxisStripLeft, kPlotTop, kPlotRight, kAxisStripBottom};

// Paints the picture onto `target` at its client coordinates; true when the picture was copied.
bool paintGraphPicture(HDC target, const GraphPicture& picture);
