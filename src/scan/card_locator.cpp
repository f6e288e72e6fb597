#include "card_locator.h"

#include "card_outline.h"
#include "frame_fit.h"

#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

using namespace CardOutline;

// A region of equal polarity after thresholding: its size and, row by row,
// its outermost pixels, from which its outline is fitted.
struct Region
{
    int area = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct LabelledImage
{
    std::vector<int> labels;
    std::vector<Region> regions;
};

// Regions of equal class (0 or 1 in `mask`), four-connected.
LabelledImage labelRegions(const std::vector<uchar> &mask, int w, int h)
{
    LabelledImage result;
    result.labels.assign(size_t(w) * size_t(h), -1);
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (result.labels[size_t(start)] >= 0)
            continue;
        const uchar cls = mask[size_t(start)];
        const int label = int(result.regions.size());
        Region region{0, start % w, start / w, start % w, start / w};
        result.labels[size_t(start)] = label;
        stack.push_back(start);
        while (!stack.empty()) {
            const int index = stack.back();
            stack.pop_back();
            const int x = index % w;
            const int y = index / w;
            ++region.area;
            region.left = std::min(region.left, x);
            region.right = std::max(region.right, x);
            region.top = std::min(region.top, y);
            region.bottom = std::max(region.bottom, y);
            auto visit = [&](int n) {
                if (result.labels[size_t(n)] < 0 && mask[size_t(n)] == cls) {
                    result.labels[size_t(n)] = label;
                    stack.push_back(n);
                }
            };
            if (x > 0)
                visit(index - 1);
            if (x + 1 < w)
                visit(index + 1);
            if (y > 0)
                visit(index - w);
            if (y + 1 < h)
                visit(index + w);
        }
        result.regions.push_back(region);
    }
    return result;
}

std::vector<uchar> globalMask(const GrayImage &image, float threshold)
{
    std::vector<uchar> mask(size_t(image.width()) * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            mask[size_t(y) * size_t(image.width()) + size_t(x)] = image.at(x, y) >= threshold;
    }
    return mask;
}

// Ink against the card face around it, whatever the light: a pixel is dark
// when clearly darker than the mean of its neighbourhood. Shadows and light
// falling off across the card leave the frame one dark ring.
std::vector<uchar> localMask(const GrayImage &image)
{
    const int w = image.width(), h = image.height();
    std::vector<double> integral(size_t(w + 1) * size_t(h + 1), 0.0);
    for (int y = 0; y < h; ++y) {
        double row = 0;
        for (int x = 0; x < w; ++x) {
            row += image.at(x, y);
            integral[size_t(y + 1) * size_t(w + 1) + size_t(x + 1)]
                = integral[size_t(y) * size_t(w + 1) + size_t(x + 1)] + row;
        }
    }
    const int radius = std::max(4, std::max(w, h) / 60);
    std::vector<uchar> mask(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const int y0 = std::max(0, y - radius), y1 = std::min(h, y + radius + 1);
        for (int x = 0; x < w; ++x) {
            const int x0 = std::max(0, x - radius), x1 = std::min(w, x + radius + 1);
            const double sum = integral[size_t(y1) * size_t(w + 1) + size_t(x1)]
                               - integral[size_t(y0) * size_t(w + 1) + size_t(x1)]
                               - integral[size_t(y1) * size_t(w + 1) + size_t(x0)]
                               + integral[size_t(y0) * size_t(w + 1) + size_t(x0)];
            const double mean = sum / double((x1 - x0) * (y1 - y0));
            mask[size_t(y) * size_t(w) + size_t(x)] = image.at(x, y) >= 0.85 * mean - 2;
        }
    }
    return mask;
}

double cross(const QPointF &o, const QPointF &a, const QPointF &b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

std::vector<QPointF> convexHull(std::vector<QPointF> points)
{
    std::sort(points.begin(), points.end(), [](const QPointF &a, const QPointF &b) {
        return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y();
    });
    if (points.size() < 3)
        return points;
    std::vector<QPointF> hull(2 * points.size());
    size_t k = 0;
    for (const QPointF &p : points) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    for (size_t i = points.size() - 1, lower = k + 1; i > 0; --i) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i - 1]) <= 0)
            --k;
        hull[k++] = points[i - 1];
    }
    hull.resize(k - 1);
    return hull;
}

