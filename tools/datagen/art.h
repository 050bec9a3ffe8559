// Shared drawing for every screen: the canvas, the palette, the rounded
// cartoon shapes, scenery pieces and Bafo himself, so that all pictures of
// the tree share one look.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace datagen::art {

// Colours are 0xRRGGBB.
namespace pal {
inline constexpr uint32_t sky = 0x8FD3F4;
inline constexpr uint32_t grass = 0x7CCB5B;
inline constexpr uint32_t sun = 0xFFD93B;
inline constexpr uint32_t orange = 0xFF9F43;
inline constexpr uint32_t red = 0xFF5E5B;
inline constexpr uint32_t violet = 0x9B6BD3;
inline constexpr uint32_t pink = 0xFF8FC7;
inline constexpr uint32_t cream = 0xFFF4E0;
inline constexpr uint32_t outline = 0x3B2A20;
inline constexpr uint32_t white = 0xFFFFFF;

// A few more bright ones, so that nine balloons or tiles can all differ.
inline constexpr uint32_t teal = 0x2EC4B6;
inline constexpr uint32_t blue = 0x4D8FE8;
inline constexpr uint32_t lime = 0xB5E04B;
inline constexpr uint32_t green_dark = 0x4FA83D;
inline constexpr uint32_t sky_top = 0x5FB8EC;
inline constexpr uint32_t glow = 0xFFE45C;

// Bafo.
inline constexpr uint32_t fur = 0xF29A38;
inline constexpr uint32_t fur_light = 0xFFB860;
inline constexpr uint32_t muzzle = 0xFFE6C2;
inline constexpr uint32_t ear = 0x7A4A2A;
inline constexpr uint32_t collar = 0xE8453C;
inline constexpr uint32_t tag = 0xFFD23F;
inline constexpr uint32_t nose = 0x2B1D16;
inline constexpr uint32_t mouth_in = 0x8E2C2C;
inline constexpr uint32_t tongue = 0xFF7F8E;
inline constexpr uint32_t cheek = 0xFF8FA3;

// The colour that transparent copies leave out.
inline constexpr uint32_t key = 0xFF00FF;
}  // namespace pal

uint32_t mix(uint32_t a, uint32_t b, double t);  // t = 0 gives a, 1 gives b
inline uint32_t lighten(uint32_t c, double t) { return mix(c, pal::white, t); }
inline uint32_t darken(uint32_t c, double t) { return mix(c, 0x000000, t); }
void set_rgb(cairo_t* cr, uint32_t rgb, double alpha = 1.0);

// Fixed-seed generator: the same seed paints the same texture on every run and
// every machine (no std:: distributions, their output is not portable).
class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed) {}
    uint32_t next();
    double uniform();                   // [0, 1)
    double range(double a, double b);   // [a, b)
    int below(int n);                   // 0 .. n-1
    bool chance(double p) { return uniform() < p; }

private:
    uint64_t s_;
};

// An image with its own cairo context. Opaque canvases are what the BMPs are
// made of; layered ones (with alpha) hold glows and pieces to paste.
class Canvas {
public:
    enum class Format { Opaque, Alpha };
    Canvas(int w, int h, Format f = Format::Opaque);
    ~Canvas();
    Canvas(Canvas&& o) noexcept;
    Canvas& operator=(Canvas&& o) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int w() const { return w_; }
    int h() const { return h_; }
    Format format() const { return format_; }
    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surf_; }

    void fill(uint32_t rgb);
    uint32_t pixel(int x, int y) const;  // 0x00RRGGBB; alpha canvases unpremultiplied
    uint8_t alpha(int x, int y) const;   // 255 on opaque canvases
    std::vector<uint32_t> pixels() const;
    void save_bmp(const std::filesystem::path& path) const;

    Canvas crop(int x, int y, int w, int h) const;                 // same format
    void paste(const Canvas& src, double x, double y, double opacity = 1.0);

    // Raw premultiplied ARGB words, for filters. Call mark_dirty() after writing.
    uint32_t* data();
    int stride_words() const;
    void mark_dirty();

