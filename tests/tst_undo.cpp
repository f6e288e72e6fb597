// Undo and redo: every edit is one step that brings back exactly the form,
// both cards, the check colours and the title before and after it; a load,
// "Neu" and "Karte einlesen" are one step each; the changed mark follows the
// saved state; and what an edit changes besides its own field is said in the
// status bar.

#include "dialogs.h"
#include "edit_history.h"
#include "form_edits.h"
#include "numberfield.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QUndoStack>
#include <QUndoView>

namespace {

QString sample(const char *name)
{
    return qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR") + QStringLiteral("/tests/data/tubes/")
           + QLatin1String(name);
}

// Everything a user can see: FormEdits::snapshot, which rows each list
// offers, every named widget's enabled state, the title and the mark.
QStringList picture(const Lochkartor &window)
{
    QStringList lines = FormEdits::snapshot(window) + FormEdits::widgetStates(window);
    lines << QStringLiteral("title %1 modified %2")
                 .arg(window.windowTitle())
                 .arg(window.isWindowModified());
    return lines;
}

QString difference(const QStringList &expected, const QStringList &actual)
{
    QStringList lines;
    for (const QString &line : expected) {
        if (!actual.contains(line))
            lines << QStringLiteral("- ") + line;
    }
    for (const QString &line : actual) {
        if (!expected.contains(line))
            lines << QStringLiteral("+ ") + line;
    }
    return lines.join(QLatin1Char('\n'));
}

QAction *action(const Lochkartor &window, const char *name)
{
    return window.menuBar()->findChild<QAction *>(QLatin1String(name));
}

// The menu text without its shortcut marks: "&&" is a literal '&'.
QString menuText(const Lochkartor &window, const char *name)
{
    QString text = action(window, name)->text();
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QUndoStack &stack(const Lochkartor &window)
{
    return *window.editHistory().stack();
}

// Each edit of "a=1; b=2" as a step of its own, as a user makes them.
void editStepByStep(Lochkartor &window, const QString &edits)
{
    for (const QString &edit : edits.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        FormEdits::edit(window, edit);
        window.editHistory().settle();
    }
}

double number(const Lochkartor &window, const char *name)
{
    return TestSupport::widget<QDoubleSpinBox>(window, name)->value();
}

} // namespace

class UndoTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void randomSessionsUndoAndRedoExactly_data();
    void randomSessionsUndoAndRedoExactly();
    void snapshotHoldsSwitchedOffValues();
    void menuTexts_data();
    void menuTexts();
    void oneUndoRestoresACascade();
    void nameIsOneStepWhenTypingPauses();
    void replacingTheTubeIsOneStep_data();
    void replacingTheTubeIsOneStep();
    void refusedLoadIsNoStep();
    void quietLoadStartsTheNextStep();
    void markFollowsTheSavedState();
    void cascadeNotes_data();
    void cascadeNotes();
    void notesDoNotGoStale();
    void keysReachTheHistory();
    void historyViewGoesToAStep();
    void inEnglish();

private:
    QString path(const QString &name) const { return m_directory.filePath(name); }
    QTemporaryDir m_directory;
};

void UndoTest::initTestCase()
{
    // The notes write numbers as the German form does.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(m_directory.isValid());
    TestSupport::isolateSettings();
}

void UndoTest::init()
{
    Dialogs::Script::begin();
}

