// The operating point's limits and the fields that exclude each other; the
// supplies, meter ranges and texts on the card are the card engine's.

#include "lochkartor.h"
#include "operating_point_table.h"
#include "ranges.h"
#include "ui_lochkartor.h"

using namespace OperatingPointTable;

// The screen grid never gets more than the plate; lowering the plate voltage
// pulls a higher screen voltage down with it. The plate current meter is
// that of the plate supply the voltage needs.
void Lochkartor::encodePlateVoltage(double volts)
{
    const CardUpdate update(this);
    ui->screenVoltage->setMaximum(volts);
    ui->plateCurrent->setMaximum(
        firstRowNotExceeded(plateVoltageRanges, volts).plateCurrentMaximum);
}

void Lochkartor::encodeRectPlateVoltage(int)
{
    const CardUpdate update(this);
}

void Lochkartor::encodeScreenVoltage(double)
{
    const CardUpdate update(this);
}

// A fixed grid bias and a cathode resistor exclude each other.
void Lochkartor::encodeGridVoltage(double volts)
{
    const CardUpdate update(this);
    if (volts != 0.0)
        ui->cathodeResistor->setCurrentIndex(0);
}

void Lochkartor::encodeCathodeResistor(int choice)
{
    const CardUpdate update(this);
    if (choice < 0 || choice >= int(std::size(resistors)))
        return;
    if (resistors[choice].biasesGrid)
        ui->gridVoltage->setValue(0.0);
}

void Lochkartor::encodeCathodeCap(int)
{
    const CardUpdate update(this);
}
