#include "lochkartor.h"
#include "ui_lochkartor.h"

void Lochkartor::selectPlateSupply(int)
{
}

void Lochkartor::encodePlateVoltage(double)
{
}

void Lochkartor::encodeRectPlateVoltage(int)
{
}

void Lochkartor::encodeScreenVoltage(double)
{
}

void Lochkartor::encodeGridVoltage(double)
{
}

void Lochkartor::encodeCathodeResistor(int)
{
}

void Lochkartor::encodeCathodeCap(int)
{
}

