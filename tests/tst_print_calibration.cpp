// "Druck kalibrieren…": the test page's rulers, the measured lengths the
// window takes or refuses, and the correction it keeps, drops and applies.

#include "dialogs.h"
#include "print_calibration.h"
#include "recording_printer.h"
#include "testsupport_window.h"

#include <QAction>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using TestSupport::RecordingPrinter;

namespace {

constexpr double MillimetresPerInch = 25.4;

// The width of the card as "Karte drucken" puts it on the page, in mm.
double printedCardWidth(Lochkartor &window, int dotsPerInch = 600)
{
    RecordingPrinter printer(dotsPerInch);
    // The scale factor goes to the debug output; it is tested elsewhere.
    QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const bool printed = window.printCard(&printer);
    qInstallMessageHandler(previous);
    if (!printed || printer.engine.pictures.size() != 1)
        return -1;
    return printer.engine.pictures.first().first.width() * MillimetresPerInch / dotsPerInch;
}

constexpr double CardWidth = 927 / 150.0 * MillimetresPerInch;

Dialogs::Calibration measured(double x, double y)
{
    return {false, x, y, false};
}

QString messageTexts()
{
    QStringList texts;
    for (const Dialogs::Record &record : Dialogs::Script::messages())
        texts << record.caption + QStringLiteral(": ") + record.text;
    return texts.join(QLatin1Char('\n'));
}

} // namespace

class PrintCalibrationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void measuredLengths_data();
    void measuredLengths();
    void refusedLengthIsAskedAgain();
    void resetIsOneClick();
    void cancelKeepsTheCorrection();
    void menuOpensTheDialog();
    void testPageFromTheDialog();
    void testPageHasTwoRulers_data();
    void testPageHasTwoRulers();
    void storedValuesOutsideTheBoundsAreIgnored_data();
    void storedValuesOutsideTheBoundsAreIgnored();
};

void PrintCalibrationTest::init()
{
    TestSupport::isolateSettings();
    Dialogs::Script::begin();
}

void PrintCalibrationTest::cleanup()
{
    Dialogs::Script::end();
}

void PrintCalibrationTest::measuredLengths_data()
{
    QTest::addColumn<double>("measuredX");
    QTest::addColumn<double>("measuredY");
    QTest::addColumn<bool>("taken");
    QTest::newRow("true printer") << 150.0 << 150.0 << true;
    QTest::newRow("1 % small across, 0.5 % large down") << 148.5 << 150.75 << true;
    QTest::newRow("the bounds") << 140.0 << 160.0 << true;
    QTest::newRow("X just too short") << 139.9 << 150.0 << false;
    QTest::newRow("Y just too long") << 150.0 << 160.1 << false;
    QTest::newRow("centimetres typed") << 15.0 << 15.0 << false;
    QTest::newRow("nothing typed") << 0.0 << 150.0 << false;
}

// A length within the bounds is kept as the factor that brings the ruler
// back to 150 mm, and a new window prints with it; a length outside them
// gets a warning that names the ruler, and the old correction stays.
void PrintCalibrationTest::measuredLengths()
{
    QFETCH(double, measuredX);
    QFETCH(double, measuredY);
    QFETCH(bool, taken);
    {
        Lochkartor window;
        Dialogs::Script::answerPrintCalibration(measured(147.0, 152.0));
        window.calibratePrinting();
    }
    Lochkartor window;
    Dialogs::Script::clearRecords();
    Dialogs::Script::answerPrintCalibration(measured(measuredX, measuredY));

    window.calibratePrinting();

    const double expectedX = taken ? 150.0 / measuredX : 150.0 / 147.0;
    const double expectedY = taken ? 150.0 / measuredY : 150.0 / 152.0;
    Lochkartor later;
    const PrintCalibration::Correction kept = later.printCorrection();
    QVERIFY2(qAbs(kept.x - expectedX) < 1e-9, qPrintable(QString::number(kept.x)));
    QVERIFY2(qAbs(kept.y - expectedY) < 1e-9, qPrintable(QString::number(kept.y)));
    QVERIFY(qAbs(printedCardWidth(later) - CardWidth * expectedX) < 0.01);
    // Asked once, then once more after the warning (cancelled then).
    const QList<Dialogs::Record> messages = Dialogs::Script::messages();
    if (taken) {
        QVERIFY2(messages.isEmpty(), qPrintable(messageTexts()));
        QCOMPARE(Dialogs::Script::records().size(), 1);
        QVERIFY(window.statusBar()->currentMessage().startsWith(QStringLiteral("Druckkorrektur")));
    } else {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().kind, Dialogs::Record::Warning);
        const QString ruler = PrintCalibration::measuredProblem(measuredX).isEmpty()
                                  ? QStringLiteral("Lineal Y: ")
                                  : QStringLiteral("Lineal X: ");
        QVERIFY2(messages.first().text.startsWith(ruler), qPrintable(messages.first().text));
        QVERIFY2(messages.first().text.contains(QStringLiteral("zwischen 140 und 160 mm")),
                 qPrintable(messages.first().text));
        QCOMPARE(Dialogs::Script::records().size(), 3);
    }
}

