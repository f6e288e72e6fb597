// The lists the card reader and the renderer name choices from are the
// form's own: every row of every list in the window, German and English,
// is the row of the table below the window.

#include "form_lists.h"
#include "testsupport_window.h"

#include <QComboBox>
#include <QTranslator>

using FormLists::List;

class FormListsTest : public QObject
{
    Q_OBJECT
private slots:
    void tablesAreTheWindowsLists_data();
    void tablesAreTheWindowsLists();
};

void FormListsTest::tablesAreTheWindowsLists_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("box");
    const std::pair<List, const char *> boxes[] = {
        {List::Socket, "socket"},
        {List::TubeType, "genericTubeType"},
        {List::HeatingMethod, "heatingMethod"},
        {List::HeatingTap, "heatingVoltageAC"},
        // Line 1's box offers every function of its line's list.
        {List::PinFunction, "pin1Function"},
        {List::CapFunction, "capFunction"},
        {List::CathodeResistor, "cathodeResistor"},
        {List::CathodeCap, "cathodeCap"},
        {List::RectPlateVoltage, "rectPlateVoltage"},
        {List::RectLoadResistor, "rectLoadResistor"},
        {List::RectCap, "rectCap"},
        {List::IsotestVoltage, "isotestVolage"},
        {List::IsotestRange, "isotestRange"},
    };
    static_assert(std::size(boxes) == FormLists::ListCount, "every list has its box");
    for (const bool english : {false, true}) {
        for (const auto &[list, box] : boxes)
            QTest::addRow("%s %s", english ? "en" : "de", box)
                << english << int(list) << QString::fromLatin1(box);
    }
}

void FormListsTest::tablesAreTheWindowsLists()
{
    QFETCH(bool, english);
    QFETCH(int, list);
    QFETCH(QString, box);
    QTranslator translator;
    if (english) {
        QVERIFY(translator.load(QStringLiteral(LOCHKARTOR_QM_FILE)));
        QCoreApplication::installTranslator(&translator);
    }
    Lochkartor window;
    const auto *combo = window.findChild<QComboBox *>(box);
    QVERIFY(combo);
    QStringList shown;
    for (int row = 0; row < combo->count(); ++row)
        shown << combo->itemText(row);
    const QStringList table = FormLists::texts(List(list));
    if (english)
        QCoreApplication::removeTranslator(&translator);
    QCOMPARE(table, shown);
}

QTEST_MAIN(FormListsTest)
#include "tst_form_lists.moc"
