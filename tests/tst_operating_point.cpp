#include "operating_point_table.h"
#include "valuechecks.h"

using namespace ValueChecks;
using TestSupport::widget;

namespace {
const QString plate = QStringLiteral("I25 I26 II5 II6 II11 II40 II41 II42 II46 II47 II48 "
                                     "II52 II53 II54 II58 II59 II60 II8 II9 II10");
const QString screen = QStringLiteral("I19 I20 II23 II24");
const QString grid = QStringLiteral("I1 I2 I3 I15 I16 I17 I18 II13");
const QString resistor = QStringLiteral("I31 I32 I33 I34 I35 I36 I39 I40 I41 I42 I49 I50 "
                                        "II29 II30 II31 II32 II33 II34 II35 II36 II37");
const QString capGroup = QStringLiteral("I37 I38");
const QString pentode = QStringLiteral("genericTubeType=3");
const QString triode = QStringLiteral("genericTubeType=1");

// Grid bias and cathode resistor are checked together: each resets the other.
QTestData &addBiasRow(const QString &name, const QString &edits, const QString &holes,
                      const QString &gridText, int resistorIndex)
{
    return addCardRow(name, edits, grid + ' ' + resistor, holes, CardText::GridVoltage, gridText)
           << resistorIndex;
}
} // namespace

class OperatingPointTest : public QObject
{
    Q_OBJECT
private slots:
    void newWindow();
    void loadResistorWithoutChoicePunchesNothing();
    void plateVoltage_data();
    void plateVoltage();
    void rectPlateVoltage_data();
    void rectPlateVoltage();
    void screenVoltage_data();
    void screenVoltage();
    void gridVoltage_data();
    void gridVoltage() { checkBias(); }
    void cathodeResistor_data();
    void cathodeResistor() { checkBias(); }
    void capacitor_data();
    void capacitor();
    void tablesMatchLegend_data();
    void tablesMatchLegend();

private:
    void checkBias();
};

void OperatingPointTest::newWindow()
{
    Lochkartor w;
    QCOMPARE(punchedText(w, plate), sorted("I25 II5 II6 II11 II48 II60 II8"));
    QCOMPARE(w.cards().text(CardText::PlateVoltage), QStringLiteral("Ua=5 V (15)"));
    QCOMPARE(widget<QDoubleSpinBox>(w, "plateCurrent")->maximum(), 50.0);
    QCOMPARE(widget<QDoubleSpinBox>(w, "screenVoltage")->maximum(), 5.0);
    // a diode: the screen-grid supply rests on 300 V, no grid holes
    QCOMPARE(punchedText(w, screen + ' ' + grid), QStringLiteral("I20"));
    QCOMPARE(punchedText(w, resistor + ' ' + capGroup), QStringLiteral("II36"));
}

void OperatingPointTest::plateVoltage_data()
{
    addCardColumns();
    QTest::addColumn<double>("plateCurrentMaximum");
    const QString low = QStringLiteral("I25 II5 II6 II11 II48 II60 ");
    const QString mid = QStringLiteral("I25 II46 II58 ");
    const QString high = QStringLiteral("I26 II40 II52");
    auto row = [](const char *volts, const char *suffix, const QString &holes, double maximum) {
        addCardRow(volts, QStringLiteral("plateVoltage=100; plateVoltage=") + volts, plate, holes,
                   CardText::PlateVoltage, QStringLiteral("Ua=%1 V (%2)").arg(volts, suffix))
            << maximum;
    };
    row("5", "15", low + "II8", 50.0);
    row("15", "15", low + "II8", 50.0);
    row("15.1", "75", low + "II9", 50.0);
    row("25", "75", low + "II9", 50.0);
    row("25.1", "75", mid + "II9", 100.0);
    row("75", "75", mid + "II9", 100.0);
    row("75.1", "150", mid + "II10", 100.0);
    row("150", "150", mid + "II10", 100.0);
    row("150.1", "300", high, 100.0);
    row("300", "300", high, 100.0);
}

void OperatingPointTest::plateVoltage()
{
    QFETCH(double, plateCurrentMaximum);
    Lochkartor w;
    checkCard(w);
    QCOMPARE(widget<QDoubleSpinBox>(w, "plateCurrent")->maximum(), plateCurrentMaximum);
}

