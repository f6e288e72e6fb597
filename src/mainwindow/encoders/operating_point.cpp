#include "lochkartor.h"
#include "operating_point_table.h"
#include "ranges.h"
#include "ui_lochkartor.h"

using namespace OperatingPointTable;

namespace {

const HoleList &plateSupplyGroup()
{
    static const HoleList holes
        = Encoding::holesOfAllRows(plateSupplies, [](const HoleList &row) { return row; });
    return holes;
}

const HoleList &resistorGroup()
{
    static const HoleList holes
        = Encoding::holesOfAllRows(resistors, [](const Resistor &row) { return row.holes; });
    return holes;
}

QString voltageText(const char *prefix, double volts, const char *suffix)
{
    return QLatin1String(prefix) + Encoding::numberText(volts) + QLatin1String(suffix);
}

} // namespace

void Lochkartor::selectPlateSupply(int supply)
{
    if (supply < 0 || supply >= int(std::size(plateSupplies)))
        return;
    m_cards->punchOnly(plateSupplyGroup(), plateSupplies[supply]);
}

// The screen grid never gets more than the plate; lowering the plate voltage
// pulls a higher screen voltage down with it.
void Lochkartor::encodePlateVoltage(double volts)
{
    ui->screenVoltage->setMaximum(volts);
    const PlateVoltageRange &range = firstRowNotExceeded(plateVoltageRanges, volts);
    selectPlateSupply(range.supply);
    ui->plateCurrent->setMaximum(range.plateCurrentMaximum);
    const PlateScale &scale = firstRowNotExceeded(plateScales, volts);
    m_cards->punchOnly(plateScaleHoles, scale.holes);
    m_cards->setText(CardText::PlateVoltage, voltageText(PlateVoltagePrefix, volts, scale.suffix));
}

// The plate meter keeps the range the plate voltage chose last.
void Lochkartor::encodeRectPlateVoltage(int supply)
{
    for (const RectifierSupply &row : rectifierSupplies) {
        if (row.supply == supply) {
            selectPlateSupply(supply);
            m_cards->setText(CardText::PlateVoltage, QLatin1String(row.text));
        }
    }
}

void Lochkartor::encodeScreenVoltage(double volts)
{
    setScreenVoltageHoles(firstRowNotExceeded(screenSupplies, volts).choice);
    const SelectorRange &scale = firstRowNotExceeded(screenScales, volts);
    setScreenScaleHoles(scale.choice);
    m_cards->setText(CardText::ScreenVoltage,
                     voltageText(ScreenVoltagePrefix, volts, scale.suffix));
}

// A fixed grid bias and a cathode resistor exclude each other.
void Lochkartor::encodeGridVoltage(double volts)
{
    if (volts != 0.0)
        ui->cathodeResistor->setCurrentIndex(0);
    punchGridVoltage(volts);
}

// The grid supply, its meter range and text, without touching the resistor.
void Lochkartor::punchGridVoltage(double volts)
{
    setGridVoltageHoles(firstRowNotBelow(gridSupplies, volts).choice);
    const SelectorRange &scale = firstRowNotBelow(gridScales, volts);
    setGridScaleHoles(scale.choice);
    m_cards->setText(CardText::GridVoltage, voltageText(GridVoltagePrefix, volts, scale.suffix));
}

void Lochkartor::encodeCathodeResistor(int choice)
{
    if (choice < 0 || choice >= int(std::size(resistors)))
        return;
    const Resistor &resistor = resistors[choice];
    if (resistor.biasesGrid)
        ui->gridVoltage->setValue(0.0);
    // The Rk 600 Ohm contacts double as the double-triode cathode wiring of
    // lines H and I; a hole a pin is wired through stays punched.
    m_cards->punchOnly(withoutHoles(resistorGroup(), holesWiredByPins()), resistor.holes);
}

void Lochkartor::encodeCathodeCap(int choice)
{
    if (choice < 0 || choice >= int(std::size(capacitors)))
        return;
    m_cards->punchOnly(capacitorHoles, capacitors[choice]);
}
