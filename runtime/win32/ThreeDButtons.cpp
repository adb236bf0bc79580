// Drawing the raised three-dimensional buttons from the bevel geometry.
#include "runtime/win32/ThreeDButtons.h"

#include <array>

#include "runtime/BevelGeometry.h"
#include "runtime/win32/GdiHandles.h"

namespace {

constexpr int kCaptionBuffer = 20;  // the marker is looked for in the first 19 characters

// Deeper displays answer -1 for their colour count; only a true two-colour device loses the greys.
BevelColours coloursOf(HDC dc) {
    const int bitsPerPixel = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
    return bevelColoursFor(isTwoColourDevice(GetDeviceCaps(dc, NUMCOLORS), bitsPerPixel));
}

Rect rectOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

ButtonState buttonStateOf(const DRAWITEMSTRUCT& item) {
    return {.pressed = (item.itemState & ODS_SELECTED) != 0,
            .focused = (item.itemState & ODS_FOCUS) != 0,
            .greyed = (item.itemState & ODS_DISABLED) != 0};
}

void fillFace(HDC dc, const Rect& face) {
    Selected brush(dc, GetStockObject(LTGRAY_BRUSH));
    PatBlt(dc, face.left, face.top, face.width(), face.height(), PATCOPY);
}

// Every other pixel of the whole face, in a colour the face does not have, so a greyed button shows.
void ditherFace(HDC dc, const Rect& face, COLORREF dither) {
    for (int y = face.top; y < face.bottom; ++y)
        for (int x = face.left; x < face.right; ++x)
            if (ditherSetsPixel(face, x, y)) SetPixelV(dc, x, y, dither);
}
}  // namespace

int handleThreeDButtonDraw(HWND /*dialog*/, const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return 0;
    char caption[kCaptionBuffer] = "";
    GetWindowTextA(item.hwndItem, caption, kCaptionBuffer);
    if (!isThreeDButtonCaption(caption)) return 0;
    drawRaisedFace(item);
    return 1;
}

int drawRaisedFace(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON || !raisedFaceRedrawsFor(item.itemAction)) return 0;
    const ButtonGeometry geometry = buttonGeometry(rectOf(item.rcItem), buttonStateOf(item));
    fillFace(item.hDC, geometry.face);
    if (geometry.dithered) ditherFace(item.hDC, geometry.face, coloursOf(item.hDC).dither);
    if (geometry.focusFrame.width() > 0 && !(item.itemState & ODS_NOFOCUSRECT)) {
        const Rect& f = geometry.focusFrame;
        const RECT frame = {f.left, f.top, f.right, f.bottom};
        DrawFocusRect(item.hDC, &frame);
    }
    return drawBevel(item.hDC, item.rcItem.left, item.rcItem.top, geometry.face.width(),
                     geometry.face.height(), (item.itemState & ODS_SELECTED) != 0);
}

int drawBevel(HDC dc, int left, int top, int innerWidth, int innerHeight, bool pressed) {
    const BevelColours colours = coloursOf(dc);
    const std::array<OwnedPen, 4> pens = {
        OwnedPen(CreatePen(PS_SOLID, 1, colours.of(BevelPen::kBlack))),
        OwnedPen(CreatePen(PS_SOLID, 1, colours.of(BevelPen::kWhite))),
        OwnedPen(CreatePen(PS_SOLID, 1, colours.of(BevelPen::kShadow))),
        OwnedPen(CreatePen(PS_SOLID, 1, colours.of(BevelPen::kLight))),
    };
    const HGDIOBJ previous = GetCurrentObject(dc, OBJ_PEN);
    for (const BevelLine& line : bevelLines(left, top, innerWidth, innerHeight, pressed)) {
        SelectObject(dc, pens[static_cast<int>(line.pen)].get());
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
    SelectObject(dc, previous);
    return 1;
}
