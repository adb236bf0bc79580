// The main window "BLDPROJECT": its class, its creation and its window procedure.
#pragma once

#include <windows.h>

constexpr const char* kMainWindowClass = "BLDPROJECT";

bool registerMainWindowClass(HINSTANCE instance);
