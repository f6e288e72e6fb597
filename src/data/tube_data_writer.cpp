#include "tube_data_writer.h"

#include "ini_text.h"
#include "safe_write.h"
#include "texts.h"
#include "tube_data_values.h"
#include "write_target.h"

#include <QCoreApplication>

namespace TubeData {

namespace {

Problem unwritable(const QString &reason)
{
    return problemOf(Problem::Unwritable, reason);
}

// Empty, or why `bytes` are no tube data file this save may merge into:
// anything else would come out mangled.
QString notATubeFile(const QByteArray &bytes)
{
    const IniText ini = IniText::parse(decodeFileText(bytes));
    const QString group = QString::fromLatin1(FormatGroup);
    const QString key = QString::fromLatin1(VersionKey);
    if (bytes.contains('\0') || ini.syntaxError().kind != IniSyntaxError::None
        || !ini.contains(group, key))
        return LochkartorText::tr("Die vorhandene Datei ist keine Röhrendatei; sie bleibt "
                                  "unverändert.");
    if (ini.value(group, key).joined(QStringLiteral(",")).toInt() != FileVersion)
        return LochkartorText::tr("Die vorhandene Datei ist eine Röhrendatei einer anderen "
                                  "Version; sie bleibt unverändert.");
    return QString();
}

// Only a tube data file of this version is replaced, read to the loader's
// size limit and no further.
SafeWrite::Existing existingTubeFile()
{
    return {[](const QByteArray &bytes) {
                return bytes.size() <= MaxFileSize && notATubeFile(bytes).isEmpty();
            },
            LochkartorText::tr("Die vorhandene Datei ist keine Röhrendatei; sie bleibt "
                               "unverändert."),
            MaxFileSize + 1};
}

// The file that this save merges into: its keys stay unless this save
// writes them.
bool readExisting(const QString &fileName, IniText *ini, Problem *problem)
{
    const WriteTarget::Target target = WriteTarget::resolve(fileName);
    QString failure = target.refusal;
    QByteArray bytes;
    if (failure.isEmpty() && target.exists)
        failure = WriteTarget::readHead(target.path, MaxFileSize + 1, &bytes);
    if (failure.isEmpty() && bytes.size() > MaxFileSize)
        failure = LochkartorText::tr("Die vorhandene Datei ist größer als 1 MiB und damit keine "
                                     "Röhrendatei; sie bleibt unverändert.");
    if (failure.isEmpty() && !bytes.isEmpty())
        failure = notATubeFile(bytes);
    if (!failure.isEmpty()) {
        *problem = unwritable(failure);
        return false;
    }
    *ini = IniText::parse(decodeFileText(bytes));
    return true;
}

void setValue(IniText &ini, const Key &key, const QVariant &value)
{
    const QString group = QString::fromLatin1(key.group);
    const QString name = QString::fromLatin1(key.name);
    switch (key.kind) {
    case Kind::Text:
        ini.setString(group, name, value.toString());
        break;
    case Kind::Index:
    case Kind::PinCount:
        ini.setInt(group, name, value.toInt());
        break;
    case Kind::Number:
        ini.setDouble(group, name, value.toDouble());
        break;
    }
}

} // namespace

QString refusal(const QString &fileName)
{
    IniText ini;
    Problem problem;
    if (!readExisting(fileName, &ini, &problem))
        return problemReason(problem);
    return SafeWrite::refusal(fileName, existingTubeFile());
}

Problem writeFile(const QString &fileName, const Conditions &conditions,
                  const std::function<QVariant(const Key &)> &fieldValue)
{
    IniText ini;
    Problem problem;
    if (!readExisting(fileName, &ini, &problem))
        return problem;
    ini.setInt(QString::fromLatin1(FormatGroup), QString::fromLatin1(VersionKey), FileVersion);
    for (const auto &[key, value] : valuesToWrite(conditions, fieldValue))
        setValue(ini, *key, value);
    // What reaches the disk must read back as exactly these keys and values.
    const QByteArray bytes = ini.toUtf8();
    const QString failure = SafeWrite::replaceFile(
        fileName, bytes,
        [&ini](const QByteArray &text) {
            const IniText back = IniText::parse(decodeFileText(text));
            return back.syntaxError().kind == IniSyntaxError::None && back == ini;
        },
        existingTubeFile());
    if (!failure.isEmpty())
        return unwritable(failure);
    return {};
}

} // namespace TubeData
