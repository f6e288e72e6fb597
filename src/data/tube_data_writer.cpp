#include "tube_data_writer.h"

#include "ini_text.h"
#include "safe_write.h"
#include "texts.h"
#include "tube_data_values.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace TubeData {

namespace {

Problem unwritable(const QString &reason)
{
    return problemOf(Problem::Unwritable, reason);
}

// The file that this save merges into: its keys stay unless this save
// writes them. A file that is not INI text would come out mangled, so it
// is left alone.
bool readExisting(const QString &fileName, IniText *ini, Problem *problem)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return true;
    if (info.isDir()) {
        *problem = unwritable(LochkartorText::tr("Unter diesem Namen gibt es einen Ordner."));
        return false;
    }
    QFile file(fileName);
    if (info.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) {
        *problem = unwritable(LochkartorText::tr(
            "Die vorhandene Datei ist keine Datendatei; sie bleibt unverändert."));
        return false;
    }
    const QByteArray bytes = file.readAll();
    *ini = IniText::parse(decodeFileText(bytes));
    if (bytes.contains('\0') || ini->syntaxError().kind != IniSyntaxError::None) {
        *problem = unwritable(LochkartorText::tr(
            "Die vorhandene Datei ist keine Datendatei; sie bleibt unverändert."));
        return false;
    }
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
    const QString failure = SafeWrite::replaceFile(fileName, bytes, [&ini](const QByteArray &text) {
        const IniText back = IniText::parse(decodeFileText(text));
        return back.syntaxError().kind == IniSyntaxError::None && back == ini;
    });
    if (!failure.isEmpty())
        return unwritable(failure);
    return {};
}

} // namespace TubeData
