#include "print_check.h"

#include "card_check.h"
#include "form_replay.h"
#include "printed_texts.h"
#include "socket_table.h"
#include "tube_type_table.h"
#include "wiring_table.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace PrintCheck {

namespace {

using CardReading::Form;
using CardReading::Outcome;
using CardReading::PrintedValue;
using CardReading::PrintUse;
using CardReading::Quantity;

QVariant *entryOf(Form &form, const char *field)
{
    const auto entry = std::find_if(form.begin(), form.end(), [field](const auto &pair) {
        return pair.first == QLatin1String(field);
    });
    return entry == form.end() ? nullptr : &entry->second;
}

// What the card engine makes of a form.
Card cardOfForm(const Form &form)
{
    return cardOf(CardCheck::tubeOf(form));
}

bool printsExactly(const Card &card, CardText text, const QString &printed)
{
    return card.text(text).visible && card.text(text).content == printed;
}

// The candidate form agrees when its card has the holes of the card read and
// prints the text as read.
bool agrees(const Form &candidate, const HoleList &holes, CardText text, const QString &printed)
{
    const Card card = cardOfForm(candidate);
    return card.holes == holes && printsExactly(card, text, printed);
}

// The form field a number text fills, with the range the holes allow for it;
// nullptr as field for a text that only repeats what the holes say.
struct NumberTarget
{
    const char *field = nullptr;
    const Quantity *range = nullptr;
};

NumberTarget numberTarget(const Outcome &o, CardText text)
{
    const CardReading::Reading &r = o.reading;
    const bool rectifier = findTubeTypeSwitches(r.tubeType)->rectifierMode;
    switch (text) {
    case CardText::HeatingVoltage:
        // A transformer tap is exact from its hole; only a DC heater's
        // voltage is a range.
        return r.heaterSupply == CardReading::Supply::Dc
                   ? NumberTarget{"heatingVoltage", &r.heatingVoltage}
                   : NumberTarget{};
    case CardText::HeatingCurrent:
        return {"heatingCurrent", nullptr};
    case CardText::PlateVoltage:
        // A rectifier prints its supply, which its holes say.
        return rectifier ? NumberTarget{} : NumberTarget{"plateVoltage", &r.plateVoltage};
    case CardText::ScreenVoltage:
        return {"screenVoltage", &r.screenVoltage};
    case CardText::GridVoltage:
        return {"gridVoltage", &r.gridVoltage};
    case CardText::PlateCurrent:
        return {rectifier ? "rectCurrent" : "plateCurrent", &r.plateCurrent};
    case CardText::ScreenCurrent:
        return {"screenCurrent", &r.screenCurrent};
    case CardText::Transconductance:
        return {"transconductance", &r.transconductance};
    default:
        return {};
    }
}

bool inRange(const Quantity *quantity, double value)
{
    return !quantity || (quantity->known && quantity->range.contains(value));
}

// The list index whose printed name is `printed`, tried in list order, and
// whether the form with it agrees.
template<typename NameOf>
bool useListIndex(Form &form, const HoleList &holes, CardText text, const QString &printed,
                  const char *field, int count, NameOf nameOf)
{
    QVariant *entry = entryOf(form, field);
    if (!entry)
        return false;
    for (int index = 0; index < count; ++index) {
        if (nameOf(index) != printed)
            continue;
        Form candidate = form;
        *entryOf(candidate, field) = index;
        if (agrees(candidate, holes, text, printed)) {
            form = candidate;
            return true;
        }
    }
    return false;
}

// The cap index that shows the note of `text`.
int capIndexOf(CardText text)
{
    const int function = text == CardText::PlateCapNote        ? PinFunction::Anode
                         : text == CardText::ScreenGridCapNote ? PinFunction::ScreenGrid
                                                               : PinFunction::ControlGrid;
    for (int index = 0; index < Wiring::CapChoiceCount; ++index) {
        if (Wiring::capPinFunction(index) == function)
            return index;
    }
    return -1;
}

// Uses one read text other than the socket; returns what became of it.
PrintUse useText(Outcome &o, const HoleList &holes, PrintedValue &value)
{
    const QString &printed = value.read;
    switch (value.text) {
    case CardText::Socket:
        return PrintUse::Unread;
    case CardText::TubeName: {
        Form candidate = o.form;
        QVariant *entry = entryOf(candidate, "tubeName");
        if (!entry)
            return PrintUse::Contradiction;
        *entry = printed;
        if (!agrees(candidate, holes, value.text, printed))
            return PrintUse::Contradiction;
        o.form = candidate;
        value.field = QStringLiteral("tubeName");
        return PrintUse::Used;
    }
    case CardText::TubeType:
        if (!useListIndex(o.form, holes, value.text, printed, "genericTubeType", TubeTypeCount,
                          tubeTypeName))
            return PrintUse::Contradiction;
        value.field = QStringLiteral("genericTubeType");
        return PrintUse::Used;
    case CardText::PlateCapNote:
    case CardText::ScreenGridCapNote:
    case CardText::ControlGridCapNote: {
        Form candidate = o.form;
        QVariant *entry = entryOf(candidate, "capFunction");
        const int index = capIndexOf(value.text);
        if (!entry || index < 0)
            return PrintUse::Contradiction;
        *entry = index;
        if (!agrees(candidate, holes, value.text, printed))
            return PrintUse::Contradiction;
        o.form = candidate;
        value.field = QStringLiteral("capFunction");
        return PrintUse::Used;
    }
    default:
        break;
    }
    const NumberTarget target = numberTarget(o, value.text);
    if (!target.field) {
        // A text the holes fix already.
        return printsExactly(cardOfForm(o.form), value.text, printed) ? PrintUse::Confirmed
                                                                      : PrintUse::Contradiction;
    }
    double number = 0.0;
    Form candidate = o.form;
    QVariant *entry = entryOf(candidate, target.field);
    if (!entry || !printedNumber(printed, &number) || !inRange(target.range, number))
        return PrintUse::Contradiction;
    *entry = number;
    if (!agrees(candidate, holes, value.text, printed))
        return PrintUse::Contradiction;
    o.form = candidate;
    value.field = QLatin1String(target.field);
    return PrintUse::Used;
}

// The printed socket, when its wiring is the card's: every socket whose
// printed name this is, in list order.
PrintUse useSocket(Outcome &o, const HoleList &holes, PrintedValue &value)
{
    for (int socket = 0; socket < SocketCount; ++socket) {
        const SocketRow *row = findSocket(socket);
        if (QCoreApplication::translate("Lochkartor", row->cardText) != value.read)
            continue;
        if (o.socketGiven && socket != o.socket)
            continue;
        const Form candidate = CardReading::buildForm(o.reading, socket);
        if (!agrees(candidate, holes, CardText::Socket, value.read))
            continue;
        o.socket = socket;
        o.form = candidate;
        o.socketPrinted = true;
        value.field = QStringLiteral("socket");
        return PrintUse::Used;
    }
    return PrintUse::Contradiction;
}

} // namespace

