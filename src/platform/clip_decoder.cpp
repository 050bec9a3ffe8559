#include "platform/clip_decoder.h"

#include "platform/av_library.h"
#include "platform/files.h"

#include <array>

namespace bafo {

namespace {

// rgb555 to our XRGB: five bits widened to eight, the top bits repeated below.
const std::array<uint32_t, 32768>& rgb555_table()
{
    static const std::array<uint32_t, 32768> table = [] {
        std::array<uint32_t, 32768> t{};
        for (uint32_t v = 0; v < 32768; ++v) {
            uint32_t r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
            t[v] = ((r << 3 | r >> 2) << 16) | ((g << 3 | g >> 2) << 8) | (b << 3 | b >> 2);
        }
        return t;
    }();
    return table;
}

// The clip as a plain file and nothing else: a name such as "concat:..." or
// "pipe:0" must never pick another of the library's ways to read.
int open_avi(const AvLibrary* av, AVFormatContext** fmt, const std::string& path)
{
    AVDictionary* options = nullptr;
    av->av_dict_set(&options, "protocol_whitelist", "file", 0);
    // The container is named, never guessed: a clip is an AVI or nothing.
    const AVInputFormat* avi = av->av_find_input_format("avi");
    int r = av->avformat_open_input(fmt, ("file:" + path).c_str(), avi, &options);
    av->av_dict_free(&options);
    return r;
}

}  // namespace

const char* step_name(ClipDecoder::Step s)
{
    switch (s) {
    case ClipDecoder::Step::Open: return "AVIFileOpen";
    case ClipDecoder::Step::Stream: return "AVIFileGetStream";
    case ClipDecoder::Step::FileInfo: return "AVIFileInfo";
    case ClipDecoder::Step::StreamInfo: return "AVIStreamInfo";
    default: return "";
    }
}

struct ClipDecoder::Impl {
    Libraries libraries;
    const AvLibrary* av = nullptr;  // loaded by the first clip opened
    std::string path;
    AVFormatContext* fmt = nullptr;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = nullptr;
    AVFrame* decoded = nullptr;
    int stream = -1;
    int frames = 0;
    int width = 0, height = 0;
    bool indexed = false;
    int next = 0;  // sequential decoding: the number of the next frame out of the decoder
    bool corrupt = false;  // the frame just passed had a damaged packet: no picture

    ~Impl() { release(); }
    void release()
    {
        if (decoded)
            av->av_frame_free(&decoded);
        if (packet)
            av->av_packet_free(&packet);
        if (codec)
            av->avcodec_free_context(&codec);
        if (fmt)
            av->avformat_close_input(&fmt);
        stream = -1;
        frames = 0;
        width = height = 0;
        indexed = false;
        next = 0;
    }

    // Sends packets until the decoder hands out a frame; its number is `got`.
    // A damaged packet (a cut file) counts as a frame without a picture.
    bool decode_next(int& got)
    {
        corrupt = false;
        for (;;) {
            int r = av->avcodec_receive_frame(codec, decoded);
            if (r == 0) {
                got = decoded->pts != AV_NOPTS_VALUE && indexed ? int(decoded->pts) : next;
                ++next;
                return true;
            }
            if (r != AVERROR(EAGAIN))
                return false;
            for (;;) {
                int rr = av->av_read_frame(fmt, packet);
                if (rr < 0) {
                    av->avcodec_send_packet(codec, nullptr);  // drain what is left
                    break;
                }
                if (packet->stream_index == stream && (packet->flags & AV_PKT_FLAG_CORRUPT)) {
                    got = packet->pts != AV_NOPTS_VALUE && indexed ? int(packet->pts) : next;
                    ++next;
                    corrupt = true;
                    av->av_packet_unref(packet);
                    return true;
                }
                if (packet->stream_index == stream) {
                    int s = av->avcodec_send_packet(codec, packet);
                    av->av_packet_unref(packet);
                    if (s < 0 && s != AVERROR(EAGAIN))
                        return false;
                    break;
                }
                av->av_packet_unref(packet);
            }
        }
    }

