// The pictures of the picture games: six themed sets of ten scenes, each with
// the small copy the picture chooser shows.
#include "datagen.h"
#include "pictures_kit.h"

#include <atomic>
#include <cmath>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace datagen {

namespace pics {

namespace {

using Painter = void (*)(Canvas&, int);
constexpr Painter kPainters[kSets] = {paint_farm, paint_vehicles, paint_seasons,
                                      paint_sea,  paint_space,    paint_toys};

std::string name(int i) { return "POZADI" + std::to_string(i) + ".BMP"; }

void run(const std::filesystem::path& root)
{
    // The sixty pictures are independent; two workers keep both cores busy.
    std::atomic<int> next{0};
    std::exception_ptr failure;
    std::mutex lock;
    auto worker = [&] {
        for (int k = next++; k < kSets * kPerSet; k = next++) {
            try {
                write_picture(root, k / kPerSet + 1, k % kPerSet + 1);
            } catch (...) {
                std::lock_guard<std::mutex> l(lock);
                if (!failure)
                    failure = std::current_exception();
            }
        }
    };
    std::thread a(worker), b(worker);
    a.join();
    b.join();
    if (failure)
        std::rethrow_exception(failure);
}

void expect(std::vector<Expect>& out)
{
    for (int n = 1; n <= kSets; ++n)
        for (int i = 1; i <= kPerSet; ++i) {
            const std::string set = std::to_string(n) + "/";
            out.push_back(Expect{"BAFO_CS/ANIM/" + set + name(i), Expect::Kind::Bitmap, kW, kH});
            out.push_back(Expect{"BAFO_CS/ALBUM/" + set + name(i), Expect::Kind::Bitmap, kThumbW, kThumbH});
        }
}

}  // namespace

void write_picture(const std::filesystem::path& root, int set, int i)
{
    if (set < 1 || set > kSets || i < 1 || i > kPerSet)
        throw std::out_of_range("no picture " + std::to_string(i) + " in set " + std::to_string(set));
    Canvas c(kW, kH);
    kPainters[set - 1](c, i);
    const std::string dir = std::to_string(set);
    // 256 colours: the games cut these up themselves, so no other file has to
    // meet them pixel for pixel, and they are most of what the tree weighs.
    const std::vector<uint32_t> shown = write_bmp_reduced(root / "BAFO_CS" / "ANIM" / dir / name(i), kW, kH, c.pixels());
    // The thumbnail shows the picture as written.
    uint32_t* d = c.data();
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            d[size_t(y) * size_t(c.stride_words()) + size_t(x)] = 0xFF000000u | shown[size_t(y) * size_t(kW) + size_t(x)];
    c.mark_dirty();
    // Area-averaged: point sampling would drop the thin outlines and grass blades.
    shrink_area(c, kThumbW, kThumbH).save_bmp(root / "BAFO_CS" / "ALBUM" / dir / name(i));
}

}  // namespace pics

namespace {
Generator gen_pictures() { return Generator{"pictures", pics::run, pics::expect}; }
}  // namespace

static const Registered registered{gen_pictures};

}  // namespace datagen
