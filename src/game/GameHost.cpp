#include "game/GameHost.h"

namespace {

GameHost nothing;
GameHost* current = &nothing;

} // namespace

GameHost& Host() {
    return *current;
}

void SetHost(GameHost* host) {
    current = host != nullptr ? host : &nothing;
}
