// The generic tube type switches whole blocks of the form and the card on
// and off. A block left on would put a supply on an electrode the tube does
// not have; a block not restored would test the tube without it.

#include "cardstate.h"
#include "testsupport_window.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QStandardItemModel>
#include <map>

using TestSupport::holesText;
using TestSupport::parseHoles;
using TestSupport::punchedAmong;
using TestSupport::widget;

namespace {

enum TubeType {
    SmallSignalDiode = 0,
    Triode = 1,
    Tetrode = 2,
    Pentode = 3,
    Hexode = 4,
    Heptode = 5,
    Octode = 6,
    GlowStabiliser = 7,
    Rectifier = 8,
    IndicatorTube = 9
};

const char *const rectifierWidgets[]
    = {"rectPlateVoltage", "rectPlateVoltageLabel", "rectLoadResistor", "rectLoadResistorLabel",
       "rectCap",          "rectCapLabel",          "rectCurrent",      "rectCurrentLabel"};
const char *const plateWidgets[]
    = {"plateVoltage",    "plateVoltageLabel",    "plateCurrent", "plateCurrentLabel",
       "cathodeResistor", "cathodeResistorLabel", "cathodeCap",   "cathodeCapLabel"};
const char *const heatingMethodWidgets[] = {"heatingMethod", "heatingMethodLabel"};
const char *const screenWidgets[]
    = {"screenVoltage", "screenVoltageLabel", "screenCurrent", "screenCurrentLabel"};
const char *const gridWidgets[]
    = {"gridVoltage", "gridVoltageLabel", "transconductance", "transconductanceLabel"};

// The screen-grid block's holes: supply 150 V and 300 V, its meter scales,
// the screen-current scales.
const HoleList screenBlock = parseHoles("I19 I20 II23 II24 II14 II15 II16 II17 II18");
// The control-grid block's holes: supply, meter scales, transconductance.
const HoleList gridBlock = parseHoles("I1 I2 I3 I15 I16 I17 I18 II13 I4 I5 I6 II1 II2 II3 II4");
// Heater supply and check, "f- an", the taps and the DC meter scale.
const HoleList heatingBlock = parseHoles("II57 II63 II64 II65 II66 II69 II70 II71 II72 "
                                         "I13 I14 I21 I22 I23 I24 II19 II20 II21 II22");
// Plate supply, plate-current meter, the resistor group and the capacitors.
const HoleList plateBlock = parseHoles(
    "I25 I26 II5 II6 II11 II40 II41 II42 II46 II47 II48 II52 II53 II54 II58 II59 II60 "
    "I27 I28 I29 I30 II25 II26 II27 I7 I8 "
    "I31 I32 I33 I34 I35 I36 I39 I40 I41 I42 I49 I50 II29 II30 II31 II32 II33 II34 II35 "
    "II36 II37 I37 I38");

QComboBox *typeBox(const Lochkartor &window)
{
    return widget<QComboBox>(window, "genericTubeType");
}

void selectType(Lochkartor &window, int type)
{
    typeBox(window)->setCurrentIndex(type);
}

template<size_t N>
QString widgetsEnabled(const Lochkartor &window, const char *const (&names)[N])
{
    QStringList states;
    for (const char *name : names)
        states << QString::fromLatin1(name)
                      + (widget<QWidget>(window, name)->isEnabled() ? QStringLiteral(" on")
                                                                    : QStringLiteral(" off"));
    return states.join(QStringLiteral(", "));
}

template<size_t N>
void verifyAllEnabled(const Lochkartor &window, const char *const (&names)[N], bool enabled)
{
    for (const char *name : names)
        QVERIFY2(widget<QWidget>(window, name)->isEnabled() == enabled, name);
}

bool heatingRowEnabled(const Lochkartor &window, int row)
{
    const auto *model = qobject_cast<const QStandardItemModel *>(
        widget<QComboBox>(window, "heatingMethod")->model());
    return model && model->item(row)->isEnabled();
}

// What a tube type decides, for comparing two windows.
QString typeState(const Lochkartor &window)
{
    const CardState card = cardState(window);
    QStringList lines = {card.createdHoles,
                         card.universalHoles,
                         card.texts.join(QLatin1Char('|')),
                         card.checks.join(QLatin1Char(' ')),
                         widgetsEnabled(window, rectifierWidgets),
                         widgetsEnabled(window, plateWidgets),
                         widgetsEnabled(window, heatingMethodWidgets),
                         widgetsEnabled(window, screenWidgets),
                         widgetsEnabled(window, gridWidgets)};
    lines << QStringLiteral("flags %1%2%3%4%5")
                 .arg(window.isRectifier())
                 .arg(window.hasScreenGrid())
                 .arg(window.hasControlGrid())
                 .arg(window.hasHeater())
                 .arg(window.isDirectlyHeated());
    lines << QStringLiteral("heating method %1, rows 1 and 3 %2 %3")
                 .arg(widget<QComboBox>(window, "heatingMethod")->currentIndex())
                 .arg(heatingRowEnabled(window, 1))
                 .arg(heatingRowEnabled(window, 3));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TubeTypeTest : public QObject
{
    Q_OBJECT
private slots:
    void typeSetsItsFourSwitches_data();
    void typeSetsItsFourSwitches();
    void resultDoesNotDependOnThePreviousType_data();
    void resultDoesNotDependOnThePreviousType();
    void screenGridBlockIsClearedAndRestored_data();
    void screenGridBlockIsClearedAndRestored();
    void controlGridBlockIsClearedAndRestored_data();
    void controlGridBlockIsClearedAndRestored();
    void glowStabiliserSwitchesTheHeaterOff_data();
    void glowStabiliserSwitchesTheHeaterOff();
    void rectifierReplacesPlateAndCathode_data();
    void rectifierReplacesPlateAndCathode();
    void rectifierOffersOnlyIndirectHeating_data();
    void rectifierOffersOnlyIndirectHeating();
    void indexOutsideTheListOnlyWritesTheText_data();
    void indexOutsideTheListOnlyWritesTheText();

private:
    std::map<int, QString> m_directStates;
};

void TubeTypeTest::typeSetsItsFourSwitches_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("rectifier");
    QTest::addColumn<bool>("glowStabiliser");
    QTest::addColumn<bool>("screenGrid");
    QTest::addColumn<bool>("controlGrid");
    QTest::newRow("0") << 0 << "Kleinsignaldiode" << false << false << false << false;
    QTest::newRow("1") << 1 << "Triode" << false << false << false << true;
    QTest::newRow("2") << 2 << "Tetrode" << false << false << true << true;
    QTest::newRow("3") << 3 << "Pentode" << false << false << true << true;
    QTest::newRow("4") << 4 << "Hexode" << false << false << true << true;
    QTest::newRow("5") << 5 << "Heptode" << false << false << true << true;
    QTest::newRow("6") << 6 << "Oktode" << false << false << true << true;
    QTest::newRow("7") << 7 << "Glimmstabilisator" << false << true << false << false;
    QTest::newRow("8") << 8 << "Gleichrichter" << true << false << false << false;
    QTest::newRow("9") << 9 << "Anzeigeröhre" << false << false << true << false;
}

void TubeTypeTest::typeSetsItsFourSwitches()
{
    QFETCH(int, type);
    QFETCH(QString, name);
    QFETCH(bool, rectifier);
    QFETCH(bool, glowStabiliser);
    QFETCH(bool, screenGrid);
    QFETCH(bool, controlGrid);
    Lochkartor window;
    selectType(window, type == Pentode ? Triode : Pentode);
    selectType(window, type);
    const CardScenes &cards = window.cards();

    QCOMPARE(cards.text(CardText::TubeType), name);
    QCOMPARE(window.isRectifier(), rectifier);
    QCOMPARE(window.hasScreenGrid(), screenGrid);
    QCOMPARE(window.hasControlGrid(), controlGrid);
    QCOMPARE(window.hasHeater(), !glowStabiliser);

    verifyAllEnabled(window, rectifierWidgets, rectifier);
    verifyAllEnabled(window, plateWidgets, !rectifier);
    verifyAllEnabled(window, heatingMethodWidgets, !glowStabiliser);
    verifyAllEnabled(window, screenWidgets, screenGrid);
    verifyAllEnabled(window, gridWidgets, controlGrid);
    QCOMPARE(heatingRowEnabled(window, 1), !rectifier);
    QCOMPARE(heatingRowEnabled(window, 3), !rectifier);

    QCOMPARE(cards.isTextVisible(CardText::ScreenVoltage), screenGrid);
    QCOMPARE(cards.isTextVisible(CardText::ScreenCurrent), screenGrid);
    QCOMPARE(cards.isTextVisible(CardText::GridVoltage), controlGrid);
    QCOMPARE(cards.isTextVisible(CardText::Transconductance), controlGrid);

    // "RvStab aus" for every tube but the glow stabiliser.
    QCOMPARE(cards.isPunched(holeII(12)), !glowStabiliser);
    // Without a screen grid the screen supply rests at 300 V, unmetered.
    if (!screenGrid)
        QCOMPARE(holesText(punchedAmong(cards, screenBlock)), QStringLiteral("I20"));
    if (!controlGrid)
        QCOMPARE(holesText(punchedAmong(cards, gridBlock)), QString());
    QVERIFY(TestSupport::cardsAgree(cards));
}

void TubeTypeTest::resultDoesNotDependOnThePreviousType_data()
{
    QTest::addColumn<int>("previous");
    QTest::addColumn<int>("type");
    for (int previous = 0; previous < 10; ++previous) {
        for (int type = 0; type < 10; ++type) {
            if (previous != type)
                QTest::addRow("%d to %d", previous, type) << previous << type;
        }
    }
}

// Every type sets all four switches anew: coming from any other type gives
// the same window as choosing the type right after start.
void TubeTypeTest::resultDoesNotDependOnThePreviousType()
{
    QFETCH(int, previous);
    QFETCH(int, type);
    if (m_directStates.count(type) == 0) {
        Lochkartor direct;
        selectType(direct, type);
        m_directStates[type] = typeState(direct);
    }
    Lochkartor window;
    selectType(window, previous);
    selectType(window, type);
    QCOMPARE(typeState(window), m_directStates[type]);
}

void TubeTypeTest::screenGridBlockIsClearedAndRestored_data()
{
    QTest::addColumn<int>("typeWithout");
    QTest::newRow("Kleinsignaldiode") << int(SmallSignalDiode);
    QTest::newRow("Triode") << int(Triode);
    QTest::newRow("Glimmstabilisator") << int(GlowStabiliser);
    QTest::newRow("Gleichrichter") << int(Rectifier);
}

void TubeTypeTest::screenGridBlockIsClearedAndRestored()
{
    QFETCH(int, typeWithout);
    Lochkartor window;
    selectType(window, Pentode);
    widget<QDoubleSpinBox>(window, "plateVoltage")->setValue(250);
    widget<QDoubleSpinBox>(window, "screenVoltage")->setValue(100);
    widget<QDoubleSpinBox>(window, "screenCurrent")->setValue(3);
    const QString withScreenGrid = QStringLiteral("I19 II17 II24");
    QCOMPARE(holesText(punchedAmong(window.cards(), screenBlock)), withScreenGrid);

    selectType(window, typeWithout);
    QCOMPARE(holesText(punchedAmong(window.cards(), screenBlock)), QStringLiteral("I20"));
    QVERIFY(!window.cards().isTextVisible(CardText::ScreenVoltage));
    QVERIFY(!window.cards().isTextVisible(CardText::ScreenCurrent));
    QCOMPARE(widget<QDoubleSpinBox>(window, "screenVoltage")->value(), 100.0);
    QCOMPARE(widget<QDoubleSpinBox>(window, "screenCurrent")->value(), 3.0);

    selectType(window, Pentode);
    QCOMPARE(holesText(punchedAmong(window.cards(), screenBlock)), withScreenGrid);
    QCOMPARE(window.cards().text(CardText::ScreenVoltage), QStringLiteral("Ug2=100 V (150)"));
    QCOMPARE(window.cards().text(CardText::ScreenCurrent), QStringLiteral("Ig2=3 mA (7.5)"));
    QVERIFY(window.cards().isTextVisible(CardText::ScreenVoltage));
    QVERIFY(window.cards().isTextVisible(CardText::ScreenCurrent));
}

void TubeTypeTest::controlGridBlockIsClearedAndRestored_data()
{
    QTest::addColumn<int>("typeWithout");
    QTest::newRow("Kleinsignaldiode") << int(SmallSignalDiode);
    QTest::newRow("Glimmstabilisator") << int(GlowStabiliser);
    QTest::newRow("Gleichrichter") << int(Rectifier);
    QTest::newRow("Anzeigeröhre") << int(IndicatorTube);
}

void TubeTypeTest::controlGridBlockIsClearedAndRestored()
{
    QFETCH(int, typeWithout);
    Lochkartor window;
    selectType(window, Pentode);
    widget<QDoubleSpinBox>(window, "gridVoltage")->setValue(-5);
    widget<QDoubleSpinBox>(window, "transconductance")->setValue(3);
    const QString withGrid = QStringLiteral("I2 I17 II1");
    QCOMPARE(holesText(punchedAmong(window.cards(), gridBlock)), withGrid);

    selectType(window, typeWithout);
    QCOMPARE(holesText(punchedAmong(window.cards(), gridBlock)), QString());
    QVERIFY(!window.cards().isTextVisible(CardText::GridVoltage));
    QVERIFY(!window.cards().isTextVisible(CardText::Transconductance));
    QCOMPARE(widget<QDoubleSpinBox>(window, "gridVoltage")->value(), -5.0);

    selectType(window, Pentode);
    QCOMPARE(holesText(punchedAmong(window.cards(), gridBlock)), withGrid);
    QCOMPARE(window.cards().text(CardText::GridVoltage), QStringLiteral("Ug1=-5 V (7.5)"));
    QCOMPARE(window.cards().text(CardText::Transconductance), QStringLiteral("S=3 mA/V (7.5)"));
    QVERIFY(window.cards().isTextVisible(CardText::GridVoltage));
    QVERIFY(window.cards().isTextVisible(CardText::Transconductance));
}

void TubeTypeTest::glowStabiliserSwitchesTheHeaterOff_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("heating");
    // AC methods use the "7 V" tap, DC methods the 1 V start value: the
    // 2,5 V tap and the 3 V meter scale.
    QTest::newRow("Wechselstrom indirekt") << 0 << "I24 II63 II64 II65 II71";
    QTest::newRow("Wechselstrom direkt") << 1 << "I24 II57 II63 II64 II65 II71";
    QTest::newRow("Gleichstrom indirekt") << 2 << "I13 II22 II66 II69 II70 II72";
    QTest::newRow("Gleichstrom direkt") << 3 << "I13 II22 II57 II66 II69 II70 II72";
}

