#include "audio.h"

#include "datagen.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <numbers>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace datagen::audio {

namespace {

constexpr double kPi = std::numbers::pi;

// The one soundfont every render uses; another font would change every byte.
constexpr const char* kSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

std::string fixed(double v, int decimals)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    return buf;
}

// Robert Bristow-Johnson's biquads, enough for the loudness weighting.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double z1 = 0, z2 = 0;
    double step(double x)
    {
        double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

Biquad high_shelf(double fc, double gain_db, double q)
{
    double A = std::pow(10.0, gain_db / 40), w = 2 * kPi * fc / kRate;
    double c = std::cos(w), alpha = std::sin(w) / (2 * q), sa = 2 * std::sqrt(A) * alpha;
    double a0 = (A + 1) - (A - 1) * c + sa;
    Biquad f;
    f.b0 = A * ((A + 1) + (A - 1) * c + sa) / a0;
    f.b1 = -2 * A * ((A - 1) + (A + 1) * c) / a0;
    f.b2 = A * ((A + 1) + (A - 1) * c - sa) / a0;
    f.a1 = 2 * ((A - 1) - (A + 1) * c) / a0;
    f.a2 = ((A + 1) - (A - 1) * c - sa) / a0;
    return f;
}

Biquad high_pass(double fc, double q)
{
    double w = 2 * kPi * fc / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    double a0 = 1 + alpha;
    Biquad f;
    f.b0 = (1 + c) / 2 / a0;
    f.b1 = -(1 + c) / a0;
    f.b2 = (1 + c) / 2 / a0;
    f.a1 = -2 * c / a0;
    f.a2 = (1 - alpha) / a0;
    return f;
}

void scale(Sound& s, double g)
{
    for (float& v : s.samples)
        v = float(v * g);
}

// Look-ahead limiter: the gain reaches its lowest before the peak arrives and
// recovers slowly after it, so nothing clicks or pumps.
void limit(Sound& s, double ceiling)
{
    const size_t n = s.frames();
    const int ch = s.channels;
    if (!n)
        return;
    const long look = long(0.004 * kRate);
    std::vector<double> need(n);
    for (size_t i = 0; i < n; ++i) {
        double p = 0;
        for (int c = 0; c < ch; ++c)
            p = std::max(p, double(std::fabs(s.samples[i * ch + c])));
        need[i] = p > ceiling ? ceiling / p : 1.0;
    }
    // Sliding minimum over [i - look, i + look].
    std::vector<double> low(n);
    std::deque<size_t> q;
    size_t next = 0;
    for (size_t i = 0; i < n; ++i) {
        size_t hi = std::min(n - 1, i + size_t(look));
        for (; next <= hi; ++next) {
            while (!q.empty() && need[q.back()] >= need[next])
                q.pop_back();
            q.push_back(next);
        }
        while (q.front() + size_t(look) < i)
            q.pop_front();
        low[i] = need[q.front()];
    }
    const double rel = 1 - std::exp(-1.0 / (0.08 * kRate));
    for (size_t i = 1; i < n; ++i)
        low[i] = std::min(low[i], low[i - 1] + (1 - low[i - 1]) * rel);
    // Average over half the look-ahead: every value averaged lies within
    // reach of the peak's minimum, so the peak is always held down.
    const long half = look / 2;
    std::vector<double> sum(n + 1, 0.0);
    for (size_t i = 0; i < n; ++i)
        sum[i + 1] = sum[i] + low[i];
    for (size_t i = 0; i < n; ++i) {
        size_t a = size_t(std::max(0L, long(i) - half)), b = std::min(n, i + size_t(half) + 1);
        double g = (sum[b] - sum[a]) / double(b - a);
        for (int c = 0; c < ch; ++c) {
            float& v = s.samples[i * ch + c];
            v = float(std::clamp(v * g, -ceiling, ceiling));
        }
    }
}

}  // namespace

Sound silence(double seconds, int channels)
{
    Sound s;
    s.channels = channels;
    s.samples.assign(to_frames(seconds) * size_t(channels), 0.0f);
    return s;
}

