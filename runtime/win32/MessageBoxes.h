// The only message boxes of the game: the player's notices and the windowing errors.
#pragma once

#include <windows.h>

#include <string>

#include "runtime/Notice.h"

// Shows the notice; answers the button pressed (IDOK, IDYES or IDNO).
int showNotice(HWND owner, const Notice& notice);

// A refusal: OK button, exclamation icon.
void refuse(HWND owner, const std::string& text);

// A question with Yes and No; true only on Yes.
bool askYesNo(HWND owner, const Notice& question);
bool askYesNo(HWND owner, const std::string& text);

// Shows string-table text textId followed by extra (when given); 0 when the string cannot be loaded.
int reportError(HWND owner, UINT textId, const char* extra, UINT style);
