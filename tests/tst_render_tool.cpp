// Runs the real lochkartor-render on the sample tubes and compares what it
// prints and writes with a window into which the "Daten laden" button loaded
// the same file: the created card's holes, its visible texts, the five check
// colours and the card picture.

#include "dialogs.h"
#include "legend.h"
#include "lochkartor.h"
#include "program_run.h"
#include "testsupport_window.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsEllipseItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// The card texts by their JSON key, in the order the JSON lists them.
const std::pair<CardText, const char *> textKeys[] = {
    {CardText::TubeName, "tubeName"},
    {CardText::TubeType, "tubeType"},
    {CardText::Socket, "socket"},
    {CardText::HeatingVoltage, "heatingVoltage"},
    {CardText::HeatingCurrent, "heatingCurrent"},
    {CardText::PlateVoltage, "plateVoltage"},
    {CardText::ScreenVoltage, "screenVoltage"},
    {CardText::GridVoltage, "gridVoltage"},
    {CardText::PlateCurrent, "plateCurrent"},
    {CardText::ScreenCurrent, "screenCurrent"},
    {CardText::Transconductance, "transconductance"},
    {CardText::PlateCapNote, "plateCapNote"},
    {CardText::ScreenGridCapNote, "screenGridCapNote"},
    {CardText::ControlGridCapNote, "controlGridCapNote"},
};

// The check labels with their JSON key and their name in the German punch list.
struct CheckLabel
{
    const char *label;
    const char *key;
    const char *name;
};

const CheckLabel checkLabels[] = {
    {"heaterOK", "heater", "Heizung"},
    {"cathodeOK", "cathode", "Kathode"},
    {"gridOK", "controlGrid", "Steuergitter"},
    {"screenOK", "screenGrid", "Schirmgitter"},
    {"plateOK", "anode", "Anode"},
};

using Run = TestSupport::ProgramRun;

QString quoted(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QString fieldName(int field)
{
    return field == HoleGrid::FieldI ? QStringLiteral("I") : QStringLiteral("II");
}

// The holes whose marker the created card shows, field I first.
HoleList createdCardHoles(const Lochkartor &window)
{
    HoleList holes;
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int number = 1; number <= HoleGrid::HolesPerField; ++number) {
            if (window.cards().createdMarker({field, number})->isVisible())
                holes.push_back({field, number});
        }
    }
    return holes;
}

// "ok", "fault" or "none" for the label's colour; empty for any other colour.
QString checkKey(const Lochkartor &window, const char *label)
{
    const QString colour = TestSupport::checkColour(window, label);
    if (colour == QLatin1String("lightgreen"))
        return QStringLiteral("ok");
    if (colour == QLatin1String("red"))
        return QStringLiteral("fault");
    if (colour == QLatin1String("grey"))
        return QStringLiteral("none");
    return QString();
}

QString checkWord(const QString &key)
{
    if (key == QLatin1String("ok"))
        return QStringLiteral("in Ordnung");
    if (key == QLatin1String("fault"))
        return QStringLiteral("fehlerhaft");
    return QStringLiteral("nicht vorhanden");
}

// The JSON line the window's state calls for, written out as the format is
// documented: keys in this order, ", " and ": " between the parts.
QString expectedJson(const Lochkartor &window, const QString &file)
{
    QStringList numbers[2];
    for (const Hole &hole : createdCardHoles(window))
        numbers[hole.field - HoleGrid::FieldI] << QString::number(hole.number);
    QStringList texts;
    for (const auto &[text, key] : textKeys) {
        if (window.cards().textItem(text)->isVisible())
            texts << quoted(QLatin1String(key)) + QStringLiteral(": ")
                         + quoted(window.cards().textItem(text)->toPlainText());
    }
    QStringList checks;
    for (const CheckLabel &check : checkLabels)
        checks << quoted(QLatin1String(check.key)) + QStringLiteral(": ")
                      + quoted(checkKey(window, check.label));
    const QString separator = QStringLiteral(", ");
    return QStringLiteral("{\"file\": ") + quoted(file) + QStringLiteral(", \"holes\": {\"I\": [")
           + numbers[0].join(separator) + QStringLiteral("], \"II\": [")
           + numbers[1].join(separator) + QStringLiteral("]}, \"texts\": {") + texts.join(separator)
           + QStringLiteral("}, \"checks\": {") + checks.join(separator) + QStringLiteral("}}");
}

