#pragma once

#include "tube_data_keys.h"

#include <array>

namespace TubeData {

// What decides which keys a file holds: the tube kind and the socket's pin
// count at the moment of saving, or, when reading, as the file's own socket,
// tube type and heating method make them.
struct Conditions
{
    bool heaterPresent = false;
    bool heaterOnAc = false;
    bool rectifier = false;
    bool screenGrid = false;
    bool controlGrid = false;
    int pinCount = 0;
    std::array<int, 9> pinLines{}; // tester line of each pin, 0 for none; read side only
};

bool applies(const Key &key, const Conditions &conditions);

// Heating methods 0 and 1 feed the heater with AC, 2 and 3 with DC.
bool isAcHeatingMethod(int method);

// Updates the conditions with the value of a key that decides them, as the
// card encoders do when the value reaches the form: the socket sets the pin
// count, the tube type the tube kind, the heating method AC or DC. Returns
// false for a socket or tube type the card tables do not know.
bool learnFrom(const Key &key, int index, Conditions &conditions);

// Whether a pin box can hold `function` with the socket of `conditions`:
// a function the pin's tester line carries, or none (-1). A pin that
// reaches no line can only be unconnected. Anything else would leave the
// card wired differently from what the form shows.
bool pinCanHold(const Conditions &conditions, int pin, int function);

// A rectifier offers only the indirectly heated methods; the form never
// shows one with a directly heated filament.
bool heatingMethodOffered(const Conditions &conditions, int method);

} // namespace TubeData
