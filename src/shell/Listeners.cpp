#include "shell/Listeners.h"

#include "game/Globals.h"
#include "hud/HitFlash.h"
#include "shell/Pads.h"
#include "shell/Session.h"
#include "sound/GameSound.h"

void HandOut(const GameEvent& event) {
    gameSound.Play(event);
}

void HandOutTick(const TickReport& report) {
    for (const GameEvent& event : report.events) {
        HandOut(event);
    }
    if (report.updated) {
        ShowHitFlash(world.GetHitFlash(), report.events);
    }
    gameSound.Update(world, mainMenu.IsVisible() || configMenu.IsVisible());
    RumblePads(report);
    NoteTick(report);
}
