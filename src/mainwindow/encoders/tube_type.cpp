#include "desired_values_table.h"
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

// The tube type decides which blocks of the form and the card apply. Every
// run sets all four switches anew, so the card depends only on the form's
// values, not on the previous type.
void Lochkartor::encodeTubeType(int index)
{
    m_cards->setText(CardText::TubeType, ui->genericTubeType->currentText());
    if (const TubeTypeSwitches *switches = findTubeTypeSwitches(index)) {
        switchRectifierMode(switches->rectifierMode);
        switchGlowStabiliser(switches->glowStabiliser);
        switchScreenGrid(switches->screenGrid);
        switchControlGrid(switches->controlGrid);
    }
    checkValidity();
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
    if (on) {
        // The rectifier lists share the plate-supply and resistor encoders;
        // their slots know the offsets of the rectifier choices.
        on_rectPlateVoltage_currentIndexChanged(ui->rectPlateVoltage->currentIndex());
        encodeRectCurrent(ui->rectCurrent->value());
        on_rectLoadResistor_currentIndexChanged(ui->rectLoadResistor->currentIndex());
        encodeCathodeCap(ui->rectCap->currentIndex());
    } else {
        encodePlateVoltage(ui->plateVoltage->value());
        encodePlateCurrent(ui->plateCurrent->value());
        encodeCathodeResistor(ui->cathodeResistor->currentIndex());
        encodeCathodeCap(ui->cathodeCap->currentIndex());
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
    m_cards->setHole(stabiliserResistorOff, !on);
    setAllEnabled({ui->heatingMethod, ui->heatingMethodLabel}, !on);
    // The heating method keeps its index, so switching back restores it.
    encodeHeatingMethod(on ? NoHeaterState : ui->heatingMethod->currentIndex());
}

void Lochkartor::switchScreenGrid(bool on)
{
    screenGridFlag = on;
    m_cards->setTextVisible(CardText::ScreenVoltage, on);
    m_cards->setTextVisible(CardText::ScreenCurrent, on);
    setAllEnabled(
        {ui->screenCurrent, ui->screenCurrentLabel, ui->screenVoltage, ui->screenVoltageLabel}, on);
    if (on) {
        encodeScreenVoltage(ui->screenVoltage->value());
        encodeScreenCurrent(ui->screenCurrent->value());
    } else {
        setScreenVoltageHoles(screenSupply300V);
        setScreenScaleHoles(noScreenScale);
        m_cards->punchOnly(DesiredValuesTable::screenCurrentScaleHoles, {});
    }
}

void Lochkartor::switchControlGrid(bool on)
{
    controlGridFlag = on;
    m_cards->setTextVisible(CardText::Transconductance, on);
    m_cards->setTextVisible(CardText::GridVoltage, on);
    setAllEnabled(
        {ui->transconductance, ui->transconductanceLabel, ui->gridVoltage, ui->gridVoltageLabel},
        on);
    if (on) {
        encodeTransconductance(ui->transconductance->value());
        // Bringing the grid back must not cost a kept "2x600 Ohm": the bias
        // and the resistor were consistent when they were chosen.
        punchGridVoltage(ui->gridVoltage->value());
        encodeCathodeResistor(ui->cathodeResistor->currentIndex());
    } else {
        setGridVoltageHoles(noGridSupply);
        setGridScaleHoles(noGridScale);
        m_cards->punchOnly(DesiredValuesTable::transconductanceScaleHoles, {});
    }
}
