// The five funny clips of the dress-up screen: little films in the tailor's
// room, each in a stitched felt frame with a button in every corner, so that
// it reads as a picture of its own over the screen. Bafo is the undressed
// puppy of the screen; the scenes are built from a handful of drawings
// ("shots") that the script shows in any order, so holds and loops cost no
// extra frames in the video.
#include "clips.h"
#include "datagen.h"
#include "pictures_kit.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace datagen::clips {

namespace {

using namespace art;
using pics::eye;
using pics::shape;

constexpr double kPi = 3.14159265358979323846;

// 400 x 300, like the smaller celebrations: big enough for Bafo to read at a
// glance, small enough that five clips stay light in the tree.
constexpr int kW = 400, kH = 300;
constexpr double kBand = 12;    // the felt frame
constexpr double kWall = 200;   // where the wall meets the floor
constexpr double kGround = 262; // where Bafo stands
constexpr double kScale = 0.6;  // Bafo about 165 px tall

// --- a film: its drawings and the order they play in ------------------------

template <class Shot>
struct Film {
    std::vector<Shot> shots;
    std::vector<Entry> plays;

    int shoot(const Shot& s, int ms)
    {
        shots.push_back(s);
        plays.push_back({int(shots.size()) - 1, ms});
        return int(shots.size()) - 1;
    }
    void again(int shot, int ms) { plays.push_back({shot, ms}); }
    // When the next entry starts, in seconds from the start of the clip.
    double now() const
    {
        int t = 0;
        for (const auto& e : plays)
            t += e.ms;
        return t / 1000.0;
    }
};

// --- the room and the frame ------------------------------------------------

Canvas film_frame();

// Warm striped wallpaper and a honey floor; the picture kit's room pieces are
// laid out for the 640-wide pictures, so they are centred on this box.
void paint_room(Canvas& c, uint64_t seed)
{
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, -(pics::kW - kW) / 2.0, 0);
    pics::wallpaper(cr, kWall, 0xF4C48A, 0xFADDB4, 0);
    Rng rng(seed);
    pics::wood_floor(cr, rng, kWall, 0xC98A52);
    cairo_restore(cr);
}

// Raspberry felt with a cream running stitch and a dark edge towards the
// picture, a yellow button sewn on at each corner. The straight parts are
// drawn without smoothing on whole pixels, in bands that follow the codec's
// 4 x 4 blocks: a block of one or two colours costs a third of one with the
// in-between shades smoothing makes, and the frame is in every picture.
Canvas film_frame()
{
    Canvas f(kW, kH, Canvas::Format::Alpha);
    cairo_t* cr = f.cr();
    const double r = 16;
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    set_rgb(cr, 0xD8485A);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    rounded_rect(cr, kBand, kBand, kW - 2 * kBand, kH - 2 * kBand, r);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    rounded_rect(cr, kBand - 1.5, kBand - 1.5, kW - 2 * kBand + 3, kH - 2 * kBand + 3, r + 1.5);
    cairo_stroke(cr);
    set_rgb(cr, pal::cream);
    cairo_set_line_width(cr, 2);
    const double dash[] = {8, 4};
    cairo_set_dash(cr, dash, 2, 0);
    rounded_rect(cr, 6, 6, kW - 12, kH - 12, r + 6);
    cairo_stroke(cr);
    cairo_restore(cr);
    for (double x : {kBand, kW - kBand})
        for (double y : {kBand, kH - kBand}) {
            paint_shape(cr, [=](cairo_t* k) { ellipse(k, x, y, 10, 10); }, Style{pal::tag, 0.45, pal::outline, 2});
            cairo_save(cr);
            set_rgb(cr, darken(pal::tag, 0.45));
            for (int i = 0; i < 4; ++i) {
                cairo_arc(cr, x + (i % 2 ? 3 : -3), y + (i / 2 ? 3 : -3), 1.6, 0, 2 * kPi);
                cairo_fill(cr);
            }
            cairo_restore(cr);
        }
    return f;
}

// A clip of the dress-up screen: the shots over the scenery, in the frame,
// in the middle of the picture area.
template <class Shot>
Clip make_film(const char* name, const Film<Shot>& film, void (*paint)(Canvas&), void (*draw)(cairo_t*, const Shot&))
{
    Clip c;
    c.name = name;
    c.folder = kDressFolder;
    c.w = kW;
    c.h = kH;
    c.left = (kAreaW - kW) / 2;
    c.top = (kAreaH - kH) / 2;
    c.frames = int(film.shots.size());
    c.plays = film.plays;
    c.prepare = [shots = film.shots, paint, draw] {
        auto bg = scenery(kW, kH, paint);
        auto frame = std::make_shared<Canvas>(film_frame());
        return Painter([shots, bg, frame, draw](Canvas& cv, int f) {
            cv.paste(*bg, 0, 0);
            draw(cv.cr(), shots.at(size_t(f)));
            cv.paste(*frame, 0, 0);
        });
    };
    return c;
}

// --- Bafo -------------------------------------------------------------------

// What a shot asks of him; drawn at kScale, feet on the floor at (x, kGround - hop).
struct Pup {
    double x = 200, hop = 0, stretch = 1, lean = 0;
    double ground = kGround;
    BafoPose pose = arms(0.4, 0.4);
    Eyes eyes = Eyes::Open;
    Mouth mouth = Mouth::Closed;
    double look = 0, tail = 0;
};

Bafo body_of(const Pup& p)
{
    Bafo b;
    b.x = p.x;
    b.y = p.ground - p.hop;
    b.scale = kScale;
    b.eyes = p.eyes;
    b.mouth = p.mouth;
    b.look = p.look;
    b.tail = p.tail;
    b.ground_shadow = false;
    return b;
}

void draw_pup(cairo_t* cr, const Pup& p)
{
    ground_shadow(cr, p.x, p.ground - 1, 50 * std::clamp(1 - p.hop / 120, 0.5, 1.0));
    bafo(cr, body_of(p), p.pose, p.stretch, p.lean);
}

// The top of his head (the middle of the crown, under the tuft).
void crown_of(const Pup& p, double& x, double& y)
{
    x = p.x + std::sin(p.lean) * 250 * kScale * p.stretch;
    y = p.ground - p.hop - 252 * kScale * p.stretch * std::cos(p.lean);
}

// A bright "!" of surprise.
void surprise_mark(cairo_t* cr, double x, double y)
{
    paint_shape(cr, [=](cairo_t* k) {
        cairo_move_to(k, x - 6, y - 30);
        cairo_line_to(k, x + 6, y - 30);
        cairo_line_to(k, x + 3, y - 6);
        cairo_line_to(k, x - 3, y - 6);
        cairo_close_path(k);
        ellipse(k, x, y + 3, 4.5, 4.5);
    }, Style{pal::sun, 0.3, pal::outline, 2.2});
}

// Little arcs beside him when he shakes with laughter.
void giggle_lines(cairo_t* cr, double x, double y, double phase)
{
    cairo_save(cr);
    set_rgb(cr, pal::outline, 0.8);
    cairo_set_line_width(cr, 2.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side : {-1, 1})
        for (int k = 0; k < 2; ++k) {
            const double r = 12 + k * 8 + 3 * phase;
            cairo_new_sub_path(cr);
            if (side < 0)
                cairo_arc(cr, x - 62, y, r, kPi * 0.8, kPi * 1.2);
            else
                cairo_arc(cr, x + 62, y, r, -kPi * 0.2, kPi * 0.2);
            cairo_stroke(cr);
        }
    cairo_restore(cr);
}


// --- furniture of the tailor's room ------------------------------------------

// A tailor's dress form on its tripod, a tape measure round its neck.
void dress_form(cairo_t* cr, double x, double ground)
{
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double dx : {-22.0, 0.0, 22.0}) {
        cairo_move_to(cr, x, ground - 40);
        cairo_line_to(cr, x + dx, ground - (dx == 0 ? 6 : 0));
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [=](cairo_t* k) { rounded_rect(k, x - 3, ground - 72, 6, 40, 3); }, 0x8A5530, 2, false);
    auto torso = [=](cairo_t* k) {
        cairo_move_to(k, x - 10, ground - 170);
        cairo_curve_to(k, x - 36, ground - 166, x - 34, ground - 140, x - 26, ground - 124);
        cairo_curve_to(k, x - 20, ground - 110, x - 30, ground - 86, x - 24, ground - 72);
        cairo_line_to(k, x + 24, ground - 72);
        cairo_curve_to(k, x + 30, ground - 86, x + 20, ground - 110, x + 26, ground - 124);
        cairo_curve_to(k, x + 34, ground - 140, x + 36, ground - 166, x + 10, ground - 170);
        cairo_close_path(k);
    };
    shape(cr, torso, 0xF2A9B8, 2.5, true, 0.3);
    shape(cr, [=](cairo_t* k) { rounded_rect(k, x - 6, ground - 182, 12, 13, 4); }, 0x8A5530, 2, false);
    // The tape measure: yellow, with ticks, hanging down both sides.
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_move_to(cr, x + side * 9, ground - 168);
        cairo_curve_to(cr, x + side * 16, ground - 150, x + side * 12, ground - 128, x + side * 14, ground - 104);
        cairo_set_line_width(cr, 9);
        set_rgb(cr, pal::outline);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 6);
        set_rgb(cr, pal::sun);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

