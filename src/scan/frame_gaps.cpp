#include "frame_gaps.h"

#include "card_outline.h"
#include "position_sample.h"

#include <algorithm>
#include <cmath>

namespace {

// The frame's grey, and the face's on either side, averaged along a short
// stretch: single pixels of a noisy photo stray as far as a finger's edge.
float contrastAt(const GrayImage &image, const CardMap &map, QPointF p, QPointF unit,
                 QPointF inwards, double half, bool *inside)
{
    float in = 0, out = 0, on = 0;
    constexpr int points = 5;
    for (int k = 0; k < points; ++k) {
        const QPointF q = p + unit * (k - (points - 1) / 2.0) * 2.0;
        const QPointF a = map.map(q + inwards * (half + 5)), b = map.map(q - inwards * (half + 5)),
                      c = map.map(q);
        if (!image.contains(a) || !image.contains(b) || !image.contains(c)) {
            *inside = false;
            return 0;
        }
        in += image.sample(a);
        out += image.sample(b);
        on += image.sample(c);
    }
    *inside = true;
    // Print only darkens: the lighter side is the face.
    const float face = std::max({in, out, 1.0f});
    return (face - on) / face;
}

} // namespace

std::vector<QPointF> frameGaps(const GrayImage &image, const CardMap &map)
{
    using namespace CardOutline;
    const double half = FrameWidth / 2.0;
    const double l = FrameLeft + half, t = FrameTop + half;
    const double r = FrameRight + 1.0 - half, b = FrameBottom + 1.0 - half;
    const QPointF corners[] = {{l, t}, {r, t}, {r, b}, {l, b}};
    constexpr double step = 8;
    std::vector<std::vector<QPointF>> along(4);
    std::vector<std::vector<float>> contrasts(4);
    std::vector<float> all;
    for (int side = 0; side < 4; ++side) {
        const QPointF a = corners[side], z = corners[(side + 1) % 4];
        const QPointF d = z - a;
        const double length = std::hypot(d.x(), d.y());
        const QPointF unit = d / length;
        const QPointF inwards(-unit.y(), unit.x());
        for (double s = step; s < length - step / 2; s += step) {
            const QPointF p = a + unit * s;
            bool inside = false;
            const float contrast = contrastAt(image, map, p, unit, inwards, half, &inside);
            if (!inside)
                continue;
            along[size_t(side)].push_back(p);
            contrasts[size_t(side)].push_back(contrast);
            all.push_back(contrast);
        }
    }
    std::vector<QPointF> gaps;
    if (all.empty())
        return gaps;
    const float typical = quantile(all, 0.5);
    // A finger is several steps wide; a gap of one step is the picture's
    // noise or a speck.
    constexpr size_t shortest = 3;
    for (size_t side = 0; side < 4; ++side) {
        const std::vector<float> &c = contrasts[side];
        size_t k = 0;
        while (k < c.size()) {
            size_t end = k;
            while (end < c.size() && c[end] < 0.4f * typical)
                ++end;
            if (end - k >= shortest)
                gaps.insert(gaps.end(), along[side].begin() + long(k),
                            along[side].begin() + long(end));
            k = std::max(end, k + 1);
        }
    }
    return gaps;
}

bool nearFrameGap(const Hole &hole, const std::vector<QPointF> &gaps)
{
    constexpr double reach = 220;
    const QPointF centre = holeCentre(hole);
    return std::any_of(gaps.begin(), gaps.end(), [&](const QPointF &g) {
        return std::hypot(g.x() - centre.x(), g.y() - centre.y()) < reach;
    });
}
