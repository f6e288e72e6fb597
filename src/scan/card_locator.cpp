#include "card_locator.h"

#include "card_outline.h"

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

LabelledImage labelRegions(const GrayImage &image, float threshold)
{
    const int w = image.width();
    const int h = image.height();
    LabelledImage result;
    result.labels.assign(size_t(w) * size_t(h), -1);
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (result.labels[size_t(start)] >= 0)
            continue;
        const bool light = image.at(start % w, start / w) >= threshold;
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
            auto visit = [&](int nx, int ny) {
                const int n = ny * w + nx;
                if (result.labels[size_t(n)] < 0 && (image.at(nx, ny) >= threshold) == light) {
                    result.labels[size_t(n)] = label;
                    stack.push_back(n);
                }
            };
            if (x > 0)
                visit(x - 1, y);
            if (x + 1 < w)
                visit(x + 1, y);
            if (y > 0)
                visit(x, y - 1);
            if (y + 1 < h)
                visit(x, y + 1);
        }
        result.regions.push_back(region);
    }
    return result;
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

// The outline of a region: its outermost pixel centres row by row, widened
// by half a pixel to the pixels' edges.
Outline regionOutline(const LabelledImage &labelled, int label, const Region &region, int width)
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
    Outline outline = smallestRectangle(convexHull(points));
    outline.halfLength += 0.5;
    outline.halfWidth += 0.5;
    return outline;
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

// Maps `rect` onto `outline`, the card upright or turned half round.
QTransform placementOf(const Outline &outline, const CardRect &rect, bool halfTurn)
{
    const double sx = 2 * outline.halfLength / (rect.right - rect.left);
    const double sy = 2 * outline.halfWidth / (rect.bottom - rect.top);
    const QPointF u = halfTurn ? -outline.axis : outline.axis;
    const QPointF v(-u.y(), u.x());
    const double cx = (rect.left + rect.right) / 2;
    const double cy = (rect.top + rect.bottom) / 2;
    // card (x, y) -> centre + (x - cx) sx u + (y - cy) sy v
    const double m11 = sx * u.x(), m12 = sx * u.y();
    const double m21 = sy * v.x(), m22 = sy * v.y();
    const double dx = outline.centre.x() - cx * m11 - cy * m21;
    const double dy = outline.centre.y() - cx * m12 - cy * m22;
    return QTransform(m11, m12, m21, m22, dx, dy);
}

// Mean grey along a line between two card points; nan when it leaves the
// picture.
float meanAlong(const GrayImage &image, const QTransform &map, QPointF from, QPointF to, int steps)
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
std::vector<MarkContrast> markContrasts(const GrayImage &image, const QTransform &map)
{
    std::vector<MarkContrast> marks;
    const double half = FrameWidth / 2.0;
    const double inset = FrameWidth + 4.0;
    const double l = FrameLeft, t = FrameTop, r = FrameRight + 1.0, b = FrameBottom + 1.0;
    // Each side: a line on the frame, one inside it; the corners are left out.
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
        marks.push_back({meanAlong(image, map, side.a + in, side.b + in, 24),
                         meanAlong(image, map, side.a, side.b, 24)});
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

bool isCardInside(const GrayImage &image, const QTransform &map)
{
    const QPolygonF frame = map.map(
        QPolygonF(QRectF(QPointF(FrameLeft, FrameTop), QPointF(FrameRight + 1, FrameBottom + 1))));
    for (const QPointF &corner : frame) {
        if (!image.contains(corner))
            return false;
    }
    return true;
}

// A card on too few pixels cannot show its holes.
constexpr double minimumScale = 0.25;

} // namespace

std::optional<CardPlacement> checkPlacement(const GrayImage &image, const QTransform &cardToImage)
{
    if (!isCardInside(image, cardToImage))
        return std::nullopt;
    const std::vector<MarkContrast> marks = markContrasts(image, cardToImage);
    float faceSum = 0, contrastSum = 0, weakest = 1e9f;
    for (const MarkContrast &mark : marks) {
        const float contrast = mark.face - mark.ink;
        if (std::isnan(contrast))
            return std::nullopt;
        faceSum += mark.face;
        contrastSum += contrast;
        weakest = std::min(weakest, contrast);
    }
    CardPlacement placement;
    placement.cardToImage = cardToImage;
    placement.face = faceSum / float(marks.size());
    placement.contrast = contrastSum / float(marks.size());
    // Every mark must be there, about as clear as the others.
    constexpr float minimumContrast = 20;
    if (placement.contrast < minimumContrast || weakest < 0.4f * placement.contrast)
        return std::nullopt;
    return placement;
}

std::optional<CardPlacement> locateCard(const GrayImage &image)
{
    if (image.width() < 8 || image.height() < 8)
        return std::nullopt;
    const GrayImage smooth = image.smoothed();
    const LabelledImage labelled = labelRegions(smooth, smooth.otsuThreshold());
    const double minimumLength = minimumScale * (cardOutlines[0].right - cardOutlines[0].left);

    std::optional<CardPlacement> best;
    double bestWeakest = 0;
    for (int label = 0; label < int(labelled.regions.size()); ++label) {
        const Region &region = labelled.regions[size_t(label)];
        const int extent = std::max(region.right - region.left, region.bottom - region.top);
        if (extent < minimumLength)
            continue;
        const Outline outline = regionOutline(labelled, label, region, image.width());
        for (const CardRect &rect : cardOutlines) {
            for (bool halfTurn : {false, true}) {
                const auto placement = checkPlacement(image, placementOf(outline, rect, halfTurn));
                if (!placement)
                    continue;
                const double score = placement->contrast;
                if (!best || score > bestWeakest) {
                    best = placement;
                    bestWeakest = score;
                }
            }
        }
    }
    return best;
}
