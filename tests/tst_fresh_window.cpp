// A new window must already show the card of its start values: a small-signal
// diode on the Septar socket, heated with 7 V AC, 5 V on the plate, no pins
// wired, the isolation test at 100 V with the 0,75 µA range.

#include "testsupport_window.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>

using TestSupport::widget;

Q_DECLARE_METATYPE(CardText)

class FreshWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cardHoles();
    void cardTexts_data();
    void cardTexts();
    void hiddenTexts_data();
    void hiddenTexts();
    void enabledStates_data();
    void enabledStates();
    void pinRows_data();
    void pinRows();
    void checkLabels_data();
    void checkLabels();
    void limitsAndFlags();

private:
    Lochkartor *m_window = nullptr;
};

void FreshWindowTest::initTestCase()
{
    m_window = new Lochkartor;
}

void FreshWindowTest::cleanupTestCase()
{
    delete m_window;
}

void FreshWindowTest::cardHoles()
{
    // I9 isolation range 0,75 µA; I20 screen supply at rest (300 V, no
    // screen grid); I24 heating tap 7 V; I25 plate supply up to 150 V; I27
    // plate-current scale 1,5 mA; II5 II6 II11 II48 II60 plate supply up to
    // 25 V; II8 plate scale 15 V; II12 "RvStab aus"; II36 cathode resistor
    // 0 Ohm; II38 isolation voltage 100 V; II63 II64 II65 II71 AC heating.
    const HoleList expected = TestSupport::parseHoles(
        "I9 I20 I24 I25 I27 II5 II6 II8 II11 II12 II36 II38 II48 II60 II63 II64 II65 II71");
    QCOMPARE(TestSupport::holesText(m_window->cards().punchedHoles()),
             TestSupport::holesText(expected));
    QVERIFY(TestSupport::cardsAgree(m_window->cards()));
}

void FreshWindowTest::cardTexts_data()
{
    QTest::addColumn<CardText>("text");
    QTest::addColumn<QString>("content");
    QTest::newRow("tube name") << CardText::TubeName << "";
    QTest::newRow("tube type") << CardText::TubeType << "Kleinsignaldiode";
    QTest::newRow("socket") << CardText::Socket << "Septar (Nr. 1)";
    QTest::newRow("heating voltage") << CardText::HeatingVoltage << "7.0 V~";
    QTest::newRow("heating current") << CardText::HeatingCurrent << "1 A";
    QTest::newRow("plate voltage") << CardText::PlateVoltage << "Ua=5 V (15)";
    QTest::newRow("plate current") << CardText::PlateCurrent << "Ia=0 mA (1.5)";
}

void FreshWindowTest::cardTexts()
{
    QFETCH(CardText, text);
    QFETCH(QString, content);
    QVERIFY(m_window->cards().isTextVisible(text));
    QCOMPARE(m_window->cards().text(text), content);
}

void FreshWindowTest::hiddenTexts_data()
{
    QTest::addColumn<CardText>("text");
    QTest::newRow("screen voltage") << CardText::ScreenVoltage;
    QTest::newRow("grid voltage") << CardText::GridVoltage;
    QTest::newRow("screen current") << CardText::ScreenCurrent;
    QTest::newRow("transconductance") << CardText::Transconductance;
    QTest::newRow("plate cap") << CardText::PlateCapNote;
    QTest::newRow("screen-grid cap") << CardText::ScreenGridCapNote;
    QTest::newRow("control-grid cap") << CardText::ControlGridCapNote;
}

void FreshWindowTest::hiddenTexts()
{
    QFETCH(CardText, text);
    QVERIFY(!m_window->cards().isTextVisible(text));
}

void FreshWindowTest::enabledStates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    for (const char *name :
         {"heatingMethod", "heatingMethodLabel", "heatingVoltageAC", "heatingVoltageACLabel",
          "heatingCurrent", "plateVoltage", "plateVoltageLabel", "plateCurrent",
          "plateCurrentLabel", "cathodeResistor", "cathodeResistorLabel", "cathodeCap",
          "cathodeCapLabel", "capFunction"})
        QTest::newRow(name) << name << true;
    for (const char *name :
         {"heatingVoltage", "heatingVoltageLabel", "screenVoltage", "screenVoltageLabel",
          "screenCurrent", "screenCurrentLabel", "gridVoltage", "gridVoltageLabel",
          "transconductance", "transconductanceLabel", "rectPlateVoltage", "rectPlateVoltageLabel",
          "rectLoadResistor", "rectLoadResistorLabel", "rectCap", "rectCapLabel", "rectCurrent",
          "rectCurrentLabel"})
        QTest::newRow(name) << name << false;
}