// Rolls of cloth leaning on the wall.
void cloth_rolls(cairo_t* cr, double x, double ground)
{
    const uint32_t colours[] = {0x6FB3E0, 0x9B6BD3, 0x7CCB5B};
    for (int i = 0; i < 3; ++i) {
        const double bx = x + i * 16, h = 96 - i * 14;
        cairo_save(cr);
        cairo_translate(cr, bx, ground);
        cairo_rotate(cr, -0.12 + i * 0.06);
        shape(cr, [=](cairo_t* k) { rounded_rect(k, -9, -h, 18, h, 6); }, colours[i], 2.2, true, 0.35);
        set_rgb(cr, lighten(colours[i], 0.4), 0.9);
        for (double y = -h + 10; y < -4; y += 12) {
            cairo_rectangle(cr, -7, y, 14, 3);
            cairo_fill(cr);
        }
        shape(cr, [=](cairo_t* k) { ellipse(k, 0, -h, 9, 4); }, lighten(colours[i], 0.25), 2, false);
        cairo_restore(cr);
    }
}

// ---------------------------------------------------------------------------
// STOJKA: Bafo stands on his head on a gym mat, arms out, wobbling and
// kicking, then tips over onto his feet and cheers. His short arms cannot
// reach past his big head to the mat, so he balances on his crown.

constexpr double kMatTop = 254;  // where his feet rest on the mat

void mat_front(cairo_t* cr)
{
    auto face = [](cairo_t* k) {
        cairo_move_to(k, 84, 262);
        cairo_line_to(k, 316, 262);
        cairo_line_to(k, 316, 270);
        cairo_curve_to(k, 316, 276, 312, 278, 306, 278);
        cairo_line_to(k, 94, 278);
        cairo_curve_to(k, 88, 278, 84, 276, 84, 270);
        cairo_close_path(k);
    };
    shape(cr, face, 0x3A73C4, 2.5, false, 0.1);
    cairo_save(cr);
    set_rgb(cr, pal::cream);
    cairo_set_line_width(cr, 1.6);
    const double dash[] = {5, 4};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_move_to(cr, 90, 270);
    cairo_line_to(cr, 310, 270);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void paint_gym(Canvas& c)
{
    paint_room(c, 501);
    cairo_t* cr = c.cr();
    dress_form(cr, 52, 262);
    cloth_rolls(cr, 336, 250);
    ground_shadow(cr, 200, 274, 124, 0.25);
    shape(cr, [](cairo_t* k) {
        cairo_move_to(k, 100, 240);
        cairo_line_to(k, 300, 240);
        cairo_curve_to(k, 308, 240, 316, 254, 316, 262);
        cairo_line_to(k, 84, 262);
        cairo_curve_to(k, 84, 254, 92, 240, 100, 240);
        cairo_close_path(k);
    }, 0x5B9BEF, 2.5, false, 0.2);
    cairo_save(cr);
    set_rgb(cr, pal::cream);
    cairo_set_line_width(cr, 1.6);
    const double dash[] = {5, 4};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_move_to(cr, 104, 245);
    cairo_line_to(cr, 296, 245);
    cairo_stroke(cr);
    cairo_restore(cr);
    mat_front(cr);
}

struct Tumble {
    Pup pup;
    // Turned: drawn about his middle, which is at (mx, my); upright shots
    // stand at pup.x on the mat.
    bool turned = false;
    double turn = 0, mx = 200, my = 0;
    double sparkle = -1;  // 0..1: the cheer's twinkles
};

// His middle, 130 units above his feet; on his head his crown rests on the mat.
constexpr double kMiddle = 130;
constexpr double kCrownX = 200, kCrownY = 257;

Tumble upright(const Pup& p)
{
    Tumble t;
    t.pup = p;
    t.pup.ground = kMatTop;
    return t;
}

// On his head, tilted by `sway` about his crown, arms out for balance.
Tumble on_head(double sway, int kick, Mouth mouth)
{
    Tumble t;
    t.turned = true;
    t.turn = kPi + sway;
    t.mx = kCrownX - (262 - kMiddle) * kScale * std::sin(t.turn);
    t.my = kCrownY + (262 - kMiddle) * kScale * std::cos(t.turn);
    t.pup.pose = arms(1.5 - sway, 1.5 + sway);
    t.pup.pose.arm_len[0] = t.pup.pose.arm_len[1] = 56;
    for (int i = 0; i < 2; ++i) {
        t.pup.pose.foot_dx[i] = (i == 0 ? -12 : 12);
        t.pup.pose.foot_dy[i] = (kick == i) ? -18 : 4;
    }
    t.pup.mouth = mouth;
    t.pup.tail = kick == 0 ? 1 : -1;
    return t;
}

// Part way round: from standing (or his head) to his head (or his feet).
Tumble rolling(double turn, double from_x, double to_x, double u)
{
    Tumble t;
    t.turned = true;
    t.turn = turn;
    const double stand_y = kMatTop - kMiddle * kScale;
    t.mx = from_x + (to_x - from_x) * u;
    t.my = stand_y - 26 * std::sin(kPi * u);
    t.pup.pose = arms(2.4, 2.4);
    t.pup.pose.arm_len[0] = t.pup.pose.arm_len[1] = 56;
    t.pup.pose.foot_dy[0] = t.pup.pose.foot_dy[1] = -8;
    t.pup.pose.foot_dx[0] = -6;
    t.pup.pose.foot_dx[1] = 6;
    t.pup.eyes = Eyes::Closed;
    t.pup.mouth = Mouth::Round;
    return t;
}

void draw_tumble(cairo_t* cr, const Tumble& t)
{
    if (!t.turned) {
        draw_pup(cr, t.pup);
    } else {
        ground_shadow(cr, t.mx, kMatTop - 1, 44, 0.2);
        cairo_save(cr);
        cairo_translate(cr, t.mx, t.my);
        cairo_rotate(cr, t.turn);
        Pup p = t.pup;
        p.x = 0;
        p.ground = kMiddle * kScale;
        p.hop = 0;
        bafo(cr, body_of(p), p.pose, p.stretch, p.lean);
        cairo_restore(cr);
    }
    // The mat's soft front edge hides the tuft pressed into it.
    mat_front(cr);
    if (t.sparkle >= 0) {
        const double spots[][2] = {{-110, -150}, {105, -160}, {-80, -200}, {86, -196}, {-128, -90}, {130, -96}};
        const uint32_t colours[] = {pal::sun, pal::pink, pal::white, pal::sun, pal::pink, pal::glow};
        for (int i = 0; i < 6; ++i) {
            const double r = 11 * std::sin(kPi * std::fmod(t.sparkle + i * 0.29, 1.0));
            twinkle(cr, t.pup.x + spots[i][0], kMatTop + spots[i][1], r, colours[i]);
        }
    }
}

Clip make_handstand()
{
    Film<Tumble> film;
    const double x0 = 188, x1 = 214;
    Pup stand;
    stand.x = x0;
    stand.mouth = Mouth::Half;
    film.shoot(upright(stand), 450);
    Pup ready = stand;
    ready.pose = arms(2.7, 2.7);
    ready.pose.arm_len[0] = ready.pose.arm_len[1] = 58;
    ready.eyes = Eyes::Happy;
    ready.mouth = Mouth::Open;
    ready.stretch = 1.05;
    film.shoot(upright(ready), 260);
    Pup crouch = ready;
    crouch.stretch = 0.86;
    crouch.mouth = Mouth::Closed;
    crouch.pose = arms(2.9, 2.9);
    film.shoot(upright(crouch), 200);
    const double tip = film.now();
    // Over onto his head: his middle travels from above his feet to above the mat's centre.
    const double head_mx = kCrownX;
    for (int k = 1; k <= 4; ++k)
        film.shoot(rolling(kPi * k / 5, x0, head_mx, k / 5.0), 70);
    std::vector<double> wobbles;
    const int left = film.shoot(on_head(-0.12, 0, Mouth::Round), 100);
    const int mid_l = film.shoot(on_head(-0.04, 1, Mouth::Round), 90);
    const int mid_r = film.shoot(on_head(0.04, 0, Mouth::Round), 90);
    const int right = film.shoot(on_head(0.12, 1, Mouth::Round), 100);
    wobbles.push_back(tip + 0.28);
    for (int round = 0; round < 2; ++round) {
        film.again(mid_r, 90);
        film.again(mid_l, 90);
        wobbles.push_back(film.now());
        film.again(left, 100);
        film.again(mid_l, 90);
        film.again(mid_r, 90);
        wobbles.push_back(film.now());
        film.again(right, 100);
    }
    Tumble far = on_head(0.26, 0, Mouth::Open);
    far.pup.eyes = Eyes::Open;
    far.pup.pose = arms(2.2, 0.9);
    wobbles.push_back(film.now());
    film.shoot(far, 160);
    const double flip = film.now();
    for (int k = 1; k <= 4; ++k) {
        Tumble t = rolling(kPi + 0.26 + (kPi - 0.26) * k / 5, head_mx, x1, k / 5.0);
        t.mx = kCrownX + (x1 - kCrownX) * k / 5.0;
        film.shoot(t, 70);
    }
    const double landing = film.now();
    Pup land = stand;
    land.x = x1;
    land.stretch = 0.84;
    land.pose = arms(1.6, 1.6);
    land.eyes = Eyes::Happy;
    land.mouth = Mouth::Half;
    film.shoot(upright(land), 120);
    Pup cheer = ready;
    cheer.x = x1;
    cheer.stretch = 1.04;
    cheer.hop = 6;
    cheer.tail = 1;
    Tumble c1 = upright(cheer);
    c1.sparkle = 0.1;
    const int a = film.shoot(c1, 150);
    Pup cheer2 = cheer;
    cheer2.pose = arms(2.3, 2.3);
    cheer2.pose.wave_lines[0] = cheer2.pose.wave_lines[1] = true;
    cheer2.hop = 0;
    cheer2.tail = -1;
    Tumble c2 = upright(cheer2);
    c2.sparkle = 0.45;
    const int b = film.shoot(c2, 150);
    film.again(a, 150);
    film.again(b, 150);
    Pup calm = stand;
    calm.x = x1;
    calm.eyes = Eyes::Happy;
    calm.mouth = Mouth::Half;
    calm.pose = arms(0.55, 0.55);
    calm.tail = 0.5;
    film.shoot(upright(calm), 650);
    Clip c = make_film("STOJKA", film, paint_gym, draw_tumble);
    c.sound = [=](double s) { return sound_handstand(s, tip, wobbles, flip, landing); };
    return c;
}


// ---------------------------------------------------------------------------
// ZASUVKA: the top drawer of the chest opens by itself; a sock puppet pops out,
// throws a sock onto Bafo's head like a cap, and Bafo laughs.

constexpr double kChestX = 242, kChestW = 132, kChestTop = 122;
constexpr double kDrawerY = kChestTop + 12, kDrawerH = 40;  // the top drawer, closed

void drawer_front(cairo_t* cr, double x, double y, double w, double h)
{
    shape(cr, [=](cairo_t* k) { rounded_rect(k, x, y, w, h, 5); }, 0xD8945A, 2.5, false, 0.2);
    shape(cr, [=](cairo_t* k) { ellipse(k, x + w / 2, y + h / 2, 7, 7); }, pal::tag, 2, false, 0.4);
}

void paint_chest_room(Canvas& c)
{
    paint_room(c, 502);
    cairo_t* cr = c.cr();
    cloth_rolls(cr, 26, 250);
    ground_shadow(cr, kChestX + kChestW / 2, 264, 78, 0.25);
    for (double fx : {kChestX + 10, kChestX + kChestW - 22})
        shape(cr, [=](cairo_t* k) { rounded_rect(k, fx, 250, 12, 14, 3); }, 0x8A5530, 2, false);
    shape(cr, [](cairo_t* k) { rounded_rect(k, kChestX, kChestTop, kChestW, 132, 6); }, 0xB8733D, 2.5, true, 0.15);
    shape(cr, [](cairo_t* k) { rounded_rect(k, kChestX - 6, kChestTop - 8, kChestW + 12, 12, 4); }, 0xA0602F, 2.5, false);
    drawer_front(cr, kChestX + 10, kDrawerY + 46, kChestW - 20, 40);
    drawer_front(cr, kChestX + 10, kDrawerY + 92, kChestW - 20, 24);
    // On top: a pin cushion and a spool of thread.
    shape(cr, [](cairo_t* k) { ellipse(k, kChestX + 36, kChestTop - 18, 18, 12); }, pal::red, 2.2, false, 0.3);
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i < 3; ++i) {
        const double px = kChestX + 26 + i * 10, py = kChestTop - 24 - (i == 1 ? 6 : 0);
        cairo_move_to(cr, px, py + 6);
        cairo_line_to(cr, px + 2, py - 6);
        cairo_stroke(cr);
        set_rgb(cr, i == 1 ? pal::sun : pal::white);
        cairo_arc(cr, px + 2, py - 7, 3, 0, 2 * kPi);
        cairo_fill(cr);
        set_rgb(cr, pal::outline);
    }
    cairo_restore(cr);
    shape(cr, [](cairo_t* k) { rounded_rect(k, kChestX + 84, kChestTop - 36, 26, 30, 4); }, pal::violet, 2.2, false, 0.3);
    for (double y : {kChestTop - 40, kChestTop - 10})
        shape(cr, [=](cairo_t* k) { rounded_rect(k, kChestX + 80, y, 34, 6, 2); }, 0xE0B07A, 2, false);
}

