#include "sound/OpenAlOutput.h"

#include "sound/SoundLoader.h"

#include <cstdio>
#include <span>

namespace {

constexpr int noSound = -1;

} // namespace

std::unique_ptr<OpenAlOutput> OpenAlOutput::Open(const std::string& folder) {
    ALCdevice* device = alcOpenDevice(nullptr);
    if (device == nullptr) {
        std::fprintf(stderr, "Gullmar: no sound device could be opened; playing without sound.\n");
        return nullptr;
    }
    ALCcontext* context = alcCreateContext(device, nullptr);
    if (context == nullptr || alcMakeContextCurrent(context) == ALC_FALSE) {
        std::fprintf(stderr,
                     "Gullmar: OpenAL could not set up sound on the device (error 0x%x); "
                     "playing without sound.\n",
                     static_cast<unsigned int>(alcGetError(device)));
        if (context != nullptr) {
            alcDestroyContext(context);
        }
        alcCloseDevice(device);
        return nullptr;
    }
    std::unique_ptr<OpenAlOutput> output(new OpenAlOutput(device, context));
    output->LoadSounds(folder);
    return output;
}

OpenAlOutput::OpenAlOutput(ALCdevice* openDevice, ALCcontext* openContext)
    : device(openDevice), context(openContext) {
    loopSounds.fill(noSound);
    alDistanceModel(AL_LINEAR_DISTANCE_CLAMPED);
    alDopplerFactor(0.0f);
    alGenSources(worldVoices, worldSources.data());
    alGenSources(interfaceVoices, interfaceSources.data());
    alGenSources(loopVoices, loopSources.data());
    for (const ALuint source : loopSources) {
        alSourcei(source, AL_LOOPING, AL_TRUE);
    }
}

OpenAlOutput::~OpenAlOutput() {
    // One source at a time: the browser's OpenAL breaks on alSourceStopv.
    const auto stopEach = [](const auto& sources) {
        for (const ALuint source : sources) {
            alSourceStop(source);
        }
    };
    stopEach(worldSources);
    stopEach(interfaceSources);
    stopEach(loopSources);
    alDeleteSources(worldVoices, worldSources.data());
    alDeleteSources(interfaceVoices, interfaceSources.data());
    alDeleteSources(loopVoices, loopSources.data());
    for (const ALuint buffer : buffers) {
        if (buffer != 0) {
            alDeleteBuffers(1, &buffer);
        }
    }
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
    alcCloseDevice(device);
}

void OpenAlOutput::LoadSounds(const std::string& folder) {
    for (const SoundInfo& info : soundCatalog) {
        const std::string path = SoundPath(folder, info.id);
        SoundLoader::Clip clip;
        if (!SoundLoader::Load(path, clip)) {
            continue;
        }
        ALuint buffer = 0;
        alGetError();
        alGenBuffers(1, &buffer);
        alBufferData(buffer, AL_FORMAT_MONO16, clip.samples.data(),
                     static_cast<ALsizei>(clip.samples.size() * sizeof(clip.samples[0])),
                     clip.sampleRate);
        if (alGetError() != AL_NO_ERROR) {
            alDeleteBuffers(1, &buffer);
            std::fprintf(stderr,
                         "Gullmar: OpenAL refused sound file %s; that sound stays silent.\n",
                         path.c_str());
            continue;
        }
        buffers[static_cast<int>(info.id)] = buffer;
    }
}

void OpenAlOutput::SetListener(const Point& position, const Vector& heading) {
    alListener3f(AL_POSITION, position.GetX(), position.GetY(), position.GetZ());
    const ALfloat orientation[] = {heading.GetX(), heading.GetY(), 0.0f, 0.0f, 0.0f, 1.0f};
    alListenerfv(AL_ORIENTATION, orientation);
}

template <std::size_t N>
ALuint OpenAlOutput::FreeSource(const std::array<ALuint, N>& pool, int& next) {
    for (const ALuint source : pool) {
        ALint state = AL_STOPPED;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        if (state == AL_STOPPED || state == AL_INITIAL) {
            return source;
        }
    }
    // All busy: take them over in turn.
    const ALuint source = pool[static_cast<std::size_t>(next)];
    next = (next + 1) % static_cast<int>(N);
    alSourceStop(source);
    return source;
}

void OpenAlOutput::Place(const ALuint source, const SoundId sound, const bool onListener,
                         const Point& position) {
    const SoundInfo& info = InfoOf(sound);
    alSourcei(source, AL_SOURCE_RELATIVE, onListener ? AL_TRUE : AL_FALSE);
    if (onListener) {
        alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    } else {
        alSource3f(source, AL_POSITION, position.GetX(), position.GetY(), position.GetZ());
    }
    alSourcef(source, AL_REFERENCE_DISTANCE, info.nearDistance);
    alSourcef(source, AL_MAX_DISTANCE, info.reach);
}

void OpenAlOutput::Start(const ALuint source, const SoundId sound, const bool onListener,
                         const Point& position) {
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffers[static_cast<int>(sound)]));
    Place(source, sound, onListener, position);
    alSourcePlay(source);
}

void OpenAlOutput::PlayAt(const SoundId sound, const Point& position) {
    if (IsLoaded(sound)) {
        Start(FreeSource(worldSources, nextWorld), sound, false, position);
    }
}

void OpenAlOutput::PlayOnBird(const SoundId sound) {
    if (IsLoaded(sound)) {
        Start(FreeSource(worldSources, nextWorld), sound, true, Point());
    }
}

void OpenAlOutput::PlayInterface(const SoundId sound) {
    if (IsLoaded(sound)) {
        Start(FreeSource(interfaceSources, nextInterface), sound, true, Point());
    }
}

void OpenAlOutput::SetLoop(const int voice, const Loop& loop) {
    if (voice < 0 || voice >= loopVoices || !IsLoaded(loop.sound)) {
        return;
    }
    const ALuint source = loopSources[static_cast<std::size_t>(voice)];
    int& playing = loopSounds[static_cast<std::size_t>(voice)];
    if (playing != static_cast<int>(loop.sound)) {
        alSourceStop(source);
        Start(source, loop.sound, loop.onBird, loop.position);
        playing = static_cast<int>(loop.sound);
    } else {
        Place(source, loop.sound, loop.onBird, loop.position);
    }
    alSourcef(source, AL_GAIN, loop.gain);
    alSourcef(source, AL_PITCH, loop.pitch);
}

void OpenAlOutput::StopLoop(const int voice) {
    if (voice < 0 || voice >= loopVoices) {
        return;
    }
    alSourceStop(loopSources[static_cast<std::size_t>(voice)]);
    loopSounds[static_cast<std::size_t>(voice)] = noSound;
}

void OpenAlOutput::SetWorldPaused(const bool paused) {
    for (const std::span<const ALuint> pool :
         {std::span<const ALuint>(worldSources), std::span<const ALuint>(loopSources)}) {
        for (const ALuint source : pool) {
            ALint state = AL_STOPPED;
            alGetSourcei(source, AL_SOURCE_STATE, &state);
            if (paused && state == AL_PLAYING) {
                alSourcePause(source);
            } else if (!paused && state == AL_PAUSED) {
                alSourcePlay(source);
            }
        }
    }
}

void OpenAlOutput::SetMasterGain(const float gain) {
    alListenerf(AL_GAIN, gain);
}
