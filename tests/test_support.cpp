#include "test_support.h"

#include "platform/bitmap_file.h"
#include "platform/draw.h"
#include "platform/files.h"
#include "platform/trace.h"
#include "shell/program.h"
#include "ui/app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <random>
#include <poll.h>
#include <sched.h>
#include <sys/resource.h>
#include <sys/inotify.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace bafo::test {

TempDir::TempDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "bafo-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string TempDir::operator/(const std::string& rel) const
{
    return join_path(m_path, rel);
}

void write_file(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

void write_tone(const std::string& path, uint32_t ms, double hz, int rate)
{
    const size_t n = size_t(uint64_t(ms) * uint64_t(rate) / 1000);
    std::string s = "RIFF";
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            s.push_back(char((v >> (8 * i)) & 0xFF));
    };
    put(uint32_t(36 + n * 2), 4);
    s += "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(uint32_t(rate), 4);
    put(uint32_t(rate * 2), 4);
    put(2, 2);
    put(16, 2);
    s += "data";
    put(uint32_t(n * 2), 4);
    for (size_t i = 0; i < n; ++i)
        put(uint16_t(int16_t(hz > 0 ? 12000 * std::sin(2 * M_PI * hz * double(i) / rate) : 0)), 2);
    write_file(path, s);
}

void write_bitmap(const std::string& path, const Surface& s)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (!save_bitmap(path, s))
        throw std::runtime_error("cannot write " + path);
}

Surface pattern(int w, int h, uint32_t seed)
{
    Surface s(w, h);
    uint32_t v = seed * 2654435761u + 1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            v = v * 1664525u + 1013904223u;
            s.row(y)[x] = (v >> 8) & kRgbMask;
        }
    return s;
}

MiniTree::MiniTree()
{
    auto sel = [&](const std::string& f) { return data("SELECT/" + f); };
    write_bitmap(sel("ENTER.BMP"), pattern(800, 600, 1));
    write_bitmap(sel("EXIT.BMP"), pattern(800, 600, 2));
    write_bitmap(sel("BG1.BMP"), pattern(800, 600, 3));
    std::string pos;
    const int xy[9][2] = {{185, 10}, {395, 0}, {540, 75}, {610, 205}, {555, 370},
                          {360, 440}, {175, 415}, {50, 290}, {30, 135}};
    const int wh[9][2] = {{136, 146}, {131, 136}, {126, 141}, {141, 151}, {146, 156},
                          {151, 151}, {146, 151}, {141, 161}, {141, 151}};
    for (int i = 0; i < 9; ++i) {
        pos += std::to_string(xy[i][0]) + "," + std::to_string(xy[i][1]) + "\r\n";
        write_bitmap(sel("BALO_" + std::to_string(i + 1) + ".BMP"), pattern(wh[i][0], wh[i][1], 10 + i));
        write_bitmap(sel("BALOO_" + std::to_string(i + 1) + ".BMP"), pattern(wh[i][0], wh[i][1], 20 + i));
        write_bitmap(sel("ICO_" + std::to_string(i + 1) + ".BMP"), pattern(wh[i][0], wh[i][1], 30 + i));
    }
    write_file(sel("POS.DAT"), pos);
    Surface panel = pattern(140, 120, 40);
    panel.fill({0, 0, 140, 8}, 0xFF00FF);   // key colour surround
    panel.fill({0, 0, 6, 120}, 0xFF00FF);
    write_bitmap(sel("OTAZKA.BMP"), panel);
    write_bitmap(sel("ANO_1.BMP"), pattern(53, 42, 41));
    write_bitmap(sel("NE_1.BMP"), pattern(53, 32, 42));
    write_bitmap(sel("BAFO_ANI.BMP"), pattern(270, 50, 43));
    write_tone(sel("MEL.WAV"), kTuneMs, kTuneHz);
    write_tone(sel("FANF/CLICK.WAV"), 60, kClickHz);
    for (int i = 1; i <= 5; ++i)
        write_tone(sel("FANF/FANF" + std::to_string(i) + ".WAV"), kFanfareMs, 600 + 100 * i);
    for (const char* key : {"PUZ", "15", "KOS", "COL", "TET", "PEX"}) {
        Surface tab = pattern(514, 415, 50);
        tab.fill({0, 0, 514, 10}, 0xFF00FF);  // a transparent surround at the top
        write_bitmap(data(std::string("TABULKA/TAB_") + key + ".BMP"), tab);
    }
    for (int l = 1; l <= 3; ++l)
        write_bitmap(data("TABULKA/TAB_D" + std::to_string(l) + ".BMP"), pattern(54, 74, 50 + uint32_t(l)));
    write_bitmap(data("TABULKA/TAB_ZPE0.BMP"), pattern(32, 32, 55));
    write_bitmap(data("TABULKA/TAB_ZPE1.BMP"), pattern(32, 32, 56));
    write_tone(data("REC/UVOD.WAV"), kGreetingMs, kGreetingHz);
    write_tone(data("REC/KONEC.WAV"), kQuestionMs, kQuestionHz);
    ini = dir / "BAFO.INI";
    write_file(ini, "[BAFO_CS]\r\nHD=" + dir.path() + "\r\n");
}

