#include "lochkartor.h"
#include "ui_lochkartor.h"

void Lochkartor::encodeHeatingMethod(int)
{
}

void Lochkartor::encodeHeatingVoltageAC(int)
{
}

void Lochkartor::encodeHeatingVoltage(double)
{
}

void Lochkartor::writeHeatingCurrentText(double)
{
}

