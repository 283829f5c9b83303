#include "shell/Input.h"

#include "shell/GameMenus.h"
#include "shell/Globals.h"
#include "shell/Listeners.h"
#include "shell/Session.h"
#include "shell/Shell.h"
#include "shell/Windows.h"
#include "sound/GameSound.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr unsigned char keyEnter = 13;
constexpr unsigned char keyEscape = 27;
constexpr unsigned char keySpace = 32;
constexpr float radarZoomStep = 0.1f;

void Drop() {
    NoteInput(Command::DropPoop());
    Bird& bird = world.GetBird();
    if (bird.DropPoop()) {
        HandOut({GameEvent::Kind::Drop, 0, 0, bird.GetEye()});
    }
}

void PointerMoved(const float x, const float y) {
    NoteInput(Command::PointerAt(static_cast<int>(x), static_cast<int>(y)));
    shell.mouseX = x;
    shell.mouseY = y;
    shell.steerX = SteerOffset(x, shell.windowWidth);
    shell.steerY = SteerOffset(y, shell.windowHeight);
    // Overlay coordinates: y from the vertical middle, growing downwards.
    const float overlayY = y - shell.windowHeight / 2.0f;
    world.mousePosition.Set(x, overlayY, 0.0f);
    for (Menu* menu : {&mainMenu, &configMenu}) {
        if (menu->IsVisible()) {
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
            Drop();
        }
    }
    shell.mouseX = x;
    shell.mouseY = y;
}

// Keys a recording keeps as they are; Space and the speed keys are kept as
// what they do, and the rest change nothing in the game.
bool KeptAsKey(const unsigned char key) {
    constexpr unsigned char kept[] = {keyEnter, keyEscape, '+', '-', '1', '2',
                                      'm',      'M',       'g', 'n', 'N'};
    return std::find(std::begin(kept), std::end(kept), key) != std::end(kept);
}

void KeyPressed(const unsigned char key) {
    if (KeptAsKey(key)) {
        NoteInput(Command::KeyPressed(key));
    }
    switch (key) {
    case keyEnter:
        mainMenu.Hide();
        break;
    case keyEscape:
        ShowMainMenu("MAIN MENU");
        break;
    case keySpace:
        Drop();
        break;
    case '+':
        world.GetRadar().IncreaseZoomFactor(radarZoomStep);
        world.GetRadar().IncreaseZoomDistance(radarZoomStep);
        break;
    case '-':
        world.GetRadar().DecreaseZoomFactor(radarZoomStep);
        world.GetRadar().DecreaseZoomDistance(radarZoomStep);
        break;
    case '1':
        CloseSecondView();
        break;
    case '2':
        OpenSecondView();
        break;
    case 'm':
    case 'M':
        mainMenu.Show();
        break;
    case 'w':
    case 'W':
        ApplyCommand(Command::ChangeSpeed(speedUpStep));
        break;
    case 's':
    case 'S':
        ApplyCommand(Command::ChangeSpeed(slowDownStep));
        break;
    case 'g':
        shell.freezeToggle = shell.freezeToggle == 0 ? 1 : 0;
        world.freezeActors = shell.freezeToggle;
        break;
    case 'n':
    case 'N':
        gameSound.ToggleMute();
        break;
    default:
        break;
    }
    PostRedisplayAll();
}

void SpecialKeyPressed(const int key) {
    if (key == GLUT_KEY_UP) {
        ApplyCommand(Command::ChangeSpeed(speedUpStep));
    } else if (key == GLUT_KEY_DOWN) {
        ApplyCommand(Command::ChangeSpeed(slowDownStep));
    } else if (key == GLUT_KEY_F12) {
        RequestScreenshot();
    }
    PostRedisplayAll();
}

} // namespace

float SteerOffset(const float position, const float extent) {
    const float half = extent / 2.0f;
    if (half <= 0.0f) {
        return 0.0f;
    }
    return std::clamp((position - half) / half, -1.0f, 1.0f);
}

void ApplyCommand(const Command& command) {
    switch (command.kind) {
    case Command::Kind::Pointer:
        PointerMoved(command.x, command.y);
        break;
    case Command::Kind::PointerButton:
        PointerButton(command.code, command.down != 0, command.x, command.y);
        break;
    case Command::Kind::Key:
        KeyPressed(static_cast<unsigned char>(command.code));
        break;
    case Command::Kind::SpecialKey:
        SpecialKeyPressed(command.code);
        break;
    case Command::Kind::Steer:
        NoteInput(command);
        shell.steerX = std::clamp(command.x, -1.0f, 1.0f);
        shell.steerY = std::clamp(command.y, -1.0f, 1.0f);
        break;
    case Command::Kind::MenuPointer:
        NoteInput(command);
        // Both menus stand at the same corner; as with the pointer, only
        // those shown take the position.
        for (Menu* menu : {&mainMenu, &configMenu}) {
            if (menu->IsVisible()) {
                menu->SetMousePosition(menu->GetX() + command.x, menu->GetY() + command.y);
            }
        }
        break;
    case Command::Kind::SpeedChange:
        NoteInput(command);
        shell.speedChange = command.x;
        break;
    case Command::Kind::Drop:
        Drop();
        break;
    }
}

void OnKeyboard(const unsigned char key, int, int) {
    ApplyCommand(Command::KeyPressed(key));
}

void OnSpecialKey(const int key, int, int) {
    ApplyCommand(Command::SpecialKeyPressed(key));
}

void OnMouse(const int button, const int state, const int x, const int y) {
    ApplyCommand(Command::Button(button, state == GLUT_DOWN, x, y));
}

void OnMouseMotion(const int x, const int y) {
    ApplyCommand(Command::PointerAt(x, y));
}
