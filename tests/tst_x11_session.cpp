// Starts the real program in a real X server (Xvfb) with a laptop's
// 1280 x 720 screen and drives it with xdotool, the way a user would: types
// a tube name and saves the card through the real question about the red
// checks and the real "Karte speichern" file dialog, then checks the
// picture; opens a file from the command line, changes it and quits, and
// cancels the question that follows; reads a card from a scan through the
// read dialog, which stays on the screen with its buttons and confirms with
// Enter.

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <utility>

class X11SessionTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void typeNameAndSaveCardThroughDialog();
    void quitWithUnsavedChangesAsks();
    void windowOpensAsTheScreenAllows_data();
    void windowOpensAsTheScreenAllows();
    void readDialogFitsTheScreen();

private:
    QString startServer(QProcess &server, const QSize &screen);
    void startProgram(const QStringList &arguments);
    void stopProgram();
    QSize windowSize(const QString &window);
    QString runXdotool(const QStringList &arguments, int timeoutMs = 5000);
    QString waitForWindow(const QString &namePattern, int timeoutMs);

    QTemporaryDir m_home;
    QProcess m_server;
    QProcess m_program;
    QString m_display;
};

void X11SessionTest::initTestCase()
{
    for (const char *tool : {"Xvfb", "xdotool"}) {
        QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                 qPrintable(QStringLiteral("%1 is not installed (scripts/install-deps.sh "
                                           "installs it)")
                                .arg(QLatin1String(tool))));
    }
    QVERIFY(m_home.isValid());
    m_display = startServer(m_server, QSize(1280, 720));
    QVERIFY(!m_display.isEmpty());
}

// The display of a new Xvfb with a screen of `screen`, or an empty string.
QString X11SessionTest::startServer(QProcess &server, const QSize &screen)
{
    // Xvfb picks a free display itself and writes its number to stdout. It
    // must not reset when the last program leaves: the next one, started
    // during the reset, could not connect and would abort.
    server.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"),
                  QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                  QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!server.waitForStarted(5000)) {
        qWarning("Xvfb did not start");
        return QString();
    }
    QElapsedTimer timer;
    timer.start();
    while (!server.canReadLine() && timer.elapsed() < 10000)
        server.waitForReadyRead(200);
    const QByteArray number = server.readLine().trimmed();
    if (number.isEmpty()) {
        qWarning("Xvfb did not report its display within 10 s");
        return QString();
    }
    return QStringLiteral(":") + QString::fromLatin1(number);
}

void X11SessionTest::cleanupTestCase()
{
    for (QProcess *process : {&m_program, &m_server}) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(3000))
                process->kill();
            process->waitForFinished(3000);
        }
    }
}

QString X11SessionTest::runXdotool(const QStringList &arguments, int timeoutMs)
{
    QProcess xdotool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    xdotool.setProcessEnvironment(environment);
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(timeoutMs)) {
        xdotool.kill();
        xdotool.waitForFinished(1000);
        return QString();
    }
    return QString::fromLocal8Bit(xdotool.readAllStandardOutput()).trimmed();
}

QString X11SessionTest::waitForWindow(const QString &namePattern, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        const QString ids = runXdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), namePattern});
        if (!ids.isEmpty())
            return ids.split(QLatin1Char('\n')).last();
        QTest::qWait(200);
    }
    // What the server shows instead, and whether the program still runs, so
    // that a failure here says why.
    QStringList shown;
    const QString ids = runXdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                    QStringLiteral("--name"), QStringLiteral(".")});
    for (const QString &id : ids.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        shown << runXdotool({QStringLiteral("getwindowname"), id});
    qInfo().noquote() << "windows shown:" << shown.join(QStringLiteral(" | ")) << "\nprogram:"
                      << (m_program.state() == QProcess::NotRunning
                              ? QStringLiteral("ended, status %1").arg(m_program.exitCode())
                              : QStringLiteral("running"))
                      << "\nits errors:"
                      << QString::fromLocal8Bit(m_program.readAllStandardError());
    return QString();
}

