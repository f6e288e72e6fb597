#include "heating_table.h"
#include "valuechecks.h"

#include <QLabel>

using namespace ValueChecks;
using TestSupport::widget;

namespace {
// Every hole the heater encoders own: taps, DC meter scale, supply switches.
const QString heating = QStringLiteral("I13 I14 I21 I22 I23 I24 II19 II20 II21 II22 "
                                       "II57 II63 II64 II65 II66 II69 II70 II71 II72");
const QString ac = QStringLiteral(" II63 II64 II65 II71");
const QString dc = QStringLiteral(" II66 II69 II70 II72");
const QString direct = QStringLiteral(" II57");

QTestData &addRow(const QString &name, const QString &edits, const QString &holes, const char *text)
{
    return addCardRow(name, edits, heating, holes, CardText::HeatingVoltage,
                      QString::fromUtf8(text));
}

double maximumCurrent(const Lochkartor &w)
{
    return widget<QDoubleSpinBox>(w, "heatingCurrent")->maximum();
}
} // namespace

class HeatingTest : public QObject
{
    Q_OBJECT
private slots:
    void newWindow();
    void dcVoltage_data();
    void dcVoltage();
    void acTap_data();
    void acTap();
    void method_data();
    void method();
    void currentLimit_data();
    void currentLimit();
    void tablesMatchLegend_data();
    void tablesMatchLegend();
};

void HeatingTest::newWindow()
{
    Lochkartor w;
    QCOMPARE(punchedText(w, heating), sorted("I24" + ac));
    QCOMPARE(w.cards().text(CardText::HeatingVoltage), QStringLiteral("7.0 V~"));
    QCOMPARE(w.cards().text(CardText::HeatingCurrent), QStringLiteral("1 A"));
    QCOMPARE(maximumCurrent(w), 3.0);
    QVERIFY(widget<QComboBox>(w, "heatingVoltageAC")->isEnabled());
    QVERIFY(!widget<QDoubleSpinBox>(w, "heatingVoltage")->isEnabled());
    QVERIFY(w.hasHeater() && !w.isDirectlyHeated());
}

void HeatingTest::dcVoltage_data()
{
    addCardColumns();
    auto row = [](const char *volts, const QString &holes, const char *text) {
        addRow(volts, QStringLiteral("heatingMethod=2; heatingVoltage=") + volts, holes + dc, text);
    };
    row("1.0", "II22 I13", "1 V=");
    row("2.5", "II22 I13", "2.5 V=");
    row("2.55", "II21 I13", "2.55 V=");
    row("3.0", "II21 I13", "3 V=");
    row("3.05", "II20 I14", "3.05 V=");
    row("5.5", "II19 I14", "5.5 V=");
    row("6.3", "I24 I14", "6.3 V=");
    row("7.5", "I23 I14", "7.5 V=");
    row("7.6", "I23", "7.6 V=");
    row("13.0", "I22", "13 V=");
    row("13.1", "I21", "13.1 V=");
    row("17.0", "I21", "17 V=");
    addRow("direct", "heatingMethod=3; heatingVoltage=12.6", "I22" + dc + direct, "12.6 V=");
}

void HeatingTest::dcVoltage()
{
    Lochkartor w;
    checkCard(w);
    QCOMPARE(maximumCurrent(w), 1.2);
}

void HeatingTest::acTap_data()
{
    addCardColumns();
    QTest::addColumn<double>("maximum");
    const char *holes[] = {"II22", "II21", "II20", "II19", "I24", "I23", "I22", "I21"};
    const char *texts[]
        = {"2.5 V~", "3 V~", "4.5 V~", "5.5 V~", "7.0 V~", "10 V~", "13 V~", "15 V~"};
    const double maxima[] = {3.0, 3.0, 3.0, 3.0, 3.0, 1.7, 1.7, 1.3};
    for (int t = 0; t < 8; ++t)
        addRow(QStringLiteral("tap %1").arg(t), QStringLiteral("heatingVoltageAC=%1").arg(t),
               holes[t] + ac, texts[t])
            << maxima[t];
    addRow("direct", "heatingMethod=1; heatingVoltageAC=6", "I22" + ac + direct, "13 V~") << 1.7;
    // the AC tap clears the DC meter scale
    addRow("after DC", "heatingMethod=2; heatingVoltage=2.0; heatingMethod=0", "I24" + ac, "7.0 V~")
        << 3.0;
}

void HeatingTest::acTap()
{
    QFETCH(double, maximum);
    Lochkartor w;
    checkCard(w);
    QCOMPARE(maximumCurrent(w), maximum);
}

void HeatingTest::method_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<int>("call"); // as the tube type handling calls it; -99 for none
    QTest::addColumn<QString>("holes");
    QTest::addColumn<bool>("acInput");
    QTest::addColumn<bool>("dcInput");
    QTest::addColumn<bool>("heater"); // texts shown and flag
    QTest::addColumn<bool>("directlyHeated");
    const QString dcAt63 = QStringLiteral("heatingMethod=3; heatingVoltage=6.3");
    QTest::newRow("0") << "heatingMethod=3; heatingMethod=0" << -99 << "I24" + ac << true << false
                       << true << false;
    QTest::newRow("1") << "heatingMethod=1" << -99 << "I24" + ac + direct << true << false << true
                       << true;
    QTest::newRow("2") << "heatingMethod=2" << -99 << "II22 I13" + dc << false << true << true
                       << false;
    QTest::newRow("3") << "heatingMethod=3" << -99 << "II22 I13" + dc + direct << false << true
                       << true << true;
    // the glow stabiliser's state, reached as the tube type reaches it
    QTest::newRow("4 no heater") << dcAt63 + "; genericTubeType=7" << -99 << "" << false << false
                                 << false << false;
    QTest::newRow("-1") << dcAt63 << -1 << "I24 I14" + dc + direct << false << true << true << true;
}

