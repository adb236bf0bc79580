// The real Tickerdell.exe as its own process: unusable market files give a clear message and an exit
// with an error code; the shipped market starts the game, and quitting ends it with code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/gui/GuiHarness.h"
#include "tests/gui/ScreenDriving.h"

namespace {
namespace fs = std::filesystem;

// One run of the game in a folder, ended (or killed) when the object goes.
class GameRun {
public:
    explicit GameRun(const fs::path& folder) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string commandLine = "\"" + gameProgramPath() + "\"";
        CreateProcessA(gameProgramPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder.string().c_str(), &startup, &process_);
    }
    ~GameRun() {
        if (!process_.hProcess) return;
        TerminateProcess(process_.hProcess, 99);  // no effect once the game has ended by itself
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    GameRun(const GameRun&) = delete;
    GameRun& operator=(const GameRun&) = delete;

    HWND firstDialog() const {
        const std::vector<HWND> open = visibleDialogsOf(process_.dwProcessId);
        return open.empty() ? nullptr : open.front();
    }

    // Waits for a message box or dialog of the game, reads it and presses the button.
    SeenDialog answerDialog(int buttonId) const {
        HWND dialog = nullptr;
        if (!waitUntil([&] { return (dialog = firstDialog()) != nullptr; }, 10000)) return {};
        const SeenDialog seen = readDialog(dialog);
        SendMessageA(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
        return seen;
    }

    // The exit code once the game has ended; STILL_ACTIVE when it has not within ten seconds.
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        if (process_.hProcess && WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION process_ = {};
};

// A button of the game's main screen, once the main window is up; nullptr if it never comes.
HWND mainScreenButton(const char* caption) {
    HWND button = nullptr;
    waitUntil(
        [&] {
            HWND main = FindWindowA("BLDPROJECT", "Tickerdell");
            HWND screen = main ? FindWindowExA(main, nullptr, "#32770", nullptr) : nullptr;
            return (button = screen ? FindWindowExA(screen, nullptr, "Button", caption) : nullptr) != nullptr;
        },
        10000);
    return button;
}

class GameProcess : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(gameProgramPath().empty()) << "pass --game=PATH\\Tickerdell.exe";
        folder_ = fs::temp_directory_path() / ("tickerdell_start_" + std::to_string(GetCurrentProcessId()));
    }
    // A fresh copy of the shipped market, which a test may spoil in its own way.
    void copyShippedMarket() {
        fs::remove_all(folder_);
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

TEST_F(GameProcess, UnusableMarketFilesAreNamedAndTheGameEnds) {
    const struct {
        const char* name;
        std::function<void(const fs::path&)> spoil;
        std::vector<std::string> named;
    } cases[] = {
        {"no share names",
         [](const fs::path& folder) { fs::remove(folder / "SHARES.NMS"); },
         {"SHARES.NMS", folder_.string()}},
        {"a short history",
         [](const fs::path& folder) { fs::resize_file(folder / "SHistory" / "23.new", 263 * 8); },
         {"SHistory\\23.new", "263"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        copyShippedMarket();
        c.spoil(folder_);
        GameRun game(folder_);
        const SeenDialog message = game.answerDialog(IDOK);
        ASSERT_TRUE(message.found) << "no message box appeared";
        EXPECT_EQ(message.caption, "Tickerdell");
        // Icon handles are not shared between processes, so the icon is checked in-process elsewhere.
        for (const std::string& part : c.named)
            EXPECT_NE(message.text.find(part), std::string::npos) << message.text;
        const DWORD code = game.exitCode();
        EXPECT_TRUE(code != 0 && code != STILL_ACTIVE) << code;
    }
}

TEST_F(GameProcess, TheShippedMarketStartsTheGameAndExitWithYesEndsItWithCodeZero) {
    copyShippedMarket();
    GameRun game(folder_);
    HWND exitButton = mainScreenButton("&Exit");
    ASSERT_NE(exitButton, nullptr) << "the main screen never appeared";
    EXPECT_EQ(game.firstDialog(), nullptr) << "no message at start-up";
    PostMessageA(exitButton, BM_CLICK, 0, 0);
    EXPECT_EQ(game.answerDialog(IDYES).text, "Are you sure you want to Quit ?");
    EXPECT_EQ(game.exitCode(), 0u);
}
