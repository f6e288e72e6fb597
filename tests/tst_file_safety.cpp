// Files from hostile hands and broken disks: nothing crashes or hangs, no
// failed write replaces a file or passes for a success, every adjustment and
// refusal is said in words (German and English), texts stay whole, and one
// file gives one card wherever it is loaded.

#include "card_report.h"
#include "cardstate.h"
#include "dialogs.h"
#include "form_edits.h"
#include "ini_text.h"
#include "safe_write.h"
#include "testsupport_window.h"
#include "tube_data_problem.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QGraphicsTextItem>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

const QByteArray pentode
    = "[format]\nversion=1\n\n[genericTubeData]\ntubeName=EL84\nsocket=10\ngenericTubeType=3\n"
      "heatingMethod=0\nheatingVoltage=3\nheatingCurrent=0.76\n\n[pinout]\npinCount=9\n"
      "pin1function=10\npin2function=5\npin3function=2\npin4function=1\npin5function=0\n"
      "pin6function=10\npin7function=6\npin8function=10\npin9function=7\ncapFunction=0\n\n"
      "[operatingPoint]\nplateVoltage=250\nscreenVoltage=250\ngridVoltage=-7.5\n"
      "cathodeResistor=0\ncathodeCap=0\n\n[desiredValues]\nplateCurrent=48\nscreenCurrent=5.5\n"
      "transconductance=11.3\n\n[isolationCheck]\nisotestVoltage=1\nisotestRange=2\n";

// The pentode with "key=value" lines replaced; "key" alone removes the line.
QByteArray pentodeWith(const QList<QByteArray> &changes)
{
    QList<QByteArray> lines = pentode.split('\n');
    for (const QByteArray &change : changes) {
        const QByteArray key = change.split('=').first() + '=';
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).startsWith(key)) {
                if (change.contains('='))
                    lines[i] = change;
                else
                    lines.removeAt(i);
                break;
            }
        }
    }
    return lines.join('\n');
}

// A tube name that is a list nested 42,000 levels deep (800 KB), as QDataStream
// writes a QVariantList of one QVariantList: type 9, not null, one element.
QByteArray nestedVariantFile()
{
    QByteArray value = "@Variant(";
    for (int level = 0; level < 42000; ++level)
        value += "\\0\\0\\0\\t\\0\\0\\0\\0\\x1";
    value += "\\0\\0\\0\\n\\0\\0\\0\\0\\0)";
    return pentodeWith({"tubeName=" + value});
}

// Comment lines that bring the pentode to exactly `size` bytes.
QByteArray paddedPentode(qint64 size)
{
    QByteArray file = pentode;
    while (file.size() < size) {
        const qint64 missing = size - file.size();
        file += missing > 1 ? ';' + QByteArray(std::min<qint64>(missing - 2, 998), 'x') + '\n'
                            : QByteArray("\n");
    }
    return file;
}

bool writeBytes(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString onlyMessage()
{
    const QList<Dialogs::Record> messages = Dialogs::Script::messages();
    return messages.size() == 1 ? messages.first().text
                                : QStringLiteral("%1 messages").arg(messages.size());
}

enum class Output { Picture, Pdf, TubeData };

// Saves the window's card or data the way the buttons do; false and a
// message when it failed.
bool save(Lochkartor &window, Output output, const QString &path)
{
    switch (output) {
    case Output::Picture:
        return window.saveCardImage(path);
    case Output::Pdf: {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return window.printCard(&printer);
    }
    case Output::TubeData:
        break;
    }
    return window.saveTubeData(path);
}

const char *suffixOf(Output output)
{
    return output == Output::Picture ? "png" : output == Output::Pdf ? "pdf" : "tds";
}

// An earlier file of the kind the output writes, which a save may replace.
QByteArray earlierFileOf(Output output)
{
    if (output == Output::Picture)
        return QByteArray("\x89PNG\r\n\x1a\n an earlier card", 24);
    return output == Output::Pdf ? QByteArray("%PDF-1.4 an earlier card") : pentode;
}

// Mounts a 64 KiB tmpfs for the test's lifetime.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &path)
        : m_path(path)
    {
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                                      {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                       QStringLiteral("-o"), QStringLiteral("size=64k"),
                                       QStringLiteral("tmpfs"), path})
                    == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_path});
    }
    bool mounted() const { return m_mounted; }

    // Fills what is left of the disk.
    void fill() const
    {
        const int fd = ::open(QFile::encodeName(m_path + QStringLiteral("/filler")).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const QByteArray block(512, 'f');
        while (fd >= 0 && ::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        if (fd >= 0)
            ::close(fd);
    }

private:
    QString m_path;
    bool m_mounted = false;
};

} // namespace

