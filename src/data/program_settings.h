#pragma once

#include <QString>

#include <functional>

class QSettings;

// Where the program keeps its settings (the recent files, the last folder of
// the file dialogs, the print correction). The window names itself so; the
// batch renderer reads the print correction from the same place.
namespace ProgramSettings {

inline QString organisation()
{
    return QStringLiteral("Lochkartor");
}

inline QString application()
{
    return QStringLiteral("lochkartor");
}

// How long a write waits for the settings' lock file (held by another
// instance, or left behind as a folder or by a crash) before it gives up.
constexpr int LockWaitMs = 2000;

// Applies `change` to the settings of the running program and writes them;
// an empty string, or why they were not saved, in words for the user. A
// lock that cannot be had is waited for once in a run; later writes only
// try it, so that a stuck lock costs the user no more time.
QString write(const std::function<void(QSettings &)> &change);

// "Einstellungen konnten nicht gespeichert werden: …" for a reason of write().
QString notSavedText(const QString &reason);

} // namespace ProgramSettings