// The plate meter keeps the scale of the last plate voltage.
void OperatingPointTest::rectPlateVoltage_data()
{
    addCardColumns();
    addCardRow("2 x 350V",
               "plateVoltage=100; genericTubeType=8; rectPlateVoltage=1; rectPlateVoltage=0", plate,
               "II47 II59 II10", CardText::PlateVoltage, "Ua=2 x 350V~");
    addCardRow("2 x 400V", "plateVoltage=100; genericTubeType=8; rectPlateVoltage=1", plate,
               "II41 II53 II10", CardText::PlateVoltage, "Ua=2 x 400V~");
    addCardRow("2 x 500V", "plateVoltage=10; genericTubeType=8; rectPlateVoltage=2", plate,
               "II42 II54 II8", CardText::PlateVoltage, "Ua=2 x 500V~");
}

void OperatingPointTest::rectPlateVoltage()
{
    Lochkartor w;
    checkCard(w);
}

void OperatingPointTest::screenVoltage_data()
{
    addCardColumns();
    auto row = [](const QString &name, const QString &edits, const char *holes, const char *text) {
        addCardRow(name, edits, screen, holes, CardText::ScreenVoltage, text);
    };
    const QString sweep = pentode + "; plateVoltage=300; screenVoltage=100; screenVoltage=";
    row("5", sweep + "5", "I19 II23", "Ug2=5 V (75)");
    row("75", sweep + "75", "I19 II23", "Ug2=75 V (75)");
    row("75.1", sweep + "75.1", "I19 II24", "Ug2=75.1 V (150)");
    row("150", sweep + "150", "I19 II24", "Ug2=150 V (150)");
    row("150.1", sweep + "150.1", "I20", "Ug2=150.1 V (300)");
    row("300", sweep + "300", "I20", "Ug2=300 V (300)");
    // a lower plate voltage cuts the screen voltage, and the card follows
    const QString kept = pentode + "; plateVoltage=300; screenVoltage=250; ";
    row("cut by plate", kept + "plateVoltage=100", "I19 II24", "Ug2=100 V (150)");
    // a triode's screen-grid holes stay as the type left them, although the
    // cut changes the kept value; it is punched when the type comes back
    row("triode, cut by plate", kept + triode + "; plateVoltage=100", "I20", "Ug2=250 V (300)");
    row("triode, back to pentode", kept + triode + "; plateVoltage=100; " + pentode, "I19 II24",
        "Ug2=100 V (150)");
}

void OperatingPointTest::screenVoltage()
{
    Lochkartor w;
    checkCard(w);
}

void OperatingPointTest::checkBias()
{
    QFETCH(int, resistorIndex);
    Lochkartor w;
    checkCard(w);
    QCOMPARE(widget<QComboBox>(w, "cathodeResistor")->currentIndex(), resistorIndex);
}

// A nonzero bias moves the cathode resistor to "0 Ohm", whose encoder leaves
// the grid alone.
void OperatingPointTest::gridVoltage_data()
{
    addCardColumns();
    QTest::addColumn<int>("resistorIndex");
    addBiasRow("0", pentode + "; gridVoltage=-1; cathodeResistor=14; gridVoltage=0",
               "I3 I15 I49 I50", "Ug1=0 V (1.5)", 14);
    auto row = [](const char *volts, const char *holes, const char *suffix) {
        addBiasRow(volts, pentode + "; cathodeResistor=14; gridVoltage=" + volts,
                   holes + QStringLiteral(" II36"),
                   QStringLiteral("Ug1=%1 V (%2)").arg(volts, suffix), 0);
    };
    row("-0.5", "I2 I15", "1.5");
    row("-1.5", "I2 I15", "1.5");
    row("-2", "I2 I16", "3");
    row("-3", "I2 I16", "3");
    row("-3.5", "I2 I17", "7.5");
    row("-7.5", "I2 I17", "7.5");
    row("-8", "I2 I18", "15");
    row("-10", "I2 I18", "15");
    row("-10.5", "I1 I18", "15");
    row("-15", "I1 I18", "15");
    row("-15.5", "I1 II13", "30");
    row("-30", "I1 II13", "30");
    row("-30.5", "I1", "75");
    row("-65.5", "I1", "75");
    addBiasRow("after a resistor", pentode + "; cathodeResistor=6; gridVoltage=-2", "I2 I16 II36",
               "Ug1=-2 V (3)", 0);
}