// A striped sock; as a puppet it stands up with a face on its toe.
// (x, y) is the middle of its cuff end; `turn` tilts it.
void sock(cairo_t* cr, double x, double y, double turn, uint32_t colour, bool puppet, bool mouth_open = false,
          double look = 0)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    auto path = [](cairo_t* k) {
        cairo_move_to(k, -14, 0);
        cairo_line_to(k, -14, -46);
        cairo_curve_to(k, -14, -70, 12, -76, 28, -62);
        cairo_curve_to(k, 38, -53, 30, -40, 16, -42);
        cairo_line_to(k, 14, 0);
        cairo_close_path(k);
    };
    shape(cr, path, colour, 2.4, true, 0.1);
    cairo_save(cr);
    path(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::white, 0.9);
    for (double y0 = -8; y0 > -40; y0 -= 14) {
        cairo_rectangle(cr, -20, y0 - 6, 40, 6);
        cairo_fill(cr);
    }
    set_rgb(cr, lighten(colour, 0.35));
    ellipse(cr, 22, -56, 14, 12);
    cairo_fill(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* k) { rounded_rect(k, -16, -6, 32, 8, 3); }, pal::white, 2, false);
    if (puppet) {
        for (double ex : {-2.0, 13.0}) {
            paint_shape(cr, [=](cairo_t* k) { ellipse(k, ex, -60, 6, 6.5); }, Style{pal::white, 0.1, pal::outline, 1.8, false});
            set_rgb(cr, pal::nose);
            ellipse(cr, ex + 2 * look, -59, 2.8, 3.2);
            cairo_fill(cr);
        }
        cairo_save(cr);
        if (mouth_open) {
            set_rgb(cr, pal::mouth_in);
            ellipse(cr, 20, -44, 8, 5);
            cairo_fill_preserve(cr);
            set_rgb(cr, pal::outline);
            cairo_set_line_width(cr, 1.8);
            cairo_stroke(cr);
        } else {
            set_rgb(cr, pal::outline);
            cairo_set_line_width(cr, 2);
            cairo_move_to(cr, 10, -46);
            cairo_curve_to(cr, 16, -41, 24, -41, 28, -46);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

struct DrawerShot {
    Pup pup;
    double jiggle = 0;  // the closed drawer shaking, px
    double open = 0;    // 0 shut .. 1 pulled out
    double puppet = -1; // how far the puppet stands out of the drawer, px; < 0 hidden
    double puppet_lean = 0;
    bool puppet_mouth = false;
    double puppet_look = -1;
    double flying = -1;  // 0..1 along the throw; 1 lands on his head
    bool capped = false;
    double laugh = -1;
};

void draw_drawer_shot(cairo_t* cr, const DrawerShot& s)
{
    const double x = kChestX + 10, w = kChestW - 20;
    // The hole the drawer slides out of.
    set_rgb(cr, 0x4A2A18);
    rounded_rect(cr, x, kDrawerY, w, kDrawerH, 4);
    cairo_fill(cr);
    const double grow = 10 * s.open, drop = 10 * s.open;
    const double fx = x + s.jiggle - grow / 2, fy = kDrawerY + drop, fw = w + grow;
    if (s.open > 0) {
        // Its sides and the socks inside, seen from above.
        shape(cr, [=](cairo_t* k) {
            cairo_move_to(k, x + 2, kDrawerY + 4);
            cairo_line_to(k, x + w - 2, kDrawerY + 4);
            cairo_line_to(k, fx + fw, fy + 2);
            cairo_line_to(k, fx, fy + 2);
            cairo_close_path(k);
        }, 0xE8B27A, 2, false, 0.1);
        for (int i = 0; i < 3; ++i)
            shape(cr, [=](cairo_t* k) { ellipse(k, x + 24 + i * 34, fy - 1 + (i % 2) * 2, 14, 6 * s.open + 1); },
                  i == 1 ? pal::teal : i == 2 ? pal::pink : pal::lime, 1.8, false, 0.2);
    }
    if (s.puppet >= 0)
        sock(cr, fx + fw / 2 - 6, fy + 16 - s.puppet, s.puppet_lean, pal::red, true, s.puppet_mouth, s.puppet_look);
    drawer_front(cr, fx, fy, fw, kDrawerH + grow * 0.4);

    Pup p = s.pup;
    draw_pup(cr, p);
    double cx, cy;
    crown_of(p, cx, cy);
    if (s.flying >= 0 && s.flying < 1) {
        // Thrown in an arc from the drawer, turning over.
        const double u = s.flying;
        const double sx = fx + fw / 2, sy = fy - 40;
        const double px = sx + (cx - sx) * u, py = sy + (cy - sy) * u - 90 * std::sin(kPi * u);
        sock(cr, px, py, -kPi * 1.6 * u, pal::blue, false);
    }
    if (s.capped)
        // Lying over his crown like a floppy cap, toe hanging over one ear.
        sock(cr, cx + 4, cy + 2, -kPi / 2 + 0.35 + p.lean, pal::blue, false);
    if (s.laugh >= 0)
        giggle_lines(cr, p.x, p.ground - p.hop - 150 * kScale, s.laugh);
}

Clip make_drawer()
{
    Film<DrawerShot> film;
    DrawerShot s;
    s.pup.x = 112;
    s.pup.look = 1;
    s.pup.pose = arms(0.4, 0.4);
    film.shoot(s, 450);
    std::vector<double> rattles;
    DrawerShot j = s;
    j.pup.mouth = Mouth::Round;
    j.pup.pose.head_tilt = 0.08;
    j.jiggle = -3;
    DrawerShot k = j;
    k.jiggle = 3;
    const int j1 = film.shoot(j, 80);
    rattles.push_back(film.now() - 0.08);
    const int j2 = film.shoot(k, 80);
    for (int i = 0; i < 2; ++i) {
        rattles.push_back(film.now());
        film.again(j1, 80);
        film.again(j2, 80);
    }
    const double opening = film.now();
    DrawerShot o = j;
    o.jiggle = 0;
    for (double u : {0.35, 0.7, 1.0}) {
        o.open = u;
        film.shoot(o, 80);
    }
    const double pop = film.now();
    o.pup.eyes = Eyes::Open;
    o.pup.mouth = Mouth::Open;
    o.pup.pose = arms(1.3, 1.3);
    o.pup.hop = 4;
    for (double h : {30.0, 78.0, 60.0, 70.0}) {
        o.puppet = h;
        film.shoot(o, 70);
    }
    o.pup.hop = 0;
    o.pup.mouth = Mouth::Half;
    o.pup.pose = arms(0.6, 0.6);
    DrawerShot w1 = o, w2 = o;
    w1.puppet_lean = -0.22;
    w2.puppet_lean = 0.18;
    w2.puppet_look = -0.5;
    const int a = film.shoot(w1, 110);
    const int b = film.shoot(w2, 110);
    film.again(a, 110);
    film.again(b, 110);
    const double throw_at = film.now();
    DrawerShot t = o;
    t.puppet_lean = -0.3;
    t.puppet_mouth = true;
    t.pup.look = 0.6;
    t.pup.mouth = Mouth::Round;
    for (double u : {0.0, 0.22, 0.44, 0.64, 0.84}) {
        t.flying = u;
        film.shoot(t, 70);
    }
    const double landing = film.now();
    DrawerShot hit = t;
    hit.flying = -1;
    hit.capped = true;
    hit.puppet_mouth = false;
    hit.puppet_lean = 0;
    hit.pup.stretch = 0.93;
    hit.pup.eyes = Eyes::Closed;
    hit.pup.look = 0;
    film.shoot(hit, 160);
    const double laugh = film.now();
    DrawerShot l1 = hit, l2 = hit;
    for (DrawerShot* l : {&l1, &l2}) {
        l->pup.stretch = 1;
        l->pup.eyes = Eyes::Happy;
        l->pup.mouth = Mouth::Open;
        l->pup.pose = arms(-0.55, -0.55);
        l->pup.pose.arm_len[0] = l->pup.pose.arm_len[1] = 42;
        l->puppet_mouth = true;
    }
    l1.laugh = 0;
    l1.pup.lean = -0.05;
    l1.pup.tail = 1;
    l1.puppet_lean = -0.15;
    l2.laugh = 1;
    l2.pup.hop = 4;
    l2.pup.lean = 0.05;
    l2.pup.tail = -1;
    l2.puppet_lean = 0.15;
    const int la = film.shoot(l1, 110);
    const int lb = film.shoot(l2, 110);
    for (int i = 0; i < 3; ++i) {
        film.again(la, 110);
        film.again(lb, 110);
    }
    DrawerShot end = hit;
    end.pup.stretch = 1;
    end.pup.eyes = Eyes::Happy;
    end.pup.mouth = Mouth::Half;
    end.pup.pose = arms(0.5, 0.5);
    end.pup.tail = 0.5;
    end.puppet_look = -1;
    film.shoot(end, 650);
    Clip c = make_film("ZASUVKA", film, paint_chest_room, draw_drawer_shot);
    c.sound = [=](double sec) { return sound_drawer(sec, rattles, opening, pop, throw_at, landing, laugh); };
    return c;
}


// ---------------------------------------------------------------------------
// PTAK: a canary flies in at the window, sings to Bafo, sits on his head and
// sings there, then flies off while he waves.

constexpr double kWinX = 44, kWinY = 40, kWinW = 92, kWinH = 96;

void paint_window_room(Canvas& c)
{
    paint_room(c, 503);
    cairo_t* cr = c.cr();
    pics::window_view(cr, kWinX, kWinY, kWinW, kWinH, pal::sky_top, 0xD4F1FC, 0xFFF4E0);
    // Curtains tied back at both sides.
    for (int side : {-1, 1}) {
        const double x = side < 0 ? kWinX - 18 : kWinX + kWinW + 18;
        shape(cr, [=](cairo_t* k) {
            cairo_move_to(k, x, kWinY - 18);
            cairo_line_to(k, x - side * 26, kWinY - 18);
            cairo_curve_to(k, x - side * 14, kWinY + 40, x - side * 6, kWinY + 70, x - side * 16, kWinY + kWinH + 26);
            cairo_line_to(k, x, kWinY + kWinH + 26);
            cairo_close_path(k);
        }, pal::pink, 2.2, true, 0.2);
    }
    shape(cr, [](cairo_t* k) { rounded_rect(k, kWinX - 32, kWinY - 24, kWinW + 64, 8, 4); }, 0xA0602F, 2, false);
    // A pot of flowers on the sill.
    shape(cr, [](cairo_t* k) { rounded_rect(k, kWinX - 16, kWinY + kWinH + 8, kWinW + 32, 8, 3); }, pal::cream, 2, false);
    flower(cr, kWinX + 64, kWinY + kWinH - 14, 9, pal::red);
    shape(cr, [](cairo_t* k) {
        cairo_move_to(k, kWinX + 52, kWinY + kWinH - 4);
        cairo_line_to(k, kWinX + 76, kWinY + kWinH - 4);
        cairo_line_to(k, kWinX + 72, kWinY + kWinH + 8);
        cairo_line_to(k, kWinX + 56, kWinY + kWinH + 8);
        cairo_close_path(k);
    }, 0xD86A3A, 2, false);
    cloth_rolls(cr, 338, 250);
}

enum class Wing { Up, Down, Folded };

// A round canary, its body about 2r across, facing right (or left).
void canary(cairo_t* cr, double x, double y, double r, bool left, Wing wing, bool singing)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, (left ? -r : r) / 10, r / 10);
    const double lw = 2.0 * 10 / r;
    auto st = [&](uint32_t fill) { return Style{fill, 0.25, pal::outline, lw, false}; };
    paint_shape(cr, [](cairo_t* k) {
        cairo_move_to(k, -8, -1);
        cairo_line_to(k, -18, -7);
        cairo_line_to(k, -17, 4);
        cairo_close_path(k);
    }, st(0xF2B705));
    if (wing == Wing::Folded) {
        cairo_save(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, lw);
        for (double dx : {-2.0, 3.0}) {
            cairo_move_to(cr, dx, 8);
            cairo_line_to(cr, dx, 13);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    paint_shape(cr, [](cairo_t* k) { ellipse(k, 0, 0, 11, 10); }, st(pal::sun));
    cairo_save(cr);
    set_rgb(cr, lighten(pal::sun, 0.55));
    ellipse(cr, 3, 4, 6, 4);
    cairo_fill(cr);
    cairo_restore(cr);
    paint_shape(cr, [wing](cairo_t* k) {
        switch (wing) {
        case Wing::Up:
            cairo_move_to(k, -4, -2);
            cairo_curve_to(k, -10, -12, -6, -20, 0, -22);
            cairo_curve_to(k, 2, -14, 2, -6, 3, -2);
            break;
        case Wing::Down:
            cairo_move_to(k, -5, 0);
            cairo_curve_to(k, -10, 8, -6, 16, 0, 17);
            cairo_curve_to(k, 2, 10, 3, 4, 3, 0);
            break;
        case Wing::Folded:
            cairo_move_to(k, -7, 0);
            cairo_curve_to(k, -5, 7, 2, 7, 4, 2);
            cairo_curve_to(k, 0, -2, -4, -2, -7, 0);
            break;
        }
        cairo_close_path(k);
    }, st(0xF2B705));
    cairo_save(cr);
    set_rgb(cr, pal::nose);
    ellipse(cr, 4, -3, 1.9, 2.2);
    cairo_fill(cr);
    set_rgb(cr, pal::white);
    ellipse(cr, 4.6, -3.8, 0.7, 0.7);
    cairo_fill(cr);
    set_rgb(cr, pal::cheek, 0.7);
    ellipse(cr, 6, 1, 2, 1.4);
    cairo_fill(cr);
    cairo_restore(cr);
    paint_shape(cr, [singing](cairo_t* k) {
        if (singing) {
            cairo_move_to(k, 9, -4);
            cairo_line_to(k, 16, -5);
            cairo_line_to(k, 10, -1);
            cairo_line_to(k, 15, 3);
            cairo_line_to(k, 9, 1);
        } else {
            cairo_move_to(k, 9, -3);
            cairo_line_to(k, 16, -0.5);
            cairo_line_to(k, 9, 2);
        }
        cairo_close_path(k);
    }, st(pal::orange));
    cairo_restore(cr);
}

struct BirdShot {
    Pup pup;
    double bx = -100, by = 0;  // off the picture when bx < 0
    bool left = false;
    Wing wing = Wing::Up;
    bool singing = false;
    bool on_head = false;
    double notes = -1;  // 0..1: notes rising from the beak
};

void draw_bird_shot(cairo_t* cr, const BirdShot& s)
{
    draw_pup(cr, s.pup);
    double x = s.bx, y = s.by;
    if (s.on_head) {
        crown_of(s.pup, x, y);
        x -= 14;
        y -= 12;
    }
    if (x > -50)
        canary(cr, x, y, 15, s.left, s.wing, s.singing);
    if (s.notes >= 0) {
        const uint32_t colours[] = {pal::violet, pal::red, pal::blue};
        for (int i = 0; i < 3; ++i) {
            const double q = std::fmod(s.notes + i / 3.0, 1.0);
            const double side = s.left ? -1 : 1;
            music_note(cr, x + side * (18 + 20 * q) + 6 * std::sin(q * 7), y - 12 - 46 * q, 8, colours[i]);
        }
    }
}

Clip make_bird()
{
    Film<BirdShot> film;
    BirdShot s;
    s.pup.x = 236;
    s.pup.look = -1;
    s.pup.pose.head_tilt = -0.06;
    film.shoot(s, 420);
    std::vector<double> flaps, songs;
    // In at the window, along a lazy curve to just in front of his face.
    const double x0 = kWinX + kWinW / 2, y0 = kWinY + kWinH / 2, x1 = 330, y1 = 104;
    for (int k = 0; k < 8; ++k) {
        const double u = (k + 1) / 8.0;
        BirdShot f = s;
        f.bx = x0 + (x1 - x0) * u;
        f.by = y0 + (y1 - y0) * u - 40 * std::sin(kPi * u);
        f.wing = k % 2 ? Wing::Down : Wing::Up;
        f.pup.look = std::clamp(-1 + 2.2 * u, -1.0, 1.0);
        f.pup.pose.head_tilt = 0.12 * f.pup.look;
        f.pup.mouth = u > 0.5 ? Mouth::Round : Mouth::Closed;
        if (k % 2 == 0)
            flaps.push_back(film.now());
        film.shoot(f, 80);
    }
    // Hovering and singing to him.
    BirdShot h = s;
    h.bx = x1;
    h.by = y1;
    h.left = true;
    h.singing = true;
    h.pup.look = 1;
    h.pup.pose.head_tilt = 0.1;
    h.pup.mouth = Mouth::Half;
    h.pup.eyes = Eyes::Open;
    BirdShot h2 = h;
    h.wing = Wing::Up;
    h.notes = 0;
    h2.wing = Wing::Down;
    h2.notes = 0.5;
    h2.singing = false;
    h2.by = y1 + 4;
    songs.push_back(film.now());
    const int ha = film.shoot(h, 100);
    const int hb = film.shoot(h2, 100);
    for (int i = 0; i < 2; ++i) {
        film.again(ha, 100);
        film.again(hb, 100);
    }
    // Onto his head.
    double cx, cy;
    crown_of(s.pup, cx, cy);
    for (int k = 1; k <= 3; ++k) {
        const double u = k / 4.0;
        BirdShot f = h;
        f.notes = -1;
        f.singing = false;
        f.bx = x1 + (cx - 14 - x1) * u;
        f.by = y1 + (cy - 12 - y1) * u - 30 * std::sin(kPi * u);
        f.wing = k % 2 ? Wing::Up : Wing::Down;
        f.pup.look = 1 - 0.5 * k;
        f.pup.pose.head_tilt = 0.1 - 0.05 * k;
        f.pup.mouth = Mouth::Round;
        film.shoot(f, 80);
    }
    const double landing = film.now();
    BirdShot sit = s;
    sit.on_head = true;
    sit.wing = Wing::Folded;
    sit.pup.look = 0;
    sit.pup.pose.head_tilt = 0;
    sit.pup.stretch = 0.96;
    sit.pup.eyes = Eyes::Open;
    sit.pup.mouth = Mouth::Round;
    film.shoot(sit, 200);
    BirdShot sing = sit;
    sing.pup.stretch = 1;
    sing.pup.eyes = Eyes::Happy;
    sing.pup.mouth = Mouth::Open;
    sing.pup.tail = 1;
    sing.singing = true;
    sing.notes = 0.2;
    BirdShot sing2 = sing;
    sing2.singing = false;
    sing2.notes = 0.7;
    sing2.pup.tail = -1;
    sing2.pup.mouth = Mouth::Half;
    songs.push_back(film.now());
    const int sa = film.shoot(sing, 120);
    const int sb = film.shoot(sing2, 120);
    for (int i = 0; i < 2; ++i) {
        film.again(sa, 120);
        film.again(sb, 120);
    }
    // Off again, out of the window; he waves after it.
    double hx, hy;
    crown_of(sit.pup, hx, hy);
    hx -= 14;
    hy -= 12;
    for (int k = 1; k <= 5; ++k) {
        const double u = k / 5.0;
        BirdShot f = s;
        f.left = true;
        f.bx = hx + (x0 - hx) * u;
        f.by = hy + (y0 - 10 - hy) * u - 36 * std::sin(kPi * u);
        f.wing = k % 2 ? Wing::Down : Wing::Up;
        f.pup.look = -u;
        f.pup.eyes = Eyes::Open;
        f.pup.mouth = Mouth::Half;
        f.pup.pose = arms(0.4, 2.3 + 0.35 * (k % 2));
        f.pup.pose.wave_lines[1] = true;
        if (k % 2)
            flaps.push_back(film.now());
        film.shoot(f, 80);
    }
    BirdShot bye = s;
    bye.pup.look = -1;
    bye.pup.mouth = Mouth::Open;
    bye.pup.pose = arms(0.4, 2.65);
    bye.pup.pose.wave_lines[1] = true;
    BirdShot bye2 = bye;
    bye2.pup.pose = arms(0.4, 2.25);
    const int ba = film.shoot(bye, 140);
    const int bb = film.shoot(bye2, 140);
    film.again(ba, 140);
    film.again(bb, 140);
    BirdShot end = s;
    end.pup.look = -0.4;
    end.pup.eyes = Eyes::Happy;
    end.pup.mouth = Mouth::Half;
    end.pup.tail = 0.5;
    film.shoot(end, 650);
    Clip c = make_film("PTAK", film, paint_window_room, draw_bird_shot);
    c.sound = [=](double sec) { return sound_bird(sec, flaps, songs, landing); };
    return c;
}


// ---------------------------------------------------------------------------
// MYSI: three mice scamper along the shelf over Bafo's head; his eyes follow
// them, the smallest stops, waves to him, and runs after the others.

constexpr double kShelfY = 70;  // the top of the shelf board, where the mice run
constexpr uint32_t kMouse = 0xB4ACC2;

void paint_shelf_room(Canvas& c)
{
    paint_room(c, 504);
    cairo_t* cr = c.cr();
    for (double bx : {60.0, 340.0})
        shape(cr, [=](cairo_t* k) {
            cairo_move_to(k, bx - 5, kShelfY + 10);
            cairo_line_to(k, bx + 5, kShelfY + 10);
            cairo_line_to(k, bx + 5, kShelfY + 30);
            cairo_close_path(k);
        }, 0x8A5530, 2, false);
    // Things at the back of the shelf: spools, a jar of buttons, folded cloth.
    const uint32_t threads[] = {pal::red, pal::blue, pal::lime, pal::violet};
    for (int i = 0; i < 4; ++i) {
        const double x = 44 + i * 24;
        shape(cr, [=](cairo_t* k) { rounded_rect(k, x - 8, kShelfY - 26, 16, 26, 3); }, threads[i], 2, false, 0.35);
        for (double y : {kShelfY - 30, kShelfY - 3})
            shape(cr, [=](cairo_t* k) { rounded_rect(k, x - 11, y, 22, 5, 2); }, 0xE0B07A, 1.8, false);
    }
    shape(cr, [](cairo_t* k) { rounded_rect(k, 196, kShelfY - 40, 40, 40, 8); }, 0xDDF1F8, 2.2, false, 0.1);
    const uint32_t buttons[] = {pal::red, pal::sun, pal::teal, pal::pink, pal::orange, pal::violet};
    for (int i = 0; i < 6; ++i)
        shape(cr, [=](cairo_t* k) { ellipse(k, 204 + (i % 3) * 12, kShelfY - 8 - (i / 3) * 11, 5, 5); }, buttons[i], 1.4,
              false, 0.3);
    shape(cr, [](cairo_t* k) { rounded_rect(k, 192, kShelfY - 46, 48, 8, 3); }, 0xA0602F, 2, false);
    const uint32_t cloth[] = {0x6FB3E0, pal::pink, pal::lime};
    for (int i = 0; i < 3; ++i)
        shape(cr, [=](cairo_t* k) { rounded_rect(k, 290 - i * 2, kShelfY - 12 - i * 12, 66 + i * 4, 12, 5); }, cloth[i], 2,
              false, 0.25);
    shape(cr, [](cairo_t* k) { rounded_rect(k, 14, kShelfY, 372, 11, 3); }, 0xB8733D, 2.5, true, 0.2);
    dress_form(cr, 50, 262);
    cloth_rolls(cr, 336, 250);
}

// A mouse running to the right along y (its feet), legs in one of two steps.
void running_mouse(cairo_t* cr, double x, double y, double s, int step)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    const double lw = 2.0 / s;
    cairo_save(cr);
    cairo_move_to(cr, -14, -6);
    cairo_curve_to(cr, -26, -2, -30, -16, -42, -12 + 4 * step);
    cairo_set_line_width(cr, 3 + 2 * lw);
    set_rgb(cr, pal::outline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    set_rgb(cr, pal::cheek);
    cairo_stroke(cr);
    cairo_restore(cr);
    const Style legs{darken(kMouse, 0.15), 0.1, pal::outline, lw, false};
    for (double fx : {step ? -10.0 : -4.0, step ? 10.0 : 4.0})
        paint_shape(cr, [=](cairo_t* k) { ellipse(k, fx, -1, 4, 2.5); }, legs);
    paint_shape(cr, [](cairo_t* k) {
        cairo_move_to(k, -15, -5);
        cairo_curve_to(k, -15, -18, 2, -21, 10, -14);
        cairo_curve_to(k, 15, -10, 18, -7, 21, -5);
        cairo_curve_to(k, 16, -1, 6, -1, 0, -1);
        cairo_line_to(k, -10, -1);
        cairo_curve_to(k, -14, -1, -15, -3, -15, -5);
        cairo_close_path(k);
    }, Style{kMouse, 0.25, pal::outline, lw, false});
    paint_shape(cr, [](cairo_t* k) { ellipse(k, 4, -19, 6, 6); }, Style{kMouse, 0.2, pal::outline, lw, false});
    cairo_save(cr);
    set_rgb(cr, pal::cheek);
    ellipse(cr, 4, -19, 3.4, 3.4);
    cairo_fill(cr);
    set_rgb(cr, pal::nose);
    ellipse(cr, 12, -12, 1.7, 1.9);
    cairo_fill(cr);
    set_rgb(cr, pal::cheek);
    ellipse(cr, 21, -5, 2, 2);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_restore(cr);
}

// The smallest mouse sitting up, facing the child, one paw waving.
void waving_mouse(cairo_t* cr, double x, double y, double s, double wave)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    const double lw = 2.0 / s;
    const Style fur{kMouse, 0.25, pal::outline, lw, false};
    cairo_save(cr);
    cairo_move_to(cr, 6, -3);
    cairo_curve_to(cr, 20, 0, 24, -12, 30, -20);
    cairo_set_line_width(cr, 3 + 2 * lw);
    set_rgb(cr, pal::outline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    set_rgb(cr, pal::cheek);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* k) { ellipse(k, 0, -11, 9, 11); }, fur);
    cairo_save(cr);
    set_rgb(cr, lighten(kMouse, 0.5));
    ellipse(cr, 0, -9, 5, 7);
    cairo_fill(cr);
    cairo_restore(cr);
    const double px = 14 + 2 * wave, py = -34 + 2 * std::fabs(wave);
    cairo_save(cr);
    cairo_move_to(cr, 5, -16);
    cairo_line_to(cr, px, py);
    cairo_set_line_width(cr, 3 + 2 * lw);
    set_rgb(cr, pal::outline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    set_rgb(cr, kMouse);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* k) { ellipse(k, px, py, 3, 3); }, Style{pal::cheek, 0.1, pal::outline, lw, false});
    for (double ex : {-8.0, 8.0}) {
        paint_shape(cr, [=](cairo_t* k) { ellipse(k, ex, -32, 6, 6); }, fur);
        cairo_save(cr);
        set_rgb(cr, pal::cheek);
        ellipse(cr, ex, -32, 3.4, 3.4);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    paint_shape(cr, [](cairo_t* k) { ellipse(k, 0, -25, 9, 8); }, fur);
    cairo_save(cr);
    set_rgb(cr, pal::nose);
    for (double ex : {-3.5, 3.5}) {
        ellipse(cr, ex, -27, 1.6, 1.9);
        cairo_fill(cr);
    }
    set_rgb(cr, pal::cheek);
    ellipse(cr, 0, -23, 1.8, 1.5);
    cairo_fill(cr);
    cairo_restore(cr);
    pics::smile(cr, 0, -21, 5, 1.2 / s * 1.4);
    cairo_restore(cr);
}

