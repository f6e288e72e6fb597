// The socket decides which tester line each pin reaches. A wrong line wires
// the function the user chose to another pin of the tube, so every socket
// row is checked against the tester's socket list.

#include "testsupport_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>

using TestSupport::widget;

namespace {

// The functions each line's list offers; "KEIN PIN" is the one greyed row of a
// pin that reaches no line.
const QList<int> offeredByLine[10] = {
    {},
    {0, 2, 5, 6, 7, 8, 10},
    {0, 1, 5, 6, 7, 10},
    {0, 2, 5, 6, 7, 8, 10},
    {0, 2, 5, 6, 7, 8, 10},
    {1, 2, 5, 6, 7, 9, 10},
    {2, 5, 6, 7, 10},
    {0, 10},
    {1, 2, 4, 5, 6, 7, 9, 10},
    {2, 3, 5, 6, 10},
};

QComboBox *pinBox(const Lochkartor &window, int pin)
{
    const QByteArray name = "pin" + QByteArray::number(pin) + "Function";
    return widget<QComboBox>(window, name.constData());
}

QLineEdit *lineField(const Lochkartor &window, int pin)
{
    const QByteArray name = "linePin" + QByteArray::number(pin);
    return widget<QLineEdit>(window, name.constData());
}

QComboBox *socketBox(const Lochkartor &window)
{
    return widget<QComboBox>(window, "socket");
}

QList<int> enabledRows(const QComboBox *box)
{
    QList<int> rows;
    const auto *model = qobject_cast<const QStandardItemModel *>(box->model());
    for (int row = 0; model && row < model->rowCount(); ++row) {
        if (model->item(row)->isEnabled())
            rows << row;
    }
    return rows;
}

QString lineText(int line)
{
    return line == 0 ? QStringLiteral("LEITUNG OFFEN") : QString::number(line);
}

// Everything the socket decides, pin by pin, for comparing two states.
QStringList pinRows(const Lochkartor &window)
{
    QStringList rows;
    for (int pin = 1; pin <= 9; ++pin) {
        const QComboBox *box = pinBox(window, pin);
        rows << QStringLiteral("pin %1: line %2 field '%3' %4 box %5 index %6 model %7")
                    .arg(pin)
                    .arg(window.pinLine(pin))
                    .arg(lineField(window, pin)->text())
                    .arg(lineField(window, pin)->isEnabled() ? "on" : "off")
                    .arg(box->isEnabled() ? "on" : "off")
                    .arg(box->currentIndex())
                    .arg(quintptr(box->model()));
    }
    return rows;
}

// A socket other than `index`, to change from.
int otherSocket(int index)
{
    return index == 13 ? 0 : 13;
}

} // namespace

class SocketTest : public QObject
{
    Q_OBJECT
private slots:
    void socketRowIsApplied_data();
    void socketRowIsApplied();
    void pinsWithoutLineOfferNothing_data();
    void pinsWithoutLineOfferNothing();
    void pinsEightAndNineAreEmptyAtStart();
    void sameWiringForTheTwinSockets_data();
    void sameWiringForTheTwinSockets();
    void fewerPinsKeepTheOldLines();
    void indexOutsideTheListOnlyRechecks_data();
    void indexOutsideTheListOnlyRechecks();
};

