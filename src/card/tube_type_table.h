#pragma once

#include "hole.h"

#include <QString>

// Which blocks of the form and the card apply to a generic tube type.
struct TubeTypeSwitches
{
    bool rectifierMode;  // rectifier supply and load instead of plate and cathode
    bool glowStabiliser; // no heater; the heating method is locked
    bool screenGrid;     // screen-grid voltage and current
    bool controlGrid;    // control-grid voltage and transconductance
};

constexpr int TubeTypeCount = 10;

// The switches of generic tube type list index `index`, or nullptr outside
// the list.
const TubeTypeSwitches *findTubeTypeSwitches(int index);

// The name of generic tube type `index` as the list "Röhrentyp" shows it and
// the card prints it, translated; empty outside the list.
QString tubeTypeName(int index);

// A heating method with a directly heated filament and the method with the
// same supply for an indirectly heated cathode.
struct DirectHeatingFallback
{
    int directMethod;
    int indirectMethod;
};

// "Wechselstrom direkt" falls back to "Wechselstrom indirekt", "Gleichstrom
// direkt" to "Gleichstrom indirekt" (indexes of the heating method list).
constexpr DirectHeatingFallback directHeatingFallbacks[] = {{1, 0}, {3, 2}};

// The heating encoder's state for a tube without a heater.
constexpr int NoHeaterState = 4;

// "RvStab aus": punched for every tube that is not a glow stabiliser.
inline const Hole stabiliserResistorOff = holeII(12);

// Selector choices that leave the tester's grid and screen supplies in their
// rest position when the tube has no such electrode.
constexpr int screenSupply300V = 1;
constexpr int noScreenScale = 2;
constexpr int noGridSupply = 3;
constexpr int noGridScale = 5;
