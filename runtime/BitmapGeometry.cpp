// Bitmap header reading and the placement rules of the drawing modes.
#include "runtime/BitmapGeometry.h"

#include <cstring>

namespace {
template <class T>
T readAt(const uint8_t* bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);  // resources are little-endian, as is x86
    return value;
}
}  // namespace

int paletteColourCount(int bitsPerPixel, uint32_t coloursUsed) {
    if (coloursUsed != 0) return static_cast<int>(coloursUsed);
    switch (bitsPerPixel) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

DibLayout readDibLayout(const uint8_t* resource, std::size_t size) {
    DibLayout layout;
    if (!resource || size < kInfoHeaderSize || readAt<uint32_t>(resource, 0) != kInfoHeaderSize)
        return layout;
    layout.width = readAt<int32_t>(resource, 4);
    layout.height = readAt<int32_t>(resource, 8);
    layout.bitsPerPixel = readAt<uint16_t>(resource, 14);
    const uint32_t coloursUsed = readAt<uint32_t>(resource, 32);
    // A colour table larger than 8 bits can address is a damaged header, not a palette to build.
    if (coloursUsed > 256) return layout;
    layout.paletteColours = paletteColourCount(layout.bitsPerPixel, coloursUsed);
    layout.pixelOffset = kInfoHeaderSize + 4u * static_cast<std::size_t>(layout.paletteColours);
    const long long absHeight = layout.height < 0 ? -static_cast<long long>(layout.height) : layout.height;
    const long long stride = ((static_cast<long long>(layout.width) * layout.bitsPerPixel + 31) / 32) * 4;
    const bool sane =
        layout.width > 0 && absHeight > 0 && layout.bitsPerPixel > 0 && layout.bitsPerPixel <= 32;
    layout.valid = sane && layout.pixelOffset + static_cast<std::size_t>(stride * absHeight) <= size;
    return layout;
}

BitmapPlacement placeBitmap(int mode, const Rect& request, int bitmapWidth, int bitmapHeight) {
    const bool fits = bitmapWidth <= request.width() && bitmapHeight <= request.height();
    if (mode == kCentred && fits) {
        const int left = request.left + (request.width() - bitmapWidth) / 2;
        const int top = request.top + (request.height() - bitmapHeight) / 2;
        return {{left, top, left + bitmapWidth, top + bitmapHeight}, true};
    }
    if (mode == kStretched || mode == kCentred) return {request, false};
    return {{request.left, request.top, request.left + bitmapWidth, request.top + bitmapHeight}, false};
}

bool rectanglesMeet(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
