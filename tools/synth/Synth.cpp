#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kTwoPi = 6.28318530718f;
// Attacks shorter than this would click.
constexpr float kShortestAttack = 0.001f;
// Decays and releases fall by e^-5 (about 0.7 %) over their time.
constexpr float kFallRate = 5.0f;
// No note rings longer, whatever its envelope says.
constexpr float kLongestNote = 60.0f;

// Softens the jump of a saw or square wave at its edges, so high notes do not alias.
float PolyBlep(float phase, float increment) {
    if (phase < increment) {
        const float t = phase / increment;
        return t + t - t * t - 1.0f;
    }
    if (phase > 1.0f - increment) {
        const float t = (phase - 1.0f) / increment;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}

class Oscillator {
public:
    Oscillator(Waveform waveform, float duty, std::uint32_t seed)
        : waveform_(waveform), duty_(duty), noise_(seed | 1u) {}

    float Next(float increment) {
        const float value = Sample(increment);
        phase_ += increment;
        phase_ -= std::floor(phase_);
        return value;
    }

private:
    float Sample(float increment) {
        switch (waveform_) {
            case Waveform::Sine:
                return std::sin(kTwoPi * phase_);
            case Waveform::Square: {
                // Less than half high leaves an offset that would push the mix off centre.
                const float high = (phase_ < duty_ ? 1.0f : -1.0f) - (2.0f * duty_ - 1.0f);
                const float fall = phase_ + 1.0f - duty_;
                return high + PolyBlep(phase_, increment) -
                       PolyBlep(fall - std::floor(fall), increment);
            }
            case Waveform::Saw:
                return 2.0f * phase_ - 1.0f - PolyBlep(phase_, increment);
            case Waveform::Triangle:
                return 4.0f * std::fabs(phase_ - 0.5f) - 1.0f;
            case Waveform::Noise:
                break;
        }
        // xorshift32: the same noise on every build.
        noise_ ^= noise_ << 13;
        noise_ ^= noise_ >> 17;
        noise_ ^= noise_ << 5;
        return static_cast<float>(noise_) / 2147483648.0f - 1.0f;
    }

    Waveform waveform_;
    float duty_;
    float phase_ = 0.0f;
    std::uint32_t noise_;
};

class Envelope {
public:
    Envelope(const Instrument& instrument, float heldSeconds)
        : attack_(std::max(instrument.attack, kShortestAttack)),
          decay_(instrument.decay),
          sustain_(instrument.sustain),
          release_(std::max(instrument.release, kShortestAttack)),
          held_(instrument.sustain > 0.0f ? std::max(heldSeconds, attack_)
                                          : attack_ + instrument.decay),
          levelAtRelease_(Held(held_)) {}

    float Length() const { return held_ + release_; }

    float At(float t) const {
        if (t < held_) return Held(t);
        const float r = std::min((t - held_) / release_, 1.0f);
        return levelAtRelease_ * std::exp(-kFallRate * r) * (1.0f - r);
    }

private:
    float Held(float t) const {
        if (t < attack_) return t / attack_;
        if (decay_ <= 0.0f) return sustain_;
        return sustain_ + (1.0f - sustain_) * std::exp(-kFallRate * (t - attack_) / decay_);
    }

    float attack_;
    float decay_;
    float sustain_;
    float release_;
    float held_;
    float levelAtRelease_;
};

// Two one-pole low passes in a row, then a one-pole high pass.
class Filter {
public:
    Filter(const Instrument& instrument, int rate) : instrument_(instrument), rate_(rate) {}

    float Next(float input, float t) {
        float value = input;
        const float cutoff = instrument_.lowpass.At(t);
        if (cutoff > 0.0f) {
            const float a = Coefficient(cutoff);
            low1_ += a * (value - low1_);
            low2_ += a * (low1_ - low2_);
            value = low2_;
        }
        if (instrument_.highpass > 0.0f) {
            high_ += Coefficient(instrument_.highpass) * (value - high_);
            value -= high_;
        }
        return value;
    }

private:
    float Coefficient(float cutoff) const {
        return 1.0f - std::exp(-kTwoPi * cutoff / static_cast<float>(rate_));
    }

    const Instrument& instrument_;
    int rate_;
    float low1_ = 0.0f;
    float low2_ = 0.0f;
    float high_ = 0.0f;
};

float PitchAt(const Instrument& instrument, float frequency, float t) {
    float pitch = frequency;
    if (instrument.slideSeconds > 0.0f) {
        pitch *= std::pow(instrument.slideRatio, std::min(t / instrument.slideSeconds, 1.0f));
    }
    if (instrument.vibratoRate > 0.0f) {
        const float wobble = std::sin(kTwoPi * instrument.vibratoRate * t);
        pitch *= std::pow(2.0f, instrument.vibratoDepth * wobble / 12.0f);
    }
    return pitch;
}
}  // namespace

