#include "datagen.h"

#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace datagen {

namespace {
void put16(std::string& s, uint32_t v)
{
    s.push_back(char(v & 0xFF));
    s.push_back(char((v >> 8) & 0xFF));
}
void put32(std::string& s, uint32_t v)
{
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}
}  // namespace

void write_file(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    auto tmp = path;
    tmp += ".tmp" + std::to_string(getpid());
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + tmp.string());
    }
    std::filesystem::rename(tmp, path);
}

void write_bmp(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px)
{
    if (w <= 0 || h <= 0 || px.size() != size_t(w) * size_t(h))
        throw std::runtime_error("bad bitmap size for " + path.string());
    const uint32_t row = (uint32_t(w) * 3 + 3) & ~3u;
    const uint32_t data = row * uint32_t(h);
    std::string s;
    s.reserve(54 + data);
    s += "BM";
    put32(s, 54 + data);
    put32(s, 0);
    put32(s, 54);
    put32(s, 40);
    put32(s, uint32_t(w));
    put32(s, uint32_t(h));
    put16(s, 1);
    put16(s, 24);
    put32(s, 0);
    put32(s, data);
    put32(s, 2835);
    put32(s, 2835);
    put32(s, 0);
    put32(s, 0);
    for (int y = h - 1; y >= 0; --y) {
        const uint32_t* p = &px[size_t(y) * size_t(w)];
        for (int x = 0; x < w; ++x) {
            s.push_back(char(p[x] & 0xFF));
            s.push_back(char((p[x] >> 8) & 0xFF));
            s.push_back(char((p[x] >> 16) & 0xFF));
        }
        for (uint32_t pad = uint32_t(w) * 3; pad < row; ++pad)
            s.push_back(0);
    }
    write_file(path, s);
}

void write_wav(const std::filesystem::path& path, int rate, int channels,
               const std::vector<int16_t>& samples)
{
    const uint32_t data = uint32_t(samples.size() * 2);
    std::string s;
    s.reserve(44 + data);
    s += "RIFF";
    put32(s, 36 + data);
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1);
    put16(s, uint32_t(channels));
    put32(s, uint32_t(rate));
    put32(s, uint32_t(rate * channels * 2));
    put16(s, uint32_t(channels * 2));
    put16(s, 16);
    s += "data";
    put32(s, data);
    for (int16_t v : samples)
        put16(s, uint16_t(v));
    write_file(path, s);
}

}  // namespace datagen
