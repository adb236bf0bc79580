// The paired Quantity and Value fields of the Buy and Sell dialogs, wired to the entry rules.
#pragma once

#include <windows.h>

#include "trading/EntryFields.h"

struct PairedFieldIds {
    int quantity;
    int value;
    int mainButton;  // where Enter in either field sends the focus
};

// Lives with its dialog's state; the dialog names its two fields and its button, attaches the pair
// when it initialises, forwards its commands, and detaches when it is destroyed.
class PairedFields {
public:
    PairedFields(PairedFieldIds ids, EntryRounding rounding) : ids_(ids), rounding_(rounding) {}
    PairedFields(const PairedFields&) = delete;
    PairedFields& operator=(const PairedFields&) = delete;
    ~PairedFields() { detach(); }

    // Filters both fields, takes over their Enter key and puts the focus in the Quantity field.
    void attach(HWND dialog, double sharePrice);
    // Gives both fields their own behaviour back.
    void detach();
    // The fields' focus notifications from the dialog's WM_COMMAND; true when the command was theirs.
    bool onCommand(int controlId, UINT notification);

private:
    static LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    bool onEnterKey(LPARAM keyData);
    void quantityLeft();
    void valueLeft();
    HWND field(int id) const { return GetDlgItem(dialog_, id); }

    PairedFieldIds ids_;
    EntryRounding rounding_;
    HWND dialog_ = nullptr;
    double price_ = 0.0;
    bool freshEnterSeen_ = false;
};
