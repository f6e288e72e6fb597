#pragma once

#include <QString>
#include <array>

// A pin position that the socket does not have.
constexpr int NoPin = -1;

// One socket or adapter of the tester: the name written on the card and the
// tester line each pin is wired to (0 for a pin that reaches no line).
struct SocketRow
{
    const char *cardText;     // source text; translate with the "Lochkartor" context
    std::array<int, 9> lines; // index pin - 1; NoPin past the last pin

    int pinCount() const;
    int lineOf(int pin) const; // pin 1 to pinCount()
};

// Sockets 1 to 19, then the adapters 1 to 5, in the order of the socket list.
constexpr int SocketCount = 24;

// The row of socket list index `index`, or nullptr outside the list.
const SocketRow *findSocket(int index);

// The name of socket list index `index` as the form's list shows it,
// translated; empty outside the list.
QString socketListName(int index);
