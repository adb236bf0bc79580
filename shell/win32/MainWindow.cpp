// The main window: the frame that holds the main screen and owns the menu.
#include "shell/win32/MainWindow.h"

#include "resources/resource.h"
#include "runtime/win32/ContextHelp.h"
#include "runtime/win32/DialogHost.h"
#include "runtime/win32/MessageBoxes.h"
#include "runtime/win32/WindowState.h"
#include "shell/win32/Dispatch.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/Startup.h"
#include "shell/WindowPlacement.h"

namespace {
// The hosted main screen covers the whole client area: clipping it keeps the frame from painting over it.
constexpr DWORD kRestoredStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFullStyle = kRestoredStyle | WS_MAXIMIZEBOX;

void OnCreate(HWND window) {
    windowState().mainWindow = window;
    createMainScreen(window);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT helpResult = 0;
    if (helpPreHandle(window, message, wParam, lParam, IDH_MAIN_WINDOW, &helpResult, false))
        return helpResult;
    if (message == WM_COMMAND && dispatchCommand(window, message, wParam, lParam)) return 0;
    if (message == WM_DESTROY) PostQuitMessage(0);
    switch (message) {
        case WM_CREATE:
            OnCreate(window);
            return 0;
        case WM_DESTROY:
            if (windowState().mainWindow == window) windowState().mainWindow = nullptr;
            return 0;
        // The hosted main screen follows the frame: placed on every size, focused with the frame.
        case WM_MOVE:
            focusBars(window);
            return 0;
        case WM_SIZE:
            layOutFrame(window, static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam), false);
            return 0;
        case WM_SETFOCUS:
            focusClientDialog(window);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

HWND createWindow(DWORD style, int x, int y, int width, int height) {
    return CreateWindowExA(0, kMainWindowClass, kGameCaption, style, x, y, width, height, nullptr, nullptr,
                           windowState().appInstance, nullptr);
}
}  // namespace

bool registerMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_BYTEALIGNWINDOW | CS_BYTEALIGNCLIENT | CS_SAVEBITS | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = gameIcon();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(RES_MENU_MAIN);
    windowClass.lpszClassName = kMainWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

HWND createMainWindow() {
    WindowState& shell = windowState();
    shell.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    shell.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const WindowPlacement place = mainWindowPlacement(shell.screenWidth, shell.screenHeight);
    const DWORD style = place.maximised ? kFullStyle | WS_MAXIMIZE : kRestoredStyle;
    HWND window = createWindow(style, place.x, place.y, place.width, place.height);
    if (window) return window;

    reportError(GetActiveWindow(), IDS_ERR_WINDOW, kGameCaption, MB_ICONINFORMATION);
    window = createWindow(kFullStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
    if (!window) reportError(GetActiveWindow(), IDS_ERR_WINDOW, kGameCaption, MB_ICONINFORMATION);
    return window;
}

void showMainWindow(HWND window, int showState) {
    // A window created maximised stays so when the program is simply asked to show itself.
    const bool plainShow = showState == SW_SHOWNORMAL || showState == SW_SHOWDEFAULT;
    const bool createdMaximised = (GetWindowLongA(window, GWL_STYLE) & WS_MAXIMIZE) != 0;
    ShowWindow(window, plainShow && createdMaximised ? SW_SHOWMAXIMIZED : showState);
    UpdateWindow(window);
}