void TubeTypeTest::glowStabiliserSwitchesTheHeaterOff()
{
    QFETCH(int, method);
    QFETCH(QString, heating);
    Lochkartor window;
    auto *methodBox = widget<QComboBox>(window, "heatingMethod");
    selectType(window, Triode);
    methodBox->setCurrentIndex(method);
    QCOMPARE(holesText(punchedAmong(window.cards(), heatingBlock)), heating);

    selectType(window, GlowStabiliser);
    QCOMPARE(holesText(punchedAmong(window.cards(), heatingBlock)), QString());
    QVERIFY(!window.cards().isPunched(holeII(12)));
    QVERIFY(!methodBox->isEnabled());
    QCOMPARE(methodBox->currentIndex(), method);
    QVERIFY(!window.hasHeater());
    QVERIFY(!window.isDirectlyHeated());
    QVERIFY(!window.cards().isTextVisible(CardText::HeatingVoltage));
    QVERIFY(!window.cards().isTextVisible(CardText::HeatingCurrent));
    QCOMPARE(TestSupport::checkColour(window, "heaterOK"), QStringLiteral("grey"));

    selectType(window, Triode);
    QCOMPARE(holesText(punchedAmong(window.cards(), heatingBlock)), heating);
    QVERIFY(window.cards().isPunched(holeII(12)));
    QVERIFY(methodBox->isEnabled());
    QVERIFY(window.hasHeater());
    QCOMPARE(window.isDirectlyHeated(), method == 1 || method == 3);
}