void MiniTree::add_choosers()
{
    write_bitmap(data("ALBUM/BG.BMP"), pattern(800, 600, 60));
    write_bitmap(data("ALBUM/ZPET.BMP"), pattern(100, 80, 61));
    write_bitmap(data("ALBUM/SEL.BMP"), pattern(90, 90, 62));
    for (int n = 1; n <= 6; ++n) {
        write_bitmap(data("ALBUM/SEL_" + std::to_string(n) + ".BMP"), pattern(90, 90, 62 + uint32_t(n)));
        for (int i = 1; i <= 10; ++i) {
            const std::string k = std::to_string(i), set = std::to_string(n);
            // One flat colour per thumbnail keeps the tree small and each one unique.
            write_bitmap(data("ALBUM/" + set + "/POZADI" + k + ".BMP"), Surface(168, 125, uint32_t(0x100000 * n + 0x100 * i)));
            write_bitmap(data("ALBUM/" + set + "CB/" + k + ".BMP"), Surface(168, 125, uint32_t(0x100000 * n + 0x100 * i + 0x80)));
        }
    }
    write_bitmap(data("PEXESO/SEL/SEL_BG.BMP"), pattern(800, 600, 70));
    write_bitmap(data("PEXESO/ZPET.BMP"), pattern(96, 70, 71));
    for (int n = 1; n <= 4; ++n)
        write_bitmap(data("PEXESO/SEL/SEL_" + std::to_string(n) + ".BMP"), pattern(215, 215, 71 + uint32_t(n)));
}

void MiniTree::add_fifteen()
{
    auto d = [&](const std::string& f) { return data("15/" + f); };
    write_bitmap(d("BG.BMP"), pattern(800, 600, 200));
    const char* icons[] = {"ZPET.BMP", "ZAMI.BMP", "BAFO.BMP", "HELP.BMP", "NEJL.BMP", "SLOZ_1.BMP", "SLOZ_2.BMP",
                           "SLOZ_3.BMP", "SLOZ_11.BMP", "SLOZ_21.BMP", "SLOZ_31.BMP"};
    uint32_t seed = 210;
    for (const char* f : icons)
        write_bitmap(d(f), pattern(60, 80, seed++));
    write_bitmap(d("BAFO_ANI.BMP"), pattern(4 * 68, 91, 230));
    write_tone(data("REC/15.WAV"), 2000, 500);
    write_tone(dir / "SVIST.WAV", 200, 900);
    write_bitmap(data("ANIM/1/POZADI1.BMP"), pattern(640, 480, 240));
    // The win sequence: two clips made now.
    for (const char* name : {"A", "B"}) {
        std::string avi = data(std::string("KLIPY/") + name + ".AVI");
        std::string cmd = "mkdir -p '" + data("KLIPY") +
                          "' && ffmpeg -loglevel error -y -f lavfi -i testsrc=size=64x48:rate=10 "
                          "-frames:v 3 -c:v msvideo1 -g 1 '" + avi + "'";
        if (std::system(cmd.c_str()) != 0)
            throw std::runtime_error("ffmpeg failed: " + cmd);
        write_file(data(std::string("KLIPY/") + name + ".DAT"),
                   std::string("BAFO_CS\\KLIPY\\") + name + "\r\n0\r\n0\r\n64\r\n48\r\n0\r\n0x100\r\n1x100\r\n2x100\r\n");
    }
    write_file(data("ANIM/1/POZADI1.DAT"), "BAFO_CS\\KLIPY\\A.DAT,BAFO_CS\\KLIPY\\B.DAT");
}

