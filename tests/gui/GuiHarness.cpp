// The GUI test harness and the test program's entry.
#include "tests/gui/GuiHarness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "runtime/win32/DialogHost.h"
#include "shell/win32/Startup.h"

namespace {

BOOL CALLBACK collectChild(HWND child, LPARAM context) {
    auto& seen = *reinterpret_cast<SeenDialog*>(context);
    char name[64] = "";
    GetClassNameA(child, name, sizeof name);
    const std::string kind = name, text = textOf(child);
    if (kind == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        for (LPCSTR id : {IDI_QUESTION, IDI_EXCLAMATION, IDI_HAND, IDI_ASTERISK})
            if (icon && icon == LoadIconA(nullptr, id)) seen.icon = id;
    } else if (kind == "Static" && !text.empty())
        seen.text += (seen.text.empty() ? "" : "\n") + text;
    else if (kind == "Button" && IsWindowVisible(child))
        seen.buttonIds.push_back(GetDlgCtrlID(child));
    return TRUE;
}

// How wide the first n characters of the text are in the control's font.
LONG widthIn(HWND control, const std::string& text, std::size_t n) {
    WindowDc dc(control);
    Selected font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(n), &size);
    return size.cx;
}

}  // namespace

std::string textOf(HWND window, int id) {
    char text[1024] = "";
    GetWindowTextA(id ? GetDlgItem(window, id) : window, text, sizeof text);
    return text;
}

void type(HWND dialog, int id, const std::string& text) {
    for (unsigned char c : text) SendMessageA(GetDlgItem(dialog, id), WM_CHAR, c, 1);
}

void moveFocus(HWND dialog, int toId) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, toId)), TRUE);
}

void press(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
void pressLater(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::string listLine(HWND list, int row) {
    std::string text(std::max<LRESULT>(SendMessageA(list, LB_GETTEXTLEN, row, 0), 0) + 1, '\0');
    text.resize(
        std::max<LRESULT>(SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data())), 0));
    return text;
}
std::vector<std::string> listLines(HWND list) {
    std::vector<std::string> lines;
    for (int row = 0; row < SendMessageA(list, LB_GETCOUNT, 0, 0); ++row)
        lines.push_back(listLine(list, row));
    return lines;
}
int listSelection(HWND list) {
    return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
}

