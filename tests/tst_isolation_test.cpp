#include "isolation_test_table.h"
#include "valuechecks.h"

using namespace ValueChecks;
using TestSupport::widget;

namespace {
const QString voltages = QStringLiteral("II38 II39");
const QString ranges = QStringLiteral("I9 I10 I11 I12 II7");
} // namespace

class IsolationTest : public QObject
{
    Q_OBJECT
private slots:
    void holes_data();
    void holes();
    void indexOutsideListChangesNothing_data();
    void indexOutsideListChangesNothing();
    void listsMatchLegend_data();
    void listsMatchLegend();
};

void IsolationTest::holes_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("voltage");
    QTest::addColumn<QString>("range");
    QTest::newRow("new window") << ""
                                << "II38"
                                << "I9";
    QTest::newRow("250 V") << "isotestVolage=1"
                           << "II39"
                           << "I9";
    QTest::newRow("250 V and back") << "isotestVolage=1; isotestVolage=0"
                                    << "II38"
                                    << "I9";
    QTest::newRow("3 µA") << "isotestRange=1"
                          << "II38"
                          << "I10";
    QTest::newRow("15 µA") << "isotestRange=2"
                           << "II38"
                           << "I11";
    QTest::newRow("30 µA") << "isotestRange=3"
                           << "II38"
                           << "I12";
    QTest::newRow("150 µA") << "isotestRange=4"
                            << "II38"
                            << "II7";
    QTest::newRow("0,75 µA") << "isotestRange=4; isotestRange=0"
                             << "II38"
                             << "I9";
}

void IsolationTest::holes()
{
    QFETCH(QString, edits);
    QFETCH(QString, voltage);
    QFETCH(QString, range);
    Lochkartor w;
    // the rectifier meter's hole I8 sits beside the range group
    FormEdits::edit(w, QStringLiteral("genericTubeType=8; rectCurrent=150"));
    FormEdits::edit(w, edits);
    QCOMPARE(punchedText(w, voltages), voltage);
    QCOMPARE(punchedText(w, ranges), range);
    QVERIFY(w.cards().isPunched(holeI(8)));
    QVERIFY(TestSupport::cardsAgree(w.cards()));
}

void IsolationTest::indexOutsideListChangesNothing_data()
{
    QTest::addColumn<bool>("voltage");
    QTest::addColumn<int>("index");
    QTest::newRow("voltage -1") << true << -1;
    QTest::newRow("voltage 2") << true << 2;
    QTest::newRow("range -1") << false << -1;
    QTest::newRow("range 5") << false << 5;
}

void IsolationTest::indexOutsideListChangesNothing()
{
    QFETCH(bool, voltage);
    QFETCH(int, index);
    Lochkartor w;
    const QString before = TestSupport::holesText(w.cards().punchedHoles());
    if (voltage)
        w.encodeIsotestVoltage(index);
    else
        w.encodeIsotestRange(index);
    QCOMPARE(TestSupport::holesText(w.cards().punchedHoles()), before);
}

// Each item's hole lies in the printed group and carries the item's value.
void IsolationTest::listsMatchLegend_data()
{
    QTest::addColumn<Hole>("hole");
    QTest::addColumn<QString>("meaning");
    Lochkartor w;
    auto add = [&](const char *box, const HoleList &holes, const QString &heading) {
        const auto *list = widget<QComboBox>(w, box);
        QCOMPARE(std::size_t(list->count()), holes.size());
        for (int i = 0; i < list->count(); ++i)
            QTest::addRow("%s", qPrintable(list->itemText(i)))
                << holes[std::size_t(i)] << heading + list->itemText(i).section(' ', 0, 0);
    };
    add("isotestVolage", IsolationTestTable::voltageHoles, QStringLiteral("Ufk (V) "));
    add("isotestRange", IsolationTestTable::rangeHoles,
        QStringLiteral("Skala Ifk, Ig1, Ia0, Ileck (µA) "));
}

void IsolationTest::listsMatchLegend()
{
    QFETCH(Hole, hole);
    QFETCH(QString, meaning);
    QCOMPARE(holeMeaning(hole), meaning);
}

QTEST_MAIN(IsolationTest)
#include "tst_isolation_test.moc"
