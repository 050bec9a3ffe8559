// Bafo's wardrobe: ten hats, shirts, shorts and pairs of boots, each drawn in
// his own units over the places of his head, chest, hips and feet as
// dress_art.cpp stands him (feet lowered 84 units, arms a little out), so a
// garment fits him wherever he is drawn at whatever scale.
#include "dress_art.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

namespace datagen::dress {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;
constexpr double kLw = 3.4;  // outline, in his units (about 2.7 px)

// Where his parts are, in his units, for the pose dress_art.cpp gives him.
constexpr double kArm = 0.45;            // radians out from hanging down
constexpr double kShoulderX = 44, kShoulderY = -98;
constexpr double kFootX = 30, kFootY = 72;  // centre of each foot

// A piece of cloth: dark outline, fill lighter at the top, then whatever
// `inside` paints, clipped to the piece.
void piece(cairo_t* cr, const PathFn& path, uint32_t fill, const std::function<void(cairo_t*)>& inside = {},
           double shade = 0.22)
{
    paint_shape(cr, path, Style{fill, shade, pal::outline, kLw, false});
    if (inside) {
        cairo_save(cr);
        path(cr);
        cairo_clip(cr);
        cairo_new_path(cr);
        inside(cr);
        cairo_restore(cr);
    }
}

void disc(cairo_t* cr, double x, double y, double r, uint32_t c, bool outlined = false)
{
    if (outlined)
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, x, y, r, r); }, Style{c, 0.3, pal::outline, kLw * 0.6, false});
    else {
        set_rgb(cr, c);
        ellipse(cr, x, y, r, r);
        cairo_fill(cr);
    }
}

void star(cairo_t* cr, double x, double y, double r, uint32_t c, double turn = 0)
{
    paint_shape(cr, [=](cairo_t* g) { star_path(g, x, y, r, r * 0.46, 5, turn); },
                Style{c, 0.35, pal::outline, kLw * 0.45, false});
}

// A five-petal flower without a stem.
void blossom(cairo_t* cr, double x, double y, double r, uint32_t petals, uint32_t middle = pal::sun)
{
    paint_shape(cr, [=](cairo_t* g) {
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * kPi / 5 - kPi / 2;
            cairo_new_sub_path(g);
            cairo_arc(g, x + r * 0.55 * std::cos(a), y + r * 0.55 * std::sin(a), r * 0.45, 0, 2 * kPi);
        }
    }, Style{petals, 0.3, pal::outline, kLw * 0.4, false});
    disc(cr, x, y, r * 0.3, middle);
}

// =========================================================================
// Hats. His head is the ellipse (0, -188) 84 x 72; the eyes begin at -218,
// the ears rise to -268 beside x = +-70. The bitmap spans x +-73.7 and
// y -287.5 .. -212.5; a hat sits on a brim around y -228.

// Half the head's width at height y.
double head_half(double y)
{
    const double t = (y + 188) / 72;
    return 84 * std::sqrt(std::max(0.0, 1 - t * t));
}

// A dome over the top of the head from its crest down to y, a little wider than the head.
void dome_path(cairo_t* g, double y, double top = -266, double spare = 3)
{
    const double hw = std::min(head_half(y) + spare, 68.0);
    cairo_move_to(g, -hw, y);
    cairo_curve_to(g, -hw, top + 6, -hw * 0.55, top, 0, top);
    cairo_curve_to(g, hw * 0.55, top, hw, top + 6, hw, y);
    cairo_close_path(g);
}

void hat_cap(cairo_t* cr)
{
    const uint32_t red = 0xE23B3B;
    auto dome = [](cairo_t* g) { dome_path(g, -232, -272); };
    piece(cr, dome, red, [&](cairo_t* c) {
        // Six panels meeting at a button, and a white front panel.
        set_rgb(cr, pal::white);
        cairo_move_to(c, -22, -232);
        cairo_curve_to(c, -18, -254, -8, -268, 0, -272);
        cairo_curve_to(c, 8, -268, 18, -254, 22, -232);
        cairo_close_path(c);
        cairo_fill(c);
        for (int k : {-1, 1}) {
            cairo_move_to(c, k * 22, -232);
            cairo_curve_to(c, k * 18, -254, k * 8, -268, 0, -272);
            cairo_move_to(c, k * 52, -232);
            cairo_curve_to(c, k * 46, -252, k * 26, -268, 0, -272);
        }
        set_rgb(c, darken(red, 0.35));
        cairo_set_line_width(c, 1.8);
        cairo_stroke(c);
    });
    // The peak, curving down towards the child.
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -62, -234);
        cairo_curve_to(g, -40, -240, 40, -240, 62, -234);
        cairo_curve_to(g, 58, -222, 30, -219, 0, -219);
        cairo_curve_to(g, -30, -219, -58, -222, -62, -234);
        cairo_close_path(g);
    }, darken(red, 0.1));
    disc(cr, 0, -273, 4, darken(red, 0.2), true);
    star(cr, 0, -250, 9, pal::sun);
}

void hat_crown(cairo_t* cr)
{
    const uint32_t gold = 0xF7C531;
    auto crown = [](cairo_t* g) {
        cairo_move_to(g, -58, -226);
        cairo_line_to(g, -62, -268);
        cairo_line_to(g, -38, -246);
        cairo_line_to(g, -20, -276);
        cairo_line_to(g, 0, -250);
        cairo_line_to(g, 20, -276);
        cairo_line_to(g, 38, -246);
        cairo_line_to(g, 62, -268);
        cairo_line_to(g, 58, -226);
        cairo_close_path(g);
    };
    piece(cr, crown, gold, [](cairo_t* c) {
        set_rgb(c, darken(0xF7C531, 0.18));
        cairo_rectangle(c, -70, -240, 140, 14);
        cairo_fill(c);
        set_rgb(c, pal::white, 0.55);
        cairo_move_to(c, -52, -244);
        cairo_line_to(c, -54, -260);
        cairo_set_line_width(c, 3);
        cairo_stroke(c);
    }, 0.4);
    for (int k : {-1, 0, 1})
        disc(cr, k * 32, -233, 5.5, k == 0 ? 0x3E7BE8 : 0xE8314A, true);
    for (double x : {-62.0, -20.0, 20.0, 62.0})
        disc(cr, x, x == -62 || x == 62 ? -268 : -276, 4.5, pal::white, true);
    disc(cr, 0, -250, 4, 0x2FBF71, true);
}

void hat_top(cairo_t* cr)
{
    const uint32_t black = 0x2A2A3A;
    piece(cr, [](cairo_t* g) { rounded_rect(g, -42, -280, 84, 56, 5); }, black, [](cairo_t* c) {
        set_rgb(c, 0xD8323A);
        cairo_rectangle(c, -50, -246, 100, 12);
        cairo_fill(c);
        set_rgb(c, pal::white, 0.25);
        cairo_rectangle(c, -34, -276, 8, 28);
        cairo_fill(c);
    }, 0.3);
    piece(cr, [](cairo_t* g) { ellipse(g, 0, -226, 66, 8); }, darken(black, 0.1), {}, 0.4);
    // A flower tucked in the band.
    blossom(cr, 28, -240, 10, 0xFFFFFF);
}

void hat_cowboy(cairo_t* cr)
{
    const uint32_t leather = 0xB87838;
    // The crown with a dent in the middle.
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -40, -230);
        cairo_curve_to(g, -44, -258, -40, -284, -20, -284);
        cairo_curve_to(g, -8, -284, -6, -282, 0, -282);
        cairo_curve_to(g, 6, -282, 8, -284, 20, -284);
        cairo_curve_to(g, 40, -284, 44, -258, 40, -230);
        cairo_close_path(g);
    }, leather, [](cairo_t* c) {
        set_rgb(c, 0x5A3418);
        cairo_rectangle(c, -50, -244, 100, 9);
        cairo_fill(c);
        // The crease down the crown.
        set_rgb(c, darken(0xB87838, 0.3));
        cairo_set_line_width(c, 2);
        cairo_move_to(c, 0, -280);
        cairo_curve_to(c, -4, -268, 4, -258, 0, -246);
        cairo_stroke(c);
    });
    // The brim curls up at both sides.
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -68, -254);
        cairo_curve_to(g, -66, -236, -52, -230, 0, -230);
        cairo_curve_to(g, 52, -230, 66, -236, 68, -254);
        cairo_curve_to(g, 68, -232, 56, -218, 0, -218);
        cairo_curve_to(g, -56, -218, -68, -232, -68, -254);
        cairo_close_path(g);
    }, darken(leather, 0.08));
    star(cr, 0, -240, 6, 0xF2D04B);
}

