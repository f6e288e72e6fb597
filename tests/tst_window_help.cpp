// The window explains itself: why a check label is red or grey, why a field
// or a list row is greyed, and what a hole on either card means.

#include "card_view_help.h"
#include "form_edits.h"
#include "legend.h"
#include "switched_off_help.h"
#include "testsupport_window.h"
#include "validity_rules.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolTip>

using TestSupport::widget;

namespace {

// The universal socket: every pin reaches a line (see tst_validity).
constexpr int universalSocket = 13;

void setPins(Lochkartor &window, const QString &pins)
{
    static const QStringList names = {"H-", "H+", "K", "K1", "K2", "G1", "A", "G2", "H-K", "H+K"};
    for (const QString &entry : pins.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(QLatin1Char(':'));
        const QByteArray box = "pin" + parts.at(0).toLatin1() + "Function";
        widget<QComboBox>(window, box.constData())
            ->setCurrentIndex(int(names.indexOf(parts.at(1))));
    }
}

void setUpTube(Lochkartor &window, int type, const QString &pins)
{
    widget<QComboBox>(window, "socket")->setCurrentIndex(universalSocket);
    widget<QComboBox>(window, "genericTubeType")->setCurrentIndex(type);
    setPins(window, pins);
}

QString shownToolTip(QWidget *target, const QPoint &at)
{
    QHelpEvent help(QEvent::ToolTip, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &help);
    const QString text = QToolTip::text();
    QToolTip::hideText();
    return text;
}

constexpr int triode = 1, pentode = 3, glow = 7, rectifier = 8;

} // namespace

class WindowHelpTest : public QObject
{
    Q_OBJECT
private slots:
    // The enlarged card keeps its size in the settings.
    void initTestCase() { TestSupport::isolateSettings(); }
    void everyRefusalHasAReason();
    void checkLabelsSayWhy_data();
    void checkLabelsSayWhy();
    void failedChecksTopToBottom();
    void freshFormSaysWhyAgain();
    void greyedFieldsSayWhy_data();
    void greyedFieldsSayWhy();
    void greyedFieldShowsItsReason();
    void greyedListRowsSayWhy();
    void socketEntriesNameTheirLines();
    void naturalSizeNeedsNoScrolling();
    void buttonCommandsInViewOnASmallScreen();
    void tubeNameSaysItsLimit();
    void cutNameLeavesANote_data();
    void cutNameLeavesANote();
    void manualOpensOnF1();
    void holeToolTips_data();
    void holeToolTips();
    void everyHoleIsFoundWhereItIsDrawn();
    void hoveringAHoleShowsItsMeaning();
    void doubleClickEnlargesTheUniversalCard();
    void enlargedCardClosesOnKeysAndKeepsItsSize_data();
    void enlargedCardClosesOnKeysAndKeepsItsSize();
};

// For every pinout and tube kind, a label is green exactly when no reason
// speaks against it, and a grey or red label always names one.
void WindowHelpTest::everyRefusalHasAReason()
{
    for (int kindBits = 0; kindBits < 32; ++kindBits) {
        Validity::TubeKind kind;
        kind.heaterPresent = kindBits & 1;
        kind.directlyHeated = kindBits & 2;
        kind.rectifier = kindBits & 4;
        kind.controlGrid = kindBits & 8;
        kind.screenGrid = kindBits & 16;
        for (int foundBits = 0; foundBits < (1 << PinFunction::WiredCount); ++foundBits) {
            Validity::FoundFunctions found;
            for (int function = 0; function < PinFunction::WiredCount; ++function) {
                if (foundBits & (1 << function))
                    found.add(function);
            }
            for (int check = 0; check < Validity::CheckCount; ++check) {
                const Validity::Finding finding
                    = Validity::evaluate(Validity::Check(check), found, kind);
                const bool green = finding.verdict == Validity::Verdict::Connected;
                if (green == finding.reasons.isEmpty())
                    continue;
                QFAIL(qPrintable(QStringLiteral("check %1, kind %2, functions %3: %4")
                                     .arg(check)
                                     .arg(kindBits)
                                     .arg(foundBits)
                                     .arg(finding.reasons.join(QLatin1String("; ")))));
            }
        }
    }
}

