// The portfolio selection ("MULTPORTFOLIO"): where a player with several portfolios would choose one.
// The game keeps a single account, so its list stays empty and Select, Next and Previous do nothing.
#pragma once

#include <windows.h>

// Shows the selection over `owner`; ends with Cancel (its id), 1 on Enter, or 2 on Escape.
INT_PTR runPortfolioSelectScreen(HWND owner);
