// Raised three-dimensional push buttons: owner-drawn buttons captioned "WMP3DBUTTON" get a light-grey
// face framed in black with a white and grey bevel, sunk while pressed, with a dotted frame while focused
// and dithered while greyed. The screen skeleton offers every draw-item request to handleThreeDButtonDraw
// after the screen's own drawing.
#pragma once

#include <windows.h>

// Draws the request when it is for a marker button: 1 when drawn, 0 when the control is not one.
int handleThreeDButtonDraw(HWND dialog, const DRAWITEMSTRUCT& item);

// The light-grey face, the greyed dither, the focus frame and the bevel, redrawn whole for every action.
int drawRaisedFace(const DRAWITEMSTRUCT& item);

// The black frame and the raised or sunk rings around a face of innerWidth x innerHeight.
int drawBevel(HDC dc, int left, int top, int innerWidth, int innerHeight, bool pressed);
