// The form shows one value: every field with its limits and whether it takes
// part, each pin row's line and the list that line offers, the rows the
// tube type greys, and both cards with the check colours, all worked out
// from the value alone. "Neu", a load, a card read, undo and redo show a
// value this way; nothing is copied from another window.

#include "edit_history.h"
#include "form_replay.h"
#include "lochkartor.h"
#include "numberfield.h"
#include "tube_type_table.h"
#include "ui_lochkartor.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace {

bool isPinField(TubeField field)
{
    return field >= TubeField::Pin1 && field <= TubeField::Pin9;
}

void setEnabledIfChanged(QWidget *widget, bool enabled)
{
    if (widget && widget->testAttribute(Qt::WA_ForceDisabled) == enabled)
        widget->setEnabled(enabled);
}

// Each setter of a spin box rewrites its text, so only what differs is set,
// and the limits before the value they hold.
void showNumber(QDoubleSpinBox *field, const TubeForm::Limits &limits, double value)
{
    const QSignalBlocker blocker(field);
    bool changed = false;
    if (field->decimals() != limits.decimals) {
        field->setDecimals(limits.decimals);
        changed = true;
    }
    if (field->minimum() != limits.minimum || field->maximum() != limits.maximum) {
        field->setRange(limits.minimum, limits.maximum);
        changed = true;
    }
    if (field->value() != value) {
        field->setValue(value);
        changed = true;
    }
    // Its own signal would have told a number field to look at its text
    // again; a field left as it was keeps its text and its limits.
    if (auto *number = qobject_cast<NumberField *>(field); number && changed)
        number->recheckText();
}

void showIndex(QComboBox *box, int index)
{
    const QSignalBlocker blocker(box);
    if (box->currentIndex() != index)
        box->setCurrentIndex(index);
}

void showText(QLineEdit *edit, const QString &text)
{
    const QSignalBlocker blocker(edit);
    if (edit->text() != text)
        edit->setText(text);
}

// The pins the socket of a new tube has: the window starts with their rows
// filled, the others empty.
int freshPinCount()
{
    static const int pins = TubeForm::pinCount(freshFormValue().tube);
    return pins;
}

} // namespace

// The label "plateVoltageLabel" of the field "plateVoltage": it is greyed
// with its field.
void Lochkartor::findFieldLabels()
{
    for (int field = 0; field < TubeFieldCount; ++field) {
        if (isPinField(TubeField(field)))
            continue;
        m_fieldLabels[std::size_t(field)] = findChild<QLabel *>(
            QLatin1String(tubeFieldName(TubeField(field))) + QLatin1String("Label"));
    }
}

// A pin inside the socket names its line, or that it reaches none; a pin
// past the socket's last one keeps, greyed, the line an earlier socket gave
// it. A pin no socket reached shows nothing at all.
bool Lochkartor::pinRowFilled(int pin, int line, int pins) const
{
    return line > 0 || pin <= pins || pin <= freshPinCount();
}

QAbstractItemModel *Lochkartor::pinModel(int pin, int line, int pins) const
{
    if (line > 0 && line <= int(lineModels.size()))
        return lineModels[std::size_t(line - 1)];
    return pinRowFilled(pin, line, pins) ? noPinModel : unwiredPinModel;
}

QString Lochkartor::pinLineText(int pin, int line, int pins) const
{
    if (line > 0)
        return QString::number(line);
    return pinRowFilled(pin, line, pins) ? tr("LEITUNG OFFEN") : QString();
}

void Lochkartor::showPinRows(const FormValue &form)
{
    const int pins = TubeForm::pinCount(form.tube);
    pinCount = pins;
    for (int pin = 1; pin <= int(pinFunctionBoxes.size()); ++pin) {
        const std::size_t row = std::size_t(pin - 1);
        const int line = form.pinLines[row];
        pinLines[row] = line;
        QComboBox *box = pinFunctionBoxes[row];
        QAbstractItemModel *model = pinModel(pin, line, pins);
        if (box->model() != model) {
            const QSignalBlocker blocker(box);
            box->setModel(model);
        }
        showIndex(box, form.tube.pinFunctions[row]);
        setEnabledIfChanged(box, pin <= pins);
        showText(pinLineEdits[row], pinLineText(pin, line, pins));
        setEnabledIfChanged(pinLineEdits[row], pin <= pins);
    }
}

void Lochkartor::putFormValue(const FormValue &form)
{
    const CardUpdate update(this);
    const Tube &tube = form.tube;
    const TubeForm::Flags kind = TubeForm::flags(tube);
    // The rectifier block offers no directly heated filament.
    for (const DirectHeatingFallback &fallback : directHeatingFallbacks) {
        QStandardItem *item = heatingMethodModel->item(fallback.directMethod);
        if (item->isEnabled() == kind.rectifier)
            item->setEnabled(!kind.rectifier);
    }
    showPinRows(form);
    for (int index = 0; index < TubeFieldCount; ++index) {
        const TubeField field = TubeField(index);
        QWidget *widget = m_fieldWidgets[std::size_t(index)];
        const TubeValue value = valueOf(tube, field);
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            showText(edit, value.text);
        else if (auto *number = qobject_cast<QDoubleSpinBox *>(widget))
            showNumber(number, TubeForm::limits(tube, field), value.number);
        else if (auto *box = qobject_cast<QComboBox *>(widget); box && !isPinField(field))
            showIndex(box, int(value.number));
        if (!isPinField(field)) {
            const bool on = TubeForm::isFieldOn(tube, field);
            setEnabledIfChanged(widget, on);
            setEnabledIfChanged(m_fieldLabels[std::size_t(index)], on);
        }
    }
    rectifierFlag = kind.rectifier;
    directHeatingFlag = kind.directlyHeated;
    controlGridFlag = kind.controlGrid;
    screenGridFlag = kind.screenGrid;
    heaterPresentFlag = kind.heaterPresent;
}

void Lochkartor::resetToFreshForm()
{
    showFormValue(freshFormValue());
}

void Lochkartor::showFormValue(const FormValue &form)
{
    fillForm([this, &form] { putFormValue(form); });
}

void Lochkartor::showFormSnapshot(const FormSnapshot &snapshot)
{
    showFormValue(snapshot.formValue());
}

// As a fresh window given the tube's values one after the other shows it:
// values a load would round, clamp or empty are shown so.
void Lochkartor::showTube(const Tube &tube)
{
    showFormValue(freshFormValue().withTube(FormReplay::holding(tube).tube()));
}