void hat_wizard(cairo_t* cr)
{
    const uint32_t violet = 0x6E4BC9;
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -50, -230);
        cairo_curve_to(g, -36, -252, -10, -266, 6, -281);
        cairo_curve_to(g, 16, -270, 24, -262, 30, -256);
        cairo_curve_to(g, 40, -246, 46, -238, 50, -230);
        cairo_close_path(g);
    }, violet, [](cairo_t* c) {
        star(c, -14, -244, 6, pal::sun, 0.2);
        star(c, 16, -262, 4.5, pal::sun, -0.3);
        star(c, 26, -238, 4, pal::white);
        disc(c, -2, -262, 2.2, pal::white);
        disc(c, 38, -248, 2, pal::white);
        // A moon.
        set_rgb(c, 0xFFE680);
        cairo_arc(c, 6, -236, 7, 0, 2 * kPi);
        cairo_fill(c);
        set_rgb(c, lighten(0x6E4BC9, 0.1));
        cairo_arc(c, 10, -238, 6, 0, 2 * kPi);
        cairo_fill(c);
    }, 0.3);
    piece(cr, [](cairo_t* g) { ellipse(g, 0, -228, 67, 9); }, darken(violet, 0.15), [](cairo_t* c) {
        for (int i = -3; i <= 3; ++i)
            star(c, i * 18, -228, 3.5, pal::sun);
    });
}

void hat_beanie(cairo_t* cr)
{
    const uint32_t teal = 0x1FAFA3, stripe = 0xFFD23F;
    // The pompom first: the hat covers its foot.
    piece(cr, [](cairo_t* g) {
        for (int i = 0; i < 9; ++i) {
            const double a = i * 2 * kPi / 9;
            cairo_new_sub_path(g);
            cairo_arc(g, 7 * std::cos(a), -271 + 6 * std::sin(a), 6, 0, 2 * kPi);
        }
    }, pal::white, {}, 0.0);
    piece(cr, [](cairo_t* g) { dome_path(g, -232, -264, 1); }, teal, [=](cairo_t* c) {
        for (int i = 0; i < 3; ++i) {
            set_rgb(c, stripe);
            cairo_rectangle(c, -80, -258 + i * 9, 160, 4);
            cairo_fill(c);
        }
        // Knitted dots.
        set_rgb(c, darken(teal, 0.2));
        for (int y = -262; y < -232; y += 6)
            for (int x = -72; x <= 72; x += 8)
                ellipse(c, x + (y / 6 % 2) * 4, y, 1.2, 1.8);
        cairo_fill(c);
    });
    // The turned-up cuff with ribs.
    piece(cr, [](cairo_t* g) { rounded_rect(g, -67, -244, 134, 20, 8); }, darken(teal, 0.12), [](cairo_t* c) {
        set_rgb(c, darken(0x1FAFA3, 0.35));
        cairo_set_line_width(c, 1.8);
        for (int x = -64; x <= 64; x += 8) {
            cairo_move_to(c, x, -242);
            cairo_line_to(c, x, -226);
        }
        cairo_stroke(c);
    });
}

void hat_chef(cairo_t* cr)
{
    const uint32_t cloth = 0xFBFBF7;
    piece(cr, [](cairo_t* g) {
        const double puffs[][3] = {{-34, -252, 18}, {0, -261, 20}, {34, -252, 18}, {-16, -247, 17}, {16, -247, 17}};
        for (auto& p : puffs) {
            cairo_new_sub_path(g);
            cairo_arc(g, p[0], p[1], p[2], 0, 2 * kPi);
        }
        cairo_rectangle(g, -44, -250, 88, 16);
    }, cloth, [](cairo_t* c) {
        set_rgb(c, 0xC9CFDA);
        cairo_set_line_width(c, 1.6);
        for (double x : {-18.0, 18.0}) {
            cairo_move_to(c, x, -260);
            cairo_curve_to(c, x * 1.1, -250, x * 1.1, -244, x, -236);
        }
        cairo_stroke(c);
    }, 0.0);
    piece(cr, [](cairo_t* g) { rounded_rect(g, -50, -240, 100, 18, 4); }, cloth, [](cairo_t* c) {
        set_rgb(c, 0xD9DEE8);
        cairo_rectangle(c, -60, -226, 120, 6);
        cairo_fill(c);
    }, 0.0);
    // A little red heart on the band.
    paint_shape(cr, [](cairo_t* g) { heart_path(g, 0, -231, 5.5); }, Style{0xE8453C, 0.3, pal::outline, 1.3, false});
}

void hat_pirate(cairo_t* cr)
{
    const uint32_t black = 0x26262E;
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -68, -232);
        cairo_curve_to(g, -64, -254, -46, -262, -30, -258);
        cairo_curve_to(g, -20, -292, 20, -292, 30, -258);
        cairo_curve_to(g, 46, -262, 64, -254, 68, -232);
        cairo_curve_to(g, 40, -222, -40, -222, -68, -232);
        cairo_close_path(g);
    }, black, [](cairo_t* c) {
        set_rgb(c, 0xF2C94C);
        cairo_set_line_width(c, 3);
        cairo_move_to(c, -68, -234);
        cairo_curve_to(c, -40, -226, 40, -226, 68, -234);
        cairo_stroke(c);
    }, 0.35);
    // The skull and crossed bones.
    line(cr, -12, -236, 12, -250, pal::white, 4);
    line(cr, -12, -250, 12, -236, pal::white, 4);
    paint_shape(cr, [](cairo_t* g) {
        ellipse(g, 0, -251, 9, 8);
        rounded_rect(g, -5, -248, 10, 8, 2);
    }, Style{pal::white, 0.0, pal::outline, 1.2, false});
    disc(cr, -3.5, -251, 2.4, black);
    disc(cr, 3.5, -251, 2.4, black);
    // A red feather behind.
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, 40, -252);
        cairo_curve_to(g, 52, -276, 64, -278, 66, -270);
        cairo_curve_to(g, 62, -262, 52, -254, 40, -252);
        cairo_close_path(g);
    }, Style{0xE8453C, 0.3, pal::outline, 1.5, false});
}

void hat_flowers(cairo_t* cr)
{
    const uint32_t straw = 0xF3D27A;
    auto weave = [](cairo_t* c) {
        set_rgb(c, darken(0xF3D27A, 0.18));
        cairo_set_line_width(c, 1.4);
        for (int y = -272; y < -214; y += 5) {
            cairo_move_to(c, -80, y);
            cairo_line_to(c, 80, y);
        }
        cairo_stroke(c);
    };
    piece(cr, [](cairo_t* g) { ellipse(g, 0, -230, 67, 11); }, straw, weave);
    piece(cr, [](cairo_t* g) { dome_path(g, -230, -283, -10); }, straw, weave);
    piece(cr, [](cairo_t* g) { rounded_rect(g, -56, -243, 112, 11, 4); }, 0x7FC8F8);
    blossom(cr, -30, -242, 10, 0xFF8FC7);
    blossom(cr, -10, -246, 8, pal::white);
    blossom(cr, 12, -243, 10, 0xFF6B5B);
    blossom(cr, 34, -245, 8, 0xB38CF0);
    // Two green leaves.
    for (int k : {-1, 1})
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, k * 46, -238, 7, 4); }, Style{0x5DBB46, 0.3, pal::outline, 1.2, false});
}

void hat_helmet(cairo_t* cr)
{
    const uint32_t red = 0xD92B2B;
    // The brim, longer at the back: seen from the front it frames the head.
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -68, -222);
        cairo_curve_to(g, -69, -236, -60, -240, 0, -240);
        cairo_curve_to(g, 60, -240, 69, -236, 68, -222);
        cairo_curve_to(g, 40, -230, -40, -230, -68, -222);
        cairo_close_path(g);
    }, darken(red, 0.12));
    piece(cr, [](cairo_t* g) { dome_path(g, -234, -274, -6); }, red, [](cairo_t* c) {
        set_rgb(c, pal::white, 0.35);
        ellipse(c, -30, -258, 10, 5);
        cairo_fill(c);
    }, 0.35);
    // The comb along the top and the gold badge.
    piece(cr, [](cairo_t* g) { rounded_rect(g, -7, -280, 14, 40, 6); }, darken(red, 0.2));
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, 0, -262);
        cairo_line_to(g, 15, -256);
        cairo_line_to(g, 13, -240);
        cairo_line_to(g, 0, -232);
        cairo_line_to(g, -13, -240);
        cairo_line_to(g, -15, -256);
        cairo_close_path(g);
    }, Style{0xF5C542, 0.4, pal::outline, 1.8, false});
    star(cr, 0, -248, 6, 0xE8453C);
}

