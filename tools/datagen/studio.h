// The music studio: what its background, its dances and its rhythms share.
// The dance clips play in a box on the studio's stage; every dance starts and
// ends with Bafo standing exactly as the background shows him there, so a
// dance appears and disappears without a jump.
#pragma once

#include "art.h"
#include "audio.h"

#include <filesystem>
#include <string>
#include <vector>

namespace datagen::studio {

inline constexpr const char* kDir = "BAFO_CS/MUSIC/";
inline constexpr const char* kDanceDir = "BAFO_CS/MUSIC/TANCE/";
inline constexpr const char* kDanceScriptDir = "BAFO_CS\\MUSIC\\TANCE\\";
inline constexpr const char* kRhythmDir = "BAFO_CS/MUSIC/RYTMY/";

inline constexpr int kW = 800, kH = 600;

// The dance box on the screen: the clip scripts give it, the background
// leaves it for Bafo's stage.
inline constexpr int kBoxX = 264, kBoxY = 196, kBoxW = 272, kBoxH = 312;

inline constexpr int kDances = 24;

// The studio without Bafo on its stage; the dance frames paint him over
// the box cut out of it.
art::Canvas paint_empty_studio();

// Bafo standing on the stage as the background shows him, in box coordinates.
art::Bafo resting_bafo();

// ---------------------------------------------------------------- dances

// One dance: its distinct drawings and the order they play in. Frame 0 of
// every dance is Bafo at rest.
struct Dance {
    std::string name;  // what he does, for logs and test messages
    int frames = 0;
    struct Entry {
        int frame;
        int ms;
    };
    std::vector<Entry> plays;  // after the first flash; starts and ends at rest
};

std::vector<Dance> all_dances();

// Paints drawing `frame` of dance `index` (0-based) over the empty box.
void paint_dance_frame(art::Canvas& box, const art::Canvas& empty_box, int index, int frame);

// BAFOn.DAT as the studio reads it (CRLF lines).
std::string dance_script(int n, const Dance& d);

// The decoded first frame of the dances (the codec's look of Bafo at rest),
// as the background carries it in the box.
art::Canvas encoded_rest_box(const art::Canvas& empty_box);

// ---------------------------------------------------------------- rhythms

struct Rhythm {
    const char* file;  // under kRhythmDir
    const char* style;
    double bpm;
    int beats_per_bar;
    int bars;
};

std::vector<Rhythm> all_rhythms();

// The loop of one rhythm, exactly bars x beats long, not yet normalised.
audio::Sound render_rhythm(size_t index);

// Brings a loop to the music level; the limiter sees the loop as repeating,
// so its end still flows into its start.
void normalise_loop(audio::Sound& s);

}  // namespace datagen::studio
