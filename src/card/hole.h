#pragma once

#include <initializer_list>
#include <vector>

// One hole position of the card: field 1 is the upper field (I), field 2 the
// lower one (II); numbers run 1 to 72, down each of the 12 columns of 6 rows.
struct Hole
{
    int field = 0;
    int number = 0;

    friend bool operator==(const Hole &a, const Hole &b)
    {
        return a.field == b.field && a.number == b.number;
    }
    friend bool operator!=(const Hole &a, const Hole &b) { return !(a == b); }
    friend bool operator<(const Hole &a, const Hole &b)
    {
        return a.field != b.field ? a.field < b.field : a.number < b.number;
    }
};

namespace HoleGrid {
constexpr int FieldI = 1;
constexpr int FieldII = 2;
constexpr int HolesPerField = 72;
constexpr int Columns = 12;
constexpr int Rows = 6;
constexpr int MarkerSize = 15;
// Where the markers sit, in card pixels: the top-left corner of hole 1 of
// each field, and the distance from one column or row to the next.
constexpr int FirstMarkerX = 100;
constexpr int FieldIFirstMarkerY = 79;
constexpr int FieldIIFirstMarkerY = 405;
constexpr int ColumnPitch = 65;
constexpr int RowPitch = 41;

constexpr int column(int number)
{
    return (number - 1) / Rows;
}
constexpr int row(int number)
{
    return (number - 1) % Rows;
}
// Top-left corner of the marker of a hole, in card pixels.
constexpr int markerX(int number)
{
    return FirstMarkerX + ColumnPitch * column(number);
}
constexpr int markerY(int field, int number)
{
    return (field == FieldI ? FieldIFirstMarkerY : FieldIIFirstMarkerY) + RowPitch * row(number);
}
constexpr bool isValid(const Hole &h)
{
    return (h.field == FieldI || h.field == FieldII) && h.number >= 1 && h.number <= HolesPerField;
}
} // namespace HoleGrid

using HoleList = std::vector<Hole>;

// `holes` without any of `removed`.
inline HoleList withoutHoles(HoleList holes, const HoleList &removed)
{
    for (const Hole &hole : removed) {
        for (auto it = holes.begin(); it != holes.end();)
            it = *it == hole ? holes.erase(it) : it + 1;
    }
    return holes;
}

inline Hole holeI(int number)
{
    return {HoleGrid::FieldI, number};
}
inline Hole holeII(int number)
{
    return {HoleGrid::FieldII, number};
}

namespace HoleGrid {
// The hole whose marker lies at (x, y) in card pixels, within a few pixels of
// its rim; an invalid hole (field 0) where there is none.
inline Hole holeAt(double x, double y)
{
    constexpr double reach = MarkerSize / 2.0 + 5;
    for (int field : {FieldI, FieldII}) {
        for (int number = 1; number <= HolesPerField; ++number) {
            const double dx = x - (markerX(number) + MarkerSize / 2.0);
            const double dy = y - (markerY(field, number) + MarkerSize / 2.0);
            if (dx * dx + dy * dy <= reach * reach)
                return {field, number};
        }
    }
    return {};
}
} // namespace HoleGrid