size_t to_frames(double seconds)
{
    return seconds <= 0 ? 0 : size_t(std::llround(seconds * kRate));
}

// ---------------------------------------------------------------- music

int key_of(std::string_view name)
{
    static const int base[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    auto bad = [&] { return std::runtime_error("not a note: " + std::string(name)); };
    if (name.empty())
        throw bad();
    char l = char(std::toupper(static_cast<unsigned char>(name[0])));
    if (l < 'A' || l > 'G')
        throw bad();
    int key = base[l - 'A'];
    size_t i = 1;
    for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); ++i)
        key += name[i] == '#' ? 1 : -1;
    int octave = 0;
    auto [p, ec] = std::from_chars(name.data() + i, name.data() + name.size(), octave);
    if (ec != std::errc() || p != name.data() + name.size() || i == name.size())
        throw bad();
    key += 12 * (octave + 1);
    if (key < 0 || key > 127)
        throw bad();
    return key;
}

double add_line(Score& score, int channel, int program, double start, int velocity,
                std::string_view tokens, double legato)
{
    double beat = start, step = 1;
    size_t at = 0;
    while (at < tokens.size()) {
        while (at < tokens.size() && std::isspace(static_cast<unsigned char>(tokens[at])))
            ++at;
        size_t end = at;
        while (end < tokens.size() && !std::isspace(static_cast<unsigned char>(tokens[end])))
            ++end;
        if (end == at)
            break;
        std::string_view tok = tokens.substr(at, end - at);
        at = end;
        std::string_view body = tok;
        if (size_t colon = tok.find(':'); colon != std::string_view::npos) {
            body = tok.substr(0, colon);
            std::string_view d = tok.substr(colon + 1);
            double num = 0, den = 1;
            size_t slash = d.find('/');
            auto r1 = std::from_chars(d.data(), d.data() + std::min(slash, d.size()), num);
            bool ok = r1.ec == std::errc() && r1.ptr == d.data() + std::min(slash, d.size());
            if (ok && slash != std::string_view::npos) {
                auto r2 = std::from_chars(d.data() + slash + 1, d.data() + d.size(), den);
                ok = r2.ec == std::errc() && r2.ptr == d.data() + d.size() && den > 0;
            }
            if (!ok || num <= 0)
                throw std::runtime_error("bad duration in " + std::string(tok));
            step = num / den;
        }
        if (body != "r") {
            size_t from = 0;
            while (from <= body.size()) {
                size_t plus = body.find('+', from);
                if (plus == std::string_view::npos)
                    plus = body.size();
                score.notes.push_back(Note{channel, program, key_of(body.substr(from, plus - from)),
                                           velocity, beat, step * legato});
                from = plus + 1;
            }
        }
        beat += step;
    }
    return beat;
}

double beats_to_seconds(const Score& score, double beats)
{
    return beats * 60.0 / score.bpm;
}