void UndoTest::randomSessionsUndoAndRedoExactly_data()
{
    QTest::addColumn<quint32>("seed");
    const quint32 seeds = TestSupport::underSanitizers ? 8 : 60;
    for (quint32 seed = 1; seed <= seeds; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Random edits, now and then a load or "Neu": undoing every step shows each
// earlier picture in turn back to the fresh window's, redoing them all each
// later one up to the last.
void UndoTest::randomSessionsUndoAndRedoExactly()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QStringList samples{sample("pentode.tds"), sample("rectifier.tds"),
                              sample("glow_stabiliser.tds"), sample("triode.tds")};
    Lochkartor window;
    QList<QStringList> pictures{picture(window)};
    QStringList steps{QStringLiteral("fresh")};
    const int length = 5 + random.bounded(30);
    for (int i = 0; i < length; ++i) {
        QString step;
        const int kind = random.bounded(20);
        if (kind == 0) {
            step = QStringLiteral("load ") + samples.at(random.bounded(int(samples.size())));
            QVERIFY(window.loadTubeData(step.mid(5)));
        } else if (kind == 1) {
            if (window.isWindowModified())
                Dialogs::Script::answerAskToSave(Dialogs::SaveAnswer::Discard);
            window.newDocument();
            step = QStringLiteral("Neu");
        } else {
            step = randomUserEdit(window, random);
            window.editHistory().settle();
        }
        const QStringList now = picture(window);
        if (step.isEmpty() || now == pictures.last())
            continue;
        pictures << now;
        steps << step;
    }
    QCOMPARE(stack(window).count(), int(pictures.size()) - 1);
    for (int i = int(pictures.size()) - 2; i >= 0; --i) {
        action(window, "undoAction")->trigger();
        QVERIFY2(picture(window) == pictures.at(i),
                 qPrintable(QStringLiteral("undoing %1 of %2\n%3")
                                .arg(steps.at(i + 1), steps.join(QStringLiteral(", ")),
                                     difference(pictures.at(i), picture(window)))));
    }
    QVERIFY(!action(window, "undoAction")->isEnabled());
    for (int i = 1; i < pictures.size(); ++i) {
        action(window, "redoAction")->trigger();
        QVERIFY2(picture(window) == pictures.at(i),
                 qPrintable(QStringLiteral("redoing %1\n%2")
                                .arg(steps.at(i), difference(pictures.at(i), picture(window)))));
    }
    QVERIFY(!action(window, "redoAction")->isEnabled());
}

// A rectifier keeps the plate voltage it had as a pentode, and a triode the
// screen voltage; showing the snapshot in another window gives them back.
void UndoTest::snapshotHoldsSwitchedOffValues()
{
    Lochkartor window;
    FormEdits::edit(window, "socket=10; genericTubeType=3; plateVoltage=250; screenVoltage=180; "
                            "heatingMethod=2; heatingVoltage=12.6; genericTubeType=8");
    const FormSnapshot snapshot = window.formSnapshot();
    QCOMPARE(snapshot.value("plateVoltage"), 250.0);
    QCOMPARE(snapshot.value("screenVoltage"), 180.0);
    QCOMPARE(snapshot.value("heatingVoltage"), 12.6);
    Lochkartor other;
    FormEdits::edit(other, "socket=3; tubeName=X; plateVoltage=40");
    other.showFormSnapshot(snapshot);
    QCOMPARE(other.formSnapshot(), snapshot);
    QCOMPARE(difference(picture(window), picture(other)), QString());
}

void UndoTest::menuTexts_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("undo");
    QTest::addColumn<QString>("redoAfterUndo");
    QTest::newRow("nothing yet") << ""
                                 << "Rückgängig"
                                 << "Wiederholen";
    QTest::newRow("number with unit") << "plateVoltage=250"
                                      << "Rückgängig: Anodenspannung 250 V"
                                      << "Wiederholen: Anodenspannung 250 V";
    QTest::newRow("decimals") << "plateVoltage=250; heatingCurrent=0.3"
                              << "Rückgängig: Heizstrom 0,3 A"
                              << "Wiederholen: Heizstrom 0,3 A";
    QTest::newRow("list") << "genericTubeType=3"
                          << "Rückgängig: Grundtyp „Pentode“"
                          << "Wiederholen: Grundtyp „Pentode“";
    QTest::newRow("pin") << "socket=10; pin3Function=6"
                         << "Rückgängig: Pin 3 „Anode“"
                         << "Wiederholen: Pin 3 „Anode“";
    QTest::newRow("name with ampersand") << "tubeName=A&B"
                                         << "Rückgängig: Röhrenbezeichnung „A&B“"
                                         << "Wiederholen: Röhrenbezeichnung „A&B“";
}

void UndoTest::menuTexts()
{
    QFETCH(QString, edits);
    QFETCH(QString, undo);
    QFETCH(QString, redoAfterUndo);
    Lochkartor window;
    editStepByStep(window, edits);
    QCOMPARE(menuText(window, "undoAction"), undo);
    QCOMPARE(action(window, "undoAction")->isEnabled(), !edits.isEmpty());
    QCOMPARE(menuText(window, "redoAction"), QStringLiteral("Wiederholen"));
    QVERIFY(!action(window, "redoAction")->isEnabled());
    if (edits.isEmpty())
        return;
    action(window, "undoAction")->trigger();
    QCOMPARE(menuText(window, "redoAction"), redoAfterUndo);
}

