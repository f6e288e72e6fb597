// The menu bar: every command of the four buttons, plus the document
// commands with their usual shortcuts. The card and data commands run the
// buttons' own slots, so menu and button can never behave differently.

#include "dialogs.h"
#include "edit_history.h"
#include "lochkartor.h"
#include "manual_window.h"
#include "recent_files.h"
#include "ui_lochkartor.h"
#include "version.h"

#include <QAction>
#include <QDir>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

// The platform's shortcut where it has one, else the usual one of desktop
// editors (a platform without "Save As" or "Quit" keys still gets them).
QList<QKeySequence> shortcuts(QKeySequence::StandardKey key, const QKeySequence &usual)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty())
        keys << usual;
    return keys;
}

QAction *menuAction(QMenu *menu, const char *objectName, const QString &text,
                    const QList<QKeySequence> &keys)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcuts(keys);
    return action;
}

} // namespace

void Lochkartor::createMenus()
{
    QMenu *file = ui->menuBar->addMenu(tr("&Datei"));
    file->setObjectName(QStringLiteral("fileMenu"));
    connect(menuAction(file, "newAction", tr("&Neu"),
                       shortcuts(QKeySequence::New, Qt::CTRL | Qt::Key_N)),
            &QAction::triggered, this, &Lochkartor::newDocument);
    connect(menuAction(file, "openAction", tr("Ö&ffnen…"),
                       shortcuts(QKeySequence::Open, Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &Lochkartor::on_loadDataButton_clicked);
    m_recentMenu = file->addMenu(tr("&Zuletzt geöffnet"));
    m_recentMenu->setObjectName(QStringLiteral("recentMenu"));
    connect(file, &QMenu::aboutToShow, this, &Lochkartor::fillRecentMenu);
    file->addSeparator();
    connect(menuAction(file, "saveAction", tr("&Speichern"),
                       shortcuts(QKeySequence::Save, Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, &Lochkartor::saveDocument);
    connect(menuAction(file, "saveAsAction", tr("Speichern &unter…"),
                       shortcuts(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &Lochkartor::on_saveDataButton_clicked);
    file->addSeparator();
    connect(menuAction(file, "saveCardAction", tr("&Karte speichern…"), {Qt::CTRL | Qt::Key_E}),
            &QAction::triggered, this, &Lochkartor::on_saveCardButton_clicked);
    connect(menuAction(file, "printCardAction", tr("Karte &drucken…"),
                       shortcuts(QKeySequence::Print, Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &Lochkartor::on_printCardButton_clicked);
    connect(menuAction(file, "printPreviewAction", tr("Druck&vorschau…"), {}), &QAction::triggered,
            this, &Lochkartor::showPrintPreview);
    connect(menuAction(file, "calibratePrintAction", tr("Druck &kalibrieren…"), {}),
            &QAction::triggered, this, &Lochkartor::calibratePrinting);
    file->addSeparator();
    QAction *quit = menuAction(file, "quitAction", tr("&Beenden"),
                               shortcuts(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    setUpEditHistory();
    QMenu *edit = ui->menuBar->addMenu(tr("&Bearbeiten"));
    edit->setObjectName(QStringLiteral("editMenu"));
    QAction *undo = menuAction(edit, "undoAction", tr("&Rückgängig"),
                               shortcuts(QKeySequence::Undo, Qt::CTRL | Qt::Key_Z));
    QAction *redo = menuAction(edit, "redoAction", tr("&Wiederholen"),
                               shortcuts(QKeySequence::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m_history->useActions(undo, redo);
    edit->addSeparator();
    connect(menuAction(edit, "historyAction", tr("&Verlauf"), {}), &QAction::triggered, m_history,
            &EditHistory::showHistoryView);

    QMenu *help = ui->menuBar->addMenu(tr("&Hilfe"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction *manual = menuAction(help, "manualAction", tr("&Anleitung"),
                                 shortcuts(QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)));
    connect(manual, &QAction::triggered, this, [this] { ManualWindow::show(this); });
    QAction *about = menuAction(help, "aboutAction", tr("Ü&ber Lochkartor"), {});
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &Lochkartor::showAbout);
}

// Rebuilt each time the menu opens, so it shows what another run of the
// program may have added meanwhile, and building a window reads no settings.
void Lochkartor::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList files = RecentFiles::list();
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files.at(i);
        // "&1 name.tds" gives the entries the keys 1 to 8; a literal '&' in
        // a file name must not become one.
        QString label = QDir::toNativeSeparators(file);
        label.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(label));
        connect(action, &QAction::triggered, this, [this, file] { openRecentFile(file); });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

void Lochkartor::showAbout()
{
    const QString text = tr("<h3>Lochkartor %1</h3>"
                            "<p>Entwirft die Lochkarten eines kartengesteuerten Röhrenprüfers.</p>"
                            "<p>Lizenz: GNU General Public License, Version 3 oder später.</p>"
                            "<p>Gebaut mit Qt %2, läuft mit Qt %3.</p>")
                             .arg(lochkartorVersion(), QStringLiteral(QT_VERSION_STR),
                                  QString::fromLatin1(qVersion()));
    Dialogs::about(this, tr("Über Lochkartor"), text);
}