// The dialog opens again with what was typed, and the second answer counts.
void PrintCalibrationTest::refusedLengthIsAskedAgain()
{
    Lochkartor window;
    Dialogs::Script::answerPrintCalibration(measured(1485.0, 150.0));
    Dialogs::Script::answerPrintCalibration(measured(148.5, 150.0));

    window.calibratePrinting();

    QCOMPARE(Dialogs::Script::messages().size(), 1);
    const PrintCalibration::Correction kept = window.printCorrection();
    QVERIFY(qAbs(kept.x - 150.0 / 148.5) < 1e-9);
    QCOMPARE(kept.y, 1.0);
}

void PrintCalibrationTest::resetIsOneClick()
{
    Lochkartor window;
    Dialogs::Script::answerPrintCalibration(measured(148.0, 151.0));
    window.calibratePrinting();
    QVERIFY(!window.printCorrection().isNone());
    Dialogs::Script::clearRecords();
    Dialogs::Script::answerPrintCalibration({true, 0.0, 0.0, false});

    window.calibratePrinting();

    QCOMPARE(Dialogs::Script::records().size(), 1);
    // The dialog showed the correction it was about to drop.
    QVERIFY2(Dialogs::Script::records().first().text.contains(QStringLiteral("waagerecht")),
             qPrintable(Dialogs::Script::records().first().text));
    QVERIFY(window.printCorrection().isNone());
    QVERIFY(Lochkartor().printCorrection().isNone());
    QVERIFY(qAbs(printedCardWidth(window) - CardWidth) < 0.01);
    QVERIFY(!QSettings().contains(QStringLiteral("printCalibration/x")));
}

void PrintCalibrationTest::cancelKeepsTheCorrection()
{
    Lochkartor window;
    Dialogs::Script::answerPrintCalibration(measured(148.0, 151.0));
    window.calibratePrinting();
    const PrintCalibration::Correction before = window.printCorrection();

    window.calibratePrinting(); // no answer queued: cancelled

    QCOMPARE(window.printCorrection().x, before.x);
    QCOMPARE(window.printCorrection().y, before.y);
    QVERIFY(Dialogs::Script::messages().isEmpty());
}

void PrintCalibrationTest::menuOpensTheDialog()
{
    Lochkartor window;
    QAction *action = window.findChild<QAction *>(QStringLiteral("calibratePrintAction"));
    QVERIFY(action);
    QCOMPARE(action->text(), QStringLiteral("Druck &kalibrieren…"));
    action->trigger();
    QCOMPARE(Dialogs::Script::records().size(), 1);
    QCOMPARE(Dialogs::Script::records().first().kind, Dialogs::Record::Calibration);
    QCOMPARE(Dialogs::Script::records().first().text, QStringLiteral("keine"));
}

