#pragma once

#include "card.h"
#include "tube.h"

#include <QString>

// What a card holds, from the card value: for people with a hand punch (the
// punch list) and for scripts (one JSON line).
namespace CardReport {

enum class Check { Ok, Fault, None };

struct CheckResults
{
    Check heater;
    Check cathode;
    Check controlGrid;
    Check screenGrid;
    Check anode;
};

CheckResults checkResults(const Card &card);

// Tube name, socket and type; the punched holes by field with their printed
// meaning; the visible card texts; the five check results in words.
QString punchList(const Tube &tube, const Card &card);

// {"file": ..., "holes": {"I": [...], "II": [...]}, "texts": {...},
//  "checks": {...}} on one line, without a line break.
QString json(const Card &card, const QString &fileName);

// A string as a JSON literal, quotes and escapes included. Half a UTF-16
// pair would make the line invalid UTF-8; it becomes U+FFFD.
QString jsonString(const QString &text);

} // namespace CardReport
