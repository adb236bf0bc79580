// A rule as wide as the figures it adds up.
#include "runtime/win32/SumRule.h"

#include <windowsx.h>

#include <algorithm>

#include "runtime/win32/GdiHandles.h"

namespace {
RECT placeOf(HWND dialog, int id) {
    RECT r = {};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int textWidthOf(HWND dialog, HDC dc, int id) {
    char text[64] = "";
    const int length = GetDlgItemTextA(dialog, id, text, sizeof text);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, length, &size);
    return size.cx;
}
}  // namespace

void drawSumRule(HWND dialog, HDC dc, int aboveId, int sumId, std::span<const int> figureIds) {
    const RECT above = placeOf(dialog, aboveId);
    const RECT sum = placeOf(dialog, sumId);
    int widest = 0;
    {
        Selected font(dc, GetWindowFont(GetDlgItem(dialog, sumId)));
        for (int id : figureIds) widest = std::max(widest, textWidthOf(dialog, dc, id));
    }
    const int y = (above.bottom + sum.top) / 2;
    MoveToEx(dc, sum.right - widest, y, nullptr);
    LineTo(dc, sum.right, y);
}
