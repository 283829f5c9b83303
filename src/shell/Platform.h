#pragma once

// What differs between the desktop and the browser beyond drawing and GLUT;
// the desktop's side is shell/Platform.cpp, the browser's web/WebPage.cpp.

// The player's files (the saved settings, the recordings and the best
// flights) have just changed: after Save, and when a recorded flight joins
// the table. On the desktop they are on disk already; the browser build
// keeps them in the browser's storage and shows the table on the page anew.
void PlayerFilesChanged();

// Ends the game with this exit status, after the handlers registered with
// atexit (the session's end among them). The browser's page stays: it is
// told that the game has ended.
[[noreturn]] void EndProcess(int status);
