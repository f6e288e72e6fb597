#include "tube.h"

#include "heating_table.h"
#include "operating_point_table.h"
#include "ranges.h"
#include "socket_table.h"
#include "tube_type_table.h"

#include <cstring>
#include <iterator>

namespace {

struct FieldRow
{
    const char *name;
    TubeFieldKind kind;
};

// In the order of TubeField; the names are the form fields' object names.
const FieldRow fieldRows[TubeFieldCount] = {
    {"tubeName", TubeFieldKind::Text},          {"socket", TubeFieldKind::Index},
    {"genericTubeType", TubeFieldKind::Index},  {"heatingMethod", TubeFieldKind::Index},
    {"heatingVoltageAC", TubeFieldKind::Index}, {"heatingVoltage", TubeFieldKind::Number},
    {"heatingCurrent", TubeFieldKind::Number},  {"pin1Function", TubeFieldKind::Index},
    {"pin2Function", TubeFieldKind::Index},     {"pin3Function", TubeFieldKind::Index},
    {"pin4Function", TubeFieldKind::Index},     {"pin5Function", TubeFieldKind::Index},
    {"pin6Function", TubeFieldKind::Index},     {"pin7Function", TubeFieldKind::Index},
    {"pin8Function", TubeFieldKind::Index},     {"pin9Function", TubeFieldKind::Index},
    {"capFunction", TubeFieldKind::Index},      {"plateVoltage", TubeFieldKind::Number},
    {"screenVoltage", TubeFieldKind::Number},   {"gridVoltage", TubeFieldKind::Number},
    {"cathodeResistor", TubeFieldKind::Index},  {"cathodeCap", TubeFieldKind::Index},
    {"rectPlateVoltage", TubeFieldKind::Index}, {"rectLoadResistor", TubeFieldKind::Index},
    {"rectCap", TubeFieldKind::Index},          {"plateCurrent", TubeFieldKind::Number},
    {"screenCurrent", TubeFieldKind::Number},   {"transconductance", TubeFieldKind::Number},
    {"rectCurrent", TubeFieldKind::Number},     {"isotestVolage", TubeFieldKind::Index},
    {"isotestRange", TubeFieldKind::Index},
};

int pinOf(TubeField field)
{
    const int index = int(field) - int(TubeField::Pin1);
    return index >= 0 && index < 9 ? index + 1 : 0;
}

// Members by field, so that reading and writing one value share one table.
template<typename T, typename Visit>
void visitField(T &tube, TubeField field, Visit visit)
{
    if (const int pin = pinOf(field)) {
        visit(tube.pinFunctions[std::size_t(pin - 1)]);
        return;
    }
    switch (field) {
    case TubeField::Name:
        visit(tube.name);
        break;
    case TubeField::Socket:
        visit(tube.socket);
        break;
    case TubeField::TubeType:
        visit(tube.tubeType);
        break;
    case TubeField::HeatingMethod:
        visit(tube.heatingMethod);
        break;
    case TubeField::HeatingTap:
        visit(tube.heatingTap);
        break;
    case TubeField::HeatingVoltage:
        visit(tube.heatingVoltage);
        break;
    case TubeField::HeatingCurrent:
        visit(tube.heatingCurrent);
        break;
    case TubeField::CapFunction:
        visit(tube.capFunction);
        break;
    case TubeField::PlateVoltage:
        visit(tube.plateVoltage);
        break;
    case TubeField::ScreenVoltage:
        visit(tube.screenVoltage);
        break;
    case TubeField::GridVoltage:
        visit(tube.gridVoltage);
        break;
    case TubeField::CathodeResistor:
        visit(tube.cathodeResistor);
        break;
    case TubeField::CathodeCap:
        visit(tube.cathodeCap);
        break;
    case TubeField::RectPlateVoltage:
        visit(tube.rectPlateVoltage);
        break;
    case TubeField::RectLoadResistor:
        visit(tube.rectLoadResistor);
        break;
    case TubeField::RectCap:
        visit(tube.rectCap);
        break;
    case TubeField::PlateCurrent:
        visit(tube.plateCurrent);
        break;
    case TubeField::ScreenCurrent:
        visit(tube.screenCurrent);
        break;
    case TubeField::Transconductance:
        visit(tube.transconductance);
        break;
    case TubeField::RectCurrent:
        visit(tube.rectCurrent);
        break;
    case TubeField::IsotestVoltage:
        visit(tube.isotestVoltage);
        break;
    case TubeField::IsotestRange:
        visit(tube.isotestRange);
        break;
    default:
        break;
    }
}

struct Reader
{
    TubeValue *out;
    void operator()(const QString &text) const { out->text = text; }
    void operator()(int index) const { out->number = index; }
    void operator()(double number) const { out->number = number; }
};

struct Writer
{
    const TubeValue *in;
    void operator()(QString &text) const { text = in->text; }
    void operator()(int &index) const { index = int(in->number); }
    void operator()(double &number) const { number = in->number; }
};

const TubeTypeSwitches &switchesOf(const Tube &tube)
{
    static const TubeTypeSwitches none{false, false, false, false};
    const TubeTypeSwitches *switches = findTubeTypeSwitches(tube.tubeType);
    return switches ? *switches : none;
}

bool heatingMethodIs(const Tube &tube, HeatingTable::HeaterSupply supply)
{
    return tube.heatingMethod >= 0 && tube.heatingMethod < 4
           && HeatingTable::methods[tube.heatingMethod].supply == supply;
}

} // namespace

