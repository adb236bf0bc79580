// The real Tickerdell.exe as its own process: unusable market files give a clear message and a clean
// exit; the shipped market starts the game, and quitting ends it with code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/gui/GuiHarness.h"

namespace {
namespace fs = std::filesystem;

// One run of the game in a folder, ended (or killed) when the object goes.
class GameProcess {
public:
    explicit GameProcess(const fs::path& folder) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + gameProgramPath() + "\"";
        started_ = CreateProcessA(gameProgramPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, folder.string().c_str(), &startup, &process_) != 0;
    }
    ~GameProcess() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) != WAIT_OBJECT_0)
            TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    bool started() const { return started_; }

    // Waits for a message box or dialog of the game, reads it and presses the button.
    SeenDialog answerDialog(int buttonId) {
        for (int tries = 0; tries < 500; ++tries) {
            for (HWND dialog : visibleDialogsOf(process_.dwProcessId)) {
                const SeenDialog seen = readDialog(dialog);
                SendMessageA(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
                return seen;
            }
            Sleep(20);
        }
        return {};
    }

    // A button of the game's main screen, once the main window is up; nullptr if it never comes.
    HWND mainScreenButton(const char* caption) {
        for (int tries = 0; tries < 500; ++tries) {
            if (HWND main = FindWindowA("BLDPROJECT", "Tickerdell"))
                if (HWND screen = FindWindowExA(main, nullptr, "#32770", nullptr))
                    if (HWND button = FindWindowExA(screen, nullptr, "Button", caption)) return button;
            Sleep(20);
        }
        return nullptr;
    }

    bool hasOpenDialogs() const { return !visibleDialogsOf(process_.dwProcessId).empty(); }

    // The exit code once the game has ended, or nothing after ten seconds.
    std::optional<DWORD> exitCode() {
        if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_ = {};
    bool started_ = false;
};

class RealGame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(gameProgramPath().empty()) << "pass --game=PATH\\Tickerdell.exe";
        folder_ = fs::temp_directory_path() / ("tickerdell_start_" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(folder_);
        // A copy of the shipped market, which each test spoils in its own way.
        fs::copy(fs::current_path(), folder_, fs::copy_options::recursive);
        fs::remove(folder_ / "Tickerdell.exe");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};
}  // namespace

TEST_F(RealGame, MissingSharesFileIsNamedAndTheGameEnds) {
    fs::remove(folder_ / "SHARES.NMS");
    GameProcess game(folder_);
    ASSERT_TRUE(game.started());
    const SeenDialog message = game.answerDialog(IDOK);
    ASSERT_TRUE(message.found) << "no message box appeared";
    EXPECT_EQ(message.caption, "Tickerdell");
    EXPECT_NE(message.text.find("SHARES.NMS"), std::string::npos) << message.text;
    EXPECT_NE(message.text.find(folder_.string()), std::string::npos) << message.text;
    // Icon handles are not shared between processes, so the icon is checked in-process elsewhere.
    const auto code = game.exitCode();
    ASSERT_TRUE(code.has_value());
    EXPECT_NE(*code, 0u);
}

TEST_F(RealGame, ShortHistoryFileIsNamedAndTheGameEnds) {
    fs::resize_file(folder_ / "SHistory" / "23.new", 263 * 8);
    GameProcess game(folder_);
    const SeenDialog message = game.answerDialog(IDOK);
    ASSERT_TRUE(message.found) << "no message box appeared";
    EXPECT_NE(message.text.find("SHistory\\23.new"), std::string::npos) << message.text;
    EXPECT_NE(message.text.find("263"), std::string::npos) << message.text;
    const auto code = game.exitCode();
    ASSERT_TRUE(code.has_value());
    EXPECT_NE(*code, 0u);
}

TEST_F(RealGame, ShippedMarketStartsTheGame) {
    GameProcess game(folder_);
    HWND exitButton = game.mainScreenButton("&Exit");
    ASSERT_NE(exitButton, nullptr) << "the main screen never appeared";
    EXPECT_FALSE(game.hasOpenDialogs());
    PostMessageA(GetAncestor(exitButton, GA_ROOT), WM_CLOSE, 0, 0);
    EXPECT_EQ(game.exitCode(), std::optional<DWORD>(0));
}

TEST_F(RealGame, TheExitButtonAndYesEndTheGameWithCodeZero) {
    GameProcess game(folder_);
    HWND exitButton = game.mainScreenButton("&Exit");
    ASSERT_NE(exitButton, nullptr);
    PostMessageA(exitButton, BM_CLICK, 0, 0);
    EXPECT_EQ(game.answerDialog(IDYES).text, "Are you sure you want to Quit ?");
    EXPECT_EQ(game.exitCode(), std::optional<DWORD>(0));
}