struct MiceShot {
    Pup pup;
    double m[3] = {-100, -100, -100};  // where each mouse's middle is; < -50 off the picture
    int step = 0;
    double wave = -2;  // the smallest one waving (-1..1); < -1 running
};

void draw_mice_shot(cairo_t* cr, const MiceShot& s)
{
    draw_pup(cr, s.pup);
    for (int i = 0; i < 3; ++i) {
        if (s.m[i] < -50 || s.m[i] > kW + 60)
            continue;
        if (i == 2 && s.wave >= -1)
            waving_mouse(cr, s.m[i], kShelfY, 1.5, s.wave);
        else
            running_mouse(cr, s.m[i], kShelfY, i == 2 ? 1.15 : 1.4, (s.step + i) % 2);
    }
}

Clip make_mice()
{
    Film<MiceShot> film;
    MiceShot s;
    s.pup.x = 200;
    film.shoot(s, 400);
    // The smallest one stops in the gap between the spools and the jar.
    const double v = 32, stop = 164;
    const double start[3] = {-20, -100, -180};
    const double run_from = film.now();
    std::vector<double> squeaks;
    // They scamper in; he follows the middle one with his eyes.
    int k = 1;
    for (;; ++k) {
        MiceShot f = s;
        for (int i = 0; i < 3; ++i)
            f.m[i] = start[i] + v * k;
        f.m[2] = std::min(f.m[2], stop);
        f.step = k % 2;
        f.pup.look = std::clamp((f.m[1] - 200) / 110, -1.0, 1.0);
        f.pup.pose.head_tilt = 0.1 * f.pup.look;
        f.pup.mouth = k < 5 ? Mouth::Round : Mouth::Half;
        if (k == 3 || k == 7)
            squeaks.push_back(film.now());
        film.shoot(f, 80);
        if (f.m[2] >= stop)
            break;
    }
    // The smallest one sits up and waves while the others run off.
    const double hello = film.now();
    MiceShot w = s;
    w.m[2] = stop;
    w.pup.look = -0.4;
    w.pup.pose.head_tilt = -0.05;
    w.pup.mouth = Mouth::Open;
    w.pup.eyes = Eyes::Open;
    for (int j = 1; j <= 4; ++j) {
        MiceShot f = w;
        f.m[0] = start[0] + v * (k + j);
        f.m[1] = start[1] + v * (k + j);
        f.step = j % 2;
        f.wave = j % 2 ? -1 : 1;
        film.shoot(f, 100);
    }
    MiceShot wa = w, wb = w;
    wa.wave = -1;
    wb.wave = 1;
    wa.pup.eyes = wb.pup.eyes = Eyes::Happy;
    wa.pup.pose = arms(2.4, 0.4);
    wb.pup.pose = arms(2.8, 0.4);
    wa.pup.pose.wave_lines[0] = wb.pup.pose.wave_lines[0] = true;
    wa.pup.tail = 1;
    wb.pup.tail = -1;
    const int a = film.shoot(wa, 130);
    const int b = film.shoot(wb, 130);
    squeaks.push_back(film.now());
    for (int j = 0; j < 2; ++j) {
        film.again(a, 130);
        film.again(b, 130);
    }
    // And off after the others.
    // Until even its tail has left the picture.
    int j = 0;
    for (double x = stop + v; x - 50 < kW - kBand; x += v) {
        MiceShot f = s;
        f.m[2] = x;
        f.step = ++j % 2;
        f.pup.look = std::clamp((x - 200) / 110, -1.0, 1.0);
        f.pup.pose.head_tilt = 0.1 * f.pup.look;
        f.pup.mouth = Mouth::Half;
        film.shoot(f, 70);
    }
    const double run_to = film.now();
    MiceShot end = s;
    end.pup.look = 0.6;
    end.pup.eyes = Eyes::Happy;
    end.pup.mouth = Mouth::Half;
    end.pup.tail = 0.5;
    film.shoot(end, 650);
    Clip c = make_film("MYSI", film, paint_shelf_room, draw_mice_shot);
    c.sound = [=](double sec) { return sound_mice(sec, run_from, run_to, squeaks, hello); };
    return c;
}


