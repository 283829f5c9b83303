#pragma once

#include "base/TickReport.h"
#include "input/Command.h"

// GameHost: what the game asks of the program that runs it. The game itself
// (the commands, the tick, the menus' buttons) needs no window: it hands
// what it cannot do alone to its host. The shell hosts a game played or
// replayed in a window, with the sound and the recording; a game checked
// without a window (--verify, tests) has a host that shows, plays and
// writes nothing. Every default does nothing.
class GameHost {
public:
    virtual ~GameHost() = default;

    // What an input meant to the game, as it was carried out (a recording
    // keeps it).
    virtual void InputApplied(const Command&) {}
    // An event between ticks (a drop made by a key), heard at once.
    virtual void Happened(const GameEvent&) {}
    // A tick ran: its report, for everyone who reacts to it.
    virtual void TickRan(const TickReport&) {}

    // The second view opens: its window with its textures, made current
    // before the game compiles its scenery into it; then, once compiled,
    // whatever else the window draws with.
    virtual void OpenSecondViewWindow() {}
    virtual void SecondViewCompiled() {}
    virtual void CloseSecondViewWindow() {}

    virtual void Redisplay() {}
    virtual void TakeScreenshot() {}
    virtual void ToggleMute() {}
    // The configuration menu's Save.
    virtual void SaveSettings() {}
    // The main menu's QUIT: the session ends (a host that can end the
    // process does not return).
    virtual void Quit() {}
};

// The game's host; until one is set, a host that does nothing.
GameHost& Host();
// Sets the host (nullptr: back to the one that does nothing).
void SetHost(GameHost* host);
