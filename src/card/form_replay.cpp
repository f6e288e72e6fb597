// The window's encoders, one for one, on plain values. Loading a file runs
// them in the order the values arrive, and some outcomes depend on that
// order (the plate meter range a rectifier keeps, the resistor holes a pin
// leaves alone, a limit that clamped a value on the way); replaying the same
// steps gives the same card without a widget.

#include "form_replay.h"

#include "cardtext_layout.h"
#include "decimal_text.h"
#include "desired_values_table.h"
#include "encoding.h"
#include "heating_table.h"
#include "isolation_test_table.h"
#include "operating_point_table.h"
#include "ranges.h"
#include "socket_table.h"
#include "tube_type_table.h"
#include "wiring_table.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

constexpr int NameMaxLength = 12;

int bitOf(const Hole &hole)
{
    return (hole.field - HoleGrid::FieldI) * HoleGrid::HolesPerField + hole.number - 1;
}

const HoleList &tapHoles()
{
    static const HoleList holes = Encoding::holesOfAllRows(
        HeatingTable::taps, [](const HeatingTable::Tap &tap) { return HoleList{tap.hole}; });
    return holes;
}

const HoleList &heaterSupplyHoles()
{
    static const HoleList holes = [] {
        HoleList all = HeatingTable::acSupplyHoles;
        all.insert(all.end(), HeatingTable::dcSupplyHoles.begin(),
                   HeatingTable::dcSupplyHoles.end());
        all.push_back(HeatingTable::filamentMinusHole);
        return all;
    }();
    return holes;
}

HoleList heaterSupplyHolesOf(const HeatingTable::Method &method)
{
    HoleList holes;
    if (method.supply == HeatingTable::HeaterSupply::Ac)
        holes = HeatingTable::acSupplyHoles;
    else if (method.supply == HeatingTable::HeaterSupply::Dc)
        holes = HeatingTable::dcSupplyHoles;
    if (method.directlyHeated)
        holes.push_back(HeatingTable::filamentMinusHole);
    return holes;
}

bool isDcMethod(int method)
{
    return method >= 0 && method < int(std::size(HeatingTable::methods))
           && HeatingTable::methods[method].supply == HeatingTable::HeaterSupply::Dc;
}

const HoleList &plateSupplyGroup()
{
    static const HoleList holes = Encoding::holesOfAllRows(OperatingPointTable::plateSupplies,
                                                           [](const HoleList &row) { return row; });
    return holes;
}

const HoleList &resistorGroup()
{
    static const HoleList holes = Encoding::holesOfAllRows(
        OperatingPointTable::resistors,
        [](const OperatingPointTable::Resistor &row) { return row.holes; });
    return holes;
}

HoleList holesOfResistorChoice(int choice)
{
    if (choice < 0 || choice >= int(std::size(OperatingPointTable::resistors)))
        return {};
    return OperatingPointTable::resistors[choice].holes;
}

QString valueText(const char *prefix, double value, const char *suffix)
{
    return QLatin1String(prefix) + Encoding::numberText(value) + QLatin1String(suffix);
}

int pinOf(TubeField field)
{
    const int index = int(field) - int(TubeField::Pin1);
    return index >= 0 && index < 9 ? index + 1 : 0;
}

// The first row a pin box offers in the list of `model`: the first function
// the line can carry, or none for a pin without a line.
int firstOfferedRow(int model)
{
    if (model < 1)
        return -1;
    for (int function = 0; function < PinFunction::Count; ++function) {
        if (Wiring::lineHandles(model, function))
            return function;
    }
    return -1;
}

int rowsOfModel(int model)
{
    return model == 0 ? 1 : model > 0 ? PinFunction::Count : 0;
}

} // namespace

FormReplay::FormReplay()
{
    build();
}

QString translatedFreshTexts()
{
    return QCoreApplication::translate("Lochkartor", findSocket(0)->cardText) + tubeTypeName(0)
           + initialCardText(CardText::PlateCapNote) + initialCardText(CardText::ScreenGridCapNote)
           + initialCardText(CardText::ControlGridCapNote);
}

FormReplay FormReplay::fresh()
{
    static FormReplay form;
    static QString texts = translatedFreshTexts();
    const QString now = translatedFreshTexts();
    if (now != texts) {
        form = FormReplay();
        texts = now;
    }
    return form;
}

