#include "holes_astray.h"

#include "position_sample.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// A disc as large as most of a hole, all of it on the holes' side of half
// a clear hole's stray, and a ring of face around it.
bool looksLikeHole(const GrayImage &image, const CardMap &map, QPointF centre, float holeStray,
                   bool holesLight)
{
    constexpr int around = 8;
    std::array<float, around> ring{};
    std::array<float, around + 1> disc{};
    disc[around] = image.sample(map.map(centre));
    for (int k = 0; k < around; ++k) {
        const QPointF unit(std::cos(M_PI * k / 4), std::sin(M_PI * k / 4));
        disc[size_t(k)] = image.sample(map.map(centre + unit * 4.0));
        ring[size_t(k)] = image.sample(map.map(centre + unit * 11.0));
    }
    std::sort(ring.begin(), ring.end());
    // Print only darkens the ring; a light hole's edge may lighten it.
    const float face = std::max(ring[holesLight ? 4 : 5], 1.0f);
    const auto stray = [&](float grey) { return (holesLight ? grey - face : face - grey) / face; };
    const float half = holeStray / 2;
    for (float grey : disc) {
        if (stray(grey) < half)
            return false;
    }
    const int faceAround = int(std::count_if(ring.begin(), ring.end(),
                                             [&](float grey) { return stray(grey) < half / 2; }));
    return faceAround >= 6;
}

// The position whose centre lies nearest a card point of the field.
Hole nearestPosition(int field, QPointF p)
{
    using namespace HoleGrid;
    const double firstY = field == FieldI ? FieldIFirstMarkerY : FieldIIFirstMarkerY;
    const int column = std::clamp(
        int(std::lround((p.x() - FirstMarkerX - MarkerSize / 2.0) / ColumnPitch)), 0, Columns - 1);
    const int row
        = std::clamp(int(std::lround((p.y() - firstY - MarkerSize / 2.0) / RowPitch)), 0, Rows - 1);
    return {field, column * Rows + row + 1};
}

} // namespace

HoleList positionsNearHolesAstray(const GrayImage &image, const CardMap &map, float holeStray,
                                  bool holesLight)
{
    using namespace HoleGrid;
    HoleList named;
    constexpr double step = 3;
    // Nearer than this to a position's centre, a hole is the position's own.
    constexpr double own = 5;
    for (int field : {FieldI, FieldII}) {
        const Hole first{field, 1}, last{field, HolesPerField};
        const QPointF from = holeCentre(first) - QPointF(ColumnPitch / 2.0, RowPitch / 2.0);
        const QPointF to = holeCentre(last) + QPointF(ColumnPitch / 2.0, RowPitch / 2.0);
        for (double y = from.y(); y <= to.y(); y += step) {
            for (double x = from.x(); x <= to.x(); x += step) {
                const QPointF p(x, y);
                const Hole nearest = nearestPosition(field, p);
                const QPointF d = p - holeCentre(nearest);
                if (std::hypot(d.x(), d.y()) < own)
                    continue;
                if (std::find(named.begin(), named.end(), nearest) != named.end())
                    continue;
                if (looksLikeHole(image, map, p, holeStray, holesLight))
                    named.push_back(nearest);
            }
        }
    }
    std::sort(named.begin(), named.end());
    return named;
}