// =========================================================================
// Shirts. The body is the ellipse (0, -64) 58 x 56, the collar's lower edge
// runs from (+-48, -111) down to -98 in the middle, the arms hang from
// (+-44, -98) at 0.45 rad, paws at 50 along them. Bitmap: x +-92.5, y
// -136.25 .. -11.25; the shorts cover everything below -44.

constexpr double kHem = -22;

// The torso; `neck` lowers the neckline in the middle (a V or scoop).
void torso_path(cairo_t* g, double neck = 0)
{
    cairo_move_to(g, -47, -113);
    cairo_curve_to(g, -24, -96 + neck, 24, -96 + neck, 47, -113);
    cairo_curve_to(g, 56, -110, 63, -102, 64, -86);
    cairo_curve_to(g, 66, -64, 62, -40, 48, kHem);
    cairo_curve_to(g, 20, kHem + 5, -20, kHem + 5, -48, kHem);
    cairo_curve_to(g, -62, -40, -66, -64, -64, -86);
    cairo_curve_to(g, -63, -102, -56, -110, -47, -113);
    cairo_close_path(g);
}

// One sleeve along an arm: side -1 is the viewer's left. `len` units from the shoulder.
void sleeve_path(cairo_t* g, int side, double len, double half = 15, double flare = 1)
{
    // Along the arm (outwards and down) and across it.
    const double ux = side * std::sin(kArm), uy = std::cos(kArm);
    const double nx = -uy, ny = ux;
    const double sx = side * kShoulderX - ux * 10, sy = kShoulderY - uy * 10;
    const double ex = side * kShoulderX + ux * len, ey = kShoulderY + uy * len;
    const double h1 = half * flare;
    cairo_move_to(g, sx + nx * half, sy + ny * half);
    cairo_line_to(g, ex + nx * h1, ey + ny * h1);
    cairo_line_to(g, ex - nx * h1, ey - ny * h1);
    cairo_line_to(g, sx - nx * half, sy - ny * half);
    cairo_close_path(g);
}

// Where along a sleeve of length len its cuff lies, for bands and trims.
void cuff_path(cairo_t* g, int side, double len, double width, double half = 17.5)
{
    const double ux = side * std::sin(kArm), uy = std::cos(kArm);
    const double nx = -uy, ny = ux;
    const double a = len - width, b = len + 0.5;
    const double x0 = side * kShoulderX, y0 = kShoulderY;
    cairo_move_to(g, x0 + ux * a + nx * half, y0 + uy * a + ny * half);
    cairo_line_to(g, x0 + ux * b + nx * half, y0 + uy * b + ny * half);
    cairo_line_to(g, x0 + ux * b - nx * half, y0 + uy * b - ny * half);
    cairo_line_to(g, x0 + ux * a - nx * half, y0 + uy * a - ny * half);
    cairo_close_path(g);
}

using Paint = std::function<void(cairo_t*)>;

// His arms hang in front of his body, so they hang in front of a shirt too:
// Bafo himself drawn again, only where his arms and paws are.
void arms_over(cairo_t* cr)
{
    const Bafo b = mascot();
    const double half = 11 + 3.2 / b.scale;  // the arm's fur and its outline
    cairo_save(cr);
    for (int side : {-1, 1}) {
        const double ux = side * std::sin(kArm), uy = std::cos(kArm);
        const double nx = -uy, ny = ux;
        const double x0 = side * kShoulderX, y0 = kShoulderY;
        const double x1 = x0 + ux * 50, y1 = y0 + uy * 50;
        cairo_move_to(cr, x0 + nx * half, y0 + ny * half);
        cairo_line_to(cr, x1 + nx * half, y1 + ny * half);
        cairo_line_to(cr, x1 - nx * half, y1 - ny * half);
        cairo_line_to(cr, x0 - nx * half, y0 - ny * half);
        cairo_close_path(cr);
        ellipse(cr, x1, y1, 14 + half - 11, 13 + half - 11);
    }
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr);
    cairo_scale(cr, 1 / b.scale, 1 / b.scale);
    cairo_translate(cr, -b.x, -b.y);
    draw_bafo_posed(cr, b, mascot_pose());
    cairo_restore(cr);
}

// The torso, his arms in front of it, and the sleeves over the arms.
void shirt(cairo_t* cr, uint32_t body, uint32_t sleeves, double len, const Paint& pattern, double neck = 0,
           const Paint& sleeve_pattern = {}, double flare = 1)
{
    piece(cr, [=](cairo_t* g) { torso_path(g, neck); }, body, pattern);
    arms_over(cr);
    for (int side : {-1, 1})
        piece(cr, [=](cairo_t* g) { sleeve_path(g, side, len, 17, flare); }, sleeves, sleeve_pattern ? sleeve_pattern : pattern);
}

void cuffs(cairo_t* cr, double len, double width, uint32_t c)
{
    for (int side : {-1, 1})
        piece(cr, [=](cairo_t* g) { cuff_path(g, side, len, width); }, c);
}

void shirt_stripes(cairo_t* cr)
{
    auto stripes = [](cairo_t* c) {
        set_rgb(c, 0xE8453C);
        for (double y = -118; y < 0; y += 14) {
            cairo_rectangle(c, -120, y, 240, 7);
        }
        cairo_fill(c);
    };
    shirt(cr, 0xFFFFFF, 0xFFFFFF, 22, stripes);
    cuffs(cr, 22, 5, 0x2F6FD0);
}

void shirt_sailor(cairo_t* cr)
{
    const uint32_t navy = 0x23408E;
    shirt(cr, 0xFDFDFB, 0xFDFDFB, 24, {}, 10);
    cuffs(cr, 24, 6, navy);
    // The square sailor collar with white trim, and the red knot.
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -48, -113);
        cairo_line_to(g, -56, -86);
        cairo_line_to(g, 0, -60);
        cairo_line_to(g, 56, -86);
        cairo_line_to(g, 48, -113);
        cairo_curve_to(g, 24, -90, -24, -90, -48, -113);
        cairo_close_path(g);
    }, navy, [](cairo_t* c) {
        set_rgb(c, pal::white);
        cairo_set_line_width(c, 2.5);
        cairo_move_to(c, -50, -100);
        cairo_line_to(c, -50, -88);
        cairo_line_to(c, 0, -66);
        cairo_line_to(c, 50, -88);
        cairo_line_to(c, 50, -100);
        cairo_stroke(c);
    });
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, 0, -66);
        cairo_line_to(g, -14, -74);
        cairo_line_to(g, -12, -58);
        cairo_close_path(g);
        cairo_move_to(g, 0, -66);
        cairo_line_to(g, 14, -74);
        cairo_line_to(g, 12, -58);
        cairo_close_path(g);
        cairo_move_to(g, -3, -64);
        cairo_line_to(g, -9, -40);
        cairo_line_to(g, 0, -44);
        cairo_line_to(g, 9, -40);
        cairo_line_to(g, 3, -64);
        cairo_close_path(g);
    }, Style{0xE23B3B, 0.3, pal::outline, 1.6, false});
    disc(cr, 0, -66, 4, 0xE23B3B, true);
}

void shirt_hero(cairo_t* cr)
{
    const uint32_t blue = 0x2F6FE0;
    shirt(cr, blue, blue, 22, {});
    cuffs(cr, 22, 6, 0xE8453C);
    // A belt line of red, and the emblem: a yellow shield with a red star.
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, -26, -88);
        cairo_line_to(g, 26, -88);
        cairo_line_to(g, 24, -64);
        cairo_curve_to(g, 20, -52, 8, -46, 0, -42);
        cairo_curve_to(g, -8, -46, -20, -52, -24, -64);
        cairo_close_path(g);
    }, Style{0xFFD23F, 0.35, pal::outline, 2.2, false});
    star(cr, 0, -67, 14, 0xE8453C);
    set_rgb(cr, pal::white, 0.7);
    ellipse(cr, -16, -80, 4, 2.5);
    cairo_fill(cr);
}

