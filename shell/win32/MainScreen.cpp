// The main screen: hosted in the main window for the whole run, over the game that start-up loaded.
#include "shell/win32/MainScreen.h"

#include <string>

#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/MessageBoxes.h"
#include "runtime/win32/Screen.h"
#include "shell/GameCommands.h"
#include "shell/win32/Dispatch.h"
#include "shell/win32/InfoScreens.h"
#include "shell/win32/ShellState.h"

namespace {
constexpr PictureButton kButtons[] = {
    {IDC_MAIN_RING_BROKER, RES_BMP_MAIN_RING_BROKER, RES_BMP_MAIN_RING_BROKER_PRESSED},
    {IDC_MAIN_PORTFOLIO, RES_BMP_MAIN_PORTFOLIO, RES_BMP_MAIN_PORTFOLIO_PRESSED},
    {IDC_MAIN_DISCOVER, RES_BMP_MAIN_DISCOVER, RES_BMP_MAIN_DISCOVER_PRESSED},
    {IDC_MAIN_ABOUT, RES_BMP_MAIN_ABOUT, RES_BMP_MAIN_ABOUT_PRESSED},
    {IDC_MAIN_EXIT, RES_BMP_MAIN_EXIT, RES_BMP_MAIN_EXIT_PRESSED},
};

using OwnedFont = Owned<HFONT, deleteGdiObject>;
using OwnedPen = Owned<HPEN, deleteGdiObject>;

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

// The date line over the title picture, with the pending-orders marker while any order waits.
void drawDateLine(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    if (anyPendingOrder(gGame)) drawShadowed(dc, kMarkerAt, kPendingMarker);
    drawShadowed(dc, kDateAt, dateLineText(gGame));
}

OwnedFont tickerFont() {
    return OwnedFont(CreateFontA(kTickerFontHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0,
                                 0, 0, FIXED_PITCH, "Courier New"));
}

// The ticker laid out in the font selected into the device context.
std::vector<TickerItem> layTickerIn(HDC dc) {
    return layTicker(gGame, kTickerRows, [dc](const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    });
}

// A triangle pointing the way the share moved, or a level bar, centred on the row.
void drawMark(HDC dc, Movement movement, int left, int middle) {
    const int w = kTickerRows.markWidth;
    const uint32_t rgb = movement == Movement::Rose   ? kTickerRoseRgb
                         : movement == Movement::Fell ? kTickerFellRgb
                                                      : kTickerLevelRgb;
    OwnedPen pen(CreatePen(PS_SOLID, 1, colourOf(rgb)));
    OwnedBrush brush(CreateSolidBrush(colourOf(rgb)));
    Selected withPen(dc, pen.get());
    Selected withBrush(dc, brush.get());
    if (movement == Movement::Unchanged) {
        Rectangle(dc, left, middle - 1, left + w, middle + 2);
        return;
    }
    const int tip = movement == Movement::Rose ? middle - 4 : middle + 4;
    const int base = movement == Movement::Rose ? middle + 4 : middle - 4;
    const POINT corners[] = {{left + w / 2, tip}, {left, base}, {left + w - 1, base}};
    Polygon(dc, corners, 3);
}

// The day's movers on the board painted in the title picture, redrawn from the model on every paint.
void drawTicker(HDC dc) {
    OwnedFont font = tickerFont();
    Selected inFont(dc, font.get());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourOf(kTickerNameRgb));
    for (const TickerItem& item : layTickerIn(dc)) {
        const int top = kTickerTop + item.row * kTickerRowHeight;
        TextOutA(dc, kTickerLeft + item.nameX, top + (kTickerRowHeight - metrics.tmHeight) / 2,
                 item.name.c_str(), static_cast<int>(item.name.size()));
        drawMark(dc, item.movement, kTickerLeft + item.markX, top + kTickerRowHeight / 2);
    }
}

BOOL OnInit(HWND screen) {
    screenWindow() = screen;
    return TRUE;
}

void OnPaint(HWND screen, const PAINTSTRUCT& paint) {
    paintWindowBackground(screen, paint, RES_BMP_TITLE, 0, kNaturalSize, false);
    drawDateLine(paint.hdc);
    drawTicker(paint.hdc);
}

void OnDrawItem(HWND screen, const DRAWITEMSTRUCT& item) {
    drawPictureButtonOver(screen, item, RES_BMP_TITLE, kNaturalSize, kButtons);
}

// Enter reaches the screen as IDOK (an owner-drawn button is never the default one): it presses the
// picture button that has the focus, as Space does.
int focusedPictureButton(HWND screen) {
    HWND focus = GetFocus();
    if (!focus || GetParent(focus) != screen) return 0;
    const int id = GetDlgCtrlID(focus);
    for (const PictureButton& button : kButtons)
        if (button.id == id) return id;
    return 0;
}

HBRUSH OnColour(HWND, HDC dc, HWND control, UINT message) {
    if (message != WM_CTLCOLORBTN) return nullptr;
    const int id = GetDlgCtrlID(control);
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, id == IDC_MAIN_ABOUT || id == IDC_MAIN_EXIT ? OPAQUE : TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

bool OnCommand(HWND screen, int id, UINT notification) {
    resetFocusDrawCounter();
    if (notification != BN_CLICKED) return false;
    if (id == IDOK) id = focusedPictureButton(screen);
    switch (id) {
        case IDC_MAIN_EXIT:
            return dispatchCommand(screen, IDM_EXIT);
        case IDC_MAIN_PORTFOLIO:
            return dispatchCommand(screen, IDM_PORTFOLIO);
        case IDC_MAIN_RING_BROKER:
            return dispatchCommand(screen, IDM_RING_THE_BROKER);
        case IDC_MAIN_ABOUT:
            return dispatchCommand(screen, IDM_ABOUT);
        case IDC_MAIN_DISCOVER:
            runDiscoverScreen(screen);
            return true;
        default:
            return false;
    }
}

void OnDestroy(HWND screen) {
    if (screenWindow() == screen) screenWindow() = nullptr;
}

constexpr ScreenPicture kTitle[] = {{RES_BMP_TITLE, BitmapReporter::Runtime}};

const ScreenTemplate<> kMainScreen = {
    .name = RES_DLG_CLIENT,
    .helpNumber = IDH_MAIN_SCREEN,
    .handlers = {.init = OnInit,
                 .command = OnCommand,
                 .paint = OnPaint,
                 .drawItem = OnDrawItem,
                 .colour = OnColour,
                 .destroy = OnDestroy},
    // The picture is in pixels, two to a unit; the buttons must meet the faces painted in it.
    .placement = ScreenPlacement::AsLaidOut,
    .pictures = kTitle,
    .pictureButtons = kButtons,
};
}  // namespace

HWND createMainScreen(HWND mainWindow) {
    HWND screen = createHostedScreen(mainWindow, kMainScreen);
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

std::vector<TickerItem> mainScreenTicker() {
    WindowDc dc(mainScreenWindow());
    OwnedFont font = tickerFont();
    Selected inFont(dc.get(), font.get());
    return layTickerIn(dc.get());
}

void refreshMainScreen() {
    // No erase: the title picture covers every pixel.
    if (HWND screen = mainScreenWindow()) InvalidateRect(screen, nullptr, FALSE);
}

void deletePendingTransactions(HWND window) {
    if (!anyPendingOrder(gGame)) {
        refuse(window, kNothingToDelete);
    } else {
        if (!askYesNo(window, kDeleteAllQuestion)) return;
        cancelAllPendingOrders(gGame);
    }
    refreshMainScreen();
}
