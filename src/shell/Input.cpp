#include "shell/Input.h"

#include "game/Commands.h"
#include "legacygl/Gl.h"

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
