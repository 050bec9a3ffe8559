// The album printing through a print service of the test's own: the page
// that comes out, a cancelled print, and a machine without printers.
#include "paint/album.h"
#include "paint/frm_foto_album.h"
#include "paint/frm_malovani.h"

#include "games/game_screen.h"
#include "platform/files.h"
#include "platform/private_cups.h"
#include "services/printing.h"

#include <thread>

namespace bafo {
namespace {

using test::MiniTree;

Point centre(const Rect& r)
{
    return {r.x + r.w / 2, r.y + r.h / 2};
}

struct AlbumPrinting : test::GameScreen<FrmMalovani> {
    AlbumPrinting() : GameScreen(&MiniTree::add_painting) {}
    void SetUp() override
    {
        tree.add_album();
        tree.add_print_panel();
        GameScreen::SetUp();
        fake.real_printing = true;
        // A painting in frame 3 with something on every edge, so the sheet shows where it lies.
        painting = test::pattern(640, 480, 77);
        painting.fill({0, 0, 640, 8}, 0x2F7DF6);
        painting.fill({0, 472, 640, 8}, 0xFF3B30);
        ASSERT_TRUE(Album::store(3, painting));
    }
    void click(Point p)
    {
        t = std::max(t, fake.now_ms());
        fake.click(t += 20, p.x, p.y);
        run_to(t += 20);
    }
    // Frame 3, print, and the panel's answer (scripted first: the panel waits for it).
    void print_frame_3(const Rect& answer, bool then_escape = false)
    {
        click(centre(FrmMalovani::kIconAreas[13]));
        click(centre(FrmFotoAlbum::slot_area(3)));
        const Point a = centre(answer);
        fake.click(t + 400, a.x, a.y);
        if (then_escape)
            fake.key(t + 700, 27);
        click(centre(FrmFotoAlbum::kIcons[3]));
        run_to(t += 800);
    }
    Surface painting;
};

TEST_F(AlbumPrinting, FrameThreeComesOutCentredAtSevenAndAThirdBySixAndAHalfInches)
{
    test::PrivateCups cups({{"kitchen", "A4"}}, "kitchen");
    print_frame_3(kPrintYes);
    ASSERT_TRUE(cups.wait_for_output("kitchen")) << cups.error_log();
    const std::string pdf = cups.output_path("kitchen");
    const test::PdfInfo info = test::pdf_info(pdf);
    EXPECT_EQ(info.pages, 1);
    EXPECT_GT(info.width_pt, info.height_pt) << "the album prints landscape";

    const int dpi = 96;
    const Surface sheet = test::render_pdf(pdf, dpi);
    ASSERT_FALSE(sheet.empty());
    int left = sheet.width(), top = sheet.height(), right = -1, bottom = -1;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if ((sheet.pixel(x, y) & kRgbMask) != 0xFFFFFF) {
                left = std::min(left, x), right = std::max(right, x + 1);
                top = std::min(top, y), bottom = std::max(bottom, y + 1);
            }
    const double w = 640 * 11 * 1.5 / 1440 * dpi, h = 5.5 * dpi;
    EXPECT_NEAR(right - left, w, 1.5) << "7.33 inches wide";
    EXPECT_NEAR(bottom - top, h, 1.5) << "5.5 inches high";
    EXPECT_NEAR(left, (sheet.width() - w) / 2, 1.5) << "centred across";
    EXPECT_NEAR(top, (sheet.height() - h) / 2, 1.5) << "centred down";

    // The content, compared at a coarse grid where the print's smoothing does not matter.
    Surface printed(64, 48), stored(64, 48);
    printed.stretch(sheet, {left, top, right - left, bottom - top}, printed.rect());
    stored.stretch(painting, painting.rect(), stored.rect());
    int worst = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            for (int shift : {0, 8, 16})
                worst = std::max(worst, std::abs(int((printed.pixel(x, y) >> shift) & 0xFF) -
                                                 int((stored.pixel(x, y) >> shift) & 0xFF)));
    EXPECT_LE(worst, 12) << "the printed picture is not the stored painting";
}

TEST_F(AlbumPrinting, CancelSendsNothingAndWithoutAServiceThePanelSaysThereIsNoPrinter)
{
    {
        test::PrivateCups cups({{"kitchen", "A4"}}, "kitchen");
        print_frame_3(kPrintNo);
        EXPECT_TRUE(fake.printed.empty());
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_FALSE(file_exists(cups.output_path("kitchen"))) << "a cancelled print came out";
        click(centre(FrmFotoAlbum::kIcons[0]));
    }
    test::TempDir nobody;
    test::CupsServerScope none(nobody.path() + "/cups.sock");
    Surface panel;
    fake.probe_at(t + 300);
    fake.on_idle = [&](FakePlatform& f) {
        if (panel.empty() && f.now_ms() >= t + 300)
            panel = f.last_frame.crop(kPrintPanel);
    };
    print_frame_3(kPrintYes, true);  // no print button: only Escape ends the panel
    fake.on_idle = nullptr;
    EXPECT_TRUE(fake.printed.empty());
    ASSERT_FALSE(panel.empty());
    EXPECT_TRUE(test::region_is(panel, 160, 24, tree.bitmap("TISK/ZADNA.BMP"))) << "no picture saying no printer";
}

}  // namespace
}  // namespace bafo
