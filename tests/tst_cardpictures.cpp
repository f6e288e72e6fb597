#include "hole.h"
#include "legend.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QtTest>

#include <algorithm>
#include <array>

// The pictures live in the core library; make sure they are registered even
// though nothing else of the card scenes is linked in.
static void initCardPictures()
{
    Q_INIT_RESOURCE(cards);
}

namespace {

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

QString holeName(const Hole &hole)
{
    return QStringLiteral("%1%2")
        .arg(hole.field == HoleGrid::FieldI ? QStringLiteral("I") : QStringLiteral("II"))
        .arg(hole.number);
}

// Steps from the centre pixel in direction (dx, dy) and returns the number of
// steps to the first pixel darker than `threshold`, or 0 if there is none
// within `limit` steps.
int stepsToInk(const QImage &image, int x, int y, int dx, int dy, int limit, int threshold)
{
    for (int step = 1; step <= limit; ++step) {
        if (qGray(image.pixel(x + step * dx, y + step * dy)) < threshold)
            return step;
    }
    return 0;
}

} // namespace

class TestCardPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void pictureFormat_data();
    void pictureFormat();

    void outline_data();
    void outline();
    void sameOutlineOnBothCards();
    void createdCardHasNoPrintInsideFrame();

    void printedRing_data();
    void printedRing();

    void everyHoleInExactlyOneGroup();
    void groupsRunInHoleOrder();

    void holeMeaning_data();
    void holeMeaning();

private:
    QImage m_universal;
    QImage m_created;
};

void TestCardPictures::initTestCase()
{
    initCardPictures();
    m_universal = QImage(QStringLiteral(":/images/unicard"));
    m_created = QImage(QStringLiteral(":/images/empcard"));
    QVERIFY(!m_universal.isNull());
    QVERIFY(!m_created.isNull());
}

void TestCardPictures::pictureFormat_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");

    QTest::newRow("universal") << QStringLiteral(":/images/unicard") << QSize(928, 700);
    QTest::newRow("created") << QStringLiteral(":/images/empcard") << QSize(927, 700);
}

void TestCardPictures::pictureFormat()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);

    const QImage image(resource);
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) not opaque").arg(x).arg(y)));
        }
    }
}

void TestCardPictures::outline_data()
{
    QTest::addColumn<bool>("universal");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("dark");

    for (bool universal : {true, false}) {
        const char *card = universal ? "universal" : "created";
        const int right = universal ? 907 : 906;
        auto row = [&](const char *what, int x, int y, bool dark) {
            QTest::addRow("%s: %s", card, what) << universal << QPoint(x, y) << dark;
        };
        row("face left of frame", 20, 300, false);
        row("face above frame", 400, 23, false);
        row("frame top-left corner", 21, 24, true);
        row("frame left inner edge", 26, 300, true);
        row("inside frame left", 27, 300, false);
        row("frame top inner edge", 400, 29, true);
        row("inside frame top", 400, 30, false);
        row("frame bottom-right corner", right, 679, true);
        row("frame right inner edge", right - 5, 300, true);
        row("inside frame right", right - 6, 300, false);
        row("face right of frame", right + 1, 300, false);
        row("frame bottom inner edge", 400, 674, true);
        row("inside frame bottom", 400, 673, false);
        row("face below frame", 400, 680, false);
        for (const QPoint centre :
             {QPoint(40, 168), QPoint(886, 168), QPoint(40, 493), QPoint(886, 493)}) {
            const QByteArray at
                = QByteArray::number(centre.x()) + "," + QByteArray::number(centre.y());
            row(("index ring centre " + at).constData(), centre.x(), centre.y(), false);
            row(("index ring left " + at).constData(), centre.x() - 6, centre.y(), true);
            row(("index ring right " + at).constData(), centre.x() + 6, centre.y(), true);
            row(("index ring top " + at).constData(), centre.x(), centre.y() - 6, true);
            row(("index ring bottom " + at).constData(), centre.x(), centre.y() + 6, true);
        }
        for (int x : {38, 884}) {
            const QByteArray at = QByteArray::number(x);
            row(("mark I top-left " + at).constData(), x, 278, true);
            row(("mark I bottom-right " + at).constData(), x + 5, 311, true);
            row(("mark I above " + at).constData(), x + 2, 277, false);
            row(("mark I below " + at).constData(), x + 2, 312, false);
            row(("mark I left " + at).constData(), x - 1, 295, false);
            row(("mark I right " + at).constData(), x + 6, 295, false);
        }
        for (int x : {33, 872}) {
            const QByteArray at = QByteArray::number(x);
            row(("mark II first bar " + at).constData(), x, 585, true);
            row(("mark II between bars " + at).constData(), x + 8, 600, false);
            row(("mark II second bar " + at).constData(), x + 17, 618, true);
            row(("mark II left " + at).constData(), x - 1, 600, false);
            row(("mark II right " + at).constData(), x + 18, 600, false);
            row(("mark II above " + at).constData(), x + 2, 584, false);
            row(("mark II below " + at).constData(), x + 2, 619, false);
        }
    }
}

