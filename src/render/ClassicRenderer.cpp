#include "render/ClassicRenderer.h"

#include "base/DrawText.h"
#include "world/World.h"

void ClassicRenderer::DrawWorld(World& world) {
    world.Draw();
}

void ClassicRenderer::DrawSecondView(World& world) {
    world.DrawSecondView();
}

void ClassicRenderer::DrawText(const float x, const float y, const char* text) {
    ::DrawText(x, y, text);
}
