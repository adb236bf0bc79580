// The GUI test harness: main window set-up and the answering of modal windows.
#include "tests/gui/GuiHarness.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "runtime/win32/DialogHost.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/win32/ShellState.h"
#include "shell/win32/Startup.h"

namespace {
std::string& programPath() {
    static std::string path;
    return path;
}

std::string windowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string className(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

LPCSTR standardIconOf(HICON icon) {
    for (LPCSTR id : {IDI_QUESTION, IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK})
        if (icon && icon == LoadIconA(nullptr, id)) return id;
    return nullptr;
}

BOOL CALLBACK collectChild(HWND child, LPARAM context) {
    auto& seen = *reinterpret_cast<SeenDialog*>(context);
    const std::string kind = className(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
        seen.icon = standardIconOf(reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)));
    } else if (kind == "Static") {
        const std::string text = windowText(child);
        if (!text.empty()) seen.text += (seen.text.empty() ? "" : "\n") + text;
    } else if (kind == "Button" && IsWindowVisible(child)) {
        seen.buttonIds.push_back(GetDlgCtrlID(child));
    }
    return TRUE;
}

struct DialogSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectDialog(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<DialogSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && IsWindowVisible(window) && className(window) == "#32770")
        search.found.push_back(window);
    return TRUE;
}
}  // namespace

const std::string& gameProgramPath() {
    return programPath();
}
void setGameProgramPath(const std::string& path) {
    programPath() = path;
}

SeenDialog readDialog(HWND dialog) {
    SeenDialog seen;
    seen.found = true;
    seen.caption = windowText(dialog);
    EnumChildWindows(dialog, collectChild, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

std::vector<HWND> visibleDialogsOf(DWORD processId) {
    DialogSearch search{processId, {}};
    EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

DialogAnswerer::DialogAnswerer(int buttonId, Inspection inspect, DWORD timeoutMs)
    : inspect_(std::move(inspect)),
      before_(visibleDialogsOf(GetCurrentProcessId())),
      thread_([this, buttonId, timeoutMs] { watch(buttonId, timeoutMs); }) {}

DialogAnswerer::~DialogAnswerer() {
    if (thread_.joinable()) thread_.join();
}

void DialogAnswerer::watch(int buttonId, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        for (HWND dialog : visibleDialogsOf(GetCurrentProcessId())) {
            if (std::find(before_.begin(), before_.end(), dialog) != before_.end()) continue;
            seen_ = readDialog(dialog);
            if (inspect_) inspect_(dialog);
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
            return;
        }
        Sleep(20);
    }
}

SeenDialog DialogAnswerer::seen() {
    if (thread_.joinable()) thread_.join();
    return seen_;
}

bool pumpMessagesUntilIdle() {
    bool quitSeen = false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitSeen = true;
            continue;
        }
        if (dispatchToModelessDialogs(&message)) continue;  // as the game's own loop does
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return quitSeen;
}

void GameWindowTest::SetUp() {
    window_ = createMainWindow();
    ASSERT_NE(window_, nullptr);
    ASSERT_TRUE(shellState().marketLoaded) << "the market files must be in the working directory";
    showMainWindow(window_, SW_SHOWNORMAL);
    pumpMessagesUntilIdle();
}

void GameWindowTest::TearDown() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    // The main window posts the quit message as it goes; it must not end the next test's loops.
    pumpMessagesUntilIdle();
}

LRESULT GameWindowTest::chooseMenuCommand(int commandId) {
    return SendMessageA(window_, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

void saveWindowPicture(HWND window, const std::string& name) {
    const char* folder = std::getenv("TICKERDELL_SCREENSHOTS");
    if (!folder || !*folder) return;
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER header = {sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    GetDIBits(memory, picture, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    BITMAPFILEHEADER file = {0x4D42,
                             static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof header + pixels.size()), 0,
                             0, sizeof(BITMAPFILEHEADER) + sizeof header};
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

std::vector<POINT> brightTextPixels(HWND window, const RECT& band, Repaint repaint) {
    if (repaint == Repaint::First)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pumpMessagesUntilIdle();
    WindowDc dc(window);
    std::vector<POINT> pixels;
    for (int y = band.top; y < band.bottom; ++y)
        for (int x = band.left; x < band.right; ++x)
            if (GetPixel(dc.get(), x, y) == RGB(255, 255, 0)) pixels.push_back({x, y});
    return pixels;
}

bool samePixels(const std::vector<POINT>& a, const std::vector<POINT>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const POINT& p, const POINT& q) { return p.x == q.x && p.y == q.y; });
}