void shirt_hawaii(cairo_t* cr)
{
    const uint32_t orange = 0xFF8A3D;
    auto flowers = [](cairo_t* c) {
        const double at[][2] = {{-40, -90}, {-10, -70}, {30, -92}, {44, -56}, {-44, -44}, {8, -36},
                                {-24, -104}, {50, -78}, {-58, -66}, {22, -58}, {-62, -92}, {62, -104}};
        int i = 0;
        for (auto& p : at) {
            // Green leaves behind the blossoms.
            set_rgb(c, 0x3FA34D);
            ellipse(c, p[0] + 7, p[1] + 5, 8, 3.5);
            cairo_fill(c);
            blossom(c, p[0], p[1], 8, (i++ % 2) ? 0xFFF2A8 : pal::white, 0xE8453C);
        }
    };
    shirt(cr, orange, orange, 24, flowers, 22);
    // The open collar: two lapels, and buttons down the front.
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) {
            cairo_move_to(g, k * 47, -113);
            cairo_line_to(g, k * 22, -98);
            cairo_line_to(g, 0, -76);
            cairo_line_to(g, k * 20, -80);
            cairo_line_to(g, k * 34, -96);
            cairo_close_path(g);
        }, darken(orange, 0.1));
    line(cr, 0, -74, 0, kHem + 3, darken(orange, 0.4), 1.8);
    for (double y : {-64.0, -48.0, -32.0})
        disc(cr, 4, y, 2.6, pal::white, true);
}

void shirt_sweater(cairo_t* cr)
{
    const uint32_t green = 0x3FA34D;
    auto knit = [](cairo_t* c) {
        // A zigzag band across the chest and knitted ribs.
        set_rgb(c, darken(0x3FA34D, 0.15));
        cairo_set_line_width(c, 1.3);
        for (double x = -100; x <= 100; x += 7) {
            cairo_move_to(c, x, -120);
            cairo_line_to(c, x, 0);
        }
        cairo_stroke(c);
        set_rgb(c, 0xFFF4E0);
        cairo_set_line_width(c, 4);
        cairo_move_to(c, -100, -74);
        for (double x = -100; x <= 100; x += 10)
            cairo_line_to(c, x, -74 + (int(x / 10) % 2 ? -6 : 6));
        cairo_stroke(c);
        set_rgb(c, 0xE8453C);
        for (double x = -95; x <= 100; x += 20) {
            ellipse(c, x, -60, 2.5, 2.5);
            ellipse(c, x + 10, -88, 2.5, 2.5);
        }
        cairo_fill(c);
    };
    shirt(cr, green, green, 38, knit);
    cuffs(cr, 38, 7, darken(green, 0.15));
    // The rolled neck, covering the collar.
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -50, -127);
        cairo_curve_to(g, -24, -112, 24, -112, 50, -127);
        cairo_line_to(g, 49, -110);
        cairo_curve_to(g, 24, -94, -24, -94, -49, -110);
        cairo_close_path(g);
    }, darken(green, 0.1), [](cairo_t* c) {
        set_rgb(c, darken(0x3FA34D, 0.35));
        cairo_set_line_width(c, 1.5);
        for (double x = -48; x <= 48; x += 6) {
            cairo_move_to(c, x, -130);
            cairo_line_to(c, x, -92);
        }
        cairo_stroke(c);
    });
    // The ribbed hem, just above the shorts' waist.
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -52, -30);
        cairo_curve_to(g, -20, -24, 20, -24, 52, -30);
        cairo_line_to(g, 48, kHem);
        cairo_curve_to(g, 20, kHem + 5, -20, kHem + 5, -48, kHem);
        cairo_close_path(g);
    }, darken(green, 0.15));
}

void shirt_football(cairo_t* cr)
{
    const uint32_t yellow = 0xFFD23F, green = 0x1FA847;
    shirt(cr, yellow, green, 24, {}, 4, [](cairo_t* c) {
        set_rgb(c, pal::white);
        cairo_set_line_width(c, 3);
        for (int k : {-1, 1}) {
            cairo_move_to(c, k * 60, -110);
            cairo_line_to(c, k * 78, -72);
        }
        cairo_stroke(c);
    });
    // A green V at the neck, the number on the chest, and a side stripe.
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -47, -113);
        cairo_line_to(g, 0, -80);
        cairo_line_to(g, 47, -113);
        cairo_line_to(g, 36, -113);
        cairo_line_to(g, 0, -90);
        cairo_line_to(g, -36, -113);
        cairo_close_path(g);
    }, green);
    cairo_save(cr);
    text_path(cr, "10", 40, 0, -36);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    set_rgb(cr, green);
    cairo_fill(cr);
    cairo_restore(cr);
}

void shirt_dungarees(cairo_t* cr)
{
    const uint32_t tee = 0xFFE36E, denim = 0x4F7FC9;
    shirt(cr, tee, tee, 20, {});
    // The bib with its pocket, the two straps and their buttons.
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) {
            cairo_move_to(g, k * 40, -108);
            cairo_line_to(g, k * 30, -108);
            cairo_line_to(g, k * 24, -76);
            cairo_line_to(g, k * 34, -76);
            cairo_close_path(g);
        }, denim);
    auto bib = [](cairo_t* g) {
        cairo_move_to(g, -32, -82);
        cairo_line_to(g, 32, -82);
        cairo_line_to(g, 40, -40);
        cairo_curve_to(g, 50, -34, 56, -30, 60, -24);
        cairo_curve_to(g, 20, kHem + 6, -20, kHem + 6, -60, -24);
        cairo_curve_to(g, -56, -30, -50, -34, -40, -40);
        cairo_close_path(g);
    };
    piece(cr, bib, denim, [](cairo_t* c) {
        stitches(c, [](cairo_t* g) { rounded_rect(g, -14, -70, 28, 20, 3); }, 0xF2C94C);
        stitches(c, [](cairo_t* g) {
            cairo_move_to(g, -29, -78);
            cairo_line_to(g, 29, -78);
        }, 0xF2C94C);
    });
    for (int k : {-1, 1})
        disc(cr, k * 28, -78, 4, 0xF2C94C, true);
    paint_shape(cr, [](cairo_t* g) { heart_path(g, 0, -61, 5); }, Style{0xE8453C, 0.3, pal::outline, 1.2, false});
}

void shirt_dots(cairo_t* cr)
{
    const uint32_t pink = 0xFF9CC8;
    auto dots = [](cairo_t* c) {
        set_rgb(c, pal::white);
        for (int row = 0; row < 12; ++row)
            for (int col = -7; col <= 7; ++col)
                ellipse(c, col * 14 + (row % 2) * 7, -124 + row * 11, 3.2, 3.2);
        cairo_fill(c);
    };
    piece(cr, [](cairo_t* g) { torso_path(g, 6); }, pink, dots);
    arms_over(cr);
    // Puffed sleeves.
    for (int side : {-1, 1})
        piece(cr, [=](cairo_t* g) {
            const double ux = side * std::sin(kArm), uy = std::cos(kArm);
            ellipse(g, side * kShoulderX + ux * 10, kShoulderY + uy * 10, 20, 17);
        }, pink, dots);
    // A white frilly collar.
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) {
            cairo_move_to(g, k * 47, -113);
            cairo_curve_to(g, k * 40, -96, k * 20, -88, 0, -90);
            cairo_curve_to(g, k * 14, -98, k * 28, -104, k * 47, -113);
            cairo_close_path(g);
        }, pal::white, {}, 0.0);
    disc(cr, 0, -88, 4.5, 0xE8453C, true);
}

