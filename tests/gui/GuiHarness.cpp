// The GUI test harness: main window set-up, the answering of modal windows, and reading pixels.
#include "tests/gui/GuiHarness.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "runtime/win32/DialogHost.h"
#include "runtime/win32/GdiHandles.h"
#include "shell/win32/ShellState.h"
#include "shell/win32/Startup.h"
#include "tests/gui/ScreenDriving.h"
#include "trading/OrderRules.h"

namespace {
std::string programPath;

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
    const std::string kind = className(child), text = textOf(child);
    if (kind == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        seen.icon = standardIconOf(reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)));
    else if (kind == "Static" && !text.empty())
        seen.text += (seen.text.empty() ? "" : "\n") + text;
    else if (kind == "Button" && IsWindowVisible(child))
        seen.buttonIds.push_back(GetDlgCtrlID(child));
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
    return programPath;
}
void setGameProgramPath(const std::string& path) {
    programPath = path;
}

SeenDialog readDialog(HWND dialog) {
    SeenDialog seen;
    seen.found = true;
    seen.caption = textOf(dialog);
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
      thread_([this, buttonId, timeoutMs] {
          HWND dialog = nullptr;
          const auto appeared = [&] {
              for (HWND open : visibleDialogsOf(GetCurrentProcessId()))
                  if (std::find(before_.begin(), before_.end(), open) == before_.end()) dialog = open;
              return dialog != nullptr;
          };
          if (!waitUntil(appeared, timeoutMs)) return;
          seen_ = readDialog(dialog);
          if (inspect_) inspect_(dialog);
          pressLater(dialog, buttonId);
      }) {}

DialogAnswerer::~DialogAnswerer() {
    if (thread_.joinable()) thread_.join();
}

SeenDialog DialogAnswerer::seen() {
    if (thread_.joinable()) thread_.join();
    return seen_;
}

ScreenRun runScreen(const std::function<void()>& open, const std::function<void(HWND)>& work, int button,
                    int reply, const std::function<void(HWND)>& behind) {
    ScreenRun run;
    std::unique_ptr<DialogAnswerer> message;
    HWND screen = nullptr;
    DialogAnswerer answer(button, [&](HWND dialog) {
        screen = dialog;
        if (work) work(dialog);
        if (reply)
            message =
                std::make_unique<DialogAnswerer>(reply, [&](HWND) { behind ? behind(screen) : void(); });
    });
    open();
    run.screen = answer.seen();
    if (message) run.message = message->seen();
    run.closed = waitUntil([&] { return !IsWindow(screen); });
    return run;
}

bool pumpMessagesUntilIdle() {
    bool quitSeen = false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        quitSeen = quitSeen || message.message == WM_QUIT;
        if (message.message != WM_QUIT) handleQueuedMessage(message);  // as the game's loop
    }
    return quitSeen;
}

void orderShares(int share, int quantity) {
    gGame.selectedShare = share;
    ASSERT_TRUE(bookPurchase(gGame, quantity).booked());
}

void holdShares(int slot, int share, int quantity, double totalCost) {
    gGame.holdings[slot] = Holding{};
    gGame.holdings[slot].shareNumber = share;
    gGame.holdings[slot].heldQuantity = quantity;
    gGame.holdings[slot].totalCost = totalCost;
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
    // The window paints itself now, whichever thread asks, so the copy shows what it shows.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    WindowDc screen(nullptr);
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    OwnedBitmap picture(CreateCompatibleBitmap(screen.get(), width, height));
    {
        Selected onPicture(memory.get(), picture.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY);
    }
    BITMAPINFOHEADER header = {sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<std::size_t>((width * 3 + 3) & ~3) * height);
    GetDIBits(memory.get(), picture.get(), 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
    const BITMAPFILEHEADER file = {0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

Pixels pixelsOfColour(HWND window, const RECT& band, COLORREF colour, Repaint repaint) {
    if (repaint == Repaint::First)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pumpMessagesUntilIdle();
    WindowDc dc(window);
    Pixels pixels;
    for (int y = band.top; y < band.bottom; ++y)
        for (int x = band.left; x < band.right; ++x)
            if (GetPixel(dc.get(), x, y) == colour) pixels.emplace_back(x, y);
    return pixels;
}