void TestCardPictures::outline()
{
    QFETCH(bool, universal);
    QFETCH(QPoint, pixel);
    QFETCH(bool, dark);

    const QImage &image = universal ? m_universal : m_created;
    const QRgb colour = image.pixel(pixel);
    if (dark)
        QVERIFY2(isDark(colour), qPrintable(QColor(colour).name()));
    else
        QVERIFY2(isWhite(colour), qPrintable(QColor(colour).name()));
}

// Outside the printed legend the two cards are the same card, up to the right
// side of the frame, which is one pixel wider on the universal card.
void TestCardPictures::sameOutlineOnBothCards()
{
    const QRect legend(QPoint(69, 55), QPoint(860, 654));
    for (int y = 0; y < 700; ++y) {
        for (int x = 0; x <= 899; ++x) {
            if (legend.contains(x, y))
                continue;
            if (m_universal.pixel(x, y) != m_created.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("cards differ at (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestCardPictures::createdCardHasNoPrintInsideFrame()
{
    // Inside the frame, between the index rings and field marks on either side.
    const QRect blank(QPoint(52, 30), QPoint(869, 673));
    for (int y = blank.top(); y <= blank.bottom(); ++y) {
        for (int x = blank.left(); x <= blank.right(); ++x) {
            if (!isWhite(m_created.pixel(x, y)))
                QFAIL(qPrintable(QStringLiteral("print at (%1, %2)").arg(x).arg(y)));
        }
    }
}

void TestCardPictures::printedRing_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("number");

    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int number = 1; number <= HoleGrid::HolesPerField; ++number)
            QTest::newRow(qPrintable(holeName({field, number}))) << field << number;
    }
}

// The printed ring must sit centred on the marker of its hole: a marker
// (15 px disc) covers its inside and leaves the ring visible all round.
void TestCardPictures::printedRing()
{
    QFETCH(int, field);
    QFETCH(int, number);

    // The marker's centre is the middle of this pixel.
    const int x = HoleGrid::markerX(number) + HoleGrid::MarkerSize / 2;
    const int y = HoleGrid::markerY(field, number) + HoleGrid::MarkerSize / 2;
    const int markerRadius = HoleGrid::MarkerSize / 2;

    QVERIFY(isWhite(m_universal.pixel(x, y)));

    // Straight out: the ring's solid pixels lie at the same distance in all
    // four directions, just outside the marker.
    const std::array<int, 4> straight = {
        stepsToInk(m_universal, x, y, 1, 0, 14, 128),
        stepsToInk(m_universal, x, y, -1, 0, 14, 128),
        stepsToInk(m_universal, x, y, 0, 1, 14, 128),
        stepsToInk(m_universal, x, y, 0, -1, 14, 128),
    };
    QVERIFY2(straight[0] > markerRadius, qPrintable(QString::number(straight[0])));
    for (int steps : straight)
        QCOMPARE(steps, straight[0]);

    // Diagonally the ring is antialiased; it must still be symmetric.
    const std::array<int, 4> diagonal = {
        stepsToInk(m_universal, x, y, 1, 1, 10, 224),
        stepsToInk(m_universal, x, y, -1, 1, 10, 224),
        stepsToInk(m_universal, x, y, 1, -1, 10, 224),
        stepsToInk(m_universal, x, y, -1, -1, 10, 224),
    };
    QVERIFY(diagonal[0] > 0);
    for (int steps : diagonal)
        QCOMPARE(steps, diagonal[0]);

    // Nothing is printed where the marker will be.
    for (int dy = -markerRadius; dy <= markerRadius; ++dy) {
        for (int dx = -markerRadius; dx <= markerRadius; ++dx) {
            if (dx * dx + dy * dy <= markerRadius * markerRadius)
                QVERIFY(isWhite(m_universal.pixel(x + dx, y + dy)));
        }
    }
}

void TestCardPictures::everyHoleInExactlyOneGroup()
{
    std::array<std::array<int, HoleGrid::HolesPerField>, 2> count{};
    const std::vector<LegendGroup> &groups = legendGroups();
    for (int g = 0; g < int(groups.size()); ++g) {
        for (const LegendHole &h : groups[g].holes) {
            QVERIFY2(HoleGrid::isValid(h.hole), qPrintable(holeName(h.hole)));
            ++count[h.hole.field - 1][h.hole.number - 1];
            QCOMPARE(legendGroupIndex(h.hole), g);
        }
    }
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int number = 1; number <= HoleGrid::HolesPerField; ++number)
            QVERIFY2(count[field - 1][number - 1] == 1, qPrintable(holeName({field, number})));
    }
}