void MiniTree::add_studio()
{
    auto m = [&](const std::string& f) { return data("MUSIC/" + f); };
    write_bitmap(m("BG.BMP"), pattern(800, 600, 700));
    uint32_t seed = 701;
    for (const char* f : {"RECORD.BMP", "RECORD1.BMP", "PLAY.BMP", "PLAY1.BMP", "STOP.BMP", "STOP1.BMP"})
        write_bitmap(m(f), pattern(60, 46, seed++));
    for (const char* tag : {"N_KLAVI", "N_TRUMP", "N_KYTAR", "N_BUBEN", "N_BASA", "N_SAXOF", "N_HOUSL", "N_XYLOF",
                            "N_FLETN", "N_DUDY"})
        write_bitmap(m(std::string(tag) + ".BMP"), pattern(78, 70, seed++));
    for (const char* r : {"BOOGIE", "COUNTRY", "DISCO", "POLKA", "REGGAE", "ROCK", "TECHNO", "UMCACA", "VALCIK"})
        write_tone(m(std::string("RYTMY/") + r + ".WAV"), kRhythmMs, 300);
    const std::string avi = m("TANCE/BAFO.AVI");
    const std::string cmd = "mkdir -p '" + m("TANCE") +
                            "' && ffmpeg -loglevel error -y -f lavfi -i testsrc=size=64x48:rate=10 "
                            "-frames:v 3 -c:v msvideo1 -g 1 '" + avi + "'";
    if (std::system(cmd.c_str()) != 0)
        throw std::runtime_error("ffmpeg failed: " + cmd);
    const std::string script = "BAFO_CS\\MUSIC\\TANCE\\BAFO\r\n" + std::to_string(kDanceRect.x) + "\r\n" +
                               std::to_string(kDanceRect.y) + "\r\n64\r\n48\r\n0\r\n0x100\r\n1x100\r\n2x100\r\n";
    for (int n = 1; n <= 24; ++n)
        write_file(m("TANCE/BAFO" + std::to_string(n) + ".DAT"), script);
}

void MiniTree::add_jukebox()
{
    auto j = [&](const std::string& f) { return data("MUSIC/JUKEBOX/" + f); };
    write_bitmap(j("JB_BG1.BMP"), pattern(315, 325, 800));
    uint32_t seed = 801;
    for (const char* f : {"JB_COIN1.BMP", "JB_ULOZ.BMP", "JB_SMAZ.BMP"})
        write_bitmap(j(f), pattern(56, 60, seed++));
    for (const char* f : {"JB_STRED.BMP", "JB_STRNO.BMP", "JB_SWIT1.BMP"})
        write_bitmap(j(f), pattern(24, 22, seed++));
    write_bitmap(j("OTAZKA.BMP"), pattern(180, 110, seed++));
    write_bitmap(j("ANO_1.BMP"), pattern(50, 42, seed++));
    write_bitmap(j("NE_1.BMP"), pattern(50, 34, seed++));
    write_bitmap(j("BAFO_ANI.BMP"), pattern(4 * 84, 84, seed++));
    for (const char* v : {"01", "02A", "03", "04", "05", "06A"})
        write_tone(data(std::string("REC/HUDBA/") + v + ".WAV"), kQuestionMs, kQuestionHz);
}

