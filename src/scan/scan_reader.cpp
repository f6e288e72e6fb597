#include "scan_reader.h"

#include "cap_note_ink.h"
#include "card_locator.h"
#include "card_outline.h"
#include "frame_gaps.h"
#include "gray_image.h"
#include "highlights.h"
#include "hole_colour.h"
#include "holes_astray.h"
#include "homography.h"
#include "position_evidence.h"
#include "position_sample.h"
#include "printed_areas.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <optional>
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

std::vector<Hole> allPositions()
{
    std::vector<Hole> positions;
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int number = 1; number <= HoleGrid::HolesPerField; ++number)
            positions.push_back({field, number});
    }
    return positions;
}

enum class Bend { First, Again };

// Where the clearly punched holes really lie, each found within a few card
// pixels of where the map puts it; the map is then bent, smoothly, to what
// they show. A bowed card or a lens moves whole neighbourhoods of holes
// alike, which the frame alone cannot follow inside the card.
//
// Bent again, the map follows what the first bend left off. Letters beside
// a hole draw the search a little towards them, and the map would creep on
// into the print: a second bend leaves holes beside print out, and holds
// the map where a hole lies within a pixel and a half of its place: so
// far the search strays in a noisy picture.
CardMap refinedOnHoles(const GrayImage &image, const CardMap &map, const Evidence &e,
                       const std::vector<Hole> &positions, Bend bend)
{
    const bool again = bend == Bend::Again;
    constexpr double settled = 1.5; // card pixels the search strays in a noisy picture
    std::vector<QPointF> found, shift;
    const double sign = e.holesLight ? 1 : -1;
    // The disc against a ring of face around it: text beside a hole does
    // not draw the disc towards it.
    auto discScore = [&](QPointF centre) {
        double disc = 0, ring = 0;
        for (int k = 0; k < 8; ++k) {
            const double angle = M_PI * k / 4;
            const QPointF unit(std::cos(angle), std::sin(angle));
            disc += image.sample(map.map(centre + unit * 2.5))
                    + image.sample(map.map(centre + unit * 5.0));
            ring += image.sample(map.map(centre + unit * 10.5));
        }
        disc += 2 * image.sample(map.map(centre));
        return sign * (disc / 18 - ring / 8);
    };
    for (size_t i = 0; i < positions.size(); ++i) {
        if (!e.anyHole)
            continue;
        const bool besidePrint = PrintedAreas::besidePrint(positions[i]);
        // A hole some pixels off its place strays little over the disc,
        // but a patch of it as solid as a hole shows within the position.
        const bool offItsPlace = !again && !besidePrint && e.solidStray(i) >= 0.85f * e.full;
        if (e.stray(i) < 0.7f * e.full && !offItsPlace)
            continue;
        if (again && besidePrint)
            continue;
        const QPointF centre = holeCentre(positions[i]);
        QPointF best;
        double bestScore = discScore(centre);
        for (double step : {2.0, 1.0, 0.5}) {
            const QPointF around = best;
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    const QPointF offset = around + QPointF(dx, dy) * step;
                    if (std::abs(offset.x()) > 4 || std::abs(offset.y()) > 4)
                        continue;
                    const double score = discScore(centre + offset);
                    if (score > bestScore) {
                        bestScore = score;
                        best = offset;
                    }
                }
            }
        }
        found.push_back(centre);
        shift.push_back(again && std::hypot(best.x(), best.y()) < settled ? QPointF() : best);
    }
    if (found.size() < 3)
        return map;
    CardMap refined = map;
    constexpr double reach = 70; // card pixels over which a bend is alike
    refined.setDisplacement([&](QPointF p) {
        QPointF sum;
        double weights = 0.5; // with no hole near, no bend
        for (size_t k = 0; k < found.size(); ++k) {
            const QPointF d = found[k] - p;
            const double w = std::exp(-(d.x() * d.x() + d.y() * d.y()) / (2 * reach * reach));
            sum += shift[k] * w;
            weights += w;
        }
        return map.displacement(p) + sum / weights;
    });
    return refined;
}

// Strokes of the card's letters, blurred or not, stay below seven tenths
// of a hole's stray in any patch of half a hole's size; half a hole fills
// one.
constexpr float solidShare = 0.78f;

// Letters across an open position darken part of its disc, as a hole
// punched in part would; but no patch of a hole's size is solid there, and
// the card face shows between the strokes.
bool looksPrinted(const Evidence &e, size_t i, float threshold)
{
    return e.solidStray(i) < solidShare * e.full && e.gapStray(i) < threshold;
}

