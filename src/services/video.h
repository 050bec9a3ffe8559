// Clips: a clip script played frame by frame into a picture box with its
// sound, and the win sequence of up to four clips.
#pragma once

#include "platform/surface.h"
#include "ui/control.h"

#include <functional>
#include <string>

namespace bafo {

// Called after each frame is drawn, with the box's picture and where it lies
// on the screen (the falling-blocks game shows clips inside its play field).
using ClipFrameHook = std::function<void(const Surface& frame, const Rect& at)>;

// Blocks until the clip ends; the calling screen (the box's form) ignores
// input meanwhile and the pointer is hidden.
void prehraj_animaci(const std::string& script, ui::PictureBox& box, int x, int y, double scale,
                     const ClipFrameHook& after_frame = nullptr);
// Plays the clips named in a win sequence file one after another.
void prehraj_sekvenci(const std::string& file, ui::PictureBox& box, int x, int y, double scale,
                      const ClipFrameHook& after_frame = nullptr);
// The win sequence file beside a picture: its name with "DAT" for the last three letters.
std::string sekvence_obrazku(const std::string& picture);

}  // namespace bafo
