// Every output of the renderer and of the window aimed at what it must not
// replace: an input of the run, a file of another kind, a pipe, a device, a
// folder, links that lead nowhere or in a circle, and a link another user
// planted in a shared folder. Each is refused in words that name the file,
// and nothing in the folder changes; a free name as long as the file system
// allows is written. Then the file messages that must give the true reason,
// and the standard output as a target.

#include "dialogs.h"
#include "lochkartor.h"
#include "program_run.h"
#include "testsupport_window.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

enum class Output { Picture, OutDir, Pdf, ReadTubeFile, SavePicture, PrintPdf, SaveTubeFile };
enum class Hostile {
    Free,
    Input,
    OtherKind,
    TdsAsPdf,
    Fifo,
    Null,
    Full,
    Folder,
    Dangling,
    Loop,
    Foreign
};

struct OutputKind
{
    Output output;
    const char *name;
    const char *target; // in the test's folder
    const char *notIt;  // the refusal of a file of another kind
};

const OutputKind outputs[] = {
    {Output::Picture, "-o", "card.png", "kein Bild im Format PNG"},
    {Output::OutDir, "--out-dir", "cards/tube.png", "kein Bild im Format PNG"},
    {Output::Pdf, "--pdf", "cards.pdf", "keine PDF-Datei"},
    {Output::ReadTubeFile, "--read-json -o", "out.tds", "keine Röhrendatei"},
    {Output::SavePicture, "Karte speichern", "card.png", "kein Bild im Format PNG"},
    {Output::PrintPdf, "Karte drucken als PDF", "card.pdf", "keine PDF-Datei"},
    {Output::SaveTubeFile, "Daten speichern", "out.tds", "keine Röhrendatei"},
};

struct HostileKind
{
    Hostile hostile;
    const char *name;
    const char *reason; // nullptr: the output's own `notIt`
};

const HostileKind hostiles[] = {
    {Hostile::Free, "a free name of 255 bytes", ""},
    {Hostile::Input, "an input of the run", "in diesem Lauf gelesen"},
    {Hostile::OtherKind, "a file of another kind", nullptr},
    {Hostile::TdsAsPdf, "a tube file as PDF target", "ersetzt keine Röhrendatei (.tds)"},
    {Hostile::Fifo, "a FIFO", "Pipe (FIFO)"},
    {Hostile::Null, "/dev/null", "ein Gerät"},
    {Hostile::Full, "/dev/full", "ein Gerät"},
    {Hostile::Folder, "a folder", "Ordner"},
    {Hostile::Dangling, "a dangling chain of links", "zeigt auf eine Datei, die es nicht gibt"},
    {Hostile::Loop, "a loop of links", "Schleife"},
    {Hostile::Foreign, "another user's link in a sticky folder", "anderen Benutzer"},
};

bool isWindow(Output output)
{
    return output >= Output::SavePicture;
}

// Only the renderer has inputs of its own; only --pdf takes a name ending in .tds.
bool applies(Output output, Hostile hostile)
{
    if (hostile == Hostile::Input)
        return !isWindow(output);
    if (hostile == Hostile::TdsAsPdf)
        return output == Output::Pdf;
    return true;
}

// Every entry below `folder`, links and special files as themselves, the
// content of ordinary files by its hash.
QStringList snapshot(const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat st;
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
            continue;
        QString entry = QStringLiteral("%1 %2 %3 %4")
                            .arg(path.mid(folder.size()))
                            .arg(st.st_mode, 0, 8)
                            .arg(st.st_uid)
                            .arg(st.st_rdev);
        if (S_ISLNK(st.st_mode))
            entry += QStringLiteral(" -> ") + QFile::symLinkTarget(path);
        if (S_ISREG(st.st_mode))
            entry += QLatin1Char(' ')
                     + QString::fromLatin1(QCryptographicHash::hash(TestSupport::readAll(path),
                                                                    QCryptographicHash::Sha256)
                                               .toHex());
        entries << entry;
    }
    entries.sort();
    return entries;
}

bool makeLink(const QString &target, const QString &link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData())
           == 0;
}

// A device like /dev/null or /dev/full in the test's folder, so that a
// failing write can only harm a copy; without root, the real one.
bool makeDevice(const QString &path, unsigned minor, const char *real)
{
    if (geteuid() != 0)
        return makeLink(QLatin1String(real), path);
    return ::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, minor)) == 0;
}

} // namespace

Q_DECLARE_METATYPE(Output)
Q_DECLARE_METATYPE(Hostile)

class HostileTargetsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void hostileTargetsAreRefused_data();
    void hostileTargetsAreRefused();
    void fileMessagesGiveTheTrueReason_data();
    void fileMessagesGiveTheTrueReason();
    void standardOutput_data();
    void standardOutput();

private:
    QString work(const QString &name) const { return m_work->filePath(name); }
    // Makes the hostile thing at `target`; returns the name the output is
    // given, or an empty string when this machine cannot make it.
    QString prepare(Hostile hostile, Output output, const QString &target);
    // Runs the output to `target`: whether it succeeded, and what it said.
    std::pair<int, QString> write(Output output, const QString &target);

    QString m_triode;
    QByteArray m_holesJson;
    QTemporaryDir m_runtime;
    std::unique_ptr<QTemporaryDir> m_work;
};

void HostileTargetsTest::initTestCase()
{
    const QString source = qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR");
    QVERIFY2(!source.isEmpty(), "LOCHKARTOR_SOURCE_DIR is not set; run the test through ctest");
    m_triode = QDir(source).filePath(QStringLiteral("tests/data/tubes/triode.tds"));
    QVERIFY(m_runtime.isValid());
    // The holes of the triode's card, as --read-json takes them.
    QProcess render;
    render.start(QStringLiteral(LOCHKARTOR_RENDER_BINARY), {QStringLiteral("--json"), m_triode});
    QVERIFY(render.waitForFinished(60000));
    const QJsonObject card = QJsonDocument::fromJson(render.readAllStandardOutput()).object();
    m_holesJson = QJsonDocument(card.value(QStringLiteral("holes")).toObject()).toJson();
    QVERIFY(m_holesJson.contains("\"I\""));
    TestSupport::isolateSettings();
    Dialogs::Script::begin();
}

void HostileTargetsTest::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    QVERIFY(QFile::copy(m_triode, work(QStringLiteral("tube.tds"))));
    QVERIFY(TestSupport::writeAll(work(QStringLiteral("holes.json")), m_holesJson));
    QVERIFY(QDir(m_work->path()).mkdir(QStringLiteral("cards")));
    Dialogs::Script::clearRecords();
}

void HostileTargetsTest::cleanup()
{
    m_work.reset();
}

QString HostileTargetsTest::prepare(Hostile hostile, Output output, const QString &target)
{
    const QString input = work(output == Output::ReadTubeFile ? QStringLiteral("holes.json")
                                                              : QStringLiteral("tube.tds"));
    switch (hostile) {
    case Hostile::Free: // the longest the file system takes; the temporary file must fit too
        return output == Output::OutDir ? target
                                        : work(QString(251, QLatin1Char('n')) + QLatin1Char('.')
                                               + QFileInfo(target).suffix());
    case Hostile::Input:
        return makeLink(input, target) ? target : QString();
    case Hostile::OtherKind:
        return TestSupport::writeAll(target, "Dear tester,\nplease punch my card.\n") ? target
                                                                                      : QString();
    case Hostile::TdsAsPdf:
        return QFile::copy(m_triode, work(QStringLiteral("first.tds")))
                   ? work(QStringLiteral("first.tds"))
                   : QString();
    case Hostile::Fifo:
        return ::mkfifo(QFile::encodeName(target).constData(), 0644) == 0 ? target : QString();
    case Hostile::Null:
        return makeDevice(target, 3, "/dev/null") ? target : QString();
    case Hostile::Full:
        return makeDevice(target, 7, "/dev/full") ? target : QString();
    case Hostile::Folder:
        return QDir().mkdir(target) ? target : QString();
    case Hostile::Dangling:
        return makeLink(work(QStringLiteral("second")), target)
                       && makeLink(QStringLiteral("missing"), work(QStringLiteral("second")))
                   ? target
                   : QString();
    case Hostile::Loop:
        return makeLink(work(QStringLiteral("back")), target)
                       && makeLink(target, work(QStringLiteral("back")))
                   ? target
                   : QString();
    case Hostile::Foreign: {
        // A file of the right kind, reached through a link that user 65534
        // made in a shared folder: only root can give a link away.
        const QString shared = work(QStringLiteral("shared"));
        const QString link = QDir(shared).filePath(QFileInfo(target).fileName());
        const QString victim = work(QStringLiteral("victim"));
        const QByteArray kind
            = target.endsWith(QLatin1String(".tds"))   ? TestSupport::readAll(m_triode)
              : target.endsWith(QLatin1String(".pdf")) ? QByteArray("%PDF-1.4 victim")
                                                       : QByteArray("\x89PNG\r\n\x1a\n victim", 15);
        if (geteuid() != 0 || !QDir().mkdir(shared)
            || ::chmod(QFile::encodeName(shared), 01777) != 0
            || !TestSupport::writeAll(victim, kind))
            return QString();
        if (!makeLink(victim, link)
            || ::lchown(QFile::encodeName(link).constData(), 65534, 65534) != 0)
            return QString();
        return link;
    }
    }
    return QString();
}

