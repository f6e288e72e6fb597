#include "heating_table.h"
#include "lochkartor.h"
#include "ranges.h"
#include "ui_lochkartor.h"

using namespace HeatingTable;

namespace {

const HoleList &tapHoles()
{
    static const HoleList holes
        = Encoding::holesOfAllRows(taps, [](const Tap &tap) { return HoleList{tap.hole}; });
    return holes;
}

const HoleList &supplyHoles()
{
    static const HoleList holes = [] {
        HoleList all = acSupplyHoles;
        all.insert(all.end(), dcSupplyHoles.begin(), dcSupplyHoles.end());
        all.push_back(filamentMinusHole);
        return all;
    }();
    return holes;
}

HoleList supplyHolesOf(const Method &method)
{
    HoleList holes;
    if (method.supply == HeaterSupply::Ac)
        holes = acSupplyHoles;
    else if (method.supply == HeaterSupply::Dc)
        holes = dcSupplyHoles;
    if (method.directlyHeated)
        holes.push_back(filamentMinusHole);
    return holes;
}

bool isDcMethod(int method)
{
    return method >= 0 && method < int(std::size(methods))
           && methods[method].supply == HeaterSupply::Dc;
}

} // namespace

void Lochkartor::encodeHeatingMethod(int method)
{
    if (method < 0 || method >= int(std::size(methods)))
        return;
    const Method &row = methods[method];
    m_cards->punchOnly(supplyHoles(), supplyHolesOf(row));

    const bool ac = row.supply == HeaterSupply::Ac;
    const bool dc = row.supply == HeaterSupply::Dc;
    ui->heatingVoltageAC->setEnabled(ac);
    ui->heatingVoltageACLabel->setEnabled(ac);
    ui->heatingVoltage->setEnabled(dc);
    ui->heatingVoltageLabel->setEnabled(dc);
    m_cards->setTextVisible(CardText::HeatingVoltage, ac || dc);
    m_cards->setTextVisible(CardText::HeatingCurrent, ac || dc);

    if (ac) {
        encodeHeatingVoltageAC(ui->heatingVoltageAC->currentIndex());
    } else if (dc) {
        encodeHeatingVoltage(ui->heatingVoltage->value());
        ui->heatingCurrent->setMaximum(DcMaximumCurrent);
    } else {
        encodeHeatingVoltageAC(NoTap);
    }

    heaterPresentFlag = ac || dc;
    directHeatingFlag = row.directlyHeated;
}

// Also reached from the DC encoder, which picks the tap. The heater current
// limit then stays that of the DC supply: the tap's own limit would let a DC
// heater draw more than the supply gives.
void Lochkartor::encodeHeatingVoltageAC(int tap)
{
    m_cards->punchOnly(dcScaleHoles, {});
    if (tap < 0 || tap > NoTap)
        return;
    if (tap == NoTap) {
        m_cards->punchOnly(tapHoles(), {});
        return;
    }
    const Tap &row = taps[tap];
    const bool dc = isDcMethod(ui->heatingMethod->currentIndex());
    ui->heatingCurrent->setMaximum(dc ? DcMaximumCurrent : row.maximumCurrent);
    m_cards->setText(CardText::HeatingVoltage, QString::fromLatin1(row.text));
    m_cards->punchOnly(tapHoles(), {row.hole});
}

void Lochkartor::encodeHeatingVoltage(double volts)
{
    const Tap &tap = firstRowNotExceeded(taps, volts);
    encodeHeatingVoltageAC(Encoding::rowIndex(taps, tap));
    m_cards->punchOnly(dcScaleHoles, firstRowNotExceeded(dcScales, volts).holes);
    m_cards->setText(CardText::HeatingVoltage,
                     Encoding::numberText(volts) + QLatin1String(DcVoltageSuffix));
}

void Lochkartor::writeHeatingCurrentText(double amperes)
{
    m_cards->setText(CardText::HeatingCurrent,
                     Encoding::numberText(amperes) + QLatin1String(CurrentSuffix));
}
