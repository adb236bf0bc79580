// Raised three-dimensional push buttons: owner-drawn buttons captioned "WMP3DBUTTON" get a light-grey
// face framed in black with a white and grey bevel, sunk while pressed, with a dotted frame while focused
// and dithered while greyed. The screen skeleton offers every draw-item request to handleThreeDButtonDraw
// after the screen's own drawing.
#pragma once

#include <windows.h>

// The images of a button drawn whole from pictures, by state; an empty name means no image.
struct ButtonImages {
    const char* normal = "";
    const char* focus = "";
    const char* pressed = "";
    const char* disabled = "";
};

// Draws the request when it is for a marker button: 1 when drawn, 0 when the control is not one.
int handleThreeDButtonDraw(HWND dialog, const DRAWITEMSTRUCT& item);

// With no focus, pressed or greyed image, a raised face showing the normal image; otherwise the image
// of the button's state drawn over the whole item in the given mode. 1 when drawn.
int drawStateButton(const DRAWITEMSTRUCT& item, const ButtonImages& images, int mode);

// The face (plain light grey, a bitmap or an icon), the greyed dither, the focus frame and the bevel,
// redrawn whole for every action; 0 when the image cannot be drawn.
int drawRaisedFace(const DRAWITEMSTRUCT& item, const char* imageName, bool imageIsBitmap, int mode);

// The black frame and the raised or sunk rings around a face of innerWidth x innerHeight.
int drawBevel(HDC dc, int left, int top, int innerWidth, int innerHeight, bool pressed);
