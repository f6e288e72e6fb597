#include "text_matching.h"

#include "cardtext_layout.h"
#include "printable_texts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include <QHash>
#include <QPoint>

namespace {

// How far the picture's map may be off, card pixels.
constexpr double misplacement = 3;
constexpr int beamWidth = 8;
// A rival letter this close to a letter has the whole spelling with it
// compared, painted as the card paints it.
constexpr double closeRival = 0.5;

// The ink `painted` and the patch have in common, with `painted` moved by
// (dx, dy) patch pixels: 2 x shared / (patch ink + painted ink), 1 when
// they are the same.
double overlap(const TextPatch &patch, const std::vector<InkPoint> &painted, int dx, int dy,
               double paintedEnergy)
{
    double shared = 0;
    for (const InkPoint &p : painted) {
        const int px = p.x + dx, py = p.y + dy;
        if (px < 0 || py < 0 || px >= patch.ink.width || py >= patch.ink.height)
            continue;
        shared += double(p.ink) * patch.ink.at(px, py) * patch.weight.at(px, py);
    }
    return 2 * shared / std::max(1e-9, patch.inkEnergy + paintedEnergy);
}

double energyOf(const std::vector<InkPoint> &points)
{
    double sum = 0;
    for (const InkPoint &p : points)
        sum += double(p.ink) * p.ink;
    return sum;
}

// A text painted where the card paints it, within the patch's frame; each
// text's frame is always the same, so the paintings are kept.
const std::vector<InkPoint> &paintedPoints(const TextPatch &patch, const TextPlacement &placement,
                                           const QString &text)
{
    static QHash<QString, std::shared_ptr<std::vector<InkPoint>>> known;
    const QRectF &card = patch.frame.card;
    const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
                            .arg(text)
                            .arg(placement.pointSize)
                            .arg(placement.rotated)
                            .arg(placement.snapped)
                            .arg(placement.origin.x())
                            .arg(placement.origin.y())
                            .arg(card.left())
                            .arg(card.top())
                            .arg(patch.frame.scale);
    auto found = known.constFind(key);
    if (found == known.constEnd()) {
        if (known.size() > 2000)
            known.clear();
        const InkPatch painted = paintedText(text, placement.pointSize, placement.rotated,
                                             placement.origin, patch.frame, placement.snapped);
        found = known.insert(key, std::make_shared<std::vector<InkPoint>>(inkPoints(painted)));
    }
    return **found;
}

// The best overlap of a painted text within `reach` patch pixels of
// (centreX, centreY): coarsely first, then finely around the best.
double bestOverlap(const TextPatch &patch, const std::vector<InkPoint> &painted, int reach,
                   int centreX = 0, int centreY = 0, int *foundX = nullptr, int *foundY = nullptr)
{
    const double energy = energyOf(painted);
    double best = -1;
    int bestX = centreX, bestY = centreY;
    const int step = reach >= 3 ? 2 : 1;
    for (int dy = centreY - reach; dy <= centreY + reach; dy += step) {
        for (int dx = centreX - reach; dx <= centreX + reach; dx += step) {
            const double o = overlap(patch, painted, dx, dy, energy);
            if (o > best) {
                best = o;
                bestX = dx;
                bestY = dy;
            }
        }
    }
    if (step > 1) {
        const int coarseX = bestX, coarseY = bestY;
        for (int dy = coarseY - 1; dy <= coarseY + 1; ++dy) {
            for (int dx = coarseX - 1; dx <= coarseX + 1; ++dx) {
                const double o = overlap(patch, painted, dx, dy, energy);
                if (o > best) {
                    best = o;
                    bestX = dx;
                    bestY = dy;
                }
            }
        }
    }
    if (foundX)
        *foundX = bestX;
    if (foundY)
        *foundY = bestY;
    return best;
}

// What a letter adds to how well a spelling explains the patch: the ink it
// explains less the ink it paints where there is none. With its neighbours
// painted as `others`, a letter painting on their ink explains nothing there.
double letterGain(const TextPatch &patch, const Glyph &glyph, int left, int top,
                  const InkPatch *others = nullptr)
{
    double gain = 0;
    for (const InkPoint &p : glyph.points) {
        const double t = p.ink;
        const int px = left + p.x, py = top + p.y;
        if (py < 0 || py >= patch.ink.height || px < 0 || px >= patch.ink.width) {
            gain -= t * t;
            continue;
        }
        const double unexplained = patch.ink.at(px, py) - (others ? others->at(px, py) : 0.0);
        gain += patch.weight.at(px, py) * (2.0 * t * unexplained - t * t);
    }
    return gain;
}

// A spelling being tried: its letters so far and where the pen stands.
struct Spelling
{
    QString text;
    double pen = 0; // card pixels from the layout's corner
    int dx = 0;     // where the picture shows it, patch pixels off the layout
    int dy = 0;
    double gain = 0;
    std::vector<double> pens; // each letter's pen
    std::vector<int> shifts;  // each letter's dx
};

// Where the pen stands for `next` after the spelling: the layout sets some
// pairs of letters closer.
double penBefore(const Spelling &spelling, QChar next, int pointSize)
{
    if (spelling.text.isEmpty())
        return spelling.pen;
    return spelling.pen + kerning(spelling.text.back(), next, pointSize);
}

struct LetterPlace
{
    int left; // the pen's patch column without shift
    int top;  // the line's top patch row without shift
};

LetterPlace placeOf(const TextPatch &patch, const TextPlacement &placement, double pen)
{
    const double scale = patch.frame.scale;
    return {int(std::lround((placement.origin.x() + pen - patch.frame.card.left()) * scale)),
            int(std::lround((placement.origin.y() - patch.frame.card.top()) * scale))};
}

// The best gain of `glyph` with its pen at `pen`, moved by dx within
// `reachX` of `centreX` and dy within `reachY` of `centreY`.
double bestLetterGain(const TextPatch &patch, const TextPlacement &placement, const Glyph &glyph,
                      double pen, int centreX, int reachX, int centreY, int reachY, int *bestX,
                      int *bestY)
{
    const LetterPlace place = placeOf(patch, placement, pen);
    double best = -1e300;
    for (int dy = centreY - reachY; dy <= centreY + reachY; ++dy) {
        for (int dx = centreX - reachX; dx <= centreX + reachX; ++dx) {
            const double gain = letterGain(patch, glyph, place.left + glyph.left + dx,
                                           place.top + glyph.top + dy);
            if (gain > best) {
                best = gain;
                *bestX = dx;
                *bestY = dy;
            }
        }
    }
    return best;
}

std::vector<Spelling> spellings(const TextPatch &patch, const TextPlacement &placement,
                                CardText text)
{
    const double scale = patch.frame.scale;
    const int reach = int(std::lround(misplacement * scale));
    std::vector<Spelling> beam{Spelling{QString(), firstPenX(), 0, 0, 0, {}, {}}};
    std::vector<Spelling> finished;
    const int longest = PrintableTexts::maximumLength(text);
    for (int step = 0; step < longest && !beam.empty(); ++step) {
        // Each spelling of the beam is a different text, so are all their
        // continuations; only the best few are written out.
        struct Continuation
        {
            size_t from;
            QChar letter;
            double gain;
            int dx, dy;
        };
        std::vector<Continuation> next;
        for (size_t from = 0; from < beam.size(); ++from) {
            const Spelling &spelling = beam[from];
            // Letters beyond the last ink would paint on bare card.
            if (placeOf(patch, placement, spelling.pen).left + spelling.dx > patch.inkRight)
                continue;
            const bool first = spelling.text.trimmed().isEmpty();
            for (QChar c : PrintableTexts::nextCharacters(text, spelling.text)) {
                const Glyph &glyph = cardGlyph(c, placement.pointSize, scale, placement.snapped);
                const double pen = penBefore(spelling, c, placement.pointSize);
                int dx = spelling.dx, dy = spelling.dy;
                double gain = 0;
                if (glyph.energy > 0)
                    gain = bestLetterGain(patch, placement, glyph, pen, spelling.dx,
                                          first ? reach : 1, spelling.dy, first ? reach : 0, &dx,
                                          &dy);
                next.push_back({from, c, spelling.gain + gain, dx, dy});
            }
        }
        const size_t kept = std::min(next.size(), size_t(beamWidth));
        std::partial_sort(
            next.begin(), next.begin() + qsizetype(kept), next.end(),
            [](const Continuation &a, const Continuation &b) { return a.gain > b.gain; });
        std::vector<Spelling> candidates;
        for (size_t i = 0; i < kept; ++i) {
            const Continuation &c = next[i];
            Spelling longer = beam[c.from];
            longer.pen = penBefore(longer, c.letter, placement.pointSize);
            longer.text += c.letter;
            longer.pens.push_back(longer.pen);
            longer.shifts.push_back(c.dx);
            longer.dx = c.dx;
            longer.dy = c.dy;
            longer.pen
                += cardGlyph(c.letter, placement.pointSize, scale, placement.snapped).advance;
            longer.gain = c.gain;
            candidates.push_back(std::move(longer));
        }
        for (const Spelling &candidate : candidates) {
            if (PrintableTexts::isPrintable(text, candidate.text)
                && (text != CardText::TubeName
                    || tubeNamePointSize(candidate.text) == placement.pointSize))
                finished.push_back(candidate);
        }
        beam = std::move(candidates);
    }
    std::sort(finished.begin(), finished.end(),
              [](const Spelling &a, const Spelling &b) { return a.gain > b.gain; });
    return finished;
}

// The spelling painted as the card paints it, letter by letter where the
// spelling found each, in patch pixels: what the picture should show.
struct SpellingModel
{
    InkPatch ink; // the letters' ink, summed
};

// Adds (sign 1) or takes away (sign -1) `glyph` with its ink's corner at
// (left, top).
void addGlyph(InkPatch &ink, const Glyph &glyph, int left, int top, float sign)
{
    for (const InkPoint &p : glyph.points) {
        const int px = left + p.x, py = top + p.y;
        if (px >= 0 && py >= 0 && px < ink.width && py < ink.height)
            ink.at(px, py) += sign * p.ink;
    }
}

// Where letter `i` of `spelling` lies in the patch: its ink's corner.
QPoint letterCorner(const TextPatch &patch, const TextPlacement &placement,
                    const Spelling &spelling, const Glyph &glyph, int i)
{
    const LetterPlace place = placeOf(patch, placement, spelling.pens[size_t(i)]);
    return {place.left + glyph.left + spelling.shifts[size_t(i)],
            place.top + glyph.top + spelling.dy};
}

SpellingModel spellingModel(const TextPatch &patch, const TextPlacement &placement,
                            const Spelling &spelling)
{
    SpellingModel model;
    model.ink = InkPatch(patch.ink.width, patch.ink.height);
    for (int i = 0; i < spelling.text.size(); ++i) {
        const Glyph &glyph = cardGlyph(spelling.text.at(i), placement.pointSize, patch.frame.scale,
                                       placement.snapped);
        const QPoint corner = letterCorner(patch, placement, spelling, glyph, i);
        addGlyph(model.ink, glyph, corner.x(), corner.y(), 1);
    }
    return model;
}

double bestLetterGainAmong(const TextPatch &patch, const InkPatch &others, const Glyph &glyph,
                           QPoint corner, int reachX)
{
    double best = -1e300;
    for (int dx = -reachX; dx <= reachX; ++dx)
        best = std::max(best, letterGain(patch, glyph, corner.x() + dx, corner.y(), &others));
    return best;
}

// How clearly each letter of `spelling` beats every other letter the card
// could print in its place: 1 when the picture shows all that tells them
// apart, 0 when it cannot tell them apart at all. Each letter is judged
// with its neighbours in place, so a wide rival of a narrow letter gains
// nothing from the ink of the letters beside it. The spellings with a rival
// letter that comes close are added to `close`.
double letterClarity(const TextPatch &patch, const TextPlacement &placement, CardText text,
                     const Spelling &spelling, QStringList *close)
{
    const double scale = patch.frame.scale;
    SpellingModel model = spellingModel(patch, placement, spelling);
    double worst = 1;
    for (int i = 0; i < spelling.text.size(); ++i) {
        const Glyph &glyph
            = cardGlyph(spelling.text.at(i), placement.pointSize, scale, placement.snapped);
        if (glyph.energy <= 0)
            continue;
        const QPoint corner = letterCorner(patch, placement, spelling, glyph, i);
        addGlyph(model.ink, glyph, corner.x(), corner.y(), -1);
        const double own = bestLetterGainAmong(patch, model.ink, glyph, corner, 1);
        const QPoint pen = corner - QPoint(glyph.left, glyph.top);
        const QString others = PrintableTexts::nextCharacters(text, spelling.text.left(i));
        for (QChar other : others) {
            if (other == spelling.text.at(i))
                continue;
            const Glyph &rival = cardGlyph(other, placement.pointSize, scale, placement.snapped);
            if (rival.energy <= 0)
                continue;
            const double gain = bestLetterGainAmong(patch, model.ink, rival,
                                                    pen + QPoint(rival.left, rival.top), 1);
            // The share of the difference the two letters would show on a
            // perfect picture that this picture shows.
            const double apart = glyphDifference(spelling.text.at(i), other, placement.pointSize,
                                                 scale, placement.snapped);
            const double apartShown = apart > 0 ? (own - gain) / apart : 0.0;
            worst = std::min(worst, apartShown);
            if (apartShown < closeRival) {
                QString rivalSpelling = spelling.text;
                rivalSpelling[i] = other;
                close->append(rivalSpelling);
            }
        }
        addGlyph(model.ink, glyph, corner.x(), corner.y(), 1);
    }
    return worst;
}

// How clearly the picture shows `text` rather than `rival`, both painted
// near (dx, dy): 1 when it shows all that tells them apart, 0 when it
// cannot tell them apart, below 0 when it shows the rival. Only where the
// two differ counts, and there each is painted where it fits best, a pixel
// either way: fitted to pixels, a letter of the painted line may sit a
// pixel off the line's best place, as a letter spelt on its own may.
double clarity(const TextPatch &patch, const TextPlacement &placement, const QString &text,
               const QString &rival, int dx, int dy)
{
    QHash<qint64, std::pair<float, float>> ink; // painted text, painted rival
    auto keyOf = [](int x, int y) { return (qint64(y) << 32) + qint64(x); };
    for (const InkPoint &p : paintedPoints(patch, placement, text))
        ink[keyOf(p.x, p.y)].first = p.ink;
    for (const InkPoint &p : paintedPoints(patch, placement, rival))
        ink[keyOf(p.x, p.y)].second = p.ink;
    const auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < patch.ink.width && y < patch.ink.height;
    };
    const auto inkAt
        = [&](int x, int y) { return inside(x, y) ? double(patch.ink.at(x, y)) : 0.0; };
    const auto weightAt
        = [&](int x, int y) { return inside(x, y) ? double(patch.weight.at(x, y)) : 1.0; };
    constexpr int shifts = 9; // -1, 0, 1 patch pixels across and down
    std::array<double, shifts> textGain{}, rivalGain{};
    double apart = 0;
    for (auto it = ink.constBegin(); it != ink.constEnd(); ++it) {
        const double t = it.value().first, r = it.value().second;
        if (t == r)
            continue;
        const int x = int(it.key() & 0xffffffff) + dx, y = int(it.key() >> 32) + dy;
        for (int s = 0; s < shifts; ++s) {
            const int shiftedX = x + s % 3 - 1, shiftedY = y + s / 3 - 1;
            const double w = weightAt(shiftedX, shiftedY), seen = inkAt(shiftedX, shiftedY);
            textGain[size_t(s)] += w * (2 * seen * t - t * t);
            rivalGain[size_t(s)] += w * (2 * seen * r - r * r);
        }
        apart += weightAt(x, y) * (t - r) * (t - r);
    }
    const double shown = *std::max_element(textGain.begin(), textGain.end())
                         - *std::max_element(rivalGain.begin(), rivalGain.end());
    return apart > 0 ? shown / apart : 0.0;
}

