#include "frame_fit.h"

#include "card_outline.h"
#include "homography.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using namespace CardOutline;

constexpr int pointsPerSide = 24;

// One side of the frame: its centre line from `a` to `b` and the normal
// pointing into the card.
struct Side
{
    QPointF a, b, inwards;
};

std::array<Side, 4> frameSides()
{
    const double half = FrameWidth / 2.0;
    const double l = FrameLeft + half, t = FrameTop + half;
    const double r = FrameRight + 1 - half, b = FrameBottom + 1 - half;
    return {{{{l, t}, {r, t}, {0, 1}},
             {{l, b}, {r, b}, {0, -1}},
             {{l, t}, {l, b}, {1, 0}},
             {{r, t}, {r, b}, {-1, 0}}}};
}

// Where along each side's points the frame lies, as an offset along the
// normal in card pixels; nan where it was not found.
struct SideOffsets
{
    std::array<double, pointsPerSide> s{}; // 0 to 1 along the side
    std::array<double, pointsPerSide> offset{};
};

double along(int i)
{
    // The ends stay clear of the corners, where two sides meet.
    return 0.04 + 0.92 * i / (pointsPerSide - 1);
}

// How strongly a band of ink as wide as the frame lies at `offset`: the face
// on either side lighter than the band, along a short piece of the side,
// as only the frame runs on unbroken; letters near it do not.
double bandScore(const GrayImage &image, const CardMap &map, QPointF p, QPointF n, double offset)
{
    const QPointF along(-n.y(), n.x());
    double ink = 0, outside = 0, inside = 0;
    for (double t : {-8.0, 0.0, 8.0}) {
        auto at = [&](double across) {
            return double(image.sample(map.map(p + along * t + n * across)));
        };
        ink += at(offset - 1.5) + at(offset) + at(offset + 1.5);
        outside += at(offset - 6.5);
        inside += at(offset + 6.5);
    }
    return (std::min(outside, inside) - ink / 3) / 3;
}

SideOffsets measureSide(const GrayImage &image, const CardMap &map, const Side &side, double reach,
                        double step)
{
    SideOffsets result;
    for (int i = 0; i < pointsPerSide; ++i) {
        const double s = along(i);
        const QPointF p = side.a + (side.b - side.a) * s;
        double best = -1e9, bestOffset = 0;
        for (double t = -reach; t <= reach; t += step) {
            const double score = bandScore(image, map, p, side.inwards, t);
            if (score > best) {
                best = score;
                bestOffset = t;
            }
        }
        // A parabola through the best and its neighbours places it finer.
        const double before = bandScore(image, map, p, side.inwards, bestOffset - step);
        const double after = bandScore(image, map, p, side.inwards, bestOffset + step);
        const double curve = before - 2 * best + after;
        if (curve < 0)
            bestOffset += std::clamp(0.5 * step * (before - after) / curve, -step, step);
        result.s[size_t(i)] = s;
        result.offset[size_t(i)] = best > 0 ? bestOffset : std::nan("");
    }
    return result;
}

// A cubic through the offsets, least squares, points far from it dropped:
// letters near the frame can catch a point or two.
struct Cubic
{
    std::array<double, 4> c{};
    double operator()(double s) const { return c[0] + s * (c[1] + s * (c[2] + s * c[3])); }
};

