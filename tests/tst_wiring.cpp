// The wiring holes connect the pins, through the tester lines, to the
// electrode buses. A wrong wiring hole puts a voltage on the wrong electrode,
// so every line and every function is checked against the printed card.

#include "legend.h"
#include "testsupport_window.h"
#include "wiring_table.h"

#include <QComboBox>
#include <QRandomGenerator>
#include <QStandardItemModel>
#include <set>

using TestSupport::holesText;
using TestSupport::parseHoles;
using TestSupport::punchedAmong;
using TestSupport::widget;

namespace {

enum Function {
    HMinus = 0,
    HPlus = 1,
    K = 2,
    K1 = 3,
    K2 = 4,
    G1 = 5,
    A = 6,
    G2 = 7,
    HMinusK = 8,
    HPlusK = 9,
    Open = 10
};

// The holes each line punches for each function it can carry, read off the
// card (bus contacts f-, f+, Kathode, Rk 600 Ohm, g1, Anode, g2); "no": the
// line cannot carry the function.
constexpr const char *no = nullptr;
// clang-format off
const char *const expectedWiring[9][10] = {
    //          H-     H+      K       K1     K2     G1      A       G2      H-K        H+K
    /* 1 A */ {"I56", no,     "I51",  no,    no,    "I44",  "I68",  "I66",  "I51 I56", no},
    /* 2 B */ {"I57", "I60",  no,     no,    no,    "I45",  "I69",  "I61",  no,        no},
    /* 3 C */ {"I58", no,     "I52",  no,    no,    "I46",  "I70",  "I62",  "I52 I58", no},
    /* 4 D */ {"I55", no,     "I53",  no,    no,    "I47",  "I71",  "I63",  "I53 I55", no},
    /* 5 E */ {no,    "II56", "I54",  no,    no,    "I48",  "I72",  "I64",  no,        "I54 II56"},
    /* 6 F */ {no,    no,     "II49", no,    no,    "II28", "II67", "I65",  no,        no},
    /* 7 G */ {"I59", no,     no,     no,    no,    no,     no,     no,     no,        no},
    /* 8 H */ {no,    "II55", "II50", no,    "I49", "I43",  "II68", "II61", no,        "II50 II55"},
    /* 9 I */ {no,    no,     "II51", "I50", no,    "II43", "I67",  no,     no,        no},
};
// clang-format on

bool lineCarries(int line, int function)
{
    if (line < 1 || line > 9)
        return false;
    return function == Open
           || (function >= HMinus && function < Open && expectedWiring[line - 1][function]);
}

HoleList expectedHoles(int line, int function)
{
    if (!lineCarries(line, function) || function == Open)
        return {};
    return parseHoles(QString::fromLatin1(expectedWiring[line - 1][function]));
}

QList<int> functionsCarried(int line)
{
    QList<int> carried;
    for (int function = HMinus; function <= Open; ++function) {
        if (lineCarries(line, function))
            carried << function;
    }
    return carried;
}

HoleList allExpectedWiringHoles()
{
    std::set<Hole> holes;
    for (int line = 1; line <= 9; ++line) {
        for (int function = HMinus; function < Open; ++function) {
            for (const Hole &hole : expectedHoles(line, function))
                holes.insert(hole);
        }
    }
    return HoleList(holes.begin(), holes.end());
}

QComboBox *pinBox(const Lochkartor &window, int pin)
{
    const QByteArray name = "pin" + QByteArray::number(pin) + "Function";
    return widget<QComboBox>(window, name.constData());
}

void selectSocket(Lochkartor &window, int index)
{
    widget<QComboBox>(window, "socket")->setCurrentIndex(index);
}

// "Universal (Nr. 14)" wires its nine pins to all nine lines.
constexpr int universalSocket = 13;

int pinOnLine(const Lochkartor &window, int line)
{
    for (int pin = 1; pin <= window.currentPinCount(); ++pin) {
        if (window.pinLine(pin) == line)
            return pin;
    }
    return 0;
}

// The wiring holes the active pins should have punched, from their boxes.
HoleList wiringOfActivePins(const Lochkartor &window)
{
    std::set<Hole> holes;
    for (int pin = 1; pin <= window.currentPinCount(); ++pin) {
        for (const Hole &hole :
             expectedHoles(window.pinLine(pin), pinBox(window, pin)->currentIndex()))
            holes.insert(hole);
    }
    return HoleList(holes.begin(), holes.end());
}

// The bus each single function connects to, as the card heads its group.
const char *const busHeadings[]
    = {"Fassungskontakt f-", "Fassungskontakt f+", "Fassungskontakt Kathode", "Rk 600 Ohm",
       "Rk 600 Ohm",         "Fassungskontakt g1", "Fassungskontakt Anode",   "Fassungskontakt g2"};

QString lineLetter(int line)
{
    return QString(QChar('A' + line - 1));
}

} // namespace

