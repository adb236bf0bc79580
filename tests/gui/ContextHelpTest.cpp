// Context help as the player meets it: F1 on each screen, the Shift+F1 help mode, the Help menu, and
// the viewer closed with the game. A recording viewer stands in for WinHelpA, except in the last test.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "model/Settlement.h"
#include "resources/resource.h"
#include "runtime/win32/ContextHelp.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/RingBrokerScreen.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"
#include "trading/win32/BuyScreen.h"
#include "trading/win32/PortfolioScreen.h"
#include "trading/win32/SellScreen.h"
#include "views/win32/ShareIndexScreen.h"

namespace {
struct HelpRequest {
    UINT command;
    ULONG_PTR data;
    bool operator==(const HelpRequest&) const = default;
};

std::mutex requestsLock;
std::vector<HelpRequest> requests;

BOOL recordingViewer(HWND, const char*, UINT command, ULONG_PTR data) {
    std::lock_guard<std::mutex> hold(requestsLock);
    requests.push_back({command, data});
    return TRUE;
}

std::vector<HelpRequest> requested() {
    std::lock_guard<std::mutex> hold(requestsLock);
    return requests;
}

class ContextHelp : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        requests.clear();
        setHelpViewer(recordingViewer);
    }
    void TearDown() override {
        setShift(false);
        GameWindowTest::TearDown();
        setHelpViewer(nullptr);
    }
    static void setShift(bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }
};

// A key as the keyboard sends it to the focused control: repeat count 1, and the bit that says it was
// already down when the key repeats.
void postKey(HWND control, UINT key, bool repeated = false) {
    PostMessageA(control, WM_KEYDOWN, key, repeated ? 0x40000001 : 0x00000001);
}

struct ScreenCase {
    const char* name;
    std::function<void(HWND owner)> open;
    int context;
};

TEST_F(ContextHelp, FOneOnEachScreenAsksForItsTopic) {
    gGame.selectedShare = 3;
    ASSERT_TRUE(bookPurchase(gGame, 10).booked());
    settleDay(gGame, 1);
    const ScreenCase screens[] = {
        {"portfolio", [](HWND owner) { runPortfolioScreen(owner, gGame); }, 20001},
        {"share index", [](HWND owner) { runShareIndex(owner, gGame); }, 20002},
        {"buy", [](HWND owner) { runBuyScreen(owner, gGame, 5); }, 20004},
        {"sell", [](HWND owner) { runSellScreen(owner, gGame, 0); }, 20005},
        {"ring the broker", [](HWND owner) { runRingBrokerScreen(owner, gGame); }, 20007},
    };
    for (const ScreenCase& screen : screens) {
        SCOPED_TRACE(screen.name);
        requests.clear();
        DialogAnswerer close(IDCANCEL, [&](HWND dialog) {
            const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
            waitUntil([&] { return focusOfThread(thread) != nullptr; });
            postKey(focusOfThread(thread), VK_F1);
            waitUntil([&] { return !requested().empty(); });
        });
        screen.open(window_);
        close.seen();
        EXPECT_EQ(requested(), (std::vector<HelpRequest>{{kHelpContext, ULONG_PTR(screen.context)}}));
    }
    // The main screen, through the game's own loop.
    requests.clear();
    postKey(GetDlgItem(mainScreenWindow(), IDC_MAIN_PORTFOLIO), VK_F1);
    pumpMessagesUntilIdle();
    EXPECT_EQ(requested(), (std::vector<HelpRequest>{{kHelpContext, 20000}}));
}

TEST_F(ContextHelp, FOneHeldDownOpensHelpOnce) {
    HWND button = GetDlgItem(mainScreenWindow(), IDC_MAIN_PORTFOLIO);
    postKey(button, VK_F1);
    for (int i = 0; i < 5; ++i) postKey(button, VK_F1, true);
    pumpMessagesUntilIdle();
    EXPECT_EQ(requested().size(), 1u);
}

TEST_F(ContextHelp, ShiftFOneThenAButtonAsksForTheTopicInsteadOfActing) {
    setShift(true);
    postKey(GetDlgItem(mainScreenWindow(), IDC_MAIN_PORTFOLIO), VK_F1);
    pumpMessagesUntilIdle();
    setShift(false);
    ASSERT_TRUE(inHelpMode());
    DialogAnswerer notOpened(IDC_PORT_MAIN_MENU, {}, 1000);
    press(mainScreenWindow(), IDC_MAIN_PORTFOLIO);
    pumpMessagesUntilIdle();
    EXPECT_FALSE(notOpened.seen().found) << "the button was carried out";
    EXPECT_FALSE(inHelpMode());
    EXPECT_EQ(requested(), (std::vector<HelpRequest>{{kHelpContext, 20000}}));
}

