#include "scan_report.h"

#include "texts.h"

#include <QJsonArray>
#include <QStringList>
#include <algorithm>

namespace {

QString fieldMark(int field)
{
    return field == HoleGrid::FieldI ? QStringLiteral("I") : QStringLiteral("II");
}

} // namespace

namespace ScanReport {

QString text(const ScanReading &reading)
{
    if (!reading.cardFound)
        return reading.failure + QLatin1Char('\n');
    QString lines = reading.holesLight
                        ? LochkartorText::tr("Karte gefunden; die Löcher zeigen sich hell.")
                        : LochkartorText::tr("Karte gefunden; die Löcher zeigen sich dunkel.");
    lines += QLatin1Char('\n');
    if (reading.uncertain.empty()) {
        lines += LochkartorText::tr("Unsichere Stellen: keine") + QLatin1Char('\n');
        return lines;
    }
    QStringList entries;
    for (const Hole &hole : reading.uncertain) {
        const bool punched
            = std::find(reading.holes.begin(), reading.holes.end(), hole) != reading.holes.end();
        entries << (punched ? LochkartorText::tr("%1 %2 als gestanzt gelesen")
                            : LochkartorText::tr("%1 %2 als offen gelesen"))
                       .arg(fieldMark(hole.field))
                       .arg(hole.number);
    }
    lines += LochkartorText::tr("Unsichere Stellen (bitte auf der Karte nachsehen): %1")
                 .arg(entries.join(QStringLiteral(", ")))
             + QLatin1Char('\n');
    return lines;
}

QJsonObject json(const ScanReading &reading)
{
    QJsonObject object;
    object.insert(QStringLiteral("cardFound"), reading.cardFound);
    if (!reading.cardFound)
        return object;
    object.insert(QStringLiteral("holesLight"), reading.holesLight);
    QJsonArray fieldI, fieldII;
    for (const Hole &hole : reading.uncertain)
        (hole.field == HoleGrid::FieldI ? fieldI : fieldII).append(hole.number);
    object.insert(QStringLiteral("uncertain"),
                  QJsonObject{{QStringLiteral("I"), fieldI}, {QStringLiteral("II"), fieldII}});
    return object;
}

} // namespace ScanReport
