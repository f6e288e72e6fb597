#pragma once

#include "hole.h"

#include <QString>
#include <algorithm>
#include <iterator>
#include <limits>

// Small pieces shared by the value encoders of the card.
namespace Encoding {

// Bound of the last ("otherwise") row of a range table.
constexpr double Above = std::numeric_limits<double>::infinity();
constexpr double Below = -std::numeric_limits<double>::infinity();

// A value as the created card writes it: at most six significant digits and
// no trailing zeros, so 6.30 reads "6.3" and 12.00 reads "12".
inline QString numberText(double value)
{
    return QString::number(value, 'g', 6);
}

// Every hole that any row of a table punches: the group the table owns.
template<typename Rows, typename HolesOfRow>
HoleList holesOfAllRows(const Rows &rows, HolesOfRow holesOfRow)
{
    HoleList all;
    for (const auto &row : rows) {
        for (const Hole &hole : holesOfRow(row)) {
            if (std::find(all.begin(), all.end(), hole) == all.end())
                all.push_back(hole);
        }
    }
    std::sort(all.begin(), all.end());
    return all;
}

// Position of a row within its table.
template<typename Rows, typename Row>
int rowIndex(const Rows &rows, const Row &row)
{
    return int(&row - &*std::begin(rows));
}

} // namespace Encoding
