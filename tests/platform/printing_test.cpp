// Printing through a private print service: the queues as it lists them, the
// page that reaches the printer (rendered back from its PDF) and the refusals.
#include "platform/printing.h"
#include "platform/private_cups.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace bafo;
using namespace bafo::test;

namespace {

std::string joined(const std::vector<std::string>& v)
{
    std::string s;
    for (const std::string& x : v)
        s += (s.empty() ? "" : ",") + x;
    return s;
}

// Blocks of `block` pixels, each a colour unlike its neighbours and never white.
Surface blocks(int w, int h, int block)
{
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int bx = x / block, by = y / block;
            s.row(y)[x] = rgb(uint8_t(20 + bx * 37 % 200), uint8_t(20 + by * 53 % 200), uint8_t((bx * 11 + by * 17) % 256));
        }
    return s;
}

std::string read_all(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// What pdfimages says of each image: "WIDTHxHEIGHT interp=yes|no".
std::vector<std::string> images_in(const std::string& path)
{
    std::string out;
    if (FILE* p = ::popen(("pdfimages -list '" + path + "' 2>/dev/null").c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        ::pclose(p);
    }
    // page num type width height color comp bpc enc interp ...
    std::vector<std::string> images;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream f(line);
        std::vector<std::string> t;
        for (std::string w; f >> w;)
            t.push_back(w);
        if (t.size() > 9 && t[2] == "image")
            images.push_back(t[3] + "x" + t[4] + " interp=" + t[9]);
    }
    return images;
}

constexpr double kA4W = 595.276, kA4H = 841.89, kLetterW = 612, kLetterH = 792;

}  // namespace

TEST(Printing, TheDefaultQueueComesFirst)
{
    struct Case {
        std::vector<std::string> queues;
        std::string default_queue;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{"alpha", "beta"}, "alpha", {"alpha", "beta"}},
        {{"alpha", "beta"}, "beta", {"beta", "alpha"}},
        {{"alpha", "beta", "gamma"}, "gamma", {"gamma", "alpha", "beta"}},
        {{"alpha", "beta", "gamma"}, "beta", {"beta", "alpha", "gamma"}},
    };
    for (const Case& c : cases) {
        std::vector<PrivateCupsQueue> queues;
        for (const std::string& q : c.queues)
            queues.push_back({q});
        PrivateCups cups(queues, c.default_queue);
        EXPECT_EQ(joined(cups_printers()), joined(c.expected))
            << "queues " << joined(c.queues) << ", default " << c.default_queue;
    }
}

