// The options, details and message forms, the portfolio selection and the three-dimensional buttons as a
// player meets them: opened from their menu items and buttons, their exact texts and fonts, how each one
// closes, the hidden PIN, no font left behind, and each button state read back pixel by pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "runtime/BevelGeometry.h"
#include "runtime/win32/ControlFonts.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/Screen.h"
#include "shell/win32/SettingsForms.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "tests/gui/TestDialogs.h"
#include "trading/win32/PortfolioSelectScreen.h"

namespace {
using Forms = GameWindowTest;

// What a form shows: its caption, then each control in template order as "id text|face height
// weight|checked".
std::vector<std::string> shownBy(HWND form) {
    std::vector<std::string> shown = {textOf(form)};
    for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)), sizeof font, &font);
        shown.push_back(std::to_string(GetDlgCtrlID(c)) + " " + textOf(c) + "|" + font.lfFaceName + " " +
                        std::to_string(font.lfHeight) + " " + std::to_string(font.lfWeight) +
                        (SendMessageA(c, BM_GETCHECK, 0, 0) ? "|checked" : ""));
    }
    return shown;
}

// The caption, then the controls given as "id text" or "id text|face height weight", separated by ';'.
std::vector<std::string> expected(const char* caption, const std::string& controls, const char* font) {
    std::vector<std::string> shown = {caption};
    for (std::size_t from = 0, to = 0; to != std::string::npos; from = to + 1) {
        to = controls.find(';', from);
        shown.push_back(controls.substr(from, to - from));
        if (shown.back().find('|') == std::string::npos) shown.back() += std::string("|") + font;
    }
    return shown;
}

const auto kOptions =
    expected("Options",
             "100 Name:;10076 ;101 Pin Number:;103 ;107 &Bells and Whistles;"
             "108 &Warn if you are Selling shares at a Loss ;109 &Low Hard Disk Usage;"
             "104 Data Transfer;105 Internet;106 Dial-up;10042 &Payment Details;10020 &Main Menu",
             "Helv -13 400");
const auto kDetails =
    expected("Details",
             "100 Title :;103 ;101 Initials :;104 ;102 Surname :;105 ;106 Address :;107 ;108 ;"
             "109 ;110 Post Code :;111 ;112 Telephone :;113 ;114 Credit Card Number :;117 ;118 ;"
             "119 ;120 ;122 Expiry Month :;125 ;124 Expiry Year :;123 ;121 Send Computer Details;"
             "10041 &Save Details;10023 &Cancel",
             "Helv -13 400");
const auto kMessage = expected("Message",
                               "100 Dear Mr Administrator,;10041 &Save Details|Helv -11 400;"
                               "10026 &Cancel|Helv -11 400",
                               "Helv -13 400");
const auto kSelection =
    expected("Select Portfolio",
             "100 |Courier -13 400;10077 &Select;10078 &Next;10079 &Previous;10023 &Cancel", "Helv -13 400");

// Opens a form from a button of the screen behind it and reads it, then closes it with `close`.
std::vector<std::string> openFrom(HWND behind, int button, int close, bool* behindStaysOpen) {
    std::vector<std::string> shown;
    DialogAnswerer answer(close, [&](HWND form) {
        shown = shownBy(form);
        saveWindowPicture(form, button == IDC_OPT_PAYMENT_DETAILS ? "details" : "portfolio-selection");
    });
    press(behind, button);
    answer.seen();
    *behindStaysOpen = IsWindowVisible(behind);
    return shown;
}
}  // namespace

