// The heating method decides which of the heater's inputs the form offers
// and the most current the heater may draw; the heater's holes and texts are
// the card engine's.

#include "heating_table.h"
#include "lochkartor.h"
#include "ranges.h"
#include "ui_lochkartor.h"

using namespace HeatingTable;

namespace {

bool isDcMethod(int method)
{
    return method >= 0 && method < int(std::size(methods))
           && methods[method].supply == HeaterSupply::Dc;
}

} // namespace

void Lochkartor::encodeHeatingMethod(int method)
{
    const CardUpdate update(this);
    if (method < 0 || method >= int(std::size(methods)))
        return;
    const Method &row = methods[method];
    const bool ac = row.supply == HeaterSupply::Ac;
    const bool dc = row.supply == HeaterSupply::Dc;
    ui->heatingVoltageAC->setEnabled(ac);
    ui->heatingVoltageACLabel->setEnabled(ac);
    ui->heatingVoltage->setEnabled(dc);
    ui->heatingVoltageLabel->setEnabled(dc);

    if (ac) {
        encodeHeatingVoltageAC(ui->heatingVoltageAC->currentIndex());
    } else if (dc) {
        encodeHeatingVoltage(ui->heatingVoltage->value());
        ui->heatingCurrent->setMaximum(DcMaximumCurrent);
    }

    heaterPresentFlag = ac || dc;
    directHeatingFlag = row.directlyHeated;
}

// Also reached from the DC encoder, which picks the tap. The heater current
// limit then stays that of the DC supply: the tap's own limit would let a DC
// heater draw more than the supply gives.
void Lochkartor::encodeHeatingVoltageAC(int tap)
{
    const CardUpdate update(this);
    if (tap < 0 || tap >= NoTap)
        return;
    const bool dc = isDcMethod(ui->heatingMethod->currentIndex());
    ui->heatingCurrent->setMaximum(dc ? DcMaximumCurrent : taps[tap].maximumCurrent);
}

void Lochkartor::encodeHeatingVoltage(double volts)
{
    const CardUpdate update(this);
    encodeHeatingVoltageAC(Encoding::rowIndex(taps, firstRowNotExceeded(taps, volts)));
}

void Lochkartor::writeHeatingCurrentText(double)
{
    const CardUpdate update(this);
}
