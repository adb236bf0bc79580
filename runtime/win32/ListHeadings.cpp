// Headings moved over the columns of a fixed-pitch list, in the width of the face the list really got.
#include "runtime/win32/ListHeadings.h"

#include <windowsx.h>

#include "runtime/win32/ClassicUnits.h"
#include "runtime/win32/GdiHandles.h"

namespace {
void moveControlTo(HWND control, int x, int y) {
    SetWindowPos(control, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
}  // namespace

void placeHeadingsOverColumns(HWND dialog, int listId, int nameHeadingId,
                              std::span<const ColumnHeading> headings) {
    HWND list = GetDlgItem(dialog, listId);
    WindowDc dc(list);
    Selected font(dc.get(), GetWindowFont(list));
    SIZE character = {};
    if (!GetTextExtentPoint32A(dc.get(), "0", 1, &character) || character.cx <= 0) return;
    POINT textOrigin = {0, 0};
    MapWindowPoints(list, dialog, &textOrigin, 1);
    for (const ColumnHeading& heading : headings) {
        HWND control = GetDlgItem(dialog, heading.id);
        const RECT r = placeInDialog(dialog, control);
        const int centre = textOrigin.x + (heading.firstChar + heading.lastChar + 1) * character.cx / 2;
        moveControlTo(control, centre - (r.right - r.left) / 2, r.top);
    }
    HWND name = GetDlgItem(dialog, nameHeadingId);
    moveControlTo(name, textOrigin.x, placeInDialog(dialog, name).top);
}
