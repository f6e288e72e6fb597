// What the programs print is what they mean: a full stdout is an error, not
// a success; stderr carries the program's own words only, one bounded line
// per message, whatever a file name or a key holds.

#include "plain_text.h"
#include "testsupport.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString err;
    QByteArray out;
};

const QString render = QStringLiteral(LOCHKARTOR_RENDER_BINARY);

QString sample(const char *name)
{
    return QDir(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR"))
        .filePath(QStringLiteral("tests/data/tubes/") + QLatin1String(name));
}

// Runs `program` in `folder` with German texts; stdout goes to `outFile`
// when one is named; `runtime` empty leaves XDG_RUNTIME_DIR unset.
Run run(const QString &program, const QStringList &arguments, const QString &folder,
        const QString &runtime, const QString &outFile = QString())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE", "XDG_RUNTIME_DIR"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder);
    if (!runtime.isEmpty())
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    if (!outFile.isEmpty())
        process.setStandardOutputFile(outFile);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.err = QString::fromUtf8(process.readAllStandardError());
    result.out = process.readAllStandardOutput();
    return result;
}

} // namespace

class PlainOutputTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void quotedTextIsOneBoundedLine();

    void fullStdoutFails_data();
    void fullStdoutFails();

    void noQtWarningWithoutRuntimeFolder_data();
    void noQtWarningWithoutRuntimeFolder();

    void messagesAreBoundedAndPlain_data();
    void messagesAreBoundedAndPlain();

    void invalidPrintCorrectionIsNamed_data();
    void invalidPrintCorrectionIsNamed();

private:
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<QTemporaryDir> m_runtime;
    QString work(const QString &name) const { return m_work->filePath(name); }
};

void PlainOutputTest::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    m_runtime = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid() && m_runtime->isValid());
}

// Whatever it holds, a quote has no line break, no control character, no
// direction mark and at most the quote's length (plus the "…").
void PlainOutputTest::quotedTextIsOneBoundedLine()
{
    QRandomGenerator random(20261211);
    const QList<char16_t> hostile{0x00,   0x07,   0x0a,   0x0d,   0x1b,  0x7f, 0x85, 0x2028, 0x2029,
                                  0x202e, 0x2066, 0xd83d, 0xde00, 0x301, u'a', u'ä', u'„'};
    for (int round = 0; round < 2000; ++round) {
        QString text;
        const int length = round == 0 ? 500000 : int(random.bounded(400));
        for (int i = 0; i < length; ++i)
            text += QChar(hostile.at(int(random.bounded(hostile.size()))));
        const QString quoted = PlainText::quoted(text);
        QVERIFY2(quoted.size() <= PlainText::QuoteLength + 1, qPrintable(QString::number(round)));
        for (const QChar ch : quoted) {
            QVERIFY(ch.category() != QChar::Other_Control);
            QVERIFY(ch != QChar::LineSeparator && ch != QChar::ParagraphSeparator);
            QVERIFY(ch.unicode() != 0x202e && ch.unicode() != 0x2066);
        }
        if (text.size() <= PlainText::QuoteLength / 6 && !text.contains(QChar(0xd83d))
            && !text.contains(QChar(0xde00)))
            QVERIFY2(!quoted.endsWith(QChar(0x2026)), qPrintable(quoted));
    }
    QCOMPARE(PlainText::quoted(QStringLiteral("a\nb\x1b[31mc")), QStringLiteral("a\\nb\\x1b[31mc"));
    QCOMPARE(PlainText::quoted(QStringLiteral("ECC83 ❤️.tds")),
             QStringLiteral("ECC83 ❤️.tds"));
}

