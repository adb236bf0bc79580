// Turning menu commands into screens, and the pre-filter shared by every dialog.
#include "shell/Dispatch.h"

#include <string>

#include "runtime/MessageBoxes.h"
#include "shell/GameCommands.h"
#include "shell/HelpFilePath.h"
#include "shell/MainScreen.h"
#include "shell/RingBrokerScreen.h"
#include "shell/ShellState.h"
#include "trading/PortfolioScreen.h"

namespace {
constexpr DWORD kProgramPathLimit = 256;

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
}  // namespace

int dispatchCommand(HWND window, UINT /*message*/, WPARAM commandWord, LPARAM /*control*/) {
    const auto command = gameCommandFor(LOWORD(commandWord));
    if (!command) return 0;
    switch (*command) {
        case GameCommand::Exit:
            confirmQuit(window);
            break;
        case GameCommand::DeletePendingTransactions:
            deletePendingTransactions(window);
            break;
        case GameCommand::RingTheBroker:
            showRingTheBrokerDialog(window);
            break;
        case GameCommand::Portfolio:
            showPortfolioScreen(window);
            break;
        default:
            // The remaining screens are opened here as each of them is built.
            break;
    }
    // A screen that closed may have placed or settled orders. The desktop need not repaint what it
    // uncovered (Wine restores it from the window's own surface), so the main screen is asked to.
    if (HWND screen = mainScreenWindow()) InvalidateRect(screen, nullptr, FALSE);
    return 1;
}

bool dispatchCommandFromNoControl(HWND dialog, int id, HWND control, UINT notification) {
    return !control && !GetDlgItem(dialog, id) &&
           dispatchCommand(dialog, WM_COMMAND, MAKEWPARAM(id, notification), 0) != 0;
}

int dialogPreFilter(HWND /*dialog*/, UINT message, WPARAM /*wParam*/, LPARAM lParam, int kindCode,
                    int /*helpNumber*/, LRESULT* result) {
    const UINT toolbarQuery = shellState().toolbarMessageId;
    if (toolbarQuery == 0 || message != toolbarQuery) return 0;
    if (lParam) *reinterpret_cast<int*>(lParam) = kindCode;
    *result = 1;
    return 1;
}

void requestHelp(HWND window) {
    PostMessageA(window, shellState().helpMessageId, 0, 0);
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
