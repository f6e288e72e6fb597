#include "main_toolbar.h"
#include "texts.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

namespace {

struct ToolBarEntry
{
    const char *action;
    const char *themeIcon;
    QStyle::StandardPixmap fallback; // where the desktop has no theme
    const char *toolTip;             // empty: the action's text says it
};

const ToolBarEntry entries[] = {
    {"newAction", "document-new", QStyle::SP_FileIcon,
     QT_TRANSLATE_NOOP("Lochkartor", "Neu: eine neue Röhre beginnen")},
    {"openAction", "document-open", QStyle::SP_DialogOpenButton,
     QT_TRANSLATE_NOOP("Lochkartor", "Öffnen: eine Röhrendatei laden")},
    {"saveAction", "document-save", QStyle::SP_DialogSaveButton,
     QT_TRANSLATE_NOOP("Lochkartor", "Speichern: die Röhrendaten in ihre Datei schreiben")},
    {"saveCardAction", "document-save-as", QStyle::SP_DialogSaveButton,
     QT_TRANSLATE_NOOP("Lochkartor", "Karte speichern: das Bild der Karte als Datei ablegen")},
    {"printCardAction", "document-print", QStyle::SP_FileDialogDetailedView,
     QT_TRANSLATE_NOOP("Lochkartor", "Karte drucken: die Karte als Stanzvorlage drucken")},
    // Undo and redo keep the tooltip Qt makes of their text, which names
    // the step they undo or redo.
    {"undoAction", "edit-undo", QStyle::SP_ArrowBack, ""},
    {"redoAction", "edit-redo", QStyle::SP_ArrowForward, ""},
};

} // namespace

namespace MainToolBar {

void fill(QToolBar *bar, QMainWindow *window)
{
    bar->setWindowTitle(LochkartorText::tr("Werkzeugleiste"));
    bar->setMovable(false);
    for (const ToolBarEntry &entry : entries) {
        auto *action = window->menuBar()->findChild<QAction *>(QLatin1String(entry.action));
        if (!action)
            continue;
        action->setIcon(QIcon::fromTheme(QLatin1String(entry.themeIcon),
                                         window->style()->standardIcon(entry.fallback)));
        if (*entry.toolTip) {
            QString tip = LochkartorText::tr(entry.toolTip);
            if (!action->shortcut().isEmpty())
                tip += QStringLiteral(" (%1)").arg(
                    action->shortcut().toString(QKeySequence::NativeText));
            action->setToolTip(tip);
        }
        bar->addAction(action);
        if (QLatin1String(entry.action) == QLatin1String("printCardAction"))
            bar->addSeparator();
    }
}

} // namespace MainToolBar
