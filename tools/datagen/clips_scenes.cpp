// The scenes of the celebration clips: scenery painted once per clip, then
// Bafo and whatever moves drawn over it for each frame. Flat colour areas
// and clean outlines suit the 15-bit, 4x4-block codec the clips are stored in.
#include "clips.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace datagen::clips {

using namespace art;

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kTau = 2 * kPi;
}  // namespace

double smooth(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// When each play of `frame` starts, in seconds from the start of the clip.
std::vector<double> starts_of(const std::vector<Entry>& plays, int frame)
{
    std::vector<double> out;
    int t = 0;
    for (const auto& e : plays) {
        if (e.frame == frame)
            out.push_back(t / 1000.0);
        t += e.ms;
    }
    return out;
}

void add(std::vector<Entry>& plays, std::initializer_list<int> frames, int ms)
{
    for (int f : frames)
        plays.push_back({f, ms});
}

void add_run(std::vector<Entry>& plays, int from, int to, int ms)
{
    for (int f = from; f <= to; ++f)
        plays.push_back({f, ms});
}

std::shared_ptr<Canvas> scenery(int w, int h, const std::function<void(Canvas&)>& paint)
{
    auto c = std::make_shared<Canvas>(w, h);
    paint(*c);
    return c;
}

// --- little pieces ----------------------------------------------------------

void ground_shadow(cairo_t* cr, double x, double y, double rx, double alpha)
{
    cairo_save(cr);
    set_rgb(cr, 0x1A0F08, alpha);
    ellipse(cr, x, y, rx, rx * 0.14);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A five-pointed star with an outline and a shine, as on the stickers.
void star(cairo_t* cr, double x, double y, double r, uint32_t colour, double turn, bool shadow)
{
    const double lw = std::clamp(r / 9, 1.2, 2.5);
    paint_shape(cr, [=](cairo_t* c) { star_path(c, x, y, r, r * 0.48, 5, turn); },
                Style{colour, 0.4, pal::outline, lw, shadow, std::max(1.5, r / 8)});
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.75);
    ellipse(cr, x - r * 0.18, y - r * 0.22, r * 0.16, r * 0.1);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A four-pointed twinkle, no outline: light rather than a thing.
void twinkle(cairo_t* cr, double x, double y, double r, uint32_t colour, double alpha)
{
    if (r < 1)
        return;
    cairo_save(cr);
    set_rgb(cr, colour, alpha);
    star_path(cr, x, y, r, r * 0.28, 4);
    cairo_fill(cr);
    set_rgb(cr, pal::white, alpha);
    star_path(cr, x, y, r * 0.5, r * 0.16, 4);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Bafo squashed or stretched about his feet (stretch < 1 squashes, the width
// growing to keep his bulk) and leaning by `lean` radians.
void bafo(cairo_t* cr, const Bafo& b, const BafoPose& p, double stretch, double lean)
{
    cairo_save(cr);
    cairo_translate(cr, b.x, b.y);
    if (lean != 0)
        cairo_rotate(cr, lean);
    if (stretch != 1)
        cairo_scale(cr, 1 / std::sqrt(stretch), stretch);
    cairo_translate(cr, -b.x, -b.y);
    draw_bafo_posed(cr, b, p);
    cairo_restore(cr);
}

BafoPose arms(double left, double right)
{
    BafoPose p;
    p.arm[0] = left;
    p.arm[1] = right;
    return p;
}

namespace {

// Sky of the day scenes, with the menu's colours.
void day_sky(cairo_t* cr, double w, double h)
{
    fill_vertical_gradient(cr, 0, 0, w, h, pal::sky_top, 0xD4F1FC);
}

// Flowers over the band y0..y1, bigger towards the viewer, none between
// skip_x0 and skip_x1 where he stands.
void meadow_flowers(cairo_t* cr, Rng& rng, double x0, double x1, double y0, double y1, int n, double r0,
                    double r1, double skip_x0 = 0, double skip_x1 = 0)
{
    const uint32_t colours[] = {pal::red, pal::pink, pal::sun, pal::violet, pal::white, pal::orange};
    struct Bloom {
        double x, y, r, turn;
        uint32_t colour;
    };
    std::vector<Bloom> blooms;
    for (int i = 0; i < n; ++i) {
        const double x = rng.range(x0, x1), t = rng.uniform();
        Bloom b{x, y0 + (y1 - y0) * t, r0 + (r1 - r0) * t, 0, colours[rng.below(6)]};
        b.turn = rng.range(0, kTau);
        if (x <= skip_x0 || x >= skip_x1)
            blooms.push_back(b);
    }
    // Far ones first, so the near ones overlap them.
    std::sort(blooms.begin(), blooms.end(), [](const Bloom& a, const Bloom& b) { return a.y < b.y; });
    for (const auto& b : blooms)
        flower(cr, b.x, b.y, b.r, b.colour, b.turn);
}

// ---------------------------------------------------------------------------
// HURA: cheering on a stage, arms up, bouncing, sparkles around his paws.

void paint_stage(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double W = c.w(), H = c.h();
    c.fill(0x4B3A8C);
    Rng rng(101);
    for (int i = 0; i < 46; ++i) {
        const double x = rng.range(0, W), y = rng.range(60, 380), r = rng.range(5, 10);
        set_rgb(cr, 0x6A57B0);
        star_path(cr, x, y, r, r * 0.5, 5, rng.range(0, 1));
        cairo_fill(cr);
    }
    // A pool of light on the back wall behind him.
    const uint32_t pool[] = {0x5F4BA2, 0x7460B8, 0x8A76CA};
    for (int i = 0; i < 3; ++i) {
        set_rgb(cr, pool[i]);
        ellipse(cr, W / 2, 250, 215 - i * 34, 190 - i * 30);
        cairo_fill(cr);
    }
    // Floor boards.
    const double floor = 384;
    double y = floor;
    for (int row = 0; y < H; ++row) {
        const double hgt = 14 + row * 5;
        set_rgb(cr, row % 2 ? 0xC98A52 : 0xBD7E47);
        cairo_rectangle(cr, 0, y, W, hgt);
        cairo_fill(cr);
        set_rgb(cr, 0x8A5530);
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, W, y);
        cairo_stroke(cr);
        for (double x = (row % 2) * 70 + 40; x < W; x += 140 + row * 20) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + hgt);
            cairo_stroke(cr);
        }
        y += hgt;
    }
    set_rgb(cr, 0x6B3F22);
    cairo_rectangle(cr, 0, floor - 4, W, 5);
    cairo_fill(cr);
    // Spotlights hanging under the valance, their beams meeting on him.
    for (int side : {-1, 1}) {
        const double lx = W / 2 + side * 170, ly = 64;
        cairo_save(cr);
        set_rgb(cr, 0xFFF3B0, 0.16);
        cairo_move_to(cr, lx - 14, ly + 10);
        cairo_line_to(cr, lx + 14, ly + 10);
        cairo_line_to(cr, W / 2 - side * 40 + 100, 440);
        cairo_line_to(cr, W / 2 - side * 40 - 100, 440);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_restore(cr);
        paint_shape(cr, [=](cairo_t* k) {
            cairo_save(k);
            cairo_translate(k, lx, ly);
            cairo_rotate(k, side * 0.45);
            rounded_rect(k, -16, -14, 32, 28, 6);
            cairo_restore(k);
        }, Style{0x5A5F6E, 0.3});
        set_rgb(cr, pal::sun);
        ellipse(cr, lx - side * 5, ly + 10, 11, 6);
        cairo_fill(cr);
    }
    set_rgb(cr, 0xFFF3B0, 0.22);
    ellipse(cr, W / 2, 432, 150, 28);
    cairo_fill(cr);
    // Curtains: gathered drapes with folds, held by golden ropes.
    for (int side : {-1, 1}) {
        auto drape = [=](cairo_t* k) {
            cairo_save(k);
            if (side > 0) {
                cairo_translate(k, W, 0);
                cairo_scale(k, -1, 1);
            }
            cairo_move_to(k, -10, 0);
            cairo_line_to(k, 150, 0);
            cairo_curve_to(k, 130, 120, 70, 220, 64, 268);
            cairo_curve_to(k, 60, 320, 96, 380, 112, 482);
            cairo_line_to(k, -10, 482);
            cairo_close_path(k);
            cairo_restore(k);
        };
        paint_shape(cr, drape, Style{0xD8373B, 0.0, pal::outline, 3, true, 4});
        cairo_save(cr);
        drape(cr);
        cairo_clip(cr);
        if (side > 0) {
            cairo_translate(cr, W, 0);
            cairo_scale(cr, -1, 1);
        }
        for (int k = 0; k < 5; ++k) {
            const double x = 8 + k * 26;
            set_rgb(cr, 0xA82630);
            cairo_move_to(cr, x, 0);
            cairo_curve_to(cr, x - 8 + k * 2, 150, 30 + k * 6, 268, 34 + k * 8, 268);
            cairo_curve_to(cr, 40 + k * 10, 330, x + 10, 400, x + 20, 482);
            cairo_line_to(cr, x + 30, 482);
            cairo_curve_to(cr, x + 22, 400, 46 + k * 10, 330, 42 + k * 8, 268);
            cairo_curve_to(cr, 40 + k * 6, 268, x + 6 + k * 2, 150, x + 9, 0);
            cairo_close_path(cr);
            cairo_fill(cr);
            set_rgb(cr, 0xF0605A);
            cairo_move_to(cr, x + 14, 0);
            cairo_curve_to(cr, x + 8, 150, 42 + k * 6, 262, 44 + k * 8, 268);
            cairo_curve_to(cr, 50 + k * 10, 330, x + 22, 400, x + 32, 482);
            cairo_line_to(cr, x + 36, 482);
            cairo_curve_to(cr, x + 28, 400, 56 + k * 10, 330, 48 + k * 8, 268);
            cairo_curve_to(cr, 48 + k * 6, 262, x + 14, 150, x + 19, 0);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
        cairo_restore(cr);
        // Rope and tassel.
        const double rx = side < 0 ? 64 : W - 64;
        paint_shape(cr, [=](cairo_t* k) { ellipse(k, rx, 270, 30, 9); }, Style{pal::tag, 0.4, pal::outline, 2.5});
        paint_shape(cr, [=](cairo_t* k) {
            cairo_move_to(k, rx + side * 18, 272);
            cairo_line_to(k, rx + side * 30, 310);
            cairo_line_to(k, rx + side * 12, 310);
            cairo_close_path(k);
        }, Style{pal::tag, 0.4, pal::outline, 2.5, false});
    }
    // Valance with scallops and a golden fringe.
    auto valance = [=](cairo_t* k) {
        cairo_move_to(k, -10, -10);
        cairo_line_to(k, W + 10, -10);
        cairo_line_to(k, W + 10, 40);
        const int n = 8;
        const double step = W / n;
        for (int i = n - 1; i >= 0; --i) {
            const double x0 = i * step;
            cairo_curve_to(k, x0 + step * 0.8, 66, x0 + step * 0.2, 66, x0, 40);
        }
        cairo_line_to(k, -10, 40);
        cairo_close_path(k);
    };
    paint_shape(cr, valance, Style{0xC82E35, 0.25, pal::outline, 3, true, 4});
    cairo_save(cr);
    set_rgb(cr, pal::tag);
    cairo_set_line_width(cr, 5);
    for (int i = 0; i < 8; ++i) {
        const double x0 = i * W / 8, step = W / 8;
        cairo_move_to(cr, x0 + step, 44);
        cairo_curve_to(cr, x0 + step * 0.8, 62, x0 + step * 0.2, 62, x0, 44);
        cairo_stroke(cr);
        paint_shape(cr, [=](cairo_t* k) { ellipse(k, x0 + step / 2, 62, 6, 7); }, Style{pal::tag, 0.4, pal::outline, 2, false});
    }
    cairo_restore(cr);
    // Footlights along the front edge.
    for (double x = 40; x < W; x += 80) {
        paint_shape(cr, [=](cairo_t* k) {
            cairo_new_sub_path(k);
            cairo_arc(k, x, H + 4, 18, kPi, 2 * kPi);
            cairo_close_path(k);
        }, Style{0xFFE98A, 0.5, pal::outline, 2.5, false});
    }
}

Clip make_cheer()
{
    Clip c;
    c.name = "HURA";
    c.frames = 12;
    c.prepare = [] {
        auto bg = scenery(kAreaW, kAreaH, paint_stage);
        return Painter([bg](Canvas& cv, int f) {
            cv.paste(*bg, 0, 0);
            cairo_t* cr = cv.cr();
            const double u = (f % 6) / 6.0;  // two hops per cycle
            const double hop = 22 * std::sin(kPi * u);
            const double p = f / 12.0;
            Bafo b;
            b.scale = 1.0;
            b.x = kAreaW / 2.0;
            b.y = 438 - hop;
            b.eyes = (f % 6 == 0) ? Eyes::Closed : Eyes::Happy;
            b.mouth = u < 0.05 ? Mouth::Half : Mouth::Open;
            b.tail = std::sin(kTau * p * 3);
            b.ground_shadow = false;
            ground_shadow(cr, b.x, 436, 80 - hop, 0.25);
            BafoPose pose = arms(2.5 + 0.3 * std::sin(kTau * u + 0.4), 2.5 + 0.3 * std::sin(kTau * u + 0.4 + kPi));
            pose.arm_len[0] = pose.arm_len[1] = 60;
            pose.head_tilt = 0.07 * std::sin(kTau * p);
            if (u > 0.2 && u < 0.8) {
                pose.foot_dy[0] = pose.foot_dy[1] = 5;
                pose.foot_dx[0] = -4;
                pose.foot_dx[1] = 4;
            }
            const double stretch = u == 0 ? 0.93 : 1 + 0.04 * std::sin(kPi * u);
            bafo(cr, b, pose, stretch);
            // Sparkles popping around his paws and head, each on its own beat.
            const double spots[][2] = {{-150, -300}, {150, -300}, {-190, -200}, {190, -210},
                                       {-95, -345}, {100, -350}, {0, -330}, {-230, -120}, {230, -130}};
            const uint32_t colours[] = {pal::sun, pal::pink, pal::glow, pal::white, pal::sun, pal::sky, pal::glow, pal::pink, pal::sun};
            for (int i = 0; i < 9; ++i) {
                const double ph = std::fmod(p * 2 + i * 0.37, 1.0);
                const double r = 18 * std::sin(kPi * ph);
                twinkle(cr, b.x + spots[i][0], 438 + spots[i][1], r, colours[i]);
            }
        });
    };
    for (int loop = 0; loop < 2; ++loop)
        add_run(c.plays, 0, 11, 90);
    add_run(c.plays, 0, 5, 90);
    c.sound = sound_cheer;
    return c;
}

// ---------------------------------------------------------------------------
// SKOK: jumping for joy on the meadow, twice, then arms up.

void paint_meadow(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double W = c.w(), H = c.h();
    day_sky(cr, W, 330);
    sun(cr, 86, 76, 40);
    cloud(cr, 300, 70, 150);
    cloud(cr, 530, 120, 120, 0.95);
    cloud(cr, 190, 180, 80, 0.9);
    hill(cr, W, H, 290, 22, 0.011, 0.6, 0xA8DC7A, 0x8CCF62);
    tree(cr, 560, 330, 190);
    hill(cr, W, H, 345, 12, 0.008, 2.2, pal::grass, 0x5FB046);
    bush(cr, 90, 372, 120);
    Rng rng(202);
    grass_blades(cr, rng, 0, W, 350, H, 260, pal::grass);
    meadow_flowers(cr, rng, 10, W - 10, 368, 472, 44, 8, 15, 250, 390);
    butterfly(cr, 470, 250, 12, pal::sun, 0.3);
    butterfly(cr, 150, 300, 10, pal::pink, -0.2);
}

struct JumpKey {
    double height, stretch, arm, foot_dy, foot_dx;
    Mouth mouth;
    Eyes eyes;
};

// One jump in 16 drawings: ready, crouch, off, up, top, down, land, and the cheer after.
const JumpKey kJump[16] = {
    {0, 1.0, 0.5, 0, 0, Mouth::Half, Eyes::Open},      {0, 0.88, 0.95, 0, 0, Mouth::Closed, Eyes::Happy},
    {0, 0.8, 1.05, 0, 0, Mouth::Closed, Eyes::Happy},  {34, 1.12, 2.75, 10, 0, Mouth::Open, Eyes::Happy},
    {86, 1.08, 2.85, 6, 0, Mouth::Open, Eyes::Happy},  {122, 1.02, 2.7, -4, 10, Mouth::Open, Eyes::Happy},
    {140, 1.0, 2.45, -6, 12, Mouth::Open, Eyes::Happy}, {142, 1.0, 2.25, -6, 12, Mouth::Open, Eyes::Open},
    {130, 1.0, 2.0, -2, 8, Mouth::Round, Eyes::Open},  {104, 1.02, 1.75, 8, 2, Mouth::Round, Eyes::Open},
    {64, 1.04, 1.55, 12, 0, Mouth::Round, Eyes::Open}, {22, 1.05, 1.4, 10, 0, Mouth::Half, Eyes::Open},
    {0, 0.82, 0.95, 0, 0, Mouth::Half, Eyes::Happy},   {0, 0.94, 1.9, 0, 0, Mouth::Open, Eyes::Happy},
    {0, 1.02, 2.6, 0, 0, Mouth::Open, Eyes::Happy},    {0, 1.0, 2.45, 0, 0, Mouth::Half, Eyes::Happy},
};

Clip make_jump()
{
    Clip c;
    c.name = "SKOK";
    c.frames = 16;
    c.prepare = [] {
        auto bg = scenery(kAreaW, kAreaH, paint_meadow);
        return Painter([bg](Canvas& cv, int f) {
            cv.paste(*bg, 0, 0);
            cairo_t* cr = cv.cr();
            const JumpKey& k = kJump[f];
            const double ground = 440;
            Bafo b;
            b.scale = 0.8;
            b.x = kAreaW / 2.0;
            b.y = ground - k.height;
            b.mouth = k.mouth;
            b.eyes = k.eyes;
            b.tail = std::sin(f * 1.7);
            b.ground_shadow = false;
            ground_shadow(cr, b.x, ground - 2, 64 * (1 - k.height / 260), 0.25 * (1 - k.height / 300));
            BafoPose pose = arms(k.arm, k.arm);
            pose.arm_len[0] = pose.arm_len[1] = k.arm > 2 ? 58 : 50;
            for (int i = 0; i < 2; ++i) {
                pose.foot_dy[i] = k.foot_dy;
                pose.foot_dx[i] = (i == 0 ? -1 : 1) * k.foot_dx;
            }
            // Speed lines under him on the way up.
            if (f >= 3 && f <= 5) {
                cairo_save(cr);
                set_rgb(cr, pal::white, 0.9);
                cairo_set_line_width(cr, 5);
                for (int i = -1; i <= 1; ++i) {
                    const double x = b.x + i * 34;
                    cairo_move_to(cr, x, b.y + 14);
                    cairo_line_to(cr, x, b.y + 14 + 40 - std::abs(i) * 14);
                    cairo_stroke(cr);
                }
                cairo_restore(cr);
            }
            bafo(cr, b, pose, k.stretch);
            // At the top of the jump and at the cheer: little stars.
            if ((f >= 5 && f <= 8) || f >= 13) {
                const double spots[][2] = {{-130, -230}, {135, -215}, {-95, -290}, {100, -280}};
                for (int i = 0; i < 4; ++i) {
                    const double r = 10 + 6 * std::sin(f * 1.3 + i * 1.9);
                    twinkle(cr, b.x + spots[i][0], b.y + spots[i][1], r, i % 2 ? pal::sun : pal::white);
                }
            }
        });
    };
    add(c.plays, {0}, 150);
    for (int jump = 0; jump < 2; ++jump) {
        add(c.plays, {1}, 80);
        add(c.plays, {2}, 110);
        add_run(c.plays, 3, 11, 70);
        add(c.plays, {12}, 90);
        add(c.plays, {13}, 80);
    }
    add(c.plays, {14, 15, 14}, 200);
    add(c.plays, {15}, 300);
    const auto takeoffs = starts_of(c.plays, 3), landings = starts_of(c.plays, 12);
    c.sound = [takeoffs, landings](double s) { return sound_jump(s, takeoffs, landings); };
    c.level = audio::Level::Effect;
    return c;
}

// ---------------------------------------------------------------------------
// MAVANI: waving hello in front of a rainbow (small, in the middle).

void paint_rainbow_hill(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double W = c.w(), H = c.h();
    day_sky(cr, W, H);
    const uint32_t bands[] = {pal::red, pal::orange, pal::sun, pal::lime, pal::sky, pal::blue, pal::violet};
    cairo_save(cr);
    cairo_set_line_width(cr, 13);
    for (int i = 0; i < 7; ++i) {
        set_rgb(cr, bands[i]);
        cairo_new_sub_path(cr);
        cairo_arc(cr, W / 2, H + 20, 200 - i * 13, kPi, 2 * kPi);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    cloud(cr, 44, 178, 110);
    cloud(cr, 278, 172, 110);
    cloud(cr, 250, 40, 70, 0.9);
    hill(cr, W, H, 196, 8, 0.02, 1.0, pal::grass, 0x5FB046);
    Rng rng(303);
    grass_blades(cr, rng, 0, W, 198, H, 60, pal::grass);
    meadow_flowers(cr, rng, 8, W - 8, 206, 232, 12, 7, 10, 100, 220);
}

Clip make_wave()
{
    Clip c;
    c.name = "MAVANI";
    c.w = 320;
    c.h = 240;
    c.left = (kAreaW - c.w) / 2;
    c.top = (kAreaH - c.h) / 2;
    c.frames = 10;
    c.prepare = [w = c.w, h = c.h] {
        auto bg = scenery(w, h, paint_rainbow_hill);
        return Painter([bg, w](Canvas& cv, int f) {
            cv.paste(*bg, 0, 0);
            cairo_t* cr = cv.cr();
            // Frames 8 and 9 are frames 0 and 4 with a blink and a big smile.
            const int base = f == 8 ? 0 : f == 9 ? 4 : f;
            const double p = base / 8.0;
            Bafo b;
            b.scale = 0.6;
            b.x = w / 2.0;
            b.y = 228;
            b.mouth = base < 4 ? Mouth::Open : Mouth::Half;
            b.eyes = f == 8 ? Eyes::Closed : f == 9 ? Eyes::Happy : Eyes::Open;
            if (f == 9)
                b.mouth = Mouth::Open;
            b.tail = std::sin(kTau * p * 2);
            BafoPose pose = arms(0.75, 2.2 + 0.4 * std::sin(kTau * p));
            pose.wave_lines[1] = true;
            pose.head_tilt = -0.08 * std::sin(kTau * p);
            bafo(cr, b, pose);
            // A butterfly circling by.
            const double a = kTau * p;
            butterfly(cr, w / 2.0 - 95 + 22 * std::cos(a), 70 + 14 * std::sin(2 * a), 11 + 2 * std::cos(a * 4),
                      pal::pink, 0.25 * std::sin(a));
        });
    };
    for (int loop = 0; loop < 3; ++loop) {
        add_run(c.plays, 0, 7, 100);
        if (loop == 1)
            add(c.plays, {8}, 120);
    }
    add(c.plays, {0, 1, 2, 3}, 100);
    add(c.plays, {9}, 240);
    c.sound = sound_wave;
    return c;
}

// ---------------------------------------------------------------------------
// KOTOUL: a somersault across the circus ring, then "ta-da!".

void paint_circus(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double W = c.w();
    c.fill(pal::cream);
    // Tent stripes fanning out from the top, soft so that he stands out.
    const double cx = W / 2, cy = -120;
    for (int i = -12; i <= 12; i += 2) {
        const double a0 = kPi / 2 + i * 0.085, a1 = a0 + 0.085;
        set_rgb(cr, 0xFBC3B4);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 900 * std::cos(a0), cy + 900 * std::sin(a0));
        cairo_line_to(cr, cx + 900 * std::cos(a1), cy + 900 * std::sin(a1));
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    // Garlands of light bulbs.
    const uint32_t bulbs[] = {pal::sun, pal::sky, pal::pink, pal::lime, pal::orange};
    for (int g = 0; g < 2; ++g) {
        const double y0 = 30 + g * 70, sag = 50;
        cairo_save(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, 2.5);
        cairo_move_to(cr, -10, y0);
        cairo_curve_to(cr, W * 0.3, y0 + sag * 1.3, W * 0.7, y0 + sag * 1.3, W + 10, y0);
        cairo_stroke(cr);
        cairo_restore(cr);
        for (int i = 0; i < 12; ++i) {
            const double t = (i + 0.5 + g * 0.5) / 12.5;
            const double mt = 1 - t;
            const double x = mt * mt * mt * -10 + 3 * mt * mt * t * W * 0.3 + 3 * mt * t * t * W * 0.7 + t * t * t * (W + 10);
            const double y = mt * mt * mt * y0 + 3 * mt * mt * t * (y0 + sag * 1.3) + 3 * mt * t * t * (y0 + sag * 1.3) + t * t * t * y0;
            paint_shape(cr, [=](cairo_t* k) { ellipse(k, x, y + 9, 6, 8); },
                        Style{bulbs[(i + g * 2) % 5], 0.5, pal::outline, 2, false});
        }
    }
    // The ring: a sandy floor inside a red rim with stars.
    const double ry = 392;
    paint_shape(cr, [=](cairo_t* k) { ellipse(k, W / 2, ry + 60, 420, 120); }, Style{0xC73A36, 0.1, pal::outline, 3, false});
    paint_shape(cr, [=](cairo_t* k) { ellipse(k, W / 2, ry + 70, 390, 100); }, Style{0xF2C879, 0.1, pal::outline, 3, false});
    Rng rng(404);
    for (int i = 0; i < 90; ++i) {
        const double a = rng.range(0, kTau), r = std::sqrt(rng.uniform());
        const double x = W / 2 + 370 * r * std::cos(a), y = ry + 72 + 90 * r * std::sin(a);
        if (y < ry - 20)
            continue;
        set_rgb(cr, rng.chance(0.5) ? 0xE0B460 : 0xFFDD99);
        ellipse(cr, x, y, 3, 2);
        cairo_fill(cr);
    }
    for (int i = 0; i < 9; ++i) {
        const double a = kPi + (i + 0.5) * kPi / 9;
        star(cr, W / 2 + 405 * std::cos(a), ry + 60 + 110 * std::sin(a), 9, pal::sun, 0, false);
    }
    // Two star drums at the sides.
    for (int side : {-1, 1}) {
        const double x = W / 2 + side * 270, top = 318;
        paint_shape(cr, [=](cairo_t* k) {
            cairo_move_to(k, x - 44, top);
            cairo_line_to(k, x - 40, top + 80);
            cairo_curve_to(k, x - 20, top + 92, x + 20, top + 92, x + 40, top + 80);
            cairo_line_to(k, x + 44, top);
            cairo_close_path(k);
        }, Style{side < 0 ? pal::blue : pal::violet, 0.25});
        paint_shape(cr, [=](cairo_t* k) { ellipse(k, x, top, 44, 12); }, Style{pal::sun, 0.3});
        star(cr, x, top + 44, 18, pal::sun, 0, false);
    }
}

Clip make_somersault()
{
    Clip c;
    c.name = "KOTOUL";
    c.frames = 20;
    constexpr double x0 = 196, x1 = 444, ground = 440, rise = 150;
    constexpr int kFlight = 12;  // frames 2..13
    c.prepare = [] {
        auto bg = scenery(kAreaW, kAreaH, paint_circus);
        return Painter([bg](Canvas& cv, int f) {
            cv.paste(*bg, 0, 0);
            cairo_t* cr = cv.cr();
            Bafo b;
            b.scale = 0.78;
            b.ground_shadow = false;
            BafoPose pose = arms(0.35, 0.35);
            double stretch = 1;
            double turn = 0;
            b.x = x0;
            b.y = ground;
            if (f == 0) {
                b.look = 1;
                b.mouth = Mouth::Half;
            } else if (f == 1) {
                stretch = 0.84;
                pose = arms(1.0, 1.0);
                b.eyes = Eyes::Happy;
            } else if (f <= 13) {
                const double q = (f - 1) / double(kFlight + 1);
                const double e = smooth(q);
                b.x = x0 + (x1 - x0) * q;
                b.y = ground - rise * std::sin(kPi * q);
                turn = kTau * e;
                b.mouth = Mouth::Open;
                b.eyes = Eyes::Closed;
                // Arms flung out wide, feet drawn in at the middle of the
                // turn: a clear shape to see turning, his face never hidden.
                const double tuck = std::sin(kPi * std::clamp((q - 0.05) / 0.9, 0.0, 1.0));
                pose = arms(1.75, 1.75);
                pose.arm_len[0] = pose.arm_len[1] = 56;
                for (int i = 0; i < 2; ++i) {
                    pose.foot_dy[i] = -10 * tuck;
                    pose.foot_dx[i] = (i == 0 ? 1 : -1) * 6 * tuck;
                }
                // A trail of little stars along the arc behind him.
                for (int k = 1; k <= 5; ++k) {
                    const double qt = q - k * 0.075;
                    if (qt <= 0)
                        break;
                    const double tx = x0 + (x1 - x0) * qt;
                    const double ty = ground - rise * std::sin(kPi * qt) - 100 * b.scale;
                    star(cr, tx, ty, 15 - k * 1.6, k % 2 ? pal::sun : pal::pink, q * 4 + k, false);
                }
            } else {
                b.x = x1;
                const int t = f - 14;
                const double land_arms[] = {1.6, 2.2, 2.6, 2.75, 0.75, 0.75};
                pose = arms(land_arms[t], land_arms[t]);
                stretch = t == 0 ? 0.84 : t == 1 ? 0.95 : 1.0;
                b.eyes = t < 2 ? Eyes::Happy : t < 4 ? Eyes::Happy : Eyes::Open;
                b.mouth = t == 0 ? Mouth::Half : t == 3 ? Mouth::Half : Mouth::Open;
                if (t >= 4) {
                    pose.arm[1] = 2.2 + (t == 4 ? 0.3 : -0.3);
                    pose.wave_lines[1] = true;
                }
                b.tail = std::sin(t * 2.1);
            }
            const double h = ground - b.y;
            ground_shadow(cr, b.x, ground - 2, 54 * (1 - h / 300), 0.25 * (1 - h / 320));
            if (turn != 0) {
                // Turn about the middle of his body.
                const double mx = b.x, my = b.y - 110 * b.scale;
                cairo_save(cr);
                cairo_translate(cr, mx, my);
                cairo_rotate(cr, turn);
                cairo_translate(cr, -mx, -my);
                bafo(cr, b, pose, stretch);
                cairo_restore(cr);
            } else {
                bafo(cr, b, pose, stretch);
            }
            if (f >= 15) {
                // Stars on a pale tent need their outline to show.
                const double spots[][2] = {{-120, -200}, {125, -190}, {-80, -250}, {85, -245}, {0, -275}};
                const uint32_t colours[] = {pal::sun, pal::pink, pal::teal, pal::orange, pal::violet};
                for (int i = 0; i < 5; ++i) {
                    const double r = 10 + 5 * std::sin(f * 1.9 + i * 1.3);
                    star(cr, b.x + spots[i][0], ground + spots[i][1], r, colours[i], f * 0.3 + i, false);
                }
            }
        });
    };
    add(c.plays, {0}, 250);
    add(c.plays, {1}, 150);
    add_run(c.plays, 2, 13, 60);
    add(c.plays, {14}, 100);
    add(c.plays, {15}, 80);
    add(c.plays, {16, 17, 16, 17, 18, 19, 18}, 200);
    add(c.plays, {19}, 300);
    const double takeoff = starts_of(c.plays, 2).front(), landing = starts_of(c.plays, 14).front();
    c.sound = [takeoff, landing](double s) { return sound_somersault(s, takeoff, landing); };
    return c;
}

// ---------------------------------------------------------------------------
// KONFETY: a party, confetti raining all round him.

void paint_party(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double W = c.w(), H = c.h();
    for (int i = 0; i * 40 < W; ++i) {
        set_rgb(cr, i % 2 ? 0xFFF1C9 : 0xFFE0EA);
        cairo_rectangle(cr, i * 40, 0, 40, 400);
        cairo_fill(cr);
    }
    // Carpet.
    set_rgb(cr, 0x2EC4B6);
    cairo_rectangle(cr, 0, 392, W, H - 392);
    cairo_fill(cr);
    set_rgb(cr, 0x22A99C);
    for (double y = 404; y < H; y += 22)
        for (double x = std::fmod(y, 44) / 2; x < W; x += 44) {
            ellipse(cr, x, y, 6, 3);
            cairo_fill(cr);
        }
    set_rgb(cr, pal::outline);
    cairo_rectangle(cr, 0, 390, W, 4);
    cairo_fill(cr);
    // Bunting.
    const uint32_t flags[] = {pal::red, pal::sun, pal::teal, pal::pink, pal::blue, pal::lime, pal::violet, pal::orange};
    for (int g = 0; g < 2; ++g) {
        const double xa = g == 0 ? -20 : W / 2, xb = g == 0 ? W / 2 : W + 20;
        const double y0 = 24, sag = 46;
        auto at = [&](double t, double& x, double& y) {
            x = xa + (xb - xa) * t;
            y = y0 + sag * 4 * t * (1 - t);
        };
        cairo_save(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, 2.5);
        for (int i = 0; i <= 40; ++i) {
            double x, y;
            at(i / 40.0, x, y);
            i ? cairo_line_to(cr, x, y) : cairo_move_to(cr, x, y);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
        for (int i = 0; i < 7; ++i) {
            double xl, yl, xr, yr;
            at((i + 0.6) / 8.0, xl, yl);
            at((i + 1.4) / 8.0, xr, yr);
            paint_shape(cr, [=](cairo_t* k) {
                cairo_move_to(k, xl, yl);
                cairo_line_to(k, xr, yr);
                cairo_line_to(k, (xl + xr) / 2, (yl + yr) / 2 + 40);
                cairo_close_path(k);
            }, Style{flags[(i + g * 3) % 8], 0.3, pal::outline, 2.5, true, 3});
        }
    }
    // Balloons in both corners and presents on the carpet.
    balloon(cr, 60, 170, 34, pal::red, 120, 0.3);
    balloon(cr, 118, 212, 30, pal::sun, 110, -0.4);
    balloon(cr, 36, 262, 28, pal::blue, 100, 0.5);
    balloon(cr, W - 64, 176, 34, pal::violet, 120, -0.3);
    balloon(cr, W - 120, 222, 30, pal::lime, 100, 0.4);
    balloon(cr, W - 40, 268, 28, pal::pink, 100, -0.5);
    auto present = [&](double x, double y, double w, double h, uint32_t box, uint32_t ribbon) {
        paint_shape(cr, [=](cairo_t* k) { rounded_rect(k, x, y, w, h, 5); }, Style{box, 0.25});
        paint_shape(cr, [=](cairo_t* k) { rounded_rect(k, x - 5, y - 14, w + 10, 18, 5); }, Style{lighten(box, 0.15), 0.25});
        paint_shape(cr, [=](cairo_t* k) { cairo_rectangle(k, x + w / 2 - 7, y - 14, 14, h + 14); }, Style{ribbon, 0.3, pal::outline, 2.5, false});
        for (int s : {-1, 1})
            paint_shape(cr, [=](cairo_t* k) { ellipse(k, x + w / 2 + s * 14, y - 22, 14, 9); }, Style{ribbon, 0.3, pal::outline, 2.5, false});
    };
    present(62, 386, 84, 66, pal::blue, pal::sun);
    present(494, 396, 90, 58, pal::pink, pal::teal);
}

struct Bit {
    double x, y, size, sway, sway_phase, spin_phase;
    int laps, spins, kind;  // kind: 0 paper strip, 1 dot, 2 little star
    uint32_t colour;
    bool front;
};

std::vector<Bit> confetti(int n, uint64_t seed)
{
    const uint32_t colours[] = {pal::red, pal::sun, pal::teal, pal::pink, pal::blue, pal::lime, pal::violet, pal::orange};
    Rng rng(seed);
    std::vector<Bit> out;
    for (int i = 0; i < n; ++i) {
        Bit b;
        b.x = rng.range(0, kAreaW);
        b.y = rng.range(0, 1);
        b.size = rng.range(6, 11);
        b.sway = rng.range(6, 20);
        b.sway_phase = rng.range(0, kTau);
        b.spin_phase = rng.range(0, kTau);
        b.laps = 1;
        b.spins = 1 + rng.below(3);
        const int k = rng.below(10);
        b.kind = k < 6 ? 0 : k < 9 ? 1 : 2;
        b.colour = colours[rng.below(8)];
        b.front = rng.chance(0.25);
        out.push_back(b);
    }
    return out;
}

// One bit at point p of the loop (0..1): falls one full height per lap,
// swaying and tumbling a whole number of times, so the loop has no seam.
// Bits that would cover his face (`face`: centre and radii) are left out.
void draw_bit(cairo_t* cr, const Bit& b, double p, double h, const double* face = nullptr)
{
    const double span = h + 40;
    const double y = std::fmod(b.y + p * b.laps, 1.0) * span - 20;
    const double x = b.x + b.sway * std::sin(kTau * p * 2 + b.sway_phase);
    if (face && std::hypot((x - face[0]) / face[2], (y - face[1]) / face[3]) < 1)
        return;
    const double spin = kTau * p * b.spins + b.spin_phase;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    switch (b.kind) {
    case 0: {
        cairo_rotate(cr, spin * 0.5);
        const double flip = std::max(0.25, std::abs(std::cos(spin)));
        set_rgb(cr, std::cos(spin) > 0 ? b.colour : darken(b.colour, 0.18));
        cairo_rectangle(cr, -b.size * 0.4 * flip, -b.size * 0.7, b.size * 0.8 * flip, b.size * 1.4);
        cairo_fill(cr);
        break;
    }
    case 1:
        set_rgb(cr, b.colour);
        ellipse(cr, 0, 0, b.size * 0.5, b.size * 0.5 * std::max(0.35, std::abs(std::cos(spin))));
        cairo_fill(cr);
        break;
    default:
        set_rgb(cr, b.colour);
        star_path(cr, 0, 0, b.size * 0.8, b.size * 0.38, 5, spin * 0.3);
        cairo_fill(cr);
        break;
    }
    cairo_restore(cr);
}

Clip make_confetti()
{
    Clip c;
    c.name = "KONFETY";
    c.frames = 24;
    c.prepare = [frames = c.frames] {
        auto bg = scenery(kAreaW, kAreaH, paint_party);
        auto bits = std::make_shared<std::vector<Bit>>(confetti(150, 505));
        return Painter([bg, bits, frames](Canvas& cv, int f) {
            cv.paste(*bg, 0, 0);
            cairo_t* cr = cv.cr();
            const double p = double(f) / frames;
            for (const auto& bit : *bits)
                if (!bit.front)
                    draw_bit(cr, bit, p, kAreaH);
            const double u = std::fmod(p * 2, 1.0);  // two waves of the arms per loop
            Bafo b;
            b.scale = 0.95;
            b.x = kAreaW / 2.0;
            b.y = 444 - 10 * std::abs(std::sin(kTau * u));
            b.eyes = Eyes::Happy;
            b.mouth = std::sin(kTau * u) > -0.3 ? Mouth::Open : Mouth::Half;
            b.tail = std::sin(kTau * p * 4);
            b.ground_shadow = false;
            ground_shadow(cr, b.x, 442, 76);
            BafoPose pose = arms(2.4 + 0.35 * std::sin(kTau * u), 2.4 - 0.35 * std::sin(kTau * u));
            pose.arm_len[0] = pose.arm_len[1] = 56;
            pose.head_tilt = 0.06 * std::sin(kTau * u);
            bafo(cr, b, pose);
            const BafoPoints at = bafo_points(b);
            const double face[4] = {at.head_x, at.head_y + 10, at.head_rx * 0.85, at.head_ry * 0.9};
            for (const auto& bit : *bits)
                if (bit.front)
                    draw_bit(cr, bit, p, kAreaH, face);
        });
    };
    add_run(c.plays, 0, 23, 80);
    add_run(c.plays, 0, 11, 80);
    c.sound = sound_confetti;
    return c;
}

// ---------------------------------------------------------------------------
// TANEC: dancing on a lit disco floor under a mirror ball.

constexpr uint32_t kDiscoWall = 0x2B2160;
const uint32_t kDiscoLights[] = {pal::pink, pal::sun, pal::teal, pal::violet, pal::orange, pal::lime};

void paint_disco(Canvas& c)
{
    cairo_t* cr = c.cr();
    c.fill(kDiscoWall);
    // Stage lights along the top edge.
    for (int i = 0; i < 6; ++i) {
        const double x = 53 + i * 107;
        paint_shape(cr, [=](cairo_t* k) { rounded_rect(k, x - 18, -10, 36, 30, 8); }, Style{0x5A5F6E, 0.3});
        set_rgb(cr, kDiscoLights[i]);
        ellipse(cr, x, 20, 12, 6);
        cairo_fill(cr);
    }
}

// The mirror ball, its sparkling dots on the wall and the floor tiles all
// move with the beat.
void paint_disco_frame(cairo_t* cr, double p, int beat)
{
    const double W = kAreaW;
    const double bx = W / 2, by = 78, br = 40;
    // Soft beams from the ball.
    cairo_save(cr);
    for (int i = 0; i < 8; ++i) {
        const double a = kTau * (i / 8.0 + p / 8);
        set_rgb(cr, kDiscoLights[i % 6], 0.13);
        cairo_move_to(cr, bx, by);
        cairo_line_to(cr, bx + 700 * std::cos(a - 0.07), by + 700 * std::sin(a - 0.07));
        cairo_line_to(cr, bx + 700 * std::cos(a + 0.07), by + 700 * std::sin(a + 0.07));
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    // Light dots turning round the room.
    for (int ring = 0; ring < 3; ++ring)
        for (int i = 0; i < 8; ++i) {
            const double a = kTau * (i / 8.0 + p / 8) + ring * 0.4;
            const double r = 150 + ring * 110;
            const double x = bx + r * 1.5 * std::cos(a), y = by + 40 + r * 0.8 * std::sin(a);
            if (y > 330 || y < 0)
                continue;
            set_rgb(cr, kDiscoLights[(i + ring) % 6], 0.85);
            ellipse(cr, x, y, 7 - ring, 7 - ring);
            cairo_fill(cr);
        }
    cairo_restore(cr);
    // The floor: rows of tiles towards the viewer, lit in a pattern that moves on each beat.
    const double top = 330, vx = W / 2, vy = 120;
    const double rows[] = {330, 350, 374, 404, 440, 484};
    for (int r = 0; r < 5; ++r) {
        const double y0 = rows[r], y1 = rows[r + 1];
        for (int col = -7; col < 7; ++col) {
            auto xat = [&](double y, double cx) { return vx + (cx - vx) * (y - vy) / (top - vy); };
            const double c0 = vx + col * 60, c1 = c0 + 60;
            const bool lit = ((r + col + beat) % 2 + 2) % 2 == 0;
            const uint32_t colour = kDiscoLights[((col + 7) * 3 + r * 5 + beat) % 6];
            set_rgb(cr, lit ? colour : mix(colour, kDiscoWall, 0.6));
            cairo_move_to(cr, xat(y0, c0), y0);
            cairo_line_to(cr, xat(y0, c1), y0);
            cairo_line_to(cr, xat(y1, c1), y1);
            cairo_line_to(cr, xat(y1, c0), y1);
            cairo_close_path(cr);
            cairo_fill_preserve(cr);
            set_rgb(cr, 0x1A1440);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
    }
    set_rgb(cr, 0x1A1440);
    cairo_rectangle(cr, 0, top - 3, W, 5);
    cairo_fill(cr);
    // The ball on its chain.
    cairo_save(cr);
    set_rgb(cr, 0x9AA0B0);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, bx, 0);
    cairo_line_to(cr, bx, by - br);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* k) { ellipse(k, bx, by, br, br); }, Style{0xB8C0D0, 0.3});
    cairo_save(cr);
    ellipse(cr, bx, by, br, br);
    cairo_clip(cr);
    for (int row = -4; row <= 4; ++row)
        for (int col = -5; col <= 5; ++col) {
            const double y = by + row * 10;
            const double half = std::sqrt(std::max(0.0, br * br - (y - by) * (y - by)));
            const double shift = std::fmod(p * 8 * 10 + (row % 2) * 5, 10.0);
            const double x = bx + col * 10 + shift - 5;
            if (std::abs(x - bx) > half)
                continue;
            const int shade = ((row + col + beat) % 3 + 3) % 3;
            set_rgb(cr, shade == 0 ? pal::white : shade == 1 ? 0xCBD2E0 : 0x8C94A8);
            cairo_rectangle(cr, x - 4, y - 4, 8, 8);
            cairo_fill(cr);
        }
    cairo_restore(cr);
    cairo_save(cr);
    cairo_set_line_width(cr, 3);
    set_rgb(cr, pal::outline);
    ellipse(cr, bx, by, br, br);
    cairo_stroke(cr);
    cairo_restore(cr);
    twinkle(cr, bx - 18, by - 16, 10 + 4 * std::sin(kTau * p * 2), pal::white);
}

// A note for the music in the air; light lines, it flies over a dark wall.
void note(cairo_t* cr, double x, double y, double size, uint32_t colour, bool pair)
{
    const double lw = 2.5;
    paint_shape(cr, [=](cairo_t* k) {
        ellipse(k, x, y, size * 0.55, size * 0.42);
        if (pair)
            ellipse(k, x + size * 1.3, y - size * 0.3, size * 0.55, size * 0.42);
    }, Style{colour, 0.3, pal::cream, lw, false});
    cairo_save(cr);
    cairo_set_line_width(cr, 4);
    set_rgb(cr, pal::cream);
    cairo_move_to(cr, x + size * 0.5, y);
    cairo_line_to(cr, x + size * 0.5, y - size * 2.2);
    if (pair) {
        cairo_line_to(cr, x + size * 1.8, y - size * 2.5);
        cairo_line_to(cr, x + size * 1.8, y - size * 0.3);
    } else {
        cairo_curve_to(cr, x + size * 1.2, y - size * 1.9, x + size * 1.4, y - size * 1.5, x + size * 1.1, y - size * 1.1);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

Clip make_dance()
{
    Clip c;
    c.name = "TANEC";
    c.frames = 16;
    c.prepare = [frames = c.frames] {
        auto bg = scenery(kAreaW, kAreaH, paint_disco);
        return Painter([bg, frames](Canvas& cv, int f) {
            cv.paste(*bg, 0, 0);
            cairo_t* cr = cv.cr();
            const double p = double(f) / frames;
            const int beat = f / 4;  // four drawings to a beat
            paint_disco_frame(cr, p, beat);
            const double s = std::sin(kTau * p);
            const double bounce = std::abs(std::sin(kTau * p * 2));
            Bafo b;
            b.scale = 0.92;
            b.x = kAreaW / 2.0 + 26 * s;
            b.y = 446 - 14 * bounce;
            b.eyes = Eyes::Happy;
            b.mouth = bounce > 0.5 ? Mouth::Open : Mouth::Half;
            b.tail = std::sin(kTau * p * 4);
            b.ground_shadow = false;
            ground_shadow(cr, b.x, 444, 70, 0.35);
            // Point up and out with one paw, the other on the hip, and swap.
            BafoPose pose = arms(1.55 + 0.9 * s, 1.55 - 0.9 * s);
            pose.arm_len[0] = 50 + 16 * std::max(0.0, s);
            pose.arm_len[1] = 50 + 16 * std::max(0.0, -s);
            pose.head_tilt = -0.12 * s;
            const double lift = 16 * bounce;
            if (s > 0) {
                pose.foot_dy[1] = -lift;
                pose.foot_dx[1] = 6;
            } else {
                pose.foot_dy[0] = -lift;
                pose.foot_dx[0] = -6;
            }
            bafo(cr, b, pose, 1 - 0.04 * (1 - bounce), 0.12 * s);
            // Notes rising on both sides, round the loop.
            for (int i = 0; i < 4; ++i) {
                const double q = std::fmod(p + i * 0.25, 1.0);
                const double side = i % 2 ? 1 : -1;
                const double x = kAreaW / 2.0 + side * (170 + 30 * std::sin(kTau * q)) + (i / 2) * side * 60;
                const double y = 300 - 200 * q;
                note(cr, x, y, 14, kDiscoLights[i + 1], i % 2 == 0);
            }
        });
    };
    for (int loop = 0; loop < 2; ++loop)
        add_run(c.plays, 0, 15, 75);
    add_run(c.plays, 0, 7, 75);
    add(c.plays, {8}, 150);
    const double beat = 8 * 0.075;  // one bounce, eight drawings
    c.sound = [beat](double s) { return sound_dance(s, beat); };
    return c;
}

// ---------------------------------------------------------------------------
// TLESKANI: clapping in the garden behind the fence (small, in the middle).

void paint_garden(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double W = c.w(), H = c.h();
    day_sky(cr, W, 200);
    sun(cr, W - 62, 56, 30);
    cloud(cr, 86, 54, 110);
    cloud(cr, 240, 96, 70, 0.9);
    set_rgb(cr, pal::grass);
    cairo_rectangle(cr, 0, 180, W, H - 180);
    cairo_fill(cr);
    hill(cr, W, H, 226, 4, 0.02, 0.3, pal::grass, 0x5FB046);
    // A white picket fence.
    for (int rail : {172, 206})
        paint_shape(cr, [=](cairo_t* k) { rounded_rect(k, -10, rail, W + 20, 12, 4); }, Style{0xF6F0E6, 0.2, pal::outline, 2.5, false});
    for (double x = 8; x < W; x += 34) {
        paint_shape(cr, [=](cairo_t* k) {
            cairo_move_to(k, x, 236);
            cairo_line_to(k, x, 150);
            cairo_line_to(k, x + 11, 136);
            cairo_line_to(k, x + 22, 150);
            cairo_line_to(k, x + 22, 236);
            cairo_close_path(k);
        }, Style{pal::white, 0.0, pal::outline, 2.5, true, 2});
    }
    Rng rng(707);
    grass_blades(cr, rng, 0, W, 232, H, 90, pal::grass);
    bush(cr, 38, 250, 80);
    bush(cr, W - 40, 252, 86, pal::green_dark);
    meadow_flowers(cr, rng, 10, W - 10, 238, 290, 18, 8, 12, 130, 270);
}

Clip make_clap()
{
    Clip c;
    c.name = "TLESKANI";
    c.w = 400;
    c.h = 300;
    c.left = (kAreaW - c.w) / 2;
    c.top = (kAreaH - c.h) / 2;
    c.frames = 12;
    // Arm angles of one clap: apart, closing, together, together, opening, apart.
    // The arms reach towards the child, so they look shorter.
    static constexpr double kArm[6] = {0.45, -0.2, -0.93, -0.97, -0.3, 0.3};
    static constexpr double kArmLen[6] = {46, 42, 40, 40, 42, 46};
    c.prepare = [w = c.w, h = c.h] {
        auto bg = scenery(w, h, paint_garden);
        return Painter([bg, w](Canvas& cv, int f) {
            cv.paste(*bg, 0, 0);
            cairo_t* cr = cv.cr();
            // Frames 6..11: the same clap looking at the child, eyes open.
            const int k = f % 6;
            const bool together = k == 2 || k == 3;
            Bafo b;
            b.scale = 0.72;
            b.x = w / 2.0;
            b.y = 290 - (k == 0 || k == 5 ? 6 : 0);
            b.eyes = f >= 6 ? Eyes::Open : Eyes::Happy;
            b.mouth = together ? Mouth::Open : Mouth::Half;
            b.tail = std::sin(k * 1.05);
            b.ground_shadow = false;
            ground_shadow(cr, b.x, 288, 56);
            BafoPose pose = arms(kArm[k], kArm[k]);
            pose.arm_len[0] = pose.arm_len[1] = kArmLen[k];
            bafo(cr, b, pose, together ? 0.97 : 1.0);
            if (together) {
                // The clap: short rays bursting sideways from the paws, clear of his face.
                const double cx = b.x, cy = b.y - (98 - kArmLen[2] * std::cos(kArm[2])) * b.scale;
                const double r0 = k == 2 ? 50 : 56, r1 = k == 2 ? 64 : 76;
                cairo_save(cr);
                cairo_set_line_width(cr, 4);
                set_rgb(cr, pal::outline);
                for (int side : {-1, 1})
                    for (double a : {-0.55, 0.0, 0.55}) {
                        const double dx = side * std::cos(a), dy = std::sin(a) - 0.25;
                        cairo_move_to(cr, cx + r0 * dx, cy + r0 * dy);
                        cairo_line_to(cr, cx + r1 * dx, cy + r1 * dy);
                        cairo_stroke(cr);
                    }
                cairo_restore(cr);
                for (int s : {-1, 1})
                    twinkle(cr, cx + s * (k == 2 ? 70 : 84), cy - (k == 2 ? 30 : 40), k == 2 ? 10 : 14,
                            s < 0 ? pal::sun : pal::pink);
            }
        });
    };
    for (int clap = 0; clap < 6; ++clap) {
        const bool look = clap % 3 == 2;
        for (int k = 0; k < 6; ++k)
            add(c.plays, {look ? 6 + k : k}, 80);
    }
    add(c.plays, {6}, 120);
    const auto claps_a = starts_of(c.plays, 2), claps_b = starts_of(c.plays, 8);
    std::vector<double> claps(claps_a);
    claps.insert(claps.end(), claps_b.begin(), claps_b.end());
    std::sort(claps.begin(), claps.end());
    c.sound = [claps](double s) { return sound_clap(s, claps); };
    return c;
}

// ---------------------------------------------------------------------------
// HVEZDY: a starry night, his tail wagging, stars circling round him.

void paint_night(Canvas& c)
{
    cairo_t* cr = c.cr();
    const double W = c.w(), H = c.h();
    fill_vertical_gradient(cr, 0, 0, W, 380, 0x18245A, 0x40579A);
    // The moon, asleep.
    paint_shape(cr, [](cairo_t* k) {
        cairo_new_sub_path(k);
        cairo_arc(k, 96, 92, 48, 0, kTau);
        cairo_close_path(k);
    }, Style{0xFFF0A8, 0.3, pal::outline, 3, false});
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3.5);
    for (int s : {-1, 1}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 96 + s * 17, 86, 8, 0.15 * kPi, 0.85 * kPi);
        cairo_stroke(cr);
    }
    cairo_new_sub_path(cr);
    cairo_arc(cr, 96, 100, 12, 0.2 * kPi, 0.8 * kPi);
    cairo_stroke(cr);
    set_rgb(cr, pal::cheek, 0.6);
    ellipse(cr, 70, 104, 8, 5);
    ellipse(cr, 122, 104, 8, 5);
    cairo_fill(cr);
    set_rgb(cr, 0xE8D890);
    ellipse(cr, 118, 70, 7, 6);
    ellipse(cr, 78, 122, 5, 4);
    cairo_fill(cr);
    cairo_restore(cr);
    // Hills in the moonlight.
    hill(cr, W, H, 330, 18, 0.012, 0.4, 0x3F8A63, 0x2E6E4E);
    hill(cr, W, H, 380, 10, 0.017, 2.0, 0x4E9E6E, 0x3A7F58);
    Rng rng(808);
    grass_blades(cr, rng, 0, W, 384, H, 160, 0x4E9E6E);
    // Little houses with lit windows far away.
    for (int i = 0; i < 2; ++i) {
        const double x = i == 0 ? 560 : 500, y = i == 0 ? 318 : 326, s = i == 0 ? 1.0 : 0.8;
        paint_shape(cr, [=](cairo_t* k) { cairo_rectangle(k, x - 18 * s, y - 24 * s, 36 * s, 26 * s); }, Style{0x8C7CB8, 0.2, pal::outline, 2, false});
        paint_shape(cr, [=](cairo_t* k) {
            cairo_move_to(k, x - 24 * s, y - 22 * s);
            cairo_line_to(k, x, y - 44 * s);
            cairo_line_to(k, x + 24 * s, y - 22 * s);
            cairo_close_path(k);
        }, Style{0xC0504A, 0.2, pal::outline, 2, false});
        set_rgb(cr, pal::sun);
        cairo_rectangle(cr, x - 7 * s, y - 16 * s, 12 * s, 10 * s);
        cairo_fill(cr);
    }
}

struct SkyStar {
    double x, y, r;
    int twinkles;
    double phase;
};

Clip make_stars()
{
    Clip c;
    c.name = "HVEZDY";
    c.frames = 12;
    c.prepare = [frames = c.frames] {
        auto bg = scenery(kAreaW, kAreaH, paint_night);
        auto sky = std::make_shared<std::vector<SkyStar>>();
        Rng rng(809);
        while (sky->size() < 48) {
            SkyStar s{rng.range(10, kAreaW - 10), rng.range(10, 300), rng.range(4, 9), 1 + rng.below(2), rng.range(0, 1)};
            if (std::hypot(s.x - 96, s.y - 92) < 70)
                continue;
            sky->push_back(s);
        }
        return Painter([bg, sky, frames](Canvas& cv, int f) {
            cv.paste(*bg, 0, 0);
            cairo_t* cr = cv.cr();
            const double p = double(f) / frames;
            for (const auto& s : *sky) {
                const double t = 0.75 + 0.35 * std::sin(kTau * (p * s.twinkles + s.phase));
                twinkle(cr, s.x, s.y, s.r * t, s.r > 7 ? pal::sun : 0xFFF6C8);
            }
            // Six stars on a tilted ring round him; a third of a turn per loop.
            const uint32_t ring_colours[] = {pal::sun, pal::pink, pal::teal};
            const double cx = kAreaW / 2.0, cy = 318, rx = 232, ry = 66;
            auto ring = [&](bool front) {
                for (int i = 0; i < 6; ++i) {
                    const double a = kTau * (i / 6.0 + p / 3);
                    const double depth = std::sin(a);  // > 0: in front of him
                    if ((depth > 0) != front)
                        continue;
                    const double x = cx + rx * std::cos(a), y = cy + ry * depth - 30 * std::cos(a);
                    const double r = 24 * (1 + 0.2 * depth);
                    for (int k = 3; k >= 1; --k) {
                        const double at = a - k * 0.14;
                        twinkle(cr, cx + rx * std::cos(at), cy + ry * std::sin(at) - 30 * std::cos(at), r * (0.5 - k * 0.1),
                                ring_colours[i % 3], 0.9);
                    }
                    star(cr, x, y, r, ring_colours[i % 3], a * 0.5, false);
                }
            };
            ring(false);
            const double q = std::sin(kTau * p);
            Bafo b;
            b.scale = 0.95;
            b.x = kAreaW / 2.0;
            b.y = 446;
            b.eyes = f % 6 == 3 ? Eyes::Closed : Eyes::Happy;
            b.mouth = q > 0 ? Mouth::Open : Mouth::Half;
            // A real wag: well past the little sway the other pictures give him.
            const double wag = std::sin(kTau * p * 3);
            b.tail = 2.2 * wag;
            BafoPose pose = arms(0.75, 0.75);
            pose.head_tilt = 0.08 * q;
            const double lean = 0.035 * wag;
            bafo(cr, b, pose, 1, lean);
            if (std::abs(wag) > 0.6) {
                // Swish marks round the tail's root, behind the tip on the side it swung from.
                const double a = -0.25 * b.tail;
                const double tx = 44 * std::cos(a) + 48 * std::sin(a), ty = 44 * std::sin(a) - 48 * std::cos(a);
                const double tip = std::atan2(ty, tx), reach = std::hypot(tx, ty) * b.scale;
                cairo_save(cr);
                cairo_translate(cr, b.x, b.y);
                cairo_rotate(cr, lean);
                cairo_translate(cr, 46 * b.scale, -44 * b.scale);
                cairo_set_line_width(cr, 3.5);
                set_rgb(cr, pal::cream, 0.9);
                for (int k = 0; k < 2; ++k) {
                    cairo_new_sub_path(cr);
                    if (wag > 0)
                        cairo_arc(cr, 0, 0, reach + 8 + k * 10, tip + 0.2, tip + 0.55);
                    else
                        cairo_arc_negative(cr, 0, 0, reach + 8 + k * 10, tip - 0.2, tip - 0.55);
                    cairo_stroke(cr);
                }
                cairo_restore(cr);
            }
            ring(true);
        });
    };
    for (int loop = 0; loop < 2; ++loop)
        add_run(c.plays, 0, 11, 90);
    add_run(c.plays, 0, 5, 90);
    c.sound = sound_stars;
    return c;
}

}  // namespace

Clip clip_cheer() { return make_cheer(); }
Clip clip_jump() { return make_jump(); }
Clip clip_wave() { return make_wave(); }
Clip clip_somersault() { return make_somersault(); }
Clip clip_confetti() { return make_confetti(); }
Clip clip_dance() { return make_dance(); }
Clip clip_clap() { return make_clap(); }
Clip clip_stars() { return make_stars(); }

}  // namespace datagen::clips