// Two pictures of the same card. Qt's antialiasing of the large tube name
// can differ by a few levels between a fresh process and one that has built
// other windows before; a hole or a character more or less differs by far
// more somewhere.
bool samePicture(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return false;
    const QImage first = a.convertToFormat(QImage::Format_ARGB32);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32);
    constexpr int tolerance = 48;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb p = first.pixel(x, y);
            const QRgb q = second.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > tolerance
                || std::abs(qGreen(p) - qGreen(q)) > tolerance
                || std::abs(qBlue(p) - qBlue(q)) > tolerance
                || std::abs(qAlpha(p) - qAlpha(q)) > tolerance)
                return false;
        }
    }
    return true;
}

using TestSupport::readAll;
using TestSupport::writeAll;

} // namespace

class RenderToolTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void jsonAgreesWithWindow_data();
    void jsonAgreesWithWindow();
    void punchListAgreesWithWindow_data();
    void punchListAgreesWithWindow();
    void pictures_data();
    void pictures();
    void outDirNamesPicturesAfterFiles();
    void severalFilesOneLineEach();
    void refusedFiles_data();
    void refusedFiles();
    void usageErrors_data();
    void usageErrors();
    void help();
    void sameNameFromTwoFoldersIsNotOverwritten();
    void adjustedValuesAreWarnings();
    void refusalsSuitTheCommandLine_data();
    void refusalsSuitTheCommandLine();
    void nameWithLineBreakKeepsItsLine();
    void socketByCardName_data();
    void socketByCardName();

private:
    Run run(const QStringList &arguments);
    QString sample(const QString &name) const;
    QString work(const QString &name) const { return QDir(m_work->path()).filePath(name); }
    std::unique_ptr<Lochkartor> loadThroughButton(const QString &file);
    void addSampleRows();

    QString m_samples;
    QStringList m_sampleNames;
    QTemporaryDir m_runtime;
    QTemporaryDir m_variants;
    std::unique_ptr<QTemporaryDir> m_work;
};

void RenderToolTest::initTestCase()
{
    QVERIFY2(QFileInfo(QStringLiteral(LOCHKARTOR_RENDER_BINARY)).isExecutable(),
             LOCHKARTOR_RENDER_BINARY);
    const QString source = qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR");
    QVERIFY2(!source.isEmpty(), "LOCHKARTOR_SOURCE_DIR is not set; run the test through ctest");
    m_samples = QDir(source).filePath(QStringLiteral("tests/data/tubes"));
    m_sampleNames = QDir(m_samples).entryList({QStringLiteral("*.tds")}, QDir::Files, QDir::Name);
    QCOMPARE(m_sampleNames.size(), 10);
    QVERIFY(m_runtime.isValid());
    QVERIFY(m_variants.isValid());

    // Two cards the samples do not give: a check in red, and a card whose
    // tube name is empty yet visible.
    QString triode = QString::fromUtf8(readAll(sample(QStringLiteral("triode.tds"))));
    QVERIFY(triode.contains(QLatin1String("pin1function=6")));
    QVERIFY(writeAll(m_variants.filePath(QStringLiteral("triode_without_anode.tds")),
                     QString(triode)
                         .replace(QLatin1String("pin1function=6"), QLatin1String("pin1function=10"))
                         .toUtf8()));
    QVERIFY(writeAll(m_variants.filePath(QStringLiteral("triode_without_name.tds")),
                     triode
                         .replace(QRegularExpression(QStringLiteral("tubeName=[^\n]*\n")),
                                  QStringLiteral("tubeName=\n"))
                         .toUtf8()));

    Dialogs::Script::begin();
}

void RenderToolTest::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    TestSupport::isolateSettings();
    Dialogs::Script::clearRecords();
}

