#pragma once

#include "render/Renderer.h"

// ClassicRenderer: the game drawn as the World and its objects draw
// themselves, step by step: the sky first, then every map object from its
// own display list, every actor with its own model matrix, the HUD gauge by
// gauge, and the intro text character by character (--classic-renderer).
// It is what the batched renderer's picture is checked against.
class ClassicRenderer : public Renderer {
public:
    void SceneryCompiled(World&) override {}
    void DrawWorld(World& world) override;
    void DrawSecondView(World& world) override;
    void PrepareText(float, float, const char*, int, int) override {}
    void DrawText(float x, float y, const char* text) override;
};
