#include "hole_colour.h"

#include "position_sample.h"
#include "printed_areas.h"

#include <cmath>

ColourImage ColourImage::fromImage(const QImage &image, int factor)
{
    if (image.isNull() || factor < 1 || image.isGrayscale())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    ColourImage colour;
    colour.blue = GrayImage(rgb.width() / factor, rgb.height() / factor);
    colour.red = GrayImage(rgb.width() / factor, rgb.height() / factor);
    bool anyColour = false;
    // The middle pixel of each block: a table's colour spans many blocks,
    // and a phone's picture carries its colour coarser than its grey.
    for (int y = 0; y < colour.blue.height(); ++y) {
        const auto *line
            = reinterpret_cast<const QRgb *>(rgb.constScanLine(y * factor + factor / 2));
        for (int x = 0; x < colour.blue.width(); ++x) {
            const QRgb p = line[x * factor + factor / 2];
            const int grey = qGray(p);
            colour.blue.at(x, y) = float(qBlue(p) - grey);
            colour.red.at(x, y) = float(qRed(p) - grey);
            anyColour |= qBlue(p) != grey || qRed(p) != grey;
        }
    }
    return anyColour ? colour : ColourImage();
}

namespace {

// How far a position's disc differs in colour from the ring of face
// around it, in grey levels.
float colourDifference(const ColourImage &colour, const CardMap &map, const Hole &hole)
{
    const QPointF centre = holeCentre(hole);
    float discBlue = 0, discRed = 0, faceBlue = 0, faceRed = 0;
    int discCount = 0;
    for (double y = -discRadius; y <= discRadius; y += 1.5) {
        for (double x = -discRadius; x <= discRadius; x += 1.5) {
            if (x * x + y * y > discRadius * discRadius)
                continue;
            const QPointF p = map.map(centre + QPointF(x, y));
            discBlue += colour.blue.sample(p);
            discRed += colour.red.sample(p);
            ++discCount;
        }
    }
    constexpr int facePoints = 16;
    for (int i = 0; i < facePoints; ++i) {
        const double angle = 2 * M_PI * i / facePoints;
        const QPointF p = map.map(centre + QPointF(std::cos(angle), std::sin(angle)) * faceRadius);
        faceBlue += colour.blue.sample(p);
        faceRed += colour.red.sample(p);
    }
    return std::hypot(discBlue / discCount - faceBlue / facePoints,
                      discRed / discCount - faceRed / facePoints);
}

} // namespace

HoleList positionsOfAnotherColour(const ColourImage &colour, const CardMap &map,
                                  const std::vector<Hole> &positions)
{
    if (colour.isNull())
        return {};
    std::vector<float> differences, clear;
    for (const Hole &hole : positions) {
        differences.push_back(colourDifference(colour, map, hole));
        if (!PrintedAreas::besidePrint(hole))
            clear.push_back(differences.back());
    }
    // Most positions clear of print show the face; holes of another colour
    // are a few among them.
    const float middle = quantile(clear, 0.5);
    for (float &value : clear)
        value = std::abs(value - middle);
    const float spread = std::max(1.0f, quantile(clear, 0.5) / 0.674f);
    // Grey levels: the colour of a table, not JPEG's colour noise.
    constexpr float plainly = 12;
    HoleList other;
    for (size_t i = 0; i < positions.size(); ++i) {
        if (differences[i] >= std::max(middle + 6 * spread, plainly))
            other.push_back(positions[i]);
    }
    return other;
}
