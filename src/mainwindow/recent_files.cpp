#include "recent_files.h"
#include "program_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString settingsKey = QStringLiteral("recentFiles");

// The program names itself before it builds its window; a test or a batch
// tool that does not has no list, and leaves the user's settings alone.
bool keepsSettings()
{
    return !QCoreApplication::organizationName().isEmpty();
}

QString normalised(const QString &fileName)
{
    return QDir::cleanPath(QFileInfo(fileName).absoluteFilePath());
}

QString store(const QStringList &files)
{
    if (!keepsSettings())
        return QString();
    return ProgramSettings::write(
        [&files](QSettings &settings) { settings.setValue(settingsKey, files); });
}

} // namespace

namespace RecentFiles {

// A list edited by hand may hold anything; only the first distinct paths
// up to the limit are offered.
QStringList list()
{
    QStringList files;
    if (!keepsSettings())
        return files;
    for (const QString &file : QSettings().value(settingsKey).toStringList()) {
        if (!file.isEmpty() && !files.contains(file) && files.size() < Limit)
            files << file;
    }
    return files;
}

QString add(const QString &fileName)
{
    const QString file = normalised(fileName);
    QStringList files = list();
    files.removeAll(file);
    files.prepend(file);
    return store(files.mid(0, Limit));
}

QString remove(const QString &fileName)
{
    QStringList files = list();
    files.removeAll(normalised(fileName));
    return store(files);
}

} // namespace RecentFiles
