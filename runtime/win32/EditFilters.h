// Character filters on edit fields, put in place by subclassing the field and taken out again.
#pragma once

#include <windows.h>

#include <string>

// Answers whether a typed character may reach the field, given the field's present text.
using CharFilter = bool (*)(unsigned int typed, const std::string& currentText);

// Filters the characters typed into the edit field until removeCharFilter or its destruction.
bool installCharFilter(HWND edit, CharFilter filter);
void removeCharFilter(HWND edit);

// Entry fields are read with this many characters at most; the rules then take their own share.
constexpr int kFieldTextRead = 64;

// The field's text, at most limit characters of it.
std::string fieldText(HWND edit, int limit = kFieldTextRead);
