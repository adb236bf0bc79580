// Drives the game's real windows from a test: opens the main window, answers the message boxes and
// dialogs that a command opens, and reads back what they showed.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

// The Tickerdell.exe under test, given to the GUI test program as --game=PATH.
const std::string& gameProgramPath();
void setGameProgramPath(const std::string& path);

// What a dialog or message box showed when it was answered.
struct SeenDialog {
    bool found = false;
    std::string caption;
    std::string text;            // the static texts, joined by newlines
    LPCSTR icon = nullptr;       // IDI_QUESTION, IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK, or none
    std::vector<int> buttonIds;  // the push buttons it offered
};

// Reads a dialog or message box of any process: caption, static texts, standard icon, buttons.
SeenDialog readDialog(HWND dialog);

// Top-level dialog windows ("#32770") of a process that are visible now.
std::vector<HWND> visibleDialogsOf(DWORD processId);

// Waits on a second thread for a dialog of this process to appear, records it, lets the test inspect
// it (on that thread, while it is open) and presses one of its buttons, so that the test's thread can
// sit in the modal loop the command opened.
class DialogAnswerer {
public:
    using Inspection = std::function<void(HWND dialog)>;
    explicit DialogAnswerer(int buttonId, Inspection inspect = {}, DWORD timeoutMs = 10000);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Waits for the answering thread and returns what it saw.
    SeenDialog seen();

private:
    void watch(int buttonId, DWORD timeoutMs);

    Inspection inspect_;
    std::vector<HWND> before_;
    SeenDialog seen_;
    std::thread thread_;
};

// Saves a picture of the window as FOLDER/name.bmp when TICKERDELL_SCREENSHOTS names a folder, so a
// person can look at what a test showed; does nothing otherwise.
void saveWindowPicture(HWND window, const std::string& name);

// The main screen's two text bands: the pending-orders marker and the date line.
constexpr RECT kMarkerBand = {18, 10, 200, 34};
constexpr RECT kDateBand = {468, 10, 640, 34};

// Answers where, inside the band of its client area, the window shows the bright yellow of the main
// screen's texts: a picture of the text, to tell two texts apart. It repaints the window first unless
// told to read only what the window shows of its own accord.
enum class Repaint { First, Never };
std::vector<POINT> brightTextPixels(HWND window, const RECT& band, Repaint repaint = Repaint::First);
bool samePixels(const std::vector<POINT>& a, const std::vector<POINT>& b);

// Lets the window procedures run as the game's message loop would: handles every queued message
// except WM_QUIT, which it reports.
bool pumpMessagesUntilIdle();

// A fresh game in a new main window, destroyed after the test.
class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sends a menu command to the main window as the menu would.
    LRESULT chooseMenuCommand(int commandId);

    HWND window_ = nullptr;
};
