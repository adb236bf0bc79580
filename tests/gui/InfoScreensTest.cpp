// The news and information screens: each opens from its menu item or button with its caption, texts,
// fonts and places, closes on the clicks and keys meant to close it and no others, draws the About
// logo only when asked for all of it, and leaves no font behind after a hundred openings.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "resources/resource.h"
#include "runtime/win32/ControlFonts.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/win32/InfoScreens.h"
#include "shell/win32/MainScreen.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "views/NewsText.h"
#include "views/win32/NewsScreen.h"

namespace {
using InfoScreens = GameWindowTest;
using Action = std::function<void(HWND)>;
using Opening = std::function<void(const Action& look)>;
using Runner = int (*)(HWND);

std::string line(int id, const std::string& text, const std::string& face, int height, int weight, RECT r) {
    return std::to_string(id) + " '" + text + "' " + face + " " + std::to_string(height) + " " +
           std::to_string(weight) + " at " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// The table's texts in its face at two pixels to a unit, after the caption and the client size.
std::vector<std::string> expectedLines(const std::string& caption, SIZE client, const ScreenTexts* texts) {
    std::vector<std::string> lines = {line(0, caption, "", 0, 0, {0, 0, client.cx, client.cy})};
    for (const PlacedText& t : texts ? texts->items : std::vector<PlacedText>{})
        lines.push_back(line(t.id, t.text, texts->fontFace, t.fontHeight, texts->fontWeight,
                             {2 * t.x, 2 * t.y, 2 * (t.x + t.width), 2 * (t.y + t.height)}));
    return lines;
}

// Whether the control's text, wrapped at its width in its font, stays inside it.
bool fitsItsControl(HWND control) {
    RECT box, needed;
    GetClientRect(control, &box);
    needed = box;
    WindowDc dc(control);
    Selected font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    DrawTextA(dc.get(), textOf(control).c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
    return needed.right <= box.right && needed.bottom <= box.bottom;
}

std::vector<std::string> shownLines(HWND dialog, const ScreenTexts* texts) {
    RECT r;
    GetClientRect(dialog, &r);
    std::vector<std::string> lines = {line(0, textOf(dialog), "", 0, 0, r)};
    for (const PlacedText& t : texts ? texts->items : std::vector<PlacedText>{}) {
        GetWindowRect(GetDlgItem(dialog, t.id), &r);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
        const LOGFONTA font = fontOf(dialog, t.id);
        lines.push_back(line(t.id, textOf(dialog, t.id), font.lfFaceName, font.lfHeight, font.lfWeight, r));
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
}  // namespace

TEST_F(InfoScreens, EachOpensFromItsMenuItemOrButtonWithItsCaptionTextsFontsAndPlaces) {
    HMENU menu = GetMenu(window_);
    for (int greyed : {IDM_TOP_EARNERS, IDM_POPULAR_SHARES})
        EXPECT_TRUE(GetMenuState(menu, greyed, MF_BYCOMMAND) & MF_GRAYED);
    for (int usable : {IDM_NEWS, IDM_ABOUT})
        EXPECT_FALSE(GetMenuState(menu, usable, MF_BYCOMMAND) & MF_GRAYED);
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
        const char* name;  // of the screenshot
        const char* caption;
        SIZE client;
        const ScreenTexts* texts;
    } cases[] = {
        {menuItem(IDM_NEWS), "news", "", {640, 480}, &newsScreenTexts()},
        {menuItem(IDM_TOP_EARNERS), "top_earners", "Top Earners", {640, 420}, nullptr},
        {menuItem(IDM_POPULAR_SHARES), "popular_shares", "", {640, 420}, nullptr},
        {menuItem(IDM_ABOUT), "about", "About", {304, 330}, &aboutScreenTexts()},
        {mainButton(IDC_MAIN_ABOUT), "about_from_button", "About", {304, 330}, &aboutScreenTexts()},
        {aboutButton(IDC_ABOUT_CREDITS), "credits", "Credits", {422, 238}, &creditsScreenTexts()},
        {aboutButton(IDC_ABOUT_OTHER_GAMES), "other_games", "", {640, 460}, &otherGamesScreenTexts()},
        {mainButton(IDC_MAIN_DISCOVER), "discover", "", {640, 480}, nullptr},
    };
    for (const auto& c : cases) {
        std::vector<std::string> shown;
        c.open([&](HWND dialog) {
            shown = shownLines(dialog, c.texts);
            saveWindowPicture(dialog, c.name);
        });
        EXPECT_EQ(shown, expectedLines(c.caption, c.client, c.texts)) << c.name;
        EXPECT_TRUE(visibleDialogsOf(GetCurrentProcessId()).empty()) << c.name << " stayed open";
    }
    EXPECT_EQ(std::string(textFor(aboutScreenTexts(), IDC_ABOUT_VERSION)), aboutVersionLabel());
}

TEST_F(InfoScreens, EachClosesOnTheClicksAndKeysMeantToCloseItAndOnNoOthers) {
    // The Cancel pressed after the actions answers IDCANCEL only when the screen was still open.
    const struct {
        Runner run;
        std::vector<Action> actions;
        int result;
    } cases[] = {
        {runNewsScreen, {leftClick}, IDC_CANCEL_BUTTON},
        {runNewsScreen, {middleClick}, IDC_CANCEL_BUTTON},
        {runNewsScreen, {paragraphClick}, IDC_CANCEL_BUTTON},
        {runNewsScreen, {rightClick, enter}, IDOK},
        {runNewsScreen, {escape}, IDCANCEL},
        {runTopEarnersScreen, {middleClick, rightClick}, IDCANCEL},
        {runTopEarnersScreen, {leftClick}, IDC_CANCEL_BUTTON},
        {runTopEarnersScreen, {enter}, IDOK},
        {runPopularSharesScreen, {leftClick, middleClick, rightClick}, IDCANCEL},
        {runPopularSharesScreen, {[](HWND d) { press(d, IDC_POP_EXIT); }}, IDC_POP_EXIT},
        {runAboutScreen, {leftClick, enter}, IDC_ABOUT_OK},
        {runCreditsScreen, {rightClick, leftClick}, IDC_CANCEL_BUTTON},
        {runOtherGamesScreen, {leftClick}, IDC_CANCEL_BUTTON},
        {runDiscoverScreen, {middleClick, rightClick, enter}, IDOK},
        {runDiscoverScreen, {leftClick}, IDC_CANCEL_BUTTON},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        int result = 0;
        runScreen([&] { result = cases[i].run(window_); },
                  [&](HWND dialog) {
                      for (const Action& action : cases[i].actions) action(dialog);
                  },
                  IDCANCEL);
        EXPECT_EQ(result, cases[i].result) << "case " << i;
    }
}

TEST_F(InfoScreens, TheAboutLogoIsDrawnOnlyWhenTheWholeItemIsAskedFor) {
    std::vector<int> drawn;  // pixels no longer white, of every fourth row and column
    runScreen(
        [this] { runAboutScreen(window_); },
        [&](HWND about) {
            WindowDc screen(nullptr);
            MemoryDc memory(CreateCompatibleDC(screen.get()));
            OwnedBitmap canvas(CreateCompatibleBitmap(screen.get(), 288, 152));
            Selected onCanvas(memory.get(), canvas.get());
            for (UINT action : {ODA_FOCUS, ODA_DRAWENTIRE}) {
                PatBlt(memory.get(), 0, 0, 288, 152, WHITENESS);
                DRAWITEMSTRUCT item = {ODT_BUTTON,   IDC_ABOUT_LOGO,   0,
                                       action,       ODS_FOCUS,        GetDlgItem(about, IDC_ABOUT_LOGO),
                                       memory.get(), {0, 0, 288, 152}, 0};
                SendMessageA(about, WM_DRAWITEM, IDC_ABOUT_LOGO, reinterpret_cast<LPARAM>(&item));
                drawn.push_back(0);
                for (int at = 0; at < 72 * 38; ++at)
                    drawn.back() += GetPixel(memory.get(), at % 72 * 4, at / 72 * 4) != RGB(255, 255, 255);
            }
        },
        IDC_ABOUT_OK);
    EXPECT_EQ(drawn, (std::vector<int>{0, 72 * 38}));  // the logo fills the whole control
}

TEST_F(InfoScreens, AHundredOpeningsOfEachLeaveNoFontBehind) {
    constexpr int kOpenings = 100;
    std::vector<HANDLE> fonts;
    for (Runner run : {runNewsScreen, runTopEarnersScreen, runPopularSharesScreen, runAboutScreen,
                       runCreditsScreen, runOtherGamesScreen, runDiscoverScreen}) {
        // Each opening is painted whole, its controls' own fonts noted, and closed with Escape.
        std::thread closer([&] {
            for (int i = 0; i < kOpenings; ++i) {
                HWND dialog = nullptr;
                waitUntil([&] {
                    const std::vector<HWND> open = visibleDialogsOf(GetCurrentProcessId());
                    return (dialog = open.empty() ? nullptr : open.front()) != nullptr;
                });
                RedrawWindow(dialog, nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                    if (HANDLE font = GetPropA(c, kControlFontProperty)) fonts.push_back(font);
                escape(dialog);
                waitUntil([dialog] { return !IsWindow(dialog); });
            }
        });
        for (int i = 0; i < kOpenings; ++i) EXPECT_EQ(run(window_), IDCANCEL);
        closer.join();
    }
    ASSERT_EQ(fonts.size(),
              kOpenings * (newsScreenTexts().items.size() + aboutScreenTexts().items.size() +
                           creditsScreenTexts().items.size() + otherGamesScreenTexts().items.size()));
    int alive = 0;
    for (HANDLE font : fonts) alive += GetObjectType(font) != 0;
    EXPECT_EQ(alive, 0);
}
