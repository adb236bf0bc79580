// Context help as the player meets it, with a recording viewer and then the real one.

#include <atomic>

#include "model/Settlement.h"
#include "runtime/win32/ContextHelp.h"
#include "shell/win32/RingBrokerScreen.h"
#include "shell/win32/Dispatch.h"
#include "tests/gui/GuiHarness.h"
#include "trading/win32/BuyScreen.h"
#include "trading/win32/SellScreen.h"
#include "views/win32/ShareIndexScreen.h"

namespace {
// Each step's name and what the viewer was then asked (on the game's thread); other threads read `requested`.
std::string asked;
std::atomic<bool> requested;
void nextStep(const std::string& name) {
    asked += (asked.empty() ? "" : "\n") + name + ":";
    requested = false;
}

// A key as the keyboard sends it to the focused control; a held key repeats with bit 30 set.
void postKey(HWND control, UINT key, bool repeated = false) {
    PostMessageA(control, WM_KEYDOWN, key, repeated ? 0x40000001 : 0x00000001);
}

void setShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
}

// A key pressed on the keyboard: it comes through the input queue, behind any key already posted.
void pressKey(WORD key) {
    INPUT strokes[2] = {};
    for (INPUT& stroke : strokes) stroke.type = INPUT_KEYBOARD, stroke.ki.wVk = key;
    strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, strokes, sizeof(INPUT));
}

bool menuOpen() {
    return !visibleWindows(GetCurrentProcessId(), "#32768").empty();
}

// A recording viewer stands in for WinHelpA.
class ContextHelp : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        asked.clear();
        setHelpViewer([](HWND, const char*, UINT command, ULONG_PTR data) {
            const char* names[] = {"", "context", "quit", "contents", "help on help"};
            asked += std::string(" ") + names[command] + " " + std::to_string(data);
            requested = true;
            return TRUE;
        });
    }
    void TearDown() override {
        setShift(false);
        GameWindowTest::TearDown();
        setHelpViewer(nullptr);
    }
};

void fOneIn(const std::string& name, const std::function<void()>& open) {
    nextStep("F1 on " + name);
    const auto fOne = [](HWND dialog) {
        postKey(settledFocus(dialog), VK_F1);
        waitUntil([] { return requested.load(); });
    };
    runScreen(open, fOne, IDCANCEL);
}

// Shift+F1, then `leave`: help mode ends without carrying out the button, and the next click does.
void helpModeLeftBy(const std::string& name, const std::function<void()>& leave) {
    nextStep("help mode left by " + name);
    setShift(true);
    postKey(GetDlgItem(mainScreenWindow(), IDC_MAIN_PORTFOLIO), VK_F1);
    pumpMessagesUntilIdle();
    setShift(false);
    ASSERT_TRUE(inHelpMode());
    DialogAnswerer notOpened(IDC_PORT_MAIN_MENU, {}, 1000);
    leave();
    pumpMessagesUntilIdle();
    EXPECT_FALSE(notOpened.seen().found) << "the button was carried out";
    EXPECT_FALSE(inHelpMode());
    const auto portfolio = [] { press(mainScreenWindow(), IDC_MAIN_PORTFOLIO); };
    EXPECT_EQ(runScreen(portfolio, {}, IDC_PORT_MAIN_MENU).screen.caption, "Portfolio");
}