void clickRow(HWND list, int row, bool twice) {
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    for (UINT down : {UINT{WM_LBUTTONDOWN}, twice ? UINT{WM_LBUTTONDBLCLK} : UINT{WM_NULL}}) {
        if (down) PostMessageA(list, down, MK_LBUTTON, at);
        if (down) PostMessageA(list, WM_LBUTTONUP, 0, at);
    }
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

HWND focusOfThread(DWORD threadId) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

HWND settledFocus(HWND dialog) {
    const DWORD thread = GetWindowThreadProcessId(dialog, nullptr);
    waitUntil([&] { return focusOfThread(thread) != nullptr; });
    return focusOfThread(thread);
}

std::vector<HWND> visibleWindows(DWORD processId, const char* kind, bool ofThatProcess) {
    std::vector<HWND> found;
    for (HWND w = FindWindowExA(nullptr, nullptr, kind, nullptr); w;
         w = FindWindowExA(nullptr, w, kind, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(w, &process);
        if ((process == processId) == ofThatProcess && IsWindowVisible(w)) found.push_back(w);
    }
    return found;
}

DialogAnswerer::DialogAnswerer(int buttonId, Inspection inspect, DWORD timeoutMs, DWORD processId)
    : thread_([this, buttonId, timeoutMs, processId, inspect = std::move(inspect),
               before = visibleWindows(processId)] {
          HWND dialog = nullptr;
          const auto appeared = [&] {
              for (HWND open : visibleWindows(processId))
                  if (std::ranges::find(before, open) == before.end()) dialog = open;
              return dialog != nullptr;
          };
          if (!waitUntil(appeared, timeoutMs)) return;
          seen_.found = true;
          seen_.caption = textOf(dialog);
          EnumChildWindows(dialog, collectChild, reinterpret_cast<LPARAM>(&seen_));
          if (inspect) inspect(dialog);
          pressLater(dialog, buttonId);
      }) {}

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

std::string buyThrough(const std::function<void()>& open, const std::string& quantity) {
    const auto buy = [&](HWND dialog) {
        type(dialog, IDC_BUY_QUANTITY, quantity);
        moveFocus(dialog, IDC_BUY_BUY);  // as clicking Buy would: the Value field is filled in
    };
    return runScreen(open, buy, IDC_BUY_BUY, IDYES).screen.caption;
}

bool fitsItsControl(HWND control) {
    RECT box, needed;
    GetClientRect(control, &box);
    needed = box;
    WindowDc dc(control);
    Selected font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    DrawTextA(dc.get(), textOf(control).c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
    return needed.right <= box.right && needed.bottom <= box.bottom;
}

bool ruleSpansTheWidest(HWND dialog, const RECT& band, std::initializer_list<int> figureIds) {
    LONG widest = 0;
    for (int id : figureIds) {
        const std::string text = textOf(dialog, id);
        widest = std::max(widest, widthIn(GetDlgItem(dialog, id), text, text.size()));
    }
    return pixelsOfColour(dialog, band, RGB(0, 0, 0)).size() == static_cast<std::size_t>(widest);
}

std::vector<std::string> layoutFaults(HWND dialog, int listId, int nameEnd,
                                      const std::vector<HeadedColumn>& columns,
                                      const std::vector<std::pair<int, int>>& labelsAndFigures) {
    HWND list = GetDlgItem(dialog, listId);
    const std::string line = listLine(list, 0);
    const auto at = [&](int n) { return 1 + widthIn(list, line, n); };  // the list draws its text a pixel in
    std::vector<std::string> faults;
    RECT client;
    GetClientRect(list, &client);
    if (at(static_cast<int>(line.size())) >= client.right)
        faults.push_back("the line passes the list's edge");
    const int blank = at(1) - at(0);
    int previousRight = at(nameEnd);
    RECT previousHeading = {};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int left = at(columns[c].first), right = at(columns[c].last + 1);
        HWND control = GetDlgItem(dialog, columns[c].headingId);
        const RECT heading = placeInDialog(list, control);
        const int centre = (heading.left + heading.right) / 2;
        const std::string name = textOf(control);
        if (left - previousRight < blank) faults.push_back(name + ": no blank before it");
        if (centre < left || centre > right) faults.push_back(name + ": not over its column");
        if (c > 0 && heading.left < previousHeading.right)
            faults.push_back(name + ": overlaps the heading before");
        if (!fitsItsControl(control)) faults.push_back(name + ": cut");
        previousRight = right, previousHeading = heading;
    }
    for (const auto& [label, figure] : labelsAndFigures) {
        for (int id : {label, figure})
            if (id && !fitsItsControl(GetDlgItem(dialog, id)))
                faults.push_back(textOf(dialog, id) + " is cut");
        if (label && placeInDialog(dialog, GetDlgItem(dialog, label)).right >
                         placeInDialog(dialog, GetDlgItem(dialog, figure)).left)
            faults.push_back(textOf(dialog, label) + " runs into its figure");
    }
    return faults;
}

void expectAsRecorded(const std::string& windowsText, const std::string& name) {
    std::wstring wide(windowsText.size(), L'\0');  // the files are in UTF-8, to be read and reviewed
    wide.resize(MultiByteToWideChar(1252, 0, windowsText.data(), std::ssize(windowsText), wide.data(),
                                    std::ssize(wide)));
    std::string shown(3 * wide.size(), '\0');
    shown.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), std::ssize(wide), shown.data(),
                                     std::ssize(shown), nullptr, nullptr));
    HRSRC resource = FindResourceA(nullptr, (name + "_EXPECTED").c_str(), MAKEINTRESOURCEA(10));  // RCDATA
    const auto* text = static_cast<const char*>(LockResource(LoadResource(nullptr, resource)));
    const std::string recorded = text ? std::string(text, SizeofResource(nullptr, resource)) : "";
    if (shown != recorded) std::ofstream(name + ".shown", std::ios::binary) << shown;
    EXPECT_EQ(shown, recorded) << "see " << name << ".shown";
}

