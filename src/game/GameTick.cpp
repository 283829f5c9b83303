#include "game/GameTick.h"

#include "base/Cursor.h"
#include "base/GameClock.h"
#include "base/Settings.h"
#include "game/GameHost.h"
#include "game/GameMenus.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "legacygl/Gl.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr unsigned int longestIdleSleep = 5; // ms; see IdleWakeTime

void UpdateGame(TickReport& report) {
    timeStats.Start(TimeStats::Idle);
    Cursor::Set(GLUT_CURSOR_NONE);
    Bird& bird = world.GetBird();
    bird.Accelerate(shell.speedChange);
    shell.speedChange = 0.0f;
    bird.Steer(shell.steerX, shell.steerY);
    world.Update();
    timeStats.Stop(TimeStats::Idle);
    report.updated = true;
    world.TakeEvents(report.events);

    Mission& mission = world.GetMission();
    if (mission.IsComplete(Mission::maskAll)) {
        currentLevel = world.NextLevel();
        char message[Menu::messageSize];
        std::snprintf(message, sizeof(message),
                      "New mission: Hit %d Peds, %d Cars and eat %d fries", mission.GetPedsLeft(),
                      mission.GetCarsLeft(), mission.GetFriesLeft());
        mainMenu.SetTitle("Mission Complete");
        mainMenu.SetMessage(message);
        mainMenu.Show();
        report.events.push_back(GameEvent::Completed(currentLevel));
    }
}

// Actions a replay has the menus take at the next tick.
std::vector<ScriptedMenuAction> scripted;

// Reports a control that acted, with where on it the pointer was.
void NoteMenuAction(TickReport& report, const Menu& menu, const int menuId, const int acted) {
    if (acted != Menu::noItem) {
        const MenuItem* item = menu.GetItem(acted);
        report.events.push_back(GameEvent::Acted(
            menuId, acted,
            Point(menu.GetMouseX() - item->GetX(), menu.GetMouseY() - item->GetY(), 0.0f)));
    }
}

// The menu's own reaction to the pointer, then what a replay has it do.
void HandleMenu(TickReport& report, Menu& menu, const int menuId) {
    NoteMenuAction(report, menu, menuId, menu.HandleMouse());
    for (const ScriptedMenuAction& action : scripted) {
        if (action.menu == menuId) {
            if (menu.Act(action.item, action.dx, action.dy) != Menu::noItem) {
                report.events.push_back(
                    GameEvent::Acted(menuId, action.item, Point(action.dx, action.dy, 0.0f)));
            }
        }
    }
}

void PassMouseToMenus(TickReport& report) {
    // The main menu acts on the flags copied at the previous tick; the
    // configuration menu on this tick's. Under the configuration menu the
    // main menu takes no click, and keeps none for later: the player cannot
    // see the control it would act on.
    if (mainMenu.IsVisible()) {
        if (MenuTakesPointer(mainMenu)) {
            HandleMenu(report, mainMenu, GameEvent::MainMenu);
            mainMenu.SetMouseFlags(shell.mouseButton, shell.mouseDown, shell.mouseUp);
        } else {
            mainMenu.SetMouseFlags(shell.mouseButton, 0, 0);
        }
    }
    if (configMenu.IsVisible()) {
        configMenu.SetMouseFlags(shell.mouseButton, shell.mouseDown, shell.mouseUp);
        HandleMenu(report, configMenu, GameEvent::ConfigMenu);
    }
}

} // namespace

TickReport RunTick(const unsigned int now) {
    TickReport report;
    GameClock::SetTickTime(now);
    shell.menuOpen = (mainMenu.IsVisible() ? 1 : 0) + (configMenu.IsVisible() ? 1 : 0);
    if (now <= shell.nextTickTime) {
        return report;
    }
    report.ran = true;
    // The configuration menu's slider writes the speed directly and can reach 0.
    if (settings.gameSpeed < 1) {
        settings.gameSpeed = 1;
    }
    shell.nextTickTime = now + GameClock::millisecondsPerSecond / settings.gameSpeed;

    CheckIntroTimeout();
    if (!world.GetBird().IsAlive()) {
        ShowMainMenu("Ohhh you died!");
        report.gameOverShown = true;
    }
    if (world.GetMission().TimeIsUp()) {
        ShowMainMenu("Ohhh you took too long!");
        report.gameOverShown = true;
    }
    // menuOpen was counted before the checks above, so the tick that first
    // shows the menu still updates the game.
    if (shell.menuOpen == 0) {
        UpdateGame(report);
    } else {
        PassMouseToMenus(report);
    }
    shell.mouseUp = 0;
    shell.mouseDown = 0;
    scripted.clear();
    GameEvent ended;
    if (shell.gameOver.Check(world, ended)) {
        report.events.push_back(ended);
    }
    Host().TickRan(report);
    return report;
}

void ScriptMenuAction(const ScriptedMenuAction& action) {
    scripted.push_back(action);
}

unsigned int IdleWakeTime(const unsigned int now) {
    return std::min(shell.nextTickTime + 1, now + longestIdleSleep);
}

void CheckIntroTimeout() {
    if (GameClock::TickTime() >= shell.startTime + introDuration) {
        shell.introHidden = 1;
    }
}
