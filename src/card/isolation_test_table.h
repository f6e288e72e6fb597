#pragma once

#include "hole.h"

// The isolation (leakage) test: the voltage between the electrodes and the
// range of the leakage meter. The index of each list is the position here.
namespace IsolationTestTable {

// "Ufk (V)": "100 V", "250 V"
inline const HoleList voltageHoles = {holeII(38), holeII(39)};

// "Skala Ifk, Ig1, Ia0, Ileck (µA)": "0,75 µA", "3 µA", "15 µA", "30 µA" in
// field I, "150 µA" in field II.
inline const HoleList rangeHoles = {holeI(9), holeI(10), holeI(11), holeI(12), holeII(7)};

} // namespace IsolationTestTable
