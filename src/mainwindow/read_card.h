#pragma once

#include "card_reading.h"

class Lochkartor;

// Putting a card that was read back into the window.
namespace ReadCard {

// Puts the form into the window in the order a tube data file loads, each
// value the way a user edit would, so the cards follow.
void applyForm(Lochkartor &window, const CardReading::Form &form);

} // namespace ReadCard
