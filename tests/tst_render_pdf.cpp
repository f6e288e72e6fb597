// lochkartor-render --pdf, run as the real program: one page per tube with
// the card at its true size where "Karte drucken" puts it, measured on the
// page as a printer would draw it (poppler's pdftoppm), and the punch list
// as text on the page, in the order it is drawn (pdftotext -raw).

#include "card_outline.h"
#include "card_sheets.h"
#include "dialogs.h"
#include "lochkartor.h"
#include "program_run.h"
#include "testsupport_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

constexpr double MillimetresPerInch = 25.4;
constexpr double CardPixelsPerInch = 150.0;
constexpr int MeasuringDpi = 1200; // 0.02 mm a pixel

using Run = TestSupport::ProgramRun;

struct Tool
{
    int exitCode = -1;
    QByteArray out;
};

Tool runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    Tool tool;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return tool;
    }
    tool.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    tool.out = process.readAllStandardOutput();
    return tool;
}

// A card pixel's distance from the page edge, in millimetres, with the
// card one inch from the page origin and drawn `correction` times larger.
double onPage(int cardPixel, double correction)
{
    return (CardPixelsPerInch + cardPixel) / CardPixelsPerInch * MillimetresPerInch * correction;
}

// The outer edges of the card's black frame on the page, in millimetres;
// the outline names the frame's last pixels on the right and at the bottom.
struct Frame
{
    double left, top, right, bottom;
};

Frame expectedFrame(double correctionX, double correctionY)
{
    return {onPage(CardOutline::FrameLeft, correctionX), onPage(CardOutline::FrameTop, correctionY),
            onPage(CardOutline::FrameRight + 1, correctionX),
            onPage(CardOutline::FrameBottom + 1, correctionY)};
}

using TestSupport::readAll;
using TestSupport::writeAll;

// Lines with their runs of spaces made one, blank lines dropped and
// ligatures ("fi" drawn as one glyph) taken apart: how pdftotext and the
// punch list can be compared.
QStringList simplifiedLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.normalized(QString::NormalizationForm_KC).split('\n')) {
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    }
    return lines;
}

// Whether `part` appears in `whole` in its order, other lines between.
bool inOrder(const QStringList &part, const QStringList &whole, QString *missing)
{
    qsizetype at = 0;
    for (const QString &line : part) {
        at = whole.indexOf(line, at);
        if (at < 0) {
            *missing = line;
            return false;
        }
        ++at;
    }
    return true;
}

} // namespace

class RenderPdfTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void defaultPaperFollowsTheLocale_data();
    void defaultPaperFollowsTheLocale();
    void cardHasTrueSizeOnThePage_data();
    void cardHasTrueSizeOnThePage();
    void onePagePerTubeWithItsPunchList();
    void noListLeavesOnlyTheName();
    void pageSizeFromTheLocaleWithoutTheOption_data();
    void pageSizeFromTheLocaleWithoutTheOption();
    void refusedFilesAreSkipped();
    void nothingLoadedWritesNoFile();
    void failedWriteKeepsTheOldFile();
    void usageErrors_data();
    void usageErrors();
    void windowPrintAgreesWithBatchPdf_data();
    void windowPrintAgreesWithBatchPdf();

private:
    Run run(const QStringList &arguments, const QString &language = QStringLiteral("de_DE.UTF-8"));
    QString sample(const QString &name) const { return QDir(m_samples).filePath(name); }
    QString work(const QString &name) const { return QDir(m_work->path()).filePath(name); }
    void storeCorrection(double x, double y);
    int pageCount(const QString &pdf);
    QSizeF pageSizeInPoints(const QString &pdf);
    QString pageText(const QString &pdf, int page);
    double edge(const QString &pdf, Qt::Orientation direction, double across, double from,
                double to);
    Frame measuredFrame(const QString &pdf, const Frame &expected);

    QString m_samples;
    QStringList m_sampleNames;
    QTemporaryDir m_runtime;
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<QTemporaryDir> m_config; // the user's settings of the runs
};

