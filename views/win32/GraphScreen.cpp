// The price graph: the picture is computed whenever the share, the range or an option changes, the
// label texts are set then, the next paint draws it on the screen's canvas, and every paint copies the
// canvas to the screen.
#include "views/win32/GraphScreen.h"

#include <array>
#include <optional>

#include "resources/resource.h"
#include "runtime/win32/GdiHandles.h"
#include "runtime/win32/Screen.h"
#include "views/Graph.h"
#include "views/win32/GraphOptionsScreen.h"
#include "views/win32/GraphPainting.h"

namespace {
constexpr FontSpec kGraphFonts[] = {
    {IDC_GRAPH_PREVIOUS, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_NEXT, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_RANGE_GROUP, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_FOUR_YEARS, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_ONE_YEAR, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_ONE_MONTH, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_OPTIONS, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_BUY, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_EXIT, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_PRICE_TOP, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_PRICE_THREE_QUARTERS, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_PRICE_MIDDLE, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_PRICE_ONE_QUARTER, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_PRICE_BOTTOM, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_DATE_1, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_DATE_2, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_DATE_3, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_DATE_4, "Helv", -11, FW_NORMAL},
    {IDC_GRAPH_DATE_5, "Helv", -11, FW_NORMAL},
};

// Top to bottom, and left to right: the order of the picture's label texts.
constexpr std::array<int, kPriceLabelCount> kPriceLabels = {
    IDC_GRAPH_PRICE_TOP, IDC_GRAPH_PRICE_THREE_QUARTERS, IDC_GRAPH_PRICE_MIDDLE, IDC_GRAPH_PRICE_ONE_QUARTER,
    IDC_GRAPH_PRICE_BOTTOM};
constexpr std::array<int, kDateLabelCount> kDateLabels = {
    IDC_GRAPH_DATE_1, IDC_GRAPH_DATE_2, IDC_GRAPH_DATE_3, IDC_GRAPH_DATE_4, IDC_GRAPH_DATE_5};

struct RangeButton {
    int id;
    GraphRange range;
};
constexpr RangeButton kRangeButtons[] = {{IDC_GRAPH_FOUR_YEARS, GraphRange::FourYears},
                                         {IDC_GRAPH_ONE_YEAR, GraphRange::OneYear},
                                         {IDC_GRAPH_ONE_MONTH, GraphRange::OneMonth}};

struct GraphScreen {
    GameModel& model;
    GraphBrowse browse;
    BuyRequest buy;
    GraphRange range = GraphRange::OneYear;
    GraphHistory history{};
    GraphPicture picture{};
    std::optional<GraphCanvas> canvas{};  // made when the screen opens
    bool canvasStale = true;              // the picture changed since the canvas was drawn
    bool purchased = false;
};

// A stepping button that is about to be disabled must not keep the focus: it goes to the other one
// when that still works, otherwise to Exit.
void enableStepButton(HWND dialog, int id, bool enabled, int otherId, bool otherEnabled) {
    HWND button = GetDlgItem(dialog, id);
    if (!enabled && GetFocus() == button) {
        HWND next = GetDlgItem(dialog, otherEnabled ? otherId : IDC_GRAPH_EXIT);
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    }
    EnableWindow(button, enabled);
}

void showStepping(HWND dialog, const GraphBrowse& browse) {
    const GraphStepping stepping = graphSteppingFor(browse);
    enableStepButton(dialog, IDC_GRAPH_PREVIOUS, stepping.previous, IDC_GRAPH_NEXT, stepping.next);
    enableStepButton(dialog, IDC_GRAPH_NEXT, stepping.next, IDC_GRAPH_PREVIOUS, stepping.previous);
}

// Only a label whose text changes is set: setting a static's text repaints it.
void setLabel(HWND dialog, int id, const std::string& text) {
    char shown[64] = "";
    GetDlgItemTextA(dialog, id, shown, sizeof shown);
    if (text != shown) SetDlgItemTextA(dialog, id, text.c_str());
}

// Computes the picture for the present share, range and options, shows its labels and asks for the
// plot to be painted again. The background is not erased first: the paint covers it all.
void redraw(HWND dialog, GraphScreen& screen) {
    screen.picture = computeGraph(screen.model, screen.history, screen.range);
    for (int i = 0; i < kPriceLabelCount; ++i)
        setLabel(dialog, kPriceLabels[i], screen.picture.priceLabels[i]);
    for (int i = 0; i < kDateLabelCount; ++i) setLabel(dialog, kDateLabels[i], screen.picture.dateLabels[i]);
    showStepping(dialog, screen.browse);
    screen.canvasStale = true;
    const RECT changed = screen.canvas->partChangedBy(screen.picture);
    InvalidateRect(dialog, &changed, FALSE);
}

void showShare(HWND dialog, GraphScreen& screen) {
    const int share = screen.browse.shownShare();
    SetWindowTextA(dialog, graphCaption(screen.model, share).c_str());
    screen.history = loadGraphHistory(screen.model, share);
    redraw(dialog, screen);
}

// The labels stand inside the axis strips: the picture is copied around them, not over them.
void excludeChildren(HWND dialog, HDC dc) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child)) continue;
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

