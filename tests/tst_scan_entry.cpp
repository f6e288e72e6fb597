// The two ways in to reading a picture of a card: lochkartor-render
// --read-image and the picture button of "Karte einlesen…".

#include "cardscenes.h"
#include "lochkartor.h"
#include "program_run.h"
#include "read_card_dialog.h"
#include "synthetic_scan.h"
#include "testsupport_window.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using TestSupport::holesText;

namespace {

using Run = TestSupport::ProgramRun;

Run runRender(const QStringList &arguments, const QString &directory)
{
    return TestSupport::runProgram(QStringLiteral(LOCHKARTOR_RENDER_BINARY), arguments, directory,
                                   directory);
}

QString sampleTube(const char *name)
{
    return QDir(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR"))
        .filePath(QStringLiteral("tests/data/tubes/") + QLatin1String(name));
}

// The card of a sample tube, scanned crooked and noisy at 200 dpi.
HoleList scanOfSample(const char *name, const QString &fileName)
{
    Lochkartor window;
    if (!window.loadTubeData(sampleTube(name)))
        return {};
    ScanDistortion distortion;
    distortion.dpi = 200;
    distortion.angle = -6;
    distortion.upsideDown = true;
    distortion.background = 40;
    distortion.noise = 0.05;
    distortion.blur = 1;
    distortion.jpegQuality = 50;
    const HoleList holes = window.cards().punchedHoles();
    // Scanners write colour, with a cast of their lamp.
    QImage scan = syntheticScan(holes, distortion).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < scan.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(scan.scanLine(y));
        for (int x = 0; x < scan.width(); ++x)
            line[x] = qRgb(qRed(line[x]), qGreen(line[x]) * 15 / 16, qBlue(line[x]) * 7 / 8);
    }
    scan.save(fileName);
    return holes;
}

QImage blankPage()
{
    QImage page(1240, 1754, QImage::Format_Grayscale8);
    page.fill(Qt::white);
    return page;
}

} // namespace

class ScanEntryTest : public QObject
{
    Q_OBJECT

private slots:
    void renderToolReadsAScan();
    void renderToolRefuses_data();
    void renderToolRefuses();
    void dialogShowsTheHolesOfAPicture();
    void dialogKeepsItsHolesWhenNoCardIsFound();
};

// A scan reads to the same report as the holes typed in, and the tube file
// written from it punches the card that was scanned.
void ScanEntryTest::renderToolReadsAScan()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString scan = directory.filePath(QStringLiteral("scan.jpg"));
    const HoleList holes = scanOfSample("pentode.tds", scan);
    QVERIFY(!holes.empty());

    // The pentode's socket: the card alone fits several, which exits 1.
    const QString socket = QStringLiteral("--socket=11");
    const Run read = runRender({QStringLiteral("--read-image"), scan, socket, QStringLiteral("-o"),
                                QStringLiteral("read.tds")},
                               directory.path());
    QCOMPARE(read.exitCode, 0);
    QVERIFY2(read.out.contains(QStringLiteral("Unsichere Stellen: keine")), qPrintable(read.out));
    QVERIFY2(read.err.isEmpty(), qPrintable(read.err));
    Lochkartor loaded;
    QVERIFY(loaded.loadTubeData(directory.filePath(QStringLiteral("read.tds"))));
    QCOMPARE(holesText(loaded.cards().punchedHoles()), holesText(holes));

    const Run json = runRender(
        {QStringLiteral("--read-image"), scan, socket, QStringLiteral("--json")}, directory.path());
    QCOMPARE(json.exitCode, 0);
    const QJsonObject report = QJsonDocument::fromJson(json.out.toUtf8()).object();
    const QJsonObject found = report.value(QStringLiteral("scan")).toObject();
    QCOMPARE(found.value(QStringLiteral("cardFound")).toBool(), true);
    QVERIFY(found.value(QStringLiteral("uncertain"))
                .toObject()
                .value(QStringLiteral("I"))
                .toArray()
                .isEmpty());
    QVERIFY(report.value(QStringLiteral("contradictions")).toArray().isEmpty());

    // Scanners write TIFF too.
    const QString tiff = directory.filePath(QStringLiteral("scan.tif"));
    QVERIFY(QImage(scan).save(tiff));
    const Run fromTiff
        = runRender({QStringLiteral("--read-image"), tiff, socket}, directory.path());
    QCOMPARE(fromTiff.exitCode, 0);
    QCOMPARE(fromTiff.out, read.out);
}

