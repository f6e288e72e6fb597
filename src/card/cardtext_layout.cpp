#include "cardtext_layout.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QTextDocument>

#include <algorithm>

namespace {

// Where each text sits on the created card; the cap notes stand upright
// beside the tube name, reading from bottom to top.
const CardTextLayout cardTextLayouts[CardTextCount] = {
    {CardText::TubeName, "tubeName", "", false, 50, 100, 310, false},
    {CardText::TubeType, "tubeType", "", false, 20, 450, 315, false},
    {CardText::Socket, "socket", "", false, 20, 450, 345, false},
    {CardText::HeatingVoltage, "heatingVoltage", "", false, 20, 750, 315, false},
    {CardText::HeatingCurrent, "heatingCurrent", "", false, 20, 750, 345, false},
    {CardText::PlateVoltage, "plateVoltage", "Ua=", false, 14, 100, 25, false},
    {CardText::ScreenVoltage, "screenVoltage", "Ug2=", false, 14, 410, 25, false},
    {CardText::GridVoltage, "gridVoltage", "Ug1=", false, 14, 700, 25, false},
    {CardText::PlateCurrent, "plateCurrent", "Ia=", false, 14, 100, 645, false},
    {CardText::ScreenCurrent, "screenCurrent", "Ig2=", false, 14, 410, 645, false},
    {CardText::Transconductance, "transconductance", "S=", false, 14, 700, 645, false},
    {CardText::PlateCapNote, "plateCapNote", QT_TRANSLATE_NOOP("Lochkartor", "A an Kappe!"), true,
     25, 800, 285, true},
    {CardText::ScreenGridCapNote, "screenGridCapNote",
     QT_TRANSLATE_NOOP("Lochkartor", "G2 an Kappe!"), true, 25, 730, 285, true},
    {CardText::ControlGridCapNote, "controlGridCapNote",
     QT_TRANSLATE_NOOP("Lochkartor", "G1 an Kappe!"), true, 25, 535, 285, true},
};

} // namespace

const CardTextLayout &cardTextLayout(CardText text)
{
    return cardTextLayouts[static_cast<int>(text)];
}

const char *cardTextKey(CardText text)
{
    return cardTextLayout(text).key;
}

QString initialCardText(CardText text)
{
    const CardTextLayout &layout = cardTextLayout(text);
    return layout.translated ? QCoreApplication::translate("Lochkartor", layout.initialText)
                             : QString::fromUtf8(layout.initialText);
}

const char *cardFontFamily()
{
    return "Arial";
}

qreal tubeNameWidthByLayout(const QString &name, int pointSize)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QString::fromLatin1(cardFontFamily()), pointSize));
    document.setPlainText(name);
    return document.size().width();
}

qreal tubeNameWidthByAdvance(const QString &name, int pointSize)
{
    static const qreal margins = 2 * QTextDocument().documentMargin();
    const QFont font(QString::fromLatin1(cardFontFamily()), pointSize);
    return QFontMetricsF(font).horizontalAdvance(name) + margins;
}

namespace {

// A layout costs a hundred times what the letters' advance does, and a batch
// of cards sizes a name for each. The advance and the document's margins
// give the width to well within a pixel for a plain line; only where that
// lands near the room, or the name holds characters the layout treats
// apart (tabs, line breaks, controls), is the name laid out.
bool isPlainLine(const QString &name)
{
    for (const QChar c : name) {
        if (!c.isPrint() || c == QChar::Tabulation || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

bool exceedsRoom(const QString &name, int pointSize, qreal room, bool plainLine)
{
    if (plainLine) {
        const qreal estimate = tubeNameWidthByAdvance(name, pointSize);
        if (estimate > room + TubeNameLayoutTolerance)
            return true;
        if (estimate < room - TubeNameLayoutTolerance)
            return false;
    }
    return tubeNameWidthByLayout(name, pointSize) > room;
}

int startingPointSize(const QString &name)
{
    const int length = int(name.size());
    return length <= 7 ? 50 : std::max(MinimumTubeNamePointSize, 78 - 4 * length);
}

qreal tubeNameRoom()
{
    return cardTextLayout(CardText::TubeType).x - cardTextLayout(CardText::TubeName).x;
}

} // namespace

int tubeNamePointSize(const QString &name)
{
    // Loading a file sizes its name once for the tube and once for its card.
    thread_local QString lastName;
    thread_local int lastPointSize = 0;
    if (lastPointSize != 0 && name == lastName)
        return lastPointSize;
    int pointSize = startingPointSize(name);
    // Wide letters ("WWWWWWWWWWWW") would run into the tube type beside the
    // name; the name shrinks further until it ends before it.
    const qreal room = tubeNameRoom();
    const bool plainLine = isPlainLine(name);
    while (pointSize > MinimumTubeNamePointSize && exceedsRoom(name, pointSize, room, plainLine))
        --pointSize;
    lastName = name;
    lastPointSize = pointSize;
    return pointSize;
}

int tubeNamePointSizeByLayout(const QString &name)
{
    int pointSize = startingPointSize(name);
    const qreal room = tubeNameRoom();
    while (pointSize > MinimumTubeNamePointSize && tubeNameWidthByLayout(name, pointSize) > room)
        --pointSize;
    return pointSize;
}