// How sure an open position that looks printed is by its most solid patch
// alone: strongly blurred letters run together and hide the face between
// their strokes, yet even then no patch of them darkens as a hole does.
// Sure when that patch stays below six tenths of a hole's stray.
double openByItsSolidPatch(const Evidence &e, size_t i, float noise)
{
    constexpr float clearShare = 0.6f;
    const float below = solidShare * e.full - e.solidStray(i);
    const double byShare = below / ((solidShare - clearShare) * e.full) * ScanReading::certain;
    const double byNoise
        = below * faceFor(e.samples[i], e.holesLight) / (3 * noise / ScanReading::certain);
    return std::min(byShare, byNoise);
}

// How far the picture's grey wanders from pixel to pixel on the face, and
// how far the strays of each kind of position wander among themselves. A
// disc's stray is read from many pixels, so it wanders far less than a
// pixel does; measured on the card itself, it takes in whatever ties
// neighbouring pixels together (a lens's blur, JPEG's blocks) without a
// model of either.
struct Noise
{
    float pixel = 0; // grey levels

    // Open positions clear of print: their strays in grey levels.
    float openMiddle = 0, openSpread = 1e9f;
    // Positions read open clear of print, their discs against the ring's
    // part nearest the holes' side in grey levels: middle and spread, even
    // where holes too faint to be told from the face are among them.
    float readOpenMiddle = 0, readOpenSpread = 1e9f;
    // Holes clear of print: their strays as shares of the face, and their
    // spread in grey levels at the holes' usual light.
    float holeMiddle = 0, holeSpread = 1e9f;
};

// A position is sure by the noise when it lies this many spreads of the
// other kind from that kind's middle.
constexpr double kindsApart = 6;

// The median absolute deviation is about 0.674 of a standard deviation.
float spreadOf(std::vector<float> values)
{
    const float middle = quantile(values, 0.5);
    for (float &value : values)
        value = std::abs(value - middle);
    return quantile(values, 0.5) / 0.674f;
}

Noise measureNoise(const Evidence &e, const std::vector<Hole> &positions, float threshold)
{
    std::vector<float> spreads;
    for (const PositionSample &s : e.samples)
        spreads.push_back(s.faceSpread);
    Noise noise;
    // The face's spread between quartiles is about 1.35 of the noise.
    noise.pixel = std::max(1.5f, quantile(spreads, 0.5) / 1.35f);
    std::vector<float> open, readOpen, punched, punchedFaces;
    for (size_t i = 0; i < positions.size(); ++i) {
        if (PrintedAreas::besidePrint(positions[i]))
            continue;
        const float face = faceFor(e.samples[i], e.holesLight);
        if (!e.anyHole || e.stray(i) < threshold)
            readOpen.push_back(e.nearGrey(i));
        if (e.stray(i) < threshold) {
            open.push_back(e.stray(i) * face);
        } else {
            punched.push_back(e.stray(i));
            punchedFaces.push_back(face);
        }
    }
    constexpr size_t enough = 20;
    if (open.size() >= enough) {
        noise.openMiddle = quantile(open, 0.5);
        noise.openSpread = std::max(1.0f, spreadOf(open));
    }
    if (readOpen.size() >= enough) {
        noise.readOpenMiddle = quantile(readOpen, 0.5);
        noise.readOpenSpread = std::max(1.0f, spreadOf(readOpen));
    }
    if (punched.size() >= enough) {
        noise.holeMiddle = quantile(punched, 0.5);
        noise.holeSpread = std::max(1.0f, spreadOf(punched) * quantile(punchedFaces, 0.5));
    }
    return noise;
}

// How many of their spreads an open position strays beyond the positions
// read open. One far beyond is a hole seen through a veil: a highlight over
// it, a table behind the card nearly as light as the face, a picture
// exposed too brightly.
double beyondTheOpen(const Evidence &e, size_t i, const Noise &noise)
{
    return (e.nearGrey(i) - noise.readOpenMiddle) / noise.readOpenSpread;
}

// The least stray of the holes seen through a veil clear of print, if
// there are any: then the holes show far fainter than the threshold
// expects, beside print the letters' own darkness hides such a faint disc,
// and elsewhere a position that strays half as far may be one.
std::optional<float> veiledHoleStray(const Evidence &e, const std::vector<Hole> &positions,
                                     float threshold, const Noise &noise)
{
    std::optional<float> least;
    for (size_t i = 0; i < positions.size(); ++i) {
        const bool open = !e.anyHole || e.stray(i) < threshold;
        // Faint all over: a hole punched in part has a patch as dark as a
        // hole's, and is named for itself.
        if (open && !PrintedAreas::besidePrint(positions[i]) && e.solidStray(i) < threshold
            && beyondTheOpen(e, i, noise) >= kindsApart)
            least = std::min(least.value_or(e.stray(i)), e.stray(i));
    }
    return least;
}

