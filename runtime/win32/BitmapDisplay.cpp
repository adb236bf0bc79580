// Palette bitmaps: found, decoded and drawn afresh on each request, every GDI object released.
#include "runtime/win32/BitmapDisplay.h"

#include <cstdlib>
#include <vector>

#include "resources/resource.h"
#include "runtime/win32/DialogHost.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/MessageBoxes.h"

namespace {
HINSTANCE& resourceModule() {
    static HINSTANCE module = nullptr;
    return module;
}

FocusDrawCounter& focusDrawCounter() {
    static FocusDrawCounter counter;
    return counter;
}

void reportMissing(const char* name, BitmapReporter reporter) {
    if (reporter == BitmapReporter::Game)
        showNotice(GetActiveWindow(), {"Cannot Load Bitmap", name, NoticeIcon::Information});
    else
        reportError(GetActiveWindow(), IDS_ERR_BITMAP, name, MB_ICONINFORMATION);
}

OwnedPalette paletteOf(const uint8_t* header, const DibLayout& layout) {
    if (layout.paletteColours == 0) return OwnedPalette();
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * layout.paletteColours);
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(layout.paletteColours);
    const uint8_t* entry = header + kInfoHeaderSize;
    for (int i = 0; i < layout.paletteColours; ++i, entry += 4)
        palette->palPalEntry[i] = {entry[2], entry[1], entry[0], 0};  // stored blue, green, red
    return OwnedPalette(CreatePalette(palette));
}

void fillAroundCentred(HDC dc, const Rect& request, const Rect& target) {
    HBRUSH grey = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    const RECT bands[] = {{request.left, request.top, request.right, target.top},
                          {request.left, target.bottom, request.right, request.bottom},
                          {request.left, target.top, target.left, target.bottom},
                          {target.right, target.top, request.right, target.bottom}};
    for (const RECT& band : bands)
        if (band.right > band.left && band.bottom > band.top) FillRect(dc, &band, grey);
}

int drawDib(HDC dc, const uint8_t* header, const DibLayout& layout, const Rect& request, DWORD rop,
            int mode) {
    OwnedPalette palette = paletteOf(header, layout);
    SelectedPalette realised(dc, palette.get());
    const BitmapPlacement place = placeBitmap(mode, request, layout.width, std::abs(layout.height));
    if (place.fillAround) fillAroundCentred(dc, request, place.target);
    // Shrunk (a page over a smaller main window), a picture averages the pixels it drops rather than
    // letting dark ones win; drawn at its own size or larger, every pixel stays as it is.
    POINT corners[2] = {{place.target.left, place.target.top}, {place.target.right, place.target.bottom}};
    LPtoDP(dc, corners, 2);
    const bool shrunk = std::abs(corners[1].x - corners[0].x) < layout.width ||
                        std::abs(corners[1].y - corners[0].y) < std::abs(layout.height);
    const int oldMode = shrunk ? SetStretchBltMode(dc, HALFTONE) : 0;
    if (shrunk) SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, place.target.left, place.target.top, place.target.width(), place.target.height(), 0, 0,
                  layout.width, std::abs(layout.height), header + layout.pixelOffset,
                  reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS, rop);
    if (oldMode) SetStretchBltMode(dc, oldMode);
    return 1;
}

// Bitmaps in another header form are drawn as device bitmaps through a memory context.
int drawDeviceBitmap(HDC dc, HINSTANCE module, const char* name, const Rect& request, DWORD rop, int mode) {
    OwnedBitmap bitmap(static_cast<HBITMAP>(LoadImageA(module, name, IMAGE_BITMAP, 0, 0, 0)));
    MemoryDc memory(CreateCompatibleDC(dc));
    if (!bitmap.get() || !memory.get()) return 0;
    Selected inMemory(memory.get(), bitmap.get());
    BITMAP info = {};
    GetObjectA(bitmap.get(), sizeof info, &info);
    const BitmapPlacement place = placeBitmap(mode, request, info.bmWidth, info.bmHeight);
    if (mode == kStretched || (mode == kCentred && !place.fillAround))
        StretchBlt(dc, request.left, request.top, request.width(), request.height(), memory.get(), 0, 0,
                   info.bmWidth, info.bmHeight, rop);
    else
        BitBlt(dc, place.target.left, place.target.top, request.width(), request.height(), memory.get(), 0, 0,
               rop);
    return 1;
}

