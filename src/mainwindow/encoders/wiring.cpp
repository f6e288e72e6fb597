// A pin function sets no other field; the wiring it punches, and the notes
// of the top cap, are the card engine's.

#include "lochkartor.h"

void Lochkartor::encodePinFunction(int, int)
{
    const CardUpdate update(this);
}

void Lochkartor::encodeCapFunction(int)
{
    const CardUpdate update(this);
}
