#include "highlights.h"

#include "printed_areas.h"
#include "scan_reader.h"

#include <algorithm>
#include <cmath>

namespace {

// The picture's white: nothing shows lighter.
constexpr float pictureWhite = 255;

// Whether the face around a position lies at the picture's white: noise on
// the clipped light pulls it a little below.
bool atTheWhite(const PositionSample &s, float noise)
{
    return s.lighterFace >= pictureWhite - 2 * std::max(1.5f, noise);
}

} // namespace

std::vector<HolesNear> holesNear(const Evidence &e, const std::vector<Hole> &positions,
                                 float threshold)
{
    // Card pixels: holes up to three rows away, or nearly two columns,
    // still show a highlight that washes a hole out.
    constexpr double nearby = 130;
    std::vector<HolesNear> near(positions.size());
    for (size_t k = 0; k < positions.size(); ++k) {
        if (e.stray(k) < threshold)
            continue;
        const QPointF hole = holeCentre(positions[k]);
        const double share = std::min(1.0, double(e.stray(k) / e.full));
        const bool clear = !PrintedAreas::besidePrint(positions[k]);
        for (size_t i = 0; i < positions.size(); ++i) {
            const QPointF d = holeCentre(positions[i]) - hole;
            const double distance = std::hypot(d.x(), d.y());
            if (i == k || distance >= nearby)
                continue;
            if (distance < HoleGrid::RowPitch * 1.1)
                near[i].nextInColumn = std::min(near[i].nextInColumn.value_or(1.0), share);
            if (clear)
                near[i].clearOfPrint = std::min(near[i].clearOfPrint.value_or(1.0), share);
        }
    }
    return near;
}

WhiteOnTheCard whiteOnTheCard(const Evidence &e, float noise)
{
    WhiteOnTheCard white;
    std::vector<float> faces;
    for (const PositionSample &s : e.samples) {
        white.share += atTheWhite(s, noise);
        faces.push_back(s.lighterFace);
    }
    white.share /= double(e.samples.size());
    // Most of a card under a highlight lies well below the white: twenty
    // grey levels at least, and six times the noise.
    white.standsOut = pictureWhite - quantile(faces, 0.5) >= std::max(20.0f, 6 * noise);
    return white;
}

double holeWouldShow(const Evidence &e, size_t i, float threshold, const HolesNear &near,
                     float noise, const WhiteOnTheCard &white)
{
    const PositionSample &s = e.samples[i];
    if (e.holesLight) {
        const float face = std::max(s.face, 1.0f);
        return ((pictureWhite - face) / face - threshold) / threshold;
    }
    if (!atTheWhite(s, noise))
        return 1.0;
    const auto sureBy = [](std::optional<double> share, double doubtful, double sure) {
        return share ? (*share - doubtful) / (sure - doubtful) * ScanReading::certain : 0.0;
    };
    const double byHolesNear = sureBy(near.clearOfPrint, 0.7, 0.85);
    constexpr double patch = 0.25; // of the card's positions
    if (white.standsOut && white.share <= patch)
        return std::min(byHolesNear, sureBy(near.nextInColumn, 0.6, 0.75));
    return near.clearOfPrint ? byHolesNear : 1.0;
}
