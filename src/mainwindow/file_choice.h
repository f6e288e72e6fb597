#pragma once

#include <QString>

class QWidget;

// The file dialogs of the four buttons. Each opens in the folder the user
// chose a file in last time (kept in the program's settings, the home folder
// until then), the save dialogs suggest the tube name as the file name, and
// a name typed without a suffix gets the suffix the dialog's filter shows, so
// that "Daten laden" finds the file again. An empty result means cancelled.
namespace FileChoice {

QString cardImageToSave(QWidget *parent, const QString &tubeName);
QString tubeDataToSave(QWidget *parent, const QString &tubeName);
QString tubeDataToLoad(QWidget *parent);

// `fileName` with ".suffix" added when it has no suffix of its own.
QString withSuffix(const QString &fileName, const QString &suffix);
// The tube name as a file name: characters no file name may hold become '_'.
QString fileNameOf(const QString &tubeName);
// The folder the dialogs open in.
QString startFolder();

} // namespace FileChoice
