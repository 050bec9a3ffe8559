// Shared test fixtures: temporary directories, a small data tree of plain
// bitmaps and tone waves, and a program run on the fake platform.
#pragma once

#include "platform/fake/fake_platform.h"
#include "platform/surface.h"

#include <string>

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

// The menu's and start screen's files, each picture distinct, under dir/BAFO_CS,
// and BAFO.INI naming dir. Voices and tunes are tones of known lengths.
struct MiniTree {
    TempDir dir;
    std::string ini;
    static constexpr uint32_t kTuneMs = 6000, kGreetingMs = 3000, kQuestionMs = 2000, kFanfareMs = 2500;
    static constexpr uint32_t kTuneHz = 440, kGreetingHz = 1000, kQuestionHz = 1500, kClickHz = 3000;
    MiniTree();
    std::string data(const std::string& rel) const;  // dir/BAFO_CS/...
    Surface bitmap(const std::string& rel) const;    // loaded from the tree
};

// Runs the whole program on `fake` with BAFO_INI pointing at `ini`.
int run_on_fake(FakePlatform& fake, const std::string& ini, bool window = true);

}  // namespace bafo::test
