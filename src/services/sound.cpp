#include "services/sound.h"

#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "ui/app.h"

#include <random>

namespace bafo {

ClipStore klip_zdroj;

namespace {
constexpr uint64_t kFirstSeed = 12345;

std::mt19937_64& generator()
{
    static std::mt19937_64 g(kFirstSeed);
    return g;
}

// splitmix64's finaliser: neighbouring clock values give unrelated seeds.
uint64_t mix(uint64_t v)
{
    v += 0x9E3779B97F4A7C15ull;
    v = (v ^ (v >> 30)) * 0xBF58476D1CE4E5B9ull;
    v = (v ^ (v >> 27)) * 0x94D049BB133111EBull;
    return v ^ (v >> 31);
}
}  // namespace

void randomize()
{
    // The clock is mixed into what the generator has reached: two reseeds in
    // the same millisecond still go on to different numbers.
    auto& g = generator();
    g.seed(g() ^ mix(platform().now_ms()));
}

void reset_random()
{
    generator().seed(kFirstSeed);
}

double rnd()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator());
}

int random_1_to(int n)
{
    int k = int(n * rnd()) + 1;
    return k > n ? n : k;
}

void prehraj_zvuk(const std::string& path)
{
    trace("sound " + path);
    platform().sound_stop();
    platform().sound_play(path);
}

void zvuk_kliknuti()
{
    std::string own = join_path(cesta_hry, "\\CLICK.WAV");
    prehraj_zvuk(soubor_existuje(own) ? own : join_path(cesta_dat, "\\BAFO_CS\\SELECT\\FANF\\CLICK.WAV"));
}

void prehraj_fanfaru()
{
    randomize();
    int n = int(rnd() * 5 + 1);
    prehraj_zvuk(join_path(cesta_dat, "\\BAFO_CS\\SELECT\\FANF\\FANF" + std::to_string(n) + ".WAV"));
    auto& app = ui::App::get();
    while (platform().sound_playing() && !app.quitting())
        app.sleep_until(app.now() + 10);
}

void cekej(uint32_t ms)
{
    auto& app = ui::App::get();
    app.wait_dispatch(app.now() + ms);
}

void hraj_wave(const std::string& path, bool loop)
{
    trace("wave " + path);
    platform().wave_play(path, loop);
}

void zastav_wave()
{
    platform().wave_stop();
}

bool ClipStore::load(const std::string& path, int cols)
{
    columns = cols;
    return load_bitmap(path, strip) == kBitmapOk;
}

Surface ClipStore::cell(int n) const
{
    int w = cell_width();
    return strip.crop({n * w, 0, w, strip.height()});
}

void animuj_mluveni(ui::Layers& target, int x, int y, const ClipStore& strip, ui::PictureBox* work,
                    const std::string& wave)
{
    auto& app = ui::App::get();
    randomize();
    prehraj_zvuk(wave);
    Surface frame0 = strip.cell(0);
    if (work)
        work->set_picture(frame0);
    const Rect face{x, y, frame0.width(), frame0.height()};
    const Surface saved = target.image.crop(face);
    int last = 0;
    while (platform().sound_playing() && !app.quitting()) {
        int n = 0;
        // One column has no other frame to pick: it stays on frame 0.
        if (strip.columns >= 2)
            do
                n = int(strip.columns * rnd());
            while (n == last);
        Surface f = strip.cell(n);
        if (work)
            work->set_picture(f);
        target.draw_both(f, x, y);
        last = n;
        app.sleep_until(app.now() + 100);
        if (platform().mouse_button_waiting()) {
            platform().sound_stop();
            break;
        }
    }
    target.draw_both(saved, x, y);
}

}  // namespace bafo
