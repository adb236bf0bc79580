// The ring-the-broker dialog: the day count, Done (settle and close) and Cancel.
#include "shell/RingBrokerScreen.h"

#include <windowsx.h>

#include "model/Settlement.h"
#include "resources/resource.h"
#include "runtime/ClassicUnits.h"
#include "runtime/ControlFonts.h"
#include "runtime/DialogHost.h"
#include "runtime/EditFilters.h"
#include "runtime/MessageBoxes.h"
#include "shell/Dispatch.h"
#include "shell/MainScreen.h"
#include "shell/ShellState.h"
#include "trading/EntryFields.h"

namespace {
constexpr int kRingBrokerHelp = 20007;

constexpr FontSpec kFonts[] = {
    {IDC_CANCEL_BUTTON, "Helv", -13, FW_NORMAL},       {IDC_RING_DONE, "Helv", -13, FW_NORMAL},
    {IDC_RING_PASSWORD, "Helv", -13, FW_NORMAL},       {IDC_RING_DAYS, "Helv", -13, FW_NORMAL},
    {IDC_RING_PASSWORD_LABEL, "Helv", -11, FW_NORMAL}, {IDC_RING_DAYS_LABEL, "Helv", -11, FW_NORMAL},
};

bool digitsOnly(unsigned int typed, const std::string&) {
    return isQuantityCharAllowed(typed);
}

HWND daysField(HWND dialog) {
    return GetDlgItem(dialog, IDC_RING_DAYS);
}

// The player hears of what did not go as asked; the main screen shows the rest.
void tellThePlayer(HWND dialog, const Settlement& settlement) {
    if (settlement.historyNotWritten()) refuse(dialog, historyNotWrittenNotice());
    if (settlement.noLaterPrices)
        showNotice(dialog, noLaterPricesNotice(gGame), kGameCaption, MB_ICONINFORMATION);
}

BOOL OnInitDialog(HWND dialog, HWND, LPARAM) {
    applyFonts(dialog, kFonts);
    layOutInClassicUnits(dialog);
    installCharFilter(daysField(dialog), digitsOnly);
    return TRUE;  // the dialog manager puts the focus, with the text selected, in the day count
}

void OnDone(HWND dialog) {
    const Settlement settlement =
        settleDay(gGame, skipCountFromText(fieldText(daysField(dialog), kSkipCountReadLimit)));
    drawDateLine(mainScreenWindow());
    tellThePlayer(dialog, settlement);
    EndDialog(dialog, IDC_RING_DONE);
}

void OnCommand(HWND dialog, int id, HWND control, UINT notification) {
    // A menu or accelerator command is the dispatcher's before it is this dialog's.
    if (dispatchCommandFromNoControl(dialog, id, control, notification)) return;
    if (notification != BN_CLICKED) return;
    switch (id) {
        case IDC_RING_DONE:
            OnDone(dialog);
            break;
        case IDC_CANCEL_BUTTON:
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, id);
            break;
        default:
            break;
    }
}

void OnDestroy(HWND dialog) {
    removeCharFilter(daysField(dialog));
    releaseDialogFonts(dialog);
}

INT_PTR CALLBACK RingBrokerProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (dialogPreFilter(dialog, message, wParam, lParam, kModalDialogKind, kRingBrokerHelp, &result))
        return SetDlgMsgResult(dialog, message, result);
    switch (message) {
        DLG_MSG(dialog, WM_INITDIALOG, OnInitDialog);
        DLG_MSG(dialog, WM_COMMAND, OnCommand);
        case WM_DESTROY:
            OnDestroy(dialog);
            return FALSE;
        default:
            return FALSE;
    }
}
}  // namespace

void showRingTheBrokerDialog(HWND owner) {
    showModalDialog(owner, RES_DLG_PASSWORD, RingBrokerProc);
}
