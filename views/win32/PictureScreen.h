// What the full-window picture screens share: a bitmap stretched over the client area, texts that lie
// straight on it with their words and fonts from the screen's table, and a click that closes.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/win32/ControlFonts.h"
#include "views/NewsText.h"

// The font table of a screen's texts: each control in the screen's face and weight at its own height.
std::vector<FontSpec> fontTableOf(const ScreenTexts& texts);

// Puts each control's text from the table into it.
void showTexts(HWND dialog, const ScreenTexts& texts);

// Paints the picture stretched over the whole client area.
void paintPicture(HWND dialog, const PAINTSTRUCT& paint, const char* picture);

// A colour request of a text lying on the picture: white behind it, transparent, the hollow brush.
HBRUSH textOnPicture(HDC dc, HWND control);

// A click on the picture closes the screen as its hidden close button would.
void postCloseCommand(HWND dialog);

// After a size change the whole client area repaints, so the picture is stretched to the new size.
void repaintAll(HWND dialog);