void TubeTypeTest::rectifierReplacesPlateAndCathode_data()
{
    QTest::addColumn<int>("rectPlateVoltage");
    QTest::addColumn<int>("rectLoadResistor");
    QTest::addColumn<int>("rectCap");
    QTest::addColumn<double>("rectCurrent");
    QTest::addColumn<QString>("rectifierHoles");
    QTest::addColumn<QString>("rectifierTexts");
    QTest::addColumn<double>("plateVoltage");
    QTest::addColumn<int>("cathodeResistor");
    QTest::addColumn<int>("cathodeCap");
    QTest::addColumn<double>("plateCurrent");
    QTest::addColumn<QString>("pentodeHoles");
    QTest::addColumn<QString>("pentodeTexts");

    QTest::newRow("350 V~, 2 kOhm, 5 µF / 100 V, 0 Ohm, 5 µF")
        << 0 << 0 << 0 << 50.0 << "I7 I39 II47 II59"
        << "Ua=2 x 350V~|Igr=50 mA (150)" << 100.0 << 0 << 0 << 0.5 << "I25 I27 II36 II46 II58"
        << "Ua=100 V (150)|Ia=0.5 mA (1.5)";
    QTest::newRow("500 V~, 5.7 kOhm, 10 µF / 250 V, 100 Ohm, 100 µF")
        << 2 << 4 << 1 << 250.0 << "I8 I37 II37 II42 II54"
        << "Ua=2 x 500V~|Igr=250 mA (300)" << 250.0 << 6 << 2 << 60.0
        << "I26 I34 I38 II27 II40 II52"
        << "Ua=250 V (300)|Ia=60 mA (150)";
    QTest::newRow("400 V~, 3.6 kOhm, 5 µF / 20 V, 2x600 Ohm, 10 µF")
        << 1 << 2 << 0 << 100.0 << "I7 I41 II41 II53"
        << "Ua=2 x 400V~|Igr=100 mA (150)" << 20.0 << 14 << 1 << 4.0
        << "I25 I29 I37 I49 I50 II5 II6 II11 II48 II60"
        << "Ua=20 V (75)|Ia=4 mA (7.5)";
}

