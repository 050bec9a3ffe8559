// The sounds of the celebration clips: short happy pieces timed to what the
// pictures do (a boing as he takes off, a clap as his paws meet).
#include "clips.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace datagen::clips {

namespace {

using namespace audio;

constexpr double kPi = std::numbers::pi;

enum Gm {
    Celesta = 8, Glockenspiel = 9, MusicBox = 10, Vibraphone = 11, Marimba = 12, Xylophone = 13,
    AcousticBass = 32, SlapBass = 36, Pizzicato = 45, Harp = 46, Timpani = 47, Strings = 48,
    Trumpet = 56, Tuba = 58, BrassSection = 61, Bassoon = 70, Clarinet = 71, Piccolo = 72, Flute = 73,
    Whistle = 78, Kalimba = 108,
};
enum Drum {
    Kick = 36, Snare = 38, Clap = 39, ClosedHat = 42, OpenHat = 46, Crash = 49, Tambourine = 54,
    Splash = 55, Cowbell = 56, Cabasa = 69, WoodBlockHigh = 76, WoodBlockLow = 77, Triangle = 81,
};

void hit(Score& s, int key, double beat, int velocity)
{
    s.notes.push_back(Note{kDrums, 0, key, velocity, beat, 0.25});
}

// Cut to the clip's length plus a short ring, never with a click.
Sound fit(Sound s, double seconds)
{
    set_length(s, seconds + 0.35);
    fade_out(s, 0.4);
    return s;
}

double to_beats(const Score& s, double seconds) { return seconds * s.bpm / 60; }

// A pop of a party popper: a bright crack with a little low thump.
Sound pop(uint32_t seed)
{
    Sound s = noise(0.16, seed);
    filter(s, Filter::Highpass, [](double) { return 1500.0; });
    shape(s, [](double t) { return attack_decay(t, 0.001, 0.018); });
    Sound low = tone(0.16, [](double t) { return 180 * std::exp(-t / 0.05) + 60; });
    shape(low, [](double t) { return attack_decay(t, 0.002, 0.04); });
    mix(s, low, 0, 0.7);
    return s;
}

// One hand clap: a few quick bursts of band-passed noise, the way several
// fingers meet at once, then a short decay.
Sound hand_clap(uint32_t seed)
{
    Sound s = noise(0.14, seed);
    filter(s, Filter::Bandpass, [](double) { return 1250.0; }, 1.1);
    shape(s, [](double t) {
        double v = 0;
        for (int i = 0; i < 3; ++i)
            v = std::max(v, attack_decay(t - i * 0.009, 0.0008, 0.004));
        return std::max(v, 0.7 * attack_decay(t - 0.027, 0.001, 0.035));
    });
    return s;
}

// A party blower: a buzzy tone that sags and rises once.
Sound blower(double len)
{
    auto freq = [len](double t) { return 520 + 90 * std::sin(kPi * t / len) - 30 * std::exp(-t / 0.03); };
    Sound s = silence(len);
    for (int h = 1; h <= 6; ++h) {
        Sound part = tone(len, [&, h](double t) { return h * freq(t); });
        mix(s, part, 0, 0.6 / h);
    }
    filter(s, Filter::Lowpass, [](double) { return 3200.0; });
    shape(s, [len](double t) { return std::min({1.0, t / 0.02, (len - t) / 0.05}); });
    return s;
}

// A spring's "boing": a soft tone wobbling round its pitch as it dies away.
Sound boing(double pitch, double len = 0.45)
{
    Sound s = tone(len, [pitch](double t) { return pitch * (1 + 0.28 * std::exp(-t / 0.16) * std::sin(2 * kPi * 13 * t)); },
                   Wave::Soft);
    shape(s, [](double t) { return attack_decay(t, 0.004, 0.13); });
    return s;
}

// A slide whistle from one pitch to another.
Sound slide(double len, double from, double to)
{
    Sound s = tone(len, [=](double t) { return (from + (to - from) * std::clamp(t / len, 0.0, 1.0)) * (1 + 0.01 * std::sin(2 * kPi * 6 * t)); },
                   Wave::Soft);
    shape(s, [len](double t) { return std::min({1.0, t / 0.03, (len - t) / 0.05}); });
    return s;
}

// Air rushing past: noise swept up and down once.
Sound whoosh(double len, uint32_t seed)
{
    Sound w = noise(len, seed);
    filter(w, Filter::Bandpass, [len](double t) { return 500 * std::pow(5.0, std::sin(kPi * t / len)); }, 1.2);
    shape(w, [len](double t) {
        const double v = std::sin(kPi * std::clamp(t / len, 0.0, 1.0));
        return v * v;
    });
    return w;
}

// A soft bump of something landing.
Sound thud(double from = 110)
{
    Sound s = tone(0.2, [from](double t) { return 55 + from * std::exp(-t / 0.03); });
    shape(s, [](double t) { return attack_decay(t, 0.002, 0.05); });
    return s;
}

// A canary's chirp: a quick whistle swept down and up.
Sound chirp(double base, double len)
{
    Sound s = tone(len, [=](double t) {
        const double x = t / len;
        return base * (1.25 - 0.5 * x + 0.35 * std::sin(kPi * 3 * x));
    });
    shape(s, [len](double t) { return std::sin(kPi * std::clamp(t / len, 0.0, 1.0)); });
    return s;
}

// The tune of a score, mixed into out from `at`.
void play_at(Sound& out, const Score& s, double at, double gain = 1.0) { mix(out, to_mono(render(s)), at, gain); }

}  // namespace

