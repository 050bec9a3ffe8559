// The album on the fake platform, opened from the colouring book: storing,
// asking, opening, printing, and what a failed or cut-off write leaves.
#include "paint/album.h"
#include "paint/frm_foto_album.h"
#include "paint/frm_malovani.h"

#include "games/game_screen.h"
#include "platform/bitmap_file.h"
#include "platform/files.h"
#include "services/printing.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace bafo {
namespace {

namespace fs = std::filesystem;
using test::MiniTree;

Point centre(const Rect& r)
{
    return {r.x + r.w / 2, r.y + r.h / 2};
}

// The family's pictures directory inside the test's own tree.
struct PicturesHere {
    explicit PicturesHere(const std::string& root, const std::string& pictures_dir = "")
        : pictures(pictures_dir.empty() ? root + "/Pictures" : pictures_dir)
    {
        for (const char* v : {"XDG_CONFIG_HOME", "HOME"})
            if (const char* was = std::getenv(v))
                saved.emplace_back(v, was);
        write_file_atomic(root + "/user-dirs.dirs", "XDG_PICTURES_DIR=\"" + pictures + "\"\n");
        setenv("XDG_CONFIG_HOME", root.c_str(), 1);
        setenv("HOME", root.c_str(), 1);
    }
    ~PicturesHere()
    {
        unsetenv("XDG_CONFIG_HOME");
        for (const auto& [k, v] : saved)
            setenv(k.c_str(), v.c_str(), 1);
    }
    std::string pictures;
    std::vector<std::pair<std::string, std::string>> saved;
};

struct AlbumScreen : test::GameScreen<FrmMalovani> {
    AlbumScreen() : GameScreen(&MiniTree::add_painting) {}
    void SetUp() override
    {
        vybrany_obrazek.clear();
        tree.add_album();
        tree.add_print_panel();
        GameScreen::SetUp();
        ui::App::get().unload(*g);
        vybrany_obrazek = tree.data("OMALKY/1/1.BMP");
        g = &ui::App::get().form<FrmMalovani>();
        ui::App::get().show(*g);
        run_to(t += 10);
    }
    void click(Point p)
    {
        t = std::max(t, fake.now_ms());  // Bafo's voice ran the clock on
        fake.click(t += 20, p.x, p.y);
        run_to(t += 20);
    }
    // A fill of the ring on the easel in swatch i: the painting to store.
    void paint_ring(int swatch)
    {
        click(centre(FrmMalovani::kIconAreas[4]));
        click(centre(FrmMalovani::swatch(swatch)));
        click({80 + 320, 240});
    }
    FrmFotoAlbum* album() { return ui::App::get().find<FrmFotoAlbum>(); }
    FrmFotoAlbum& open_album()
    {
        click(centre(FrmMalovani::kIconAreas[13]));
        EXPECT_NE(album(), nullptr) << "the album icon opened nothing";
        return *album();
    }
    void slot(int i) { click(centre(FrmFotoAlbum::slot_area(i))); }
    void icon(int i) { click(centre(FrmFotoAlbum::kIcons[i])); }
    void answer(bool yes)
    {
        const Point b = centre(yes ? FrmFotoAlbum::kYes : FrmFotoAlbum::kNo);
        click({FrmFotoAlbum::kPanel.x + b.x, FrmFotoAlbum::kPanel.y + b.y});
    }
    std::vector<std::string> voices_since(size_t from) const
    {
        std::vector<std::string> v;
        for (size_t i = from; i < fake.played.size(); ++i)
            if (fake.played[i].path.find("REC") != std::string::npos)
                v.push_back(file_name_of(fake.played[i].path));
        return v;
    }
    std::string bytes(const std::string& path) const { return read_file(path).value_or("<missing>"); }
    Surface thumbnail_shown(int i) const
    {
        const Rect r = FrmFotoAlbum::slot_area(i);
        return fake.last_frame.crop({r.x + 5, r.y + 5, Album::kThumbW, Album::kThumbH});
    }
};

TEST_F(AlbumScreen, StoringAsksOnlyOverAPaintingAndNoKeepsBothFiles)
{
    PicturesHere family(tree.dir.path());
    paint_ring(9);
    const Surface first = g->model().stored();
    FrmFotoAlbum& a = open_album();
    EXPECT_FALSE(g->visible()) << "the easel stays loaded, hidden";

    size_t heard = fake.played.size();
    icon(2);
    EXPECT_EQ(voices_since(heard), std::vector<std::string>{"01.WAV"}) << "store with no frame chosen";
    EXPECT_FALSE(Album::occupied(3));

    slot(3);
    EXPECT_TRUE(a.frame_shown());
    icon(2);
    EXPECT_FALSE(a.asking()) << "an empty frame is filled without a question";
    Surface stored;
    ASSERT_TRUE(Album::load(3, stored));
    EXPECT_TRUE(stored.same_pixels(first));
    Surface thumb;
    ASSERT_EQ(load_bitmap(Album::thumbnail_path(3), thumb), kBitmapOk);
    EXPECT_TRUE(thumb.same_pixels(Album::reduce(first)));
    EXPECT_TRUE(thumbnail_shown(3).same_pixels(thumb)) << "the thumbnail is not on the page at once";
    EXPECT_TRUE(a.frame_shown());
    EXPECT_EQ(a.frame_rect().x, FrmFotoAlbum::slot_area(3).x) << "the frame left the chosen slot";

    // The family's copy, as a PNG with the slot in its name.
    std::vector<fs::path> pngs;
    for (const auto& e : fs::directory_iterator(family.pictures + "/Bafolino"))
        pngs.push_back(e.path());
    ASSERT_EQ(pngs.size(), 1u);
    EXPECT_EQ(pngs[0].filename().string().substr(pngs[0].filename().string().size() - 6), "-3.png");
    Surface png;
    ASSERT_TRUE(decode_png(bytes(pngs[0].string()), png));
    EXPECT_TRUE(png.same_pixels(first));

    // Over a stored painting: Bafo asks; no keeps both files byte for byte.
    icon(0);
    paint_ring(12);
    const Surface second = g->model().stored();
    ASSERT_FALSE(second.same_pixels(first));
    FrmFotoAlbum& b = open_album();
    EXPECT_FALSE(b.frame_shown()) << "each visit starts with no frame chosen";
    const std::string old_painting = bytes(Album::painting_path(3)), old_thumb = bytes(Album::thumbnail_path(3));
    slot(3);
    heard = fake.played.size();
    icon(2);
    EXPECT_TRUE(b.asking());
    EXPECT_EQ(voices_since(heard), std::vector<std::string>{"02A.WAV"});
    icon(1);  // the icons sleep while he asks
    EXPECT_TRUE(b.asking());
    answer(false);
    EXPECT_FALSE(b.asking());
    EXPECT_EQ(bytes(Album::painting_path(3)), old_painting);
    EXPECT_EQ(bytes(Album::thumbnail_path(3)), old_thumb);
    icon(2);
    answer(true);
    ASSERT_TRUE(Album::load(3, stored));
    EXPECT_TRUE(stored.same_pixels(second)) << "yes did not replace the painting";
    EXPECT_TRUE(thumbnail_shown(3).same_pixels(Album::reduce(second)));
}

TEST_F(AlbumScreen, OpeningReplacesTheCanvasAndItsUndoAndEachIconSaysWhatIsMissing)
{
    PicturesHere family(tree.dir.path());
    paint_ring(9);
    const Surface ring = g->model().stored();
    open_album();
    slot(5);
    icon(2);
    icon(0);
    paint_ring(20);  // the easel now shows another painting
    open_album();

    struct Case {
        const char* what;
        int slot;  // chosen first (0: none)
        int icon;
        std::vector<std::string> voices;
        bool asks;
    } cases[] = {
        {"open with no frame", 0, 1, {"04.WAV"}, false},
        {"print with no frame", 0, 3, {"07.WAV"}, false},
        {"open an empty frame", 7, 1, {"05_2.WAV"}, false},
        {"print an empty frame", 7, 3, {"05_2.WAV"}, false},
        {"open a painting", 5, 1, {"03A.WAV"}, true},
    };
    for (const auto& c : cases) {
        if (c.slot)
            slot(c.slot);
        const size_t heard = fake.played.size();
        icon(c.icon);
        EXPECT_EQ(voices_since(heard), c.voices) << c.what;
        EXPECT_EQ(album()->asking(), c.asks) << c.what;
        EXPECT_TRUE(fake.printed.empty()) << c.what;
    }
    answer(true);
    EXPECT_EQ(album(), nullptr) << "the album stays after opening";
    EXPECT_TRUE(g->visible());
    EXPECT_TRUE(g->model().stored().same_pixels(ring));
    EXPECT_TRUE(g->model().snapshot().same_pixels(ring)) << "undo would bring back the easel's old painting";
    EXPECT_TRUE(fake.last_frame.crop(FrmMalovani::kCanvas).same_pixels(ring));
    click(centre(FrmMalovani::kIconAreas[11]));
    EXPECT_TRUE(fake.last_frame.crop(FrmMalovani::kCanvas).same_pixels(ring)) << "undo right after opening";
}

TEST_F(AlbumScreen, PrintingSendsTheStoredPaintingLandscapeAtSevenAndAThirdInches)
{
    PicturesHere family(tree.dir.path());
    fake.printer_names = {"Kitchen"};
    paint_ring(9);
    const Surface ring = g->model().stored();
    open_album();
    slot(2);
    icon(2);
    // The panel waits for the child: its answer is on the script first.
    const Point yes = centre(kPrintYes), no = centre(kPrintNo);
    fake.click(t + 500, yes.x, yes.y);
    icon(3);
    ASSERT_EQ(fake.printed.size(), 1u);
    const auto& p = fake.printed[0];
    EXPECT_TRUE(p.picture.same_pixels(ring));
    EXPECT_NEAR(p.width_in, 7.333, 0.001);
    EXPECT_NEAR(p.height_in, 5.5, 0.001);
    EXPECT_TRUE(p.landscape);
    EXPECT_EQ(p.printer, "Kitchen");
    // Cancel prints nothing and leaves the page as it was.
    run_to(t += 500);
    const Surface page = fake.last_frame;
    fake.click(t + 500, no.x, no.y);
    icon(3);
    run_to(t += 500);
    EXPECT_EQ(fake.printed.size(), 1u);
    EXPECT_TRUE(fake.last_frame.same_pixels(page));
}

TEST_F(AlbumScreen, AFailedWriteKeepsTheOldPairAndAThumbnailThatIsNotThePaintingsIsMadeAgain)
{
    PicturesHere family(tree.dir.path());
    paint_ring(9);
    open_album();
    slot(1);
    icon(2);
    icon(0);
    paint_ring(12);
    const std::string old_painting = bytes(Album::painting_path(1)), old_thumb = bytes(Album::thumbnail_path(1));

    // A directory where the temporary must go makes that write fail, even for root.
    for (const std::string& blocked : {Album::painting_path(1), Album::thumbnail_path(1)}) {
        SCOPED_TRACE(blocked);
        fs::create_directory(blocked + ".tmp");
        open_album();
        slot(1);
        icon(2);
        answer(true);
        EXPECT_EQ(bytes(Album::painting_path(1)), old_painting);
        EXPECT_EQ(bytes(Album::thumbnail_path(1)), old_thumb);
        Surface kept;
        ASSERT_TRUE(Album::load(1, kept));
        EXPECT_TRUE(thumbnail_shown(1).same_pixels(Album::reduce(kept))) << "the page shows what the files hold";
        fs::remove(blocked + ".tmp");
        icon(0);
    }

    // A thumbnail missing, or left from an older painting: the page shows the painting reduced.
    Surface painting;
    ASSERT_TRUE(Album::load(1, painting));
    for (bool missing : {true, false}) {
        SCOPED_TRACE(missing ? "missing thumbnail" : "a thumbnail of another painting");
        if (missing)
            delete_file(Album::thumbnail_path(1));
        else
            save_bitmap(Album::thumbnail_path(1), test::pattern(Album::kThumbW, Album::kThumbH, 5));
        open_album();
        EXPECT_TRUE(thumbnail_shown(1).same_pixels(Album::reduce(painting)));
        icon(0);
    }
}

// The album's own store, in a process killed at random moments while it
// writes: every slot afterwards holds a whole painting and the page shows
// that painting's thumbnail, never a torn file.
TEST(AlbumFiles, AKillWhileStoringNeverLeavesATornPair)
{
    test::TempDir dir;
    cesta_hry = dir.path();
    // No family copies here (their folder cannot be made): the kills fall on the pair's writes.
    write_file_atomic(dir.path() + "/not-a-folder", "");
    PicturesHere family(dir.path(), dir.path() + "/not-a-folder/Pictures");
    std::vector<Surface> paintings;
    // Small paintings: the time goes to writing, where the kills must land.
    for (uint32_t v = 0; v < 4; ++v)
        paintings.push_back(test::pattern(64, 48, 900 + v));
    // The kills fall anywhere in the first three stores, however fast this build stores.
    const auto before = std::chrono::steady_clock::now();
    ASSERT_TRUE(Album::store(1, paintings[0]));
    const auto one_store =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - before).count();
    const auto k = test::kill_while_storing(
        20261209, one_store, dir.path(),
        [&](int round) {
            for (uint32_t i = uint32_t(round);; ++i)
                Album::store(int(i % 3) + 1, paintings[i % paintings.size()]);
        },
        [&](int round) -> bool {
            bool cut = false;
            for (int n = 1; n <= 3; ++n)
                for (const std::string& f : {Album::painting_path(n), Album::thumbnail_path(n)})
                    cut |= test::take_temporary(f);
            for (int n = 1; n <= 3; ++n) {
                SCOPED_TRACE("round " + std::to_string(round) + ", slot " + std::to_string(n));
                if (!Album::occupied(n))
                    continue;
                Surface p;
                if (!Album::load(n, p)) {
                    ADD_FAILURE() << "a torn painting";
                    continue;
                }
                bool known = false;
                for (const auto& q : paintings)
                    known |= p.same_pixels(q);
                EXPECT_TRUE(known) << "a painting that was never stored";
                EXPECT_TRUE(Album::thumbnail(n).same_pixels(Album::reduce(p)));
                Surface t;
                if (file_exists(Album::thumbnail_path(n))) {
                    EXPECT_EQ(load_bitmap(Album::thumbnail_path(n), t), kBitmapOk) << "a torn thumbnail";
                }
            }
            return cut;
        });
    EXPECT_GE(k.cut, 5) << "too few kills landed during a write: the test proves little";
    reset_globals();
}

}  // namespace
}  // namespace bafo