void WindowHelpTest::checkLabelsSayWhy_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("pins");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("reason");

    QTest::newRow("heater plus missing") << triode << "9:H- 2:K 6:G1 4:A"
                                         << "heaterOK"
                                         << "Kein Pin ist als Heizung(+) belegt";
    QTest::newRow("no cathode") << triode << "9:H- 3:H+ 6:G1 4:A"
                                << "cathodeOK"
                                << "Die Kathode hat keinen Pin";
    QTest::newRow("double-triode cathode") << triode << "9:H- 3:H+ 2:K 8:K1 6:G1 4:A"
                                           << "cathodeOK"
                                           << "Die Kathoden einer Doppeltriode nimmt die "
                                              "Prüfung nicht an";
    QTest::newRow("rectifier pins on a triode")
        << triode << "9:H- 5:H+K 6:G1 4:A"
        << "heaterOK"
        << "„Heizung(-) & Kathode“ und „Heizung(+) & Kathode“ gibt es nur bei Gleichrichtern";
    QTest::newRow("both ends are the cathode") << rectifier << "7:H-K 5:H+K 4:A"
                                               << "cathodeOK"
                                               << "Nur ein Heizfadenende darf zugleich die "
                                                  "Kathode sein";
    QTest::newRow("no screen grid") << pentode << "9:H- 3:H+ 2:K 6:G1 4:A"
                                    << "screenOK"
                                    << "Weder ein Pin ist als Schirmgitter / Anode 2 noch die "
                                       "Kappe als Schirmgitter belegt";
    QTest::newRow("triode has no screen grid") << triode << ""
                                               << "screenOK"
                                               << "Dieser Grundtyp hat kein Schirmgitter";
    QTest::newRow("glow stabiliser is not heated") << glow << "2:K 4:A"
                                                   << "heaterOK"
                                                   << "Dieser Grundtyp hat keine Heizung";
    QTest::newRow("no anode") << triode << "9:H- 3:H+ 2:K 6:G1"
                              << "plateOK"
                              << "Weder ein Pin noch die Kappe ist als Anode belegt";
    QTest::newRow("complete triode") << triode << "9:H- 3:H+ 2:K 6:G1 4:A"
                                     << "heaterOK"
                                     << "In Ordnung.";
}

void WindowHelpTest::checkLabelsSayWhy()
{
    QFETCH(int, type);
    QFETCH(QString, pins);
    QFETCH(QString, label);
    QFETCH(QString, reason);
    Lochkartor window;
    setUpTube(window, type, pins);

    const QString toolTip = widget<QLabel>(window, qPrintable(label))->toolTip();
    QVERIFY2(toolTip.split(QLatin1Char('\n')).contains(reason), qPrintable(toolTip));
    QVERIFY2(toolTip.contains(QString::fromUtf8("Grün:")), qPrintable(toolTip));
}

// "Neu" brings back the colours of a new window, and their reasons with them.
void WindowHelpTest::freshFormSaysWhyAgain()
{
    const Lochkartor fresh;
    Lochkartor window;
    setUpTube(window, triode, QStringLiteral("9:H- 3:H+ 2:K 6:G1 4:A"));
    window.resetToFreshForm();
    for (const char *label : {"plateOK", "screenOK", "gridOK", "cathodeOK", "heaterOK"})
        QCOMPARE(widget<QLabel>(window, label)->toolTip(), widget<QLabel>(fresh, label)->toolTip());
}

void WindowHelpTest::failedChecksTopToBottom()
{
    Lochkartor window;
    setUpTube(window, triode, QString());
    QCOMPARE(window.failedChecks(), (QStringList{"Anode", "Steuergitter", "Kathode", "Heizung"}));
    setPins(window, QStringLiteral("9:H- 3:H+ 2:K 6:G1 4:A"));
    QCOMPARE(window.failedChecks(), QStringList());
}