FormReplay FormReplay::holding(const Tube &tube)
{
    static constexpr TubeField order[] = {
        TubeField::Name,
        TubeField::Socket,
        TubeField::Pin1,
        TubeField::Pin2,
        TubeField::Pin3,
        TubeField::Pin4,
        TubeField::Pin5,
        TubeField::Pin6,
        TubeField::Pin7,
        TubeField::Pin8,
        TubeField::Pin9,
        TubeField::CapFunction,
        TubeField::HeatingMethod,
        TubeField::HeatingTap,
        TubeField::HeatingVoltage,
        TubeField::HeatingCurrent,
        TubeField::PlateVoltage,
        TubeField::ScreenVoltage,
        TubeField::GridVoltage,
        TubeField::CathodeResistor,
        TubeField::CathodeCap,
        TubeField::RectPlateVoltage,
        TubeField::RectLoadResistor,
        TubeField::RectCap,
        TubeField::PlateCurrent,
        TubeField::ScreenCurrent,
        TubeField::Transconductance,
        TubeField::RectCurrent,
        TubeField::IsotestVoltage,
        TubeField::IsotestRange,
        TubeField::TubeType,
    };
    static_assert(std::size(order) == TubeFieldCount);
    FormReplay form = fresh();
    for (TubeField field : order)
        form.set(field, valueOf(tube, field));
    form.keepSwitchedOffPins(tube);
    return form;
}

// A pin the socket lacks keeps, greyed, the list an earlier socket gave it
// and "Unbelegt"; which line that was reaches neither the card nor the tube.
void FormReplay::keepSwitchedOffPins(const Tube &tube)
{
    for (int pin = m_pinCount + 1; pin <= 9; ++pin) {
        const int index = tube.pinFunctions[std::size_t(pin - 1)];
        List &box = list(pinField(pin));
        if (index != box.index && index >= 0 && index < PinFunction::Count)
            box = {index, PinFunction::Count, false, OwnModel};
    }
}

// The form's start values as the form file gives them, then the first pass
// of the encoders in the order the window's constructor runs them.
void FormReplay::build()
{
    auto spinOf = [this](TubeField field, double value, double minimum, double maximum,
                         int decimals, bool enabled = true) {
        spin(field) = {value, minimum, maximum, decimals, enabled};
    };
    spinOf(TubeField::HeatingVoltage, 1.0, 1.0, 17.0, 2, false);
    spinOf(TubeField::HeatingCurrent, 1.0, 0.0, 3.0, 2);
    spinOf(TubeField::PlateVoltage, 5.0, 5.0, 300.0, 1);
    spinOf(TubeField::ScreenVoltage, 5.0, 5.0, 5.0, 1);
    spinOf(TubeField::GridVoltage, 0.0, -65.5, 0.0, 1);
    spinOf(TubeField::PlateCurrent, 0.0, 0.0, 99.99, 2);
    spinOf(TubeField::ScreenCurrent, 0.0, 0.0, 99.99, 2);
    spinOf(TubeField::Transconductance, 0.0, 0.0, 99.99, 2);
    spinOf(TubeField::RectCurrent, 0.0, 0.0, 300.0, 2, false);

    auto listOf = [this](TubeField field, int index, int count, bool enabled = true) {
        list(field) = {index, count, enabled, OwnModel};
    };
    listOf(TubeField::Socket, 0, SocketCount);
    listOf(TubeField::TubeType, 0, TubeTypeCount);
    listOf(TubeField::HeatingMethod, 0, 4);
    listOf(TubeField::HeatingTap, 4, HeatingTable::NoTap);
    for (int pin = 1; pin <= 9; ++pin)
        listOf(pinField(pin), -1, 0);
    listOf(TubeField::CapFunction, 0, Wiring::CapChoiceCount);
    listOf(TubeField::CathodeResistor, 0, OperatingPointTable::FirstLoadResistor);
    listOf(TubeField::CathodeCap, 0, 3);
    listOf(TubeField::RectPlateVoltage, 0, 3, false);
    listOf(TubeField::RectLoadResistor, 0, 5, false);
    listOf(TubeField::RectCap, 0, 2, false);
    listOf(TubeField::IsotestVoltage, 1, 2);
    listOf(TubeField::IsotestRange, 1, 5);

    for (int text = 0; text < CardTextCount; ++text)
        m_texts[std::size_t(text)] = {initialCardText(CardText(text)), true};

    setTubeNameText(m_name);
    encodeSocket(list(TubeField::Socket).index);
    encodeTubeType(list(TubeField::TubeType).index);
    encodeHeatingVoltage(spin(TubeField::HeatingVoltage).value);
    writeHeatingCurrentText(spin(TubeField::HeatingCurrent).value);
    encodeHeatingMethod(list(TubeField::HeatingMethod).index);
    // The heating method list is replaced by the shared one, which selects
    // its first row and says so even though the index stays 0.
    list(TubeField::HeatingMethod).index = 0;
    changed(TubeField::HeatingMethod);
    for (int pin = 1; pin <= 9; ++pin)
        setCurrentIndex(pinField(pin), PinFunction::NotConnected);
    encodePlateVoltage(spin(TubeField::PlateVoltage).value);
    encodeScreenVoltage(spin(TubeField::ScreenVoltage).value);
    encodeGridVoltage(spin(TubeField::GridVoltage).value);
    encodeCathodeResistor(list(TubeField::CathodeResistor).index);
    encodeCathodeCap(list(TubeField::CathodeCap).index);
    encodePlateCurrent(spin(TubeField::PlateCurrent).value);
    encodeScreenCurrent(spin(TubeField::ScreenCurrent).value);
    setCurrentIndex(TubeField::IsotestVoltage, 0);
    setCurrentIndex(TubeField::IsotestRange, 0);
    encodeTransconductance(spin(TubeField::Transconductance).value);
    encodeTubeType(list(TubeField::TubeType).index);

    setTextVisible(CardText::PlateCapNote, false);
    setTextVisible(CardText::ScreenGridCapNote, false);
    setTextVisible(CardText::ControlGridCapNote, false);
}