void SocketTest::socketRowIsApplied_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("listText");
    QTest::addColumn<QString>("cardText");
    QTest::addColumn<QList<int>>("lines"); // pin 1 first; 0 = no line

    QTest::newRow("0") << 0 << "01: Septar"
                       << "Septar (Nr. 1)" << QList<int>{2, 3, 6, 5, 0, 4, 7};
    QTest::newRow("1") << 1 << "02: Acorn"
                       << "Acorn (Nr. 2)" << QList<int>{2, 4, 1, 7, 3, 5};
    QTest::newRow("2") << 2 << "03: ??"
                       << "??? (Nr. 3)" << QList<int>{2, 3, 7};
    QTest::newRow("3") << 3 << "04: Oktal"
                       << "Oktal (Nr. 4)" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("4") << 4 << "05: UX5"
                       << "UX-5 (Nr. 5)" << QList<int>{2, 5, 4, 8, 7};
    QTest::newRow("5") << 5 << "06: ??"
                       << "??? (Nr. 6)" << QList<int>{2, 3, 7};
    QTest::newRow("6") << 6 << "07: Oktal"
                       << "Oktal (Nr. 7)" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("7") << 7 << "08: Europa"
                       << "Europa (Nr. 8)" << QList<int>{7, 3, 2, 4, 5};
    QTest::newRow("8") << 8 << "09: UX-7"
                       << "UX-7 (Nr. 9)" << QList<int>{2, 8, 3, 5, 1, 4, 7};
    QTest::newRow("9") << 9 << "10: Miniatur"
                       << "Miniatur (Nr. 10)" << QList<int>{1, 6, 5, 2, 3, 4, 8};
    QTest::newRow("10") << 10 << "11: Noval"
                        << "Noval (Nr. 11)" << QList<int>{5, 1, 8, 2, 7, 6, 3, 9, 4};
    QTest::newRow("11") << 11 << "12: Noval"
                        << "Noval (Nr. 12)" << QList<int>{5, 1, 0, 2, 4, 3, 0, 9, 6};
    QTest::newRow("12") << 12 << "13: GU50"
                        << "GU-50 (Nr. 13)" << QList<int>{8, 3, 6, 2, 5, 4, 1, 7};
    QTest::newRow("13") << 13 << "14: Universal"
                        << "Universal (Nr. 14)" << QList<int>{8, 3, 2, 1, 5, 6, 4, 9, 7};
    QTest::newRow("14") << 14 << "15: Loktal 9"
                        << "Loktal 9 (Nr. 15)" << QList<int>{7, 3, 5, 8, 6, 9, 1, 4, 2};
    QTest::newRow("15") << 15 << "16: ??"
                        << "??? (Nr. 16)" << QList<int>{2, 8, 7, 5, 3};
    QTest::newRow("16") << 16 << "17: UX-4"
                        << "UX-4 (Nr. 17)" << QList<int>{2, 3, 4, 7};
    QTest::newRow("17") << 17 << "18: ??"
                        << "??? (Nr. 18)" << QList<int>{2, 3, 7, 8, 5, 4, 1};
    QTest::newRow("18") << 18 << "19: Loktal 8"
                        << "Loktal 8 (Nr. 19)" << QList<int>{2, 5, 4, 8, 6, 3, 1, 7};
    QTest::newRow("19") << 19 << "A1: Aussenkontakt"
                        << "Aussenk. (ADAPTER 1)" << QList<int>{5, 1, 6, 2, 4, 3, 8, 7};
    QTest::newRow("20") << 20 << "A2: Stahlröhre"
                        << "Stahl (ADAPTER 2)" << QList<int>{7, 3, 4, 2, 8, 6, 1, 5, 9};
    QTest::newRow("21") << 21 << "A3: Rimlock"
                        << "Rimlock (ADAPTER 3)" << QList<int>{2, 6, 4, 1, 5, 3, 8, 7};
    QTest::newRow("22") << 22 << "A4: Magnoval"
                        << "Magnoval (ADAPTER 4)" << QList<int>{5, 1, 8, 2, 7, 4, 3, 9, 6};
    QTest::newRow("23") << 23 << "A5: Noval"
                        << "Noval (ADAPTER 5)" << QList<int>{5, 1, 8, 2, 7, 6, 3, 4, 9};
}

// Chosen in the list, a socket writes its name on the card and gives every
// pin its line, the list of that line and "Unbelegt"; pins it lacks are
// switched off.
void SocketTest::socketRowIsApplied()
{
    QFETCH(int, index);
    QFETCH(QString, listText);
    QFETCH(QString, cardText);
    QFETCH(QList<int>, lines);
    Lochkartor window;
    socketBox(window)->setCurrentIndex(otherSocket(index));
    socketBox(window)->setCurrentIndex(index);

    QCOMPARE(socketBox(window)->currentText(), listText);
    QCOMPARE(window.cards().text(CardText::Socket), cardText);
    QCOMPARE(window.currentPinCount(), int(lines.size()));
    for (int pin = 1; pin <= lines.size(); ++pin) {
        const int line = lines.at(pin - 1);
        const QComboBox *box = pinBox(window, pin);
        QCOMPARE(window.pinLine(pin), line);
        QCOMPARE(lineField(window, pin)->text(), lineText(line));
        QVERIFY(lineField(window, pin)->isEnabled());
        QVERIFY(box->isEnabled());
        QCOMPARE(enabledRows(box), offeredByLine[line]);
        QCOMPARE(box->currentIndex(), line == 0 ? -1 : 10);
        QCOMPARE(box->count(), line == 0 ? 1 : 11);
    }
    for (int pin = int(lines.size()) + 1; pin <= 9; ++pin) {
        QVERIFY(!pinBox(window, pin)->isEnabled());
        QVERIFY(!lineField(window, pin)->isEnabled());
    }
    QCOMPARE(widget<QLineEdit>(window, "socketNumber")->text(), QString());
}

void SocketTest::pinsWithoutLineOfferNothing_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("openPins");
    QTest::newRow("01: Septar") << 0 << QList<int>{5};
    QTest::newRow("12: Noval") << 11 << QList<int>{3, 7};
}