    bool rewind()
    {
        av->avcodec_flush_buffers(codec);
        next = 0;
        if (av->av_seek_frame(fmt, stream, 0, AVSEEK_FLAG_BACKWARD) >= 0)
            return true;
        // No index to seek with: open the file again from its start. If that
        // fails the clip is over: closed, never open without its file.
        av->avformat_close_input(&fmt);
        if (open_avi(av, &fmt, path) == 0 && av->avformat_find_stream_info(fmt, nullptr) >= 0 &&
            stream < int(fmt->nb_streams) && fmt->streams[stream]->codecpar->codec_id == AV_CODEC_ID_MSVIDEO1)
            return true;
        release();
        return false;
    }
};

ClipDecoder::Libraries ClipDecoder::built_against()
{
    return {AvLibrary::kFormat, AvLibrary::kCodec, AvLibrary::kUtil};
}

ClipDecoder::ClipDecoder(Libraries libraries) : m(std::make_unique<Impl>())
{
    m->libraries = std::move(libraries);
}
ClipDecoder::~ClipDecoder() = default;

void ClipDecoder::close()
{
    m->release();
}

bool ClipDecoder::is_open() const
{
    return m->codec != nullptr;
}
int ClipDecoder::frame_count() const
{
    return m->frames;
}
int ClipDecoder::width() const
{
    return m->width;
}
int ClipDecoder::height() const
{
    return m->height;
}
bool ClipDecoder::indexed() const
{
    return m->indexed;
}

ClipDecoder::Status ClipDecoder::open(const std::string& path)
{
    close();
    if (!m->av)
        m->av = AvLibrary::get(m->libraries.format, m->libraries.codec, m->libraries.util);
    const AvLibrary* av = m->av;
    if (!av)
        return {Step::Codec, 0};  // no library to play it with is no codec
    m->path = join_path(path, "");
    int r = open_avi(av, &m->fmt, m->path);
    if (r < 0)
        return {Step::Open, -r};
    if ((r = av->avformat_find_stream_info(m->fmt, nullptr)) < 0) {
        close();
        return {Step::FileInfo, -r};
    }
    r = av->av_find_best_stream(m->fmt, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (r < 0) {
        close();
        return {Step::Stream, -r};
    }
    m->stream = r;
    AVStream* st = m->fmt->streams[r];
    if (st->codecpar->width <= 0 || st->codecpar->height <= 0) {
        close();
        return {Step::StreamInfo, 1};
    }
    m->width = st->codecpar->width;
    m->height = st->codecpar->height;
    const AVCodec* dec = st->codecpar->codec_id == AV_CODEC_ID_MSVIDEO1 ? av->avcodec_find_decoder(AV_CODEC_ID_MSVIDEO1) : nullptr;
    if (!dec) {
        close();
        return {Step::Codec, 0};
    }
    m->codec = av->avcodec_alloc_context3(dec);
    if (!m->codec || av->avcodec_parameters_to_context(m->codec, st->codecpar) < 0 || av->avcodec_open2(m->codec, dec, nullptr) < 0) {
        close();
        return {Step::Codec, 0};
    }
    m->packet = av->av_packet_alloc();
    m->decoded = av->av_frame_alloc();
    int entries = av->avformat_index_get_entries_count(st);
    m->frames = int(st->nb_frames > 0 ? st->nb_frames : entries);
    // A truncated file keeps its header's frame count but loses its index:
    // seeking would then hand back the wrong pictures without an error.
    m->indexed = entries > 0 && entries == m->frames;
    if (!m->indexed && m->frames <= 0)
        m->frames = entries;
    if (m->frames <= 0) {
        close();
        return {Step::Length, 0};
    }
    m->next = 0;
    return {};
}

bool ClipDecoder::frame(int n, Surface& out)
{
    if (!is_open() || n < 0 || n >= m->frames)
        return false;
    const AvLibrary* av = m->av;
    int got = -1;
    if (m->indexed) {
        av->avcodec_flush_buffers(m->codec);
        if (av->av_seek_frame(m->fmt, m->stream, n, AVSEEK_FLAG_BACKWARD) < 0)
            return false;
        m->next = -1;
        do {
            if (!m->decode_next(got))
                return false;
        } while (got < n);
        if (got != n || m->corrupt)
            return false;
    } else {
        if (n < m->next && !m->rewind())
            return false;
        do {
            if (!m->decode_next(got))
                return false;
        } while (got < n);
        if (m->corrupt)
            return false;
    }
    AVFrame* f = m->decoded;
    if (f->format != AV_PIX_FMT_RGB555LE && f->format != AV_PIX_FMT_RGB555)
        return false;
    const auto& table = rgb555_table();
    out.resize(f->width, f->height);
    for (int y = 0; y < f->height; ++y) {
        const uint16_t* src = reinterpret_cast<const uint16_t*>(f->data[0] + ptrdiff_t(y) * f->linesize[0]);
        uint32_t* dst = out.row(y);
        for (int x = 0; x < f->width; ++x)
            dst[x] = table[src[x] & 0x7FFF];
    }
    return true;
}

}  // namespace bafo
