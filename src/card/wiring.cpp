#include "lochkartor.h"
#include "ui_lochkartor.h"

void Lochkartor::encodePinFunction(int, int)
{
}

void Lochkartor::encodeCapFunction(int)
{
}

