#pragma once

class World;

// Renderer: what draws the World into the game's windows. The shell's
// display callbacks keep the frame's own steps (the clear, the menus, the
// swap) and ask the renderer for the rest: the World's part of the main
// window, the second view, and the intro text over them.
//
// There are two, and the shell picks one at start-up (ChooseRenderer):
// the classic renderer, which is the World's own drawing steps, each map
// object from its own display list; and the batched renderer, the default,
// which draws the same picture with far fewer GL calls.
class Renderer {
public:
    virtual ~Renderer() = default;

    // The map objects have just compiled their display lists in the current
    // window (at start-up, and when the second view opens).
    virtual void SceneryCompiled(World& world) = 0;
    // The World's part of a main-window frame: the scene and the HUD, each
    // step timed under its profiler slot.
    virtual void DrawWorld(World& world) = 0;
    virtual void DrawSecondView(World& world) = 0;
    // Called before the frame is cleared, while the intro text shows.
    virtual void PrepareText(float x, float y, const char* text, int viewWidth,
                             int viewHeight) = 0;
    // White text in the 2D overlay, as the shell's DrawText lays it down.
    virtual void DrawText(float x, float y, const char* text) = 0;
};