TEST_F(Forms, GreyedMenuItemsAndTheDisabledButtonOpenTheirFormsWithExactTextsFontsAndAHiddenPin) {
    HMENU menu = GetMenu(window_);
    EXPECT_TRUE(GetMenuState(menu, IDM_OPTIONS, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, IDM_MESSAGE_TO_ADMIN, MF_BYCOMMAND) & MF_GRAYED);
    std::vector<std::string> options[2], details, message, selection;
    bool optionsStay = false, portfolioStays = false, selectGreyed = false, pinMasked = false;
    for (auto& opening : options) {  // the second opening shows nothing of what the first was given
        DialogAnswerer answer(IDC_OPT_MAIN_MENU, [&](HWND form) {
            opening = shownBy(form);
            saveWindowPicture(form, "options");
            details = openFrom(form, IDC_OPT_PAYMENT_DETAILS, IDC_DET_SAVE, &optionsStay);
            HWND pin = GetDlgItem(form, IDC_OPT_PIN);
            pinMasked =
                (GetWindowLongA(pin, GWL_STYLE) & ES_PASSWORD) && SendMessageA(pin, EM_GETPASSWORDCHAR, 0, 0);
            type(form, IDC_OPT_NAME, "Ada");
            type(form, IDC_OPT_PIN, "4321");
            for (int box : {IDC_OPT_BELLS, IDC_OPT_WARN_LOSS, IDC_OPT_LOW_DISK, IDC_OPT_DIAL_UP})
                press(form, box);
        });
        chooseMenuCommand(IDM_OPTIONS);
    }
    DialogAnswerer answer(IDC_ADMIN_CANCEL, [&](HWND form) {
        message = shownBy(form);
        saveWindowPicture(form, "message");
    });
    chooseMenuCommand(IDM_MESSAGE_TO_ADMIN);
    answer.seen();
    DialogAnswerer portfolio(IDC_PORT_MAIN_MENU, [&](HWND screen) {
        selectGreyed = !IsWindowEnabled(GetDlgItem(screen, IDC_PORT_SELECT_PORTFOLIO));
        selection = openFrom(screen, IDC_PORT_SELECT_PORTFOLIO, IDC_CANCEL_BUTTON, &portfolioStays);
    });
    chooseMenuCommand(IDM_PORTFOLIO);
    portfolio.seen();
    EXPECT_EQ(options[0], kOptions);
    EXPECT_EQ(options[1], kOptions);
    EXPECT_EQ(details, kDetails);
    EXPECT_EQ(message, kMessage);
    EXPECT_EQ(selection, kSelection);
    EXPECT_TRUE(optionsStay && portfolioStays && selectGreyed && pinMasked);
}

TEST_F(Forms, EachFormClosesAsAPlayerExpects) {
    enum Kind { kButton, kKey, kStaysOpen };
    struct Case {
        INT_PTR (*run)(HWND);
        Kind kind;
        int what;  // a button, or a key
        INT_PTR result;
    };
    const Case cases[] = {
        {runOptionsScreen, kButton, IDC_OPT_MAIN_MENU, IDC_OPT_MAIN_MENU},
        {runOptionsScreen, kKey, VK_ESCAPE, IDCANCEL},
        {runDetailsScreen, kButton, IDC_DET_SAVE, IDC_DET_SAVE},
        {runDetailsScreen, kButton, IDC_CANCEL_BUTTON, IDC_CANCEL_BUTTON},
        {runDetailsScreen, kKey, VK_ESCAPE, IDCANCEL},
        {runMessageScreen, kButton, IDC_ADMIN_SAVE, IDC_ADMIN_SAVE},
        {runMessageScreen, kButton, IDC_ADMIN_CANCEL, IDC_ADMIN_CANCEL},
        {runMessageScreen, kKey, VK_ESCAPE, IDCANCEL},
        {runPortfolioSelectScreen, kButton, IDC_CANCEL_BUTTON, IDC_CANCEL_BUTTON},
        {runPortfolioSelectScreen, kKey, VK_RETURN, IDOK},  // the list has the focus
        {runPortfolioSelectScreen, kKey, VK_ESCAPE, IDCANCEL},
        {runPortfolioSelectScreen, kStaysOpen, 0, IDC_CANCEL_BUTTON},  // Select, Next and Previous do nothing
    };
    for (const Case& c : cases) {
        bool stayedOpen = true;
        DialogAnswerer answer(c.kind == kButton ? c.what : IDC_CANCEL_BUTTON, [&](HWND form) {
            if (c.kind == kStaysOpen)
                for (int button : {IDC_MULTI_SELECT, IDC_MULTI_NEXT, IDC_MULTI_PREVIOUS}) press(form, button);
            if (c.kind == kKey) {
                HWND focus = focusOfThread(GetWindowThreadProcessId(form, nullptr));
                PostMessageA(focus, WM_KEYDOWN, c.what, 1);
                PostMessageA(focus, WM_KEYUP, c.what, 0xC0000001);
            }
            stayedOpen = c.kind == kKey ? !waitUntil([&] { return !IsWindow(form); }) : IsWindowVisible(form);
        });
        EXPECT_EQ(c.run(window_), c.result) << c.what;
        answer.seen();
        EXPECT_EQ(stayedOpen, c.kind != kKey) << c.what;
    }
}

