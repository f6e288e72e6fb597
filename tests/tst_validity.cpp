// The five check labels tell the user whether heater, cathode, grids and
// anode are wired in a way the tester can use. A label that shows green for
// a pinout that does not fit the tube kind lets a bad card through.

#include "testsupport_window.h"

#include <QComboBox>
#include <QLabel>

using TestSupport::checkColour;
using TestSupport::widget;

namespace {

const QString grey = QStringLiteral("QLabel {background-color : grey}");
const QString green = QStringLiteral("QLabel {background-color : lightgreen}");
const QString red = QStringLiteral("QLabel {background-color : red}");

QComboBox *pinBox(const Lochkartor &window, int pin)
{
    const QByteArray name = "pin" + QByteArray::number(pin) + "Function";
    return widget<QComboBox>(window, name.constData());
}

int functionIndex(const QString &name)
{
    static const QStringList names = {"H-", "H+", "K", "K1", "K2", "G1", "A", "G2", "H-K", "H+K"};
    const int index = int(names.indexOf(name));
    if (index < 0)
        qFatal("unknown pin function %s", qPrintable(name));
    return index;
}

// "9:H- 3:H+" sets pin 9 to "Heizung(-)" and pin 3 to "Heizung(+)"; every
// other pin stays "Unbelegt".
void setPins(Lochkartor &window, const QString &pins)
{
    for (const QString &entry : pins.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(QLatin1Char(':'));
        pinBox(window, parts.at(0).toInt())->setCurrentIndex(functionIndex(parts.at(1)));
    }
}

// The universal socket: pins 1 to 9 on lines H, C, B, A, E, F, D, I, G. So
// pin 9 can carry only "H-", pin 3 "H-" or "H+", pin 1 "H+", "K2" or "H+K",
// pin 8 "K1", pin 5 "H+" or "H+K", pins 2, 4 and 7 "H-K".
constexpr int universalSocket = 13;

QString sheet(const Lochkartor &window, const char *label)
{
    return widget<QLabel>(window, label)->styleSheet();
}

} // namespace

class ValidityTest : public QObject
{
    Q_OBJECT
private slots:
    void labelsFollowTheRules_data();
    void labelsFollowTheRules();
    void onlyTheSocketsPinsCount();
    void pinWithoutLineCountsNothing_data();
    void pinWithoutLineCountsNothing();
    void noPinsAtAll_data();
    void noPinsAtAll();
    void heatingMethodRechecksAtOnce_data();
    void heatingMethodRechecksAtOnce();
};