void MiniTree::add_album()
{
    auto d = [&](const std::string& f) { return data("OMALKY/OST/" + f); };
    write_bitmap(d("A_BG.BMP"), pattern(800, 600, 860));
    uint32_t seed = 861;
    for (const char* f : {"A_ZPET.BMP", "A_ICO1.BMP", "A_ICO2.BMP", "A_TISK.BMP"})
        write_bitmap(d(f), pattern(90, 48, seed++));
    for (const char* v : {"01", "02A", "03A", "04", "05_2", "07"})
        write_tone(data(std::string("REC/OMALKY/") + v + ".WAV"), kQuestionMs, kQuestionHz);
}

void MiniTree::add_print_panel()
{
    Surface card = pattern(480, 330, 850);
    card.fill({0, 0, 12, 12}, rgb(255, 0, 255));
    write_bitmap(data("TISK/PANEL.BMP"), card);
    uint32_t seed = 851;
    for (const char* f : {"ANO_0.BMP", "ANO_1.BMP", "NE_0.BMP", "NE_1.BMP"})
        write_bitmap(data(std::string("TISK/") + f), pattern(100, 76, seed++));
    write_bitmap(data("TISK/ZADNA.BMP"), pattern(300, 200, seed++));
}

Point MiniTree::dress_size(int kind)
{
    // Boots, hat, shirt, shorts: the shirt reaches down under the shorts.
    static constexpr Point sizes[4] = {{90, 30}, {60, 50}, {110, 90}, {70, 50}};
    return sizes[kind];
}

Surface MiniTree::garment(int kind, int item)
{
    const Point size = dress_size(kind);
    Surface s(size.x, size.y, rgb(255, 0, 255));
    s.blit(pattern(size.x - 6, size.y - 6, uint32_t(2000 + 100 * kind + item)), 3, 3);
    s.fill({8, 8, 6, 6}, rgb(255, 0, 255));
    return s;
}

void MiniTree::add_dress()
{
    auto d = [&](const std::string& f) { return data("KREJCI/" + f); };
    write_bitmap(d("BG.BMP"), pattern(800, 600, 1900));
    write_bitmap(d("NAHYBAFO.BMP"), pattern(kBafoW, kBafoH, 1901));
    write_bitmap(d("TISK_BFO.BMP"), pattern(320, 440, 1902));
    uint32_t seed = 1903;
    for (const char* f : {"ZPET.BMP", "TISK.BMP", "ZAMI.BMP"})
        write_bitmap(d(f), pattern(90, 80, seed++));
    write_bitmap(d("BAFO.BMP"), pattern(68, 91, seed++));
    write_bitmap(d("BAFO_ANI.BMP"), pattern(4 * 68, 91, seed++));
    const char* dirs[4] = {"BOTY/BOTY", "HLAVY/HLAVA", "TRIKA/TRIKO", "TRENKY/TRENKY"};
    for (int kind = 0; kind < 4; ++kind)
        for (int item = 1; item <= 10; ++item)
            write_bitmap(d(std::string("OBLEKY/") + dirs[kind] + std::to_string(item) + ".BMP"), garment(kind, item));
    write_tone(data("REC/OBLEKANI.WAV"), kHelpMs, 640);
    const std::string avi = d("KLIPY/SMICH.AVI");
    const std::string cmd = "mkdir -p '" + d("KLIPY") +
                            "' && ffmpeg -loglevel error -y -f lavfi -i testsrc=size=64x48:rate=10 "
                            "-frames:v 3 -c:v msvideo1 -g 1 '" + avi + "'";
    if (std::system(cmd.c_str()) != 0)
        throw std::runtime_error("ffmpeg failed: " + cmd);
    write_tone(d("KLIPY/SMICH.WAV"), 300, 800);
    const char* scripts[5] = {"STOJKA.DAT", "ZASUVKA.DAT", "PTAK.DAT", "MYSI.DAT", "KRYSA.DAT"};
    for (int i = 0; i < 5; ++i)
        write_file(d(scripts[i]), "BAFO_CS\\KREJCI\\KLIPY\\SMICH\r\n" + std::to_string(kClipArea[i].x - 80) + "\r\n" +
                                      std::to_string(kClipArea[i].y - 31) + "\r\n64\r\n48\r\n0\r\n0x100\r\n1x100\r\n2x100\r\n");
}

