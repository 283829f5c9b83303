#pragma once

#include <cstdint>
#include <string>

// Settings: the eight process-wide values that tune the game's look and its
// load on the machine. Built-in defaults, then "config/gullmar.config", then
// the command line; the configuration menu changes four of them at run time.
// Two hold OpenGL values rather than flags (texture target, shading model).
struct Settings {
    static constexpr int32_t textureOn = 3553;     // GL_TEXTURE_2D
    static constexpr int32_t flatShading = 7424;   // GL_FLAT
    static constexpr int32_t smoothShading = 7425; // GL_SMOOTH
    static constexpr uint16_t defaultGameSpeed = 60;

    int16_t fastComputer = 1; // radar, fries spin, car bumps, park culling
    int32_t showClouds = 1;
    int32_t showTrees = 1;
    int16_t windowMode = 0; // 0 full screen, else an 800 by 800 window
    int16_t lighting = 1;
    int32_t textureTarget = textureOn; // passed to glEnable; 0 means no textures
    int32_t shadingModel = smoothShading;
    uint16_t gameSpeed = defaultGameSpeed; // ticks per second, never 0

    // Options of the command line only; the settings file neither holds nor
    // saves them.
    static constexpr int32_t noSeed = -1;
    static constexpr int32_t defaultTimedemoFrames = 1000;
    int32_t seed = noSeed;       // --seed=N: seeds the random generator; noSeed uses the time
    int32_t timedemoFrames = 0;  // --timedemo[=FRAMES]: run the frame benchmark; 0 plays
    int32_t timedemoLevel = 1;   // --timedemo-level=N: the level the timedemo flies
    int32_t classicRenderer = 0; // --classic-renderer: one display list per map object
    int32_t gles = 0;            // --gles: draw through the layer on OpenGL ES 2.0
    static constexpr int32_t fullVolume = 100;
    int32_t sound = 1;           // --no-sound: 0, no sound device is opened
    int32_t volume = fullVolume; // --volume=N: 0 to 100 percent
    int32_t gamepad = 1;         // --no-gamepad: 0, SDL is not started and no pad is read
    int32_t rumble = 1;          // --no-rumble: 0, the pads' motors stay still
    int32_t invertPitch = 0;     // --invert-pitch: 1, stick up lowers the nose
    int32_t record = 1;          // --no-record: 0, the session is not recorded
    int32_t printScores = 0;     // --scores: print the best flights and exit
    std::string replayFile;      // --replay=FILE: play a recorded session back
    std::string verifyFile;      // --verify=FILE: check a recording without a window
    // --replay-best[=N]: play back the N-th best flight; badReplayBest when N
    // is not a place of the table.
    static constexpr int32_t badReplayBest = -1;
    int32_t replayBest = 0;
    // A recorded game plays again: watched, or checked without a window.
    bool Replaying() const { return !replayFile.empty() || replayBest != 0 || !verifyFile.empty(); }
};

extern Settings settings;

// The intro text shown over the game for its first seconds: the lines of
// "config/introText.txt", each ended by "\n", cut to fit the buffer.
constexpr int introTextSize = 1024;
extern char introText[introTextSize];