void RenderPdfTest::initTestCase()
{
    QVERIFY2(QFileInfo(QStringLiteral(LOCHKARTOR_RENDER_BINARY)).isExecutable(),
             LOCHKARTOR_RENDER_BINARY);
    for (const char *tool : {"pdftoppm", "pdftotext", "pdfinfo"})
        QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                 "poppler-utils missing: run scripts/install-deps.sh");
    const QString source = qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR");
    QVERIFY2(!source.isEmpty(), "LOCHKARTOR_SOURCE_DIR is not set; run the test through ctest");
    m_samples = QDir(source).filePath(QStringLiteral("tests/data/tubes"));
    m_sampleNames = QDir(m_samples).entryList({QStringLiteral("*.tds")}, QDir::Files, QDir::Name);
    QVERIFY(m_sampleNames.size() >= 3);
    QVERIFY(m_runtime.isValid());
}

void RenderPdfTest::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    QVERIFY(m_config->isValid());
}

void RenderPdfTest::cleanup()
{
    m_work.reset();
    m_config.reset();
}

// In the test's own working directory, with its own settings folder.
Run RenderPdfTest::run(const QStringList &arguments, const QString &language)
{
    return TestSupport::runProgram(QStringLiteral(LOCHKARTOR_RENDER_BINARY), arguments,
                                   m_work->path(), m_runtime.path(), language,
                                   {{QStringLiteral("XDG_CONFIG_HOME"), m_config->path()}});
}

// What "Druck kalibrieren…" keeps, where the window keeps it.
void RenderPdfTest::storeCorrection(double x, double y)
{
    QVERIFY(QDir(m_config->path()).mkpath(QStringLiteral("Lochkartor")));
    QVERIFY(writeAll(m_config->filePath(QStringLiteral("Lochkartor/lochkartor.conf")),
                     QStringLiteral("[printCalibration]\nx=%1\ny=%2\n")
                         .arg(QString::number(x, 'g', 17), QString::number(y, 'g', 17))
                         .toUtf8()));
}

int RenderPdfTest::pageCount(const QString &pdf)
{
    const Tool info = runTool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                                             QRegularExpression::MultilineOption)
                                              .match(QString::fromUtf8(info.out));
    return info.exitCode == 0 && pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QSizeF RenderPdfTest::pageSizeInPoints(const QString &pdf)
{
    const Tool info = runTool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch size
        = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                             QRegularExpression::MultilineOption)
              .match(QString::fromUtf8(info.out));
    return size.hasMatch() ? QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble())
                           : QSizeF();
}

QString RenderPdfTest::pageText(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    return QString::fromUtf8(
        runTool(QStringLiteral("pdftotext"),
                {QStringLiteral("-raw"), QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                 QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
            .out);
}

// Where the first page, drawn at 1200 dpi, first turns dark along a line
// `across` millimetres from the left (vertical) or top (horizontal) edge,
// going from `from` towards `to`; the edge's distance from the page edge in
// millimetres, or -1 when the line stays light.
double RenderPdfTest::edge(const QString &pdf, Qt::Orientation direction, double across,
                           double from, double to)
{
    const double pixelsPerMillimetre = MeasuringDpi / MillimetresPerInch;
    const int start = int(std::floor(std::min(from, to) * pixelsPerMillimetre));
    const int length = int(std::ceil(std::abs(to - from) * pixelsPerMillimetre)) + 1;
    const int line = int(across * pixelsPerMillimetre);
    const bool horizontal = direction == Qt::Horizontal;
    const QString prefix = work(QStringLiteral("strip"));
    const Tool drawn
        = runTool(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                   QStringLiteral("1"), QStringLiteral("-r"), QString::number(MeasuringDpi),
                   QStringLiteral("-x"), QString::number(horizontal ? start : line),
                   QStringLiteral("-y"), QString::number(horizontal ? line : start),
                   QStringLiteral("-W"), QString::number(horizontal ? length : 1),
                   QStringLiteral("-H"), QString::number(horizontal ? 1 : length),
                   QStringLiteral("-gray"), QStringLiteral("-singlefile"), pdf, prefix});
    const QImage strip(prefix + QStringLiteral(".pgm"));
    QFile::remove(prefix + QStringLiteral(".pgm"));
    if (drawn.exitCode != 0 || strip.isNull())
        return -1;
    const bool forward = to > from;
    for (int step = 0; step < length; ++step) {
        const int i = forward ? step : length - 1 - step;
        if (i >= (horizontal ? strip.width() : strip.height()))
            continue;
        if (qGray(strip.pixel(horizontal ? i : 0, horizontal ? 0 : i)) < 128)
            return (start + i + (forward ? 0 : 1)) / pixelsPerMillimetre;
    }
    return -1;
}

// Each edge of the frame is looked for from 4 mm outside its expected place
// inwards, along lines through the middle of the card.
Frame RenderPdfTest::measuredFrame(const QString &pdf, const Frame &expected)
{
    const double middleX = (expected.left + expected.right) / 2;
    const double middleY = (expected.top + expected.bottom) / 2;
    constexpr double reach = 4.0;
    return {edge(pdf, Qt::Horizontal, middleY, expected.left - reach, expected.left + reach),
            edge(pdf, Qt::Vertical, middleX, expected.top - reach, expected.top + reach),
            edge(pdf, Qt::Horizontal, middleY, expected.right + reach, expected.right - reach),
            edge(pdf, Qt::Vertical, middleX, expected.bottom + reach, expected.bottom - reach)};
}

void RenderPdfTest::defaultPaperFollowsTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("letter");
    QTest::newRow("Germany") << "de_DE" << false;
    QTest::newRow("United States") << "en_US" << true;
    QTest::newRow("Canada, French") << "fr_CA" << true;
    QTest::newRow("Mexico") << "es_MX" << true;
    QTest::newRow("United Kingdom (imperial, yet A4)") << "en_GB" << false;
    QTest::newRow("Spain") << "es_ES" << false;
    QTest::newRow("C") << "C" << false;
}

