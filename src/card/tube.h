#pragma once

#include <QString>
#include <array>

// Every value the form holds, as plain data: what the user chose and typed,
// including the values that a switched-off block keeps (a pentode's screen
// voltage while the tube is a triode, a rectifier's plate voltage) so that
// switching the block on again brings them back. Two tubes are equal when
// every value is.
struct Tube
{
    QString name;
    int socket = 0;
    int tubeType = 0;

    int heatingMethod = 0;
    int heatingTap = 4;          // the AC transformer tap, a list index
    double heatingVoltage = 1.0; // volts, for a DC heater
    double heatingCurrent = 1.0; // amperes

    // The list index of each pin's box, pin 1 first; -1 for a box that shows
    // nothing (a pin that reaches no tester line).
    std::array<int, 9> pinFunctions{-1, -1, -1, -1, -1, -1, -1, -1, -1};
    int capFunction = 0;

    double plateVoltage = 5.0;
    double screenVoltage = 5.0;
    double gridVoltage = 0.0;
    int cathodeResistor = 0;
    int cathodeCap = 0;
    int rectPlateVoltage = 0;
    int rectLoadResistor = 0;
    int rectCap = 0;

    double plateCurrent = 0.0;     // mA
    double screenCurrent = 0.0;    // mA
    double transconductance = 0.0; // mA/V
    double rectCurrent = 0.0;      // mA

    int isotestVoltage = 0;
    int isotestRange = 0;

    friend bool operator==(const Tube &a, const Tube &b);
    friend bool operator!=(const Tube &a, const Tube &b) { return !(a == b); }
};

// The values of a tube one at a time, named as the form's fields are
// ("plateVoltage", "pin3Function"), in the order the form lists them.
enum class TubeField {
    Name,
    Socket,
    TubeType,
    HeatingMethod,
    HeatingTap,
    HeatingVoltage,
    HeatingCurrent,
    Pin1,
    Pin2,
    Pin3,
    Pin4,
    Pin5,
    Pin6,
    Pin7,
    Pin8,
    Pin9,
    CapFunction,
    PlateVoltage,
    ScreenVoltage,
    GridVoltage,
    CathodeResistor,
    CathodeCap,
    RectPlateVoltage,
    RectLoadResistor,
    RectCap,
    PlateCurrent,
    ScreenCurrent,
    Transconductance,
    RectCurrent,
    IsotestVoltage,
    IsotestRange,
};
constexpr int TubeFieldCount = 31;

enum class TubeFieldKind { Text, Index, Number };

const char *tubeFieldName(TubeField field);
TubeFieldKind tubeFieldKind(TubeField field);
// The field of a form field's name; false for a name that is none.
bool tubeFieldNamed(const char *name, TubeField *field);
TubeField pinField(int pin); // pin 1 to 9

// One value of a tube: the text for the name, else the index or the number.
struct TubeValue
{
    QString text;
    double number = 0.0; // an index is a whole number
};

TubeValue valueOf(const Tube &tube, TubeField field);
void setValueOf(Tube &tube, TubeField field, const TubeValue &value);

// What the form derives from a tube's values.
namespace TubeForm {

// The five kinds of tube the card and the check tell apart.
struct Flags
{
    bool heaterPresent = false;
    bool directlyHeated = false;
    bool rectifier = false;
    bool controlGrid = false;
    bool screenGrid = false;

    friend bool operator==(const Flags &a, const Flags &b)
    {
        return a.heaterPresent == b.heaterPresent && a.directlyHeated == b.directlyHeated
               && a.rectifier == b.rectifier && a.controlGrid == b.controlGrid
               && a.screenGrid == b.screenGrid;
    }
};
Flags flags(const Tube &tube);

// The socket's pins and the tester line each reaches (0 for none).
int pinCount(const Tube &tube);
int pinLine(const Tube &tube, int pin);

// Whether a field takes part in the card: the tube type and the heating
// method switch blocks of the form off, and a pin past the socket's last
// one is off. A switched-off field keeps its value.
bool isFieldOn(const Tube &tube, TubeField field);

// The limits of a number field, some of which follow other values: the
// screen voltage never exceeds the plate voltage, the plate current meter
// of the low plate supply reaches 50 mA, a DC heater draws at most 1.2 A.
struct Limits
{
    double minimum = 0.0;
    double maximum = 0.0;
    int decimals = 2;
};
Limits limits(const Tube &tube, TubeField field);

} // namespace TubeForm