void shirt_plaid(cairo_t* cr)
{
    const uint32_t red = 0xD63A35;
    auto plaid = [](cairo_t* c) {
        set_rgb(c, 0x2A1F22, 0.45);
        for (double x = -100; x <= 100; x += 18)
            cairo_rectangle(c, x, -140, 7, 140);
        for (double y = -130; y <= 0; y += 18)
            cairo_rectangle(c, -120, y, 240, 7);
        cairo_fill(c);
        set_rgb(c, 0xFFE08A, 0.7);
        cairo_set_line_width(c, 1.2);
        for (double x = -91; x <= 100; x += 18) {
            cairo_move_to(c, x, -140);
            cairo_line_to(c, x, 0);
        }
        cairo_stroke(c);
    };
    shirt(cr, red, red, 38, plaid);
    cuffs(cr, 38, 7, darken(red, 0.2));
    // A shirt collar and buttons, two breast pockets.
    for (int k : {-1, 1}) {
        piece(cr, [=](cairo_t* g) {
            cairo_move_to(g, k * 47, -113);
            cairo_line_to(g, k * 4, -92);
            cairo_line_to(g, k * 18, -86);
            cairo_close_path(g);
        }, darken(red, 0.15));
        piece(cr, [=](cairo_t* g) { rounded_rect(g, k * 30 - 10, -78, 20, 16, 2); }, darken(red, 0.08), plaid);
    }
    line(cr, 0, -92, 0, kHem + 3, darken(red, 0.45), 1.6);
    for (double y : {-76.0, -58.0, -40.0})
        disc(cr, 3.5, y, 2.4, 0xFFF4E0, true);
}

void shirt_tuxedo(cairo_t* cr)
{
    const uint32_t black = 0x2B2D3C;
    shirt(cr, black, black, 38, {}, 0);
    cuffs(cr, 38, 5, pal::white);
    // The white shirt front between the lapels.
    piece(cr, [](cairo_t* g) {
        cairo_move_to(g, -30, -104);
        cairo_curve_to(g, -12, -98, 12, -98, 30, -104);
        cairo_line_to(g, 0, -36);
        cairo_close_path(g);
    }, pal::white, [](cairo_t* c) {
        set_rgb(c, 0xC9CFDA);
        cairo_set_line_width(c, 1.2);
        for (int k : {-1, 1}) {
            cairo_move_to(c, k * 6, -100);
            cairo_line_to(c, k * 4, -40);
        }
        cairo_stroke(c);
    }, 0.0);
    for (double y : {-78.0, -62.0})
        disc(cr, 0, y, 2.2, pal::outline);
    // Lapels.
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) {
            cairo_move_to(g, k * 30, -104);
            cairo_line_to(g, k * 40, -96);
            cairo_line_to(g, k * 28, -80);
            cairo_line_to(g, k * 32, -74);
            cairo_line_to(g, 0, -36);
            cairo_close_path(g);
        }, lighten(black, 0.12));
    // A red bow tie and a pocket square.
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, 0, -96);
        cairo_line_to(g, -16, -104);
        cairo_line_to(g, -16, -86);
        cairo_close_path(g);
        cairo_move_to(g, 0, -96);
        cairo_line_to(g, 16, -104);
        cairo_line_to(g, 16, -86);
        cairo_close_path(g);
    }, Style{0xE23B3B, 0.3, pal::outline, 2, false});
    disc(cr, 0, -95, 4, 0xB82424, true);
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, 34, -66);
        cairo_line_to(g, 38, -72);
        cairo_line_to(g, 42, -66);
        cairo_line_to(g, 46, -72);
        cairo_line_to(g, 48, -62);
        cairo_line_to(g, 34, -62);
        cairo_close_path(g);
    }, Style{pal::sun, 0.3, pal::outline, 1.2, false});
}

// =========================================================================
// Shorts. The waist is at -44 (body +-55 wide there), the legs run from
// (+-24, -40) to (+-30, 72), 24 wide. Bitmap: x +-68.75, y -48.75 .. 31.25.

// Shorts with legs down to `hem`, each leg `open` wide at the hem.
void shorts_path(cairo_t* g, double hem = 14, double crotch = -2, double outer = 62)
{
    cairo_move_to(g, -56, -44);
    cairo_curve_to(g, -20, -41, 20, -41, 56, -44);
    cairo_curve_to(g, 60, -30, outer, -10, outer + 1, hem);
    cairo_curve_to(g, 40, hem + 3, 20, hem + 3, 9, hem);
    cairo_line_to(g, 0, crotch);
    cairo_line_to(g, -9, hem);
    cairo_curve_to(g, -20, hem + 3, -40, hem + 3, -outer - 1, hem);
    cairo_curve_to(g, -outer, -10, -60, -30, -56, -44);
    cairo_close_path(g);
}

void waistband(cairo_t* cr, uint32_t c, double h = 8, const Paint& inside = {})
{
    piece(cr, [=](cairo_t* g) {
        cairo_move_to(g, -56, -44);
        cairo_curve_to(g, -20, -41, 20, -41, 56, -44);
        cairo_line_to(g, 57, -44 + h);
        cairo_curve_to(g, 20, -41 + h, -20, -41 + h, -57, -44 + h);
        cairo_close_path(g);
    }, c, inside);
}

void shorts_jeans(cairo_t* cr)
{
    const uint32_t denim = 0x3E6FB8;
    piece(cr, [](cairo_t* g) { shorts_path(g); }, denim, [](cairo_t* c) {
        stitches(c, [](cairo_t* g) {
            cairo_move_to(g, 0, -34);
            cairo_line_to(g, 0, -4);
            cairo_move_to(g, -46, -36);
            cairo_curve_to(g, -40, -24, -32, -22, -26, -34);
            cairo_move_to(g, 46, -36);
            cairo_curve_to(g, 40, -24, 32, -22, 26, -34);
        }, 0xF2C94C);
        // Turned-up hems.
        set_rgb(c, lighten(0x3E6FB8, 0.3));
        cairo_rectangle(c, -80, 6, 160, 12);
        cairo_fill(c);
    });
    waistband(cr, darken(denim, 0.1), 8, [](cairo_t* c) {
        stitches(c, [](cairo_t* g) {
            cairo_move_to(g, -60, -39);
            cairo_curve_to(g, -20, -36, 20, -36, 60, -39);
        }, 0xF2C94C, 1.3);
    });
    disc(cr, 0, -40, 3.2, 0xC9A23A, true);
}

void shorts_swim(cairo_t* cr)
{
    const uint32_t teal = 0x19B3C9;
    piece(cr, [](cairo_t* g) { shorts_path(g, 4, -6, 60); }, teal, [](cairo_t* c) {
        set_rgb(c, pal::white);
        cairo_set_line_width(c, 2.6);
        for (double y = -30; y < 10; y += 11) {
            cairo_move_to(c, -70, y);
            for (double x = -70; x <= 70; x += 6)
                cairo_line_to(c, x, y + 2.5 * std::sin(x * 0.35));
        }
        cairo_stroke(c);
        // A little orange fish.
        paint_shape(c, [](cairo_t* g) {
            ellipse(g, -30, -18, 9, 5);
            cairo_move_to(g, -22, -18);
            cairo_line_to(g, -14, -24);
            cairo_line_to(g, -14, -12);
            cairo_close_path(g);
        }, Style{0xFF8A3D, 0.3, pal::outline, 1.2, false});
        disc(c, -34, -19, 1.3, pal::outline);
    });
    waistband(cr, 0xFFD23F, 6);
    // A drawstring bow.
    line(cr, 0, -38, -6, -26, pal::white, 2.2);
    line(cr, 0, -38, 6, -26, pal::white, 2.2);
}

void shorts_checked(cairo_t* cr)
{
    const uint32_t red = 0xE8453C;
    piece(cr, [](cairo_t* g) { shorts_path(g); }, red, [](cairo_t* c) {
        set_rgb(c, 0xFFD23F, 0.7);
        for (double x = -70; x <= 70; x += 16)
            cairo_rectangle(c, x, -50, 7, 70);
        for (double y = -46; y <= 20; y += 16)
            cairo_rectangle(c, -70, y, 140, 7);
        cairo_fill(c);
        set_rgb(c, 0x2B4FA8, 0.55);
        for (double x = -62; x <= 70; x += 16)
            cairo_rectangle(c, x, -50, 2, 70);
        cairo_fill(c);
    });
    waistband(cr, darken(red, 0.2), 7);
}

