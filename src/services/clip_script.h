// The text files behind the clips: a clip script (which video, where, and
// which frames for how long) and a win sequence (up to four clip scripts).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bafo {

struct ClipScript {
    struct Entry {
        uint8_t frame = 0;
        uint16_t ms = 0;
    };
    static constexpr size_t kMaxEntries = 100;

    std::string name;  // video and sound without extension, relative to the data root
    int left = 0, top = 0, width = 0, height = 0;
    int keep = 0;
    std::vector<Entry> entries;

    // Six header fields, then "FxD" lines. Nothing when the header is short or
    // the area unusable; entries that make no sense are skipped.
    static std::optional<ClipScript> parse(const std::string& text);
    // Drops entries whose frame the video does not have.
    void keep_frames_below(int frame_count);
};

// The four fields of a win sequence file (comma or line separated, quoted or bare).
std::array<std::string, 4> parse_sequence(const std::string& text);

// A path from the data tree that stays inside the data root.
bool stays_in_data_root(const std::string& rel);

}  // namespace bafo
