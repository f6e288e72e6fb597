// Phone photos and whole pages: simulated photos of cards under each
// distortion at its far end must read right or flag every position they
// get wrong; large pictures read; a picture of two cards and a file of
// several pages are read with a clear word.

#include "card_outline.h"
#include "card_painting.h"
#include "form_replay.h"
#include "picture_file.h"
#include "position_sample.h"
#include "printed_areas.h"
#include "printed_texts.h"
#include "program_run.h"
#include "scan_reader.h"
#include "synthetic_scan.h"
#include "testsupport.h"
#include "tube_file.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <optional>

Q_DECLARE_METATYPE(PhotoDistortion)

using TestSupport::holesText;

namespace {

// Positions read wrong that the reading does not name as uncertain.
HoleList wrongAndCertain(const ScanReading &reading, const HoleList &expected)
{
    HoleList wrong = withoutHoles(expected, reading.holes);
    const HoleList extra = withoutHoles(reading.holes, expected);
    wrong.insert(wrong.end(), extra.begin(), extra.end());
    return withoutHoles(wrong, reading.uncertain);
}

// Holes in the card's order, for comparing what was read with what was
// punched.
QString sortedHolesText(HoleList holes)
{
    std::sort(holes.begin(), holes.end());
    return holesText(holes);
}

// The sanitizer build checks the same code on fewer photos.
int photosPerFamily()
{
    return TestSupport::underSanitizers ? 1 : 5;
}

// A card scanned at `dpi` and laid on a white page of `size` at `place`.
QImage cardOnPage(const HoleList &holes, QSize size, double dpi, QPoint place)
{
    ScanDistortion d;
    d.dpi = dpi;
    d.margin = 0.02;
    d.background = 250;
    d.angle = 1.5;
    const QImage scan = syntheticScan(holes, d);
    QImage page(size, QImage::Format_Grayscale8);
    page.fill(250);
    QPainter painter(&page);
    painter.drawImage(place, scan);
    return page;
}

// A baseline TIFF of grey pages, uncompressed, as a document scanner may
// write a stack of cards: Qt writes only one page.
QByteArray tiffPages(const QList<QImage> &pages)
{
    QByteArray bytes("II");
    auto put16 = [&bytes](quint16 v) { bytes.append(char(v & 0xff)).append(char(v >> 8)); };
    auto put32 = [&](quint32 v) { put16(quint16(v & 0xffff)), put16(quint16(v >> 16)); };
    auto set32 = [&bytes](qsizetype at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = char((v >> (8 * i)) & 0xff);
    };
    put16(42);
    qsizetype linkAt = bytes.size();
    put32(0);
    for (const QImage &source : pages) {
        const QImage page = source.convertToFormat(QImage::Format_Grayscale8);
        const quint32 dataAt = quint32(bytes.size());
        for (int y = 0; y < page.height(); ++y)
            bytes.append(reinterpret_cast<const char *>(page.constScanLine(y)), page.width());
        if (bytes.size() % 2)
            bytes.append('\0');
        set32(linkAt, quint32(bytes.size()));
        const quint32 w = quint32(page.width()), h = quint32(page.height());
        const struct
        {
            quint16 tag, type;
            quint32 value;
        } entries[] = {{256, 4, w},      {257, 4, h}, {258, 3, 8}, {259, 3, 1},    {262, 3, 1},
                       {273, 4, dataAt}, {277, 3, 1}, {278, 4, h}, {279, 4, w * h}};
        put16(quint16(std::size(entries)));
        for (const auto &entry : entries) {
            put16(entry.tag);
            put16(entry.type);
            put32(1);
            put32(entry.value);
        }
        linkAt = bytes.size();
        put32(0);
    }
    return bytes;
}

// A small JPEG whose frame header claims `size`: what a reader learns
// before it decodes anything.
QByteArray jpegClaiming(QSize size)
{
    QImage small(16, 16, QImage::Format_Grayscale8);
    small.fill(128);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "JPG");
    const qsizetype frame = bytes.indexOf(QByteArray("\xff\xc0", 2));
    if (frame < 0)
        return {};
    // Marker, length and precision, then height and width, big-endian.
    auto put16 = [&bytes](qsizetype at, int value) {
        bytes[at] = char((value >> 8) & 0xff);
        bytes[at + 1] = char(value & 0xff);
    };
    put16(frame + 5, size.height());
    put16(frame + 7, size.width());
    return bytes;
}

