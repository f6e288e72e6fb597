#include "desired_values_table.h"
#include "valuechecks.h"

using namespace ValueChecks;

namespace {
// The plate current and the rectified current share one meter and its holes.
const QString plateMeter = QStringLiteral("I27 I28 I29 I30 II25 II26 II27 I7 I8");
const QString screenMeter = QStringLiteral("II14 II15 II16 II17 II18");
const QString transconductanceMeter = QStringLiteral("I4 I5 I6 II1 II2 II3 II4");

// Rows that end by setting one widget to a value: `edits` + value.
struct Sweep
{
    QString edits;
    QString group;
    CardText text;
    QString prefix;

    void row(const char *value, const char *hole, const char *suffix) const
    {
        addCardRow(value, edits + value, group, hole, text,
                   prefix + value + QLatin1Char(' ') + suffix);
    }
};
} // namespace

class DesiredValuesTest : public QObject
{
    Q_OBJECT
private slots:
    void newWindow();
    void plateCurrent_data();
    void plateCurrent() { check(); }
    void rectCurrent_data();
    void rectCurrent() { check(); }
    void screenCurrent_data();
    void screenCurrent() { check(); }
    void transconductance_data();
    void transconductance() { check(); }
    void rangesMatchLegend_data();
    void rangesMatchLegend();

private:
    void check()
    {
        Lochkartor w;
        checkCard(w);
    }
};

void DesiredValuesTest::newWindow()
{
    Lochkartor w;
    QCOMPARE(punchedText(w, plateMeter), QStringLiteral("I27"));
    QCOMPARE(w.cards().text(CardText::PlateCurrent), QStringLiteral("Ia=0 mA (1.5)"));
    // a diode has neither screen grid nor control grid
    QCOMPARE(punchedText(w, screenMeter + ' ' + transconductanceMeter), QString());
}

void DesiredValuesTest::plateCurrent_data()
{
    addCardColumns();
    const Sweep sweep{"plateVoltage=200; plateCurrent=30; plateCurrent=", plateMeter,
                      CardText::PlateCurrent, "Ia="};
    sweep.row("0", "I27", "mA (1.5)");
    sweep.row("1", "I27", "mA (1.5)");
    sweep.row("1.01", "I28", "mA (3.0)");
    sweep.row("2", "I28", "mA (3.0)");
    sweep.row("2.01", "I29", "mA (7.5)");
    sweep.row("5", "I29", "mA (7.5)");
    sweep.row("5.01", "I30", "mA (15)");
    sweep.row("10", "I30", "mA (15)");
    sweep.row("10.01", "II25", "mA (30)");
    sweep.row("20", "II25", "mA (30)");
    sweep.row("20.01", "II26", "mA (75)");
    sweep.row("50", "II26", "mA (75)");
    sweep.row("50.01", "II27", "mA (150)");
    sweep.row("99.99", "II27", "mA (150)");
    // a plate voltage of 25 V or less allows 50 mA; the card follows the cut
    addCardRow("cut by plate voltage", "plateVoltage=200; plateCurrent=80; plateVoltage=25",
               plateMeter, "II26", CardText::PlateCurrent, "Ia=50 mA (75)");
    addCardRow("after rectified current", "genericTubeType=8; rectCurrent=150; genericTubeType=3; plateCurrent=3", plateMeter, "I29",
               CardText::PlateCurrent, "Ia=3 mA (7.5)");
}

// The rectified current takes the plate current's meter holes and text.
void DesiredValuesTest::rectCurrent_data()
{
    addCardColumns();
    const Sweep sweep{"plateCurrent=4.2; genericTubeType=8; rectCurrent=50; rectCurrent=", plateMeter,
                      CardText::PlateCurrent, "Igr="};
    sweep.row("0", "I7", "mA (150)");
    sweep.row("100", "I7", "mA (150)");
    sweep.row("100.01", "I8", "mA (300)");
    sweep.row("300", "I8", "mA (300)");
}