void RenderPdfTest::defaultPaperFollowsTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(bool, letter);
    QCOMPARE(CardSheets::defaultPaper(QLocale(locale)), letter ? QPageSize::Letter : QPageSize::A4);
}

void RenderPdfTest::cardHasTrueSizeOnThePage_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<double>("storedX"); // 0: nothing stored
    QTest::addColumn<double>("storedY");
    QTest::addColumn<double>("appliedX");
    QTest::addColumn<double>("appliedY");
    QTest::addColumn<QSizeF>("paperPoints");

    const QSizeF a4(595.276, 841.89);
    const QSizeF letter(612, 792);
    const QStringList a4Option{QStringLiteral("--page-size"), QStringLiteral("A4")};
    const QStringList letterOption{QStringLiteral("--page-size"), QStringLiteral("letter")};
    QTest::newRow("A4, no correction") << a4Option << 0.0 << 0.0 << 1.0 << 1.0 << a4;
    QTest::newRow("Letter, no correction") << letterOption << 0.0 << 0.0 << 1.0 << 1.0 << letter;
    QTest::newRow("A4, printer 2 % small across, 1.5 % large down")
        << a4Option << 1.02 << 0.985 << 1.02 << 0.985 << a4;
    QTest::newRow("Letter, the largest correction")
        << letterOption << 150.0 / 140.0 << 150.0 / 160.0 << 150.0 / 140.0 << 150.0 / 160.0
        << letter;
    QTest::newRow("--no-calibration")
        << (a4Option + QStringList{QStringLiteral("--no-calibration")}) << 1.02 << 0.985 << 1.0
        << 1.0 << a4;
    QTest::newRow("--no-list, corrected")
        << (letterOption + QStringList{QStringLiteral("--no-list")}) << 0.99 << 1.01 << 0.99 << 1.01
        << letter;
    QTest::newRow("stored nonsense is no correction")
        << a4Option << 7.0 << -1.0 << 1.0 << 1.0 << a4;
}