TestSupport::ProgramRun readImage(const QString &file, const QString &directory)
{
    return TestSupport::runProgram(QStringLiteral(LOCHKARTOR_RENDER_BINARY),
                                   {QStringLiteral("--read-image"), file}, directory, directory);
}

} // namespace

class ScanPhotosTest : public QObject
{
    Q_OBJECT

private slots:
    void photos_data();
    void photos();
    void bowedCards_data();
    void bowedCards();
    void ratesPhotos_data();
    void ratesPhotos();
    void veiledHoles_data();
    void veiledHoles();
    void noHoleSeen();
    void holesUnlikeTheFace_data();
    void holesUnlikeTheFace();
    void onlyPrintDarkens();
    void highlights_data();
    void highlights();
    void fingerOverTheEdge_data();
    void fingerOverTheEdge();
    void capNotesInEitherLanguage_data();
    void capNotesInEitherLanguage();
    void printThroughABowedCard_data();
    void printThroughABowedCard();
    void largePictures_data();
    void largePictures();
    void refusesTooLargePictures_data();
    void refusesTooLargePictures();
    void twoCards();
    void severalPages();
};

void ScanPhotosTest::photos_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QString>("family");
    // The families added later come last, so that each keeps its seeds.
    const char *const families[] = {"tilt 25 deg",
                                    "sag 2 %",
                                    "barrel k 0.08",
                                    "shadow to 25 %",
                                    "light falloff to 40 %",
                                    "all at once",
                                    "pincushion k -0.08",
                                    "blur 3 card px",
                                    "noise 20 %",
                                    "JPEG quality 25",
                                    "card covers 30 %"};
    constexpr size_t firstFamilies = 6;
    quint32 seed = 500;
    for (size_t f = 0; f < std::size(families); ++f) {
        const char *name = families[f];
        // Fewer of the later ones: the suite's time.
        const int photos = f < firstFamilies ? photosPerFamily() : (photosPerFamily() + 1) / 2;
        for (int i = 0; i < photos; ++i)
            QTest::addRow("%s, seed %u", name, ++seed) << seed << QString::fromLatin1(name);
    }
}

// The far end of each distortion: read right, or every wrong position
// named; never a wrong position given as certain.
void ScanPhotosTest::photos()
{
    QFETCH(quint32, seed);
    QFETCH(QString, family);
    QRandomGenerator random(seed);
    const HoleList holes = randomHoles(random);
    PhotoDistortion photo = randomPhoto(random, 0.3);
    photo.frame = QSize(1280, 960);
    if (family.startsWith(QLatin1String("tilt")))
        photo.tilt = 25;
    else if (family.startsWith(QLatin1String("sag")))
        photo.sag = 0.02;
    else if (family.startsWith(QLatin1String("barrel")))
        photo.barrel = 0.08;
    else if (family.startsWith(QLatin1String("shadow")))
        photo.shadow = 0.25;
    else if (family.startsWith(QLatin1String("pincushion"))) {
        // The lens pushes the corners out: the card kept clear of the
        // photo's edges, as a whole card must show to be read.
        photo.barrel = -0.08;
        photo.coverage = std::min(photo.coverage, 0.6);
        photo.centreX = photo.centreY = 0.5;
    } else if (family.startsWith(QLatin1String("light")))
        photo.falloff = 0.4;
    else if (family.startsWith(QLatin1String("blur")))
        photo.blur = 3;
    else if (family.startsWith(QLatin1String("noise")))
        photo.noise = 0.2;
    else if (family.startsWith(QLatin1String("JPEG")))
        photo.jpegQuality = 25;
    else if (family.startsWith(QLatin1String("card covers")))
        photo.coverage = 0.3;
    else if (family.startsWith(QLatin1String("all")))
        photo = randomPhoto(random, 1), photo.frame = QSize(1280, 960);
    const ScanReading reading = readCardPicture(syntheticPhoto(holes, photo, &random));
    const QString context = QStringLiteral("seed %1 (%2)").arg(seed).arg(photo.describe());
    QVERIFY2(reading.cardFound, qPrintable(context + QStringLiteral(": no card")));
    const HoleList wrong = wrongAndCertain(reading, holes);
    QVERIFY2(wrong.empty(),
             qPrintable(context + QStringLiteral(": wrong and certain ") + holesText(wrong)));
}