void ValidityTest::labelsFollowTheRules_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("pins");
    QTest::addColumn<int>("cap");
    QTest::addColumn<QString>("heater");
    QTest::addColumn<QString>("cathode");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("plate");

    const int triode = 1, pentode = 3, glow = 7, rectifier = 8, indicator = 9;
    const int acIndirect = 0, acDirect = 1, dcIndirect = 2, dcDirect = 3;

    QTest::newRow("triode, complete") << triode << acIndirect << "9:H- 3:H+ 2:K 6:G1 4:A" << 0
                                      << green << green << green << grey << green;
    QTest::newRow("triode, nothing wired")
        << triode << acIndirect << "" << 0 << red << red << red << grey << red;
    QTest::newRow("triode, grid on the cap") << triode << acIndirect << "9:H- 3:H+ 2:K 4:A" << 1
                                             << green << green << green << grey << green;
    QTest::newRow("triode, anode on the cap") << triode << dcIndirect << "9:H- 3:H+ 2:K 6:G1" << 3
                                              << green << green << green << grey << green;
    QTest::newRow("triode, one filament end missing")
        << triode << acIndirect << "9:H- 2:K 6:G1 4:A" << 0 << red << green << green << grey
        << green;
    QTest::newRow("triode, screen grid pin stays grey")
        << triode << acIndirect << "9:H- 3:H+ 2:K 6:G1 4:A 7:G2" << 0 << green << green << green
        << grey << green;
    QTest::newRow("triode, two anodes count once")
        << triode << acIndirect << "9:H- 3:H+ 2:K 6:G1 4:A 7:A" << 0 << green << green << green
        << grey << green;
    QTest::newRow("pentode, complete") << pentode << acIndirect << "9:H- 3:H+ 2:K 6:G1 4:A 7:G2"
                                       << 0 << green << green << green << green << green;
    QTest::newRow("pentode, screen grid missing")
        << pentode << acIndirect << "9:H- 3:H+ 2:K 6:G1 4:A" << 0 << green << green << green << red
        << green;
    QTest::newRow("pentode, screen grid on the cap")
        << pentode << acIndirect << "9:H- 3:H+ 2:K 6:G1 4:A" << 2 << green << green << green
        << green << green;
    QTest::newRow("heater ends plus a heater-cathode pin")
        << triode << acIndirect << "9:H- 3:H+ 2:K 7:H-K 6:G1 4:A" << 0 << red << red << green
        << grey << green;
    QTest::newRow("double-triode cathode 1")
        << triode << acIndirect << "9:H- 3:H+ 2:K 8:K1 6:G1 4:A" << 0 << green << red << green
        << grey << green;
    QTest::newRow("double-triode cathode 2")
        << triode << acIndirect << "9:H- 3:H+ 2:K 1:K2 6:G1 4:A" << 0 << green << red << green
        << grey << green;
    QTest::newRow("double-triode cathode, directly heated")
        << triode << acDirect << "9:H- 3:H+ 2:K 8:K1 6:G1 4:A" << 0 << green << green << green
        << grey << green;
    QTest::newRow("directly heated AC, no cathode pin")
        << triode << acDirect << "9:H- 3:H+ 6:G1 4:A" << 0 << green << green << green << grey
        << green;
    QTest::newRow("directly heated DC, no cathode pin")
        << triode << dcDirect << "9:H- 3:H+ 6:G1 4:A" << 0 << green << green << green << grey
        << green;
    QTest::newRow("rectifier, plus end is the cathode")
        << rectifier << acIndirect << "9:H- 5:H+K 4:A" << 0 << green << green << grey << grey
        << green;
    QTest::newRow("rectifier, minus end is the cathode")
        << rectifier << acIndirect << "3:H+ 7:H-K 4:A" << 0 << green << green << grey << grey
        << green;
    QTest::newRow("rectifier, both ends as heater-cathode")
        << rectifier << acIndirect << "7:H-K 5:H+K 4:A" << 0 << red << red << grey << grey << green;
    QTest::newRow("rectifier, heater-cathode plus a cathode pin")
        << rectifier << acIndirect << "9:H- 5:H+K 2:K 4:A" << 0 << green << red << grey << grey
        << green;
    QTest::newRow("rectifier, heater-cathode plus a double-triode cathode")
        << rectifier << acIndirect << "9:H- 5:H+K 8:K1 4:A" << 0 << green << red << grey << grey
        << green;
    QTest::newRow("rectifier, plain ends and a cathode")
        << rectifier << dcIndirect << "9:H- 3:H+ 2:K 4:A" << 0 << green << green << grey << grey
        << green;
    QTest::newRow("rectifier pins on a triode") << triode << acIndirect << "9:H- 5:H+K 6:G1 4:A"
                                                << 0 << red << red << green << grey << green;
    QTest::newRow("rectifier pins on a directly heated triode")
        << triode << acDirect << "9:H- 5:H+K 6:G1 4:A" << 0 << red << green << green << grey
        << green;
    QTest::newRow("glow stabiliser with cathode and anode")
        << glow << acIndirect << "2:K 4:A" << 0 << grey << green << grey << grey << green;
    QTest::newRow("glow stabiliser, direct heating left in the list")
        << glow << acDirect << "4:A 6:G1" << 0 << grey << red << grey << grey << green;
    QTest::newRow("glow stabiliser, anode on the cap")
        << glow << acIndirect << "2:K" << 3 << grey << green << grey << grey << green;
    QTest::newRow("indicator tube: screen grid, no control grid")
        << indicator << acIndirect << "9:H- 3:H+ 2:K 6:G1 4:A 7:G2" << 0 << green << green << grey
        << green << green;
}

// The heating method is chosen first, so that the tube type's switches act
// on it as they would on a user's choice.
void ValidityTest::labelsFollowTheRules()
{
    QFETCH(int, type);
    QFETCH(int, method);
    QFETCH(QString, pins);
    QFETCH(int, cap);
    QFETCH(QString, heater);
    QFETCH(QString, cathode);
    QFETCH(QString, grid);
    QFETCH(QString, screen);
    QFETCH(QString, plate);
    Lochkartor window;
    widget<QComboBox>(window, "socket")->setCurrentIndex(universalSocket);
    widget<QComboBox>(window, "heatingMethod")->setCurrentIndex(method);
    widget<QComboBox>(window, "genericTubeType")->setCurrentIndex(type);
    setPins(window, pins);
    widget<QComboBox>(window, "capFunction")->setCurrentIndex(cap);

    QCOMPARE(sheet(window, "heaterOK"), heater);
    QCOMPARE(sheet(window, "cathodeOK"), cathode);
    QCOMPARE(sheet(window, "gridOK"), grid);
    QCOMPARE(sheet(window, "screenOK"), screen);
    QCOMPARE(sheet(window, "plateOK"), plate);
}

// With a socket of five pins the boxes of pins 6 to 9 are never read, even
// when a tube data file has set them.
void ValidityTest::onlyTheSocketsPinsCount()
{
    Lochkartor window;
    widget<QComboBox>(window, "socket")->setCurrentIndex(universalSocket);
    widget<QComboBox>(window, "genericTubeType")->setCurrentIndex(1);
    widget<QComboBox>(window, "socket")->setCurrentIndex(4); // UX-5: lines B, E, D, H, G
    setPins(window, "1:H+ 3:K 4:G1");
    QCOMPARE(checkColour(window, "plateOK"), QStringLiteral("red"));
    QCOMPARE(checkColour(window, "heaterOK"), QStringLiteral("red"));

    // Left from the universal socket: pins 6 to 9 on lines F, D, I and G.
    pinBox(window, 6)->setCurrentIndex(6);
    pinBox(window, 7)->setCurrentIndex(0);
    pinBox(window, 8)->setCurrentIndex(6);
    pinBox(window, 9)->setCurrentIndex(0);
    QCOMPARE(checkColour(window, "plateOK"), QStringLiteral("red"));
    QCOMPARE(checkColour(window, "heaterOK"), QStringLiteral("red"));

    setPins(window, "5:H- 2:A");
    QCOMPARE(checkColour(window, "heaterOK"), QStringLiteral("lightgreen"));
    QCOMPARE(checkColour(window, "plateOK"), QStringLiteral("lightgreen"));
}

