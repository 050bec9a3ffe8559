// The frame around the picture games (fifteen, jigsaw, cubes, mosaic): a
// little puppet theatre whose stage opening is the picture area, with the six
// icons on its front board and curtains. Each game is one call with its own
// directory, hot areas, label place, colour and emblem.
#pragma once

#include "art.h"
#include "datagen.h"

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace datagen::frame {

struct Rect {
    int x, y, w, h;
};

// Icon indexes as the games number their hot areas.
enum Icon { kBack = 0, kLevel = 1, kShuffle = 2, kMascot = 3, kHint = 4, kBest = 5 };

// Where the game paints each lit picture, and their sizes. The points are the
// same on every picture game screen; the sizes are ours, chosen to cover every
// game's hot area while staying clear of each other and of the picture.
inline constexpr std::array<Rect, 6> kLit = {{{0, 515, 124, 85},
                                              {177, 515, 80, 85},
                                              {577, 515, 64, 85},
                                              {732, 509, 68, 91},
                                              {744, 0, 56, 96},
                                              {0, 0, 72, 58}}};

// The board lies here and always covers it.
inline constexpr Rect kPicture = {80, 31, 640, 480};

// The game's sign, centred on (0, 0) and about 2r across.
using Emblem = std::function<void(cairo_t*, double r)>;

struct Look {
    std::string dir;            // "BAFO_CS/15/"
    std::array<Rect, 6> hot;    // by Icon
    Rect label;                 // where the game writes its moves or time, dark on light
    uint32_t theme;             // curtains and pelmet
    Emblem emblem;              // on the curtains' tie-backs
    // Where an icon is drawn when its hot area is too narrow to centre it in
    // (by Icon; w = 0: centred in the hot area).
    std::array<Rect, 6> art{};
};

// BG, the five lit icons, the six level icons and the mouth strip.
void write_frame(const std::filesystem::path& root, const Look& look);
void expect_frame(std::vector<Expect>& out, const Look& look);

// Mouth strip: four frames of this size side by side, laid at (kLit[kMascot].x, .y).
inline constexpr int kMouthW = 68, kMouthH = 91;

// The icons' drawings, for a screen that lays them on its own ground (the
// memory game). Each is drawn in screen coordinates, centred in the hot area it
// is given; the lit look is the same picture a little larger and brighter.
struct IconArt {
    std::function<void(cairo_t*)> draw;
    art::PathFn glow;  // around the lit look
};
IconArt level_icon(const Rect& hot, int level, bool lit);
IconArt best_icon(const Rect& hot, bool lit);
IconArt mascot_icon(art::Mouth m, bool lit, double scale = 0.25);  // Bafo standing in kLit[kMascot]
// What a tile of the shuffle icon shows inside its white border: a square at
// (x, y), t wide; `top` tells the upper tile from the lower one.
using TileFace = std::function<void(cairo_t* cr, double x, double y, double t, bool top)>;
IconArt shuffle_icon(const Rect& hot, bool lit, const TileFace& face = {});  // default: picture tiles
void twinkle(cairo_t* cr, double x, double y, double r);
// The rectangle r of `ground` with the icon on it, glowing when lit; the glow
// fades out before the `keep_clear` boxes (screen coordinates).
art::Canvas icon_picture(const art::Canvas& ground, const Rect& r, bool lit, const IconArt& icon,
                         const std::vector<art::Box>& keep_clear = {});
// Throws unless the picture's outer pixels are the ground's own: it is copied
// over the screen as a rectangle, and an icon touching its edge would be cut off.
void require_clear_edge(const art::Canvas& pic, const art::Canvas& ground, const Rect& r, const std::string& what);

// The theatre's parts, for a screen of the same family (the falling blocks).
inline constexpr uint32_t kGold = 0xF5C542, kGoldDark = 0xB9822A;
IconArt back_icon(const Rect& hot, bool lit);  // the orange pill with the white arrow
// Gold, about 48 px across, with the emblem on a cream disc.
void medallion(cairo_t* cr, double x, double y, const Emblem& emblem);
// Velvet band and swags across the top, their hems ending above y 29.
void pelmet(cairo_t* cr, uint32_t theme);
// The gold moulding `rim` px wide around an opening, none of it inside.
void gold_rim(cairo_t* cr, const Rect& opening, int rim);
// Warm planks from `top` down to the screen's bottom edge.
void front_board(cairo_t* cr, art::Rng& rng, double top);
// A light plate under a label of dark digits, rising from the bottom edge.
void label_plate(cairo_t* cr, const Rect& label);

// Pointer images, 32 x 32, the key colour (pixel (0, 0)) transparent.
// A paw pointing up at a tile that can move; its fingertip is the hot spot.
inline constexpr int kHandHotX = 8, kHandHotY = 1;
art::Canvas pointer_hand();
// An arrow with a pinwheel, while the board is busy; the arrow's tip is the hot spot.
inline constexpr int kBusyHotX = 2, kBusyHotY = 2;
art::Canvas pointer_busy();
// A pointer drawn antialiased on an alpha layer made two-tone: what is mostly
// covered keeps its colour, the rest (and pixel (0, 0)) becomes the key colour.
art::Canvas keyed_pointer(const art::Canvas& layer);
// The six level icons SLOZ_1..3 (plain) and SLOZ_11..31 (lit), and Bafo's
// four-frame mouth strip BAFO_ANI.BMP whose frame 0 is his closed mouth.
void write_levels_and_mouth(const std::filesystem::path& dir,
                            const std::function<art::Canvas(int level, bool lit)>& level_icon,
                            const std::function<art::Canvas(art::Mouth)>& bafo);
// A screen's KURZOR.BMP (busy) and RUKA.BMP (paw) under dir ("BAFO_CS/15/"), and what the check expects of them.
void write_pointers(const std::filesystem::path& root, const std::string& dir);
void expect_pointers(std::vector<Expect>& out, const std::string& dir);

}  // namespace datagen::frame