// ---------------------------------------------------------------------------
// KRYSA: a friendly rat in a little top hat peeks over the wardrobe; Bafo
// jumps in surprise, the rat climbs up, tips its hat and juggles a thimble,
// and Bafo giggles.

constexpr double kWardX = 250, kWardW = 126, kWardTop = 116;
constexpr double kRatScale = 0.95;
constexpr uint32_t kRat = 0xA3958C;

void paint_wardrobe_room(Canvas& c)
{
    paint_room(c, 505);
    cairo_t* cr = c.cr();
    dress_form(cr, 50, 262);
    ground_shadow(cr, kWardX + kWardW / 2, 265, 74, 0.25);
    shape(cr, [](cairo_t* k) { rounded_rect(k, kWardX, kWardTop, kWardW, kGround - kWardTop, 5); }, 0xA8683A, 2.5, true, 0.12);
    for (int i = 0; i < 2; ++i) {
        const double dx = kWardX + 8 + i * (kWardW / 2 - 4);
        shape(cr, [=](cairo_t* k) { rounded_rect(k, dx, kWardTop + 12, kWardW / 2 - 12, kGround - kWardTop - 24, 5); }, 0xC07F4A, 2.2, false, 0.15);
        shape(cr, [=](cairo_t* k) { rounded_rect(k, dx + 10, kWardTop + 24, kWardW / 2 - 32, 38, 4); }, 0xCF9360, 1.8, false, 0.1);
        shape(cr, [=](cairo_t* k) { rounded_rect(k, dx + 10, kWardTop + 76, kWardW / 2 - 32, 46, 4); }, 0xCF9360, 1.8, false, 0.1);
        shape(cr, [=](cairo_t* k) { ellipse(k, kWardX + kWardW / 2 + (i ? 8 : -8), kWardTop + 69, 4.5, 4.5); }, pal::tag, 1.8, false);
    }
    shape(cr, [](cairo_t* k) { rounded_rect(k, kWardX - 8, kWardTop - 10, kWardW + 16, 14, 4); }, 0x8E5530, 2.5, false, 0.2);
}

