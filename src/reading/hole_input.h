#pragma once

#include "hole.h"
#include "printed_texts.h"

#include <QString>

// Holes as people and scripts write them down.
namespace HoleInput {

struct Parsed
{
    HoleList holes;
    QString error; // empty when every hole was read
    // The card's printed texts, when the JSON gives them: "texts" with a
    // text for each card text key, or the "print" object of a report.
    PrintedTexts print;
    bool printGiven = false;
};

// "I 9 20 24 II 5 6": a field mark ("I" or "II") followed by its hole
// numbers 1 to 72; commas count as spaces.
Parsed fromText(const QString &text);

// The numbers of one field alone, e.g. "9 20 24" for field I.
Parsed fromNumbers(const QString &text, int field);

// {"I": [...], "II": [...]}, alone or as the "holes" member of an object
// such as a line of lochkartor-render --json; such an object may also give
// the printed texts as "texts": {"plateVoltage": "Ua=250 V (300)", ...}.
Parsed fromJson(const QByteArray &json);

// A card's holes take a few hundred bytes; a larger file is no card.
constexpr qint64 JsonFileLimit = 1 << 20;

// The same from a file: a folder, a missing file, a file beyond the limit or
// text after the object are refused with their reason.
Parsed fromJsonFile(const QString &fileName);

} // namespace HoleInput
