#include "tube_data_form.h"

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
    switch (key.kind) {
    case Kind::Text:
        if (auto *edit = findField<QLineEdit>(form, key))
            return edit->text();
        break;
    case Kind::Index:
        if (auto *box = findField<QComboBox>(form, key))
            return box->currentIndex();
        break;
    case Kind::Number:
        if (auto *spinBox = findField<QDoubleSpinBox>(form, key))
            return spinBox->value();
        break;
    case Kind::PinCount:
        break;
    }
    return {};
}

void setFieldValue(QWidget &form, const Key &key, const QVariant &value)
{
    switch (key.kind) {
    case Kind::Text:
        if (auto *edit = findField<QLineEdit>(form, key))
            edit->setText(value.toString());
        break;
    case Kind::Index:
        if (auto *box = findField<QComboBox>(form, key)) {
            // An empty pin box leaves the card alone; passing through
            // "Unbelegt" first clears what the pin's line had wired.
            if (key.pin != 0 && value.toInt() == -1)
                box->setCurrentIndex(PinFunction::NotConnected);
            box->setCurrentIndex(value.toInt());
        }
        break;
    case Kind::Number:
        if (auto *spinBox = findField<QDoubleSpinBox>(form, key))
            spinBox->setValue(value.toDouble());
        break;
    case Kind::PinCount:
        break;
    }
}

} // namespace TubeData
