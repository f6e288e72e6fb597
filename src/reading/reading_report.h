#pragma once

#include "card_reading.h"

#include <QString>
#include <QStringList>
#include <vector>

// What reading a card gave: the reading, the socket and the form chosen,
// and how the form's own card differs from the holes that were read.
namespace CardReading {

struct Outcome
{
    Reading reading;
    std::vector<int> sockets; // sockets that serve every wired line, best first
    int socket = -1;          // socket list index the form uses, -1 for none
    bool socketGiven = false;
    Form form;
    bool checked = false; // the form was encoded in a fresh window
    HoleList missing;     // read, but not on the form's card
    HoleList extra;       // on the form's card, but not read

    bool identical() const { return checked && missing.empty() && extra.empty(); }
    // Whether the socket is the tube's own: given, or the only one that
    // fits. Otherwise the form has the most likely one for now.
    bool socketKnown() const { return socketGiven || sockets.size() == 1; }
};

// The shown (translated) texts of the form's lists, which the report names.
struct ListTexts
{
    QStringList sockets;
    QStringList tubeTypes;
    QStringList pinFunctions;
    QStringList heatingTaps;
    QStringList resistors;
    QStringList loadResistors;
    QStringList capacitors;
    QStringList rectSupplies;
    QStringList isotestVoltages;
    QStringList isotestRanges;
};

// A field of the form whose value the card does not give: the form field's
// object name and what to do about it ("nicht auf der Karte: …").
struct UnknownField
{
    QString field;
    QString note;
};
std::vector<UnknownField> unknownFields(const Outcome &outcome, const ListTexts &texts);

QString reportText(const Outcome &outcome, const ListTexts &texts);
QString reportJson(const Outcome &outcome, const ListTexts &texts);

// "I 9 20 II 5" for a list of holes.
QString holesText(const HoleList &holes);

} // namespace CardReading
