// Turning menu commands into screens.
#include "shell/win32/Dispatch.h"

#include <string>

#include "runtime/win32/MessageBoxes.h"
#include "runtime/win32/WindowState.h"
#include "shell/GameCommands.h"
#include "shell/HelpFilePath.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/RingBrokerScreen.h"
#include "shell/win32/ShellState.h"
#include "trading/win32/PortfolioScreen.h"

namespace {
constexpr DWORD kProgramPathLimit = 256;

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
}  // namespace

int dispatchCommand(HWND window, UINT /*message*/, WPARAM commandWord, LPARAM /*control*/) {
    return dispatchCommand(window, static_cast<int>(LOWORD(commandWord))) ? 1 : 0;
}

bool dispatchCommand(HWND window, int commandId) {
    const auto command = gameCommandFor(commandId);
    if (!command) return false;
    switch (*command) {
        case GameCommand::Exit:
            confirmQuit(window);
            break;
        case GameCommand::DeletePendingTransactions:
            deletePendingTransactions(window);
            break;
        case GameCommand::RingTheBroker:
            runRingBrokerScreen(window, gGame);
            break;
        case GameCommand::Portfolio:
            runPortfolioScreen(window, gGame);
            break;
        default:
            // The remaining screens are opened here as each of them is built.
            break;
    }
    // A screen that closed may have placed or settled orders. The desktop need not repaint what it
    // uncovered (Wine restores it from the window's own surface), so the main screen is asked to.
    refreshMainScreen();
    return true;
}

void requestHelp(HWND window) {
    PostMessageA(window, windowState().helpMessageId, 0, 0);
}

int findHelpFile(char* buffer) {
    char programPath[kProgramPathLimit + 1] = "";
    const DWORD length = GetModuleFileNameA(nullptr, programPath, kProgramPathLimit);
    programPath[length < kProgramPathLimit ? length : kProgramPathLimit] = '\0';
    const std::string path = helpFilePathFor(programPath, fileExists);
    lstrcpynA(buffer, path.c_str(), MAX_PATH);
    return 1;
}

void confirmQuit(HWND window) {
    if (askYesNo(window, quitQuestion(anyPendingOrder(gGame)))) PostQuitMessage(0);
}