void shorts_sport(cairo_t* cr)
{
    const uint32_t white = 0xF7F7F2;
    piece(cr, [](cairo_t* g) { shorts_path(g, 10, -4, 62); }, white, [](cairo_t* c) {
        set_rgb(c, 0x2F6FE0);
        for (int k : {-1, 1}) {
            cairo_move_to(c, k * 56, -44);
            cairo_curve_to(c, k * 62, -20, k * 64, 0, k * 66, 16);
            cairo_line_to(c, k * 54, 16);
            cairo_curve_to(c, k * 52, 0, k * 50, -20, k * 48, -44);
            cairo_close_path(c);
        }
        cairo_fill(c);
        set_rgb(c, 0xE8453C);
        cairo_rectangle(c, -70, 4, 140, 4);
        cairo_fill(c);
    }, 0.0);
    waistband(cr, 0x2F6FE0, 7);
    line(cr, -3, -37, -7, -24, pal::white, 2);
    line(cr, 3, -37, 7, -24, pal::white, 2);
    star(cr, -28, -16, 7, pal::sun);
}

void shorts_lederhosen(cairo_t* cr)
{
    const uint32_t leather = 0x8C5A32;
    piece(cr, [](cairo_t* g) { shorts_path(g, 12, -2, 60); }, leather, [](cairo_t* c) {
        // The front flap with green embroidery.
        stitches(c, [](cairo_t* g) { rounded_rect(g, -22, -40, 44, 30, 4); }, 0xF2E1B8, 1.4);
        set_rgb(c, 0x3FA34D);
        cairo_set_line_width(c, 2);
        cairo_move_to(c, -12, -26);
        cairo_curve_to(c, -6, -34, 6, -34, 12, -26);
        cairo_stroke(c);
        set_rgb(c, lighten(0x8C5A32, 0.2));
        cairo_rectangle(c, -70, 6, 140, 10);
        cairo_fill(c);
    });
    for (double x : {-18.0, 18.0})
        disc(cr, x, -36, 3, 0xE6D3A8, true);
    blossom(cr, 0, -24, 6, pal::white, 0xE8453C);
    // The braces' ends at the waist.
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) { rounded_rect(g, k * 34 - 6, -45, 12, 12, 2); }, darken(leather, 0.15));
}

void shorts_tutu(cairo_t* cr)
{
    const uint32_t pink = 0xFFA6CF;
    // Layers of frills, the back one darker.
    for (int layer = 0; layer < 3; ++layer) {
        const double y0 = -40 + layer * 9, y1 = -2 + layer * 8;
        const double half = 58 + layer * 3;
        const uint32_t c = layer == 0 ? darken(pink, 0.12) : layer == 1 ? pink : lighten(pink, 0.3);
        piece(cr, [=](cairo_t* g) {
            cairo_move_to(g, -half + 14, y0);
            cairo_line_to(g, half - 14, y0);
            cairo_line_to(g, half, y1);
            const int n = 9;
            for (int i = 0; i < n; ++i) {
                const double xa = half - (i + 0.5) * 2 * half / n;
                const double xb = half - (i + 1.0) * 2 * half / n;
                cairo_curve_to(g, xa + 3, y1 + 7, xa - 3, y1 + 7, xb, y1);
            }
            cairo_close_path(g);
        }, c, [=](cairo_t* cc) {
            set_rgb(cc, pal::white, 0.5);
            cairo_set_line_width(cc, 1.3);
            for (double x = -half; x <= half; x += 9) {
                cairo_move_to(cc, x * 0.6, y0);
                cairo_line_to(cc, x, y1 + 4);
            }
            cairo_stroke(cc);
        });
    }
    waistband(cr, 0xC77DDB, 8);
    for (int i = -2; i <= 2; ++i)
        star(cr, i * 22, -40, 3.5, pal::white);
}

void shorts_bloomers(cairo_t* cr)
{
    const uint32_t yellow = 0xFFD84D;
    piece(cr, [](cairo_t* g) { shorts_path(g, 12, -2, 61); }, yellow, [](cairo_t* c) {
        const uint32_t cols[3] = {0xE8453C, 0x2F6FE0, 0x1FA847};
        int i = 0;
        for (double y = -34; y < 20; y += 11)
            for (double x = -66; x <= 66; x += 13) {
                set_rgb(c, cols[i++ % 3]);
                ellipse(c, x + (int(y) % 2 ? 6 : 0), y, 3, 3);
                cairo_fill(c);
            }
        // Frilled hems.
        set_rgb(c, pal::white);
        cairo_rectangle(c, -80, 8, 160, 10);
        cairo_fill(c);
    });
    waistband(cr, pal::white, 7);
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, 0, -40);
        cairo_line_to(g, -10, -46);
        cairo_line_to(g, -10, -34);
        cairo_close_path(g);
        cairo_move_to(g, 0, -40);
        cairo_line_to(g, 10, -46);
        cairo_line_to(g, 10, -34);
        cairo_close_path(g);
    }, Style{0xE8453C, 0.3, pal::outline, 1.4, false});
}

void shorts_cargo(cairo_t* cr)
{
    const uint32_t khaki = 0x7E8F4A;
    piece(cr, [](cairo_t* g) { shorts_path(g, 16, -2, 61); }, khaki, [](cairo_t* c) {
        set_rgb(c, darken(0x7E8F4A, 0.25), 0.6);
        ellipse(c, -30, -20, 12, 8);
        ellipse(c, 26, -6, 10, 6);
        ellipse(c, -8, 8, 8, 5);
        cairo_fill(c);
    });
    for (int k : {-1, 1}) {
        piece(cr, [=](cairo_t* g) { rounded_rect(g, k * 46 - 11, -18, 22, 22, 3); }, darken(khaki, 0.08));
        piece(cr, [=](cairo_t* g) { rounded_rect(g, k * 46 - 12, -20, 24, 8, 2); }, darken(khaki, 0.15));
        disc(cr, k * 46, -16, 2.2, 0x3B3B2A);
    }
    waistband(cr, darken(khaki, 0.2), 8);
    piece(cr, [](cairo_t* g) { rounded_rect(g, -9, -45, 18, 10, 2); }, 0xB0B0B8);
}

void shorts_rainbow(cairo_t* cr)
{
    piece(cr, [](cairo_t* g) { shorts_path(g, 12, -2, 62); }, 0xE8453C, [](cairo_t* c) {
        const uint32_t cols[] = {0xE8453C, 0xFF9F43, 0xFFD93B, 0x5DBB46, 0x2F9BE0, 0x7A5CD6};
        for (int i = 0; i < 12; ++i) {
            set_rgb(c, cols[i % 6]);
            cairo_rectangle(c, -66 + i * 11, -50, 11, 70);
            cairo_fill(c);
        }
    }, 0.0);
    waistband(cr, pal::white, 7, [](cairo_t* c) {
        set_rgb(c, 0x7A5CD6);
        for (double x = -50; x <= 50; x += 10)
            ellipse(c, x, -40, 1.8, 1.8);
        cairo_fill(c);
    });
}

void shorts_space(cairo_t* cr)
{
    const uint32_t purple = 0x5B3FA8;
    piece(cr, [](cairo_t* g) {
        // Puffed legs gathered at the hem.
        cairo_move_to(g, -56, -44);
        cairo_curve_to(g, -20, -41, 20, -41, 56, -44);
        cairo_curve_to(g, 64, -30, 64, 4, 54, 16);
        cairo_curve_to(g, 40, 20, 20, 20, 10, 16);
        cairo_line_to(g, 0, 0);
        cairo_line_to(g, -10, 16);
        cairo_curve_to(g, -20, 20, -40, 20, -54, 16);
        cairo_curve_to(g, -64, 4, -64, -30, -56, -44);
        cairo_close_path(g);
    }, purple, [](cairo_t* c) {
        star(c, -36, -22, 6, pal::sun, 0.2);
        star(c, 30, -6, 5, pal::sun);
        star(c, 42, -30, 4, pal::white);
        star(c, -24, 4, 4, pal::white, 0.4);
        disc(c, -4, -24, 1.8, pal::white);
        disc(c, 14, -30, 1.6, pal::white);
        disc(c, -50, -4, 1.6, pal::white);
        // A ringed planet.
        disc(c, 14, -14, 6, 0xFF9F43);
        set_rgb(c, 0xFFE08A);
        cairo_set_line_width(c, 1.8);
        ellipse(c, 14, -14, 11, 3);
        cairo_stroke(c);
    }, 0.3);
    waistband(cr, darken(purple, 0.25), 7);
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) {
            cairo_move_to(g, k * 10, 12);
            cairo_curve_to(g, k * 20, 16, k * 40, 16, k * 56, 12);
            cairo_line_to(g, k * 56, 18);
            cairo_curve_to(g, k * 40, 22, k * 20, 22, k * 10, 18);
            cairo_close_path(g);
        }, pal::sun);
}

