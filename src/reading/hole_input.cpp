#include "hole_input.h"
#include "input_file.h"
#include "plain_text.h"
#include "texts.h"

#include <QFile>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace HoleInput {

namespace {

int fieldOf(const QString &mark)
{
    if (mark == QLatin1String("I"))
        return HoleGrid::FieldI;
    if (mark == QLatin1String("II"))
        return HoleGrid::FieldII;
    return 0;
}

QString fieldMark(int field)
{
    return field == HoleGrid::FieldI ? QStringLiteral("I") : QStringLiteral("II");
}

// Adds hole `number` of `field`; returns an error text or an empty string.
QString addHole(Parsed &parsed, int field, const QString &word)
{
    bool isNumber = false;
    const int number = word.toInt(&isNumber);
    if (!isNumber)
        return LochkartorText::tr("„%1“ ist keine Lochnummer").arg(PlainText::quoted(word));
    if (number < 1 || number > HoleGrid::HolesPerField)
        return LochkartorText::tr("Loch %1 %2 gibt es nicht: die Löcher eines Feldes sind 1 bis 72")
            .arg(fieldMark(field))
            .arg(number);
    const Hole hole{field, number};
    if (std::find(parsed.holes.begin(), parsed.holes.end(), hole) == parsed.holes.end())
        parsed.holes.push_back(hole);
    return QString();
}

QStringList words(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

Parsed failed(const QString &error)
{
    Parsed parsed;
    parsed.error = error;
    return parsed;
}

bool cardTextOfKey(const QString &key, CardText *text)
{
    for (int i = 0; i < CardTextCount; ++i) {
        if (key == QLatin1String(cardTextKey(CardText(i)))) {
            *text = CardText(i);
            return true;
        }
    }
    return false;
}

// "texts": {"plateVoltage": "Ua=250 V (300)"}, or a report's "print":
// {"plateVoltage": {"read": "Ua=250 V (300)", ...}}. Returns an error text.
QString readTexts(const QJsonObject &texts, bool fromReport, Parsed &parsed)
{
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        CardText text;
        if (!cardTextOfKey(it.key(), &text))
            return LochkartorText::tr("unbekannter Kartentext „%1“")
                .arg(PlainText::quoted(it.key()));
        const QJsonValue value
            = fromReport ? it.value().toObject().value(QLatin1String("read")) : it.value();
        if (value.isNull() || value.isUndefined())
            continue;
        if (!value.isString())
            return LochkartorText::tr("Kartentext „%1“ ist keine Zeichenkette")
                .arg(PlainText::quoted(it.key()));
        PrintedTextReading &reading = parsed.print.of(text);
        reading.inked = reading.read = !value.toString().isEmpty();
        reading.text = value.toString();
        reading.confidence = 1.0;
    }
    parsed.printGiven = true;
    return QString();
}

QString trailingText()
{
    return LochkartorText::tr("nach dem JSON-Objekt folgt weiterer Text");
}

// A whole number small enough for an int; anything else is shown as written
// and refused as no hole number.
bool isSmallWholeNumber(double number)
{
    return std::isfinite(number) && std::abs(number) <= 1e6 && number == std::trunc(number);
}

// Reads on after a complete object until the end, in pieces, and tells
// whether anything but white space follows; a stream of white space without
// end is cut at `limit`.
bool onlySpaceFollows(QFile &file, qint64 limit, bool *endless)
{
    qint64 seen = 0;
    for (;;) {
        const QByteArray piece = file.read(1 << 16);
        if (piece.isEmpty())
            return true;
        for (const char c : piece) {
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
                return false;
        }
        seen += piece.size();
        if (seen > limit) {
            *endless = true;
            return true;
        }
    }
}

} // namespace

