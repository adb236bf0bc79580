// The about box and the picture screens it and the main screen open.
#include "shell/win32/InfoScreens.h"

#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/Screen.h"
#include "views/NewsText.h"
#include "views/win32/PictureScreen.h"

namespace {
constexpr ScreenPicture kLogo[] = {{RES_BMP_LOGO, BitmapReporter::Runtime}};
constexpr ScreenPicture kCreditsPicture[] = {{RES_BMP_CREDITS, BitmapReporter::Runtime}};
constexpr ScreenPicture kOtherGamesPicture[] = {{RES_BMP_OGAMES, BitmapReporter::Runtime}};
constexpr ScreenPicture kDiscoverPicture[] = {{RES_BMP_DISCOVER, BitmapReporter::Runtime}};

// ---- about ----

// Enter means "&OK", not the first button in the tab order, so the focus starts there.
BOOL OnAboutInit(HWND dialog) {
    showTexts(dialog, aboutScreenTexts());
    SetFocus(GetDlgItem(dialog, IDC_ABOUT_OK));
    return FALSE;
}

// The logo is drawn only when the whole item is asked for: a focus change on it draws nothing.
void OnAboutDrawItem(HWND, const DRAWITEMSTRUCT& item) {
    if (item.CtlID == IDC_ABOUT_LOGO && item.CtlType == ODT_BUTTON && item.itemAction == ODA_DRAWENTIRE)
        drawControlPicture(item, RES_BMP_LOGO, kStretched);
}

bool OnAboutCommand(HWND dialog, int id, UINT notification) {
    if (notification != BN_CLICKED) return false;
    switch (id) {
        case IDC_ABOUT_OTHER_GAMES:
            runOtherGamesScreen(dialog);
            return true;
        case IDC_ABOUT_CREDITS:
            runCreditsScreen(dialog);
            return true;
        case IDC_ABOUT_OK:
            EndDialog(dialog, IDC_ABOUT_OK);
            return true;
        default:
            return false;
    }
}

const ScreenTemplate<>& aboutScreen() {
    static const std::vector<FontSpec> fonts = fontTableOf(aboutScreenTexts());
    static const ScreenTemplate<> screen = {
        .name = RES_DLG_ABOUT,
        .helpNumber = IDH_ABOUT,
        .fonts = fonts,
        .handlers = {.init = OnAboutInit, .command = OnAboutCommand, .drawItem = OnAboutDrawItem},
        .pictures = kLogo,
    };
    return screen;
}

// ---- the picture screens ----

bool closeOnLeftClick(HWND dialog, UINT message, POINT) {
    if (message != WM_LBUTTONDOWN) return false;
    postCloseCommand(dialog);
    return true;
}

BOOL OnCreditsInit(HWND dialog) {
    showTexts(dialog, creditsScreenTexts());
    return TRUE;
}

void OnCreditsPaint(HWND dialog, const PAINTSTRUCT& paint) {
    paintPicture(dialog, paint, RES_BMP_CREDITS);
}

HBRUSH OnCreditsColour(HWND, HDC dc, HWND control, UINT) {
    if (!textFor(creditsScreenTexts(), GetDlgCtrlID(control))) return nullptr;
    return textOnPicture(dc, control);
}

const ScreenTemplate<>& creditsScreen() {
    static const std::vector<FontSpec> fonts = fontTableOf(creditsScreenTexts());
    static const ScreenTemplate<> screen = {
        .name = RES_DLG_CREDITS,
        .helpNumber = IDH_CREDITS,
        .fonts = fonts,
        .handlers = {.init = OnCreditsInit,
                     .paint = OnCreditsPaint,
                     .colour = OnCreditsColour,
                     .mouse = closeOnLeftClick,
                     .resize = repaintAll},
        .placement = ScreenPlacement::OverMainWindow,
        .pictures = kCreditsPicture,
    };
    return screen;
}

BOOL OnOtherGamesInit(HWND dialog) {
    showTexts(dialog, otherGamesScreenTexts());
    return TRUE;
}

void OnOtherGamesPaint(HWND dialog, const PAINTSTRUCT& paint) {
    paintPicture(dialog, paint, RES_BMP_OGAMES);
}

// White letters: the picture behind the paragraphs is a dark night sky.
HBRUSH OnOtherGamesColour(HWND, HDC dc, HWND control, UINT) {
    if (!textFor(otherGamesScreenTexts(), GetDlgCtrlID(control))) return nullptr;
    SetTextColor(dc, RGB(255, 255, 255));
    return textOnPicture(dc, control);
}

const ScreenTemplate<>& otherGamesScreen() {
    static const std::vector<FontSpec> fonts = fontTableOf(otherGamesScreenTexts());
    static const ScreenTemplate<> screen = {
        .name = RES_DLG_OGAMES,
        .helpNumber = IDH_OTHER_GAMES,
        .fonts = fonts,
        .handlers = {.init = OnOtherGamesInit,
                     .paint = OnOtherGamesPaint,
                     .colour = OnOtherGamesColour,
                     .mouse = closeOnLeftClick,
                     .resize = repaintAll},
        .placement = ScreenPlacement::OverMainWindow,
        .pictures = kOtherGamesPicture,
    };
    return screen;
}

void OnDiscoverPaint(HWND dialog, const PAINTSTRUCT& paint) {
    paintPicture(dialog, paint, RES_BMP_DISCOVER);
}

const ScreenTemplate<> kDiscoverScreen = {
    .name = RES_DLG_CAR,
    .helpNumber = IDH_DISCOVER,
    .handlers = {.paint = OnDiscoverPaint, .mouse = closeOnLeftClick, .resize = repaintAll},
    .placement = ScreenPlacement::OverMainWindow,
    .pictures = kDiscoverPicture,
};
}  // namespace

int runAboutScreen(HWND owner) {
    return static_cast<int>(runModalScreen(owner, aboutScreen()));
}

int runCreditsScreen(HWND owner) {
    return static_cast<int>(runModalScreen(owner, creditsScreen()));
}

int runOtherGamesScreen(HWND owner) {
    return static_cast<int>(runModalScreen(owner, otherGamesScreen()));
}

int runDiscoverScreen(HWND owner) {
    return static_cast<int>(runModalScreen(owner, kDiscoverScreen));
}
