// Our mixer on SDL's audio device: 44100 Hz, signed 16-bit stereo, 512-frame
// buffers, SDL converting to whatever the hardware wants. Waves are converted
// to that format once, when loaded; the device's thread only adds samples.
// Two channels: the sound channel (one file at a time, a new one cuts the old)
// and the fire-and-forget wave channel, which may loop. A source such as the
// synthesiser is added on top while it sounds.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bafo {

class Mixer {
public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBufferFrames = 512;

    enum Channel { Sound, Wave };

    // Sound made as it is played, such as the synthesiser's. Asked for samples
    // only while it sounds: a quiet source costs nothing and lets the device close.
    class Source {
    public:
        virtual ~Source() = default;
        // True while it has something to play. Called on the device's thread
        // and, under the device's lock, on the caller's.
        virtual bool sounding() = 0;
        // `frames` interleaved stereo frames, full scale ±1, into `out`.
        virtual void render(float* out, size_t frames) = 0;
    };

    Mixer() = default;
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // SDL's audio subsystem must be up. False when the device will not open.
    bool open();
    // Stops both channels and lets go of the device.
    void close();
    bool is_open() const { return m_device != 0; }

    // Starts the wave file on the channel, cutting what played there. False
    // when the file is no wave we can read (the channel is then silent).
    bool play(Channel c, const std::string& path, bool loop);
    void stop(Channel c);
    bool playing(Channel c);
    // Milliseconds until both channels are quiet; -1 while a wave loops or
    // the source sounds.
    int ms_left();

    // The source mixed in from now on, kept while the device closes and
    // reopens; nullptr takes it out. Returns once the device's thread has let
    // go of the old one.
    void set_source(Source* source);
    bool source_sounding();

private:
    struct Voice {
        std::vector<int16_t> samples;  // interleaved stereo at kRate
        size_t at = 0;
        bool loop = false;
        bool on = false;
    };

    static void callback(void* self, uint8_t* stream, int len);
    void mix(int16_t* out, size_t samples);
    // Swaps `with` into the channel under the device's lock; `with` gets the old samples.
    void set_voice(Channel c, std::vector<int16_t>& with, bool loop, bool on);

    uint32_t m_device = 0;
    std::array<Voice, 2> m_voices;
    Source* m_source = nullptr;
    std::vector<float> m_rendered;
};

}  // namespace bafo