void ScanPhotosTest::bowedCards_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<bool>("across");
    QTest::addColumn<bool>("darkStock");
    for (quint32 seed = 603; seed < 603 + quint32(photosPerFamily()); ++seed) {
        QTest::addRow("along the long side, seed %u", seed) << seed << false << false;
        QTest::addRow("along the short side, seed %u", seed + 100) << seed + 100 << true << false;
    }
    // Dark card stock, its holes light, blurred by 3 card pixels: its frame
    // shows faintly to any flat map, and the card was not found.
    for (quint32 seed = 803; seed < 803 + quint32(photosPerFamily()); ++seed)
        QTest::addRow("dark stock, blurred, seed %u", seed) << seed << bool(seed % 2) << true;
}

// A card bowed by 2 % of its height: every hole read where it is. A map
// that follows the bent frame but stretches the card along it reads the
// middle columns beside their holes.
void ScanPhotosTest::bowedCards()
{
    QFETCH(quint32, seed);
    QFETCH(bool, across);
    QFETCH(bool, darkStock);
    QRandomGenerator random(seed);
    const HoleList holes = randomHoles(random);
    PhotoDistortion photo = randomPhoto(random, 0.3);
    photo.frame = QSize(1280, 960);
    photo.sag = 0.02;
    photo.sagAcross = across;
    if (darkStock) {
        photo.holes = ScanDistortion::Holes::Light;
        photo.background = 200;
        photo.blur = 3;
    }
    const ScanReading reading = readCardPicture(syntheticPhoto(holes, photo, &random));
    const QString context = QStringLiteral("seed %1 (%2)").arg(seed).arg(photo.describe());
    QVERIFY2(reading.cardFound, qPrintable(context + QStringLiteral(": no card")));
    const HoleList missing = withoutHoles(holes, reading.holes);
    const HoleList extra = withoutHoles(reading.holes, holes);
    QVERIFY2(missing.empty() && extra.empty(),
             qPrintable(context + QStringLiteral(": missing ") + holesText(missing)
                        + QStringLiteral(", extra ") + holesText(extra)));
}

void ScanPhotosTest::ratesPhotos_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<QString>("row");
    QTest::addColumn<bool>("readsRight");
    // The mixed row at full strength: the map, bent across by the card's
    // bow and a strong lens, missed many holes; the second reads right
    // since the bow is followed from the frame's corners, the first since
    // the map is drawn to holes that lie some pixels off their places.
    QTest::newRow("mixed, seed 1222") << 1222u << "mixed 1" << true;
    QTest::newRow("mixed, seed 1224") << 1224u << "mixed 1" << true;
    // Blur of 3 card pixels ran the large tube name's letters into a dark
    // patch at I 46 that strayed as far as a hole, but not in its middle.
    QTest::newRow("blur 3, seed 5507") << 5507u << "blur 3" << false;
    // There the letters ran together over I 46, open: no patch of them
    // darkened as a hole does, and the position is now read open.
    QTest::newRow("blur 3, seed 5505") << 5505u << "blur 3" << true;
    // A strong pincushion lens moved the holes of columns 9 and 10 some
    // pixels aside; the map bent once on the holes did not reach them, and
    // I 49, II 58 and II 59 read open. Bent twice it follows them.
    QTest::newRow("barrel -0.08, seed 1106") << 1106u << "barrel -0.08" << true;
    // The large upright "A an Kappe!" over I 68 and I 69 and "G2 an
    // Kappe!" over I 65, open, darkened them nearly as a hole would; the
    // notes' letters painted in and blurred as the photo shows them
    // account for all of it.
    QTest::newRow("sag 0.02, seed 5002") << 5002u << "sag 0.02" << true;
    QTest::newRow("sag 0.02, seed 5005") << 5005u << "sag 0.02" << true;
    // A small card (a third of the photo): the notes' letters over I 64
    // and I 68, open, came out darker than half a hole; painted in, they
    // account for all of it, and the positions are read open.
    QTest::newRow("tilt 10, seed 1021") << 1021u << "tilt 10" << true;
    QTest::newRow("barrel 0.02, seed 1128") << 1128u << "barrel 0.02" << true;
    // Dark card stock, light holes, noise a fifth of full scale: the face
    // around each position wanders so much that clear holes and open
    // positions were named. Each lies many times its kind's own spread
    // away from the other kind.
    QTest::newRow("noise 0.2, seed 1001") << 1001u << "noise 0.2" << true;
    QTest::newRow("noise 0.2, seed 1002") << 1002u << "noise 0.2" << true;
    // A bright card with light falling across it: a corner of its face
    // reaches the picture's white. The holes near are whole and the white
    // does not stand out on the card, so no highlight is taken to lie there.
    QTest::newRow("mixed 0.5, seed 1356") << 1356u << "mixed 0.5" << true;
    QTest::newRow("mixed 0.5, seed 9354") << 9354u << "mixed 0.5" << true;
    // The frame's map left the holes across the card's middle four to six
    // pixels off their places: each disc caught only an edge of its hole,
    // too little to be followed, and a dozen holes read open. A patch as
    // solid as a hole within the position now draws the map to them.
    QTest::newRow("tilt 0, seed 40007") << 40007u << "tilt 0" << true;
    QTest::newRow("tilt 25, seed 40585") << 40585u << "tilt 25" << true;
}

