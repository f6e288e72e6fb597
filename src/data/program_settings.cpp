#include "program_settings.h"
#include "plain_text.h"
#include "texts.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace ProgramSettings {

namespace {

bool lockFailedBefore = false;

QString lockProblem(const QLockFile &lock, const QString &lockName)
{
    const QString shownName = PlainText::quoted(QDir::toNativeSeparators(lockName));
    if (lock.error() == QLockFile::PermissionError)
        return LochkartorText::tr("keine Berechtigung für die Sperrdatei %1").arg(shownName);
    return LochkartorText::tr("die Sperrdatei %1 ist belegt (von einem anderen Programm oder "
                              "zurückgeblieben)")
        .arg(shownName);
}

} // namespace

QString write(const std::function<void(QSettings &)> &change)
{
    QSettings settings;
    // QSettings waits for its lock without end when it writes; this waits a
    // bounded time first and leaves the settings alone without it.
    const QString lockName = settings.fileName() + QStringLiteral(".lock");
    QDir().mkpath(QFileInfo(lockName).absolutePath());
    QLockFile lock(lockName);
    if (!lock.tryLock(lockFailedBefore ? 0 : LockWaitMs)) {
        lockFailedBefore = true;
        return lockProblem(lock, lockName);
    }
    lock.unlock();
    change(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return LochkartorText::tr("die Datei %1 lässt sich nicht schreiben")
            .arg(PlainText::quoted(QDir::toNativeSeparators(settings.fileName())));
    return QString();
}

QString notSavedText(const QString &reason)
{
    return LochkartorText::tr("Einstellungen konnten nicht gespeichert werden: %1").arg(reason);
}

} // namespace ProgramSettings
