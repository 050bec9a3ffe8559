#include "services/positions.h"

#include <cstdlib>

namespace bafo {

std::vector<std::optional<Point>> pozice_z_textu(const std::string& text, size_t pairs)
{
    std::vector<std::optional<int>> fields;
    std::string field;
    auto flush = [&] {
        size_t a = field.find_first_not_of(" \t\r");
        size_t b = field.find_last_not_of(" \t\r");
        std::string t = a == std::string::npos ? "" : field.substr(a, b - a + 1);
        field.clear();
        if (t.empty())
            return;
        char* end = nullptr;
        long v = std::strtol(t.c_str(), &end, 10);
        bool ok = end && *end == '\0' && v > -100000 && v < 100000;
        fields.push_back(ok ? std::optional<int>(int(v)) : std::nullopt);
    };
    for (char c : text) {
        if (c == ',' || c == '\n')
            flush();
        else
            field += c;
    }
    flush();
    std::vector<std::optional<Point>> out(pairs);
    for (size_t i = 0; i < pairs && 2 * i + 1 < fields.size(); ++i)
        if (fields[2 * i] && fields[2 * i + 1])
            out[i] = Point{*fields[2 * i], *fields[2 * i + 1]};
    return out;
}

}  // namespace bafo
