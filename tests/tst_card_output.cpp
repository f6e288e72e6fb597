#include "card_image.h"
#include "dialogs.h"
#include "form_edits.h"
#include "recording_printer.h"
#include "testsupport_window.h"

#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QImageReader>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

namespace {

constexpr double MillimetresPerInch = 25.4;

// Collects the debug lines while it lives; everything else goes on to the
// test framework, so ignoreMessage keeps working.
class DebugLines
{
public:
    DebugLines()
    {
        collected().clear();
        previous() = qInstallMessageHandler(handler);
    }
    ~DebugLines() { qInstallMessageHandler(previous()); }
    QStringList lines() const { return collected(); }

private:
    static QStringList &collected()
    {
        static QStringList lines;
        return lines;
    }
    static QtMessageHandler &previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
    static void handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (type == QtDebugMsg)
            collected() << text;
        else if (previous())
            previous()(type, context, text);
    }
};

using TestSupport::RecordingPrinter;

QRectF markerRect(const Hole &hole)
{
    return QRectF(HoleGrid::markerX(hole.number), HoleGrid::markerY(hole.field, hole.number),
                  HoleGrid::MarkerSize, HoleGrid::MarkerSize);
}

// Where the created card may differ from the blank card: the punched
// markers and the visible texts, with a pixel of antialiasing around them.
QImage changedAreas(const Lochkartor &window)
{
    QImage mask(CardImage::Width, CardImage::Height, QImage::Format_RGB32);
    mask.fill(Qt::black);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const Hole &hole : window.cards().punchedHoles())
        painter.drawRect(markerRect(hole).adjusted(-2, -2, 2, 2));
    for (const auto &[text, content] : window.cards().visibleTexts())
        painter.drawRect(window.cards().textItem(text)->sceneBoundingRect().adjusted(-2, -2, 2, 2));
    return mask;
}

QImage blankCard()
{
    return QImage(QStringLiteral(":/images/empcard")).convertToFormat(QImage::Format_ARGB32);
}

QString messageTexts()
{
    QStringList texts;
    for (const Dialogs::Record &record : Dialogs::Script::messages())
        texts << record.caption + QStringLiteral(": ") + record.text;
    return texts.join(QLatin1Char('\n'));
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CardOutputTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void savedPictureShowsTheCreatedCard_data();
    void savedPictureShowsTheCreatedCard();
    void pictureFileNames_data();
    void pictureFileNames();
    void failedWriteKeepsTheExistingPicture();
    void saveButtonAsksInTheHomeDirectory_data();
    void saveButtonAsksInTheHomeDirectory();
    void printedCardHasTrueSize_data();
    void printedCardHasTrueSize();
    void printingToPdfWritesAPage();
    void printerThatCannotBeOpenedIsReported();
    void cancelledPrintDialogPrintsNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void CardOutputTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    TestSupport::isolateSettings();
    Dialogs::Script::begin();
}

void CardOutputTest::cleanup()
{
    Dialogs::Script::end();
}

void CardOutputTest::savedPictureShowsTheCreatedCard_data()
{
    QTest::addColumn<QString>("edits");
    QTest::newRow("fresh window") << QString();
    QTest::newRow("pentode with its plate on the cap")
        << "tubeName=EL84; socket=10; genericTubeType=3; pin2Function=5; pin3Function=2;"
           "pin7Function=6; pin9Function=7; capFunction=3; plateVoltage=250;"
           "screenVoltage=250; gridVoltage=-7.5; plateCurrent=48; transconductance=11.3";
    QTest::newRow("cap notes hidden again")
        << "tubeName=EF80; socket=10; genericTubeType=3; capFunction=1; capFunction=2;"
           "capFunction=0";
    QTest::newRow("rectifier") << "tubeName=EZ80; socket=10; genericTubeType=8; rectCurrent=90";
}

// Outside the punched markers and the visible texts the picture is the
// blank card; every punched marker is black in the middle; every visible
// text shows; hidden texts such as unused cap notes leave no trace.
void CardOutputTest::savedPictureShowsTheCreatedCard()
{
    QFETCH(QString, edits);
    Lochkartor window;
    FormEdits::edit(window, edits);
    const QString path = m_dir->filePath(QStringLiteral("card.png"));

    QVERIFY(window.saveCardImage(path));

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage saved = reader.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(saved.size(), QSize(927, 700));
    const QImage blank = blankCard();
    QCOMPARE(blank.size(), saved.size());
    const QImage mask = changedAreas(window);
    int differing = 0;
    for (int y = 0; y < saved.height(); ++y) {
        for (int x = 0; x < saved.width(); ++x) {
            if (mask.pixel(x, y) == qRgb(0, 0, 0) && saved.pixel(x, y) != blank.pixel(x, y))
                ++differing;
        }
    }
    QCOMPARE(differing, 0);
    for (const Hole &hole : window.cards().punchedHoles()) {
        const QPoint centre = markerRect(hole).center().toPoint();
        QCOMPARE(QColor(saved.pixel(centre)), QColor(Qt::black));
    }
    for (const auto &[text, content] : window.cards().visibleTexts()) {
        if (content.trimmed().isEmpty())
            continue;
        const QRect area
            = window.cards().textItem(text)->sceneBoundingRect().toAlignedRect() & saved.rect();
        bool shows = false;
        for (int y = area.top(); y <= area.bottom() && !shows; ++y) {
            for (int x = area.left(); x <= area.right() && !shows; ++x)
                shows = saved.pixel(x, y) != blank.pixel(x, y);
        }
        QVERIFY2(shows, cardTextKey(text));
    }
    QVERIFY(Dialogs::Script::messages().isEmpty());
}

