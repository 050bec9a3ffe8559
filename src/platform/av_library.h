// FFmpeg's libraries, opened when the first clip needs them. Linked into the
// program they cost every start ~35 ms for the hundred and more libraries they
// pull in, for a screen that may never be shown.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/frame.h>
#include <libavutil/log.h>
}

#include <string>

namespace bafo {

// The functions the clip decoder calls, each with the library that holds it.
#define BAFO_AV_FUNCTIONS(X)                                 \
    X(util, av_log_set_level)                                \
    X(util, av_dict_set)                                     \
    X(util, av_dict_free)                                    \
    X(util, av_frame_alloc)                                  \
    X(util, av_frame_free)                                   \
    X(codec, av_packet_alloc)                                \
    X(codec, av_packet_free)                                 \
    X(codec, av_packet_unref)                                \
    X(codec, avcodec_find_decoder)                           \
    X(codec, avcodec_alloc_context3)                         \
    X(codec, avcodec_free_context)                           \
    X(codec, avcodec_parameters_to_context)                  \
    X(codec, avcodec_open2)                                  \
    X(codec, avcodec_send_packet)                            \
    X(codec, avcodec_receive_frame)                          \
    X(codec, avcodec_flush_buffers)                          \
    X(format, av_find_input_format)                          \
    X(format, avformat_open_input)                           \
    X(format, avformat_close_input)                          \
    X(format, avformat_find_stream_info)                     \
    X(format, av_find_best_stream)                           \
    X(format, av_read_frame)                                 \
    X(format, av_seek_frame)                                 \
    X(format, avformat_index_get_entries_count)

struct AvLibrary {
#define BAFO_AV_POINTER(lib, name) decltype(&::name) name = nullptr;
    BAFO_AV_FUNCTIONS(BAFO_AV_POINTER)
#undef BAFO_AV_POINTER

    // The sonames of the major versions whose headers we were compiled against:
    // the structures we read belong to exactly those.
    static const char* const kFormat;
    static const char* const kCodec;
    static const char* const kUtil;

    // The table for these three libraries, loaded and resolved once per process;
    // nullptr when a library or one of the functions is missing.
    static const AvLibrary* get(const std::string& format, const std::string& codec, const std::string& util);
};

}  // namespace bafo
