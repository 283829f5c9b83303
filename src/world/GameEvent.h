#pragma once

#include "geometry/Point.h"

#include <vector>

// GameEvent: one thing that happened in the game, as the World, the shell or
// a menu reports it, for whoever listens (the sound, the HUD's flash, the
// pad's rumble). Events only say what happened; they change nothing.
struct GameEvent {
    enum class Kind : unsigned char {
        Drop,            // a dropping left the bird; place: the bird's eye
        PedHit,          // poop hit a pedestrian; place: the pedestrian; detail: 1 if it scored
        CarHit,          // poop hit a car; place: the car; detail: 1 if it scored
        Inside,          // the bird is inside a map object this tick; detail: its kind
        FriesEaten,      // detail: the kind of fries
        BirdDied,        // the bird's health ran out; place: the bird's eye
        MissionComplete, // the targets are met and the next level is set up
        GameOver,        // the game has just ended; detail: why (see Reason)
        MenuAction,      // a menu control acted; detail: its number, place: the pointer
    };
    // Why a game ended, as the main menu's title will say.
    enum Reason : int { Died = 0, TimeUp = 1 };

    // The menus a MenuAction can come from.
    enum Menu : int { MainMenu = 0, ConfigMenu = 1 };

    Kind kind = Kind::Drop;
    int detail = 0;
    int menu = MainMenu; // MenuAction only
    Point place;
};

using GameEvents = std::vector<GameEvent>;
