// The isolation test sets no other field; its holes are the card engine's.

#include "lochkartor.h"

void Lochkartor::encodeIsotestVoltage(int)
{
    const CardUpdate update(this);
}

void Lochkartor::encodeIsotestRange(int)
{
    const CardUpdate update(this);
}
