#pragma once

#include "cardtext.h"

#include <QString>

// Where and how each text sits on the created card, in card pixels.
struct CardTextLayout
{
    CardText text;
    const char *key;
    const char *initialText;
    bool translated; // the initial text is translated in the "Lochkartor" context
    int pointSize;
    int x;
    int y;
    bool rotated; // upright, reading from bottom to top
};

const CardTextLayout &cardTextLayout(CardText text);

// What a text says on a card nobody has written on yet.
QString initialCardText(CardText text);

// The card's font family; long tube names shrink so that up to 12
// characters fit beside the type, however wide its letters are.
const char *cardFontFamily();
constexpr int MinimumTubeNamePointSize = 8;
int tubeNamePointSize(const QString &name);
// The same size found by laying the name out at every step, which the
// quick way above must agree with.
int tubeNamePointSizeByLayout(const QString &name);

// The width a one-line name takes on the card at a size: laid out as the
// card pictures lay out their texts, and estimated from the letters'
// advance. The size rule trusts the estimate unless it lies within the
// tolerance of the room.
qreal tubeNameWidthByLayout(const QString &name, int pointSize);
qreal tubeNameWidthByAdvance(const QString &name, int pointSize);
constexpr qreal TubeNameLayoutTolerance = 3;
