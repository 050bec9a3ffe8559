// The welcome tune, the click, the five fanfares and the little effects
// beside the tree (swish, "yes, right", "no").
#include "audio.h"
#include "datagen.h"

#include <cmath>
#include <numbers>

namespace datagen {

namespace {

using namespace audio;

// General MIDI programs and drum keys used below.
enum Gm {
    Piano = 0, Celesta = 8, Glockenspiel = 9, Vibraphone = 11, Marimba = 12, Xylophone = 13,
    TubularBells = 14, AcousticBass = 32, Timpani = 47, Trumpet = 56, Trombone = 57,
    Tuba = 58, FrenchHorn = 60, BrassSection = 61, Flute = 73,
};
enum Drum {
    Kick = 36, Snare = 38, Crash = 49, Tambourine = 54, Splash = 55,
    Cabasa = 69, Triangle = 81,
};

void hit(Score& s, int key, double beat, int velocity)
{
    s.notes.push_back(Note{kDrums, 0, key, velocity, beat, 0.25});
}

void drum_line(Score& s, int key, int velocity, std::initializer_list<double> beats)
{
    for (double b : beats)
        hit(s, key, b, velocity);
}

// Rendered music ends where the score says; the last of the reverb is faded, never cut.
Sound finish_music(const Score& score, double fade)
{
    Sound s = render(score);
    fade_out(s, fade);
    return s;
}

// Bouncy four bars in C: flute and glockenspiel over oom-pah piano and bass,
// ending on a high C with a splash.
Sound welcome_tune()
{
    Score s;
    s.bpm = 132;
    s.tail = 1.3;
    s.mix = {{1, 100, 58, 50, 20}, {2, 95, 74, 60, 0}, {3, 105, 64, 25, 0},
             {4, 95, 50, 40, 0},   {kDrums, 100, 64, 35, 0}};
    const char* melody =
        "G4:0.5 C5 E5:1 G5 E5:0.5 C5 "
        "F5:1 A5:0.5 F5 D5:1 B4:0.5 D5 "
        "C5:0.5 E5 A5:1 G5:0.5 F5 E5 D5 "
        "B4:0.5 D5 G5 B5 C6:2";
    add_line(s, 1, Flute, 0, 96, melody, 0.85);
    add_line(s, 2, Glockenspiel, 0, 88, melody, 0.5);
    add_line(s, 3, AcousticBass, 0, 100, "C3:1 r G2 r F2 r G2 r A2 r F2 r G2 r C3:2", 0.8);
    add_line(s, 4, Piano, 0, 80,
             "r:1 E4+G4+C5 r E4+G4+C5 r F4+A4+C5 r D4+G4+B4 "
             "r E4+A4+C5 r F4+A4+C5 r D4+F4+B4 C4+E4+G4+C5:2",
             0.45);
    for (int beat = 0; beat < 14; beat += 2)
        hit(s, Kick, beat, 70);
    for (int beat = 1; beat < 14; beat += 2)
        hit(s, Tambourine, beat, 58);
    for (double b = 0; b < 14; b += 0.5)
        hit(s, Cabasa, b, int(b) == b ? 48 : 36);
    hit(s, Kick, 14, 80);
    hit(s, Splash, 14, 60);
    hit(s, Triangle, 14, 70);
    return finish_music(s, 0.6);
}

// Five fanfares, each with its own instruments, rhythm and mostly its own
// key, so that a child who wins often still hears something new.
Sound fanfare_trumpets()
{
    Score s;  // C major: a triplet call on trumpets, timpani underneath
    s.bpm = 120;
    s.tail = 1.0;
    s.mix = {{1, 110, 54, 50, 0}, {2, 95, 74, 50, 0}, {3, 90, 64, 40, 0}, {4, 100, 64, 30, 0},
             {kDrums, 90, 64, 40, 0}};
    add_line(s, 1, Trumpet, 0, 112, "G4:1/3 G4 G4 C5:1 E5:0.5 D5 E5:2", 0.85);
    add_line(s, 2, Trumpet, 0, 100, "E4:1/3 E4 E4 G4:1 C5:0.5 B4 C5:2", 0.85);
    add_line(s, 3, BrassSection, 0, 96, "r:1 C4+E4+G4:1.5 G3+B3+D4:0.5 C4+E4+G4:2", 0.9);
    add_line(s, 4, Timpani, 0, 100, "C3:1/3 C3 C3 C3:1.5 G2:0.5 C3:2", 0.9);
    hit(s, Crash, 3, 80);
    return finish_music(s, 0.5);
}

Sound fanfare_bells()
{
    Score s;  // C major sparkle: bells run up to a ringing chord
    s.bpm = 150;
    s.tail = 1.5;
    s.mix = {{1, 105, 50, 60, 0}, {2, 90, 78, 60, 0}, {3, 80, 64, 60, 0}, {4, 80, 64, 50, 30},
             {kDrums, 80, 64, 50, 0}};
    add_line(s, 1, Glockenspiel, 0, 100, "C5:0.5 E5 G5 C6 E6 G6 C7:2", 0.9);
    add_line(s, 2, Celesta, 0, 90, "C5:0.5 E5 G5 C6 E6 G6 C6+E6+G6:2", 0.9);
    add_line(s, 3, TubularBells, 0, 80, "C5:3 G4+C5:2", 0.95);
    add_line(s, 4, Vibraphone, 0, 80, "r:3 C4+E4+G4+C5:2", 0.95);
    hit(s, Triangle, 3, 90);
    return finish_music(s, 0.6);
}

Sound fanfare_horns()
{
    Score s;  // F major: horns and trumpet climb, a tuba and a snare march along
    s.bpm = 132;
    s.tail = 1.1;
    s.mix = {{1, 108, 70, 50, 0}, {2, 100, 50, 50, 0}, {3, 100, 64, 30, 0}, {kDrums, 110, 64, 35, 0}};
    add_line(s, 1, Trumpet, 0, 108, "C5:0.5 F5 A5:1 F5:0.5 A5 C6:2.5", 0.85);
    add_line(s, 2, FrenchHorn, 0, 105, "A4:0.5 C5 F5:1 C5:0.5 F5 A5:2.5", 0.85);
    add_line(s, 3, Tuba, 0, 100, "F2:1 C3:1 A2:0.5 C3 F2:2.5", 0.8);
    drum_line(s, Snare, 85, {0, 0.5, 1, 2, 2.5});
    hit(s, Snare, 3, 95);
    hit(s, Crash, 3, 85);
    return finish_music(s, 0.5);
}

Sound fanfare_xylophone()
{
    Score s;  // D major: a quick xylophone run, then a bright brass "ta-daa"
    s.bpm = 140;
    s.tail = 1.2;
    s.mix = {{1, 120, 44, 45, 0}, {2, 100, 84, 45, 0}, {3, 105, 64, 50, 0}, {4, 95, 64, 30, 0},
             {kDrums, 85, 64, 40, 0}};
    add_line(s, 1, Xylophone, 0, 110, "D5:0.25 E5 F#5 G5 A5 B5 C#6 D6", 0.9);
    add_line(s, 2, Marimba, 0, 85, "D4:0.25 E4 F#4 G4 A4 B4 C#5 D5", 0.9);
    add_line(s, 3, BrassSection, 2, 112, "A4+D5+F#5:0.5 D5+F#5+A5:2", 0.9);
    add_line(s, 4, Timpani, 2, 105, "A2:0.5 D3:2", 0.9);
    hit(s, Snare, 2, 80);
    hit(s, Crash, 2.5, 90);
    add_line(s, 1, Xylophone, 2.5, 90, "D6:1", 0.9);
    return finish_music(s, 0.5);
}

Sound fanfare_hooray()
{
    Score s;  // B-flat: trumpets over trombones, "da-da-da-DAA, da-DAAA", a glockenspiel on top
    s.bpm = 132;
    s.tail = 1.0;
    s.mix = {{1, 108, 56, 50, 0}, {2, 100, 72, 45, 0}, {3, 100, 64, 30, 0}, {4, 105, 64, 60, 0},
             {kDrums, 85, 64, 40, 0}};
    add_line(s, 1, Trumpet, 0, 110, "F5:0.5 F5:0.25 F5 G5:0.5 A5 Bb5:1 A5:0.5 Bb5:2", 0.85);
    add_line(s, 2, Trombone, 0, 100, "Bb3:0.5 Bb3:0.25 Bb3 Bb3:0.5 C4 D4:1 C4:0.5 D4:2", 0.85);
    add_line(s, 3, Tuba, 0, 100, "Bb2:1 Eb2:0.5 F2 Bb2:1 F2:0.5 Bb2:2", 0.8);
    add_line(s, 4, Glockenspiel, 3.5, 90, "Bb5+D6+F6:2", 0.9);
    drum_line(s, Snare, 75, {0, 0.5, 0.75, 1, 1.5});
    hit(s, Kick, 2, 90);
    hit(s, Kick, 3.5, 95);
    hit(s, Crash, 3.5, 85);
    return finish_music(s, 0.5);
}

// A soft wooden "tok": two damped partials and a breath of filtered noise.
Sound click()
{
    const double len = 0.045;
    Sound s = tone(len, [](double t) { return 900 + 500 * std::exp(-t / 0.004); });
    shape(s, [](double t) { return attack_decay(t, 0.0008, 0.007); });
    Sound upper = tone(len, [](double) { return 2350.0; });
    shape(upper, [](double t) { return attack_decay(t, 0.0005, 0.003); });
    mix(s, upper, 0, 0.35);
    Sound tick = noise(len, 17);
    filter(tick, Filter::Lowpass, [](double) { return 4000.0; });
    shape(tick, [](double t) { return attack_decay(t, 0.0003, 0.0015); });
    mix(s, tick, 0, 0.25);
    fade_out(s, 0.01);
    return s;
}

// Air moving past: band-passed noise whose band rises and falls, swelling
// and fading like a card flicked by.
Sound swish()
{
    const double len = 0.24;
    Sound s = noise(len, 4242);
    filter(s, Filter::Bandpass, [len](double t) {
        double x = t / len;
        return 700 * std::pow(5.0, std::sin(std::numbers::pi * std::pow(x, 0.8)));
    }, 0.9);
    filter(s, Filter::Lowpass, [](double) { return 7000.0; });
    shape(s, [len](double t) {
        double x = std::pow(t / len, 0.7);
        double v = std::sin(std::numbers::pi * x);
        return v * v;
    });
    return s;
}

// "Yes, right": three rising notes on celesta and vibraphone.
Sound yes_chime()
{
    Score s;
    s.bpm = 150;
    s.tail = 0.7;
    s.stereo = false;
    s.mix = {{1, 110, 64, 45, 0}, {2, 80, 64, 45, 0}};
    add_line(s, 1, Celesta, 0, 100, "E5:0.5 G5 C6:1.5", 0.95);
    add_line(s, 2, Vibraphone, 0, 80, "E5:0.5 G5 C6:1.5", 0.95);
    Sound out = render(s);
    fade_out(out, 0.3);
    return out;
}

// "No": a soft, low spring "boi-oi-oing" that wobbles and sinks; rounded
// tones only, so it is funny rather than an alarm.
Sound no_boing()
{
    const double len = 0.7;
    auto freq = [](double t) {
        double base = 147 + 50 * std::exp(-t / 0.25);           // G3 sinking towards D3
        double bend = 1 - 0.18 * std::exp(-t / 0.012);          // the "b" of the boing
        double wobble = 1 + 0.12 * std::sin(2 * std::numbers::pi * 8 * t) * std::exp(-t / 0.3);
        return base * bend * wobble;
    };
    Sound s = tone(len, freq, Wave::Soft);
    Sound octave = tone(len, [&](double t) { return 2 * freq(t); });
    mix(s, octave, 0, 0.35);
    // Enough overtones to carry on small speakers, rounded off as it sinks.
    filter(s, Filter::Lowpass, [](double t) { return 900 + 2000 * std::exp(-t / 0.15); });
    shape(s, [](double t) { return attack_decay(t, 0.008, 0.2); });
    fade_out(s, 0.12);
    return s;
}

struct Piece {
    const char* path;
    Level level;
    int min_ms, max_ms;
    Sound (*make)();
};

const Piece kPieces[] = {
    {"BAFO_CS/SELECT/MEL.WAV", Level::Music, 5000, 10000, welcome_tune},
    {"BAFO_CS/SELECT/FANF/CLICK.WAV", Level::Effect, 20, 79, click},
    {"BAFO_CS/SELECT/FANF/FANF1.WAV", Level::Music, 2000, 4000, fanfare_trumpets},
    {"BAFO_CS/SELECT/FANF/FANF2.WAV", Level::Music, 2000, 4000, fanfare_bells},
    {"BAFO_CS/SELECT/FANF/FANF3.WAV", Level::Music, 2000, 4000, fanfare_horns},
    {"BAFO_CS/SELECT/FANF/FANF4.WAV", Level::Music, 2000, 4000, fanfare_xylophone},
    {"BAFO_CS/SELECT/FANF/FANF5.WAV", Level::Music, 2000, 4000, fanfare_hooray},
    {"SVIST.WAV", Level::Effect, 150, 300, swish},
    {"TUTUTU.WAV", Level::Effect, 500, 2000, yes_chime},
    {"NOT_AVA.WAV", Level::Effect, 300, 1200, no_boing},
};

}  // namespace

Generator gen_sounds()
{
    Generator g;
    g.name = "sounds";
    g.run = [](const std::filesystem::path& root) {
        for (const auto& p : kPieces) {
            Sound s = p.make();
            normalise(s, p.level);
            write(root / p.path, s);
        }
    };
    g.expect = [](std::vector<Expect>& out) {
        for (const auto& p : kPieces) {
            Expect e;
            e.path = p.path;
            e.kind = Expect::Kind::Wave;
            e.min_ms = p.min_ms;
            e.max_ms = p.max_ms;
            out.push_back(e);
        }
    };
    return g;
}

static const Registered registered{gen_sounds};

}  // namespace datagen
