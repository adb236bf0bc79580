// Each control's own font, kept on the control as a window property for the life of its dialog.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr const char* kControlFontProperty = "BLDCTRLPROPHFONT";

// One line of a dialog's font table. A screen writes its table as these rows, one a control; a picture
// screen makes its rows from its text table, where each text's font is given.
struct FontSpec {
    int controlId;
    const char* face;
    int height;  // negative: character height in pixels
    int weight;
};

// Creates the font, stores it on the control and gives it to the control; 1, or 0 when the control
// does not exist or the font cannot be made.
int setControlFont(HWND dialog, int controlId, const FontSpec& wanted);

// Applies a dialog's whole font table, usually from its WM_INITDIALOG.
void applyFonts(HWND dialog, const FontSpec* table, std::size_t count);
template <std::size_t N>
void applyFonts(HWND dialog, const FontSpec (&table)[N]) {
    applyFonts(dialog, table, N);
}

// Releases the font and brush of every control of the dialog, from its WM_DESTROY; no screen can
// forget one this way.
void releaseDialogFonts(HWND dialog);

// The brushes a dialog hands back to a control's colour request.
HBRUSH stockBrushForColours(HWND control, int stockObject);
HBRUSH defaultBrushForClass(HWND window);
HBRUSH greyBrushForClass(HWND window, HDC dc);
