#include "Biquad.h"

#include "Signal.h"

#include <cmath>
#include <numbers>

namespace sndgen {

namespace {

struct Angle {
    float cosine;
    float alpha;
};

Angle AngleOf(const float frequency, const float q) {
    const float omega = 2.0f * std::numbers::pi_v<float> * frequency / sampleRate;
    return {std::cos(omega), std::sin(omega) / (2.0f * q)};
}

} // namespace

Biquad Biquad::LowPass(const float frequency, const float q) {
    const Angle a = AngleOf(frequency, q);
    Biquad filter;
    filter.SetCoefficients((1.0f - a.cosine) / 2.0f, 1.0f - a.cosine, (1.0f - a.cosine) / 2.0f,
                           1.0f + a.alpha, -2.0f * a.cosine, 1.0f - a.alpha);
    return filter;
}

Biquad Biquad::HighPass(const float frequency, const float q) {
    const Angle a = AngleOf(frequency, q);
    Biquad filter;
    filter.SetCoefficients((1.0f + a.cosine) / 2.0f, -(1.0f + a.cosine), (1.0f + a.cosine) / 2.0f,
                           1.0f + a.alpha, -2.0f * a.cosine, 1.0f - a.alpha);
    return filter;
}

Biquad Biquad::BandPass(const float frequency, const float q) {
    Biquad filter;
    filter.SetBandPass(frequency, q);
    return filter;
}

void Biquad::SetBandPass(const float frequency, const float q) {
    // Constant 0 dB peak gain.
    const Angle a = AngleOf(frequency, q);
    SetCoefficients(a.alpha, 0.0f, -a.alpha, 1.0f + a.alpha, -2.0f * a.cosine, 1.0f - a.alpha);
}

float Biquad::Process(const float input) {
    const float output = b0 * input + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = input;
    y2 = y1;
    y1 = output;
    return output;
}

void Biquad::SetCoefficients(const float nb0, const float nb1, const float nb2, const float a0,
                             const float na1, const float na2) {
    b0 = nb0 / a0;
    b1 = nb1 / a0;
    b2 = nb2 / a0;
    a1 = na1 / a0;
    a2 = na2 / a0;
}

} // namespace sndgen
