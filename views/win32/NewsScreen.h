// The three picture screens of the "&Information" menu: the news, the top earners and the most
// popular shares. None reads or changes the game; each answers the value it closed with.
#pragma once

#include <windows.h>

// The newspaper front page; a left or middle click, Enter or Escape closes it (a click answers the
// hidden button's IDC_CANCEL_BUTTON).
int runNewsScreen(HWND owner);

// The top earners picture; a left click (IDC_CANCEL_BUTTON), Enter or Escape closes it.
int runTopEarnersScreen(HWND owner);

// The most popular shares picture; only its exit button (IDC_POP_EXIT), Enter or Escape closes it.
int runPopularSharesScreen(HWND owner);
