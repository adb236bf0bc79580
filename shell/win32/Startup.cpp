// Start-up, the message loop and shut-down of the program.
#include "shell/win32/Startup.h"

#include <string>

#include "model/MarketFiles.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/ContextHelp.h"
#include "runtime/win32/DialogHost.h"
#include "runtime/win32/MessageBoxes.h"
#include "runtime/win32/Screen.h"
#include "runtime/win32/WindowState.h"
#include "shell/win32/Dispatch.h"
#include "shell/win32/MainWindow.h"
#include "shell/win32/ShellState.h"

namespace {
constexpr int kFirstVersionWith3dControls = 4;

using Ctl3dCall = BOOL(WINAPI*)(HINSTANCE);

void callCtl3d(HMODULE module, const char* entryPoint, HINSTANCE instance) {
    // A library without the entry point is simply not called.
    const auto call =
        reinterpret_cast<Ctl3dCall>(reinterpret_cast<void*>(GetProcAddress(module, entryPoint)));
    if (call) call(instance);
}

// Old systems draw flat dialogs unless the 3D controls library is present; newer ones need nothing.
void initialiseControlLook(ShellState& shell, HINSTANCE instance) {
    if (LOBYTE(LOWORD(GetVersion())) >= kFirstVersionWith3dControls) return;
    shell.ctl3dModule = LoadLibraryA("CTL3D32.DLL");
    if (!shell.ctl3dModule) return;
    callCtl3d(shell.ctl3dModule, "Ctl3dRegister", instance);
    callCtl3d(shell.ctl3dModule, "Ctl3dAutoSubclass", instance);
}

bool dispatchFromScreen(HWND window, int command) {
    return dispatchCommand(window, command);
}

std::string workingDirectory() {
    char path[MAX_PATH] = "";
    const DWORD length = GetCurrentDirectoryA(sizeof path, path);
    return length > 0 && length < sizeof path ? path : "(unknown)";
}
}  // namespace

bool initialiseShell(HINSTANCE instance, HINSTANCE previousInstance) {
    WindowState& window = windowState();
    window.appInstance = instance;
    initialiseControlLook(shellState(), instance);
    window.toolbarMessageId = RegisterWindowMessageA("BLDToolbarMessage");
    window.helpMessageId = RegisterWindowMessageA("BLDHelpMessage");
    setBitmapResourceModule(instance);
    setCommandDispatcher(dispatchFromScreen);
    installHelpKeyFilter();
    return previousInstance != nullptr || registerMainWindowClass(instance);
}

bool startNewGame(HWND owner) {
    WindowState& shell = windowState();
    shell.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    shell.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    MarketLoadFailure failure;
    gGame = GameModel{};
    if (loadMarketData(gGame, &failure)) return true;
    showNotice(owner, {describeLoadFailure(failure, workingDirectory()), kGameCaption, NoticeIcon::Stop});
    return false;
}

void handleQueuedMessage(MSG& message) {
    if (helpLoopHook(message) || dispatchToModelessDialogs(&message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int runMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) handleQueuedMessage(message);
    return static_cast<int>(message.wParam);
}

void shutdownShell() {
    removeHelpKeyFilter();
    ShellState& shell = shellState();
    if (!shell.ctl3dModule) return;
    callCtl3d(shell.ctl3dModule, "Ctl3dUnregister", windowState().appInstance);
    FreeLibrary(shell.ctl3dModule);
    shell.ctl3dModule = nullptr;
}

int runTickerdell(HINSTANCE instance, HINSTANCE previousInstance, int showState) {
    if (!initialiseShell(instance, previousInstance)) return 0;
    // Without the market the game ends before any window shows.
    constexpr int kMarketUnreadable = 2;
    if (!startNewGame(nullptr)) return kMarketUnreadable;
    HWND window = createMainWindow();
    if (!window) return 0;
    showMainWindow(window, showState);
    const int exitCode = runMessageLoop();
    shutdownShell();
    return exitCode;
}
