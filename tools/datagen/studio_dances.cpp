// Bafo's 24 dances for the music studio. Each dance is a handful of
// drawings played in a loop for a few seconds; the first and last drawing
// of every dance is Bafo standing as the studio's background shows him, so
// the clip starts and ends on the background itself. The dances play
// silently over whatever rhythm or tune the child plays, so they carry no
// sound of their own.
#include "clips.h"
#include "datagen.h"
#include "studio.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace datagen::studio {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;

// Extras drawn around him in some drawings.
enum class Fx { None, Clap, Notes, Sparkles, Spin };

// One drawing of a dance.
struct Move {
    double dx = 0;       // sideways, px
    double hop = 0;      // up, px
    double stretch = 1;  // < 1 squashes, > 1 stretches (bulk kept)
    double lean = 0;     // radians about his feet
    double turn = 0;     // radians about his upright axis: 0 facing the child, pi his back
    BafoPose pose;
    Eyes eyes = Eyes::Open;
    Mouth mouth = Mouth::Closed;
    double tail = 0.3;
    double look = 0;
    Fx fx = Fx::None;
    double fx_phase = 0;
};

Move rest()
{
    Move m;
    m.pose = pose_of(resting_bafo());
    return m;
}

Move happy(double left, double right, Mouth mouth = Mouth::Half)
{
    Move m = rest();
    m.pose.arm[0] = left;
    m.pose.arm[1] = right;
    m.eyes = Eyes::Happy;
    m.mouth = mouth;
    return m;
}

// --- his back, for the turns ---------------------------------------------

void limb(cairo_t* cr, double x0, double y0, double x1, double y1, double width, double lw)
{
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_width(cr, width + 2 * lw);
    set_rgb(cr, pal::outline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, width);
    set_rgb(cr, pal::fur);
    cairo_stroke(cr);
}

void back_paw(cairo_t* cr, double x, double y, double lw)
{
    paint_shape(cr, [=](cairo_t* c) { ellipse(c, x, y, 14, 13); }, Style{pal::muzzle, 0.3, pal::outline, lw, false});
}

void back_ear(cairo_t* cr, double side, double lw)
{
    auto outer = [=](cairo_t* c) {
        cairo_save(c);
        cairo_scale(c, side, 1);
        cairo_move_to(c, -38, -254);
        cairo_curve_to(c, -78, -268, -112, -240, -112, -196);
        cairo_curve_to(c, -112, -160, -106, -132, -88, -124);
        cairo_curve_to(c, -70, -117, -64, -138, -66, -160);
        cairo_curve_to(c, -68, -196, -62, -222, -38, -254);
        cairo_close_path(c);
        cairo_restore(c);
    };
    paint_shape(cr, outer, Style{pal::ear, 0.15, pal::outline, lw, false});
}

