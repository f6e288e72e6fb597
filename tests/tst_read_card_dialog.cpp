// "Karte einlesen…" in the window: the dialog offers the sockets that fit,
// fits small screens with its buttons in view and confirms with Enter; the
// form it fills marks every field the card does not give until it is
// edited, and saving or printing the card asks while any are left.

#include "card_check.h"
#include "dialogs.h"
#include "edit_history.h"
#include "hole_input.h"
#include "lochkartor.h"
#include "read_card_dialog.h"
#include "socket_table.h"
#include "synthetic_scan.h"
#include "testsupport_window.h"
#include "unknown_fields.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList socketNames()
{
    QStringList names;
    for (int socket = 0; socket < SocketCount; ++socket)
        names << socketListName(socket);
    return names;
}

QString sample(const char *name)
{
    return QDir(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR"))
        .filePath(QStringLiteral("tests/data/tubes/") + QLatin1String(name));
}

HoleList holesOfSample(const char *name)
{
    Lochkartor window;
    return window.loadTubeData(sample(name)) ? window.cards().punchedHoles() : HoleList{};
}

QPushButton *okButton(const QDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
}

} // namespace

class ReadCardDialogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Dialogs::Script::begin(); }
    void cleanupTestCase() { Dialogs::Script::end(); }
    void socketListOffersTheFittingFirst_data();
    void socketListOffersTheFittingFirst();
    void dialogFitsSmallScreens_data();
    void dialogFitsSmallScreens();
    void enterConfirms();
    void unknownFieldsAreMarkedUntilEdited();
    void printedSocketIsOfferedFirst();
};

void ReadCardDialogTest::socketListOffersTheFittingFirst_data()
{
    QTest::addColumn<std::vector<int>>("fitting");
    QTest::addColumn<QString>("open");
    QTest::newRow("several") << std::vector<int>{10, 3, 8}
                             << QStringLiteral("nicht gewählt, vorläufig 11: Noval");
    QTest::newRow("one") << std::vector<int>{9} << QStringLiteral("die einzige passende: 10");
    QTest::newRow("none") << std::vector<int>{} << QStringLiteral("keine passende Fassung");
}

// The fitting sockets come first in their order, then the others; the first
// entry leaves the choice open, and a choice survives new holes that the
// socket still fits.
void ReadCardDialogTest::socketListOffersTheFittingFirst()
{
    QFETCH(std::vector<int>, fitting);
    QFETCH(QString, open);
    const QStringList names = socketNames();
    ReadCardDialog dialog(nullptr, names, [](const HoleList &, int) { return QString(); });
    dialog.setFittingSockets([&](const HoleList &) { return fitting; });
    dialog.findChildren<QLineEdit *>().at(0)->setText(QStringLiteral("9 20"));
    auto *list = dialog.findChild<QComboBox *>(QStringLiteral("readSocket"));
    QVERIFY2(list->itemText(0).startsWith(open), qPrintable(list->itemText(0)));
    QCOMPARE(dialog.socket(), -1);
    for (std::size_t i = 0; i < fitting.size(); ++i)
        QCOMPARE(list->itemText(int(i) + 1), names.at(fitting[i]));
    const int separators = fitting.empty() ? 0 : 1;
    QCOMPARE(list->count(), 1 + SocketCount + separators);
    QStringList offered;
    for (int i = 1; i < list->count(); ++i)
        offered << list->itemText(i);
    for (const QString &name : names)
        QCOMPARE(offered.count(name), 1);

    if (fitting.empty())
        return;
    list->setCurrentIndex(1);
    QCOMPARE(dialog.socket(), fitting.front());
    dialog.findChildren<QLineEdit *>().at(0)->setText(QStringLiteral("9 20 24"));
    QCOMPARE(dialog.socket(), fitting.front());
}

void ReadCardDialogTest::dialogFitsSmallScreens_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("1280x720") << QSize(1280, 720);
    QTest::newRow("1366x768") << QSize(1366, 768);
    QTest::newRow("1024x600") << QSize(1024, 600);
}

