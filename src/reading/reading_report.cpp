#include "reading_report.h"

#include "desired_values_table.h"
#include "heating_table.h"
#include "isolation_test_table.h"
#include "legend.h"
#include "operating_point_table.h"
#include "texts.h"
#include "tube_type_table.h"
#include "wiring_table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

namespace CardReading {

namespace {

QChar lineLetter(int line)
{
    return QLatin1Char(char('A' + line - 1));
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

// "25 < Ua ≤ 150 V"
QString rangeText(const char *symbol, const ValueRange &range, const char *unit)
{
    QString text;
    if (std::isfinite(range.low))
        text += number(range.low)
                + (range.lowIncluded ? QStringLiteral(" ≤ ") : QStringLiteral(" < "));
    text += QLatin1String(symbol);
    if (std::isfinite(range.high))
        text += (range.highIncluded ? QStringLiteral(" ≤ ") : QStringLiteral(" < "))
                + number(range.high);
    return text + QLatin1Char(' ') + QLatin1String(unit);
}

QString safeValueNote(double value, const char *unit)
{
    return LochkartorText::tr("nicht auf der Karte: sicherer Wert %1 %2, aufgedruckten Wert "
                              "eintragen")
        .arg(number(value), QLatin1String(unit));
}

QString printedValueText(const char *symbol, double value, const char *unit)
{
    return LochkartorText::tr("%1 = %2 %3 (aufgedruckt)")
        .arg(QLatin1String(symbol), number(value), QLatin1String(unit));
}

QString quantityText(const char *symbol, const Quantity &q, const char *unit)
{
    if (!q.known)
        return LochkartorText::tr("unbekannt");
    if (q.isExact())
        return QStringLiteral("%1 = %2 %3")
            .arg(QLatin1String(symbol), number(q.value), QLatin1String(unit));
    return rangeText(symbol, q.range, unit) + QStringLiteral(", ") + safeValueNote(q.value, unit);
}

QString listText(const QStringList &list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QStringLiteral("?");
}

QString faultText(Fault fault)
{
    switch (fault) {
    case Fault::TwoChoices:
        return LochkartorText::tr("zwei Wahlen einer Gruppe");
    case Fault::UncombinedBuses:
        return LochkartorText::tr("Leitung auf zwei Schienen, die keine Pinfunktion verbindet");
    case Fault::Unexplained:
        return LochkartorText::tr("Loch, das keine Einstellung stanzt");
    case Fault::HeaterIncomplete:
        return LochkartorText::tr("Heizung unvollständig");
    case Fault::BlockOff:
        return LochkartorText::tr("Löcher eines Blocks, den der Grundtyp abschaltet");
    case Fault::MissingChoice:
        return LochkartorText::tr("Gruppe ohne Wahl");
    case Fault::RangesExclude:
        return LochkartorText::tr("Bereiche schließen einander aus");
    }
    return QString();
}

const char *faultKey(Fault fault)
{
    switch (fault) {
    case Fault::TwoChoices:
        return "twoChoices";
    case Fault::UncombinedBuses:
        return "uncombinedBuses";
    case Fault::Unexplained:
        return "unexplained";
    case Fault::HeaterIncomplete:
        return "heaterIncomplete";
    case Fault::BlockOff:
        return "blockOff";
    case Fault::MissingChoice:
        return "missingChoice";
    case Fault::RangesExclude:
        return "rangesExclude";
    }
    return "";
}

// What the card prints at the hole that stands for a choice.
QString meaningOf(const Hole &hole)
{
    const QString meaning = holeMeaning(hole);
    return meaning.isEmpty() ? holesText({hole}) : meaning;
}

QString resistorText(const Reading &r, const ListTexts &texts)
{
    if (r.resistor < 0)
        return LochkartorText::tr("keiner");
    if (r.resistor >= OperatingPointTable::FirstLoadResistor)
        return listText(texts.loadResistors, r.resistor - OperatingPointTable::FirstLoadResistor);
    return listText(texts.resistors, r.resistor);
}

QJsonObject holesJson(const HoleList &holes)
{
    QJsonArray fieldI;
    QJsonArray fieldII;
    for (const Hole &hole : holes)
        (hole.field == HoleGrid::FieldI ? fieldI : fieldII).append(hole.number);
    return {{QStringLiteral("I"), fieldI}, {QStringLiteral("II"), fieldII}};
}

QJsonValue quantityJson(const Quantity &q, const char *unit, const QVariant *printed = nullptr)
{
    if (!q.known)
        return QJsonValue();
    auto bound
        = [](double value) { return std::isfinite(value) ? QJsonValue(value) : QJsonValue(); };
    QJsonObject object{{QStringLiteral("low"), bound(q.range.low)},
                       {QStringLiteral("lowIncluded"), q.range.lowIncluded},
                       {QStringLiteral("high"), bound(q.range.high)},
                       {QStringLiteral("highIncluded"), q.range.highIncluded},
                       {QStringLiteral("value"), printed ? printed->toDouble() : q.value},
                       {QStringLiteral("exact"), q.isExact() || printed}};
    if (printed)
        object.insert(QStringLiteral("printed"), true);
    else if (!q.isExact())
        object.insert(QStringLiteral("note"), safeValueNote(q.value, unit));
    return object;
}

// "11" of "11: Noval", "A5" of "A5: Noval": how the lists and --socket
// name a socket briefly.
QString socketCode(const ListTexts &texts, int socket)
{
    const QString text = listText(texts.sockets, socket);
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return colon > 0 ? text.left(colon) : QString::number(socket + 1);
}

QString socketCodes(const Outcome &o, const ListTexts &texts)
{
    QStringList codes;
    for (int socket : o.sockets)
        codes << socketCode(texts, socket);
    return codes.join(QStringLiteral(", "));
}

QJsonValue indexJson(int index)
{
    return index >= 0 ? QJsonValue(index) : QJsonValue();
}

// The quantities the holes bound, each with its form field.
std::vector<std::pair<const char *, const Quantity *>> boundedQuantities(const Reading &r)
{
    const bool rectifier = findTubeTypeSwitches(r.tubeType)->rectifierMode;
    return {{"heatingVoltage", &r.heatingVoltage},
            {"plateVoltage", &r.plateVoltage},
            {"screenVoltage", &r.screenVoltage},
            {"gridVoltage", &r.gridVoltage},
            {rectifier ? "rectCurrent" : "plateCurrent", &r.plateCurrent},
            {"screenCurrent", &r.screenCurrent},
            {"transconductance", &r.transconductance}};
}

// Whether a value the holes only bound is still not known exactly.
bool rangesLeft(const Outcome &o)
{
    const bool rectifier = findTubeTypeSwitches(o.reading.tubeType)->rectifierMode;
    for (const auto &[field, q] : boundedQuantities(o.reading)) {
        const bool shown = !(rectifier && q == &o.reading.plateVoltage);
        if (shown && q->known && !q->isExact() && !o.fromPrint(field))
            return true;
    }
    return false;
}

QStringList unknownTexts(const Outcome &o, const ListTexts &texts)
{
    const Reading &r = o.reading;
    QStringList unknown;
    if (!o.fromPrint("tubeName"))
        unknown << LochkartorText::tr("Röhrenname");
    if (!o.socketKnown())
        unknown << (o.sockets.empty()
                        ? LochkartorText::tr("Fassung")
                        : LochkartorText::tr("Fassung (passend: %1)").arg(socketCodes(o, texts)));
    if (rangesLeft(o))
        unknown << LochkartorText::tr("genaue Werte (nur ihre Bereiche)");
    if (!o.fromPrint("heatingCurrent"))
        unknown << LochkartorText::tr("Heizstrom");
    if (!o.fromPrint("capFunction"))
        unknown << LochkartorText::tr("Kappe");
    if (r.tubeTypes.size() > 1 && !o.fromPrint("genericTubeType"))
        unknown << LochkartorText::tr("welcher der Grundtypen mit denselben Blöcken");
    return unknown;
}

} // namespace

bool Outcome::fromPrint(const char *field) const
{
    return std::any_of(print.begin(), print.end(), [field](const PrintedValue &value) {
        return value.use == PrintUse::Used && value.field == QLatin1String(field);
    });
}

bool Outcome::printContradicts() const
{
    return std::any_of(print.begin(), print.end(), [](const PrintedValue &value) {
        return value.use == PrintUse::Contradiction;
    });
}

QString holesText(const HoleList &unsorted)
{
    HoleList holes = unsorted;
    std::sort(holes.begin(), holes.end());
    QStringList parts;
    int field = 0;
    for (const Hole &hole : holes) {
        if (hole.field != field) {
            field = hole.field;
            parts << (field == HoleGrid::FieldI ? QStringLiteral("I") : QStringLiteral("II"));
        }
        parts << QString::number(hole.number);
    }
    return parts.join(QLatin1Char(' '));
}

namespace {

QString choiceText(int index, const HoleList &holes)
{
    return index >= 0 && index < int(holes.size()) ? meaningOf(holes[std::size_t(index)])
                                                   : LochkartorText::tr("kein Loch");
}

QString plateSupplyText(const Reading &r, const ListTexts &texts)
{
    if (r.plateSupply < 0)
        return LochkartorText::tr("keine");
    for (const auto &row : OperatingPointTable::rectifierSupplies) {
        if (row.supply == r.plateSupply)
            return listText(texts.rectSupplies,
                            r.plateSupply - OperatingPointTable::rectifierSupplies[0].supply);
    }
    const HoleList &holes = OperatingPointTable::plateSupplies[std::size_t(r.plateSupply)];
    QStringList meanings;
    for (const Hole &hole : holes)
        meanings << meaningOf(hole);
    meanings.removeDuplicates();
    return meanings.join(QStringLiteral(", "));
}

QString typeText(const Reading &r, const ListTexts &texts)
{
    QString text = listText(texts.tubeTypes, r.tubeType);
    if (r.tubeTypes.empty())
        return LochkartorText::tr("%1 (kein Grundtyp passt genau)").arg(text);
    if (r.tubeTypes.size() > 1) {
        QStringList others;
        for (std::size_t i = 1; i < r.tubeTypes.size(); ++i)
            others << listText(texts.tubeTypes, r.tubeTypes[i]);
        text += LochkartorText::tr(" (ebenso möglich: %1)").arg(others.join(QStringLiteral(", ")));
    }
    return text;
}

// The type the print names, where it agrees with the holes.
QString shownTypeText(const Outcome &o, const ListTexts &texts)
{
    for (const PrintedValue &value : o.print) {
        if (value.use == PrintUse::Used && value.text == CardText::TubeType) {
            for (const auto &[field, index] : o.form) {
                if (field == QLatin1String("genericTubeType"))
                    return LochkartorText::tr("%1 (aufgedruckt)")
                        .arg(listText(texts.tubeTypes, index.toInt()));
            }
        }
    }
    return typeText(o.reading, texts);
}

QString socketText(const Outcome &o, const ListTexts &texts)
{
    if (o.socket < 0)
        return LochkartorText::tr("keine Fassung bedient alle verdrahteten Leitungen");
    QString text = listText(texts.sockets, o.socket);
    if (!o.socketKnown()) {
        return LochkartorText::tr("nicht auf der Karte; vorläufig %1 (passend, wahrscheinlichste "
                                  "zuerst: %2)")
            .arg(text, socketCodes(o, texts));
    } else if (o.socketPrinted) {
        text += LochkartorText::tr(" (aufgedruckt)");
    } else if (!o.socketGiven) {
        text += LochkartorText::tr(" (als einzige passend)");
    } else if (std::find(o.sockets.begin(), o.sockets.end(), o.socket) == o.sockets.end()) {
        text += LochkartorText::tr(" (bedient nicht alle verdrahteten Leitungen)");
    }
    return text;
}

const QVariant *formValue(const Outcome &o, const char *field)
{
    for (const auto &[name, value] : o.form) {
        if (name == QLatin1String(field))
            return &value;
    }
    return nullptr;
}

// A tube without a heater has no heater current.
bool heatingCurrentInForm(const Outcome &o)
{
    return formValue(o, "heatingCurrent") != nullptr;
}

QJsonValue heatingCurrentJson(const Outcome &o)
{
    const QVariant *current = formValue(o, "heatingCurrent");
    if (!current)
        return QJsonValue();
    if (o.fromPrint("heatingCurrent"))
        return QJsonObject{{QStringLiteral("value"), current->toDouble()},
                           {QStringLiteral("exact"), true},
                           {QStringLiteral("printed"), true}};
    return QJsonObject{{QStringLiteral("value"), current->toDouble()},
                       {QStringLiteral("exact"), false},
                       {QStringLiteral("note"), safeValueNote(current->toDouble(), "A")}};
}

// A quantity as the report shows it: the printed value where the print gave
// it, else what the holes say.
QString shownQuantity(const Outcome &o, const char *field, const char *symbol, const Quantity &q,
                      const char *unit)
{
    const QVariant *value = formValue(o, field);
    if (value && o.fromPrint(field))
        return printedValueText(symbol, value->toDouble(), unit);
    return quantityText(symbol, q, unit);
}

QJsonValue shownQuantityJson(const Outcome &o, const char *field, const Quantity &q,
                             const char *unit)
{
    return quantityJson(q, unit, o.fromPrint(field) ? formValue(o, field) : nullptr);
}

// "Anodenspannung" for the plate-voltage text: what each printed text is.
QString printedTextName(CardText text)
{
    switch (text) {
    case CardText::TubeName:
        return LochkartorText::tr("Röhrenname");
    case CardText::TubeType:
        return LochkartorText::tr("Grundtyp");
    case CardText::Socket:
        return LochkartorText::tr("Fassung");
    case CardText::HeatingVoltage:
        return LochkartorText::tr("Heizspannung");
    case CardText::HeatingCurrent:
        return LochkartorText::tr("Heizstrom");
    case CardText::PlateVoltage:
        return LochkartorText::tr("Anodenspannung");
    case CardText::ScreenVoltage:
        return LochkartorText::tr("Schirmgitterspannung");
    case CardText::GridVoltage:
        return LochkartorText::tr("Gittervorspannung");
    case CardText::PlateCurrent:
        return LochkartorText::tr("Anodenstrom");
    case CardText::ScreenCurrent:
        return LochkartorText::tr("Schirmgitterstrom");
    case CardText::Transconductance:
        return LochkartorText::tr("Steilheit");
    case CardText::PlateCapNote:
    case CardText::ScreenGridCapNote:
    case CardText::ControlGridCapNote:
        return LochkartorText::tr("Kappe");
    }
    return QString();
}

QString printUseText(PrintUse use)
{
    switch (use) {
    case PrintUse::Unread:
        return LochkartorText::tr("nicht gelesen");
    case PrintUse::Used:
        return LochkartorText::tr("übernommen");
    case PrintUse::Confirmed:
        return LochkartorText::tr("stimmt mit den Löchern überein");
    case PrintUse::Contradiction:
        return LochkartorText::tr("Widerspruch zu den Löchern, der sichere Wert bleibt");
    }
    return QString();
}

const char *printUseKey(PrintUse use)
{
    switch (use) {
    case PrintUse::Unread:
        return "unread";
    case PrintUse::Used:
        return "used";
    case PrintUse::Confirmed:
        return "confirmed";
    case PrintUse::Contradiction:
        return "contradiction";
    }
    return "";
}

// One line per text that is printed or read: "Aufdruck Anodenspannung:
// „Ua=250 V (300)“ – übernommen".
QStringList printLines(const Outcome &o)
{
    QStringList lines;
    for (const PrintedValue &value : o.print) {
        if (!value.inked && value.read.isEmpty())
            continue;
        const QString read
            = value.read.isEmpty() ? QString() : QStringLiteral("„%1“ – ").arg(value.read);
        lines << LochkartorText::tr("Aufdruck %1: %2%3")
                     .arg(printedTextName(value.text), read, printUseText(value.use));
    }
    if (lines.isEmpty())
        lines << LochkartorText::tr("Aufdruck: nichts gelesen");
    return lines;
}

QJsonObject printJson(const Outcome &o)
{
    QJsonObject print;
    for (const PrintedValue &value : o.print)
        print.insert(QLatin1String(cardTextKey(value.text)),
                     QJsonObject{{QStringLiteral("inked"), value.inked},
                                 {QStringLiteral("read"),
                                  value.read.isEmpty() ? QJsonValue() : QJsonValue(value.read)},
                                 {QStringLiteral("use"), QLatin1String(printUseKey(value.use))},
                                 {QStringLiteral("field"),
                                  value.field.isEmpty() ? QJsonValue() : QJsonValue(value.field)}});
    return print;
}

QJsonArray unknownFieldsJson(const Outcome &o, const ListTexts &texts)
{
    QJsonArray fields;
    for (const UnknownField &field : unknownFields(o, texts))
        fields.append(QJsonObject{{QStringLiteral("field"), field.field},
                                  {QStringLiteral("note"), field.note}});
    return fields;
}

} // namespace

std::vector<UnknownField> unknownFields(const Outcome &o, const ListTexts &texts)
{
    const Reading &r = o.reading;
    std::vector<UnknownField> fields;
    const auto add = [&](const char *field, const QString &note) {
        if (formValue(o, field) && !o.fromPrint(field))
            fields.push_back({QLatin1String(field), note});
    };
    add("tubeName", LochkartorText::tr("nicht auf der Karte: den aufgedruckten Namen eintragen"));
    if (!o.socketKnown())
        add("socket", o.sockets.empty()
                          ? LochkartorText::tr("nicht auf der Karte: keine Fassung passt")
                          : LochkartorText::tr("nicht auf der Karte: passend sind %1, die Fassung "
                                               "der Röhre wählen")
                                .arg(socketCodes(o, texts)));
    if (r.tubeTypes.size() > 1)
        add("genericTubeType",
            LochkartorText::tr("nicht auf der Karte: %1").arg(typeText(r, texts)));
    const auto addQuantity = [&](const char *field, const Quantity &q, const char *unit) {
        if (q.known && !q.isExact())
            add(field, safeValueNote(q.value, unit));
    };
    addQuantity("heatingVoltage", r.heatingVoltage, "V");
    add("heatingCurrent", safeValueNote(0.0, "A"));
    add("capFunction",
        LochkartorText::tr("nicht auf der Karte: die Kappe eintragen, wenn die Röhre eine hat"));
    const bool rectifier = findTubeTypeSwitches(r.tubeType)->rectifierMode;
    // A rectifier's plate voltage is only its plate meter's range; the form
    // keeps the field switched off.
    if (!rectifier)
        addQuantity("plateVoltage", r.plateVoltage, "V");
    addQuantity("screenVoltage", r.screenVoltage, "V");
    addQuantity("gridVoltage", r.gridVoltage, "V");
    addQuantity(rectifier ? "rectCurrent" : "plateCurrent", r.plateCurrent, "mA");
    addQuantity("screenCurrent", r.screenCurrent, "mA");
    addQuantity("transconductance", r.transconductance, "mA/V");
    return fields;
}

QString reportText(const Outcome &o, const ListTexts &texts)
{
    const Reading &r = o.reading;
    QStringList lines;
    lines << LochkartorText::tr("Gelesene Löcher: %1").arg(holesText(r.holes));
    lines << LochkartorText::tr("Fassung: %1").arg(socketText(o, texts));
    lines << LochkartorText::tr("Grundtyp: %1").arg(shownTypeText(o, texts));
    lines << QString() << LochkartorText::tr("Prüfleitungen:");
    for (int line = 1; line <= TesterLineCount; ++line) {
        const int function = r.lineFunctions[std::size_t(line - 1)];
        const QString name = function == PinFunction::NotConnected
                                 ? LochkartorText::tr("nicht verbunden")
                                 : listText(texts.pinFunctions, function);
        lines << QStringLiteral("  %1: %2").arg(lineLetter(line)).arg(name);
    }
    lines << QString() << LochkartorText::tr("Heizung:");
    switch (r.heaterSupply) {
    case Supply::Ac:
        lines << LochkartorText::tr("  Wechselstrom, %1")
                     .arg(listText(texts.heatingTaps, r.heatingTap));
        break;
    case Supply::Dc:
        lines << LochkartorText::tr("  Gleichstrom, %1")
                     .arg(shownQuantity(o, "heatingVoltage", "Uf", r.heatingVoltage, "V"));
        break;
    case Supply::None:
        lines << LochkartorText::tr("  keine");
        break;
    }
    if (r.directlyHeated)
        lines << LochkartorText::tr("  direkt geheizt (f- an)");
    if (heatingCurrentInForm(o))
        lines << LochkartorText::tr("  Heizstrom: %1")
                     .arg(o.fromPrint("heatingCurrent") ? printedValueText(
                              "If", formValue(o, "heatingCurrent")->toDouble(), "A")
                                                        : safeValueNote(0.0, "A"));

    lines << QString() << LochkartorText::tr("Arbeitspunkt:");
    lines << LochkartorText::tr("  Anodenspeisung: %1").arg(plateSupplyText(r, texts));
    if (findTubeTypeSwitches(r.tubeType)->rectifierMode) {
        lines << LochkartorText::tr("  Skala Ua: %1")
                     .arg(r.plateScale < 0
                              ? LochkartorText::tr("300 V (ohne Loch)")
                              : choiceText(r.plateScale, OperatingPointTable::plateScaleHoles));
        lines << LochkartorText::tr("  Lastwiderstand: %1").arg(resistorText(r, texts));
        lines << LochkartorText::tr("  Ladekondensator: %1")
                     .arg(listText(texts.capacitors, r.capacitor));
    } else {
        lines << LochkartorText::tr("  Anodenspannung: %1")
                     .arg(shownQuantity(o, "plateVoltage", "Ua", r.plateVoltage, "V"));
        if (r.screenVoltage.known)
            lines << LochkartorText::tr("  Schirmgitterspannung: %1")
                         .arg(shownQuantity(o, "screenVoltage", "Ug2", r.screenVoltage, "V"));
        if (r.gridVoltage.known)
            lines << LochkartorText::tr("  Gittervorspannung: %1")
                         .arg(shownQuantity(o, "gridVoltage", "Ug1", r.gridVoltage, "V"));
        lines << LochkartorText::tr("  Kathodenwiderstand: %1").arg(resistorText(r, texts));
        lines << LochkartorText::tr("  Kathodenkondensator: %1")
                     .arg(listText(texts.capacitors, r.capacitor));
    }

    lines << QString() << LochkartorText::tr("Sollwerte:");
    if (r.plateCurrent.known)
        lines << LochkartorText::tr("  Anodenstrom: %1 (%2)")
                     .arg(shownQuantity(o,
                                        findTubeTypeSwitches(r.tubeType)->rectifierMode
                                            ? "rectCurrent"
                                            : "plateCurrent",
                                        "Ia", r.plateCurrent, "mA"),
                          meaningOf(DesiredValuesTable::plateCurrentScaleHoles[std::size_t(
                              r.plateCurrentScale)]));
    if (r.screenCurrent.known)
        lines << LochkartorText::tr("  Schirmgitterstrom: %1 (%2)")
                     .arg(shownQuantity(o, "screenCurrent", "Ig2", r.screenCurrent, "mA"),
                          meaningOf(DesiredValuesTable::screenCurrentScaleHoles[std::size_t(
                              r.screenCurrentScale)]));
    if (r.transconductance.known)
        lines << LochkartorText::tr("  Steilheit: %1 (%2)")
                     .arg(shownQuantity(o, "transconductance", "S", r.transconductance, "mA/V"),
                          meaningOf(DesiredValuesTable::transconductanceScaleHoles[std::size_t(
                              r.transconductanceScale)]));

    lines << QString()
          << LochkartorText::tr("Isolationsprüfung: %1, %2")
                 .arg(listText(texts.isotestVoltages, r.isotestVoltage),
                      listText(texts.isotestRanges, r.isotestRange));
    if (!o.print.empty())
        lines << QString() << printLines(o);
    lines << QString()
          << LochkartorText::tr("Nicht auf der Karte: %1")
                 .arg(unknownTexts(o, texts).join(QStringLiteral(", ")));

    lines << QString();
    if (r.contradictions.empty() && !o.printContradicts()) {
        lines << LochkartorText::tr("Widersprüche: keine");
    } else {
        lines << LochkartorText::tr("Widersprüche:");
        for (const Contradiction &c : r.contradictions)
            lines << QStringLiteral("  %1 (%2): %3")
                         .arg(faultText(c.fault),
                              LochkartorText::tr(c.subject.toUtf8().constData()),
                              holesText(c.holes));
        for (const PrintedValue &value : o.print) {
            if (value.use == PrintUse::Contradiction)
                lines << LochkartorText::tr("  Aufdruck %1 „%2“ passt nicht zu den Löchern")
                             .arg(printedTextName(value.text), value.read);
        }
    }
    lines << QString();
    if (!o.checked)
        lines << LochkartorText::tr("Formular: nicht geprüft");
    else if (o.identical())
        lines << LochkartorText::tr("Formular: gibt genau diese Karte");
    else
        lines << LochkartorText::tr("Formular: nächstliegende Karte; es fehlen %1, zu viel sind %2")
                     .arg(o.missing.empty() ? LochkartorText::tr("keine") : holesText(o.missing),
                          o.extra.empty() ? LochkartorText::tr("keine") : holesText(o.extra));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString reportJson(const Outcome &o, const ListTexts &texts)
{
    const Reading &r = o.reading;
    QJsonObject lines;
    for (int line = 1; line <= TesterLineCount; ++line) {
        const int function = r.lineFunctions[std::size_t(line - 1)];
        lines.insert(QString(lineLetter(line)),
                     function == PinFunction::NotConnected ? QJsonValue() : QJsonValue(function));
    }
    QJsonArray types;
    for (int type : r.tubeTypes)
        types.append(type);
    QJsonArray sockets;
    for (int socket : o.sockets)
        sockets.append(socket + 1);
    const char *supply = r.heaterSupply == Supply::Ac   ? "ac"
                         : r.heaterSupply == Supply::Dc ? "dc"
                                                        : "none";
    QJsonArray contradictions;
    for (const Contradiction &c : r.contradictions)
        contradictions.append(
            QJsonObject{{QStringLiteral("rule"), QLatin1String(faultKey(c.fault))},
                        {QStringLiteral("subject"), c.subject},
                        {QStringLiteral("text"), faultText(c.fault)},
                        {QStringLiteral("holes"), holesJson(c.holes)}});
    QJsonObject form;
    for (const auto &[field, value] : o.form)
        form.insert(field, QJsonValue::fromVariant(value));
    QJsonObject root{
        {QStringLiteral("holes"), holesJson(r.holes)},
        {QStringLiteral("socket"), o.socket >= 0 ? QJsonValue(o.socket + 1) : QJsonValue()},
        {QStringLiteral("socketText"),
         o.socket >= 0 ? QJsonValue(listText(texts.sockets, o.socket)) : QJsonValue()},
        {QStringLiteral("sockets"), sockets},
        {QStringLiteral("socketKnown"), o.socketKnown()},
        {QStringLiteral("socketPrinted"), o.socketPrinted},
        {QStringLiteral("lines"), lines},
        {QStringLiteral("tubeType"),
         formValue(o, "genericTubeType") ? formValue(o, "genericTubeType")->toInt() : r.tubeType},
        {QStringLiteral("tubeTypes"), types},
        {QStringLiteral("heating"),
         QJsonObject{{QStringLiteral("supply"), QLatin1String(supply)},
                     {QStringLiteral("directlyHeated"), r.directlyHeated},
                     {QStringLiteral("tap"), indexJson(r.heatingTap)},
                     {QStringLiteral("voltage"),
                      shownQuantityJson(o, "heatingVoltage", r.heatingVoltage, "V")},
                     {QStringLiteral("current"), heatingCurrentJson(o)}}},
        {QStringLiteral("operatingPoint"),
         QJsonObject{{QStringLiteral("plateSupply"), indexJson(r.plateSupply)},
                     {QStringLiteral("plateScale"), indexJson(r.plateScale)},
                     {QStringLiteral("plateVoltage"),
                      shownQuantityJson(o, "plateVoltage", r.plateVoltage, "V")},
                     {QStringLiteral("screenVoltage"),
                      shownQuantityJson(o, "screenVoltage", r.screenVoltage, "V")},
                     {QStringLiteral("gridVoltage"),
                      shownQuantityJson(o, "gridVoltage", r.gridVoltage, "V")},
                     {QStringLiteral("resistor"), indexJson(r.resistor)},
                     {QStringLiteral("capacitor"), r.capacitor}}},
        {QStringLiteral("desiredValues"),
         QJsonObject{
             {QStringLiteral("plateCurrentScale"), indexJson(r.plateCurrentScale)},
             {QStringLiteral("plateCurrent"),
              shownQuantityJson(o,
                                findTubeTypeSwitches(r.tubeType)->rectifierMode ? "rectCurrent"
                                                                                : "plateCurrent",
                                r.plateCurrent, "mA")},
             {QStringLiteral("screenCurrentScale"), indexJson(r.screenCurrentScale)},
             {QStringLiteral("screenCurrent"),
              shownQuantityJson(o, "screenCurrent", r.screenCurrent, "mA")},
             {QStringLiteral("transconductanceScale"), indexJson(r.transconductanceScale)},
             {QStringLiteral("transconductance"),
              shownQuantityJson(o, "transconductance", r.transconductance, "mA/V")}}},
        {QStringLiteral("isolationTest"),
         QJsonObject{{QStringLiteral("voltage"), indexJson(r.isotestVoltage)},
                     {QStringLiteral("range"), indexJson(r.isotestRange)}}},
        {QStringLiteral("unknown"), QJsonArray::fromStringList(unknownTexts(o, texts))},
        {QStringLiteral("unknownFields"), unknownFieldsJson(o, texts)},
        {QStringLiteral("contradictions"), contradictions},
        {QStringLiteral("form"), form},
        {QStringLiteral("checked"), o.checked},
        {QStringLiteral("identical"), o.identical()},
        {QStringLiteral("missing"), holesJson(o.missing)},
        {QStringLiteral("extra"), holesJson(o.extra)},
    };
    if (!o.print.empty())
        root.insert(QStringLiteral("print"), printJson(o));
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Compact));
}

} // namespace CardReading
