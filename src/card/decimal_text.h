#pragma once

#include <QStringView>

// Numbers read as QString::toDouble reads them, without its cost for the
// plain decimals that tube files and spin boxes hold ("-12.5", "300").
namespace DecimalText {

// The value of `text` and whether it is a number, exactly as
// QString::toDouble gives them.
double toDouble(QStringView text, bool *ok = nullptr);

// `value` as a spin box with `decimals` keeps it: its text read back.
double rounded(double value, int decimals);

} // namespace DecimalText
