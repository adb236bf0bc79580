// The process-wide values of the shell and the one game model.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

struct ShellState {
    HINSTANCE appInstance = nullptr;
    HWND mainWindow = nullptr;
    UINT toolbarMessageId = 0;  // "BLDToolbarMessage": asks a window which kind of runtime window it is
    UINT helpMessageId = 0;     // "BLDHelpMessage": asks a window to open its help topic
    HMODULE ctl3dModule = nullptr;
    int screenWidth = 0;
    int screenHeight = 0;
    bool marketLoaded = false;  // set by the main screen, which loads the market as it starts
};

ShellState& shellState();

extern GameModel gGame;

// Kind codes answered to the toolbar query.
constexpr int kHostedClientKind = 5;
constexpr int kModalDialogKind = 6;

// Help context of the main window itself.
constexpr int kMainWindowHelp = 20018;
