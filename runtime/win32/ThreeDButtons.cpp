// Drawing the raised three-dimensional buttons from the bevel geometry.
#include "runtime/win32/ThreeDButtons.h"

#include <array>

#include "runtime/BevelGeometry.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/WindowState.h"

namespace {

constexpr int kCaptionBuffer = 20;  // the marker is looked for in the first 19 characters

bool isEmpty(const char* name) {
    return !name || !*name;
}

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

HINSTANCE resourceInstance() {
    return windowState().appInstance ? windowState().appInstance : GetModuleHandleA(nullptr);
}

bool drawFaceContents(HDC dc, const ButtonGeometry& geometry, const char* imageName, bool imageIsBitmap,
                      int mode) {
    const Rect& face = geometry.face;
    if (isEmpty(imageName)) {
        Selected brush(dc, GetStockObject(LTGRAY_BRUSH));
        PatBlt(dc, face.left, face.top, face.width(), face.height(), PATCOPY);
        return true;
    }
    if (imageIsBitmap)
        return drawBitmapResource(dc, imageName, face.left, face.top, face.width(), face.height(), SRCCOPY,
                                  mode, BitmapReporter::Runtime) != 0;
    HICON icon = LoadIconA(resourceInstance(), imageName);
    return icon && DrawIcon(dc, geometry.contentOrigin.x, geometry.contentOrigin.y, icon);
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
    drawStateButton(item, ButtonImages{}, kStretched);
    return 1;
}

int drawStateButton(const DRAWITEMSTRUCT& item, const ButtonImages& images, int mode) {
    if (isEmpty(images.focus) && isEmpty(images.pressed) && isEmpty(images.disabled))
        return drawRaisedFace(item, images.normal, true, mode);
    const char* picture = images.normal;
    if ((item.itemState & ODS_DISABLED) && !isEmpty(images.disabled))
        picture = images.disabled;
    else if ((item.itemState & ODS_SELECTED) && !isEmpty(images.pressed))
        picture = images.pressed;
    else if ((item.itemState & ODS_FOCUS) && !isEmpty(images.focus))
        picture = images.focus;
    if (isEmpty(picture)) return 1;
    return drawControlPicture(item, picture, mode);
}

int drawRaisedFace(const DRAWITEMSTRUCT& item, const char* imageName, bool imageIsBitmap, int mode) {
    if (item.CtlType != ODT_BUTTON || !raisedFaceRedrawsFor(item.itemAction)) return 0;
    const ButtonGeometry geometry = buttonGeometry(rectOf(item.rcItem), buttonStateOf(item));
    if (!drawFaceContents(item.hDC, geometry, imageName, imageIsBitmap, mode)) return 0;
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