// Photos of scan_photo_rates' rows, made as it makes them: holes the map
// places beside their positions, and print that darkens a position as a
// hole would, are named, not read as certain.
void ScanPhotosTest::ratesPhotos()
{
    QFETCH(quint32, seed);
    QFETCH(QString, row);
    QFETCH(bool, readsRight);
    QRandomGenerator random(seed);
    const HoleList holes = randomHoles(random);
    PhotoDistortion photo = ordinaryPhoto(random);
    if (row.startsWith(QLatin1String("mixed ")))
        photo = randomPhoto(random, row.section(QLatin1Char(' '), 1).toDouble());
    else if (row == QLatin1String("blur 3"))
        photo.blur = 3;
    else if (row.startsWith(QLatin1String("barrel ")))
        photo.barrel = row.section(QLatin1Char(' '), 1).toDouble();
    else if (row.startsWith(QLatin1String("sag ")))
        photo.sag = row.section(QLatin1Char(' '), 1).toDouble();
    else if (row.startsWith(QLatin1String("tilt ")))
        photo.tilt = row.section(QLatin1Char(' '), 1).toDouble();
    else if (row.startsWith(QLatin1String("noise ")))
        photo.noise = row.section(QLatin1Char(' '), 1).toDouble();
    const ScanReading reading = readCardPicture(syntheticPhoto(holes, photo, &random));
    const QString context = QStringLiteral("seed %1 (%2)").arg(seed).arg(photo.describe());
    QVERIFY2(reading.cardFound, qPrintable(context));
    const HoleList wrong = wrongAndCertain(reading, holes);
    QVERIFY2(wrong.empty(),
             qPrintable(context + QStringLiteral(": wrong and certain ") + holesText(wrong)));
    if (readsRight) {
        QCOMPARE(sortedHolesText(reading.holes), sortedHolesText(holes));
        QVERIFY2(!reading.isDoubtful(),
                 qPrintable(context + QStringLiteral(": flagged ") + holesText(reading.uncertain)));
    } else
        QVERIFY(reading.isDoubtful());
}

void ScanPhotosTest::veiledHoles_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("table");
    QTest::addColumn<double>("gain");
    for (quint32 seed = 1301; seed < 1301 + quint32(photosPerFamily()); ++seed) {
        QTest::addRow("table 190, seed %u", seed) << seed << 190 << 1.0;
        QTest::addRow("table 230, seed %u", seed + 100) << seed + 100 << 230 << 1.0;
        QTest::addRow("over-exposed, seed %u", seed + 200) << seed + 200 << 60 << 1.8;
    }
}

// A white card on a table nearly as light as itself, or a photo so bright
// that the face is lost in white: its holes show as faint discs, fainter
// than the card's letters. Every such hole is named, never read as open.
void ScanPhotosTest::veiledHoles()
{
    QFETCH(quint32, seed);
    QFETCH(int, table);
    QFETCH(double, gain);
    QRandomGenerator random(seed);
    const HoleList holes = randomHoles(random);
    PhotoDistortion photo = ordinaryPhoto(random);
    photo.holes = ScanDistortion::Holes::Dark;
    photo.background = table;
    QImage picture = syntheticPhoto(holes, photo, &random);
    for (int y = 0; y < picture.height(); ++y) {
        uchar *line = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x)
            line[x] = uchar(std::min(255, int(std::lround(line[x] * gain))));
    }
    const ScanReading reading = readCardPicture(picture);
    const QString context
        = QStringLiteral("seed %1 (%2, gain %3)").arg(seed).arg(photo.describe()).arg(gain);
    const HoleList wrong = wrongAndCertain(reading, holes);
    QVERIFY2(wrong.empty(),
             qPrintable(context + QStringLiteral(": wrong and certain ") + holesText(wrong)));
}

