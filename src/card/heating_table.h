#pragma once

#include "encoding.h"
#include "hole.h"

#include <iterator>

// The heater supply of the tester: eight transformer taps (printed "Uf (V~)"),
// the heater meter scale for DC heating ("Sk. Uf (V)") and the switch holes
// that feed the heater and its voltage check with AC or DC.
namespace HeatingTable {

// One transformer tap; the tap index is the row. A DC heater takes the
// lowest tap whose voltage is not below the wanted voltage, so `bound` is
// the highest DC voltage the tap feeds.
struct Tap
{
    double bound;
    Hole hole;
    double maximumCurrent; // amperes the tap delivers on AC
    const char *text;      // heating-voltage text on the card for AC
};

// The item list "Heizspannung AC" has the same eight taps in the same order.
// Columns: DC bound (V), hole, AC current limit (A), text; the comment gives
// the tap index and the value printed at the hole.
inline const Tap taps[] = {
    {2.5, holeII(22), 3.0, "2.5 V~"},           // 0: 2,5
    {3.0, holeII(21), 3.0, "3 V~"},             // 1: 3
    {4.5, holeII(20), 3.0, "4.5 V~"},           // 2: 4,5
    {5.5, holeII(19), 3.0, "5.5 V~"},           // 3: 5,5
    {7.0, holeI(24), 3.0, "7.0 V~"},            // 4: 7
    {10.0, holeI(23), 1.7, "10 V~"},            // 5: 10
    {13.0, holeI(22), 1.7, "13 V~"},            // 6: 13
    {Encoding::Above, holeI(21), 1.3, "15 V~"}, // 7: 17,5; the form calls it 15 V
};
// The heater of a tube without one gets no tap at all.
constexpr int NoTap = 8;
static_assert(std::size(taps) == NoTap);

// Heater meter scale for DC heating; AC heating needs none.
struct DcScale
{
    double bound;
    HoleList holes;
};

inline const HoleList dcScaleHoles = {holeI(13), holeI(14)};
inline const DcScale dcScales[] = {
    {3.0, {holeI(13)}},    // 3 V
    {7.5, {holeI(14)}},    // 7,5 V
    {Encoding::Above, {}}, // no scale hole above 7.5 V
};

// The DC heater supply delivers at most 1.2 A, whatever the tap.
constexpr double DcMaximumCurrent = 1.2;

constexpr const char *DcVoltageSuffix = " V=";
constexpr const char *CurrentSuffix = " A";

enum class HeaterSupply { Ac, Dc, None };

// Heating methods in the order of the list "Heizart"; row 4 is the state of
// a tube without a heater, which only the tube type asks for.
struct Method
{
    HeaterSupply supply;
    bool directlyHeated; // punches "f- an": the filament is the cathode
};

inline const Method methods[] = {
    {HeaterSupply::Ac, false},   // 0 "Wechselstrom indirekt"
    {HeaterSupply::Ac, true},    // 1 "Wechselstrom direkt"
    {HeaterSupply::Dc, false},   // 2 "Gleichstrom indirekt"
    {HeaterSupply::Dc, true},    // 3 "Gleichstrom direkt"
    {HeaterSupply::None, false}, // 4 no heater
};

// "Heizung Uf" ~ and "Prüfung Uf" ~
inline const HoleList acSupplyHoles = {holeII(63), holeII(64), holeII(65), holeII(71)};
// "Heizung Uf" = and "Prüfung Uf" =
inline const HoleList dcSupplyHoles = {holeII(69), holeII(70), holeII(66), holeII(72)};
// "f- an"
inline const Hole filamentMinusHole = holeII(57);

} // namespace HeatingTable
