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
