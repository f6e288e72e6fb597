#pragma once

#include "tube_data_conditions.h"
#include "tube_data_keys.h"

#include <QVariant>
#include <functional>
#include <utility>
#include <vector>

namespace TubeData {

// Every key a save under `conditions` writes, with its value, in the order
// it writes them. Two forms whose values are equal save the same file, which
// is what tells whether the form holds unsaved changes.
using Values = std::vector<std::pair<const Key *, QVariant>>;

Values valuesToWrite(const Conditions &conditions,
                     const std::function<QVariant(const Key &)> &fieldValue);

} // namespace TubeData
