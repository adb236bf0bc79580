// The ring-the-broker dialog: the day count, Done (settle and close) and Cancel.
#include "shell/win32/RingBrokerScreen.h"

#include <optional>

#include "model/Settlement.h"
#include "resources/resource.h"
#include "runtime/win32/EditFilters.h"
#include "runtime/win32/Screen.h"
#include "trading/EntryFields.h"

namespace {
constexpr FontSpec kFonts[] = {
    {IDC_CANCEL_BUTTON, "Helv", -13, FW_NORMAL},       {IDC_RING_DONE, "Helv", -13, FW_NORMAL},
    {IDC_RING_PASSWORD, "Helv", -13, FW_NORMAL},       {IDC_RING_DAYS, "Helv", -13, FW_NORMAL},
    {IDC_RING_PASSWORD_LABEL, "Helv", -11, FW_NORMAL}, {IDC_RING_DAYS_LABEL, "Helv", -11, FW_NORMAL},
};

struct RingBrokerScreen {
    GameModel& model;
    std::optional<Settlement> settlement;
};

bool digitsOnly(unsigned int typed, const std::string&) {
    return isQuantityCharAllowed(typed);
}

HWND daysField(HWND dialog) {
    return GetDlgItem(dialog, IDC_RING_DAYS);
}

BOOL OnInit(HWND dialog, RingBrokerScreen&) {
    installCharFilter(daysField(dialog), digitsOnly);
    return TRUE;  // the dialog manager puts the focus, with the text selected, in the day count
}

void OnDone(HWND dialog, RingBrokerScreen& screen) {
    screen.settlement =
        settleDay(screen.model, skipCountFromText(fieldText(daysField(dialog), kSkipCountReadLimit)));
    EndDialog(dialog, IDC_RING_DONE);
}

bool OnCommand(HWND dialog, RingBrokerScreen& screen, int id, UINT notification) {
    if (notification != BN_CLICKED) return true;
    if (id == IDC_RING_DONE) OnDone(dialog, screen);
    return id == IDC_RING_DONE;
}

void OnDestroy(HWND dialog, RingBrokerScreen&) {
    removeCharFilter(daysField(dialog));
}

const ScreenTemplate<RingBrokerScreen> kRingBrokerScreen = {
    .name = RES_DLG_PASSWORD,
    .helpNumber = IDH_RING_BROKER,
    .fonts = kFonts,
    .handlers = {.init = OnInit, .command = OnCommand, .destroy = OnDestroy},
    .placement = ScreenPlacement::AsLaidOut,
};
}  // namespace

std::optional<Settlement> runRingBrokerScreen(HWND owner, GameModel& model) {
    RingBrokerScreen screen{model, std::nullopt};
    runModalScreen(owner, kRingBrokerScreen, screen);
    return screen.settlement;
}