std::optional<Cubic> fitCubic(const SideOffsets &side)
{
    std::vector<bool> used(pointsPerSide);
    for (int i = 0; i < pointsPerSide; ++i)
        used[size_t(i)] = !std::isnan(side.offset[size_t(i)]);
    Cubic cubic;
    for (int round = 0; round < 3; ++round) {
        std::array<std::array<double, 5>, 4> m{};
        int count = 0;
        for (int i = 0; i < pointsPerSide; ++i) {
            if (!used[size_t(i)])
                continue;
            ++count;
            const double s = side.s[size_t(i)] - 0.5;
            const double powers[4] = {1, s, s * s, s * s * s};
            for (size_t a = 0; a < 4; ++a) {
                for (size_t b = 0; b < 4; ++b)
                    m[a][b] += powers[a] * powers[b];
                m[a][4] += powers[a] * side.offset[size_t(i)];
            }
        }
        if (count < 8)
            return std::nullopt;
        for (size_t col = 0; col < 4; ++col) {
            size_t pivot = col;
            for (size_t row = col + 1; row < 4; ++row) {
                if (std::abs(m[row][col]) > std::abs(m[pivot][col]))
                    pivot = row;
            }
            std::swap(m[pivot], m[col]);
            if (std::abs(m[col][col]) < 1e-12)
                return std::nullopt;
            for (size_t row = col + 1; row < 4; ++row) {
                const double f = m[row][col] / m[col][col];
                for (size_t k = col; k < 5; ++k)
                    m[row][k] -= f * m[col][k];
            }
        }
        std::array<double, 4> centred{};
        for (int row = 3; row >= 0; --row) {
            double sum = m[size_t(row)][4];
            for (size_t k = size_t(row) + 1; k < 4; ++k)
                sum -= m[size_t(row)][k] * centred[k];
            centred[size_t(row)] = sum / m[size_t(row)][size_t(row)];
        }
        // Back from s - 0.5 to s.
        const double a = centred[0], b = centred[1], c = centred[2], d = centred[3];
        cubic.c = {a - b / 2 + c / 4 - d / 8, b - c + 0.75 * d, c - 1.5 * d, d};
        for (int i = 0; i < pointsPerSide; ++i) {
            if (!std::isnan(side.offset[size_t(i)]))
                used[size_t(i)] = std::abs(cubic(side.s[size_t(i)]) - side.offset[size_t(i)]) < 1.5;
        }
    }
    return cubic;
}

struct FrameFit
{
    std::array<std::optional<Cubic>, 4> sides;
};

FrameFit measureFrame(const GrayImage &image, const CardMap &map, double reach, double step)
{
    FrameFit fit;
    const auto sides = frameSides();
    for (size_t i = 0; i < 4; ++i)
        fit.sides[i] = fitCubic(measureSide(image, map, sides[i], reach, step));
    return fit;
}

// The projective map through the sides as found, each point moved along
// its normal only.
std::optional<QTransform> refitProjective(const CardMap &map, const FrameFit &fit)
{
    std::vector<QPointF> card, picture;
    const auto sides = frameSides();
    for (size_t i = 0; i < 4; ++i) {
        if (!fit.sides[i])
            return std::nullopt;
        for (int k = 0; k < pointsPerSide; ++k) {
            const double s = along(k);
            const QPointF p = sides[i].a + (sides[i].b - sides[i].a) * s;
            card.push_back(p);
            picture.push_back(map.unlensed(map.map(p + sides[i].inwards * (*fit.sides[i])(s))));
        }
    }
    return fitHomography(card, picture);
}

double frameSharpness(const GrayImage &image, const CardMap &map)
{
    double sum = 0;
    int count = 0;
    for (const Side &side : frameSides()) {
        for (int i = 0; i < pointsPerSide; i += 2) {
            sum += bandScore(image, map, side.a + (side.b - side.a) * along(i), side.inwards, 0);
            ++count;
        }
    }
    return sum / count;
}

// How far the sides bend away from straight lines between their ends,
// card pixels; a frame bent this far is a bowed card's.
constexpr double clearBend = 1.5;
double frameBend(const FrameFit &fit)
{
    double most = 0;
    for (const auto &side : fit.sides) {
        for (int i = 0; i <= 10; ++i) {
            const double s = i / 10.0;
            const double straight = (1 - s) * (*side)(0) + s * (*side)(1);
            most = std::max(most, std::abs((*side)(s)-straight));
        }
    }
    return most;
}

// How crisply the frame shows along the sides as found: a bowed card's
// frame, which no projective map follows, shows there all the same.
double foundSharpness(const GrayImage &image, const CardMap &map, const FrameFit &fit)
{
    const auto sides = frameSides();
    double sum = 0;
    int count = 0;
    for (size_t k = 0; k < 4; ++k) {
        for (int i = 0; i < pointsPerSide; i += 2) {
            const double s = along(i);
            const QPointF p = sides[k].a + (sides[k].b - sides[k].a) * s;
            sum += bandScore(image, map, p, sides[k].inwards, (*fit.sides[k])(s));
            ++count;
        }
    }
    return sum / count;
}