void WindowHelpTest::greyedFieldsSayWhy_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("reason"); // empty: the field is enabled

    QTest::newRow("rectifier: plate voltage")
        << "genericTubeType=8"
        << "plateVoltage"
        << "Bei Gleichrichtern gelten stattdessen die Glr.-Felder";
    QTest::newRow("rectifier: plate voltage label")
        << "genericTubeType=8"
        << "plateVoltageLabel"
        << "Bei Gleichrichtern gelten stattdessen die Glr.-Felder";
    QTest::newRow("pentode: rectifier current") << "genericTubeType=3"
                                                << "rectCurrent"
                                                << "Nur für den Grundtyp Gleichrichter";
    QTest::newRow("triode: screen voltage") << "genericTubeType=1"
                                            << "screenVoltage"
                                            << "Der gewählte Grundtyp hat kein Schirmgitter";
    QTest::newRow("diode: grid voltage") << "genericTubeType=0"
                                         << "gridVoltage"
                                         << "Der gewählte Grundtyp hat kein Steuergitter";
    QTest::newRow("glow stabiliser: heating method") << "genericTubeType=7"
                                                     << "heatingMethod"
                                                     << "Glimmstabilisatoren werden nicht geheizt";
    QTest::newRow("glow stabiliser: AC heating voltage")
        << "genericTubeType=7"
        << "heatingVoltageAC"
        << "Glimmstabilisatoren werden nicht geheizt";
    QTest::newRow("AC heating: DC voltage")
        << ""
        << "heatingVoltage"
        << "Nur bei Heizart Gleichstrom; bei Wechselstrom gilt die Heizspannung AC";
    QTest::newRow("five pins: pin 7") << "socket=4"
                                      << "pin7Function"
                                      << "Der gewählte Sockel hat nur 5 Pins";
    QTest::newRow("five pins: line of pin 7") << "socket=4"
                                              << "linePin7"
                                              << "Der gewählte Sockel hat nur 5 Pins";
    QTest::newRow("enabled field") << "genericTubeType=3"
                                   << "screenVoltage" << QString();
}

void WindowHelpTest::greyedFieldsSayWhy()
{
    QFETCH(QString, edits);
    QFETCH(QString, field);
    QFETCH(QString, reason);
    Lochkartor window;
    FormEdits::edit(window, edits);
    auto *target = widget<QWidget>(window, qPrintable(field));
    QCOMPARE(target->isEnabled(), reason.isEmpty());
    QCOMPARE(SwitchedOffHelp::reason(window, target), reason);
}

// The reason reaches the user through the ordinary tooltip event, which Qt
// also sends to a disabled widget.
void WindowHelpTest::greyedFieldShowsItsReason()
{
    Lochkartor window;
    window.show();
    FormEdits::edit(window, QStringLiteral("genericTubeType=8"));
    auto *combo = widget<QComboBox>(window, "cathodeResistor");
    QCOMPARE(shownToolTip(combo, QPoint(5, 5)), SwitchedOffHelp::reason(window, combo));
}