void FormReplay::set(TubeField field, const TubeValue &value)
{
    switch (tubeFieldKind(field)) {
    case TubeFieldKind::Text: {
        const QString text = value.text.left(NameMaxLength);
        if (text != m_name) {
            m_name = text;
            changed(field);
        }
        break;
    }
    case TubeFieldKind::Index:
        // An empty pin box leaves the card alone; passing through "Unbelegt"
        // first clears what the pin's line had wired.
        if (pinOf(field) != 0 && int(value.number) == -1)
            setCurrentIndex(field, PinFunction::NotConnected);
        setCurrentIndex(field, int(value.number));
        break;
    case TubeFieldKind::Number:
        setValue(field, value.number);
        break;
    }
}

Tube FormReplay::tube() const
{
    Tube tube;
    for (int index = 0; index < TubeFieldCount; ++index) {
        const auto field = TubeField(index);
        TubeValue value;
        switch (tubeFieldKind(field)) {
        case TubeFieldKind::Text:
            value.text = m_name;
            break;
        case TubeFieldKind::Index:
            value.number = list(field).index;
            break;
        case TubeFieldKind::Number:
            value.number = spin(field).value;
            break;
        }
        setValueOf(tube, field, value);
    }
    return tube;
}

// Only pins of the socket that reach a tester line count: a pin without a
// line connects nothing, whatever its box shows.
Card FormReplay::card() const
{
    Card card;
    for (int bit = 0; bit < int(m_holes.size()); ++bit) {
        if (m_holes[std::size_t(bit)])
            card.holes.push_back({HoleGrid::FieldI + bit / HoleGrid::HolesPerField,
                                  bit % HoleGrid::HolesPerField + 1});
    }
    card.texts = m_texts;
    card.tubeNamePointSize = m_tubeNamePointSize;
    Validity::FoundFunctions found;
    for (int pin = 1; pin <= m_pinCount && pin <= 9; ++pin) {
        if (m_pinLines[std::size_t(pin - 1)] != 0)
            found.add(list(pinField(pin)).index);
    }
    found.add(Wiring::capPinFunction(list(TubeField::CapFunction).index));
    for (int check = 0; check < Validity::CheckCount; ++check)
        card.findings[std::size_t(check)]
            = Validity::evaluate(Validity::Check(check), found, m_kind);
    return card;
}

// --- Widget behaviour -----------------------------------------------------

FormReplay::Spin &FormReplay::spin(TubeField field)
{
    return m_spins[std::size_t(field)];
}

const FormReplay::Spin &FormReplay::spin(TubeField field) const
{
    return m_spins[std::size_t(field)];
}

FormReplay::List &FormReplay::list(TubeField field)
{
    return m_lists[std::size_t(field)];
}

const FormReplay::List &FormReplay::list(TubeField field) const
{
    return m_lists[std::size_t(field)];
}

