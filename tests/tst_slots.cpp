// The window's slots are found by name when the form connects them: a slot
// whose name or argument type is off by one letter is simply never called,
// and the value it stands for never reaches the card.

#include "testsupport_window.h"

#include <QMetaMethod>

#include <memory>

class SlotsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void slotTable_data();
    void slotTable();
    void noFurtherMethods();

private:
    std::unique_ptr<Lochkartor> window;
};

void SlotsTest::initTestCase()
{
    window = std::make_unique<Lochkartor>();
}

void SlotsTest::slotTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("signature");

    const char *const table[] = {
        "on_tubeName_textChanged(QString)",
        "on_socket_currentIndexChanged(int)",
        "on_genericTubeType_currentTextChanged(QString)",
        "on_genericTubeType_currentIndexChanged(int)",
        "on_heatingMethod_currentIndexChanged(int)",
        "on_heatingVoltage_valueChanged(double)",
        "on_heatingCurrent_valueChanged(double)",
        "on_plateVoltage_valueChanged(double)",
        "on_screenVoltage_valueChanged(double)",
        "on_gridVoltage_valueChanged(double)",
        "on_cathodeResistor_currentIndexChanged(int)",
        "on_cathodeCap_currentIndexChanged(int)",
        "on_isotestVolage_currentIndexChanged(int)",
        "on_isotestRange_currentIndexChanged(int)",
        "on_heatingVoltageAC_currentIndexChanged(int)",
        "on_plateCurrent_valueChanged(double)",
        "on_screenCurrent_valueChanged(double)",
        "on_transconductance_valueChanged(double)",
        "on_pin1Function_currentIndexChanged(int)",
        "on_pin2Function_currentIndexChanged(int)",
        "on_pin3Function_currentIndexChanged(int)",
        "on_pin4Function_currentIndexChanged(int)",
        "on_pin5Function_currentIndexChanged(int)",
        "on_pin6Function_currentIndexChanged(int)",
        "on_pin7Function_currentIndexChanged(int)",
        "on_pin8Function_currentIndexChanged(int)",
        "on_pin9Function_currentIndexChanged(int)",
        "on_rectPlateVoltage_currentIndexChanged(int)",
        "on_rectLoadResistor_currentIndexChanged(int)",
        "on_rectCap_currentIndexChanged(int)",
        "on_printCardButton_clicked()",
        "on_saveCardButton_clicked()",
        "on_rectCurrent_valueChanged(double)",
        "on_capFunction_currentIndexChanged(int)",
        "on_saveDataButton_clicked()",
        "on_loadDataButton_clicked()",
    };
    int index = 0;
    for (const char *signature : table) {
        QTest::addRow("%d %s", index, signature) << index << QByteArray(signature);
        ++index;
    }
}

// Each slot sits at its place in the table, is private, and names a widget
// of the form that really has the signal it is named after.
void SlotsTest::slotTable()
{
    QFETCH(int, index);
    QFETCH(QByteArray, signature);

    const QMetaObject &meta = Lochkartor::staticMetaObject;
    const QMetaMethod method = meta.method(meta.methodOffset() + index);
    QCOMPARE(method.methodSignature(), signature);
    QCOMPARE(method.methodType(), QMetaMethod::Slot);
    QCOMPARE(method.access(), QMetaMethod::Private);

    const QByteArray name = signature.left(signature.indexOf('('));
    const QList<QByteArray> parts = name.split('_');
    QCOMPARE(parts.size(), 3);
    QCOMPARE(parts.at(0), QByteArray("on"));
    const QByteArray signal = parts.at(2) + signature.mid(signature.indexOf('('));

    auto *widget = window->findChild<QWidget *>(QString::fromLatin1(parts.at(1)));
    QVERIFY2(widget, parts.at(1).constData());
    const int signalIndex
        = widget->metaObject()->indexOfSignal(QMetaObject::normalizedSignature(signal));
    QVERIFY2(signalIndex >= 0, signal.constData());
}

// The window declares no slot or signal beyond the table, so nothing else
// can be connected by name behind the table's back.
void SlotsTest::noFurtherMethods()
{
    const QMetaObject &meta = Lochkartor::staticMetaObject;
    QCOMPARE(QByteArray(meta.className()), QByteArray("Lochkartor"));
    QCOMPARE(meta.superClass(), &QMainWindow::staticMetaObject);
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 36);
}

QTEST_MAIN(SlotsTest)
#include "tst_slots.moc"
