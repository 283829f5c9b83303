#include "shell/Startup.h"

#include "render/Renderer.h"
#include "shell/Globals.h"
#include "shell/Settings.h"
#include "shell/Windows.h"

#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int cityCells = 100;
constexpr float cellSize = 100.0f;

void SeedRandomGenerator() {
    std::srand(static_cast<unsigned int>(settings.seed));
}

} // namespace

void ChooseSeed() {
    if (settings.seed == Settings::noSeed) {
        settings.seed = static_cast<int32_t>(std::time(nullptr) & INT32_MAX);
    }
}

void BuildGame(World& game) {
    SeedRandomGenerator();
    game.textureSlot = 0;
    displayListTable.SelectWindow(0);
    game.Init(cityCells, cityCells, cellSize);
    game.SetupLevel(1);
    Bird& bird = game.GetBird();
    bird.SetPerspective();
    bird.PlaceAtStart();
    game.SetupHud();
}

void InitGame() {
    BuildGame(world);
    GetRenderer().SceneryCompiled(world);
    mainMenu.Show();
}
