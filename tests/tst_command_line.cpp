// The command line of both programs as a shell sees it: --version prints the
// project's version, --help the German texts, a bad option is a usage error
// (status 2, nothing on stdout), and every option the help names is known.

#include "program_run.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString binary(const QString &program)
{
    return program == QLatin1String("render") ? QStringLiteral(LOCHKARTOR_RENDER_BINARY)
                                              : QStringLiteral(LOCHKARTOR_BINARY);
}

QString name(const QString &program)
{
    return program == QLatin1String("render") ? QStringLiteral("lochkartor-render")
                                              : QStringLiteral("lochkartor");
}

TestSupport::ProgramRun run(const QString &program, const QStringList &arguments)
{
    QTemporaryDir directory;
    return TestSupport::runProgram(binary(program), arguments, directory.path(), directory.path());
}

// The options a help text names, each once.
QStringList optionsIn(const QString &help)
{
    QStringList options;
    const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));
    for (const QRegularExpressionMatch &match : option.globalMatch(help)) {
        if (!options.contains(match.captured()))
            options << match.captured();
    }
    return options;
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void versionWithoutDisplay();
    void helpNamesOnlyKnownOptions_data();
    void helpNamesOnlyKnownOptions();
};

void CommandLineTest::answers_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("outHas"); // "=text": stdout is exactly text
    QTest::addColumn<QString>("errStart");

    const QString version = QStringLiteral(LOCHKARTOR_PROJECT_VERSION);
    for (const QString program : {"render", "window"}) {
        const QString line
            = QStringLiteral("=") + name(program) + QLatin1Char(' ') + version + QLatin1Char('\n');
        const QByteArray row = program.toLatin1() + ' ';
        QTest::newRow(row + "--version")
            << program << QStringList{"--version"} << 0 << QStringList{line} << QString();
        QTest::newRow(row + "-v") << program << QStringList{"-v"} << 0 << QStringList{line}
                                  << QString();
        QTest::newRow(row + "unknown option")
            << program << QStringList{"--bogus"} << 2 << QStringList{"="}
            << name(program) + QStringLiteral(": ");
    }
    QTest::newRow("window: Qt's own options are Qt's")
        << "window" << QStringList{"-style", "fusion", "--version"} << 0
        << QStringList{"=lochkartor " + version + "\n"} << QString();
    QTest::newRow("render --help") << "render" << QStringList{"--help"} << 0
                                   << QStringList{"Aufruf: lochkartor-render",
                                                  "Lädt jede Röhrendatei",
                                                  "--version",
                                                  "  --out-dir DIR ",
                                                  "  --pdf KARTEN.pdf ",
                                                  "je Datei ein Bild, benannt nach der Datei"}
                                   << QString();
    QTest::newRow("window --help")
        << "window" << QStringList{"-h"} << 0
        << QStringList{"lochkartor [", "[DATEI.tds]",
                       "Entwirft die Lochkarten eines kartengesteuerten Röhrenprüfers.",
                       "--version", "die Röhrendatei, die geöffnet wird"}
        << QString();
    QTest::newRow("window: two files")
        << "window" << QStringList{"a.tds", "b.tds"} << 2 << QStringList{"="}
        << "lochkartor: nur eine Röhrendatei, nicht 2";
    QTest::newRow("render: unknown option as written")
        << "render" << QStringList{"-pdf", "a.tds"} << 2 << QStringList{"="}
        << "lochkartor-render: unbekannte Option -pdf\n";
    QTest::newRow("render: value after a switch")
        << "render" << QStringList{"--json=yes", "a.tds"} << 2 << QStringList{"="}
        << "lochkartor-render: --json nimmt keinen Wert\n";
    QTest::newRow("render: value missing at the end")
        << "render" << QStringList{"--read-holes"} << 2 << QStringList{"="}
        << "lochkartor-render: --read-holes braucht einen Wert\n";
    QTest::newRow("render: empty name after =")
        << "render" << QStringList{"--out-dir=", "a.tds"} << 2 << QStringList{"="}
        << "lochkartor-render: --out-dir braucht einen Namen\n";
    // After "--" every argument is a file, even one that looks like an option.
    QTest::newRow("render: file after --")
        << "render" << QStringList{"--", "-x.tds"} << 1 << QStringList{"="} << "-x.tds: ";
}

void CommandLineTest::answers()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QStringList, outHas);
    QFETCH(QString, errStart);

    const TestSupport::ProgramRun result = run(program, arguments);

    QCOMPARE(result.exitCode, status);
    for (const QString &text : outHas) {
        if (text.startsWith(QLatin1Char('=')))
            QCOMPARE(result.out, text.mid(1));
        else
            QVERIFY2(result.out.contains(text),
                     qPrintable(text + QStringLiteral(" in:\n") + result.out));
    }
    if (errStart.isEmpty())
        QCOMPARE(result.err, QString());
    else
        QVERIFY2(result.err.startsWith(errStart), qPrintable(result.err));
}

// Asked for its version, the window program needs no display: a package
// build or a shell over ssh has none.
void CommandLineTest::versionWithoutDisplay()
{
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(variable));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(binary(QStringLiteral("window")), {QStringLiteral("--version")});
    QVERIFY(process.waitForFinished(60000));

    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
             QStringLiteral("lochkartor " LOCHKARTOR_PROJECT_VERSION "\n"));
    QCOMPARE(process.readAllStandardError(), QByteArray());
}

void CommandLineTest::helpNamesOnlyKnownOptions_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("render") << "render";
    QTest::newRow("window") << "window";
}

// The help and the parser agree: no option of the help is unknown, and the
// help names every option the programs are documented to take.
void CommandLineTest::helpNamesOnlyKnownOptions()
{
    QFETCH(QString, program);
    const QStringList options = optionsIn(run(program, {QStringLiteral("--help")}).out);
    QVERIFY(options.contains(QStringLiteral("--help")));
    QVERIFY(options.contains(QStringLiteral("--version")));
    for (const QString &option : options) {
        const TestSupport::ProgramRun result = run(program, {option, QStringLiteral("--version")});
        const bool unknown = result.err.contains(QStringLiteral("nbekannte Option"))
                             || result.err.contains(QStringLiteral("Unknown option"));
        QVERIFY2(!unknown, qPrintable(option + QStringLiteral(": ") + result.err));
    }
}

QTEST_MAIN(CommandLineTest)
#include "tst_command_line.moc"