void WindowHelpTest::greyedListRowsSayWhy()
{
    Lochkartor window;
    widget<QComboBox>(window, "socket")->setCurrentIndex(universalSocket);
    for (int pin = 1; pin <= 9; ++pin) {
        const QByteArray name = "pin" + QByteArray::number(pin) + "Function";
        auto *model = qobject_cast<QStandardItemModel *>(
            widget<QComboBox>(window, name.constData())->model());
        QVERIFY(model);
        const QString letter = QString(QLatin1Char(char('A' + window.pinLine(pin) - 1)));
        for (int row = 0; row < model->rowCount(); ++row) {
            const QStandardItem *item = model->item(row);
            const QString refusal
                = QStringLiteral("Leitung %1 kann diese Funktion nicht schalten").arg(letter);
            QCOMPARE(item->toolTip().startsWith(refusal), !item->isEnabled());
            // The double-triode rows explain the two systems wherever they
            // are listed; the other rows need no word where they can be chosen.
            const bool doubleTriode = row == 3 || row == 4;
            QCOMPARE(item->toolTip().contains(QLatin1String("ECC83")), doubleTriode);
            if (item->isEnabled() && !doubleTriode)
                QCOMPARE(item->toolTip(), QString());
        }
    }
    FormEdits::edit(window, QStringLiteral("genericTubeType=8"));
    auto *methods
        = qobject_cast<QStandardItemModel *>(widget<QComboBox>(window, "heatingMethod")->model());
    for (int row = 0; row < methods->rowCount(); ++row)
        QCOMPARE(methods->item(row)->toolTip().isEmpty(), methods->item(row)->isEnabled());
}

// Each socket entry's tooltip gives the pin count and, per pin, the line by
// the card's letter; what it says is what choosing the socket wires, and
// the "Internes" box shows the same line by its number.
void WindowHelpTest::socketEntriesNameTheirLines()
{
    Lochkartor window;
    auto *socket = widget<QComboBox>(window, "socket");
    for (int index = 0; index < socket->count(); ++index) {
        const QStringList tip
            = socket->itemData(index, Qt::ToolTipRole).toString().split(QLatin1Char('\n'));
        socket->setCurrentIndex(index);
        const int pins = window.currentPinCount();
        QCOMPARE(tip.value(0), socket->itemText(index) + QStringLiteral(": %1 Pins").arg(pins));
        QCOMPARE(tip.size(), 1 + pins);
        for (int pin = 1; pin <= pins; ++pin) {
            const int line = window.pinLine(pin);
            const QString expected
                = line == 0
                      ? QStringLiteral("Pin %1: keine Leitung").arg(pin)
                      : QStringLiteral("Pin %1: Leitung %2").arg(pin).arg(QChar('A' + line - 1));
            QCOMPARE(tip.at(pin), expected);
            QCOMPARE(
                widget<QLineEdit>(window, qPrintable(QStringLiteral("linePin%1").arg(pin)))->text(),
                line == 0 ? QStringLiteral("LEITUNG OFFEN") : QString::number(line));
        }
    }
}

// At its natural size the window shows the whole form: no scroll bar.
void WindowHelpTest::naturalSizeNeedsNoScrolling()
{
    Lochkartor window;
    window.resize(window.naturalSize());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), window.naturalSize());
    auto *area = window.findChild<QScrollArea *>(QStringLiteral("formScrollArea"));
    QVERIFY(area);
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    QVERIFY(!area->verticalScrollBar()->isVisible());
}

// Where the form scrolls (a window on a 1280 x 720 screen), the commands of
// the four buttons stay in view on the toolbar.
void WindowHelpTest::buttonCommandsInViewOnASmallScreen()
{
    Lochkartor window;
    window.resize(1280 - 16, 720 - 48);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *bar = window.findChild<QToolBar *>(QStringLiteral("mainToolBar"));
    QVERIFY(bar && bar->isVisible());
    for (const char *name : {"openAction", "saveAction", "saveCardAction", "printCardAction"}) {
        auto *action = window.findChild<QAction *>(QLatin1String(name));
        QVERIFY2(action, name);
        const QWidget *button = bar->widgetForAction(action);
        QVERIFY2(button && button->isVisible(), name);
        QVERIFY2(
            window.rect().contains(QRect(button->mapTo(&window, QPoint(0, 0)), button->size())),
            name);
    }
}

void WindowHelpTest::tubeNameSaysItsLimit()
{
    Lochkartor window;
    QVERIFY(widget<QLineEdit>(window, "tubeName")->toolTip().contains(QLatin1String("12")));
}

