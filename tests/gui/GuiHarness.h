// Drives the game's real windows from a test: opens the main window, answers the message boxes and
// dialogs that a command opens, and reads back what they showed.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>
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

// Waits on a second thread for a new dialog of this process, records it, lets the test inspect it
// (on that thread, while it is open) and presses one of its buttons, so that the test's thread can
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
    Inspection inspect_;
    std::vector<HWND> before_;
    SeenDialog seen_;
    std::thread thread_;
};

// What a modal screen and the message box after its button showed.
struct ScreenRun {
    SeenDialog screen;
    SeenDialog message;  // found only when a reply was asked for and a box came
    bool closed = false;
};

// Calls `open`, which shows a modal screen (or only posts what opens it). On the answering thread
// `work` plays in the screen, then `button` is pressed; when `reply` is given, the message box that
// follows is answered with it after `behind` has looked at the screen behind the box.
ScreenRun runScreen(const std::function<void()>& open, const std::function<void(HWND)>& work, int button,
                    int reply = 0, const std::function<void(HWND)>& behind = {});

// Saves a picture of the window, redrawn first, as FOLDER\name.bmp when TICKERDELL_SCREENSHOTS names
// a folder, so a person can look at what a test showed; does nothing otherwise.
void saveWindowPicture(HWND window, const std::string& name);

// The main screen's two text bands: the pending-orders marker and the date line.
constexpr RECT kMarkerBand = {18, 10, 200, 34};
constexpr RECT kDateBand = {468, 10, 640, 34};
constexpr COLORREF kBrightText = RGB(255, 255, 0);

// Where inside the band of its client area the window shows the colour: a picture of a text, to tell
// two texts apart. The window repaints first unless only what it shows of its own accord is wanted.
enum class Repaint { First, Never };
using Pixels = std::vector<std::pair<int, int>>;
Pixels pixelsOfColour(HWND window, const RECT& band, COLORREF colour = kBrightText,
                      Repaint repaint = Repaint::First);

// Lets the window procedures run as the game's message loop would: handles every queued message
// except WM_QUIT, which it reports.
bool pumpMessagesUntilIdle();

// Books a pending purchase straight on the game's model, as the Buy dialog does after a Yes.
void orderShares(int share, int quantity);
// Puts a settled holding of the share into the slot of the game's model.
void holdShares(int slot, int share, int quantity, double totalCost);

// A fresh game in a new main window, destroyed after the test.
class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sends a menu command to the main window as the menu would.
    LRESULT chooseMenuCommand(int commandId);

    HWND window_ = nullptr;
};
