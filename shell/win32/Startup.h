// Starting and ending the program: the pieces WinMain runs, also used by the GUI tests.
#pragma once

#include <windows.h>

// What start-up sets up before any window: the instance, the optional 3D controls library, the
// registered messages, context help's key filter and the main window class. False when the class cannot be
// registered.
bool initialiseShell(HINSTANCE instance, HINSTANCE previousInstance);

// Loads the market from the working directory into the game model; on failure tells the player which
// file could not be read and where the game looked, and answers false.
bool startNewGame(HWND owner);

// Creates the main window placed for the screen, reporting and retrying once on failure.
HWND createMainWindow();

// Shows the main window with the show state given to the program.
void showMainWindow(HWND window, int showState);

// Hands one message taken from the queue to context help's loop hook, then to the main screen's
// keyboard handling or, failing that, to its window: what the game's loop does with each message.
void handleQueuedMessage(MSG& message);

// Runs the message loop until the quit message; answers its code.
int runMessageLoop();

// Releases the optional 3D controls library.
void shutdownShell();

int runTickerdell(HINSTANCE instance, HINSTANCE previousInstance, int showState);
