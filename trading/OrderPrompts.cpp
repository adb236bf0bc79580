// Thin Win32 side of the order rules: the core decides, this shows its texts.
#include "trading/OrderPrompts.h"

#include "runtime/MessageBoxes.h"
#include "shell/ShellState.h"

namespace {
void showRefusal(HWND owner, const Admission& admission) {
    if (!admission.admitted()) showNotice(owner, admission.text, admission.caption, MB_ICONQUESTION);
}
}  // namespace

bool confirmBrokerCharge(HWND owner, double value) {
    return askYesNo(owner, brokerChargeMessage(gGame, value));
}

Admission admitOrder(HWND owner, OrderKind kind) {
    Admission admission = admitOrder(gGame, kind);
    showRefusal(owner, admission);
    return admission;
}

PurchaseBooking bookPurchase(HWND owner, int32_t quantity) {
    PurchaseBooking booking = bookPurchase(gGame, quantity);
    showRefusal(owner, booking.admission);
    return booking;
}
