#include "colours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace datagen {

namespace {

constexpr uint32_t kMagenta = 0xFF00FF;
// Exact colours kept at most: the rest of the 256 follow the gradients.
constexpr size_t kKeptAtMost = 96;
// A colour is kept when it covers 1/kShare of the picture (or keep_from pixels).
constexpr int kShare = 500;
// Half the error diffused: gradients without bands, flat areas without grain.
constexpr float kDiffusion = 0.5f;

int channel(uint32_t c, int k) { return int((c >> (16 - 8 * k)) & 0xFF); }

struct Weighted {
    uint32_t colour;
    uint32_t count;
};

// Median cut: the box with the most pixels times its widest spread is split
// at its weighted median along that spread, until there are `boxes` boxes.
std::vector<uint32_t> median_cut(std::vector<Weighted> colours, size_t boxes)
{
    struct Box {
        size_t begin, end;
        int axis = 0;
        double score = 0;
    };
    auto measure = [&](Box& b) {
        std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
        double weight = 0;
        for (size_t i = b.begin; i < b.end; ++i) {
            for (int k = 0; k < 3; ++k) {
                lo[size_t(k)] = std::min(lo[size_t(k)], channel(colours[i].colour, k));
                hi[size_t(k)] = std::max(hi[size_t(k)], channel(colours[i].colour, k));
            }
            weight += colours[i].count;
        }
        int spread = -1;
        for (int k = 0; k < 3; ++k)
            if (hi[size_t(k)] - lo[size_t(k)] > spread) {
                spread = hi[size_t(k)] - lo[size_t(k)];
                b.axis = k;
            }
        b.score = b.end - b.begin > 1 ? double(spread) * std::sqrt(weight) : -1;
    };
    std::vector<Box> all{{0, colours.size()}};
    measure(all[0]);
    while (all.size() < boxes) {
        auto best = std::max_element(all.begin(), all.end(), [](const Box& a, const Box& b) { return a.score < b.score; });
        if (best->score < 0)
            break;
        Box b = *best;
        const int k = b.axis;
        std::sort(colours.begin() + long(b.begin), colours.begin() + long(b.end), [k](const Weighted& x, const Weighted& y) {
            return channel(x.colour, k) != channel(y.colour, k) ? channel(x.colour, k) < channel(y.colour, k)
                                                                : x.colour < y.colour;
        });
        double total = 0;
        for (size_t i = b.begin; i < b.end; ++i)
            total += colours[i].count;
        size_t cut = b.begin + 1;
        for (double run = colours[b.begin].count; cut < b.end - 1 && run + colours[cut].count <= total / 2; ++cut)
            run += colours[cut].count;
        Box low{b.begin, cut}, high{cut, b.end};
        measure(low);
        measure(high);
        *best = low;
        all.push_back(high);
    }
    std::vector<uint32_t> out;
    for (const Box& b : all) {
        std::array<double, 3> sum{};
        double weight = 0;
        for (size_t i = b.begin; i < b.end; ++i) {
            for (int k = 0; k < 3; ++k)
                sum[size_t(k)] += double(channel(colours[i].colour, k)) * colours[i].count;
            weight += colours[i].count;
        }
        uint32_t c = 0;
        for (int k = 0; k < 3; ++k)
            c = c << 8 | uint32_t(std::lround(sum[size_t(k)] / weight));
        out.push_back(c);
    }
    return out;
}

// A few rounds of k-means over the colours not kept: each entry from `from`
// on moves to the weighted mean of the colours nearest to it.
void refine(std::vector<uint32_t>& palette, size_t from, const std::vector<Weighted>& colours)
{
    for (int round = 0; round < 4; ++round) {
        std::vector<std::array<double, 4>> sum(palette.size());
        for (const Weighted& c : colours) {
            size_t best = 0;
            long best_d = -1;
            for (size_t i = 0; i < palette.size(); ++i) {
                long d = 0;
                for (int k = 0; k < 3; ++k) {
                    const long v = channel(c.colour, k) - channel(palette[i], k);
                    d += v * v;
                }
                if (best_d < 0 || d < best_d) {
                    best_d = d;
                    best = i;
                }
            }
            for (int k = 0; k < 3; ++k)
                sum[best][size_t(k)] += double(channel(c.colour, k)) * c.count;
            sum[best][3] += c.count;
        }
        for (size_t i = from; i < palette.size(); ++i) {
            if (sum[i][3] == 0)
                continue;
            uint32_t c = 0;
            for (int k = 0; k < 3; ++k)
                c = c << 8 | uint32_t(std::lround(sum[i][size_t(k)] / sum[i][3]));
            palette[i] = c;
        }
    }
}

}  // namespace