// A little "hooray" on trumpets over a bouncy band, cymbal at the top.
Sound sound_cheer(double seconds)
{
    Score s;
    s.bpm = 140;
    s.tail = 1.0;
    s.mix = {{1, 110, 52, 50, 0}, {2, 95, 76, 50, 0}, {3, 95, 64, 40, 0}, {4, 90, 64, 30, 0},
             {5, 90, 64, 60, 0}, {kDrums, 95, 64, 40, 0}};
    add_line(s, 1, Trumpet, 0, 110, "G4:0.5 C5 E5 G5:1 E5:0.5 G5 C6:2.5", 0.85);
    add_line(s, 2, Trumpet, 0, 96, "E4:0.5 G4 C5 E5:1 C5:0.5 E5 G5:2.5", 0.85);
    add_line(s, 3, BrassSection, 0, 96, "r:1.5 C4+E4+G4:1 r:1 C4+E4+G4+C5:2.5", 0.8);
    add_line(s, 4, Tuba, 0, 100, "C3:1 G2 C3 G2 C3:2", 0.6);
    add_line(s, 5, Glockenspiel, 3.5, 90, "C6+E6+G6:2", 0.9);
    for (double b = 0; b < 3.5; b += 0.5)
        hit(s, Snare, b, b == int(b) ? 80 : 60);
    for (double b = 0; b < 3.5; b += 1)
        hit(s, Kick, b, 85);
    hit(s, Crash, 3.5, 95);
    hit(s, Kick, 3.5, 95);
    hit(s, Tambourine, 4, 70);
    hit(s, Tambourine, 4.5, 60);
    return fit(render(s), seconds);
}

// A slide whistle up as he rises and down as he falls, a soft bump on each
// landing and a xylophone "ta-da" at the end.
Sound sound_jump(double seconds, const std::vector<double>& takeoffs, const std::vector<double>& landings)
{
    Sound out = silence(seconds + 0.35, 2);
    for (size_t i = 0; i < takeoffs.size() && i < landings.size(); ++i) {
        const double t0 = takeoffs[i], len = landings[i] - takeoffs[i];
        if (len <= 0.1)
            continue;
        auto freq = [len](double t) {
            const double x = std::clamp(t / len, 0.0, 1.0);
            const double arc = std::sin(kPi * std::min(1.0, x * 1.1));
            return (420 + 880 * arc) * (1 + 0.012 * std::sin(2 * kPi * 6 * t));
        };
        Sound w = tone(len, freq, Wave::Soft);
        Sound breath = noise(len, 31 + uint32_t(i));
        filter(breath, Filter::Bandpass, [&](double t) { return freq(t); }, 6);
        mix(w, breath, 0, 0.15);
        shape(w, [len](double t) { return std::min({1.0, t / 0.03, (len - t) / 0.06}); });
        mix(out, w, t0, 0.5, i % 2 ? 0.2 : -0.2);
        Sound bump = tone(0.18, [](double t) { return 60 + 110 * std::exp(-t / 0.03); });
        shape(bump, [](double t) { return attack_decay(t, 0.002, 0.05); });
        mix(out, bump, landings[i], 0.8);
    }
    Score s;
    s.bpm = 150;
    s.tail = 0.9;
    s.mix = {{1, 110, 56, 45, 0}, {2, 90, 72, 45, 0}, {kDrums, 90, 64, 40, 0}};
    add_line(s, 1, Xylophone, 0, 105, "C6:0.25 E6 G6 C7:1.5", 0.9);
    add_line(s, 2, Glockenspiel, 0.75, 90, "C6+E6+G6:1.5", 0.9);
    hit(s, Triangle, 0.75, 80);
    if (!landings.empty())
        mix(out, render(s), landings.back() + 0.15, 1.0);
    return fit(out, seconds);
}

