#include "tube_data_form.h"

#include "text_limits.h"
#include "tube_file.h"
#include "wiring_table.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>

namespace TubeData {

namespace {

template<typename Field>
Field *findField(const QWidget &form, const Key &key)
{
    Field *field = form.findChild<Field *>(QString::fromLatin1(key.field));
    Q_ASSERT_X(field, "TubeData", key.field);
    return field;
}

} // namespace

QVariant fieldValue(const QWidget &form, const Key &key)
{
    if (key.kind == Kind::PinCount)
        return {};
    return valueOf(findField<QWidget>(form, key), key.kind);
}

QVariant valueOf(const QWidget *field, Kind kind)
{
    switch (kind) {
    case Kind::Text:
        if (auto *edit = qobject_cast<const QLineEdit *>(field))
            return edit->text();
        break;
    case Kind::Index:
        if (auto *box = qobject_cast<const QComboBox *>(field))
            return box->currentIndex();
        break;
    case Kind::Number:
        if (auto *spinBox = qobject_cast<const QDoubleSpinBox *>(field))
            return spinBox->value();
        break;
    case Kind::PinCount:
        break;
    }
    return {};
}

void setFieldValue(QWidget &form, const Key &key, const QVariant &value)
{
    setFieldValue(key.kind == Kind::PinCount ? nullptr : findField<QWidget>(form, key), key, value);
}

void setFieldValue(QWidget *field, const Key &key, const QVariant &value)
{
    switch (key.kind) {
    case Kind::Text:
        if (auto *edit = qobject_cast<QLineEdit *>(field))
            edit->setText(TextLimits::cutToLength(value.toString(), edit->maxLength()));
        break;
    case Kind::Index:
        if (auto *box = qobject_cast<QComboBox *>(field)) {
            // An empty pin box leaves the card alone; passing through
            // "Unbelegt" first clears what the pin's line had wired.
            if (key.pin != 0 && value.toInt() == -1)
                box->setCurrentIndex(PinFunction::NotConnected);
            box->setCurrentIndex(value.toInt());
        }
        break;
    case Kind::Number:
        if (auto *spinBox = qobject_cast<QDoubleSpinBox *>(field))
            spinBox->setValue(value.toDouble());
        break;
    case Kind::PinCount:
        break;
    }
}

std::vector<Adjustment> adjustments(const QWidget &form, const std::vector<Entry> &entries)
{
    return adjustments(
        [&form](const Key &key) {
            return key.kind == Kind::PinCount ? nullptr : findField<QWidget>(form, key);
        },
        entries);
}

std::vector<Adjustment> adjustments(const std::function<const QWidget *(const Key &)> &fieldOf,
                                    const std::vector<Entry> &entries)
{
    return adjustments([&fieldOf](const Key &key) { return valueOf(fieldOf(key), key.kind); },
                       entries);
}

} // namespace TubeData