// Bafo seen from behind: the same outline as from the front, no face, the
// curly tail in the middle of his back.
void draw_back(cairo_t* cr, const Bafo& b, const BafoPose& pose)
{
    const double s = b.scale;
    const double lw = std::clamp(3.0 * s / 0.75, 1.4, 3.6) / s;
    cairo_save(cr);
    cairo_translate(cr, b.x, b.y);
    cairo_scale(cr, s, s);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double shoulder_x = 44, shoulder_y = -98;
    double px[2], py[2];
    bool up[2];
    for (int i = 0; i < 2; ++i) {
        // Turned round, his viewer's-left arm is the one on the right.
        const int j = 1 - i;
        const double dx = -pose.arm_len[j] * std::sin(pose.arm[j]);
        const double dy = pose.arm_len[j] * std::cos(pose.arm[j]);
        px[i] = i == 0 ? -shoulder_x + dx : shoulder_x - dx;
        py[i] = shoulder_y + dy;
        up[i] = pose.arm[j] > 1.2;
    }
    for (int i = 0; i < 2; ++i) {
        const int j = 1 - i;
        if (pose.foot_dx[j] == 0 && pose.foot_dy[j] == 0)
            continue;
        const double side = i == 0 ? -1 : 1;
        limb(cr, side * 24, -40, side * 30 - pose.foot_dx[j], -12 + pose.foot_dy[j], 24, lw);
    }
    for (int i = 0; i < 2; ++i) {
        const int j = 1 - i;
        const double fx = (i == 0 ? -30 : 30) - pose.foot_dx[j], fy = pose.foot_dy[j];
        paint_shape(cr, [=](cairo_t* c) { ellipse(c, fx, -12 + fy, 26, 13); }, Style{pal::muzzle, 0.3, pal::outline, lw, false});
    }
    paint_shape(cr, [](cairo_t* c) { ellipse(c, 0, -64, 58, 56); }, Style{pal::fur, 0.2, pal::outline, lw, false});
    // The tail, curling up from the middle of his back.
    cairo_save(cr);
    cairo_translate(cr, 0, -40);
    cairo_rotate(cr, -0.3 * b.tail);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, 4, -14, 22, -22, 20, -38);
    cairo_curve_to(cr, 18, -50, 4, -48, 6, -38);
    stroke_tail(cr, lw);
    cairo_restore(cr);
    for (int i = 0; i < 2; ++i)
        if (!up[i]) {
            limb(cr, i == 0 ? -shoulder_x : shoulder_x, shoulder_y, px[i], py[i], 22, lw);
            back_paw(cr, px[i], py[i], lw);
        }
    paint_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -50, -126);
        cairo_curve_to(c, -24, -114, 24, -114, 50, -126);
        cairo_line_to(c, 48, -111);
        cairo_curve_to(c, 22, -99, -22, -99, -48, -111);
        cairo_close_path(c);
    }, Style{pal::collar, 0.2, pal::outline, lw, false});
    cairo_save(cr);
    if (pose.head_tilt != 0) {
        cairo_translate(cr, 0, -116);
        cairo_rotate(cr, pose.head_tilt);
        cairo_translate(cr, 0, 116);
    }
    paint_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -16, -250);
        cairo_curve_to(c, -14, -268, 4, -280, 12, -270);
        cairo_curve_to(c, 2, -272, -2, -262, 6, -258);
        cairo_curve_to(c, 14, -264, 20, -256, 16, -248);
        cairo_close_path(c);
    }, Style{pal::fur, 0.2, pal::outline, lw, false});
    paint_shape(cr, [](cairo_t* c) { ellipse(c, 0, -188, 84, 72); }, Style{pal::fur, 0.12, pal::outline, lw, false});
    cairo_save(cr);
    set_rgb(cr, pal::fur_light, 0.8);
    ellipse(cr, 22, -226, 26, 14);
    cairo_fill(cr);
    cairo_restore(cr);
    back_ear(cr, -1, lw);
    back_ear(cr, 1, lw);
    cairo_restore(cr);
    for (int i = 0; i < 2; ++i)
        if (up[i]) {
            limb(cr, i == 0 ? -shoulder_x : shoulder_x, shoulder_y, px[i], py[i], 22, lw);
            back_paw(cr, px[i], py[i], lw);
        }
    cairo_restore(cr);
}

// --- extras ---------------------------------------------------------------

