// Draws the two card pictures that the program shows: the universal card with
// its printed legend, taken from the legend table, and the blank card on
// which the punched holes are shown. Usage: lochkartor-cardart OUTDIR
// writes OUTDIR/unicard.png and OUTDIR/empcard.png.

#include "card_outline.h"
#include "hole.h"
#include "legend.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// The universal card is one pixel wider than the created card.
constexpr int UniversalWidth = CardOutline::Width + 1;
constexpr int UniversalFrameRight = CardOutline::FrameRight + 1;

// The printed legend of the universal card lies inside this rectangle.
constexpr int LegendLeft = 69;
constexpr int LegendTop = 55;
constexpr int LegendRight = 860;
constexpr int LegendBottom = 654;

using HoleGrid::ColumnPitch;
using HoleGrid::RowPitch;
// Columns are divided half way between their holes.
constexpr int ColumnLeft0 = 75;

// The printed ring around each hole position: a punched marker (15 px) fills
// its inside and leaves the ring visible around it.
constexpr double RingRadius = 10.0;
// Texts keep this distance from the ring's centre.
constexpr double TextGap = 12.0;

const QString FontFamily = QStringLiteral("Liberation Sans");
const QColor Ink(Qt::black);
const QColor DividerInk(140, 140, 140);

QFont legendFont(int pixelSize)
{
    QFont font(FontFamily);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPointF holeCentre(const Hole &hole)
{
    const double half = HoleGrid::MarkerSize / 2.0;
    return {HoleGrid::markerX(hole.number) + half,
            HoleGrid::markerY(hole.field, hole.number) + half};
}

int columnLeft(int column)
{
    return ColumnLeft0 + ColumnPitch * column;
}

// Fills the pixels from (x1, y1) to (x2, y2), both corners inclusive.
void fillPixels(QPainter &p, int x1, int y1, int x2, int y2, const QColor &color)
{
    p.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), color);
}

// Frame, index rings and field marks, the same on both cards except for the
// right edge of the frame.
void drawOutline(QPainter &p, int frameRight)
{
    using namespace CardOutline;
    fillPixels(p, FrameLeft, FrameTop, frameRight, FrameBottom, Ink);
    fillPixels(p, FrameLeft + FrameWidth, FrameTop + FrameWidth, frameRight - FrameWidth,
               FrameBottom - FrameWidth, Qt::white);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Ink, 2.0));
    p.setBrush(Qt::NoBrush);
    const double ringRadius = (RingDiameter - 2) / 2.0;
    for (int x : {RingLeftX, RingRightX}) {
        for (int y : {RingFieldIY, RingFieldIIY})
            p.drawEllipse(QPointF(x + 0.5, y + 0.5), ringRadius, ringRadius);
    }
    p.restore();

    for (const Bar &bar : FieldMarkBars)
        fillPixels(p, bar.left, bar.top, bar.right, bar.bottom, Ink);
}

// Draws `text` turned to read from bottom to top. The text block starts at
// screen x `left` (the tops of its letters) and is centred on screen y
// `middle`; further lines follow to the right.
void drawUpwards(QPainter &p, const QFont &font, double left, double middle, const QString &text)
{
    const QFontMetricsF metrics(font);
    const int lines = text.count(QLatin1Char('\n')) + 1;
    const double length = 400.0;
    p.save();
    p.setFont(font);
    p.translate(left, middle);
    p.rotate(-90.0);
    p.drawText(QRectF(-length / 2, 0, length, lines * metrics.height()),
               Qt::AlignHCenter | Qt::AlignTop, text);
    p.restore();
}

double textBlockWidth(const QFont &font, const QString &text)
{
    return (text.count(QLatin1Char('\n')) + 1) * QFontMetricsF(font).height();
}

// Vertical grey line between column `boundary` - 1 and `boundary`; left out
// beside rows where one group reaches across both columns.
void drawColumnDivider(QPainter &p, int boundary)
{
    const double x = columnLeft(boundary) + 0.5;
    double from = LegendTop;
    auto flush = [&](double to) {
        if (to > from)
            p.drawLine(QPointF(x, from), QPointF(x, to));
    };
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int row = 0; row < HoleGrid::Rows; ++row) {
            const Hole left{field, (boundary - 1) * HoleGrid::Rows + row + 1};
            const Hole right{field, boundary * HoleGrid::Rows + row + 1};
            if (legendGroupIndex(left) != legendGroupIndex(right))
                continue;
            const double y = holeCentre(left).y();
            flush(y - RowPitch / 2.0);
            const bool lastRow = field == HoleGrid::FieldII && row == HoleGrid::Rows - 1;
            from = lastRow ? LegendBottom : y + RowPitch / 2.0;
        }
    }
    flush(LegendBottom);
}

// Horizontal grey lines between the groups of one column.
void drawGroupDividers(QPainter &p, int column)
{
    const double x1 = column == 0 ? LegendLeft : columnLeft(column);
    const double x2 = column == HoleGrid::Columns - 1 ? LegendRight : columnLeft(column + 1);
    Hole previous;
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int row = 0; row < HoleGrid::Rows; ++row) {
            const Hole hole{field, column * HoleGrid::Rows + row + 1};
            if (previous.field != 0 && legendGroupIndex(previous) != legendGroupIndex(hole)) {
                const double y
                    = std::floor((holeCentre(previous).y() + holeCentre(hole).y()) / 2) + 0.5;
                p.drawLine(QPointF(x1, y), QPointF(x2, y));
            }
            previous = hole;
        }
    }
}

struct Fonts
{
    QFont heading = legendFont(9);
    QFont smallHeading = legendFont(8); // headings of two lines
    QFont value = legendFont(9);
    QFont symbol = legendFont(13); // "~" and "=" of the heater switches
    QFont label = legendFont(9);
    QFont number = legendFont(7);

