// The three-dimensional buttons' lines and face, computed from the item rectangle.
#include "runtime/BevelGeometry.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>

namespace {
// The frame and the two bevel rings take three pixels on every side.
constexpr int kBorder = 3;
// The focus frame keeps this far inside the face, clear of the bevel.
constexpr int kFocusInset = 2;
constexpr std::size_t kCaptionLimit = 19;

void addLine(std::vector<BevelLine>& lines, BevelPen pen, int x1, int y1, int x2, int y2) {
    lines.push_back({pen, {x1, y1}, {x2, y2}});
}

// The black frame leaves the four corner pixels untouched, which rounds the button a little.
void addFrame(std::vector<BevelLine>& lines, int x0, int y0, int rx, int by) {
    addLine(lines, BevelPen::kBlack, x0 + 1, y0, rx, y0);
    addLine(lines, BevelPen::kBlack, x0 + 1, by, rx, by);
    addLine(lines, BevelPen::kBlack, x0, y0 + 1, x0, by);
    addLine(lines, BevelPen::kBlack, rx, y0 + 1, rx, by);
}

// Two white rings at the top and left, two shadow rings at the bottom and right.
void addRaisedRings(std::vector<BevelLine>& lines, int x0, int y0, int rx, int by) {
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
void addPressedRings(std::vector<BevelLine>& lines, int x0, int y0, int rx, int by) {
    addLine(lines, BevelPen::kBlack, x0 + 1, y0 + 1, rx, y0 + 1);
    addLine(lines, BevelPen::kBlack, x0 + 1, y0 + 2, x0 + 1, by);
    addLine(lines, BevelPen::kBlack, rx - 1, by - 1, x0, by - 1);
    addLine(lines, BevelPen::kBlack, rx - 1, by - 2, rx - 1, y0);
    addLine(lines, BevelPen::kShadow, x0 + 2, y0 + 2, rx - 1, y0 + 2);
    addLine(lines, BevelPen::kShadow, x0 + 2, y0 + 3, x0 + 2, by - 1);
    addLine(lines, BevelPen::kLight, x0 + 3, y0 + 3, rx - 1, y0 + 3);
    addLine(lines, BevelPen::kLight, x0 + 3, y0 + 4, x0 + 3, by - 1);
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
    const int rx = left + innerWidth + 5;  // the item's last column
    const int by = top + innerHeight + 5;  // the item's last row
    std::vector<BevelLine> lines;
    lines.reserve(12);
    addFrame(lines, left, top, rx, by);
    if (pressed)
        addPressedRings(lines, left, top, rx, by);
    else
        addRaisedRings(lines, left, top, rx, by);
    return lines;
}

ButtonGeometry buttonGeometry(const Rect& item, const ButtonState& state) {
    // A button narrower than its bevel gets an empty face rather than a face turned inside out.
    const int innerWidth = std::max(0, item.width() - 2 * kBorder);
    const int innerHeight = std::max(0, item.height() - 2 * kBorder);
    const int offset = state.pressed ? kBorder + 1 : kBorder;

    ButtonGeometry geometry;
    geometry.contentOrigin = {item.left + offset, item.top + offset};
    geometry.face = {geometry.contentOrigin.x, geometry.contentOrigin.y,
                     geometry.contentOrigin.x + innerWidth, geometry.contentOrigin.y + innerHeight};
    geometry.lines = bevelLines(item.left, item.top, innerWidth, innerHeight, state.pressed);
    geometry.dithered = state.greyed;
    const Rect& face = geometry.face;
    if (state.focused && face.width() > 2 * kFocusInset && face.height() > 2 * kFocusInset)
        geometry.focusFrame = {face.left + kFocusInset, face.top + kFocusInset, face.right - kFocusInset,
                               face.bottom - kFocusInset};
    return geometry;
}

bool ditherSetsPixel(const Rect& face, int x, int y) {
    return ((x - face.left + y) & 1) != 0;
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