void twinkle(cairo_t* cr, double x, double y, double r, uint32_t colour)
{
    cairo_save(cr);
    set_rgb(cr, colour);
    star_path(cr, x, y, r, r * 0.3, 4);
    cairo_fill(cr);
    set_rgb(cr, pal::white);
    star_path(cr, x, y, r * 0.5, r * 0.16, 4);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Where a paw of the pose lies on the box (ignoring lean and stretch).
void paw_at(const Bafo& b, const BafoPose& p, int i, double& x, double& y)
{
    const double dx = -p.arm_len[i] * std::sin(p.arm[i]), dy = p.arm_len[i] * std::cos(p.arm[i]);
    x = b.x + b.scale * (i == 0 ? -44 + dx : 44 - dx);
    y = b.y + b.scale * (-98 + dy);
}

void extras(cairo_t* cr, const Move& m, const Bafo& b)
{
    switch (m.fx) {
    case Fx::None: break;
    case Fx::Clap: {
        double x0, y0, x1, y1;
        paw_at(b, m.pose, 0, x0, y0);
        paw_at(b, m.pose, 1, x1, y1);
        const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
        cairo_save(cr);
        set_rgb(cr, pal::sun);
        cairo_set_line_width(cr, 3);
        for (int k = 0; k < 6; ++k) {
            const double a = -kPi / 2 + (k - 2.5) * 0.45;
            cairo_move_to(cr, cx + 22 * std::cos(a), cy + 22 * std::sin(a));
            cairo_line_to(cr, cx + 32 * std::cos(a), cy + 32 * std::sin(a));
        }
        cairo_stroke(cr);
        cairo_restore(cr);
        break;
    }
    case Fx::Notes: {
        const uint32_t colours[] = {pal::sun, pal::pink, pal::teal, pal::lime};
        for (int i = 0; i < 2; ++i) {
            const double q = std::fmod(m.fx_phase + i * 0.5, 1.0);
            const double side = i == 0 ? -1 : 1;
            music_note(cr, b.x + side * (100 + 8 * std::sin(q * 2 * kPi)) - 6, 150 - 110 * q, 11,
                 colours[(i + int(m.fx_phase * 4)) % 4]);
        }
        break;
    }
    case Fx::Sparkles: {
        const uint32_t colours[] = {pal::sun, pal::pink, pal::white, pal::teal, pal::lime};
        for (int i = 0; i < 5; ++i) {
            const double a = m.fx_phase * 2 * kPi + i * 2 * kPi / 5;
            twinkle(cr, b.x + 112 * std::cos(a), 150 + 90 * std::sin(a), 7 + 3 * std::sin(a * 2), colours[i]);
        }
        break;
    }
    case Fx::Spin: {
        cairo_save(cr);
        set_rgb(cr, pal::white, 0.85);
        cairo_set_line_width(cr, 3);
        for (int s : {-1, 1})
            for (int k = 0; k < 2; ++k) {
                const double y = b.y - 80 - k * 60;
                cairo_new_sub_path(cr);
                if (s < 0)
                    cairo_arc_negative(cr, b.x, y, 96 + k * 6, kPi * 0.92, kPi * 0.72);
                else
                    cairo_arc(cr, b.x, y, 96 + k * 6, kPi * 0.08, kPi * 0.28);
                cairo_stroke(cr);
            }
        cairo_restore(cr);
        break;
    }
    }
}

void draw_move(cairo_t* cr, const Move& m)
{
    Bafo b = resting_bafo();
    b.x += m.dx;
    b.eyes = m.eyes;
    b.mouth = m.mouth;
    b.tail = m.tail;
    b.look = m.look;
    // His shadow stays on the floor and shrinks as he leaves it.
    cairo_save(cr);
    set_rgb(cr, 0x1A0F08, 0.2);
    const double shrink = std::clamp(1 - m.hop / 120, 0.5, 1.0);
    ellipse(cr, b.x, b.y - 2 * b.scale, 80 * b.scale * shrink, 11 * b.scale * shrink);
    cairo_fill(cr);
    cairo_restore(cr);
    b.y -= m.hop;
    const double width = std::cos(m.turn);
    cairo_save(cr);
    cairo_translate(cr, b.x, b.y);
    if (m.lean != 0)
        cairo_rotate(cr, m.lean);
    if (m.stretch != 1 || width != 1)
        cairo_scale(cr, std::max(0.3, std::fabs(width)) / std::sqrt(m.stretch), m.stretch);
    cairo_translate(cr, -b.x, -b.y);
    if (width < 0)
        draw_back(cr, b, m.pose);
    else
        draw_bafo_posed(cr, b, m.pose);
    cairo_restore(cr);
    extras(cr, m, b);
}

// --- the dances -----------------------------------------------------------

struct Recipe {
    const char* name;
    std::vector<Move> moves;  // drawings 1..n; drawing 0 is rest
    std::vector<int> order;   // one round of the dance
    int rounds;
    int ms;  // each drawing of a round
};

Move with(Move m, const std::function<void(Move&)>& f)
{
    f(m);
    return m;
}

std::vector<Recipe> recipes()
{
    std::vector<Recipe> r;
    // 1. Hops: crouch, up with arms high, land.
    r.push_back({"hops",
                 {with(happy(0.7, 0.7), [](Move& m) { m.stretch = 0.88; }),
                  with(happy(2.5, 2.5, Mouth::Open), [](Move& m) { m.hop = 30; m.stretch = 1.06; }),
                  with(happy(2.7, 2.7, Mouth::Open), [](Move& m) { m.hop = 44; m.stretch = 1.04; m.pose.foot_dy[0] = m.pose.foot_dy[1] = -4; }),
                  with(happy(1.3, 1.3), [](Move& m) { m.stretch = 0.9; })},
                 {1, 2, 3, 2, 4},
                 4,
                 110});
    // 2. A spin with arms out, round to his back and front again.
    {
        std::vector<Move> mv;
        for (int k = 1; k <= 7; ++k) {
            Move m = happy(1.45, 1.45, Mouth::Open);
            m.turn = k * 2 * kPi / 8;
            m.fx = Fx::Spin;
            m.hop = 4;
            // Drifting a little the way he turns, so no two drawings are alike.
            m.dx = 6 * std::sin(m.turn);
            mv.push_back(m);
        }
        r.push_back({"spin", mv, {1, 2, 3, 4, 5, 6, 7}, 3, 95});
    }
    // 3. Arm waves: both paws high, swaying from side to side.
    r.push_back({"arm waves",
                 {with(happy(1.8, 3.0), [](Move& m) { m.lean = -0.1; m.dx = 8; m.pose.wave_lines[1] = true; m.pose.head_tilt = -0.12; }),
                  happy(2.45, 2.45, Mouth::Open),
                  with(happy(3.0, 1.8), [](Move& m) { m.lean = 0.1; m.dx = -8; m.pose.wave_lines[0] = true; m.pose.head_tilt = 0.12; })},
                 {1, 2, 3, 2},
                 4,
                 170});
    // 4. The twist: hips one way, shoulders the other, down and up.
    {
        auto twist = [](double s, double down) {
            Move m = happy(1.0 - 0.6 * s, 1.0 + 0.6 * s, Mouth::Open);
            m.lean = 0.11 * s;
            m.dx = -6 * s;
            m.pose.foot_dx[0] = 8 * s;
            m.pose.foot_dx[1] = 8 * s;
            m.pose.arm_len[0] = m.pose.arm_len[1] = 40;
            m.stretch = 1 - down;
            m.tail = s;
            return m;
        };
        r.push_back({"twist", {twist(1, 0), twist(-1, 0), twist(1, 0.08), twist(-1, 0.08)}, {1, 2, 1, 2, 3, 4, 3, 4}, 2, 130});
    }
    // 5. A bow: a flourish of the arm, then down with a paw on his belly.
    r.push_back({"bow",
                 {with(happy(2.4, 0.35), [](Move& m) { m.pose.wave_lines[0] = true; m.mouth = Mouth::Open; }),
                  with(happy(1.5, -0.6), [](Move& m) { m.stretch = 0.93; }),
                  with(happy(1.2, -0.7), [](Move& m) { m.stretch = 0.84; m.eyes = Eyes::Closed; m.mouth = Mouth::Closed; m.pose.head_tilt = 0.05; m.hop = -2; }),
                  with(happy(1.0, -0.7), [](Move& m) { m.stretch = 0.8; m.eyes = Eyes::Closed; m.mouth = Mouth::Closed; m.hop = -4; })},
                 {1, 1, 2, 3, 4, 4, 4, 3, 2},
                 2,
                 150});
    // 6. Clapping: standing, then with a little jump each time.
    r.push_back({"clapping",
                 {happy(0.45, 0.45),
                  with(happy(-0.95, -0.95, Mouth::Open), [](Move& m) { m.pose.arm_len[0] = m.pose.arm_len[1] = 40; m.fx = Fx::Clap; }),
                  with(happy(1.45, 1.45), [](Move& m) { m.hop = 4; m.pose.head_tilt = -0.1; }),
                  with(happy(-0.95, -0.95, Mouth::Open), [](Move& m) {
                      m.pose.arm_len[0] = m.pose.arm_len[1] = 40;
                      m.fx = Fx::Clap;
                      m.hop = 14;
                      m.pose.head_tilt = 0.1;
                  })},
                 {1, 2, 1, 2, 3, 4, 3, 4},
                 2,
                 140});
    // 7. Side steps across the stage and back.
    {
        auto step = [](double x, int foot) {
            Move m = happy(0.9, 0.9);
            m.dx = x;
            if (foot >= 0) {
                m.pose.foot_dy[foot] = -14;
                m.pose.foot_dx[foot] = foot == 0 ? -6 : 6;
                m.lean = foot == 0 ? -0.06 : 0.06;
            }
            m.tail = x / 30;
            m.look = x > 0 ? 1 : -1;
            return m;
        };
        r.push_back({"side steps", {step(-14, 0), step(-28, -1), step(-14, 1), step(0, -1), step(14, 1), step(28, -1)},
                     {1, 2, 3, 4, 5, 6, 5, 4}, 3, 120});
    }
    // 8. Disco: one paw pointing up, the other on his hip, and swap.
    {
        auto point = [](int up) {
            Move m = happy(up == 0 ? 2.75 : 0.8, up == 1 ? 2.75 : 0.8, Mouth::Open);
            m.pose.arm_len[up] = 62;
            m.pose.arm_len[1 - up] = 38;
            m.lean = up == 0 ? -0.1 : 0.1;
            m.dx = up == 0 ? 8 : -8;
            m.pose.foot_dy[1 - up] = -10;
            m.pose.head_tilt = up == 0 ? -0.12 : 0.12;
            return m;
        };
        Move mid = happy(1.6, 1.6);
        mid.pose.arm_len[0] = mid.pose.arm_len[1] = 44;
        r.push_back({"disco", {point(0), mid, point(1)}, {1, 1, 2, 3, 3, 2}, 3, 140});
    }
    // 9. Jumping jacks.
    r.push_back({"jumping jacks",
                 {with(happy(0.4, 0.4), [](Move& m) { m.stretch = 0.95; }),
                  with(happy(1.8, 1.8, Mouth::Open), [](Move& m) { m.hop = 16; m.pose.foot_dx[0] = -14; m.pose.foot_dx[1] = 14; }),
                  with(happy(2.9, 2.9, Mouth::Open), [](Move& m) { m.hop = 6; m.pose.foot_dx[0] = -20; m.pose.foot_dx[1] = 20; m.pose.foot_dy[0] = m.pose.foot_dy[1] = -2; })},
                 {1, 2, 3, 2},
                 4,
                 120});
    // 10. Wiggle: paws on his hips, tail and bottom wagging.
    {
        auto wig = [](double s) {
            Move m = happy(0.8, 0.8);
            m.pose.arm_len[0] = m.pose.arm_len[1] = 40;
            m.lean = 0.06 * s;
            m.dx = 7 * s;
            m.tail = s;
            m.look = -s;
            m.eyes = Eyes::Open;
            m.mouth = Mouth::Half;
            return m;
        };
        r.push_back({"wiggle", {wig(1), wig(0), wig(-1)}, {1, 2, 3, 2}, 5, 100});
    }
    // 11. Marching: knees up, arms swinging.
    {
        auto march = [](int knee) {
            Move m = happy(knee == 0 ? 0.9 : -0.3, knee == 0 ? -0.3 : 0.9, Mouth::Open);
            m.pose.foot_dy[knee] = -26;
            m.pose.foot_dx[knee] = knee == 0 ? 4 : -4;
            m.hop = 3;
            m.eyes = Eyes::Open;
            return m;
        };
        Move between = happy(0.5, 0.5, Mouth::Open);
        between.hop = 6;
        between.eyes = Eyes::Open;
        between.pose.head_tilt = 0.08;
        r.push_back({"march", {march(0), between, march(1)}, {1, 2, 3, 2}, 4, 130});
    }
    // 12. Head bob with paws on hips, looking round.
    {
        auto bob = [](double s, double down) {
            Move m = happy(0.8, 0.8);
            m.pose.arm_len[0] = m.pose.arm_len[1] = 38;
            m.pose.head_tilt = 0.24 * s;
            m.look = s;
            m.eyes = Eyes::Open;
            m.stretch = 1 - down;
            m.mouth = s == 0 ? Mouth::Open : Mouth::Half;
            return m;
        };
        r.push_back({"head bob", {bob(-1, 0), bob(0, 0.05), bob(1, 0)}, {1, 2, 3, 2}, 4, 150});
    }
    // 13. Squat and stretch up tall.
    r.push_back({"squat and stretch",
                 {with(happy(-0.5, -0.5), [](Move& m) { m.stretch = 0.8; m.pose.arm_len[0] = m.pose.arm_len[1] = 44; }),
                  with(happy(1.2, 1.2), [](Move& m) { m.stretch = 0.92; }),
                  with(happy(2.9, 2.9, Mouth::Open), [](Move& m) { m.stretch = 1.1; m.hop = 8; m.pose.arm_len[0] = m.pose.arm_len[1] = 60; m.fx = Fx::Sparkles; m.fx_phase = 0.1; })},
                 {1, 1, 2, 3, 3, 2},
                 3,
                 130});
    // 14. Robot: stiff arms snapping from place to place.
    {
        auto robot = [](double l, double rr, double tilt, double x) {
            Move m = rest();
            m.pose.arm[0] = l;
            m.pose.arm[1] = rr;
            m.pose.arm_len[0] = m.pose.arm_len[1] = 56;
            m.pose.head_tilt = tilt;
            m.mouth = Mouth::Round;
            m.dx = x;
            m.tail = 0;
            return m;
        };
        r.push_back({"robot",
                     {robot(1.57, 0.1, 0.15, -6), robot(0.1, 1.57, -0.15, 6), robot(3.0, 1.57, 0, 0), robot(1.57, 3.0, 0, 0)},
                     {1, 1, 2, 2, 3, 4},
                     3,
                     130});
    }
    // 15. Kicks, one leg then the other, a paw on his hip.
    {
        auto kick = [](int leg) {
            Move m = happy(leg == 0 ? 0.8 : 2.4, leg == 1 ? 0.8 : 2.4, Mouth::Open);
            m.pose.arm_len[leg] = 38;
            m.pose.foot_dx[leg] = leg == 0 ? -26 : 26;
            m.pose.foot_dy[leg] = -40;
            m.lean = leg == 0 ? 0.08 : -0.08;
            m.dx = leg == 0 ? 6 : -6;
            return m;
        };
        r.push_back({"kicks", {kick(0), happy(1.2, 1.2), kick(1)}, {1, 2, 3, 2}, 4, 130});
    }
    // 16. Hula: swaying, both paws flowing to one side.
    {
        auto hula = [](double s) {
            Move m = happy(1.7 - 0.7 * s, 1.7 + 0.7 * s);
            m.lean = -0.06 * s;
            m.dx = 10 * s;
            m.pose.head_tilt = -0.1 * s;
            m.eyes = Eyes::Closed;
            m.tail = s;
            return m;
        };
        r.push_back({"hula", {hula(-1), hula(-0.4), hula(0.4), hula(1)}, {1, 2, 3, 4, 3, 2}, 3, 140});
    }
    // 17. Jump and turn in the air.
    {
        std::vector<Move> mv;
        mv.push_back(with(happy(0.6, 0.6), [](Move& m) { m.stretch = 0.86; }));
        for (int k = 1; k <= 4; ++k) {
            Move m = happy(2.6, 2.6, Mouth::Open);
            m.turn = k * 2 * kPi / 5;
            m.hop = 20 + 20 * std::sin(k * kPi / 5);
            m.dx = 6 * std::sin(m.turn);
            m.fx = Fx::Spin;
            mv.push_back(m);
        }
        mv.push_back(with(happy(1.4, 1.4, Mouth::Open), [](Move& m) { m.stretch = 0.9; m.fx = Fx::Sparkles; m.fx_phase = 0.3; }));
        r.push_back({"jump turn", mv, {1, 2, 3, 4, 5, 6, 6}, 3, 110});
    }
    // 18. Conductor: one paw beating time, notes flying.
    {
        auto beat = [](double a, double nod, double phase) {
            Move m = happy(0.8, a, Mouth::Round);
            m.pose.arm_len[0] = 38;
            m.pose.head_tilt = nod;
            m.eyes = Eyes::Closed;
            m.fx = Fx::Notes;
            m.fx_phase = phase;
            return m;
        };
        r.push_back({"conductor", {beat(2.8, -0.06, 0), beat(1.3, 0.06, 0.25), beat(2.1, 0.12, 0.5), beat(1.6, 0, 0.75)},
                     {1, 2, 3, 4}, 4, 160});
    }
    // 19. Swimming: the arms turning round like windmills.
    {
        std::vector<Move> mv;
        for (int k = 0; k < 4; ++k) {
            const double a = 0.3 + k * 0.9;
            Move m = happy(a, 3.0 - k * 0.9, Mouth::Open);
            m.pose.arm_len[0] = m.pose.arm_len[1] = 56;
            m.lean = 0.05 * (k - 1.5) / 1.5;
            mv.push_back(m);
        }
        r.push_back({"windmill", mv, {1, 2, 3, 4, 3, 2}, 3, 120});
    }
    // 20. Rocking far from side to side, arms spread like wings.
    {
        auto rock = [](double s) {
            Move m = happy(1.35 + 0.2 * s, 1.35 - 0.2 * s, Mouth::Open);
            m.lean = 0.14 * s;
            m.pose.foot_dy[s > 0 ? 0 : 1] = s == 0 ? 0 : -12;
            m.tail = -s;
            return m;
        };
        r.push_back({"rocking", {rock(-1), rock(0), rock(1)}, {1, 2, 3, 2}, 4, 150});
    }
    // 21. Waving hello with one paw, then the other.
    {
        auto wave = [](int paw, double w) {
            Move m = rest();
            m.pose.arm[paw] = 2.2 + 0.35 * w;
            m.pose.wave_lines[paw] = true;
            m.mouth = Mouth::Open;
            m.look = paw == 0 ? -0.5 : 0.5;
            m.pose.head_tilt = paw == 0 ? -0.08 : 0.08;
            return m;
        };
        r.push_back({"waving", {wave(0, -1), wave(0, 1), wave(1, -1), wave(1, 1)}, {1, 2, 1, 2, 3, 4, 3, 4}, 2, 150});
    }
    // 22. Shuffle: quick little steps in and out.
    {
        auto sh = [](double s, double x) {
            Move m = happy(0.6 + 0.3 * s, 0.6 - 0.3 * s);
            m.pose.foot_dx[0] = -10 * s;
            m.pose.foot_dx[1] = 10 * s;
            m.pose.foot_dy[0] = s > 0 ? -6 : 0;
            m.pose.foot_dy[1] = s < 0 ? -6 : 0;
            m.dx = x;
            m.hop = 2;
            return m;
        };
        r.push_back({"shuffle", {sh(1, -10), sh(-1, -4), sh(1, 4), sh(-1, 10)}, {1, 2, 3, 4, 3, 2}, 4, 90});
    }
    // 23. Ballet: up on his toes, paws in a ring over his head, turning slowly.
    {
        std::vector<Move> mv;
        for (int k = 0; k < 6; ++k) {
            Move m = happy(2.85, 2.85, Mouth::Closed);
            m.pose.arm_len[0] = m.pose.arm_len[1] = 44;
            m.eyes = Eyes::Closed;
            m.stretch = 1.08;
            m.hop = 6;
            m.turn = k * 2 * kPi / 6;
            m.dx = 5 * std::sin(m.turn);
            m.pose.head_tilt = 0.06 * std::sin(m.turn);
            mv.push_back(m);
        }
        r.push_back({"ballet", mv, {1, 2, 3, 4, 5, 6}, 3, 160});
    }
    // 24. Finale: claps, a big jump with arms up and sparkles.
    r.push_back({"finale",
                 {with(happy(0.6, 0.6, Mouth::Open), [](Move& m) { m.eyes = Eyes::Open; m.hop = 4; }),
                  with(happy(-0.95, -0.95, Mouth::Open), [](Move& m) {
                      m.pose.arm_len[0] = m.pose.arm_len[1] = 40;
                      m.fx = Fx::Clap;
                      m.eyes = Eyes::Open;
                      m.look = 0.6;
                  }),
                  with(happy(0.7, 0.7), [](Move& m) { m.stretch = 0.86; }),
                  with(happy(2.7, 2.7, Mouth::Open), [](Move& m) { m.hop = 42; m.fx = Fx::Sparkles; m.fx_phase = 0; }),
                  with(happy(2.6, 2.6, Mouth::Open), [](Move& m) { m.hop = 20; m.fx = Fx::Sparkles; m.fx_phase = 0.1; })},
                 {1, 2, 1, 2, 3, 4, 5},
                 2,
                 140});
    return r;
}

const std::vector<Recipe>& all_recipes()
{
    static const std::vector<Recipe> r = recipes();
    return r;
}

// The ends of a dance linger a little on the resting drawing.
constexpr int kRestMs = 150;

// What the player's first flash shows: the rest drawing, for its own 50 ms.
constexpr int kFlashMs = 50;

}  // namespace