// A photo that shows no hole at all: every card for the tester has some,
// so the reading is named in doubt rather than given as a blank card.
void ScanPhotosTest::noHoleSeen()
{
    QRandomGenerator random(1351);
    const ScanReading reading = readCardPicture(syntheticPhoto({}, ordinaryPhoto(random), &random));
    QVERIFY(reading.cardFound);
    QCOMPARE(holesText(reading.holes), QString());
    QVERIFY(reading.isDoubtful());
}

void ScanPhotosTest::holesUnlikeTheFace_data()
{
    QTest::addColumn<QColor>("table");
    QTest::addColumn<double>("shown"); // the share of each hole that shows the table
    // The card's face is grey 204 here.
    QTest::newRow("a table lighter than the face") << QColor(250, 250, 250) << 1.0;
    QTest::newRow("a coloured table as light as the face") << QColor(170, 235, 190) << 1.0;
    QTest::newRow("a dark table beside a shadow in each hole") << QColor(60, 60, 60) << 0.35;
}

// The program's card with `printed` holes, its face darkened to grey 204
// and whatever `paint` draws on it, photographed square on over a brown
// table at 1.5 photo pixels a card pixel.
static QImage greyCardPhoto(const HoleList &printed, const std::function<void(QPainter &)> &paint)
{
    QImage card = ownCardPicture(printed).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < card.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(card.scanLine(y));
        for (int x = 0; x < card.width(); ++x)
            line[x] = qRgb(qRed(line[x]) * 4 / 5, qGreen(line[x]) * 4 / 5, qBlue(line[x]) * 4 / 5);
    }
    QPainter onCard(&card);
    onCard.setRenderHint(QPainter::Antialiasing);
    onCard.setPen(Qt::NoPen);
    paint(onCard);
    onCard.end();
    QImage photo(1500, 1150, QImage::Format_RGB32);
    photo.fill(QColor(90, 80, 70));
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(60, 50, CardOutline::Width * 1.5, CardOutline::Height * 1.5), card);
    return photo;
}

// Some holes show a table unlike the card's other holes: lighter than the
// face, of another colour as light as it, or dark only in a crescent. They
// are named (or read as holes), never read as open and certain.
void ScanPhotosTest::holesUnlikeTheFace()
{
    QFETCH(QColor, table);
    QFETCH(double, shown);
    QRandomGenerator random(1601);
    const HoleList printed = randomHoles(random);
    HoleList unlike;
    for (const Hole &hole : withoutHoles(randomHoles(random), printed)) {
        if (!PrintedAreas::besidePrint(hole) && unlike.size() < 6)
            unlike.push_back(hole);
    }
    const ScanReading reading = readCardPicture(greyCardPhoto(printed, [&](QPainter &painter) {
        painter.setBrush(table);
        for (const Hole &hole : unlike) {
            const QPointF centre = holeCentre(hole);
            const double r = HoleGrid::MarkerSize / 2.0;
            QPainterPath disc, rest;
            disc.addEllipse(centre, r, r);
            rest.addEllipse(centre + QPointF(2 * r * shown, 0), r, r);
            painter.drawPath(shown < 1 ? disc.subtracted(rest) : disc);
        }
    }));
    QVERIFY(reading.cardFound);
    HoleList holes = printed;
    holes.insert(holes.end(), unlike.begin(), unlike.end());
    const HoleList wrong = wrongAndCertain(reading, holes);
    QVERIFY2(wrong.empty(), qPrintable(QStringLiteral("wrong and certain ") + holesText(wrong)));
}