class WiringTest : public QObject
{
    Q_OBJECT
private slots:
    void functionPunchesExactlyItsHoles_data();
    void functionPunchesExactlyItsHoles();
    void functionTheLineCannotCarryChangesNothing_data();
    void functionTheLineCannotCarryChangesNothing();
    void pinWithoutLineChangesNothing_data();
    void pinWithoutLineChangesNothing();
    void cardShowsExactlyTheActivePinsWiring_data();
    void cardShowsExactlyTheActivePinsWiring();
    void socketChangeLeavesNoOldWiring_data();
    void socketChangeLeavesNoOldWiring();
    void doubleTriodeResistorKeepsItsContacts_data();
    void doubleTriodeResistorKeepsItsContacts();
    void loadResistorLeavesTheContactsToThePins();
    void wiringHolesMatchThePrintedLegend_data();
    void wiringHolesMatchThePrintedLegend();
    void capShowsItsNoteOnly_data();
    void capShowsItsNoteOnly();
};

void WiringTest::functionPunchesExactlyItsHoles_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("function");
    for (int line = 1; line <= 9; ++line) {
        for (int function : functionsCarried(line))
            QTest::addRow("line %c %s", 'A' + line - 1,
                          qPrintable(TestSupport::pinFunctionTexts.at(function)))
                << line << function;
    }
}

// Whatever the pin carried before, afterwards its line shows exactly the
// holes of the new function, and no other wiring hole is punched.
void WiringTest::functionPunchesExactlyItsHoles()
{
    QFETCH(int, line);
    QFETCH(int, function);
    Lochkartor window;
    selectSocket(window, universalSocket);
    const int pin = pinOnLine(window, line);
    QVERIFY(pin > 0);
    const HoleList wiring = allExpectedWiringHoles();
    for (int previous : functionsCarried(line)) {
        pinBox(window, pin)->setCurrentIndex(previous);
        pinBox(window, pin)->setCurrentIndex(function);
        QCOMPARE(holesText(punchedAmong(window.cards(), wiring)),
                 holesText(expectedHoles(line, function)));
    }
    QVERIFY(TestSupport::cardsAgree(window.cards()));
}

void WiringTest::functionTheLineCannotCarryChangesNothing_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("function");
    for (int line = 1; line <= 9; ++line) {
        for (int function = -1; function <= 11; ++function) {
            if (!lineCarries(line, function))
                QTest::addRow("line %c function %d", 'A' + line - 1, function) << line << function;
        }
    }
}

