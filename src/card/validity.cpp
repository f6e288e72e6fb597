#include "lochkartor.h"
#include "ui_lochkartor.h"

void Lochkartor::checkValidity()
{
}

