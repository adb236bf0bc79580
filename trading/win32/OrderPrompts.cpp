// Thin Win32 side of the order rules: the core decides, this shows its texts.
#include "trading/win32/OrderPrompts.h"

#include "runtime/win32/MessageBoxes.h"

namespace {
void showRefusal(HWND owner, const Admission& admission) {
    if (!admission.admitted()) showNotice(owner, admission.notice());
}
}  // namespace

bool confirmBrokerCharge(HWND owner, const GameModel& model, double value) {
    return askYesNo(owner, brokerChargeQuestion(model, value));
}

Admission admitOrder(HWND owner, const GameModel& model, int shareNumber, OrderKind kind) {
    Admission admission = admitOrder(model, shareNumber, kind);
    showRefusal(owner, admission);
    return admission;
}

PurchaseBooking bookPurchase(HWND owner, GameModel& model, int shareNumber, int32_t quantity) {
    PurchaseBooking booking = bookPurchase(model, shareNumber, quantity);
    showRefusal(owner, booking.admission);
    return booking;
}
