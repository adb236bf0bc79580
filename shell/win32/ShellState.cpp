// The shell's process-wide values and the game model they serve.
#include "shell/win32/ShellState.h"

GameModel gGame;

ShellState& shellState() {
    static ShellState state;
    return state;
}