Q_DECLARE_METATYPE(Output)

class FileSafetyTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void nestedVariantIsRefusedWithoutDecoding();
    void filesWithoutVersionAreNoTubeFiles_data();
    void filesWithoutVersionAreNoTubeFiles();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void sizeLimit_data();
    void sizeLimit();
    void messagesInBothLanguages_data();
    void messagesInBothLanguages();
    void failingWriterKeepsTheOldFile_data();
    void failingWriterKeepsTheOldFile();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void lockFilesBesideTheTargetDoNotHang_data();
    void lockFilesBesideTheTargetDoNotHang();
    void adjustedValuesAreListed_data();
    void adjustedValuesAreListed();
    void namesStayWhole_data();
    void namesStayWhole();
    void pastedNameStaysWhole();
    void messagesArePlainText();
    void writerMatchesQSettingsBytes();
    void oneFileGivesOneCard_data();
    void oneFileGivesOneCard();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString tubeFile(const QByteArray &content)
    {
        const QString file = path(QStringLiteral("tube.tds"));
        writeBytes(file, content);
        return file;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QTranslator m_english;
};

void FileSafetyTest::initTestCase()
{
    QVERIFY2(m_english.load(QStringLiteral(LOCHKARTOR_QM_FILE)), LOCHKARTOR_QM_FILE);
}

void FileSafetyTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    Dialogs::Script::begin();
}

void FileSafetyTest::cleanup()
{
    SafeWrite::failWritesAfter(-1, 0);
    QCoreApplication::removeTranslator(&m_english);
    Dialogs::Script::end();
    m_dir.reset();
}

// QSettings decodes such a value recursively and overflows the stack.
void FileSafetyTest::nestedVariantIsRefusedWithoutDecoding()
{
    const QByteArray content = nestedVariantFile();
    QVERIFY2(content.size() > 750000 && content.size() < TubeData::MaxFileSize,
             qPrintable(QString::number(content.size())));
    Lochkartor window;
    const QStringList before = FormEdits::snapshot(window);

    QVERIFY(!window.loadTubeData(tubeFile(content)));

    QVERIFY2(onlyMessage().contains(QStringLiteral("gespeicherter Qt-Datentyp (@Variant)")),
             qPrintable(onlyMessage()));
    QCOMPARE(FormEdits::snapshot(window), before);
    // Saving over it merges without decoding it either.
    QVERIFY(window.saveTubeData(path(QStringLiteral("tube.tds"))));
    Dialogs::Script::clearRecords();
    QVERIFY(window.loadTubeData(path(QStringLiteral("tube.tds"))));
}

void FileSafetyTest::filesWithoutVersionAreNoTubeFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("byte order mark only") << QByteArray("\xEF\xBB\xBF");
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    QTest::newRow("UTF-16") << QByteArray(utf16.encode(QString::fromUtf8(pentode)));
    QByteArray picture;
    QBuffer buffer(&picture);
    buffer.open(QIODevice::WriteOnly);
    QImage(40, 30, QImage::Format_RGB32).save(&buffer, "PNG");
    QTest::newRow("a picture") << picture;
    QTest::newRow("a letter") << QByteArray("Dear tester,\nplease punch my card.\n");
    QTest::newRow("no format group") << QByteArray(pentode).replace("[format]\nversion=1\n", "");
}

void FileSafetyTest::filesWithoutVersionAreNoTubeFiles()
{
    QFETCH(QByteArray, content);
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("tubeName=OLD; socket=3"));
    const QStringList before = FormEdits::snapshot(window);

    QVERIFY(!window.loadTubeData(tubeFile(content)));

    QCOMPARE(Dialogs::Script::messages().size(), 1);
    QCOMPARE(Dialogs::Script::messages().first().caption, QStringLiteral("Datei nicht lesbar"));
    QVERIFY2(onlyMessage().endsWith(QStringLiteral("\nDie Datei ist keine Röhrendatei.")),
             qPrintable(onlyMessage()));
    QCOMPARE(FormEdits::snapshot(window), before);
}