std::vector<float> RenderNote(const Instrument& instrument, float frequency, float velocity,
                              float heldSeconds, int rate, std::uint32_t seed) {
    const Envelope envelope(instrument, heldSeconds);
    Oscillator first(instrument.waveform, instrument.duty, seed);
    Oscillator second(instrument.waveform, instrument.duty, seed * 2654435761u);
    Filter filter(instrument, rate);
    const float detune = std::pow(2.0f, instrument.detuneCents / 1200.0f);
    const float drive = instrument.drive > 0.0f ? std::tanh(instrument.drive) : 1.0f;
    const auto count = static_cast<std::size_t>(std::min(envelope.Length(), kLongestNote) *
                                                static_cast<float>(rate));
    std::vector<float> samples(count);
    for (std::size_t n = 0; n < count; ++n) {
        const float t = static_cast<float>(n) / static_cast<float>(rate);
        const float increment = PitchAt(instrument, frequency, t) / static_cast<float>(rate);
        float value = first.Next(increment);
        if (instrument.detuneCents != 0.0f)
            value = 0.5f * (value + second.Next(increment * detune));
        value = filter.Next(value, t);
        if (instrument.drive > 0.0f) value = std::tanh(instrument.drive * value) / drive;
        samples[n] = value * envelope.At(t) * instrument.gain * velocity;
    }
    return samples;
}

std::vector<float> RenderScore(const Score& score, int rate) {
    const double perStep = rate * 60.0 / (score.tempo * static_cast<float>(score.stepsPerBeat));
    const auto length = static_cast<std::size_t>(std::lround(score.steps * perStep));
    std::vector<float> mix(score.loop ? length : 0);
    std::uint32_t seed = 1;
    for (const Note& note : score.notes) {
        const auto start = static_cast<std::size_t>(std::lround(note.step * perStep));
        const float held = static_cast<float>(note.steps * perStep / rate);
        const auto samples = RenderNote(score.instruments[note.instrument], note.frequency,
                                        note.velocity, held, rate, seed++);
        if (!score.loop && mix.size() < start + samples.size()) mix.resize(start + samples.size());
        for (std::size_t i = 0; i < samples.size(); ++i) {
            // In a loop, what rings past the end sounds again at the start.
            mix[score.loop ? (start + i) % length : start + i] += samples[i];
        }
    }
    return mix;
}

std::vector<std::int16_t> ToPcm16(const std::vector<float>& mix, float peak) {
    float loudest = 0.0f;
    for (const float sample : mix)
        loudest = std::max(loudest, std::fabs(sample));
    const float scale = loudest > 0.0f ? peak / loudest : 0.0f;
    std::vector<std::int16_t> pcm(mix.size());
    std::transform(mix.begin(), mix.end(), pcm.begin(), [scale](float sample) {
        const float value = std::clamp(sample * scale, -1.0f, 1.0f) * 32767.0f;
        return static_cast<std::int16_t>(std::lround(value));
    });
    return pcm;
}