std::pair<int, QString> HostileTargetsTest::write(Output output, const QString &target)
{
    Lochkartor window;
    QPrinter printer(QPrinter::HighResolution);
    const QString relative = QDir(m_work->path()).relativeFilePath(target);
    QStringList arguments;
    switch (output) {
    case Output::Picture:
        arguments = {QStringLiteral("-o"), relative, QStringLiteral("tube.tds")};
        break;
    case Output::OutDir:
        arguments
            = {QStringLiteral("--out-dir"), QFileInfo(relative).path(), QStringLiteral("tube.tds")};
        break;
    case Output::Pdf:
        arguments = {QStringLiteral("--pdf"), relative, QStringLiteral("tube.tds")};
        break;
    case Output::ReadTubeFile:
        // The triode's socket: the card alone fits several, which exits 1.
        arguments = {QStringLiteral("--read-json"), QStringLiteral("holes.json"),
                     QStringLiteral("--socket"),    QStringLiteral("11"),
                     QStringLiteral("-o"),          relative};
        break;
    case Output::SavePicture:
        return {window.saveCardImage(target) ? 0 : 1, Dialogs::Script::messages().value(0).text};
    case Output::PrintPdf:
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        return {window.printCard(&printer) ? 0 : 1, Dialogs::Script::messages().value(0).text};
    case Output::SaveTubeFile:
        return {window.saveTubeData(target) ? 0 : 1, Dialogs::Script::messages().value(0).text};
    }
    const TestSupport::ProgramRun run = TestSupport::runProgram(
        QStringLiteral(LOCHKARTOR_RENDER_BINARY), arguments, m_work->path(), m_runtime.path());
    return {run.exitCode, run.err};
}

void HostileTargetsTest::hostileTargetsAreRefused_data()
{
    QTest::addColumn<Output>("output");
    QTest::addColumn<Hostile>("hostile");
    QTest::addColumn<QString>("reason");
    for (const HostileKind &hostile : hostiles) {
        for (const OutputKind &output : outputs) {
            if (applies(output.output, hostile.hostile))
                QTest::addRow("%s, %s", hostile.name, output.name)
                    << output.output << hostile.hostile
                    << QString::fromUtf8(hostile.reason ? hostile.reason : output.notIt);
        }
    }
}

void HostileTargetsTest::hostileTargetsAreRefused()
{
    QFETCH(Output, output);
    QFETCH(Hostile, hostile);
    QFETCH(QString, reason);
    const OutputKind &kind = outputs[int(output)];
    const QString target = prepare(hostile, output, work(QString::fromLatin1(kind.target)));
    if (target.isEmpty())
        QSKIP("this machine or user cannot make that target");
    const QStringList before = snapshot(m_work->path());
    const QString real = hostile == Hostile::Null   ? QStringLiteral("/dev/null")
                         : hostile == Hostile::Full ? QStringLiteral("/dev/full")
                                                    : QString();

    const auto [status, message] = write(output, target);

    if (hostile == Hostile::Free) {
        QVERIFY2(status == 0, qPrintable(message));
        QVERIFY(QFileInfo(target).size() > 0);
        return;
    }
    QVERIFY2(status == 1, qPrintable(QStringLiteral("%1: %2").arg(status).arg(message)));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QVERIFY2(message.contains(QFileInfo(target).fileName()), qPrintable(message));
    QCOMPARE(message.count(QLatin1Char('\n')), 1); // one line, or the window's two
    QCOMPARE(snapshot(m_work->path()), before);
    if (!real.isEmpty())
        QVERIFY(QFileInfo(real).exists() && !QFileInfo(real).isFile());
}

void HostileTargetsTest::fileMessagesGiveTheTrueReason_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("expected");
    const bool root = geteuid() == 0;
    QTest::newRow("a folder that takes no files")
        << "proc"
        << (root ? "In diesem Ordner lassen sich keine Dateien anlegen."
                 : "Keine Schreibberechtigung für den Ordner");
    QTest::newRow("a writable file in a locked folder")
        << "locked folder"
        << "Keine Schreibberechtigung für den Ordner, in dem die Datei liegt.";
    QTest::newRow("a write-only tube file")
        << "write-only"
        << "Die vorhandene Datei kann nicht gelesen werden: Keine Berechtigung.";
    QTest::newRow("loading a loop of links")
        << "load loop"
        << "Die symbolischen Verknüpfungen bilden eine Schleife";
    QTest::newRow("loading a dangling link")
        << "load dangling"
        << "Die symbolische Verknüpfung zeigt auf eine Datei, die es nicht gibt.";
}

