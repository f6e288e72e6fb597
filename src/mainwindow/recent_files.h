#pragma once

#include <QString>
#include <QStringList>

// The tube data files last opened or saved, newest first, kept in the
// user's settings between runs. Paths are stored absolute, so a file opened
// from the command line is found again from any folder.
namespace RecentFiles {

constexpr int Limit = 8;

QStringList list();
// Puts the file first; an older entry of the same file goes. Both return
// an empty string, or why the settings were not saved.
QString add(const QString &fileName);
QString remove(const QString &fileName);

} // namespace RecentFiles
