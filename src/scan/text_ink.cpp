#include "text_ink.h"

#include "cardtext_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>
#include <memory>

namespace {

constexpr double documentMargin = 4; // QTextDocument's default

void layOut(QTextDocument &document, const QString &text, int pointSize)
{
    document.setDefaultFont(QFont(QString::fromLatin1(cardFontFamily()), pointSize));
    document.setPlainText(text);
}

InkPatch inkOf(const QImage &image)
{
    InkPatch patch(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            patch.at(x, y) = float(qAlpha(line[x]) / 255.0);
    }
    return patch;
}

// `cardPixels`, an image whose top-left corner lies at card point `corner`,
// sampled at each pixel of `frame` between its pixels, as a picture of the
// card is sampled.
InkPatch resampled(const InkPatch &cardPixels, const QPointF &corner, const TextFrame &frame)
{
    auto pixel = [&cardPixels](int x, int y) {
        if (x < 0 || y < 0 || x >= cardPixels.width || y >= cardPixels.height)
            return 0.0f;
        return cardPixels.at(x, y);
    };
    InkPatch patch(frame.width(), frame.height());
    for (int y = 0; y < patch.height; ++y) {
        const double cy = frame.card.top() + (y + 0.5) / frame.scale - corner.y() - 0.5;
        const int y0 = int(std::floor(cy));
        const float fy = float(cy - y0);
        for (int x = 0; x < patch.width; ++x) {
            const double cx = frame.card.left() + (x + 0.5) / frame.scale - corner.x() - 0.5;
            const int x0 = int(std::floor(cx));
            const float fx = float(cx - x0);
            const float top = pixel(x0, y0) * (1 - fx) + pixel(x0 + 1, y0) * fx;
            const float bottom = pixel(x0, y0 + 1) * (1 - fx) + pixel(x0 + 1, y0 + 1) * fx;
            patch.at(x, y) = top * (1 - fy) + bottom * fy;
        }
    }
    return patch;
}

// A document painted with its layout's corner at `origin`, on a transparent
// image `scale` times finer than card pixels.
QImage paintedDocument(QTextDocument &document, const QSize &size, double scale,
                       const QPointF &origin, bool rotated)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.translate(origin);
    if (rotated)
        painter.rotate(-90);
    QAbstractTextDocumentLayout::PaintContext context;
    document.documentLayout()->draw(&painter, context);
    return image;
}

Glyph makeGlyph(QChar character, int pointSize, double scale, bool snapped)
{
    QTextDocument document;
    layOut(document, QString(character), pointSize);
    document.size(); // lays the line out
    const QTextLine line = document.firstBlock().layout()->lineAt(0);
    Glyph glyph;
    glyph.advance = line.cursorToX(1) - line.cursorToX(0);
    // Room on both sides for letters that reach beyond their advance; whole
    // card pixels where the letter is fitted to them.
    const double pad = snapped ? std::ceil(pointSize * 0.5) : pointSize * 0.5;
    const double width = glyph.advance + 2 * pad;
    const double height = textLineHeight(pointSize);
    const QPointF pen(pad - documentMargin, 0);
    InkPatch full;
    if (snapped) {
        const QImage image = paintedDocument(
            document, QSize(int(std::ceil(width)), int(std::ceil(height))), 1, pen, false);
        full = resampled(inkOf(image), QPointF(0, 0),
                         TextFrame{QRectF(0, 0, image.width(), image.height()), scale});
    } else {
        full = inkOf(paintedDocument(
            document, QSize(int(std::ceil(width * scale)), int(std::ceil(height * scale))), scale,
            pen, false));
    }
    int x0 = full.width, y0 = full.height, x1 = -1, y1 = -1;
    for (int y = 0; y < full.height; ++y) {
        for (int x = 0; x < full.width; ++x) {
            if (full.at(x, y) > 0.02f) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    }
    glyph.energy = 0;
    if (x1 < 0)
        return glyph; // a space
    glyph.ink = InkPatch(x1 - x0 + 1, y1 - y0 + 1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float ink = full.at(x, y);
            glyph.ink.at(x - x0, y - y0) = ink;
            glyph.energy += double(ink) * ink;
        }
    }
    glyph.left = x0 - int(std::lround(pad * scale));
    glyph.top = y0;
    glyph.points = inkPoints(glyph.ink);
    return glyph;
}

} // namespace

int TextFrame::width() const
{
    return int(std::ceil(card.width() * scale));
}

int TextFrame::height() const
{
    return int(std::ceil(card.height() * scale));
}

