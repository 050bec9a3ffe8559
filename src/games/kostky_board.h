// The picture cubes without drawing: the grid of a level, each cube's face
// list (a die: front, right, back, left, top, bottom), its front face and its
// angle, the four rolls, the edge bands that choose a roll, and the win test.
#pragma once

#include "platform/surface.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace bafo {

class KostkyBoard {
public:
    using Die = std::array<int, 6>;  // faces at front, right, back, left, top, bottom
    static constexpr Die kStart = {1, 2, 6, 5, 4, 3};
    static constexpr int kBand = 15;
    enum class Roll { None, Left, Right, Up, Down };

    struct Grid {
        int columns, width, rows, height;
        int cubes() const { return columns * rows; }
    };
    static Grid grid_of(int level);

    // kostka_vlevo, kostka_vpravo, kostka_nahoru, kostka_dolu: one quarter turn.
    static Die rolled(const Die& d, Roll r);

    // nastav_obtiznost: every cube the starting die, face 1 in front, upright.
    void set_level(int level);
    const Grid& grid() const { return m_grid; }
    // The cube's place in the picture area (picture coordinates).
    Rect cube_rect(int c) const;
    // The first cube whose rectangle holds the point, borders included; -1 for none.
    int cube_at(int x, int y) const;
    // The roll chosen by a point inside cube c: the 15-pixel bands, left and right winning in the corners.
    Roll band(int c, int x, int y) const;

    // Ten random rolls of the starting die for each cube; `reseed` runs before each cube,
    // `draw4()` gives 1 (up), 2 (down), 3 (right) or 4 (left).
    void shuffle(const std::function<void()>& reseed, const std::function<int()>& draw4);

    // A roll by a button: the left one brings the new front face, the right
    // one turns the cube a quarter and keeps the face it showed, others only
    // roll the die inside.
    void roll(int c, Roll r, int button);

    const Die& die(int c) const { return m_dice[size_t(c)]; }
    int front(int c) const { return m_front[size_t(c)]; }
    int angle(int c) const { return m_angle[size_t(c)]; }
    bool solved() const;

private:
    Grid m_grid = grid_of(1);
    std::vector<Die> m_dice;
    std::vector<int> m_front, m_angle;
};

// The six face pictures of a chosen picture ending in a number n before ".BMP":
// the same name with n + 1 .. n + 6, counted round after 10.
std::array<std::string, 6> face_pictures(const std::string& chosen);

}  // namespace bafo
