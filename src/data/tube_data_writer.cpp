#include "tube_data_writer.h"
#include "texts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace TubeData {

namespace {

Problem unwritable(const QString &reason)
{
    return problemOf(Problem::Unwritable, reason);
}

} // namespace

Problem writeFile(const QString &fileName, const Conditions &conditions,
                  const std::function<QVariant(const Key &)> &fieldValue)
{
    if (QFileInfo(fileName).isDir())
        return unwritable(LochkartorText::tr("Unter diesem Namen gibt es einen Ordner."));

    QSettings settings(fileName, QSettings::IniFormat);
    // The keys are merged into an existing file; one that cannot be parsed
    // would come out mangled, so it is left alone.
    settings.allKeys();
    if (settings.status() == QSettings::FormatError)
        return unwritable(LochkartorText::tr(
            "Die vorhandene Datei ist keine Datendatei; sie bleibt unverändert."));
    settings.beginGroup(QString::fromLatin1(FormatGroup));
    settings.setValue(QString::fromLatin1(VersionKey), FileVersion);
    settings.endGroup();

    QString group;
    for (const Key &key : keys()) {
        if (!applies(key, conditions))
            continue;
        if (group != QLatin1String(key.group)) {
            if (!group.isEmpty())
                settings.endGroup();
            group = QString::fromLatin1(key.group);
            settings.beginGroup(group);
        }
        const QVariant value
            = key.kind == Kind::PinCount ? QVariant(conditions.pinCount) : fieldValue(key);
        settings.setValue(QString::fromLatin1(key.name), value);
    }
    if (!group.isEmpty())
        settings.endGroup();

    settings.sync();
    if (settings.status() != QSettings::NoError)
        return unwritable(
            LochkartorText::tr("Kein Schreibzugriff auf die Datei oder ihren Ordner."));
    return {};
}

} // namespace TubeData
