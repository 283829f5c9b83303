#include "shell/Startup.h"

#include "base/Settings.h"
#include "game/Game.h"
#include "game/Globals.h"
#include "render/Renderer.h"
#include "shell/Windows.h"

#include <cstdint>
#include <ctime>

void ChooseSeed() {
    if (settings.seed == Settings::noSeed) {
        settings.seed = static_cast<int32_t>(std::time(nullptr) & INT32_MAX);
    }
}

void InitGame() {
    BuildGame(world);
    if (WindowExists()) {
        GetRenderer().SceneryCompiled(world);
    }
    mainMenu.Show();
}
