#pragma once

#include "reading_report.h"

class Lochkartor;

// Reading a card back through the window: the window is the card's encoder,
// so the form built from the holes is checked by encoding it in a fresh
// window and comparing the cards.
namespace ReadCard {

// The number fields' limits and the lists' texts, as the window has them.
CardReading::FormLimits formLimits(const Lochkartor &window);
CardReading::ListTexts listTexts(const Lochkartor &window);

// Puts the form into the window in the order a tube data file loads, each
// value the way a user edit would, so the cards follow.
void applyForm(Lochkartor &window, const CardReading::Form &form);

// Reads `holes`, builds the form for socket list index `socket` (or, for -1,
// the best socket that serves every wired line) and checks it in `fresh`,
// a window nobody has edited; `fresh` then holds the form.
CardReading::Outcome read(const HoleList &holes, int socket, Lochkartor &fresh);

} // namespace ReadCard
