// The sound channel, the click, the fanfare, waits and the talking mascot.
#pragma once

#include "platform/surface.h"
#include "ui/control.h"
#include "ui/layers.h"

#include <string>

namespace bafo {

// Cuts whatever plays on the sound channel and starts `path`; returns at once.
void prehraj_zvuk(const std::string& path);
void zvuk_kliknuti();
// One of the five fanfares at random; returns when it has finished.
void prehraj_fanfaru();
// Waits `ms`, dispatching events meanwhile.
void cekej(uint32_t ms);

// The simple wave call: fire and forget, optionally looping; stop ends it.
void hraj_wave(const std::string& path, bool loop = false);
void zastav_wave();

// The mouth strip store: frames of equal width side by side.
struct ClipStore {
    Surface strip;
    int columns = 1;
    bool load(const std::string& path, int cols);
    int cell_width() const { return columns > 0 ? strip.width() / columns : 0; }
    Surface cell(int n) const;
};
extern ClipStore klip_zdroj;

// Plays `wave` while the mouth at (x, y) of `target` flickers through the
// strip's frames; ends with the voice or a mouse button, restoring the face.
void animuj_mluveni(ui::Layers& target, int x, int y, const ClipStore& strip, ui::PictureBox* work,
                    const std::string& wave);

// Uniform in [0, 1). randomize() stirs the clock into the generator; it
// never starts a sequence over.
void randomize();
// Back to the generator's first state (each program run in the tests starts alike).
void reset_random();
double rnd();
// ⌊n × u⌋ + 1: a whole number 1..n.
int random_1_to(int n);

}  // namespace bafo