// A resistor of 30 to 500 Ohm sets the grid to 0 V, whose encoder leaves the
// resistor alone; the load resistors share the group.
void OperatingPointTest::cathodeResistor_data()
{
    addCardColumns();
    QTest::addColumn<int>("resistorIndex");
    const QString biased = pentode + "; gridVoltage=-2; ";
    const QString kept = QStringLiteral("I2 I16 ");
    const QString zero = QStringLiteral("I3 I15 ");
    const QString keptText = QStringLiteral("Ug1=-2 V (3)");
    const QString zeroText = QStringLiteral("Ug1=0 V (1.5)");
    addBiasRow("0 Ohm", biased + "cathodeResistor=14; cathodeResistor=0", kept + "II36", keptText,
               0);
    const char *holes[] = {"II29", "II30", "I31",  "I32",  "I33",  "I34", "I35",
                           "I36",  "II31", "II32", "II33", "II34", "II35"};
    for (int k = 1; k <= 13; ++k)
        addBiasRow(QStringLiteral("choice %1").arg(k),
                   biased + QStringLiteral("cathodeResistor=%1").arg(k), zero + holes[k - 1],
                   zeroText, k);
    addBiasRow("2x600 Ohm", biased + "cathodeResistor=14", kept + "I49 I50", keptText, 14);
    const char *loadHoles[] = {"I39", "I40", "I41", "I42", "II37"};
    // a rectifier has no control grid: its grid holes are cleared
    const QString rectifier = biased + "genericTubeType=8; ";
    for (int i = 0; i < 5; ++i)
        addBiasRow(
            QStringLiteral("load %1").arg(i),
            rectifier
                + QStringLiteral("rectLoadResistor=%1; rectLoadResistor=%2").arg(4 - i).arg(i),
            loadHoles[i], keptText, 0);
    addBiasRow("load clears cathode",
               biased + "cathodeResistor=6; genericTubeType=8; rectLoadResistor=4", "II37",
               zeroText, 6);
    addBiasRow("cathode clears load",
               rectifier + "rectLoadResistor=1; genericTubeType=3; cathodeResistor=9",
               zero + "II31", zeroText, 9);
    // a diode's grid holes stay as the type left them, although the resistor
    // sets the kept bias to 0 V; it is punched when the type comes back
    const QString diode = triode + "; gridVoltage=-5; genericTubeType=0; cathodeResistor=6";
    addBiasRow("diode", diode, "I34", "Ug1=-5 V (7.5)", 6);
    addBiasRow("diode, back to triode", diode + "; " + triode, zero + "I34", zeroText, 6);
}

void OperatingPointTest::capacitor_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("holes");
    QTest::newRow("5 µF") << "cathodeCap=2; cathodeCap=0"
                          << "";
    QTest::newRow("10 µF") << "cathodeCap=2; cathodeCap=1"
                           << "I37";
    QTest::newRow("100 µF") << "cathodeCap=2"
                            << "I38";
    QTest::newRow("filter 5 µF") << "cathodeCap=2; genericTubeType=8; rectCap=1; rectCap=0"
                                 << "";
    QTest::newRow("filter 10 µF") << "cathodeCap=2; genericTubeType=8; rectCap=1"
                                  << "I37";
}

void OperatingPointTest::capacitor()
{
    QFETCH(QString, edits);
    QFETCH(QString, holes);
    Lochkartor w;
    FormEdits::edit(w, edits);
    QCOMPARE(punchedText(w, capGroup), sorted(holes));
    QVERIFY(TestSupport::cardsAgree(w.cards()));
}

