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

// Where a card lies in the picture, in its pixels.
QString placeOf(const QPolygonF &outline)
{
    const QRect box = outline.boundingRect().toAlignedRect();
    return LochkartorText::tr("Pixel %1, %2 bis %3, %4")
        .arg(box.left())
        .arg(box.top())
        .arg(box.right())
        .arg(box.bottom());
}

// What else the picture holds: further cards, further pages.
QString pictureNotes(const ScanReading &reading)
{
    QString lines;
    if (reading.cardsInPicture.size() > 1) {
        QStringList others;
        for (qsizetype i = 1; i < reading.cardsInPicture.size(); ++i)
            others << placeOf(reading.cardsInPicture[i]);
        lines
            += LochkartorText::tr("Mehrere Karten im Bild: gelesen wurde die größte bei %1; "
                                  "außerdem eine Karte bei %2.")
                   .arg(placeOf(reading.cardsInPicture.front()), others.join(QStringLiteral("; ")))
               + QLatin1Char('\n');
    }
    if (reading.pages > 1)
        lines += LochkartorText::tr("Die Datei hat %1 Seiten; gelesen wurde Seite 1, die übrigen "
                                    "nicht.")
                     .arg(reading.pages)
                 + QLatin1Char('\n');
    return lines;
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
    lines += QLatin1Char('\n') + pictureNotes(reading);
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
    if (reading.cardsInPicture.size() > 1) {
        QJsonArray cards;
        for (const QPolygonF &outline : reading.cardsInPicture) {
            const QRect box = outline.boundingRect().toAlignedRect();
            cards.append(QJsonArray{box.left(), box.top(), box.right(), box.bottom()});
        }
        object.insert(QStringLiteral("cards"), cards);
    }
    if (reading.pages > 1)
        object.insert(QStringLiteral("pages"), reading.pages);
    return object;
}

} // namespace ScanReport
