// The data generator: writes the BAFO_CS tree and the sounds beside it.
// Each screen's art lives in its own file and registers what it writes and
// what the check mode must find.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace datagen {

// What the check mode expects of one file. Paths are relative to the output
// root and written with forward slashes ("BAFO_CS/SELECT/BG1.BMP").
struct Expect {
    // Clip: a clip script, its video named by it, the video's frame size
    // width x height and every frame the script shows present in it.
    enum class Kind { Bitmap, Wave, Text, Clip };
    std::string path;
    Kind kind = Kind::Bitmap;
    int width = 0, height = 0;   // Bitmap: exact size; 0 = any
    int bits = 0;                // Bitmap: bits per pixel; 0 = any
    int min_ms = 0, max_ms = 0;  // Wave: duration bounds; 0 = any
    int min_fields = 0;          // Text: at least this many comma/line separated integers
};

// What the check mode expects of a bitmap: that it is there with this size.
inline Expect bitmap_expect(std::string path, int width, int height)
{
    Expect e;
    e.path = std::move(path);
    e.width = width;
    e.height = height;
    return e;
}

struct Generator {
    std::string name;  // for logs and --only
    std::function<void(const std::filesystem::path& root)> run;
    std::function<void(std::vector<Expect>&)> expect;
};

// Every generator of the tree, in the order of their names.
std::vector<Generator> all_generators();

// Each screen's file registers its generator with one line at namespace scope:
//   static const datagen::Registered reg{gen_menu_screen};
struct Registered {
    explicit Registered(Generator (*make)());
};

// Creates the parent directories and writes the file whole (temp + rename).
void write_file(const std::filesystem::path& path, const std::string& bytes);

// Bottom-up BMP of XRGB pixels (0x00RRGGBB), row-major, top row first: 8-bit
// with a palette when the picture has at most 256 colours, 24-bit otherwise.
void write_bmp(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px);
// 8-bit BMP of the picture reduced to 256 colours (see colours.h), for the
// big pictures the games cut up themselves, where no piece of the art has to
// meet them seamlessly. Returns the pixels as written.
std::vector<uint32_t> write_bmp_reduced(const std::filesystem::path& path, int w, int h,
                                        const std::vector<uint32_t>& px);
// 1-bit bottom-up BMP with the palette black (index 0) and white (index 1), for
// pictures made of those two colours only; throws at any other colour.
void write_bmp1(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px);

// A whole file; throws when it cannot be read.
std::string read_file(const std::filesystem::path& path);

// A private scratch directory, removed with everything in it.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Runs a program without a shell, its output into `log`, shown when it fails;
// `package` names the Debian package to install when it is missing.
void run_program(const std::vector<std::string>& argv, const std::filesystem::path& log,
                 const char* package = nullptr);

// 16-bit PCM WAV.
void write_wav(const std::filesystem::path& path, int rate, int channels,
               const std::vector<int16_t>& samples);

}  // namespace datagen