void RenderToolTest::cleanup()
{
    m_work.reset();
}

QString RenderToolTest::sample(const QString &name) const
{
    return QDir(m_samples).filePath(name);
}

// German, in the test's own empty working directory, on the offscreen
// platform; the locale variables that would outrank LANG are removed.
Run RenderToolTest::run(const QStringList &arguments)
{
    return TestSupport::runProgram(QStringLiteral(LOCHKARTOR_RENDER_BINARY), arguments,
                                   m_work->path(), m_runtime.path());
}

// A fresh window into which the "Daten laden" button loaded `file`.
std::unique_ptr<Lochkartor> RenderToolTest::loadThroughButton(const QString &file)
{
    auto window = std::make_unique<Lochkartor>();
    Dialogs::Script::clearRecords();
    Dialogs::Script::answerFileName(file);
    TestSupport::widget<QPushButton>(*window, "loadDataButton")->click();
    return window;
}

void RenderToolTest::addSampleRows()
{
    QTest::addColumn<QString>("file");
    for (const QString &name : std::as_const(m_sampleNames))
        QTest::newRow(qPrintable(QFileInfo(name).completeBaseName())) << sample(name);
}

void RenderToolTest::jsonAgreesWithWindow_data()
{
    addSampleRows();
    QTest::newRow("anode not wired")
        << m_variants.filePath(QStringLiteral("triode_without_anode.tds"));
    QTest::newRow("no tube name") << m_variants.filePath(QStringLiteral("triode_without_name.tds"));
}

void RenderToolTest::jsonAgreesWithWindow()
{
    QFETCH(QString, file);
    const std::unique_ptr<Lochkartor> window = loadThroughButton(file);
    QCOMPARE(Dialogs::Script::records().size(), 1);
    QVERIFY(Dialogs::Script::messages().isEmpty());
    for (const CheckLabel &check : checkLabels)
        QVERIFY2(!checkKey(*window, check.label).isEmpty(), check.label);

    const Run result = run({QStringLiteral("--json"), file});

    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.outLines().size(), 1);
    const QString line = result.outLines().first();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QVERIFY(document.isObject());
    const QString expected = expectedJson(*window, file);
    QVERIFY2(line == expected,
             qPrintable(QStringLiteral("\n   got: %1\nwanted: %2").arg(line, expected)));
}

void RenderToolTest::punchListAgreesWithWindow_data()
{
    addSampleRows();
    QTest::newRow("anode not wired")
        << m_variants.filePath(QStringLiteral("triode_without_anode.tds"));
}

void RenderToolTest::punchListAgreesWithWindow()
{
    QFETCH(QString, file);
    const std::unique_ptr<Lochkartor> window = loadThroughButton(file);
    QVERIFY(Dialogs::Script::messages().isEmpty());

    const Run result = run({QStringLiteral("--list"), file});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    // Without --json, -o and --out-dir the punch list is the default.
    QCOMPARE(run({file}).out, result.out);

    const QStringList lines = result.out.split(QLatin1Char('\n'));
    auto comboText = [&](const char *name) {
        return TestSupport::widget<QComboBox>(*window, name)->currentText();
    };
    QCOMPARE(lines.value(0), QStringLiteral("Röhre: ")
                                 + TestSupport::widget<QLineEdit>(*window, "tubeName")->text());
    QCOMPARE(lines.value(1), QStringLiteral("Sockel: ") + comboText("socket"));
    QCOMPARE(lines.value(2), QStringLiteral("Grundtyp: ") + comboText("genericTubeType"));

    // Every punched hole once, in card order, with what the card prints there.
    // A hole the card leaves unlabelled stands without a meaning.
    static const QRegularExpression holeLine(QStringLiteral("^(I|II) \\d+(  \\S.*)?$"));
    QStringList expectedHoles;
    for (const Hole &hole : createdCardHoles(*window)) {
        const QString position
            = fieldName(hole.field) + QLatin1Char(' ') + QString::number(hole.number);
        expectedHoles << (holeMeaning(hole).isEmpty()
                              ? position
                              : position + QStringLiteral("  ") + holeMeaning(hole));
    }
    QCOMPARE(lines.filter(holeLine), expectedHoles);

    for (const auto &[text, key] : textKeys) {
        const QGraphicsTextItem *item = window->cards().textItem(text);
        if (item->isVisible() && !item->toPlainText().isEmpty())
            QVERIFY2(lines.contains(QStringLiteral("  ") + item->toPlainText()), key);
    }
    for (const CheckLabel &check : checkLabels) {
        const QString expected
            = QStringLiteral("  %1: %2")
                  .arg(QLatin1String(check.name), checkWord(checkKey(*window, check.label)));
        QVERIFY2(lines.contains(expected), qPrintable(expected));
    }
}

