// A batch of cards takes two short cuts: the tube name is sized by its
// letters' advance, laid out only near the edge, and JSON strings are
// escaped by hand. Both must give exactly what the long way gives.

#include "card_listing.h"
#include "cardtext_layout.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

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

} // namespace

class TestFastPaths : public QObject
{
    Q_OBJECT

private slots:
    void nameSizeAsByLayout();
    void nameWidthByAdvanceNearLayout();
    void jsonStringAsDocument();
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

QTEST_MAIN(TestFastPaths)
#include "tst_fast_paths.moc"
