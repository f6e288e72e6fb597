#pragma once

#include <QString>

class Lochkartor;

// What a card holds, read back from the window's created card: for people
// with a hand punch (the punch list) and for scripts (one JSON line).
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

CheckResults checkResults(const Lochkartor &window);

// Tube name, socket and type; the punched holes by field with their printed
// meaning; the visible card texts; the five check results in words.
QString punchList(const Lochkartor &window);

// {"file": ..., "holes": {"I": [...], "II": [...]}, "texts": {...},
//  "checks": {...}} on one line, without a line break.
QString json(const Lochkartor &window, const QString &fileName);

} // namespace CardReport
