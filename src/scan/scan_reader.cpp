#include "scan_reader.h"

#include "card_locator.h"
#include "card_outline.h"
#include "gray_image.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The reader works on at most about this many pixels across: a card at any
// resolution then still spans several pixels per hole.
constexpr int workingSide = 800;

int reductionFor(const QImage &picture)
{
    return std::max(1, std::max(picture.width(), picture.height()) / workingSide);
}

int positionIndex(const Hole &hole)
{
    return (hole.field - HoleGrid::FieldI) * HoleGrid::HolesPerField + hole.number - 1;
}

QPointF holeCentre(const Hole &hole)
{
    const double radius = HoleGrid::MarkerSize / 2.0;
    return {HoleGrid::markerX(hole.number) + radius,
            HoleGrid::markerY(hole.field, hole.number) + radius};
}

// What one position shows: the card face around it, and the lighter and
// darker parts of the disc where a hole would be. Quantiles rather than
// means, so that card text running across a position does not make a hole.
struct PositionSample
{
    float face = 0;
    float darkPart = 0;  // most of the disc is at least this light
    float lightPart = 0; // most of the disc is at most this light
    float mean = 0;      // a part-punched hole shows here
};

PositionSample samplePosition(const GrayImage &image, const QTransform &map, const Hole &hole)
{
    const QPointF centre = holeCentre(hole);
    const double discRadius = HoleGrid::MarkerSize / 2.0 - 2.0;
    const double faceRadius = HoleGrid::MarkerSize / 2.0 + 4.5;
    std::vector<float> disc;
    const double step = 1.0;
    for (double dy = -discRadius; dy <= discRadius; dy += step) {
        for (double dx = -discRadius; dx <= discRadius; dx += step) {
            if (dx * dx + dy * dy <= discRadius * discRadius)
                disc.push_back(image.sample(map.map(centre + QPointF(dx, dy))));
        }
    }
    std::vector<float> face;
    constexpr int facePoints = 16;
    for (int i = 0; i < facePoints; ++i) {
        const double angle = 2 * M_PI * i / facePoints;
        face.push_back(
            image.sample(map.map(centre + QPointF(std::cos(angle), std::sin(angle)) * faceRadius)));
    }
    auto quantile = [](std::vector<float> &values, double q) {
        const size_t k = std::min(values.size() - 1, size_t(q * double(values.size())));
        std::nth_element(values.begin(), values.begin() + long(k), values.end());
        return values[k];
    };
    PositionSample sample;
    float sum = 0;
    for (float value : disc)
        sum += value;
    sample.mean = sum / float(disc.size());
    sample.face = quantile(face, 0.5);
    sample.darkPart = quantile(disc, 0.75);
    sample.lightPart = quantile(disc, 0.25);
    return sample;
}

std::vector<Hole> allPositions()
{
    std::vector<Hole> positions;
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int number = 1; number <= HoleGrid::HolesPerField; ++number)
            positions.push_back({field, number});
    }
    return positions;
}

// Decides every position once the card is placed. A hole shows what lies
// behind the card or the ink of a printed marker: darker or lighter than
// the face, the same at every hole. The side that strays furthest from the
// face is taken as the holes' side; half that stray is the threshold.
void decideHoles(const GrayImage &image, const CardPlacement &placement, ScanReading &reading)
{
    const std::vector<Hole> positions = allPositions();
    std::vector<float> darker, lighter, meanStray;
    for (const Hole &hole : positions) {
        const PositionSample s = samplePosition(image, placement.cardToImage, hole);
        darker.push_back(s.face - s.darkPart);
        lighter.push_back(s.lightPart - s.face);
        meanStray.push_back(s.mean - s.face);
    }
    const float mostDarker = *std::max_element(darker.begin(), darker.end());
    const float mostLighter = *std::max_element(lighter.begin(), lighter.end());
    reading.holesLight = mostLighter > mostDarker;
    const std::vector<float> &stray = reading.holesLight ? lighter : darker;
    float full = std::max(mostDarker, mostLighter);
    // A card without holes: nothing strays more than a fraction of the ink.
    const bool anyHole = full >= 0.3f * placement.contrast;
    if (!anyHole)
        full = placement.contrast;
    const float threshold = full / 2;
    auto sureness = [threshold](float value) {
        return std::min(1.0, std::abs(double(value - threshold)) / threshold);
    };
    for (size_t i = 0; i < positions.size(); ++i) {
        const bool punched = anyHole && stray[i] >= threshold;
        // The disc's mean must agree with its bulk, or part of it differs.
        const float meanOnHoleSide = reading.holesLight ? meanStray[i] : -meanStray[i];
        const double confidence = std::min(sureness(stray[i]), sureness(meanOnHoleSide));
        reading.confidence[i] = confidence;
        if (punched)
            reading.holes.push_back(positions[i]);
        if (confidence < ScanReading::certain)
            reading.uncertain.push_back(positions[i]);
    }
}

// The picture the program writes is the card itself, pixel for pixel.
std::optional<CardPlacement> ownPicturePlacement(const QImage &picture, const GrayImage &image)
{
    if (picture.width() != CardOutline::Width || picture.height() != CardOutline::Height)
        return std::nullopt;
    // Card pixel edges to the sample grid, where pixel centres are whole.
    return checkPlacement(image, QTransform::fromTranslate(-0.5, -0.5));
}

} // namespace

double ScanReading::confidenceOf(const Hole &hole) const
{
    return HoleGrid::isValid(hole) ? confidence[size_t(positionIndex(hole))] : 0.0;
}

ScanReading readCardPicture(const QImage &picture)
{
    ScanReading reading;
    const int reduction = reductionFor(picture);
    const GrayImage image = GrayImage::fromImage(picture, reduction);
    std::optional<CardPlacement> placement = ownPicturePlacement(picture, image);
    if (!placement)
        placement = locateCard(image);
    if (!placement) {
        reading.failure = QCoreApplication::translate("Lochkartor", "keine Karte gefunden");
        return reading;
    }
    reading.cardFound = true;
    decideHoles(image, *placement, reading);
    // Sample coordinates of the reduced picture back to the picture's pixels.
    reading.cardToPicture = placement->cardToImage * QTransform::fromTranslate(0.5, 0.5)
                            * QTransform::fromScale(reduction, reduction);
    return reading;
}
