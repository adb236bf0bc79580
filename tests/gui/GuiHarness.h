// Drives the game's real windows as a player would and reads back texts, fonts and pixels; brings the
// game's model, resource ids, main screen and GDI owners, which every test uses.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/ShellState.h"
#include "trading/OrderRules.h"

// The Tickerdell.exe under test, given to the GUI test program as --game=PATH.
const std::string& gameProgramPath();

// The text of the window, or of its control of that id.
std::string textOf(HWND window, int id = 0);
// The font the control (or the window's control of that id) draws with, as "face height weight".
std::string fontOf(HWND control, int id = 0);
void type(HWND dialog, int id, const std::string& text);
void moveFocus(HWND dialog, int toId);
// Presses a button as a click would, waiting for what it opens (press) or not (pressLater).
void press(HWND dialog, int id);
void pressLater(HWND dialog, int id);
std::string listLine(HWND list, int row);
int listCount(HWND list);
int listSelection(HWND list);
// A click, or a double click, on a row of the list, posted as the mouse would send it.
void clickRow(HWND list, int row, bool twice = false);
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 2000);
HWND focusOfThread(DWORD threadId);
// Waits for the dialog's thread to put the focus somewhere and answers where.
HWND settledFocus(HWND dialog);

// What a dialog or message box showed: caption, static texts, standard icon, buttons.
struct SeenDialog {
    bool found = false;
    std::string caption;
    std::string text;            // the static texts, joined by newlines
    LPCSTR icon = nullptr;       // IDI_QUESTION, IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK, or none
    std::vector<int> buttonIds;  // the push buttons it offered
};

SeenDialog readDialog(HWND dialog);
// Top-level windows of the class that are visible now, of the process or (when not ofThatProcess) of others.
std::vector<HWND> visibleWindows(const char* className, DWORD processId, bool ofThatProcess = true);
inline std::vector<HWND> visibleDialogsOf(DWORD processId) {
    return visibleWindows("#32770", processId);
}

// On a second thread, waits for a new dialog of this process, records it, lets the test inspect it and
// presses a button, so that the test's thread can sit in the modal loop the command opened.
class DialogAnswerer {
public:
    using Inspection = std::function<void(HWND dialog)>;
    explicit DialogAnswerer(int buttonId, Inspection inspect = {}, DWORD timeoutMs = 10000);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    SeenDialog seen();  // waits for the answering thread

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

// Buys the quantity in the Buy dialog `open` opens and says Yes to the charge; answers its caption.
std::string buyThrough(const std::function<void()>& open, const std::string& quantity);

// Whether the control's text, wrapped at its width in its font, stays inside it.
bool fitsItsControl(HWND control);

// How wide the control's text is, in pixels of its own font.
int textWidth(HWND control);

// A heading over a fixed-pitch list and the characters of a line its column takes.
struct HeadedColumn {
    int headingId;
    int first;
    int last;
};

// What is wrong with the columns of the list's first line as the list's own font draws it: the line
// passing the list's edge, a column with no blank before it (the first after `nameEnd` characters),
// a heading not centred over its column, overlapping the heading before it, or cut; empty when all
// is well.
std::vector<std::string> columnFaults(HWND dialog, int listId, int nameEnd,
                                      const std::vector<HeadedColumn>& columns);

// What is wrong with figures beside their labels: a figure or label cut, or a label running into
// its figure.
std::vector<std::string> figureFaults(HWND dialog, const std::vector<std::pair<int, int>>& labelsAndFigures);

// Saves a picture of the window, redrawn first, as FOLDER\name.bmp when TICKERDELL_SCREENSHOTS names
// a folder, so a person can look at what a test showed; does nothing otherwise.
void saveWindowPicture(HWND window, const std::string& name);

// A band's pixels as 0xRRGGBB, in rows from its top-left corner.
struct Picture {
    int width = 0;
    std::vector<DWORD> pixels;
    DWORD at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool operator==(const Picture&) const = default;
};
Picture pictureOf(HDC dc, const RECT& band);
inline DWORD asPixel(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}
Picture shownPicture(HWND window, const RECT& band);

// The colour of the title picture (TD_TITLE) at a pixel, read from the program's own resource.
COLORREF titlePixel(int x, int y);

// The main screen's two text bands: the pending-orders marker and the date line.
constexpr RECT kMarkerBand = {18, 10, 200, 34};
constexpr RECT kDateBand = {468, 10, 640, 34};
constexpr COLORREF kBrightText = RGB(255, 255, 0);

// Where inside the band the window (repainted first) or device context shows the colour: a picture of a
// text, to tell two texts apart.
using Pixels = std::vector<std::pair<int, int>>;
Pixels pixelsOfColour(HWND window, const RECT& band, COLORREF colour = kBrightText);
Pixels pixelsOfColour(HDC dc, const RECT& band, COLORREF colour);

// Handles every queued message as the game's loop would, except WM_QUIT, which it reports.
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
