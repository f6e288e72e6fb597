#pragma once

#include "form_edits.h"
#include "legend.h"
#include "testsupport_window.h"

#include <QRegularExpression>

// Checks shared by the tests of the value encoders: a row edits a new window
// through its widgets and compares one hole group and one card text.
namespace ValueChecks {

// The holes of `group` the created card shows, as "I3 II13".
inline QString punchedText(const Lochkartor &window, const QString &group)
{
    return TestSupport::holesText(
        TestSupport::punchedAmong(window.cards(), TestSupport::parseHoles(group)));
}

// Normalises "II13 I3" to the order punchedText uses.
inline QString sorted(const QString &holes)
{
    return TestSupport::holesText(TestSupport::parseHoles(holes));
}

inline void addCardColumns()
{
    QTest::addColumn<QString>("edits"); // "plateVoltage=230; genericTubeType=3"
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("holes"); // those of `group` that must be punched
    QTest::addColumn<int>("text");      // a CardText
    QTest::addColumn<QString>("content");
}

inline QTestData &addCardRow(const QString &name, const QString &edits, const QString &group,
                             const QString &holes, CardText text, const QString &content)
{
    return QTest::newRow(qPrintable(name)) << edits << group << holes << int(text) << content;
}

// Applies the row's edits to `window` and compares its group and text.
inline void checkCard(Lochkartor &window)
{
    QFETCH(QString, edits);
    QFETCH(QString, group);
    QFETCH(QString, holes);
    QFETCH(int, text);
    QFETCH(QString, content);
    FormEdits::edit(window, edits);
    QCOMPARE(punchedText(window, group), sorted(holes));
    QVERIFY(TestSupport::cardsAgree(window.cards()));
    // A hidden text is on no card and says nothing to anyone.
    if (window.cards().isTextVisible(CardText(text)))
        QCOMPARE(window.cards().text(CardText(text)), content);
}

// What the universal card prints at each of `holes`, as "Ug1 (V) -10".
inline QStringList meanings(const HoleList &holes)
{
    QStringList texts;
    for (const Hole &hole : holes)
        texts.append(holeMeaning(hole));
    return texts;
}

// A number as the universal card prints it: decimal comma, no trailing zeros.
inline QString printed(double value)
{
    return QString::number(value, 'g', 6).replace(QLatin1Char('.'), QLatin1Char(','));
}

// The full scale named in a meter suffix such as " mA (7.5)".
inline double fullScale(const char *suffix)
{
    static const QRegularExpression range(QStringLiteral("\\(([0-9.]+)\\)"));
    return range.match(QString::fromLatin1(suffix)).captured(1).toDouble();
}

} // namespace ValueChecks

Q_DECLARE_METATYPE(Hole)
