#pragma once

#include <cstddef>
#include <vector>

// Signal: a mono sound being made, as float samples at the generator's rate,
// with the few operations every sound is built from: mixing one into
// another, envelopes, level, and the fades that keep starts, ends and loop
// seams free of clicks.

namespace sndgen {

constexpr int sampleRate = 44100;

class Signal {
public:
    explicit Signal(float seconds);

    static int Frames(float seconds);
    int Size() const { return static_cast<int>(samples.size()); }
    float& operator[](const int i) { return samples[static_cast<std::size_t>(i)]; }
    float operator[](const int i) const { return samples[static_cast<std::size_t>(i)]; }
    // Time of sample i, in seconds.
    static float Time(const int i) { return static_cast<float>(i) / sampleRate; }
    const std::vector<float>& Samples() const { return samples; }

    // Adds `other` times gain, starting `at` seconds in; grows to hold it.
    void Mix(const Signal& other, float at, float gain = 1.0f);
    // A linear rise over `attack` seconds, then an exponential decay with
    // time constant `decay`, faded to zero over the last few milliseconds so
    // that the cut at the end does not click.
    void Envelope(float attack, float decay);
    // A rise over `attack`, full level until `release` seconds before the
    // end, then a fall to zero.
    void Gate(float attack, float release);
    // Raised-cosine fades of `seconds` at both ends: the sound starts and ends at 0.
    void FadeEnds(float seconds);
    // The same fade at the end only.
    void FadeOut(float seconds);
    // Folds the last `seconds` over the start with an equal-power crossfade
    // and drops them, so the end runs on into the start without a seam. For
    // noise-like sounds; a periodic part is best made exactly one loop long.
    void MakeLoop(float seconds);
    float Peak() const;
    // Scales the sound so that its largest sample is `peak`.
    void Normalize(float peak);

private:
    std::vector<float> samples;
};

} // namespace sndgen