private:
    int w_ = 0, h_ = 0;
    Format format_ = Format::Opaque;
    cairo_surface_t* surf_ = nullptr;
    cairo_t* cr_ = nullptr;
};

// Box blur (three passes, close to a gaussian) of every channel.
void blur(Canvas& c, int radius);

using PathFn = std::function<void(cairo_t*)>;

// Strokes the current path as Bafo's curly tail: fur over its outline.
void stroke_tail(cairo_t* cr, double outline_width);

// Paths.
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);
void star_path(cairo_t* cr, double cx, double cy, double r_out, double r_in, int points,
               double turn = 0);
void heart_path(cairo_t* cr, double cx, double cy, double size);

// A soft vertical gradient as the source, from y0 (top colour) to y1.
void set_vertical_gradient(cairo_t* cr, double y0, double y1, uint32_t top, uint32_t bottom);
void fill_vertical_gradient(cairo_t* cr, double x, double y, double w, double h, uint32_t top,
                            uint32_t bottom);

// How a cartoon shape is painted: gradient fill (top lighter), dark outline,
// and the gentle drop shadow (dark, 25 %, 3 px down-right).
struct Style {
    uint32_t fill = pal::cream;
    double shade = 0.18;             // how much lighter the top is than the bottom colour
    uint32_t line = pal::outline;
    double line_width = 3;           // 0 = no outline
    bool shadow = true;
    double shadow_offset = 3;
    double shadow_alpha = 0.25;
};
void paint_shape(cairo_t* cr, const PathFn& path, const Style& st);

struct Box {
    double x, y, w, h;
};

// Soft light around a shape, painted under whatever is drawn next. It fades out
// before the edges of `within` (the whole canvas by default), so a highlight
// cut out of that box still meets the picture around it without a seam, and
// it stays out of the `avoid` boxes (places another picture is copied over).
void glow(Canvas& c, const PathFn& path, uint32_t colour, int radius, double strength = 1.0,
          const Box* within = nullptr, const std::vector<Box>& avoid = {});

// Text in the round friendly face (Comic Neue Bold, or Comfortaa where a
// script needs it). The path is centred on cx with its baseline at y.
void text_path(cairo_t* cr, const std::string& s, double size, double cx, double baseline,
               const char* family = "Comic Neue");
double text_width(cairo_t* cr, const std::string& s, double size, const char* family = "Comic Neue");
// A title for children: each letter in its own colour (cycling through
// `colours`), thick dark outline, drop shadow, letters riding a gentle arch
// that rises `bend` px in the middle. `utf8` may hold any script the family has.
void playful_text(cairo_t* cr, const std::string& utf8, double cx, double baseline, double size,
                  const std::vector<uint32_t>& colours, double bend = 0,
                  const char* family = "Comic Neue");

// Scenery pieces shared by the screens.
void cloud(cairo_t* cr, double cx, double cy, double w, double alpha = 1.0);
void sun(cairo_t* cr, double cx, double cy, double r, bool face = true);
void flower(cairo_t* cr, double cx, double cy, double r, uint32_t petals, double turn = 0);
// A rolling hill: ground below the curve y = base + amp * sin(freq * x + phase).
void hill(cairo_t* cr, double w, double h, double base, double amp, double freq, double phase,
          uint32_t top, uint32_t bottom);
// Blades of grass scattered over the band y0..y1 (bigger towards the bottom).
void grass_blades(cairo_t* cr, Rng& rng, double x0, double x1, double y0, double y1, int count,
                  uint32_t base);
