// The real Tickerdell.exe as its own process, from start to exit code.

#include <filesystem>

#include "tests/gui/GuiHarness.h"

namespace {
namespace fs = std::filesystem;

// The game in a fresh copy of the shipped market, which the test may spoil first; killed if still running.
class GameProcess : public ::testing::Test {
protected:
    void start(const std::function<void(const fs::path&)>& spoil = {}) {
        ASSERT_FALSE(gameProgramPath.empty()) << "pass --game=PATH\\Tickerdell.exe";
        fs::remove_all(folder_);
        fs::copy(fs::current_path(), folder_, fs::copy_options::recursive);
        fs::remove(folder_ / "Tickerdell.exe");
        if (spoil) spoil(folder_);
        STARTUPINFOA startup = {sizeof startup};
        std::string commandLine = "\"" + gameProgramPath + "\"";
        CreateProcessA(gameProgramPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       folder_.string().c_str(), &startup, &process_);
    }
    void TearDown() override {
        if (process_.hProcess) TerminateProcess(process_.hProcess, 99);  // none once it has ended
        if (process_.hProcess) CloseHandle(process_.hThread), CloseHandle(process_.hProcess);
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    // The exit code once the game has ended; STILL_ACTIVE when it has not within ten seconds.
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    fs::path folder_ =
        fs::temp_directory_path() / ("tickerdell_start_" + std::to_string(GetCurrentProcessId()));
    PROCESS_INFORMATION process_ = {};
};
}  // namespace

TEST_F(GameProcess, AnUnusableMarketFileIsNamedAndTheGameEndsWithAnErrorCode) {
    start([](const fs::path& folder) { fs::remove(folder / "SHARES.NMS"); });
    const SeenDialog message = DialogAnswerer(IDOK, {}, 10000, process_.dwProcessId).seen();
    ASSERT_TRUE(message.found) << "no message box appeared";
    EXPECT_EQ(message.caption, "Tickerdell");
    // Icon handles are not shared between processes, so the icon is checked in-process elsewhere.
    EXPECT_NE(message.text.find("SHARES.NMS"), std::string::npos) << message.text;
    const DWORD code = exitCode();
    EXPECT_TRUE(code != 0 && code != STILL_ACTIVE) << code;
}

TEST_F(GameProcess, TheShippedMarketStartsTheGameAndExitWithYesEndsItWithCodeZero) {
    start();
    const auto exitButton = [] {
        HWND main = FindWindowA("BLDPROJECT", "Tickerdell");
        HWND screen = main ? FindWindowExA(main, nullptr, "#32770", nullptr) : nullptr;
        return screen ? FindWindowExA(screen, nullptr, "Button", "&Exit") : nullptr;
    };
    ASSERT_TRUE(waitUntil([&] { return exitButton() != nullptr; }, 10000))
        << "the main screen never appeared";
    EXPECT_TRUE(visibleWindows(process_.dwProcessId).empty()) << "no message at start-up";
    DialogAnswerer quit(IDYES, {}, 10000, process_.dwProcessId);
    PostMessageA(exitButton(), BM_CLICK, 0, 0);
    EXPECT_EQ(quit.seen().text, "Are you sure you want to Quit ?");
    EXPECT_EQ(exitCode(), 0u);
}
