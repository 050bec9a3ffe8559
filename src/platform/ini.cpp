#include "platform/ini.h"

#include "platform/files.h"

#include <algorithm>
#include <cctype>

namespace bafo {

namespace {

std::string trim(const std::string& s)
{
    size_t a = s.find_first_not_of(" \t\r\n");
    if (a == std::string::npos)
        return {};
    size_t b = s.find_last_not_of(" \t\r\n");
    return s.substr(a, b - a + 1);
}

bool same_name(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower((unsigned char)x) == std::tolower((unsigned char)y);
           });
}

std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> out;
    size_t at = 0;
    while (at < text.size()) {
        size_t nl = text.find('\n', at);
        if (nl == std::string::npos)
            nl = text.size();
        std::string line = text.substr(at, nl - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        out.push_back(line);
        at = nl + 1;
    }
    return out;
}

// "[name]" → name; empty optional-like "" with ok=false otherwise.
bool section_name(const std::string& line, std::string& name)
{
    std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[')
        return false;
    auto close = t.find(']');
    if (close == std::string::npos)
        return false;
    name = trim(t.substr(1, close - 1));
    return true;
}

bool key_of(const std::string& line, std::string& key, std::string& value)
{
    auto eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    key = trim(line.substr(0, eq));
    value = line.substr(eq + 1);
    return !key.empty() && key[0] != ';';
}

}  // namespace

std::string ini_get(const std::string& text, const std::string& section, const std::string& key)
{
    bool in = false;
    for (const auto& line : lines_of(text)) {
        std::string name;
        if (section_name(line, name)) {
            in = same_name(name, section);
            continue;
        }
        std::string k, v;
        if (in && key_of(line, k, v) && same_name(k, key)) {
            v = trim(v);
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            if (v.size() > 254)
                v.resize(254);
            return trim(v);
        }
    }
    return kIniMissing;
}

std::string ini_set(const std::string& text, const std::string& section, const std::string& key,
                    const std::string& value)
{
    auto lines = lines_of(text);
    // Keys and values cannot carry line breaks: they would split the entry.
    auto clean = [](std::string s) {
        s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == '\n' || c == '\r'; }), s.end());
        return s;
    };
    const std::string entry = clean(key) + "=" + clean(value);
    int sec = -1, last_in_sec = -1;
    bool in = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (section_name(lines[i], name)) {
            if (in)
                break;
            in = same_name(name, section);
            if (in)
                sec = last_in_sec = int(i);
            continue;
        }
        if (!in)
            continue;
        std::string k, v;
        if (key_of(lines[i], k, v) && same_name(k, key)) {
            lines[i] = entry;
            goto done;
        }
        if (!trim(lines[i]).empty())
            last_in_sec = int(i);
    }
    if (sec < 0) {
        if (!lines.empty() && !trim(lines.back()).empty())
            lines.push_back("");
        lines.push_back("[" + clean(section) + "]");
        lines.push_back(entry);
    } else {
        lines.insert(lines.begin() + last_in_sec + 1, entry);
    }
done:
    std::string out;
    for (const auto& l : lines)
        out += l + "\n";
    return out;
}

std::string ini_read(const std::string& file, const std::string& section, const std::string& key)
{
    auto text = read_file(file);
    if (!text)
        return kIniMissing;
    return ini_get(*text, section, key);
}

bool ini_write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value)
{
    std::string text;
    // A file that is there but cannot be read is never replaced: its other entries would be lost.
    if (read_file(file, text) == ReadStatus::Failed)
        return false;
    return write_file_atomic(file, ini_set(text, section, key, value));
}

}  // namespace bafo
