// Each control's own font, kept on the control as a window property for the life of its dialog.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

constexpr const char* kControlFontProperty = "BLDCTRLPROPHFONT";

// One line of a dialog's font table.
struct FontSpec {
    int controlId;
    const char* face;
    int height;  // negative: character height in pixels
    int weight;
};

// The font table of a screen with one fixed-pitch list in "Courier" 13 (or the height given) and every
// other control named in "Helv" 11.
template <std::size_t N>
constexpr std::array<FontSpec, N + 1> courierListAndHelv(int listId, const int (&helvControls)[N],
                                                         int listHeight = -13) {
    std::array<FontSpec, N + 1> table{};
    table[0] = {listId, "Courier", listHeight, FW_NORMAL};
    for (std::size_t i = 0; i < N; ++i) table[i + 1] = {helvControls[i], "Helv", -11, FW_NORMAL};
    return table;
}

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