// A white card on a white table: its holes do not show, and blurred
// letters darken a position beside print as a faint hole would. Letters
// alone are no card's holes: the reading is in doubt.
void ScanPhotosTest::onlyPrintDarkens()
{
    std::vector<Hole> beside;
    for (int number = 1; number <= HoleGrid::HolesPerField; ++number) {
        if (PrintedAreas::besidePrint({HoleGrid::FieldI, number}))
            beside.push_back({HoleGrid::FieldI, number});
    }
    QVERIFY(!beside.empty());
    const ScanReading reading = readCardPicture(greyCardPhoto({}, [&](QPainter &painter) {
        painter.setBrush(QColor(110, 110, 110));
        painter.drawEllipse(holeCentre(beside.front()), 6.0, 6.0);
    }));
    QVERIFY(reading.cardFound);
    QVERIFY(reading.isDoubtful());
}

void ScanPhotosTest::highlights_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<double>("glare");
    QTest::addColumn<int>("looks");
    const int dark = int(ScanDistortion::Holes::Dark), light = int(ScanDistortion::Holes::Light);
    for (quint32 seed = 1501; seed < 1501 + quint32(2 * photosPerFamily()); ++seed) {
        QTest::addRow("strong, seed %u", seed) << seed << 1.0 << dark;
        QTest::addRow("medium, seed %u", seed + 100) << seed + 100 << 0.6 << dark;
        QTest::addRow("light holes, seed %u", seed + 200) << seed + 200 << 0.3 << light;
    }
}

// A highlight adds its light to the face and the holes alike, and the
// picture's white caps both: a hole under it may not show at all. It is
// named (or no card is found, where the highlight hides the frame), never
// read as open and certain. The card's face lies below the white, as in
// most photos, so that a highlight stands out on it.
void ScanPhotosTest::highlights()
{
    QFETCH(quint32, seed);
    QFETCH(double, glare);
    QFETCH(int, looks);
    QRandomGenerator random(seed);
    const HoleList holes = randomHoles(random);
    PhotoDistortion photo = ordinaryPhoto(random);
    photo.holes = ScanDistortion::Holes(looks);
    if (photo.holes == ScanDistortion::Holes::Light) // dark stock on a light table
        photo.background = 190 + int(random.bounded(60));
    photo.exposure = 0.85;
    photo.glare = glare;
    photo.glareRadius = 50 + 180 * random.generateDouble();
    photo.glareAt = QPointF(CardOutline::Width * random.generateDouble(),
                            CardOutline::Height * random.generateDouble());
    const ScanReading reading = readCardPicture(syntheticPhoto(holes, photo, &random));
    if (!reading.cardFound)
        return;
    const HoleList wrong = wrongAndCertain(reading, holes);
    QVERIFY2(wrong.empty(), qPrintable(QStringLiteral("seed %1 (%2): wrong and certain %3")
                                           .arg(seed)
                                           .arg(photo.describe())
                                           .arg(holesText(wrong))));
}

void ScanPhotosTest::fingerOverTheEdge_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<double>("reach");
    for (quint32 seed = 1401; seed < 1401 + quint32(photosPerFamily()); ++seed) {
        QTest::addRow("reach 60, seed %u", seed) << seed << 60.0;
        QTest::addRow("reach 140, seed %u", seed + 100) << seed + 100 << 140.0;
    }
}

// A finger holding the card at its edge covers some positions; under it
// they look like blank face. They are named, or no card is found; none is
// read as open and certain.
void ScanPhotosTest::fingerOverTheEdge()
{
    QFETCH(quint32, seed);
    QFETCH(double, reach);
    QRandomGenerator random(seed);
    const HoleList holes = randomHoles(random);
    const PhotoDistortion photo = ordinaryPhoto(random);
    QImage picture = syntheticPhoto(holes, photo, &random).convertToFormat(QImage::Format_RGB32);
    // The finger in card pixels: a rounded bar from beyond one of the
    // card's long sides, its tip `reach` inside, over the holes' fields.
    const double w = CardOutline::Width, h = CardOutline::Height;
    const double x = w * (0.15 + 0.7 * random.generateDouble());
    const bool fromTop = random.bounded(2);
    const double width = 70, beyond = 200;
    const QRectF finger = fromTop ? QRectF(x - width / 2, -beyond, width, beyond + reach)
                                  : QRectF(x - width / 2, h - reach, width, beyond + reach);
    QTransform toPhoto;
    QVERIFY(QTransform::quadToQuad(
        QPolygonF({QPointF(0, 0), QPointF(w, 0), QPointF(w, h), QPointF(0, h)}),
        photoCardCorners(photo), toPhoto));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(toPhoto);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 160, 140));
    painter.drawRoundedRect(finger, width / 2, width / 2);
    painter.end();
    const ScanReading reading = readCardPicture(picture);
    const QString context = QStringLiteral("seed %1 (%2, finger at x %3 %4)")
                                .arg(seed)
                                .arg(photo.describe())
                                .arg(x)
                                .arg(fromTop ? "from the top" : "from the bottom");
    const HoleList wrong = wrongAndCertain(reading, holes);
    QVERIFY2(wrong.empty(),
             qPrintable(context + QStringLiteral(": wrong and certain ") + holesText(wrong)));
}

