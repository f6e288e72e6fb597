#pragma once

#include <QString>

class QComboBox;
class QStandardItem;

// Help for the owner where the form asks for what only the tester's wiring
// tells: which tester line each pin of a socket reaches, and what the two
// double-triode cathode rows mean.
namespace SocketGuidance {

// The tooltip of socket list index `index`: its pin count and, per pin, the
// tester line by the card's letter. Empty outside the list.
QString socketToolTip(int index);

// Gives every entry of the socket list its tooltip.
void addSocketToolTips(QComboBox *socketList);

// What a pin-function row means, for the rows that need a word ("Kathode
// Doppeltriode 1" and "2"); empty for the others.
QString pinFunctionHelp(int function);

} // namespace SocketGuidance
