// Shared test fixtures: temporary directories, a small data tree of plain
// bitmaps and tone waves, and a program run on the fake platform.
#pragma once

#include "platform/fake/fake_platform.h"
#include "menus/frm_select.h"
#include "platform/files.h"
#include "platform/surface.h"
#include "ui/app.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bafo::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return m_path; }
    std::string operator/(const std::string& rel) const;

private:
    std::string m_path;
};

// A 16-bit mono wave of a sine tone (0 Hz = silence) lasting `ms`.
void write_tone(const std::string& path, uint32_t ms, double hz, int rate = 22050);
void write_file(const std::string& path, const std::string& bytes);
void write_bitmap(const std::string& path, const Surface& s);
// A surface whose every pixel differs from its neighbours: copies show exactly.
Surface pattern(int w, int h, uint32_t seed);

// Kills a writer with SIGKILL at random moments. Each round forks a child that
// runs store(round); the parent kills it after a pause drawn either from 0 to
// 3 × one_store_us or, in a random half of the rounds, on a logarithmic scale
// up to one_store_us from the moment a temporary appears in `folder` (so that
// kills land in writes however fast the disk); it waits for the child and calls
// after_kill(round), which checks the files and says whether a temporary was
// left on disk (and removes it).
// At least min_rounds rounds, and on until min_cut kills landed during a
// write (at most max_rounds); stops at a fatal test failure. Prints the seed.
struct KillFigures {
    int rounds = 0;
    int cut = 0;  // kills that left a temporary on disk
};
KillFigures kill_while_storing(uint32_t seed, long long one_store_us, const std::string& folder,
                               const std::function<void(int round)>& store,
                               const std::function<bool(int round)>& after_kill, int min_rounds = 50,
                               int min_cut = 5, int max_rounds = 1000);
// Whether `path` + ".tmp" was there; it is removed.
bool take_temporary(const std::string& path);

// The menu's and start screen's files, each picture distinct, under dir/BAFO_CS,
// and BAFO.INI naming dir. Voices and tunes are tones of known lengths.
struct MiniTree {
    TempDir dir;
    std::string ini;
    static constexpr uint32_t kTuneMs = 6000, kGreetingMs = 3000, kQuestionMs = 2000, kFanfareMs = 2500;
    static constexpr uint32_t kTuneHz = 440, kGreetingHz = 1000, kQuestionHz = 1500, kClickHz = 3000;
    MiniTree();
    // The choosers' screens and thumbnails of every set, photographs and drawings.
    void add_choosers();
    // The fifteen puzzle's screen, picture 1 of set 1 (pattern 240) and its win sequence of two clips.
    void add_fifteen();
    void add_game_frame(const std::string& dir, const std::string& voice, uint32_t seed);
    // The jigsaw's screen (its picture and clips are the fifteen puzzle's: call add_fifteen too).
    void add_puzzle();
    // The falling-blocks screen (its picture and clips are the fifteen puzzle's too).
    void add_tetris();
    // The cubes' screen with its five pointers, and the ten pictures of set 1 for their faces.
    void add_kostky();
    // The mosaic's screen.
    void add_colorize();
    // The memory game's screen, the card back and four sets of `pictures` faces each.
    static constexpr int kCardW = 118, kCardH = 116;
    void add_pexeso(int pictures = 14);
    // The colouring book: a palette of 32 flat colours (swatch 3 the paper,
    // 0xFFFFF0), icons whose colour spots are small closed boxes, and page
    // OMALKY/1/1.BMP: a white sheet with a black ring around (320, 240).
    void add_painting();
    static uint32_t swatch_colour(int i);
    // The music studio: background, buttons, the ten instruments' highlights,
    // the nine rhythms and 24 dance scripts of one clip (kDanceRect, three frames of 100 ms).
    static constexpr Rect kDanceRect{300, 120, 64, 48};
    static constexpr uint32_t kRhythmMs = 800;
    void add_studio();
    // The jukebox's pictures (panel and mouth strip as the colouring book's) and
    // its six voices, each a tone of kQuestionMs.
    void add_jukebox();
    // The album's page, lit icons and voices (the question panel is the colouring book's).
    void add_album();
    // The printer panel: a card with magenta corners, its buttons and the no-printer picture.
    void add_print_panel();
    // The dress-up: background, the undressed Bafo (kBafoW × kBafoH), ten
    // garments of each kind (dress_size(kind), a pattern of its own inside a
    // magenta margin of 3 with a magenta hole of 6 × 6 at (8, 8)), the print
    // picture, the lit icons, a four-frame mouth strip, the help voice, and
    // the five funny clips: one clip of three 100 ms frames at kClipArea[i].
    static constexpr int kBafoW = 200, kBafoH = 290;
    static Point dress_size(int kind);
    static Surface garment(int kind, int item);
    static constexpr Rect kClipArea[5] = {
        {500, 300, 64, 48}, {460, 250, 64, 48}, {570, 170, 64, 48}, {280, 90, 64, 48}, {440, 60, 64, 48}};
    static constexpr uint32_t kHelpMs = 2000;
    void add_dress();
    std::string data(const std::string& rel) const;  // dir/BAFO_CS/...
    Surface bitmap(const std::string& rel) const;    // loaded from the tree
};

// Runs the whole program on `fake` with BAFO_INI pointing at `ini`.
int run_on_fake(FakePlatform& fake, const std::string& ini, bool window = true);

bool region_is(const Surface& frame, int x, int y, const Surface& pic);

// Runs the program with a script, taking a copy of the screen at given times.
struct ProgramRun {
    MiniTree tree;
    FakePlatform fake;
    std::map<uint32_t, Surface> shots;
    std::map<uint32_t, int> hovered;
    int code = -1;

    void shot_at(uint32_t t)
    {
        shots[t];
        fake.probe_at(t);
    }
    void hovered_at(uint32_t t)
    {
        hovered[t] = -1;
        fake.probe_at(t);
    }
    void run(bool window = true)
    {
        auto inner = fake.on_idle;  // a test's own probes
        fake.on_idle = [this, inner](FakePlatform& f) {
            if (inner)
                inner(f);
            for (auto& [t, s] : shots)
                if (s.empty() && f.now_ms() >= t)
                    s = ui::App::get().frame();
            for (auto& [t, h] : hovered)
                if (h == -1 && f.now_ms() >= t)
                    if (auto* m = ui::App::get().find<FrmSelect>())
                        h = m->hovered();
        };
        code = test::run_on_fake(fake, tree.ini, window);
    }
    std::vector<std::string> heard(bool channel = true) const
    {
        std::vector<std::string> out;
        for (auto& p : fake.played)
            if (p.channel == channel)
                out.push_back(file_name_of(p.path));
        return out;
    }
    const FakePlatform::Played* first(const std::string& name) const
    {
        for (auto& p : fake.played)
            if (file_name_of(p.path) == name)
                return &p;
        return nullptr;
    }
    // Welcome at 0, click at 100, intro of 18 × 250 ms, greeting of 3 s: ready by 8000.
    static constexpr uint32_t kReady = 8000;
    void to_menu() { fake.click(100, 400, 300); }
    void leave(uint32_t at)
    {
        fake.click(at, 373, 303);                                      // the mascot
        fake.click(at + 3000, 170 + 50, 175 + 30);                      // yes
        fake.click(at + 4000, 400, 300);                                // the farewell picture
    }
};


}  // namespace bafo::test
