#pragma once

#include "tube_data_keys.h"
#include "tube_data_problem.h"
#include "tube_data_reader.h"

#include <QVariant>
#include <functional>

class QWidget;

namespace TubeData {

// The value of the key's form field: the text of a line edit, the index of
// a combo box, the value of a spin box.
QVariant fieldValue(const QWidget &form, const Key &key);
// The same for a field already found, by the kind of its key.
QVariant valueOf(const QWidget *field, Kind kind);

// Puts a value into the key's form field the way a user edit would, so the
// field's slot runs its card encoder at once if the value changes.
// A text longer than its field takes is cut between two characters.
void setFieldValue(QWidget &form, const Key &key, const QVariant &value);
// The same for a field already found (null for the pin count).
void setFieldValue(QWidget *field, const Key &key, const QVariant &value);

// The loaded values that the form holds differently from the file: numbers
// its fields clamped or rounded, texts cut to the field's length.
std::vector<Adjustment> adjustments(const QWidget &form, const std::vector<Entry> &entries);
// The same with the fields already found: `fieldOf` gives a key's field.
std::vector<Adjustment> adjustments(const std::function<const QWidget *(const Key &)> &fieldOf,
                                    const std::vector<Entry> &entries);

} // namespace TubeData
