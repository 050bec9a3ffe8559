// Reading back what the mixer played: SDL's disk driver writes our own
// format to a file, and a tone's energy is found in it by Goertzel's filter.
#pragma once

#include "platform/files.h"
#include "test_support.h"

#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace bafo::test {

// Energy of one frequency in each 10 ms window of mono samples.
inline std::vector<double> tone_track(const std::vector<float>& mono, int rate, double hz)
{
    const int win = rate / 100;
    std::vector<double> out;
    const double k = 2 * std::cos(2 * M_PI * hz / rate);
    for (size_t at = 0; at + size_t(win) <= mono.size(); at += size_t(win)) {
        double s1 = 0, s2 = 0;
        for (int i = 0; i < win; ++i) {
            double s0 = mono[at + size_t(i)] + k * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        out.push_back((s1 * s1 + s2 * s2 - k * s1 * s2) / (win * win));
    }
    return out;
}

inline double loudest(const std::vector<double>& track)
{
    return track.empty() ? 0 : *std::max_element(track.begin(), track.end());
}

struct Span {
    int first = -1, last = -1;  // 10 ms windows
};

// Where a tone stands within 10 dB of its loudest: leakage of the others stays below.
inline Span where(const std::vector<double>& track)
{
    double peak = 0;
    for (double v : track)
        peak = std::max(peak, v);
    const double threshold = std::max(peak * 0.1, 1e-6);
    Span s;
    for (int i = 0; i < int(track.size()); ++i)
        if (track[size_t(i)] > threshold) {
            if (s.first < 0)
                s.first = i;
            s.last = i;
        }
    return s;
}

// What the disk driver wrote: our signed 16-bit stereo, as floats.
struct Mixed {
    std::vector<float> left, right;
};
inline Mixed read_mixed(const std::string& file)
{
    const std::string raw = read_file(file).value_or("");
    Mixed m;
    for (size_t i = 0; i + 4 <= raw.size(); i += 4) {
        int16_t l, r;
        std::memcpy(&l, raw.data() + i, 2);
        std::memcpy(&r, raw.data() + i + 2, 2);
        m.left.push_back(float(l) / 32768.0f);
        m.right.push_back(float(r) / 32768.0f);
    }
    return m;
}

// Power of one frequency over samples [from, to).
inline double power_at(const std::vector<float>& x, size_t from, size_t to, int rate, double hz)
{
    const double k = 2 * std::cos(2 * M_PI * hz / rate);
    double s1 = 0, s2 = 0;
    for (size_t i = from; i < to && i < x.size(); ++i) {
        const double s0 = x[i] + k * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double n = double(to - from);
    return (s1 * s1 + s2 * s2 - k * s1 * s2) / (n * n);
}

// The loudest frequency within a quarter of `hz` either side, to a hertz.
inline double strongest_near(const std::vector<float>& x, size_t from, size_t to, int rate, double hz)
{
    double best = hz, best_power = -1;
    for (double f = hz * 0.75; f <= hz * 1.25; f += 1) {
        const double p = power_at(x, from, to, rate, f);
        if (p > best_power) {
            best_power = p;
            best = f;
        }
    }
    return best;
}

// Whether a sound device is open: SDL numbers playback devices from 2.
inline bool audio_open()
{
    return SDL_GetAudioDeviceStatus(2) != SDL_AUDIO_STOPPED;
}

// Sound through the disk driver into a file, paced like a sound card.
struct DiskAudio {
    test::TempDir dir;
    std::string file = dir / "mixed.raw";
    DiskAudio()
    {
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
        ::unsetenv("SDL_DISKAUDIODELAY");
    }
};

}  // namespace bafo::test
