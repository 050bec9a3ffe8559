// The pictures of the picture games, checked the way the games use them: cut
// into cells a child must place, shown as cube faces beside the other pictures
// of the set, and shrunk for the chooser.
#include "check.h"
#include "datagen.h"
#include "pictures_kit.h"

#include "image_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using namespace datagen_test;

constexpr int kW = 640, kH = 480, kThumbW = 168, kThumbH = 125;

int channel(uint32_t c, int k) { return int((c >> (16 - 8 * k)) & 0xFF); }

double luma(uint32_t c) { return 0.299 * channel(c, 0) + 0.587 * channel(c, 1) + 0.114 * channel(c, 2); }

std::string name(int set, int i) { return std::to_string(set) + "/POZADI" + std::to_string(i) + ".BMP"; }

class PicturesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = new fs::path(fs::temp_directory_path() / ("bafo_pictures_test_" + std::to_string(getpid())));
        fs::remove_all(*root_);
        for (auto& g : datagen::all_generators())
            if (g.name == "pictures")
                g.run(*root_);
        pictures_ = new std::vector<Image>;
        for (int n = 1; n <= 6; ++n)
            for (int i = 1; i <= 10; ++i)
                pictures_->push_back(load_bmp(*root_ / "BAFO_CS" / "ANIM" / name(n, i)));
    }
    static void TearDownTestSuite()
    {
        fs::remove_all(*root_);
        delete root_;
        delete pictures_;
        root_ = nullptr;
        pictures_ = nullptr;
    }
    static const Image& picture(int set, int i) { return (*pictures_)[size_t((set - 1) * 10 + i - 1)]; }

    static fs::path* root_;
    static std::vector<Image>* pictures_;
};

fs::path* PicturesTest::root_ = nullptr;
std::vector<Image>* PicturesTest::pictures_ = nullptr;

TEST_F(PicturesTest, EveryPictureAndThumbnailIsThereWithItsSize)
{
    std::vector<datagen::Expect> all;
    for (auto& g : datagen::all_generators())
        if (g.name == "pictures")
            g.expect(all);
    ASSERT_EQ(all.size(), 120u) << "six sets of ten pictures, each with its thumbnail";
    std::set<std::string> paths;
    for (const auto& e : all) {
        paths.insert(e.path);
        const bool thumb = e.path.rfind("BAFO_CS/ALBUM/", 0) == 0;
        EXPECT_EQ(e.width, thumb ? kThumbW : kW) << e.path;
        EXPECT_EQ(e.height, thumb ? kThumbH : kH) << e.path;
    }
    EXPECT_EQ(paths.size(), all.size()) << "a path is listed twice";
    for (int n = 1; n <= 6; ++n)
        for (int i = 1; i <= 10; ++i) {
            EXPECT_TRUE(paths.count("BAFO_CS/ANIM/" + name(n, i))) << name(n, i);
            EXPECT_TRUE(paths.count("BAFO_CS/ALBUM/" + name(n, i))) << name(n, i);
        }
    for (const auto& problem : datagen::check_tree(*root_, all))
        ADD_FAILURE() << problem;
}

// The puzzles cut a picture into cells of 40 to 128 pixels; a cell showing a
// bare gradient cannot be placed. Every 64 x 64 cell must hold some drawn
// line: neighbouring pixels whose brightness differs clearly.
TEST_F(PicturesTest, NoCellOfAPictureIsBlank)
{
    const int cell = 64;
    std::vector<int> rows;
    for (int y = 0; y + cell <= kH; y += cell)
        rows.push_back(y);
    rows.push_back(kH - cell);  // the bottom strip the grid above leaves over
    for (int n = 1; n <= 6; ++n)
        for (int i = 1; i <= 10; ++i) {
            const Image& img = picture(n, i);
            ASSERT_EQ(img.w, kW) << name(n, i);
            for (int y0 : rows)
                for (int x0 = 0; x0 + cell <= kW; x0 += cell) {
                    int edges = 0;
                    for (int y = y0; y + 1 < y0 + cell; ++y)
                        for (int x = x0; x + 1 < x0 + cell; ++x) {
                            const double l = luma(img.at(x, y));
                            if (std::fabs(l - luma(img.at(x + 1, y))) > 20 || std::fabs(l - luma(img.at(x, y + 1))) > 20)
                                ++edges;
                        }
                    EXPECT_GE(edges, 25) << name(n, i) << ": cell at (" << x0 << ", " << y0 << ") shows next to nothing ("
                                         << edges << " edge pixels)";
                }
        }
}

