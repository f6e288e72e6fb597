#include "tube_data_problem.h"

#include <QCoreApplication>
#include <QDir>

namespace TubeData {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Lochkartor", text);
}

QString reason(const Problem &p)
{
    switch (p.kind) {
    case Problem::None:
    case Problem::WrongVersion:
        break;
    case Problem::Missing:
        return tr("Die Datei existiert nicht.");
    case Problem::NotAFile:
        return tr("Das ist keine Datei.");
    case Problem::Unreadable:
    case Problem::Unwritable:
        return p.detail.isEmpty() ? tr("Zugriff verweigert.") : p.detail;
    case Problem::Damaged:
        return tr("Die Datei ist beschädigt.");
    case Problem::OutOfRange:
        return tr("Der Wert „%1“ von %2 liegt nicht zwischen %3 und %4.")
            .arg(p.value, p.key, QString::number(p.first), QString::number(p.last));
    case Problem::NotANumber:
        return tr("Der Wert „%1“ von %2 ist keine Zahl.").arg(p.value, p.key);
    case Problem::NotAWholeNumber:
        return tr("Der Wert „%1“ von %2 ist keine ganze Zahl.").arg(p.value, p.key);
    case Problem::NotOnLine:
        if (p.line == 0)
            return tr("Der Wert „%1“ von %2 passt nicht zu einem Pin ohne Leitung.")
                .arg(p.value, p.key);
        return tr("Der Wert „%1“ von %2 ist keine Funktion, die Leitung %3 führen kann.")
            .arg(p.value, p.key, QString::number(p.line));
    case Problem::NotForTubeType:
        return tr("Der Wert „%1“ von %2 ist für diesen Grundtyp nicht wählbar.")
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
        return tr("Ungültige Version");
    case Problem::Unwritable:
        return tr("Daten nicht gespeichert");
    case Problem::Missing:
    case Problem::NotAFile:
    case Problem::Unreadable:
    case Problem::Damaged:
        return tr("Datei nicht lesbar");
    case Problem::OutOfRange:
    case Problem::NotANumber:
    case Problem::NotAWholeNumber:
    case Problem::NotOnLine:
    case Problem::NotForTubeType:
        break;
    }
    return tr("Ungültige Daten");
}

QString problemText(const Problem &p, const QString &fileName)
{
    const QString name = QDir::toNativeSeparators(fileName);
    switch (p.kind) {
    case Problem::None:
        return QString();
    case Problem::WrongVersion:
        return tr("Diese Dateiversion wird nicht unterstützt");
    case Problem::Unwritable:
        return tr("Die Datei „%1“ kann nicht geschrieben werden.\n%2").arg(name, reason(p));
    case Problem::Missing:
    case Problem::NotAFile:
    case Problem::Unreadable:
    case Problem::Damaged:
        return tr("Die Datei „%1“ kann nicht gelesen werden.\n%2").arg(name, reason(p));
    case Problem::OutOfRange:
    case Problem::NotANumber:
    case Problem::NotAWholeNumber:
    case Problem::NotOnLine:
    case Problem::NotForTubeType:
        break;
    }
    return tr("Die Datei „%1“ wurde nicht geladen; die Eingaben bleiben unverändert.\n%2")
        .arg(name, reason(p));
}

} // namespace TubeData
