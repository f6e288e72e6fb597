#pragma once

#include <QRectF>
#include <QString>

#include <vector>

class QChar;

// Ink on a small stretch of the card, sampled `scale` times finer than card
// pixels: 0 is the bare card face, 1 full ink. Read from a picture it may
// stray below 0 and above 1 with the picture's noise.
struct InkPatch
{
    int width = 0;
    int height = 0;
    std::vector<float> ink;

    InkPatch() = default;
    InkPatch(int w, int h)
        : width(w)
        , height(h)
        , ink(size_t(w) * size_t(h), 0.0f)
    { }
    float at(int x, int y) const { return ink[size_t(y) * size_t(width) + size_t(x)]; }
    float &at(int x, int y) { return ink[size_t(y) * size_t(width) + size_t(x)]; }
};

// Where a card text's ink lies: the card rectangle a patch covers and how
// finely it is sampled.
struct TextFrame
{
    QRectF card;
    double scale = 1;

    int width() const;
    int height() const;
};

// A text as the card paints it (the card's font at `pointSize`, its
// document margins, upright texts turned), its layout's top-left corner at
// card point `origin`, in `frame`. `snapped`: painted on the card's own
// pixels, as the program's picture of the card has its letters fitted to
// them, and sampled from there; otherwise painted smoothly at the frame's
// fineness, as a print shows them.
InkPatch paintedText(const QString &text, int pointSize, bool rotated, const QPointF &origin,
                     const TextFrame &frame, bool snapped = false);

// The height of a line of the card's font at `pointSize`, margins included,
// in card pixels.
double textLineHeight(int pointSize);

// The inked pixels of a patch, for comparing quickly.
struct InkPoint
{
    int x;
    int y;
    float ink;
};
std::vector<InkPoint> inkPoints(const InkPatch &patch);

// One character of the card's font as the card paints it, for spelling a
// text out letter by letter.
struct Glyph
{
    InkPatch ink; // trimmed to the ink
    std::vector<InkPoint> points;
    int left = 0;       // ink's left edge from the pen, patch pixels
    int top = 0;        // ink's top edge from the line's top, patch pixels
    double advance = 0; // how far the pen moves on, card pixels
    double energy = 0;  // sum of the squared ink
};
// `snapped`: as the program's picture paints it on its own pixels.
const Glyph &cardGlyph(QChar character, int pointSize, double scale, bool snapped = false);

// How much two characters differ painted at the same pen: the summed
// squared difference of their ink.
double glyphDifference(QChar a, QChar b, int pointSize, double scale, bool snapped = false);

// How much closer the card's layout sets `b` after `a` than their own
// advances say (negative: closer), card pixels.
double kerning(QChar a, QChar b, int pointSize);

// The pen's place before the first character of a line, card pixels from
// the layout's corner: the document's margin.
double firstPenX();