// "Hel-lo, hel-lo!": a gentle celesta and marimba tune with a soft bass.
Sound sound_wave(double seconds)
{
    Score s;
    s.bpm = 120;
    s.tail = 1.2;
    s.mix = {{1, 105, 56, 55, 0}, {2, 90, 74, 45, 0}, {3, 80, 64, 50, 20}, {4, 90, 64, 30, 0},
             {kDrums, 70, 64, 40, 0}};
    const char* tune = "G5:0.5 E5:1 r:0.5 G5:0.5 E5:1 r:0.5 C5:0.5 E5 G5 C6:1.5";
    add_line(s, 1, Celesta, 0, 100, tune, 0.9);
    add_line(s, 2, Marimba, 0, 90, tune, 0.6);
    add_line(s, 3, Vibraphone, 0, 70, "C4+E4+G4:2 C4+E4+A4:1.5 C4+E4+G4+C5:2", 0.95);
    add_line(s, 4, Pizzicato, 0, 85, "C3:1 G2 A2 E2 F2 G2:0.5 C3:1.5", 0.8);
    for (double b = 0; b < 5.5; b += 1)
        hit(s, Cabasa, b + 0.5, 50);
    return fit(render(s), seconds);
}

// A drum roll while he crouches and turns, a whoosh through the air, then a
// cymbal and a brass "ta-da" as he lands.
Sound sound_somersault(double seconds, double takeoff, double landing)
{
    Score s;
    s.bpm = 120;
    s.tail = 1.2;
    s.mix = {{1, 110, 64, 50, 0}, {2, 100, 64, 40, 0}, {3, 95, 64, 30, 0}, {kDrums, 100, 64, 30, 0}};
    const double land = to_beats(s, landing);
    for (double b = 0; b < land - 0.05; b += 0.125)
        hit(s, Snare, b, int(45 + 60 * b / land));
    hit(s, Crash, land, 100);
    hit(s, Kick, land, 100);
    add_line(s, 1, BrassSection, land, 112, "C5+E5+G5:0.35 r:0.15 C5+E5+G5+C6:2.2", 0.9);
    add_line(s, 2, Trumpet, land, 105, "G5:0.35 r:0.15 C6:2.2", 0.9);
    add_line(s, 3, Timpani, land, 105, "C3:0.35 r:0.15 C3:2", 0.9);
    add_line(s, 4, Glockenspiel, land + 0.5, 90, "C6:0.25 E6 G6 C7:1.5", 0.9);
    Sound out = render(s);
    const double len = landing - takeoff;
    if (len > 0.1) {
        Sound w = noise(len, 77);
        filter(w, Filter::Bandpass, [len](double t) { return 500 * std::pow(6.0, std::sin(kPi * t / len)); }, 1.2);
        shape(w, [len](double t) {
            const double v = std::sin(kPi * std::clamp(t / len, 0.0, 1.0));
            return v * v;
        });
        // Across the stereo field, the way he flies.
        Sound st = silence(len, 2);
        for (size_t i = 0; i < w.frames(); ++i) {
            const double x = double(i) / double(w.frames());
            st.samples[i * 2] = float(w.samples[i] * 0.6 * (1 - x));
            st.samples[i * 2 + 1] = float(w.samples[i] * 0.6 * x);
        }
        mix(out, st, takeoff, 1.0);
    }
    return fit(out, seconds);
}

