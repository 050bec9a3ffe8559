#include "platform/font.h"

#include <SDL_ttf.h>
#include <map>
#include <unistd.h>

namespace bafo {

namespace {

const char* font_file(bool bold)
{
    static const char* bold_files[] = {"/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf",
                                       "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
                                       "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"};
    static const char* regular_files[] = {"/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf",
                                          "/usr/share/fonts/truetype/comfortaa/Comfortaa-Regular.ttf",
                                          "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"};
    for (const char* f : bold ? bold_files : regular_files)
        if (::access(f, R_OK) == 0)
            return f;
    return nullptr;
}

// Fonts stay open for the whole run; a label redraw must not reopen a file.
struct OpenFonts {
    std::map<std::pair<int, bool>, TTF_Font*> fonts;
    ~OpenFonts()
    {
        for (auto& [k, f] : fonts)
            if (f)
                TTF_CloseFont(f);
        if (TTF_WasInit())
            TTF_Quit();
    }
};

TTF_Font* font(const TextStyle& st)
{
    static OpenFonts cache;
    auto& open = cache.fonts;
    auto key = std::make_pair(st.size, st.bold);
    if (auto it = open.find(key); it != open.end())
        return it->second;
    if (!TTF_WasInit() && TTF_Init() != 0)
        return nullptr;
    const char* file = font_file(st.bold);
    TTF_Font* f = file ? TTF_OpenFont(file, st.size) : nullptr;
    open[key] = f;
    return f;
}

}  // namespace

void text_size(const std::string& utf8, const TextStyle& style, int& w, int& h)
{
    w = h = 0;
    TTF_Font* f = font(style);
    if (f && !utf8.empty())
        TTF_SizeUTF8(f, utf8.c_str(), &w, &h);
    else if (f)
        h = TTF_FontHeight(f);
}

int draw_text(Surface& dst, int x, int y, const std::string& utf8, const TextStyle& style)
{
    TTF_Font* f = font(style);
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