void FileSafetyTest::damagedFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("cut off inside a quoted name")
        << pentode.left(pentode.indexOf("EL84")) + "\"EL8"
        << "In Zeile 5 wird ein Anführungszeichen nicht geschlossen";
    QTest::newRow("unclosed quote in the middle")
        << pentodeWith({"capFunction=\"0"}) << "In Zeile 23 wird ein Anführungszeichen";
    QTest::newRow("section without bracket") << QByteArray(pentode).replace("[pinout]", "[pinout")
                                             << "In Zeile 12 fehlt die schließende Klammer";
    QTest::newRow("line without a value")
        << QByteArray(pentode).replace("pinCount=9", "pinCount") << "Zeile 13 ist weder";
    QTest::newRow("byte array as socket")
        << pentodeWith({"socket=@ByteArray(10)"}) << "Qt-Datentyp (@ByteArray)";
    QTest::newRow("rectangle as a list element")
        << pentodeWith({"plateVoltage=1, @Rect(1 2 3 4)"}) << "Qt-Datentyp (@Rect)";
}

void FileSafetyTest::damagedFilesAreRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    Lochkartor window;
    const QStringList before = FormEdits::snapshot(window);

    QVERIFY(!window.loadTubeData(tubeFile(content)));

    QVERIFY2(onlyMessage().contains(reason), qPrintable(onlyMessage()));
    QCOMPARE(FormEdits::snapshot(window), before);
}

void FileSafetyTest::sizeLimit_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("loads");
    QTest::newRow("exactly 1 MiB") << TubeData::MaxFileSize << true;
    QTest::newRow("one byte more") << TubeData::MaxFileSize + 1 << false;
    QTest::newRow("10 MB") << qint64(10000000) << false;
}

// Loading a file up to the limit takes well under a second; a larger one is
// refused before it is read.
void FileSafetyTest::sizeLimit()
{
    QFETCH(qint64, size);
    QFETCH(bool, loads);
    const QString file = tubeFile(paddedPentode(size));
    QCOMPARE(QFileInfo(file).size(), size);
    Lochkartor window;
    QElapsedTimer timer;
    timer.start();

    QCOMPARE(window.loadTubeData(file), loads);

    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    if (!loads)
        QVERIFY2(onlyMessage().contains(QStringLiteral("größer als 1 MiB")),
                 qPrintable(onlyMessage()));
}

void FileSafetyTest::messagesInBothLanguages_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("expected");
    const struct
    {
        const char *scenario;
        const char *german;
        const char *english;
    } rows[] = {
        {"no tube file", "Die Datei ist keine Röhrendatei.", "The file is not a tube file."},
        {"too large", "Die Datei ist größer als 1 MiB und damit keine Röhrendatei.",
         "The file is larger than 1 MiB and so not a tube file."},
        {"missing key", "Die Datei ist beschädigt: Der Schlüssel pinout/capFunction fehlt.",
         "The file is damaged: the key pinout/capFunction is missing."},
        {"stored type", "ein gespeicherter Qt-Datentyp (@ByteArray)",
         "a stored Qt data type (@ByteArray)"},
        {"cut off", "In Zeile 5 wird ein Anführungszeichen nicht geschlossen",
         "A quotation mark in line 5 is not closed"},
        {"long value", "Der Wert „1111111111111111111111111111111111111111…“ von",
         "The value “1111111111111111111111111111111111111111…” of"},
        {"adjusted", "Anodenspannung: „400 V“ geladen als „300 V“",
         "plate voltage: “400 V” loaded as “300 V”"},
        {"disk full", "\nDer Datenträger ist voll.", "\nThe disk is full."},
        {"permission", "\nKeine Berechtigung.", "\nPermission denied."},
        {"no folder", "\nDer Ordner existiert nicht.", "\nThe folder does not exist."},
        {"symbolic link loop", "\nDie symbolischen Verknüpfungen bilden eine Schleife",
         "\nThe symbolic links form a loop"},
        {"picture on a full disk", "\nDer Datenträger ist voll.", "\nThe disk is full."},
        {"printout on a full disk", "\nDer Datenträger ist voll.", "\nThe disk is full."},
    };
    for (const auto &row : rows) {
        QTest::addRow("%s, German", row.scenario)
            << QString::fromLatin1(row.scenario) << false << QString::fromUtf8(row.german);
        QTest::addRow("%s, English", row.scenario)
            << QString::fromLatin1(row.scenario) << true << QString::fromUtf8(row.english);
    }
}