bool printedNumber(const QString &text, double *value)
{
    static const QRegularExpression number(QStringLiteral("[-+]?\\d+(?:\\.\\d+)?(?:e[-+]?\\d+)?"));
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    QRegularExpressionMatch match;
    if (equals >= 0)
        match = number.match(text, equals + 1, QRegularExpression::NormalMatch,
                             QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch())
        match = number.match(text);
    if (!match.hasMatch())
        return false;
    bool ok = false;
    *value = match.captured().toDouble(&ok);
    return ok;
}

int printedSocket(const PrintedTexts &print, const std::vector<int> &fitting)
{
    const PrintedTextReading &socket = print.of(CardText::Socket);
    if (!socket.read)
        return -1;
    for (int index : fitting) {
        const SocketRow *row = findSocket(index);
        if (row && QCoreApplication::translate("Lochkartor", row->cardText) == socket.text)
            return index;
    }
    return -1;
}

void apply(Outcome &o, const PrintedTexts &print)
{
    o.print.clear();
    for (int i = 0; i < CardTextCount; ++i) {
        const CardText text = CardText(i);
        const PrintedTextReading &reading = print.of(text);
        PrintedValue value;
        value.text = text;
        value.inked = reading.inked;
        if (reading.read && !reading.text.isEmpty())
            value.read = reading.text;
        o.print.push_back(value);
    }
    // The print is checked against the card the holes make: the holes read,
    // or, where they contradict each other, the card of the form read.
    const HoleList holes = o.identical() ? o.reading.holes : cardOfForm(o.form).holes;
    PrintedValue &socket = o.print[std::size_t(CardText::Socket)];
    if (!socket.read.isEmpty())
        socket.use = useSocket(o, holes, socket);
    for (PrintedValue &value : o.print) {
        if (value.text != CardText::Socket && !value.read.isEmpty())
            value.use = useText(o, holes, value);
    }
}

} // namespace PrintCheck
