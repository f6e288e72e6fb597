#include "status_notes.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QStatusBar>
#include <QVariant>

namespace {

const char *const noteProperty = "lochkartorNote";

void remember(QStatusBar *bar, const QString &note)
{
    bar->setProperty(noteProperty, note);
}

} // namespace

namespace StatusNotes {

void install(QMainWindow *window)
{
    QStatusBar *bar = window->statusBar();
    // Line edits cover the name, the text inside every number field and
    // that of any editable list.
    for (QLineEdit *edit : window->centralWidget()->findChildren<QLineEdit *>()) {
        QObject::connect(edit, &QLineEdit::textEdited, bar, [bar] {
            const QString note = bar->property(noteProperty).toString();
            if (!note.isEmpty() && bar->currentMessage() == note)
                bar->clearMessage();
        });
    }
}

void show(QStatusBar *bar, const QString &note)
{
    remember(bar, note);
    bar->showMessage(note, noteTimeout);
}

void showUntilEdited(QStatusBar *bar, const QString &note)
{
    remember(bar, note);
    bar->showMessage(note);
}

} // namespace StatusNotes
