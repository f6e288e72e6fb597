#include "tube_type_table.h"

namespace {

constexpr bool on = true;
constexpr bool off = false;

// clang-format off
constexpr TubeTypeSwitches tubeTypeSwitches[TubeTypeCount] = {
    //                          rectifier  glow stab.  screen grid  control grid
    /* Kleinsignaldiode  */    {off,       off,        off,         off},
    /* Triode            */    {off,       off,        off,         on },
    /* Tetrode           */    {off,       off,        on,          on },
    /* Pentode           */    {off,       off,        on,          on },
    /* Hexode            */    {off,       off,        on,          on },
    /* Heptode           */    {off,       off,        on,          on },
    /* Oktode            */    {off,       off,        on,          on },
    /* Glimmstabilisator */    {off,       on,         off,         off},
    /* Gleichrichter     */    {on,        off,        off,         off},
    /* Anzeigeröhre      */    {off,       off,        on,          off},
};
// clang-format on

} // namespace

const TubeTypeSwitches *findTubeTypeSwitches(int index)
{
    if (index < 0 || index >= TubeTypeCount)
        return nullptr;
    return &tubeTypeSwitches[index];
}