namespace {

struct Event {
    size_t frame;
    int order;  // at one frame: notes end, then controllers, then notes start
    int kind;   // 0 note off, 1 controller, 2 program, 3 note on
    int chan, a, b;
};

// Renders `frames` frames of the score (stereo, interleaved).
std::vector<float> render_frames(const Score& score, size_t frames)
{
    std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)> settings(new_fluid_settings(),
                                                                                 delete_fluid_settings);
    fluid_settings_t* st = settings.get();
    fluid_settings_setnum(st, "synth.sample-rate", kRate);
    fluid_settings_setnum(st, "synth.gain", 0.4);
    fluid_settings_setint(st, "synth.polyphony", 256);
    fluid_settings_setint(st, "synth.cpu-cores", 1);
    fluid_settings_setint(st, "synth.reverb.active", 1);
    fluid_settings_setint(st, "synth.chorus.active", 1);
    fluid_settings_setnum(st, "synth.reverb.room-size", 0.55);
    fluid_settings_setnum(st, "synth.reverb.damp", 0.45);
    fluid_settings_setnum(st, "synth.reverb.width", 0.9);
    fluid_settings_setnum(st, "synth.reverb.level", 0.7);
    std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)> owner(new_fluid_synth(st),
                                                                       delete_fluid_synth);
    fluid_synth_t* synth = owner.get();
    if (!synth)
        throw std::runtime_error("cannot create the synthesiser");
    if (fluid_synth_sfload(synth, kSoundfont, 1) == FLUID_FAILED)
        throw std::runtime_error(std::string("cannot load ") + kSoundfont +
                                 " (Debian package timgm6mb-soundfont)");
    fluid_synth_set_interp_method(synth, -1, FLUID_INTERP_7THORDER);

    std::vector<Event> ev;
    for (const auto& m : score.mix) {
        int c = m.channel - 1;
        ev.push_back({0, 1, 1, c, 7, m.volume});
        ev.push_back({0, 1, 1, c, 10, m.pan});
        ev.push_back({0, 1, 1, c, 91, m.reverb});
        ev.push_back({0, 1, 1, c, 93, m.chorus});
    }
    for (const auto& n : score.notes) {
        if (n.channel < 1 || n.channel > 16 || n.key < 0 || n.key > 127 || n.velocity < 1 ||
            n.velocity > 127 || n.program < 0 || n.program > 127 || n.length <= 0 || n.start < 0)
            throw std::runtime_error("bad note: channel " + std::to_string(n.channel) + " key " +
                                     std::to_string(n.key) + " velocity " + std::to_string(n.velocity));
        size_t on = to_frames(beats_to_seconds(score, n.start));
        size_t off = std::max(on + 1, to_frames(beats_to_seconds(score, n.start + n.length)));
        int c = n.channel - 1;
        if (n.channel != kDrums)
            ev.push_back({on, 2, 2, c, n.program, 0});
        ev.push_back({on, 3, 3, c, n.key, n.velocity});
        ev.push_back({off, 0, 0, c, n.key, 0});
    }
    std::stable_sort(ev.begin(), ev.end(), [](const Event& x, const Event& y) {
        return x.frame != y.frame ? x.frame < y.frame : x.order < y.order;
    });

    std::vector<float> out(frames * 2, 0.0f);
    size_t cur = 0;
    auto advance = [&](size_t to) {
        to = std::min(to, frames);
        while (cur < to) {
            int len = int(std::min<size_t>(to - cur, 4096));
            if (fluid_synth_write_float(synth, len, out.data(), int(cur * 2), 2, out.data(), int(cur * 2 + 1),
                                        2) != FLUID_OK)
                throw std::runtime_error("the synthesiser stopped");
            cur += size_t(len);
        }
    };
    int program[16];
    std::fill(std::begin(program), std::end(program), -1);
    for (const auto& e : ev) {
        advance(e.frame);
        switch (e.kind) {
        case 0: fluid_synth_noteoff(synth, e.chan, e.a); break;
        case 1: fluid_synth_cc(synth, e.chan, e.a, e.b); break;
        case 2:
            if (program[e.chan] != e.a) {
                fluid_synth_program_change(synth, e.chan, e.a);
                program[e.chan] = e.a;
            }
            break;
        case 3: fluid_synth_noteon(synth, e.chan, e.a, e.b); break;
        }
    }
    advance(frames);
    return out;
}

Sound finish(std::vector<float> stereo, bool keep_stereo)
{
    Sound s;
    s.channels = 2;
    s.samples = std::move(stereo);
    return keep_stereo ? s : to_mono(s);
}

double score_end(const Score& score)
{
    double end = 0;
    for (const auto& n : score.notes)
        end = std::max(end, n.start + n.length);
    return beats_to_seconds(score, end);
}

}  // namespace

Sound render(const Score& score)
{
    return finish(render_frames(score, to_frames(score_end(score) + score.tail)), score.stereo);
}

