#include "lochkartor.h"
#include "socket_table.h"
#include "ui_lochkartor.h"
#include "wiring_table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <algorithm>

// Choosing a socket records which tester line each pin reaches and gives each
// pin box the functions of that line; every pin starts as "Unbelegt".
void Lochkartor::encodeSocket(int index)
{
    const CardUpdate update(this);
    if (const SocketRow *socket = findSocket(index)) {
        for (int pin = 1; pin <= socket->pinCount(); ++pin) {
            const int line = socket->lineOf(pin);
            // The line is recorded first: the new model moves the box's
            // index, and that pin's slot must already see the new line.
            setPinLine(pin, line);
            QStandardItemModel *model = line == 0 ? noPinModel : lineModels[line - 1];
            pinFunctionBoxes[pin - 1]->setModel(model);
        }
        setPinCount(socket->pinCount());
    }
}

void Lochkartor::setPinLine(int pin, int line)
{
    if (pin < 1 || pin > int(pinLines.size()))
        return;
    pinLines[pin - 1] = line;
    pinLineEdits[pin - 1]->setText(line == 0 ? tr("LEITUNG OFFEN") : QString::number(line));
}

// Pins above the count keep their line and list but are switched off and
// reset. Resetting the pins is part of this change of the form, not an edit
// of each pin.
void Lochkartor::setPinCount(int n)
{
    const CardUpdate update(this);
    pinCount = n;
    const int pins = int(pinFunctionBoxes.size());
    for (int pin = 1; pin <= pins; ++pin) {
        QComboBox *box = pinFunctionBoxes[pin - 1];
        box->setEnabled(pin <= n);
        pinLineEdits[pin - 1]->setEnabled(pin <= n);
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(PinFunction::NotConnected);
    }
}
