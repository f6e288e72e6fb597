#pragma once

#include "cardtext.h"

#include <QString>

#include <array>

class QImage;
struct ScanReading;

// One text the program prints on a card, as read from a picture of it.
struct PrintedTextReading
{
    bool inked = false;      // something is printed where the text belongs
    bool read = false;       // the text was read with confidence
    QString text;            // what was read, as the card prints it ("Ua=250 V (300)")
    double confidence = 0.0; // 0 (a guess) to 1
};

// The fourteen texts of a card made by this program, indexed by CardText.
struct PrintedTexts
{
    std::array<PrintedTextReading, CardTextCount> texts{};

    const PrintedTextReading &of(CardText text) const { return texts[std::size_t(text)]; }
    PrintedTextReading &of(CardText text) { return texts[std::size_t(text)]; }
};

// Reads the printed texts of the card that `scan` found in `picture`. A text
// that is not printed or cannot be read with confidence is left unread.
PrintedTexts readPrintedTexts(const QImage &picture, const ScanReading &scan);