// A spin box keeps its values rounded to its decimals, as it shows them. A
// whole number comes back from its text unchanged, so it is spared the trip
// (most values of a tube file are whole). Zero keeps its sign as the text
// gives it.
double FormReplay::round(const Spin &spin, double value) const
{
    if (value != 0 && std::abs(value) < 1e15 && std::trunc(value) == value)
        return value;
    return DecimalText::rounded(value, spin.decimals);
}

void FormReplay::setValue(TubeField field, double value)
{
    Spin &box = spin(field);
    const double bounded = std::min(std::max(round(box, value), box.minimum), box.maximum);
    if (bounded == box.value)
        return;
    box.value = bounded;
    changed(field);
}

// A maximum below the minimum takes the minimum down with it; a value above
// the new maximum is lowered, and that is a change like any other.
void FormReplay::setMaximum(TubeField field, double maximum)
{
    Spin &box = spin(field);
    box.maximum = round(box, maximum);
    box.minimum = std::min(box.minimum, box.maximum);
    const double bounded = std::min(std::max(box.value, box.minimum), box.maximum);
    if (bounded == box.value)
        return;
    box.value = bounded;
    changed(field);
}

void FormReplay::setCurrentIndex(TubeField field, int index)
{
    List &box = list(field);
    const int row = index >= 0 && index < box.count ? index : -1;
    if (row == box.index)
        return;
    box.index = row;
    changed(field);
}

// A new list selects its first row that can be chosen, and the box reports
// that choice even when the row number stays the same.
void FormReplay::setPinModel(int pin, int model)
{
    List &box = list(pinField(pin));
    if (box.model == model)
        return;
    const int before = box.index;
    box.model = model;
    box.count = rowsOfModel(model);
    box.index = firstOfferedRow(model);
    if (before != -1 || box.index != -1)
        changed(pinField(pin));
}

void FormReplay::setText(CardText text, const QString &content)
{
    m_texts[std::size_t(text)].content = content;
}

void FormReplay::setTextVisible(CardText text, bool visible)
{
    m_texts[std::size_t(text)].visible = visible;
}

void FormReplay::setHole(const Hole &hole, bool punched)
{
    if (HoleGrid::isValid(hole))
        m_holes[std::size_t(bitOf(hole))] = punched;
}

void FormReplay::punchOnly(const HoleList &group, const HoleList &punched)
{
    for (const Hole &hole : group)
        setHole(hole, std::find(punched.begin(), punched.end(), hole) != punched.end());
}

void FormReplay::punchOneOf(const HoleList &group, int index)
{
    if (index < 0 || index >= int(group.size()))
        return;
    punchOnly(group, {group[std::size_t(index)]});
}

void FormReplay::selectOne(const HoleList &group, int choice, bool lastChoiceIsNone)
{
    const int choices = int(group.size()) + (lastChoiceIsNone ? 1 : 0);
    if (choice < 0 || choice >= choices)
        return;
    HoleList punched;
    if (choice < int(group.size()))
        punched.push_back(group[std::size_t(choice)]);
    punchOnly(group, punched);
}

// --- The slots ------------------------------------------------------------

// A field that the tube type or the heating method has switched off keeps
// whatever value it is given but leaves the card alone.
void FormReplay::changed(TubeField field)
{
    if (const int pin = pinOf(field)) {
        encodePinFunction(m_pinLines[std::size_t(pin - 1)], list(field).index);
        return;
    }
    const bool live
        = tubeFieldKind(field) == TubeFieldKind::Number ? spin(field).enabled : list(field).enabled;
    const double value = tubeFieldKind(field) == TubeFieldKind::Number ? spin(field).value : 0.0;
    const int index = tubeFieldKind(field) == TubeFieldKind::Index ? list(field).index : 0;
    switch (field) {
    case TubeField::Name:
        setTubeNameText(m_name);
        break;
    case TubeField::Socket:
        encodeSocket(index);
        break;
    case TubeField::TubeType:
        encodeTubeType(index);
        break;
    case TubeField::HeatingMethod:
        encodeHeatingMethod(index);
        break;
    case TubeField::HeatingTap:
        if (live)
            encodeHeatingVoltageAC(index);
        break;
    case TubeField::HeatingVoltage:
        if (live)
            encodeHeatingVoltage(value);
        break;
    case TubeField::HeatingCurrent:
        writeHeatingCurrentText(value);
        break;
    case TubeField::CapFunction:
        encodeCapFunction(index);
        break;
    case TubeField::PlateVoltage:
        if (live)
            encodePlateVoltage(value);
        break;
    case TubeField::ScreenVoltage:
        if (live)
            encodeScreenVoltage(value);
        break;
    case TubeField::GridVoltage:
        if (live)
            encodeGridVoltage(value);
        break;
    case TubeField::CathodeResistor:
        if (live)
            encodeCathodeResistor(index);
        break;
    case TubeField::CathodeCap:
        if (live)
            encodeCathodeCap(index);
        break;
    // The rectifier lists continue the amplifier choices of the shared
    // encoders: supply i is plate supply i + 3, load resistor i is resistor
    // choice i + 15, and an empty list is no choice.
    case TubeField::RectPlateVoltage:
        if (live)
            encodeRectPlateVoltage(index + 3);
        break;
    case TubeField::RectLoadResistor:
        if (live && index >= 0)
            encodeCathodeResistor(index + OperatingPointTable::FirstLoadResistor);
        break;
    case TubeField::RectCap:
        if (live)
            encodeCathodeCap(index);
        break;
    case TubeField::PlateCurrent:
        if (live)
            encodePlateCurrent(value);
        break;
    case TubeField::ScreenCurrent:
        if (live)
            encodeScreenCurrent(value);
        break;
    case TubeField::Transconductance:
        if (live)
            encodeTransconductance(value);
        break;
    case TubeField::RectCurrent:
        if (live)
            encodeRectCurrent(value);
        break;
    case TubeField::IsotestVoltage:
        punchOneOf(IsolationTestTable::voltageHoles, index);
        break;
    case TubeField::IsotestRange:
        punchOneOf(IsolationTestTable::rangeHoles, index);
        break;
    default:
        break;
    }
}

