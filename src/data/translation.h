#pragma once

#include <QString>

class QTranslator;

// Loads the program's translation for a locale name such as "de_AT" into
// `translator`. The file "lochkartor_<locale>" is looked up relative to the
// working directory with Qt's usual fallbacks: the .qm suffix first, then
// the bare name, then the name shortened at its last '_' or '.' (de_AT ->
// de -> none). When the working directory has none, the same name is looked
// up next to the executable and then in the installed translations (found
// relative to the executable, so any install prefix works). Returns
// whether a file was found; the program runs with its German source texts
// either way.
bool loadTranslation(QTranslator &translator, const QString &localeName);

// Loads Qt's own translation ("qtbase_<locale>", with the same fallbacks)
// from Qt's translations folder, so that file and print dialogs and the
// buttons of message boxes speak the user's language. Returns whether a file
// was found.
bool loadQtTranslation(QTranslator &translator, const QString &localeName);
