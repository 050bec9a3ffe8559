#include "platform/font.h"

#include "platform/utf8.h"

#include <SDL_ttf.h>
#include <tuple>
#include <map>
#include <unistd.h>

namespace bafo {

namespace {

// Comic Neue first; it has no Cyrillic, so names fall back to Comfortaa,
// and anything else to DejaVu.
constexpr int kFamilies = 3;
const char* font_file(bool bold, int family)
{
    static const char* bold_files[kFamilies] = {"/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf",
                                                "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
                                                "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};
    static const char* regular_files[kFamilies] = {"/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf",
                                                   "/usr/share/fonts/truetype/comfortaa/Comfortaa-Regular.ttf",
                                                   "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"};
    const char* f = (bold ? bold_files : regular_files)[family];
    return ::access(f, R_OK) == 0 ? f : nullptr;
}

// Fonts stay open for the whole run; a label redraw must not reopen a file.
struct OpenFonts {
    std::map<std::tuple<int, bool, int>, TTF_Font*> fonts;
    ~OpenFonts()
    {
        for (auto& [k, f] : fonts)
            if (f)
                TTF_CloseFont(f);
        if (TTF_WasInit())
            TTF_Quit();
    }
};

TTF_Font* open_font(const TextStyle& st, int family)
{
    static OpenFonts cache;
    auto key = std::make_tuple(st.size, st.bold, family);
    if (auto it = cache.fonts.find(key); it != cache.fonts.end())
        return it->second;
    if (!TTF_WasInit() && TTF_Init() != 0)
        return nullptr;
    const char* file = font_file(st.bold, family);
    TTF_Font* f = file ? TTF_OpenFont(file, st.size) : nullptr;
    cache.fonts[key] = f;
    return f;
}

bool has_all_glyphs(TTF_Font* f, const std::string& utf8)
{
    for (const auto& ch : utf8_chars(utf8)) {
        uint32_t cp = 0;
        unsigned char c0 = (unsigned char)ch[0];
        cp = ch.size() == 1 ? c0 : ch.size() == 2 ? (c0 & 0x1F) : ch.size() == 3 ? (c0 & 0x0F) : (c0 & 0x07);
        for (size_t i = 1; i < ch.size(); ++i)
            cp = cp << 6 | ((unsigned char)ch[i] & 0x3F);
        if (!TTF_GlyphIsProvided32(f, cp))
            return false;
    }
    return true;
}

// The first family that can draw every character of the text.
TTF_Font* font(const TextStyle& st, const std::string& utf8 = "")
{
    TTF_Font* fallback = nullptr;
    for (int family = 0; family < kFamilies; ++family) {
        TTF_Font* f = open_font(st, family);
        if (!f)
            continue;
        if (!fallback)
            fallback = f;
        if (has_all_glyphs(f, utf8))
            return f;
    }
    return fallback;
}

}  // namespace

void text_size(const std::string& utf8, const TextStyle& style, int& w, int& h)
{
    w = h = 0;
    TTF_Font* f = font(style, utf8);
    if (f && !utf8.empty())
        TTF_SizeUTF8(f, utf8.c_str(), &w, &h);
    else if (f)
        h = TTF_FontHeight(f);
}

int draw_text(Surface& dst, int x, int y, const std::string& utf8, const TextStyle& style)
{
    TTF_Font* f = font(style, utf8);
    if (!f || utf8.empty())
        return 0;
    SDL_Color c{Uint8(style.colour >> 16), Uint8(style.colour >> 8), Uint8(style.colour), 255};
    SDL_Surface* raw = TTF_RenderUTF8_Blended(f, utf8.c_str(), c);
    if (!raw)
        return 0;
    SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(raw);
    if (!s)
        return 0;
    SDL_LockSurface(s);
    for (int j = 0; j < s->h; ++j) {
        int dy = y + j;
        if (dy < 0 || dy >= dst.height())
            continue;
        const auto* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s->pixels) +
                                                            size_t(j) * size_t(s->pitch));
        for (int i = 0; i < s->w; ++i) {
            int dx = x + i;
            uint32_t a = src[i] >> 24;
            if (dx < 0 || dx >= dst.width() || a == 0)
                continue;
            uint32_t d = dst.row(dy)[dx];
            auto mix = [&](int shift) {
                uint32_t sc = (src[i] >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
                return ((sc * a + dc * (255 - a) + 127) / 255) << shift;
            };
            dst.row(dy)[dx] = mix(16) | mix(8) | mix(0);
        }
    }
    int w = s->w;
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return w;
}

}  // namespace bafo