void PlainOutputTest::fullStdoutFails_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    const QString window = QStringLiteral(LOCHKARTOR_BINARY);
    const QString pentode = sample("pentode.tds");
    const QString holes = QStringLiteral("I 9 20 II 5");
    QTest::newRow("json") << render << QStringList{QStringLiteral("--json"), pentode};
    QTest::newRow("list") << render << QStringList{QStringLiteral("--list"), pentode};
    QTest::newRow("read holes") << render << QStringList{QStringLiteral("--read-holes"), holes};
    QTest::newRow("read holes as json")
        << render << QStringList{QStringLiteral("--read-holes"), holes, QStringLiteral("--json")};
    QTest::newRow("render help") << render << QStringList{QStringLiteral("--help")};
    QTest::newRow("render version") << render << QStringList{QStringLiteral("--version")};
    QTest::newRow("window help") << window << QStringList{QStringLiteral("--help")};
    QTest::newRow("window version") << window << QStringList{QStringLiteral("--version")};
}

// Printed output lost on a full disk is a failure with its reason, never
// status 0.
void PlainOutputTest::fullStdoutFails()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const Run full
        = run(program, arguments, m_work->path(), m_runtime->path(), QStringLiteral("/dev/full"));
    QCOMPARE(full.exitCode, 1);
    QVERIFY2(full.err.contains(QStringLiteral("Der Datenträger ist voll")), qPrintable(full.err));
    const Run normal = run(program, arguments, m_work->path(), m_runtime->path());
    QVERIFY2(normal.exitCode == 0 || arguments.contains(QStringLiteral("--read-holes")),
             qPrintable(normal.err));
    QVERIFY(!normal.out.isEmpty());
}

void PlainOutputTest::noQtWarningWithoutRuntimeFolder_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    const QString pentode = sample("pentode.tds");
    QTest::newRow("json") << render << QStringList{QStringLiteral("--json"), pentode};
    QTest::newRow("picture") << render
                             << QStringList{QStringLiteral("-o"), QStringLiteral("c.png"), pentode};
    QTest::newRow("pdf") << render
                         << QStringList{QStringLiteral("--pdf"), QStringLiteral("c.pdf"), pentode};
    QTest::newRow("window version")
        << QStringLiteral(LOCHKARTOR_BINARY) << QStringList{QStringLiteral("--version")};
}

// Cron, containers and CI run without XDG_RUNTIME_DIR; stderr then stays
// empty on success all the same.
void PlainOutputTest::noQtWarningWithoutRuntimeFolder()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const QStringList before
        = QDir::temp().entryList({QStringLiteral("lochkartor-runtime-*")}, QDir::Dirs);
    const Run quiet = run(program, arguments, m_work->path(), QString());
    QCOMPARE(quiet.exitCode, 0);
    QCOMPARE(quiet.err, QString());
    // The private runtime folder goes with the program.
    QCOMPARE(QDir::temp().entryList({QStringLiteral("lochkartor-runtime-*")}, QDir::Dirs), before);
}

void PlainOutputTest::messagesAreBoundedAndPlain_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("content"); // of the file "in", when not empty
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString json = QStringLiteral("--read-json");
    const QString image = QStringLiteral("--read-image");
    const QString in = QStringLiteral("in");
    const QString forged = QStringLiteral("nope\nlochkartor-render: alles gut.json");
    const QByteArray spaces(2 << 20, ' ');
    QTest::newRow("forged line in a name")
        << QStringList{json, forged} << QByteArray() << 2
        << QStringLiteral("nope\\nlochkartor-render: alles gut.json: Die Datei existiert nicht.");
    QTest::newRow("escape sequence in a key")
        << QStringList{json, in} << QByteArray("{\"\x1b[2J\": [2]}") << 2
        << QStringLiteral("unbekanntes Feld „\\x1b[2J“");
    QTest::newRow("huge key") << QStringList{json, in}
                              << "{\"" + QByteArray(500000, 'K') + "\": [2]}" << 2
                              << QStringLiteral("unbekanntes Feld „KKKK");
    QTest::newRow("hole number beyond int")
        << QStringList{json, in} << QByteArray("{\"I\": [4294967298]}") << 2
        << QStringLiteral("„4294967298“ ist keine Lochnummer");
    QTest::newRow("hole number 1e10") << QStringList{json, in} << QByteArray("{\"I\": [1e10]}") << 2
                                      << QStringLiteral("ist keine Lochnummer");
    QTest::newRow("json folder") << QStringList{json, QStringLiteral(".")} << QByteArray() << 2
                                 << QStringLiteral(".: Das ist ein Ordner, keine Datei.");
    QTest::newRow("json too large")
        << QStringList{json, in} << "{\"I\": [2], \"x\": \"" + QByteArray(2 << 20, 'x') + "\"}" << 2
        << QStringLiteral("Die Datei ist größer als 1 MiB");
    QTest::newRow("text after the object")
        << QStringList{json, in} << QByteArray("{\"I\":[2]} garbage") << 2
        << QStringLiteral("nach dem JSON-Objekt folgt weiterer Text");
    QTest::newRow("text after megabytes of space")
        << QStringList{json, in} << "{\"I\":[2]}" + spaces + "junk" << 2
        << QStringLiteral("nach dem JSON-Objekt folgt weiterer Text");
    // Read, but no wired line says which socket: the one line that asks.
    QTest::newRow("megabytes of space alone")
        << QStringList{json, in} << "{\"I\":[2]}" + spaces << 1
        << QStringLiteral("die Karte passt zu mehreren Fassungen");
    QTest::newRow("picture folder") << QStringList{image, QStringLiteral(".")} << QByteArray() << 2
                                    << QStringLiteral(".: Das ist ein Ordner, keine Datei.");
    QTest::newRow("tube file as picture")
        << QStringList{image, in} << QByteArray("[format]\nversion=1\n") << 2
        << QStringLiteral("kein Bild in einem unterstützten Format; gelesen werden");
}

