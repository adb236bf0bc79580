// The runtime's process-wide window values.
#include "runtime/win32/WindowState.h"

#include "resources/resource.h"

WindowState& windowState() {
    static WindowState state;
    return state;
}

HICON gameIcon() {
    HINSTANCE instance = windowState().appInstance ? windowState().appInstance : GetModuleHandleA(nullptr);
    return LoadIconA(instance, RES_ICON_MAIN);
}

void giveGameIcon(HWND window) {
    HICON icon = gameIcon();
    if (!icon) return;
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}
