// The news and information screens, the forms and the three-dimensional buttons.

#include <algorithm>
#include <cstdio>
#include <map>

#include "runtime/win32/ControlFonts.h"
#include "runtime/win32/Screen.h"
#include "shell/win32/InfoScreens.h"
#include "shell/win32/SettingsForms.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/TestDialogs.h"
#include "trading/win32/BuyScreen.h"
#include "trading/win32/PortfolioSelectScreen.h"
#include "trading/win32/SellScreen.h"
#include "views/win32/NewsScreen.h"

namespace {
using InfoScreens = GameWindowTest;
using Forms = GameWindowTest;
using Action = std::function<void(HWND)>;
using Opening = std::function<void(const Action& look)>;
using Runner = std::function<INT_PTR(HWND)>;

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
const Action escapeInFocus = [](HWND d) {
    HWND focus = focusOfThread(GetWindowThreadProcessId(d, nullptr));
    PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(focus, WM_KEYUP, VK_ESCAPE, 0xC0000001);
    waitUntil([d] { return !IsWindow(d); });  // what the key posts in turn comes before the way out
};
Action pressing(std::vector<int> ids) {
    return [=](HWND d) {
        for (int id : ids) press(d, id);
    };
}

// A screen's caption, then each control in template order as "id text|face height weight", marked
// when checked, hiding what is typed, greyed, when its text does not fit it or it is not inside the screen.
std::string dumpOf(HWND screen) {
    std::string dump = textOf(screen) + "\n";
    RECT client, common;
    GetClientRect(screen, &client);
    for (HWND c = GetWindow(screen, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        LOGFONTA font = {};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(c, WM_GETFONT, 0, 0)), sizeof font, &font);
        std::string line = std::to_string(GetDlgCtrlID(c)) + " " + textOf(c) + "|" + font.lfFaceName + " " +
                           std::to_string(font.lfHeight) + " " + std::to_string(font.lfWeight);
        const RECT box = placeInDialog(screen, c);
        if (SendMessageA(c, BM_GETCHECK, 0, 0) == BST_CHECKED) line += "|checked";
        if (SendMessageA(c, EM_GETPASSWORDCHAR, 0, 0)) line += "|hidden";
        if (!IsWindowEnabled(c)) line += "|greyed";
        if (IsWindowVisible(c) && !fitsItsControl(c)) line += "|cut";
        if (IsWindowVisible(c) && !(IntersectRect(&common, &box, &client) && EqualRect(&common, &box)))
            line += "|outside";
        for (char ch : line)
            dump += ch == '\r' ? std::string("\\r") : ch == '\n' ? "\\n" : std::string(1, ch);
        dump += "\n";
    }
    return dump;
}

}  // namespace