void FileSafetyTest::messagesInBothLanguages()
{
    QFETCH(QString, scenario);
    QFETCH(bool, english);
    QFETCH(QString, expected);
    if (english)
        QCoreApplication::installTranslator(&m_english);
    Lochkartor window;
    auto load = [&](const QByteArray &content) { window.loadTubeData(tubeFile(content)); };
    const QString target = path(QStringLiteral("saved.tds"));
    if (scenario == QLatin1String("no tube file")) {
        load("[genericTubeData]\ntubeName=X\n");
    } else if (scenario == QLatin1String("too large")) {
        load(paddedPentode(TubeData::MaxFileSize + 1));
    } else if (scenario == QLatin1String("missing key")) {
        load(pentodeWith({"capFunction"}));
    } else if (scenario == QLatin1String("stored type")) {
        load(pentodeWith({"tubeName=@ByteArray(EL84)"}));
    } else if (scenario == QLatin1String("cut off")) {
        load(pentode.left(pentode.indexOf("EL84")) + "\"EL");
    } else if (scenario == QLatin1String("long value")) {
        load(pentodeWith({"socket=" + QByteArray(500000, '1')}));
    } else if (scenario == QLatin1String("adjusted")) {
        load(pentodeWith({"plateVoltage=400"}));
    } else if (scenario == QLatin1String("disk full")) {
        SafeWrite::failWritesAfter(100, ENOSPC);
        window.saveTubeData(target);
    } else if (scenario == QLatin1String("permission")) {
        SafeWrite::failWritesAfter(0, EACCES);
        window.saveTubeData(target);
    } else if (scenario == QLatin1String("no folder")) {
        window.saveTubeData(path(QStringLiteral("missing/saved.tds")));
    } else if (scenario == QLatin1String("symbolic link loop")) {
        QVERIFY(QFile::link(path(QStringLiteral("loop")), path(QStringLiteral("loop"))));
        window.saveTubeData(path(QStringLiteral("loop/saved.tds")));
    } else if (scenario == QLatin1String("picture on a full disk")) {
        SafeWrite::failWritesAfter(1000, ENOSPC);
        window.saveCardImage(path(QStringLiteral("card.png")));
    } else if (scenario == QLatin1String("printout on a full disk")) {
        SafeWrite::failWritesAfter(1000, ENOSPC);
        save(window, Output::Pdf, path(QStringLiteral("card.pdf")));
    }

    QVERIFY2(onlyMessage().contains(expected), qPrintable(onlyMessage()));
    // Each message line holds at most a quoted value of 40 characters.
    for (const QString &line : onlyMessage().split(QLatin1Char('\n')))
        QVERIFY2(line.size() < 200, qPrintable(line.left(300)));
    // The system's own English words never show.
    for (const char *system : {"No space", "denied", "No such", "Unknown error", "symbolic links"})
        QVERIFY2(english || !onlyMessage().contains(QLatin1String(system)),
                 qPrintable(onlyMessage()));
}

void FileSafetyTest::failingWriterKeepsTheOldFile_data()
{
    QTest::addColumn<Output>("output");
    QTest::addColumn<qint64>("failAfter");
    for (Output output : {Output::Picture, Output::Pdf, Output::TubeData}) {
        for (qint64 bytes : {0, 1, 200, 5000}) {
            if (output == Output::TubeData && bytes > 500)
                continue; // a tube data file is shorter
            QTest::addRow("%s, after %lld bytes", suffixOf(output), bytes) << output << bytes;
        }
    }
}