// With the card of a picture beside the report, the dialog can shrink to a
// small screen (less its frame and a panel) and still shows the whole card
// and both buttons; on the screen it is shown on, it stays inside.
void ReadCardDialogTest::dialogFitsSmallScreens()
{
    QFETCH(QSize, screen);
    QTemporaryDir directory;
    const QString picture = directory.filePath(QStringLiteral("card.png"));
    QVERIFY(ownCardPicture(holesOfSample("pentode.tds")).save(picture));
    ReadCardDialog dialog(nullptr, socketNames(), [](const HoleList &, int) {
        return QStringLiteral("Bericht\n").repeated(60);
    });
    dialog.show();
    QVERIFY(dialog.readPicture(picture));
    QVERIFY(dialog.isCardShown());
    QCoreApplication::processEvents();

    const QRect room = dialog.screen()->availableGeometry();
    QVERIFY2(room.contains(dialog.frameGeometry()),
             qPrintable(
                 QStringLiteral("%1 in %2")
                     .arg(QVariant(dialog.frameGeometry()).toString(), QVariant(room).toString())));
    const QSize usable = screen - QSize(16, 48 + 40);
    QVERIFY2(dialog.minimumSize().width() <= usable.width()
                 && dialog.minimumSize().height() <= usable.height(),
             qPrintable(QVariant(dialog.minimumSize()).toString()));
    dialog.resize(usable.boundedTo(room.size() - QSize(16, 48)));
    QCoreApplication::processEvents();
    const QRect inside = dialog.rect();
    for (QWidget *widget : {static_cast<QWidget *>(okButton(dialog)),
                            dialog.findChild<QWidget *>(QStringLiteral("readCardView"))}) {
        const QRect shown(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
        QVERIFY2(widget->isVisible() && inside.contains(shown),
                 qPrintable(QVariant(shown).toString()));
    }
}

// After a picture was chosen through its button, Enter takes the holes: OK
// is the default button and the source buttons never take its place.
void ReadCardDialogTest::enterConfirms()
{
    QTemporaryDir directory;
    const QString picture = directory.filePath(QStringLiteral("card.png"));
    QVERIFY(ownCardPicture(holesOfSample("triode.tds")).save(picture));
    ReadCardDialog dialog(nullptr, socketNames(), [](const HoleList &, int) { return QString(); });
    dialog.show();
    QVERIFY(dialog.readPicture(picture));
    QVERIFY(okButton(dialog)->isDefault());
    auto *pictureButton = dialog.findChild<QPushButton *>(QStringLiteral("readPictureButton"));
    pictureButton->setFocus();
    QVERIFY(!pictureButton->autoDefault());
    QTest::keyClick(pictureButton, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

// The triode's card read without a socket: its name, socket, heater
// current, cap and every value given only as a range are marked; an edit
// takes its field's mark away, the status bar counts the rest, saving the
// card asks, and undoing the reading takes every mark away.
void ReadCardDialogTest::unknownFieldsAreMarkedUntilEdited()
{
    const HoleList holes = holesOfSample("triode.tds");
    Lochkartor window;
    Dialogs::Script::answerCardHoles({holes, -1});
    window.findChild<QAction *>(QStringLiteral("readCardAction"))->trigger();
    QCOMPARE(window.cards().punchedHoles(), holes);
    const UnknownFields &marks = window.unknownFields();
    for (const char *name : {"tubeName", "socket", "heatingCurrent", "capFunction", "plateVoltage",
                             "gridVoltage", "plateCurrent", "transconductance"}) {
        QWidget *field = window.findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(marks.isMarked(field), name);
        QVERIFY2(field->toolTip().startsWith(QStringLiteral("nicht auf der Karte: ")), name);
    }
    auto *plate = TestSupport::widget<QDoubleSpinBox>(window, "plateVoltage");
    QCOMPARE(plate->toolTip(), QStringLiteral("nicht auf der Karte: sicherer Wert 150.1 V, "
                                              "aufgedruckten Wert eintragen"));
    const int marked = window.unknownFieldCount();
    QCOMPARE(marked, 8);
    auto *count = window.findChild<QLabel *>(QStringLiteral("unknownFieldsCount"));
    QCOMPARE(count->text(), QStringLiteral("Nicht von der Karte: 8 Felder prüfen"));

    plate->setValue(250);
    QVERIFY(!marks.isMarked(plate));
    QVERIFY(plate->toolTip().isEmpty());
    QCOMPARE(window.unknownFieldCount(), marked - 1);
    QCOMPARE(count->text(), QStringLiteral("Nicht von der Karte: 7 Felder prüfen"));

    Dialogs::Script::clearRecords();
    window.findChild<QPushButton *>(QStringLiteral("saveCardButton"))->click();
    QCOMPARE(Dialogs::Script::records().size(), 1); // answered "No": nothing saved
    QCOMPARE(Dialogs::Script::records().first().kind, Dialogs::Record::Question);
    QVERIFY2(Dialogs::Script::records().first().text.startsWith(QStringLiteral("7 Felder")),
             qPrintable(Dialogs::Script::records().first().text));

    window.editHistory().undo();
    window.editHistory().undo();
    QCOMPARE(window.unknownFieldCount(), 0);
    QVERIFY(count->isHidden());
    QVERIFY(window.findChild<QWidget *>(QStringLiteral("tubeName"))->styleSheet().isEmpty());

    // With the socket chosen, the socket is no guess; "Neu" takes the marks.
    Dialogs::Script::answerCardHoles({holes, 10});
    window.findChild<QAction *>(QStringLiteral("readCardAction"))->trigger();
    QVERIFY(!marks.isMarked(window.findChild<QWidget *>(QStringLiteral("socket"))));
    QCOMPARE(window.unknownFieldCount(), marked - 1);
    Dialogs::Script::answerAskToSave(Dialogs::SaveAnswer::Discard);
    window.newDocument();
    QCOMPARE(window.unknownFieldCount(), 0);
}

// A card's holes with its print from a JSON file: the socket the card prints
// comes first in the list, ahead of the more likely ones, and the report is
// made with the print.
void ReadCardDialogTest::printedSocketIsOfferedFirst()
{
    const HoleList holes = holesOfSample("triode.tds");
    QTemporaryDir directory;
    const QString json = directory.filePath(QStringLiteral("card.json"));
    QFile file(json);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("{\"holes\": {\"I\": [%1], \"II\": [%2]}, "
                              "\"texts\": {\"socket\": \"Noval (Nr. 11)\"}}")
                   .arg(CardReading::holesText(holes)
                            .section(QStringLiteral(" II "), 0, 0)
                            .mid(2)
                            .replace(QLatin1Char(' '), QLatin1Char(',')),
                        CardReading::holesText(holes)
                            .section(QStringLiteral(" II "), 1)
                            .replace(QLatin1Char(' '), QLatin1Char(',')))
                   .toUtf8());
    file.close();
    bool reportedWithPrint = false;
    ReadCardDialog dialog(nullptr, socketNames(),
                          [&](const HoleList &, int, const PrintedTexts *print) {
                              reportedWithPrint = print != nullptr;
                              return QString();
                          });
    dialog.setFittingSockets([](const HoleList &read) {
        return CardReading::servingSockets(CardReading::read(read, CardCheck::formLimits()));
    });
    Dialogs::Script::answerFileName(json);
    for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("Aus JSON-Datei…"))
            button->click();
    }
    QCOMPARE(dialog.holes(), holes);
    QVERIFY(reportedWithPrint);
    auto *list = dialog.findChild<QComboBox *>(QStringLiteral("readSocket"));
    QCOMPARE(list->itemText(0), QStringLiteral("aufgedruckt: 11: Noval"));
    QCOMPARE(list->itemData(1).toInt(), 10);
    QCOMPARE(dialog.socket(), -1);
}

QTEST_MAIN(ReadCardDialogTest)
#include "tst_read_card_dialog.moc"
