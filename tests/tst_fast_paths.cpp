// A batch of cards takes three short cuts: the tube name is sized by its
// letters' advance, laid out only near the edge, JSON strings are escaped by
// hand, and plain decimals are read without Qt's number parser. Each must
// give exactly what the long way gives.

#include "card_listing.h"
#include "cardtext_layout.h"
#include "decimal_text.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <cstring>

namespace {

// Characters a tube name may hold: wide and narrow letters, umlauts,
// punctuation, letters of other scripts; and, now and then, what the layout
// treats apart (a tab, a line separator, invisible formats, a character
// outside the basic plane).
const QString plainLetters = QStringLiteral("WMmwil1I.- ABCXYZ0123456789ÄÖÜßé/()&+*#~")
                             + QString::fromUtf8("Жя漢字ℵשع") + QChar(0x0301);
const QString awkwardLetters
    = QStringLiteral("\t") + QChar(0x2028) + QChar(0x00AD) + QChar(0x200B) + QString::fromUtf8("𝔄");

// Most names are 8 to 16 plain characters, where the size is decided by
// their width against the room and the advance lands near it.
QString randomName(QRandomGenerator &random)
{
    QString name;
    const bool awkward = random.bounded(4) == 0;
    const int length = int(random.bounded(2) ? random.bounded(8, 17) : random.bounded(0, 31));
    for (int i = 0; i < length; ++i) {
        if (awkward && random.bounded(5) == 0)
            name += awkwardLetters.at(random.bounded(int(awkwardLetters.size())));
        else
            name += plainLetters.at(random.bounded(int(plainLetters.size())));
    }
    return name;
}

// The literal as QJsonDocument writes it, which the JSON lines always were.
QString documentLiteral(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact))
        .chopped(1)
        .mid(1);
}

QString randomUtf16(QRandomGenerator &random)
{
    QString text;
    const int length = int(random.bounded(0, 20));
    for (int i = 0; i < length; ++i) {
        switch (random.bounded(4)) {
        case 0:
            text += QChar(char16_t(random.bounded(0, 0x80))); // controls, quotes, backslash
            break;
        case 1:
            text += QChar(char16_t(random.bounded(0xD800, 0xE000))); // halves of pairs
            break;
        case 2:
            text += QString::fromUtf8("𝔄");
            break;
        default:
            text += QChar(char16_t(random.bounded(0x80, 0x10000)));
        }
    }
    return text;
}

// Texts near the plain decimals: a spin box's text, the shortest form of a
// value, or a jumble of digits, signs, points, exponents and spaces.
QString randomNumberText(QRandomGenerator &random)
{
    const double value = (random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-8, 18));
    switch (random.bounded(3)) {
    case 0:
        return QString::number(value, 'f', int(random.bounded(0, 12)));
    case 1:
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    default:
        break;
    }
    const QString letters = QStringLiteral("0123456789000.-+e ");
    QString text;
    const int length = int(random.bounded(0, 36));
    for (int i = 0; i < length; ++i)
        text += letters.at(random.bounded(int(letters.size())));
    return text;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

class TestFastPaths : public QObject
{
    Q_OBJECT

private slots:
    void nameSizeAsByLayout();
    void nameWidthByAdvanceNearLayout();
    void jsonStringAsDocument();
    void decimalsAsQtReadsThem();
};

void TestFastPaths::nameSizeAsByLayout()
{
    QRandomGenerator random(21);
    const int cases = TestSupport::underSanitizers ? 300 : 1500;
    QStringList names = {QStringLiteral("WWWWWWWWWWWW"), QStringLiteral("EL84"),
                         QStringLiteral("iiiiiiiiiiiiiiiiiiii"), QStringLiteral("MMMMMMMM")};
    while (names.size() < cases)
        names << randomName(random);
    for (const QString &name : names) {
        if (tubeNamePointSize(name) != tubeNamePointSizeByLayout(name))
            QFAIL(qPrintable(QStringLiteral("%1: %2 pt by the advance, %3 pt by the layout")
                                 .arg(name)
                                 .arg(tubeNamePointSize(name))
                                 .arg(tubeNamePointSizeByLayout(name))));
    }
}

// What the quick way rests on: for a line of printable characters the
// advance lands within the tolerance of the layout's width, at every size.
void TestFastPaths::nameWidthByAdvanceNearLayout()
{
    QRandomGenerator random(84);
    const int cases = TestSupport::underSanitizers ? 200 : 1000;
    for (int i = 0; i < cases; ++i) {
        QString name;
        const int length = int(random.bounded(1, 25));
        while (name.size() < length)
            name += plainLetters.at(random.bounded(int(plainLetters.size())));
        const int pointSize = int(random.bounded(MinimumTubeNamePointSize, 51));
        const qreal advance = tubeNameWidthByAdvance(name, pointSize);
        const qreal layout = tubeNameWidthByLayout(name, pointSize);
        if (std::abs(advance - layout) >= TubeNameLayoutTolerance)
            QFAIL(qPrintable(QStringLiteral("%1 at %2 pt: %3 px by the advance, %4 px laid out")
                                 .arg(name)
                                 .arg(pointSize)
                                 .arg(advance)
                                 .arg(layout)));
    }
}

void TestFastPaths::jsonStringAsDocument()
{
    QRandomGenerator random(2026);
    for (int i = 0; i < 3000; ++i) {
        const QString text = randomUtf16(random);
        QCOMPARE(CardReport::jsonString(text), documentLiteral(text));
    }
}

// The value (bit for bit, the zero's sign too) and the verdict of every
// text, and a spin box's rounding, ties included.
void TestFastPaths::decimalsAsQtReadsThem()
{
    QStringList texts = {QStringLiteral("0"),      QStringLiteral("-0"),    QStringLiteral("-0.00"),
                         QStringLiteral("007.5"),  QStringLiteral("1."),    QStringLiteral(".5"),
                         QStringLiteral("1e5"),    QStringLiteral("+1"),    QStringLiteral(" 1"),
                         QStringLiteral("nan"),    QStringLiteral("-"),     QString(),
                         QStringLiteral("261.25"), QStringLiteral("0.125"), QString(40, u'9')};
    QRandomGenerator random(1953);
    while (texts.size() < 20000)
        texts << randomNumberText(random);
    for (const QString &text : texts) {
        bool qtOk = false;
        bool ok = false;
        const double qt = text.toDouble(&qtOk);
        const double read = DecimalText::toDouble(text, &ok);
        if (ok != qtOk || !sameBits(read, qt))
            QFAIL(qPrintable(QStringLiteral("\"%1\": %2 (%3), Qt reads %4 (%5)")
                                 .arg(text)
                                 .arg(read, 0, 'g', 17)
                                 .arg(ok)
                                 .arg(qt, 0, 'g', 17)
                                 .arg(qtOk)));
    }
    for (int i = 0; i < 20000; ++i) {
        const double value = i < 8 ? (i - 4) * 0.125 + 261 : random.generateDouble() * 600 - 300;
        const int decimals = int(random.bounded(0, 4));
        QVERIFY(sameBits(DecimalText::rounded(value, decimals),
                         QString::number(value, 'f', decimals).toDouble()));
    }
}

QTEST_MAIN(TestFastPaths)
#include "tst_fast_paths.moc"
