#pragma once

#include "card_reading.h"
#include "cardtext.h"

#include <QString>
#include <QStringList>
#include <vector>

// What reading a card gave: the reading, the socket and the form chosen,
// and how the form's own card differs from the holes that were read.
namespace CardReading {

// What became of one text printed on the card.
enum class PrintUse {
    Unread,        // not printed, or not read with confidence
    Used,          // its value went into the form
    Confirmed,     // it says what the holes say already
    Contradiction, // the holes or the card it makes disagree; the form keeps the safe value
};

struct PrintedValue
{
    CardText text = CardText::TubeName;
    bool inked = false;
    QString read; // as read, empty when unread
    PrintUse use = PrintUse::Unread;
    QString field; // the form field it filled, when used
};

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
    // The card's print, when a picture or the caller gave it: one entry per
    // card text, in CardText order.
    std::vector<PrintedValue> print;
    bool socketPrinted = false; // the socket came from the print

    bool identical() const { return checked && missing.empty() && extra.empty(); }
    // Whether the socket is the tube's own: given, printed, or the only one
    // that fits. Otherwise the form has the most likely one for now.
    bool socketKnown() const { return socketGiven || socketPrinted || sockets.size() == 1; }
    // Whether a form field holds a value read from the print.
    bool fromPrint(const char *field) const;
    bool printContradicts() const;
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
