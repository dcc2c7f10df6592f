#include "tools/wavgen/wav_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Each note rises over a few milliseconds instead of starting with a step,
// and the whole cue fades out at its end, so that nothing clicks.
constexpr double NoteAttack = 0.004;
constexpr double CueFadeIn = 0.010;
constexpr double CueFadeOut = 0.040;
// The loudest sample reaches this fraction of full scale.
constexpr double PeakLevel = 0.6;
constexpr double FullScale = 32767.0;

constexpr std::uint16_t WaveFormatPcm = 1;
constexpr std::uint32_t FormatChunkSize = 16;
constexpr std::uint32_t BytesPerSample = CueBitsPerSample / 8;
// RIFF header, format chunk and data chunk header.
constexpr std::size_t WavHeaderSize = 44;

// Smooth 0..1 ramp over [0, width].
double Ramp(double t, double width) {
    if (t <= 0.0) {
        return 0.0;
    }
    if (t >= width) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(std::numbers::pi * t / width);
}

double NoteValue(const ChimeNote& note, const std::vector<Overtone>& timbre, double time) {
    const double t = time - note.start;
    if (t < 0.0) {
        return 0.0;
    }
    double value = 0.0;
    for (const Overtone& overtone : timbre) {
        // Higher overtones die away sooner, as on a struck bar.
        const double decay = note.decay / overtone.ratio;
        value += overtone.weight * std::exp(-t / decay) *
                 std::sin(2.0 * std::numbers::pi * note.frequency * overtone.ratio * t);
    }
    return note.loudness * Ramp(t, NoteAttack) * value;
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

void PutTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    for (std::size_t i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

Chime PinponChime() {
    // E5 then C5, a falling major third, the second left to ring.
    return Chime{.notes = {{659.26, 0.0, 0.30, 1.0}, {523.25, 0.38, 0.40, 1.0}},
                 .timbre = {{1.0, 1.0}, {2.0, 0.30}, {3.0, 0.12}},
                 .length = 1.25};
}

Chime EndPinponChime() {
    // G5, E5, C5 falling, rounder than the "pin-pon" (almost no overtones).
    return Chime{
        .notes = {{783.99, 0.0, 0.22, 0.9}, {659.26, 0.22, 0.22, 0.9}, {523.25, 0.44, 0.45, 1.0}},
        .timbre = {{1.0, 1.0}, {2.0, 0.10}},
        .length = 1.40};
}

std::vector<std::int16_t> SynthesiseChime(const Chime& chime) {
    const auto count = static_cast<std::size_t>(std::lround(chime.length * CueSampleRate));
    std::vector<double> mix(count);
    double peak = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double time = static_cast<double>(i) / CueSampleRate;
        double value = 0.0;
        for (const ChimeNote& note : chime.notes) {
            value += NoteValue(note, chime.timbre, time);
        }
        value *= Ramp(time, CueFadeIn) * Ramp(chime.length - time, CueFadeOut);
        mix[i] = value;
        peak = std::max(peak, std::abs(value));
    }
    std::vector<std::int16_t> samples(count);
    const double gain = peak > 0.0 ? PeakLevel * FullScale / peak : 0.0;
    std::transform(mix.begin(), mix.end(), samples.begin(), [gain](double value) {
        return static_cast<std::int16_t>(std::lround(value * gain));
    });
    return samples;
}

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples) {
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * BytesPerSample);
    const std::uint32_t blockAlign = CueChannels * BytesPerSample;
    std::vector<std::uint8_t> out;
    out.reserve(WavHeaderSize + dataSize);
    PutTag(out, "RIFF");
    PutU32(out, 4 + (8 + FormatChunkSize) + (8 + dataSize));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, FormatChunkSize);
    PutU16(out, WaveFormatPcm);
    PutU16(out, CueChannels);
    PutU32(out, CueSampleRate);
    PutU32(out, CueSampleRate * blockAlign);
    PutU16(out, static_cast<std::uint16_t>(blockAlign));
    PutU16(out, CueBitsPerSample);
    PutTag(out, "data");
    PutU32(out, dataSize);
    for (std::int16_t sample : samples) {
        PutU16(out, static_cast<std::uint16_t>(sample));
    }
    return out;
}

std::vector<std::uint8_t> PinponWav() {
    return EncodeWav(SynthesiseChime(PinponChime()));
}

std::vector<std::uint8_t> EndPinponWav() {
    return EncodeWav(SynthesiseChime(EndPinponChime()));
}
