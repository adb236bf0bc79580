// The shell's own process-wide values and the one game model.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

struct ShellState {
    HMODULE ctl3dModule = nullptr;
};

ShellState& shellState();

extern GameModel gGame;