void CardOutputTest::pictureFileNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written"); // empty: nothing may be written
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png") << "card.png"
                         << "card.png" << QByteArray("png");
    QTest::newRow("no suffix gets .png") << "card"
                                         << "card.png" << QByteArray("png");
    QTest::newRow("upper-case suffix") << "card.PNG"
                                       << "card.PNG" << QByteArray("png");
    QTest::newRow("other picture format") << "card.bmp"
                                          << "card.bmp" << QByteArray("bmp");
    QTest::newRow("unknown suffix") << "card.xyz" << QString() << QByteArray();
    QTest::newRow("folder that cannot exist") << "plain/card.png" << QString() << QByteArray();
    QTest::newRow("name of a folder") << "folder.png" << QString() << QByteArray();
}

void CardOutputTest::pictureFileNames()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QByteArray, format);
    writeFile(m_dir->filePath(QStringLiteral("plain")), "a file, not a folder");
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("folder.png")));
    Lochkartor window;
    const QString chosenPath = m_dir->filePath(chosen);

    const bool saved = window.saveCardImage(chosenPath);

    if (written.isEmpty()) {
        QVERIFY(!saved);
        QCOMPARE(Dialogs::Script::messages().size(), 1);
        QVERIFY2(
            Dialogs::Script::messages().first().text.contains(QDir::toNativeSeparators(chosenPath)),
            qPrintable(messageTexts()));
        QVERIFY(!QFileInfo(chosenPath).isFile());
        return;
    }
    QVERIFY2(saved, qPrintable(messageTexts()));
    QVERIFY(Dialogs::Script::messages().isEmpty());
    QImageReader reader(m_dir->filePath(written));
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.size(), QSize(927, 700));
    if (written != chosen)
        QVERIFY(!QFileInfo::exists(chosenPath));
}

void CardOutputTest::failedWriteKeepsTheExistingPicture()
{
    const QString path = m_dir->filePath(QStringLiteral("card.png"));
    const QString foreign = m_dir->filePath(QStringLiteral("card.xyz"));
    writeFile(path, "an earlier picture");
    writeFile(foreign, "an earlier picture");

    QVERIFY(!CardImage::write(QImage(), path).isEmpty());
    Lochkartor window;
    QVERIFY(!window.saveCardImage(foreign));

    QCOMPARE(fileContent(path), QByteArray("an earlier picture"));
    QCOMPARE(fileContent(foreign), QByteArray("an earlier picture"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 2);
}

void CardOutputTest::saveButtonAsksInTheHomeDirectory_data()
{
    QTest::addColumn<bool>("chooseFile");
    QTest::newRow("file chosen") << true;
    QTest::newRow("dialog cancelled") << false;
}

void CardOutputTest::saveButtonAsksInTheHomeDirectory()
{
    QFETCH(bool, chooseFile);
    Lochkartor window;
    const QString path = m_dir->filePath(QStringLiteral("button.png"));
    if (chooseFile)
        Dialogs::Script::answerFileName(path);
    // The new window's checks are red; the card is saved anyway.
    Dialogs::Script::answerQuestion(true);

    TestSupport::widget<QPushButton>(window, "saveCardButton")->click();

    QCOMPARE(Dialogs::Script::records().size(), 2);
    QCOMPARE(Dialogs::Script::records().first().kind, Dialogs::Record::Question);
    const Dialogs::Record &dialog = Dialogs::Script::records().last();
    QCOMPARE(dialog.kind, Dialogs::Record::SaveFile);
    QCOMPARE(dialog.caption, QStringLiteral("Karte als Bild speichern"));
    QCOMPARE(dialog.directory, QDir::homePath());
    QCOMPARE(dialog.filter, QStringLiteral("*.png"));
    QCOMPARE(QImageReader(path).size(), chooseFile ? QSize(927, 700) : QSize());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), chooseFile ? 1 : 0);
}

void CardOutputTest::printedCardHasTrueSize_data()
{
    QTest::addColumn<int>("dotsPerInch");
    QTest::addColumn<QString>("debugLine");
    // The rulers of the calibration test page as the user measured them;
    // 150 mm is a printer that needs no correction.
    QTest::addColumn<double>("measuredX");
    QTest::addColumn<double>("measuredY");
    QTest::newRow("300 dpi") << 300 << "2" << 150.0 << 150.0;
    QTest::newRow("600 dpi") << 600 << "4" << 150.0 << 150.0;
    QTest::newRow("1200 dpi") << 1200 << "8" << 150.0 << 150.0;
    QTest::newRow("72 dpi") << 72 << "0.48" << 150.0 << 150.0;
    QTest::newRow("600 dpi, printer 1 % small across, 2 % large down")
        << 600 << "4" << 148.5 << 153.0;
    QTest::newRow("300 dpi, the shortest and longest rulers") << 300 << "2" << 140.0 << 160.0;
}

