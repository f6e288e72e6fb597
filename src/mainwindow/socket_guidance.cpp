#include "socket_guidance.h"

#include "socket_table.h"
#include "wiring_table.h"

#include <QComboBox>
#include <QCoreApplication>

namespace SocketGuidance {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Lochkartor", text);
}

QString pinLine(int pin, int line)
{
    if (line == 0)
        return tr("Pin %1: keine Leitung").arg(pin);
    return tr("Pin %1: Leitung %2").arg(pin).arg(testerLineLetter(line));
}

} // namespace

QString socketToolTip(int index)
{
    const SocketRow *socket = findSocket(index);
    if (!socket)
        return {};
    QStringList lines;
    lines << tr("%1: %2 Pins").arg(socketListName(index)).arg(socket->pinCount());
    for (int pin = 1; pin <= socket->pinCount(); ++pin)
        lines << pinLine(pin, socket->lineOf(pin));
    return lines.join(QLatin1Char('\n'));
}

void addSocketToolTips(QComboBox *socketList)
{
    for (int index = 0; index < socketList->count(); ++index)
        socketList->setItemData(index, socketToolTip(index), Qt::ToolTipRole);
}

QString pinFunctionHelp(int function)
{
    switch (function) {
    case PinFunction::DoubleTriodeCathode1:
        return tr("Kathode des ersten Systems einer Doppeltriode, über ihren eigenen "
                  "Kathodenwiderstand von 600 Ohm; nur auf Leitung I. Beispiel ECC83 auf "
                  "Sockel 11: Pin 8 ist die Kathode des ersten Systems, Pin 3 die des zweiten.");
    case PinFunction::DoubleTriodeCathode2:
        return tr("Kathode des zweiten Systems einer Doppeltriode, über ihren eigenen "
                  "Kathodenwiderstand von 600 Ohm; nur auf Leitung H. Beispiel ECC83 auf "
                  "Sockel 11: Pin 8 ist die Kathode des ersten Systems, Pin 3 die des zweiten.");
    default:
        return {};
    }
}

} // namespace SocketGuidance
