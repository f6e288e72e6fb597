#pragma once

#include <iterator>

// Meter ranges and supply taps are chosen from tables of bounds: the rows are
// tested from the top and the first row whose bound the value does not exceed
// wins, so a value equal to a bound belongs to the lower range. The last row
// of each table is the "otherwise" row and is taken when nothing else fits
// (also for NaN, which compares false with every bound).

template<typename Rows>
const auto &firstRowNotExceeded(const Rows &rows, double value)
{
    for (const auto &row : rows) {
        if (value <= row.bound)
            return row;
    }
    return *std::prev(std::end(rows));
}

// The same for negative quantities such as the grid bias: the first row whose
// bound the value does not fall below.
template<typename Rows>
const auto &firstRowNotBelow(const Rows &rows, double value)
{
    for (const auto &row : rows) {
        if (value >= row.bound)
            return row;
    }
    return *std::prev(std::end(rows));
}
