#pragma once

#include "encoding.h"
#include "hole.h"

// The supplies of the test operating point, the meter ranges that show them
// and the cathode components. Ranges are tested from the top; a value equal
// to a bound belongs to that row.
namespace OperatingPointTable {

using Encoding::Above;
using Encoding::Below;

// Plate supplies; the supply index is the row. Together the rows make up the
// plate supply group, and each supply clears the holes of the others.
inline const HoleList plateSupplies[] = {
    // 0: up to 25 V: "Ua (V)" 150, "Ua Diode" 5-25 V (5, 6 and the unlabelled 11), "Ub" 240
    {holeI(25), holeII(5), holeII(6), holeII(11), holeII(48), holeII(60)},
    // 1: above 25 V up to 150 V: "Ua (V)" 150, "Ub" 350
    {holeI(25), holeII(46), holeII(58)},
    // 2: above 150 V: "Ua (V)" 300, "Ub" 450
    {holeI(26), holeII(40), holeII(52)},
    // 3: rectifier 2 x 350 V~: "U~" 350
    {holeII(47), holeII(59)},
    // 4: rectifier 2 x 400 V~: "U~" 400
    {holeII(41), holeII(53)},
    // 5: rectifier 2 x 500 V~: "U~" 500
    {holeII(42), holeII(54)},
};

// Which supply a plate voltage needs, and how far the plate current meter
// may then be set: the low supply carries at most 50 mA.
struct PlateVoltageRange
{
    double bound;
    int supply;
    double plateCurrentMaximum;
};

inline const PlateVoltageRange plateVoltageRanges[] = {
    {25.0, 0, 50.0}, // supply, plate current maximum (mA)
    {150.0, 1, 100.0},
    {Above, 2, 100.0},
};

// Plate voltage meter, printed "Skala Ua (V)"; its 300 V range needs no hole.
struct PlateScale
{
    double bound;
    HoleList holes;
    const char *suffix;
};

inline const HoleList plateScaleHoles = {holeII(8), holeII(9), holeII(10)};
inline const PlateScale plateScales[] = {
    {15.0, {holeII(8)}, " V (15)"},
    {75.0, {holeII(9)}, " V (75)"},
    {150.0, {holeII(10)}, " V (150)"},
    {Above, {}, " V (300)"},
};

constexpr const char *PlateVoltagePrefix = "Ua=";

// The rectifier's AC plate supplies, continuing the plate supply indexes.
struct RectifierSupply
{
    int supply;
    const char *text;
};

inline const RectifierSupply rectifierSupplies[] = {
    {3, "Ua=2 x 350V~"},
    {4, "Ua=2 x 400V~"},
    {5, "Ua=2 x 500V~"},
};

// A range whose holes a shared selector of the card punches: `choice` is the
// selector's argument.
struct SelectorRange
{
    double bound;
    int choice;
    const char *suffix; // empty for the supply tables
};

// The holes of the four shared selectors, in choice order; the choice after
// the last hole punches none of them (not for the screen-grid supply).
inline const HoleList screenSupplyHoles = {holeI(19), holeI(20)};
inline const HoleList screenScaleHoles = {holeII(23), holeII(24)};
inline const HoleList gridSupplyHoles = {holeI(3), holeI(2), holeI(1)};
inline const HoleList gridScaleHoles = {holeI(15), holeI(16), holeI(17), holeI(18), holeII(13)};

// Screen-grid supply (setScreenVoltageHoles): 0 = "Ug2 (V)" 150, 1 = 300.
inline const SelectorRange screenSupplies[] = {
    {150.0, 0, ""}, // field I hole 19
    {Above, 1, ""}, // field I hole 20
};

// Screen-grid meter (setScreenScaleHoles): 0 = "Sk.Ug2 (V)" 75, 1 = 150,
// 2 = no hole, the 300 V range.
inline const SelectorRange screenScales[] = {
    {75.0, 0, " V (75)"},   // field II hole 23
    {150.0, 1, " V (150)"}, // field II hole 24
    {Above, 2, " V (300)"}, // none
};

constexpr const char *ScreenVoltagePrefix = "Ug2=";

// Control-grid bias, negative: the first row whose bound the value does not
// fall below. Supply (setGridVoltageHoles): 0 = "Ug1 (V)" 0, 1 = -10,
// 2 = -65.
inline const SelectorRange gridSupplies[] = {
    {0.0, 0, ""},   // field I hole 3
    {-10.0, 1, ""}, // field I hole 2
    {Below, 2, ""}, // field I hole 1
};

// Control-grid meter (setGridScaleHoles): 0 to 4 = "Skala Ug1 (V)" 1,5, 3,
// 7,5, 15, 30; 5 = no hole, the 75 V range.
inline const SelectorRange gridScales[] = {
    {-1.5, 0, " V (1.5)"}, // field I hole 15
    {-3.0, 1, " V (3)"},   // field I hole 16
    {-7.5, 2, " V (7.5)"}, // field I hole 17
    {-15.0, 3, " V (15)"}, // field I hole 18
    {-30.0, 4, " V (30)"}, // field II hole 13
    {Below, 5, " V (75)"}, // none
};

constexpr const char *GridVoltagePrefix = "Ug1=";

// Cathode resistors (list "Kathodenwiderstand", choices 0 to 14) and the
// rectifier's load resistors (list "Glr.-Lastwiderstand", choices 15 to 19)
// share one group of holes. A resistor of 30 to 500 Ohm biases the grid by
// itself, so the fixed grid bias goes back to 0 V.
struct Resistor
{
    HoleList holes;
    bool biasesGrid;
};

inline const Resistor resistors[] = {
    {{holeII(36)}, false},           // 0 "0 Ohm"
    {{holeII(29)}, true},            // 1 "30 Ohm"
    {{holeII(30)}, true},            // 2 "50 Ohm"
    {{holeI(31)}, true},             // 3 "68 Ohm"
    {{holeI(32)}, true},             // 4 "75 Ohm"
    {{holeI(33)}, true},             // 5 "80 Ohm"
    {{holeI(34)}, true},             // 6 "100 Ohm"
    {{holeI(35)}, true},             // 7 "120 Ohm"
    {{holeI(36)}, true},             // 8 "150 Ohm"
    {{holeII(31)}, true},            // 9 "160 Ohm"
    {{holeII(32)}, true},            // 10 "200 Ohm"
    {{holeII(33)}, true},            // 11 "220 Ohm"
    {{holeII(34)}, true},            // 12 "400 Ohm"
    {{holeII(35)}, true},            // 13 "500 Ohm"
    {{holeI(49), holeI(50)}, false}, // 14 "2x600 Ohm (Doppeltriode)"
    {{holeI(39)}, false},            // 15 "2 kOhm"
    {{holeI(40)}, false},            // 16 "3.3 kOhm"
    {{holeI(41)}, false},            // 17 "3.6 kOhm"
    {{holeI(42)}, false},            // 18 "5.2 kOhm"
    {{holeII(37)}, false},           // 19 "5.7 kOhm"
};
// The load resistor list starts at this choice.
constexpr int FirstLoadResistor = 15;

// Cathode capacitor ("5 µF", "10 µF", "100 µF"); the rectifier's filter
// capacitor list has the first two. The smallest is built in.
inline const HoleList capacitorHoles = {holeI(37), holeI(38)};
inline const HoleList capacitors[] = {
    {},          // 0 "5 µF"
    {holeI(37)}, // 1 "10 µF"
    {holeI(38)}, // 2 "100 µF"
};

} // namespace OperatingPointTable
