#include "card_listing.h"

#include "legend.h"
#include "socket_table.h"
#include "text_limits.h"
#include "texts.h"
#include "tube_type_table.h"

#include <QCoreApplication>
#include <QStringList>

namespace CardReport {

namespace {

Check checkOf(const Card &card, Validity::Check check)
{
    switch (card.findings[std::size_t(check)].verdict) {
    case Validity::Verdict::Connected:
        return Check::Ok;
    case Validity::Verdict::NoSuchElectrode:
        return Check::None;
    case Validity::Verdict::NotConnected:
        break;
    }
    return Check::Fault;
}

QString checkWord(Check check)
{
    switch (check) {
    case Check::Ok:
        return LochkartorText::tr("in Ordnung");
    case Check::Fault:
        return LochkartorText::tr("fehlerhaft");
    case Check::None:
        break;
    }
    return LochkartorText::tr("nicht vorhanden");
}

const char *checkKey(Check check)
{
    switch (check) {
    case Check::Ok:
        return "ok";
    case Check::Fault:
        return "fault";
    case Check::None:
        break;
    }
    return "none";
}

QString fieldName(int field)
{
    return field == HoleGrid::FieldI ? QStringLiteral("I") : QStringLiteral("II");
}

} // namespace

// Escaped as QJsonDocument escapes, without building a document for each
// string: a batch writes some twenty of them a card.
QString jsonString(const QString &text)
{
    static const char hexDigits[] = "0123456789abcdef";
    QString literal;
    literal.reserve(text.size() + 2);
    literal += QLatin1Char('"');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            literal += c;
            literal += text.at(++i);
        } else if (c.isSurrogate()) {
            literal += QChar(QChar::ReplacementCharacter);
        } else if (u == u'"' || u == u'\\') {
            literal += QLatin1Char('\\');
            literal += c;
        } else if (u >= 0x20) {
            literal += c;
        } else {
            literal += QLatin1Char('\\');
            switch (u) {
            case u'\b':
                literal += QLatin1Char('b');
                break;
            case u'\f':
                literal += QLatin1Char('f');
                break;
            case u'\n':
                literal += QLatin1Char('n');
                break;
            case u'\r':
                literal += QLatin1Char('r');
                break;
            case u'\t':
                literal += QLatin1Char('t');
                break;
            default:
                literal += QLatin1String("u00");
                literal += QLatin1Char(hexDigits[u >> 4]);
                literal += QLatin1Char(hexDigits[u & 0xf]);
            }
        }
    }
    literal += QLatin1Char('"');
    return literal;
}

CheckResults checkResults(const Card &card)
{
    using Validity::Check;
    return {checkOf(card, Check::Heater), checkOf(card, Check::Cathode),
            checkOf(card, Check::ControlGrid), checkOf(card, Check::ScreenGrid),
            checkOf(card, Check::Anode)};
}

QString punchList(const Tube &tube, const Card &card)
{
    QStringList lines;
    // A name or card text with a line break would break the list's lines.
    const auto visible = TextLimits::withVisibleControls;
    lines << LochkartorText::tr("Röhre: %1").arg(visible(tube.name));
    lines << LochkartorText::tr("Sockel: %1").arg(socketListName(tube.socket));
    lines << LochkartorText::tr("Grundtyp: %1").arg(tubeTypeName(tube.tubeType));
    lines << QString();
    lines << LochkartorText::tr("Löcher:");
    // "I 24  Uf (V~) 7": field, number, two spaces, what the card prints
    // there; a hole the card leaves unlabelled gets its position alone.
    for (const Hole &hole : card.holes) {
        QString line = fieldName(hole.field) + QLatin1Char(' ') + QString::number(hole.number);
        const QString meaning = holeMeaning(hole);
        if (!meaning.isEmpty())
            line += QStringLiteral("  ") + meaning;
        lines << line;
    }
    lines << QString();
    lines << LochkartorText::tr("Kartentexte:");
    for (const auto &[text, content] : card.visibleTexts()) {
        if (!content.isEmpty())
            lines << QStringLiteral("  ") + visible(content);
    }
    lines << QString();
    lines << LochkartorText::tr("Gültigkeitsprüfung:");
    const CheckResults checks = checkResults(card);
    const std::pair<QString, Check> named[] = {
        {LochkartorText::tr("Heizung"), checks.heater},
        {LochkartorText::tr("Kathode"), checks.cathode},
        {LochkartorText::tr("Steuergitter"), checks.controlGrid},
        {LochkartorText::tr("Schirmgitter"), checks.screenGrid},
        {LochkartorText::tr("Anode"), checks.anode},
    };
    for (const auto &[name, check] : named)
        lines << QStringLiteral("  %1: %2").arg(name, checkWord(check));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

// Written by hand so the keys keep this order (QJsonObject sorts them), in
// one string: a batch writes a line for every file.
QString json(const Card &card, const QString &fileName)
{
    QString line;
    line.reserve(1024);
    line += QLatin1String("{\"file\": ");
    line += jsonString(fileName);
    const auto appendHoles = [&line, &card](bool fieldI) {
        bool first = true;
        for (const Hole &hole : card.holes) {
            if ((hole.field == HoleGrid::FieldI) != fieldI)
                continue;
            if (!first)
                line += QLatin1String(", ");
            line += QString::number(hole.number);
            first = false;
        }
    };
    line += QLatin1String(", \"holes\": {\"I\": [");
    appendHoles(true);
    line += QLatin1String("], \"II\": [");
    appendHoles(false);
    line += QLatin1String("]}, \"texts\": {");
    bool first = true;
    for (const auto &[text, content] : card.visibleTexts()) {
        if (!first)
            line += QLatin1String(", ");
        line += jsonString(QLatin1String(cardTextKey(text)));
        line += QLatin1String(": ");
        line += jsonString(content);
        first = false;
    }
    line += QLatin1String("}, \"checks\": {");
    const CheckResults checks = checkResults(card);
    const std::pair<const char *, Check> named[] = {
        {"heater", checks.heater},
        {"cathode", checks.cathode},
        {"controlGrid", checks.controlGrid},
        {"screenGrid", checks.screenGrid},
        {"anode", checks.anode},
    };
    first = true;
    for (const auto &[key, check] : named) {
        if (!first)
            line += QLatin1String(", ");
        line += QLatin1Char('"') + QLatin1String(key) + QLatin1String("\": \"")
                + QLatin1String(checkKey(check)) + QLatin1Char('"');
        first = false;
    }
    line += QLatin1String("}}");
    return line;
}

} // namespace CardReport
