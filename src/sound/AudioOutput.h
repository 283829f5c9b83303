#pragma once

#include "geometry/Point.h"
#include "geometry/Vector.h"
#include "sound/SoundCatalog.h"

// AudioOutput: what the game asks of the audio layer, and all it asks. The
// game's sound logic (GameSound) talks only to this; OpenAlOutput plays it,
// and the tests put a recorder in its place.
//
// Two layers: the world's sounds (in the city, or on the bird) pause while a
// menu is shown; the interface's (menu clicks, jingles) never do.
class AudioOutput {
public:
    // Looping voices: wind, crunch, chirp and the nearest cars' engines.
    static constexpr int loopVoices = 7;

    // One looping voice as the game wants it now.
    struct Loop {
        SoundId sound = SoundId::Wind;
        bool onBird = true; // at the listener; otherwise at `position`
        Point position;
        float gain = 1.0f;
        float pitch = 1.0f;
    };

    virtual ~AudioOutput() = default;

    // The bird's ears: at `position`, facing along the horizontal `heading`, z up.
    virtual void SetListener(const Point& position, const Vector& heading) = 0;
    // A world sound at a place in the city.
    virtual void PlayAt(SoundId sound, const Point& position) = 0;
    // A world sound of the bird itself, at the listener.
    virtual void PlayOnBird(SoundId sound) = 0;
    // An interface sound, at the listener; plays while the world is paused.
    virtual void PlayInterface(SoundId sound) = 0;
    // Starts the voice's sound if it plays another or none, then follows the
    // loop's place, gain and pitch.
    virtual void SetLoop(int voice, const Loop& loop) = 0;
    virtual void StopLoop(int voice) = 0;
    // Pauses or resumes every world sound, loops included.
    virtual void SetWorldPaused(bool paused) = 0;
    // The overall level, 0 (mute) to 1.
    virtual void SetMasterGain(float gain) = 0;
};
