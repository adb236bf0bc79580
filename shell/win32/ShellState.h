// The shell's own process-wide values and the one game model.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

struct ShellState {
    HMODULE ctl3dModule = nullptr;
    bool marketLoaded = false;  // set by the main screen, which loads the market as it starts
};

ShellState& shellState();

extern GameModel gGame;