void RenderToolTest::pictures_data()
{
    addSampleRows();
}

// -o writes the picture "Karte speichern" writes; --universal the universal
// card, black exactly where the created card has a hole.
void RenderToolTest::pictures()
{
    QFETCH(QString, file);
    const std::unique_ptr<Lochkartor> window = loadThroughButton(file);
    const QString saved = work(QStringLiteral("saved.png"));
    Dialogs::Script::answerFileName(saved);
    Dialogs::Script::answerQuestion(true); // whatever the checks say
    TestSupport::widget<QPushButton>(*window, "saveCardButton")->click();
    QVERIFY(Dialogs::Script::messages().isEmpty());

    const Run created = run({QStringLiteral("-o"), QStringLiteral("created.png"), file});
    QCOMPARE(created.err, QString());
    QCOMPARE(created.exitCode, 0);
    QCOMPARE(created.out, QString()); // a picture alone prints nothing
    const QImage picture(work(QStringLiteral("created.png")));
    QCOMPARE(picture.size(), QSize(927, 700));
    QVERIFY2(samePicture(picture, QImage(saved)), qPrintable(file));

    const Run universal = run({QStringLiteral("--universal"), QStringLiteral("-o"),
                               QStringLiteral("universal.png"), file});
    QCOMPARE(universal.err, QString());
    QCOMPARE(universal.exitCode, 0);
    const QImage card(work(QStringLiteral("universal.png")));
    QCOMPARE(card.size(), QSize(928, 700));
    const HoleList punched = createdCardHoles(*window);
    QVERIFY(!punched.empty());
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int number = 1; number <= HoleGrid::HolesPerField; ++number) {
            const Hole hole{field, number};
            const QPoint centre(HoleGrid::markerX(number) + HoleGrid::MarkerSize / 2,
                                HoleGrid::markerY(field, number) + HoleGrid::MarkerSize / 2);
            const bool black = qGray(card.pixel(centre)) < 64;
            const bool wanted = std::find(punched.begin(), punched.end(), hole) != punched.end();
            QVERIFY2(black == wanted, qPrintable(QStringLiteral("hole %1 %2 is %3 on the picture")
                                                     .arg(fieldName(field))
                                                     .arg(number)
                                                     .arg(black ? "black" : "open")));
        }
    }
}

void RenderToolTest::outDirNamesPicturesAfterFiles()
{
    QStringList files;
    for (const QString &name : std::as_const(m_sampleNames))
        files << sample(name);
    const Run result = run(
        QStringList{QStringLiteral("--json"), QStringLiteral("--out-dir"), QStringLiteral("cards")}
        + files);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.outLines().size(), files.size());

    QStringList expected;
    for (const QString &name : std::as_const(m_sampleNames))
        expected << QFileInfo(name).completeBaseName() + QStringLiteral(".png");
    const QDir cards(work(QStringLiteral("cards")));
    QCOMPARE(cards.entryList(QDir::Files, QDir::Name), expected);
    for (const QString &file : std::as_const(files)) {
        const std::unique_ptr<Lochkartor> window = loadThroughButton(file);
        const QString saved = work(QStringLiteral("saved.png"));
        Dialogs::Script::answerFileName(saved);
        Dialogs::Script::answerQuestion(true); // whatever the checks say
        TestSupport::widget<QPushButton>(*window, "saveCardButton")->click();
        const QImage picture(
            cards.filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".png")));
        QVERIFY2(samePicture(picture, QImage(saved)), qPrintable(file));
    }
}