// A turned rectangle: centre, unit axis along its long side (pointing
// right), half lengths along that axis and across it.
struct Outline
{
    QPointF centre;
    QPointF axis;
    double halfLength = 0;
    double halfWidth = 0;
};

// The smallest rectangle around the hull; one of its sides lies on a hull edge.
Outline smallestRectangle(const std::vector<QPointF> &hull)
{
    Outline best;
    double bestArea = -1;
    for (size_t i = 0; i < hull.size(); ++i) {
        const QPointF a = hull[i];
        const QPointF b = hull[(i + 1) % hull.size()];
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (length <= 0)
            continue;
        const QPointF u((b.x() - a.x()) / length, (b.y() - a.y()) / length);
        const QPointF v(-u.y(), u.x());
        double minU = 1e300, maxU = -1e300, minV = 1e300, maxV = -1e300;
        for (const QPointF &p : hull) {
            const double pu = p.x() * u.x() + p.y() * u.y();
            const double pv = p.x() * v.x() + p.y() * v.y();
            minU = std::min(minU, pu);
            maxU = std::max(maxU, pu);
            minV = std::min(minV, pv);
            maxV = std::max(maxV, pv);
        }
        const double area = (maxU - minU) * (maxV - minV);
        if (bestArea >= 0 && area >= bestArea)
            continue;
        bestArea = area;
        const double cu = (minU + maxU) / 2;
        const double cv = (minV + maxV) / 2;
        Outline outline;
        outline.centre = QPointF(cu * u.x() + cv * v.x(), cu * u.y() + cv * v.y());
        if (maxU - minU >= maxV - minV) {
            outline.axis = u;
            outline.halfLength = (maxU - minU) / 2;
            outline.halfWidth = (maxV - minV) / 2;
        } else {
            outline.axis = v;
            outline.halfLength = (maxV - minV) / 2;
            outline.halfWidth = (maxU - minU) / 2;
        }
        if (outline.axis.x() < 0 || (outline.axis.x() == 0 && outline.axis.y() < 0))
            outline.axis = -outline.axis;
        best = outline;
    }
    return best;
}

// The hull of a region: its outermost pixel centres row by row.
std::vector<QPointF> regionHull(const LabelledImage &labelled, int label, const Region &region,
                                int width)
{
    std::vector<QPointF> points;
    for (int y = region.top; y <= region.bottom; ++y) {
        const int *row = labelled.labels.data() + size_t(y) * size_t(width);
        int first = -1, last = -1;
        for (int x = region.left; x <= region.right; ++x) {
            if (row[x] == label) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first >= 0) {
            points.emplace_back(first, y);
            points.emplace_back(last, y);
        }
    }
    return convexHull(points);
}

double quadArea(const std::array<QPointF, 4> &q)
{
    double area = 0;
    for (size_t i = 0; i < 4; ++i)
        area += q[i].x() * q[(i + 1) % 4].y() - q[(i + 1) % 4].x() * q[i].y();
    return area / 2;
}