void WindowHelpTest::cutNameLeavesANote_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("typed");  // typed key by key
    QTest::addColumn<QString>("pasted"); // then pasted with Ctrl+V
    QTest::addColumn<QString>("kept");   // empty: no note

    QTest::newRow("typed into a full field") << "6SN7GT-VT231" << false << "X"
                                             << ""
                                             << "6SN7GT-VT231";
    QTest::newRow("typed beyond the limit") << "" << false << "6BQ6GTB / 6CU6"
                                            << ""
                                            << "6BQ6GTB / 6C";
    QTest::newRow("pasted beyond the limit") << "" << false << ""
                                             << "6BQ6GTB / 6CU6 (Zeilenendröhre)"
                                             << "6BQ6GTB / 6C";
    QTest::newRow("pasted over a selection, fits") << "ABCDEFGHIJKL" << true << ""
                                                   << "EL84"
                                                   << "";
    QTest::newRow("typed up to the limit") << "" << false << "6SN7GT-VT231"
                                           << ""
                                           << "";
}

// What does not fit the name field is not dropped without a word: the
// status bar names the limit and what was kept.
void WindowHelpTest::cutNameLeavesANote()
{
    QFETCH(QString, before);
    QFETCH(bool, selectAll);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);

    Lochkartor window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *name = widget<QLineEdit>(window, "tubeName");
    name->setText(before);
    name->setFocus();
    if (selectAll)
        name->selectAll();
    window.statusBar()->clearMessage();
    QTest::keyClicks(name, typed);
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keySequence(name, QKeySequence::Paste);
    }
    QTRY_COMPARE(name->text().size() <= 12, true);
    QTest::qWait(20);
    const QString note = window.statusBar()->currentMessage();
    if (kept.isEmpty()) {
        QVERIFY2(!note.contains(QLatin1String("höchstens 12 Zeichen")), qPrintable(note));
    } else {
        QCOMPARE(name->text(), kept);
        QCOMPARE(
            note,
            QStringLiteral("Röhrenbezeichnung: höchstens 12 Zeichen; behalten: „%1“").arg(kept));
    }
}

// F1 opens the manual from any field; it covers the whole way of a card.
void WindowHelpTest::manualOpensOnF1()
{
    Lochkartor window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *name = widget<QLineEdit>(window, "tubeName");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_F1);
    auto *manual = window.findChild<QDialog *>(QStringLiteral("manualWindow"));
    QVERIFY(manual && manual->isVisible());
    const QString text = manual->findChild<QTextBrowser *>()->toPlainText();
    for (const char *section : {"Vom leeren Formular zur gestanzten Karte",
                                "Eine Karte zurücklesen", "Die Druckkorrektur", "Die Dateien"})
        QVERIFY2(text.contains(QString::fromUtf8(section)), section);
    QTest::keyClick(manual, Qt::Key_Escape);
    QVERIFY(!manual->isVisible());
}

void WindowHelpTest::holeToolTips_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    QTest::newRow("socket contact f-, line A")
        << 1 << 56 << "I 56: Fassungskontakt f-, Leitung A\nnicht gestanzt";
    QTest::newRow("AC tap 7 V, punched at start") << 1 << 24 << "I 24: Uf (V~), 7\ngestanzt";
    QTest::newRow("own label") << 2 << 40 << "II 40: Ub, 450\nnicht gestanzt";
    QTest::newRow("line of the screen-grid supply")
        << 2 << 62 << "II 62: Ug2 +250V, Leitung D\nnicht gestanzt";
    QTest::newRow("nothing printed") << 2 << 11 << "II 11: ohne Aufdruck\ngestanzt";
}

void WindowHelpTest::holeToolTips()
{
    QFETCH(int, field);
    QFETCH(int, number);
    QFETCH(QString, expected);
    Lochkartor window;
    QCOMPARE(CardViewHelp::holeToolTip(window.cards(), Hole{field, number}), expected);
}

