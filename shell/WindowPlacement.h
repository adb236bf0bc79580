// Where the main window goes on a screen of a given size.
#pragma once

struct WindowPlacement {
    bool maximised = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

constexpr int kMainWindowWidth = 640;
constexpr int kMainWindowHeight = 480;

// On a 640 x 480 screen the game fills it; anywhere else it is 640 x 480 near the centre.
WindowPlacement mainWindowPlacement(int screenWidth, int screenHeight);
