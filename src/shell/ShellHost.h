#pragma once

// The shell as the game's host (game/GameHost.h): the game's inputs go to
// the session's recording, its events and ticks to the listeners, the
// second view and redisplays to the windows, Save to the settings file and
// QUIT to the end of the session. Without a main window (--verify, tests)
// the windows' part does nothing.
void UseShellHost();