// --- The encoders ---------------------------------------------------------

void FormReplay::setTubeNameText(const QString &name)
{
    setText(CardText::TubeName, name);
    m_tubeNamePointSize = tubeNamePointSize(name);
}

void FormReplay::encodeSocket(int index)
{
    const SocketRow *socket = findSocket(index);
    if (!socket)
        return;
    // A line that served the previous socket may serve no pin of the new
    // one; none of the old wiring may stay on the card.
    for (int line = 1; line <= TesterLineCount; ++line)
        encodePinFunction(line, PinFunction::NotConnected);
    setText(CardText::Socket, QCoreApplication::translate("Lochkartor", socket->cardText));
    for (int pin = 1; pin <= socket->pinCount(); ++pin) {
        const int line = socket->lineOf(pin);
        m_pinLines[std::size_t(pin - 1)] = line;
        setPinModel(pin, line);
    }
    setPinCount(socket->pinCount());
}

// Pins above the count keep their line and list but are switched off and
// reset, which clears what they had punched.
void FormReplay::setPinCount(int n)
{
    m_pinCount = n;
    for (int pin = 1; pin <= 9; ++pin) {
        list(pinField(pin)).enabled = pin <= n;
        setCurrentIndex(pinField(pin), PinFunction::NotConnected);
    }
}

void FormReplay::encodePinFunction(int line, int function)
{
    if (!Wiring::lineHandles(line, function))
        return;
    // The resistor "2x600 Ohm (Doppeltriode)" punches the holes the double
    // triode cathode functions of lines H and I use; a pin leaves them alone
    // while the resistor holds them.
    const int loadResistor = list(TubeField::RectLoadResistor).index;
    const int resistorChoice = !m_kind.rectifier ? list(TubeField::CathodeResistor).index
                               : loadResistor < 0
                                   ? -1
                                   : loadResistor + OperatingPointTable::FirstLoadResistor;
    punchOnly(withoutHoles(Wiring::lineHoles(line), holesOfResistorChoice(resistorChoice)),
              Wiring::holesOf(line, function));
}

HoleList FormReplay::holesWiredByPins() const
{
    HoleList holes;
    for (int pin = 1; pin <= m_pinCount && pin <= 9; ++pin) {
        for (const Hole &hole :
             Wiring::holesOf(m_pinLines[std::size_t(pin - 1)], list(pinField(pin)).index))
            holes.push_back(hole);
    }
    return holes;
}

void FormReplay::encodeCapFunction(int index)
{
    if (index < 0 || index >= Wiring::CapChoiceCount)
        return;
    const int function = Wiring::capPinFunction(index);
    setTextVisible(CardText::ControlGridCapNote, function == PinFunction::ControlGrid);
    setTextVisible(CardText::ScreenGridCapNote, function == PinFunction::ScreenGrid);
    setTextVisible(CardText::PlateCapNote, function == PinFunction::Anode);
}