Sound render_loop(const Score& score, double loop_beats)
{
    const size_t loop = to_frames(beats_to_seconds(score, loop_beats));
    if (!loop)
        throw std::runtime_error("empty loop");
    size_t total = std::max(loop, to_frames(score_end(score) + score.tail));
    std::vector<float> full = render_frames(score, total);
    std::vector<float> out(full.begin(), full.begin() + long(loop * 2));
    for (size_t i = loop * 2; i < full.size(); ++i)
        out[i % (loop * 2)] += full[i];
    return finish(std::move(out), score.stereo);
}

// ------------------------------------------------------------ synthesis

Sound tone(double seconds, const std::function<double(double)>& freq, Wave wave)
{
    Sound s = silence(seconds);
    double phase = 0;
    for (size_t i = 0; i < s.samples.size(); ++i) {
        double v = 0;
        switch (wave) {
        case Wave::Sine: v = std::sin(phase); break;
        case Wave::Triangle: v = 2 / kPi * std::asin(std::sin(phase)); break;
        case Wave::Soft: v = (std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase)) / 1.2; break;
        }
        s.samples[i] = float(v);
        phase += 2 * kPi * freq(double(i) / kRate) / kRate;
        if (phase > 2 * kPi)
            phase -= 2 * kPi;
    }
    return s;
}

Sound noise(double seconds, uint32_t seed)
{
    Sound s = silence(seconds);
    uint32_t x = seed ? seed : 0x9E3779B9u;
    for (float& v : s.samples) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        v = float(double(x) / 2147483648.0 - 1.0);
    }
    return s;
}

void shape(Sound& s, const std::function<double(double)>& gain)
{
    const size_t n = s.frames();
    for (size_t i = 0; i < n; ++i) {
        double g = gain(double(i) / kRate);
        for (int c = 0; c < s.channels; ++c)
            s.samples[i * size_t(s.channels) + size_t(c)] *= float(g);
    }
}

double attack_decay(double t, double attack, double decay)
{
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / decay);
}

void filter(Sound& s, Filter kind, const std::function<double(double)>& cutoff_hz, double q)
{
    // Zavalishin's trapezoidal state-variable filter: stays stable while the cutoff moves.
    const int ch = s.channels;
    const double k = 1 / q;
    std::vector<double> ic1(size_t(ch), 0.0), ic2(size_t(ch), 0.0);
    const size_t n = s.frames();
    for (size_t i = 0; i < n; ++i) {
        double fc = std::clamp(cutoff_hz(double(i) / kRate), 10.0, 0.45 * kRate);
        double g = std::tan(kPi * fc / kRate);
        double a1 = 1 / (1 + g * (g + k)), a2 = g * a1, a3 = g * a2;
        for (int c = 0; c < ch; ++c) {
            float& x = s.samples[i * size_t(ch) + size_t(c)];
            double v3 = x - ic2[size_t(c)];
            double v1 = a1 * ic1[size_t(c)] + a2 * v3;
            double v2 = ic2[size_t(c)] + a2 * ic1[size_t(c)] + a3 * v3;
            ic1[size_t(c)] = 2 * v1 - ic1[size_t(c)];
            ic2[size_t(c)] = 2 * v2 - ic2[size_t(c)];
            switch (kind) {
            case Filter::Lowpass: x = float(v2); break;
            case Filter::Bandpass: x = float(v1); break;
            case Filter::Highpass: x = float(x - k * v1 - v2); break;
            }
        }
    }
}

// ---------------------------------------------------------- mixing, level

Sound to_stereo(const Sound& s)
{
    if (s.channels == 2)
        return s;
    Sound o;
    o.channels = 2;
    o.samples.reserve(s.samples.size() * 2);
    for (float v : s.samples) {
        o.samples.push_back(v);
        o.samples.push_back(v);
    }
    return o;
}

Sound to_mono(const Sound& s)
{
    if (s.channels == 1)
        return s;
    Sound o;
    const size_t n = s.frames();
    o.samples.resize(n);
    for (size_t i = 0; i < n; ++i) {
        double sum = 0;
        for (int c = 0; c < s.channels; ++c)
            sum += s.samples[i * size_t(s.channels) + size_t(c)];
        o.samples[i] = float(sum / s.channels);
    }
    return o;
}

