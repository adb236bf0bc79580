// The news, top earners and popular shares screens: a fixed picture each, the news with the front
// page's texts over it. Nothing here touches the market, so no figure on them can go stale.
#include "views/win32/NewsScreen.h"

#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/Screen.h"
#include "views/NewsText.h"
#include "views/win32/PictureScreen.h"

namespace {
constexpr ScreenPicture kNewsPicture[] = {{RES_BMP_NEWS, BitmapReporter::Runtime}};
constexpr ScreenPicture kEarnersPicture[] = {{RES_BMP_EARNER, BitmapReporter::Runtime}};
constexpr ScreenPicture kPopularPicture[] = {{RES_BMP_POPSHARES, BitmapReporter::Runtime}};

// ---- the news ----

BOOL OnNewsInit(HWND dialog) {
    showTexts(dialog, newsScreenTexts());
    return TRUE;
}

void OnNewsPaint(HWND dialog, const PAINTSTRUCT& paint) {
    paintPicture(dialog, paint, RES_BMP_NEWS);
}

HBRUSH OnNewsColour(HWND, HDC dc, HWND control, UINT) {
    if (!textFor(newsScreenTexts(), GetDlgCtrlID(control))) return nullptr;
    return textOnPicture(dc, control);
}

// The texts take no clicks, so a click on a paragraph reaches the page as a click on the bare picture.
bool OnNewsMouse(HWND dialog, UINT message, POINT) {
    if (message != WM_LBUTTONDOWN && message != WM_MBUTTONDOWN) return false;
    postCloseCommand(dialog);
    return true;
}

const ScreenTemplate<>& newsScreen() {
    static const std::vector<FontSpec> fonts = fontTableOf(newsScreenTexts());
    static const ScreenTemplate<> screen = {
        .name = RES_DLG_NEWS,
        .helpNumber = IDH_NEWS,
        .fonts = fonts,
        .handlers = {.init = OnNewsInit,
                     .paint = OnNewsPaint,
                     .colour = OnNewsColour,
                     .mouse = OnNewsMouse,
                     .resize = repaintAll},
        .placement = ScreenPlacement::OverMainWindow,
        .pictures = kNewsPicture,
    };
    return screen;
}

// ---- the top earners ----

void OnEarnersPaint(HWND dialog, const PAINTSTRUCT& paint) {
    paintPicture(dialog, paint, RES_BMP_EARNER);
}

bool OnEarnersMouse(HWND dialog, UINT message, POINT) {
    if (message != WM_LBUTTONDOWN) return false;
    postCloseCommand(dialog);
    return true;
}

const ScreenTemplate<> kTopEarnersScreen = {
    .name = RES_DLG_EARNER,
    .helpNumber = IDH_TOP_EARNERS,
    .handlers = {.paint = OnEarnersPaint, .mouse = OnEarnersMouse, .resize = repaintAll},
    .pictures = kEarnersPicture,
};

// ---- the most popular shares ----

bool OnPopularCommand(HWND dialog, int id, UINT notification) {
    if (id != IDC_POP_EXIT || notification != BN_CLICKED) return false;
    EndDialog(dialog, IDC_POP_EXIT);
    return true;
}

void OnPopularPaint(HWND dialog, const PAINTSTRUCT& paint) {
    paintPicture(dialog, paint, RES_BMP_POPSHARES);
}

// The picture under the button first, so the exit label painted in it shows again when the button
// loses its focus image.
constexpr PictureButton kPopularExit[] = {{IDC_POP_EXIT, RES_BMP_POP_EXIT, RES_BMP_POP_EXIT_PRESSED}};

void OnPopularDrawItem(HWND dialog, const DRAWITEMSTRUCT& item) {
    if (item.CtlID == IDC_POP_EXIT)
        drawPictureButtonOver(dialog, item, RES_BMP_POPSHARES, kStretched, kPopularExit);
}

HBRUSH OnPopularColour(HWND, HDC dc, HWND control, UINT) {
    return GetDlgCtrlID(control) == IDC_POP_EXIT ? textOnPicture(dc, control) : nullptr;
}

const ScreenTemplate<> kPopularSharesScreen = {
    .name = RES_DLG_POPSHARES,
    .helpNumber = IDH_POPULAR_SHARES,
    .handlers = {.command = OnPopularCommand,
                 .paint = OnPopularPaint,
                 .drawItem = OnPopularDrawItem,
                 .colour = OnPopularColour,
                 .resize = repaintAll},
    .pictures = kPopularPicture,
    .pictureButtons = kPopularExit,
};
}  // namespace

int runNewsScreen(HWND owner) {
    return static_cast<int>(runModalScreen(owner, newsScreen()));
}

int runTopEarnersScreen(HWND owner) {
    return static_cast<int>(runModalScreen(owner, kTopEarnersScreen));
}

int runPopularSharesScreen(HWND owner) {
    return static_cast<int>(runModalScreen(owner, kPopularSharesScreen));
}
