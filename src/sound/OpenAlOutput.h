#pragma once

#include "sound/AudioOutput.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <array>
#include <memory>
#include <string>

// OpenAlOutput: the audio layer on OpenAL Soft, which mixes on a thread of
// its own; every call here comes from the game's thread and returns at once.
//
// One buffer per sound of the catalog, a small pool of sources for the
// world's one-shot sounds (taken over in turn when all are busy), a
// few for the interface and one per looping voice. Distances fade linearly
// from a sound's near distance to nothing at its reach; there is no Doppler
// shift, since the game's speeds are per tick, not per second.
class OpenAlOutput : public AudioOutput {
public:
    static constexpr int worldVoices = 12;
    static constexpr int interfaceVoices = 4;

    // Opens the default device (OpenAL Soft's configuration picks the
    // backend) and a context on it, and loads every sound from `folder`.
    // Without a device or a context: one line on stderr and no output. A
    // sound whose file cannot be used stays silent (the loader says why).
    static std::unique_ptr<OpenAlOutput> Open(const std::string& folder);
    ~OpenAlOutput() override;
    OpenAlOutput(const OpenAlOutput&) = delete;
    OpenAlOutput& operator=(const OpenAlOutput&) = delete;

    bool IsLoaded(SoundId sound) const { return buffers[static_cast<int>(sound)] != 0; }

    void SetListener(const Point& position, const Vector& heading) override;
    void PlayAt(SoundId sound, const Point& position) override;
    void PlayOnBird(SoundId sound) override;
    void PlayInterface(SoundId sound) override;
    void SetLoop(int voice, const Loop& loop) override;
    void StopLoop(int voice) override;
    void SetWorldPaused(bool paused) override;
    void SetMasterGain(float gain) override;

private:
    OpenAlOutput(ALCdevice* openDevice, ALCcontext* openContext);
    void LoadSounds(const std::string& folder);
    template <std::size_t N> ALuint FreeSource(const std::array<ALuint, N>& pool, int& next);
    void Place(ALuint source, SoundId sound, bool onListener, const Point& position);
    void Start(ALuint source, SoundId sound, bool onListener, const Point& position);

    ALCdevice* device;
    ALCcontext* context;
    std::array<ALuint, soundCount> buffers{}; // 0 for a sound that did not load
    std::array<ALuint, worldVoices> worldSources{};
    std::array<ALuint, interfaceVoices> interfaceSources{};
    std::array<ALuint, loopVoices> loopSources{};
    std::array<int, loopVoices> loopSounds{}; // the sound each loop plays, -1 for none
    int nextWorld = 0;
    int nextInterface = 0;
};
