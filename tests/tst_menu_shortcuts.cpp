// Every shortcut of the menu runs its command whichever kind of field has
// the focus: the name field, a number field or a selection list. Fields keep
// some of these keys for themselves (a line edit moves to the end of the
// line on Ctrl+E); in the window the command wins.

#include "dialogs.h"
#include "edit_history.h"
#include "testsupport_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

namespace {

void collectShortcutActions(const QList<QAction *> &actions, QList<QAction *> *found)
{
    for (QAction *action : actions) {
        if (action->menu())
            collectShortcutActions(action->menu()->actions(), found);
        else if (!action->shortcuts().isEmpty())
            found->append(action);
    }
}

// Closing the window comes last, as it ends the test's window.
QList<QAction *> shortcutActions(const Lochkartor &window)
{
    QList<QAction *> actions;
    collectShortcutActions(window.menuBar()->actions(), &actions);
    std::stable_partition(actions.begin(), actions.end(), [](const QAction *action) {
        return action->objectName() != QLatin1String("quitAction");
    });
    return actions;
}

// Which keys a line edit keeps depends on the desktop's key scheme: where
// Ctrl+E moves to the end of the line it claims that key. The test platform
// uses another scheme, so the fields here claim every key, as the worst
// desktop would. Undo and redo stay with the fields: a number field with
// typed text undoes its own keys first (see tst_undo).
class ClaimEveryKey : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (!key->matches(QKeySequence::Undo) && !key->matches(QKeySequence::Redo))
                event->accept();
        }
        return false;
    }
};

// Undo needs a step to undo and redo one undone.
void makeAvailable(Lochkartor &window, QAction *action)
{
    if (action->isEnabled())
        return;
    auto *cap = TestSupport::widget<QComboBox>(window, "cathodeCap");
    cap->setCurrentIndex(cap->currentIndex() == 0 ? 1 : 0);
    window.editHistory().settle();
    if (action->objectName() == QLatin1String("redoAction"))
        window.findChild<QAction *>(QStringLiteral("undoAction"))->trigger();
}

} // namespace

class MenuShortcutsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::isolateSettings(); }
    void init() { Dialogs::Script::begin(); }
    void cleanup() { Dialogs::Script::end(); }
    void everyShortcutFromEveryField_data();
    void everyShortcutFromEveryField();
};

void MenuShortcutsTest::everyShortcutFromEveryField_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("line edit") << QByteArray("tubeName");
    QTest::newRow("number field") << QByteArray("plateVoltage");
    QTest::newRow("combo box") << QByteArray("socket");
}

void MenuShortcutsTest::everyShortcutFromEveryField()
{
    QFETCH(QByteArray, field);
    Lochkartor window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget *input = TestSupport::widget<QWidget>(window, field.constData());

    const QList<QAction *> actions = shortcutActions(window);
    QVERIFY(actions.size() >= 9);
    for (QAction *action : actions) {
        makeAvailable(window, action);
        input->setFocus();
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->window(), &window);
        ClaimEveryKey claim;
        QApplication::focusWidget()->installEventFilter(&claim);
        QSignalSpy triggered(action, &QAction::triggered);
        for (const QKeySequence &key : action->shortcuts()) {
            QTest::keySequence(QApplication::focusWidget(), key);
            QVERIFY2(triggered.count() == 1,
                     qPrintable(QStringLiteral("%1 (%2) from %3")
                                    .arg(action->objectName(), key.toString(),
                                         QString::fromLatin1(field))));
            triggered.clear();
            makeAvailable(window, action);
            if (!window.isVisible())
                break;
            input->setFocus();
        }
    }
}

QTEST_MAIN(MenuShortcutsTest)
#include "tst_menu_shortcuts.moc"
