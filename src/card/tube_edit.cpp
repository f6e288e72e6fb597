#include "tube_edit.h"

#include "form_replay.h"
#include "heating_table.h"

#include <iterator>

namespace TubeEdit {

namespace {

bool heatsWithDc(const Tube &tube)
{
    return tube.heatingMethod >= 0 && tube.heatingMethod < int(std::size(HeatingTable::methods))
           && HeatingTable::methods[tube.heatingMethod].supply == HeatingTable::HeaterSupply::Dc;
}

bool isPin(TubeField field)
{
    return int(field) >= int(TubeField::Pin1) && int(field) <= int(TubeField::Pin9);
}

Reason reasonFor(TubeField changed, const Tube &after)
{
    switch (changed) {
    case TubeField::ScreenVoltage:
        return Reason::ScreenAbovePlate;
    case TubeField::PlateCurrent:
        return Reason::PlateMeterRange;
    case TubeField::HeatingCurrent:
        return heatsWithDc(after) ? Reason::DcHeaterCurrent : Reason::TapHeaterCurrent;
    case TubeField::CathodeResistor:
        return Reason::FixedBiasExcludesResistor;
    case TubeField::GridVoltage:
        return Reason::ResistorBiasesGrid;
    case TubeField::HeatingMethod:
        if (TubeForm::flags(after).rectifier)
            return Reason::NoDirectHeatingForRectifier;
        break;
    default:
        if (isPin(changed))
            return Reason::NewSocketPins;
        break;
    }
    return Reason::FollowsEdit;
}

bool isOn(Block block, const TubeForm::Flags &flags)
{
    switch (block) {
    case Block::Heater:
        return flags.heaterPresent;
    case Block::AmplifierPlate:
        return !flags.rectifier;
    case Block::Rectifier:
        return flags.rectifier;
    case Block::ScreenGrid:
        return flags.screenGrid;
    case Block::ControlGrid:
        return flags.controlGrid;
    }
    return false;
}

bool sameValue(const TubeValue &a, const TubeValue &b)
{
    return a.text == b.text && a.number == b.number;
}

} // namespace

Outcome compare(const Tube &before, const Tube &after, TubeField field)
{
    Outcome outcome;
    outcome.tube = after;
    for (int index = 0; index < TubeFieldCount; ++index) {
        const auto other = TubeField(index);
        if (other != field && !sameValue(valueOf(before, other), valueOf(after, other)))
            outcome.changes.push_back({other, reasonFor(other, after)});
    }
    const TubeForm::Flags was = TubeForm::flags(before);
    const TubeForm::Flags is = TubeForm::flags(after);
    for (Block block : {Block::Heater, Block::AmplifierPlate, Block::Rectifier, Block::ScreenGrid,
                        Block::ControlGrid}) {
        if (isOn(block, was) != isOn(block, is))
            outcome.switched.push_back({block, isOn(block, is)});
    }
    return outcome;
}

Outcome apply(const Tube &tube, TubeField field, const TubeValue &value)
{
    FormReplay form = FormReplay::holding(tube);
    form.set(field, value);
    return compare(tube, form.tube(), field);
}

} // namespace TubeEdit
