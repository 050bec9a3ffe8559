// The yes and no buttons of Bafo's question panels. Every panel lays them at
// the same places (the program's hot areas are fixed), so they are painted by
// one function: the main menu's exit question and the painting screen's.
#pragma once

#include "art.h"

#include <filesystem>
#include <functional>

namespace datagen::question {

struct Place {
    int x, y, w, h;
};

// The highlighted buttons are copied over the panel at these rectangles.
inline constexpr Place kYesLit = {24, 12, 54, 46};
inline constexpr Place kNoLit = {24, 71, 54, 38};

// The green tick (yes) and the red cross (no) on a panel's layer, in panel
// coordinates; `lit` 0 lights yes, 1 lights no, anything else neither.
void paint_buttons(art::Canvas& layer, int lit);

// One round button: a white tick or cross on `colour`, r px round (cx, cy).
// Lit, it is a pixel larger, lighter and glows, the glow fading out inside `lit`.
inline constexpr uint32_t kYesGreen = 0x4CB944;
void round_button(art::Canvas& c, double cx, double cy, double r, uint32_t colour, bool tick,
                  const art::Box* lit = nullptr);

}  // namespace datagen::question

namespace datagen::question {

// A panel of the cream card kind: Bafo in a round window of sky at the left
// of the buttons, and what he asks about. The mouth strip's frames lie at (86, 16).
inline constexpr int kMouthX = 86, kMouthY = 16, kMouthW = 84, kMouthH = 84;

struct CardPanel {
    int width = 226, height = 128;
    double sky_radius = 52;
    // Drawn clipped to the card, over Bafo; and drawn over the card's outline.
    std::function<void(cairo_t*)> inside, over;
};

// OTAZKA.BMP (the key colour at (0, 0) and round the card), ANO_1.BMP,
// NE_1.BMP and the four-frame BAFO_ANI.BMP into `dir`.
void write_card_panel(const std::filesystem::path& dir, const CardPanel& panel);

}  // namespace datagen::question
