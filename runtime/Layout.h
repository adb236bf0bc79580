// Window placement arithmetic of the runtime: centring, keeping on screen, hosting and bar layout.
#pragma once

#include <cstdint>

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

struct Point {
    int x = 0;
    int y = 0;
};

// Kinds of runtime window, as answered to the toolbar query.
enum WindowKind : int {
    kNotRuntimeWindow = 0,
    kTopBar = 1,
    kBottomBar = 2,
    kLeftBar = 3,
    kRightBar = 4,
    kClientDialog = 5,
    kOrdinaryDialog = 6,
};

struct BarSizes {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where a window goes to stand in the middle of the screen; the divisions truncate toward zero, so
// a window wider than the screen gets a negative x.
Point centredOrigin(int screenWidth, int screenHeight, const Rect& window);

// A window that fits the screen but would pass its right or bottom edge is pulled back onto it.
Point keptOnScreen(int screenWidth, int screenHeight, int x, int y, int width, int height);

// The window style of a dialog template made into a hosted child of the given kind (1 to 5).
uint32_t hostedChildStyle(uint32_t templateStyle, int kind);

// The frame's new outer size once its client area holds the dialog and the bars.
struct Size {
    int width = 0;
    int height = 0;
};
Size frameSizeForClient(const Size& frame, const Size& frameClient, const Size& dialog, const BarSizes& bars);

// The rectangle of a child of the given kind in a frame whose client area is width x height.
// childSize is the child's present size; the full-width flag lets top and bottom bars span the corners.
Rect layoutRectFor(int kind, int width, int height, const BarSizes& bars, const Size& childSize,
                   bool fullWidth);

// A whole-number ratio by which a page's picture, controls and fonts shrink alike.
struct Scale {
    int numerator = 1;
    int denominator = 1;
    // value x numerator / denominator, rounded to the nearest whole number, halves away from zero.
    int of(int value) const;
    bool isOne() const { return numerator == denominator; }
};

// Where a page the size of its picture goes to show whole inside an area (the main window's client
// area): at its own size when it fits, else shrunk to the largest size that fits, its shape kept; centred
// in the area. frame is what the window adds around its client area.
struct PageFit {
    Rect window;
    Scale scale;
};
PageFit fitPage(const Rect& area, const Size& page, const Size& frame);
