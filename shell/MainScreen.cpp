// The main screen: hosted in the main window for the whole run; starting it starts the game.
#include "shell/MainScreen.h"

#include <windowsx.h>

#include <string>

#include "model/MarketFiles.h"
#include "resources/resource.h"
#include "runtime/BitmapDisplay.h"
#include "runtime/ClassicUnits.h"
#include "runtime/DialogHost.h"
#include "runtime/GdiHandles.h"
#include "runtime/MessageBoxes.h"
#include "shell/Dispatch.h"
#include "shell/GameCommands.h"
#include "shell/ShellState.h"
#include "shell/Startup.h"

namespace {
constexpr int kMainScreenHelp = 20000;

struct PictureButton {
    int id;
    const char* focusImage;
    const char* pressedImage;
};
constexpr PictureButton kButtons[] = {
    {IDC_MAIN_RING_BROKER, "BT_RTB", "BT_RTB1"}, {IDC_MAIN_PORTFOLIO, "BT_PORT", "BT_PORT1"},
    {IDC_MAIN_DISCOVER, "BT_CAR", "BT_CAR1"},    {IDC_MAIN_ABOUT, "BT_ABOUT", "BT_ABOU1"},
    {IDC_MAIN_EXIT, "BT_EXIT", "BT_EXIT1"},
};

INT_PTR CALLBACK MainScreenProc(HWND screen, UINT message, WPARAM wParam, LPARAM lParam);

HWND& screenWindow() {
    static HWND window = nullptr;
    return window;
}

COLORREF colourOf(uint32_t rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void drawShadowed(HDC dc, const ShadowedText& at, const std::string& text) {
    SetTextColor(dc, colourOf(kTextShadowRgb));
    TextOutA(dc, at.x, at.y, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, colourOf(kTextRgb));
    TextOutA(dc, at.x + 1, at.y + 1, text.c_str(), static_cast<int>(text.size()));
}

BOOL OnInitDialog(HWND screen, HWND, LPARAM) {
    screenWindow() = screen;
    // The picture is in pixels, two to a unit; the buttons must meet the faces painted in it.
    layOutInClassicUnits(screen);
    if (GetParent(screen)) addModelessDialog(screen, MainScreenProc);
    shellState().marketLoaded = startNewGame(nullptr);
    return TRUE;
}

void OnPaint(HWND screen) {
    PAINTSTRUCT paint;
    BeginPaint(screen, &paint);
    paintWindowBackground(screen, paint, RES_BMP_TITLE, 0, kNaturalSize, false);
    EndPaint(screen, &paint);
    drawDateLine(screen);
}

void OnDrawItem(HWND, const DRAWITEMSTRUCT* item) {
    for (const PictureButton& button : kButtons)
        if (static_cast<int>(item->CtlID) == button.id)
            drawPictureButton(*item, button.focusImage, button.pressedImage);
}

HBRUSH OnCtlColorBtn(HWND, HDC dc, HWND control, int) {
    const int id = GetDlgCtrlID(control);
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, id == IDC_MAIN_ABOUT || id == IDC_MAIN_EXIT ? OPAQUE : TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

void OnCommand(HWND screen, int id, HWND, UINT notification) {
    if (notification != BN_CLICKED) return;
    switch (id) {
        case IDC_MAIN_EXIT:
            confirmQuit(screen);
            break;
        case IDC_MAIN_PORTFOLIO:
            dispatchCommand(screen, WM_COMMAND, IDM_PORTFOLIO, 0);
            break;
        case IDC_MAIN_RING_BROKER:
            dispatchCommand(screen, WM_COMMAND, IDM_RING_THE_BROKER, 0);
            break;
        default:
            break;  // the picture screen and the about box join here as they are built
    }
}

void OnDestroy(HWND screen) {
    removeModelessDialog(screen);
    if (screenWindow() == screen) screenWindow() = nullptr;
}

INT_PTR CALLBACK MainScreenProc(HWND screen, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialogPreFilter(screen, message, wParam, lParam, kHostedClientKind, kMainScreenHelp, &result))
        return SetDlgMsgResult(screen, message, result);
    if (message == WM_COMMAND) resetFocusDrawCounter();
    switch (message) {
        DLG_MSG(screen, WM_INITDIALOG, OnInitDialog);
        DLG_MSG(screen, WM_DRAWITEM, OnDrawItem);
        DLG_MSG(screen, WM_CTLCOLORBTN, OnCtlColorBtn);
        DLG_MSG(screen, WM_COMMAND, OnCommand);
        case WM_PAINT:
            OnPaint(screen);
            return TRUE;
        case WM_DESTROY:
            OnDestroy(screen);
            return FALSE;
        default:
            return FALSE;
    }
}
}  // namespace

HWND createMainScreen(HWND mainWindow) {
    HWND screen =
        createChildDialog(RES_DLG_CLIENT, mainWindow, WM_CREATE, MainScreenProc, kHostedClientKind, false);
    if (!screen) {
        reportError(mainWindow, IDS_ERR_DIALOG, RES_DLG_CLIENT, MB_ICONHAND);
        return nullptr;
    }
    ShowWindow(screen, SW_SHOW);
    return screen;
}

HWND mainScreenWindow() {
    return screenWindow();
}

void drawDateLine(HWND screen) {
    if (!screen) return;
    if (!anyPendingOrder(gGame)) {
        drawTitleAndDate(screen);  // paints over a marker left from earlier
        return;
    }
    WindowDc dc(screen);
    SetBkMode(dc.get(), TRANSPARENT);
    drawShadowed(dc.get(), kMarkerAt, kPendingMarker);
    drawShadowed(dc.get(), kDateAt, dateLineText(gGame));
}

void drawTitleAndDate(HWND screen) {
    if (!screen) return;
    WindowDc dc(screen);
    SetBkMode(dc.get(), TRANSPARENT);
    drawBitmapResource(dc.get(), RES_BMP_TITLE, 0, 0, 0, 0, SRCCOPY, kNaturalSize);
    drawShadowed(dc.get(), kDateAt, dateLineText(gGame));
}

void deletePendingTransactions(HWND window) {
    if (!anyPendingOrder(gGame)) {
        refuse(window, kNothingToDelete);
    } else {
        if (!askYesNo(window, kDeleteAllQuestion)) return;
        cancelAllPendingOrders(gGame);
    }
    drawTitleAndDate(mainScreenWindow());
}