TEST(Printing, ThePictureArrivesCentredAtItsSizeOnOnePage)
{
    struct Case {
        const char* what;
        std::string media;
        int w, h, block;
        double width_in, height_in;
        bool landscape;
        double page_w, page_h;        // the PDF page, points
        double shown_w_in, shown_h_in; // the picture on it, inches
    };
    const double album_w = 640 * 11 * 1.5 / 1440;  // 7.33 in
    const Case cases[] = {
        {"painting, A4", "A4", 640, 480, 8, album_w, 5.5, true, kA4H, kA4W, album_w, 5.5},
        {"painting, Letter", "Letter", 640, 480, 8, album_w, 5.5, true, kLetterH, kLetterW, album_w, 5.5},
        {"mascot, A4", "A4", 176, 264, 8, 176 / 48.0, 264 / 48.0, false, kA4W, kA4H, 176 / 48.0, 264 / 48.0},
        {"mascot, Letter", "Letter", 176, 264, 8, 176 / 48.0, 264 / 48.0, false, kLetterW, kLetterH, 176 / 48.0,
         264 / 48.0},
        // Drawn at more than four times its size: every pixel a sharp square.
        {"small, drawn large", "A4", 40, 30, 1, 2, 1.5, true, kA4H, kA4W, 2, 1.5},
        // Larger than the sheet: shrunk to its height, the shape kept.
        {"too large", "A4", 640, 480, 8, 16, 12, true, kA4H, kA4W, 16 * kA4W / 864, kA4W / 72},
    };
    PrivateCups cups({{"a4", "A4"}, {"letter", "Letter"}}, "a4");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + ": " + std::to_string(c.w) + "x" + std::to_string(c.h) + " px at " +
                     std::to_string(c.width_in) + " x " + std::to_string(c.height_in) + " in" +
                     (c.landscape ? ", landscape" : ", portrait"));
        std::string queue = c.media == "A4" ? "a4" : "letter";
        cups.clear_output(queue);
        Surface picture = blocks(c.w, c.h, c.block);
        PrintPage page{queue, &picture, c.width_in, c.height_in, c.landscape, "Picture"};
        ASSERT_EQ(cups_print(page), "") << cups.error_log();
        ASSERT_TRUE(cups.wait_for_output(queue)) << cups.error_log();
        std::string pdf = cups.output_path(queue);

        PdfInfo info = pdf_info(pdf);
        EXPECT_EQ(info.pages, 1);
        EXPECT_NEAR(info.width_pt, c.page_w, 0.5);
        EXPECT_NEAR(info.height_pt, c.page_h, 0.5);
        // The picture itself at its own pixels, never smoothed.
        EXPECT_EQ(read_all(pdf).find("/Interpolate true"), std::string::npos);
        EXPECT_EQ(joined(images_in(pdf)), std::to_string(c.w) + "x" + std::to_string(c.h) + " interp=no");

        const int dpi = 96;
        Surface sheet = render_pdf(pdf, dpi);
        ASSERT_FALSE(sheet.empty());
        double w = c.shown_w_in * dpi, h = c.shown_h_in * dpi;
        double x0 = (c.page_w * dpi / 72 - w) / 2, y0 = (c.page_h * dpi / 72 - h) / 2;
        // Where the picture landed: everything else is white paper.
        int left = sheet.width(), top = sheet.height(), right = -1, bottom = -1;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                if ((sheet.pixel(x, y) & kRgbMask) != 0xFFFFFF) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                }
        EXPECT_NEAR(left, x0, 1);
        EXPECT_NEAR(top, y0, 1);
        EXPECT_NEAR(right, x0 + w, 1);
        EXPECT_NEAR(bottom, y0 + h, 1);
        // Each sheet pixel shows the picture's pixel under it; one sheet pixel
        // either side of a block's edge may fall to the neighbour. Poppler
        // smooths pictures drawn at less than four times their size whatever
        // the PDF asks (the PDF's own flag is checked above), so there one
        // picture pixel either side of an edge blends too, and colours may be
        // one or two off.
        double kx = c.w / w, ky = c.h / h;
        double mx = 1.5 + (kx > 0.25 ? 1 / kx : 0), my = 1.5 + (ky > 0.25 ? 1 / ky : 0);
        int tolerance = kx > 0.25 ? 2 : 0;
        auto block_of = [&](double px, double origin, double k) {
            return int(std::floor((px + 0.5 - origin) * k)) / c.block;
        };
        auto near = [&](uint32_t a, uint32_t b) {
            for (int shift : {0, 8, 16})
                if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance)
                    return false;
            return true;
        };
        int wrong = 0, checked = 0;
        std::string first;
        for (int y = int(std::ceil(y0)); y < int(y0 + h); ++y)
            for (int x = int(std::ceil(x0)); x < int(x0 + w); ++x) {
                int bx = block_of(x, x0, kx), by = block_of(y, y0, ky);
                if (block_of(x - mx, x0, kx) != bx || block_of(x + mx, x0, kx) != bx ||
                    block_of(y - my, y0, ky) != by || block_of(y + my, y0, ky) != by)
                    continue;
                ++checked;
                uint32_t want = picture.pixel(bx * c.block, by * c.block) & kRgbMask;
                uint32_t got = sheet.pixel(x, y) & kRgbMask;
                if (!near(got, want) && wrong++ == 0) {
                    char buf[96];
                    std::snprintf(buf, sizeof buf, "sheet (%d, %d) is %06X, block (%d, %d) is %06X", x, y, got, bx, by,
                                  want);
                    first = buf;
                }
            }
        EXPECT_GT(checked, int(w * h / 10));
        EXPECT_EQ(wrong, 0) << "first: " << first;
    }
}

TEST(Printing, AQueueThatDoesNotPrintIsReportedInItsOwnWords)
{
    struct Case {
        const char* what;
        PrivateCupsQueue queue;
        bool device_broken;
        std::string said;  // part of the answer
    };
    const Case cases[] = {
        {"stopped", {"stopped", "A4", true, true, "Out of paper"}, false, "Out of paper"},
        {"stopped, no reason given", {"quiet", "A4", true, true, ""}, false, "stopped"},
        {"refusing jobs", {"closed", "A4", false, false, "Closed for cleaning"}, false, "accepting"},
        {"cannot write its device", {"broken"}, true, "broken"},
    };
    std::vector<PrivateCupsQueue> queues;
    for (const Case& c : cases)
        queues.push_back(c.queue);
    queues.push_back({"fine"});
    PrivateCups cups(queues, "fine");
    Surface picture = blocks(64, 48, 8);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.what) + ", queue " + c.queue.name);
        if (c.device_broken)
            std::filesystem::create_directory(cups.output_path(c.queue.name));
        PrintPage page{c.queue.name, &picture, 2, 1.5, true, "Picture"};
        auto start = std::chrono::steady_clock::now();
        std::string said = cups_print(page);
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_NE(said, "") << cups.error_log();
        EXPECT_NE(said.find(c.said), std::string::npos) << "said: " << said;
        EXPECT_LT(seconds, 3.0) << "said: " << said;
        if (!c.device_broken) {
            EXPECT_FALSE(std::filesystem::exists(cups.output_path(c.queue.name)));
        }
    }
    // The others still print.
    PrintPage page{"fine", &picture, 2, 1.5, true, "Picture"};
    EXPECT_EQ(cups_print(page), "") << cups.error_log();
    EXPECT_TRUE(cups.wait_for_output("fine"));
}

TEST(Printing, WithoutAPrintServiceThereAreNoPrinters)
{
    std::string nowhere = "/tmp/bafo-no-cups-" + std::to_string(::getpid()) + "/cups.sock";
    CupsServerScope scope(nowhere);
    auto start = std::chrono::steady_clock::now();
    std::vector<std::string> printers = cups_printers();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_TRUE(printers.empty()) << joined(printers);
    EXPECT_LT(seconds, 1.0) << "server " << nowhere;
    Surface picture = blocks(64, 48, 8);
    PrintPage page{"alpha", &picture, 2, 1.5, false, "Picture"};
    EXPECT_NE(cups_print(page), "");
}