// The JSON of several files is that of each file alone, in the order given,
// with the names as given.
void RenderToolTest::severalFilesOneLineEach()
{
    const QStringList names = {QStringLiteral("rectifier.tds"), QStringLiteral("diode.tds"),
                               QStringLiteral("indicator.tds")};
    for (const QString &name : names)
        QVERIFY(QFile::copy(sample(name), work(name)));

    const Run together = run(QStringList{QStringLiteral("--json")} + names);
    QCOMPARE(together.err, QString());
    QCOMPARE(together.exitCode, 0);

    QStringList alone;
    for (const QString &name : names)
        alone << run({QStringLiteral("--json"), name}).outLines();
    QCOMPARE(together.outLines(), alone);
    for (int i = 0; i < names.size(); ++i)
        QVERIFY(together.outLines().at(i).startsWith(QStringLiteral("{\"file\": \"") + names.at(i)
                                                     + QLatin1Char('"')));
}

void RenderToolTest::refusedFiles_data()
{
    QTest::addColumn<QString>("mode");       // "--json" or "--list"
    QTest::addColumn<QString>("refused");    // name in the working directory
    QTest::addColumn<QByteArray>("content"); // empty: no such file
    QTest::addColumn<QString>("reason");

    const QByteArray version2 = "[format]\nversion=2\n\n[genericTubeData]\ntubeName=X\n";
    QTest::newRow("version 2, JSON")
        << "--json"
        << "new.tds" << version2 << "Dateiversion wird nicht unterstützt";
    QTest::newRow("version 2, punch list")
        << "--list"
        << "new.tds" << version2 << "Dateiversion wird nicht unterstützt";
    QTest::newRow("missing file") << "--json"
                                  << "missing.tds" << QByteArray() << "Die Datei existiert nicht.";
    QTest::newRow("socket out of range")
        << "--json"
        << "bad.tds" << QByteArray("[format]\nversion=1\n\n[genericTubeData]\nsocket=24\n")
        << "liegt nicht zwischen 0 und 23";
}

// The refused file gets one line on stderr; the files before and after it
// are still rendered.
void RenderToolTest::refusedFiles()
{
    QFETCH(QString, mode);
    QFETCH(QString, refused);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    if (!content.isEmpty())
        QVERIFY(writeAll(work(refused), content));
    const QString first = sample(QStringLiteral("diode.tds"));
    const QString last = sample(QStringLiteral("triode.tds"));

    const Run result = run({mode, first, refused, last});

    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.errLines().size(), 1);
    const QString line = result.errLines().first();
    QVERIFY2(line.startsWith(refused + QStringLiteral(": ")), qPrintable(line));
    QVERIFY2(line.contains(reason), qPrintable(line));
    QCOMPARE(result.out, run({mode, first}).out + run({mode, last}).out);
}

void RenderToolTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");

    QTest::newRow("no arguments") << QStringList() << "keine Röhrendatei angegeben";
    QTest::newRow("options but no file")
        << QStringList{"--json", "--universal"} << "keine Röhrendatei angegeben";
    QTest::newRow("unknown option")
        << QStringList{"--postscript", "diode.tds"} << "unbekannte Option --postscript";
    QTest::newRow("-o with two files") << QStringList{"-o", "card.png", "diode.tds", "triode.tds"}
                                       << "-o nimmt genau eine Datei; für mehrere --out-dir";
    QTest::newRow("--json with --list")
        << QStringList{"--json", "--list", "diode.tds"} << "--json und --list schließen sich aus";
    QTest::newRow("-o without a name")
        << QStringList{"diode.tds", "-o"} << "-o braucht einen Namen";
    QTest::newRow("--out-dir without a name")
        << QStringList{"diode.tds", "--out-dir"} << "--out-dir braucht einen Namen";
    QTest::newRow("-o with --out-dir")
        << QStringList{"-o", "card.png", "--out-dir", "cards", "diode.tds"}
        << "-o und --out-dir schließen sich aus";
    QTest::newRow("-o with an empty name")
        << QStringList{"-o", "", "diode.tds"} << "-o braucht einen Namen";
    QTest::newRow("--out-dir with an empty name")
        << QStringList{"--out-dir", "", "diode.tds"} << "--out-dir braucht einen Namen";
}