// The frame's outer edges lie where 150 card pixels to the inch, one inch
// from the paper's corner, times the stored correction put them, within
// 0.1 mm; so do the card's width and height.
void RenderPdfTest::cardHasTrueSizeOnThePage()
{
    QFETCH(QStringList, options);
    QFETCH(double, storedX);
    QFETCH(double, storedY);
    QFETCH(double, appliedX);
    QFETCH(double, appliedY);
    QFETCH(QSizeF, paperPoints);
    if (storedX != 0)
        storeCorrection(storedX, storedY);

    const Run result = run(QStringList{QStringLiteral("--pdf"), QStringLiteral("cards.pdf")}
                           << options << sample(QStringLiteral("pentode.tds")));

    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QString());
    QVERIFY2(result.errLines().filter(QStringLiteral("cards.pdf")).isEmpty(),
             qPrintable(result.err));
    const QString pdf = work(QStringLiteral("cards.pdf"));
    QCOMPARE(pageCount(pdf), 1);
    const QSizeF paper = pageSizeInPoints(pdf);
    QVERIFY2(qAbs(paper.width() - paperPoints.width()) < 0.5
                 && qAbs(paper.height() - paperPoints.height()) < 0.5,
             qPrintable(QStringLiteral("%1 x %2").arg(paper.width()).arg(paper.height())));

    const Frame expected = expectedFrame(appliedX, appliedY);
    const Frame measured = measuredFrame(pdf, expected);
    const QString report = QStringLiteral("measured %1 %2 %3 %4, expected %5 %6 %7 %8")
                               .arg(measured.left)
                               .arg(measured.top)
                               .arg(measured.right)
                               .arg(measured.bottom)
                               .arg(expected.left)
                               .arg(expected.top)
                               .arg(expected.right)
                               .arg(expected.bottom);
    QVERIFY2(qAbs(measured.left - expected.left) < 0.1, qPrintable(report));
    QVERIFY2(qAbs(measured.top - expected.top) < 0.1, qPrintable(report));
    QVERIFY2(qAbs(measured.right - expected.right) < 0.1, qPrintable(report));
    QVERIFY2(qAbs(measured.bottom - expected.bottom) < 0.1, qPrintable(report));
    // 927 x 700 card pixels are 156.97 x 118.53 mm before the correction.
    const double millimetresPerCardPixelX
        = (measured.right - measured.left) / (CardOutline::FrameRight + 1 - CardOutline::FrameLeft);
    const double millimetresPerCardPixelY
        = (measured.bottom - measured.top) / (CardOutline::FrameBottom + 1 - CardOutline::FrameTop);
    QVERIFY2(qAbs(millimetresPerCardPixelX * CardOutline::Width - 156.97 * appliedX) < 0.1,
             qPrintable(report));
    QVERIFY2(qAbs(millimetresPerCardPixelY * CardOutline::Height - 118.53 * appliedY) < 0.1,
             qPrintable(report));
}

// Every line the punch list prints for a tube stands on that tube's page,
// in its order, and the page begins with the tube's name.
void RenderPdfTest::onePagePerTubeWithItsPunchList()
{
    QStringList files;
    for (const QString &name : std::as_const(m_sampleNames))
        files << sample(name);

    const Run result
        = run(QStringList{QStringLiteral("--pdf"), QStringLiteral("cards.pdf")} << files);

    QCOMPARE(result.exitCode, 0);
    const QString pdf = work(QStringLiteral("cards.pdf"));
    QCOMPARE(pageCount(pdf), files.size());
    for (int page = 1; page <= files.size(); ++page) {
        const Run list = run({QStringLiteral("--list"), files.at(page - 1)});
        QCOMPARE(list.exitCode, 0);
        const QStringList expected = simplifiedLines(list.out);
        QVERIFY(expected.value(0).startsWith(QStringLiteral("Röhre: ")));
        const QStringList text = simplifiedLines(pageText(pdf, page));
        QString missing;
        QVERIFY2(inOrder(expected, text, &missing),
                 qPrintable(QStringLiteral("page %1 lacks \"%2\"").arg(page).arg(missing)));
        const QString name = expected.first().mid(7);
        QVERIFY2(inOrder({name, QFileInfo(files.at(page - 1)).fileName()}, text, &missing),
                 qPrintable(missing));
    }
}

void RenderPdfTest::noListLeavesOnlyTheName()
{
    const Run result
        = run({QStringLiteral("--pdf"), QStringLiteral("cards.pdf"), QStringLiteral("--no-list"),
               sample(QStringLiteral("pentode.tds")), sample(QStringLiteral("triode.tds"))});

    QCOMPARE(result.exitCode, 0);
    const QString pdf = work(QStringLiteral("cards.pdf"));
    QCOMPARE(pageCount(pdf), 2);
    const QStringList text = simplifiedLines(pageText(pdf, 1));
    QVERIFY2(text.contains(QStringLiteral("pentode.tds")), qPrintable(text.join('|')));
    for (const char *listed : {"Löcher:", "Kartentexte:", "Gültigkeitsprüfung:"})
        QVERIFY2(!text.contains(QString::fromUtf8(listed)), listed);
}

void RenderPdfTest::pageSizeFromTheLocaleWithoutTheOption_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("widthPoints");
    QTest::newRow("de_DE: A4") << "de_DE.UTF-8" << 595.276;
    QTest::newRow("en_US: Letter") << "en_US.UTF-8" << 612.0;
}

