#include "lochkartor.h"
#include "tube_type_table.h"
#include "ui_lochkartor.h"

#include <QStandardItemModel>
#include <initializer_list>

namespace {

void setAllEnabled(std::initializer_list<QWidget *> widgets, bool enabled)
{
    for (QWidget *widget : widgets)
        widget->setEnabled(enabled);
}

} // namespace

// The tube type decides which blocks of the form apply. Every run sets all
// four switches anew, so the form depends only on its values, not on the
// previous type.
void Lochkartor::encodeTubeType(int index)
{
    const CardUpdate update(this);
    if (const TubeTypeSwitches *switches = findTubeTypeSwitches(index)) {
        switchRectifierMode(switches->rectifierMode);
        switchGlowStabiliser(switches->glowStabiliser);
        switchScreenGrid(switches->screenGrid);
        switchControlGrid(switches->controlGrid);
    }
}

void Lochkartor::switchRectifierMode(bool on)
{
    rectifierFlag = on;
    setAllEnabled({ui->plateVoltage, ui->plateVoltageLabel, ui->plateCurrent, ui->plateCurrentLabel,
                   ui->cathodeResistor, ui->cathodeResistorLabel, ui->cathodeCap,
                   ui->cathodeCapLabel},
                  !on);
    setAllEnabled({ui->rectPlateVoltage, ui->rectPlateVoltageLabel, ui->rectLoadResistor,
                   ui->rectLoadResistorLabel, ui->rectCap, ui->rectCapLabel, ui->rectCurrent,
                   ui->rectCurrentLabel},
                  on);
    // The amplifier's plate voltage and resistor limit other fields again.
    if (!on) {
        encodePlateVoltage(ui->plateVoltage->value());
        encodeCathodeResistor(ui->cathodeResistor->currentIndex());
    }
    // The rectifier block offers no directly heated filament.
    for (const DirectHeatingFallback &fallback : directHeatingFallbacks)
        heatingMethodModel->item(fallback.directMethod)->setEnabled(!on);
    if (on) {
        for (const DirectHeatingFallback &fallback : directHeatingFallbacks) {
            if (ui->heatingMethod->currentIndex() == fallback.directMethod)
                ui->heatingMethod->setCurrentIndex(fallback.indirectMethod);
        }
    }
}

void Lochkartor::switchGlowStabiliser(bool on)
{
    setAllEnabled({ui->heatingMethod, ui->heatingMethodLabel}, !on);
    // The heating method keeps its index, so switching back restores it.
    encodeHeatingMethod(on ? NoHeaterState : ui->heatingMethod->currentIndex());
}

void Lochkartor::switchScreenGrid(bool on)
{
    screenGridFlag = on;
    setAllEnabled(
        {ui->screenCurrent, ui->screenCurrentLabel, ui->screenVoltage, ui->screenVoltageLabel}, on);
}

void Lochkartor::switchControlGrid(bool on)
{
    controlGridFlag = on;
    setAllEnabled(
        {ui->transconductance, ui->transconductanceLabel, ui->gridVoltage, ui->gridVoltageLabel},
        on);
    // Bringing the grid back must not cost a kept "2x600 Ohm": the bias and
    // the resistor were consistent when they were chosen.
    if (on)
        encodeCathodeResistor(ui->cathodeResistor->currentIndex());
}