// Two poppers, sparkles falling like the confetti, a party blower, and a
// bouncy marimba tune underneath.
Sound sound_confetti(double seconds)
{
    Score s;
    s.bpm = 150;
    s.tail = 1.0;
    s.mix = {{1, 100, 64, 45, 0}, {2, 85, 40, 60, 0}, {3, 85, 88, 60, 0}, {4, 95, 64, 30, 0},
             {kDrums, 80, 64, 40, 0}};
    add_line(s, 1, Marimba, 1, 100, "C5:0.5 E5 G5 E5 A5 G5 E5 C5 D5 E5 C5:1", 0.8);
    add_line(s, 2, Glockenspiel, 0.5, 80, "C7:0.25 G6 E6 C6 A6 F6 D6 B5 G6 E6 C6 A5 E6 C6 A5 G5", 0.9);
    add_line(s, 3, Celesta, 3, 80, "G6:0.25 E6 C6 A5 F6 D6 B5 G5 E6 C6 A5 G5", 0.9);
    add_line(s, 4, AcousticBass, 1, 95, "C3:1 G2 A2 E2 F2 G2", 0.6);
    for (double b = 1; b < 7; b += 1)
        hit(s, Tambourine, b + 0.5, 60);
    Sound out = render(s);
    mix(out, pop(9001), 0.0, 0.9, -0.5);
    mix(out, pop(9002), 0.22, 0.9, 0.5);
    mix(out, blower(0.5), seconds - 0.75, 0.35, 0.3);
    return fit(out, seconds);
}

// A disco groove: four on the floor, open hats, an octave bass and brass stabs.
Sound sound_dance(double seconds, double beat)
{
    Score s;
    s.bpm = 60 / beat;
    s.tail = 0.8;
    s.mix = {{1, 100, 64, 30, 0}, {2, 95, 50, 45, 0}, {3, 90, 78, 50, 30}, {kDrums, 110, 64, 25, 0}};
    const double beats = to_beats(s, seconds);
    for (double b = 0; b < beats; b += 1) {
        hit(s, Kick, b, 100);
        hit(s, OpenHat, b + 0.5, 70);
        hit(s, ClosedHat, b, 50);
        if (int(b) % 2 == 1)
            hit(s, Clap, b, 85);
    }
    add_line(s, 1, SlapBass, 0, 100, "C3:0.5 C4 C3 C4 A2 A3 A2 A3 F2 F3 G2 G3", 0.7);
    add_line(s, 2, BrassSection, 0, 100, "r:0.5 C5+E5+G5:0.25 r:1.25 C5+E5+A5:0.25 r:1.25 A4+C5+F5:0.25 r:0.75 B4+D5+G5:0.5", 0.9);
    add_line(s, 3, Strings, 0, 70, "E5:2 E5 C5+F5:1 D5+G5", 0.95);
    Sound out = render(s);
    return fit(out, seconds);
}

// Claps exactly where his paws meet, over a cheerful marimba in their tempo.
Sound sound_clap(double seconds, const std::vector<double>& claps)
{
    Sound out = silence(seconds + 0.35, 2);
    for (size_t i = 0; i < claps.size(); ++i)
        mix(out, hand_clap(500 + uint32_t(i)), claps[i], 0.5, i % 2 ? 0.15 : -0.15);
    if (claps.size() >= 2) {
        Score s;
        s.bpm = 60 / (claps[1] - claps[0]);
        s.tail = 0.9;
        s.mix = {{1, 100, 58, 45, 0}, {2, 85, 70, 50, 0}, {3, 90, 64, 30, 0}};
        add_line(s, 1, Marimba, 0, 100, "C5:0.5 E5 G5:1 E5:0.5 G5 A5:1 G5:0.5 E5 C5 D5 E5:1 C5:1", 0.8);
        add_line(s, 2, Glockenspiel, 0, 70, "C6:1 r G6 r A6 r E6 r C7", 0.9);
        add_line(s, 3, AcousticBass, 0, 90, "C3:1 G2 F2 G2 C3 G2", 0.6);
        mix(out, render(s), claps[0], 1.0);
    }
    return fit(out, seconds);
}

