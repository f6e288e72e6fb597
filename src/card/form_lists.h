#pragma once

#include <QStringList>

// The rows of the form's lists, as source texts of the "Lochkartor"
// context: the same texts the form file gives its boxes, so the card
// reader and the renderer name a choice exactly as the window shows it.
namespace FormLists {

enum class List {
    Socket,
    TubeType,
    HeatingMethod,
    HeatingTap,
    PinFunction,
    CapFunction,
    CathodeResistor,
    CathodeCap,
    RectPlateVoltage,
    RectLoadResistor,
    RectCap,
    IsotestVoltage,
    IsotestRange,
};
constexpr int ListCount = 13;

// The rows of `list` as the form shows them in the current language.
QStringList texts(List list);

} // namespace FormLists
