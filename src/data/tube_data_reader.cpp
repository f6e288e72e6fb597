#include "tube_data_reader.h"

#include "decimal_text.h"
#include "ini_text.h"
#include "safe_write.h"
#include "texts.h"
#include "tube_data_conditions.h"
#include "write_target.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

namespace TubeData {

namespace {

QString keyPath(const Key &key)
{
    return QString::fromLatin1(key.group) + QLatin1Char('/') + QString::fromLatin1(key.name);
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
        const double number = DecimalText::toDouble(text, &ok);
        if (!ok || !std::isfinite(number))
            return {{}, badValue(Problem::NotANumber, key, text)};
        return {number, {}};
    }
    case Kind::PinCount:
        break;
    }
    return {{}, {}};
}

Problem damaged(const IniSyntaxError &error)
{
    Problem problem = problemOf(Problem::Damaged);
    problem.line = error.line;
    switch (error.kind) {
    case IniSyntaxError::UnclosedQuote:
        problem.detail = LochkartorText::tr("In Zeile %1 wird ein Anführungszeichen nicht "
                                            "geschlossen; die Datei ist wohl abgeschnitten.")
                             .arg(error.line);
        break;
    case IniSyntaxError::UnclosedSection:
        problem.detail = LochkartorText::tr("In Zeile %1 fehlt die schließende Klammer des "
                                            "Abschnitts.")
                             .arg(error.line);
        break;
    case IniSyntaxError::NoEquals:
    case IniSyntaxError::None:
        problem.detail
            = LochkartorText::tr("Zeile %1 ist weder ein Abschnitt noch ein Wert.").arg(error.line);
        break;
    }
    return problem;
}

// Text files only: a NUL byte or a UTF-16 byte order mark says the file is
// of another kind, whatever it holds.
bool looksLikeText(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false;
    return !bytes.contains('\0');
}

// The reading order decides which keys apply; the order of putting them
// into the form moves a few keys ahead of the tube type.
void placeBeforeTubeType(std::vector<Entry> &entries)
{
    const auto tubeType = std::find_if(entries.begin(), entries.end(), [](const Entry &entry) {
        return std::strcmp(entry.key->field, "genericTubeType") == 0;
    });
    if (tubeType == entries.end())
        return;
    std::stable_partition(tubeType, entries.end(),
                          [](const Entry &entry) { return entry.key->beforeTubeType; });
}

// A name that leads to no file: none there, a link to nothing, a loop of
// links, or a folder on the way that cannot be entered.
Problem missing(const QString &fileName)
{
    struct stat st;
    const QByteArray name = QFile::encodeName(fileName);
    if (::lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode))
        return problemOf(Problem::Unreadable, WriteTarget::brokenLinkText(fileName));
    errno = 0;
    if (::stat(name.constData(), &st) != 0 && errno != ENOENT)
        return problemOf(Problem::Unreadable, SafeWrite::systemErrorText(errno));
    return problemOf(Problem::Missing);
}

} // namespace

Contents readFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return {missing(fileName), {}};
    if (!info.isFile())
        return {problemOf(Problem::NotAFile), {}};
    if (info.size() > MaxFileSize)
        return {problemOf(Problem::TooLarge), {}};
    QFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return {
            problemOf(Problem::Unreadable, errno ? SafeWrite::systemErrorText(errno) : QString()),
            {}};
    // A file that grows while it is read is cut off here and still refused.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize)
        return {problemOf(Problem::TooLarge), {}};
    if (file.error() != QFileDevice::NoError)
        return {problemOf(Problem::Unreadable), {}};
    return readBytes(bytes);
}

Contents readBytes(const QByteArray &bytes)
{
    if (!looksLikeText(bytes))
        return {problemOf(Problem::NotATubeFile), {}};
    const IniText ini = IniText::parse(decodeFileText(bytes));
    const QString formatGroup = QString::fromLatin1(FormatGroup);
    const QString versionKey = QString::fromLatin1(VersionKey);
    if (!ini.contains(formatGroup, versionKey))
        return {problemOf(Problem::NotATubeFile), {}};
    if (ini.value(formatGroup, versionKey).joined(QStringLiteral(",")).toInt() != FileVersion)
        return {problemOf(Problem::WrongVersion), {}};
    if (ini.syntaxError().kind != IniSyntaxError::None)
        return {damaged(ini.syntaxError()), {}};

    Contents contents;
    Conditions conditions;
    Problem missing;
    for (const Key &key : keys()) {
        if (key.kind == Kind::PinCount || !applies(key, conditions))
            continue;
        const QString group = QString::fromLatin1(key.group);
        const QString name = QString::fromLatin1(key.name);
        const bool present = ini.contains(group, name);
        if (!present && key.optional)
            continue;
        if (!present && missing.ok()) {
            missing = problemOf(Problem::MissingKey);
            missing.key = keyPath(key);
        }
        const IniValue stored = present
                                    ? ini.value(group, name)
                                    : IniValue{{QString::fromLatin1(key.defaultText)}, false, {}};
        if (!stored.typeName.isEmpty()) {
            Problem typed = problemOf(Problem::TypedValue, stored.typeName);
            typed.key = keyPath(key);
            return {typed, {}};
        }
        // Commas outside quotes make a list; joined again, it fails every
        // number conversion and shows in the message as the file has it.
        const QString text
            = stored.joined(key.kind == Kind::Text ? QStringLiteral(", ") : QStringLiteral(","));
        const auto [value, problem] = convert(key, text);
        if (!problem.ok())
            return {problem, {}};
        if (key.kind == Kind::Index && !learnFrom(key, value.toInt(), conditions))
            return {badValue(Problem::OutOfRange, key, value.toString()), {}};
        if (key.kind == Kind::Index) {
            if (Problem offered = checkOffered(key, value.toInt(), conditions); !offered.ok())
                return {offered, {}};
        }
        contents.entries.push_back({&key, value, text});
    }
    if (!missing.ok())
        return {missing, {}};
    placeBeforeTubeType(contents.entries);
    return contents;
}

} // namespace TubeData
