// Re-lays a dialog at two pixels to a dialog unit, so pixel-exact drawing and Courier columns fit.
#include "runtime/win32/ClassicUnits.h"

namespace {
// A dialog unit is a quarter of the font's average width and an eighth of its height.
constexpr int kQuartersAcross = 4;
constexpr int kEighthsDown = 8;

struct DialogBase {
    int across;  // pixels of four units across
    int down;    // pixels of eight units down
    int x(int pixels) const { return MulDiv(pixels, kQuartersAcross, across) * kClassicPixelsPerUnit; }
    int y(int pixels) const { return MulDiv(pixels, kEighthsDown, down) * kClassicPixelsPerUnit; }
};

}  // namespace

RECT placeInDialog(HWND dialog, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void layOutInClassicUnits(HWND dialog) {
    RECT units = {0, 0, kQuartersAcross, kEighthsDown};
    if (!MapDialogRect(dialog, &units) || units.right <= 0 || units.bottom <= 0) return;
    // Rounding back to whole units first undoes the rounding the template's placement made.
    const DialogBase base{units.right, units.bottom};
    if (base.across == kQuartersAcross * kClassicPixelsPerUnit &&
        base.down == kEighthsDown * kClassicPixelsPerUnit)
        return;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        // The template's sizes were turned into pixels apart from its positions, so each is turned
        // back on its own: a right edge rounded back would make some controls a unit too wide.
        const RECT r = placeInDialog(dialog, child);
        MoveWindow(child, base.x(r.left), base.y(r.top), base.x(r.right - r.left), base.y(r.bottom - r.top),
                   FALSE);
    }
    RECT client;
    GetClientRect(dialog, &client);
    RECT outer = {0, 0, base.x(client.right), base.y(client.bottom)};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