HRSRC findBitmap(HINSTANCE module, const char* name) {
    return FindResourceA(module, name, MAKEINTRESOURCEA(2));  // RT_BITMAP
}

HINSTANCE bitmapModule() {
    return resourceModule() ? resourceModule() : GetModuleHandleA(nullptr);
}

void reportIfMissing(const char* name, BitmapReporter reporter) {
    if (!findBitmap(bitmapModule(), name)) reportMissing(name, reporter);
}

bool canCopyBitmaps(HDC dc) {
    return (GetDeviceCaps(dc, RASTERCAPS) & RC_BITBLT) != 0;
}
}  // namespace

void setBitmapResourceModule(HINSTANCE module) {
    resourceModule() = module;
}

int drawBitmapResource(HDC dc, const char* name, int x, int y, int width, int height, DWORD rasterOperation,
                       int mode) {
    HINSTANCE module = bitmapModule();
    HRSRC resource = findBitmap(module, name);
    if (!resource) return 0;
    HGLOBAL loaded = LoadResource(module, resource);
    const auto* bytes = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
    if (!bytes) return 0;
    const Rect request{x, y, x + width, y + height};
    const DibLayout layout = readDibLayout(bytes, SizeofResource(module, resource));
    if (layout.valid) return drawDib(dc, bytes, layout, request, rasterOperation, mode);
    return drawDeviceBitmap(dc, module, name, request, rasterOperation, mode);
}

int paintWindowBackground(HWND window, const PAINTSTRUCT& paint, const char* name, int controlId, int mode,
                          bool overControl) {
    if (!canCopyBitmaps(paint.hdc)) return 0;
    RECT area;
    if (overControl) {
        HWND control = GetDlgItem(window, controlId);
        if (!control) return 0;
        GetWindowRect(control, &area);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&area), 2);
    } else {
        GetClientRect(window, &area);
    }
    const Rect target{area.left, area.top, area.right, area.bottom};
    const Rect dirty{paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom};
    if (!rectanglesMeet(target, dirty)) return 1;  // nothing of it needs repainting
    return drawBitmapResource(paint.hdc, name, target.left, target.top, target.width(), target.height(),
                              SRCCOPY, mode);
}

int drawControlPicture(const DRAWITEMSTRUCT& item, const char* name, int mode) {
    if (!canCopyBitmaps(item.hDC)) return 0;
    const RECT& r = item.rcItem;
    return drawBitmapResource(item.hDC, name, r.left, r.top, r.right - r.left, r.bottom - r.top, SRCCOPY,
                              mode);
}

void drawPictureButton(const DRAWITEMSTRUCT& item, const char* focusImage, const char* pressedImage) {
    if ((item.itemState & ODS_FOCUS) && focusDrawCounter().takeTurn())
        drawBitmapResource(item.hDC, focusImage, 0, 1, 0, 0, SRCCOPY, kNaturalSize);
    if (item.itemState & ODS_SELECTED)
        drawBitmapResource(item.hDC, pressedImage, 0, 1, 0, 0, SRCCOPY, kNaturalSize);
}

void drawPictureButtonOver(HWND screen, const DRAWITEMSTRUCT& item, const char* background, int mode,
                           std::span<const PictureButton> buttons) {
    RECT client = {};
    if (mode == kStretched) GetClientRect(screen, &client);  // natural size needs no size of its own
    POINT origin = {0, 0};
    MapWindowPoints(item.hwndItem, screen, &origin, 1);
    drawBitmapResource(item.hDC, background, -origin.x, -origin.y, client.right, client.bottom, SRCCOPY,
                       mode);
    // A shrunk page's button images shrink with it.
    const ScaledDrawing scaled(item.hDC, pageScaleOf(screen));
    for (const PictureButton& button : buttons)
        if (static_cast<int>(item.CtlID) == button.id)
            drawPictureButton(item, button.focusImage, button.pressedImage);
}

void reportMissingPictures(std::span<const ScreenPicture> pictures) {
    for (const ScreenPicture& picture : pictures) reportIfMissing(picture.name, picture.reporter);
}

void reportMissingPictures(std::span<const PictureButton> buttons) {
    for (const PictureButton& button : buttons) {
        reportIfMissing(button.focusImage, BitmapReporter::Game);
        reportIfMissing(button.pressedImage, BitmapReporter::Game);
    }
}

void resetFocusDrawCounter() {
    focusDrawCounter().reset();
}
