// The main window as the player meets it: caption, icon and placement on the screen, and quitting.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "shell/GameCommands.h"
#include "shell/WindowPlacement.h"
#include "shell/win32/ShellState.h"
#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"

using MainWindow = GameWindowTest;

TEST_F(MainWindow, CaptionIconAndPlacement) {
    EXPECT_EQ(textOf(window_), "Tickerdell");
    EXPECT_NE(GetClassLongPtrA(window_, GCLP_HICON), 0u);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const WindowPlacement expected = mainWindowPlacement(width, height);
    const LONG style = GetWindowLongA(window_, GWL_STYLE);
    saveWindowPicture(window_, "main_window_" + std::to_string(width));
    EXPECT_EQ(IsZoomed(window_) != FALSE, expected.maximised);
    EXPECT_EQ((style & WS_MAXIMIZEBOX) != 0, expected.maximised);
    if (expected.maximised) return;
    // Created 640 x 480 there, then fitted around the main screen it hosts; it keeps its place.
    RECT r, client;
    GetWindowRect(window_, &r);
    GetClientRect(window_, &client);
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, client.right, client.bottom}),
              (std::vector<LONG>{expected.x, expected.y, 640, 480}));
}

TEST_F(MainWindow, ExitAsksFirstAndQuitsOnlyOnYes) {
    for (bool pending : {false, true}) {
        SCOPED_TRACE(pending);
        if (pending) orderShares(3, 10);
        const int reply = pending ? IDYES : IDNO;
        const SeenDialog seen = runScreen([&] { chooseMenuCommand(IDM_EXIT); }, {}, reply).screen;
        EXPECT_EQ(seen.caption, "Tickerdell");
        EXPECT_EQ(seen.text, quitQuestion(pending));
        EXPECT_EQ(seen.icon, IDI_QUESTION);
        EXPECT_EQ(pumpMessagesUntilIdle(), reply == IDYES) << "the quit message";
    }
}
