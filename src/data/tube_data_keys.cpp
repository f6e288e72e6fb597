#include "tube_data_keys.h"

#include "socket_table.h"
#include "tube_type_table.h"

#include <QtGlobal>

#include <cstring>

namespace TubeData {

namespace {

// The index ranges are the lists of the form: 24 sockets, 10 tube types,
// 4 heating methods, 8 heating taps, the 11 pin functions (-1 for a pin
// without a tester line), and so on down to the 5 isolation meter ranges.
// "heatingVoltage" is one key for two fields: the tap index when the heater
// runs on AC, the voltage when it runs on DC. A rectifier keeps its plate
// voltage too: the plate meter's holes depend on it, so without it the same
// file would give a different card in a window that had another voltage.
// clang-format off
const std::vector<Key> keyTable = {
    // group          key                 written when                  kind            form field          default pin indexes
    {"genericTubeData", "tubeName",         When::Always,                 Kind::Text,     "tubeName",         "",   0,  0,  0},
    {"genericTubeData", "socket",           When::Always,                 Kind::Index,    "socket",           "0",  0,  0, SocketCount - 1},
    {"genericTubeData", "genericTubeType",  When::Always,                 Kind::Index,    "genericTubeType",  "0",  0,  0, TubeTypeCount - 1},
    {"genericTubeData", "heatingMethod",    When::HeaterPresent,          Kind::Index,    "heatingMethod",    "0",  0,  0,  3},
    {"genericTubeData", "heatingVoltage",   When::HeaterOnAc,             Kind::Index,    "heatingVoltageAC", "0",  0,  0,  7},
    {"genericTubeData", "heatingVoltage",   When::HeaterOnDc,             Kind::Number,   "heatingVoltage",   "0",  0,  0,  0},
    {"genericTubeData", "heatingCurrent",   When::HeaterPresent,          Kind::Number,   "heatingCurrent",   "0",  0,  0,  0},
    {"pinout",          "pinCount",         When::Always,                 Kind::PinCount, "",                 "",   0,  0,  0},
    {"pinout",          "pin1function",     When::PinPresent,             Kind::Index,    "pin1Function",     "-1", 1, -1, 10},
    {"pinout",          "pin2function",     When::PinPresent,             Kind::Index,    "pin2Function",     "-1", 2, -1, 10},
    {"pinout",          "pin3function",     When::PinPresent,             Kind::Index,    "pin3Function",     "-1", 3, -1, 10},
    {"pinout",          "pin4function",     When::PinPresent,             Kind::Index,    "pin4Function",     "-1", 4, -1, 10},
    {"pinout",          "pin5function",     When::PinPresent,             Kind::Index,    "pin5Function",     "-1", 5, -1, 10},
    {"pinout",          "pin6function",     When::PinPresent,             Kind::Index,    "pin6Function",     "-1", 6, -1, 10},
    {"pinout",          "pin7function",     When::PinPresent,             Kind::Index,    "pin7Function",     "-1", 7, -1, 10},
    {"pinout",          "pin8function",     When::PinPresent,             Kind::Index,    "pin8Function",     "-1", 8, -1, 10},
    {"pinout",          "pin9function",     When::PinPresent,             Kind::Index,    "pin9Function",     "-1", 9, -1, 10},
    {"pinout",          "capFunction",      When::Always,                 Kind::Index,    "capFunction",      "0",  0,  0,  3},
    {"operatingPoint",  "rectPlateVoltage", When::Rectifier,              Kind::Index,    "rectPlateVoltage", "0",  0,  0,  2},
    {"operatingPoint",  "rectLoadResistor", When::Rectifier,              Kind::Index,    "rectLoadResistor", "0",  0,  0,  4},
    {"operatingPoint",  "rectCap",          When::Rectifier,              Kind::Index,    "rectCap",          "0",  0,  0,  1},
    {"operatingPoint",  "plateVoltage",     When::Rectifier,              Kind::Number,   "plateVoltage",     "0",  0,  0,  0, true, true},
    {"operatingPoint",  "plateVoltage",     When::NoRectifier,            Kind::Number,   "plateVoltage",     "0",  0,  0,  0},
    {"operatingPoint",  "screenVoltage",    When::NoRectifierScreenGrid,  Kind::Number,   "screenVoltage",    "0",  0,  0,  0},
    {"operatingPoint",  "gridVoltage",      When::NoRectifierControlGrid, Kind::Number,   "gridVoltage",      "0",  0,  0,  0},
    {"operatingPoint",  "cathodeResistor",  When::NoRectifier,            Kind::Index,    "cathodeResistor",  "0",  0,  0, 14},
    {"operatingPoint",  "cathodeCap",       When::NoRectifier,            Kind::Index,    "cathodeCap",       "0",  0,  0,  2},
    {"desiredValues",   "rectCurrent",      When::Rectifier,              Kind::Number,   "rectCurrent",      "0",  0,  0,  0},
    {"desiredValues",   "plateCurrent",     When::NoRectifier,            Kind::Number,   "plateCurrent",     "0",  0,  0,  0},
    {"desiredValues",   "screenCurrent",    When::NoRectifierScreenGrid,  Kind::Number,   "screenCurrent",    "0",  0,  0,  0},
    {"desiredValues",   "transconductance", When::NoRectifierControlGrid, Kind::Number,   "transconductance", "0",  0,  0,  0},
    {"isolationCheck",  "isotestVoltage",   When::Always,                 Kind::Index,    "isotestVolage",    "0",  0,  0,  1},
    {"isolationCheck",  "isotestRange",     When::Always,                 Kind::Index,    "isotestRange",     "0",  0,  0,  4},
};

// The labels as the form shows them, without their colon and unit.
const FieldName fieldNames[] = {
    {"tubeName",         QT_TRANSLATE_NOOP("Lochkartor", "Röhrenbezeichnung"),    ""},
    {"heatingVoltage",   QT_TRANSLATE_NOOP("Lochkartor", "Heizspannung DC"),      "V"},
    {"heatingCurrent",   QT_TRANSLATE_NOOP("Lochkartor", "Heizstrom"),            "A"},
    {"plateVoltage",     QT_TRANSLATE_NOOP("Lochkartor", "Anodenspannung"),       "V"},
    {"screenVoltage",    QT_TRANSLATE_NOOP("Lochkartor", "Schirmgitterspannung"), "V"},
    {"gridVoltage",      QT_TRANSLATE_NOOP("Lochkartor", "Steuergitterspannung"), "V"},
    {"rectCurrent",      QT_TRANSLATE_NOOP("Lochkartor", "Gleichrichtstrom"),     "mA"},
    {"plateCurrent",     QT_TRANSLATE_NOOP("Lochkartor", "Anodenstrom"),          "mA"},
    {"screenCurrent",    QT_TRANSLATE_NOOP("Lochkartor", "Schirmgitterstrom"),    "mA"},
    {"transconductance", QT_TRANSLATE_NOOP("Lochkartor", "Steilheit"),            "mA/V"},
};
// clang-format on

} // namespace

const FieldName *fieldName(const char *field)
{
    for (const FieldName &name : fieldNames) {
        if (std::strcmp(name.field, field) == 0)
            return &name;
    }
    return nullptr;
}

const std::vector<Key> &keys()
{
    return keyTable;
}

} // namespace TubeData