// Ua 150 after Ug2 250 pulled Ug2 down: one undo gives both back.
void UndoTest::oneUndoRestoresACascade()
{
    Lochkartor window;
    editStepByStep(window, "genericTubeType=3; plateVoltage=250; screenVoltage=250");
    const int steps = stack(window).count();
    editStepByStep(window, "plateVoltage=150");
    QCOMPARE(number(window, "screenVoltage"), 150.0);
    QCOMPARE(stack(window).count(), steps + 1);
    action(window, "undoAction")->trigger();
    QCOMPARE(number(window, "plateVoltage"), 250.0);
    QCOMPARE(number(window, "screenVoltage"), 250.0);
    QVERIFY(window.cards().text(CardText::ScreenVoltage).contains(QStringLiteral("250")));
    action(window, "redoAction")->trigger();
    QCOMPARE(number(window, "screenVoltage"), 150.0);
}

// The name is one step once typing pauses, or at once when the field is
// left; until then the menu already offers to undo it.
void UndoTest::nameIsOneStepWhenTypingPauses()
{
    Lochkartor window;
    auto *name = TestSupport::widget<QLineEdit>(window, "tubeName");
    QTest::keyClicks(name, QStringLiteral("EL84"));
    QCOMPARE(stack(window).count(), 0);
    QCOMPARE(menuText(window, "undoAction"),
             QStringLiteral("Rückgängig: Röhrenbezeichnung „EL84“"));
    QVERIFY(action(window, "undoAction")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(stack(window).count(), 1, 5 * EditHistory::NamePauseMs);
    QTest::keyClicks(name, QStringLiteral("F"));
    emit name->editingFinished();
    QCOMPARE(stack(window).count(), 2);
    action(window, "undoAction")->trigger();
    QCOMPARE(name->text(), QStringLiteral("EL84"));
    action(window, "undoAction")->trigger();
    QCOMPARE(name->text(), QString());
    QCOMPARE(window.cards().text(CardText::TubeName),
             Lochkartor().cards().text(CardText::TubeName));
}

void UndoTest::replacingTheTubeIsOneStep_data()
{
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("stepText");
    QTest::addColumn<QString>("titleAfter");
    QTest::newRow("load") << "load"
                          << "Laden „triode.tds“"
                          << "triode.tds[*] – Lochkartor";
    QTest::newRow("Neu") << "new"
                         << "Neu"
                         << "Unbenannt[*] – Lochkartor";
    QTest::newRow("Karte einlesen") << "read"
                                    << "Karte einlesen"
                                    << "Unbenannt[*] – Lochkartor";
}

// After a saved pentode and an edit, the tube is replaced: one step, whose
// undo brings back the form, the cards and the file the window showed.
void UndoTest::replacingTheTubeIsOneStep()
{
    QFETCH(QString, replacement);
    QFETCH(QString, stepText);
    QFETCH(QString, titleAfter);
    Lochkartor window;
    QVERIFY(window.loadTubeData(sample("pentode.tds")));
    QVERIFY(window.saveTubeData(path(QStringLiteral("mine.tds"))));
    editStepByStep(window, "plateVoltage=100");
    const QStringList before = picture(window);
    const int steps = stack(window).count();
    Dialogs::Script::answerAskToSave(Dialogs::SaveAnswer::Discard);
    if (replacement == QLatin1String("load")) {
        QVERIFY(window.loadTubeData(sample("triode.tds")));
    } else if (replacement == QLatin1String("new")) {
        window.newDocument();
    } else {
        Lochkartor triode;
        QVERIFY(triode.loadTubeData(sample("triode.tds")));
        window.fillFormFromCard(triode.cards().punchedHoles(), -1);
    }
    const QStringList after = picture(window);
    QCOMPARE(stack(window).count(), steps + 1);
    QCOMPARE(window.windowTitle(), titleAfter);
    QCOMPARE(menuText(window, "undoAction"), QStringLiteral("Rückgängig: ") + stepText);
    action(window, "undoAction")->trigger();
    QCOMPARE(difference(before, picture(window)), QString());
    QCOMPARE(window.windowTitle(), QStringLiteral("mine.tds[*] – Lochkartor"));
    QCOMPARE(window.documentFile(), path(QStringLiteral("mine.tds")));
    QVERIFY(window.isWindowModified());
    action(window, "undoAction")->trigger();
    QVERIFY(!window.isWindowModified());
    action(window, "redoAction")->trigger();
    action(window, "redoAction")->trigger();
    QCOMPARE(difference(after, picture(window)), QString());
}

void UndoTest::refusedLoadIsNoStep()
{
    Lochkartor window;
    editStepByStep(window, "plateVoltage=100");
    QVERIFY(!window.loadTubeData(path(QStringLiteral("missing.tds"))));
    QCOMPARE(stack(window).count(), 1);
    QCOMPARE(menuText(window, "undoAction"), QStringLiteral("Rückgängig: Anodenspannung 100 V"));
}

// A load without the window's messages (the render tool's) is no step, but
// the next step starts from the tube it loaded.
void UndoTest::quietLoadStartsTheNextStep()
{
    Lochkartor window;
    editStepByStep(window, "plateVoltage=100");
    QVERIFY(window.loadTubeDataQuietly(sample("triode.tds"), nullptr).ok());
    window.editHistory().settle();
    QCOMPARE(stack(window).count(), 1);
    const FormSnapshot loaded = window.formSnapshot();
    editStepByStep(window, "tubeName=X");
    action(window, "undoAction")->trigger();
    QCOMPARE(window.formSnapshot(), loaded);
}

// Saving marks the saved state; undo and redo move the mark with the values.
void UndoTest::markFollowsTheSavedState()
{
    Lochkartor window;
    editStepByStep(window, "genericTubeType=3; plateVoltage=200");
    QVERIFY(window.isWindowModified());
    QVERIFY(window.saveTubeData(path(QStringLiteral("saved.tds"))));
    QVERIFY(stack(window).isClean());
    QVERIFY(!window.isWindowModified());
    editStepByStep(window, "plateVoltage=120");
    QVERIFY(window.isWindowModified());
    action(window, "undoAction")->trigger();
    QVERIFY(!window.isWindowModified());
    action(window, "undoAction")->trigger();
    QVERIFY(window.isWindowModified());
    action(window, "redoAction")->trigger();
    QVERIFY(!window.isWindowModified());
    // A value changed and put back is no change, as before there was undo.
    editStepByStep(window, "plateVoltage=150; plateVoltage=200");
    QVERIFY(!stack(window).isClean());
    QVERIFY(!window.isWindowModified());
    // A number typed but not yet taken is saved with the rest.
    editStepByStep(window, "plateVoltage=220");
    QVERIFY(window.saveTubeData(path(QStringLiteral("saved.tds"))));
    QVERIFY(stack(window).isClean());
    QVERIFY(!window.isWindowModified());
}

void UndoTest::cascadeNotes_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("note");
    QTest::newRow("screen voltage under the plate voltage")
        << "genericTubeType=3; plateVoltage=250; screenVoltage=250"
        << "plateVoltage=150"
        << "Schirmgitterspannung auf 150 V gesenkt: höchstens die Anodenspannung";
    QTest::newRow("plate current of a low plate voltage")
        << "genericTubeType=1; plateVoltage=200; plateCurrent=72"
        << "plateVoltage=20"
        << "Anodenstrom auf 50 mA gesenkt: höchstens 50 mA bei dieser Anodenspannung";
    QTest::newRow("DC cuts the heater current")
        << "heatingVoltageAC=10; heatingCurrent=1.5"
        << "heatingMethod=2"
        << "Heizstrom auf 1,2 A gesenkt: höchstens 1,2 A bei Gleichstromheizung";
    QTest::newRow("grid bias resets the cathode resistor")
        << "genericTubeType=1; cathodeResistor=6"
        << "gridVoltage=-2"
        << "Kathodenwiderstand auf „0 Ohm“ gestellt: eine feste Gittervorspannung schließt ihn aus";
    QTest::newRow("cathode resistor zeroes the grid")
        << "genericTubeType=1; gridVoltage=-2"
        << "cathodeResistor=6"
        << "Steuergitterspannung auf 0 V gesetzt: der Kathodenwiderstand erzeugt die "
           "Gittervorspannung";
    QTest::newRow("a triode switches the screen grid off")
        << "genericTubeType=3"
        << "genericTubeType=1"
        << "Schirmgitterspannung und -strom abgeschaltet, die Werte bleiben: Grundtyp „Triode“";
    QTest::newRow("a socket resets the pins")
        << "socket=10; pin1Function=6; pin3Function=2"
        << "socket=2"
        << "Pin 1, Pin 3 auf „Unbelegt“ gestellt: ein anderer Sockel beginnt ohne Belegung";
    QTest::newRow("nothing else changed") << "genericTubeType=3"
                                          << "plateVoltage=200"
                                          << "";
}

