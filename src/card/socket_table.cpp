#include "socket_table.h"

#include <QCoreApplication>

namespace {

// "-" of the printed table: the socket has no such pin.
constexpr int no = NoPin;

// clang-format off
const SocketRow socketTable[SocketCount] = {
    // card text                                               P1  P2  P3  P4  P5  P6  P7  P8  P9
    {QT_TRANSLATE_NOOP("Lochkartor", "Septar (Nr. 1)"),       {2,  3,  6,  5,  0,  4,  7,  no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Acorn (Nr. 2)"),        {2,  4,  1,  7,  3,  5,  no, no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "??? (Nr. 3)"),          {2,  3,  7,  no, no, no, no, no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Oktal (Nr. 4)"),        {1,  2,  3,  4,  5,  6,  7,  8,  no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "UX-5 (Nr. 5)"),         {2,  5,  4,  8,  7,  no, no, no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "??? (Nr. 6)"),          {2,  3,  7,  no, no, no, no, no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Oktal (Nr. 7)"),        {1,  2,  3,  4,  5,  6,  7,  8,  no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Europa (Nr. 8)"),       {7,  3,  2,  4,  5,  no, no, no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "UX-7 (Nr. 9)"),         {2,  8,  3,  5,  1,  4,  7,  no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Miniatur (Nr. 10)"),    {1,  6,  5,  2,  3,  4,  8,  no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Noval (Nr. 11)"),       {5,  1,  8,  2,  7,  6,  3,  9,  4}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Noval (Nr. 12)"),       {5,  1,  0,  2,  4,  3,  0,  9,  6}},
    {QT_TRANSLATE_NOOP("Lochkartor", "GU-50 (Nr. 13)"),       {8,  3,  6,  2,  5,  4,  1,  7,  no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Universal (Nr. 14)"),   {8,  3,  2,  1,  5,  6,  4,  9,  7}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Loktal 9 (Nr. 15)"),    {7,  3,  5,  8,  6,  9,  1,  4,  2}},
    {QT_TRANSLATE_NOOP("Lochkartor", "??? (Nr. 16)"),         {2,  8,  7,  5,  3,  no, no, no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "UX-4 (Nr. 17)"),        {2,  3,  4,  7,  no, no, no, no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "??? (Nr. 18)"),         {2,  3,  7,  8,  5,  4,  1,  no, no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Loktal 8 (Nr. 19)"),    {2,  5,  4,  8,  6,  3,  1,  7,  no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Aussenk. (ADAPTER 1)"), {5,  1,  6,  2,  4,  3,  8,  7,  no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Stahl (ADAPTER 2)"),    {7,  3,  4,  2,  8,  6,  1,  5,  9}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Rimlock (ADAPTER 3)"),  {2,  6,  4,  1,  5,  3,  8,  7,  no}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Magnoval (ADAPTER 4)"), {5,  1,  8,  2,  7,  4,  3,  9,  6}},
    {QT_TRANSLATE_NOOP("Lochkartor", "Noval (ADAPTER 5)"),    {5,  1,  8,  2,  7,  6,  3,  4,  9}},
};
// clang-format on

// The items of the form's list "Sockel", as it shows them.
const char *const socketListNames[SocketCount] = {
    QT_TRANSLATE_NOOP("Lochkartor", "01: Septar"),
    QT_TRANSLATE_NOOP("Lochkartor", "02: Acorn"),
    QT_TRANSLATE_NOOP("Lochkartor", "03: ??"),
    QT_TRANSLATE_NOOP("Lochkartor", "04: Oktal"),
    QT_TRANSLATE_NOOP("Lochkartor", "05: UX5"),
    QT_TRANSLATE_NOOP("Lochkartor", "06: ??"),
    QT_TRANSLATE_NOOP("Lochkartor", "07: Oktal"),
    QT_TRANSLATE_NOOP("Lochkartor", "08: Europa"),
    QT_TRANSLATE_NOOP("Lochkartor", "09: UX-7"),
    QT_TRANSLATE_NOOP("Lochkartor", "10: Miniatur"),
    QT_TRANSLATE_NOOP("Lochkartor", "11: Noval"),
    QT_TRANSLATE_NOOP("Lochkartor", "12: Noval"),
    QT_TRANSLATE_NOOP("Lochkartor", "13: GU50"),
    QT_TRANSLATE_NOOP("Lochkartor", "14: Universal"),
    QT_TRANSLATE_NOOP("Lochkartor", "15: Loktal 9"),
    QT_TRANSLATE_NOOP("Lochkartor", "16: ??"),
    QT_TRANSLATE_NOOP("Lochkartor", "17: UX-4"),
    QT_TRANSLATE_NOOP("Lochkartor", "18: ??"),
    QT_TRANSLATE_NOOP("Lochkartor", "19: Loktal 8"),
    QT_TRANSLATE_NOOP("Lochkartor", "A1: Aussenkontakt"),
    QT_TRANSLATE_NOOP("Lochkartor", "A2: Stahlröhre"),
    QT_TRANSLATE_NOOP("Lochkartor", "A3: Rimlock"),
    QT_TRANSLATE_NOOP("Lochkartor", "A4: Magnoval"),
    QT_TRANSLATE_NOOP("Lochkartor", "A5: Noval"),
};

} // namespace

int SocketRow::pinCount() const
{
    int count = 0;
    while (count < int(lines.size()) && lines[count] != NoPin)
        ++count;
    return count;
}

int SocketRow::lineOf(int pin) const
{
    return lines[pin - 1];
}

const SocketRow *findSocket(int index)
{
    if (index < 0 || index >= SocketCount)
        return nullptr;
    return &socketTable[index];
}

QString socketListName(int index)
{
    if (index < 0 || index >= SocketCount)
        return {};
    return QCoreApplication::translate("Lochkartor", socketListNames[index]);
}

QString socketShortName(int index)
{
    if (index < 0 || index >= SocketCount)
        return {};
    const QString listName = QString::fromUtf8(socketListNames[index]);
    return listName.left(listName.indexOf(QLatin1Char(':')));
}

int socketIndexOfShortName(const QString &name)
{
    const QString wanted = name.trimmed();
    for (int index = 0; index < SocketCount; ++index) {
        const QString shortName = socketShortName(index);
        const bool numbered = shortName.startsWith(QLatin1Char('0'));
        if (wanted.compare(shortName, Qt::CaseInsensitive) == 0
            || (numbered && wanted == shortName.mid(1)))
            return index;
    }
    return -1;
}
