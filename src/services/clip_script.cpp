#include "services/clip_script.h"

#include <cctype>

namespace bafo {

namespace {

std::string trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos)
        return "";
    return s.substr(a, s.find_last_not_of(" \t\r\n") - a + 1);
}

std::string unquote(std::string s)
{
    s = trim(s);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = s.substr(1, s.size() - 2);
    return s;
}

// The leading decimal number of a field ("12abc" is 12); nothing when there is none or it is huge.
std::optional<long> leading_number(const std::string& s)
{
    std::string t = trim(s);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        negative = t[i++] == '-';
    long v = 0;
    size_t digits = 0;
    while (i < t.size() && std::isdigit((unsigned char)t[i]) && digits < 9) {
        v = v * 10 + (t[i++] - '0');
        ++digits;
    }
    if (!digits || (i < t.size() && std::isdigit((unsigned char)t[i])))
        return std::nullopt;
    return negative ? -v : v;
}

// Fields separated by commas or line breaks; quotes protect commas.
std::vector<std::string> fields_of(const std::string& text, size_t max_fields, size_t& consumed)
{
    std::vector<std::string> out;
    std::string cur;
    bool quoted = false;
    size_t i = 0;
    for (; i < text.size() && out.size() < max_fields; ++i) {
        char c = text[i];
        if (c == '"')
            quoted = !quoted;
        if (!quoted && (c == ',' || c == '\n')) {
            out.push_back(unquote(cur));
            cur.clear();
            continue;
        }
        if (c != '\r')
            cur += c;
    }
    if (out.size() < max_fields && !trim(cur).empty()) {
        out.push_back(unquote(cur));
        i = text.size();
    }
    consumed = i;
    return out;
}

}  // namespace

std::optional<ClipScript> ClipScript::parse(const std::string& text)
{
    size_t used = 0;
    auto head = fields_of(text, 6, used);
    if (head.size() < 6)
        return std::nullopt;
    ClipScript s;
    s.name = head[0];
    auto num = [&](int i) { return leading_number(head[size_t(i)]).value_or(0); };
    s.left = int(num(1));
    s.top = int(num(2));
    s.width = int(num(3));
    s.height = int(num(4));
    s.keep = int(num(5));
    // A clip area the screen cannot hold is a damaged script, not a reason to allocate.
    if (s.name.empty() || s.width <= 0 || s.height <= 0 || s.width > 2048 || s.height > 2048 || s.left < -2048 ||
        s.left > 2048 || s.top < -2048 || s.top > 2048)
        return std::nullopt;
    // The rest of the line that ended the header belongs to no entry.
    size_t at = used;
    while (at < text.size() && s.entries.size() < kMaxEntries) {
        size_t nl = text.find('\n', at);
        std::string line = text.substr(at, nl == std::string::npos ? std::string::npos : nl - at);
        at = nl == std::string::npos ? text.size() : nl + 1;
        auto x = line.find_first_of("xX");
        if (x == std::string::npos)
            continue;
        auto f = leading_number(line.substr(0, x));
        auto d = leading_number(line.substr(x + 1));
        if (!f || !d || *f < 0 || *f > 255 || *d < 0 || *d > 65535)
            continue;
        s.entries.push_back({uint8_t(*f), uint16_t(*d)});
    }
    return s;
}

void ClipScript::keep_frames_below(int frame_count)
{
    std::vector<Entry> kept;
    for (const auto& e : entries)
        if (e.frame < frame_count)
            kept.push_back(e);
    entries = kept;
}

std::array<std::string, 4> parse_sequence(const std::string& text)
{
    size_t used = 0;
    auto f = fields_of(text, 4, used);
    std::array<std::string, 4> out;
    for (size_t i = 0; i < f.size() && i < 4; ++i)
        out[i] = f[i];
    return out;
}

bool stays_in_data_root(const std::string& rel)
{
    if (rel.empty() || rel[0] == '/' || (rel.size() >= 2 && rel[1] == ':'))
        return false;
    std::string part;
    for (size_t i = 0; i <= rel.size(); ++i) {
        if (i == rel.size() || rel[i] == '\\' || rel[i] == '/') {
            if (part == "..")
                return false;
            part.clear();
        } else {
            part += rel[i];
        }
    }
    return true;
}

}  // namespace bafo