// A usage error renders nothing: stdout stays empty, no picture is written,
// and stderr says what was wrong above the usage text.
void RenderToolTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, complaint);
    QVERIFY(QFile::copy(sample(QStringLiteral("diode.tds")), work(QStringLiteral("diode.tds"))));
    QVERIFY(QFile::copy(sample(QStringLiteral("triode.tds")), work(QStringLiteral("triode.tds"))));

    const Run result = run(arguments);

    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.errLines().value(0), QStringLiteral("lochkartor-render: ") + complaint);
    QVERIFY2(result.err.contains(QLatin1String("\nAufruf: lochkartor-render [--json | --list]")),
             qPrintable(result.err));
    QCOMPARE(QDir(m_work->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("diode.tds"), QStringLiteral("triode.tds")}));
}

void RenderToolTest::help()
{
    const Run result = run({QStringLiteral("--help")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    QVERIFY2(result.out.startsWith(QLatin1String("Aufruf: lochkartor-render [--json | --list]")),
             qPrintable(result.out));
    for (const char *option : {"--json", "--list", "--universal", "-o ", "--out-dir", "--help"})
        QVERIFY2(result.out.contains(QLatin1String(option)), option);
}

// Two folders holding a file of the same name: the second picture would
// replace the first one written in the same run.
void RenderToolTest::sameNameFromTwoFoldersIsNotOverwritten()
{
    QVERIFY(QDir(m_work->path()).mkpath(QStringLiteral("a")));
    QVERIFY(QDir(m_work->path()).mkpath(QStringLiteral("b")));
    QVERIFY(QFile::copy(sample(QStringLiteral("triode.tds")), work(QStringLiteral("a/tube.tds"))));
    QVERIFY(QFile::copy(sample(QStringLiteral("diode.tds")), work(QStringLiteral("b/tube.tds"))));
    QVERIFY(QFile::copy(sample(QStringLiteral("pentode.tds")), work(QStringLiteral("c.tds"))));

    const Run result
        = run({QStringLiteral("--out-dir"), QStringLiteral("cards"), QStringLiteral("a/tube.tds"),
               QStringLiteral("b/tube.tds"), QStringLiteral("c.tds")});
    const Run alone
        = run({QStringLiteral("-o"), QStringLiteral("alone.png"), QStringLiteral("a/tube.tds")});

    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.errLines().size(), 1);
    QVERIFY2(result.errLines().first().startsWith(QStringLiteral("b/tube.tds: ")),
             qPrintable(result.err));
    QVERIFY2(result.err.contains(QStringLiteral("nicht überschrieben")), qPrintable(result.err));
    QVERIFY(samePicture(QImage(work(QStringLiteral("cards/tube.png"))),
                        QImage(work(QStringLiteral("alone.png")))));
    QVERIFY(QFileInfo::exists(work(QStringLiteral("cards/c.png"))));
}

void RenderToolTest::adjustedValuesAreWarnings()
{
    QString triode = QString::fromUtf8(readAll(sample(QStringLiteral("triode.tds"))));
    triode.replace(QRegularExpression(QStringLiteral("plateVoltage=[^\n]*\n")),
                   QStringLiteral("plateVoltage=400\n"));
    QVERIFY(writeAll(work(QStringLiteral("high.tds")), triode.toUtf8()));

    const Run result = run({QStringLiteral("--json"), QStringLiteral("high.tds")});

    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.outLines().size(), 1);
    QCOMPARE(result.errLines(),
             QStringList{QStringLiteral("high.tds: Warnung: Anodenspannung: „400 V“ geladen als "
                                        "„300 V“")});
}

