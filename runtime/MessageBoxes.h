// The only message boxes of the game: windowing errors, refusals, questions and fatal errors.
#pragma once

#include <windows.h>

#include <string>

constexpr const char* kGameCaption = "Tickerdell";

// Shows string-table text textId followed by extra (when given); 0 when the string cannot be loaded.
int reportError(HWND owner, UINT textId, const char* extra, UINT style);

// A refusal: OK button, exclamation icon.
void refuse(HWND owner, const std::string& text);

// A question with Yes and No; only Yes proceeds. A warning question passes MB_ICONEXCLAMATION.
bool askYesNo(HWND owner, const std::string& text, UINT icon = MB_ICONQUESTION);

// An OK message with its own caption and icon, for the few notices that differ from a refusal.
void showNotice(HWND owner, const std::string& text, const std::string& caption, UINT icon);

// A problem that ends the game: OK button, stop icon.
void showFatalError(HWND owner, const std::string& text);
