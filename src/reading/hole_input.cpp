#include "hole_input.h"
#include "texts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

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
        return LochkartorText::tr("„%1“ ist keine Lochnummer").arg(word);
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
    return {{}, error};
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
                    LochkartorText::tr("unbekanntes Feld „%1“: die Felder heißen I und II").arg(word));
            continue;
        }
        if (field == 0)
            return failed(
                LochkartorText::tr("vor der Lochnummer %1 fehlt das Feld (I oder II)").arg(word));
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
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return failed(LochkartorText::tr("kein JSON-Objekt mit Löchern"));
    QJsonObject holes = document.object();
    if (holes.contains(QLatin1String("holes"))) {
        if (!holes.value(QLatin1String("holes")).isObject())
            return failed(LochkartorText::tr("„holes“ ist kein Objekt"));
        holes = holes.value(QLatin1String("holes")).toObject();
    }
    Parsed parsed;
    for (auto it = holes.begin(); it != holes.end(); ++it) {
        const int field = fieldOf(it.key());
        if (field == 0)
            return failed(
                LochkartorText::tr("unbekanntes Feld „%1“: die Felder heißen I und II").arg(it.key()));
        if (!it.value().isArray())
            return failed(LochkartorText::tr("Feld %1 ist keine Liste von Lochnummern").arg(it.key()));
        for (const QJsonValue &value : it.value().toArray()) {
            const double number = value.toDouble(-1.0);
            const QString word
                = value.isDouble() && number == double(int(number))
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

} // namespace HoleInput
