#pragma once

#include "render/CityBatch.h"
#include "render/CloudBatch.h"
#include "render/CrowdBatch.h"
#include "render/OverlayText.h"
#include "render/Renderer.h"

// BatchedRenderer: the default renderer. It draws the same picture as the
// classic one with a fraction of its GL calls and pixels, which is what a
// frame costs on Mesa's software renderer:
// - the static city from a few display lists per window, one per district
//   with its faces grouped by texture, those out of view skipped and the
//   rest drawn nearest first (CityBatch);
// - all pedestrians and all cars placed on the CPU and drawn by texture
//   (CrowdBatch);
// - the sky box after the opaque scene, so only the sky that shows is
//   textured, clipped at the ground, and textured from its base level only;
// - the clouds' shape from one display list, and only the clouds in view
//   (CloudBatch);
// - each HUD bar in one draw, and the intro text from a texture made once
//   (OverlayText).
// Everything else is the World's own drawing steps, in the same order.
class BatchedRenderer : public Renderer {
public:
    void SceneryCompiled(World& world) override;
    void DrawWorld(World& world) override;
    void DrawSecondView(World& world) override;
    void PrepareText(float x, float y, const char* text, int viewWidth, int viewHeight) override;
    void DrawText(float x, float y, const char* text) override;

private:
    void DrawCity(World& world) const;

    CityBatch city;
    CrowdBatch crowd;
    CloudBatch clouds;
    OverlayText intro;
};