void ScanPhotosTest::capNotesInEitherLanguage_data()
{
    QTest::addColumn<bool>("english");
    QTest::newRow("German") << false;
    QTest::newRow("English") << true;
}

// The tetrode's plate cap note runs over I 68 and I 69, open. In the
// README's photo the German letters, much darker than the holes, darkened
// them nearly as a hole would; painted in, they account for it. The
// English program prints the note in English, whose letters must not be
// taken for holes either.
void ScanPhotosTest::capNotesInEitherLanguage()
{
    QFETCH(bool, english);
    QTranslator translator;
    std::optional<TestSupport::InstalledTranslator> installed;
    if (english) {
        QVERIFY(translator.load(QStringLiteral(LOCHKARTOR_QM_FILE)));
        installed.emplace(translator);
    }
    const Card card = cardOf(TubeData::readTube(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR")
                                                + QStringLiteral("/tests/data/tubes/tetrode.tds"))
                                 .tube);
    QCOMPARE(card.text(CardText::PlateCapNote).content,
             english ? QStringLiteral("A on top cap!") : QStringLiteral("A an Kappe!"));
    const ScanReading reading
        = readCardPicture(syntheticPhotoOf(createdCardPicture(card), card.holes, showcasePhoto()));
    QVERIFY(reading.cardFound);
    QCOMPARE(sortedHolesText(reading.holes), sortedHolesText(card.holes));
    QCOMPARE(holesText(reading.uncertain), QString());
}

void ScanPhotosTest::printThroughABowedCard_data()
{
    QTest::addColumn<double>("sag");
    QTest::addColumn<double>("barrel");
    QTest::newRow("the README's photo") << 0.01 << 0.03;
    QTest::newRow("bowed 2 %") << 0.02 << 0.0;
}

// The card's texts are read through the flat map nearest the bowed card
// and the lens: the frame's corners alone leave the middle of a bowed card
// some pixels off, and the texts there went unread.
void ScanPhotosTest::printThroughABowedCard()
{
    QFETCH(double, sag);
    QFETCH(double, barrel);
    const Card card = cardOf(TubeData::readTube(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR")
                                                + QStringLiteral("/tests/data/tubes/pentode.tds"))
                                 .tube);
    PhotoDistortion photo = showcasePhoto();
    photo.sag = sag;
    photo.barrel = barrel;
    const QImage picture = syntheticPhotoOf(createdCardPicture(card), card.holes, photo);
    const ScanReading reading = readCardPicture(picture);
    QVERIFY(reading.cardFound);
    const PrintedTexts texts = readPrintedTexts(picture, reading);
    for (CardText text : {CardText::Socket, CardText::TubeType}) {
        QVERIFY2(texts.of(text).read, cardTextKey(text));
        QCOMPARE(texts.of(text).text, card.text(text).content);
    }
}

void ScanPhotosTest::largePictures_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("A4 page at 600 dpi, grey PNG")
        << QSize(4961, 7016) << 600.0 << "png" << QPoint(200, 3000);
    QTest::newRow("card at 1200 dpi") << QSize(7416, 5600) << 1100.0 << "png" << QPoint(0, 0);
    QTest::newRow("50 megapixel JPEG") << QSize(8160, 6120) << 900.0 << "jpg" << QPoint(900, 700);
}

