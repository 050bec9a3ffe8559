#include "check.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace datagen {

namespace {

uint32_t le32(const std::string& s, size_t at)
{
    if (at + 4 > s.size())
        return 0;
    return uint32_t(uint8_t(s[at])) | uint32_t(uint8_t(s[at + 1])) << 8 |
           uint32_t(uint8_t(s[at + 2])) << 16 | uint32_t(uint8_t(s[at + 3])) << 24;
}

std::string check_bitmap(const std::string& s, const Expect& e)
{
    if (s.size() < 54 || s.compare(0, 2, "BM") != 0)
        return "not a bitmap";
    int w = int(le32(s, 18));
    int h = int(le32(s, 22));
    if (h < 0)
        h = -h;
    if ((e.width && w != e.width) || (e.height && h != e.height))
        return "is " + std::to_string(w) + "x" + std::to_string(h) + ", expected " +
               std::to_string(e.width) + "x" + std::to_string(e.height);
    const int bits = int(le32(s, 28) & 0xFFFF);
    if (e.bits && bits != e.bits)
        return "has " + std::to_string(bits) + " bits per pixel, expected " + std::to_string(e.bits);
    // A file cut short would load as garbage or not at all.
    const int depth = bits ? bits : 24;
    const uint64_t row = (uint64_t(w) * uint64_t(depth) + 31) / 32 * 4;
    if (uint64_t(le32(s, 10)) + row * uint64_t(h) > s.size())
        return "is cut short";
    return {};
}

std::string check_wave(const std::string& s, const Expect& e)
{
    if (s.size() < 44 || s.compare(0, 4, "RIFF") != 0 || s.compare(8, 4, "WAVE") != 0)
        return "not a wave file";
    uint32_t byte_rate = 0;
    uint32_t data = 0;
    for (size_t at = 12; at + 8 <= s.size();) {
        std::string id = s.substr(at, 4);
        uint32_t len = le32(s, at + 4);
        if (id == "fmt ")
            byte_rate = le32(s, at + 16);
        if (id == "data") {
            data = len;
            break;
        }
        at += 8 + len + (len & 1);
    }
    if (!byte_rate || !data)
        return "wave file without format or data";
    long ms = long(uint64_t(data) * 1000 / byte_rate);
    if ((e.min_ms && ms < e.min_ms) || (e.max_ms && ms > e.max_ms))
        return "lasts " + std::to_string(ms) + " ms, expected " + std::to_string(e.min_ms) + ".." +
               std::to_string(e.max_ms);
    return {};
}

std::string check_text(const std::string& s, const Expect& e)
{
    std::string t = s;
    for (char& c : t)
        if (c == ',' || c == '\r')
            c = '\n';
    std::istringstream in(t);
    std::string field;
    int n = 0;
    while (std::getline(in, field)) {
        if (field.find_first_not_of(" \t") == std::string::npos)
            continue;
        try {
            size_t used = 0;
            std::stoi(field, &used);
        } catch (...) {
            return "field " + std::to_string(n + 1) + " is not a number: " + field;
        }
        ++n;
    }
    if (n < e.min_fields)
        return "has " + std::to_string(n) + " fields, expected at least " + std::to_string(e.min_fields);
    return {};
}

// A clip script: the video's name (a path under the root with backslashes,
// no extension), left, top, width, height, keep, then "FxD" entries.
std::string check_clip(const std::filesystem::path& root, const std::string& s, const Expect& e)
{
    std::vector<std::string> lines;
    std::istringstream in(s);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    if (lines.size() < 7)
        return "a clip script of " + std::to_string(lines.size()) + " lines";
    int header[5];
    for (int i = 0; i < 5; ++i)
        try {
            header[i] = std::stoi(lines[size_t(i) + 1]);
        } catch (...) {
            return "header line " + std::to_string(i + 2) + " is not a number: " + lines[size_t(i) + 1];
        }
    if ((e.width && header[2] != e.width) || (e.height && header[3] != e.height))
        return "names a box of " + std::to_string(header[2]) + "x" + std::to_string(header[3]) + ", expected " +
               std::to_string(e.width) + "x" + std::to_string(e.height);
    if (lines.size() - 6 > 100)
        return std::to_string(lines.size() - 6) + " entries, at most 100 play";
    int last_frame = 0;
    for (size_t i = 6; i < lines.size(); ++i) {
        const size_t x = lines[i].find('x');
        int f = -1, ms = -1;
        try {
            f = std::stoi(lines[i].substr(0, x));
            ms = std::stoi(lines[i].substr(x + 1));
        } catch (...) {
        }
        if (x == std::string::npos || f < 0 || f > 255 || ms <= 0 || ms > 65535)
            return "line " + std::to_string(i + 1) + " is not an entry: " + lines[i];
        last_frame = std::max(last_frame, f);
    }
    std::string name = lines[0];
    for (char& c : name)
        if (c == '\\')
            c = '/';
    std::ifstream vin(root / (name + ".AVI"), std::ios::binary);
    if (!vin)
        return "its video " + name + ".AVI is missing";
    std::string v((std::istreambuf_iterator<char>(vin)), std::istreambuf_iterator<char>());
    const size_t avih = v.find("avih");
    if (v.compare(0, 4, "RIFF") != 0 || v.compare(8, 4, "AVI ") != 0 || avih == std::string::npos)
        return name + ".AVI is not a video";
    const uint32_t frames = le32(v, avih + 8 + 16), w = le32(v, avih + 8 + 32), h = le32(v, avih + 8 + 36);
    if (int(w) != header[2] || int(h) != header[3])
        return name + ".AVI is " + std::to_string(w) + "x" + std::to_string(h) + ", the script's box " +
               std::to_string(header[2]) + "x" + std::to_string(header[3]);
    if (uint32_t(last_frame) >= frames)
        return "shows frame " + std::to_string(last_frame) + " of a video of " + std::to_string(frames);
    return {};
}

}  // namespace

std::vector<std::string> check_tree(const std::filesystem::path& root, const std::vector<Expect>& all)
{
    std::vector<std::string> problems;
    for (const auto& e : all) {
        std::ifstream in(root / e.path, std::ios::binary);
        if (!in) {
            problems.push_back(e.path + ": missing");
            continue;
        }
        std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string why;
        switch (e.kind) {
        case Expect::Kind::Bitmap: why = check_bitmap(s, e); break;
        case Expect::Kind::Wave: why = check_wave(s, e); break;
        case Expect::Kind::Text: why = check_text(s, e); break;
        case Expect::Kind::Clip: why = check_clip(root, s, e); break;
        }
        if (!why.empty())
            problems.push_back(e.path + ": " + why);
    }
    return problems;
}

}  // namespace datagen