TEST_F(ContextHelp, ShiftFOneThenBuyOnAScreenAsksForItsTopicAndBuysNothing) {
    bool stillOpen = false;
    DialogAnswerer buy(IDCANCEL, [&](HWND dialog) {
        const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
        waitUntil([&] { return focusOfThread(thread) != nullptr; });
        SendMessageA(dialog, WM_NULL, 0, 0);  // the dialog's loop is running
        postKey(focusOfThread(thread), VK_F1);
        waitUntil([] { return inHelpMode(); });
        DialogAnswerer noQuestion(IDNO, {}, 1000);
        pressLater(dialog, IDC_BUY_MAX);
        waitUntil([&] { return !requested().empty(); });
        EXPECT_FALSE(noQuestion.seen().found) << "Buy Max was carried out";
        stillOpen = IsWindow(dialog) != FALSE;
    });
    setShift(true);
    runBuyScreen(window_, gGame, 5);
    setShift(false);
    buy.seen();
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(anyPendingOrder(gGame));
    EXPECT_EQ(requested(), (std::vector<HelpRequest>{{kHelpContext, 20004}}));
}

TEST_F(ContextHelp, EscapeOrAClosedMenuLeavesHelpModeAndTheNextClickActs) {
    const std::function<void()> leaveHelpMode[] = {
        [] { postKey(GetDlgItem(mainScreenWindow(), IDC_MAIN_PORTFOLIO), VK_ESCAPE); },
        // A greyed menu item closes the menu without a command.
        [this] { SendMessageA(window_, WM_EXITMENULOOP, FALSE, 0); },
        [this] { SendMessageA(window_, WM_ACTIVATE, WA_ACTIVE, 0); },
    };
    for (const auto& leave : leaveHelpMode) {
        setShift(true);
        postKey(GetDlgItem(mainScreenWindow(), IDC_MAIN_PORTFOLIO), VK_F1);
        pumpMessagesUntilIdle();
        setShift(false);
        ASSERT_TRUE(inHelpMode());
        leave();
        pumpMessagesUntilIdle();
        EXPECT_FALSE(inHelpMode());
        DialogAnswerer opened(IDC_PORT_MAIN_MENU);
        press(mainScreenWindow(), IDC_MAIN_PORTFOLIO);
        EXPECT_EQ(opened.seen().caption, "Portfolio");
    }
    EXPECT_TRUE(requested().empty());
}

TEST_F(ContextHelp, TheHelpMenuAndTheEndOfTheGameAskTheViewer) {
    chooseMenuCommand(IDM_HELP_CONTENTS);
    chooseMenuCommand(IDM_HELP_ON_HELP);
    DestroyWindow(window_);
    pumpMessagesUntilIdle();
    EXPECT_EQ(requested(), (std::vector<HelpRequest>{{kHelpContents, 0}, {kHelpOnHelp, 0}, {kHelpQuit, 0}}));
}
// Windows of other processes (the help viewer's) that are visible now.
std::vector<HWND> foreignWindows(const char* className) {
    std::vector<HWND> found;
    for (HWND w = FindWindowExA(nullptr, nullptr, className, nullptr); w;
         w = FindWindowExA(nullptr, w, className, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if (process != GetCurrentProcessId() && IsWindowVisible(w)) found.push_back(w);
    }
    return found;
}

// All the text the viewer's windows hold: its caption and the topic in its text windows.
std::string viewerText(HWND viewer) {
    std::string text;
    const auto add = [&](HWND w) {
        char buffer[4096] = "";
        SendMessageTimeoutA(w, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                            1000, nullptr);
        text += buffer;
        text += '\n';
    };
    add(viewer);
    EnumChildWindows(
        viewer,
        [](HWND child, LPARAM adder) -> BOOL {
            (*reinterpret_cast<decltype(add)*>(adder))(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&add));
    return text;
}

// The real viewer, as the player gets it: the portfolio's topic on F1, the how-to file from the menu
// with no question box, and the viewer gone when the game asks it to close.
using HelpViewer = GameWindowTest;

TEST_F(HelpViewer, FOneOnThePortfolioAndUsingHelpOpenTheirTopicsInTheViewer) {
    setHelpViewer(nullptr);
    std::string portfolioTopic;
    DialogAnswerer portfolio(IDC_PORT_MAIN_MENU, [&](HWND dialog) {
        const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
        waitUntil([&] { return focusOfThread(thread) != nullptr; });
        postKey(focusOfThread(thread), VK_F1);
        waitUntil([&] { return !foreignWindows("MS_WINHELP").empty(); }, 20000);
        waitUntil(
            [&] {
                for (HWND viewer : foreignWindows("MS_WINHELP")) portfolioTopic = viewerText(viewer);
                return portfolioTopic.find("The Portfolio Screen") != std::string::npos;
            },
            10000);
    });
    runPortfolioScreen(window_, gGame);
    portfolio.seen();
    EXPECT_NE(portfolioTopic.find("The Portfolio Screen"), std::string::npos) << portfolioTopic;

    chooseMenuCommand(IDM_HELP_ON_HELP);
    std::string howTo;
    waitUntil(
        [&] {
            for (HWND viewer : foreignWindows("MS_WINHELP")) howTo = viewerText(viewer);
            return howTo.find("How to Use Help") != std::string::npos;
        },
        10000);
    EXPECT_NE(howTo.find("How to Use Help"), std::string::npos) << howTo;
    EXPECT_TRUE(foreignWindows("#32770").empty()) << "the viewer asked a question";
    saveWindowPicture(GetDesktopWindow(), "help_viewer_how_to");

    openHelp(window_, kHelpQuit, 0);
    EXPECT_TRUE(waitUntil([] { return foreignWindows("MS_WINHELP").empty(); }, 10000));
}
}  // namespace
