#include "tube_data_conditions.h"

#include "socket_table.h"
#include "tube_type_table.h"
#include "wiring_table.h"

#include <cstring>

namespace TubeData {

bool applies(const Key &key, const Conditions &c)
{
    switch (key.when) {
    case When::Always:
        return true;
    case When::HeaterPresent:
        return c.heaterPresent;
    case When::HeaterOnAc:
        return c.heaterPresent && c.heaterOnAc;
    case When::HeaterOnDc:
        return c.heaterPresent && !c.heaterOnAc;
    case When::PinPresent:
        return key.pin <= c.pinCount;
    case When::Rectifier:
        return c.rectifier;
    case When::NoRectifier:
        return !c.rectifier;
    case When::NoRectifierScreenGrid:
        return !c.rectifier && c.screenGrid;
    case When::NoRectifierControlGrid:
        return !c.rectifier && c.controlGrid;
    }
    return false;
}

bool isAcHeatingMethod(int method)
{
    return method == 0 || method == 1;
}

bool learnFrom(const Key &key, int index, Conditions &c)
{
    if (std::strcmp(key.field, "socket") == 0) {
        const SocketRow *socket = findSocket(index);
        if (!socket)
            return false;
        c.pinCount = socket->pinCount();
        for (int pin = 1; pin <= c.pinCount; ++pin)
            c.pinLines[pin - 1] = socket->lineOf(pin);
    } else if (std::strcmp(key.field, "genericTubeType") == 0) {
        const TubeTypeSwitches *switches = findTubeTypeSwitches(index);
        if (!switches)
            return false;
        c.rectifier = switches->rectifierMode;
        c.screenGrid = switches->screenGrid;
        c.controlGrid = switches->controlGrid;
        // A glow stabiliser has no heater; every other type heats by the
        // method in the form.
        c.heaterPresent = !switches->glowStabiliser;
    } else if (std::strcmp(key.field, "heatingMethod") == 0) {
        c.heaterOnAc = isAcHeatingMethod(index);
    }
    return true;
}

bool pinCanHold(const Conditions &c, int pin, int function)
{
    if (function == -1)
        return true;
    const int line = c.pinLines[pin - 1];
    if (line == 0)
        return function == PinFunction::NotConnected;
    return Wiring::lineHandles(line, function);
}

bool heatingMethodOffered(const Conditions &c, int method)
{
    if (!c.rectifier)
        return true;
    for (const DirectHeatingFallback &fallback : directHeatingFallbacks) {
        if (method == fallback.directMethod)
            return false;
    }
    return true;
}

} // namespace TubeData