// Each message is one line of the program's own words, bounded whatever
// the input holds.
void PlainOutputTest::messagesAreBoundedAndPlain()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, content);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    if (!content.isEmpty())
        QVERIFY(TestSupport::writeAll(work(QStringLiteral("in")), content));
    const Run result = run(render, arguments, m_work->path(), m_runtime->path());
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err.left(400)));
    const QStringList lines = result.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), message.isEmpty() ? 0 : 1);
    for (const QString &line : lines) {
        QVERIFY2(line.size() < 2 * PlainText::QuoteLength + 200, qPrintable(line.left(400)));
        QVERIFY(!line.contains(QChar(0x1b)));
        QVERIFY(line.startsWith(QStringLiteral("lochkartor-render: ")));
    }
    if (message.contains(QStringLiteral("ist keine Lochnummer")))
        QVERIFY(result.out.isEmpty());
}

void PlainOutputTest::invalidPrintCorrectionIsNamed_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("named");
    QTest::newRow("valid") << QByteArray("1.02") << QStringList() << false;
    QTest::newRow("beyond a measurement") << QByteArray("1.08") << QStringList() << true;
    QTest::newRow("not a number") << QByteArray("nan") << QStringList() << true;
    QTest::newRow("decimal comma") << QByteArray("\"1,02\"") << QStringList() << true;
    QTest::newRow("left out") << QByteArray("1.08")
                              << QStringList{QStringLiteral("--no-calibration")} << false;
}

// A correction edited by hand into something no measurement gives is not
// used, and --pdf says so once; the PDF is still written.
void PlainOutputTest::invalidPrintCorrectionIsNamed()
{
    QFETCH(QByteArray, stored);
    QFETCH(QStringList, options);
    QFETCH(bool, named);
    QVERIFY(QDir(m_work->path()).mkpath(QStringLiteral("Lochkartor")));
    QVERIFY(TestSupport::writeAll(work(QStringLiteral("Lochkartor/lochkartor.conf")),
                                  "[printCalibration]\nx=" + stored + "\ny=0.99\n"));
    const Run result = run(render,
                           QStringList{QStringLiteral("--pdf"), QStringLiteral("c.pdf"),
                                       sample("pentode.tds"), sample("triode.tds")}
                               + options,
                           m_work->path(), m_runtime->path());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err,
             named ? QStringLiteral("lochkartor-render: Warnung: Die gespeicherte Druckkorrektur "
                                    "ist ungültig und wird nicht verwendet.\n")
                   : QString());
    QVERIFY(QFileInfo(work(QStringLiteral("c.pdf"))).size() > 0);
}

QTEST_MAIN(PlainOutputTest)
#include "tst_plain_output.moc"
