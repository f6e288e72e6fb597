#include "lochkartor.h"
#include "ui_lochkartor.h"

void Lochkartor::encodeIsotestVoltage(int)
{
}

void Lochkartor::encodeIsotestRange(int)
{
}