void FormReplay::encodeTubeType(int index)
{
    setText(CardText::TubeType, tubeTypeName(list(TubeField::TubeType).index));
    if (const TubeTypeSwitches *switches = findTubeTypeSwitches(index)) {
        switchRectifierMode(switches->rectifierMode);
        switchGlowStabiliser(switches->glowStabiliser);
        switchScreenGrid(switches->screenGrid);
        switchControlGrid(switches->controlGrid);
    }
}

void FormReplay::switchRectifierMode(bool on)
{
    m_kind.rectifier = on;
    for (TubeField field : {TubeField::PlateVoltage, TubeField::PlateCurrent})
        spin(field).enabled = !on;
    for (TubeField field : {TubeField::CathodeResistor, TubeField::CathodeCap})
        list(field).enabled = !on;
    for (TubeField field :
         {TubeField::RectPlateVoltage, TubeField::RectLoadResistor, TubeField::RectCap})
        list(field).enabled = on;
    spin(TubeField::RectCurrent).enabled = on;
    if (on) {
        changed(TubeField::RectPlateVoltage);
        encodeRectCurrent(spin(TubeField::RectCurrent).value);
        changed(TubeField::RectLoadResistor);
        encodeCathodeCap(list(TubeField::RectCap).index);
    } else {
        encodePlateVoltage(spin(TubeField::PlateVoltage).value);
        encodePlateCurrent(spin(TubeField::PlateCurrent).value);
        encodeCathodeResistor(list(TubeField::CathodeResistor).index);
        encodeCathodeCap(list(TubeField::CathodeCap).index);
    }
    // The rectifier block offers no directly heated filament.
    if (on) {
        for (const DirectHeatingFallback &fallback : directHeatingFallbacks) {
            if (list(TubeField::HeatingMethod).index == fallback.directMethod)
                setCurrentIndex(TubeField::HeatingMethod, fallback.indirectMethod);
        }
    }
}

void FormReplay::switchGlowStabiliser(bool on)
{
    setHole(stabiliserResistorOff, !on);
    list(TubeField::HeatingMethod).enabled = !on;
    encodeHeatingMethod(on ? NoHeaterState : list(TubeField::HeatingMethod).index);
}

void FormReplay::switchScreenGrid(bool on)
{
    m_kind.screenGrid = on;
    setTextVisible(CardText::ScreenVoltage, on);
    setTextVisible(CardText::ScreenCurrent, on);
    spin(TubeField::ScreenCurrent).enabled = on;
    spin(TubeField::ScreenVoltage).enabled = on;
    if (on) {
        encodeScreenVoltage(spin(TubeField::ScreenVoltage).value);
        encodeScreenCurrent(spin(TubeField::ScreenCurrent).value);
    } else {
        selectOne(OperatingPointTable::screenSupplyHoles, screenSupply300V, false);
        selectOne(OperatingPointTable::screenScaleHoles, noScreenScale, true);
        punchOnly(DesiredValuesTable::screenCurrentScaleHoles, {});
    }
}

void FormReplay::switchControlGrid(bool on)
{
    m_kind.controlGrid = on;
    setTextVisible(CardText::Transconductance, on);
    setTextVisible(CardText::GridVoltage, on);
    spin(TubeField::Transconductance).enabled = on;
    spin(TubeField::GridVoltage).enabled = on;
    if (on) {
        encodeTransconductance(spin(TubeField::Transconductance).value);
        // Bringing the grid back must not cost a kept "2x600 Ohm": the bias
        // and the resistor were consistent when they were chosen.
        punchGridVoltage(spin(TubeField::GridVoltage).value);
        encodeCathodeResistor(list(TubeField::CathodeResistor).index);
    } else {
        selectOne(OperatingPointTable::gridSupplyHoles, noGridSupply, true);
        selectOne(OperatingPointTable::gridScaleHoles, noGridScale, true);
        punchOnly(DesiredValuesTable::transconductanceScaleHoles, {});
    }
}

void FormReplay::encodeHeatingMethod(int method)
{
    if (method < 0 || method >= int(std::size(HeatingTable::methods)))
        return;
    const HeatingTable::Method &row = HeatingTable::methods[method];
    punchOnly(heaterSupplyHoles(), heaterSupplyHolesOf(row));
    const bool ac = row.supply == HeatingTable::HeaterSupply::Ac;
    const bool dc = row.supply == HeatingTable::HeaterSupply::Dc;
    list(TubeField::HeatingTap).enabled = ac;
    spin(TubeField::HeatingVoltage).enabled = dc;
    setTextVisible(CardText::HeatingVoltage, ac || dc);
    setTextVisible(CardText::HeatingCurrent, ac || dc);
    if (ac) {
        encodeHeatingVoltageAC(list(TubeField::HeatingTap).index);
    } else if (dc) {
        encodeHeatingVoltage(spin(TubeField::HeatingVoltage).value);
        setMaximum(TubeField::HeatingCurrent, HeatingTable::DcMaximumCurrent);
    } else {
        encodeHeatingVoltageAC(HeatingTable::NoTap);
    }
    m_kind.heaterPresent = ac || dc;
    m_kind.directlyHeated = row.directlyHeated;
}