void HostileTargetsTest::fileMessagesGiveTheTrueReason()
{
    QFETCH(QString, scenario);
    QFETCH(QString, expected);
    const QString folder = work(QStringLiteral("folder"));
    const QString tube = QDir(folder).filePath(QStringLiteral("tube.tds"));
    QVERIFY(QDir().mkdir(folder));
    QVERIFY(QFile::copy(m_triode, tube));
    Lochkartor window;
    bool done = false;
    if (scenario == QLatin1String("proc")) {
        done = window.saveTubeData(QStringLiteral("/proc/x.tds"));
    } else if (scenario == QLatin1String("locked folder")) {
        // Root passes every permission; an immutable folder stops it too.
        const bool locked
            = geteuid() == 0
                  ? QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0
                  : ::chmod(QFile::encodeName(folder), 0555) == 0;
        if (!locked)
            QSKIP("this machine cannot lock a folder against root");
        done = window.saveTubeData(tube);
        if (geteuid() == 0)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
        ::chmod(QFile::encodeName(folder), 0755);
    } else if (scenario == QLatin1String("write-only")) {
        if (geteuid() == 0)
            QSKIP("root reads a write-only file");
        QVERIFY(::chmod(QFile::encodeName(tube), 0200) == 0);
        done = window.saveTubeData(tube);
    } else {
        const QString link = QDir(folder).filePath(QStringLiteral("link.tds"));
        QVERIFY(makeLink(scenario == QLatin1String("load loop") ? link : QStringLiteral("gone.tds"),
                         link));
        done = window.loadTubeData(link);
    }

    QVERIFY(!done);
    const QString message = Dialogs::Script::messages().value(0).text;
    QVERIFY2(message.contains(expected), qPrintable(message));
    QVERIFY2(!message.contains(QStringLiteral("existiert nicht")), qPrintable(message));
    QCOMPARE(TestSupport::readAll(tube), TestSupport::readAll(m_triode));
}

void HostileTargetsTest::standardOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("start"); // of stdout, or of stderr after a refusal
    const QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QTest::newRow("--pdf -") << QStringList{"--pdf", "-", "tube.tds"} << 0 << QByteArray("%PDF-");
    QTest::newRow("--pdf /dev/stdout")
        << QStringList{"--pdf", "/dev/stdout", "tube.tds"} << 0 << QByteArray("%PDF-");
    QTest::newRow("-o -") << QStringList{"-o", "-", "tube.tds"} << 0 << png;
    QTest::newRow("-o - with --json")
        << QStringList{"-o", "-", "--json", "tube.tds"} << 2
        << QByteArray("lochkartor-render: nur eine Ausgabe kann auf die Standardausgabe gehen");
    QTest::newRow("--pdf - and -o -") << QStringList{"--pdf", "-", "-o", "-", "tube.tds"} << 2
                                      << QByteArray("lochkartor-render: nur eine Ausgabe");
    QTest::newRow("a tube file read back to -")
        << QStringList{"--read-json", "holes.json", "-o", "-"} << 2
        << QByteArray("lochkartor-render: -o schreibt beim Einlesen eine Röhrendatei");
    QTest::newRow("--out-dir -") << QStringList{"--out-dir", "-", "tube.tds"} << 2
                                 << QByteArray("lochkartor-render: --out-dir nimmt einen Ordner");
}

// A PDF or a picture goes to a pipe as it would go to a file; a file named
// "-" is never made.
void HostileTargetsTest::standardOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, start);
    const QStringList before = snapshot(m_work->path());

    const TestSupport::ProgramRun run = TestSupport::runProgram(
        QStringLiteral(LOCHKARTOR_RENDER_BINARY), arguments, m_work->path(), m_runtime.path());

    QCOMPARE(run.exitCode, status);
    QVERIFY2((status == 0 ? run.outBytes : run.errBytes).startsWith(start),
             run.errBytes.constData());
    if (status == 0)
        QCOMPARE(run.err, QString());
    QCOMPARE(snapshot(m_work->path()), before);
}

QTEST_MAIN(HostileTargetsTest)
#include "tst_hostile_targets.moc"