void OnPaint(HWND dialog, GraphScreen& screen, const PAINTSTRUCT& paint) {
    RECT unused;
    if (!IntersectRect(&unused, &paint.rcPaint, &kGraphPaintArea)) return;
    // A change of the system's colours repaints the whole dialog: the axes are drawn again in them.
    if (screen.canvasStale || !screen.canvas->keepsAxesOf(screen.picture)) {
        screen.canvas->draw(screen.picture);
        screen.canvasStale = false;
    }
    excludeChildren(dialog, paint.hdc);
    screen.canvas->copyTo(paint.hdc, paint.rcPaint);
}

void OnRange(HWND dialog, GraphScreen& screen, GraphRange range) {
    screen.range = range;
    redraw(dialog, screen);
}

void OnStep(HWND dialog, GraphScreen& screen, bool (*step)(GraphBrowse&)) {
    if (step(screen.browse)) showShare(dialog, screen);
}

void OnOptions(HWND dialog, GraphScreen& screen) {
    runGraphOptionsScreen(dialog, screen.model);
    redraw(dialog, screen);  // whatever was chosen: a cancelled dialog still leaves a fresh picture
}

// After an accepted purchase the graph is done: the player goes back towards the portfolio.
void OnBuy(HWND dialog, GraphScreen& screen) {
    if (!screen.buy(dialog, screen.model, screen.browse.shownShare())) return;
    screen.purchased = true;
    EndDialog(dialog, IDC_GRAPH_EXIT);
}

BOOL OnInit(HWND dialog, GraphScreen& screen) {
    screen.canvas.emplace(WindowDc(dialog).get());
    screen.range = GraphRange::OneYear;
    CheckRadioButton(dialog, IDC_GRAPH_FOUR_YEARS, IDC_GRAPH_ONE_MONTH, IDC_GRAPH_ONE_YEAR);
    showShare(dialog, screen);
    return TRUE;
}

bool OnButton(HWND dialog, GraphScreen& screen, int id) {
    for (const RangeButton& button : kRangeButtons) {
        if (button.id != id) continue;
        OnRange(dialog, screen, button.range);
        return true;
    }
    switch (id) {
        case IDC_GRAPH_PREVIOUS:
            OnStep(dialog, screen, stepGraphPrevious);
            return true;
        case IDC_GRAPH_NEXT:
            OnStep(dialog, screen, stepGraphNext);
            return true;
        case IDC_GRAPH_OPTIONS:
            OnOptions(dialog, screen);
            return true;
        case IDC_GRAPH_BUY:
            OnBuy(dialog, screen);
            return true;
        case IDC_GRAPH_EXIT:
            EndDialog(dialog, IDC_GRAPH_EXIT);
            return true;
        default:
            return false;
    }
}

bool OnCommand(HWND dialog, GraphScreen& screen, int id, UINT notification) {
    if (id == IDOK) {
        // Enter with no default button in reach lands on Buy, the screen's way on.
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_GRAPH_BUY)),
                     TRUE);
        return true;
    }
    if (notification != BN_CLICKED) return true;  // only a click acts
    return OnButton(dialog, screen, id);
}

constexpr ScreenPicture kBackground[] = {{RES_BMP_GRAPH_BACKGROUND, BitmapReporter::Game}};

const ScreenTemplate<GraphScreen> kGraphScreen = {
    .name = RES_DLG_GRAPH,
    .helpNumber = IDH_GRAPH,
    .fonts = kGraphFonts,
    .handlers = {.init = OnInit, .command = OnCommand, .paint = OnPaint},
    .pictures = kBackground,
};
}  // namespace

bool runGraphScreen(HWND owner, GameModel& model, const GraphBrowse& browse, BuyRequest buy) {
    GraphScreen screen{model, browse, buy};
    runModalScreen(owner, kGraphScreen, screen);
    return screen.purchased;
}
