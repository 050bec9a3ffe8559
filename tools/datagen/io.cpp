#include "datagen.h"

#include "colours.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <stdexcept>
#include <unistd.h>

extern char** environ;

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

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

ScratchDir::ScratchDir()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "datagen-XXXXXX").string();
    if (!mkdtemp(tmpl.data()))
        throw std::runtime_error("cannot create a temporary directory");
    m_path = tmpl;
}

ScratchDir::~ScratchDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

void run_program(const std::vector<std::string>& argv, const std::filesystem::path& log, const char* package)
{
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&fa, 1, 2);
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    const int err = posix_spawnp(&pid, args[0], &fa, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    if (err)
        throw std::runtime_error("cannot start " + argv[0] + ": " + std::strerror(err) +
                                 (package ? std::string(" (Debian package ") + package + ")" : std::string()));
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            throw std::runtime_error("lost " + argv[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::string out;
        try {
            out = read_file(log);
        } catch (...) {
        }
        if (out.size() > 600)
            out = "..." + out.substr(out.size() - 600);
        throw std::runtime_error(argv[0] + " failed: " + out);
    }
}

namespace {

void check_size(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px)
{
    if (w <= 0 || h <= 0 || px.size() != size_t(w) * size_t(h))
        throw std::runtime_error("bad bitmap size for " + path.string());
}

// The file and info headers of an uncompressed bottom-up BMP; `colours`
// palette entries follow them.
std::string bmp_header(int w, int h, int bits, uint32_t data, uint32_t colours)
{
    const uint32_t offset = 54 + 4 * colours;
    std::string s;
    s.reserve(offset + data);
    s += "BM";
    put32(s, offset + data);
    put32(s, 0);
    put32(s, offset);
    put32(s, 40);
    put32(s, uint32_t(w));
    put32(s, uint32_t(h));
    put16(s, 1);
    put16(s, uint16_t(bits));
    put32(s, 0);
    put32(s, data);
    put32(s, 2835);
    put32(s, 2835);
    put32(s, colours);
    put32(s, colours);
    return s;
}

void write_bmp8(const std::filesystem::path& path, int w, int h, const Indexed& ix)
{
    const uint32_t row = (uint32_t(w) + 3) & ~3u;
    const uint32_t data = row * uint32_t(h);
    std::string s = bmp_header(w, h, 8, data, uint32_t(ix.palette.size()));
    for (uint32_t c : ix.palette)
        put32(s, c & 0xFFFFFF);
    for (int y = h - 1; y >= 0; --y) {
        s.append(reinterpret_cast<const char*>(&ix.index[size_t(y) * size_t(w)]), size_t(w));
        s.append(row - uint32_t(w), '\0');
    }
    write_file(path, s);
}

}  // namespace

void write_bmp(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px)
{
    check_size(path, w, h, px);
    if (const Indexed ix = index_exactly(px); !ix.palette.empty()) {
        write_bmp8(path, w, h, ix);
        return;
    }
    const uint32_t row = (uint32_t(w) * 3 + 3) & ~3u;
    const uint32_t data = row * uint32_t(h);
    std::string s = bmp_header(w, h, 24, data, 0);
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

std::vector<uint32_t> write_bmp_reduced(const std::filesystem::path& path, int w, int h,
                                        const std::vector<uint32_t>& px)
{
    check_size(path, w, h, px);
    const Indexed ix = reduce_colours(w, h, px);
    write_bmp8(path, w, h, ix);
    std::vector<uint32_t> shown(px.size());
    for (size_t i = 0; i < px.size(); ++i)
        shown[i] = ix.palette[ix.index[i]];
    return shown;
}

void write_bmp1(const std::filesystem::path& path, int w, int h, const std::vector<uint32_t>& px)
{
    check_size(path, w, h, px);
    const uint32_t row = ((uint32_t(w) + 31) / 32) * 4;
    const uint32_t data = row * uint32_t(h);
    std::string s = bmp_header(w, h, 1, data, 2);
    put32(s, 0x00000000);  // index 0: black
    put32(s, 0x00FFFFFF);  // index 1: white
    for (int y = h - 1; y >= 0; --y) {
        const uint32_t* p = &px[size_t(y) * size_t(w)];
        std::string bits(row, '\0');
        for (int x = 0; x < w; ++x) {
            const uint32_t c = p[x] & 0xFFFFFF;
            if (c != 0 && c != 0xFFFFFF)
                throw std::runtime_error(path.string() + ": pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                                         ") is neither black nor white");
            if (c)
                bits[size_t(x) / 8] = char(uint8_t(bits[size_t(x) / 8]) | (0x80u >> (x % 8)));
        }
        s += bits;
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