// Such a pin shows the one greyed row "KEIN PIN" and nothing is selected;
// even setting the index to "Unbelegt" selects nothing.
void SocketTest::pinsWithoutLineOfferNothing()
{
    QFETCH(int, index);
    QFETCH(QList<int>, openPins);
    Lochkartor window;
    socketBox(window)->setCurrentIndex(otherSocket(index));
    socketBox(window)->setCurrentIndex(index);
    for (int pin : openPins) {
        QComboBox *box = pinBox(window, pin);
        QCOMPARE(lineField(window, pin)->text(), QStringLiteral("LEITUNG OFFEN"));
        QCOMPARE(box->count(), 1);
        QCOMPARE(box->itemText(0), QStringLiteral("KEIN PIN"));
        QCOMPARE(enabledRows(box), QList<int>());
        QCOMPARE(box->currentIndex(), -1);
        box->setCurrentIndex(10);
        QCOMPARE(box->currentIndex(), -1);
    }
}

void SocketTest::pinsEightAndNineAreEmptyAtStart()
{
    Lochkartor window;
    for (int pin : {8, 9}) {
        QVERIFY(!pinBox(window, pin)->isEnabled());
        QCOMPARE(pinBox(window, pin)->currentIndex(), -1);
        QCOMPARE(pinBox(window, pin)->count(), 0);
        QCOMPARE(lineField(window, pin)->text(), QString());
        QVERIFY(!lineField(window, pin)->isEnabled());
    }
}

void SocketTest::sameWiringForTheTwinSockets_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("04: Oktal and 07: Oktal") << 3 << 6;
    QTest::newRow("03: ?? and 06: ??") << 2 << 5;
}

void SocketTest::sameWiringForTheTwinSockets()
{
    QFETCH(int, first);
    QFETCH(int, second);
    Lochkartor window;
    socketBox(window)->setCurrentIndex(first);
    const QStringList firstRows = pinRows(window);
    const QString firstText = window.cards().text(CardText::Socket);
    socketBox(window)->setCurrentIndex(second);
    QCOMPARE(pinRows(window), firstRows);
    QVERIFY(window.cards().text(CardText::Socket) != firstText);
}

// From a nine-pin socket to one with three pins: the rows that the new
// socket lacks are switched off at "Unbelegt" and their line fields keep
// the lines of the nine-pin socket.
void SocketTest::fewerPinsKeepTheOldLines()
{
    Lochkartor window;
    socketBox(window)->setCurrentIndex(13);          // Universal: 8 3 2 1 5 6 4 9 7
    const QList<int> functions = {6, 2, 5, 7, 3, 0}; // one each line can carry
    for (int pin = 4; pin <= 9; ++pin)
        pinBox(window, pin)->setCurrentIndex(functions.at(pin - 4));
    socketBox(window)->setCurrentIndex(2); // 03: ??: 2 3 7
    const QList<int> keptLines = {1, 5, 6, 4, 9, 7};
    for (int pin = 4; pin <= 9; ++pin) {
        QVERIFY(!pinBox(window, pin)->isEnabled());
        QCOMPARE(pinBox(window, pin)->currentIndex(), 10);
        QVERIFY(!lineField(window, pin)->isEnabled());
        QCOMPARE(lineField(window, pin)->text(), QString::number(keptLines.at(pin - 4)));
        QCOMPARE(window.pinLine(pin), keptLines.at(pin - 4));
    }
    QCOMPARE(window.currentPinCount(), 3);
    // Anode on A, cathode on E, grid on F, screen grid on D, double-triode
    // cathode on I, heater minus on G: none of it is left on the card.
    const HoleList leftOver = TestSupport::punchedAmong(
        window.cards(), TestSupport::parseHoles("I50 I54 I59 I63 I68 II28"));
    QCOMPARE(TestSupport::holesText(leftOver), QString());
}

void SocketTest::indexOutsideTheListOnlyRechecks_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("-1") << -1;
    QTest::newRow("24") << 24;
}

// Nothing of the socket changes, but the check labels are coloured anew.
void SocketTest::indexOutsideTheListOnlyRechecks()
{
    QFETCH(int, index);
    Lochkartor window;
    socketBox(window)->setCurrentIndex(11);
    pinBox(window, 1)->setCurrentIndex(6); // line 5 anode: I72
    const QStringList rows = pinRows(window);
    const QString cardText = window.cards().text(CardText::Socket);
    const HoleList holes = window.cards().punchedHoles();
    auto *plateLabel = widget<QLabel>(window, "plateOK");
    QCOMPARE(plateLabel->styleSheet(), QStringLiteral("QLabel {background-color : lightgreen}"));
    plateLabel->setStyleSheet(QString());

    window.encodeSocket(index);

    QCOMPARE(pinRows(window), rows);
    QCOMPARE(window.currentPinCount(), 9);
    QCOMPARE(window.cards().text(CardText::Socket), cardText);
    QCOMPARE(TestSupport::holesText(window.cards().punchedHoles()), TestSupport::holesText(holes));
    QCOMPARE(plateLabel->styleSheet(), QStringLiteral("QLabel {background-color : lightgreen}"));
}

QTEST_MAIN(SocketTest)
#include "tst_socket.moc"
