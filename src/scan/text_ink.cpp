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

Glyph makeGlyph(QChar character, int pointSize, double scale)
{
    QTextDocument document;
    layOut(document, QString(character), pointSize);
    document.size(); // lays the line out
    const QTextLine line = document.firstBlock().layout()->lineAt(0);
    Glyph glyph;
    glyph.advance = line.cursorToX(1) - line.cursorToX(0);
    // Room on both sides for letters that reach beyond their advance.
    const double pad = pointSize * 0.5;
    const double width = glyph.advance + 2 * pad;
    const double height = textLineHeight(pointSize);
    QImage image(int(std::ceil(width * scale)), int(std::ceil(height * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.scale(scale, scale);
        painter.translate(pad - documentMargin, 0);
        QAbstractTextDocumentLayout::PaintContext context;
        document.documentLayout()->draw(&painter, context);
    }
    const InkPatch full = inkOf(image);
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
                     const TextFrame &frame)
{
    QImage image(frame.width(), frame.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QTextDocument document;
    layOut(document, text, pointSize);
    {
        QPainter painter(&image);
        painter.scale(frame.scale, frame.scale);
        painter.translate(origin - frame.card.topLeft());
        if (rotated)
            painter.rotate(-90);
        QAbstractTextDocumentLayout::PaintContext context;
        document.documentLayout()->draw(&painter, context);
    }
    return inkOf(image);
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

const Glyph &cardGlyph(QChar character, int pointSize, double scale)
{
    static QHash<qint64, std::shared_ptr<Glyph>> glyphs;
    const qint64 key = (qint64(pointSize) << 40) + (qint64(std::lround(scale * 1000)) << 20)
                       + character.unicode();
    auto found = glyphs.constFind(key);
    if (found == glyphs.constEnd())
        found = glyphs.insert(key, std::make_shared<Glyph>(makeGlyph(character, pointSize, scale)));
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

double glyphDifference(QChar a, QChar b, int pointSize, double scale)
{
    static QHash<qint64, double> known;
    const qint64 key = (qint64(pointSize) << 48) + (qint64(std::lround(scale * 1000)) << 32)
                       + (qint64(a.unicode()) << 16) + b.unicode();
    const auto found = known.constFind(key);
    if (found != known.constEnd())
        return *found;
    const Glyph &first = cardGlyph(a, pointSize, scale);
    const Glyph &second = cardGlyph(b, pointSize, scale);
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