void DesiredValuesTest::screenCurrent_data()
{
    addCardColumns();
    const Sweep sweep{"genericTubeType=3; screenCurrent=30; screenCurrent=", screenMeter,
                      CardText::ScreenCurrent, "Ig2="};
    sweep.row("0", "II14", "mA (0.75)");
    sweep.row("0.5", "II14", "mA (0.75)");
    sweep.row("0.51", "II15", "mA (1.5)");
    sweep.row("1", "II15", "mA (1.5)");
    sweep.row("1.01", "II16", "mA (3.0)");
    sweep.row("2", "II16", "mA (3.0)");
    sweep.row("2.01", "II17", "mA (7.5)");
    sweep.row("5", "II17", "mA (7.5)");
    sweep.row("5.01", "II18", "mA (15)");
    sweep.row("99.99", "II18", "mA (15)");
    // without a screen grid the meter stays unpunched and the hidden text
    // keeps the start value; the kept value is punched when the type brings
    // the screen grid back
    addCardRow("triode", "genericTubeType=1; screenCurrent=3", screenMeter, "",
               CardText::ScreenCurrent, "Ig2=0 mA (0.75)");
    addCardRow("triode, then pentode", "genericTubeType=1; screenCurrent=3; genericTubeType=3",
               screenMeter, "II17", CardText::ScreenCurrent, "Ig2=3 mA (7.5)");
}

void DesiredValuesTest::transconductance_data()
{
    addCardColumns();
    const Sweep sweep{"genericTubeType=3; transconductance=30; transconductance=",
                      transconductanceMeter, CardText::Transconductance, "S="};
    sweep.row("0", "I4", "mA/V (0.75)");
    sweep.row("0.5", "I4", "mA/V (0.75)");
    sweep.row("0.51", "I5", "mA/V (1.5)");
    sweep.row("1", "I5", "mA/V (1.5)");
    sweep.row("1.01", "I6", "mA/V (3.0)");
    sweep.row("2", "I6", "mA/V (3.0)");
    sweep.row("2.01", "II1", "mA/V (7.5)");
    sweep.row("5", "II1", "mA/V (7.5)");
    sweep.row("5.01", "II2", "mA/V (15)");
    sweep.row("10", "II2", "mA/V (15)");
    sweep.row("10.01", "II3", "mA/V (30)");
    sweep.row("20", "II3", "mA/V (30)");
    sweep.row("20.01", "II4", "mA/V (75)");
    sweep.row("99.99", "II4", "mA/V (75)");
    // a diode has no control grid
    addCardRow("diode", "transconductance=3", transconductanceMeter, "", CardText::Transconductance,
               "S=0 mA/V (0.75)");
    addCardRow("diode, then triode", "transconductance=3; genericTubeType=1", transconductanceMeter,
               "II1", CardText::Transconductance, "S=3 mA/V (7.5)");
}

// Each range's hole lies in the meter group the card prints, at the full
// scale its text names, and its bound is two thirds of that full scale.
void DesiredValuesTest::rangesMatchLegend_data()
{
    using namespace DesiredValuesTable;
    QTest::addColumn<Hole>("hole");
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<double>("bound");
    QTest::addColumn<double>("fullScale");
    auto add = [](const char *heading, const HoleList &holes, const Range &range) {
        const double scale = fullScale(range.suffix);
        QTest::addRow("%s%s", heading, range.suffix)
            << holes.at(std::size_t(range.scale)) << QLatin1String(heading) + ' ' + printed(scale)
            << range.bound << scale;
    };
    for (const Range &range : plateCurrentRanges)
        add("Skala Ia (mA)", plateCurrentScaleHoles, range);
    for (const Range &range : rectCurrentRanges)
        add("I Glr (mA)", plateCurrentScaleHoles, range);
    for (const Range &range : screenCurrentRanges)
        add("Skala Ig2 (mA)", screenCurrentScaleHoles, range);
    for (const Range &range : transconductanceRanges)
        add("Skala Steilheit (mA/V)", transconductanceScaleHoles, range);
}

void DesiredValuesTest::rangesMatchLegend()
{
    QFETCH(Hole, hole);
    QFETCH(QString, meaning);
    QFETCH(double, bound);
    QFETCH(double, fullScale);
    QCOMPARE(holeMeaning(hole), meaning);
    if (qIsFinite(bound))
        QCOMPARE(bound, fullScale * 2 / 3);
}

QTEST_MAIN(DesiredValuesTest)
#include "tst_desired_values.moc"
