// Drawing the game's 256-colour bitmap resources with their own palettes, and the picture buttons.
#pragma once

#include <windows.h>

#include <span>

#include "runtime/BitmapGeometry.h"

// Who reports a missing bitmap: the game's screens ("Cannot Load Bitmap"), or the window runtime
// (string 4004).
enum class BitmapReporter { Game, Runtime };

// A picture a screen paints, and who reports it when the program does not carry it.
struct ScreenPicture {
    const char* name;
    BitmapReporter reporter;
};

// Where the bitmaps are looked up; the runtime falls back to the program's own module.
void setBitmapResourceModule(HINSTANCE module);

// Draws the named bitmap resource; 1 on success, 0 on failure. A missing picture is reported once, when
// its screen opens (reportMissingPictures), so painting says nothing of it.
int drawBitmapResource(HDC dc, const char* name, int x, int y, int width, int height, DWORD rasterOperation,
                       int mode);

// Draws the bitmap over the window's client area (or over one of its controls) during a paint.
int paintWindowBackground(HWND window, const PAINTSTRUCT& paint, const char* name, int controlId, int mode,
                          bool overControl);

// Draws the bitmap over the whole item of an owner-drawn control.
int drawControlPicture(const DRAWITEMSTRUCT& item, const char* name, int mode);

// A picture button: the focus image when it has the focus, the pressed image over it when pressed.
void drawPictureButton(const DRAWITEMSTRUCT& item, const char* focusImage, const char* pressedImage);

// A picture button of a screen and its two images.
struct PictureButton {
    int id;
    const char* focusImage;
    const char* pressedImage;
};

// Draws the part of `background` (as the screen paints it over its client area, in `mode`) that lies
// under the owner-drawn control, then the control's images when it is one of `buttons`: a button that
// loses the focus shows what lies beneath it again.
void drawPictureButtonOver(HWND screen, const DRAWITEMSTRUCT& item, const char* background, int mode,
                           std::span<const PictureButton> buttons);

// Reports each picture, and each image of the picture buttons, that the program does not carry.
void reportMissingPictures(std::span<const ScreenPicture> pictures);
void reportMissingPictures(std::span<const PictureButton> buttons);

// The first focus draw after a reset shows no focus image (the main screen resets on each command).
void resetFocusDrawCounter();