// Rectifier inputs and plate/cathode inputs keep their values while the
// other block is in use; each switch punches exactly its own block again.
void TubeTypeTest::rectifierReplacesPlateAndCathode()
{
    QFETCH(int, rectPlateVoltage);
    QFETCH(int, rectLoadResistor);
    QFETCH(int, rectCap);
    QFETCH(double, rectCurrent);
    QFETCH(QString, rectifierHoles);
    QFETCH(QString, rectifierTexts);
    QFETCH(double, plateVoltage);
    QFETCH(int, cathodeResistor);
    QFETCH(int, cathodeCap);
    QFETCH(double, plateCurrent);
    QFETCH(QString, pentodeHoles);
    QFETCH(QString, pentodeTexts);
    Lochkartor window;
    const auto texts = [&window] {
        return window.cards().text(CardText::PlateVoltage) + QLatin1Char('|')
               + window.cards().text(CardText::PlateCurrent);
    };

    selectType(window, Rectifier);
    widget<QComboBox>(window, "rectPlateVoltage")->setCurrentIndex(rectPlateVoltage);
    widget<QComboBox>(window, "rectLoadResistor")->setCurrentIndex(rectLoadResistor);
    widget<QComboBox>(window, "rectCap")->setCurrentIndex(rectCap);
    widget<QDoubleSpinBox>(window, "rectCurrent")->setValue(rectCurrent);
    selectType(window, Pentode);
    widget<QDoubleSpinBox>(window, "plateVoltage")->setValue(plateVoltage);
    widget<QComboBox>(window, "cathodeResistor")->setCurrentIndex(cathodeResistor);
    widget<QComboBox>(window, "cathodeCap")->setCurrentIndex(cathodeCap);
    widget<QDoubleSpinBox>(window, "plateCurrent")->setValue(plateCurrent);
    QCOMPARE(holesText(punchedAmong(window.cards(), plateBlock)), pentodeHoles);

    for (int round = 0; round < 2; ++round) {
        selectType(window, Rectifier);
        QCOMPARE(holesText(punchedAmong(window.cards(), plateBlock)), rectifierHoles);
        QCOMPARE(texts(), rectifierTexts);
        selectType(window, Pentode);
        QCOMPARE(holesText(punchedAmong(window.cards(), plateBlock)), pentodeHoles);
        QCOMPARE(texts(), pentodeTexts);
    }
    QVERIFY(TestSupport::cardsAgree(window.cards()));
}

