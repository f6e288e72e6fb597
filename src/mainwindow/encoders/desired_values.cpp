// The desired values set no other field; their meter ranges and texts are
// the card engine's.

#include "lochkartor.h"

void Lochkartor::encodePlateCurrent(double)
{
    const CardUpdate update(this);
}

void Lochkartor::encodeRectCurrent(double)
{
    const CardUpdate update(this);
}

void Lochkartor::encodeScreenCurrent(double)
{
    const CardUpdate update(this);
}

void Lochkartor::encodeTransconductance(double)
{
    const CardUpdate update(this);
}
