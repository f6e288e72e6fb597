#include "position_sample.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace {

// The position sampled every card pixel, on a grid of half pixels about
// the hole's centre that covers the whole hole.
constexpr int gridSide = 16;
constexpr double gridReach = (gridSide - 1) / 2.0;
using Grid = std::array<float, gridSide * gridSide>;

double offsetOf(int index)
{
    return index - gridReach;
}

// The grid points within `radius` of the centre.
std::vector<int> gridDisc(double radius)
{
    std::vector<int> points;
    for (int y = 0; y < gridSide; ++y) {
        for (int x = 0; x < gridSide; ++x) {
            if (std::hypot(offsetOf(x), offsetOf(y)) <= radius)
                points.push_back(y * gridSide + x);
        }
    }
    return points;
}

// A patch of `radius` about a centre on the grid: the centres within
// `centreReach` of the hole's centre, the offsets within the patch.
struct Patches
{
    std::vector<int> centres;
    std::vector<int> offsets; // grid index steps
    float count = 0;

    Patches(double radius, double centreReach)
    {
        centres = gridDisc(centreReach);
        const int r = int(std::ceil(radius));
        for (int dy = -r; dy <= r; ++dy) {
            for (int dx = -r; dx <= r; ++dx) {
                if (dx * dx + dy * dy <= radius * radius)
                    offsets.push_back(dy * gridSide + dx);
            }
        }
        count = float(offsets.size());
    }
};

// The darkest and the lightest mean of the patches; each lies wholly in
// the grid, which reaches a hole's radius from its centre.
std::pair<float, float> patchExtremes(const Grid &grid, const Patches &patches)
{
    float darkest = 1e9f, lightest = -1e9f;
    for (int centre : patches.centres) {
        float sum = 0;
        for (int offset : patches.offsets)
            sum += grid[size_t(centre + offset)];
        darkest = std::min(darkest, sum / patches.count);
        lightest = std::max(lightest, sum / patches.count);
    }
    return {darkest, lightest};
}

} // namespace

QPointF holeCentre(const Hole &hole)
{
    const double radius = HoleGrid::MarkerSize / 2.0;
    return {HoleGrid::markerX(hole.number) + radius,
            HoleGrid::markerY(hole.field, hole.number) + radius};
}

float quantile(std::vector<float> &values, double q)
{
    const size_t k = std::min(values.size() - 1, size_t(q * double(values.size())));
    std::nth_element(values.begin(), values.begin() + long(k), values.end());
    return values[k];
}

PositionSample samplePosition(const GrayImage &image, const CardMap &map, const Hole &hole)
{
    const QPointF centre = holeCentre(hole);
    Grid grid{};
    for (int y = 0; y < gridSide; ++y) {
        for (int x = 0; x < gridSide; ++x)
            grid[size_t(y * gridSide + x)]
                = image.sample(map.map(centre + QPointF(offsetOf(x), offsetOf(y))));
    }
    static const std::vector<int> discPoints = gridDisc(discRadius);
    std::vector<float> disc;
    for (int point : discPoints)
        disc.push_back(grid[size_t(point)]);
    std::vector<float> face;
    constexpr int facePoints = 16;
    for (int i = 0; i < facePoints; ++i) {
        const double angle = 2 * M_PI * i / facePoints;
        face.push_back(
            image.sample(map.map(centre + QPointF(std::cos(angle), std::sin(angle)) * faceRadius)));
    }
    PositionSample sample;
    sample.darkerTenths = quantile(disc, 0.4);
    sample.lighterTenths = quantile(disc, 0.6);
    sample.face = quantile(face, 0.5);
    sample.lighterFace = quantile(face, 0.75);
    sample.faceSpread = sample.lighterFace - quantile(face, 0.25);
    sample.darkPart = quantile(disc, 0.75);
    sample.lightPart = quantile(disc, 0.25);
    // A patch of four pixels' radius fits into half a hole; it may reach
    // the rim. A gap of two pixels' radius must lie within the disc.
    constexpr double solidRadius = 4, gapRadius = 2;
    static const Patches solid(solidRadius, holeRadius - solidRadius);
    static const Patches gap(gapRadius, discRadius - gapRadius);
    std::tie(sample.darkestSolid, sample.lightestSolid) = patchExtremes(grid, solid);
    std::tie(sample.darkestGap, sample.lightestGap) = patchExtremes(grid, gap);
    return sample;
}
