#pragma once

#include "cardtext.h"
#include "text_patch.h"

#include <QStringList>

// What the print in a patch says, as the best of the texts tried and how
// clearly it beats the next best.
struct TextMatch
{
    QString text;
    double match = 0;   // 1: the patch shows exactly this text as the card paints it
    double margin = 0;  // how much worse the next best text fits
    double letters = 1; // how clearly the worst letter beats every other there
};

// Where and how a card text is painted.
struct TextPlacement
{
    QPointF origin; // the layout's top-left corner, card pixels
    int pointSize = 0;
    bool rotated = false;
    bool snapped = false; // as the program's picture paints it, fitted to its pixels
};

// Tries each of `candidates` painted at `placement`, a few pixels either way.
TextMatch matchWholeText(const TextPatch &patch, const TextPlacement &placement,
                         const QStringList &candidates);

// Spells the text out letter by letter as the card's font paints it, from
// the texts the card can print as `text`.
TextMatch spellText(const TextPatch &patch, const TextPlacement &placement, CardText text);