void UndoTest::cascadeNotes()
{
    QFETCH(QString, setUp);
    QFETCH(QString, edit);
    QFETCH(QString, note);
    Lochkartor window;
    editStepByStep(window, setUp);
    editStepByStep(window, edit);
    QCOMPARE(window.statusBar()->currentMessage(), note);
}

// The next edit replaces a note or clears it; undo clears it.
void UndoTest::notesDoNotGoStale()
{
    Lochkartor window;
    editStepByStep(window, "genericTubeType=3; plateVoltage=250; screenVoltage=250; "
                           "plateVoltage=150");
    QVERIFY(!window.statusBar()->currentMessage().isEmpty());
    editStepByStep(window, "plateCurrent=20");
    QCOMPARE(window.statusBar()->currentMessage(), QString());
    editStepByStep(window, "plateVoltage=100");
    QVERIFY(!window.statusBar()->currentMessage().isEmpty());
    action(window, "undoAction")->trigger();
    QCOMPARE(window.statusBar()->currentMessage(), QString());
}

// Ctrl+Z and the redo keys reach the history from a number field that has
// taken its value and from the name field; typing in a number field still
// undoes its own keys first.
void UndoTest::keysReachTheHistory()
{
    Lochkartor window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *plate = TestSupport::widget<NumberField>(window, "plateVoltage");
    plate->setFocus();
    plate->selectAll();
    QTest::keyClicks(plate, QStringLiteral("120"));
    QTest::keyClick(plate, Qt::Key_Return);
    window.editHistory().settle();
    QCOMPARE(plate->value(), 120.0);
    QTest::keyClicks(plate, QStringLiteral("7"));
    QTest::keySequence(plate, QKeySequence::Undo); // the typed key
    QCOMPARE(plate->value(), 120.0);
    QCOMPARE(stack(window).count(), 1);
    QTest::keySequence(plate, QKeySequence::Undo); // the step
    QCOMPARE(plate->value(), Lochkartor().formSnapshot().value("plateVoltage"));
    QTest::keySequence(plate, QKeySequence::Redo);
    QCOMPARE(plate->value(), 120.0);
    auto *name = TestSupport::widget<QLineEdit>(window, "tubeName");
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("EL84"));
    QTest::keySequence(name, QKeySequence::Undo);
    QCOMPARE(name->text(), QString());
    QCOMPARE(menuText(window, "redoAction"),
             QStringLiteral("Wiederholen: Röhrenbezeichnung „EL84“"));
}

