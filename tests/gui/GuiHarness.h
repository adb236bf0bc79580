// Drives the game's real windows as a player would and reads back texts, fonts and pixels.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "resources/resource.h"
#include "runtime/win32/ClassicUnits.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/win32/MainScreen.h"
#include "shell/win32/ShellState.h"
#include "trading/OrderRules.h"

// The Tickerdell.exe under test, given to the GUI test program as --game=PATH.
inline std::string gameProgramPath;

std::string textOf(HWND window, int id = 0);
void type(HWND dialog, int id, const std::string& text);
void moveFocus(HWND dialog, int toId);
// A click on the button, waiting for what it opens (press) or not (pressLater).
void press(HWND dialog, int id);
void pressLater(HWND dialog, int id);
std::string listLine(HWND list, int row);
std::vector<std::string> listLines(HWND list);
int listSelection(HWND list);
void clickRow(HWND list, int row, bool twice = false);
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 2000);
HWND focusOfThread(DWORD threadId);
HWND settledFocus(HWND dialog);

struct SeenDialog {
    bool found = false;
    std::string caption;
    std::string text;            // the static texts, joined by newlines
    LPCSTR icon = nullptr;       // IDI_QUESTION, IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK, or none
    std::vector<int> buttonIds;  // the push buttons it offered
};

// The visible top-level windows of the class (dialogs unless told) of the process, or of every other one.
std::vector<HWND> visibleWindows(DWORD processId, const char* kind = "#32770", bool ofThatProcess = true);

// On a second thread, reads the next new dialog of the process (this one unless told), lets `inspect`
// look and presses the button, while the test's thread sits in the modal loop that opened it.
class DialogAnswerer {
public:
    using Inspection = std::function<void(HWND dialog)>;
    explicit DialogAnswerer(int buttonId, Inspection inspect = {}, DWORD timeoutMs = 10000,
                            DWORD processId = GetCurrentProcessId());
    ~DialogAnswerer() { seen(); }
    SeenDialog seen() {  // waits for the answering thread
        if (thread_.joinable()) thread_.join();
        return seen_;
    }

private:
    SeenDialog seen_;
    std::thread thread_;
};

struct ScreenRun {
    SeenDialog screen;
    SeenDialog message;  // found only when a reply was asked for and a box came
    bool closed = false;
};

// Opens a modal screen, lets `work` play in it from another thread and presses `button`; a box that
// follows is answered with `reply` once `behind` has looked at the screen.
ScreenRun runScreen(const std::function<void()>& open, const std::function<void(HWND)>& work, int button,
                    int reply = 0, const std::function<void(HWND)>& behind = {});

// Buys the quantity in the Buy dialog `open` opens, saying Yes to the charge; answers its caption.
std::string buyThrough(const std::function<void()>& open, const std::string& quantity);

// Whether the control's text, wrapped at its width in its font, stays inside it.
bool fitsItsControl(HWND control);
// Whether the black rule in the band is exactly as wide as the widest of the figures it adds up.
bool ruleSpansTheWidest(HWND dialog, const RECT& band, std::initializer_list<int> figureIds);

struct HeadedColumn {  // a heading over a fixed-pitch list, and the characters its column takes
    int headingId;
    int first;
    int last;
};

// What is wrong with the columns of the list's first line (the first after `nameEnd` characters) and
// their headings, and with the figures beside their labels.
std::vector<std::string> layoutFaults(HWND dialog, int listId, int nameEnd,
                                      const std::vector<HeadedColumn>& columns,
                                      const std::vector<std::pair<int, int>>& labelsAndFigures);

// Expects what a test read (in code page 1252) to be as tests/gui/NAME.expected records it (built in as
// the resource NAME_EXPECTED); when not, leaves NAME.shown in the game folder the failed run keeps.
void expectAsRecorded(const std::string& windowsText, const std::string& name);
// What a walk saw, a line for each thing, for expectAsRecorded.
struct Transcript {
    std::string text;
    void operator()(const std::string& what, const std::string& value) { text += what + ": " + value + "\n"; }
};
inline std::string yes(bool seen) {
    return seen ? "yes" : "no";
}

// Saves the window, redrawn, as FOLDER\name.bmp when TICKERDELL_SCREENSHOTS names a folder.
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
// The band of what `draw` draws on a white bitmap of the screen's format, with transparent text.
Picture drawnPicture(const RECT& band, const std::function<void(HDC)>& draw);

// The colour of the title picture (TD_TITLE) at a pixel, read from the program's own resource.
COLORREF titlePixel(int x, int y);

constexpr COLORREF kBrightText = RGB(255, 255, 0);
// Where inside the band the window (repainted first) or device context shows the colour.
using Pixels = std::vector<std::pair<int, int>>;
Pixels pixelsOfColour(HWND window, const RECT& band, COLORREF colour = kBrightText);
Pixels pixelsOfColour(const Picture& picture, const RECT& band, COLORREF colour);

bool pumpMessagesUntilIdle();  // as the game's loop would, but answers whether WM_QUIT came

void orderShares(int share, int quantity);
void holdShares(int slot, int share, int quantity, double totalCost);

// A fresh game in a new main window, destroyed after the test.
class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    LRESULT chooseMenuCommand(int id) { return SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    HWND window_ = nullptr;
};