namespace {
std::vector<HANDLE>* gFontsSeen = nullptr;

// Notes the fonts the controls hold as each form appears, and closes it at once.
LRESULT CALLBACK closeOnActivation(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    char kind[16] = "";
    if (code == HCBT_ACTIVATE && GetClassNameA(window, kind, sizeof kind) && std::string(kind) == "#32770") {
        for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (HANDLE font = GetPropA(c, kControlFontProperty)) gFontsSeen->push_back(font);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
}  // namespace

TEST_F(Forms, AHundredOpeningsOfEachFormLeaveNoFontBehind) {
    std::vector<HANDLE> fonts;
    gFontsSeen = &fonts;
    HHOOK hook = SetWindowsHookExA(WH_CBT, closeOnActivation, nullptr, GetCurrentThreadId());
    for (int i = 0; i < 100; ++i)
        for (auto run : {runOptionsScreen, runDetailsScreen, runMessageScreen, runPortfolioSelectScreen})
            EXPECT_EQ(run(window_), IDCANCEL);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(fonts.size(),
              100u * (kOptions.size() + kDetails.size() + kMessage.size() + kSelection.size() - 4));
    int alive = 0;
    for (HANDLE font : fonts) alive += GetObjectType(font) != 0;
    EXPECT_EQ(alive, 0);
}

namespace {
// The first pixel of the button that is not where the bevel geometry puts its colour; empty when none.
// The dotted focus frame must change at least half the pixels of its top edge.
std::string misdrawn(HWND button, const ButtonState& state) {
    RECT client;
    GetClientRect(button, &client);
    const ButtonGeometry g = buttonGeometry({0, 0, client.right, client.bottom}, state);
    const BevelColours colours = bevelColoursFor(false);
    std::map<std::pair<int, int>, uint32_t> want;
    for (int y = g.face.top; y < g.face.bottom; ++y)
        for (int x = g.face.left; x < g.face.right; ++x)
            want[{x, y}] = state.greyed && ditherSetsPixel(g.face, x, y) ? colours.dither : colours.light;
    for (const BevelLine& l : g.lines)
        for (Point p = l.from; p.x != l.to.x || p.y != l.to.y;
             p.x += (l.to.x > p.x) - (l.to.x < p.x), p.y += (l.to.y > p.y) - (l.to.y < p.y))
            want[{p.x, p.y}] = colours.of(l.pen);
    const Rect& f = g.focusFrame;
    const auto onFrame = [&](int x, int y) {
        return x >= f.left && x < f.right && y >= f.top && y < f.bottom &&
               (x == f.left || x == f.right - 1 || y == f.top || y == f.bottom - 1);
    };
    WindowDc dc(button);
    std::string found;
    int dotted = 0;
    for (const auto& [at, colour] : want) {
        const COLORREF seen = GetPixel(dc.get(), at.first, at.second);
        dotted += at.second == f.top && onFrame(at.first, at.second) && seen != colour;
        if (seen != colour && !onFrame(at.first, at.second) && found.empty())
            found =
                std::to_string(at.first) + "," + std::to_string(at.second) + " is " + std::to_string(seen);
    }
    return found + (2 * dotted < f.width() ? " no focus frame" : "");
}
}  // namespace

TEST_F(Forms, ThreeDButtonsAreDrawnRaisedPressedFocusedAndGreyed) {
    std::map<int, std::string> faults;
    DialogAnswerer answer(IDCANCEL, [&](HWND dialog) {
        moveFocus(dialog, IDC_TEST_3D_FOCUSED);
        SendDlgItemMessageA(dialog, IDC_TEST_3D_PRESSED, BM_SETSTATE, TRUE, 0);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        saveWindowPicture(dialog, "three-d-buttons");
        for (auto [id, state] : {std::pair{IDC_TEST_3D_RAISED, ButtonState{}},
                                 {IDC_TEST_3D_PRESSED, ButtonState{.pressed = true}},
                                 {IDC_TEST_3D_FOCUSED, ButtonState{.focused = true}},
                                 {IDC_TEST_3D_GREYED, ButtonState{.greyed = true}}})
            faults[id] = misdrawn(GetDlgItem(dialog, id), state);
    });
    runModalScreen(window_, {.name = "TEST3DBUTTONS",
                             .kind = kOrdinaryDialog,
                             .helpNumber = 0,
                             .handlers = {},
                             .placement = ScreenPlacement::AsLaidOut});
    answer.seen();
    EXPECT_EQ(faults, (std::map<int, std::string>{{IDC_TEST_3D_RAISED, ""},
                                                  {IDC_TEST_3D_PRESSED, ""},
                                                  {IDC_TEST_3D_FOCUSED, ""},
                                                  {IDC_TEST_3D_GREYED, ""}}));
}