// Pictures beyond Qt's default allocation limit read, decoded reduced.
void ScanPhotosTest::largePictures()
{
    QFETCH(QSize, size);
    QFETCH(double, dpi);
    QFETCH(QString, format);
    QFETCH(QPoint, place);
    if (TestSupport::underSanitizers && size.width() > 5000)
        QSKIP("the sanitizer build checks the page only");
    QRandomGenerator random(9);
    const HoleList holes = randomHoles(random);
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("large.") + format);
    const QImage page = cardOnPage(holes, size, dpi, place);
    QVERIFY(page.save(file, nullptr, format == QLatin1String("jpg") ? 80 : 10));
    QImageReader reader(file);
    const CardPictureFile picture = readCardPictureFile(reader);
    QVERIFY2(!picture.picture.isNull(), qPrintable(picture.error));
    QCOMPARE(picture.pages, 1);
    const ScanReading reading = readCardPicture(picture.picture);
    QVERIFY2(reading.cardFound, qPrintable(reading.failure));
    QCOMPARE(holesText(reading.holes), holesText(holes));
    QCOMPARE(holesText(reading.uncertain), QString());
}

void ScanPhotosTest::refusesTooLargePictures_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("message");
    QTest::newRow("400 megapixels")
        << QSize(20000, 20000)
        << QStringLiteral("Das Bild ist zu groß (20000 x 20000 Pixel); gelesen werden Bilder bis "
                          "250 Megapixel.");
    QTest::newRow("just over the limit")
        << QSize(25000, 10001)
        << QStringLiteral("Das Bild ist zu groß (25000 x 10001 Pixel); gelesen werden Bilder bis "
                          "250 Megapixel.");
    QTest::newRow("a tall strip")
        << QSize(4000, 65000)
        << QStringLiteral("Das Bild ist zu groß (4000 x 65000 Pixel); gelesen werden Bilder bis "
                          "250 Megapixel.");
}

// A picture too large to decode even reduced is refused before a byte of
// it is decoded, with the limit named, and the run is a usage error.
void ScanPhotosTest::refusesTooLargePictures()
{
    QFETCH(QSize, size);
    QFETCH(QString, message);
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("huge.jpg"));
    QVERIFY(TestSupport::writeAll(file, jpegClaiming(size)));
    QImageReader reader(file);
    QCOMPARE(reader.size(), size);
    const CardPictureFile picture = readCardPictureFile(reader);
    QVERIFY(picture.picture.isNull());
    QCOMPARE(picture.error, message);
    const TestSupport::ProgramRun run = readImage(file, directory.path());
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY2(!run.err.contains(QLatin1String("Unable")), qPrintable(run.err));
}

// Two cards: the larger is read and both are named; the run says no.
void ScanPhotosTest::twoCards()
{
    QRandomGenerator random(4);
    ScanDistortion d;
    d.dpi = 120;
    d.background = 40;
    const QImage first = syntheticScan(randomHoles(random), d);
    d.dpi = 100;
    d.angle = 8;
    const QImage second = syntheticScan(randomHoles(random), d);
    QImage both(first.width() + second.width(), std::max(first.height(), second.height()),
                QImage::Format_Grayscale8);
    both.fill(40);
    {
        QPainter painter(&both);
        painter.drawImage(0, 0, first);
        painter.drawImage(first.width(), 0, second);
    }
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("two.png"));
    QVERIFY(both.save(file));
    const TestSupport::ProgramRun run = readImage(file, directory.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.contains(QStringLiteral("Mehrere Karten im Bild: gelesen wurde die größte "
                                             "bei Pixel ")),
             qPrintable(run.out));
    QVERIFY2(run.out.contains(QStringLiteral("; außerdem eine Karte bei Pixel ")),
             qPrintable(run.out));
}

// A file of several pages: the first is read, the others named.
void ScanPhotosTest::severalPages()
{
    QRandomGenerator random(6);
    ScanDistortion d;
    d.dpi = 100;
    const HoleList holes = randomHoles(random);
    const QImage card = syntheticScan(holes, d);
    QTemporaryDir directory;
    const QString file = directory.filePath(QStringLiteral("stack.tif"));
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(tiffPages({card, syntheticScan(randomHoles(random), d), card}));
    }
    QImageReader reader(file);
    const CardPictureFile picture = readCardPictureFile(reader);
    QVERIFY2(!picture.picture.isNull(), qPrintable(picture.error));
    QCOMPARE(picture.pages, 3);
    QCOMPARE(holesText(readCardPicture(picture.picture).holes), holesText(holes));
    const TestSupport::ProgramRun run = readImage(file, directory.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.out.contains(QStringLiteral(
                 "Die Datei hat 3 Seiten; gelesen wurde Seite 1, die übrigen nicht.")),
             qPrintable(run.out));
}

QTEST_MAIN(ScanPhotosTest)
#include "tst_scan_photos.moc"
