// The process-wide window values the runtime works with: the instance, the main window, the
// registered runtime messages and the screen size, all set once by start-up.
#pragma once

#include <windows.h>

struct WindowState {
    HINSTANCE appInstance = nullptr;
    HWND mainWindow = nullptr;
    UINT toolbarMessageId = 0;  // "BLDToolbarMessage": asks a window which kind of runtime window it is
    UINT helpMessageId = 0;     // "BLDHelpMessage": asks a window to open its help topic
    int screenWidth = 0;
    int screenHeight = 0;
};

WindowState& windowState();

// The game's icon, for the main window's class and for every window a window manager frames and lists.
HICON gameIcon();

// Puts the game's icon on a window's caption, big and small.
void giveGameIcon(HWND window);