void ValidityTest::pinWithoutLineCountsNothing_data()
{
    QTest::addColumn<int>("socket");
    QTest::addColumn<QString>("pins");
    QTest::addColumn<int>("openPin");
    // The one row a pin without a line shows is index 0, the place of
    // "Heizung(-)" in a line's list.
    QTest::newRow("Septar pin 5") << 0 << "1:H+ 2:K 4:A" << 5;
    QTest::newRow("Noval 12 pin 3") << 11 << "1:H+ 2:K 4:A" << 3;
    QTest::newRow("Noval 12 pin 7") << 11 << "1:H+ 2:K 4:A" << 7;
}

// A tube data file can set the box of a pin that reaches no tester line.
// Nothing connects that pin, so it must not make the heater look complete.
void ValidityTest::pinWithoutLineCountsNothing()
{
    QFETCH(int, socket);
    QFETCH(QString, pins);
    QFETCH(int, openPin);
    Lochkartor window;
    widget<QComboBox>(window, "socket")->setCurrentIndex(socket == 0 ? 13 : 0);
    widget<QComboBox>(window, "socket")->setCurrentIndex(socket);
    widget<QComboBox>(window, "genericTubeType")->setCurrentIndex(1);
    setPins(window, pins);
    QCOMPARE(checkColour(window, "heaterOK"), QStringLiteral("red"));

    pinBox(window, openPin)->setCurrentIndex(0);
    QCOMPARE(pinBox(window, openPin)->currentIndex(), 0);
    QCOMPARE(checkColour(window, "heaterOK"), QStringLiteral("red"));
}

void ValidityTest::noPinsAtAll_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("cap");
    QTest::addColumn<QString>("cathode");
    QTest::addColumn<QString>("plate");
    QTest::newRow("indirect, no cap") << 0 << 0 << "red"
                                      << "red";
    QTest::newRow("indirect, anode on the cap") << 0 << 3 << "red"
                                                << "lightgreen";
    QTest::newRow("direct, no cap") << 1 << 0 << "lightgreen"
                                    << "red";
    QTest::newRow("direct, anode on the cap") << 3 << 3 << "lightgreen"
                                              << "lightgreen";
}

void ValidityTest::noPinsAtAll()
{
    QFETCH(int, method);
    QFETCH(int, cap);
    QFETCH(QString, cathode);
    QFETCH(QString, plate);
    Lochkartor window;
    widget<QComboBox>(window, "socket")->setCurrentIndex(universalSocket);
    widget<QComboBox>(window, "heatingMethod")->setCurrentIndex(method);
    setPins(window, "9:H- 3:H+ 2:K 4:A");
    widget<QComboBox>(window, "capFunction")->setCurrentIndex(cap);
    window.setPinCount(0);
    QCOMPARE(window.currentPinCount(), 0);
    QCOMPARE(checkColour(window, "heaterOK"), QStringLiteral("red"));
    QCOMPARE(checkColour(window, "cathodeOK"), cathode);
    QCOMPARE(checkColour(window, "plateOK"), plate);
}

void ValidityTest::heatingMethodRechecksAtOnce_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("cathode");
    QTest::newRow("Wechselstrom direkt") << 1 << "lightgreen";
    QTest::newRow("Gleichstrom indirekt") << 2 << "red";
    QTest::newRow("Gleichstrom direkt") << 3 << "lightgreen";
}

// A directly heated filament is its own cathode: the cathode label turns
// with the heating method, not only at the next pin change.
void ValidityTest::heatingMethodRechecksAtOnce()
{
    QFETCH(int, method);
    QFETCH(QString, cathode);
    Lochkartor window;
    widget<QComboBox>(window, "socket")->setCurrentIndex(universalSocket);
    widget<QComboBox>(window, "genericTubeType")->setCurrentIndex(1);
    setPins(window, "9:H- 3:H+ 6:G1 4:A");
    QCOMPARE(checkColour(window, "cathodeOK"), QStringLiteral("red"));

    auto *methodBox = widget<QComboBox>(window, "heatingMethod");
    methodBox->setCurrentIndex(method);
    QCOMPARE(checkColour(window, "cathodeOK"), cathode);
    methodBox->setCurrentIndex(0);
    QCOMPARE(checkColour(window, "cathodeOK"), QStringLiteral("red"));
}

QTEST_MAIN(ValidityTest)
#include "tst_validity.moc"
