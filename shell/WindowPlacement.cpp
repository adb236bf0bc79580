// The main window's placement rule, kept apart from the window code so it can be tested.
#include "shell/WindowPlacement.h"

WindowPlacement mainWindowPlacement(int screenWidth, int screenHeight) {
    if (screenWidth == kMainWindowWidth && screenHeight == kMainWindowHeight) return {true, 0, 0, 640, 400};
    // 500 rather than 480: the window sits a little above the centre, leaving room for a task bar.
    return {false, (screenWidth - kMainWindowWidth) / 2, (screenHeight - 500) / 2, kMainWindowWidth,
            kMainWindowHeight};
}