// The largest quadrilateral with its corners on the hull, started from the
// hull points nearest the corners of the smallest rectangle around it and
// bettered one corner at a time: a card seen at a slant is a quadrilateral.
std::array<QPointF, 4> hullQuad(const std::vector<QPointF> &hull)
{
    const Outline box = smallestRectangle(hull);
    const QPointF u = box.axis * box.halfLength,
                  v = QPointF(-box.axis.y(), box.axis.x()) * box.halfWidth;
    const std::array<QPointF, 4> boxCorners
        = {box.centre - u - v, box.centre + u - v, box.centre + u + v, box.centre - u + v};
    std::array<size_t, 4> index{};
    for (size_t c = 0; c < 4; ++c) {
        double nearest = 1e300;
        for (size_t i = 0; i < hull.size(); ++i) {
            const QPointF d = hull[i] - boxCorners[c];
            const double distance = d.x() * d.x() + d.y() * d.y();
            if (distance < nearest) {
                nearest = distance;
                index[c] = i;
            }
        }
    }
    auto quad = [&] {
        return std::array<QPointF, 4>{hull[index[0]], hull[index[1]], hull[index[2]],
                                      hull[index[3]]};
    };
    for (int round = 0; round < 3; ++round) {
        for (size_t c = 0; c < 4; ++c) {
            double best = std::abs(quadArea(quad()));
            for (size_t i = 0; i < hull.size(); ++i) {
                const size_t kept = index[c];
                index[c] = i;
                const double area = std::abs(quadArea(quad()));
                if (area > best)
                    best = area;
                else
                    index[c] = kept;
            }
        }
    }
    std::array<QPointF, 4> corners = quad();
    // Pixel centres to pixel edges: half a pixel outwards.
    QPointF centre;
    for (const QPointF &corner : corners)
        centre += corner / 4;
    for (QPointF &corner : corners) {
        const QPointF d = corner - centre;
        const double length = std::hypot(d.x(), d.y());
        if (length > 0)
            corner += d * (0.7 / length);
    }
    if (quadArea(corners) < 0)
        std::swap(corners[1], corners[3]);
    return corners;
}

struct CardRect
{
    double left, top, right, bottom;
};

// The outlines a region can be: the inside of the frame, the frame's outer
// edge, or the card's edge. Card pixel coordinates run along pixel edges.
constexpr std::array<CardRect, 3> cardOutlines = {{
    {FrameLeft + FrameWidth, FrameTop + FrameWidth, FrameRight + 1 - FrameWidth,
     FrameBottom + 1 - FrameWidth},
    {FrameLeft, FrameTop, FrameRight + 1, FrameBottom + 1},
    {0, 0, Width, Height},
}};