void TubeTypeTest::rectifierOffersOnlyIndirectHeating_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("rectifierMethod");
    QTest::newRow("Wechselstrom indirekt stays") << 0 << 0;
    QTest::newRow("Wechselstrom direkt becomes indirekt") << 1 << 0;
    QTest::newRow("Gleichstrom indirekt stays") << 2 << 2;
    QTest::newRow("Gleichstrom direkt becomes indirekt") << 3 << 2;
}

// The heating method moves through its list, so the heating holes follow;
// going back to a triode offers direct heating again but keeps the method.
void TubeTypeTest::rectifierOffersOnlyIndirectHeating()
{
    QFETCH(int, method);
    QFETCH(int, rectifierMethod);
    Lochkartor window;
    auto *methodBox = widget<QComboBox>(window, "heatingMethod");
    selectType(window, Triode);
    methodBox->setCurrentIndex(method);

    selectType(window, Rectifier);
    QCOMPARE(methodBox->currentIndex(), rectifierMethod);
    QVERIFY(!heatingRowEnabled(window, 1));
    QVERIFY(!heatingRowEnabled(window, 3));
    QVERIFY(heatingRowEnabled(window, 0));
    QVERIFY(heatingRowEnabled(window, 2));
    QVERIFY(!window.isDirectlyHeated());
    QVERIFY(!window.cards().isPunched(holeII(57)));
    QCOMPARE(window.cards().isPunched(holeII(63)), rectifierMethod == 0);
    QCOMPARE(window.cards().isPunched(holeII(69)), rectifierMethod == 2);

    selectType(window, Triode);
    QCOMPARE(methodBox->currentIndex(), rectifierMethod);
    QVERIFY(heatingRowEnabled(window, 1));
    QVERIFY(heatingRowEnabled(window, 3));
}

void TubeTypeTest::indexOutsideTheListOnlyWritesTheText_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("10") << 10;
}

// The type's switches stay as they are; the text and the check are renewed.
void TubeTypeTest::indexOutsideTheListOnlyWritesTheText()
{
    QFETCH(int, index);
    Lochkartor window;
    selectType(window, Rectifier);
    const QString before = typeState(window);
    window.cards().textItem(CardText::TubeType)->setPlainText(QString());
    auto *heaterLabel = widget<QLabel>(window, "heaterOK");
    const QString heaterSheet = heaterLabel->styleSheet();
    heaterLabel->setStyleSheet(QString());

    window.encodeTubeType(index);

    QCOMPARE(window.cards().text(CardText::TubeType), QStringLiteral("Gleichrichter"));
    QCOMPARE(heaterLabel->styleSheet(), heaterSheet);
    QCOMPARE(typeState(window), before);
}

QTEST_MAIN(TubeTypeTest)
#include "tst_tube_type.moc"
