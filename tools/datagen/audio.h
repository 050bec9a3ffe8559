// Sound making shared by every screen: a General MIDI renderer (FluidSynth,
// no audio driver), a few synthesis helpers, mixing, loudness and the
// mascot's voice. Everything is deterministic: same input, same bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace datagen::audio {

constexpr int kRate = 22050;

// Float samples at kRate, interleaved when stereo; full scale is ±1.
struct Sound {
    int channels = 1;
    std::vector<float> samples;

    size_t frames() const { return samples.size() / size_t(channels); }
    double seconds() const { return double(frames()) / kRate; }
};

Sound silence(double seconds, int channels = 1);
size_t to_frames(double seconds);

// ---------------------------------------------------------------- music

constexpr int kDrums = 10;  // channels are counted from 1, as MIDI charts do

struct Note {
    int channel = 1;    // 1..16; channel 10 plays General MIDI drums
    int program = 0;    // General MIDI program 0..127 (ignored on drums)
    int key = 60;       // MIDI key, 60 = C4
    int velocity = 100;
    double start = 0;   // in beats
    double length = 1;  // in beats
};

// Per-channel controller settings sent before the first note.
struct ChannelMix {
    int channel = 1;
    int volume = 100;  // CC 7
    int pan = 64;      // CC 10, 0 left .. 127 right
    int reverb = 40;   // CC 91
    int chorus = 0;    // CC 93
};

struct Score {
    double bpm = 120;
    std::vector<Note> notes;
    std::vector<ChannelMix> mix;
    double tail = 1.2;  // seconds kept after the last note ends (release, reverb)
    bool stereo = true;
};

// Appends a line written as space separated tokens: "C5", "F#4", "Bb3",
// chords "C4+E4+G4", rests "r"; ":beats" sets the duration for this and the
// following tokens (default 1). Notes sound for `legato` of their step.
// Returns the beat after the last token.
double add_line(Score& score, int channel, int program, double start, int velocity,
                std::string_view tokens, double legato = 0.9);

// Key number of a name such as "C4" (60), "F#5", "Bb3"; throws on nonsense.
int key_of(std::string_view name);

double beats_to_seconds(const Score& score, double beats);

// Renders the whole score; length = last note end + tail.
Sound render(const Score& score);

// Renders exactly loop_beats long, with whatever rings past the end folded
// back over the beginning, so the sound repeats without a seam.
Sound render_loop(const Score& score, double loop_beats);

// ------------------------------------------------------------ synthesis

enum class Wave { Sine, Triangle, Soft };  // Soft: sine with a little 2nd and 3rd harmonic

// A tone whose frequency follows freq(t) (t in seconds), phase-continuous.
Sound tone(double seconds, const std::function<double(double)>& freq, Wave wave = Wave::Sine);

// White noise from a fixed seed (never the C library's generator).
Sound noise(double seconds, uint32_t seed);

// Multiplies every frame by gain(t).
void shape(Sound& s, const std::function<double(double)>& gain);

// Attack (linear) then exponential decay with time constant `decay`.
double attack_decay(double t, double attack, double decay);

enum class Filter { Lowpass, Highpass, Bandpass };
// State-variable filter; the cutoff may move over time.
void filter(Sound& s, Filter kind, const std::function<double(double)>& cutoff_hz, double q = 0.707);

// ---------------------------------------------------------- mixing, level

Sound to_stereo(const Sound& s);
Sound to_mono(const Sound& s);

// Adds src into dst at `at` seconds; dst grows as needed and takes src's
// channels when it is wider. Mono into stereo is placed by pan (-1..1).
void mix(Sound& dst, const Sound& src, double at = 0, double gain = 1, double pan = 0);

void fade_in(Sound& s, double seconds);
void fade_out(Sound& s, double seconds);

// Cuts or pads with silence to exactly `seconds`.
void set_length(Sound& s, double seconds);

// Removes leading and trailing frames quieter than threshold (linear).
void trim_silence(Sound& s, float threshold = 0.003f);

// Shortens every quiet stretch longer than max_pause to max_pause.
void shorten_pauses(Sound& s, double max_pause, float threshold = 0.01f);

double peak(const Sound& s);

// Integrated loudness in LUFS (K-weighted, gated as broadcast meters do).
// Blocks shrink for sounds shorter than 400 ms; a mono sound counts as if
// played on both speakers, which is how the game plays it.
double loudness(const Sound& s);

enum class Level { Music, Effect, Voice };
double target_lufs(Level level);
constexpr double kCeiling = 0.891;  // -1 dBFS: room for resampling in the player

// Brings the sound to its level's loudness; peaks above the ceiling are
// held down by a look-ahead limiter.
void normalise(Sound& s, Level level);

std::vector<int16_t> to_pcm16(const Sound& s);

// Writes a 16-bit WAV at kRate.
void write(const std::filesystem::path& path, const Sound& s);

// Reads a 16-bit PCM WAV; its sample rate goes to *rate when asked.
Sound read_wav(const std::filesystem::path& path, int* rate = nullptr);

// ---------------------------------------------------------------- voice

struct VoiceStyle {
    int pitch_cents = 600;   // up from the speaker's own voice: a small, young character
    double tempo = 0.92;     // a little slower, for small listeners
    double max_pause = 0.35; // seconds of silence kept between phrases
};

// Speaks each Russian text with the mascot's voice, one Sound per text
// (mono, trimmed, with short fades; not yet normalised). The speech engine
// starts once for the whole batch.
std::vector<Sound> speak(const std::vector<std::string>& texts, const VoiceStyle& style = {});

}  // namespace datagen::audio