void HeatingTest::method()
{
    QFETCH(QString, edits);
    QFETCH(int, call);
    QFETCH(QString, holes);
    QFETCH(bool, acInput);
    QFETCH(bool, dcInput);
    QFETCH(bool, heater);
    QFETCH(bool, directlyHeated);
    Lochkartor w;
    FormEdits::edit(w, edits);
    const QString text = w.cards().text(CardText::HeatingVoltage);
    const double maximum = maximumCurrent(w);
    if (call != -99) {
        w.encodeHeatingMethod(call);
        // neither rewrites the heating text or the current limit
        QCOMPARE(w.cards().text(CardText::HeatingVoltage), text);
        QCOMPARE(maximumCurrent(w), maximum);
    }
    QCOMPARE(punchedText(w, heating), sorted(holes));
    QVERIFY(TestSupport::cardsAgree(w.cards()));
    QCOMPARE(widget<QComboBox>(w, "heatingVoltageAC")->isEnabled(), acInput);
    QCOMPARE(widget<QLabel>(w, "heatingVoltageACLabel")->isEnabled(), acInput);
    QCOMPARE(widget<QDoubleSpinBox>(w, "heatingVoltage")->isEnabled(), dcInput);
    QCOMPARE(widget<QLabel>(w, "heatingVoltageLabel")->isEnabled(), dcInput);
    QCOMPARE(w.cards().isTextVisible(CardText::HeatingVoltage), heater);
    QCOMPARE(w.cards().isTextVisible(CardText::HeatingCurrent), heater);
    QCOMPARE(w.hasHeater(), heater);
    QCOMPARE(w.isDirectlyHeated(), directlyHeated);
    QVERIFY(widget<QDoubleSpinBox>(w, "heatingCurrent")->isEnabled());
}

// A lowered limit cuts the current, and the card's text follows. The DC
// supply gives 1.2 A at every voltage: choosing the DC voltage used to bring
// back the AC tap's limit, so a DC heater could be set to up to 3 A.
void HeatingTest::currentLimit_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<QString>("text");
    QTest::newRow("tap 0") << "heatingCurrent=2.0; heatingVoltageAC=0" << 3.0 << "2 A";
    QTest::newRow("tap 5") << "heatingCurrent=2.0; heatingVoltageAC=5" << 1.7 << "1.7 A";
    QTest::newRow("tap 6") << "heatingCurrent=2.0; heatingVoltageAC=6" << 1.7 << "1.7 A";
    QTest::newRow("tap 7") << "heatingCurrent=2.0; heatingVoltageAC=7" << 1.3 << "1.3 A";
    QTest::newRow("to DC") << "heatingCurrent=2.0; heatingMethod=2" << 1.2 << "1.2 A";
    QTest::newRow("DC voltage, then 2.5 A")
        << "heatingMethod=2; heatingVoltage=6.3; heatingCurrent=2.5" << 1.2 << "1.2 A";
    QTest::newRow("DC top tap") << "heatingMethod=3; heatingVoltage=15.0" << 1.2 << "1 A";
    QTest::newRow("DC, back to AC")
        << "heatingMethod=2; heatingVoltage=6.3; heatingMethod=0; heatingCurrent=2.5" << 3.0
        << "2.5 A";
}

void HeatingTest::currentLimit()
{
    QFETCH(QString, edits);
    QFETCH(double, maximum);
    QFETCH(QString, text);
    Lochkartor w;
    FormEdits::edit(w, edits);
    QCOMPARE(maximumCurrent(w), maximum);
    QCOMPARE(w.cards().text(CardText::HeatingCurrent), text);
}

// Each hole of the heater tables lies in the group the card prints for it;
// a tap prints its own voltage, which is also its DC bound.
void HeatingTest::tablesMatchLegend_data()
{
    using namespace HeatingTable;
    QTest::addColumn<Hole>("hole");
    QTest::addColumn<QString>("meaning");
    for (const Tap &tap : taps) {
        const QString value = qIsFinite(tap.bound) ? printed(tap.bound) : QStringLiteral("17,5");
        QTest::addRow("tap %s", tap.text) << tap.hole << "Uf (V~) " + value;
    }
    for (const DcScale &scale : dcScales) {
        for (const Hole &hole : scale.holes)
            QTest::addRow("scale %g", scale.bound) << hole << "Sk. Uf (V) " + printed(scale.bound);
    }
    const char *groups[] = {"Heizung Uf", "Heizung Uf", "Prüfung Uf", "Prüfung Uf"};
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("AC %d", i) << acSupplyHoles[i] << QString::fromUtf8(groups[i]) + " ~";
        QTest::addRow("DC %d", i) << dcSupplyHoles[i] << QString::fromUtf8(groups[i]) + " =";
    }
    QTest::newRow("direct") << filamentMinusHole << "f- an";
}

void HeatingTest::tablesMatchLegend()
{
    QFETCH(Hole, hole);
    QFETCH(QString, meaning);
    QCOMPARE(holeMeaning(hole), meaning);
}

QTEST_MAIN(HeatingTest)
#include "tst_heating.moc"
