#include "tube_data_problem.h"
#include "plain_text.h"
#include "text_limits.h"
#include "texts.h"
#include "tube_data_keys.h"
#include "wiring_table.h"

#include <QCoreApplication>
#include <QDir>

namespace TubeData {

namespace {

QString quoted(const QString &value)
{
    return TextLimits::quotedInMessage(value);
}

QString damagedReason(const Problem &p)
{
    if (p.line == 0)
        return LochkartorText::tr("Die Datei ist beschädigt.");
    return LochkartorText::tr("Die Datei ist beschädigt: %1").arg(p.detail);
}

QString reason(const Problem &p)
{
    switch (p.kind) {
    case Problem::None:
        break;
    case Problem::WrongVersion:
        return LochkartorText::tr("Diese Dateiversion wird nicht unterstützt");
    case Problem::Missing:
        return LochkartorText::tr("Die Datei existiert nicht.");
    case Problem::NotAFile:
        return LochkartorText::tr("Das ist keine Datei.");
    case Problem::Unreadable:
    case Problem::Unwritable:
        return p.detail.isEmpty() ? LochkartorText::tr("Zugriff verweigert.") : p.detail;
    case Problem::Damaged:
        return damagedReason(p);
    case Problem::NotATubeFile:
        return LochkartorText::tr("Die Datei ist keine Röhrendatei.");
    case Problem::TooLarge:
        return LochkartorText::tr("Die Datei ist größer als 1 MiB und damit keine Röhrendatei.");
    case Problem::MissingKey:
        return LochkartorText::tr("Die Datei ist beschädigt: Der Schlüssel %1 fehlt.").arg(p.key);
    case Problem::TypedValue:
        return LochkartorText::tr("Der Wert von %1 ist ein gespeicherter Qt-Datentyp (@%2); eine "
                                  "Röhrendatei enthält nur Texte und Zahlen.")
            .arg(p.key, quoted(p.detail));
    case Problem::OutOfRange:
        return LochkartorText::tr("Der Wert „%1“ von %2 liegt nicht zwischen %3 und %4.")
            .arg(quoted(p.value), p.key, QString::number(p.first), QString::number(p.last));
    case Problem::NotANumber:
        return LochkartorText::tr("Der Wert „%1“ von %2 ist keine Zahl.")
            .arg(quoted(p.value), p.key);
    case Problem::NotAWholeNumber:
        return LochkartorText::tr("Der Wert „%1“ von %2 ist keine ganze Zahl.")
            .arg(quoted(p.value), p.key);
    case Problem::NotOnLine:
        if (p.line == 0)
            return LochkartorText::tr("Der Wert „%1“ von %2 passt nicht zu einem Pin ohne Leitung.")
                .arg(quoted(p.value), p.key);
        return LochkartorText::tr(
                   "Der Wert „%1“ von %2 ist keine Funktion, die Leitung %3 führen kann.")
            .arg(quoted(p.value), p.key, testerLineLetter(p.line));
    case Problem::NotForTubeType:
        return LochkartorText::tr("Der Wert „%1“ von %2 ist für diesen Grundtyp nicht wählbar.")
            .arg(quoted(p.value), p.key);
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
    case Problem::NotATubeFile:
    case Problem::TooLarge:
    case Problem::MissingKey:
    case Problem::TypedValue:
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

QString problemReason(const Problem &p)
{
    return reason(p);
}

QString problemText(const Problem &p, const QString &fileName)
{
    const QString name = PlainText::quoted(QDir::toNativeSeparators(fileName));
    switch (p.kind) {
    case Problem::None:
        return QString();
    case Problem::WrongVersion:
        return reason(p);
    case Problem::Unwritable:
        return LochkartorText::tr("Die Datei „%1“ kann nicht geschrieben werden.\n%2")
            .arg(name, reason(p));
    case Problem::Missing:
    case Problem::NotAFile:
    case Problem::Unreadable:
    case Problem::Damaged:
    case Problem::NotATubeFile:
    case Problem::TooLarge:
    case Problem::MissingKey:
    case Problem::TypedValue:
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

QString adjustmentsTitle()
{
    return LochkartorText::tr("Werte angepasst");
}

QString adjustmentsText(const std::vector<Adjustment> &adjustments)
{
    QStringList lines;
    lines << LochkartorText::tr("Diese Werte der Datei passen nicht in ihr Feld und wurden "
                                "angepasst:");
    for (const Adjustment &adjustment : adjustments)
        lines << adjustmentLine(adjustment);
    return lines.join(QLatin1Char('\n'));
}

QString adjustmentLine(const Adjustment &adjustment)
{
    const FieldName *name = adjustment.field ? fieldName(adjustment.field) : nullptr;
    const QString unit
        = name && *name->unit ? QLatin1Char(' ') + QString::fromUtf8(name->unit) : QString();
    return LochkartorText::tr("%1: „%2“ geladen als „%3“")
        .arg(name ? LochkartorText::tr(name->label) : adjustment.key,
             quoted(adjustment.fileValue) + unit, quoted(adjustment.loadedValue) + unit);
}

} // namespace TubeData