// Such a function can only come from a tube data file, which sets the box
// without the list. The encoder called with it changes nothing; a box that
// shows it wires nothing, as the card of a file with that function shows.
void WiringTest::functionTheLineCannotCarryChangesNothing()
{
    QFETCH(int, line);
    QFETCH(int, function);
    Lochkartor window;
    selectSocket(window, universalSocket);
    const int pin = pinOnLine(window, line);
    const int carried = functionsCarried(line).first();
    pinBox(window, pin)->setCurrentIndex(carried);
    QCOMPARE(holesText(punchedAmong(window.cards(), allExpectedWiringHoles())),
             holesText(expectedHoles(line, carried)));
    const HoleList before = window.cards().punchedHoles();

    if (function >= 0 && function <= 10) {
        pinBox(window, pin)->setCurrentIndex(function);
        QCOMPARE(holesText(window.cards().punchedHoles()),
                 holesText(withoutHoles(before, expectedHoles(line, carried))));
    } else {
        window.encodePinFunction(line, function);
        QCOMPARE(holesText(window.cards().punchedHoles()), holesText(before));
    }
    QVERIFY(TestSupport::cardsAgree(window.cards()));
}

void WiringTest::pinWithoutLineChangesNothing_data()
{
    QTest::addColumn<int>("function");
    for (int function = -1; function <= 11; ++function)
        QTest::addRow("function %d", function) << function;
}

void WiringTest::pinWithoutLineChangesNothing()
{
    QFETCH(int, function);
    Lochkartor window;
    selectSocket(window, universalSocket);
    pinBox(window, 1)->setCurrentIndex(A); // line 8: II68
    const HoleList before = window.cards().punchedHoles();
    window.encodePinFunction(0, function);
    QCOMPARE(holesText(window.cards().punchedHoles()), holesText(before));

    // Septar pin 5 reaches no line; its box offers nothing, but a file can
    // still set the index.
    selectSocket(window, 0);
    QCOMPARE(window.pinLine(5), 0);
    const HoleList septar = window.cards().punchedHoles();
    pinBox(window, 5)->setCurrentIndex(function);
    QCOMPARE(holesText(window.cards().punchedHoles()), holesText(septar));
}

void WiringTest::cardShowsExactlyTheActivePinsWiring_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Random socket changes and pin choices through the lists: after every step
// the card's wiring holes are exactly those of the active pins.
void WiringTest::cardShowsExactlyTheActivePinsWiring()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    Lochkartor window;
    const HoleList wiring = allExpectedWiringHoles();
    QStringList steps;
    for (int step = 0; step < 30; ++step) {
        if (random.bounded(5) == 0) {
            const int socket = random.bounded(24);
            selectSocket(window, socket);
            steps << QStringLiteral("socket %1").arg(socket);
        } else {
            const int pin = 1 + random.bounded(qMax(window.currentPinCount(), 1));
            const int line = window.pinLine(pin);
            if (line == 0 || pin > window.currentPinCount())
                continue;
            const QList<int> offered = functionsCarried(line);
            const int function = offered.at(random.bounded(int(offered.size())));
            pinBox(window, pin)->setCurrentIndex(function);
            steps << QStringLiteral("pin %1 = %2").arg(pin).arg(function);
        }
        QVERIFY2(punchedAmong(window.cards(), wiring) == wiringOfActivePins(window),
                 qPrintable(steps.join(QStringLiteral(", ")) + QStringLiteral("\ncard: ")
                            + holesText(punchedAmong(window.cards(), wiring))
                            + QStringLiteral("\npins: ") + holesText(wiringOfActivePins(window))));
        QVERIFY(TestSupport::cardsAgree(window.cards()));
    }
}

void WiringTest::socketChangeLeavesNoOldWiring_data()
{
    QTest::addColumn<int>("firstSocket");
    QTest::addColumn<QList<int>>("pinFunctions"); // pin 1 first; 10 = Unbelegt
    QTest::addColumn<int>("secondSocket");
    QTest::addColumn<QString>("wiredBefore");

    // In each case a line of the first socket is reached by no pin of the
    // second one, not even by a pin above its count.
    QTest::newRow("Universal anode on H, then 03: ??") << 13 << QList<int>{A} << 2 << "II68";
    QTest::newRow("Noval 11 double-triode cathode on H, then Septar")
        << 10 << QList<int>{Open, Open, K2} << 0 << "I49";
    QTest::newRow("Loktal 9 heater minus on G, then Noval 12")
        << 14 << QList<int>{HMinus} << 11 << "I59";
    QTest::newRow("Universal complete pentode, then UX-4")
        << 13 << QList<int>{HPlus, HMinus, G1, A, K, G2, Open, Open, Open} << 16
        << "I45 I54 I58 I65 I68 II55";
}