// A write that fails after N bytes: the old file keeps every byte, no
// half-written file is left beside it, and the message says why.
void FileSafetyTest::failingWriterKeepsTheOldFile()
{
    QFETCH(Output, output);
    QFETCH(qint64, failAfter);
    const QString target = path(QStringLiteral("old.") + QLatin1String(suffixOf(output)));
    const QByteArray earlier = earlierFileOf(output);
    QVERIFY(writeBytes(target, earlier));
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("tubeName=NEW; socket=10; genericTubeType=3"));
    SafeWrite::failWritesAfter(failAfter, ENOSPC);

    QVERIFY(!save(window, output, target));

    QCOMPARE(readBytes(target), earlier);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(target).fileName()});
    QVERIFY2(onlyMessage().endsWith(QStringLiteral("\nDer Datenträger ist voll.")),
             qPrintable(onlyMessage()));
    SafeWrite::failWritesAfter(-1, 0);
    Dialogs::Script::clearRecords();
    QVERIFY(save(window, output, target));
    QVERIFY(readBytes(target) != earlier);
}

void FileSafetyTest::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<Output>("output");
    QTest::newRow("picture") << Output::Picture;
    QTest::newRow("PDF") << Output::Pdf;
    QTest::newRow("tube data") << Output::TubeData;
}

// The same on a real full disk: a 64 KiB tmpfs, which only root can mount.
void FileSafetyTest::fullDiskKeepsTheOldFile()
{
    QFETCH(Output, output);
    if (geteuid() != 0)
        QSKIP("mounting the 64 KiB tmpfs needs root; the injected failures cover the rest");
    const SmallDisk disk(m_dir->path());
    if (!disk.mounted())
        QSKIP("this machine refuses to mount a tmpfs");
    const QString target = path(QStringLiteral("old.") + QLatin1String(suffixOf(output)));
    const QByteArray earlier = earlierFileOf(output);
    QVERIFY(writeBytes(target, earlier));
    disk.fill();
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("tubeName=NEW; socket=10; genericTubeType=3"));

    QVERIFY(!save(window, output, target));

    QCOMPARE(readBytes(target), earlier);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("filler"), QFileInfo(target).fileName()}));
    QVERIFY2(onlyMessage().endsWith(QStringLiteral("\nDer Datenträger ist voll.")),
             qPrintable(onlyMessage()));
}

void FileSafetyTest::lockFilesBesideTheTargetDoNotHang_data()
{
    QTest::addColumn<bool>("lockIsFolder");
    QTest::newRow("a folder named like the lock") << true;
    QTest::newRow("another user's stale lock") << false;
}

void FileSafetyTest::lockFilesBesideTheTargetDoNotHang()
{
    QFETCH(bool, lockIsFolder);
    const QString target = path(QStringLiteral("x.tds"));
    if (lockIsFolder)
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("x.tds.lock")));
    else
        QVERIFY(writeBytes(target + QStringLiteral(".lock"), "4711\nlochkartor\nother-host\n"));
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("tubeName=LOCK"));
    QElapsedTimer timer;
    timer.start();

    QVERIFY(window.saveTubeData(target));

    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
    Lochkartor loaded;
    QVERIFY(loaded.loadTubeData(target));
    QCOMPARE(TestSupport::widget<QLineEdit>(loaded, "tubeName")->text(), QStringLiteral("LOCK"));
}

void FileSafetyTest::adjustedValuesAreListed_data()
{
    QTest::addColumn<QList<QByteArray>>("changes");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("in range") << QList<QByteArray>{"plateVoltage=300"} << QStringList();
    QTest::newRow("plate voltage above its range")
        << QList<QByteArray>{"plateVoltage=400"}
        << QStringList{"Anodenspannung: „400 V“ geladen als „300 V“"};
    QTest::newRow("heating current above the limit of the 15 V tap")
        << QList<QByteArray>{"heatingVoltage=7", "heatingCurrent=2.5"}
        << QStringList{"Heizstrom: „2.5 A“ geladen als „1.3 A“"};
    QTest::newRow("two values, one note")
        << QList<QByteArray>{"gridVoltage=-100", "transconductance=0.004"}
        << QStringList{"Steuergitterspannung: „-100 V“ geladen als „-65.5 V“",
                       "Steilheit: „0.004 mA/V“ geladen als „0 mA/V“"};
    QTest::newRow("name longer than the field")
        << QList<QByteArray>{"tubeName=ABCDEFGHIJKLMN"}
        << QStringList{"Röhrenbezeichnung: „ABCDEFGHIJKLMN“ geladen als „ABCDEFGHIJKL“"};
}