bool operator==(const Tube &a, const Tube &b)
{
    for (int field = 0; field < TubeFieldCount; ++field) {
        const TubeValue x = valueOf(a, TubeField(field));
        const TubeValue y = valueOf(b, TubeField(field));
        if (x.text != y.text || x.number != y.number)
            return false;
    }
    return true;
}

const char *tubeFieldName(TubeField field)
{
    return fieldRows[int(field)].name;
}

TubeFieldKind tubeFieldKind(TubeField field)
{
    return fieldRows[int(field)].kind;
}

bool tubeFieldNamed(const char *name, TubeField *field)
{
    for (int index = 0; index < TubeFieldCount; ++index) {
        if (std::strcmp(fieldRows[index].name, name) == 0) {
            *field = TubeField(index);
            return true;
        }
    }
    return false;
}

TubeField pinField(int pin)
{
    return TubeField(int(TubeField::Pin1) + pin - 1);
}

TubeValue valueOf(const Tube &tube, TubeField field)
{
    TubeValue value;
    visitField(tube, field, Reader{&value});
    return value;
}

void setValueOf(Tube &tube, TubeField field, const TubeValue &value)
{
    visitField(tube, field, Writer{&value});
}

namespace TubeForm {

Flags flags(const Tube &tube)
{
    const TubeTypeSwitches &switches = switchesOf(tube);
    Flags flags;
    flags.rectifier = switches.rectifierMode;
    flags.screenGrid = switches.screenGrid;
    flags.controlGrid = switches.controlGrid;
    // A glow stabiliser has no heater; every other type heats by the method
    // in the form.
    flags.heaterPresent
        = !switches.glowStabiliser && tube.heatingMethod >= 0 && tube.heatingMethod < 4;
    flags.directlyHeated
        = flags.heaterPresent && HeatingTable::methods[tube.heatingMethod].directlyHeated;
    return flags;
}

int pinCount(const Tube &tube)
{
    const SocketRow *socket = findSocket(tube.socket);
    return socket ? socket->pinCount() : 0;
}

int pinLine(const Tube &tube, int pin)
{
    const SocketRow *socket = findSocket(tube.socket);
    if (!socket || pin < 1 || pin > socket->pinCount())
        return 0;
    return socket->lineOf(pin);
}

bool isFieldOn(const Tube &tube, TubeField field)
{
    const TubeTypeSwitches &switches = switchesOf(tube);
    const Flags kind = flags(tube);
    if (const int pin = pinOf(field))
        return pin <= pinCount(tube);
    switch (field) {
    case TubeField::HeatingMethod:
        return !switches.glowStabiliser;
    case TubeField::HeatingTap:
        return kind.heaterPresent && heatingMethodIs(tube, HeatingTable::HeaterSupply::Ac);
    case TubeField::HeatingVoltage:
        return kind.heaterPresent && heatingMethodIs(tube, HeatingTable::HeaterSupply::Dc);
    case TubeField::PlateVoltage:
    case TubeField::PlateCurrent:
    case TubeField::CathodeResistor:
    case TubeField::CathodeCap:
        return !kind.rectifier;
    case TubeField::RectPlateVoltage:
    case TubeField::RectLoadResistor:
    case TubeField::RectCap:
    case TubeField::RectCurrent:
        return kind.rectifier;
    case TubeField::ScreenVoltage:
    case TubeField::ScreenCurrent:
        return kind.screenGrid;
    case TubeField::GridVoltage:
    case TubeField::Transconductance:
        return kind.controlGrid;
    default:
        return true;
    }
}

Limits limits(const Tube &tube, TubeField field)
{
    using namespace OperatingPointTable;
    switch (field) {
    case TubeField::HeatingVoltage:
        return {1.0, 17.0, 2};
    // A glow stabiliser keeps the heating method and its limit, so that the
    // heater current is as it was when the tube type changes back.
    case TubeField::HeatingCurrent: {
        if (heatingMethodIs(tube, HeatingTable::HeaterSupply::Dc))
            return {0.0, HeatingTable::DcMaximumCurrent, 2};
        const bool tapKnown = tube.heatingTap >= 0 && tube.heatingTap < HeatingTable::NoTap;
        if (tapKnown)
            return {0.0, HeatingTable::taps[tube.heatingTap].maximumCurrent, 2};
        return {0.0, 3.0, 2};
    }
    case TubeField::PlateVoltage:
        return {5.0, 300.0, 1};
    case TubeField::ScreenVoltage:
        return {5.0, tube.plateVoltage, 1};
    case TubeField::GridVoltage:
        return {-65.5, 0.0, 1};
    case TubeField::PlateCurrent:
        return {0.0, firstRowNotExceeded(plateVoltageRanges, tube.plateVoltage).plateCurrentMaximum,
                2};
    case TubeField::ScreenCurrent:
    case TubeField::Transconductance:
        return {0.0, 99.99, 2};
    case TubeField::RectCurrent:
        return {0.0, 300.0, 2};
    default:
        return {};
    }
}

} // namespace TubeForm