// Fits the projective map to the frame, wide first (for a card bowed or a
// lens bending), then closer; false when no frame shows.
bool fitProjectiveToFrame(const GrayImage &image, CardMap &map, bool wide)
{
    for (const auto &[reach, step] :
         {std::pair{18.0, 1.5}, std::pair{5.0, 0.5}, std::pair{2.0, 0.5}}) {
        if (!wide && reach > 10)
            continue;
        const FrameFit fit = measureFrame(image, map, reach, step);
        const auto refitted = refitProjective(map, fit);
        if (!refitted)
            return false; // no sharpness: not a frame
        const CardMap before = map;
        map.setProjective(*refitted);
        // No frame where one was looked for: not worth fitting closer. A
        // card bowed by 2 % on dark stock under blur shows its frame
        // faintly to any projective map, clearly along the sides found.
        constexpr double faintest = 8;
        if (reach > 10 && frameSharpness(image, map) < faintest
            && (frameBend(fit) < clearBend || foundSharpness(image, before, fit) < faintest))
            return false;
    }
    return true;
}

// How far the frame's points lie from the best projective map under the
// lens, picture pixels, root mean square; and that map.
struct LensFit
{
    double residual = 1e300;
    QTransform projective;
};

LensFit fitUnderLens(const std::vector<QPointF> &card, const std::vector<QPointF> &picture,
                     const CardMap::Lens &lens)
{
    CardMap lensed;
    lensed.setLens(lens);
    std::vector<QPointF> flat;
    flat.reserve(picture.size());
    for (const QPointF &p : picture)
        flat.push_back(lensed.unlensed(p));
    const auto projective = fitHomography(card, flat);
    if (!projective)
        return {};
    lensed.setProjective(*projective);
    double sum = 0;
    for (size_t i = 0; i < card.size(); ++i) {
        const QPointF d = lensed.map(card[i]) - picture[i];
        sum += d.x() * d.x() + d.y() * d.y();
    }
    return {std::sqrt(sum / double(card.size())), *projective};
}

// A phone lens bends the frame's four sides all outwards (or all inwards)
// about the picture's centre, which no projective map follows and a bowed
// card does not do: the lens term that straightens them best, taken only
// when it clearly does. Once per outline, on the frame's points alone.
void fitLens(const GrayImage &image, CardMap &map)
{
    const FrameFit fit = measureFrame(image, map, 5.0, 0.5);
    std::vector<QPointF> card, picture;
    const auto sides = frameSides();
    for (size_t i = 0; i < 4; ++i) {
        if (!fit.sides[i])
            return;
        for (int k = 0; k < pointsPerSide; ++k) {
            const double s = along(k);
            const QPointF p = sides[i].a + (sides[i].b - sides[i].a) * s;
            card.push_back(p);
            picture.push_back(map.map(p + sides[i].inwards * (*fit.sides[i])(s)));
        }
    }
    CardMap::Lens lens = map.lens();
    lens.centre = QPointF((image.width() - 1) / 2.0, (image.height() - 1) / 2.0);
    lens.radius = std::hypot(image.width(), image.height()) / 2;
    const double k0 = lens.k;
    const LensFit none = fitUnderLens(card, picture, lens);
    LensFit best = none;
    double bestK = k0;
    auto tryK = [&](double k) {
        lens.k = k;
        const LensFit fitted = fitUnderLens(card, picture, lens);
        if (fitted.residual < best.residual) {
            best = fitted;
            bestK = k;
        }
    };
    constexpr double farthest = 0.16;
    for (double k = -farthest; k <= farthest + 1e-9; k += 0.02)
        tryK(k);
    const double coarse = bestK;
    for (double k = coarse - 0.02; k <= coarse + 0.02 + 1e-9; k += 0.004)
        tryK(k);
    // Points found to a fraction of a pixel: a lens that takes a tenth of a
    // pixel and more off the frame's straightness is real, less is noise.
    if (bestK == k0 || none.residual - best.residual < 0.1 || best.residual > 0.85 * none.residual)
        return;
    lens.k = bestK;
    map.setLens(lens);
    map.setProjective(best.projective);
}

