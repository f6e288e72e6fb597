// The form as one value and back: what undo and redo show.

#include "edit_history.h"
#include "lochkartor.h"
#include "wiring_table.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStandardItemModel>

FormValue Lochkartor::formValue() const
{
    return FormValue{tube(), pinLines};
}

FormSnapshot Lochkartor::formSnapshot() const
{
    return FormSnapshot::of(formValue());
}

// As a load does: from the fresh form, every value through its widget in an
// order in which none limits one set later, so the encoders draw the cards
// from the values alone.
void Lochkartor::showFormValue(const FormValue &form)
{
    fillForm([this, &form] {
        resetToFreshForm();
        m_history->widgets().apply(FormSnapshot::of(form));
        showSwitchedOffPinLines(form.pinLines);
    });
}

void Lochkartor::showFormSnapshot(const FormSnapshot &snapshot)
{
    showFormValue(snapshot.formValue());
}

void Lochkartor::showTube(const Tube &tube)
{
    FormSnapshot snapshot;
    snapshot.tubeName = tube.name;
    for (std::size_t index = 0; index < FormSnapshot::InputCount; ++index) {
        TubeField field;
        if (tubeFieldNamed(FormSnapshot::inputs[index].objectName, &field))
            snapshot.values[index] = valueOf(tube, field).number;
    }
    fillForm([this, &snapshot] {
        resetToFreshForm();
        m_history->widgets().apply(snapshot);
    });
}

// A pin the socket lacks shows, greyed and "Unbelegt", the line and list an
// earlier socket gave it. They reach no card, so the boxes keep quiet.
void Lochkartor::showSwitchedOffPinLines(const std::array<int, 9> &lines)
{
    for (int pin = pinCount + 1; pin <= int(lines.size()); ++pin) {
        const int line = lines[std::size_t(pin - 1)];
        if (line == pinLines[std::size_t(pin - 1)] || line < 0 || line > int(lineModels.size()))
            continue;
        QComboBox *box = pinFunctionBoxes[std::size_t(pin - 1)];
        const QSignalBlocker blocker(box);
        setPinLine(pin, line);
        box->setModel(line == 0 ? noPinModel : lineModels[std::size_t(line - 1)]);
        box->setCurrentIndex(PinFunction::NotConnected);
    }
}