// Stored files rely on values being fitted to the form, so they still
// load; one note says which.
void FileSafetyTest::adjustedValuesAreListed()
{
    QFETCH(QList<QByteArray>, changes);
    QFETCH(QStringList, expected);
    Lochkartor window;

    QVERIFY(window.loadTubeData(tubeFile(pentodeWith(changes))));

    if (expected.isEmpty()) {
        QVERIFY(Dialogs::Script::messages().isEmpty());
        return;
    }
    QCOMPARE(Dialogs::Script::messages().size(), 1);
    const Dialogs::Record note = Dialogs::Script::messages().first();
    QCOMPARE(note.kind, Dialogs::Record::Information);
    QCOMPARE(note.caption, QStringLiteral("Werte angepasst"));
    QCOMPARE(note.text.split(QLatin1Char('\n')).mid(1), expected);
}

void FileSafetyTest::namesStayWhole_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::newRow("Latin-1 of older files")
        << pentodeWith({"tubeName=R\xF6hre \xB5"}) << QStringLiteral("Röhre µ");
    QTest::newRow("UTF-8") << pentodeWith({"tubeName=R\xC3\xB6hre"}) << QStringLiteral("Röhre");
    QTest::newRow("UTF-8 after a byte order mark")
        << "\xEF\xBB\xBF" + pentodeWith({"tubeName=R\xC3\xB6hre"}) << QStringLiteral("Röhre");
    QTest::newRow("emoji at the limit")
        << pentodeWith({"tubeName=ABCDEFGHIJK\xF0\x9F\x98\x80"}) << QStringLiteral("ABCDEFGHIJK");
    QTest::newRow("accent at the limit")
        << pentodeWith({"tubeName=ABCDEFGHIJKe\xCC\x81"}) << QStringLiteral("ABCDEFGHIJK");
    QTest::newRow("escaped half of a pair")
        << pentodeWith({"tubeName=A\\xd83d!"}) << QStringLiteral("A\uFFFD!");
    QTest::newRow("leading @ kept by doubling")
        << pentodeWith({"tubeName=@@EL84"}) << QStringLiteral("@EL84");
}

void FileSafetyTest::namesStayWhole()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    Lochkartor window;
    const QString file = tubeFile(content);

    QVERIFY2(window.loadTubeData(file), qPrintable(onlyMessage()));

    QCOMPARE(TestSupport::widget<QLineEdit>(window, "tubeName")->text(), name);
    const QByteArray json = CardReport::json(window, file).toUtf8();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(json);
    QVERIFY(!utf8.hasError());
    QVERIFY(!decoded.contains(QChar::ReplacementCharacter)
            || name.contains(QChar::ReplacementCharacter));
    QCOMPARE(QJsonDocument::fromJson(json)[QStringLiteral("texts")][QStringLiteral("tubeName")]
                 .toString(),
             name);
}

// Pasting runs into the field's limit as a load does.
void FileSafetyTest::pastedNameStaysWhole()
{
    Lochkartor window;
    auto *name = TestSupport::widget<QLineEdit>(window, "tubeName");
    name->clear();

    name->insert(QStringLiteral("ABCDEFGHIJK\U0001F600"));

    QCOMPARE(name->text(), QStringLiteral("ABCDEFGHIJK"));
    QCOMPARE(window.cards().textItem(CardText::TubeName)->toPlainText(),
             QStringLiteral("ABCDEFGHIJK"));
    name->setText(QStringLiteral("EL84 \U0001F600"));
    QCOMPARE(name->text(), QStringLiteral("EL84 \U0001F600"));
}

// A name like "<b>EL84</b>" is shown as it is written.
void FileSafetyTest::messagesArePlainText()
{
    Dialogs::Script::end();
    Qt::TextFormat format = Qt::AutoText;
    QString text;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&]() {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            format = box->textFormat();
            text = box->text();
            box->accept();
        }
    });
    closer.start(10);

    Dialogs::critical(nullptr, QStringLiteral("Titel"), QStringLiteral("<b>EL84</b>"));

    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(text, QStringLiteral("<b>EL84</b>"));
    Dialogs::Script::begin();
}

