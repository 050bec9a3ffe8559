#include "platform/mixer.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace bafo {

namespace {

// The whole file in our format, or nothing.
bool load_wave(const std::string& path, std::vector<int16_t>& out)
{
    SDL_AudioSpec source{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &source, &data, &length))
        return false;
    bool ok = false;
    SDL_AudioStream* s = SDL_NewAudioStream(source.format, source.channels, source.freq, AUDIO_S16SYS,
                                            Mixer::kChannels, Mixer::kRate);
    if (s) {
        if (SDL_AudioStreamPut(s, data, int(length)) == 0 && SDL_AudioStreamFlush(s) == 0) {
            const int bytes = SDL_AudioStreamAvailable(s);
            out.assign(size_t(bytes) / sizeof(int16_t), 0);
            ok = SDL_AudioStreamGet(s, out.data(), bytes) == bytes;
            out.resize(out.size() / Mixer::kChannels * Mixer::kChannels);
        }
        SDL_FreeAudioStream(s);
    }
    SDL_FreeWAV(data);
    return ok;
}

}  // namespace

Mixer::~Mixer()
{
    close();
}

bool Mixer::open()
{
    if (m_device)
        return true;
    // Room for the source's samples before the device's thread needs it.
    m_rendered.resize(size_t(kBufferFrames) * kChannels);
    SDL_AudioSpec want{}, have{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = kChannels;
    want.samples = kBufferFrames;
    want.callback = &Mixer::callback;
    want.userdata = this;
    // No changes allowed: SDL converts our format to the hardware's.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (!m_device)
        return false;
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void Mixer::close()
{
    if (!m_device)
        return;
    SDL_CloseAudioDevice(m_device);  // the callback has returned for good
    m_device = 0;
    for (Voice& v : m_voices)
        v = Voice{};
}

void Mixer::set_voice(Channel c, std::vector<int16_t>& with, bool loop, bool on)
{
    SDL_LockAudioDevice(m_device);
    Voice& v = m_voices[c];
    v.samples.swap(with);
    v.at = 0;
    v.loop = loop;
    v.on = on && !v.samples.empty();
    SDL_UnlockAudioDevice(m_device);
}

bool Mixer::play(Channel c, const std::string& path, bool loop)
{
    std::vector<int16_t> samples;
    const bool ok = m_device && load_wave(path, samples);
    if (m_device)
        set_voice(c, samples, loop, ok);
    return ok;  // the old samples are freed here, outside the device's lock
}

void Mixer::stop(Channel c)
{
    if (!m_device)
        return;
    std::vector<int16_t> none;
    set_voice(c, none, false, false);
}

bool Mixer::playing(Channel c)
{
    if (!m_device)
        return false;
    SDL_LockAudioDevice(m_device);
    const bool on = m_voices[c].on;
    SDL_UnlockAudioDevice(m_device);
    return on;
}

void Mixer::set_source(Source* source)
{
    if (m_device)
        SDL_LockAudioDevice(m_device);
    m_source = source;
    if (m_device)
        SDL_UnlockAudioDevice(m_device);
}

bool Mixer::source_sounding()
{
    if (!m_device)
        return false;
    SDL_LockAudioDevice(m_device);
    const bool on = m_source && m_source->sounding();
    SDL_UnlockAudioDevice(m_device);
    return on;
}

int Mixer::ms_left()
{
    if (!m_device)
        return 0;
    size_t left = 0;
    bool looping = false;
    SDL_LockAudioDevice(m_device);
    looping = m_source && m_source->sounding();
    for (const Voice& v : m_voices)
        if (v.on) {
            looping = looping || v.loop;
            left = std::max(left, v.samples.size() - v.at);
        }
    SDL_UnlockAudioDevice(m_device);
    return looping ? -1 : int((left / kChannels * 1000 + kRate - 1) / kRate);
}

void Mixer::callback(void* self, uint8_t* stream, int len)
{
    static_cast<Mixer*>(self)->mix(reinterpret_cast<int16_t*>(stream), size_t(len) / sizeof(int16_t));
}

void Mixer::mix(int16_t* out, size_t samples)
{
    std::memset(out, 0, samples * sizeof(int16_t));
    for (Voice& v : m_voices) {
        size_t done = 0;
        while (v.on && done < samples) {
            const size_t n = std::min(samples - done, v.samples.size() - v.at);
            const int16_t* in = v.samples.data() + v.at;
            for (size_t i = 0; i < n; ++i)
                out[done + i] = int16_t(std::clamp(out[done + i] + in[i], -32768, 32767));
            done += n;
            v.at += n;
            if (v.at == v.samples.size()) {
                v.at = 0;
                v.on = v.loop;
            }
        }
    }
    if (m_source && m_source->sounding()) {
        if (m_rendered.size() < samples)
            m_rendered.resize(samples);  // only if SDL asks for more than it was told
        m_source->render(m_rendered.data(), samples / kChannels);
        for (size_t i = 0; i < samples; ++i)
            out[i] = int16_t(std::clamp(out[i] + int(std::lrint(std::clamp(m_rendered[i], -1.0f, 1.0f) * 32767.0f)), -32768, 32767));
    }
}

}  // namespace bafo