    const QFont &forHeading(const QString &text) const
    {
        return text.contains(QLatin1Char('\n')) ? smallHeading : heading;
    }
    const QFont &forValue(const QString &text) const
    {
        const bool isSymbol = text.size() == 1 && !text.at(0).isLetterOrNumber();
        return isSymbol ? symbol : value;
    }
};

void drawGroup(QPainter &p, const LegendGroup &group, const Fonts &fonts)
{
    // The heading runs along the left side of the group's holes in its own
    // column, centred on them.
    if (!group.heading.isEmpty()) {
        double top = 1e9;
        double bottom = -1e9;
        for (const LegendHole &h : group.holes) {
            if (HoleGrid::column(h.hole.number) != group.column)
                continue;
            top = std::min(top, holeCentre(h.hole).y());
            bottom = std::max(bottom, holeCentre(h.hole).y());
        }
        const double ringLeft = columnLeft(group.column) + ColumnPitch / 2.0 - RingRadius;
        const QFont &font = fonts.forHeading(group.heading);
        const double width = textBlockWidth(font, group.heading);
        const double left = std::max(columnLeft(group.column) + 2.0, ringLeft - 5.0 - width);
        drawUpwards(p, font, left, (top + bottom) / 2, group.heading);
    }

    switch (group.style) {
    case LegendStyle::Plain:
        for (const LegendHole &h : group.holes) {
            const QPointF c = holeCentre(h.hole);
            drawUpwards(p, fonts.forValue(h.value), c.x() + TextGap, c.y(), h.value);
        }
        break;
    case LegendStyle::SharedValue: {
        // A bracket joins the rings, the value stands beside it.
        const QPointF first = holeCentre(group.holes.front().hole);
        const QPointF last = holeCentre(group.holes.back().hole);
        const double bracketX = std::floor(first.x() + TextGap) + 0.5;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Ink, 1.0));
        for (const LegendHole &h : group.holes) {
            const double y = std::floor(holeCentre(h.hole).y());
            p.drawLine(QPointF(bracketX - 1, y), QPointF(bracketX, y));
        }
        p.drawLine(QPointF(bracketX, std::floor(first.y())),
                   QPointF(bracketX, std::floor(last.y())));
        p.restore();
        drawUpwards(p, fonts.value, bracketX + 3, (first.y() + last.y()) / 2,
                    group.holes.front().value);
        break;
    }
    case LegendStyle::HoleLabels:
        for (const LegendHole &h : group.holes) {
            const QPointF c = holeCentre(h.hole);
            const double width = textBlockWidth(fonts.label, h.label);
            drawUpwards(p, fonts.label, c.x() - RingRadius - 4.0 - width, c.y(), h.label);
            drawUpwards(p, fonts.value, c.x() + TextGap, c.y(), h.value);
        }
        break;
    case LegendStyle::ConnectionBar:
        for (const LegendHole &h : group.holes) {
            const QPointF c = holeCentre(h.hole);
            p.save();
            p.setPen(QPen(Ink, 1.0));
            const double y = std::floor(c.y()) + 0.5;
            p.drawLine(QPointF(c.x() + RingRadius + 1, y), QPointF(c.x() + 20, y));
            p.fillRect(QRectF(c.x() + 20, c.y() - 12, 3, 24), Ink);
            p.restore();
        }
        break;
    }
}

void drawRingAndNumber(QPainter &p, const Hole &hole, const QFont &numberFont)
{
    const QPointF c = holeCentre(hole);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Ink, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, RingRadius, RingRadius);
    p.setFont(numberFont);
    p.drawText(QRectF(c.x() - 15, c.y() + RingRadius + 0.5, 30, 10),
               Qt::AlignHCenter | Qt::AlignTop, QString::number(hole.number));
    p.restore();
}

void drawLegend(QPainter &p)
{
    const Fonts fonts;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(DividerInk, 1.0));
    p.drawRect(QRect(QPoint(LegendLeft, LegendTop), QPoint(LegendRight - 1, LegendBottom - 1)));
    for (int boundary = 1; boundary < HoleGrid::Columns; ++boundary)
        drawColumnDivider(p, boundary);
    for (int column = 0; column < HoleGrid::Columns; ++column)
        drawGroupDividers(p, column);
    p.restore();

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(Ink);
    for (const LegendGroup &group : legendGroups())
        drawGroup(p, group, fonts);
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int number = 1; number <= HoleGrid::HolesPerField; ++number)
            drawRingAndNumber(p, Hole{field, number}, fonts.number);
    }
    p.restore();
}

QImage drawCard(int width, int frameRight, bool withLegend)
{
    QImage image(width, CardOutline::Height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    drawOutline(p, frameRight);
    if (withLegend)
        drawLegend(p);
    p.end();
    return image;
}

bool write(const QImage &image, const QString &path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "lochkartor-cardart: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: lochkartor-cardart OUTDIR\n");
        return 2;
    }
    const QFontInfo info(legendFont(8));
    if (info.family() != FontFamily) {
        std::fprintf(stderr, "lochkartor-cardart: font \"%s\" not found (got \"%s\")\n",
                     qPrintable(FontFamily), qPrintable(info.family()));
        return 1;
    }
    const QDir dir(args.at(1));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "lochkartor-cardart: cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }
    const bool ok = write(drawCard(UniversalWidth, UniversalFrameRight, true),
                          dir.filePath(QStringLiteral("unicard.png")))
                    && write(drawCard(CardOutline::Width, CardOutline::FrameRight, false),
                             dir.filePath(QStringLiteral("empcard.png")));
    return ok ? 0 : 1;
}
