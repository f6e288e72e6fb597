#pragma once

#include "hole.h"

#include <QString>
#include <QVariant>
#include <array>
#include <utility>
#include <vector>

// Reading a punched card back: which setting each group of holes stands
// for, what the holes cannot say, and where they contradict each other. The
// reader knows the card only through the tables of src/card.
namespace CardReading {

// The values a range of holes stands for: low to high, each end in or out.
struct ValueRange
{
    double low;
    double high;
    bool lowIncluded;
    bool highIncluded;

    bool isEmpty() const;
    bool contains(double value) const;
};

// One kind of contradiction between holes; a card this program made has
// none of them.
enum class Fault {
    TwoChoices,       // two choices of one exclusive group
    UncombinedBuses,  // a line on two buses that no pin function combines
    Unexplained,      // a hole that no setting punches
    HeaterIncomplete, // a heater supply without a tap, a tap without a supply
    BlockOff,         // holes of a block that the tube type switches off
    MissingChoice,    // a group the tube needs has no hole
    RangesExclude,    // two groups whose ranges leave no common value
};

struct Contradiction
{
    Fault fault;
    QString subject; // source text of the group or quantity (context "Lochkartor")
    HoleList holes;
};

// A decoded quantity: the range of values the holes allow and the value the
// form gets for it, the safe end of that range (the lowest voltage, current
// or transconductance, the most negative grid bias), since a range's top
// could overload the tube.
struct Quantity
{
    bool known = false;
    ValueRange range{};
    double value = 0.0;

    // Whether the holes give the value itself rather than a range.
    bool isExact() const { return known && range.low == range.high; }
};

// Limits of the number fields of the form, as the window has them.
struct FieldLimits
{
    double minimum = 0.0;
    double maximum = 0.0;
};

struct FormLimits
{
    FieldLimits heatingVoltage;
    FieldLimits plateVoltage;
    FieldLimits screenVoltage; // the maximum is the plate voltage
    FieldLimits gridVoltage;
    FieldLimits plateCurrent; // the maximum follows the plate supply
    FieldLimits rectCurrent;
    FieldLimits screenCurrent;
    FieldLimits transconductance;
};

enum class Supply { None, Ac, Dc };

struct Reading
{
    HoleList holes; // the input, sorted, without duplicates

    // Wiring: for each tester line 1 to 9 (index line - 1) the pin function
    // it carries, PinFunction::NotConnected when none, and the function the
    // form gets when its holes fit no function.
    std::array<int, 9> lineFunctions{};
    // Whether "2x600 Ohm (Doppeltriode)" explains field I holes 49 and 50.
    bool doubleTriodeResistor = false;

    // The blocks the holes switch on and the tube types that switch exactly
    // these (list indexes, simplest first); tubeType is the one chosen.
    bool rectifier = false;
    bool glowStabiliser = false;
    bool screenGrid = false;
    bool controlGrid = false;
    std::vector<int> tubeTypes;
    int tubeType = 0;

    Supply heaterSupply = Supply::None;
    bool directlyHeated = false;
    int heatingTap = -1;     // row of the tap table
    Quantity heatingVoltage; // DC only

    int plateSupply = -1; // row of the plate supply table, 3 to 5 for a rectifier
    int plateScale = -1;  // row of the plate scale table (the 300 V range has none)
    Quantity plateVoltage;
    Quantity screenVoltage;
    int screenSupplyChoice = -1;
    int screenScaleChoice = -1;
    Quantity gridVoltage;
    int gridSupplyChoice = -1;
    int gridScaleChoice = -1;
    int resistor = -1; // choice of the shared resistor list, 15 to 19 for a load
    int capacitor = 0; // 0 "5 µF" (no hole), 1 "10 µF", 2 "100 µF"

    int plateCurrentScale = -1; // index of the plate current meter, 7 and 8 rectified
    Quantity plateCurrent;      // or the rectified current
    int screenCurrentScale = -1;
    Quantity screenCurrent;
    int transconductanceScale = -1;
    Quantity transconductance;

    int isotestVoltage = -1;
    int isotestRange = -1;

    std::vector<Contradiction> contradictions;
};

// Reads a set of holes of both fields. Holes outside the grid are ignored.
Reading read(const HoleList &holes, const FormLimits &limits);

// Sockets (list indexes) that reach every wired line, most likely first: the
// common sockets before the rare ones, then fewest pins left unused, then
// list order.
std::vector<int> servingSockets(const Reading &reading);

// The form whose card has exactly these holes, for socket list index
// `socket`: form field object names and values, in the order a tube data
// file loads them. Only the fields the tube kind uses are given.
using Form = std::vector<std::pair<QString, QVariant>>;
Form buildForm(const Reading &reading, int socket);

} // namespace CardReading