// The cubes game shows the other pictures of the set on the other faces.
TEST_F(PicturesTest, PicturesOfASetDifferClearly)
{
    for (int n = 1; n <= 6; ++n)
        for (int a = 1; a <= 10; ++a)
            for (int b = a + 1; b <= 10; ++b) {
                const Image& A = picture(n, a);
                const Image& B = picture(n, b);
                ASSERT_EQ(A.px.size(), B.px.size());
                double diff = 0;
                for (size_t k = 0; k < A.px.size(); ++k)
                    for (int ch = 0; ch < 3; ++ch)
                        diff += std::abs(channel(A.px[k], ch) - channel(B.px[k], ch));
                diff /= double(A.px.size()) * 3;
                EXPECT_GT(diff, 25) << name(n, a) << " and " << name(n, b) << " look alike (mean difference "
                                    << diff << ")";
            }
}

// Each thumbnail pixel must be the mean of the picture area it covers; a
// point-sampled copy would lose the thin lines and differ here.
TEST_F(PicturesTest, ThumbnailIsTheAreaAverageOfItsPicture)
{
    // Exact overlap in integer units: source pixel x spans [x*168, (x+1)*168),
    // thumbnail pixel t spans [t*640, (t+1)*640).
    auto overlap = [](long a0, long a1, long b0, long b1) { return std::max(0L, std::min(a1, b1) - std::max(a0, b0)); };
    const int samples[][2] = {{0, 0}, {167, 124}, {84, 62}, {13, 101}, {150, 7}, {60, 40}, {111, 90}, {33, 77}};
    for (int n = 1; n <= 6; ++n)
        for (int i : {1, 5, 10}) {
            const Image& big = picture(n, i);
            const Image thumb = load_bmp(*root_ / "BAFO_CS" / "ALBUM" / name(n, i));
            ASSERT_EQ(thumb.w, kThumbW) << name(n, i);
            ASSERT_EQ(thumb.h, kThumbH) << name(n, i);
            for (auto& s : samples) {
                const int tx = s[0], ty = s[1];
                double sum[3] = {0, 0, 0}, area = 0;
                for (int y = ty * kH / kThumbH; y <= std::min(kH - 1, (ty + 1) * kH / kThumbH); ++y)
                    for (int x = tx * kW / kThumbW; x <= std::min(kW - 1, (tx + 1) * kW / kThumbW); ++x) {
                        const double w = double(overlap(long(x) * kThumbW, long(x + 1) * kThumbW, long(tx) * kW,
                                                        long(tx + 1) * kW)) *
                                         double(overlap(long(y) * kThumbH, long(y + 1) * kThumbH, long(ty) * kH,
                                                        long(ty + 1) * kH));
                        for (int ch = 0; ch < 3; ++ch)
                            sum[ch] += w * channel(big.at(x, y), ch);
                        area += w;
                    }
                for (int ch = 0; ch < 3; ++ch) {
                    const double want = sum[ch] / area;
                    EXPECT_NEAR(channel(thumb.at(tx, ty), ch), want, 1.0)
                        << name(n, i) << " thumbnail pixel (" << tx << ", " << ty << ") channel " << ch;
                }
            }
        }
}

TEST_F(PicturesTest, TwoRunsWriteTheSameBytes)
{
    const fs::path again = fs::temp_directory_path() / ("bafo_pictures_again_" + std::to_string(getpid()));
    fs::remove_all(again);
    for (int i = 1; i <= 10; ++i)
        datagen::pics::write_picture(again, 4, i);
    for (const char* dir : {"ANIM", "ALBUM"})
        for (int i = 1; i <= 10; ++i) {
            const fs::path rel = fs::path("BAFO_CS") / dir / name(4, i);
            EXPECT_TRUE(slurp(*root_ / rel) == slurp(again / rel)) << rel << " changed between runs";
        }
    fs::remove_all(again);
}

}  // namespace
