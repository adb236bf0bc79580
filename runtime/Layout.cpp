// Placement and layout rules of hosted dialogs and bars, free of any window calls.
#include "runtime/Layout.h"

#include <algorithm>

namespace {
constexpr uint32_t kBarKeepMask = 0x5EFFFFFD;  // drops WS_POPUP, WS_MINIMIZE, WS_MAXIMIZE, DS_SYSMODAL
constexpr uint32_t kClientKeepMask =
    0x5E33FF7D;                               // also drops the caption, system menu, frame and modal frame
constexpr uint32_t kChildStyle = 0x44000000;  // WS_CHILD | WS_CLIPSIBLINGS
}  // namespace

Point centredOrigin(int screenWidth, int screenHeight, const Rect& window) {
    return {(screenWidth - window.right + window.left) / 2, (screenHeight - window.bottom + window.top) / 2};
}

Point keptOnScreen(int screenWidth, int screenHeight, int x, int y, int width, int height) {
    if (width <= screenWidth && x + width > screenWidth) x = screenWidth - width;
    if (height <= screenHeight && y + height > screenHeight) y = screenHeight - height;
    return {x, y};
}

uint32_t hostedChildStyle(uint32_t templateStyle, int kind) {
    const uint32_t keep = kind == kClientDialog ? kClientKeepMask : kBarKeepMask;
    return (templateStyle & keep) | kChildStyle;
}

Size frameSizeForClient(const Size& frame, const Size& frameClient, const Size& dialog,
                        const BarSizes& bars) {
    return {frame.width + (dialog.width - frameClient.width) + bars.left + bars.right,
            frame.height + (dialog.height - frameClient.height) + bars.top + bars.bottom};
}

Rect layoutRectFor(int kind, int width, int height, const BarSizes& bars, const Size& childSize,
                   bool fullWidth) {
    switch (kind) {
        case kTopBar:
        case kBottomBar: {
            const int left = fullWidth ? 0 : bars.left;
            const int right = fullWidth ? width : width - bars.right;
            const int top = kind == kTopBar ? 0 : height - childSize.height;
            return {left, top, right, top + childSize.height};
        }
        case kLeftBar:
        case kRightBar: {
            const int top = fullWidth ? bars.top : 0;
            const int bottom = fullWidth ? height - bars.bottom : height;
            const int left = kind == kLeftBar ? 0 : width - childSize.width;
            return {left, top, left + childSize.width, bottom};
        }
        case kClientDialog:
            return {bars.left, bars.top, width - bars.right, height - bars.bottom};
        default:
            return {};
    }
}

int Scale::of(int value) const {
    if (denominator <= 0) return value;
    const int64_t product = static_cast<int64_t>(value) * numerator;
    const int64_t half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

PageFit fitPage(const Rect& area, const Size& page, const Size& frame) {
    const int roomWidth = std::max(area.width() - frame.width, 1);
    const int roomHeight = std::max(area.height() - frame.height, 1);
    Scale scale;
    if (page.width > roomWidth || page.height > roomHeight) {
        // The side with less room for its length decides; the other then fits too.
        const bool widthDecides =
            static_cast<int64_t>(roomWidth) * page.height <= static_cast<int64_t>(roomHeight) * page.width;
        scale = widthDecides ? Scale{roomWidth, page.width} : Scale{roomHeight, page.height};
    }
    const int width = scale.of(page.width) + frame.width, height = scale.of(page.height) + frame.height;
    const int left = area.left + (area.width() - width) / 2, top = area.top + (area.height() - height) / 2;
    return {{left, top, left + width, top + height}, scale};
}