void X11SessionTest::startProgram(const QStringList &arguments)
{
    const QString runtime = m_home.filePath(QStringLiteral("runtime"));
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), m_display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.remove(QStringLiteral("LC_ALL"));
    m_program.setProcessEnvironment(environment);
    m_program.setWorkingDirectory(m_home.path());
    m_program.start(QStringLiteral(LOCHKARTOR_BINARY), arguments);
    QVERIFY2(m_program.waitForStarted(5000), "the program did not start");
}

void X11SessionTest::stopProgram()
{
    m_program.terminate();
    QVERIFY(m_program.waitForFinished(5000));
    const QString errors = QString::fromLocal8Bit(m_program.readAllStandardError());
    QVERIFY2(errors.trimmed().isEmpty(),
             qPrintable(QStringLiteral("console not clean:\n") + errors));
}

QSize X11SessionTest::windowSize(const QString &window)
{
    const QStringList size
        = runXdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window})
              .split(QLatin1Char('\n'));
    QSize result;
    for (const QString &line : size) {
        if (line.startsWith(QLatin1String("WIDTH=")))
            result.setWidth(line.mid(6).toInt());
        if (line.startsWith(QLatin1String("HEIGHT=")))
            result.setHeight(line.mid(7).toInt());
    }
    return result;
}

void X11SessionTest::typeNameAndSaveCardThroughDialog()
{
    startProgram({});
    const QString window = waitForWindow(QStringLiteral("^Unbenannt .* Lochkartor$"), 30000);
    QVERIFY2(!window.isEmpty(),
             qPrintable(QStringLiteral("no window titled \"Unbenannt – Lochkartor\" appeared "
                                       "within 10 s; the program %1:\n%2")
                            .arg(m_program.state() == QProcess::Running
                                     ? QStringLiteral("still runs")
                                     : QStringLiteral("ended with %1").arg(m_program.exitCode()),
                                 QString::fromLocal8Bit(m_program.readAllStandardError()))));
    // The whole window fits the screen; the form scrolls inside it.
    const QSize size = windowSize(window);
    QVERIFY2(size.isValid() && size.width() <= 1280 && size.height() <= 720,
             qPrintable(QStringLiteral("window of %1 x %2 on a 1280 x 720 screen")
                            .arg(size.width())
                            .arg(size.height())));
    runXdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    QTest::qWait(300);

    // Focus starts in the tube name; the save button lies four steps back in
    // the tab chain (created card view, universal card view, print button).
    runXdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"),
                QStringLiteral("EL84X")});
    for (int i = 0; i < 4; ++i)
        runXdotool({QStringLiteral("key"), QStringLiteral("shift+Tab")});
    runXdotool({QStringLiteral("key"), QStringLiteral("space")});

    // The new tube's checks are red: the program asks once, in German down to
    // the buttons ("&Ja"), whether to save anyway.
    const QString question = waitForWindow(QStringLiteral("ltigkeitspr"), 30000);
    QVERIFY2(!question.isEmpty(), "the question about the red checks did not appear");
    runXdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), question});
    QTest::qWait(300);
    runXdotool({QStringLiteral("key"), QStringLiteral("alt+j")});

    const QString dialog = waitForWindow(QStringLiteral("Karte als Bild speichern"), 30000);
    QVERIFY2(!dialog.isEmpty(), "the file dialog \"Karte als Bild speichern\" did not appear");
    runXdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), dialog});
    QTest::qWait(300);
    const QString picture = m_home.filePath(QStringLiteral("card.png"));
    runXdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    runXdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("10"), picture});
    runXdotool({QStringLiteral("key"), QStringLiteral("Return")});

    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(picture), 10000);
    QTest::qWait(300); // let the writer finish and rename
    QImage image;
    QTRY_VERIFY_WITH_TIMEOUT(image.load(picture), 5000);
    QCOMPARE(image.size(), QSize(927, 700));

    // The name stands at (100, 310) in 50 pt; the blank card is white there.
    int dark = 0;
    for (int y = 320; y < 380; ++y) {
        for (int x = 100; x < 400; ++x) {
            if (qGray(image.pixel(x, y)) < 100)
                ++dark;
        }
    }
    QVERIFY2(dark > 500, qPrintable(QStringLiteral("only %1 dark pixels where the name "
                                                   "should be")
                                        .arg(dark)));

    stopProgram();
}