TEST_F(InfoScreens, EachScreenAndFormShowsTheTextsAndFontsOnRecord) {
    HMENU menu = GetMenu(window_);
    for (int greyed : {IDM_TOP_EARNERS, IDM_POPULAR_SHARES, IDM_OPTIONS, IDM_MESSAGE_TO_ADMIN})
        EXPECT_TRUE(GetMenuState(menu, greyed, MF_BYCOMMAND) & MF_GRAYED) << greyed;
    const auto opening = [](const std::function<void()>& open, int close) -> Opening {
        return [=](const Action& look) { runScreen(open, look, close); };
    };
    const auto menuItem = [&](int command, int close) {
        return opening([=, this] { chooseMenuCommand(command); }, close);
    };
    // Opened from a button of the screen behind, which waits there, open, until it closes.
    const auto from = [](Opening behind, int id, int close) -> Opening {
        return [=](const Action& look) {
            behind([&](HWND screen) {
                runScreen([&] { press(screen, id); }, look, close);
                EXPECT_TRUE(IsWindowVisible(screen)) << id;
            });
        };
    };
    const Opening about = opening([] { press(mainScreenWindow(), IDC_MAIN_ABOUT); }, IDCANCEL),
                  options = menuItem(IDM_OPTIONS, IDC_OPT_MAIN_MENU);
    const Opening portfolio = menuItem(IDM_PORTFOLIO, IDC_PORT_MAIN_MENU);
    // A window manager cuts a caption short, so Buy and Sell show the name inside, even the widest.
    std::snprintf(gGame.shareTable[0].name, kShareNameSize, "WWWWWWWWWWWWWWWWWWW");
    holdShares(0, 0, 100, 100.0);
    const std::pair<const char*, Opening> screens[] = {
        {"news", menuItem(IDM_NEWS, IDCANCEL)},
        {"top earners", menuItem(IDM_TOP_EARNERS, IDCANCEL)},
        {"popular shares", menuItem(IDM_POPULAR_SHARES, IDCANCEL)},
        {"about", menuItem(IDM_ABOUT, IDCANCEL)},
        {"credits", from(about, IDC_ABOUT_CREDITS, IDCANCEL)},
        {"other games", from(about, IDC_ABOUT_OTHER_GAMES, IDCANCEL)},
        {"discover", opening([] { press(mainScreenWindow(), IDC_MAIN_DISCOVER); }, IDCANCEL)},
        {"options", options},
        {"details", from(options, IDC_OPT_PAYMENT_DETAILS, IDC_DET_SAVE)},
        {"message", menuItem(IDM_MESSAGE_TO_ADMIN, IDC_ADMIN_CANCEL)},
        // The Select Portfolio button is greyed, yet its command opens the selection.
        {"portfolio selection", from(portfolio, IDC_PORT_SELECT_PORTFOLIO, IDC_CANCEL_BUTTON)},
        {"buy", opening([this] { runBuyScreen(window_, gGame, 0); }, IDC_CANCEL_BUTTON)},
        {"sell", opening([this] { runSellScreen(window_, gGame, 0); }, IDC_CANCEL_BUTTON)},
    };
    std::string shown;
    for (const auto& [name, open] : screens) {
        open([&](HWND screen) { shown += std::string("== ") + name + "\n" + dumpOf(screen); });
        EXPECT_TRUE(visibleWindows(GetCurrentProcessId()).empty()) << name << " stayed open";
    }
    portfolio(
        [](HWND screen) { EXPECT_FALSE(IsWindowEnabled(GetDlgItem(screen, IDC_PORT_SELECT_PORTFOLIO))); });
    expectAsRecorded(shown, "screens");
}

