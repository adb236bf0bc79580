// Entry of the GUI tests: the game's shell is initialised once, as WinMain does.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "shell/win32/Startup.h"
#include "tests/gui/GuiHarness.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const char* flag = "--game=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
            setGameProgramPath(argv[i] + std::strlen(flag));
    if (!initialiseShell(GetModuleHandleA(nullptr), nullptr)) {
        fprintf(stderr, "the main window class could not be registered\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
