// The statement: the core's page texts drawn in "Courier New" 15 over the STATE picture, through a
// memory bitmap so a turning page does not flicker; the picture buttons draw only their focus and
// pressed images over the faces the picture paints, and a page button with no page to turn to is
// disabled and drawn faded.
#include "views/win32/StatementScreen.h"

#include <commctrl.h>

#include <utility>

#include "resources/resource.h"
#include "runtime/win32/BitmapDisplay.h"
#include "runtime/win32/DialogHost.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/Screen.h"
#include "views/Statement.h"

namespace {
constexpr int kPageFontHeight = 15;  // a cell height: positive
constexpr UINT_PTR kPageKeysSubclassId = 1;

using OwnedFont = Owned<HFONT, deleteGdiObject>;

constexpr PictureButton kButtons[] = {
    {IDC_STATE_PREVIOUS, RES_BMP_STATE_PREVIOUS, RES_BMP_STATE_PREVIOUS_PRESSED},
    {IDC_STATE_NEXT, RES_BMP_STATE_NEXT, RES_BMP_STATE_NEXT_PRESSED},
    {IDC_STATE_EXIT, RES_BMP_STATE_EXIT, RES_BMP_STATE_EXIT_PRESSED},
};

struct FadedFace {
    int id;
    const char* image;  // the whole face, drawn at (0, 1) as the other images are
};
constexpr FadedFace kFadedFaces[] = {{IDC_STATE_PREVIOUS, RES_BMP_STATE_PREVIOUS_DISABLED},
                                     {IDC_STATE_NEXT, RES_BMP_STATE_NEXT_DISABLED}};

struct StatementScreen {
    const GameModel& model;
    TransactionFileSource history{};
    StatementPaging paging{};
    std::vector<PageText> texts{};  // what the shown page draws, read when the page turns
};

// Previous and Next are enabled only while there is a page to turn to. A button about to be disabled
// first hands the focus to the next tab stop that stays enabled: a disabled window cannot keep it.
void enablePageButtons(HWND dialog, const StatementPaging& paging) {
    const std::pair<int, bool> buttons[] = {{IDC_STATE_PREVIOUS, hasPreviousPage(paging)},
                                            {IDC_STATE_NEXT, hasNextPage(paging)}};
    for (const auto& [id, active] : buttons)
        if (active) EnableWindow(GetDlgItem(dialog, id), TRUE);
    for (const auto& [id, active] : buttons) {
        HWND button = GetDlgItem(dialog, id);
        if (active) continue;
        if (GetFocus() == button) SendMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
        EnableWindow(button, FALSE);
    }
}

// Reads the shown page's records and asks for the page to be drawn again. The buttons are repainted
// after the page, so the one with the focus keeps its image.
void readShownPage(HWND dialog, StatementScreen& screen) {
    screen.texts = statementTexts(buildStatementPage(screen.paging, screen.history));
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void turnPage(HWND dialog, StatementScreen& screen, bool older) {
    StatementPaging& paging = screen.paging;
    if (!(older ? previousPage(paging) : nextPage(paging))) return;
    enablePageButtons(dialog, paging);
    readShownPage(dialog, screen);
}

// Page Up and Page Down reach the focused button, which has no use for them: they go on to the page,
// whose key handler turns it.
LRESULT CALLBACK PageKeysProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_KEYDOWN && (wParam == VK_PRIOR || wParam == VK_NEXT)) {
        SendMessageA(GetParent(button), WM_KEYDOWN, wParam, lParam);
        return 0;
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(button, PageKeysProc, kPageKeysSubclassId);
    return DefSubclassProc(button, message, wParam, lParam);
}

void drawPageTexts(HDC dc, const std::vector<PageText>& texts) {
    OwnedFont font(CreateFontA(kPageFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Courier New"));
    Selected inFont(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (const PageText& text : texts) {
        SetTextAlign(dc,
                     (text.alignment == TextAlignment::Right ? TA_RIGHT : TA_LEFT) | TA_TOP | TA_NOUPDATECP);
        TextOutA(dc, text.x, text.y, text.text.c_str(), static_cast<int>(text.text.size()));
    }
}

// The page is drawn in its own pixels; over a main window too small for it, shrunk to the size shown.
void OnPaint(HWND dialog, StatementScreen& screen, const PAINTSTRUCT& paint) {
    RECT shown;
    GetClientRect(dialog, &shown);
    MemoryDc page(CreateCompatibleDC(paint.hdc));
    OwnedBitmap surface(CreateCompatibleBitmap(paint.hdc, shown.right, shown.bottom));
    if (!page.get() || !surface.get()) return;
    {
        Selected onSurface(page.get(), surface.get());
        drawBitmapResource(page.get(), RES_BMP_STATEMENT, 0, 0, shown.right, shown.bottom, SRCCOPY,
                           kStretched);
        {
            const ScaledDrawing scaled(page.get(), pageScaleOf(dialog));
            drawPageTexts(page.get(), screen.texts);
        }
        const RECT& r = paint.rcPaint;
        BitBlt(paint.hdc, r.left, r.top, r.right - r.left, r.bottom - r.top, page.get(), r.left, r.top,
               SRCCOPY);
    }
}

void OnDrawItem(HWND dialog, StatementScreen&, const DRAWITEMSTRUCT& item) {
    drawPictureButtonOver(dialog, item, RES_BMP_STATEMENT, kStretched, kButtons);
    if (!(item.itemState & ODS_DISABLED)) return;
    for (const FadedFace& face : kFadedFaces)
        if (static_cast<int>(item.CtlID) == face.id)
            drawBitmapResource(item.hDC, face.image, 0, 1, 0, 0, SRCCOPY, kNaturalSize);
}

HBRUSH OnColour(HWND, StatementScreen&, HDC dc, HWND, UINT message) {
    if (message != WM_CTLCOLORBTN) return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

// Enter reaches the page as IDOK (an owner-drawn button is never the default one): it presses the
// button that has the focus, as Space does.
int focusedButton(HWND dialog) {
    HWND focus = GetFocus();
    return focus && GetParent(focus) == dialog ? GetDlgCtrlID(focus) : 0;
}

bool OnCommand(HWND dialog, StatementScreen& screen, int id, UINT notification) {
    if (notification != BN_CLICKED) return false;
    if (id == IDOK) id = focusedButton(dialog);
    switch (id) {
        case IDC_STATE_PREVIOUS:
            turnPage(dialog, screen, true);
            return true;
        case IDC_STATE_NEXT:
            turnPage(dialog, screen, false);
            return true;
        case IDC_STATE_EXIT:
            EndDialog(dialog, id);
            return true;
        default:
            return false;
    }
}

bool OnKey(HWND dialog, StatementScreen& screen, UINT key) {
    if (key != VK_PRIOR && key != VK_NEXT) return false;
    turnPage(dialog, screen, key == VK_PRIOR);
    return true;
}

BOOL OnInit(HWND dialog, StatementScreen& screen) {
    screen.paging = openStatement(screen.model.transactionCount, screen.history);
    screen.texts = statementTexts(buildStatementPage(screen.paging, screen.history));
    for (const PictureButton& button : kButtons)
        SetWindowSubclass(GetDlgItem(dialog, button.id), PageKeysProc, kPageKeysSubclassId, 0);
    enablePageButtons(dialog, screen.paging);
    return TRUE;  // the focus goes to the first enabled button: Previous, or Exit on a single page
}

constexpr ScreenPicture kPictures[] = {{RES_BMP_STATEMENT, BitmapReporter::Game},
                                       {kFadedFaces[0].image, BitmapReporter::Game},
                                       {kFadedFaces[1].image, BitmapReporter::Game}};

const ScreenTemplate<StatementScreen> kStatementScreen = {
    .name = RES_DLG_STATEMENT,
    .helpNumber = IDH_STATEMENT,
    .handlers = {.init = OnInit,
                 .command = OnCommand,
                 .paint = OnPaint,
                 .drawItem = OnDrawItem,
                 .colour = OnColour,
                 .key = OnKey},
    .placement = ScreenPlacement::OverMainWindow,
    .pictures = kPictures,
    .pictureButtons = kButtons,
};
}  // namespace

void runStatementScreen(HWND owner, const GameModel& model) {
    StatementScreen screen{model};
    runModalScreen(owner, kStatementScreen, screen);
}
