// The news and information screens, the options, details and message forms, the portfolio selection and
// the three-dimensional buttons as a player meets them: each opens from its menu item or button with its
// caption, texts and fonts, closes on the clicks and keys meant to close it and on no others, and
// leaves no font behind after a hundred openings; the hidden PIN; each button state read pixel by pixel.

#include <map>

#include "runtime/BevelGeometry.h"
#include "runtime/win32/ControlFonts.h"
#include "runtime/win32/Screen.h"
#include "shell/win32/InfoScreens.h"
#include "shell/win32/SettingsForms.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/TestDialogs.h"
#include "trading/win32/PortfolioSelectScreen.h"
#include "views/NewsText.h"
#include "views/win32/NewsScreen.h"

namespace {
using InfoScreens = GameWindowTest;
using Forms = GameWindowTest;
using Action = std::function<void(HWND)>;
using Opening = std::function<void(const Action& look)>;
using Runner = INT_PTR (*)(HWND);

// Each screen's run function, as one type whatever its own answers.
template <auto run>
INT_PTR opened(HWND owner) {
    return run(owner);
}

// The caption, then each control's text and font as "id text|face height weight", and whether it fits.
std::vector<std::string> expectedLines(const std::string& caption, const ScreenTexts* texts) {
    std::vector<std::string> lines = {caption};
    for (const PlacedText& t : texts ? texts->items : std::vector<PlacedText>{})
        lines.push_back(std::to_string(t.id) + " " + t.text + "|" + texts->fontFace + " " +
                        std::to_string(t.fontHeight) + " " + std::to_string(texts->fontWeight));
    return lines;
}

std::vector<std::string> shownLines(HWND dialog, const ScreenTexts* texts) {
    std::vector<std::string> lines = {textOf(dialog)};
    for (const PlacedText& t : texts ? texts->items : std::vector<PlacedText>{}) {
        lines.push_back(std::to_string(t.id) + " " + textOf(dialog, t.id) + "|" + fontOf(dialog, t.id));
        if (!fitsItsControl(GetDlgItem(dialog, t.id))) lines.back() += " does not fit";
    }
    return lines;
}

Action click(UINT down, WPARAM button) {
    return
        [=](HWND d) { SendMessageA(d, down, button, MAKELPARAM(300, 200)), SendMessageA(d, down + 1, 0, 0); };
}
Action key(WPARAM virtualKey) {
    return [=](HWND d) { PostMessageA(d, WM_KEYDOWN, virtualKey, 0); };
}
const Action leftClick = click(WM_LBUTTONDOWN, MK_LBUTTON), middleClick = click(WM_MBUTTONDOWN, MK_MBUTTON),
             rightClick = click(WM_RBUTTONDOWN, MK_RBUTTON), enter = key(VK_RETURN), escape = key(VK_ESCAPE);
// A real click on the first paragraph, which the text passes on to the page beneath it.
const Action paragraphClick = [](HWND d) {
    RECT r;
    GetWindowRect(GetDlgItem(d, IDC_NEWS_LEFT_FIRST), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT clicks[2] = {};
    for (INPUT& input : clicks) input.type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN, clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
    waitUntil([d] { return !IsWindow(d); });
};

// What a form shows: its caption, then each control in template order as "id text|face height
// weight|checked".
std::vector<std::string> shownBy(HWND form) {
    std::vector<std::string> shown = {textOf(form)};
    for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        shown.push_back(std::to_string(GetDlgCtrlID(c)) + " " + textOf(c) + "|" + fontOf(c) +
                        (SendMessageA(c, BM_GETCHECK, 0, 0) ? "|checked" : ""));
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
    DialogAnswerer answer(close, [&](HWND form) { shown = shownBy(form); });
    press(behind, button);
    answer.seen();
    *behindStaysOpen = IsWindowVisible(behind);
    return shown;
}
}  // namespace

TEST_F(InfoScreens, EachOpensFromItsMenuItemOrButtonWithItsCaptionTextsAndFonts) {
    HMENU menu = GetMenu(window_);
    for (int greyed : {IDM_TOP_EARNERS, IDM_POPULAR_SHARES})
        EXPECT_TRUE(GetMenuState(menu, greyed, MF_BYCOMMAND) & MF_GRAYED);
    const auto menuItem = [this](int command) -> Opening {
        return
            [=, this](const Action& look) { runScreen([&] { chooseMenuCommand(command); }, look, IDCANCEL); };
    };
    const auto mainButton = [](int id) -> Opening {
        return [=](const Action& look) { runScreen([=] { press(mainScreenWindow(), id); }, look, IDCANCEL); };
    };
    // The credits and the other games open from the About box's buttons, while it waits behind them.
    const auto aboutButton = [mainButton](int id) -> Opening {
        return [=](const Action& look) {
            mainButton(IDC_MAIN_ABOUT)(
                [&](HWND about) { runScreen([&] { press(about, id); }, look, IDCANCEL); });
        };
    };
    const struct {
        Opening open;
        const char* caption;
        const ScreenTexts* texts;
    } cases[] = {
        {menuItem(IDM_NEWS), "", &newsScreenTexts()},
        {menuItem(IDM_TOP_EARNERS), "Top Earners", nullptr},
        {menuItem(IDM_POPULAR_SHARES), "", nullptr},
        {menuItem(IDM_ABOUT), "About", &aboutScreenTexts()},
        {aboutButton(IDC_ABOUT_CREDITS), "Credits", &creditsScreenTexts()},
        {aboutButton(IDC_ABOUT_OTHER_GAMES), "", &otherGamesScreenTexts()},
        {mainButton(IDC_MAIN_DISCOVER), "", nullptr},
    };
    for (const auto& c : cases) {
        std::vector<std::string> shown;
        c.open([&](HWND dialog) { shown = shownLines(dialog, c.texts); });
        EXPECT_EQ(shown, expectedLines(c.caption, c.texts)) << &c - cases;
        EXPECT_TRUE(visibleDialogsOf(GetCurrentProcessId()).empty()) << &c - cases << " stayed open";
    }
}

TEST_F(InfoScreens, EachScreenAndFormClosesOnTheClicksAndKeysMeantToCloseItAndOnNoOthers) {
    // The Cancel pressed after the actions answers IDCANCEL only when the screen was still open.
    const auto button = [](int id) -> Action { return [id](HWND d) { press(d, id); }; };
    const struct {
        Runner run;
        std::vector<Action> actions;
        INT_PTR result;
    } cases[] = {
        {opened<runNewsScreen>, {leftClick}, IDC_CANCEL_BUTTON},
        {opened<runNewsScreen>, {paragraphClick}, IDC_CANCEL_BUTTON},
        {opened<runNewsScreen>, {rightClick, enter}, IDOK},
        {opened<runNewsScreen>, {escape}, IDCANCEL},
        {opened<runTopEarnersScreen>, {middleClick, rightClick}, IDCANCEL},
        {opened<runPopularSharesScreen>, {leftClick, middleClick, rightClick}, IDCANCEL},
        {opened<runPopularSharesScreen>, {button(IDC_POP_EXIT)}, IDC_POP_EXIT},
        {opened<runAboutScreen>, {leftClick, enter}, IDC_ABOUT_OK},
        {opened<runCreditsScreen>, {rightClick, leftClick}, IDC_CANCEL_BUTTON},
        {opened<runOtherGamesScreen>, {leftClick}, IDC_CANCEL_BUTTON},
        {opened<runDiscoverScreen>, {middleClick, rightClick, enter}, IDOK},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        INT_PTR result = 0;
        runScreen([&] { result = cases[i].run(window_); },
                  [&](HWND dialog) {
                      for (const Action& action : cases[i].actions) action(dialog);
                  },
                  IDCANCEL);
        EXPECT_EQ(result, cases[i].result) << "case " << i;
    }
    // A form's own way out, pressed after the action, answers only when the action left it open.
    const Action escapeInFocus = [](HWND d) {
        HWND focus = focusOfThread(GetWindowThreadProcessId(d, nullptr));
        PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
        PostMessageA(focus, WM_KEYUP, VK_ESCAPE, 0xC0000001);
        waitUntil([d] { return !IsWindow(d); });  // what the key posts in turn comes before the way out
    };
    const struct {
        Runner run;
        Action action;
        int exit;
        INT_PTR result;
    } forms[] = {
        {runOptionsScreen, escapeInFocus, IDC_OPT_MAIN_MENU, IDCANCEL},
        {runDetailsScreen, button(IDC_DET_SAVE), IDC_CANCEL_BUTTON, IDC_DET_SAVE},
        {runMessageScreen, button(IDC_ADMIN_SAVE), IDC_ADMIN_CANCEL, IDC_ADMIN_SAVE},
        {runPortfolioSelectScreen, {}, IDC_CANCEL_BUTTON, IDC_CANCEL_BUTTON},
        {runPortfolioSelectScreen, enter, IDC_CANCEL_BUTTON, IDOK},  // the list has the focus
        {runPortfolioSelectScreen, escapeInFocus, IDC_CANCEL_BUTTON, IDCANCEL},
        // Select, Next and Previous do nothing.
        {runPortfolioSelectScreen,
         [=](HWND d) {
             for (int id : {IDC_MULTI_SELECT, IDC_MULTI_NEXT, IDC_MULTI_PREVIOUS}) press(d, id);
         },
         IDC_CANCEL_BUTTON, IDC_CANCEL_BUTTON},
    };
    for (const auto& form : forms) {
        INT_PTR result = 0;
        runScreen([&] { result = form.run(window_); }, form.action, form.exit);
        EXPECT_EQ(result, form.result) << &form - forms;
    }
}

namespace {
std::vector<HANDLE>* gFontsSeen = nullptr;

// Notes the fonts the controls hold as each screen appears, and closes it at once.
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

TEST_F(InfoScreens, AHundredOpeningsOfEachScreenAndFormLeaveNoFontBehind) {
    const struct {
        Runner run;
        std::size_t fonts;  // the controls given a font of their own
    } screens[] = {{opened<runNewsScreen>, newsScreenTexts().items.size()},
                   {opened<runTopEarnersScreen>, 0},
                   {opened<runPopularSharesScreen>, 0},
                   {opened<runAboutScreen>, aboutScreenTexts().items.size()},
                   {opened<runCreditsScreen>, creditsScreenTexts().items.size()},
                   {opened<runOtherGamesScreen>, otherGamesScreenTexts().items.size()},
                   {opened<runDiscoverScreen>, 0},
                   {runOptionsScreen, 12},
                   {runDetailsScreen, 26},
                   {runMessageScreen, 3},
                   {runPortfolioSelectScreen, 5}};
    std::vector<HANDLE> fonts;
    gFontsSeen = &fonts;
    HHOOK hook = SetWindowsHookExA(WH_CBT, closeOnActivation, nullptr, GetCurrentThreadId());
    for (const auto& screen : screens) {
        const std::size_t before = fonts.size();
        for (int i = 0; i < 100; ++i) EXPECT_EQ(screen.run(window_), IDCANCEL);
        EXPECT_EQ(fonts.size() - before, 100 * screen.fonts) << &screen - screens;
    }
    UnhookWindowsHookEx(hook);
    int alive = 0;
    for (HANDLE font : fonts) alive += GetObjectType(font) != 0;
    EXPECT_EQ(alive, 0);
}

TEST_F(Forms, GreyedMenuItemsAndTheDisabledButtonOpenTheirFormsWithExactTextsFontsAndAHiddenPin) {
    HMENU menu = GetMenu(window_);
    EXPECT_TRUE(GetMenuState(menu, IDM_OPTIONS, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, IDM_MESSAGE_TO_ADMIN, MF_BYCOMMAND) & MF_GRAYED);
    std::vector<std::string> options, details, message, selection;
    bool optionsStay = false, portfolioStays = false, selectGreyed = false, pinMasked = false;
    DialogAnswerer optionsForm(IDC_OPT_MAIN_MENU, [&](HWND form) {
        options = shownBy(form);
        details = openFrom(form, IDC_OPT_PAYMENT_DETAILS, IDC_DET_SAVE, &optionsStay);
        HWND pin = GetDlgItem(form, IDC_OPT_PIN);
        pinMasked =
            (GetWindowLongA(pin, GWL_STYLE) & ES_PASSWORD) && SendMessageA(pin, EM_GETPASSWORDCHAR, 0, 0);
    });
    chooseMenuCommand(IDM_OPTIONS);
    DialogAnswerer answer(IDC_ADMIN_CANCEL, [&](HWND form) { message = shownBy(form); });
    chooseMenuCommand(IDM_MESSAGE_TO_ADMIN);
    answer.seen();
    DialogAnswerer portfolio(IDC_PORT_MAIN_MENU, [&](HWND screen) {
        selectGreyed = !IsWindowEnabled(GetDlgItem(screen, IDC_PORT_SELECT_PORTFOLIO));
        selection = openFrom(screen, IDC_PORT_SELECT_PORTFOLIO, IDC_CANCEL_BUTTON, &portfolioStays);
    });
    chooseMenuCommand(IDM_PORTFOLIO);
    portfolio.seen();
    EXPECT_EQ(options, kOptions);
    EXPECT_EQ(details, kDetails);
    EXPECT_EQ(message, kMessage);
    EXPECT_EQ(selection, kSelection);
    EXPECT_TRUE(optionsStay && portfolioStays && selectGreyed && pinMasked);
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
    runModalScreen(
        window_,
        {.name = "TEST3DBUTTONS", .helpNumber = 0, .handlers = {}, .placement = ScreenPlacement::AsLaidOut});
    answer.seen();
    EXPECT_EQ(faults, (std::map<int, std::string>{{IDC_TEST_3D_RAISED, ""},
                                                  {IDC_TEST_3D_PRESSED, ""},
                                                  {IDC_TEST_3D_FOCUSED, ""},
                                                  {IDC_TEST_3D_GREYED, ""}}));
}
