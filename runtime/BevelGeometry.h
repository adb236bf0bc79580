// The geometry of the raised three-dimensional buttons: which lines the bevel draws in which pen, where
// the face and its contents go, and where a greyed button's checkerboard lies. Drawing is left to the
// Win32 side; everything here is plain arithmetic on the button's rectangle and state.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/Layout.h"

// A colour as the platform packs it: 0x00BBGGRR.
constexpr uint32_t packColour(int red, int green, int blue) {
    return static_cast<uint32_t>(red) | (static_cast<uint32_t>(green) << 8) |
           (static_cast<uint32_t>(blue) << 16);
}

// The four pens of the bevel.
enum class BevelPen { kBlack, kWhite, kShadow, kLight };

struct BevelColours {
    uint32_t black = packColour(0, 0, 0);
    uint32_t white = packColour(255, 255, 255);
    uint32_t shadow = packColour(127, 127, 127);
    uint32_t light = packColour(192, 192, 192);
    // Greyed buttons are dithered with this; it differs from the light-grey face so the dither shows.
    uint32_t dither = packColour(127, 127, 127);
    uint32_t of(BevelPen pen) const;
};

// True only for a device that really has two colours: a colour count of 1 or 2, or one bit per pixel
// (bits per pixel times planes). Deeper displays answer -1 for their colour count and keep the greys.
bool isTwoColourDevice(int numColours, int bitsPerPixel);

// On a two-colour device the greys become white and the dither black, which still shows on the face.
BevelColours bevelColoursFor(bool twoColour);

// A one-pixel solid line from `from` up to but not including `to`.
struct BevelLine {
    BevelPen pen;
    Point from;
    Point to;
};

struct ButtonState {
    bool pressed = false;
    bool focused = false;  // shown by a dotted frame inside the face, so a keyboard player can find it
    bool greyed = false;
};

struct ButtonGeometry {
    Rect face;                     // filled with the face brush, or where the bitmap is drawn
    Point contentOrigin;           // top-left corner of an icon; the face's corner
    std::vector<BevelLine> lines;  // in drawing order, drawn after the face
    bool dithered = false;         // a greyed button: the checkerboard covers the whole face
    Rect focusFrame;               // inside the face, empty unless the button has the focus
};

// The whole drawing of a button whose item rectangle is `item`. The face's contents move one pixel
// down and right while the button is pressed.
ButtonGeometry buttonGeometry(const Rect& item, const ButtonState& state);

// The bevel alone, for a face of innerWidth x innerHeight whose frame starts at (left, top).
std::vector<BevelLine> bevelLines(int left, int top, int innerWidth, int innerHeight, bool pressed);

// Whether the greyed checkerboard sets the pixel (x, y) of a face: every other pixel, the first pixel of
// a row set on odd rows.
bool ditherSetsPixel(const Rect& face, int x, int y);

// Captions that mark a button as the runtime's three-dimensional button ("WMP3DBUTTON", any case; at most
// 19 characters of the caption are read).
bool isThreeDButtonCaption(const char* caption);

// Owner-draw action bits; the raised face is drawn whole for each of them, a focus change included,
// since the face carries the focus frame.
constexpr unsigned kDrawEntire = 1;
constexpr unsigned kSelectionChanged = 2;
constexpr unsigned kFocusChanged = 4;
bool raisedFaceRedrawsFor(unsigned action);
