// The arithmetic of drawing a bitmap: its header, its palette size, and where each mode puts it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/Layout.h"

enum BitmapMode : int { kNaturalSize = 0, kStretched = 1, kCentred = 2 };

constexpr uint32_t kInfoHeaderSize = 40;

// What the drawing needs from a device-independent bitmap with a 40-byte information header.
struct DibLayout {
    bool valid = false;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int paletteColours = 0;       // entries of the colour table that become the logical palette
    std::size_t pixelOffset = 0;  // from the start of the header
};

// Reads the header of a bitmap resource (no file header); invalid when it is not a 40-byte header or
// the colour table or pixels would lie outside the resource.
DibLayout readDibLayout(const uint8_t* resource, std::size_t size);

// The colour count of a header: its colours-used field when set, else 2, 16 or 256 by bit depth.
int paletteColourCount(int bitsPerPixel, uint32_t coloursUsed);

// Where a bitmap of the given size lands for a request: natural size at the point, stretched into the
// rectangle, or centred in it when it fits (otherwise stretched). fillAround says the rectangle around
// a centred bitmap is to be filled.
struct BitmapPlacement {
    Rect target;
    bool fillAround = false;
};
BitmapPlacement placeBitmap(int mode, const Rect& request, int bitmapWidth, int bitmapHeight);

bool rectanglesMeet(const Rect& a, const Rect& b);

// The picture buttons' focus-draw counter: the first focus draw after each reset shows nothing.
class FocusDrawCounter {
public:
    // True when this focus draw is to show the focus image.
    bool takeTurn() { return count_++ != 0; }
    void reset() { count_ = 0; }

private:
    unsigned count_ = 0;
};
