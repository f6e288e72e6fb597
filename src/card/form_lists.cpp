#include "form_lists.h"

#include "socket_table.h"
#include "tube_type_table.h"
#include "wiring_table.h"

#include <QCoreApplication>
#include <iterator>

namespace FormLists {

namespace {

const char *const pinFunctionNames[PinFunction::Count] = {
    QT_TRANSLATE_NOOP("Lochkartor", "Heizung(-)"),
    QT_TRANSLATE_NOOP("Lochkartor", "Heizung(+)"),
    QT_TRANSLATE_NOOP("Lochkartor", "Kathode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Kathode Doppeltriode 1"),
    QT_TRANSLATE_NOOP("Lochkartor", "Kathode Doppeltriode 2"),
    QT_TRANSLATE_NOOP("Lochkartor", "Steuergitter"),
    QT_TRANSLATE_NOOP("Lochkartor", "Anode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Schirmgitter / Anode 2"),
    QT_TRANSLATE_NOOP("Lochkartor", "Heizung(-) & Kathode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Heizung(+) & Kathode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Unbelegt"),
};

const char *const heatingMethodNames[] = {
    QT_TRANSLATE_NOOP("Lochkartor", "Wechselstrom indirekt"),
    QT_TRANSLATE_NOOP("Lochkartor", "Wechselstrom direkt"),
    QT_TRANSLATE_NOOP("Lochkartor", "Gleichstrom indirekt"),
    QT_TRANSLATE_NOOP("Lochkartor", "Gleichstrom direkt"),
};

const char *const heatingTaps[] = {
    QT_TRANSLATE_NOOP("Lochkartor", "2,5 V"), QT_TRANSLATE_NOOP("Lochkartor", "3 V"),
    QT_TRANSLATE_NOOP("Lochkartor", "4,5 V"), QT_TRANSLATE_NOOP("Lochkartor", "5,5 V"),
    QT_TRANSLATE_NOOP("Lochkartor", "7 V"),   QT_TRANSLATE_NOOP("Lochkartor", "10 V"),
    QT_TRANSLATE_NOOP("Lochkartor", "13 V"),  QT_TRANSLATE_NOOP("Lochkartor", "15 V"),
};

const char *const capFunctions[Wiring::CapChoiceCount] = {
    QT_TRANSLATE_NOOP("Lochkartor", "Keine Kappe"),
    QT_TRANSLATE_NOOP("Lochkartor", "Steuergitter"),
    QT_TRANSLATE_NOOP("Lochkartor", "Schirmgitter"),
    QT_TRANSLATE_NOOP("Lochkartor", "Anode"),
};

const char *const cathodeResistors[] = {
    QT_TRANSLATE_NOOP("Lochkartor", "0 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "30 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "50 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "68 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "75 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "80 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "100 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "120 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "150 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "160 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "200 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "220 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "400 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "500 Ohm"),
    QT_TRANSLATE_NOOP("Lochkartor", "2x600 Ohm (Doppeltriode)"),
};

const char *const cathodeCaps[] = {
    QT_TRANSLATE_NOOP("Lochkartor", "5 µF"),
    QT_TRANSLATE_NOOP("Lochkartor", "10 µF"),
    QT_TRANSLATE_NOOP("Lochkartor", "100 µF"),
};

const char *const rectPlateVoltages[] = {
    QT_TRANSLATE_NOOP("Lochkartor", "2 x 350V"),
    QT_TRANSLATE_NOOP("Lochkartor", "2 x 400V"),
    QT_TRANSLATE_NOOP("Lochkartor", "2 x 500V"),
};

const char *const rectLoadResistors[] = {
    QT_TRANSLATE_NOOP("Lochkartor", "2 kOhm"),   QT_TRANSLATE_NOOP("Lochkartor", "3.3 kOhm"),
    QT_TRANSLATE_NOOP("Lochkartor", "3.6 kOhm"), QT_TRANSLATE_NOOP("Lochkartor", "5.2 kOhm"),
    QT_TRANSLATE_NOOP("Lochkartor", "5.7 kOhm"),
};

const char *const rectCaps[] = {
    QT_TRANSLATE_NOOP("Lochkartor", "5 µF"),
    QT_TRANSLATE_NOOP("Lochkartor", "10 µF"),
};

const char *const isotestVoltages[] = {
    QT_TRANSLATE_NOOP("Lochkartor", "100 V"),
    QT_TRANSLATE_NOOP("Lochkartor", "250 V"),
};

const char *const isotestRanges[] = {
    QT_TRANSLATE_NOOP("Lochkartor", "0,75 µA"), QT_TRANSLATE_NOOP("Lochkartor", "3 µA"),
    QT_TRANSLATE_NOOP("Lochkartor", "15 µA"),   QT_TRANSLATE_NOOP("Lochkartor", "30 µA"),
    QT_TRANSLATE_NOOP("Lochkartor", "150 µA"),
};

QString translated(const char *source)
{
    return QCoreApplication::translate("Lochkartor", source);
}

template<std::size_t N>
QStringList translatedRows(const char *const (&table)[N])
{
    QStringList texts;
    for (const char *row : table)
        texts << translated(row);
    return texts;
}

QStringList namesOf(int count, QString (*name)(int))
{
    QStringList texts;
    for (int index = 0; index < count; ++index)
        texts << name(index);
    return texts;
}

} // namespace

QStringList texts(List list)
{
    switch (list) {
    case List::Socket:
        return namesOf(SocketCount, socketListName);
    case List::TubeType:
        return namesOf(TubeTypeCount, tubeTypeName);
    case List::HeatingMethod:
        return translatedRows(heatingMethodNames);
    case List::HeatingTap:
        return translatedRows(heatingTaps);
    case List::PinFunction:
        return translatedRows(pinFunctionNames);
    case List::CapFunction:
        return translatedRows(capFunctions);
    case List::CathodeResistor:
        return translatedRows(cathodeResistors);
    case List::CathodeCap:
        return translatedRows(cathodeCaps);
    case List::RectPlateVoltage:
        return translatedRows(rectPlateVoltages);
    case List::RectLoadResistor:
        return translatedRows(rectLoadResistors);
    case List::RectCap:
        return translatedRows(rectCaps);
    case List::IsotestVoltage:
        return translatedRows(isotestVoltages);
    case List::IsotestRange:
        return translatedRows(isotestRanges);
    }
    return {};
}

} // namespace FormLists