// =========================================================================
// Boots. The feet are ellipses at (+-30, 72), 26 x 13; the legs reach them
// from above, 24 wide. Bitmap: x +-106, y 26.25 .. 96.25.

// One boot: the shaft from `top` down to the foot, the foot a wider
// rounded shape turned a little outwards; side -1 is the viewer's left.
void boot_path(cairo_t* g, int side, double top, double shaft = 16, double toe = 33, double sole = 88)
{
    const double k = side, cx = k * kFootX;
    cairo_move_to(g, cx - shaft, top);
    cairo_line_to(g, cx + shaft, top);
    cairo_line_to(g, cx + shaft + 1, 62);
    // The foot: from the inner side round the toe.
    const double inner = k < 0 ? cx + shaft + 6 : cx - shaft - 6;
    const double outer = cx + k * toe;
    if (k < 0) {
        cairo_curve_to(g, inner, 66, inner + 2, sole, cx + 4, sole);
        cairo_curve_to(g, outer + 10, sole + 1, outer, sole - 2, outer, sole - 10);
        cairo_curve_to(g, outer, 66, cx - shaft - 6, 64, cx - shaft - 1, 58);
    } else {
        cairo_curve_to(g, cx + shaft + 8, 64, outer, 66, outer, sole - 10);
        cairo_curve_to(g, outer, sole - 2, outer - 10, sole + 1, cx - 4, sole);
        cairo_curve_to(g, inner - 2, sole, inner, 66, cx - shaft - 1, 62);
    }
    cairo_close_path(g);
}

void sole(cairo_t* cr, int side, uint32_t c, double h = 6, double toe = 33, double bottom = 88)
{
    cairo_save(cr);
    cairo_rectangle(cr, -110, bottom - h, 220, h + 4);
    cairo_clip(cr);
    set_rgb(cr, c);
    boot_path(cr, side, 20, 16, toe, bottom);
    cairo_fill(cr);
    cairo_restore(cr);
}

void boots(cairo_t* cr, double top, uint32_t c, const std::function<void(cairo_t*, int)>& more = {},
           uint32_t sole_colour = 0x3B2A20, double shaft = 16, double toe = 33)
{
    for (int side : {-1, 1}) {
        auto path = [=](cairo_t* g) { boot_path(g, side, top, shaft, toe); };
        piece(cr, path, c, [=](cairo_t* g) {
            sole(g, side, sole_colour, 6, toe);
            if (more)
                more(g, side);
        });
    }
}

void boots_wellies(cairo_t* cr)
{
    boots(cr, 34, 0xFFD23F, [](cairo_t* c, int k) {
        set_rgb(c, pal::white, 0.45);
        cairo_rectangle(c, k * kFootX - 11, 38, 4, 22);
        cairo_fill(c);
        // A frog's eyes on each toe.
        for (int e : {-1, 1}) {
            disc(c, k * kFootX + k * 6 + e * 6, 72, 4, pal::white, true);
            disc(c, k * kFootX + k * 6 + e * 6, 72, 1.8, pal::outline);
        }
    }, 0x2FA84A);
    // The rolled tops.
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) { rounded_rect(g, k * kFootX - 18, 33, 36, 8, 3); }, 0x2FA84A);
}

void boots_trainers(cairo_t* cr)
{
    boots(cr, 56, pal::white, [](cairo_t* c, int k) {
        set_rgb(c, 0x2F6FE0);
        cairo_move_to(c, k * kFootX - k * 16, 80);
        cairo_curve_to(c, k * kFootX, 74, k * kFootX + k * 10, 70, k * kFootX + k * 30, 64);
        cairo_line_to(c, k * kFootX + k * 30, 72);
        cairo_curve_to(c, k * kFootX + k * 10, 76, k * kFootX, 80, k * kFootX - k * 16, 84);
        cairo_close_path(c);
        cairo_fill(c);
        // Laces.
        set_rgb(c, 0xE8453C);
        cairo_set_line_width(c, 2);
        for (int i = 0; i < 3; ++i) {
            const double y = 60 + i * 5;
            cairo_move_to(c, k * kFootX - 8, y);
            cairo_line_to(c, k * kFootX + 8, y + 3);
        }
        cairo_stroke(c);
    }, 0xE8453C, 17, 32);
    // Sock tops.
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) { rounded_rect(g, k * kFootX - 14, 48, 28, 9, 3); }, 0xFFF4E0, [=](cairo_t* c) {
            set_rgb(c, 0xE8453C);
            cairo_rectangle(c, k * kFootX - 16, 51, 32, 2.5);
            cairo_fill(c);
        });
}

void boots_cowboy(cairo_t* cr)
{
    const uint32_t brown = 0xA0622F;
    boots(cr, 32, brown, [](cairo_t* c, int k) {
        stitches(c, [=](cairo_t* g) {
            cairo_move_to(g, k * kFootX - 8, 38);
            cairo_curve_to(g, k * kFootX - 12, 48, k * kFootX + 12, 48, k * kFootX + 8, 38);
            cairo_move_to(g, k * kFootX, 44);
            cairo_line_to(g, k * kFootX, 58);
        }, 0xF2D8A0);
        star(c, k * kFootX, 52, 4.5, pal::sun);
    }, 0x4A2C14, 17, 38);
    // Scalloped tops.
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) {
            cairo_move_to(g, k * kFootX - 18, 31);
            cairo_curve_to(g, k * kFootX - 10, 38, k * kFootX - 4, 38, k * kFootX, 33);
            cairo_curve_to(g, k * kFootX + 4, 38, k * kFootX + 10, 38, k * kFootX + 18, 31);
            cairo_line_to(g, k * kFootX + 18, 38);
            cairo_line_to(g, k * kFootX - 18, 38);
            cairo_close_path(g);
        }, darken(brown, 0.2));
}

void boots_ski(cairo_t* cr)
{
    const uint32_t red = 0xE23B3B;
    boots(cr, 36, red, [](cairo_t* c, int k) {
        set_rgb(c, pal::white, 0.35);
        cairo_rectangle(c, k * kFootX - 13, 40, 5, 20);
        cairo_fill(c);
    }, 0x2B2D3C, 19, 34);
    // Silver buckles.
    for (int k : {-1, 1})
        for (double y : {44.0, 56.0, 68.0})
            piece(cr, [=](cairo_t* g) { rounded_rect(g, k * kFootX - 16, y - 3, 32, 6, 2); }, 0xD0D4DC);
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) { rounded_rect(g, k * kFootX - 20, 32, 40, 8, 3); }, 0x2B2D3C);
}

void boots_clogs(cairo_t* cr)
{
    const uint32_t wood = 0xF2B94C;
    for (int k : {-1, 1}) {
        piece(cr, [=](cairo_t* g) {
            const double cx = k * kFootX;
            cairo_move_to(g, cx - 24, 66);
            cairo_curve_to(g, cx - 24, 56, cx + 24, 56, cx + 24, 66);
            cairo_curve_to(g, cx + 30, 72, cx + 30, 88, cx, 89);
            cairo_curve_to(g, cx - 30, 88, cx - 30, 72, cx - 24, 66);
            cairo_close_path(g);
        }, wood, [=](cairo_t* c) {
            set_rgb(c, darken(0xF2B94C, 0.3));
            ellipse(c, k * kFootX, 64, 16, 5);
            cairo_fill(c);
            // Painted tulips.
            blossom(c, k * kFootX, 78, 6, 0xE8453C, pal::sun);
            set_rgb(c, 0x3FA34D);
            ellipse(c, k * kFootX - 8, 80, 4, 2);
            ellipse(c, k * kFootX + 8, 80, 4, 2);
            cairo_fill(c);
        });
    }
}

