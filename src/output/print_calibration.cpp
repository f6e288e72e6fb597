#include "print_calibration.h"
#include "texts.h"

#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QSettings>

#include <cmath>

namespace PrintCalibration {

namespace {

const QString keyX = QStringLiteral("printCalibration/x");
const QString keyY = QStringLiteral("printCalibration/y");

constexpr double MillimetresPerInch = 25.4;

// A factor a measurement within the bounds gives; anything else in the
// settings was edited by hand or written by something else, and sets
// `invalid`.
double storedFactor(const QSettings &settings, const QString &key, bool *invalid)
{
    if (!settings.contains(key))
        return 1.0;
    bool isNumber = false;
    const double factor = settings.value(key).toDouble(&isNumber);
    // A hand-written value rounded to a few digits still counts at the bounds.
    constexpr double slack = 1e-4;
    if (!isNumber || !std::isfinite(factor) || factor < RulerLength / LongestMeasured - slack
        || factor > RulerLength / ShortestMeasured + slack) {
        *invalid = true;
        return 1.0;
    }
    return factor;
}

QString percent(double factor)
{
    const double change = (factor - 1.0) * 100.0;
    const QString number = QLocale().toString(std::abs(change), 'f', 2);
    if (change >= 0.005)
        return QStringLiteral("+") + number + QStringLiteral(" %");
    if (change <= -0.005)
        return QStringLiteral("\u2212") + number + QStringLiteral(" %");
    return QLocale().toString(0.0, 'f', 2) + QStringLiteral(" %");
}

// Draws in millimetres from the page origin on a device of `resolution`
// dots per inch; text keeps its point size.
class MillimetrePage
{
public:
    MillimetrePage(QPainter *painter, int resolution)
        : m_painter(painter)
        , m_dotsPerMillimetre(resolution / MillimetresPerInch)
    {
        QPen pen(Qt::black);
        pen.setWidthF(0.2 * m_dotsPerMillimetre);
        pen.setCapStyle(Qt::FlatCap);
        m_painter->setPen(pen);
    }
    QPointF at(double x, double y) const
    {
        return QPointF(x * m_dotsPerMillimetre, y * m_dotsPerMillimetre);
    }
    void line(double x1, double y1, double x2, double y2) const
    {
        m_painter->drawLine(QLineF(at(x1, y1), at(x2, y2)));
    }
    void text(const QRectF &millimetres, int flags, const QString &text, double points,
              bool bold = false) const
    {
        QFont font = m_painter->font();
        font.setPointSizeF(points);
        font.setBold(bold);
        m_painter->setFont(font);
        m_painter->drawText(QRectF(at(millimetres.left(), millimetres.top()),
                                   at(millimetres.right(), millimetres.bottom())),
                            flags, text);
    }

private:
    QPainter *m_painter;
    double m_dotsPerMillimetre;
};

// A tick every millimetre, longer every five and ten, numbered every ten.
// `across` runs the ruler to the right from (x, y), else down from it.
void paintRuler(const MillimetrePage &page, double x, double y, bool across, const QString &name)
{
    for (int mark = 0; mark <= int(RulerLength); ++mark) {
        const double length = mark % 10 == 0 ? 6.0 : mark % 5 == 0 ? 4.0 : 2.5;
        if (across)
            page.line(x + mark, y, x + mark, y + length);
        else
            page.line(x, y + mark, x + length, y + mark);
        if (mark % 10 != 0)
            continue;
        const QString number = QString::number(mark);
        if (across)
            page.text(QRectF(x + mark - 5, y + 6.5, 10, 4), Qt::AlignHCenter | Qt::AlignTop, number,
                      7);
        else
            page.text(QRectF(x + 7, y + mark - 2, 10, 4), Qt::AlignLeft | Qt::AlignVCenter, number,
                      7);
    }
    if (across)
        page.line(x, y, x + RulerLength, y);
    else
        page.line(x, y, x, y + RulerLength);
    const QRectF label = across ? QRectF(x + RulerLength + 4, y - 1, 10, 8)
                                : QRectF(x - 1, y + RulerLength + 4, 10, 8);
    page.text(label, Qt::AlignLeft | Qt::AlignTop, name, 12, true);
}

} // namespace

QString measuredProblem(double millimetres)
{
    if (std::isfinite(millimetres) && millimetres >= ShortestMeasured
        && millimetres <= LongestMeasured)
        return QString();
    return LochkartorText::tr("Ein Lineal von %1 mm misst gedruckt zwischen %2 und %3 mm; "
                              "%4 mm ist wohl verlesen oder die Seite wurde an das Papier "
                              "angepasst gedruckt.")
        .arg(QLocale().toString(RulerLength, 'f', 0), QLocale().toString(ShortestMeasured, 'f', 0),
             QLocale().toString(LongestMeasured, 'f', 0), QLocale().toString(millimetres, 'f', 1));
}

Correction fromMeasured(double measuredX, double measuredY)
{
    return {RulerLength / measuredX, RulerLength / measuredY};
}

double measuredLength(double factor)
{
    return RulerLength / factor;
}

QString describe(const Correction &correction)
{
    if (correction.isNone())
        return LochkartorText::tr("keine");
    return LochkartorText::tr("waagerecht %1, senkrecht %2")
        .arg(percent(correction.x), percent(correction.y));
}

Correction load(const QSettings &settings, bool *invalid)
{
    bool anyInvalid = false;
    const Correction correction{storedFactor(settings, keyX, &anyInvalid),
                                storedFactor(settings, keyY, &anyInvalid)};
    if (invalid)
        *invalid = anyInvalid;
    return correction;
}

QString invalidText()
{
    return LochkartorText::tr("Die gespeicherte Druckkorrektur ist ungültig und wird nicht "
                              "verwendet.");
}

void store(QSettings &settings, const Correction &correction)
{
    if (correction.isNone()) {
        settings.remove(keyX);
        settings.remove(keyY);
        return;
    }
    settings.setValue(keyX, correction.x);
    settings.setValue(keyY, correction.y);
}

void paintTestPage(QPainter *painter, int resolution)
{
    const MillimetrePage page(painter, resolution);
    page.text(QRectF(0, 0, 175, 8), Qt::AlignLeft | Qt::AlignTop,
              LochkartorText::tr("Lochkartor: Testseite zum Kalibrieren des Drucks"), 14, true);
    page.text(QRectF(0, 10, 175, 25), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
              LochkartorText::tr(
                  "Diese Seite ist ohne Druckkorrektur gedruckt. Drucken Sie sie mit denselben "
                  "Einstellungen wie die Karten, in Originalgröße und nicht an das Papier "
                  "angepasst. Messen Sie jedes Lineal von der Marke 0 bis zur Marke 150 so genau "
                  "wie möglich und geben Sie beide Längen unter „Druck kalibrieren…“ ein."),
              10);
    paintRuler(page, 10, 40, true, QStringLiteral("X"));
    paintRuler(page, 10, 60, false, QStringLiteral("Y"));
}

} // namespace PrintCalibration
