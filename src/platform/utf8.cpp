#include "platform/utf8.h"

namespace bafo {

std::vector<std::string> utf8_chars(const std::string& s)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = (unsigned char)s[i];
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) {
            ++i;
            continue;
        }
        bool ok = true;
        for (size_t k = 1; k < n; ++k)
            ok = ok && ((unsigned char)s[i + k] >> 6) == 2;
        if (ok)
            out.push_back(s.substr(i, n));
        i += ok ? n : 1;
    }
    return out;
}

}  // namespace bafo
