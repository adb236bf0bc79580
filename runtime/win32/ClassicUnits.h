// Dialog layout in the classic dialog units of the game's templates: two pixels to a unit each way.
#pragma once

#include <windows.h>

// Pixels to a dialog unit, across and down, with the 8 x 16 system font the templates were drawn for.
constexpr int kClassicPixelsPerUnit = 2;

// Where a child window stands in its dialog's client area.
RECT placeInDialog(HWND dialog, HWND child);

// Moves and sizes the dialog's controls and its client area as they stand in its template at two
// pixels to a unit, whatever system font the desktop gives a dialog without a font of its own (Wine's
// is narrower, which would clip the fixed-pitch lists). Call from WM_INITDIALOG, before centring.
void layOutInClassicUnits(HWND dialog);