double paintedOverlap(const TextPatch &patch, const TextPlacement &placement, const QString &text,
                      int centreX, int centreY)
{
    return bestOverlap(patch, paintedPoints(patch, placement, text), 1, centreX, centreY);
}

} // namespace

TextMatch matchWholeText(const TextPatch &patch, const TextPlacement &placement,
                         const QStringList &candidates)
{
    const int reach = int(std::lround(misplacement * patch.frame.scale));
    std::vector<std::pair<double, QString>> fits;
    for (const QString &candidate : candidates)
        fits.push_back(
            {bestOverlap(patch, paintedPoints(patch, placement, candidate), reach), candidate});
    std::sort(fits.begin(), fits.end(),
              [](const auto &a, const auto &b) { return a.first > b.first; });
    TextMatch best;
    if (fits.empty())
        return best;
    best.match = fits.front().first;
    best.text = fits.front().second;
    // Texts that differ in a letter or two ("Oktal (Nr. 4)", "Oktal (Nr. 7)")
    // fit almost alike as a whole; what tells them apart must show.
    int dx = 0, dy = 0;
    bestOverlap(patch, paintedPoints(patch, placement, best.text), reach, 0, 0, &dx, &dy);
    // Texts that fit clearly worse as a whole need no closer look.
    constexpr double clearlyWorse = 0.2;
    best.margin = best.match;
    for (size_t i = 1; i < fits.size(); ++i) {
        if (fits[i].first <= best.match - clearlyWorse) {
            best.margin = best.match - fits[i].first;
            break;
        }
        best.letters
            = std::min(best.letters, clarity(patch, placement, best.text, fits[i].second, dx, dy));
    }
    return best;
}