// Bends the map so that each coordinate runs linearly across the card
// between the frame's sides as found from the map as it stands; false
// when a side does not show.
bool bendToFrame(const GrayImage &image, CardMap &map, double reach, double step)
{
    const FrameFit fit = measureFrame(image, map, reach, step);
    for (const auto &side : fit.sides) {
        if (!side)
            return false;
    }
    const auto sides = frameSides();
    const double left = sides[2].a.x(), right = sides[3].a.x();
    const double top = sides[0].a.y(), bottom = sides[1].a.y();
    const CardMap before = map;
    map.setDisplacement([&](QPointF p) {
        const double u = std::clamp((p.x() - left) / (right - left), 0.0, 1.0);
        const double v = std::clamp((p.y() - top) / (bottom - top), 0.0, 1.0);
        const double dx = (1 - u) * (*fit.sides[2])(v)-u * (*fit.sides[3])(v);
        const double dy = (1 - v) * (*fit.sides[0])(u)-v * (*fit.sides[1])(u);
        return before.displacement(p) + QPointF(dx, dy);
    });
    map.setSharpness(frameSharpness(image, map));
    return true;
}

// The projective map through the frame's four corners as found. A bowed
// card bends its sides between the corners; a map fitted to the whole
// sides takes part of the bend as a slant and then stretches the card
// along them, which the sides cannot show but the holes feel.
std::optional<QTransform> projectiveThroughCorners(const CardMap &map, const FrameFit &fit)
{
    const auto sides = frameSides();
    const auto &top = *fit.sides[0], &bottom = *fit.sides[1];
    const auto &left = *fit.sides[2], &right = *fit.sides[3];
    const double l = sides[2].a.x(), r = sides[3].a.x(), t = sides[0].a.y(), b = sides[1].a.y();
    const std::vector<QPointF> card = {{l, t}, {r, t}, {l, b}, {r, b}};
    const auto at = [&](double x, double y, double dx, double dy) {
        return map.unlensed(map.map(QPointF(x + dx, y + dy)));
    };
    const std::vector<QPointF> picture
        = {at(l, t, left(0), top(0)), at(r, t, -right(0), top(1)), at(l, b, left(1), -bottom(0)),
           at(r, b, -right(1), -bottom(1))};
    return fitHomography(card, picture);
}

} // namespace

CardMap fitToFrame(const GrayImage &image, const QTransform &start)
{
    CardMap map(start);
    if (!fitProjectiveToFrame(image, map, true))
        return map;
    const double before = map.lens().k;
    fitLens(image, map);
    if (map.lens().k != before && !fitProjectiveToFrame(image, map, false))
        return map;
    // A card bowed by more than a few pixels bends its frame further from
    // any projective map than the close look reaches: the bend is followed
    // wide, from the map through the frame's corners, then closer from
    // there. Letters near the frame can mislead the wide look on a flat
    // card, so it is taken only when the frame clearly bends and shows
    // about as crisply.
    CardMap close = map;
    const bool closeFound = bendToFrame(image, close, 5.0, 0.5);
    const FrameFit wideFit = measureFrame(image, map, 18.0, 1.5);
    if (std::any_of(wideFit.sides.begin(), wideFit.sides.end(),
                    [](const auto &side) { return !side; })
        || frameBend(wideFit) < clearBend)
        return closeFound ? close : map;
    const auto corners = projectiveThroughCorners(map, wideFit);
    if (!corners)
        return closeFound ? close : map;
    CardMap wide = map;
    wide.setProjective(*corners);
    const bool wideFound
        = bendToFrame(image, wide, 18.0, 1.5) && bendToFrame(image, wide, 4.0, 0.5);
    if (wideFound && (!closeFound || wide.sharpness() > 0.97 * close.sharpness()))
        return wide;
    return closeFound ? close : map;
}
