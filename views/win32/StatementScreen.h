// The transaction statement (STATEMENT): the deals settled in this run, ten to a printed-looking
// page over the STATE picture, paged by picture buttons or Page Up and Page Down.
#pragma once

#include <windows.h>

#include "model/GameModel.h"

// Shows the statement over `owner`, on its newest page, until Exit, Escape or Close. It reads the
// history file as it opens and each time the page turns; the model is not changed.
void runStatementScreen(HWND owner, const GameModel& model);