Picture pictureOf(HDC dc, const RECT& band) {
    const int width = band.right - band.left, height = band.bottom - band.top;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    OwnedBitmap copy(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc memory(CreateCompatibleDC(dc));
    Selected onCopy(memory.get(), copy.get());
    BitBlt(memory.get(), 0, 0, width, height, dc, band.left, band.top, SRCCOPY);
    GdiFlush();
    Picture picture{
        width, std::vector<DWORD>(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + width * height)};
    for (DWORD& pixel : picture.pixels) pixel &= 0xFFFFFF;
    return picture;
}

Picture shownPicture(HWND window, const RECT& band) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return pictureOf(WindowDc(window).get(), band);
}

COLORREF titlePixel(int x, int y) {
    static const OwnedBitmap title(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), RES_BMP_TITLE, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    MemoryDc memory(CreateCompatibleDC(nullptr));
    Selected onTitle(memory.get(), title.get());
    return GetPixel(memory.get(), x, y);
}

void saveWindowPicture(HWND window, const std::string& name) {
    const char* folder = std::getenv("TICKERDELL_SCREENSHOTS");
    if (!folder || !*folder) return;
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r;
    GetWindowRect(window, &r);
    const Picture picture = pictureOf(WindowDc(nullptr).get(), r);
    const int width = picture.width, height = r.bottom - r.top;
    const BITMAPINFOHEADER header = {sizeof header, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header, size = 4 * width * height;
    const BITMAPFILEHEADER file = {0x4D42, offset + size, 0, 0, offset};
    std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(picture.pixels.data()), size);
}

Picture drawnPicture(const RECT& band, const std::function<void(HDC)>& draw) {
    WindowDc screen(nullptr);
    MemoryDc memory(CreateCompatibleDC(screen.get()));
    OwnedBitmap canvas(CreateCompatibleBitmap(screen.get(), band.right, band.bottom));
    Selected onCanvas(memory.get(), canvas.get());
    PatBlt(memory.get(), 0, 0, band.right, band.bottom, WHITENESS);
    SetBkMode(memory.get(), TRANSPARENT);
    draw(memory.get());
    return pictureOf(memory.get(), band);
}

Pixels pixelsOfColour(const Picture& picture, const RECT& band, COLORREF colour) {
    const DWORD wanted = asPixel(colour);
    Pixels pixels;
    for (int y = 0; y < band.bottom - band.top; ++y)
        for (int x = 0; x < picture.width; ++x)
            if (picture.at(x, y) == wanted) pixels.emplace_back(band.left + x, band.top + y);
    return pixels;
}

Pixels pixelsOfColour(HWND window, const RECT& band, COLORREF colour) {
    pumpMessagesUntilIdle();
    return pixelsOfColour(shownPicture(window, band), band, colour);
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
    ASSERT_TRUE(bookPurchase(gGame, share, quantity).booked());
}

void holdShares(int slot, int share, int quantity, double totalCost) {
    gGame.holdings[slot] = {.shareNumber = share, .heldQuantity = quantity, .totalCost = totalCost};
}

void GameWindowTest::SetUp() {
    ASSERT_TRUE(startNewGame(nullptr)) << "the market files must be in the working directory";
    window_ = createMainWindow();
    ASSERT_NE(window_, nullptr);
    showMainWindow(window_, SW_SHOWNORMAL);
    pumpMessagesUntilIdle();
}

void GameWindowTest::TearDown() {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    // The quit message the main window posts as it goes must not end the next test's loops.
    pumpMessagesUntilIdle();
}

int main(int argc, char** argv) {
    // Under Wine the output is a pipe, which the C runtime buffers: a program that dies would lose it.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind("--game=", 0) == 0) gameProgramPath = argv[i] + 7;
    if (!initialiseShell(GetModuleHandleA(nullptr), nullptr))
        return std::fputs("no main window class\n", stderr), 1;
    return RUN_ALL_TESTS();
}

// Run only by its own test entry, which expects the line in the output of a program that ends unflushed.
TEST(TestProgram, DISABLED_ShowsWhatItPrintedWhenItDies) {
    std::fputs("printed just before the end\n", stdout);
    TerminateProcess(GetCurrentProcess(), 3);
}