double distance(QPointF a, QPointF b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

// Maps `rect` onto the quadrilateral, its top-left corner on `corners[first]`.
std::optional<QTransform> placementOf(const std::array<QPointF, 4> &corners, const CardRect &rect,
                                      size_t first)
{
    QPolygonF card, picture;
    card << QPointF(rect.left, rect.top) << QPointF(rect.right, rect.top)
         << QPointF(rect.right, rect.bottom) << QPointF(rect.left, rect.bottom);
    for (size_t i = 0; i < 4; ++i)
        picture << corners[(first + i) % 4];
    QTransform map;
    if (!QTransform::quadToQuad(card, picture, map))
        return std::nullopt;
    return map;
}

// Mean grey along a line between two card points; nan when it leaves the
// picture.
float meanAlong(const GrayImage &image, const CardMap &map, QPointF from, QPointF to, int steps)
{
    float sum = 0;
    for (int i = 0; i <= steps; ++i) {
        const QPointF p = map.map(from + (to - from) * (double(i) / steps));
        if (!image.contains(p))
            return std::nanf("");
        sum += image.sample(p);
    }
    return sum / float(steps + 1);
}

struct MarkContrast
{
    float face = 0;
    float ink = 0;
};

// Every mark measured as (face beside it, ink on it): the four sides of the
// frame and each bar of the field marks.
std::vector<MarkContrast> markContrasts(const GrayImage &image, const CardMap &map)
{
    std::vector<MarkContrast> marks;
    const double half = FrameWidth / 2.0;
    const double inset = FrameWidth + 4.0;
    const double l = FrameLeft, t = FrameTop, r = FrameRight + 1.0, b = FrameBottom + 1.0;
    // Each side, in four pieces (a shadow may darken one end): a line on
    // the frame, one inside it; the corners are left out.
    const struct
    {
        QPointF a, b, inwards;
    } sides[] = {
        {{l + 40, t + half}, {r - 40, t + half}, {0, 1}},
        {{l + 40, b - half}, {r - 40, b - half}, {0, -1}},
        {{l + half, t + 40}, {l + half, b - 40}, {1, 0}},
        {{r - half, t + 40}, {r - half, b - 40}, {-1, 0}},
    };
    for (const auto &side : sides) {
        const QPointF in = side.inwards * inset;
        for (int piece = 0; piece < 4; ++piece) {
            const QPointF a = side.a + (side.b - side.a) * (piece / 4.0);
            const QPointF b = side.a + (side.b - side.a) * ((piece + 1) / 4.0);
            marks.push_back(
                {meanAlong(image, map, a + in, b + in, 8), meanAlong(image, map, a, b, 8)});
        }
    }
    for (const Bar &bar : FieldMarkBars) {
        const double x = (bar.left + bar.right + 1) / 2.0;
        const QPointF above(x, bar.top - 6.0);
        const QPointF below(x, bar.bottom + 7.0);
        const float face
            = (meanAlong(image, map, above, above, 1) + meanAlong(image, map, below, below, 1)) / 2;
        marks.push_back(
            {face, meanAlong(image, map, {x, bar.top + 4.0}, {x, bar.bottom - 3.0}, 6)});
    }
    return marks;
}

bool isCardInside(const GrayImage &image, const CardMap &map)
{
    const QPointF corners[] = {{double(FrameLeft), double(FrameTop)},
                               {FrameRight + 1.0, double(FrameTop)},
                               {FrameRight + 1.0, FrameBottom + 1.0},
                               {double(FrameLeft), FrameBottom + 1.0}};
    for (const QPointF &corner : corners) {
        if (!image.contains(map.map(corner)))
            return false;
    }
    return true;
}

// A card on too few pixels cannot show its holes.
constexpr double minimumScale = 0.25;

// The candidate outlines of a picture: regions of the picture thresholded
// as a whole and against their neighbourhood, large enough for a card.
struct Candidate
{
    std::array<QPointF, 4> corners;
    double area;
};

// A card seen at a slant still has its long sides clearly longer than its
// short ones (a third longer when flat); the table around it, a page or
// a square box seldom do.
bool isCardShaped(const std::array<QPointF, 4> &c)
{
    const double first = distance(c[0], c[1]) + distance(c[2], c[3]);
    const double second = distance(c[1], c[2]) + distance(c[3], c[0]);
    const double ratio = std::max(first, second) / std::max(1e-9, std::min(first, second));
    return ratio > 1.05 && ratio < 2.0;
}

std::vector<Candidate> candidateOutlines(const GrayImage &image)
{
    const GrayImage smooth = image.smoothed();
    const double minimumLength = minimumScale * (cardOutlines[0].right - cardOutlines[0].left);
    std::vector<Candidate> candidates;
    for (const std::vector<uchar> &mask :
         {globalMask(smooth, smooth.otsuThreshold()), localMask(smooth)}) {
        const LabelledImage labelled = labelRegions(mask, image.width(), image.height());
        for (int label = 0; label < int(labelled.regions.size()); ++label) {
            const Region &region = labelled.regions[size_t(label)];
            const int extent = std::max(region.right - region.left, region.bottom - region.top);
            if (extent < minimumLength)
                continue;
            const std::vector<QPointF> hull = regionHull(labelled, label, region, image.width());
            if (hull.size() < 4)
                continue;
            const std::array<QPointF, 4> corners = hullQuad(hull);
            if (isCardShaped(corners))
                candidates.push_back({corners, quadArea(corners)});
        }
    }
    // The largest outlines first; a picture holds few cards.
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate &a, const Candidate &b) { return a.area > b.area; });
    constexpr size_t mostCandidates = 16;
    if (candidates.size() > mostCandidates)
        candidates.resize(mostCandidates);
    return candidates;
}

// The same map with the card turned half round about the frame's centre,
// which the frame alone cannot tell apart.
CardMap halfTurned(const CardMap &map)
{
    const QPointF twiceCentre(FrameLeft + FrameRight + 1, FrameTop + FrameBottom + 1);
    const QTransform turn(-1, 0, 0, -1, twiceCentre.x(), twiceCentre.y());
    CardMap turned(turn * map.projective());
    turned.setLens(map.lens());
    if (map.isBent())
        turned.setDisplacement([&](QPointF p) { return -map.displacement(twiceCentre - p); });
    turned.setSharpness(map.sharpness());
    return turned;
}