Indexed index_exactly(const std::vector<uint32_t>& px)
{
    Indexed out;
    std::unordered_map<uint32_t, uint8_t> at;
    out.index.resize(px.size());
    for (size_t i = 0; i < px.size(); ++i) {
        const uint32_t c = px[i] & 0xFFFFFF;
        auto it = at.find(c);
        if (it == at.end()) {
            if (out.palette.size() == 256)
                return {};
            it = at.emplace(c, uint8_t(out.palette.size())).first;
            out.palette.push_back(c);
        }
        out.index[i] = it->second;
    }
    return out;
}

Indexed reduce_colours(int w, int h, const std::vector<uint32_t>& px, int keep_from)
{
    Indexed exact = index_exactly(px);
    if (!exact.palette.empty() || px.empty())
        return exact;

    std::unordered_map<uint32_t, uint32_t> counts;
    for (uint32_t c : px)
        ++counts[c & 0xFFFFFF];
    std::vector<Weighted> all;
    for (const auto& [c, n] : counts)
        all.push_back({c, n});
    std::sort(all.begin(), all.end(), [](const Weighted& a, const Weighted& b) {
        return a.count != b.count ? a.count > b.count : a.colour < b.colour;
    });

    Indexed out;
    std::unordered_map<uint32_t, uint8_t> kept;
    std::vector<Weighted> rest;
    const bool magenta = counts.count(kMagenta) > 0;
    if (magenta) {
        kept.emplace(kMagenta, 0);
        out.palette.push_back(kMagenta);
    }
    for (const Weighted& c : all) {
        if (c.colour == kMagenta)
            continue;
        if (c.count >= uint32_t(std::max(keep_from, w * h / kShare)) && out.palette.size() < kKeptAtMost) {
            kept.emplace(c.colour, uint8_t(out.palette.size()));
            out.palette.push_back(c.colour);
        } else {
            rest.push_back(c);
        }
    }
    std::sort(rest.begin(), rest.end(), [](const Weighted& a, const Weighted& b) { return a.colour < b.colour; });
    const size_t free_from = out.palette.size();
    for (uint32_t c : median_cut(rest, 256 - free_from))
        out.palette.push_back(c);
    refine(out.palette, free_from, rest);
    // An average may land on the transparent colour itself.
    for (size_t i = free_from; i < out.palette.size(); ++i)
        if (out.palette[i] == kMagenta)
            out.palette[i] = kMagenta - 0x010000;

    // Floyd-Steinberg over the pixels of colours not kept.
    auto nearest = [&](int r, int g, int b) {
        int best = 0;
        long best_d = -1;
        for (size_t i = magenta ? 1 : 0; i < out.palette.size(); ++i) {
            const long dr = r - channel(out.palette[i], 0), dg = g - channel(out.palette[i], 1),
                       db = b - channel(out.palette[i], 2);
            const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
            if (best_d < 0 || d < best_d) {
                best_d = d;
                best = int(i);
            }
        }
        return best;
    };
    out.index.resize(px.size());
    std::vector<std::array<float, 3>> err_row(size_t(w) + 2), err_next(size_t(w) + 2);
    for (int y = 0; y < h; ++y) {
        std::fill(err_next.begin(), err_next.end(), std::array<float, 3>{});
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y) * size_t(w) + size_t(x);
            const uint32_t c = px[i] & 0xFFFFFF;
            if (auto k = kept.find(c); k != kept.end()) {
                out.index[i] = k->second;
                continue;
            }
            const std::array<float, 3>& e = err_row[size_t(x) + 1];
            std::array<int, 3> want{};
            for (int k = 0; k < 3; ++k)
                want[size_t(k)] = std::clamp(int(std::lround(channel(c, k) + e[size_t(k)])), 0, 255);
            const int n = nearest(want[0], want[1], want[2]);
            out.index[i] = uint8_t(n);
            for (int k = 0; k < 3; ++k) {
                const float d = float(want[size_t(k)] - channel(out.palette[size_t(n)], k));
                err_row[size_t(x) + 2][size_t(k)] += d * kDiffusion * 7 / 16;
                err_next[size_t(x)][size_t(k)] += d * kDiffusion * 3 / 16;
                err_next[size_t(x) + 1][size_t(k)] += d * kDiffusion * 5 / 16;
                err_next[size_t(x) + 2][size_t(k)] += d * kDiffusion * 1 / 16;
            }
        }
        std::swap(err_row, err_next);
    }
    return out;
}

}  // namespace datagen
