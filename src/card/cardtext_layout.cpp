#include "cardtext_layout.h"

#include <QCoreApplication>
#include <QFont>
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

namespace {

// The width the name takes on the card, laid out as both card pictures lay
// out their texts.
qreal nameWidth(const QString &name, int pointSize)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QString::fromLatin1(cardFontFamily()), pointSize));
    document.setPlainText(name);
    return document.size().width();
}

} // namespace

int tubeNamePointSize(const QString &name)
{
    const int length = int(name.size());
    int pointSize = length <= 7 ? 50 : std::max(MinimumTubeNamePointSize, 78 - 4 * length);
    // Wide letters ("WWWWWWWWWWWW") would run into the tube type beside the
    // name; the name shrinks further until it ends before it.
    const qreal room = cardTextLayout(CardText::TubeType).x - cardTextLayout(CardText::TubeName).x;
    while (pointSize > MinimumTubeNamePointSize && nameWidth(name, pointSize) > room)
        --pointSize;
    return pointSize;
}