// Ctrl+Q on a changed file asks first; "Abbrechen" keeps the window open
// with the change.
void X11SessionTest::quitWithUnsavedChangesAsks()
{
    const QString file = m_home.filePath(QStringLiteral("pentode.tds"));
    QVERIFY(QFile::copy(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR")
                            + QStringLiteral("/tests/data/tubes/pentode.tds"),
                        file));
    startProgram({file});
    const QString window = waitForWindow(QStringLiteral("^pentode\\.tds .* Lochkartor$"), 30000);
    QVERIFY2(!window.isEmpty(), "no window titled \"pentode.tds – Lochkartor\" appeared");
    runXdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    QTest::qWait(300);
    runXdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("30"),
                QStringLiteral("X")});
    QTRY_COMPARE_WITH_TIMEOUT(runXdotool({QStringLiteral("getwindowname"), window}),
                              QStringLiteral("pentode.tds* – Lochkartor"), 5000);

    runXdotool({QStringLiteral("key"), QStringLiteral("ctrl+q")});
    const QString question = waitForWindow(QStringLiteral("^Ungespeicherte .*nderungen$"), 30000);
    QVERIFY2(!question.isEmpty(), "Ctrl+Q closed a changed window without asking");
    runXdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), question});
    QTest::qWait(300);
    runXdotool({QStringLiteral("key"), QStringLiteral("Escape")}); // "Abbrechen"

    QTRY_VERIFY_WITH_TIMEOUT(
        waitForWindow(QStringLiteral("^Ungespeicherte .*nderungen$"), 200).isEmpty(), 5000);
    QTest::qWait(500);
    QCOMPARE(m_program.state(), QProcess::Running);
    QCOMPARE(runXdotool({QStringLiteral("getwindowname"), window}),
             QStringLiteral("pentode.tds* – Lochkartor"));
    stopProgram();
}

void X11SessionTest::windowOpensAsTheScreenAllows_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<bool>("roomy"); // the whole form fits on the screen

    QTest::newRow("1280 x 720") << QSize(1280, 720) << false;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << true;
}

// On a small screen the window takes the screen and the form scrolls; on a
// large one it opens at the form's own size, smaller than the screen, so no
// scroll bar is needed.
void X11SessionTest::windowOpensAsTheScreenAllows()
{
    QFETCH(QSize, screen);
    QFETCH(bool, roomy);

    QProcess server;
    const QString display = startServer(server, screen);
    QVERIFY(!display.isEmpty());
    const QString usual = std::exchange(m_display, display);
    const auto restore = qScopeGuard([&] {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished(3000);
        }
        m_display = usual;
        server.terminate();
        server.waitForFinished(3000);
    });

    startProgram({});
    const QString window = waitForWindow(QStringLiteral("^Unbenannt .* Lochkartor$"), 30000);
    QVERIFY(!window.isEmpty());
    const QSize size = windowSize(window);
    const QString shown = QStringLiteral("window of %1 x %2 on a %3 x %4 screen")
                              .arg(size.width())
                              .arg(size.height())
                              .arg(screen.width())
                              .arg(screen.height());
    QVERIFY2(size.width() <= screen.width() && size.height() <= screen.height(), qPrintable(shown));
    if (roomy) {
        // Smaller than the room the screen leaves: the window was not cut.
        QVERIFY2(size.width() < screen.width() - 100 && size.height() < screen.height() - 60,
                 qPrintable(shown));
        QVERIFY2(size.width() > 1000 && size.height() > 800, qPrintable(shown));
    } else {
        // The form is taller than this screen: the window takes its height.
        QVERIFY2(size.height() > screen.height() - 100, qPrintable(shown));
    }
    stopProgram();
}

