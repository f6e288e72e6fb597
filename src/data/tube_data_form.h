#pragma once

#include "tube_data_keys.h"

#include <QVariant>

class QWidget;

namespace TubeData {

// The value of the key's form field: the text of a line edit, the index of
// a combo box, the value of a spin box.
QVariant fieldValue(const QWidget &form, const Key &key);

// Puts a value into the key's form field the way a user edit would, so the
// field's slot runs its card encoder at once if the value changes.
void setFieldValue(QWidget &form, const Key &key, const QVariant &value);

} // namespace TubeData