void tree(cairo_t* cr, double x, double ground, double size, uint32_t leaves = pal::grass);
void bush(cairo_t* cr, double cx, double ground, double w, uint32_t leaves = pal::green_dark);
void butterfly(cairo_t* cr, double cx, double cy, double size, uint32_t wings, double turn = 0);
// A quaver in the air: coloured head, dark outline and stem.
void music_note(cairo_t* cr, double x, double y, double size, uint32_t colour);
// A simple toy balloon; (cx, cy) is the centre of its body, rx its half width.
// The string hangs from the knot and sways by `sway` (-1 .. 1).
void balloon(cairo_t* cr, double cx, double cy, double rx, uint32_t colour, double string_len,
             double sway, double highlight_shift = 0);

// Bafo, the puppy. (x, y) is the ground point between his feet; at scale 1 he
// stands about 275 px tall (ears and tuft included) and 200 px wide.
enum class Mouth { Closed, Half, Open, Round };
enum class Arm { Down, Wave, Up, Hip };
enum class Eyes { Open, Happy, Closed };
struct Bafo {
    double x = 0, y = 0;
    double scale = 1;
    Mouth mouth = Mouth::Closed;
    Arm left = Arm::Down;   // the arm on the viewer's left
    Arm right = Arm::Down;  // the arm on the viewer's right
    double wave = 0;        // -1 .. 1: where a waving paw is in its swing
    Eyes eyes = Eyes::Open;
    double look = 0;        // -1 .. 1: pupils to the left / right
    bool motion_lines = true;
    bool ground_shadow = true;
    double tail = 0;        // -1 .. 1: wag
};
void draw_bafo(cairo_t* cr, const Bafo& b);

// Where parts of him are on the canvas, for the screens that lay something
// over him (mouth strips, garments, speech bubbles).
struct BafoPoints {
    double mouth_x, mouth_y;     // centre of the closed mouth
    double head_x, head_y, head_rx, head_ry;
    double neck_y;               // collar line
    double body_x, body_y;       // belly centre
    double top_y;                // highest point of the head (tuft)
    double feet_y;
};
BafoPoints bafo_points(const Bafo& b);

}  // namespace datagen::art

namespace datagen::art {

// The picture reduced to w x h, each new pixel the average of the area of the
// old picture it covers (fractional edges weighted), as thumbnails are made.
Canvas shrink_area(const Canvas& src, int w, int h);

}  // namespace datagen::art

namespace datagen::art {

// Bafo in any pose, for the clips: each arm at its own angle, the feet off
// their places (legs show when a foot moves) and the head tilted. Everything
// else is drawn as draw_bafo draws it; pose_of(b) gives exactly draw_bafo(b).
struct BafoPose {
    // Viewer's left, right. Radians from hanging straight down, turning
    // outwards; past about 1.2 the paw is raised (drawn over the ears, pads
    // showing); below 0 the arm crosses in front of the belly.
    double arm[2] = {0.35, 0.35};
    double arm_len[2] = {50, 50};
    bool wave_lines[2] = {false, false};  // the little arcs of a waving paw
    // Feet moved from their places, in his units (y down); a lifted foot goes
    // up (negative dy), a dangling one down with its leg showing.
    double foot_dx[2] = {0, 0};
    double foot_dy[2] = {0, 0};
    double head_tilt = 0;  // radians, clockwise, about the collar
};
BafoPose pose_of(const Bafo& b);
void draw_bafo_posed(cairo_t* cr, const Bafo& b, const BafoPose& pose);

}  // namespace datagen::art

namespace datagen::art {

// The back button of the memory-game screens: a wooden board that fills the
// bottom-left corner (the set chooser and the game both light "ZPET.BMP" there,
// at (0, 515)). Painting the board whole, edge to edge, gives both screens the
// same pixels under the shared lit picture. (x, y) is where the board's top
// left corner lands on `c`; `lit` paints the highlighted look.
inline constexpr int kBackCornerW = 124, kBackCornerH = 85;
void back_corner(Canvas& c, double x, double y, bool lit);

// The shine and the white arrow of a back button whose pill is w × h around (cx, cy).
void back_arrow_face(cairo_t* cr, double cx, double cy, double w, double h, bool lit);

}  // namespace datagen::art