std::vector<Dance> all_dances()
{
    std::vector<Dance> out;
    for (const auto& r : all_recipes()) {
        Dance d;
        d.name = r.name;
        d.frames = int(r.moves.size()) + 1;
        for (int k = 0; k < r.rounds; ++k)
            for (int f : r.order)
                d.plays.push_back({f, r.ms});
        d.plays.push_back({0, kRestMs});
        out.push_back(d);
    }
    if (out.size() != size_t(kDances))
        throw std::logic_error("the studio needs " + std::to_string(kDances) + " dances");
    return out;
}

void paint_dance_frame(Canvas& box, const Canvas& empty_box, int index, int frame)
{
    box.paste(empty_box, 0, 0);
    const auto& r = all_recipes().at(size_t(index));
    draw_move(box.cr(), frame == 0 ? rest() : r.moves.at(size_t(frame - 1)));
}

std::string dance_script(int n, const Dance& d)
{
    const char* crlf = "\r\n";
    std::string s = std::string(kDanceScriptDir) + "BAFO" + std::to_string(n) + crlf;
    for (int v : {kBoxX, kBoxY, kBoxW, kBoxH, 0})
        s += std::to_string(v) + crlf;
    s += "0x" + std::to_string(kFlashMs) + crlf;
    for (const auto& e : d.plays)
        s += std::to_string(e.frame) + "x" + std::to_string(e.ms) + crlf;
    return s;
}