// "Bearbeiten → Verlauf" lists the steps after "Anfang"; choosing one shows
// the form as that step left it.
void UndoTest::historyViewGoesToAStep()
{
    Lochkartor window;
    editStepByStep(window, "genericTubeType=3; plateVoltage=250; screenVoltage=250");
    const QStringList fresh = picture(Lochkartor());
    action(window, "historyAction")->trigger();
    auto *view = window.findChild<QUndoView *>(QStringLiteral("historyView"));
    QVERIFY(view && view->isVisible());
    QCOMPARE(view->model()->rowCount(), 4);
    QCOMPARE(view->model()->index(0, 0).data().toString(), QStringLiteral("Anfang"));
    QCOMPARE(view->model()->index(2, 0).data().toString(), QStringLiteral("Anodenspannung 250 V"));
    view->setCurrentIndex(view->model()->index(0, 0));
    QCOMPARE(stack(window).index(), 0);
    QCOMPARE(difference(fresh, picture(window)), QString());
}

// With the English translation the menu and the notes speak English, with
// the form's English labels.
void UndoTest::inEnglish()
{
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(LOCHKARTOR_QM_FILE)));
    const TestSupport::InstalledTranslator installed(english);
    Lochkartor window;
    editStepByStep(window, "genericTubeType=3; plateVoltage=250; screenVoltage=250; "
                           "plateVoltage=150");
    QCOMPARE(menuText(window, "undoAction"), QStringLiteral("Undo: Plate voltage 150 V"));
    QCOMPARE(window.statusBar()->currentMessage(),
             QStringLiteral("Screen-grid voltage lowered to 150 V: at most the plate voltage"));
    action(window, "undoAction")->trigger();
    QCOMPARE(menuText(window, "redoAction"), QStringLiteral("Redo: Plate voltage 150 V"));
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