// Twinkling: a music box over a harp run, bells and a triangle.
Sound sound_stars(double seconds)
{
    Score s;
    s.bpm = 112;
    s.tail = 1.4;
    s.mix = {{1, 105, 60, 70, 0}, {2, 90, 40, 70, 0}, {3, 80, 88, 70, 0}, {4, 70, 64, 70, 40},
             {kDrums, 70, 64, 60, 0}};
    add_line(s, 1, MusicBox, 0, 100, "E6:0.5 G6 C7 G6 E6 G6 D7:1 C7:1.5", 0.9);
    add_line(s, 2, Harp, 0, 85, "C5:0.125 E5 G5 C6 E6 G6 C7 E7 r:1 G4:0.125 C5 E5 G5 C6 E6 G6 C7", 0.9);
    add_line(s, 3, Celesta, 2, 75, "G6:0.25 E6 C6 G5 r:0.5 A6:0.25 F6 D6 B5", 0.9);
    add_line(s, 4, Vibraphone, 0, 70, "C4+E4+G4:2 F4+A4+C5:1 G4+B4+D5:1 C4+E4+G4+C5:1.5", 0.95);
    for (double b : {0.0, 1.5, 3.0, 4.0})
        hit(s, Triangle, b, 70);
    hit(s, Splash, 4, 55);
    return fit(render(s), seconds);
}

// A tiptoe marimba while he gets ready, a slide whistle up as he goes over,
// a boing at each wobble, a whoosh as he flips back and a glockenspiel
// "ta-da" when he lands.
Sound sound_handstand(double seconds, double tip, const std::vector<double>& wobbles, double flip, double landing)
{
    Sound out = silence(seconds + 0.35);
    Score bed;
    bed.bpm = 132;
    bed.tail = 0.6;
    bed.stereo = false;
    bed.mix = {{1, 100, 64, 40, 0}, {2, 90, 64, 30, 0}};
    add_line(bed, 1, Marimba, 0, 95, "G4:0.5 C5 E5 G5:1", 0.7);
    add_line(bed, 2, Pizzicato, 0, 90, "C3:1 G2", 0.6);
    play_at(out, bed, 0);
    mix(out, slide(0.3, 380, 980), tip, 0.35);
    for (size_t i = 0; i < wobbles.size(); ++i)
        mix(out, boing(i % 2 ? 330 : 262), wobbles[i], 0.5);
    Score roll;
    roll.bpm = 120;
    roll.tail = 0.2;
    roll.stereo = false;
    roll.mix = {{kDrums, 80, 64, 30, 0}};
    for (double b = 0; b < 2 * (flip - tip - 0.3) - 0.1; b += 0.25)
        hit(roll, Snare, b, int(40 + 20 * b / (2 * (flip - tip))));
    play_at(out, roll, tip + 0.3, 0.6);
    mix(out, whoosh(landing - flip, 41), flip, 0.6);
    mix(out, thud(), landing, 0.8);
    Score tada;
    tada.bpm = 150;
    tada.tail = 1.0;
    tada.stereo = false;
    tada.mix = {{1, 110, 64, 45, 0}, {2, 90, 64, 45, 0}, {kDrums, 90, 64, 40, 0}};
    add_line(tada, 1, Glockenspiel, 0, 105, "C6:0.25 E6 G6 C7:1.5", 0.9);
    add_line(tada, 2, Marimba, 0.75, 95, "C5+E5+G5:1.5", 0.9);
    hit(tada, Splash, 0, 70);
    hit(tada, Triangle, 0.75, 70);
    play_at(out, tada, landing + 0.05);
    return fit(out, seconds);
}