// The rat in its hat, seated at (x, y); `hat` lifts the hat off (0..1),
// paws: 0 down, 1 holding the edge in front, 2 both up juggling.
void rat(cairo_t* cr, double x, double y, double look, double hat, int paws, bool mouth_open, double lean = 0)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, lean);
    cairo_scale(cr, kRatScale, kRatScale);
    const double lw = 2.2;
    const Style fur{kRat, 0.25, pal::outline, lw, false};
    cairo_save(cr);
    cairo_move_to(cr, 12, -4);
    cairo_curve_to(cr, 34, 0, 40, -20, 50, -28);
    cairo_set_line_width(cr, 4 + 2 * lw);
    set_rgb(cr, pal::outline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4);
    set_rgb(cr, pal::cheek);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* k) { ellipse(k, 0, -18, 16, 19); }, fur);
    cairo_save(cr);
    set_rgb(cr, lighten(kRat, 0.45));
    ellipse(cr, 0, -15, 9, 12);
    cairo_fill(cr);
    cairo_restore(cr);
    for (double ex : {-15.0, 15.0}) {
        paint_shape(cr, [=](cairo_t* k) { ellipse(k, ex, -58, 9, 9); }, fur);
        cairo_save(cr);
        set_rgb(cr, pal::cheek);
        ellipse(cr, ex, -58, 5, 5);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    paint_shape(cr, [](cairo_t* k) { ellipse(k, 0, -46, 17, 15); }, fur);
    paint_shape(cr, [](cairo_t* k) { ellipse(k, 0, -38, 9, 6.5); }, Style{lighten(kRat, 0.35), 0.1, pal::outline, 1.6, false});
    eye(cr, -6.5, -49, 4, look, 0);
    eye(cr, 6.5, -49, 4, look, 0);
    pics::blush(cr, -11, -40, 3.5);
    pics::blush(cr, 11, -40, 3.5);
    cairo_save(cr);
    set_rgb(cr, pal::cheek);
    ellipse(cr, 0, -41.5, 3, 2.4);
    cairo_fill(cr);
    set_rgb(cr, pal::outline, 0.7);
    cairo_set_line_width(cr, 1.1);
    for (int side : {-1, 1})
        for (int k = -1; k <= 1; ++k) {
            cairo_move_to(cr, side * 7, -39);
            cairo_line_to(cr, side * 22, -41 + k * 4);
        }
    cairo_stroke(cr);
    cairo_restore(cr);
    if (mouth_open) {
        pics::smile(cr, 0, -35, 8, 1.6, true);
    } else {
        pics::smile(cr, 0, -35.5, 7, 1.6);
        // Two little front teeth.
        paint_shape(cr, [](cairo_t* k) { cairo_rectangle(k, -2.5, -34, 5, 4); }, Style{pal::white, 0, pal::outline, 1.2, false});
    }
    // The hat, tipped up and over when greeting.
    cairo_save(cr);
    cairo_translate(cr, 10 * hat, -60 - 14 * hat);
    cairo_rotate(cr, 0.2 - 0.5 * hat);
    paint_shape(cr, [](cairo_t* k) { ellipse(k, 0, 0, 14, 3.5); }, Style{0x3B3350, 0.2, pal::outline, 1.8, false});
    paint_shape(cr, [](cairo_t* k) { rounded_rect(k, -8, -18, 16, 18, 2); }, Style{0x3B3350, 0.3, pal::outline, 1.8, false});
    set_rgb(cr, pal::red);
    cairo_rectangle(cr, -7, -6, 14, 4);
    cairo_fill(cr);
    cairo_restore(cr);
    // Paws.
    auto paw = [&](double px, double py) {
        paint_shape(cr, [=](cairo_t* k) { ellipse(k, px, py, 4.5, 4); }, Style{lighten(kRat, 0.35), 0.1, pal::outline, 1.6, false});
    };
    if (paws == 1) {
        paw(-10, -2);
        paw(10, -2);
    } else if (paws == 2) {
        for (int side : {-1, 1}) {
            cairo_save(cr);
            cairo_move_to(cr, side * 12, -22);
            cairo_line_to(cr, side * 20, -38);
            cairo_set_line_width(cr, 4 + 2 * 1.6);
            set_rgb(cr, pal::outline);
            cairo_stroke_preserve(cr);
            cairo_set_line_width(cr, 4);
            set_rgb(cr, kRat);
            cairo_stroke(cr);
            cairo_restore(cr);
            paw(side * 20, -38);
        }
    } else {
        paw(-8, -12);
        paw(8, -12);
    }
    cairo_restore(cr);
}