InkPatch paintedText(const QString &text, int pointSize, bool rotated, const QPointF &origin,
                     const TextFrame &frame, bool snapped)
{
    QTextDocument document;
    layOut(document, text, pointSize);
    if (!snapped) {
        const QImage image = paintedDocument(document, QSize(frame.width(), frame.height()),
                                             frame.scale, origin - frame.card.topLeft(), rotated);
        return inkOf(image);
    }
    const QPoint corner(int(std::floor(frame.card.left())), int(std::floor(frame.card.top())));
    const QSize size(int(std::ceil(frame.card.right())) - corner.x(),
                     int(std::ceil(frame.card.bottom())) - corner.y());
    const QImage image = paintedDocument(document, size, 1, origin - corner, rotated);
    return resampled(inkOf(image), corner, frame);
}

double textLineHeight(int pointSize)
{
    static QHash<int, double> heights;
    const auto found = heights.constFind(pointSize);
    if (found != heights.constEnd())
        return *found;
    QTextDocument document;
    layOut(document, QStringLiteral("Hg"), pointSize);
    const double height = document.size().height();
    heights.insert(pointSize, height);
    return height;
}

const Glyph &cardGlyph(QChar character, int pointSize, double scale, bool snapped)
{
    static QHash<qint64, std::shared_ptr<Glyph>> glyphs;
    const qint64 key = (qint64(snapped) << 60) + (qint64(pointSize) << 40)
                       + (qint64(std::lround(scale * 1000)) << 20) + character.unicode();
    auto found = glyphs.constFind(key);
    if (found == glyphs.constEnd())
        found = glyphs.insert(
            key, std::make_shared<Glyph>(makeGlyph(character, pointSize, scale, snapped)));
    return **found;
}

std::vector<InkPoint> inkPoints(const InkPatch &patch)
{
    std::vector<InkPoint> points;
    for (int y = 0; y < patch.height; ++y) {
        for (int x = 0; x < patch.width; ++x) {
            if (patch.at(x, y) > 0.02f)
                points.push_back({x, y, patch.at(x, y)});
        }
    }
    return points;
}

double glyphDifference(QChar a, QChar b, int pointSize, double scale, bool snapped)
{
    static QHash<qint64, double> known;
    const qint64 key = (qint64(snapped) << 62) + (qint64(pointSize) << 48)
                       + (qint64(std::lround(scale * 1000)) << 32) + (qint64(a.unicode()) << 16)
                       + b.unicode();
    const auto found = known.constFind(key);
    if (found != known.constEnd())
        return *found;
    const Glyph &first = cardGlyph(a, pointSize, scale, snapped);
    const Glyph &second = cardGlyph(b, pointSize, scale, snapped);
    QHash<qint64, double> ink;
    auto keyOf = [](int x, int y) { return (qint64(y) << 32) + qint64(x + (1 << 20)); };
    for (const InkPoint &p : first.points)
        ink[keyOf(first.left + p.x, first.top + p.y)] += p.ink;
    for (const InkPoint &p : second.points)
        ink[keyOf(second.left + p.x, second.top + p.y)] -= p.ink;
    double difference = 0;
    for (double d : std::as_const(ink))
        difference += d * d;
    known.insert(key, difference);
    return difference;
}

double kerning(QChar a, QChar b, int pointSize)
{
    static QHash<qint64, double> known;
    const qint64 key = (qint64(pointSize) << 32) + (qint64(a.unicode()) << 16) + b.unicode();
    const auto found = known.constFind(key);
    if (found != known.constEnd())
        return *found;
    static QHash<int, QRawFont> fonts;
    if (!fonts.contains(pointSize))
        fonts.insert(pointSize,
                     QRawFont::fromFont(QFont(QString::fromLatin1(cardFontFamily()), pointSize)));
    const QRawFont &font = fonts[pointSize];
    const QList<quint32> indexes = font.glyphIndexesForString(QString(a) + b);
    double kern = 0;
    if (indexes.size() == 2) {
        const QList<QPointF> plain = font.advancesForGlyphIndexes(indexes);
        const QList<QPointF> kerned
            = font.advancesForGlyphIndexes(indexes, QRawFont::KernedAdvances);
        // The raw font may count in other pixels than the card's layout.
        const double toCard
            = plain[0].x() > 0 ? cardGlyph(a, pointSize, 1).advance / plain[0].x() : 1.0;
        kern = (kerned[0].x() - plain[0].x()) * toCard;
    }
    known.insert(key, kern);
    return kern;
}

double firstPenX()
{
    return documentMargin;
}
