// The program entry.
#include <windows.h>

#include "shell/win32/Startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR /*commandLine*/, int showState) {
    return runTickerdell(instance, previousInstance, showState);
}