// What QSettings writes is the format stored files rely on: the same
// groups, keys and values give the same bytes, and they read back.
void FileSafetyTest::writerMatchesQSettingsBytes()
{
    const QString pool
        = QStringLiteral("aZ09 ;,=\"\\\t\n\x01\x1f\x7f@#[]%/äöüß€") + QChar(0xD83D) + QChar(0xDE00);
    const QStringList groups = {"format", "genericTubeData", "pinout", "zeta", "Group Two"};
    QRandomGenerator random(1312);
    for (int round = 0; round < 200; ++round) {
        TubeData::IniText ours;
        const QString reference = path(QStringLiteral("ref%1.ini").arg(round));
        QMap<std::pair<QString, QString>, QVariant> values; // the last value of each key
        {
            QSettings settings(reference, QSettings::IniFormat);
            for (int n = random.bounded(1, 8); n > 0; --n) {
                const QString group = groups.at(random.bounded(int(groups.size())));
                const QString key = QStringLiteral("key%1").arg(random.bounded(20))
                                    + (random.bounded(4) == 0 ? QStringLiteral(" ü") : QString());
                QVariant value;
                switch (random.bounded(3)) {
                case 0:
                    value = int(random.bounded(-100000, 100000));
                    ours.setInt(group, key, value.toInt());
                    break;
                case 1:
                    value = (random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-8, 9));
                    ours.setDouble(group, key, value.toDouble());
                    break;
                default: {
                    QString text;
                    for (int length = random.bounded(12); length > 0; --length) {
                        const int at = random.bounded(int(pool.size()) - 1);
                        text += pool.at(at);
                        if (pool.at(at).isHighSurrogate())
                            text += pool.at(at + 1);
                    }
                    value = text;
                    ours.setString(group, key, text);
                }
                }
                settings.setValue(group + QLatin1Char('/') + key, value);
                values[{group, key}] = value;
            }
        }
        const QByteArray bytes = ours.toUtf8();
        QCOMPARE(QString::fromUtf8(bytes), QString::fromUtf8(readBytes(reference)));
        const TubeData::IniText back = TubeData::IniText::parse(TubeData::decodeFileText(bytes));
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            const auto &[group, key] = it.key();
            if (it->userType() == QMetaType::QString)
                QCOMPARE(back.value(group, key).parts.value(0), it->toString());
        }
    }
}

void FileSafetyTest::oneFileGivesOneCard_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 60; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// A rectifier entered by random edits is saved; loaded into a window used
// for another tube, into a fresh one and by the renderer, it gives the card
// that was saved.
void FileSafetyTest::oneFileGivesOneCard()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    Lochkartor original;
    Lochkartor used;
    QStringList edits;
    for (int i = 0; i < 40; ++i) {
        edits << randomUserEdit(original, random);
        randomUserEdit(used, random);
        if (i == 20)
            TestSupport::widget<QComboBox>(original, "genericTubeType")->setCurrentIndex(8);
    }
    TestSupport::widget<QComboBox>(original, "genericTubeType")->setCurrentIndex(8);
    QVERIFY(original.isRectifier());
    const QString file = path(QStringLiteral("rectifier.tds"));
    QVERIFY(original.saveTubeData(file));
    Dialogs::Script::clearRecords();

    QVERIFY2(used.loadTubeData(file), qPrintable(onlyMessage()));
    Lochkartor fresh;
    QVERIFY(fresh.loadTubeData(file));

    const QString context = edits.join(QStringLiteral(", "));
    QVERIFY2(cardState(used) == cardState(original),
             qPrintable(context + '\n' + cardState(used).differenceTo(cardState(original))));
    QVERIFY2(cardState(fresh) == cardState(original),
             qPrintable(context + '\n' + cardState(fresh).differenceTo(cardState(original))));
    // The renderer is a separate program; a few seeds suffice.
    if (seed % 10 != 0)
        return;
    QProcess renderer;
    renderer.start(QStringLiteral(LOCHKARTOR_RENDER_BINARY), {QStringLiteral("--json"), file});
    QVERIFY(renderer.waitForFinished(60000));
    QCOMPARE(renderer.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(renderer.readAllStandardOutput()).trimmed(),
             CardReport::json(used, file));
}

QTEST_MAIN(FileSafetyTest)
#include "tst_file_safety.moc"
