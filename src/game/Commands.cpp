#include "game/Commands.h"

#include "game/Game.h"
#include "game/GameHost.h"
#include "game/GameMenus.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "legacygl/Gl.h"

#include <algorithm>

namespace {

constexpr unsigned char keyEnter = 13;
constexpr unsigned char keyEscape = 27;
constexpr unsigned char keySpace = 32;
constexpr float radarZoomStep = 0.1f;

void Drop() {
    Bird& bird = world.GetBird();
    if (bird.DropPoop()) {
        Host().Happened(GameEvent::Dropped(bird.GetEye()));
    }
}

void PointerMoved(const float x, const float y) {
    shell.mouseX = x;
    shell.mouseY = y;
    shell.steerX = SteerOffset(x, shell.windowWidth);
    shell.steerY = SteerOffset(y, shell.windowHeight);
    // Overlay coordinates: y from the vertical middle, growing downwards.
    const float overlayY = y - shell.windowHeight / 2.0f;
    world.mousePosition.Set(x, overlayY, 0.0f);
    for (Menu* menu : {&mainMenu, &configMenu}) {
        if (MenuTakesPointer(*menu)) {
            menu->SetMousePosition(x, overlayY);
        }
    }
}

void PointerButton(const int button, const bool down, const float x, const float y) {
    shell.mouseButton = button;
    if (down) {
        shell.mouseDown = 1;
        shell.mouseUp = 0;
    } else {
        shell.mouseUp = 1;
        shell.mouseDown = 0;
        if (button == GLUT_LEFT_BUTTON && shell.menuOpen == 0) {
            ApplyCommand(Command::DropPoop());
        }
    }
    shell.mouseX = x;
    shell.mouseY = y;
}

// A key does what it means, if anything, and every key shows its effect at
// once.
void KeyPressed(const std::optional<Command>& meaning) {
    if (meaning) {
        ApplyCommand(*meaning);
    }
    Host().Redisplay();
}

void ZoomRadar(const bool in) {
    Radar& radar = world.GetRadar();
    if (in) {
        radar.IncreaseZoomFactor(radarZoomStep);
        radar.IncreaseZoomDistance(radarZoomStep);
    } else {
        radar.DecreaseZoomFactor(radarZoomStep);
        radar.DecreaseZoomDistance(radarZoomStep);
    }
}

} // namespace

std::optional<Command> KeyMeaning(const unsigned char key) {
    using Kind = Command::Kind;
    switch (key) {
    case keyEnter:
        return Command::Of(Kind::Resume);
    case keyEscape:
        return Command::Of(Kind::OpenMainMenu);
    case keySpace:
        return Command::DropPoop();
    case '+':
        return Command::Of(Kind::ZoomRadarIn);
    case '-':
        return Command::Of(Kind::ZoomRadarOut);
    case '1':
        return Command::Of(Kind::CloseSecondView);
    case '2':
        return Command::Of(Kind::OpenSecondView);
    case 'm':
    case 'M':
        return Command::Of(Kind::ShowMainMenu);
    case 'w':
    case 'W':
        return Command::ChangeSpeed(speedUpStep);
    case 's':
    case 'S':
        return Command::ChangeSpeed(slowDownStep);
    case 'g':
        return Command::Of(Kind::ToggleFreeze);
    case 'n':
    case 'N':
        return Command::Of(Kind::ToggleMute);
    default:
        return std::nullopt;
    }
}

std::optional<Command> SpecialKeyMeaning(const int key) {
    switch (key) {
    case GLUT_KEY_UP:
        return Command::ChangeSpeed(speedUpStep);
    case GLUT_KEY_DOWN:
        return Command::ChangeSpeed(slowDownStep);
    case GLUT_KEY_F12:
        return Command::Of(Command::Kind::Screenshot);
    default:
        return std::nullopt;
    }
}

float SteerOffset(const float position, const float extent) {
    const float half = extent / 2.0f;
    if (half <= 0.0f) {
        return 0.0f;
    }
    return std::clamp((position - half) / half, -1.0f, 1.0f);
}

void ApplyCommand(const Command& command) {
    Host().InputApplied(command);
    using Kind = Command::Kind;
    switch (command.kind) {
    case Kind::Pointer:
        PointerMoved(command.x, command.y);
        break;
    case Kind::PointerButton:
        PointerButton(command.code, command.down != 0, command.x, command.y);
        break;
    case Kind::Key:
        KeyPressed(KeyMeaning(static_cast<unsigned char>(command.code)));
        break;
    case Kind::SpecialKey:
        KeyPressed(SpecialKeyMeaning(command.code));
        break;
    case Kind::Steer:
        shell.steerX = std::clamp(command.x, -1.0f, 1.0f);
        shell.steerY = std::clamp(command.y, -1.0f, 1.0f);
        break;
    case Kind::MenuPointer:
        // Both menus stand at the same corner; as with the pointer, only
        // those that take the pointer take the position.
        for (Menu* menu : {&mainMenu, &configMenu}) {
            if (MenuTakesPointer(*menu)) {
                menu->SetMousePosition(menu->GetX() + command.x, menu->GetY() + command.y);
            }
        }
        break;
    case Kind::SpeedChange:
        shell.speedChange = command.x;
        break;
    case Kind::Drop:
        Drop();
        break;
    case Kind::Resume:
        mainMenu.Hide();
        break;
    case Kind::OpenMainMenu:
        ShowMainMenu("MAIN MENU");
        break;
    case Kind::ShowMainMenu:
        mainMenu.Show();
        break;
    case Kind::ZoomRadarIn:
        ZoomRadar(true);
        break;
    case Kind::ZoomRadarOut:
        ZoomRadar(false);
        break;
    case Kind::OpenSecondView:
        OpenSecondView();
        break;
    case Kind::CloseSecondView:
        CloseSecondView();
        break;
    case Kind::ToggleFreeze:
        shell.freezeToggle = shell.freezeToggle == 0 ? 1 : 0;
        world.freezeActors = shell.freezeToggle;
        break;
    case Kind::ToggleMute:
        Host().ToggleMute();
        break;
    case Kind::Screenshot:
        Host().TakeScreenshot();
        break;
    }
}
