// The three-dimensional buttons' lines and face, computed from the item rectangle.
#include "runtime/BevelGeometry.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstddef>
#include <string>

namespace {
// The frame and the two bevel rings take three pixels on every side.
constexpr int kBorder = 3;
// The focus frame keeps this far inside the face, clear of the bevel.
constexpr int kFocusInset = 2;
constexpr std::size_t kCaptionLimit = 19;

// Positions are worked out 64 bits wide and held to the int range, so a rectangle at either end of that
// range, or wider than it, gives lines and a face that lie where the arithmetic says, never wrapped
// round to the other end.
using Wide = long long;

int held(Wide value) {
    return static_cast<int>(std::clamp<Wide>(value, INT_MIN, INT_MAX));
}

void addLine(std::vector<BevelLine>& lines, BevelPen pen, Wide x1, Wide y1, Wide x2, Wide y2) {
    lines.push_back({pen, {held(x1), held(y1)}, {held(x2), held(y2)}});
}

// The black frame leaves the four corner pixels untouched, which rounds the button a little.
void addFrame(std::vector<BevelLine>& lines, Wide x0, Wide y0, Wide rx, Wide by) {
    addLine(lines, BevelPen::kBlack, x0 + 1, y0, rx, y0);
    addLine(lines, BevelPen::kBlack, x0 + 1, by, rx, by);
    addLine(lines, BevelPen::kBlack, x0, y0 + 1, x0, by);
    addLine(lines, BevelPen::kBlack, rx, y0 + 1, rx, by);
}

// Two white rings at the top and left, two shadow rings at the bottom and right.
void addRaisedRings(std::vector<BevelLine>& lines, Wide x0, Wide y0, Wide rx, Wide by) {
    addLine(lines, BevelPen::kWhite, x0 + 1, y0 + 1, rx - 1, y0 + 1);
    addLine(lines, BevelPen::kWhite, x0 + 1, y0 + 2, x0 + 1, by - 1);
    addLine(lines, BevelPen::kWhite, x0 + 2, y0 + 2, rx - 2, y0 + 2);
    addLine(lines, BevelPen::kWhite, x0 + 2, y0 + 3, x0 + 2, by - 2);
    addLine(lines, BevelPen::kShadow, rx - 1, by - 1, x0, by - 1);
    addLine(lines, BevelPen::kShadow, rx - 1, by - 2, rx - 1, y0);
    addLine(lines, BevelPen::kShadow, rx - 2, by - 2, x0 + 1, by - 2);
    addLine(lines, BevelPen::kShadow, rx - 2, by - 3, rx - 2, y0 + 1);
}

// A pressed button is sunk: a second black ring, then shadow and light at the top and left.
void addPressedRings(std::vector<BevelLine>& lines, Wide x0, Wide y0, Wide rx, Wide by) {
    addLine(lines, BevelPen::kBlack, x0 + 1, y0 + 1, rx, y0 + 1);
    addLine(lines, BevelPen::kBlack, x0 + 1, y0 + 2, x0 + 1, by);
    addLine(lines, BevelPen::kBlack, rx - 1, by - 1, x0, by - 1);
    addLine(lines, BevelPen::kBlack, rx - 1, by - 2, rx - 1, y0);
    addLine(lines, BevelPen::kShadow, x0 + 2, y0 + 2, rx - 1, y0 + 2);
    addLine(lines, BevelPen::kShadow, x0 + 2, y0 + 3, x0 + 2, by - 1);
    addLine(lines, BevelPen::kLight, x0 + 3, y0 + 3, rx - 1, y0 + 3);
    addLine(lines, BevelPen::kLight, x0 + 3, y0 + 4, x0 + 3, by - 1);
}

// The bevel of a frame whose last column and row are rx and by.
std::vector<BevelLine> bevelWithin(Wide x0, Wide y0, Wide rx, Wide by, bool pressed) {
    std::vector<BevelLine> lines;
    lines.reserve(12);
    addFrame(lines, x0, y0, rx, by);
    if (pressed)
        addPressedRings(lines, x0, y0, rx, by);
    else
        addRaisedRings(lines, x0, y0, rx, by);
    return lines;
}
}  // namespace

uint32_t BevelColours::of(BevelPen pen) const {
    switch (pen) {
        case BevelPen::kBlack:
            return black;
        case BevelPen::kWhite:
            return white;
        case BevelPen::kShadow:
            return shadow;
        case BevelPen::kLight:
            return light;
    }
    return black;
}

bool isTwoColourDevice(int numColours, int bitsPerPixel) {
    return (numColours > 0 && numColours <= 2) || bitsPerPixel == 1;
}

BevelColours bevelColoursFor(bool twoColour) {
    BevelColours colours;
    if (twoColour) {
        colours.shadow = colours.white;
        colours.light = colours.white;
        colours.dither = colours.black;
    }
    return colours;
}

std::vector<BevelLine> bevelLines(int left, int top, int innerWidth, int innerHeight, bool pressed) {
    return bevelWithin(left, top, Wide{left} + innerWidth + 5, Wide{top} + innerHeight + 5, pressed);
}

ButtonGeometry buttonGeometry(const Rect& item, const ButtonState& state) {
    // A button narrower than its bevel gets an empty face rather than a face turned inside out.
    const Wide innerWidth = std::max<Wide>(0, Wide{item.right} - item.left - Wide{2} * kBorder);
    const Wide innerHeight = std::max<Wide>(0, Wide{item.bottom} - item.top - Wide{2} * kBorder);
    const Wide offset = state.pressed ? kBorder + 1 : kBorder;
    const Wide faceLeft = item.left + offset;
    const Wide faceTop = item.top + offset;

    ButtonGeometry geometry;
    geometry.contentOrigin = {held(faceLeft), held(faceTop)};
    geometry.face = {held(faceLeft), held(faceTop), held(faceLeft + innerWidth), held(faceTop + innerHeight)};
    geometry.lines = bevelWithin(item.left, item.top, item.left + innerWidth + 5, item.top + innerHeight + 5,
                                 state.pressed);
    geometry.dithered = state.greyed;
    if (state.focused && innerWidth > Wide{2} * kFocusInset && innerHeight > Wide{2} * kFocusInset)
        geometry.focusFrame = {held(faceLeft + kFocusInset), held(faceTop + kFocusInset),
                               held(faceLeft + innerWidth - kFocusInset),
                               held(faceTop + innerHeight - kFocusInset)};
    return geometry;
}

bool ditherSetsPixel(const Rect& face, int x, int y) {
    return ((Wide{x} - face.left + y) & 1) != 0;
}

bool isThreeDButtonCaption(const char* caption) {
    if (!caption) return false;
    std::string read;
    for (std::size_t i = 0; caption[i] && i < kCaptionLimit; ++i)
        read += static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i])));
    return read == "WMP3DBUTTON";
}

bool raisedFaceRedrawsFor(unsigned action) {
    return (action & (kDrawEntire | kSelectionChanged | kFocusChanged)) != 0;
}