namespace {

clips::Clip video_of(const std::string& name, int frames)
{
    clips::Clip c;
    c.name = name;
    c.w = kBoxW;
    c.h = kBoxH;
    c.frames = frames;
    return c;
}

}  // namespace

Canvas encoded_rest_box(const Canvas& empty_box)
{
    ScratchDir tmp;
    const auto avi = tmp.path() / "rest.avi", raw = tmp.path() / "rest.raw";
    clips::write_avi(avi, video_of("rest", 1), [&](Canvas& c, int) { paint_dance_frame(c, empty_box, 0, 0); });
    run_program({"ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-y", "-i", avi.string(),
                 "-f", "rawvideo", "-pix_fmt", "rgb555le", raw.string()},
                tmp.path() / "ffmpeg.log", "ffmpeg");
    const std::string px = read_file(raw);
    if (px.size() != size_t(kBoxW) * kBoxH * 2)
        throw std::runtime_error("the rest frame decodes to " + std::to_string(px.size()) + " bytes");
    // Five bits widened to eight with the top bits repeated, as the player does.
    auto wide = [](uint32_t v) { return (v << 3) | (v >> 2); };
    Canvas out(kBoxW, kBoxH);
    uint32_t* d = out.data();
    for (int y = 0; y < kBoxH; ++y)
        for (int x = 0; x < kBoxW; ++x) {
            const size_t i = (size_t(y) * kBoxW + size_t(x)) * 2;
            const uint32_t v = uint8_t(px[i]) | uint32_t(uint8_t(px[i + 1])) << 8;
            d[size_t(y) * size_t(out.stride_words()) + size_t(x)] =
                0xFF000000u | wide((v >> 10) & 31) << 16 | wide((v >> 5) & 31) << 8 | wide(v & 31);
        }
    out.mark_dirty();
    return out;
}

namespace {

void run(const std::filesystem::path& root)
{
    const Canvas empty = paint_empty_studio().crop(kBoxX, kBoxY, kBoxW, kBoxH);
    const auto dances = all_dances();
    for (size_t i = 0; i < dances.size(); ++i) {
        const std::string name = "BAFO" + std::to_string(i + 1);
        const auto dir = root / kDanceDir;
        clips::write_avi(dir / (name + ".AVI"), video_of(name, dances[i].frames),
                         [&](Canvas& c, int f) { paint_dance_frame(c, empty, int(i), f); });
        write_file(dir / (name + ".DAT"), dance_script(int(i + 1), dances[i]));
    }
}

void expect(std::vector<Expect>& out)
{
    for (int n = 1; n <= kDances; ++n) {
        Expect e;
        e.path = std::string(kDanceDir) + "BAFO" + std::to_string(n) + ".DAT";
        e.kind = Expect::Kind::Clip;
        e.width = kBoxW;
        e.height = kBoxH;
        out.push_back(e);
    }
}

}  // namespace

}  // namespace datagen::studio

namespace datagen {

Generator gen_dances() { return Generator{"dances", studio::run, studio::expect}; }

static const Registered registered{gen_dances};

}  // namespace datagen
