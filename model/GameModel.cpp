// Holdings bookkeeping shared by every screen that changes the slots.
#include "model/GameModel.h"

void compactHoldings(GameModel& model) {
    auto& slots = model.holdings;
    int written = 0;
    for (int read = 0; read < kHoldingCount; ++read) {
        if (!slots[read].isOccupied()) continue;
        if (written != read) slots[written] = slots[read];
        ++written;
    }
    // Slots freed by the move must not keep the quantities or costs of the slot that moved out.
    for (int i = written; i < kHoldingCount; ++i) slots[i] = Holding{};
}

bool anyPendingOrder(const GameModel& model) {
    for (const Holding& slot : model.holdings)
        if (slot.hasPendingOrder()) return true;
    return false;
}

int findShareSlot(const GameModel& model, int shareNumber) {
    for (int i = 0; i < kHoldingCount; ++i)
        if (model.holdings[i].shareNumber == shareNumber) return i;
    return -1;
}

int findFreeSlot(const GameModel& model) {
    return findShareSlot(model, kEmptySlot);
}