// Knocks as the drawer rattles, a wooden slide as it opens, a boing for the
// sock puppet, a slide whistle for the thrown sock, a plop as it lands, then
// a bouncy xylophone laugh.
Sound sound_drawer(double seconds, const std::vector<double>& rattles, double opening, double pop, double throw_at,
                   double landing, double laugh)
{
    Sound out = silence(seconds + 0.35);
    Score knock;
    knock.bpm = 60;
    knock.tail = 0.3;
    knock.stereo = false;
    knock.mix = {{kDrums, 100, 64, 20, 0}, {1, 90, 64, 30, 0}};
    for (double t : rattles) {
        hit(knock, WoodBlockLow, t, 90);
        hit(knock, WoodBlockHigh, t + 0.08, 80);
    }
    if (!rattles.empty())
        add_line(knock, 1, Bassoon, rattles.front(), 85, "G3:0.2 C4:0.3", 0.8);
    play_at(out, knock, 0);
    Sound slide_out = noise(pop - opening, 61);
    const double len = pop - opening;
    filter(slide_out, Filter::Bandpass, [len](double t) { return 500 + 700 * t / len; }, 3);
    shape(slide_out, [len](double t) { return std::min({1.0, t / 0.03, (len - t) / 0.04}); });
    mix(out, slide_out, opening, 0.7);
    mix(out, boing(392), pop, 0.55);
    Sound up = slide(landing - throw_at, 520, 1250);
    mix(out, up, throw_at, 0.3);
    mix(out, thud(260), landing, 0.7);
    Score giggle;
    giggle.bpm = 150;
    giggle.tail = 0.9;
    giggle.stereo = false;
    giggle.mix = {{1, 105, 64, 40, 0}, {2, 90, 64, 40, 0}, {3, 90, 64, 30, 0}};
    add_line(giggle, 1, Xylophone, 0, 100, "G5:0.25 E5 G5 E5 A5 F5 A5 F5 G5:0.5 C6:1", 0.6);
    add_line(giggle, 2, Pizzicato, 0, 90, "C4:0.5 G3 F3 G3 C4:1", 0.6);
    add_line(giggle, 3, Marimba, 2.5, 90, "C5+E5+G5:1.2", 0.9);
    play_at(out, giggle, laugh);
    return fit(out, seconds);
}

// Soft wing flutters, trills of chirps when the canary sings, a little flute
// and celesta tune under it all, and a tinkle as it lands on his head.
Sound sound_bird(double seconds, const std::vector<double>& flaps, const std::vector<double>& songs, double landing)
{
    Sound out = silence(seconds + 0.35);
    Score tune;
    tune.bpm = 126;
    tune.tail = 1.0;
    tune.stereo = false;
    tune.mix = {{1, 95, 64, 50, 0}, {2, 80, 64, 50, 0}, {3, 80, 64, 40, 0}};
    add_line(tune, 1, Flute, 0.5, 90, "G5:0.5 A5 B5 D6:1 B5:0.5 D6 G6:1 r:1 E6:0.5 D6 B5 G5:1.5", 0.8);
    add_line(tune, 2, Celesta, 0, 80, "G4+B4+D5:2 C5+E5+G5 D5+F#5+A5 G4+B4+D5:2", 0.9);
    add_line(tune, 3, Pizzicato, 0, 85, "G2:1 D3 G2 D3 C3 G2 D3 A2 G2:2", 0.6);
    play_at(out, tune, 0, 0.8);
    for (size_t i = 0; i < flaps.size(); ++i) {
        Sound f = noise(0.12, 300 + uint32_t(i));
        filter(f, Filter::Bandpass, [](double) { return 1800.0; }, 1.5);
        shape(f, [](double t) { return std::sin(kPi * std::clamp(t / 0.12, 0.0, 1.0)); });
        mix(out, f, flaps[i], 0.25);
    }
    for (size_t i = 0; i < songs.size(); ++i)
        for (int k = 0; k < 6; ++k)
            mix(out, chirp(2600 + 300 * ((k + int(i)) % 3), 0.07 + 0.02 * (k % 2)), songs[i] + k * 0.11, 0.3);
    Score tinkle;
    tinkle.bpm = 120;
    tinkle.tail = 0.8;
    tinkle.stereo = false;
    tinkle.mix = {{1, 90, 64, 40, 0}};
    add_line(tinkle, 1, Glockenspiel, 0, 85, "D7:0.25 G6", 0.9);
    play_at(out, tinkle, landing, 0.7);
    return fit(out, seconds);
}

