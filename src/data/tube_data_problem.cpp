#include "tube_data_problem.h"
#include "texts.h"

#include <QCoreApplication>
#include <QDir>

namespace TubeData {

namespace {

QString reason(const Problem &p)
{
    switch (p.kind) {
    case Problem::None:
    case Problem::WrongVersion:
        break;
    case Problem::Missing:
        return LochkartorText::tr("Die Datei existiert nicht.");
    case Problem::NotAFile:
        return LochkartorText::tr("Das ist keine Datei.");
    case Problem::Unreadable:
    case Problem::Unwritable:
        return p.detail.isEmpty() ? LochkartorText::tr("Zugriff verweigert.") : p.detail;
    case Problem::Damaged:
        return LochkartorText::tr("Die Datei ist beschädigt.");
    case Problem::OutOfRange:
        return LochkartorText::tr("Der Wert „%1“ von %2 liegt nicht zwischen %3 und %4.")
            .arg(p.value, p.key, QString::number(p.first), QString::number(p.last));
    case Problem::NotANumber:
        return LochkartorText::tr("Der Wert „%1“ von %2 ist keine Zahl.").arg(p.value, p.key);
    case Problem::NotAWholeNumber:
        return LochkartorText::tr("Der Wert „%1“ von %2 ist keine ganze Zahl.").arg(p.value, p.key);
    case Problem::NotOnLine:
        if (p.line == 0)
            return LochkartorText::tr("Der Wert „%1“ von %2 passt nicht zu einem Pin ohne Leitung.")
                .arg(p.value, p.key);
        return LochkartorText::tr(
                   "Der Wert „%1“ von %2 ist keine Funktion, die Leitung %3 führen kann.")
            .arg(p.value, p.key, QString::number(p.line));
    case Problem::NotForTubeType:
        return LochkartorText::tr("Der Wert „%1“ von %2 ist für diesen Grundtyp nicht wählbar.")
            .arg(p.value, p.key);
    }
    return QString();
}

} // namespace

QString problemTitle(const Problem &p)
{
    switch (p.kind) {
    case Problem::None:
        return QString();
    case Problem::WrongVersion:
        return LochkartorText::tr("Ungültige Version");
    case Problem::Unwritable:
        return LochkartorText::tr("Daten nicht gespeichert");
    case Problem::Missing:
    case Problem::NotAFile:
    case Problem::Unreadable:
    case Problem::Damaged:
        return LochkartorText::tr("Datei nicht lesbar");
    case Problem::OutOfRange:
    case Problem::NotANumber:
    case Problem::NotAWholeNumber:
    case Problem::NotOnLine:
    case Problem::NotForTubeType:
        break;
    }
    return LochkartorText::tr("Ungültige Daten");
}

QString problemText(const Problem &p, const QString &fileName)
{
    const QString name = QDir::toNativeSeparators(fileName);
    switch (p.kind) {
    case Problem::None:
        return QString();
    case Problem::WrongVersion:
        return LochkartorText::tr("Diese Dateiversion wird nicht unterstützt");
    case Problem::Unwritable:
        return LochkartorText::tr("Die Datei „%1“ kann nicht geschrieben werden.\n%2")
            .arg(name, reason(p));
    case Problem::Missing:
    case Problem::NotAFile:
    case Problem::Unreadable:
    case Problem::Damaged:
        return LochkartorText::tr("Die Datei „%1“ kann nicht gelesen werden.\n%2")
            .arg(name, reason(p));
    case Problem::OutOfRange:
    case Problem::NotANumber:
    case Problem::NotAWholeNumber:
    case Problem::NotOnLine:
    case Problem::NotForTubeType:
        break;
    }
    return LochkartorText::tr(
               "Die Datei „%1“ wurde nicht geladen; die Eingaben bleiben unverändert.\n%2")
        .arg(name, reason(p));
}

} // namespace TubeData
