#include "Signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sndgen {

namespace {

constexpr float envelopeTail = 0.01f; // seconds

// Raised cosine: 0 at step 0, rising to 1 at step `of`.
float FadeLevel(const int step, const int of) {
    return 0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * static_cast<float>(step) /
                                  static_cast<float>(of));
}

} // namespace

Signal::Signal(const float seconds) : samples(static_cast<std::size_t>(Frames(seconds)), 0.0f) {}

int Signal::Frames(const float seconds) {
    return static_cast<int>(std::lround(seconds * sampleRate));
}

void Signal::Mix(const Signal& other, const float at, const float gain) {
    const int start = Frames(at);
    if (start + other.Size() > Size()) {
        samples.resize(static_cast<std::size_t>(start + other.Size()), 0.0f);
    }
    for (int i = 0; i < other.Size(); ++i) {
        (*this)[start + i] += gain * other[i];
    }
}

void Signal::Envelope(const float attack, const float decay) {
    for (int i = 0; i < Size(); ++i) {
        const float t = Time(i);
        const float level = t < attack ? t / attack : std::exp(-(t - attack) / decay);
        (*this)[i] *= level;
    }
    FadeOut(envelopeTail);
}

void Signal::Gate(const float attack, const float release) {
    const float length = Time(Size());
    for (int i = 0; i < Size(); ++i) {
        const float t = Time(i);
        const float rise = std::min(1.0f, t / attack);
        const float fall = std::clamp((length - t) / release, 0.0f, 1.0f);
        (*this)[i] *= rise * fall;
    }
}

void Signal::FadeEnds(const float seconds) {
    const int frames = std::min(Frames(seconds), Size() / 2);
    for (int i = 0; i < frames; ++i) {
        (*this)[i] *= FadeLevel(i, frames);
    }
    FadeOut(seconds);
}

void Signal::FadeOut(const float seconds) {
    const int frames = std::min(Frames(seconds), Size() / 2);
    for (int i = 0; i < frames; ++i) {
        (*this)[Size() - 1 - i] *= FadeLevel(i, frames);
    }
}

void Signal::MakeLoop(const float seconds) {
    const int overlap = std::min(Frames(seconds), Size() / 2);
    const int length = Size() - overlap;
    for (int i = 0; i < overlap; ++i) {
        const float angle =
            std::numbers::pi_v<float> / 2.0f * static_cast<float>(i) / static_cast<float>(overlap);
        (*this)[i] = (*this)[i] * std::sin(angle) + (*this)[length + i] * std::cos(angle);
    }
    samples.resize(static_cast<std::size_t>(length));
}

float Signal::Peak() const {
    float peak = 0.0f;
    for (const float s : samples) {
        peak = std::max(peak, std::fabs(s));
    }
    return peak;
}

void Signal::Normalize(const float peak) {
    const float current = Peak();
    if (current <= 0.0f) {
        return;
    }
    for (float& s : samples) {
        s *= peak / current;
    }
}

} // namespace sndgen