void FreshWindowTest::enabledStates()
{
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    QCOMPARE(widget<QWidget>(*m_window, qPrintable(name))->isEnabled(), enabled);
}

void FreshWindowTest::pinRows_data()
{
    QTest::addColumn<int>("pin");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("items");
    // Septar: pins 1 to 7 on lines 2, 3, 6, 5, none, 4, 7; pins 8 and 9
    // have never had a list.
    QTest::newRow("pin 1") << 1 << "2" << true << 10 << 11;
    QTest::newRow("pin 2") << 2 << "3" << true << 10 << 11;
    QTest::newRow("pin 3") << 3 << "6" << true << 10 << 11;
    QTest::newRow("pin 4") << 4 << "5" << true << 10 << 11;
    QTest::newRow("pin 5") << 5 << "LEITUNG OFFEN" << true << -1 << 1;
    QTest::newRow("pin 6") << 6 << "4" << true << 10 << 11;
    QTest::newRow("pin 7") << 7 << "7" << true << 10 << 11;
    QTest::newRow("pin 8") << 8 << "" << false << -1 << 0;
    QTest::newRow("pin 9") << 9 << "" << false << -1 << 0;
}

void FreshWindowTest::pinRows()
{
    QFETCH(int, pin);
    QFETCH(QString, line);
    QFETCH(bool, enabled);
    QFETCH(int, index);
    QFETCH(int, items);
    const QByteArray box = "pin" + QByteArray::number(pin) + "Function";
    const QByteArray field = "linePin" + QByteArray::number(pin);
    QCOMPARE(widget<QLineEdit>(*m_window, field.constData())->text(), line);
    QCOMPARE(widget<QLineEdit>(*m_window, field.constData())->isEnabled(), enabled);
    QCOMPARE(widget<QComboBox>(*m_window, box.constData())->isEnabled(), enabled);
    QCOMPARE(widget<QComboBox>(*m_window, box.constData())->currentIndex(), index);
    QCOMPARE(widget<QComboBox>(*m_window, box.constData())->count(), items);
    QCOMPARE(widget<QLineEdit>(*m_window, "socketNumber")->text(), QString());
}

void FreshWindowTest::checkLabels_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("styleSheet");
    // Heater present but not wired, no cathode, no anode; a small-signal
    // diode has neither control nor screen grid.
    QTest::newRow("heater") << "heaterOK"
                            << "QLabel {background-color : red}";
    QTest::newRow("cathode") << "cathodeOK"
                             << "QLabel {background-color : red}";
    QTest::newRow("grid") << "gridOK"
                          << "QLabel {background-color : grey}";
    QTest::newRow("screen") << "screenOK"
                            << "QLabel {background-color : grey}";
    QTest::newRow("plate") << "plateOK"
                           << "QLabel {background-color : red}";
}

void FreshWindowTest::checkLabels()
{
    QFETCH(QString, label);
    QFETCH(QString, styleSheet);
    QCOMPARE(widget<QLabel>(*m_window, qPrintable(label))->styleSheet(), styleSheet);
}

void FreshWindowTest::limitsAndFlags()
{
    QCOMPARE(m_window->currentPinCount(), 7);
    QVERIFY(!m_window->isRectifier());
    QVERIFY(!m_window->hasControlGrid());
    QVERIFY(!m_window->hasScreenGrid());
    QVERIFY(m_window->hasHeater());
    QVERIFY(!m_window->isDirectlyHeated());
    auto *heatingMethod = widget<QComboBox>(*m_window, "heatingMethod");
    QCOMPARE(heatingMethod->currentIndex(), 0);
    const auto *model = qobject_cast<const QStandardItemModel *>(heatingMethod->model());
    QVERIFY(model);
    for (int row = 0; row < 4; ++row)
        QVERIFY(model->item(row)->isEnabled());
    QCOMPARE(widget<QComboBox>(*m_window, "isotestVolage")->currentIndex(), 0);
    QCOMPARE(widget<QComboBox>(*m_window, "isotestRange")->currentIndex(), 0);
    QCOMPARE(widget<QDoubleSpinBox>(*m_window, "screenVoltage")->maximum(), 5.0);
    QCOMPARE(widget<QDoubleSpinBox>(*m_window, "plateCurrent")->maximum(), 50.0);
    QCOMPARE(widget<QDoubleSpinBox>(*m_window, "heatingCurrent")->maximum(), 3.0);
}

QTEST_MAIN(FreshWindowTest)
#include "tst_fresh_window.moc"
