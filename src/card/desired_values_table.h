#pragma once

#include "encoding.h"
#include "hole.h"

// Meter ranges for the values a good tube shows at the operating point. Each
// bound is two thirds of its range's full scale, so the needle of a good
// tube stands in the upper part of the scale.
namespace DesiredValuesTable {

using Encoding::Above;

// Plate current meter; the scale index is the position in the list. The
// rectified current uses the same meter with its two own ranges.
inline const HoleList plateCurrentScaleHoles = {
    holeI(27),  // 0 "Skala Ia (mA)" 1,5
    holeI(28),  // 1 3
    holeI(29),  // 2 7,5
    holeI(30),  // 3 15
    holeII(25), // 4 30
    holeII(26), // 5 75
    holeII(27), // 6 150
    holeI(7),   // 7 "I Glr (mA)" 150
    holeI(8),   // 8 300
};

// Screen-grid current meter, printed "Skala Ig2 (mA)".
inline const HoleList screenCurrentScaleHoles = {
    holeII(14), // 0 0,75
    holeII(15), // 1 1,5
    holeII(16), // 2 3
    holeII(17), // 3 7,5
    holeII(18), // 4 15
};

// Transconductance meter, printed "Skala Steilheit (mA/V)".
inline const HoleList transconductanceScaleHoles = {
    holeI(4),  // 0 0,75
    holeI(5),  // 1 1,5
    holeI(6),  // 2 3
    holeII(1), // 3 7,5
    holeII(2), // 4 15
    holeII(3), // 5 30
    holeII(4), // 6 75
};

// Columns: bound, scale index, suffix of the card text.
struct Range
{
    double bound;
    int scale;
    const char *suffix;
};

inline const Range plateCurrentRanges[] = {
    {1.0, 0, " mA (1.5)"},   // field I hole 27
    {2.0, 1, " mA (3.0)"},   // field I hole 28
    {5.0, 2, " mA (7.5)"},   // field I hole 29
    {10.0, 3, " mA (15)"},   // field I hole 30
    {20.0, 4, " mA (30)"},   // field II hole 25
    {50.0, 5, " mA (75)"},   // field II hole 26
    {Above, 6, " mA (150)"}, // field II hole 27
};

inline const Range rectCurrentRanges[] = {
    {100.0, 7, " mA (150)"}, // field I hole 7
    {Above, 8, " mA (300)"}, // field I hole 8
};

inline const Range screenCurrentRanges[] = {
    {0.5, 0, " mA (0.75)"}, // field II hole 14
    {1.0, 1, " mA (1.5)"},  // field II hole 15
    {2.0, 2, " mA (3.0)"},  // field II hole 16
    {5.0, 3, " mA (7.5)"},  // field II hole 17
    {Above, 4, " mA (15)"}, // field II hole 18
};

inline const Range transconductanceRanges[] = {
    {0.5, 0, " mA/V (0.75)"}, // field I hole 4
    {1.0, 1, " mA/V (1.5)"},  // field I hole 5
    {2.0, 2, " mA/V (3.0)"},  // field I hole 6
    {5.0, 3, " mA/V (7.5)"},  // field II hole 1
    {10.0, 4, " mA/V (15)"},  // field II hole 2
    {20.0, 5, " mA/V (30)"},  // field II hole 3
    {Above, 6, " mA/V (75)"}, // field II hole 4
};

// The plate current and the rectified current share the card's plate
// current text.
constexpr const char *PlateCurrentPrefix = "Ia=";
constexpr const char *RectCurrentPrefix = "Igr=";
constexpr const char *ScreenCurrentPrefix = "Ig2=";
constexpr const char *TransconductancePrefix = "S=";

} // namespace DesiredValuesTable
