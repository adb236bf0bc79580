// The information screens: the about box, the credits and the studio's other games it leads to, and
// the picture screen of the main screen's "&Discover" button. Each answers the value it closed with.
#pragma once

#include <windows.h>

// The logo, the version label and the makers' lines; "&OK" answers IDC_ABOUT_OK, Escape IDCANCEL.
int runAboutScreen(HWND owner);

// Who made the game, over a picture; a left click anywhere answers IDC_CANCEL_BUTTON.
int runCreditsScreen(HWND owner);

// Seven paragraphs about the studio's other games, over a picture; a left click closes it.
int runOtherGamesScreen(HWND owner);

// The full-window picture behind "&Discover"; a left click closes it.
int runDiscoverScreen(HWND owner);
