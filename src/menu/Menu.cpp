#include "menu/Menu.h"

void Menu::SetTitle(const char*) {}
void Menu::SetMessage(const char*) {}
void Menu::SetX(int) {}
void Menu::SetY(int) {}
void Menu::SetMousePosition(float, float) {}
void Menu::SetMouseFlags(int, int, int) {}
void Menu::HandleMouse() {}
void Menu::Draw() {}