TextMatch spellText(const TextPatch &patch, const TextPlacement &placement, CardText text)
{
    const std::vector<Spelling> found = spellings(patch, placement, text);
    TextMatch match;
    if (found.empty())
        return match;
    // The two best spellings, painted whole as the card paints them.
    const Spelling &best = found.front();
    match.text = best.text;
    const int firstX = best.shifts.empty() ? 0 : best.shifts.front();
    match.match = paintedOverlap(patch, placement, best.text, firstX, best.dy);
    // Spellings of the same length differ in letters, which the letters'
    // clarity judges; one of another length must fit clearly worse.
    double second = 0;
    for (const Spelling &other : found) {
        if (other.text.size() != best.text.size()) {
            second = paintedOverlap(patch, placement, other.text,
                                    other.shifts.empty() ? 0 : other.shifts.front(), other.dy);
            break;
        }
    }
    match.margin = match.match - second;
    QStringList close;
    match.letters = letterClarity(patch, placement, text, best, &close);
    // Letters painted one by one are not quite the line the card paints:
    // fitted to pixels each on its own, a letter may sit a pixel off. Where
    // a rival letter comes close, the two whole spellings as painted decide
    // too.
    if (!close.isEmpty() && match.letters > 0) {
        int dx = 0, dy = 0;
        bestOverlap(patch, paintedPoints(patch, placement, best.text), 1, firstX, best.dy, &dx,
                    &dy);
        for (const QString &rival : std::as_const(close))
            match.letters
                = std::min(match.letters, clarity(patch, placement, best.text, rival, dx, dy));
    }
    return match;
}