void TestCardPictures::groupsRunInHoleOrder()
{
    for (const LegendGroup &group : legendGroups()) {
        QVERIFY(!group.holes.empty());
        QVERIFY2(std::is_sorted(
                     group.holes.begin(), group.holes.end(),
                     [](const LegendHole &a, const LegendHole &b) { return a.hole < b.hole; }),
                 qPrintable(group.heading));
        // Only the heater switch groups reach into the next column.
        for (const LegendHole &h : group.holes) {
            const int column = HoleGrid::column(h.hole.number);
            QVERIFY2(column == group.column || column == group.column + 1,
                     qPrintable(holeName(h.hole)));
        }
    }
}

void TestCardPictures::holeMeaning_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("meaning");

    auto row = [](int field, int number, const char *meaning) {
        QTest::newRow(qPrintable(holeName({field, number})))
            << field << number << QString::fromUtf8(meaning);
    };
    const int I = HoleGrid::FieldI;
    const int II = HoleGrid::FieldII;
    row(I, 1, "Ug1 (V) -65");
    row(I, 3, "Ug1 (V) 0");
    row(I, 9, "Skala Ifk, Ig1, Ia0, Ileck (µA) 0,75");
    row(II, 7, "Skala Ifk, Ig1, Ia0, Ileck (µA) 150");
    row(I, 21, "Uf (V~) 17,5");
    row(I, 24, "Uf (V~) 7");
    row(II, 22, "Uf (V~) 2,5");
    row(II, 13, "Skala Ug1 (V) 30");
    row(II, 5, "Ua Diode 5-25 V");
    row(II, 6, "Ua Diode 5-25 V");
    row(II, 11, "");
    row(II, 12, "RvStab aus");
    row(II, 28, "leer");
    row(II, 29, "30");
    row(II, 36, "Kathodenwiderstand (Ohm) 0");
    row(II, 37, "Serienwiderstand Gl-Rö (kOhm) 5,7");
    row(I, 37, "Ck (µF) 10");
    row(II, 40, "Ub 450");
    row(II, 41, "U~ 400");
    row(II, 48, "Ub 240");
    row(II, 43, "Fassungskontakt g1 I");
    row(II, 44, "Ug1 (V) -100");
    row(II, 45, "Ug1 (V) -100");
    row(I, 49, "Rk 600 Ohm H");
    row(II, 51, "Fassungskontakt Kathode I");
    row(I, 60, "Fassungskontakt f+ B");
    row(II, 57, "f- an");
    row(II, 62, "Ug2 +250V D");
    row(II, 63, "Heizung Uf ~");
    row(II, 70, "Heizung Uf =");
    row(II, 66, "Prüfung Uf =");
    row(II, 71, "Prüfung Uf ~");
    row(II, 68, "Fassungskontakt Anode H");
    QTest::newRow("field 3") << 3 << 1 << QString();
    QTest::newRow("hole 73") << I << 73 << QString();
    QTest::newRow("hole 0") << II << 0 << QString();
}

void TestCardPictures::holeMeaning()
{
    QFETCH(int, field);
    QFETCH(int, number);
    QFETCH(QString, meaning);

    QCOMPARE(::holeMeaning(Hole{field, number}), meaning);
}

QTEST_GUILESS_MAIN(TestCardPictures)
#include "tst_cardpictures.moc"
