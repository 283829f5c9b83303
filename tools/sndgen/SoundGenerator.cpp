#include "SoundGenerator.h"

#include "Biquad.h"
#include "Rng.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

namespace sndgen {

namespace {

using texgen::Rng;

constexpr float twoPi = 2.0f * std::numbers::pi_v<float>;
constexpr std::uint64_t seedBase = 0x6775'6c6c'6d61'7200ULL; // every sound gets seedBase + its id
constexpr float edgeFade = 0.004f; // seconds of fade at the ends of every one-shot sound
// Additive tones fade their partials out over this band below this
// frequency (Hz), so a gliding tone gains and loses partials smoothly.
constexpr float highestPartial = 9000.0f;
constexpr float partialFadeBand = 1500.0f;

// Target peaks, below full scale so that several sounds at once rarely clip:
// the hits and jingles loudest, the loops that play for long quietest.
constexpr float hitPeak = 0.8f;
constexpr float jinglePeak = 0.7f;
constexpr float sustainedJinglePeak = 0.35f; // held notes sound louder than struck ones
constexpr float friesPeak = 0.6f;
constexpr float dropPeak = 0.5f;
constexpr float clickPeak = 0.5f;
constexpr float crunchPeak = 0.55f;
constexpr float windPeak = 0.5f;
constexpr float enginePeak = 0.4f;
constexpr float chirpPeak = 0.35f;

// Musical notes (Hz) of the jingles and the refill.
constexpr float noteE4 = 329.63f;
constexpr float noteF4 = 349.23f;
constexpr float noteFSharp4 = 369.99f;
constexpr float noteG4 = 392.00f;
constexpr float noteC5 = 523.25f;
constexpr float noteE5 = 659.25f;
constexpr float noteG5 = 783.99f;
constexpr float noteC6 = 1046.50f;

// A phase that advances by a frequency each sample, in cycles (0..1).
class Phase {
public:
    float Step(const float frequency) {
        value += frequency / sampleRate;
        value -= std::floor(value);
        return value;
    }

private:
    float value = 0.0f;
};

float Sine(const float cycles) {
    return std::sin(twoPi * cycles);
}

// Exponential glide from `from` to `to` over `seconds`, then held.
float Glide(const float from, const float to, const float t, const float seconds) {
    const float u = std::clamp(t / seconds, 0.0f, 1.0f);
    return from * std::pow(to / from, u);
}

Signal Noise(Rng& rng, const float seconds) {
    Signal s(seconds);
    for (int i = 0; i < s.Size(); ++i) {
        s[i] = rng.Range(-1.0f, 1.0f);
    }
    return s;
}

Signal Filtered(Signal s, Biquad filter) {
    for (int i = 0; i < s.Size(); ++i) {
        s[i] = filter.Process(s[i]);
    }
    return s;
}

// Noise through a band-pass whose centre follows `centre`(t).
template <typename Centre>
Signal SweptNoise(Rng& rng, const float seconds, const float q, Centre centre) {
    Signal s = Noise(rng, seconds);
    Biquad filter = Biquad::BandPass(centre(0.0f), q);
    for (int i = 0; i < s.Size(); ++i) {
        filter.SetBandPass(centre(Signal::Time(i)), q);
        s[i] = filter.Process(s[i]);
    }
    return s;
}

// A tone of decaying harmonics, like a struck bell or a plucked string.
Signal Bell(const float frequency, const float seconds, const float decay) {
    Signal s(seconds);
    constexpr float partials[][2] = {{1.0f, 1.0f}, {2.0f, 0.45f}, {3.01f, 0.2f}, {4.2f, 0.08f}};
    for (int i = 0; i < s.Size(); ++i) {
        const float t = Signal::Time(i);
        float value = 0.0f;
        for (const auto& partial : partials) {
            // Higher partials die away sooner.
            value += partial[1] * Sine(frequency * partial[0] * t) *
                     std::exp(-t * (partial[0] - 1.0f) / decay);
        }
        s[i] = value;
    }
    s.Envelope(0.004f, decay);
    return s;
}

// A band-limited tone whose harmonic k has amplitude 1 / k^tilt (odd
// harmonics only when `oddOnly`), at a pitch that follows `pitch`(t).
template <typename Pitch>
Signal Harmonic(const float seconds, const float tilt, const bool oddOnly, Pitch pitch) {
    Signal s(seconds);
    Phase phase;
    for (int i = 0; i < s.Size(); ++i) {
        const float f = pitch(Signal::Time(i));
        const float cycles = phase.Step(f);
        float value = 0.0f;
        for (int k = 1; static_cast<float>(k) * f < highestPartial; k += oddOnly ? 2 : 1) {
            const float fade =
                std::min(1.0f, (highestPartial - static_cast<float>(k) * f) / partialFadeBand);
            value +=
                fade * Sine(cycles * static_cast<float>(k)) / std::pow(static_cast<float>(k), tilt);
        }
        s[i] = value;
    }
    return s;
}

Signal Finished(Signal s, const float peak) {
    s.Normalize(peak);
    s.FadeEnds(edgeFade);
    return s;
}

// --- the bird's own sounds

Signal Drop(Rng& rng) {
    // Air rushing past a falling lump: a band of noise that sinks in pitch.
    Signal s = SweptNoise(rng, 0.4f, 1.6f,
                          [](const float t) { return 300.0f + 2200.0f * std::exp(-t * 6.0f); });
    s.Envelope(0.04f, 0.1f);
    return Finished(s, dropPeak);
}

Signal Splat(Rng& rng) {
    // A wet burst: bright noise that closes quickly, a squelch sweeping
    // down and a low thump underneath.
    Signal burst = Filtered(Noise(rng, 0.2f), Biquad::LowPass(2500.0f));
    burst.Envelope(0.002f, 0.035f);
    Signal squelch =
        SweptNoise(rng, 0.2f, 3.0f, [](const float t) { return Glide(1100.0f, 220.0f, t, 0.15f); });
    squelch.Envelope(0.01f, 0.05f);
    Signal thump =
        Harmonic(0.2f, 2.0f, false, [](const float t) { return Glide(140.0f, 50.0f, t, 0.12f); });
    thump.Envelope(0.003f, 0.05f);
    Signal s(0.2f);
    s.Mix(burst, 0.0f, 0.8f);
    s.Mix(squelch, 0.0f, 2.5f);
    s.Mix(thump, 0.0f, 0.6f);
    return s;
}

Signal Yelp() {
    // A short startled cry: a buzzy voice that jumps up and falls back,
    // with a little vibrato, shaped by two vowel formants.
    constexpr float seconds = 0.42f;
    Signal voice = Harmonic(seconds, 1.0f, false, [](const float t) {
        const float contour =
            t < 0.07f ? Glide(520.0f, 980.0f, t, 0.07f) : Glide(980.0f, 640.0f, t - 0.07f, 0.35f);
        return contour * (1.0f + 0.025f * std::sin(twoPi * 7.0f * t));
    });
    Signal s = Filtered(voice, Biquad::BandPass(950.0f, 3.0f));
    s.Mix(Filtered(voice, Biquad::BandPass(2400.0f, 5.0f)), 0.0f, 0.6f);
    s.Mix(Filtered(voice, Biquad::LowPass(600.0f)), 0.0f, 0.15f);
    s.Gate(0.02f, 0.15f);
    return s;
}

Signal Horn() {
    // Two reedy tones a major third apart, as car horns sound.
    constexpr float seconds = 0.5f;
    Signal s = Harmonic(seconds, 1.0f, true, [](float) { return 415.0f; });
    s.Mix(Harmonic(seconds, 1.0f, true, [](float) { return 523.0f; }), 0.0f, 0.8f);
    s = Filtered(s, Biquad::LowPass(2800.0f));
    s.Gate(0.015f, 0.07f);
    return s;
}

// A splat with a cry of the one hit (a yelp, a horn) coming in just after.
Signal HitWith(Rng& rng, Signal cry, const float at, const float gain) {
    Signal s = Splat(rng);
    s.Normalize(1.0f);
    cry.Normalize(1.0f);
    s.Mix(cry, at, gain);
    return Finished(s, hitPeak);
}

// --- fries

Signal FriesPoop(Rng& rng) {
    // Two crunchy bites, then three quick rising plucks: the supply refilled.
    Signal s(0.5f);
    for (const float at : {0.0f, 0.09f}) {
        Signal bite = Filtered(Noise(rng, 0.06f), Biquad::BandPass(2600.0f, 0.9f));
        bite.Envelope(0.002f, 0.015f);
        s.Mix(bite, at, 1.6f);
    }
    const float notes[] = {noteC5, noteE5, noteG5};
    for (int n = 0; n < 3; ++n) {
        s.Mix(Bell(notes[n], 0.2f, 0.07f), 0.17f + 0.06f * static_cast<float>(n), 0.5f);
    }
    return Finished(s, friesPeak);
}

Signal FriesWideView() {
    // The view opens: a bright sweep upwards with a shimmer of a fifth above.
    constexpr float seconds = 0.7f;
    const auto pitch = [](const float t) { return Glide(300.0f, 1600.0f, t, 0.5f); };
    Signal s = Harmonic(seconds, 2.5f, false, pitch);
    s.Mix(Harmonic(seconds, 2.5f, false, [&](const float t) { return pitch(t) * 1.006f; }), 0.0f,
          0.7f);
    s.Mix(Harmonic(seconds, 2.5f, false, [&](const float t) { return pitch(t) * 1.5f; }), 0.0f,
          0.3f);
    s.Envelope(0.05f, 0.3f);
    return Finished(s, friesPeak);
}

Signal FriesNormalView() {
    // The view closes: a softer sweep down.
    Signal s =
        Harmonic(0.55f, 2.0f, true, [](const float t) { return Glide(1400.0f, 280.0f, t, 0.45f); });
    s.Envelope(0.02f, 0.22f);
    return Finished(s, friesPeak);
}

// --- loops

Signal Crunch(Rng& rng) {
    // Masonry giving way: a dense crackle of short bursts over a low rumble.
    constexpr float loopSeconds = 1.2f;
    constexpr float overlap = 0.1f;
    constexpr int crackles = 40;
    Signal s = Filtered(Noise(rng, loopSeconds + overlap), Biquad::LowPass(220.0f));
    s.Normalize(0.3f);
    for (int n = 0; n < crackles; ++n) {
        const float length = rng.Range(0.005f, 0.03f);
        Signal crackle =
            Filtered(Noise(rng, length * 4.0f), Biquad::BandPass(rng.Range(700.0f, 3500.0f), 1.2f));
        crackle.Envelope(0.001f, length);
        crackle.FadeEnds(0.001f);
        s.Mix(crackle, rng.Range(0.0f, loopSeconds + overlap - length * 4.0f),
              rng.Range(1.0f, 3.0f));
    }
    s.MakeLoop(overlap);
    s.Normalize(crunchPeak);
    return s;
}

Signal Chirp() {
    // Two soft bird calls, each a quick rising whistle, then a pause: the
    // loop starts and ends in silence, so it repeats without a seam.
    constexpr float loopSeconds = 1.8f;
    Signal s(loopSeconds);
    const float starts[] = {0.05f, 0.2f, 0.9f};
    for (const float start : starts) {
        Signal call = Harmonic(0.08f, 3.0f, false,
                               [](const float t) { return Glide(2800.0f, 4300.0f, t, 0.07f); });
        for (int i = 0; i < call.Size(); ++i) {
            const float u = static_cast<float>(i) / static_cast<float>(call.Size());
            call[i] *=
                std::sin(std::numbers::pi_v<float> * u) * std::sin(std::numbers::pi_v<float> * u);
        }
        s.Mix(call, start);
    }
    s.Normalize(chirpPeak);
    return s;
}

Signal Wind(Rng& rng) {
    // Rushing air: low noise whose colour and level drift in gusts. The
    // gusts repeat a whole number of times per loop, so they join up too.
    constexpr float loopSeconds = 4.0f;
    constexpr float overlap = 0.25f;
    const auto periodic = [](const float t, const float cycles) {
        return std::sin(twoPi * cycles * t / loopSeconds);
    };
    Signal s = SweptNoise(rng, loopSeconds + overlap, 0.9f, [&](const float t) {
        return 420.0f + 220.0f * periodic(t, 2.0f) + 90.0f * periodic(t, 5.0f);
    });
    s = Filtered(s, Biquad::LowPass(1400.0f));
    for (int i = 0; i < s.Size(); ++i) {
        s[i] *= 0.75f + 0.25f * periodic(Signal::Time(i), 3.0f);
    }
    s.MakeLoop(overlap);
    s.Normalize(windPeak);
    return s;
}

Signal Engine(Rng& rng) {
    // An idling engine: a low buzz of many harmonics with a firing rhythm,
    // exactly 50 cycles in its one second so it loops seamlessly, and a
    // little exhaust noise folded over its seam.
    constexpr float loopSeconds = 1.0f;
    constexpr float fundamental = 50.0f;
    constexpr float overlap = 0.1f;
    Signal s(loopSeconds);
    float phases[16];
    for (float& phase : phases) {
        phase = rng.Uniform();
    }
    for (int i = 0; i < s.Size(); ++i) {
        const float t = Signal::Time(i);
        float value = 0.0f;
        for (int k = 1; k <= 16; ++k) {
            value += Sine(fundamental * static_cast<float>(k) * t + phases[k - 1]) /
                     std::pow(static_cast<float>(k), 1.1f);
        }
        // Four cylinders' firing: the level pulses twice per cycle.
        s[i] = value * (0.7f + 0.3f * Sine(2.0f * fundamental * t));
    }
    Signal exhaust = Filtered(Noise(rng, loopSeconds + overlap), Biquad::LowPass(400.0f));
    exhaust.MakeLoop(overlap);
    exhaust.Normalize(s.Peak() * 0.2f);
    s.Mix(exhaust, 0.0f);
    s = Filtered(s, Biquad::LowPass(1200.0f));
    s.Normalize(enginePeak);
    return s;
}

// --- jingles and the menu

Signal MissionComplete() {
    // A bright rising arpeggio that rings out on the octave.
    Signal s(1.4f);
    const float notes[] = {noteC5, noteE5, noteG5};
    for (int n = 0; n < 3; ++n) {
        s.Mix(Bell(notes[n], 0.5f, 0.15f), 0.12f * static_cast<float>(n), 0.7f);
    }
    for (const float note : {noteC5, noteE5, noteG5, noteC6}) {
        s.Mix(Bell(note, 1.0f, 0.35f), 0.36f, note == noteC6 ? 0.8f : 0.3f);
    }
    return Finished(s, jinglePeak);
}

Signal Died() {
    // Four notes stepping down, the last sagging and wavering.
    Signal s(1.6f);
    const float notes[] = {noteG4, noteFSharp4, noteF4};
    for (int n = 0; n < 3; ++n) {
        Signal note = Harmonic(0.3f, 2.0f, true, [&](float) { return notes[n]; });
        note.Gate(0.01f, 0.08f);
        s.Mix(note, 0.28f * static_cast<float>(n));
    }
    Signal last = Harmonic(0.75f, 2.0f, true, [](const float t) {
        return Glide(noteE4, noteE4 * 0.94f, t, 0.75f) *
               (1.0f + 0.02f * std::sin(twoPi * 6.0f * t));
    });
    last.Gate(0.01f, 0.35f);
    s.Mix(last, 0.84f);
    return Finished(s, sustainedJinglePeak);
}

Signal TimeUp() {
    // A clock's two-tone chime, twice: the time has run out.
    Signal s(1.4f);
    const float notes[] = {noteE5, noteC5, noteE5, noteC5};
    for (int n = 0; n < 4; ++n) {
        s.Mix(Bell(notes[n], n == 3 ? 0.6f : 0.3f, n == 3 ? 0.25f : 0.1f),
              0.25f * static_cast<float>(n));
    }
    return Finished(s, jinglePeak);
}

Signal Click(Rng& rng) {
    // A short dry tick.
    Signal s = Harmonic(0.03f, 3.0f, false, [](float) { return 2200.0f; });
    s.Envelope(0.0005f, 0.004f);
    Signal tick = Filtered(Noise(rng, 0.03f), Biquad::HighPass(3000.0f));
    tick.Envelope(0.0003f, 0.002f);
    s.Mix(tick, 0.0f, 0.6f);
    s.Normalize(clickPeak);
    s.FadeEnds(0.001f);
    return s;
}

} // namespace

Signal MakeSound(const SoundId id) {
    Rng rng(seedBase + static_cast<std::uint64_t>(id));
    switch (id) {
    case SoundId::Drop:
        return Drop(rng);
    case SoundId::PedHit:
        return HitWith(rng, Yelp(), 0.07f, 0.75f);
    case SoundId::CarHit:
        return HitWith(rng, Horn(), 0.06f, 0.6f);
    case SoundId::FriesPoop:
        return FriesPoop(rng);
    case SoundId::FriesWideView:
        return FriesWideView();
    case SoundId::FriesNormalView:
        return FriesNormalView();
    case SoundId::Crunch:
        return Crunch(rng);
    case SoundId::Chirp:
        return Chirp();
    case SoundId::Wind:
        return Wind(rng);
    case SoundId::Engine:
        return Engine(rng);
    case SoundId::MissionComplete:
        return MissionComplete();
    case SoundId::Died:
        return Died();
    case SoundId::TimeUp:
        return TimeUp();
    case SoundId::Click:
        return Click(rng);
    }
    return Signal(0.0f);
}

std::vector<std::int16_t> Pcm16(const Signal& signal) {
    std::vector<std::int16_t> samples;
    samples.reserve(signal.Samples().size());
    for (const float sample : signal.Samples()) {
        const float clamped = std::clamp(sample, -1.0f, 1.0f);
        samples.push_back(static_cast<std::int16_t>(std::lrintf(clamped * 32767.0f)));
    }
    return samples;
}

std::vector<std::int16_t> AsLoaded(const Signal& signal) {
    std::vector<std::int16_t> samples = Pcm16(signal);
    for (std::int16_t& sample : samples) {
        // A 16-bit file reads as sample / 32768, which the loader scales by 32767.
        sample = static_cast<std::int16_t>(static_cast<float>(sample) / 32768.0f *
                                           std::numeric_limits<std::int16_t>::max());
    }
    return samples;
}

} // namespace sndgen
