// Clips: a clip script played frame by frame into a picture box with its
// sound, and the win sequence of up to four clips.
#pragma once

#include "platform/surface.h"
#include "ui/control.h"

#include <functional>
#include <memory>
#include <optional>
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
class ClipDecoder;
struct ClipScript;

// A clip whose frames a screen's timer steps while the screen goes on taking
// input (the studio's dances). It plays no sound and is drawn 1:1 at the
// script's own area.
class TimedClip {
public:
    TimedClip();
    ~TimedClip();
    TimedClip(const TimedClip&) = delete;
    TimedClip& operator=(const TimedClip&) = delete;

    // Opens the clip and draws its first frame into `box`, placed and shown.
    // False when it cannot play: the player's message has been shown (a
    // missing decoder also ends the program).
    bool start(const std::string& script, ui::PictureBox& box);
    // The next entry's frame drawn, and how long it stays; nothing past the
    // last entry, when the clip is closed and the box hidden.
    std::optional<uint32_t> step();
    // Closes the clip and hides the box.
    void stop();
    bool running() const { return m_box != nullptr; }

private:
    std::unique_ptr<ClipScript> m_script;
    std::unique_ptr<ClipDecoder> m_decoder;
    ui::PictureBox* m_box = nullptr;
    size_t m_entry = 0;
};

// The win sequence file beside a picture: its name with "DAT" for the last three letters.
std::string sekvence_obrazku(const std::string& picture);

}  // namespace bafo