// The map that shows the frame most crisply fits best; the same map turned
// half round shows it alike, and the field marks tell them apart.
bool isBetter(const CardPlacement &a, const CardPlacement &b)
{
    const double sa = a.cardToImage.sharpness(), sb = b.cardToImage.sharpness();
    if (std::abs(sa - sb) > 1e-6 * std::max(1.0, std::abs(sb)))
        return sa > sb;
    return a.contrast > b.contrast;
}

// The best placement of a card on one outline: each outline of the card
// and each way round that puts the card's long side along the long side.
std::optional<CardPlacement> placeOnOutline(const GrayImage &image, const Candidate &candidate)
{
    const auto &c = candidate.corners;
    const double first = distance(c[0], c[1]) + distance(c[2], c[3]);
    const double second = distance(c[1], c[2]) + distance(c[3], c[0]);
    std::vector<size_t> starts;
    if (first > 0.85 * second)
        starts.push_back(0);
    if (second > 0.85 * first)
        starts.push_back(1);
    std::optional<CardPlacement> best;
    for (const CardRect &rect : cardOutlines) {
        for (size_t start : starts) {
            const auto rough = placementOf(c, rect, start);
            if (!rough)
                continue;
            const CardMap fitted = fitToFrame(image, *rough);
            for (const CardMap &map : {fitted, halfTurned(fitted)}) {
                const auto placement = checkPlacement(image, map);
                if (placement && (!best || isBetter(*placement, *best)))
                    best = placement;
            }
        }
    }
    return best;
}

} // namespace

QPolygonF CardPlacement::outline() const
{
    QPolygonF polygon;
    for (QPointF corner :
         {QPointF(0, 0), QPointF(Width, 0), QPointF(Width, Height), QPointF(0, Height)})
        polygon << cardToImage.map(corner);
    return polygon;
}

std::optional<CardPlacement> checkPlacement(const GrayImage &image, const CardMap &cardToImage)
{
    if (!isCardInside(image, cardToImage))
        return std::nullopt;
    const std::vector<MarkContrast> marks = markContrasts(image, cardToImage);
    float faceSum = 0, contrastSum = 0, relativeSum = 0, weakest = 1e9f;
    for (const MarkContrast &mark : marks) {
        const float contrast = mark.face - mark.ink;
        if (std::isnan(contrast) || mark.face <= 0)
            return std::nullopt;
        faceSum += mark.face;
        contrastSum += contrast;
        // Against the face beside it: a mark in a shadow stands out as well.
        const float relative = contrast / mark.face;
        relativeSum += relative;
        weakest = std::min(weakest, relative);
    }
    CardPlacement placement;
    placement.cardToImage = cardToImage;
    placement.face = faceSum / float(marks.size());
    placement.contrast = contrastSum / float(marks.size());
    // Every mark must be there, about as clear as the others.
    constexpr float minimumContrast = 20;
    const float relativeMean = relativeSum / float(marks.size());
    if (placement.contrast < minimumContrast || weakest < 0.4f * relativeMean)
        return std::nullopt;
    return placement;
}

std::vector<CardPlacement> locateCards(const GrayImage &image)
{
    if (image.width() < 8 || image.height() < 8)
        return {};
    std::vector<CardPlacement> cards;
    for (const Candidate &candidate : candidateOutlines(image)) {
        const auto placement = placeOnOutline(image, candidate);
        if (!placement)
            continue;
        // The same card found again by another of its outlines.
        const QPointF centre = placement->cardToImage.map(QPointF(Width / 2.0, Height / 2.0));
        const bool known = std::any_of(cards.begin(), cards.end(), [&](const CardPlacement &card) {
            return card.outline().containsPoint(centre, Qt::OddEvenFill);
        });
        if (!known)
            cards.push_back(*placement);
    }
    return cards;
}
