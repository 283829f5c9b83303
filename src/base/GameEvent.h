#pragma once

#include "geometry/Point.h"

#include <vector>

// GameEvent: one thing that happened in the game, as the World, the game's
// tick or a menu reports it, for whoever listens (the sound, the HUD's
// flash, the pad's rumble, the flights). Events only say what happened; they
// change nothing. Each kind fills the fields named for what it carries and
// leaves the others as they are by default; make one with the function of
// its kind.
struct GameEvent {
    enum class Kind : unsigned char {
        Drop,            // a dropping left the bird
        PedHit,          // poop hit a pedestrian
        CarHit,          // poop hit a car
        Inside,          // the bird is inside a map object this tick
        FriesEaten,      // the bird ate a portion of fries
        BirdDied,        // the bird's health ran out
        MissionComplete, // the targets are met and the next level is set up
        GameOver,        // the game has just ended
        MenuAction,      // a menu control acted
    };
    // Why a game ended, as the main menu's title will say.
    enum class Reason : unsigned char { Died, TimeUp };
    // The menus a MenuAction can come from.
    enum Menu : int { MainMenu = 0, ConfigMenu = 1 };

    Kind kind = Kind::Drop;
    // Drop, Inside, BirdDied: the bird's eye; PedHit, CarHit, FriesEaten: the
    // actor; MenuAction: where on the control the pointer was.
    Point place;
    bool scored = false;          // PedHit, CarHit: the hit counted for points and the mission
    int objectKind = 0;           // Inside: the map object's kind (MapObject::Kind...)
    int friesKind = 0;            // FriesEaten: the kind of fries (Fries::Kind...)
    int level = 0;                // MissionComplete: the level now set up
    Reason reason = Reason::Died; // GameOver
    int menu = MainMenu;          // MenuAction: the menu
    int control = 0;              // MenuAction: the control's number in its menu

    static GameEvent Dropped(const Point& eye) { return At(Kind::Drop, eye); }
    static GameEvent PedHitAt(const Point& ped, const bool scored) {
        GameEvent event = At(Kind::PedHit, ped);
        event.scored = scored;
        return event;
    }
    static GameEvent CarHitAt(const Point& car, const bool scored) {
        GameEvent event = At(Kind::CarHit, car);
        event.scored = scored;
        return event;
    }
    static GameEvent InsideOf(const int objectKind, const Point& eye) {
        GameEvent event = At(Kind::Inside, eye);
        event.objectKind = objectKind;
        return event;
    }
    static GameEvent Eaten(const int friesKind, const Point& fries) {
        GameEvent event = At(Kind::FriesEaten, fries);
        event.friesKind = friesKind;
        return event;
    }
    static GameEvent Died(const Point& eye) { return At(Kind::BirdDied, eye); }
    static GameEvent Completed(const int newLevel) {
        GameEvent event;
        event.kind = Kind::MissionComplete;
        event.level = newLevel;
        return event;
    }
    static GameEvent Ended(const Reason why) {
        GameEvent event;
        event.kind = Kind::GameOver;
        event.reason = why;
        return event;
    }
    static GameEvent Acted(const int menu, const int control, const Point& onControl) {
        GameEvent event = At(Kind::MenuAction, onControl);
        event.menu = menu;
        event.control = control;
        return event;
    }

private:
    static GameEvent At(const Kind kind, const Point& where) {
        GameEvent event;
        event.kind = kind;
        event.place = where;
        return event;
    }
};

using GameEvents = std::vector<GameEvent>;
