// The forms of the player's account with the game's service: options, payment details and the message
// to the administrator. They keep nothing: what is typed or ticked in them lives only while they are open.
#pragma once

#include <windows.h>

// The options form ("OPTIONS"); ends with Main Menu (its id) or 2 on Escape. Payment Details opens the
// details form over it and leaves it open.
INT_PTR runOptionsScreen(HWND owner);

// The payment details form ("DETAILS"); ends with Save Details or Cancel (their ids), or 2 on Escape.
INT_PTR runDetailsScreen(HWND owner);

// The message form ("ADMIN"); ends with Save Details or Cancel (their ids), or 2 on Escape.
INT_PTR runMessageScreen(HWND owner);
