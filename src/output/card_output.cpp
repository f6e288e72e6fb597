#include "lochkartor.h"
#include "ui_lochkartor.h"

bool Lochkartor::saveCardImage(const QString &)
{
    return false;
}

void Lochkartor::renderCreatedCard(QPainter *, const QRectF &)
{
}

bool Lochkartor::printCard(QPrinter *)
{
    return false;
}

