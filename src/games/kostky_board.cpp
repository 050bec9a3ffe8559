#include "games/kostky_board.h"

#include <cctype>
#include <cmath>

namespace bafo {

KostkyBoard::Grid KostkyBoard::grid_of(int level)
{
    Grid g{};
    g.columns = level == 3 ? 10 : level == 2 ? 8 : 5;
    g.width = 640 / g.columns;
    g.rows = 480 / g.width + (480 % g.width ? 1 : 0);
    g.height = int(std::lround(480.0 / g.rows));
    return g;
}

KostkyBoard::Die KostkyBoard::rolled(const Die& d, Roll r)
{
    Die n = d;
    switch (r) {
    case Roll::Left: n = {d[1], d[2], d[3], d[0], d[4], d[5]}; break;   // the right face comes to the front
    case Roll::Right: n = {d[3], d[0], d[1], d[2], d[4], d[5]}; break;  // the left face comes to the front
    case Roll::Down: n = {d[4], d[1], d[5], d[3], d[2], d[0]}; break;   // the top face comes to the front
    case Roll::Up: n = {d[5], d[1], d[4], d[3], d[0], d[2]}; break;     // the bottom face comes to the front
    case Roll::None: break;
    }
    return n;
}

void KostkyBoard::set_level(int level)
{
    m_grid = grid_of(level);
    const size_t n = size_t(m_grid.cubes());
    m_dice.assign(n, kStart);
    m_front.assign(n, 1);
    m_angle.assign(n, 0);
}

Rect KostkyBoard::cube_rect(int c) const
{
    return {m_grid.width * (c % m_grid.columns), m_grid.height * (c / m_grid.columns), m_grid.width, m_grid.height};
}

int KostkyBoard::cube_at(int x, int y) const
{
    for (int c = 0; c < m_grid.cubes(); ++c) {
        const Rect r = cube_rect(c);
        if (x >= r.x && x <= r.x + r.w && y >= r.y && y <= r.y + r.h)
            return c;
    }
    return -1;
}

KostkyBoard::Roll KostkyBoard::band(int c, int x, int y) const
{
    if (c < 0)
        return Roll::None;
    const Rect r = cube_rect(c);
    const int dx = x - r.x, dy = y - r.y;
    if (dx < kBand)
        return Roll::Left;
    if (dx > r.w - kBand)
        return Roll::Right;
    if (dy < kBand)
        return Roll::Up;
    if (dy > r.h - kBand)
        return Roll::Down;
    return Roll::None;
}

void KostkyBoard::shuffle(const std::function<void()>& reseed, const std::function<int()>& draw4)
{
    static constexpr Roll kByDraw[5] = {Roll::None, Roll::Up, Roll::Down, Roll::Right, Roll::Left};
    for (int c = 0; c < m_grid.cubes(); ++c) {
        reseed();
        Die d = kStart;
        for (int k = 0; k < 10; ++k)
            d = rolled(d, kByDraw[draw4()]);
        m_dice[size_t(c)] = d;
        m_front[size_t(c)] = d[0];
        m_angle[size_t(c)] = 0;
    }
}

void KostkyBoard::roll(int c, Roll r, int button)
{
    if (c < 0 || r == Roll::None)
        return;
    m_dice[size_t(c)] = rolled(m_dice[size_t(c)], r);
    if (button == 1)
        m_front[size_t(c)] = m_dice[size_t(c)][0];
    else if (button == 2)
        m_angle[size_t(c)] = (m_angle[size_t(c)] + 90) % 360;
}

bool KostkyBoard::solved() const
{
    for (int c = 0; c < m_grid.cubes(); ++c)
        if (m_front[size_t(c)] != 1 || m_angle[size_t(c)] != 0)
            return false;
    return true;
}

std::array<std::string, 6> face_pictures(const std::string& chosen)
{
    // "...POZADI7.BMP" → 7; "...POZADI10.BMP" → 10.
    std::array<std::string, 6> out;
    const size_t dot = chosen.size() >= 4 ? chosen.size() - 4 : 0;
    size_t start = dot;
    if (start > 0 && std::isdigit((unsigned char)chosen[start - 1]))
        --start;
    if (start > 0 && chosen[dot - 1] == '0' && std::isdigit((unsigned char)chosen[start - 1]))
        --start;
    const int n = start < dot ? std::stoi(chosen.substr(start, dot - start)) : 1;
    for (int k = 1; k <= 6; ++k)
        out[size_t(k - 1)] = chosen.substr(0, start) + std::to_string((n + k - 1) % 10 + 1) + chosen.substr(dot);
    return out;
}

}  // namespace bafo
