#include "tube_type_table.h"

#include <QCoreApplication>

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

// The items of the form's list, under the form's own translation context.
const char *const tubeTypeNames[TubeTypeCount] = {
    QT_TRANSLATE_NOOP("Lochkartor", "Kleinsignaldiode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Triode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Tetrode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Pentode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Hexode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Heptode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Oktode"),
    QT_TRANSLATE_NOOP("Lochkartor", "Glimmstabilisator"),
    QT_TRANSLATE_NOOP("Lochkartor", "Gleichrichter"),
    QT_TRANSLATE_NOOP("Lochkartor", "Anzeigeröhre"),
};

} // namespace

const TubeTypeSwitches *findTubeTypeSwitches(int index)
{
    if (index < 0 || index >= TubeTypeCount)
        return nullptr;
    return &tubeTypeSwitches[index];
}

QString tubeTypeName(int index)
{
    if (index < 0 || index >= TubeTypeCount)
        return {};
    return QCoreApplication::translate("Lochkartor", tubeTypeNames[index]);
}
