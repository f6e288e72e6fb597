#include "lochkartor.h"
#include "operating_point_table.h"
#include "ui_lochkartor.h"
#include "wiring_table.h"

#include <algorithm>
#include <iterator>

namespace {

// The resistor "2x600 Ohm (Doppeltriode)" punches the Rk 600 Ohm contacts of
// lines H and I, the same holes as the double-triode cathode functions of
// those lines. While the resistor choice holds them, a pin must not clear
// them.
HoleList holesOfResistorChoice(int choice)
{
    if (choice < 0 || choice >= int(std::size(OperatingPointTable::resistors)))
        return {};
    return OperatingPointTable::resistors[choice].holes;
}

// The tube type runs the load resistor for rectifiers and the cathode
// resistor for every other tube.
int resistorChoiceOnCard(bool rectifier, int cathodeResistor, int loadResistor)
{
    if (!rectifier)
        return cathodeResistor;
    return loadResistor < 0 ? -1 : loadResistor + OperatingPointTable::FirstLoadResistor;
}

} // namespace

// A pin function connects the pin's tester line to one bus (two for the
// combined functions). A function the line cannot carry, or a pin that
// reaches no line, leaves the card alone.
void Lochkartor::encodePinFunction(int line, int function)
{
    if (!Wiring::lineHandles(line, function))
        return;
    const int resistorChoice = resistorChoiceOnCard(
        rectifierFlag, ui->cathodeResistor->currentIndex(), ui->rectLoadResistor->currentIndex());
    const HoleList ownHoles
        = withoutHoles(Wiring::lineHoles(line), holesOfResistorChoice(resistorChoice));
    m_cards->punchOnly(ownHoles, Wiring::holesOf(line, function));
}

// The wiring holes the active pins punch, as their boxes show them now.
HoleList Lochkartor::holesWiredByPins() const
{
    HoleList holes;
    for (int pin = 1; pin <= pinCount && pin <= int(pinFunctionBoxes.size()); ++pin) {
        for (const Hole &hole : Wiring::holesOf(pinLines[pin - 1],
                                                pinFunctionBoxes[pin - 1]->currentIndex()))
            holes.push_back(hole);
    }
    return holes;
}

// No hole belongs to a top cap: the operator connects the cap by hand, so the
// created card carries a note saying which electrode it is.
void Lochkartor::encodeCapFunction(int index)
{
    if (index < 0 || index >= Wiring::CapChoiceCount)
        return;
    const int function = Wiring::capPinFunction(index);
    m_cards->setTextVisible(CardText::ControlGridCapNote, function == PinFunction::ControlGrid);
    m_cards->setTextVisible(CardText::ScreenGridCapNote, function == PinFunction::ScreenGrid);
    m_cards->setTextVisible(CardText::PlateCapNote, function == PinFunction::Anode);
}