void RenderPdfTest::pageSizeFromTheLocaleWithoutTheOption()
{
    QFETCH(QString, language);
    QFETCH(double, widthPoints);
    const Run result = run(
        {QStringLiteral("--pdf"), QStringLiteral("cards.pdf"), sample(QStringLiteral("diode.tds"))},
        language);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(qAbs(pageSizeInPoints(work(QStringLiteral("cards.pdf"))).width() - widthPoints) < 0.5);
}

// A refused file gets the same line on stderr as with --list and no page;
// the others still get theirs, and the status is 1.
void RenderPdfTest::refusedFilesAreSkipped()
{
    QVERIFY(writeAll(work(QStringLiteral("new.tds")),
                     "[format]\nversion=2\n\n[genericTubeData]\ntubeName=X\n"));
    const QStringList files{sample(QStringLiteral("diode.tds")), QStringLiteral("new.tds"),
                            QStringLiteral("missing.tds"), sample(QStringLiteral("triode.tds"))};

    const Run result
        = run(QStringList{QStringLiteral("--pdf"), QStringLiteral("cards.pdf")} << files);
    const Run list = run(QStringList{QStringLiteral("--list")} << files);

    QCOMPARE(result.exitCode, 1);
    QCOMPARE(list.exitCode, 1);
    QCOMPARE(result.errLines(), list.errLines());
    QCOMPARE(result.errLines().size(), 2);
    const QString pdf = work(QStringLiteral("cards.pdf"));
    QCOMPARE(pageCount(pdf), 2);
    QVERIFY(simplifiedLines(pageText(pdf, 1)).contains(QStringLiteral("diode.tds")));
    QVERIFY(simplifiedLines(pageText(pdf, 2)).contains(QStringLiteral("triode.tds")));
}

// A PDF without a page is no PDF; an older file of that name stays.
void RenderPdfTest::nothingLoadedWritesNoFile()
{
    QVERIFY(writeAll(work(QStringLiteral("cards.pdf")), "%PDF-1.4 older cards"));
    const Run result = run(
        {QStringLiteral("--pdf"), QStringLiteral("cards.pdf"), QStringLiteral("missing.tds")});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.errLines().size(), 2);
    QVERIFY2(result.errLines().last().startsWith(QStringLiteral("cards.pdf: ")),
             qPrintable(result.err));
    QCOMPARE(readAll(work(QStringLiteral("cards.pdf"))), QByteArray("%PDF-1.4 older cards"));
}

// The old file stays whole when the new one cannot be written; root may
// write into a locked folder, so there only a file in place of a folder
// makes the write fail.
void RenderPdfTest::failedWriteKeepsTheOldFile()
{
    QVERIFY(writeAll(work(QStringLiteral("plain")), "a file, not a folder"));
    const Run intoAFile = run({QStringLiteral("--pdf"), QStringLiteral("plain/cards.pdf"),
                               sample(QStringLiteral("diode.tds"))});
    QCOMPARE(intoAFile.exitCode, 1);
    QCOMPARE(intoAFile.errLines().size(), 1);
    QVERIFY2(intoAFile.errLines().first().startsWith(QStringLiteral("plain/cards.pdf: ")),
             qPrintable(intoAFile.err));

    QVERIFY(QDir(m_work->path()).mkdir(QStringLiteral("locked")));
    QVERIFY(writeAll(work(QStringLiteral("locked/cards.pdf")), "older cards"));
    QVERIFY(QFile::setPermissions(work(QStringLiteral("locked")),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const bool locked = !QFileInfo(work(QStringLiteral("locked"))).isWritable();
    const Run result = run({QStringLiteral("--pdf"), QStringLiteral("locked/cards.pdf"),
                            sample(QStringLiteral("diode.tds"))});
    QFile::setPermissions(work(QStringLiteral("locked")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!locked)
        QSKIP("the folder lock does not hold for this user");
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.errLines().size(), 1);
    QVERIFY2(result.errLines().first().startsWith(QStringLiteral("locked/cards.pdf: ")),
             qPrintable(result.err));
    QCOMPARE(readAll(work(QStringLiteral("locked/cards.pdf"))), QByteArray("older cards"));
}

void RenderPdfTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("--pdf without a name")
        << QStringList{"diode.tds", "--pdf"} << "--pdf braucht einen Namen";
    QTest::newRow("--pdf with an empty name")
        << QStringList{"--pdf", "", "diode.tds"} << "--pdf braucht einen Namen";
    QTest::newRow("unknown paper")
        << QStringList{"--pdf", "c.pdf", "--page-size", "A5", "diode.tds"}
        << "--page-size nimmt A4 oder Letter, nicht „A5“";
    QTest::newRow("--page-size without --pdf")
        << QStringList{"--page-size", "A4", "diode.tds"} << "--page-size gilt nur mit --pdf";
    QTest::newRow("--no-list without --pdf")
        << QStringList{"--list", "--no-list", "diode.tds"} << "--no-list gilt nur mit --pdf";
    QTest::newRow("--no-calibration without --pdf")
        << QStringList{"--no-calibration", "diode.tds"} << "--no-calibration gilt nur mit --pdf";
    QTest::newRow("--pdf while reading a card")
        << QStringList{"--read-holes", "I 9", "--pdf", "c.pdf"}
        << "beim Einlesen einer Karte gelten nur --socket, --json und -o";
}

void RenderPdfTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, complaint);
    QVERIFY(QFile::copy(sample(QStringLiteral("diode.tds")), work(QStringLiteral("diode.tds"))));

    const Run result = run(arguments);

    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.errLines().value(0), QStringLiteral("lochkartor-render: ") + complaint);
    QCOMPARE(QDir(m_work->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("diode.tds")});
}

