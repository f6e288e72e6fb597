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

// The short name the card and the list print for socket list index `index`:
// "01" to "19" for the tester's sockets, "A1" to "A5" for the adapters.
QString socketShortName(int index);

// The socket list index of a short name as socketShortName() gives it, in
// either case and with or without the leading zero ("a5", "7", "07"); -1 for
// any other text.
int socketIndexOfShortName(const QString &name);