// "Datei → Karte einlesen…", then "Aus Bild der Karte…" with a scan: the
// dialog grows to show the card beside the report, but stays on the
// 1280 x 720 screen, and Enter takes the card into the form.
void X11SessionTest::readDialogFitsTheScreen()
{
    const QString scan = m_home.filePath(QStringLiteral("scan.jpg"));
    QFile::remove(scan);
    QVERIFY(QFile::copy(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR")
                            + QStringLiteral("/docs/scan-example.jpg"),
                        scan));
    startProgram({});
    const QString window = waitForWindow(QStringLiteral("^Unbenannt .* Lochkartor$"), 30000);
    QVERIFY2(!window.isEmpty(), "no window titled \"Unbenannt – Lochkartor\" appeared");
    runXdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    QTest::qWait(300);
    runXdotool({QStringLiteral("key"), QStringLiteral("alt+d")});
    QTest::qWait(300);
    runXdotool({QStringLiteral("key"), QStringLiteral("e")});
    const QString dialog = waitForWindow(QStringLiteral("^Karte einlesen$"), 30000);
    QVERIFY2(!dialog.isEmpty(), "the dialog \"Karte einlesen\" did not appear");
    runXdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), dialog});
    QTest::qWait(300);
    // Field I, field II, the socket, "Aus JSON-Datei…", "Aus Bild der Karte…".
    for (int i = 0; i < 4; ++i)
        runXdotool({QStringLiteral("key"), QStringLiteral("Tab")});
    runXdotool({QStringLiteral("key"), QStringLiteral("space")});
    const QString chooser = waitForWindow(QStringLiteral("Karte aus einem Bild lesen"), 30000);
    QVERIFY2(!chooser.isEmpty(), "the file dialog \"Karte aus einem Bild lesen\" did not appear");
    runXdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), chooser});
    QTest::qWait(300);
    runXdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    runXdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("10"), scan});
    runXdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QTRY_VERIFY_WITH_TIMEOUT(
        waitForWindow(QStringLiteral("Karte aus einem Bild lesen"), 200).isEmpty(), 10000);
    // The picture is read and the dialog grows; under the sanitizers reading
    // the picture with its texts takes seconds, so wait for the growth.
    const auto dialogFrame = [this, &dialog] {
        QRect frame;
        for (const QString &line :
             runXdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), dialog})
                 .split(QLatin1Char('\n'))) {
            const int value = line.section(QLatin1Char('='), 1).toInt();
            if (line.startsWith(QLatin1String("X=")))
                frame.moveLeft(value);
            else if (line.startsWith(QLatin1String("Y=")))
                frame.moveTop(value);
            else if (line.startsWith(QLatin1String("WIDTH=")))
                frame.setWidth(value);
            else if (line.startsWith(QLatin1String("HEIGHT=")))
                frame.setHeight(value);
        }
        return frame;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(dialogFrame().width() > 720,
                              "the dialog did not grow to show the card", 30000);
    QTest::qWait(300); // the window manager places the grown dialog
    const QRect frame = dialogFrame();
    QVERIFY2(frame.isValid() && QRect(0, 0, 1280, 720).contains(frame),
             qPrintable(QStringLiteral("read dialog at %1, %2, %3 x %4 on a 1280 x 720 screen")
                            .arg(frame.x())
                            .arg(frame.y())
                            .arg(frame.width())
                            .arg(frame.height())));

    runXdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), dialog});
    QTest::qWait(300);
    runXdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QTRY_VERIFY_WITH_TIMEOUT(waitForWindow(QStringLiteral("^Karte einlesen$"), 200).isEmpty(),
                             10000);
    QTRY_COMPARE_WITH_TIMEOUT(runXdotool({QStringLiteral("getwindowname"), window}),
                              QStringLiteral("Unbenannt* – Lochkartor"), 5000);
    stopProgram();
}

QTEST_GUILESS_MAIN(X11SessionTest)
#include "tst_x11_session.moc"
