// The rule drawn under a column of right-aligned figures that add up to the one below it.
#pragma once

#include <windows.h>

#include <span>

// Draws, in the device context's pen, a one-pixel rule between the figure `aboveId` and the sum
// `sumId` below it, ending at the sum's right edge and as wide as the widest text of `figureIds` in
// the sum's font, so it spans the figures however wide they grow. Call from the paint handler.
void drawSumRule(HWND dialog, HDC dc, int aboveId, int sumId, std::span<const int> figureIds);