void RenderToolTest::refusalsSuitTheCommandLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no format group")
        << QByteArray("[genericTubeData]\ntubeName=X\n") << "Die Datei ist keine Röhrendatei.";
    QTest::newRow("empty") << QByteArray() << "Die Datei ist keine Röhrendatei.";
    QTest::newRow("bad value") << QByteArray("[format]\nversion=1\n[genericTubeData]\nsocket=99\n")
                               << "Der Wert „99“ von genericTubeData/socket liegt nicht zwischen";
    QTest::newRow("stored Qt type")
        << QByteArray("[format]\nversion=1\n[genericTubeData]\ntubeName=@Variant(\\0\\0\\0\\t)\n")
        << "gespeicherter Qt-Datentyp (@Variant)";
}

// One line each, in words for a command line: the window's "die Eingaben
// bleiben unverändert" has no place there.
void RenderToolTest::refusalsSuitTheCommandLine()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QVERIFY(writeAll(work(QStringLiteral("file.tds")), content));

    const Run result = run({QStringLiteral("--list"), QStringLiteral("file.tds")});

    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.errLines().size(), 1);
    QVERIFY2(result.errLines().first().startsWith(QStringLiteral("file.tds: ")),
             qPrintable(result.err));
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    QVERIFY2(!result.err.contains(QStringLiteral("Eingaben")), qPrintable(result.err));
}

void RenderToolTest::nameWithLineBreakKeepsItsLine()
{
    QString triode = QString::fromUtf8(readAll(sample(QStringLiteral("triode.tds"))));
    triode.replace(QRegularExpression(QStringLiteral("tubeName=[^\n]*\n")),
                   QStringLiteral("tubeName=\"A\\nB\\x1b\"\n"));
    QVERIFY(writeAll(work(QStringLiteral("name.tds")), triode.toUtf8()));

    const Run list = run({QStringLiteral("--list"), QStringLiteral("name.tds")});
    const Run json = run({QStringLiteral("--json"), QStringLiteral("name.tds")});

    QCOMPARE(list.exitCode, 0);
    QCOMPARE(list.outLines().value(0), QStringLiteral("Röhre: A\\nB\\x1b"));
    QCOMPARE(json.outLines().size(), 1);
    const QJsonDocument document = QJsonDocument::fromJson(json.outLines().first().toUtf8());
    QCOMPARE(document[QStringLiteral("texts")][QStringLiteral("tubeName")].toString(),
             QStringLiteral("A\nB\x1b"));
}

void RenderToolTest::socketByCardName_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("socketLine"); // empty: refused

    QTest::newRow("adapter") << "A5"
                             << "Fassung: A5: Noval";
    QTest::newRow("adapter, small letter") << "a1"
                                           << "Fassung: A1: Aussenkontakt";
    QTest::newRow("card number") << "11"
                                 << "Fassung: 11: Noval";
    QTest::newRow("leading zero") << "07"
                                  << "Fassung: 07: Oktal";
    QTest::newRow("without the zero") << "7"
                                      << "Fassung: 07: Oktal";
    QTest::newRow("list number of an adapter") << "24"
                                               << "Fassung: A5: Noval";
    QTest::newRow("no such adapter") << "A6"
                                     << "";
    QTest::newRow("no such socket") << "25"
                                    << "";
    QTest::newRow("zero") << "00"
                          << "";
    QTest::newRow("list text") << "A5: Noval"
                               << "";
}

// --socket takes the name the card prints as well as the list's number.
void RenderToolTest::socketByCardName()
{
    QFETCH(QString, given);
    QFETCH(QString, socketLine);

    const Run result = run({QStringLiteral("--read-holes"), QStringLiteral("I 2 II 12"),
                            QStringLiteral("--socket"), given});

    if (socketLine.isEmpty()) {
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.contains(QLatin1String("A1 bis A5")), qPrintable(result.err));
        return;
    }
    QVERIFY2(result.outLines().contains(socketLine), qPrintable(result.out));
}

QTEST_MAIN(RenderToolTest)
#include "tst_render_tool.moc"