// A picture game's screen under BAFO_CS/dir: its background, lit and level icons, mouth strip and voice.
void MiniTree::add_game_frame(const std::string& dir, const std::string& voice, uint32_t seed)
{
    auto d = [&](const std::string& f) { return data(dir + "/" + f); };
    write_bitmap(d("BG.BMP"), pattern(800, 600, seed));
    for (const char* f : {"ZPET.BMP", "ZAMI.BMP", "BAFO.BMP", "HELP.BMP", "NEJL.BMP", "SLOZ_1.BMP", "SLOZ_2.BMP",
                          "SLOZ_3.BMP", "SLOZ_11.BMP", "SLOZ_21.BMP", "SLOZ_31.BMP"})
        write_bitmap(d(f), pattern(60, 80, ++seed));
    write_bitmap(d("BAFO_ANI.BMP"), pattern(4 * 68, 91, ++seed));
    write_tone(data("REC/" + voice), 2000, 520);
}

void MiniTree::add_puzzle()
{
    add_game_frame("PUZZLE", "PUZZLE.WAV", 400);
}

void MiniTree::add_tetris()
{
    add_game_frame("TETRIS", "TETRIS.WAV", 500);
    write_tone(dir / "TUTUTU.WAV", 400, 1200);
}

void MiniTree::add_kostky()
{
    add_game_frame("KOSTKY", "KOSTKY.WAV", 600);
    uint32_t seed = 620;
    for (const char* f : {"CUR_LEFT.BMP", "CUR_RIGHT.BMP", "CUR_UP.BMP", "CUR_DOWN.BMP", "CUR_PLOCHA.BMP"})
        write_bitmap(data(std::string("KOSTKY/") + f), pattern(32, 32, seed++));
    for (int i = 2; i <= 10; ++i)
        write_bitmap(data("ANIM/1/POZADI" + std::to_string(i) + ".BMP"), pattern(640, 480, 240 + uint32_t(i)));
    write_tone(dir / "SVIST.WAV", 200, 900);
}

void MiniTree::add_colorize()
{
    add_game_frame("COLORIZE", "MOZAIKA.WAV", 700);
    write_tone(dir / "TUTUTU.WAV", 400, 1200);
    write_tone(dir / "NOT_AVA.WAV", 300, 200);
}

void MiniTree::add_pexeso(int pictures)
{
    auto d = [&](const std::string& f) { return data("PEXESO/" + f); };
    write_bitmap(d("BG.BMP"), pattern(800, 600, 300));
    write_bitmap(d("BACK.BMP"), pattern(kCardW, kCardH, 301));
    uint32_t seed = 310;
    for (const char* f : {"ZPET.BMP", "ZAMI.BMP", "BAFO.BMP", "HELP.BMP", "NEJL.BMP", "SLOZ_1.BMP", "SLOZ_2.BMP",
                          "SLOZ_3.BMP", "SLOZ_11.BMP", "SLOZ_21.BMP", "SLOZ_31.BMP"})
        write_bitmap(d(f), pattern(60, 80, seed++));
    write_bitmap(d("BAFO_ANI.BMP"), pattern(4 * 68, 91, 330));
    for (int set = 1; set <= 4; ++set)
        for (int i = 1; i <= pictures; ++i) {
            const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
            write_bitmap(d(std::to_string(set) + "/" + n + ".BMP"), pattern(kCardW, kCardH, uint32_t(1000 * set + i)));
        }
    write_tone(data("REC/PEXESO.WAV"), 2000, 700);
    write_tone(dir / "SVIST.WAV", 200, 900);
    write_tone(dir / "NOT_AVA.WAV", 300, 200);
    write_tone(dir / "TUTUTU.WAV", 400, 1200);
}

uint32_t MiniTree::swatch_colour(int i)
{
    if (i == 3)
        return 0xFFFFF0;
    if (i == 0)
        return 0x000000;
    return 0x101010 + 0x070B05 * uint32_t(i);
}