// What the viewer got at each step is compared with help.expected.
TEST_F(ContextHelp, EachWayOfAskingGivesTheViewerItsTopicOnceAndTheGameGoesOn) {
    orderShares(3, 10);
    settleDay(gGame, 1);
    fOneIn("the portfolio", [this] { openPortfolio(window_, gGame); });
    fOneIn("the share index", [this] { runShareIndex(window_, gGame, runBuyScreen); });
    fOneIn("Buy", [this] { runBuyScreen(window_, gGame, 5); });
    fOneIn("Sell", [this] { runSellScreen(window_, gGame, 0); });
    fOneIn("Ring Broker", [this] { runRingBrokerScreen(window_, gGame); });
    nextStep("F1 held down on the main screen");  // through the game's own loop
    for (int i = 0; i < 6; ++i) postKey(GetDlgItem(mainScreenWindow(), IDC_MAIN_PORTFOLIO), VK_F1, i > 0);
    pumpMessagesUntilIdle();
    helpModeLeftBy("a click", [] { press(mainScreenWindow(), IDC_MAIN_PORTFOLIO); });
    helpModeLeftBy("Escape", [] { postKey(GetDlgItem(mainScreenWindow(), IDC_MAIN_PORTFOLIO), VK_ESCAPE); });
    // A greyed menu item closes the menu without a command.
    helpModeLeftBy("a menu closed without a command",
                   [this] { SendMessageA(window_, WM_EXITMENULOOP, FALSE, 0); });
    helpModeLeftBy("an activation", [this] { SendMessageA(window_, WM_ACTIVATE, WA_ACTIVE, 0); });

    nextStep("Buy Max in help mode");
    const auto buyMax = [](HWND dialog) {
        HWND focus = settledFocus(dialog);
        SendMessageA(dialog, WM_NULL, 0, 0);  // the dialog's loop is running
        postKey(focus, VK_F1);
        waitUntil([] { return inHelpMode(); });
        DialogAnswerer noQuestion(IDNO, {}, 1000);
        pressLater(dialog, IDC_BUY_MAX);
        waitUntil([] { return requested.load(); });
        EXPECT_FALSE(noQuestion.seen().found) << "Buy Max was carried out";
        EXPECT_TRUE(IsWindow(dialog));
    };
    setShift(true);
    runScreen([this] { runBuyScreen(window_, gGame, 5); }, buyMax, IDCANCEL);
    setShift(false);
    EXPECT_FALSE(anyPendingOrder(gGame));

    nextStep("F1 on a highlighted menu item");  // the menu closes and the game goes on
    HMENU commands = GetSubMenu(GetMenu(window_), 1);
    bool closed = false;
    std::thread player([&] {
        if (!waitUntil(menuOpen, 5000)) return;
        pressKey(VK_DOWN);
        waitUntil([&] { return (GetMenuState(commands, IDM_PORTFOLIO, MF_BYCOMMAND) & MF_HILITE) != 0; });
        pressKey(VK_F1);
        closed = waitUntil([] { return !menuOpen(); }, 5000);
        if (!closed) EndMenu();  // lets a menu that went on looping end, so that the test can report it
    });
    SetForegroundWindow(window_);
    PostMessageA(window_, WM_SYSCOMMAND, SC_KEYMENU, 'c');  // Alt+C: the menu's loop runs in here
    pumpMessagesUntilIdle();
    player.join();
    pumpMessagesUntilIdle();
    EXPECT_TRUE(closed) << "the menu stayed open";
    const auto portfolio = [this] { chooseMenuCommand(IDM_PORTFOLIO); };
    EXPECT_EQ(runScreen(portfolio, {}, IDC_PORT_MAIN_MENU).screen.caption, "Portfolio");

    nextStep("the Help menu's two items, then the window's end");
    chooseMenuCommand(IDM_HELP_CONTENTS);
    chooseMenuCommand(IDM_HELP_ON_HELP);
    DestroyWindow(window_);
    pumpMessagesUntilIdle();
    expectAsRecorded(asked + "\n", "help");
}

// The texts of the help viewer's windows (another process's) and their children: its caption and topic.
BOOL CALLBACK addText(HWND window, LPARAM texts) {
    char buffer[4096] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                        1000, nullptr);
    *reinterpret_cast<std::string*>(texts) += std::string(buffer) + "\n";
    return TRUE;
}
std::string viewerTexts() {
    std::string text;
    for (HWND viewer : visibleWindows(GetCurrentProcessId(), "MS_WINHELP", false)) {
        addText(viewer, reinterpret_cast<LPARAM>(&text));
        EnumChildWindows(viewer, addText, reinterpret_cast<LPARAM>(&text));
    }
    return text;
}
bool viewerShows(const char* title) {
    return waitUntil([&] { return viewerTexts().find(title) != std::string::npos; }, 20000);
}

using HelpViewer = GameWindowTest;

TEST_F(HelpViewer, FOneOnThePortfolioAndUsingHelpOpenTheirTopicsInTheViewer) {
    setHelpViewer(nullptr);
    const auto fOne = [](HWND dialog) {
        postKey(settledFocus(dialog), VK_F1);
        EXPECT_TRUE(viewerShows("The Portfolio Screen")) << viewerTexts();
    };
    runScreen([this] { openPortfolio(window_, gGame); }, fOne, IDC_PORT_MAIN_MENU);
    chooseMenuCommand(IDM_HELP_ON_HELP);
    EXPECT_TRUE(viewerShows("How to Use Help")) << viewerTexts();
    EXPECT_TRUE(visibleWindows(GetCurrentProcessId(), "#32770", false).empty())
        << "the viewer asked a question";
    saveWindowPicture(GetDesktopWindow(), "help_viewer_how_to");
    openHelp(window_, kHelpQuit, 0);
    EXPECT_TRUE(waitUntil([] { return viewerTexts().empty(); }, 10000));
}
}  // namespace
