#include "lochkartor.h"
#include "ui_lochkartor.h"

void Lochkartor::selectPlateCurrentScale(int)
{
}

void Lochkartor::selectScreenCurrentScale(int)
{
}

void Lochkartor::selectTransconductanceScale(int)
{
}

void Lochkartor::encodePlateCurrent(double)
{
}

void Lochkartor::encodeRectCurrent(double)
{
}

void Lochkartor::encodeScreenCurrent(double)
{
}

void Lochkartor::encodeTransconductance(double)
{
}