Parsed fromText(const QString &text)
{
    Parsed parsed;
    int field = 0;
    for (const QString &word : words(text)) {
        // Field marks are roman numerals; any other word is a hole number.
        static const QRegularExpression roman(QStringLiteral("^[IVXivx]+$"));
        if (roman.match(word).hasMatch()) {
            field = fieldOf(word);
            if (field == 0)
                return failed(
                    LochkartorText::tr("unbekanntes Feld „%1“: die Felder heißen I und II")
                        .arg(PlainText::quoted(word)));
            continue;
        }
        if (field == 0)
            return failed(LochkartorText::tr("vor der Lochnummer %1 fehlt das Feld (I oder II)")
                              .arg(PlainText::quoted(word)));
        const QString error = addHole(parsed, field, word);
        if (!error.isEmpty())
            return failed(error);
    }
    std::sort(parsed.holes.begin(), parsed.holes.end());
    return parsed;
}

Parsed fromNumbers(const QString &text, int field)
{
    Parsed parsed;
    for (const QString &word : words(text)) {
        const QString error = addHole(parsed, field, word);
        if (!error.isEmpty())
            return failed(error);
    }
    std::sort(parsed.holes.begin(), parsed.holes.end());
    return parsed;
}

Parsed fromJson(const QByteArray &json)
{
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error == QJsonParseError::GarbageAtEnd)
        return failed(trailingText());
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return failed(LochkartorText::tr("kein JSON-Objekt mit Löchern"));
    QJsonObject holes = document.object();
    Parsed parsed;
    if (holes.contains(QLatin1String("holes"))) {
        if (!holes.value(QLatin1String("holes")).isObject())
            return failed(LochkartorText::tr("„holes“ ist kein Objekt"));
        for (const char *key : {"texts", "print"}) {
            const QJsonValue texts = holes.value(QLatin1String(key));
            if (texts.isUndefined())
                continue;
            if (!texts.isObject())
                return failed(LochkartorText::tr("„%1“ ist kein Objekt").arg(QLatin1String(key)));
            const QString error = readTexts(texts.toObject(), qstrcmp(key, "print") == 0, parsed);
            if (!error.isEmpty())
                return failed(error);
        }
        holes = holes.value(QLatin1String("holes")).toObject();
    }
    for (auto it = holes.begin(); it != holes.end(); ++it) {
        const int field = fieldOf(it.key());
        if (field == 0)
            return failed(LochkartorText::tr("unbekanntes Feld „%1“: die Felder heißen I und II")
                              .arg(PlainText::quoted(it.key())));
        if (!it.value().isArray())
            return failed(
                LochkartorText::tr("Feld %1 ist keine Liste von Lochnummern").arg(it.key()));
        for (const QJsonValue &value : it.value().toArray()) {
            const double number = value.toDouble(-1.0);
            const QString word
                = value.isDouble() && isSmallWholeNumber(number)
                      ? QString::number(int(number))
                      : QString::fromUtf8(
                            QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
                            .mid(1)
                            .chopped(1);
            const QString error = addHole(parsed, field, word);
            if (!error.isEmpty())
                return failed(error);
        }
    }
    std::sort(parsed.holes.begin(), parsed.holes.end());
    return parsed;
}

Parsed fromJsonFile(const QString &fileName)
{
    QFile file(fileName);
    const QString problem = InputFile::open(file);
    if (!problem.isEmpty())
        return failed(problem);
    const QByteArray head = file.read(JsonFileLimit);
    const bool more = head.size() == JsonFileLimit && !file.read(1).isEmpty();
    if (!more)
        return fromJson(head);
    const QString tooLarge = LochkartorText::tr("Die Datei ist größer als %1 MiB; die Löcher "
                                                "einer Karte brauchen wenige hundert Bytes.")
                                 .arg(JsonFileLimit >> 20);
    QJsonParseError parseError{};
    QJsonDocument::fromJson(head, &parseError);
    if (parseError.error == QJsonParseError::GarbageAtEnd)
        return failed(trailingText());
    if (parseError.error != QJsonParseError::NoError)
        return failed(tooLarge);
    // The object is whole, and white space follows it beyond the limit.
    bool endless = false;
    if (!onlySpaceFollows(file, 64 * qint64(JsonFileLimit), &endless))
        return failed(trailingText());
    if (endless)
        return failed(tooLarge);
    return fromJson(head);
}

} // namespace HoleInput
