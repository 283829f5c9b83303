#pragma once

// Biquad: a second-order filter (the audio EQ cookbook's low-pass, high-pass
// and band-pass), for shaping noise and tones. The band-pass may be retuned
// on every sample, which sweeps and whooshes rely on.

namespace sndgen {

class Biquad {
public:
    static Biquad LowPass(float frequency, float q = 0.7071f);
    static Biquad HighPass(float frequency, float q = 0.7071f);
    static Biquad BandPass(float frequency, float q);

    // Retunes a band-pass filter, keeping its state.
    void SetBandPass(float frequency, float q);
    float Process(float input);

private:
    void SetCoefficients(float b0, float b1, float b2, float a0, float a1, float a2);

    float b0 = 1.0f, b1 = 0.0f, b2 = 0.0f, a1 = 0.0f, a2 = 0.0f;
    float x1 = 0.0f, x2 = 0.0f, y1 = 0.0f, y2 = 0.0f;
};

} // namespace sndgen
