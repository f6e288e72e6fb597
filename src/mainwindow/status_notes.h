#pragma once

#include <QString>

class QMainWindow;
class QStatusBar;

// What the status bar says about an edit is true only until the next one:
// a note goes when its time is up or when the user starts typing in any
// field, whichever comes first. The hints a number field shows while its
// text is out of range are not notes; the field itself takes them back.
namespace StatusNotes {

constexpr int noteTimeout = 15000; // milliseconds

void install(QMainWindow *window);
void show(QStatusBar *bar, const QString &note);
// Stays until the first edit rather than for a while: the empty form's word
// on where to begin.
void showUntilEdited(QStatusBar *bar, const QString &note);

} // namespace StatusNotes
