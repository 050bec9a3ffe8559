// Frames of an AVI clip by number, decoded on demand and converted to our
// pixels. The clips use the "Microsoft Video 1" codec, decoded by FFmpeg.
#pragma once

#include "platform/surface.h"

#include <memory>
#include <string>

namespace bafo {

class ClipDecoder {
public:
    // Where opening stopped, named as the player reports it.
    enum class Step { None, Open, Stream, FileInfo, StreamInfo, Codec, Length };
    struct Status {
        Step step = Step::None;
        int code = 0;  // the library's error, positive
    };

    // The FFmpeg libraries by file name, loaded when the first clip is opened:
    // by default those we were built against. When one is missing, or lacks a
    // function we call, open() stops at Step::Codec.
    struct Libraries {
        std::string format, codec, util;
    };
    static Libraries built_against();

    explicit ClipDecoder(Libraries libraries = built_against());
    ~ClipDecoder();
    ClipDecoder(const ClipDecoder&) = delete;
    ClipDecoder& operator=(const ClipDecoder&) = delete;

    Status open(const std::string& path);
    void close();
    bool is_open() const;
    int frame_count() const;
    int width() const;
    int height() const;
    // Decodes frame n (0-based) into `out` (sized to the video); false when it cannot.
    bool frame(int n, Surface& out);
    // True when random access goes through the file's index (false: decoded in order).
    bool indexed() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

const char* step_name(ClipDecoder::Step s);

}  // namespace bafo
