#include "game/Game.h"

#include "base/Settings.h"
#include "flight/StateChecksum.h"
#include "game/GameHost.h"
#include "game/Globals.h"
#include "game/ShellState.h"

#include <cstdlib>

namespace {

constexpr int cityCells = 100;
constexpr float cellSize = 100.0f;

} // namespace

void BuildGame(World& game) {
    std::srand(static_cast<unsigned int>(settings.seed));
    game.textureSlot = 0;
    displayListTable.SelectWindow(0);
    game.Init(cityCells, cityCells, cellSize);
    game.SetupLevel(1);
    Bird& bird = game.GetBird();
    bird.SetPerspective();
    bird.PlaceAtStart();
    game.SetupHud();
}

void OpenSecondView() {
    Bird& bird = world.GetBird();
    if (bird.secondViewOpen != 0) {
        return;
    }
    Host().OpenSecondViewWindow();
    bird.secondViewOpen = 1;
    displayListTable.SelectWindow(1);
    world.CompileMapObjects();
    Host().SecondViewCompiled();
}

void CloseSecondView() {
    Bird& bird = world.GetBird();
    if (bird.secondViewOpen == 0) {
        return;
    }
    Host().CloseSecondViewWindow();
    bird.secondViewOpen = 0;
    displayListTable.SelectWindow(0);
}

uint32_t GameChecksum() {
    StateChecksum sum;
    sum.AddWorld(world);
    sum.Add(shell.nextTickTime);
    sum.Add(shell.speedChange);
    sum.Add(shell.steerX);
    sum.Add(shell.steerY);
    sum.Add(shell.introHidden);
    sum.Add(mainMenu.IsVisible());
    sum.Add(configMenu.IsVisible());
    sum.Add(currentLevel);
    sum.Add(settings.gameSpeed);
    sum.Add(settings.showTrees);
    sum.Add(settings.showClouds);
    sum.Add(settings.textureTarget);
    return sum.Value();
}