// Wine counts no GDI or USER objects: there the controls' fonts, each gone after its screen, stand for them.
TEST_F(InfoScreens, EachScreenAndFormClosesOnTheClicksAndKeysMeantToCloseItOnNoOthersAndLeavesNothing) {
    // The way out pressed after the actions answers only when the screen was still open.
    const struct {
        Runner run;
        Action actions;
        int exit;
        INT_PTR result;
    } cases[] = {
        {runNewsScreen, leftClick, IDCANCEL, IDC_CANCEL_BUTTON},
        {runNewsScreen, paragraphClick, IDCANCEL, IDC_CANCEL_BUTTON},
        {runNewsScreen, [](HWND d) { rightClick(d), enter(d); }, IDCANCEL, IDOK},
        {runNewsScreen, escape, IDCANCEL, IDCANCEL},
        {runTopEarnersScreen, [](HWND d) { middleClick(d), rightClick(d); }, IDCANCEL, IDCANCEL},
        {runPopularSharesScreen, [](HWND d) { leftClick(d), middleClick(d), rightClick(d); }, IDCANCEL,
         IDCANCEL},
        {runPopularSharesScreen, pressing({IDC_POP_EXIT}), IDCANCEL, IDC_POP_EXIT},
        {runAboutScreen, [](HWND d) { leftClick(d), enter(d); }, IDCANCEL, IDC_ABOUT_OK},
        {runCreditsScreen, [](HWND d) { rightClick(d), leftClick(d); }, IDCANCEL, IDC_CANCEL_BUTTON},
        {runOtherGamesScreen, leftClick, IDCANCEL, IDC_CANCEL_BUTTON},
        {runDiscoverScreen, [](HWND d) { middleClick(d), rightClick(d), enter(d); }, IDCANCEL, IDOK},
        {runOptionsScreen, escapeInFocus, IDC_OPT_MAIN_MENU, IDCANCEL},
        {runDetailsScreen, pressing({IDC_DET_SAVE}), IDC_CANCEL_BUTTON, IDC_DET_SAVE},
        {runMessageScreen, pressing({IDC_ADMIN_SAVE}), IDC_ADMIN_CANCEL, IDC_ADMIN_SAVE},
        {runPortfolioSelectScreen, {}, IDC_CANCEL_BUTTON, IDC_CANCEL_BUTTON},
        {runPortfolioSelectScreen, enter, IDC_CANCEL_BUTTON, IDOK},  // the list has the focus
        {runPortfolioSelectScreen, escapeInFocus, IDC_CANCEL_BUTTON, IDCANCEL},
        // Select, Next and Previous do nothing.
        {runPortfolioSelectScreen, pressing({IDC_MULTI_SELECT, IDC_MULTI_NEXT, IDC_MULTI_PREVIOUS}),
         IDC_CANCEL_BUTTON, IDC_CANCEL_BUTTON},
    };
    const auto guiObjects = [] {
        return std::pair{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                         GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)};
    };
    std::vector<HANDLE> fonts;
    std::pair<DWORD, DWORD> before;
    for (int round = 0; round < 2; ++round) {  // the first loads what a first opening keeps for good
        before = guiObjects();
        for (const auto& c : cases) {
            const auto act = [&](HWND d) {
                for (HWND child = GetWindow(d, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                    if (HANDLE font = GetPropA(child, kControlFontProperty)) fonts.push_back(font);
                if (c.actions) c.actions(d);
            };
            INT_PTR result = 0;
            runScreen([&] { result = c.run(window_); }, act, c.exit);
            EXPECT_EQ(result, c.result) << &c - cases;
        }
    }
    EXPECT_EQ(guiObjects(), before);
    EXPECT_GT(fonts.size(), 2 * std::size(cases));
    EXPECT_EQ(std::ranges::count_if(fonts, [](HANDLE font) { return GetObjectType(font) != 0; }), 0);
}

namespace {
// Each button's pixels, a letter to a colour, the colours named first.
std::string pixelsOf(HWND dialog, std::initializer_list<int> ids) {
    std::map<DWORD, char> letters;
    std::string legend, rows;
    for (int id : ids) {
        RECT client;
        GetClientRect(GetDlgItem(dialog, id), &client);
        const Picture shown = pictureOf(WindowDc(GetDlgItem(dialog, id)).get(), client);
        rows += "== " + std::to_string(id) + "\n";
        for (int y = 0; y < client.bottom; rows += '\n', ++y)
            for (int x = 0; x < client.right; ++x) {
                const auto [at, added] = letters.try_emplace(shown.at(x, y), char('a' + letters.size()));
                char line[16];
                if (added)
                    legend.append(line,
                                  std::snprintf(line, sizeof line, "%c %06lX\n", at->second, at->first));
                rows += at->second;
            }
    }
    return legend + rows;
}
}  // namespace

// buttons.expected is reviewed against the bevel geometry: a light face, white and dark edges, reversed
// when pressed, the focused one's dotted frame and the greyed one's dithered face.
TEST_F(Forms, ThreeDButtonsAreDrawnRaisedPressedFocusedAndGreyed) {
    std::string shown;
    const auto look = [&](HWND dialog) {
        moveFocus(dialog, IDC_TEST_3D_FOCUSED);
        SendDlgItemMessageA(dialog, IDC_TEST_3D_PRESSED, BM_SETSTATE, TRUE, 0);
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        saveWindowPicture(dialog, "three-d-buttons");
        shown = pixelsOf(dialog,
                         {IDC_TEST_3D_RAISED, IDC_TEST_3D_PRESSED, IDC_TEST_3D_FOCUSED, IDC_TEST_3D_GREYED});
    };
    const ScreenTemplate<> buttons = {
        .name = "TEST3DBUTTONS", .helpNumber = 0, .handlers = {}, .placement = ScreenPlacement::AsLaidOut};
    runScreen([&] { runModalScreen(window_, buttons); }, look, IDCANCEL);
    expectAsRecorded(shown, "buttons");
}
