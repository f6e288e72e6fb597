#include "menu_shortcuts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

bool anyActionUses(const QList<QAction *> &actions, const QKeySequence &key)
{
    for (const QAction *action : actions) {
        if (action->menu() && anyActionUses(action->menu()->actions(), key))
            return true;
        if (action->isEnabled() && action->shortcuts().contains(key))
            return true;
    }
    return false;
}

// Sits on the application, as the focus may be on any widget of the form,
// including those a spin box or an editable combo box builds inside itself.
class ShortcutOverrideFilter : public QObject
{
public:
    explicit ShortcutOverrideFilter(QMainWindow *window)
        : QObject(window)
        , m_window(window)
    { }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_forwarding || event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
            return false;
        if (static_cast<QWidget *>(watched)->window() != m_window)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        // Undo and redo are the edit history's: a number field with typed,
        // unaccepted text undoes its own keys first.
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
            return false;
        if (!anyActionUses(m_window->menuBar()->actions(), QKeySequence(key->keyCombination())))
            return false;
        // The field still hears of the shortcut (a number field takes the
        // number being typed before "Speichern" runs), but cannot keep it:
        // unaccepted, the override lets the shortcut run.
        m_forwarding = true;
        QCoreApplication::sendEvent(watched, event);
        m_forwarding = false;
        event->ignore();
        return true;
    }

private:
    QMainWindow *m_window;
    bool m_forwarding = false;
};

} // namespace

namespace MenuShortcuts {

void letMenuWin(QMainWindow *window)
{
    qApp->installEventFilter(new ShortcutOverrideFilter(window));
}

} // namespace MenuShortcuts
