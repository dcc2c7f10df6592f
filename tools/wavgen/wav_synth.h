#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Synthesis of the two cue files: bell-like notes that decay, mixed into
// 16-bit mono PCM and wrapped in a RIFF/WAVE container.

inline constexpr int CueSampleRate = 44100;
inline constexpr int CueBitsPerSample = 16;
inline constexpr int CueChannels = 1;

// One struck note: its pitch, when it starts and how fast it dies away.
struct ChimeNote {
    double frequency; // Hz
    double start;     // seconds from the beginning of the cue
    double decay;     // seconds for the amplitude to fall to 1/e
    double loudness;  // relative to the other notes of the cue
};

// The overtones of a note, as multiples of its pitch with their weights.
struct Overtone {
    double ratio;
    double weight;
};

struct Chime {
    std::vector<ChimeNote> notes;
    std::vector<Overtone> timbre;
    double length; // seconds
};

// The doorbell "pin-pon": a high note, then a lower one.
Chime PinponChime();
// The closing cue: three softer notes falling.
Chime EndPinponChime();

// The chime as samples, peak-normalised, with a short fade at both ends.
std::vector<std::int16_t> SynthesiseChime(const Chime& chime);

// A complete WAV file holding the samples.
std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples);

// The two files exactly as they are shipped.
std::vector<std::uint8_t> PinponWav();
std::vector<std::uint8_t> EndPinponWav();