void boots_flippers(cairo_t* cr)
{
    const uint32_t green = 0x27C27A;
    for (int k : {-1, 1}) {
        piece(cr, [=](cairo_t* g) {
            const double cx = k * kFootX;
            cairo_move_to(g, cx - 18, 58);
            cairo_line_to(g, cx + 18, 58);
            cairo_line_to(g, cx + 40, 88);
            cairo_curve_to(g, cx + 30, 93, cx + 20, 86, cx + 13, 92);
            cairo_curve_to(g, cx + 6, 86, cx - 6, 86, cx - 13, 92);
            cairo_curve_to(g, cx - 20, 86, cx - 30, 93, cx - 40, 88);
            cairo_close_path(g);
        }, green, [=](cairo_t* c) {
            set_rgb(c, darken(0x27C27A, 0.25));
            cairo_set_line_width(c, 2);
            for (int r : {-1, 1}) {
                cairo_move_to(c, k * kFootX + r * 8, 64);
                cairo_line_to(c, k * kFootX + r * 22, 88);
            }
            cairo_stroke(c);
        });
        piece(cr, [=](cairo_t* g) { rounded_rect(g, k * kFootX - 19, 54, 38, 14, 5); }, 0x2F6FE0);
    }
}

void boots_slippers(cairo_t* cr)
{
    const uint32_t pink = 0xFFB8D6;
    for (int k : {-1, 1}) {
        const double cx = k * kFootX;
        // Bunny ears, then the fluffy slipper.
        for (int e : {-1, 1})
            piece(cr, [=](cairo_t* g) {
                cairo_save(g);
                cairo_translate(g, cx + e * 8, 58);
                cairo_rotate(g, e * 0.35);
                ellipse(g, 0, -8, 5.5, 13);
                cairo_restore(g);
            }, pal::white, [=](cairo_t* c) {
                cairo_save(c);
                cairo_translate(c, cx + e * 8, 58);
                cairo_rotate(c, e * 0.35);
                set_rgb(c, pink);
                ellipse(c, 0, -8, 2.5, 9);
                cairo_fill(c);
                cairo_restore(c);
            }, 0.0);
        piece(cr, [=](cairo_t* g) { ellipse(g, cx, 75, 31, 15); }, pink, [=](cairo_t* c) {
            set_rgb(c, pal::white, 0.5);
            for (int i = 0; i < 8; ++i)
                ellipse(c, cx - 24 + i * 7, 62 + (i % 2) * 3, 4, 3);
            cairo_fill(c);
        }, 0.3);
        disc(cr, cx - 7, 70, 2.6, pal::outline);
        disc(cr, cx + 7, 70, 2.6, pal::outline);
        disc(cr, cx, 77, 3, 0xFF6F91, true);
    }
}

void boots_snow(cairo_t* cr)
{
    const uint32_t tan = 0xC99A6B;
    boots(cr, 40, tan, [](cairo_t* c, int k) {
        set_rgb(c, darken(0xC99A6B, 0.12));
        for (int i = 0; i < 4; ++i)
            ellipse(c, k * kFootX - 8 + (i % 2) * 12, 50 + i * 7, 3, 2);
        cairo_fill(c);
    }, 0x6B4A2F, 18, 34);
    // Fluffy cuffs.
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) {
            for (int i = 0; i < 5; ++i) {
                cairo_new_sub_path(g);
                cairo_arc(g, k * kFootX - 16 + i * 8, 40, 6, 0, 2 * kPi);
            }
        }, 0xFFF8EC, {}, 0.0);
}

void boots_football(cairo_t* cr)
{
    // Striped socks up to the knee, then the boots with studs.
    for (int k : {-1, 1})
        piece(cr, [=](cairo_t* g) { rounded_rect(g, k * kFootX - 15, 31, 30, 34, 4); }, pal::white, [=](cairo_t* c) {
            set_rgb(c, 0x1FA847);
            for (double y = 34; y < 64; y += 10)
                cairo_rectangle(c, k * kFootX - 20, y, 40, 5);
            cairo_fill(c);
        }, 0.0);
    for (int k : {-1, 1}) {
        piece(cr, [=](cairo_t* g) {
            const double cx = k * kFootX;
            cairo_move_to(g, cx - 17, 62);
            cairo_line_to(g, cx + 17, 62);
            cairo_curve_to(g, cx + 33, 66, cx + 33, 86, cx + 20, 86);
            cairo_line_to(g, cx - 20, 86);
            cairo_curve_to(g, cx - 33, 86, cx - 33, 66, cx - 17, 62);
            cairo_close_path(g);
        }, 0x2B2D3C, [=](cairo_t* c) {
            set_rgb(c, 0xFFD23F);
            cairo_move_to(c, k * kFootX - 20, 78);
            cairo_line_to(c, k * kFootX + 24, 70);
            cairo_line_to(c, k * kFootX + 24, 75);
            cairo_line_to(c, k * kFootX - 20, 83);
            cairo_close_path(c);
            cairo_fill(c);
        });
        for (int s = -1; s <= 1; ++s)
            piece(cr, [=](cairo_t* g) { rounded_rect(g, k * kFootX + s * 12 - 3, 85, 6, 5, 1.5); }, 0xD0D4DC);
    }
}

void boots_skates(cairo_t* cr)
{
    const uint32_t red = 0xE8453C;
    boots(cr, 44, red, [](cairo_t* c, int k) {
        set_rgb(c, pal::white);
        cairo_set_line_width(c, 2);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(c, k * kFootX - 8, 50 + i * 6);
            cairo_line_to(c, k * kFootX + 8, 52 + i * 6);
        }
        cairo_stroke(c);
        star(c, k * kFootX + k * 14, 74, 4, pal::sun);
    }, 0xFFF4E0, 17, 30);
    // The wheels under each boot.
    for (int k : {-1, 1})
        for (int w : {-1, 1})
            piece(cr, [=](cairo_t* g) { ellipse(g, k * kFootX + w * 14, 86, 6.5, 5.5); }, 0x2F6FE0, [=](cairo_t* c) {
                disc(c, k * kFootX + w * 14, 86, 2.2, 0xD0D4DC);
            });
}

using Draw = void (*)(cairo_t*);
const Draw kDraw[4][kItems] = {
    {boots_wellies, boots_trainers, boots_cowboy, boots_ski, boots_clogs, boots_flippers, boots_slippers,
     boots_snow, boots_football, boots_skates},
    {hat_cap, hat_crown, hat_top, hat_cowboy, hat_wizard, hat_beanie, hat_chef, hat_pirate, hat_flowers,
     hat_helmet},
    {shirt_stripes, shirt_sailor, shirt_hero, shirt_hawaii, shirt_sweater, shirt_football, shirt_dungarees,
     shirt_dots, shirt_plaid, shirt_tuxedo},
    {shorts_jeans, shorts_swim, shorts_checked, shorts_sport, shorts_lederhosen, shorts_tutu, shorts_bloomers,
     shorts_cargo, shorts_rainbow, shorts_space},
};

}  // namespace

void line(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t colour, double width)
{
    cairo_save(cr);
    set_rgb(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void stitches(cairo_t* cr, const PathFn& path, uint32_t colour, double width)
{
    cairo_save(cr);
    path(cr);
    set_rgb(cr, colour);
    cairo_set_line_width(cr, width);
    const double dash[2] = {4, 3};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void draw_garment(cairo_t* cr, Category c, int n)
{
    if (n < 1 || n > kItems)
        throw std::out_of_range("garment " + std::to_string(n));
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    kDraw[c][n - 1](cr);
    cairo_restore(cr);
}

Canvas garment_picture(Category c, int n)
{
    const Wear& w = kWear[size_t(c)];
    const Bafo b = mascot();
    Canvas layer(w.w, w.h, Canvas::Format::Alpha);
    cairo_t* cr = layer.cr();
    cairo_translate(cr, b.x - w.x, b.y - w.y);
    cairo_scale(cr, b.scale, b.scale);
    draw_garment(cr, c, n);

    // Two-tone edges: a pixel mostly covered keeps the garment's colour, the
    // rest is the key colour, so no pink fringe shows over Bafo.
    Canvas out(w.w, w.h);
    uint32_t* d = out.data();
    const int stride = out.stride_words();
    const std::string what = std::string(w.path) + std::to_string(n);
    for (int y = 0; y < w.h; ++y)
        for (int x = 0; x < w.w; ++x) {
            const bool solid = layer.alpha(x, y) >= 128;
            if (solid && (x == 0 || y == 0 || x == w.w - 1 || y == w.h - 1))
                throw std::runtime_error(what + " reaches the edge of its bitmap at (" + std::to_string(x) + ", " +
                                         std::to_string(y) + ")");
            d[size_t(y) * size_t(stride) + size_t(x)] = 0xFF000000u | (solid ? layer.pixel(x, y) : pal::key);
        }
    out.mark_dirty();
    return out;
}

}  // namespace datagen::dress