void RenderPdfTest::windowPrintAgreesWithBatchPdf_data()
{
    QTest::addColumn<double>("measuredX"); // the rulers as measured; 0: no correction
    QTest::addColumn<double>("measuredY");

    QTest::newRow("no correction") << 0.0 << 0.0;
    QTest::newRow("printer 2 % small across, 1.3 % large down") << 147.0 << 152.0;
}

// A card punched from "Karte drucken" to a PDF and one from --pdf fit the
// tester alike: the frame lies at the same place and scale on both pages,
// within 0.1 mm, and where the inch from the paper's corner puts it.
void RenderPdfTest::windowPrintAgreesWithBatchPdf()
{
    QFETCH(double, measuredX);
    QFETCH(double, measuredY);
    TestSupport::isolateSettings();
    Dialogs::Script::begin();
    const auto unscripted = qScopeGuard([] { Dialogs::Script::end(); });
    Lochkartor window;
    if (measuredX > 0) {
        Dialogs::Script::answerPrintCalibration({false, measuredX, measuredY, false});
        window.calibratePrinting();
    }
    const PrintCalibration::Correction correction = window.printCorrection();
    if (measuredX > 0)
        storeCorrection(correction.x, correction.y);
    QVERIFY(window.loadTubeData(sample(QStringLiteral("pentode.tds"))));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(work(QStringLiteral("window.pdf")));
    QVERIFY(window.printCard(&printer));
    const Run batch
        = run({QStringLiteral("--pdf"), QStringLiteral("batch.pdf"), QStringLiteral("--page-size"),
               QStringLiteral("A4"), sample(QStringLiteral("pentode.tds"))});
    QCOMPARE(batch.exitCode, 0);

    const Frame expected = expectedFrame(correction.x, correction.y);
    const Frame printed = measuredFrame(work(QStringLiteral("window.pdf")), expected);
    const Frame rendered = measuredFrame(work(QStringLiteral("batch.pdf")), expected);
    const QString report = QStringLiteral("Karte drucken %1 %2 %3 %4, --pdf %5 %6 %7 %8 (mm)")
                               .arg(printed.left)
                               .arg(printed.top)
                               .arg(printed.right)
                               .arg(printed.bottom)
                               .arg(rendered.left)
                               .arg(rendered.top)
                               .arg(rendered.right)
                               .arg(rendered.bottom);
    for (const auto &[one, other] :
         {std::pair{printed.left, rendered.left}, std::pair{printed.top, rendered.top},
          std::pair{printed.right, rendered.right}, std::pair{printed.bottom, rendered.bottom}})
        QVERIFY2(one >= 0 && qAbs(one - other) < 0.1, qPrintable(report));
    QVERIFY2(qAbs(printed.left - expected.left) < 0.1 && qAbs(printed.top - expected.top) < 0.1,
             qPrintable(report));
}

QTEST_MAIN(RenderPdfTest)
#include "tst_render_pdf.moc"