void thimble(cairo_t* cr, double x, double y, double turn)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    paint_shape(cr, [](cairo_t* k) {
        cairo_move_to(k, -7, 7);
        cairo_line_to(k, -5, -5);
        cairo_curve_to(k, -5, -9, 5, -9, 5, -5);
        cairo_line_to(k, 7, 7);
        cairo_close_path(k);
    }, Style{0xC9CED6, 0.4, pal::outline, 1.8, false});
    set_rgb(cr, darken(0xC9CED6, 0.3));
    for (int i = 0; i < 4; ++i) {
        cairo_arc(cr, -3 + (i % 2) * 5, -3 + (i / 2) * 5, 0.9, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

struct RatShot {
    Pup pup;
    double peek = -1;  // how far the rat has come up behind the wardrobe, px; < 0 hidden
    bool up = false;   // sitting on top of the wardrobe
    double look = 0, hat = 0, lean = 0;
    int paws = 0;
    bool mouth_open = false;
    double thimble = -1;  // 0..1 round the juggle
    bool surprised = false;
    double giggle = -1;
};

constexpr double kRatX = 316;

void draw_rat_shot(cairo_t* cr, const RatShot& s)
{
    if (s.peek >= 0) {
        // Behind the wardrobe: only what rises over its top shows.
        cairo_save(cr);
        cairo_rectangle(cr, 0, 0, kW, kWardTop - 10);
        cairo_clip(cr);
        rat(cr, kRatX, kWardTop - 10 + 60 - s.peek, s.look, 0, 0, false);
        cairo_restore(cr);
        if (s.paws == 1)
            for (double px : {-12.0, 12.0})
                paint_shape(cr, [=](cairo_t* k) { ellipse(k, kRatX + kRatScale * px, kWardTop - 10, 4.5, 3.6); },
                            Style{lighten(kRat, 0.35), 0.1, pal::outline, 1.6, false});
    }
    if (s.up)
        rat(cr, kRatX, kWardTop - 10, s.look, s.hat, s.paws, s.mouth_open, s.lean);
    if (s.thimble >= 0) {
        const double a = 2 * kPi * s.thimble;
        // Tossed in a loop beside its head, clear of its face.
        thimble(cr, kRatX + kRatScale * (40 + 16 * std::cos(a)), kWardTop - 10 - kRatScale * (52 + 24 * std::sin(a)), a);
    }
    draw_pup(cr, s.pup);
    double cx, cy;
    crown_of(s.pup, cx, cy);
    if (s.surprised)
        surprise_mark(cr, cx + 40, cy - 6);
    if (s.giggle >= 0)
        giggle_lines(cr, s.pup.x, s.pup.ground - s.pup.hop - 150 * kScale, s.giggle);
}

Clip make_rat()
{
    Film<RatShot> film;
    RatShot s;
    s.pup.x = 132;
    s.pup.mouth = Mouth::Half;
    film.shoot(s, 450);
    const double peek = film.now();
    for (double p : {14.0, 30.0, 44.0}) {
        RatShot f = s;
        f.peek = p;
        f.look = -1;
        film.shoot(f, 110);
    }
    RatShot edge = s;
    edge.peek = 52;
    edge.paws = 1;
    edge.look = -1;
    film.shoot(edge, 160);
    // Bafo notices and jumps.
    const double jump = film.now();
    const double hops[] = {0, 22, 34, 14, 0};
    for (int k = 0; k < 5; ++k) {
        RatShot f = edge;
        f.pup.hop = hops[k];
        f.pup.look = 1;
        f.pup.mouth = Mouth::Round;
        f.pup.eyes = Eyes::Open;
        f.pup.pose = k == 0 || k == 4 ? arms(0.9, 0.9) : arms(2.7, 2.7);
        f.pup.stretch = k == 0 ? 0.9 : k == 4 ? 0.92 : 1.04;
        f.pup.pose.foot_dy[0] = f.pup.pose.foot_dy[1] = hops[k] > 20 ? 6 : 0;
        f.surprised = k >= 1;
        film.shoot(f, k == 2 ? 110 : 80);
    }
    // The rat climbs up and tips its hat.
    RatShot up = s;
    up.up = true;
    up.look = -1;
    up.pup.look = 1;
    up.pup.mouth = Mouth::Round;
    up.pup.pose.head_tilt = 0.06;
    const int on = film.shoot(up, 200);
    const double hat = film.now();
    RatShot tip = up;
    tip.hat = 1;
    tip.lean = -0.12;
    tip.mouth_open = true;
    tip.pup.mouth = Mouth::Half;
    film.shoot(tip, 240);
    film.again(on, 140);
    // Juggling the thimble; Bafo giggles.
    std::vector<double> catches;
    std::vector<int> juggle;
    for (int k = 0; k < 4; ++k) {
        RatShot j = up;
        j.paws = 2;
        j.thimble = 0.1 + k * 0.25;
        j.look = k % 2 ? 0 : -0.6;
        j.lean = 0.06 * (k % 2 ? 1 : -1);
        j.mouth_open = k % 2;
        j.pup.eyes = Eyes::Happy;
        j.pup.mouth = Mouth::Open;
        j.pup.pose = arms(-0.55, -0.55);
        j.pup.pose.arm_len[0] = j.pup.pose.arm_len[1] = 42;
        j.pup.lean = 0.05 * (k % 2 ? 1 : -1);
        j.pup.hop = k % 2 ? 3 : 0;
        j.pup.tail = k % 2 ? 1 : -1;
        j.giggle = k % 2;
        juggle.push_back(film.shoot(j, 100));
    }
    const double giggle = film.now() - 0.4;
    for (int round = 0; round < 2; ++round)
        for (int k = 0; k < 4; ++k) {
            if (k == 3)
                catches.push_back(film.now());
            film.again(juggle[size_t(k)], 100);
        }
    catches.insert(catches.begin(), giggle + 0.3);
    RatShot end = up;
    end.look = -0.8;
    end.paws = 2;
    end.hat = 0;
    end.mouth_open = false;
    end.pup.look = 0.6;
    end.pup.eyes = Eyes::Happy;
    end.pup.mouth = Mouth::Half;
    end.pup.tail = 0.5;
    end.pup.pose = arms(0.5, 2.5);
    end.pup.pose.wave_lines[1] = true;
    film.shoot(end, 300);
    RatShot calm = end;
    calm.paws = 0;
    calm.pup.pose = arms(0.5, 0.5);
    film.shoot(calm, 600);
    Clip c = make_film("KRYSA", film, paint_wardrobe_room, draw_rat_shot);
    c.sound = [=](double sec) { return sound_rat(sec, peek, jump, hat, catches, giggle); };
    return c;
}

}  // namespace

}  // namespace datagen::clips

namespace datagen::clips {

std::vector<Clip> dress_clips() { return {make_handstand(), make_drawer(), make_bird(), make_mice(), make_rat()}; }

namespace {

void run_dress(const std::filesystem::path& root)
{
    for (const auto& c : dress_clips())
        write_clip(root, c);
}

void expect_dress(std::vector<Expect>& out)
{
    for (const auto& c : dress_clips()) {
        Expect script;
        script.path = tree_dir(c) + c.name + ".DAT";
        script.kind = Expect::Kind::Clip;
        script.width = c.w;
        script.height = c.h;
        out.push_back(script);
        Expect sound;
        sound.path = tree_dir(c) + c.name + ".WAV";
        sound.kind = Expect::Kind::Wave;
        sound.min_ms = play_ms(c) - 100;
        sound.max_ms = play_ms(c) + 700;
        out.push_back(sound);
    }
}

}  // namespace

}  // namespace datagen::clips

namespace datagen {

Generator gen_dress_clips() { return Generator{"dressclips", clips::run_dress, clips::expect_dress}; }

static const Registered registered{gen_dress_clips};

}  // namespace datagen
