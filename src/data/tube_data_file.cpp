#include "lochkartor.h"
#include "ui_lochkartor.h"

bool Lochkartor::saveTubeData(const QString &)
{
    return false;
}

bool Lochkartor::loadTubeData(const QString &)
{
    return false;
}