// Tiny feet pattering while the mice run, squeaks, a "hello" squeak for the
// wave, over a tiptoeing pizzicato and clarinet tune.
Sound sound_mice(double seconds, double run_from, double run_to, const std::vector<double>& squeaks, double hello)
{
    Sound out = silence(seconds + 0.35);
    Score tune;
    tune.bpm = 150;
    tune.tail = 0.9;
    tune.stereo = false;
    tune.mix = {{1, 95, 64, 35, 0}, {2, 85, 64, 40, 0}, {kDrums, 70, 64, 20, 0}};
    add_line(tune, 1, Pizzicato, 0, 95, "C5:0.5 D5 E5 G5 E5 D5 C5 r A4 C5 D5 E5 D5:1 r:0.5 C5 E5 G5 C6:1", 0.5);
    add_line(tune, 2, Clarinet, 4, 80, "G4:1 E4 F4:0.5 D4 C4:1.5", 0.85);
    play_at(out, tune, 0, 0.8);
    Score feet;
    feet.bpm = 60;
    feet.tail = 0.2;
    feet.stereo = false;
    feet.mix = {{kDrums, 70, 64, 10, 0}};
    for (double t = run_from; t < run_to - 0.03; t += 0.055)
        hit(feet, (int((t - run_from) / 0.055) % 2) ? Cabasa : WoodBlockHigh, t, 35);
    play_at(out, feet, 0, 0.5);
    auto squeak = [](double len, double f0) {
        Sound s = tone(len, [=](double t) { return f0 * (1 + 0.25 * std::sin(kPi * t / len)); }, Wave::Soft);
        shape(s, [len](double t) { return std::sin(kPi * std::clamp(t / len, 0.0, 1.0)); });
        return s;
    };
    for (size_t i = 0; i < squeaks.size(); ++i)
        mix(out, squeak(0.09, 1900 + 250 * double(i % 2)), squeaks[i], 0.22);
    mix(out, squeak(0.12, 1700), hello, 0.25);
    mix(out, squeak(0.16, 2200), hello + 0.16, 0.25);
    return fit(out, seconds);
}

// A sneaky bassoon while the rat peeks, a boing and a cymbal as Bafo jumps,
// a trumpet flourish for the tipped hat, a tick each time the thimble is
// caught and a giggling xylophone.
Sound sound_rat(double seconds, double peek, double jump, double hat, const std::vector<double>& catches,
                double giggle)
{
    Sound out = silence(seconds + 0.35);
    Score sneak;
    sneak.bpm = 120;
    sneak.tail = 0.5;
    sneak.stereo = false;
    sneak.mix = {{1, 95, 64, 30, 0}, {2, 80, 64, 30, 0}};
    add_line(sneak, 1, Bassoon, 0, 90, "C3:0.5 r D3 r E3:0.25 F3 G3:0.5", 0.5);
    add_line(sneak, 2, Pizzicato, 0, 80, "C4:0.5 r D4 r E4:0.25 F4 G4:0.5", 0.5);
    play_at(out, sneak, std::max(0.0, peek - 0.35));
    mix(out, slide(0.25, 500, 1100), jump, 0.35);
    Score sting;
    sting.bpm = 120;
    sting.tail = 0.8;
    sting.stereo = false;
    sting.mix = {{kDrums, 85, 64, 30, 0}};
    hit(sting, Splash, 0, 70);
    play_at(out, sting, jump + 0.2, 0.8);
    mix(out, thud(), jump + 0.42, 0.6);
    Score flourish;
    flourish.bpm = 160;
    flourish.tail = 0.7;
    flourish.stereo = false;
    flourish.mix = {{1, 100, 64, 40, 0}};
    add_line(flourish, 1, Trumpet, 0, 95, "G4:0.25 C5 E5:0.75", 0.85);
    play_at(out, flourish, hat, 0.8);
    Score ticks;
    ticks.bpm = 60;
    ticks.tail = 0.4;
    ticks.stereo = false;
    ticks.mix = {{1, 95, 64, 30, 0}};
    for (size_t i = 0; i < catches.size(); ++i)
        ticks.notes.push_back(Note{1, Xylophone, i % 2 ? 84 : 79, 95, catches[i], 0.15});
    play_at(out, ticks, 0);
    Score laugh;
    laugh.bpm = 160;
    laugh.tail = 1.0;
    laugh.stereo = false;
    laugh.mix = {{1, 95, 64, 40, 0}, {2, 85, 64, 40, 0}};
    add_line(laugh, 1, Marimba, 0, 95, "E5:0.25 C5 E5 C5 F5 D5 F5 D5 G5:0.5 E5 C5:1", 0.6);
    add_line(laugh, 2, Pizzicato, 0, 85, "C3:1 G2 C3 G2 C3:1", 0.6);
    play_at(out, laugh, giggle);
    return fit(out, seconds);
}

}  // namespace datagen::clips