// Also reached from the DC encoder, which picks the tap; the heater current
// limit then stays that of the DC supply.
void FormReplay::encodeHeatingVoltageAC(int tap)
{
    punchOnly(HeatingTable::dcScaleHoles, {});
    if (tap < 0 || tap > HeatingTable::NoTap)
        return;
    if (tap == HeatingTable::NoTap) {
        punchOnly(tapHoles(), {});
        return;
    }
    const HeatingTable::Tap &row = HeatingTable::taps[tap];
    const bool dc = isDcMethod(list(TubeField::HeatingMethod).index);
    setMaximum(TubeField::HeatingCurrent, dc ? HeatingTable::DcMaximumCurrent : row.maximumCurrent);
    setText(CardText::HeatingVoltage, QString::fromLatin1(row.text));
    punchOnly(tapHoles(), {row.hole});
}

void FormReplay::encodeHeatingVoltage(double volts)
{
    const HeatingTable::Tap &tap = firstRowNotExceeded(HeatingTable::taps, volts);
    encodeHeatingVoltageAC(Encoding::rowIndex(HeatingTable::taps, tap));
    punchOnly(HeatingTable::dcScaleHoles, firstRowNotExceeded(HeatingTable::dcScales, volts).holes);
    setText(CardText::HeatingVoltage,
            Encoding::numberText(volts) + QLatin1String(HeatingTable::DcVoltageSuffix));
}

void FormReplay::writeHeatingCurrentText(double amperes)
{
    setText(CardText::HeatingCurrent,
            Encoding::numberText(amperes) + QLatin1String(HeatingTable::CurrentSuffix));
}

void FormReplay::selectPlateSupply(int supply)
{
    if (supply < 0 || supply >= int(std::size(OperatingPointTable::plateSupplies)))
        return;
    punchOnly(plateSupplyGroup(), OperatingPointTable::plateSupplies[supply]);
}

// The screen grid never gets more than the plate; lowering the plate voltage
// pulls a higher screen voltage down with it.
void FormReplay::encodePlateVoltage(double volts)
{
    using namespace OperatingPointTable;
    setMaximum(TubeField::ScreenVoltage, volts);
    const PlateVoltageRange &range = firstRowNotExceeded(plateVoltageRanges, volts);
    selectPlateSupply(range.supply);
    setMaximum(TubeField::PlateCurrent, range.plateCurrentMaximum);
    const PlateScale &scale = firstRowNotExceeded(plateScales, volts);
    punchOnly(plateScaleHoles, scale.holes);
    setText(CardText::PlateVoltage, valueText(PlateVoltagePrefix, volts, scale.suffix));
}

// The plate meter keeps the range the plate voltage chose last.
void FormReplay::encodeRectPlateVoltage(int supply)
{
    for (const OperatingPointTable::RectifierSupply &row : OperatingPointTable::rectifierSupplies) {
        if (row.supply == supply) {
            selectPlateSupply(supply);
            setText(CardText::PlateVoltage, QLatin1String(row.text));
        }
    }
}

void FormReplay::encodeScreenVoltage(double volts)
{
    using namespace OperatingPointTable;
    selectOne(screenSupplyHoles, firstRowNotExceeded(screenSupplies, volts).choice, false);
    const SelectorRange &scale = firstRowNotExceeded(screenScales, volts);
    selectOne(screenScaleHoles, scale.choice, true);
    setText(CardText::ScreenVoltage, valueText(ScreenVoltagePrefix, volts, scale.suffix));
}

// A fixed grid bias and a cathode resistor exclude each other.
void FormReplay::encodeGridVoltage(double volts)
{
    if (volts != 0.0)
        setCurrentIndex(TubeField::CathodeResistor, 0);
    punchGridVoltage(volts);
}

