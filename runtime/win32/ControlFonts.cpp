// Control fonts and the brushes of the colour requests.
#include "runtime/win32/ControlFonts.h"

#include <vector>

#include "runtime/ColourScheme.h"

namespace {
constexpr int kClassNameRead = 20;  // 19 characters and the terminator

HWND controlOf(HWND dialog, int controlId) {
    return dialog ? GetDlgItem(dialog, controlId) : nullptr;
}

BOOL CALLBACK collectChild(HWND child, LPARAM context) {
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(child);
    return TRUE;
}

int releaseFontOf(HWND control) {
    if (!control) return 0;
    HFONT font = static_cast<HFONT>(GetPropA(control, kControlFontProperty));
    if (!font) return 0;
    SendMessageA(control, WM_SETFONT, 0, FALSE);
    DeleteObject(font);
    RemovePropA(control, kControlFontProperty);
    return 1;
}
}  // namespace

int setControlFont(HWND dialog, int controlId, const FontSpec& wanted) {
    HWND control = controlOf(dialog, controlId);
    if (!control) return 0;
    HFONT font = CreateFontA(wanted.height, 0, 0, 0, wanted.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, wanted.face);
    if (!font) return 0;
    // A second font for the same control replaces the first, which would otherwise never be deleted.
    HFONT earlier = static_cast<HFONT>(GetPropA(control, kControlFontProperty));
    SetPropA(control, kControlFontProperty, font);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (earlier) DeleteObject(earlier);
    return 1;
}

void applyFonts(HWND dialog, const FontSpec* table, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) setControlFont(dialog, table[i].controlId, table[i]);
}

void releaseDialogFonts(HWND dialog) {
    std::vector<HWND> children;
    EnumChildWindows(dialog, collectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        if (GetParent(child) != dialog) continue;  // controls of a nested dialog are its own
        releaseFontOf(child);                      // labels often share one id, so go by window, not by id
    }
}

HBRUSH stockBrushForColours(HWND control, int stockObject) {
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(stockObject));
    return brush ? brush : defaultBrushForClass(control);
}

HBRUSH defaultBrushForClass(HWND window) {
    if (HBRUSH grey = greyBrushForClass(window, nullptr)) return grey;
    if (HBRUSH own = reinterpret_cast<HBRUSH>(GetClassLongPtrA(window, GCLP_HBRBACKGROUND))) return own;
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

HBRUSH greyBrushForClass(HWND window, HDC dc) {
    static const HBRUSH lightGrey = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    char className[kClassNameRead] = "";
    if (!window || !GetClassNameA(window, className, sizeof className)) return nullptr;
    if (!greySchemeApplies(kRuntimeOptions, className)) return nullptr;
    if (dc) SetBkColor(dc, RGB(192, 192, 192));
    return lightGrey;
}
