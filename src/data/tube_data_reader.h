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
    QString text; // as the file holds it
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
// defaults only where the key is optional; any other missing key makes the
// file damaged. Never decodes a Qt type and refuses files over MaxFileSize
// before reading them.
Contents readFile(const QString &fileName);
// The same for a file's bytes.
Contents readBytes(const QByteArray &bytes);

} // namespace TubeData