void WiringTest::socketChangeLeavesNoOldWiring()
{
    QFETCH(int, firstSocket);
    QFETCH(QList<int>, pinFunctions);
    QFETCH(int, secondSocket);
    QFETCH(QString, wiredBefore);
    Lochkartor window;
    selectSocket(window, firstSocket);
    for (int pin = 1; pin <= pinFunctions.size(); ++pin)
        pinBox(window, pin)->setCurrentIndex(pinFunctions.at(pin - 1));
    const HoleList wiring = allExpectedWiringHoles();
    QCOMPARE(holesText(punchedAmong(window.cards(), wiring)), wiredBefore);

    selectSocket(window, secondSocket);
    QCOMPARE(holesText(punchedAmong(window.cards(), wiring)), QString());
    QVERIFY(TestSupport::cardsAgree(window.cards()));
}

void WiringTest::doubleTriodeResistorKeepsItsContacts_data()
{
    QTest::addColumn<QList<int>>("pins");
    QTest::addColumn<QList<int>>("functions");
    QTest::addColumn<int>("nextSocket");
    // Universal pin 1 is on line H, pin 8 on line I.
    QTest::newRow("other functions on H and I, then Septar")
        << QList<int>{1, 8} << QList<int>{A, G1} << 0;
    QTest::newRow("double-triode cathodes and back, then 03: ??")
        << QList<int>{8, 1, 8, 1} << QList<int>{K1, K2, Open, Open} << 2;
    QTest::newRow("every function of H, then Noval 12")
        << QList<int>{1, 1, 1, 1, 1, 1, 1, 1} << QList<int>{HPlus, K, K2, G1, A, G2, HPlusK, Open}
        << 11;
}

// "2x600 Ohm (Doppeltriode)" punches the Rk 600 Ohm contacts of lines H and I,
// which are also wiring holes of those lines. While that resistor is chosen,
// no pin and no socket change may take them off the card.
void WiringTest::doubleTriodeResistorKeepsItsContacts()
{
    QFETCH(QList<int>, pins);
    QFETCH(QList<int>, functions);
    QFETCH(int, nextSocket);
    const HoleList contacts = {holeI(49), holeI(50)};
    Lochkartor window;
    selectSocket(window, universalSocket);
    widget<QComboBox>(window, "genericTubeType")->setCurrentIndex(1);
    widget<QComboBox>(window, "cathodeResistor")->setCurrentIndex(14);
    QCOMPARE(holesText(punchedAmong(window.cards(), contacts)), QStringLiteral("I49 I50"));
    for (int i = 0; i < pins.size(); ++i) {
        pinBox(window, pins.at(i))->setCurrentIndex(functions.at(i));
        QCOMPARE(holesText(punchedAmong(window.cards(), contacts)), QStringLiteral("I49 I50"));
    }
    selectSocket(window, nextSocket);
    QCOMPARE(holesText(punchedAmong(window.cards(), contacts)), QStringLiteral("I49 I50"));
    QVERIFY(TestSupport::cardsAgree(window.cards()));
}

// A rectifier runs its load resistor instead; the cathode resistor's kept
// choice then holds no contact, and the pins alone decide.
void WiringTest::loadResistorLeavesTheContactsToThePins()
{
    Lochkartor window;
    selectSocket(window, universalSocket);
    widget<QComboBox>(window, "genericTubeType")->setCurrentIndex(1);
    widget<QComboBox>(window, "cathodeResistor")->setCurrentIndex(14);
    widget<QComboBox>(window, "genericTubeType")->setCurrentIndex(8);
    const HoleList contacts = {holeI(49), holeI(50)};
    QCOMPARE(holesText(punchedAmong(window.cards(), contacts)), QString());
    pinBox(window, 1)->setCurrentIndex(K2);
    QCOMPARE(holesText(punchedAmong(window.cards(), contacts)), QStringLiteral("I49"));
    pinBox(window, 1)->setCurrentIndex(Open);
    QCOMPARE(holesText(punchedAmong(window.cards(), contacts)), QString());
}