void mix(Sound& dst, const Sound& src, double at, double gain, double pan)
{
    if (src.channels > dst.channels)
        dst = to_stereo(dst);
    const size_t off = to_frames(at), n = src.frames();
    const int ch = dst.channels;
    if (dst.frames() < off + n)
        dst.samples.resize((off + n) * size_t(ch), 0.0f);
    const double gl = gain * std::min(1.0, 1 - pan), gr = gain * std::min(1.0, 1 + pan);
    for (size_t i = 0; i < n; ++i) {
        float* d = &dst.samples[(off + i) * size_t(ch)];
        if (ch == src.channels) {
            for (int c = 0; c < ch; ++c)
                d[c] += float(src.samples[i * size_t(ch) + size_t(c)] * gain);
        } else {  // mono into stereo
            d[0] += float(src.samples[i] * gl);
            d[1] += float(src.samples[i] * gr);
        }
    }
}

void fade_in(Sound& s, double seconds)
{
    const size_t n = std::min(s.frames(), to_frames(seconds));
    for (size_t i = 0; i < n; ++i) {
        double g = 0.5 - 0.5 * std::cos(kPi * double(i) / double(n));
        for (int c = 0; c < s.channels; ++c)
            s.samples[i * size_t(s.channels) + size_t(c)] *= float(g);
    }
}

void fade_out(Sound& s, double seconds)
{
    const size_t total = s.frames(), n = std::min(total, to_frames(seconds));
    for (size_t i = 0; i < n; ++i) {
        double g = 0.5 - 0.5 * std::cos(kPi * double(i + 1) / double(n + 1));
        size_t f = total - 1 - i;
        for (int c = 0; c < s.channels; ++c)
            s.samples[f * size_t(s.channels) + size_t(c)] *= float(g);
    }
}

void set_length(Sound& s, double seconds)
{
    s.samples.resize(to_frames(seconds) * size_t(s.channels), 0.0f);
}

namespace {
bool loud_frame(const Sound& s, size_t i, float threshold)
{
    for (int c = 0; c < s.channels; ++c)
        if (std::fabs(s.samples[i * size_t(s.channels) + size_t(c)]) > threshold)
            return true;
    return false;
}
}  // namespace

void trim_silence(Sound& s, float threshold)
{
    const size_t n = s.frames();
    size_t a = 0, b = n;
    while (a < n && !loud_frame(s, a, threshold))
        ++a;
    while (b > a && !loud_frame(s, b - 1, threshold))
        --b;
    const size_t ch = size_t(s.channels);
    s.samples = std::vector<float>(s.samples.begin() + long(a * ch), s.samples.begin() + long(b * ch));
}

void shorten_pauses(Sound& s, double max_pause, float threshold)
{
    // A pause is judged on 10 ms windows so that zero crossings inside a
    // vowel never count as quiet.
    const size_t win = to_frames(0.01), keep = to_frames(max_pause), n = s.frames();
    const size_t ch = size_t(s.channels);
    std::vector<bool> quiet((n + win - 1) / win);
    for (size_t w = 0; w < quiet.size(); ++w) {
        bool q = true;
        for (size_t i = w * win; i < std::min(n, (w + 1) * win) && q; ++i)
            q = !loud_frame(s, i, threshold);
        quiet[w] = q;
    }
    std::vector<float> out;
    out.reserve(s.samples.size());
    size_t w = 0;
    while (w < quiet.size()) {
        size_t run = w;
        while (run < quiet.size() && quiet[run] == quiet[w])
            ++run;
        size_t a = w * win, b = std::min(n, run * win);
        if (quiet[w] && b - a > keep) {
            // Keep both ends of the pause: breath and release stay natural.
            size_t half = keep / 2;
            out.insert(out.end(), s.samples.begin() + long(a * ch), s.samples.begin() + long((a + half) * ch));
            out.insert(out.end(), s.samples.begin() + long((b - (keep - half)) * ch), s.samples.begin() + long(b * ch));
        } else {
            out.insert(out.end(), s.samples.begin() + long(a * ch), s.samples.begin() + long(b * ch));
        }
        w = run;
    }
    s.samples = std::move(out);
}

