// The pieces every picture screen is made of.
#include "views/win32/PictureScreen.h"

#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"

std::vector<FontSpec> fontTableOf(const ScreenTexts& texts) {
    std::vector<FontSpec> table;
    for (const PlacedText& item : texts.items)
        table.push_back({item.id, texts.fontFace, item.fontHeight, texts.fontWeight});
    return table;
}

void showTexts(HWND dialog, const ScreenTexts& texts) {
    for (const PlacedText& item : texts.items) SetDlgItemTextA(dialog, item.id, item.text);
}

void paintPicture(HWND dialog, const PAINTSTRUCT& paint, const char* picture) {
    paintWindowBackground(dialog, paint, picture, 0, kStretched, false);
}

HBRUSH textOnPicture(HDC dc, HWND control) {
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    return stockBrushForColours(control, HOLLOW_BRUSH);
}

void postCloseCommand(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CANCEL_BUTTON, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_CANCEL_BUTTON)));
}

void repaintAll(HWND dialog) {
    InvalidateRect(dialog, nullptr, TRUE);
}