void MiniTree::add_painting()
{
    auto d = [&](const std::string& f) { return data("OMALKY/" + f); };
    Surface bg = pattern(800, 600, 800);
    for (int i = 0; i < 32; ++i)
        bg.fill({i < 16 ? 0 : 725, 29 * (i % 16), 75, 29}, swatch_colour(i));
    write_bitmap(d("BG.BMP"), bg);
    // Icon k at its hot area's top-left, 56 high; each spot is a 5 × 5 box in a grey ring.
    const int left[10] = {38, 115, 185, 255, 330, 410, 490, 565, 635, 705};
    const int width[10] = {71, 66, 66, 66, 71, 76, 66, 61, 61, 61};
    const int spots[][2] = {{66, 0},  {134, 1}, {153, 1}, {218, 2}, {223, 2}, {286, 3}, {292, 3},
                            {507, 6}, {577, 7}, {646, 8}, {716, 9}, {344, 4}, {522, 6}, {662, 8}};
    std::string pos;
    for (int k = 0; k < 10; ++k) {
        for (int lifted = 0; lifted < 2; ++lifted) {
            Surface icon(width[k], 56, 0x777777);
            for (const auto& s : spots) {
                if (s[1] != k)
                    continue;
                const int x = s[0] - left[k] - 3, y = 544 - 15 * lifted - 500 - 3;
                icon.fill({x, y, 7, 7}, 0x333333);
                icon.fill({x + 1, y + 1, 5, 5}, 0x555555 + uint32_t(lifted));
            }
            const std::string n = (k < 9 ? "0" : "") + std::to_string(k + 1);
            write_bitmap(d("ICO" + n + "_" + std::to_string(lifted) + ".BMP"), icon);
        }
        pos += std::to_string(left[k]) + "\r\n500\r\n";
    }
    write_file_atomic(d("ICO_POS.DAT"), pos);
    write_bitmap(d("BACK.BMP"), pattern(80, 39, 810));
    write_bitmap(d("FOTO.BMP"), pattern(56, 40, 811));
    write_bitmap(d("OST/OTAZKA.BMP"), pattern(200, 120, 812));
    write_bitmap(d("OST/ANO_1.BMP"), pattern(50, 40, 813));
    write_bitmap(d("OST/NE_1.BMP"), pattern(50, 30, 814));
    write_bitmap(d("OST/BAFO_ANI.BMP"), pattern(3 * 40, 30, 815));
    write_tone(data("REC/OMALKY/06A.WAV"), 1500, 500);
    Surface page(640, 480, 0xFFFFFF);
    draw_ellipse(page, {220, 140, 200, 200}, Pen{0x000000, 2});
    write_bitmap(d("1/1.BMP"), page);
    write_tone(dir / "TUTUTU.WAV", 400, 1200);
}

std::string MiniTree::data(const std::string& rel) const
{
    return dir / ("BAFO_CS/" + rel);
}

Surface MiniTree::bitmap(const std::string& rel) const
{
    Surface s;
    load_bitmap(data(rel), s);
    return s;
}

bool region_is(const Surface& frame, int x, int y, const Surface& pic)
{
    return frame.crop({x, y, pic.width(), pic.height()}).same_pixels(pic);
}

int run_on_fake(FakePlatform& fake, const std::string& ini, bool window)
{
    ::setenv("BAFO_INI", ini.c_str(), 1);
    set_platform(&fake);
    // A script that never reaches the end would loop for ever: give up
    // after ten virtual minutes with a status no real run returns.
    auto inner = fake.on_idle;
    fake.on_idle = [inner](FakePlatform& f) {
        if (inner)
            inner(f);
        if (f.now_ms() > 600000)
            ui::App::get().quit(99);
    };
    Options o;
    o.window = window;
    int code = run_program(o);
    set_platform(nullptr);
    return code;
}

