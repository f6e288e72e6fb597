// What the window says besides the form: the toolbar's everyday commands,
// the empty start's word on where to begin, and status notes that go once
// they are no longer true.

#include "dialogs.h"
#include "edit_history.h"
#include "numberfield.h"
#include "recording_printer.h"
#include "testsupport_window.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>

using TestSupport::widget;

namespace {

// The menu text as the user reads it: without the key mark and the dots.
QString plainText(const QAction *action)
{
    QString text = action->text();
    text.remove(QLatin1Char('&'));
    text.remove(QChar(0x2026));
    return text;
}

void typeInto(Lochkartor &window, const char *name, const QString &text)
{
    auto *field = widget<QWidget>(window, name);
    field->setFocus();
    QTest::keyClicks(field, text);
}

} // namespace

class WindowWordsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::isolateSettings(); }
    void init() { Dialogs::Script::begin(); }
    void cleanup() { Dialogs::Script::end(); }
    void toolBarCarriesTheEverydayCommands();
    void emptyStartSaysWhereToBegin_data();
    void emptyStartSaysWhereToBegin();
    void noteGoesWhenTheUserTypesAgain();
    void previewPaintsWhatPrintingPrints_data();
    void previewPaintsWhatPrintingPrints();
};

void WindowWordsTest::toolBarCarriesTheEverydayCommands()
{
    Lochkartor window;
    auto *bar = widget<QToolBar>(window, "mainToolBar");
    QStringList names;
    for (const QAction *action : bar->actions()) {
        if (action->isSeparator())
            continue;
        names << action->objectName();
        QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
        // The tooltip names the command as the menu does.
        QVERIFY2(action->toolTip().startsWith(plainText(action)),
                 qPrintable(action->toolTip() + QStringLiteral(" / ") + plainText(action)));
    }
    QCOMPARE(names, QStringList({"newAction", "openAction", "saveAction", "saveCardAction",
                                 "printCardAction", "undoAction", "redoAction"}));
}

void WindowWordsTest::emptyStartSaysWhereToBegin_data()
{
    QTest::addColumn<QString>("edit");
    QTest::newRow("name typed") << "name";
    QTest::newRow("number typed") << "number";
    QTest::newRow("list chosen") << "list";
    QTest::newRow("file opened") << "open";
}

// The word stays until the first edit, whatever kind it is, and a window
// opened with a file never shows it.
void WindowWordsTest::emptyStartSaysWhereToBegin()
{
    QFETCH(QString, edit);
    Lochkartor window;
    window.show();
    window.openFromArguments({QStringLiteral("lochkartor")});
    const QString hint = window.statusBar()->currentMessage();
    QVERIFY(!hint.isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(window.statusBar()->currentMessage(), hint);

    if (edit == QLatin1String("name")) {
        typeInto(window, "tubeName", QStringLiteral("E"));
    } else if (edit == QLatin1String("number")) {
        typeInto(window, "plateVoltage", QStringLiteral("1"));
    } else if (edit == QLatin1String("list")) {
        widget<QComboBox>(window, "socket")->setCurrentIndex(3);
    } else {
        const QString file = qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR")
                             + QStringLiteral("/tests/data/tubes/pentode.tds");
        Lochkartor opened;
        opened.openFromArguments({QStringLiteral("lochkartor"), file});
        QCOMPARE(opened.statusBar()->currentMessage(), QString());
        widget<QComboBox>(window, "cathodeCap")->setCurrentIndex(1);
    }
    window.editHistory().settle();
    QVERIFY(window.statusBar()->currentMessage() != hint);
}

// A correction note is about the value typed before; typing anywhere else
// ends it, while a note about the edit just made replaces it.
void WindowWordsTest::noteGoesWhenTheUserTypesAgain()
{
    Lochkartor window;
    window.show();
    auto *plate = widget<NumberField>(window, "plateVoltage");
    plate->setFocus();
    plate->selectAll();
    QTest::keyClicks(plate, QStringLiteral("99999"));
    QTest::keyClick(plate, Qt::Key_Return);
    window.editHistory().settle();
    QVERIFY(!window.statusBar()->currentMessage().isEmpty());

    typeInto(window, "tubeName", QStringLiteral("E"));
    QCOMPARE(window.statusBar()->currentMessage(), QString());
}

void WindowWordsTest::previewPaintsWhatPrintingPrints_data()
{
    QTest::addColumn<int>("dotsPerInch");
    QTest::newRow("300 dpi") << 300;
    QTest::newRow("600 dpi") << 600;
    QTest::newRow("1200 dpi") << 1200;
}

// Same pictures, holes and lines at the same places on the page.
void WindowWordsTest::previewPaintsWhatPrintingPrints()
{
    QFETCH(int, dotsPerInch);
    Lochkartor window;
    widget<QLineEdit>(window, "tubeName")->setText(QStringLiteral("EL84"));
    widget<QComboBox>(window, "socket")->setCurrentIndex(10);
    TestSupport::RecordingPrinter printed(dotsPerInch);
    QVERIFY(window.printCard(&printed));
    TestSupport::RecordingPrinter previewed(dotsPerInch);
    window.paintPrintPreview(&previewed);
    QVERIFY(!printed.engine.pictures.isEmpty());
    QCOMPARE(previewed.engine.pictures, printed.engine.pictures);
    QCOMPARE(previewed.engine.ellipses, printed.engine.ellipses);
    QCOMPARE(previewed.engine.lines, printed.engine.lines);
}

QTEST_MAIN(WindowWordsTest)
#include "tst_window_words.moc"