void WindowHelpTest::everyHoleIsFoundWhereItIsDrawn()
{
    const double half = HoleGrid::MarkerSize / 2.0;
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int number = 1; number <= HoleGrid::HolesPerField; ++number) {
            const double x = HoleGrid::markerX(number) + half;
            const double y = HoleGrid::markerY(field, number) + half;
            QCOMPARE(HoleGrid::holeAt(x, y), (Hole{field, number}));
            QCOMPARE(HoleGrid::holeAt(x + half, y), (Hole{field, number}));
            // Halfway to the next column is printed legend, not a hole.
            QVERIFY(!HoleGrid::isValid(HoleGrid::holeAt(x + 32, y)));
        }
    }
    QVERIFY(!HoleGrid::isValid(HoleGrid::holeAt(0, 0)));
}

void WindowHelpTest::hoveringAHoleShowsItsMeaning()
{
    Lochkartor window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const Hole hole = holeI(56);
    const QPointF centre(HoleGrid::markerX(hole.number) + 7.5,
                         HoleGrid::markerY(hole.field, hole.number) + 7.5);
    for (const char *name : {"universalCardView", "createdCardView"}) {
        auto *view = widget<QGraphicsView>(window, name);
        QCOMPARE(shownToolTip(view->viewport(), view->mapFromScene(centre)),
                 CardViewHelp::holeToolTip(window.cards(), hole));
    }
}

void WindowHelpTest::doubleClickEnlargesTheUniversalCard()
{
    TestSupport::WarningCollector warnings;
    Lochkartor window;
    window.show();
    auto *universal = widget<QGraphicsView>(window, "universalCardView");
    auto *created = widget<QGraphicsView>(window, "createdCardView");

    QTest::mouseDClick(created->viewport(), Qt::LeftButton);
    QVERIFY(!window.findChild<QGraphicsView *>(QStringLiteral("enlargedUniversalCard")));

    QTest::mouseDClick(universal->viewport(), Qt::LeftButton);
    auto *enlarged = window.findChild<QGraphicsView *>(QStringLiteral("enlargedUniversalCard"));
    QVERIFY(enlarged);
    QVERIFY(enlarged->isVisible());
    QVERIFY(enlarged->isWindow());
    QCOMPARE(enlarged->scene(), window.cards().universalScene());
    QVERIFY(enlarged->width() > universal->width());

    enlarged->close();
    QTest::mouseDClick(universal->viewport(), Qt::LeftButton);
    QCOMPARE(window.findChildren<QGraphicsView *>(QStringLiteral("enlargedUniversalCard")).size(),
             1);
    QVERIFY(enlarged->isVisible());
    QCOMPARE(warnings.messages(), QStringList());
}

void WindowHelpTest::enlargedCardClosesOnKeysAndKeepsItsSize_data()
{
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape) << QSize(700, 450);
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W) << QSize(520, 380);
}

// Closing by key stores the size the user gave the window; the next window
// opens at it.
void WindowHelpTest::enlargedCardClosesOnKeysAndKeepsItsSize()
{
    QFETCH(QKeySequence, key);
    QFETCH(QSize, size);
    TestSupport::isolateSettings();
    TestSupport::WarningCollector warnings;
    {
        Lochkartor window;
        window.show();
        QGraphicsView *enlarged = CardViewHelp::showEnlargedUniversalCard(
            widget<QGraphicsView>(window, "universalCardView"), window.cards());
        QVERIFY(QTest::qWaitForWindowActive(enlarged));
        enlarged->resize(size);
        QTest::keySequence(enlarged, key);
        QVERIFY(!enlarged->isVisible());
    }
    Lochkartor window;
    window.show();
    QGraphicsView *enlarged = CardViewHelp::showEnlargedUniversalCard(
        widget<QGraphicsView>(window, "universalCardView"), window.cards());
    QCOMPARE(enlarged->size(), size);
    QCOMPARE(warnings.messages(), QStringList());
}

QTEST_MAIN(WindowHelpTest)
#include "tst_window_help.moc"
