#include "lochkartor.h"
#include "ui_lochkartor.h"

void Lochkartor::encodeTubeType(int)
{
}

void Lochkartor::switchRectifierMode(bool)
{
}

void Lochkartor::switchGlowStabiliser(bool)
{
}

void Lochkartor::switchScreenGrid(bool)
{
}

void Lochkartor::switchControlGrid(bool)
{
}