// Each hole of the operating-point tables lies in the group the card prints
// for it: meters print their full scale, components the value their list
// item names.
void OperatingPointTest::tablesMatchLegend_data()
{
    using namespace OperatingPointTable;
    QTest::addColumn<HoleList>("holes");
    QTest::addColumn<QStringList>("expected");
    const QStringList supplies[] = {
        {"Ua (V) 150", "Ua Diode 5-25 V", "Ua Diode 5-25 V", "", "Ub 240", "Ub 240"},
        {"Ua (V) 150", "Ub 350", "Ub 350"},
        {"Ua (V) 300", "Ub 450", "Ub 450"},
        {"U~ 350", "U~ 350"},
        {"U~ 400", "U~ 400"},
        {"U~ 500", "U~ 500"},
    };
    for (int s = 0; s < 6; ++s)
        QTest::addRow("plate supply %d", s) << plateSupplies[s] << supplies[s];

    auto meter = [](const char *heading, const HoleList &holes, const char *suffix) {
        QStringList expected;
        if (!holes.empty())
            expected << QString::fromUtf8(heading) + ' ' + printed(fullScale(suffix));
        QTest::addRow("%s%s", heading, suffix) << holes << expected;
    };
    auto selected = [](void (CardScenes::*selector)(int), int choice) {
        CardScenes cards;
        (cards.*selector)(choice);
        return cards.punchedHoles();
    };
    for (const PlateScale &scale : plateScales)
        meter("Skala Ua (V)", scale.holes, scale.suffix);
    for (const SelectorRange &scale : screenScales)
        meter("Sk.Ug2 (V)", selected(&CardScenes::setScreenScaleHoles, scale.choice), scale.suffix);
    for (const SelectorRange &scale : gridScales)
        meter("Skala Ug1 (V)", selected(&CardScenes::setGridScaleHoles, scale.choice),
              scale.suffix);
    const char *screenSupply[] = {"Ug2 (V) 150", "Ug2 (V) 300"};
    for (int i = 0; i < 2; ++i)
        QTest::addRow("%s", screenSupply[i])
            << selected(&CardScenes::setScreenVoltageHoles, screenSupplies[i].choice)
            << QStringList{screenSupply[i]};
    const char *gridSupply[] = {"Ug1 (V) 0", "Ug1 (V) -10", "Ug1 (V) -65"};
    for (int i = 0; i < 3; ++i)
        QTest::addRow("%s", gridSupply[i])
            << selected(&CardScenes::setGridVoltageHoles, gridSupplies[i].choice)
            << QStringList{gridSupply[i]};

    Lochkartor w;
    const auto *cathode = widget<QComboBox>(w, "cathodeResistor");
    const auto *load = widget<QComboBox>(w, "rectLoadResistor");
    for (int k = 0; k < 20; ++k) {
        const QString item = k < 15 ? cathode->itemText(k) : load->itemText(k - 15);
        QString heading = k < 15 ? QStringLiteral("Kathodenwiderstand (Ohm) ")
                                 : QStringLiteral("Serienwiderstand Gl-Rö (kOhm) ");
        if (item == QLatin1String("30 Ohm") || item == QLatin1String("50 Ohm"))
            heading.clear(); // printed without a heading
        const QString value = printed(item.section(' ', 0, 0).toDouble());
        QTest::addRow("%s", qPrintable(item))
            << resistors[k].holes
            << (k == 14 ? QStringList{"Rk 600 Ohm H", "Rk 600 Ohm I"}
                        : QStringList{heading + value});
    }
    const auto *cap = widget<QComboBox>(w, "cathodeCap");
    QTest::newRow("5 µF") << capacitors[0] << QStringList{};
    for (int n = 1; n < 3; ++n)
        QTest::addRow("%s", qPrintable(cap->itemText(n)))
            << capacitors[n] << QStringList{"Ck (µF) " + cap->itemText(n).section(' ', 0, 0)};
}

void OperatingPointTest::tablesMatchLegend()
{
    QFETCH(HoleList, holes);
    QFETCH(QStringList, expected);
    QCOMPARE(meanings(holes), expected);
}

// A load resistor list without a current item (-1) must not turn into the
// cathode resistor choice 14, whose holes are the Rk 600 Ohm contacts.
void OperatingPointTest::loadResistorWithoutChoicePunchesNothing()
{
    Lochkartor w;
    FormEdits::edit(w, QStringLiteral("genericTubeType=8; rectLoadResistor=2"));
    widget<QComboBox>(w, "rectLoadResistor")->setCurrentIndex(-1);
    QVERIFY(!w.cards().isPunched(holeI(49)));
    QVERIFY(!w.cards().isPunched(holeI(50)));
    // Nor keeps the resistor the list no longer shows.
    QVERIFY(!w.cards().isPunched(holeI(41)));
}

QTEST_MAIN(OperatingPointTest)
#include "tst_operating_point.moc"
