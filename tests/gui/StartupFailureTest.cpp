// Starting the real Tickerdell.exe without usable market files: a clear message and a clean exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/gui/GuiHarness.h"

namespace {
namespace fs = std::filesystem;

struct RunResult {
    SeenDialog message;
    DWORD exitCode = 0;
    bool ended = false;
};

// Starts the game in the folder, answers its first message box with OK and waits for it to end.
RunResult runGameIn(const fs::path& folder) {
    RunResult run;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + gameProgramPath() + "\"";
    if (!CreateProcessA(gameProgramPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.string().c_str(), &startup, &process)) {
        ADD_FAILURE() << "could not start " << gameProgramPath();
        return run;
    }
    for (int tries = 0; tries < 500 && !run.message.found; ++tries) {
        for (HWND dialog : visibleDialogsOf(process.dwProcessId)) {
            run.message = readDialog(dialog);
            SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
            break;
        }
        if (!run.message.found) Sleep(20);
    }
    run.ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
    if (!run.ended) TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

class StartupFailure : public ::testing::Test {
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

TEST_F(StartupFailure, MissingSharesFileIsNamedAndTheGameEnds) {
    fs::remove(folder_ / "SHARES.NMS");
    const RunResult run = runGameIn(folder_);
    ASSERT_TRUE(run.message.found) << "no message box appeared";
    EXPECT_EQ(run.message.caption, "Tickerdell");
    EXPECT_NE(run.message.text.find("SHARES.NMS"), std::string::npos) << run.message.text;
    EXPECT_NE(run.message.text.find(folder_.string()), std::string::npos) << run.message.text;
    // Icon handles are not shared between processes, so the icon is checked in-process elsewhere.
    EXPECT_TRUE(run.ended);
    EXPECT_NE(run.exitCode, 0u);
}

TEST_F(StartupFailure, ShortHistoryFileIsNamedAndTheGameEnds) {
    fs::resize_file(folder_ / "SHistory" / "23.new", 263 * 8);
    const RunResult run = runGameIn(folder_);
    ASSERT_TRUE(run.message.found) << "no message box appeared";
    EXPECT_NE(run.message.text.find("SHistory\\23.new"), std::string::npos) << run.message.text;
    EXPECT_NE(run.message.text.find("263"), std::string::npos) << run.message.text;
    EXPECT_TRUE(run.ended);
    EXPECT_NE(run.exitCode, 0u);
}

TEST_F(StartupFailure, ShippedMarketStartsTheGame) {
    // The same copy unspoilt: the game opens its main window instead of a message.
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + gameProgramPath() + "\"";
    ASSERT_TRUE(CreateProcessA(gameProgramPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder_.string().c_str(), &startup, &process));
    HWND main = nullptr;
    for (int tries = 0; tries < 500 && !main; ++tries) {
        main = FindWindowA("BLDPROJECT", "Tickerdell");
        if (!main) Sleep(20);
    }
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(visibleDialogsOf(process.dwProcessId).empty());
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = 99;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

TEST_F(StartupFailure, TheExitButtonAndYesEndTheGameWithCodeZero) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + gameProgramPath() + "\"";
    ASSERT_TRUE(CreateProcessA(gameProgramPath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               folder_.string().c_str(), &startup, &process));
    HWND exitButton = nullptr;
    for (int tries = 0; tries < 500 && !exitButton; ++tries) {
        if (HWND main = FindWindowA("BLDPROJECT", "Tickerdell"))
            if (HWND screen = FindWindowExA(main, nullptr, "#32770", nullptr))
                exitButton = FindWindowExA(screen, nullptr, "Button", "&Exit");
        if (!exitButton) Sleep(20);
    }
    ASSERT_NE(exitButton, nullptr);
    PostMessageA(exitButton, BM_CLICK, 0, 0);
    SeenDialog question;
    for (int tries = 0; tries < 500 && !question.found; ++tries) {
        for (HWND dialog : visibleDialogsOf(process.dwProcessId)) {
            question = readDialog(dialog);
            SendMessageA(GetDlgItem(dialog, IDYES), BM_CLICK, 0, 0);
            break;
        }
        if (!question.found) Sleep(20);
    }
    EXPECT_EQ(question.text, "Are you sure you want to Quit ?");
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD code = 99;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
