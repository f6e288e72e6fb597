#pragma once

#include "hole.h"

#include <QString>

// The functions a pin can have, in the row order of the pin boxes' lists.
namespace PinFunction {
enum : int {
    HeaterMinus = 0,
    HeaterPlus = 1,
    Cathode = 2,
    DoubleTriodeCathode1 = 3,
    DoubleTriodeCathode2 = 4,
    ControlGrid = 5,
    Anode = 6,
    ScreenGrid = 7,
    HeaterMinusAndCathode = 8,
    HeaterPlusAndCathode = 9,
    NotConnected = 10,
};
// Functions 0 to 9 are wired; 10 leaves the pin open.
constexpr int WiredCount = 10;
constexpr int Count = 11;
} // namespace PinFunction

// The tester's switchable connection lines 1 to 9, printed A to I on the card.
constexpr int TesterLineCount = 9;

// The letter the card prints for tester line `line` ("A" for 1 to "I" for 9);
// every text that names a line uses it. Empty outside 1 to 9.
QString testerLineLetter(int line);

namespace Wiring {

// Whether `line` (1 to 9) can carry `function`; "Unbelegt" is carried by
// every line, and line 0 (a pin that reaches no line) carries nothing.
bool lineHandles(int line, int function);

// The wiring holes that connect `line` for `function`: one hole, two for the
// combined functions, none for "Unbelegt" or a function the line cannot carry.
HoleList holesOf(int line, int function);

// Every wiring hole of `line`, on all buses it can reach.
HoleList lineHoles(int line);

// The choices of the cap list: "Keine Kappe", "Steuergitter", "Schirmgitter",
// "Anode".
constexpr int CapChoiceCount = 4;

// The pin function a top cap counts as (-1 for "Keine Kappe" and any index
// that is not a cap choice).
int capPinFunction(int capIndex);

} // namespace Wiring
