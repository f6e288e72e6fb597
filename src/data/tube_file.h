#pragma once

#include "tube.h"
#include "tube_data_conditions.h"
#include "tube_data_problem.h"
#include "tube_data_reader.h"
#include "tube_data_values.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

// A tube and its tube data file: which keys a file of the tube holds, the
// value of each, and the tube a file loads as.
namespace TubeData {

Conditions conditionsOf(const Tube &tube);
// The value a save writes for `key` (nothing for the pin count).
QVariant valueOf(const Tube &tube, const Key &key);
// Every key a save of the tube writes, with its value, in writing order.
Values valuesOf(const Tube &tube);

struct LoadedTube
{
    Problem problem;
    Tube tube;                           // the fresh tube unless problem.ok()
    std::vector<Adjustment> adjustments; // values the form had to fit
};

// The tube that loading the file's values into a fresh form gives: numbers
// rounded to their fields' decimals and held within their limits, a name
// cut to the field's length.
LoadedTube tubeOf(const Contents &contents);
LoadedTube readTube(const QString &fileName);
Problem writeTube(const QString &fileName, const Tube &tube);

// The loaded values that differ from what the file holds; `loadedValue`
// gives the value a key's field shows after loading.
std::vector<Adjustment> adjustments(const std::function<QVariant(const Key &)> &loadedValue,
                                    const std::vector<Entry> &entries);

} // namespace TubeData
