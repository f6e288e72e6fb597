#pragma once

#include "tube.h"

#include <vector>

// One edit of a tube as a plain function: the value a user puts into one
// field, and everything the form then does on its own. The outcome is the
// window's, spin-box rounding and clamping and every cascade included.
namespace TubeEdit {

// Why an edit moved a field other than its own.
enum class Reason {
    ScreenAbovePlate, // the screen voltage never exceeds the plate voltage
    PlateMeterRange,  // the plate current meter of this plate supply
    DcHeaterCurrent,  // a DC heater draws at most 1.2 A
    TapHeaterCurrent, // the AC tap's largest current
    FixedBiasExcludesResistor,
    ResistorBiasesGrid,
    NoDirectHeatingForRectifier,
    NewSocketPins, // a socket starts with its pins unwired
    FollowsEdit,   // none of the above: the edit's own consequence
};

struct Change
{
    TubeField field;
    Reason reason;
};

// The blocks of the form a tube type or heating method switches on and off.
enum class Block { Heater, AmplifierPlate, Rectifier, ScreenGrid, ControlGrid };

struct BlockSwitch
{
    Block block;
    bool on;
};

struct Outcome
{
    Tube tube;
    std::vector<Change> changes;       // in field order, the edited field left out
    std::vector<BlockSwitch> switched; // in Block order
};

Outcome apply(const Tube &tube, TubeField field, const TubeValue &value);

// What took `before` to `after` besides `field`, as `apply` reports it.
Outcome compare(const Tube &before, const Tube &after, TubeField field);

} // namespace TubeEdit
