#include "wiring_table.h"

namespace {

constexpr Hole I(int number)
{
    return {HoleGrid::FieldI, number};
}

constexpr Hole II(int number)
{
    return {HoleGrid::FieldII, number};
}

// A line that cannot be switched onto the bus.
constexpr Hole none{};

// The buses with one hole per line, in pin-function order 0 to 7.
constexpr int BusCount = 8;

// The hole that connects each tester line to each bus, as the card prints
// it: a row per line, a column per bus.
// clang-format off
constexpr Hole wiringHoles[TesterLineCount][BusCount] = {
    // line    f-      f+      Kathode Rk600   Rk600   g1      Anode   g2
    //         H-      H+      K       KDT1    KDT2    G1      A       G2
    /* 1 A */ {I(56),  none,   I(51),  none,   none,   I(44),  I(68),  I(66)},
    /* 2 B */ {I(57),  I(60),  none,   none,   none,   I(45),  I(69),  I(61)},
    /* 3 C */ {I(58),  none,   I(52),  none,   none,   I(46),  I(70),  I(62)},
    /* 4 D */ {I(55),  none,   I(53),  none,   none,   I(47),  I(71),  I(63)},
    /* 5 E */ {none,   II(56), I(54),  none,   none,   I(48),  I(72),  I(64)},
    /* 6 F */ {none,   none,   II(49), none,   none,   II(28), II(67), I(65)},
    /* 7 G */ {I(59),  none,   none,   none,   none,   none,   none,   none},
    /* 8 H */ {none,   II(55), II(50), none,   I(49),  I(43),  II(68), II(61)},
    /* 9 I */ {none,   none,   II(51), I(50),  none,   II(43), I(67),  none},
};
// clang-format on

// The two combined functions connect one pin to two buses at once: a
// filament end that is also the cathode.
struct CombinedFunction
{
    int function;
    int firstPart;
    int secondPart;
};

constexpr CombinedFunction combinedFunctions[] = {
    {PinFunction::HeaterMinusAndCathode, PinFunction::HeaterMinus, PinFunction::Cathode},
    {PinFunction::HeaterPlusAndCathode, PinFunction::HeaterPlus, PinFunction::Cathode},
};

bool isLine(int line)
{
    return line >= 1 && line <= TesterLineCount;
}

// The hole of a single bus, or an invalid hole where the card has none.
Hole busHole(int line, int bus)
{
    if (!isLine(line) || bus < 0 || bus >= BusCount)
        return {};
    return wiringHoles[line - 1][bus];
}

bool reachesBus(int line, int bus)
{
    return HoleGrid::isValid(busHole(line, bus));
}

const CombinedFunction *findCombined(int function)
{
    for (const CombinedFunction &combined : combinedFunctions) {
        if (combined.function == function)
            return &combined;
    }
    return nullptr;
}

} // namespace

namespace Wiring {

bool lineHandles(int line, int function)
{
    if (!isLine(line))
        return false;
    if (function == PinFunction::NotConnected)
        return true;
    if (const CombinedFunction *combined = findCombined(function))
        return reachesBus(line, combined->firstPart) && reachesBus(line, combined->secondPart);
    return reachesBus(line, function);
}

HoleList holesOf(int line, int function)
{
    if (!lineHandles(line, function) || function == PinFunction::NotConnected)
        return {};
    if (const CombinedFunction *combined = findCombined(function))
        return {busHole(line, combined->firstPart), busHole(line, combined->secondPart)};
    return {busHole(line, function)};
}

HoleList lineHoles(int line)
{
    HoleList holes;
    holes.reserve(BusCount);
    for (int bus = 0; bus < BusCount; ++bus) {
        if (reachesBus(line, bus))
            holes.push_back(busHole(line, bus));
    }
    return holes;
}

int capPinFunction(int capIndex)
{
    constexpr int capFunctions[Wiring::CapChoiceCount]
        = {-1, PinFunction::ControlGrid, PinFunction::ScreenGrid, PinFunction::Anode};
    if (capIndex < 0 || capIndex >= CapChoiceCount)
        return -1;
    return capFunctions[capIndex];
}

} // namespace Wiring

QString testerLineLetter(int line)
{
    if (line < 1 || line > TesterLineCount)
        return {};
    return QString(QLatin1Char(char('A' + line - 1)));
}
