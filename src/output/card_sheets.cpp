#include "card_sheets.h"

#include "card_page.h"
#include "card_painting.h"
#include "safe_write.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int Resolution = 1200; // dots per inch of the PDF's coordinates
constexpr double MillimetresPerInch = 25.4;

double dots(double millimetres)
{
    return millimetres * Resolution / MillimetresPerInch;
}

// The texts start this far under the card and keep this far from the
// right and bottom edges of the paper.
constexpr double GapUnderCard = 8.0;
constexpr double PaperMargin = 15.0;
constexpr double ColumnGap = 6.0;

// Type sizes from the largest down; the list takes the largest at which
// it fits, in as few columns as that allows.
constexpr double LargestPoints = 10.0;
constexpr double SmallestPoints = 5.0;
constexpr int MostColumns = 3;

struct ListLayout
{
    QFont font;
    int columns = 1;
    int linesPerColumn = 0;
    double columnWidth = 0;
};

ListLayout fitList(const QFont &base, const QStringList &lines, const QSizeF &area,
                   QPaintDevice *device)
{
    ListLayout layout;
    for (double points = LargestPoints; points >= SmallestPoints; points -= 0.5) {
        layout.font = base;
        layout.font.setPointSizeF(points);
        const QFontMetricsF metrics(layout.font, device);
        double widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        for (int columns = 1; columns <= MostColumns; ++columns) {
            layout.columns = columns;
            layout.linesPerColumn = int((lines.size() + columns - 1) / columns);
            layout.columnWidth = (area.width() - (columns - 1) * dots(ColumnGap)) / columns;
            if (widest <= layout.columnWidth
                && layout.linesPerColumn * metrics.lineSpacing() <= area.height())
                return layout;
        }
    }
    return layout; // the smallest type in the most columns; long lines are cut
}

} // namespace

CardSheets::CardSheets(QPageSize::PageSizeId paper, const PrintCalibration::Correction &correction)
    : m_paper(paper)
    , m_correction(correction)
    , m_buffer(&m_bytes)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_pdf = std::make_unique<QPdfWriter>(&m_buffer);
    m_pdf->setResolution(Resolution);
    m_pdf->setCreator(QStringLiteral("Lochkartor"));
    // The page origin is the paper's corner, so the card lies exactly one
    // inch from its top and left edges.
    m_pdf->setPageLayout(QPageLayout(m_paper, QPageLayout::Portrait, QMarginsF()));
}

CardSheets::~CardSheets()
{
    if (m_painter.isActive())
        m_painter.end();
}

void CardSheets::addPage(const Card &card, const QString &heading, const QString &subheading,
                         const QStringList &list)
{
    if (m_pages == 0)
        m_painter.begin(m_pdf.get());
    else
        m_pdf->newPage();
    ++m_pages;
    m_painter.save();
    CardPage::scaleToCardPixels(&m_painter, Resolution, m_correction);
    CardPainting::paint(&m_painter, card, CardPainting::Picture::Created, CardPage::CardOnPage);
    m_painter.restore();
    paintTexts(heading, subheading, list);
}

void CardSheets::paintTexts(const QString &heading, const QString &subheading,
                            const QStringList &list)
{
    const QSizeF paper = m_paper.size(QPageSize::Millimeter);
    const double cardBottom = CardPage::CardOnPage.bottom() / CardPage::CardPixelsPerInch
                              * MillimetresPerInch * m_correction.y;
    const double left = dots(MillimetresPerInch);
    const double right = dots(paper.width() - PaperMargin);
    const double bottom = dots(paper.height() - PaperMargin);
    double top = dots(cardBottom + GapUnderCard);
    m_painter.setPen(Qt::black);

    QFont font = m_painter.font();
    font.setPointSizeF(14);
    font.setBold(true);
    auto paintLine = [&](const QFont &lineFont, const QString &text, double x, double width) {
        m_painter.setFont(lineFont);
        const QFontMetricsF metrics(lineFont, m_pdf.get());
        m_painter.drawText(QPointF(x, top + metrics.ascent()),
                           metrics.elidedText(text, Qt::ElideRight, width));
        return metrics.lineSpacing();
    };
    top += paintLine(font, heading, left, right - left);
    font.setPointSizeF(9);
    font.setBold(false);
    top += paintLine(font, subheading, left, right - left);
    if (list.isEmpty())
        return;

    top += dots(3);
    const ListLayout layout = fitList(font, list, QSizeF(right - left, bottom - top), m_pdf.get());
    const double lineSpacing = QFontMetricsF(layout.font, m_pdf.get()).lineSpacing();
    const double listTop = top;
    for (int i = 0; i < list.size(); ++i) {
        const int column = i / layout.linesPerColumn;
        top = listTop + (i % layout.linesPerColumn) * lineSpacing;
        if (top + lineSpacing > bottom + 0.5)
            continue; // only when even the smallest type cannot hold the list
        paintLine(layout.font, list.at(i), left + column * (layout.columnWidth + dots(ColumnGap)),
                  layout.columnWidth);
    }
}

QByteArray CardSheets::finish()
{
    m_painter.end();
    m_buffer.close();
    return m_bytes;
}

QString CardSheets::write(const QString &fileName)
{
    return SafeWrite::replaceFile(fileName, finish(), CardPage::isCompletePdf,
                                  CardPage::existingPdf());
}

QPageSize::PageSizeId CardSheets::defaultPaper(const QLocale &locale)
{
    static const QLocale::Territory letterTerritories[]
        = {QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,     QLocale::Chile,
           QLocale::Colombia,     QLocale::CostaRica,  QLocale::Guatemala,  QLocale::Nicaragua,
           QLocale::Panama,       QLocale::PuertoRico, QLocale::ElSalvador, QLocale::Venezuela,
           QLocale::Bolivia,      QLocale::Philippines};
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem
                        || std::find(std::begin(letterTerritories), std::end(letterTerritories),
                                     locale.territory())
                               != std::end(letterTerritories);
    return letter ? QPageSize::Letter : QPageSize::A4;
}
