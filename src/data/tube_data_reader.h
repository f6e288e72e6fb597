#pragma once

#include "tube_data_keys.h"
#include "tube_data_problem.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace TubeData {

// One value for one form field: an int for an index, a double for a
// number, a QString for the tube name.
struct Entry
{
    const Key *key;
    QVariant value;
};

struct Contents
{
    Problem problem;
    std::vector<Entry> entries; // in reading order; empty unless problem.ok()
};

// Reads and checks a whole file before anything of it reaches the form: the
// entries are exactly the values that loading puts into the form, in the
// order it must put them. A file with a single value that cannot be right
// yields its first problem and no entries. Missing keys read as their
// defaults.
Contents readFile(const QString &fileName);

} // namespace TubeData
