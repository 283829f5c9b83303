#include "shell/Pads.h"

#include "base/GameClock.h"
#include "base/Settings.h"
#include "game/Commands.h"
#include "game/GameMenus.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "input/PadMapper.h"
#include "input/RumbleRules.h"

#include <cstdlib>
#include <cstring>

namespace {

// Without a pad, SDL is asked for newly plugged ones this often (game clock,
// ms): a plug check costs a few microseconds, which every idle call would pay.
constexpr unsigned int plugCheckInterval = 250;

Gamepad gamepad;
PadMapper mapper;
RumbleRules rumbleRules;
bool plugChecked = false;
unsigned int lastPlugCheck = 0;

MenuScreen::ControlKind KindOf(const MenuItem* item) {
    if (dynamic_cast<const Slider*>(item) != nullptr) {
        return MenuScreen::ControlKind::Slider;
    }
    if (dynamic_cast<const CheckBox*>(item) != nullptr) {
        return MenuScreen::ControlKind::CheckBox;
    }
    return MenuScreen::ControlKind::Button;
}

// The menu in front, which takes the focus: the configuration menu when both
// are shown, as it lies over the main menu.
MenuScreen FrontMenu() {
    MenuScreen screen;
    const Menu* menu = nullptr;
    if (MenuTakesPointer(configMenu)) {
        menu = &configMenu;
        screen.front = MenuScreen::Front::Config;
    } else if (MenuTakesPointer(mainMenu)) {
        menu = &mainMenu;
        screen.front = MenuScreen::Front::Main;
    } else {
        return screen;
    }
    screen.controlCount = menu->GetItemCount();
    for (int i = 0; i < screen.controlCount; ++i) {
        const MenuItem* item = menu->GetItem(i);
        screen.controls[i] = {KindOf(item), item->GetX() - menu->GetX(),
                              item->GetY() - menu->GetY(), item->GetWidth(), item->GetHeight()};
        // B leaves the configuration menu through its own way back.
        if (menu == &configMenu && std::strstr(item->GetLabel(), "Main Menu") != nullptr) {
            screen.backControl = i;
        }
    }
    return screen;
}

void CloseAtExit() {
    ClosePads();
}

} // namespace

void OpenPads(const Gamepad::Devices devices) {
    if (settings.gamepad == 0 || gamepad.IsOpen()) {
        return;
    }
    mapper = PadMapper(settings.invertPitch != 0);
    rumbleRules = RumbleRules{};
    plugChecked = false;
    if (gamepad.Open(devices)) {
        // Quit leaves through exit: the pads' motors are stopped on the way out.
        static const bool registered = std::atexit(CloseAtExit) == 0;
        static_cast<void>(registered);
    }
}

void ClosePads() {
    gamepad.Close();
}

bool PadsOpen() {
    return gamepad.IsOpen();
}

int PadsAttached() {
    return gamepad.PadCount();
}

void PollPads(const unsigned int now) {
    if (!gamepad.IsOpen()) {
        return;
    }
    if (gamepad.PadCount() == 0 && mapper.AtRest()) {
        // A clock that went back (a new game in a test) checks at once.
        if (plugChecked && now >= lastPlugCheck && now - lastPlugCheck < plugCheckInterval) {
            return;
        }
        plugChecked = true;
        lastPlugCheck = now;
    }
    // Every press and release since the last read, in order, each carried
    // out as it came: a quick tap between two slow frames still counts.
    const PadReadings readings = gamepad.Poll();
    for (int r = 0; r < readings.count; ++r) {
        const PadState& pad = readings.states[r];
        if (pad.pads == 0 && !pad.unplugged && mapper.AtRest()) {
            continue;
        }
        PadContext context;
        context.menus = FrontMenu();
        context.secondViewOpen = world.GetBird().secondViewOpen != 0;
        context.pointerX = shell.mouseX;
        context.pointerY = shell.mouseY;
        PadCommands commands;
        mapper.Update(pad, context, now, commands);
        for (int i = 0; i < commands.count; ++i) {
            ApplyCommand(commands.items[i]);
        }
    }
}

void RumblePads(const TickReport& report) {
    if (!gamepad.IsOpen() || settings.rumble == 0 || gamepad.PadCount() == 0) {
        return;
    }
    RumbleRules::Effect effect;
    if (rumbleRules.Take(report.events, GameClock::TickTime(), effect)) {
        gamepad.Rumble(effect.low, effect.high, effect.milliseconds);
    }
}