// How sure a position's decision is, 0 to 1: sure only when its disc lies
// clearly to one side of the threshold, a good part of the disc agrees
// with its bulk (or part of it differs), and the difference in grey is
// well above the picture's noise where it lies (or the position lies far
// beyond what the other kind of position shows). Beside print, an open
// position whose dark parts look printed is judged by the face between
// the strokes.
double confidenceOf(const Evidence &e, size_t i, float threshold, const Noise &noise,
                    bool besidePrint)
{
    const auto sureness = [threshold](float value) {
        return std::min(1.0, std::abs(double(value - threshold)) / threshold);
    };
    const float face = faceFor(e.samples[i], e.holesLight);
    const auto aboveNoise = [&](float value) {
        const double margin = std::abs(value - threshold) * face;
        return margin / (3 * noise.pixel / ScanReading::certain);
    };
    const float stray = e.stray(i);
    const bool punched = e.anyHole && stray >= threshold;
    if (besidePrint && !punched && looksPrinted(e, i, threshold))
        return std::max(std::min(sureness(e.gapStray(i)), aboveNoise(e.gapStray(i))),
                        openByItsSolidPatch(e, i, noise.pixel));
    // Clear of the noise also when far out of reach of the other kind of
    // position, whose spread is measured on the same stray.
    const double apart = punched ? (stray * face - noise.openMiddle) / noise.openSpread
                                 : (noise.holeMiddle - stray) * face / noise.holeSpread;
    const double clearOfNoise
        = std::max(aboveNoise(stray), apart / kindsApart * ScanReading::certain);
    const float part = e.partStray(i);
    const double agreement = (part >= threshold) == punched ? sureness(part) : 0.0;
    double likeAHole = 1;
    if (besidePrint && punched) {
        // Letters blurred together darken a disc beside them, but seldom
        // as far as a clear hole: beside print a hole is sure only when it
        // strays nearly as far as the others. Ink only darkens, so dark
        // holes are also held to the others' middles: there blurred
        // strokes still let the face between them show.
        constexpr double sureShare = 0.85, doubtfulShare = 0.7;
        double share = stray / e.full;
        if (!e.holesLight)
            share = std::min(share, double(e.gapStray(i) / std::max(e.fullMiddle, 1e-3f)));
        likeAHole = (share - doubtfulShare) / (sureShare - doubtfulShare) * ScanReading::certain;
    }
    double likeTheOpen = 1;
    if (!punched && !besidePrint)
        likeTheOpen
            = (2 * kindsApart - beyondTheOpen(e, i, noise)) / kindsApart * ScanReading::certain;
    return std::min({sureness(stray), agreement, clearOfNoise, likeAHole, likeTheOpen});
}

// The flat map nearest the whole of `map`, bow and lens included, for
// what reads the card through a flat map (its texts): the map's own flat
// part follows the frame's corners and leaves a bowed card's middle off.
QTransform flatFitOf(const CardMap &map)
{
    if (!map.isBent() && map.lens().k == 0)
        return map.projective();
    std::vector<QPointF> card, picture;
    constexpr int across = 24, down = 18;
    for (int y = 0; y <= down; ++y) {
        for (int x = 0; x <= across; ++x) {
            const QPointF p(CardOutline::Width * x / double(across),
                            CardOutline::Height * y / double(down));
            card.push_back(p);
            picture.push_back(map.map(p));
        }
    }
    return fitHomography(card, picture).value_or(map.projective());
}

// How sure an open position clear of print is that it shows the card's
// face: a hole may show a table unlike its other holes. Lighter than the
// face where the holes show dark (a light stripe of a patterned table, a
// white sheet), or darker where they show light: sure within an eighth of
// a hole's stray, not at a quarter. Or dark in part only, a crescent of
// the table in the card's shadow: sure while no patch of the position is
// three tenths as dark as a hole, not at half.
double unlikeTheFace(const Evidence &e, size_t i, float threshold)
{
    const double byOtherSide = (threshold / 2 - e.otherStray(i)) / (threshold / 4);
    const double byPatch = e.anyHole ? (0.5 * e.full - e.solidBeyondRing(i)) / (0.2 * e.full) : 1;
    return std::min(byOtherSide, byPatch) * ScanReading::certain;
}