// 927 x 700 card pixels at 150 per inch are 156.97 x 118.53 mm, one inch
// right of and below the page origin, at any printer resolution; with a
// correction from "Druck kalibrieren…" all of it is drawn so much larger
// or smaller that the printer's scale brings it back.
void CardOutputTest::printedCardHasTrueSize()
{
    QFETCH(int, dotsPerInch);
    QFETCH(QString, debugLine);
    QFETCH(double, measuredX);
    QFETCH(double, measuredY);
    {
        Lochkartor calibrating;
        Dialogs::Script::answerPrintCalibration({false, measuredX, measuredY, false});
        calibrating.calibratePrinting();
        QVERIFY2(Dialogs::Script::messages().isEmpty(), qPrintable(messageTexts()));
    }
    const double correctionX = 150.0 / measuredX;
    const double correctionY = 150.0 / measuredY;
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("socket=10; genericTubeType=1; pin2Function=6"));
    RecordingPrinter printer(dotsPerInch);
    DebugLines debug;

    QVERIFY(window.printCard(&printer));

    QCOMPARE(debug.lines(), QStringList{debugLine});
    QCOMPARE(printer.engine.pictures.size(), 1);
    const auto [onPage, pictureSize] = printer.engine.pictures.first();
    QCOMPARE(pictureSize, QSize(927, 700));
    const double mm = MillimetresPerInch / dotsPerInch;
    QVERIFY2(qAbs(onPage.width() * mm - 156.97 * correctionX) < 0.01,
             qPrintable(QString::number(onPage.width())));
    QVERIFY2(qAbs(onPage.height() * mm - 118.53 * correctionY) < 0.01,
             qPrintable(QString::number(onPage.height())));
    QVERIFY(qAbs(onPage.left() * mm - MillimetresPerInch * correctionX) < 0.01);
    QVERIFY(qAbs(onPage.top() * mm - MillimetresPerInch * correctionY) < 0.01);

    // Every punched hole is printed where the card has it, no other.
    const HoleList punched = window.cards().punchedHoles();
    QVERIFY(!punched.empty());
    QCOMPARE(printer.engine.ellipses.size(), int(punched.size()));
    const double scale = dotsPerInch / 150.0;
    for (const Hole &hole : punched) {
        const QRectF expected = markerRect(hole).translated(150, 150);
        const QRectF onPaper(expected.x() * scale * correctionX, expected.y() * scale * correctionY,
                             expected.width() * scale * correctionX,
                             expected.height() * scale * correctionY);
        bool found = false;
        for (const QRectF &ellipse : printer.engine.ellipses)
            found = found
                    || (qAbs(ellipse.x() - onPaper.x()) < 0.01
                        && qAbs(ellipse.y() - onPaper.y()) < 0.01
                        && qAbs(ellipse.width() - onPaper.width()) < 0.01);
        QVERIFY2(found, qPrintable(TestSupport::holesText({hole})));
    }
}

void CardOutputTest::printingToPdfWritesAPage()
{
    Lochkartor window;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_dir->filePath(QStringLiteral("card.pdf")));
    DebugLines debug;

    QVERIFY(window.printCard(&printer));

    QCOMPARE(debug.lines(), QStringList{QString::number(printer.resolution() / 150.0)});
    const QByteArray pdf = fileContent(printer.outputFileName());
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
             1);
    QVERIFY(Dialogs::Script::messages().isEmpty());
}

void CardOutputTest::printerThatCannotBeOpenedIsReported()
{
    writeFile(m_dir->filePath(QStringLiteral("plain")), "a file, not a folder");
    Lochkartor window;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString unreachable = m_dir->filePath(QStringLiteral("plain/card.pdf"));
    printer.setOutputFileName(unreachable);
    DebugLines debug;

    QVERIFY(!window.printCard(&printer));

    QVERIFY(debug.lines().isEmpty());
    QCOMPARE(Dialogs::Script::messages().size(), 1);
    QVERIFY2(
        Dialogs::Script::messages().first().text.contains(QDir::toNativeSeparators(unreachable)),
        qPrintable(messageTexts()));
}

void CardOutputTest::cancelledPrintDialogPrintsNothing()
{
    Lochkartor window;
    Dialogs::Script::answerPrintDialog(false);
    Dialogs::Script::answerQuestion(true);
    DebugLines debug;

    TestSupport::widget<QPushButton>(window, "printCardButton")->click();

    QCOMPARE(Dialogs::Script::records().size(), 2);
    QCOMPARE(Dialogs::Script::records().last().kind, Dialogs::Record::Print);
    QVERIFY(Dialogs::Script::messages().isEmpty());
    QVERIFY(debug.lines().isEmpty());
}

QTEST_MAIN(CardOutputTest)
#include "tst_card_output.moc"