namespace {

// Blocks until a temporary (a name ending in ".tmp") is created or first
// written in the watched folder, or until timeout_ms passed.
void wait_for_temporary(int watch, int timeout_ms)
{
    alignas(inotify_event) char buf[4096];
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        pollfd p{watch, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, int(left.count())) <= 0)
            return;
        const ssize_t n = read(watch, buf, sizeof buf);
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
            if (e->len && std::string_view(e->name).ends_with(".tmp"))
                return;
            at += ssize_t(sizeof(inotify_event) + e->len);
        }
    }
}

}  // namespace

KillFigures kill_while_storing(uint32_t seed, long long one_store_us, const std::string& folder,
                               const std::function<void(int round)>& store,
                               const std::function<bool(int round)>& after_kill, int min_rounds, int min_cut,
                               int max_rounds)
{
    std::mt19937 rng(seed);
    std::printf("kill seed %u, one store %lld us\n", seed, one_store_us);
    std::fflush(stdout);  // or the children's exits would print it again
    // Pauses of a few microseconds must not stretch to the default 50.
    const int slack = prctl(PR_GET_TIMERSLACK, 0UL, 0UL, 0UL, 0UL);
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    // Writer and killer share one core, the writer at the lowest priority:
    // the killer's wake-up then preempts the writer at once, so a kill meant
    // for a moment of a write on a fast disk is not late for it.
    cpu_set_t all, one;
    const int cpu = sched_getcpu();
    const bool pinned = cpu >= 0 && sched_getaffinity(0, sizeof all, &all) == 0;
    if (pinned) {
        CPU_ZERO(&one);
        CPU_SET(cpu, &one);
        sched_setaffinity(0, sizeof one, &one);
    }
    const long long store_us = std::max(one_store_us, 1LL);
    KillFigures k;
    for (; k.rounds < min_rounds || (k.cut < min_cut && k.rounds < max_rounds); ++k.rounds) {
        // Half the kills fall anywhere in or after a store, and half after a
        // temporary appeared: on a fast disk the write is a sliver of the
        // store, and a pause drawn evenly would seldom land in it. The
        // pause after the temporary is drawn on a logarithmic scale, so
        // short and long writes alike are hit.
        const bool after_temporary = rng() % 2 == 1;
        const int watch = after_temporary ? inotify_init1(IN_CLOEXEC) : -1;
        if (after_temporary && (watch < 0 || inotify_add_watch(watch, folder.c_str(), IN_CREATE | IN_MODIFY) < 0)) {
            ADD_FAILURE() << "cannot watch " << folder;
            break;
        }
        int started[2];
        if (pipe(started) != 0) {
            ADD_FAILURE() << "pipe";
            break;
        }
        const pid_t child = fork();
        if (child < 0) {
            ADD_FAILURE() << "fork";
            break;
        }
        if (child == 0) {
            close(started[0]);
            (void)!setpriority(PRIO_PROCESS, 0, 19);
            const char go = 1;
            (void)!write(started[1], &go, 1);
            store(k.rounds);
            _exit(0);  // store returned: the kill falls on nothing, as a finished write would
        }
        close(started[1]);
        char go = 0;
        // The pause counts from the child's start, not from the fork.
        (void)!read(started[0], &go, 1);
        close(started[0]);
        long long pause_us;
        if (after_temporary) {
            wait_for_temporary(watch, int(3 * store_us / 1000) + 2000);
            close(watch);
            const double log_us = std::uniform_real_distribution<double>(0.0, std::log(double(store_us)))(rng);
            pause_us = (long long)(std::exp(log_us)) - 1;
        } else {
            pause_us = std::uniform_int_distribution<long long>(0, 3 * one_store_us)(rng);
        }
        if (pause_us > 0)
            usleep(useconds_t(pause_us));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        k.cut += after_kill(k.rounds);
        if (::testing::Test::HasFatalFailure())
            break;
    }
    if (pinned)
        sched_setaffinity(0, sizeof all, &all);
    if (slack > 0)
        prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(slack), 0UL, 0UL, 0UL);
    std::printf("killed while a temporary was on disk: %d of %d\n", k.cut, k.rounds);
    return k;
}

bool take_temporary(const std::string& path)
{
    if (!file_exists(path + ".tmp"))
        return false;
    delete_file(path + ".tmp");
    return true;
}

}  // namespace bafo::test

