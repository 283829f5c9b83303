#include "game/GameMenus.h"

#include "base/Settings.h"
#include "game/GameHost.h"
#include "game/Globals.h"
#include "game/ShellState.h"
#include "legacygl/Gl.h"

namespace {

constexpr long long slowestGameSpeed = 1; // ticks per second; 0 would stop the clock

} // namespace

bool MenuTakesPointer(const Menu& menu) {
    return menu.IsVisible() && (&menu != &mainMenu || !configMenu.IsVisible());
}

void ShowMainMenu(const char* title) {
    mainMenu.SetTitle(title);
    mainMenu.Show();
}

void StartAction() {
    world.GetBird().StartGame();
    world.SetupLevel(currentLevel);
    mainMenu.SetTitle(":: Main Menu ::");
    mainMenu.Hide();
}

void ResumeAction() {
    mainMenu.Hide();
}

void ConfigAction() {
    configMenu.Show();
    mainMenu.Hide();
}

void QuitAction() {
    Host().Quit();
}

void SaveAction() {
    Host().SaveSettings();
}

void MainMenuAction() {
    mainMenu.Show();
    configMenu.Hide();
}

void BuildMenus() {
    mainMenu.SetTitle("MAIN MENU");
    mainMenu.AddButton("  START  ", StartAction)->SetToolTip("Start the game");
    mainMenu.AddButton(" RESUME  ", ResumeAction)->SetToolTip("Resume the game");
    mainMenu.AddButton(" CONFIG  ", ConfigAction)->SetToolTip("Configure The Game");
    Button* quit = mainMenu.AddButton("  QUIT   ", QuitAction);
    quit->SetToolTip("Quit the game");
    quit->SetCursor(GLUT_CURSOR_DESTROY);

    configMenu.SetTitle("Configuration Options");
    Slider* speed = configMenu.AddSlider("Game Speed", &settings.gameSpeed);
    speed->SetToolTip("Game speed should be around 50~60");
    speed->SetMinimum(slowestGameSpeed);
    configMenu.AddCheckBox("Show trees", &settings.showTrees)->SetToolTip("Select to show trees");
    CheckBox* textures = configMenu.AddCheckBox("Show Textures", &settings.textureTarget);
    textures->SetToolTip("Select to use textures");
    textures->SetOnValue(Settings::textureOn);
    configMenu.AddCheckBox("Show clouds", &settings.showClouds)
        ->SetToolTip("Selected to show clouds.");
    configMenu.AddButton("   Save    ", SaveAction);
    configMenu.AddButton(" Main Menu ", MainMenuAction);
}
