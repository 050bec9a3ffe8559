// The studio's nine rhythms: short accompaniments in C that loop for as long
// as the child plays over them. Each is exactly its bars long; whatever still
// rings at the end (cymbals, reverb, a held chord) is folded over its start,
// so the loop repeats without a click or a gap.
#include "datagen.h"
#include "studio.h"

#include <array>
#include <stdexcept>
#include <string>

namespace datagen::studio {

namespace {

using namespace audio;

enum Gm {
    Piano = 0, HonkyTonk = 3, Organ = 16, Accordion = 21, NylonGuitar = 24, SteelGuitar = 25, CleanGuitar = 27,
    MutedGuitar = 28, Overdrive = 29, Distortion = 30, AcousticBass = 32, FingerBass = 33, PickBass = 34,
    SlapBass = 36, SynthBass = 38, Strings = 48, Trumpet = 56, Trombone = 57, Tuba = 58, BrassSection = 61,
    Clarinet = 71, SquareLead = 80, SawLead = 81, Banjo = 105,
};
enum Drum {
    Kick = 36, Rim = 37, Snare = 38, Clap = 39, ClosedHat = 42, PedalHat = 44, OpenHat = 46, Crash = 49,
    Ride = 51, Tambourine = 54, Cowbell = 56, Shaker = 70,
};

void hit(Score& s, int key, double beat, int velocity)
{
    s.notes.push_back(Note{kDrums, 0, key, velocity, beat, 0.25});
}

// A pattern of one bar repeated `bars` times: `pattern` holds the beats
// (within the bar) where `key` sounds.
void drums(Score& s, int key, int velocity, int bars, double bar, std::initializer_list<double> pattern)
{
    for (int b = 0; b < bars; ++b)
        for (double p : pattern)
            hit(s, key, b * bar + p, velocity);
}

// The chord over a root: major, or the dominant seventh's upper three
// (third, fifth, seventh) when the bar sits on the fifth.
std::array<int, 3> triad(bool dominant)
{
    return dominant ? std::array<int, 3>{11, 14, 17} : std::array<int, 3>{12, 16, 19};
}

// Swung eighths: the second of each pair comes late, as a boogie walks.
constexpr double kSwing = 2.0 / 3;

Sound boogie(const Rhythm& r)
{
    Score s;
    s.bpm = r.bpm;
    s.mix = {{1, 100, 50, 30, 0}, {2, 90, 80, 35, 0}, {kDrums, 95, 64, 30, 0}};
    // The walking left hand over C, F, C, G.
    const char* roots[] = {"C", "F", "C", "G"};
    const int up[] = {0, 4, 7, 9, 10, 9, 7, 4};
    for (int bar = 0; bar < r.bars; ++bar) {
        const int root = key_of(std::string(roots[bar % 4]) + "2");
        for (int i = 0; i < 8; ++i) {
            const double at = bar * 4 + (i / 2) + (i % 2 ? kSwing : 0);
            s.notes.push_back(Note{1, Piano, root + up[i], i % 2 ? 80 : 96, at, i % 2 ? 0.3 : 0.6});
        }
        // Right-hand chord stabs on the off-beats of two and four.
        for (double b : {1 + kSwing, 3 + kSwing})
            for (int k : {12, 16, 19, 22})
                s.notes.push_back(Note{2, HonkyTonk, root + 12 + k, 74, bar * 4 + b, 0.25});
    }
    drums(s, ClosedHat, 60, r.bars, 4, {0, kSwing, 1, 1 + kSwing, 2, 2 + kSwing, 3, 3 + kSwing});
    drums(s, Snare, 78, r.bars, 4, {1, 3});
    drums(s, Kick, 90, r.bars, 4, {0, 2});
    return render_loop(s, r.bars * r.beats_per_bar);
}

Sound country(const Rhythm& r)
{
    Score s;
    s.bpm = r.bpm;
    s.mix = {{1, 100, 64, 25, 0}, {2, 90, 44, 40, 0}, {3, 80, 86, 40, 0}, {kDrums, 95, 64, 25, 0}};
    // Boom-chick: the bass alternates root and fifth, the guitar strums between.
    const char* chords[] = {"C3", "C3", "F3", "G3"};
    for (int bar = 0; bar < r.bars; ++bar) {
        const int root = key_of(chords[bar % 4]);
        const bool major = true;
        for (int beat = 0; beat < 4; ++beat) {
            const double at = bar * 4 + beat;
            if (beat % 2 == 0)
                s.notes.push_back(Note{1, AcousticBass, root - 12 + (beat == 2 ? 7 : 0), 100, at, 0.8});
            else
                for (int k : {12, 16, 19, 24})
                    s.notes.push_back(Note{2, SteelGuitar, root + k - (major ? 0 : 1), 80, at + 0.01 * (k % 5), 0.45});
        }
        // A banjo roll on top.
        const int roll[] = {24, 19, 28, 24, 19, 28, 24, 19};
        for (int i = 0; i < 8; ++i)
            s.notes.push_back(Note{3, Banjo, root + roll[i], i % 3 ? 62 : 76, bar * 4 + i * 0.5, 0.4});
    }
    // The train beat: brushed snare on every eighth, accents on two and four.
    for (int bar = 0; bar < r.bars; ++bar)
        for (int i = 0; i < 8; ++i)
            hit(s, Snare, bar * 4 + i * 0.5, i == 2 || i == 6 ? 80 : 44);
    drums(s, Kick, 86, r.bars, 4, {0, 2});
    return render_loop(s, r.bars * r.beats_per_bar);
}

Sound disco(const Rhythm& r)
{
    Score s;
    s.bpm = r.bpm;
    s.mix = {{1, 105, 64, 25, 0}, {2, 80, 50, 50, 30}, {3, 80, 80, 40, 0}, {kDrums, 105, 64, 25, 0}};
    const char* roots[] = {"C2", "A1", "F1", "G1"};
    for (int bar = 0; bar < r.bars; ++bar) {
        const int root = key_of(roots[bar % 4]);
        // The octave-jumping bass.
        for (int i = 0; i < 8; ++i)
            s.notes.push_back(Note{1, SlapBass, root + (i % 2 ? 12 : 0), i % 2 ? 84 : 100, bar * 4 + i * 0.5, 0.4});
        const bool minor = bar % 4 == 1;
        for (int k : {12, 16 - (minor ? 1 : 0), 19})
            s.notes.push_back(Note{2, Strings, root + 24 + k, 70, bar * 4.0, 3.9});
        for (double b : {0.5, 1.5, 2.5, 3.5})
            for (int k : {12, 16 - (minor ? 1 : 0), 19})
                s.notes.push_back(Note{3, MutedGuitar, root + 24 + k, 70, bar * 4 + b, 0.2});
    }
    drums(s, Kick, 105, r.bars, 4, {0, 1, 2, 3});
    drums(s, Clap, 80, r.bars, 4, {1, 3});
    drums(s, OpenHat, 70, r.bars, 4, {0.5, 1.5, 2.5, 3.5});
    drums(s, ClosedHat, 46, r.bars, 4, {0.25, 0.75, 1.25, 1.75, 2.25, 2.75, 3.25, 3.75});
    return render_loop(s, r.bars * r.beats_per_bar);
}

Sound polka(const Rhythm& r)
{
    Score s;
    s.bpm = r.bpm;
    s.mix = {{1, 100, 64, 30, 0}, {2, 95, 54, 40, 0}, {3, 80, 76, 40, 0}, {kDrums, 85, 64, 30, 0}};
    // Two beats to the bar: bass on one, the accordion's chord on two.
    const char* roots[] = {"C3", "G2", "G2", "C3", "C3", "G2", "G2", "C3"};
    for (int bar = 0; bar < r.bars; ++bar) {
        const int root = key_of(roots[bar % 8]);
        const bool dom = root % 12 == 7;
        s.notes.push_back(Note{1, AcousticBass, root - 12, 100, bar * 2.0, 0.7});
        for (int k : triad(dom)) {
            s.notes.push_back(Note{2, Accordion, root + k, 80, bar * 2 + 1.0, 0.45});
            s.notes.push_back(Note{2, Accordion, root + k, 70, bar * 2 + 1.5, 0.35});
        }
        // A clarinet's bright little turn on every other bar.
        if (bar % 2 == 1) {
            const auto t = triad(dom);
            const int turn[] = {t[0], t[1], t[2], t[1]};
            for (int i = 0; i < 4; ++i)
                s.notes.push_back(Note{3, Clarinet, root + 24 + turn[i], 70, bar * 2 + i * 0.5, 0.45});
        }
    }
    drums(s, Kick, 90, r.bars, 2, {0});
    drums(s, Snare, 60, r.bars, 2, {1, 1.5});
    drums(s, Tambourine, 50, r.bars, 2, {0.5, 1.5});
    return render_loop(s, r.bars * r.beats_per_bar);
}

Sound reggae(const Rhythm& r)
{
    Score s;
    s.bpm = r.bpm;
    s.mix = {{1, 110, 64, 25, 0}, {2, 85, 80, 45, 0}, {3, 70, 48, 50, 0}, {kDrums, 95, 64, 35, 0}};
    const char* roots[] = {"C2", "F2"};
    for (int bar = 0; bar < r.bars; ++bar) {
        const int root = key_of(roots[bar % 2]);
        // A round, lazy bass line, the skank on the off-beats.
        add_line(s, 1, FingerBass, bar * 4.0, 104,
                 bar % 2 ? "F2:1 r:0.5 A2:0.5 C3:1 A2:0.5 G2:0.5" : "C2:1 r:0.5 E2:0.5 G2:1 E2:0.5 D2:0.5", 0.85);
        for (double b : {1.0, 3.0})
            for (int k : {24, 28, 31})
                s.notes.push_back(Note{2, CleanGuitar, root + k, 80, bar * 4 + b, 0.25});
        for (double b : {1.0, 3.0})
            for (int k : {24, 28, 31})
                s.notes.push_back(Note{3, Organ, root + k, 60, bar * 4 + b + 0.02, 0.3});
    }
    // The one drop: kick and rim together on three.
    drums(s, Kick, 100, r.bars, 4, {2});
    drums(s, Rim, 85, r.bars, 4, {2});
    drums(s, ClosedHat, 54, r.bars, 4, {0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5});
    drums(s, OpenHat, 48, r.bars, 4, {3.5});
    return render_loop(s, r.bars * r.beats_per_bar);
}

Sound rock(const Rhythm& r)
{
    Score s;
    s.bpm = r.bpm;
    s.mix = {{1, 95, 64, 20, 0}, {2, 80, 44, 30, 0}, {3, 80, 84, 30, 0}, {kDrums, 105, 64, 25, 0}};
    const char* roots[] = {"C2", "C2", "F2", "G2"};
    for (int bar = 0; bar < r.bars; ++bar) {
        const int root = key_of(roots[bar % 4]);
        for (int i = 0; i < 8; ++i)
            s.notes.push_back(Note{1, PickBass, root, i % 2 ? 88 : 100, bar * 4 + i * 0.5, 0.42});
        // Power chords, doubled left and right.
        for (int ch : {2, 3})
            for (int i = 0; i < 8; ++i)
                for (int k : {12, 19, 24})
                    s.notes.push_back(Note{ch, Overdrive, root + k, i % 2 ? 70 : 84, bar * 4 + i * 0.5 + (ch == 3 ? 0.01 : 0), 0.4});
    }
    drums(s, Kick, 105, r.bars, 4, {0, 1.5, 2});
    drums(s, Snare, 100, r.bars, 4, {1, 3});
    drums(s, ClosedHat, 62, r.bars, 4, {0, 0.5, 1, 1.5, 2, 2.5, 3, 3.5});
    hit(s, Crash, 0, 80);
    return render_loop(s, r.bars * r.beats_per_bar);
}

Sound techno(const Rhythm& r)
{
    Score s;
    s.bpm = r.bpm;
    s.mix = {{1, 100, 64, 20, 0}, {2, 70, 64, 50, 40}, {kDrums, 110, 64, 20, 0}};
    const char* roots[] = {"C2", "C2", "Ab1", "Bb1"};
    for (int bar = 0; bar < r.bars; ++bar) {
        const int root = key_of(roots[bar % 4]);
        // Sixteenths of synth bass, with an octave flick.
        for (int i = 0; i < 16; ++i)
            if (i % 4 != 0)
                s.notes.push_back(Note{1, SynthBass, root + (i % 4 == 2 ? 12 : 0), i % 4 == 2 ? 100 : 80, bar * 4 + i * 0.25, 0.2});
        // A little arpeggio on the square lead.
        const int arp[] = {24, 31, 36, 31, 27, 31, 36, 39};
        for (int i = 0; i < 8; ++i)
            s.notes.push_back(Note{2, SquareLead, root + arp[i] + (root % 12 == 0 ? 0 : 0), 64, bar * 4 + i * 0.5 + 0.25, 0.2});
    }
    drums(s, Kick, 115, r.bars, 4, {0, 1, 2, 3});
    drums(s, Clap, 84, r.bars, 4, {1, 3});
    drums(s, OpenHat, 72, r.bars, 4, {0.5, 1.5, 2.5, 3.5});
    drums(s, Shaker, 50, r.bars, 4, {0.25, 0.75, 1.25, 1.75, 2.25, 2.75, 3.25, 3.75});
    return render_loop(s, r.bars * r.beats_per_bar);
}

Sound oompah(const Rhythm& r)
{
    Score s;
    s.bpm = r.bpm;
    s.mix = {{1, 110, 64, 35, 0}, {2, 95, 48, 45, 0}, {3, 85, 80, 45, 0}, {kDrums, 100, 64, 35, 0}};
    // The brass band: tuba "umm" on one, trombones "pa" on two.
    const char* roots[] = {"C2", "G1", "C2", "G1", "F1", "C2", "G1", "C2"};
    for (int bar = 0; bar < r.bars; ++bar) {
        const int root = key_of(roots[bar % 8]);
        const bool dom = root % 12 == 7;
        s.notes.push_back(Note{1, Tuba, root, 104, bar * 2.0, 0.7});
        s.notes.push_back(Note{1, Tuba, root + 7 - (dom ? 12 : 0), 90, bar * 2 + 1.0, 0.45});
        for (int k : triad(dom))
            s.notes.push_back(Note{2, Trombone, root + 12 + k, 70, bar * 2 + 1.5, 0.3});
        for (int k : triad(dom))
            s.notes.push_back(Note{3, BrassSection, root + 12 + k, 74, bar * 2 + 1.0, 0.4});
    }
    drums(s, Kick, 100, r.bars, 2, {0});
    drums(s, Crash, 44, r.bars, 2, {1});
    drums(s, Snare, 70, r.bars, 2, {1, 1.5});
    return render_loop(s, r.bars * r.beats_per_bar);
}

Sound waltz(const Rhythm& r)
{
    Score s;
    s.bpm = r.bpm;
    s.mix = {{1, 100, 64, 45, 0}, {2, 85, 50, 55, 20}, {3, 75, 80, 55, 20}, {kDrums, 70, 64, 40, 0}};
    // One-two-three: a bass note, then two soft chords.
    const char* roots[] = {"C3", "C3", "G2", "G2", "F2", "F2", "G2", "C3"};
    for (int bar = 0; bar < r.bars; ++bar) {
        const int root = key_of(roots[bar % 8]);
        const bool dom = root % 12 == 7;
        s.notes.push_back(Note{1, Strings + 1, root - 12, 96, bar * 3.0, 1.0});
        s.notes.push_back(Note{1, Piano, root, 90, bar * 3.0, 0.9});
        for (double b : {1.0, 2.0})
            for (int k : triad(dom))
                s.notes.push_back(Note{2, Piano, root + k, 68, bar * 3 + b, 0.6});
        for (int k : triad(dom))
            s.notes.push_back(Note{3, Strings, root + 12 + k, 54, bar * 3.0, 2.9});
    }
    drums(s, Ride, 44, r.bars, 3, {1, 2});
    return render_loop(s, r.bars * r.beats_per_bar);
}

using Make = Sound (*)(const Rhythm&);
constexpr Make kMakers[] = {boogie, country, disco, polka, reggae, rock, techno, oompah, waltz};

}  // namespace

// Tempos are chosen so that every loop is a whole number of samples long.
std::vector<Rhythm> all_rhythms()
{
    return {
        {"BOOGIE.WAV", "boogie", 140, 4, 4},  {"COUNTRY.WAV", "country", 112, 4, 4},
        {"DISCO.WAV", "disco", 120, 4, 4},    {"POLKA.WAV", "polka", 150, 2, 8},
        {"REGGAE.WAV", "reggae", 75, 4, 2},   {"ROCK.WAV", "rock", 126, 4, 4},
        {"TECHNO.WAV", "techno", 135, 4, 4},  {"UMCACA.WAV", "oom-pah band", 120, 2, 8},
        {"VALCIK.WAV", "waltz", 168, 3, 8},
    };
}

Sound render_rhythm(size_t index)
{
    const auto all = all_rhythms();
    return kMakers[index](all.at(index));
}

// Three rounds in a row are brought to the level together and the middle
// one kept: the limiter then holds the loop's start down exactly as its own
// end leads into it.
void normalise_loop(Sound& s)
{
    Sound three;
    three.channels = s.channels;
    for (int k = 0; k < 3; ++k)
        three.samples.insert(three.samples.end(), s.samples.begin(), s.samples.end());
    normalise(three, Level::Music);
    s.samples.assign(three.samples.begin() + long(s.samples.size()), three.samples.begin() + long(2 * s.samples.size()));
}

namespace {

void run(const std::filesystem::path& root)
{
    const auto all = all_rhythms();
    for (size_t i = 0; i < all.size(); ++i) {
        Sound s = render_rhythm(i);
        normalise_loop(s);
        write(root / kRhythmDir / all[i].file, s);
    }
}

void expect(std::vector<Expect>& out)
{
    for (const auto& r : all_rhythms()) {
        const int ms = int(r.bars * r.beats_per_bar * 60000 / r.bpm);
        Expect e;
        e.path = std::string(kRhythmDir) + r.file;
        e.kind = Expect::Kind::Wave;
        e.min_ms = ms - 1;
        e.max_ms = ms + 1;
        out.push_back(e);
    }
}

}  // namespace

}  // namespace datagen::studio

namespace datagen {

Generator gen_rhythms() { return Generator{"rhythms", studio::run, studio::expect}; }

static const Registered registered{gen_rhythms};

}  // namespace datagen
