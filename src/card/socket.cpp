#include "lochkartor.h"
#include "ui_lochkartor.h"

void Lochkartor::encodeSocket(int)
{
}

void Lochkartor::setPinLine(int, int)
{
}

void Lochkartor::setPinCount(int)
{
}

