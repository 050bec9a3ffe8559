#include "check.h"

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
        }
        if (!why.empty())
            problems.push_back(e.path + ": " + why);
    }
    return problems;
}

}  // namespace datagen
