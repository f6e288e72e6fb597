#pragma once

#include "tube_data_conditions.h"
#include "tube_data_keys.h"
#include "tube_data_problem.h"

#include <QString>
#include <QVariant>
#include <functional>

namespace TubeData {

// Writes the version and every key that applies under `conditions`, taking
// each field's value from `fieldValue`. Keys already in the file that this
// save does not write are kept. Reports a file that could not be written.
Problem writeFile(const QString &fileName, const Conditions &conditions,
                  const std::function<QVariant(const Key &)> &fieldValue);

// Empty, or why a save to `fileName` would be refused before anything is
// written: what no write may replace, and an existing file that is no tube
// data file of this version.
QString refusal(const QString &fileName);

} // namespace TubeData
