#include "cardlib/core/PictureScaling.h"

#include <algorithm>

namespace {

// How one axis of `from` pixels becomes `to` pixels: output i is the sum of
// its taps' source pixels times their weights, over `total`.
struct Axis {
    struct Tap {
        int source;
        std::uint32_t weight;
    };
    std::vector<Tap> taps;
    std::vector<std::size_t> first; // output i's taps are first[i] .. first[i + 1] - 1
    std::uint64_t total = 1;
};

// Output i covers [i from, (i + 1) from) in units of 1 / to of a source
// pixel; source j covers [j to, (j + 1) to).
void AddAreaTaps(Axis& axis, int from, int to, int i)
{
    const std::int64_t low = std::int64_t{i} * from, high = low + from;
    for (std::int64_t j = low / to; j * to < high; ++j) {
        const std::int64_t weight = std::min(high, (j + 1) * to) - std::max(low, j * to);
        axis.taps.push_back({static_cast<int>(j), static_cast<std::uint32_t>(weight)});
    }
}

// Output i's centre lies at ((2 i + 1) from - to) / (2 to) source pixels,
// between two source centres; the ends are held at the edge pixels.
void AddLinearTaps(Axis& axis, int from, int to, int i)
{
    const std::int64_t scale = 2 * std::int64_t{to};
    const std::int64_t at = std::clamp<std::int64_t>((2 * std::int64_t{i} + 1) * from - to, 0, (from - 1) * scale);
    const int j = static_cast<int>(at / scale);
    const std::int64_t fraction = at % scale;
    axis.taps.push_back({j, static_cast<std::uint32_t>(scale - fraction)});
    if (fraction != 0)
        axis.taps.push_back({j + 1, static_cast<std::uint32_t>(fraction)});
}

Axis MakeAxis(int from, int to)
{
    Axis axis;
    axis.total = to < from ? static_cast<std::uint64_t>(from) : to > from ? 2 * static_cast<std::uint64_t>(to) : 1;
    for (int i = 0; i < to; ++i) {
        axis.first.push_back(axis.taps.size());
        if (to < from)
            AddAreaTaps(axis, from, to, i);
        else if (to > from)
            AddLinearTaps(axis, from, to, i);
        else
            axis.taps.push_back({i, 1});
    }
    axis.first.push_back(axis.taps.size());
    return axis;
}

} // namespace

Picture Resample(const Picture& picture, int width, int height)
{
    // Sides up to 2^16 keep every sum below 2^32 (rows) and 2^64 (pixels).
    constexpr int largestSide = 1 << 16;
    Picture result;
    if (width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0 || width > largestSide ||
        height > largestSide || picture.width > largestSide || picture.height > largestSide ||
        picture.pixels.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
        return result;
    if (width == picture.width && height == picture.height)
        return picture;
    const Axis across = MakeAxis(picture.width, width);
    const Axis down = MakeAxis(picture.height, height);
    // Each source row across, unrounded: four byte sums a pixel, each at
    // most 255 x across.total, which pictures of our sizes keep far below 2^32.
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(picture.height) * static_cast<std::size_t>(width) * 4);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < width; ++x)
            for (std::size_t t = across.first[x]; t < across.first[x + 1]; ++t) {
                const std::uint32_t pixel =
                    picture.pixels[static_cast<std::size_t>(y) * picture.width + across.taps[t].source];
                std::uint32_t* sums = &rows[(static_cast<std::size_t>(y) * width + x) * 4];
                for (int b = 0; b < 4; ++b)
                    sums[b] += ((pixel >> (8 * b)) & 0xFFu) * across.taps[t].weight;
            }
    const std::uint64_t total = across.total * down.total;
    result.width = width;
    result.height = height;
    result.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint64_t sums[4] = {};
            for (std::size_t t = down.first[y]; t < down.first[y + 1]; ++t)
                for (int b = 0; b < 4; ++b)
                    sums[b] += down.taps[t].weight *
                               std::uint64_t{rows[(static_cast<std::size_t>(down.taps[t].source) * width + x) * 4 + b]};
            std::uint32_t pixel = 0;
            for (int b = 0; b < 4; ++b)
                pixel |= static_cast<std::uint32_t>((sums[b] + total / 2) / total) << (8 * b);
            result.pixels[static_cast<std::size_t>(y) * width + x] = pixel;
        }
    return result;
}

bool FitsSet(int factor, int baseWidth, int baseHeight, int width, int height)
{
    return factor >= 1 && width == factor * baseWidth && height == factor * baseHeight;
}

int ChooseSet(const DisplayScale& scale, const std::vector<int>& wholeSets)
{
    // factor >= s  <=>  factor x 96 x 100 >= dpi x zoom
    const std::int64_t needed = std::int64_t{scale.Dpi()} * scale.Zoom();
    std::vector<int> sets = wholeSets;
    sets.push_back(1);
    int smallestEnough = 0;
    int largest = 1;
    for (int factor : sets) {
        largest = std::max(largest, factor);
        if (std::int64_t{factor} * DisplayScale::logicalDpi * 100 >= needed &&
            (smallestEnough == 0 || factor < smallestEnough))
            smallestEnough = factor;
    }
    return smallestEnough != 0 ? smallestEnough : largest;
}