double peak(const Sound& s)
{
    double p = 0;
    for (float v : s.samples)
        p = std::max(p, double(std::fabs(v)));
    return p;
}

double loudness(const Sound& s)
{
    const size_t n = s.frames();
    const int ch = s.channels;
    if (!n)
        return -std::numeric_limits<double>::infinity();
    // K-weighting: a shelf for the head's boost of the highs, a high-pass for the lows we barely hear.
    std::vector<double> power(n, 0.0);
    for (int c = 0; c < ch; ++c) {
        Biquad shelf = high_shelf(1500, 4.0, 0.7071), hp = high_pass(38, 0.5);
        for (size_t i = 0; i < n; ++i) {
            double y = hp.step(shelf.step(s.samples[i * size_t(ch) + size_t(c)]));
            power[i] += y * y;
        }
    }
    const double speakers = ch == 1 ? 2.0 : 1.0;
    const size_t block = std::min(n, to_frames(0.4)), hop = std::max<size_t>(1, block / 4);
    std::vector<double> sum(n + 1, 0.0);
    for (size_t i = 0; i < n; ++i)
        sum[i + 1] = sum[i] + power[i];
    std::vector<double> z;
    for (size_t a = 0; a + block <= n; a += hop)
        z.push_back(speakers * (sum[a + block] - sum[a]) / double(block));
    auto lufs = [](double ms) { return -0.691 + 10 * std::log10(ms); };
    auto gated_mean = [&](double gate) {
        double t = 0;
        size_t k = 0;
        for (double v : z)
            if (v > 0 && lufs(v) > gate) {
                t += v;
                ++k;
            }
        return k ? t / double(k) : 0.0;
    };
    double ungated = gated_mean(-70);
    if (ungated <= 0)
        return -std::numeric_limits<double>::infinity();
    double gated = gated_mean(lufs(ungated) - 10);
    return lufs(gated);
}

double target_lufs(Level level)
{
    switch (level) {
    case Level::Music: return -16.0;
    case Level::Effect: return -16.0;
    case Level::Voice: return -14.0;  // the mascot talks over the room, a little above the music
    }
    return -16.0;
}

void normalise(Sound& s, Level level)
{
    const double target = target_lufs(level);
    const double l0 = loudness(s);
    if (!std::isfinite(l0))
        return;  // silence stays silence
    // Gain and limiting always start from the original, so the limiter never
    // bites twice. Limiting eats part of every increase, so the gain that
    // lands on the target is searched for; never more than 12 dB of limiting.
    const Sound base = s;
    auto level_at = [&](double gain) {
        s = base;
        scale(s, std::pow(10.0, gain / 20));
        limit(s, kCeiling);
        return loudness(s);
    };
    double lo = target - l0;
    if (level_at(lo) >= target - 0.02)
        return;  // the limiter did not touch it: on target
    double hi = 20 * std::log10(kCeiling / peak(base)) + 12;
    if (hi <= lo || level_at(hi) <= target)
        return;  // as loud as it may get
    for (int pass = 0; pass < 16; ++pass) {
        double mid = (lo + hi) / 2, l = level_at(mid);
        if (std::fabs(l - target) < 0.02)
            return;
        (l < target ? lo : hi) = mid;
    }
    level_at(lo);
}

std::vector<int16_t> to_pcm16(const Sound& s)
{
    std::vector<int16_t> out(s.samples.size());
    for (size_t i = 0; i < out.size(); ++i) {
        double v = std::clamp(double(s.samples[i]), -1.0, 1.0) * 32767.0;
        out[i] = int16_t(std::lround(v));
    }
    return out;
}

void write(const std::filesystem::path& path, const Sound& s)
{
    datagen::write_wav(path, kRate, s.channels, to_pcm16(s));
}

