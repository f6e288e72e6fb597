#include "tube_data_reader.h"

#include "tube_data_conditions.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cmath>
#include <cstring>

namespace TubeData {

namespace {

Problem fileProblem(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return problemOf(Problem::Missing);
    if (!info.isFile())
        return problemOf(Problem::NotAFile);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return problemOf(Problem::Unreadable, file.errorString());
    return {};
}

QString keyPath(const Key &key)
{
    return QString::fromLatin1(key.group) + QLatin1Char('/') + QString::fromLatin1(key.name);
}

// The stored text of a value. QSettings reads unquoted commas as a list;
// joined again, such a value fails every number conversion below and shows
// in the message as it stands in the file.
QString storedText(const QSettings &settings, const Key &key)
{
    const QVariant value = settings.value(keyPath(key), QString::fromLatin1(key.defaultText));
    if (key.kind != Kind::Text && value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

Problem badValue(Problem::Kind kind, const Key &key, const QString &text)
{
    Problem problem = problemOf(kind);
    problem.key = keyPath(key);
    problem.value = text;
    problem.first = key.firstIndex;
    problem.last = key.lastIndex;
    return problem;
}

// An index inside its list can still name a row that the form greys out
// for this socket or tube type; loading it would wire the card differently
// from what the form shows.
Problem checkOffered(const Key &key, int index, const Conditions &conditions)
{
    if (key.pin != 0 && !pinCanHold(conditions, key.pin, index)) {
        Problem problem = badValue(Problem::NotOnLine, key, QString::number(index));
        problem.line = conditions.pinLines[key.pin - 1];
        return problem;
    }
    if (std::strcmp(key.field, "heatingMethod") == 0 && !heatingMethodOffered(conditions, index))
        return badValue(Problem::NotForTubeType, key, QString::number(index));
    return {};
}

// Converts the stored text of one key into the value for its field, or
// says why it cannot be right.
std::pair<QVariant, Problem> convert(const Key &key, const QString &text)
{
    bool ok = false;
    switch (key.kind) {
    case Kind::Text:
        return {text, {}};
    case Kind::Index: {
        const int index = text.toInt(&ok);
        if (!ok)
            return {{}, badValue(Problem::NotAWholeNumber, key, text)};
        if (index < key.firstIndex || index > key.lastIndex)
            return {{}, badValue(Problem::OutOfRange, key, text)};
        return {index, {}};
    }
    case Kind::Number: {
        const double number = text.toDouble(&ok);
        if (!ok || !std::isfinite(number))
            return {{}, badValue(Problem::NotANumber, key, text)};
        return {number, {}};
    }
    case Kind::PinCount:
        break;
    }
    return {{}, {}};
}

} // namespace

Contents readFile(const QString &fileName)
{
    if (Problem problem = fileProblem(fileName); !problem.ok())
        return {problem, {}};

    const QSettings settings(fileName, QSettings::IniFormat);
    const QString versionKey
        = QString::fromLatin1(FormatGroup) + QLatin1Char('/') + QString::fromLatin1(VersionKey);
    // QSettings parses the file on this first look-up.
    const int version = settings.value(versionKey, QStringLiteral("0")).toInt();
    if (settings.status() == QSettings::AccessError)
        return {problemOf(Problem::Unreadable), {}};
    // Any file that does not say it is of this version, a foreign one
    // included, gets the version message.
    if (version != FileVersion)
        return {problemOf(Problem::WrongVersion), {}};
    if (settings.status() != QSettings::NoError)
        return {problemOf(Problem::Damaged), {}};

    Contents contents;
    Conditions conditions;
    for (const Key &key : keys()) {
        if (key.kind == Kind::PinCount || !applies(key, conditions))
            continue;
        const auto [value, problem] = convert(key, storedText(settings, key));
        if (!problem.ok())
            return {problem, {}};
        if (key.kind == Kind::Index && !learnFrom(key, value.toInt(), conditions))
            return {badValue(Problem::OutOfRange, key, value.toString()), {}};
        if (key.kind == Kind::Index) {
            if (Problem offered = checkOffered(key, value.toInt(), conditions); !offered.ok())
                return {offered, {}};
        }
        contents.entries.push_back({&key, value});
    }
    return contents;
}

} // namespace TubeData