void FormReplay::punchGridVoltage(double volts)
{
    using namespace OperatingPointTable;
    selectOne(gridSupplyHoles, firstRowNotBelow(gridSupplies, volts).choice, true);
    const SelectorRange &scale = firstRowNotBelow(gridScales, volts);
    selectOne(gridScaleHoles, scale.choice, true);
    setText(CardText::GridVoltage, valueText(GridVoltagePrefix, volts, scale.suffix));
}

void FormReplay::encodeCathodeResistor(int choice)
{
    using namespace OperatingPointTable;
    if (choice < 0 || choice >= int(std::size(resistors)))
        return;
    const Resistor &resistor = resistors[choice];
    if (resistor.biasesGrid)
        setValue(TubeField::GridVoltage, 0.0);
    // The Rk 600 Ohm contacts double as the double-triode cathode wiring of
    // lines H and I; a hole a pin is wired through stays punched.
    punchOnly(withoutHoles(resistorGroup(), holesWiredByPins()), resistor.holes);
}

void FormReplay::encodeCathodeCap(int choice)
{
    using namespace OperatingPointTable;
    if (choice < 0 || choice >= int(std::size(capacitors)))
        return;
    punchOnly(capacitorHoles, capacitors[choice]);
}

void FormReplay::encodePlateCurrent(double milliamperes)
{
    using namespace DesiredValuesTable;
    const Range &range = firstRowNotExceeded(plateCurrentRanges, milliamperes);
    punchOneOf(plateCurrentScaleHoles, range.scale);
    setText(CardText::PlateCurrent, valueText(PlateCurrentPrefix, milliamperes, range.suffix));
}

void FormReplay::encodeRectCurrent(double milliamperes)
{
    using namespace DesiredValuesTable;
    const Range &range = firstRowNotExceeded(rectCurrentRanges, milliamperes);
    punchOneOf(plateCurrentScaleHoles, range.scale);
    setText(CardText::PlateCurrent, valueText(RectCurrentPrefix, milliamperes, range.suffix));
}

void FormReplay::encodeScreenCurrent(double milliamperes)
{
    using namespace DesiredValuesTable;
    const Range &range = firstRowNotExceeded(screenCurrentRanges, milliamperes);
    punchOneOf(screenCurrentScaleHoles, range.scale);
    setText(CardText::ScreenCurrent, valueText(ScreenCurrentPrefix, milliamperes, range.suffix));
}

void FormReplay::encodeTransconductance(double milliamperesPerVolt)
{
    using namespace DesiredValuesTable;
    const Range &range = firstRowNotExceeded(transconductanceRanges, milliamperesPerVolt);
    punchOneOf(transconductanceScaleHoles, range.scale);
    setText(CardText::Transconductance,
            valueText(TransconductancePrefix, milliamperesPerVolt, range.suffix));
}

// --- The order loading puts values in ---------------------------------------

std::vector<TubeField> loadOrder(const Tube &tube)
{
    const TubeForm::Flags kind = TubeForm::flags(tube);
    std::vector<TubeField> order = {TubeField::Name, TubeField::Socket};
    // A rectifier's plate voltage goes in while the form's tube is still of
    // another kind: the plate meter keeps the range it chose.
    if (kind.rectifier)
        order.push_back(TubeField::PlateVoltage);
    order.push_back(TubeField::TubeType);
    if (kind.heaterPresent) {
        order.push_back(TubeField::HeatingMethod);
        order.push_back(isDcMethod(tube.heatingMethod) ? TubeField::HeatingVoltage
                                                       : TubeField::HeatingTap);
        order.push_back(TubeField::HeatingCurrent);
    }
    for (int pin = 1; pin <= TubeForm::pinCount(tube); ++pin)
        order.push_back(pinField(pin));
    order.push_back(TubeField::CapFunction);
    if (kind.rectifier) {
        order.insert(order.end(), {TubeField::RectPlateVoltage, TubeField::RectLoadResistor,
                                   TubeField::RectCap, TubeField::RectCurrent});
    } else {
        order.push_back(TubeField::PlateVoltage);
        if (kind.screenGrid)
            order.push_back(TubeField::ScreenVoltage);
        if (kind.controlGrid)
            order.push_back(TubeField::GridVoltage);
        order.insert(order.end(),
                     {TubeField::CathodeResistor, TubeField::CathodeCap, TubeField::PlateCurrent});
        if (kind.screenGrid)
            order.push_back(TubeField::ScreenCurrent);
        if (kind.controlGrid)
            order.push_back(TubeField::Transconductance);
    }
    order.push_back(TubeField::IsotestVoltage);
    order.push_back(TubeField::IsotestRange);
    return order;
}