// Decides every position once the card is placed. A hole shows what lies
// behind the card or the ink of a printed marker: darker or lighter than
// the face, the same at every hole. The side that strays furthest from the
// face is taken as the holes' side; half that stray is the threshold.
void decideHoles(const GrayImage &image, const ColourImage &colour, const CardPlacement &placement,
                 bool ownPicture, ScanReading &reading)
{
    const std::vector<Hole> positions = allPositions();
    Evidence e = gatherEvidence(image, placement, placement.cardToImage, positions);
    // Bent twice: a hole the frame's map places far off strays too little
    // to be followed, or lies beyond the search, as under a strong lens in
    // the card's middle; the first bend brings it near, the second follows.
    CardMap map = placement.cardToImage;
    for (const Bend bend : {Bend::First, Bend::Again}) {
        const CardMap refined = refinedOnHoles(image, map, e, positions, bend);
        if (!refined.isBent())
            break;
        map = refined;
        e = gatherEvidence(image, placement, map, positions);
    }
    reading.holesLight = e.holesLight;
    const float threshold = e.full / 2;
    const Noise noise = measureNoise(e, positions, threshold);
    const HoleList astray
        = e.anyHole ? positionsNearHolesAstray(image, map, e.full, e.holesLight) : HoleList();
    const std::vector<QPointF> gaps = frameGaps(image, map);
    const HoleList otherColour = positionsOfAnotherColour(colour, map, positions);
    const std::optional<float> veiled = veiledHoleStray(e, positions, threshold, noise);
    const std::vector<HolesNear> near = holesNear(e, positions, threshold);
    const WhiteOnTheCard white = whiteOnTheCard(e, noise.pixel);
    bool holeClearOfPrint = false;
    for (size_t i = 0; i < positions.size(); ++i)
        holeClearOfPrint |= e.stray(i) >= threshold && !PrintedAreas::besidePrint(positions[i]);
    for (size_t i = 0; i < positions.size(); ++i) {
        bool punched = e.anyHole && e.stray(i) >= threshold;
        const bool besidePrint = PrintedAreas::besidePrint(positions[i]);
        double confidence = std::min(1.0, confidenceOf(e, i, threshold, noise, besidePrint));
        // Beside a cap note, the note's own letters painted in tell what
        // darkens a position: where they account for all of it, it is
        // open, however dark its disc came out in a coarse picture.
        if (besidePrint && confidence < ScanReading::certain) {
            const auto open
                = openBesideCapNote(image, map, positions[i], e.full, e.holesLight, noise.pixel);
            if (open && (!punched || *open >= ScanReading::certain)) {
                confidence = std::max(punched ? 0.0 : confidence, *open);
                punched = false;
            }
        }
        // Holes seen through a veil clear of print: beside print the
        // letters stray further than such holes, and nothing there can be
        // told; elsewhere what strays half as far may be one.
        if (veiled && (besidePrint || (!punched && e.stray(i) >= *veiled / 2)))
            confidence = std::min(confidence, 0.0);
        if (!punched && !besidePrint)
            confidence = std::min(confidence, unlikeTheFace(e, i, threshold));
        if (!punched && e.anyHole)
            confidence
                = std::min(confidence, holeWouldShow(e, i, threshold, near[i], noise.pixel, white));
        // A photo or scan that shows no hole at all is far likelier one whose
        // holes did not show than a card for the tester, which always has
        // some; so is one whose only holes lie under print, where blurred
        // letters darken a position as far as faint holes do.
        if ((!e.anyHole || !holeClearOfPrint) && !ownPicture)
            confidence = std::min(confidence, ScanReading::certain / 2);
        // Covered, or behind a hidden stretch of the frame: not to be told.
        if (nearFrameGap(positions[i], gaps))
            confidence = 0;
        // An open position of another colour than the face shows a table
        // through a hole, however like the face its grey.
        if (!punched
            && std::find(otherColour.begin(), otherColour.end(), positions[i]) != otherColour.end())
            confidence = 0;
        // An open position with a hole beside it: the map may have missed it.
        if (!punched && std::find(astray.begin(), astray.end(), positions[i]) != astray.end())
            confidence = std::min(confidence, 0.0);
        reading.confidence[i] = confidence;
        if (punched)
            reading.holes.push_back(positions[i]);
        if (confidence < ScanReading::certain)
            reading.uncertain.push_back(positions[i]);
    }
    reading.cardToPicture = flatFitOf(map);
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
    std::vector<CardPlacement> cards;
    const auto own = ownPicturePlacement(picture, image);
    if (own)
        cards.push_back(*own);
    else
        cards = locateCards(image);
    if (cards.empty()) {
        reading.failure = QCoreApplication::translate("Lochkartor", "keine Karte gefunden");
        return reading;
    }
    reading.cardFound = true;
    // Sample coordinates of the reduced picture back to the picture's pixels.
    const QTransform toPicture
        = QTransform::fromTranslate(0.5, 0.5) * QTransform::fromScale(reduction, reduction);
    for (const CardPlacement &card : cards)
        reading.cardsInPicture.push_back(toPicture.map(card.outline()));
    decideHoles(image, ColourImage::fromImage(picture, reduction), cards.front(), own.has_value(),
                reading);
    reading.cardToPicture = reading.cardToPicture * toPicture;
    return reading;
}