void ScanEntryTest::renderToolRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString image = QStringLiteral("--read-image");
    QTest::newRow("no card in the picture") << QStringList{image, QStringLiteral("blank.png")} << 1
                                            << QStringLiteral("blank.png: keine Karte gefunden");
    QTest::newRow("no picture") << QStringList{image, QStringLiteral("nowhere.png")} << 2
                                << QStringLiteral("nowhere.png");
    QTest::newRow("not a picture")
        << QStringList{image, QStringLiteral("text.png")} << 2 << QStringLiteral("text.png");
    QTest::newRow("two inputs") << QStringList{image, QStringLiteral("blank.png"),
                                               QStringLiteral("--read-holes"),
                                               QStringLiteral("I 9")}
                                << 2 << QStringLiteral("schließen sich aus");
    QTest::newRow("no picture name")
        << QStringList{image} << 2 << QStringLiteral("--read-image braucht einen Wert");
}

void ScanEntryTest::renderToolRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir directory;
    QVERIFY(blankPage().save(directory.filePath(QStringLiteral("blank.png"))));
    QFile text(directory.filePath(QStringLiteral("text.png")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("no picture at all\n");
    text.close();
    const Run run = runRender(arguments, directory.path());
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(!run.out.contains(QStringLiteral("Gelesene Löcher")), qPrintable(run.out));
}

// The picture's holes go into the fields and onto the dialog's universal
// card before anything reaches the form; a position in doubt is ringed and
// named.
void ScanEntryTest::dialogShowsTheHolesOfAPicture()
{
    QTemporaryDir directory;
    const QString scan = directory.filePath(QStringLiteral("scan.jpg"));
    const HoleList holes = scanOfSample("triode.tds", scan);
    int reports = 0;
    ReadCardDialog dialog(nullptr, {QStringLiteral("1: Noval")}, [&](const HoleList &, int) {
        ++reports;
        return QStringLiteral("Bericht");
    });
    QVERIFY(!dialog.isCardShown());
    QVERIFY(dialog.readPicture(scan));
    QVERIFY(dialog.isCardShown());
    QCOMPARE(holesText(dialog.holes()), holesText(holes));
    QCOMPARE(holesText(dialog.cards().universalPunchedHoles()), holesText(holes));
    QVERIFY(dialog.reportText().contains(QStringLiteral("Unsichere Stellen: keine")));
    QVERIFY(dialog.reportText().endsWith(QStringLiteral("Bericht")));
    QVERIFY(reports > 0);

    // Edits to the fields move the holes on the card with them.
    dialog.findChildren<QLineEdit *>().at(0)->setText(QStringLiteral("1 2"));
    QCOMPARE(holesText(dialog.cards().universalPunchedHoles()).section(QLatin1Char(' '), 0, 1),
             QStringLiteral("I1 I2"));

    QImage partly = ownCardPicture({holeI(5)});
    {
        QPainter painter(&partly);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPie(QRectF(HoleGrid::markerX(30), HoleGrid::markerY(HoleGrid::FieldII, 30),
                               HoleGrid::MarkerSize, HoleGrid::MarkerSize),
                        0, 180 * 16);
    }
    const QString doubtful = directory.filePath(QStringLiteral("doubtful.png"));
    QVERIFY(partly.save(doubtful));
    QVERIFY(dialog.readPicture(doubtful));
    QVERIFY2(dialog.reportText().contains(QStringLiteral("II 30 als offen gelesen")),
             qPrintable(dialog.reportText()));
}

void ScanEntryTest::dialogKeepsItsHolesWhenNoCardIsFound()
{
    QTemporaryDir directory;
    const QString blank = directory.filePath(QStringLiteral("blank.png"));
    QVERIFY(blankPage().save(blank));
    ReadCardDialog dialog(nullptr, {QStringLiteral("1: Noval")},
                          [](const HoleList &, int) { return QString(); });
    dialog.findChildren<QLineEdit *>().at(0)->setText(QStringLiteral("9 20"));
    QVERIFY(!dialog.readPicture(blank));
    QVERIFY(!dialog.readPicture(directory.filePath(QStringLiteral("nowhere.png"))));
    QVERIFY(dialog.readPicture(blank) == false);
    QVERIFY(dialog.reportText().endsWith(QStringLiteral("keine Karte gefunden")));
    QCOMPARE(holesText(dialog.holes()), QStringLiteral("I9 I20"));
    QVERIFY(!dialog.isCardShown());
}

QTEST_MAIN(ScanEntryTest)
#include "tst_scan_entry.moc"