// The dialog's button asks for a printer; cancelling it prints nothing
// and the lengths typed afterwards still count.
void PrintCalibrationTest::testPageFromTheDialog()
{
    Lochkartor window;
    Dialogs::Script::answerPrintCalibration({false, 149.0, 149.0, true});
    Dialogs::Script::answerPrintDialog(false);

    window.calibratePrinting();

    const QList<Dialogs::Record> &records = Dialogs::Script::records();
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0).kind, Dialogs::Record::Calibration);
    QCOMPARE(records.at(1).kind, Dialogs::Record::Print);
    QVERIFY(qAbs(window.printCorrection().x - 150.0 / 149.0) < 1e-9);
}

void PrintCalibrationTest::testPageHasTwoRulers_data()
{
    QTest::addColumn<int>("dotsPerInch");
    QTest::addColumn<bool>("corrected"); // a correction is stored meanwhile
    QTest::newRow("300 dpi") << 300 << false;
    QTest::newRow("600 dpi, corrected") << 600 << true;
    QTest::newRow("1200 dpi") << 1200 << false;
}

// One ruler across and one down, each 150 mm from its first tick to its
// last, whatever correction is stored: the page measures the printer.
void PrintCalibrationTest::testPageHasTwoRulers()
{
    QFETCH(int, dotsPerInch);
    QFETCH(bool, corrected);
    Lochkartor window;
    if (corrected) {
        Dialogs::Script::answerPrintCalibration(measured(145.0, 155.0));
        window.calibratePrinting();
    }
    RecordingPrinter printer(dotsPerInch);

    QVERIFY(window.printCalibrationPage(&printer));

    const double millimetre = dotsPerInch / MillimetresPerInch;
    double across = 0;
    double down = 0;
    int ticksAcross = 0;
    int ticksDown = 0;
    for (const QLineF &line : std::as_const(printer.engine.lines)) {
        const double length = line.length() / millimetre;
        if (qAbs(line.dy()) < 1e-6) {
            across = std::max(across, length);
            ticksDown += length < 10;
        } else if (qAbs(line.dx()) < 1e-6) {
            down = std::max(down, length);
            ticksAcross += length < 10;
        }
    }
    QVERIFY2(qAbs(across - 150.0) < 0.01, qPrintable(QString::number(across)));
    QVERIFY2(qAbs(down - 150.0) < 0.01, qPrintable(QString::number(down)));
    // A tick at every millimetre from 0 to 150 on each ruler.
    QCOMPARE(ticksAcross, 151);
    QCOMPARE(ticksDown, 151);
    QVERIFY(Dialogs::Script::messages().isEmpty());
}

void PrintCalibrationTest::storedValuesOutsideTheBoundsAreIgnored_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<double>("used");
    QTest::newRow("within") << QVariant(1.02) << 1.02;
    QTest::newRow("rounded at the bound") << QVariant(QStringLiteral("1.07143")) << 1.07143;
    QTest::newRow("too large") << QVariant(1.2) << 1.0;
    QTest::newRow("zero") << QVariant(0.0) << 1.0;
    QTest::newRow("negative") << QVariant(-1.0) << 1.0;
    QTest::newRow("not a number") << QVariant(QStringLiteral("nan")) << 1.0;
    QTest::newRow("text") << QVariant(QStringLiteral("groß")) << 1.0;
}

// Settings edited by hand must not print cards at a wrong size.
void PrintCalibrationTest::storedValuesOutsideTheBoundsAreIgnored()
{
    QFETCH(QVariant, stored);
    QFETCH(double, used);
    QSettings().setValue(QStringLiteral("printCalibration/x"), stored);
    QSettings().setValue(QStringLiteral("printCalibration/y"), 0.99);

    Lochkartor window;
    const PrintCalibration::Correction correction = window.printCorrection();

    QCOMPARE(correction.x, used);
    QCOMPARE(correction.y, 0.99);
    // A value refused is named in the status bar, once.
    const bool refused = used == 1.0;
    QCOMPARE(window.statusBar()->currentMessage() == PrintCalibration::invalidText(), refused);
    window.statusBar()->clearMessage();
    QVERIFY(printedCardWidth(window) > 0);
    QCOMPARE(window.statusBar()->currentMessage(), QString());
}

QTEST_MAIN(PrintCalibrationTest)
#include "tst_print_calibration.moc"