void WiringTest::wiringHolesMatchThePrintedLegend_data()
{
    QTest::addColumn<int>("function");
    for (int function = HMinus; function <= G2; ++function)
        QTest::addRow("%s", qPrintable(TestSupport::pinFunctionTexts.at(function))) << function;
}

// Each single-bus hole lies in the card's group of its bus and carries its
// line's letter; the one exception is field II hole 28, printed "leer",
// which line F uses for the control grid.
void WiringTest::wiringHolesMatchThePrintedLegend()
{
    QFETCH(int, function);
    for (int line = 1; line <= 9; ++line) {
        const HoleList holes = Wiring::holesOf(line, function);
        QVERIFY(holes.size() <= 1);
        if (holes.empty())
            continue;
        const LegendEntry printed = legendEntry(holes.front());
        const QString where = QStringLiteral("line %1 hole %2").arg(line).arg(holesText(holes));
        if (holes.front() == holeII(28)) {
            QCOMPARE(printed.heading, QStringLiteral("leer"));
            QCOMPARE(printed.value, QString());
            continue;
        }
        QVERIFY2(printed.heading == QLatin1String(busHeadings[function]),
                 qPrintable(where + QStringLiteral(": ") + printed.heading));
        QVERIFY2(printed.value == lineLetter(line),
                 qPrintable(where + QStringLiteral(": ") + printed.value));
    }
}

void WiringTest::capShowsItsNoteOnly_data()
{
    QTest::addColumn<int>("cap");
    QTest::addColumn<bool>("gridNote");
    QTest::addColumn<bool>("screenNote");
    QTest::addColumn<bool>("plateNote");
    QTest::newRow("Keine Kappe") << 0 << false << false << false;
    QTest::newRow("Steuergitter") << 1 << true << false << false;
    QTest::newRow("Schirmgitter") << 2 << false << true << false;
    QTest::newRow("Anode") << 3 << false << false << true;
}

// The cap has no hole: only the note on the created card changes.
void WiringTest::capShowsItsNoteOnly()
{
    QFETCH(int, cap);
    QFETCH(bool, gridNote);
    QFETCH(bool, screenNote);
    QFETCH(bool, plateNote);
    Lochkartor window;
    auto *capBox = widget<QComboBox>(window, "capFunction");
    const HoleList holes = window.cards().punchedHoles();
    for (int previous = 0; previous <= 3; ++previous) {
        capBox->setCurrentIndex(previous);
        capBox->setCurrentIndex(cap);
        QCOMPARE(window.cards().isTextVisible(CardText::ControlGridCapNote), gridNote);
        QCOMPARE(window.cards().isTextVisible(CardText::ScreenGridCapNote), screenNote);
        QCOMPARE(window.cards().isTextVisible(CardText::PlateCapNote), plateNote);
        QCOMPARE(holesText(window.cards().punchedHoles()), holesText(holes));
        QCOMPARE(holesText(window.cards().universalPunchedHoles()), holesText(holes));
    }
    QCOMPARE(window.cards().text(CardText::ControlGridCapNote), QStringLiteral("G1 an Kappe!"));
    QCOMPARE(window.cards().text(CardText::ScreenGridCapNote), QStringLiteral("G2 an Kappe!"));
    QCOMPARE(window.cards().text(CardText::PlateCapNote), QStringLiteral("A an Kappe!"));
}

QTEST_MAIN(WiringTest)
#include "tst_wiring.moc"