Sound read_wav(const std::filesystem::path& path, int* rate)
{
    const std::string d = read_file(path);
    auto u16 = [&](size_t at) { return unsigned(uint8_t(d[at])) | unsigned(uint8_t(d[at + 1])) << 8; };
    auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
    if (d.size() < 12 || d.compare(0, 4, "RIFF") || d.compare(8, 4, "WAVE"))
        throw std::runtime_error(path.string() + " is not a wave file");
    Sound s;
    int bits = 0, fmt = 0;
    for (size_t at = 12; at + 8 <= d.size();) {
        const std::string id = d.substr(at, 4);
        const size_t len = u32(at + 4), body = at + 8;
        if (id == "fmt " && body + 16 <= d.size()) {
            fmt = int(u16(body));
            s.channels = int(u16(body + 2));
            if (rate)
                *rate = int(u32(body + 4));
            bits = int(u16(body + 14));
        } else if (id == "data") {
            if (fmt != 1 || bits != 16 || s.channels < 1)
                throw std::runtime_error(path.string() + " is not 16-bit PCM");
            const size_t end = std::min(d.size(), body + len);
            for (size_t i = body; i + 1 < end; i += 2)
                s.samples.push_back(float(int16_t(u16(i))) / 32767.0f);
            s.samples.resize(s.frames() * size_t(s.channels));
            return s;
        }
        at = body + len + (len & 1);
    }
    throw std::runtime_error(path.string() + " has no data");
}

// ---------------------------------------------------------------- voice

namespace {

std::string scheme_string(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += (c == '\n' || c == '\r') ? ' ' : c;
    }
    return out + "\"";
}

}  // namespace

std::vector<Sound> speak(const std::vector<std::string>& texts, const VoiceStyle& style)
{
    if (texts.empty())
        return {};
    ScratchDir tmp;
    const auto& dir = tmp.path();
    // festvox-ru's speaker: real recorded units, by far the most natural Russian in Debian.
    std::string script = "(voice_msu_ru_nsh_clunits)\n";
    for (size_t i = 0; i < texts.size(); ++i)
        script += "(utt.save.wave (SynthText " + scheme_string(texts[i]) + ") " +
                  scheme_string((dir / (std::to_string(i) + ".wav")).string()) + " 'riff)\n";
    datagen::write_file(dir / "say.scm", script);
    try {
        run_program({"festival", "-b", (dir / "say.scm").string()}, dir / "festival.log");
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string(e.what()) + " (Debian packages festival festvox-ru)");
    }

    std::vector<Sound> out;
    for (size_t i = 0; i < texts.size(); ++i) {
        const auto in = dir / (std::to_string(i) + ".wav");
        const auto raw = dir / (std::to_string(i) + ".f32");
        if (!std::filesystem::exists(in))
            throw std::runtime_error("festival said nothing for: " + texts[i] + "\n" +
                                     read_file(dir / "festival.log"));
        // -R and -D: no random dither, so every run gives the same samples.
        run_program({"sox", "-R", "-D", in.string(), "-t", "raw", "-e", "floating-point", "-b", "32", "-c", "1",
             raw.string(), "highpass", "70", "pitch", std::to_string(style.pitch_cents), "tempo", "-s",
             fixed(style.tempo, 3),
             // The raised voice's hiss and "sh" land high up: take the edge off.
             "treble", "-3", "5000", "rate", "-v", std::to_string(kRate)},
            dir / "sox.log");
        const std::string bytes = read_file(raw);
        Sound s;
        s.samples.resize(bytes.size() / sizeof(float));
        std::memcpy(s.samples.data(), bytes.data(), s.samples.size() * sizeof(float));
        trim_silence(s, 0.004f);
        shorten_pauses(s, style.max_pause);
        fade_in(s, 0.005);
        fade_out(s, 0.03);
        Sound padded = silence(0.04);
        mix(padded, s, 0.04);
        set_length(padded, padded.seconds() + 0.12);
        out.push_back(std::move(padded));
    }
    return out;
}

}  // namespace datagen::audio
