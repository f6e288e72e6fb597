#include "printed_texts.h"

#include "card_outline.h"
#include "cardtext_layout.h"
#include "printable_texts.h"
#include "scan_reader.h"
#include "text_matching.h"
#include "text_patch.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace {

// A read is taken only when the painted text covers the picture's ink
// closely, beats every other text the card could print there clearly, and
// each letter beats every other letter in its place.
constexpr double minimumMatch = 0.7;
constexpr double minimumMargin = 0.04;
constexpr double minimumLetterClarity = 0.2;
// A name read this closely at one size is no name of another size.
constexpr double clearNameMatch = 0.9;
// Room around a text for a picture whose map is a little off, card pixels;
// less above and below, where the lines of other texts come close.
constexpr double room = 5;
constexpr double roomAcross = 2;

// Patch pixels a card pixel: small letters are sampled finer.
double patchScale(int pointSize)
{
    return std::clamp(28.0 / pointSize, 0.75, 2.0);
}

// The tube name shrinks with its length; these are the sizes of names of up
// to 12 letters of ordinary width.
const int namePointSizes[] = {50, 46, 42, 38, 34, 30};

// How far right a text can reach: to the next text on its line, or the frame.
double rightEnd(const CardTextLayout &layout)
{
    double end = CardOutline::FrameRight - CardOutline::FrameWidth;
    for (int other = 0; other < CardTextCount; ++other) {
        const CardTextLayout &next = cardTextLayout(CardText(other));
        if (!next.rotated && next.x > layout.x && std::abs(next.y - layout.y) <= 10)
            end = std::min(end, double(next.x));
    }
    return end;
}

TextFrame frameOf(const CardTextLayout &layout, int pointSize)
{
    const double height = textLineHeight(pointSize);
    TextFrame frame;
    frame.scale = patchScale(pointSize);
    if (layout.rotated) {
        const double top = CardOutline::FrameTop + CardOutline::FrameWidth;
        frame.card = QRectF(QPointF(layout.x - roomAcross, std::max(top, layout.y - 220.0)),
                            QPointF(layout.x + height + roomAcross, layout.y + room));
    } else {
        frame.card = QRectF(QPointF(layout.x - room, layout.y - roomAcross),
                            QPointF(rightEnd(layout), layout.y + height + roomAcross));
    }
    return frame;
}

PrintedTextReading judged(const TextMatch &match, CardText text)
{
    PrintedTextReading reading;
    reading.inked = true;
    const double confidence = std::clamp(
        std::min({(match.match - minimumMatch) / (1 - minimumMatch) + 0.5,
                  match.margin / minimumMargin / 2, match.letters / minimumLetterClarity / 2}),
        0.0, 1.0);
    reading.confidence = confidence;
    if (match.match >= minimumMatch && match.margin >= minimumMargin
        && match.letters >= minimumLetterClarity && PrintableTexts::isPrintable(text, match.text)) {
        reading.read = true;
        reading.text = match.text;
    }
    return reading;
}

PrintedTextReading readName(const GreyPicture &picture, const QTransform &map, double inkGrey)
{
    const CardTextLayout &layout = cardTextLayout(CardText::TubeName);
    const TextPatch patch
        = readTextPatch(picture, map, frameOf(layout, namePointSizes[0]), inkGrey);
    if (!patch.inked)
        return {};
    TextMatch best;
    double second = 0;
    // Capitals and digits stand as tall as an "H"; descenders and brackets
    // reach lower. The sizes whose capitals fit the ink best are tried
    // first, and a clear read ends the search.
    const double inkHeight = patch.inkBottom - patch.inkTop + 1;
    std::vector<std::pair<double, int>> sizes;
    for (int pointSize : namePointSizes) {
        const double capital = cardGlyph(QLatin1Char('H'), pointSize, patch.frame.scale).ink.height;
        if (inkHeight >= 0.9 * capital - 2 && inkHeight <= 1.45 * capital + 2)
            sizes.push_back({std::abs(inkHeight - capital), pointSize});
    }
    std::sort(sizes.begin(), sizes.end());
    for (const auto &size : sizes) {
        const TextPlacement placement{QPointF(layout.x, layout.y), size.second, false};
        const TextMatch match = spellText(patch, placement, CardText::TubeName);
        if (match.match > best.match) {
            second = std::max(best.match, match.match - match.margin);
            best = match;
        } else {
            second = std::max(second, match.match);
        }
        if (best.match >= clearNameMatch && best.letters >= minimumLetterClarity)
            break;
    }
    best.margin = std::min(best.margin, best.match - second);
    return judged(best, CardText::TubeName);
}

PrintedTextReading readText(const GreyPicture &picture, const QTransform &map, double inkGrey,
                            CardText text)
{
    if (text == CardText::TubeName)
        return readName(picture, map, inkGrey);
    const CardTextLayout &layout = cardTextLayout(text);
    const TextPatch patch = readTextPatch(picture, map, frameOf(layout, layout.pointSize), inkGrey);
    if (!patch.inked)
        return {};
    const QStringList whole = PrintableTexts::wholeTexts(text);
    auto readAs = [&](bool snapped) {
        const TextPlacement placement{QPointF(layout.x, layout.y), layout.pointSize, layout.rotated,
                                      snapped};
        return judged(whole.isEmpty() ? spellText(patch, placement, text)
                                      : matchWholeText(patch, placement, whole),
                      text);
    };
    // A print shows the letters smooth; the program's own picture, and
    // prints and photos made from it, show them fitted to its pixels.
    const PrintedTextReading smooth = readAs(false);
    if (smooth.read)
        return smooth;
    const PrintedTextReading snapped = readAs(true);
    return snapped.read || snapped.confidence > smooth.confidence ? snapped : smooth;
}

} // namespace

PrintedTexts readPrintedTexts(const QImage &picture, const ScanReading &scan)
{
    PrintedTexts texts;
    if (!scan.cardFound || picture.isNull())
        return texts;
    const GreyPicture greys(picture);
    const double inkGrey = frameGrey(greys, scan.cardToPicture);
    for (int text = 0; text < CardTextCount; ++text)
        texts.texts[size_t(text)] = readText(greys, scan.cardToPicture, inkGrey, CardText(text));
    return texts;
}
