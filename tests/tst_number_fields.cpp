// What the user types into a number field is what the card gets: both
// decimal points in every locale, no keystroke lost, and a value outside the
// range becomes the nearest bound with a note instead of a silently
// different number.

#include "encoding.h"
#include "form_edits.h"
#include "numberfield.h"
#include "testsupport_window.h"

#include <QStatusBar>

using TestSupport::widget;

namespace {

enum class Leave { ByEnter, ByFocusOut };

// Types `text` over the field's whole text, key by key, and leaves it.
void type(NumberField *field, const QString &text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

void leave(NumberField *field, Leave how)
{
    if (how == Leave::ByEnter) {
        QTest::keyClick(field, Qt::Key_Return);
    } else {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }
}

// The card text each field's encoder writes.
CardText cardTextOf(const QString &field)
{
    static const QHash<QString, CardText> texts = {
        {"heatingVoltage", CardText::HeatingVoltage},
        {"heatingCurrent", CardText::HeatingCurrent},
        {"plateVoltage", CardText::PlateVoltage},
        {"screenVoltage", CardText::ScreenVoltage},
        {"gridVoltage", CardText::GridVoltage},
        {"plateCurrent", CardText::PlateCurrent},
        {"screenCurrent", CardText::ScreenCurrent},
        {"transconductance", CardText::Transconductance},
        {"rectCurrent", CardText::PlateCurrent},
    };
    return texts.value(field);
}

// Every number field, the edits that switch it on, and a value inside its
// range with more digits than an integer.
struct FieldRow
{
    const char *name;
    const char *setup;
    const char *inside; // with '.' as the decimal point
};

const FieldRow fieldRows[] = {
    {"heatingVoltage", "heatingMethod=2", "6.3"},
    {"heatingCurrent", "", "0.76"},
    {"plateVoltage", "", "250.5"},
    {"screenVoltage", "genericTubeType=3; plateVoltage=250", "212.5"},
    {"gridVoltage", "genericTubeType=1", "-7.5"},
    {"plateCurrent", "plateVoltage=250", "48.25"},
    {"screenCurrent", "genericTubeType=3", "5.25"},
    {"transconductance", "genericTubeType=1", "11.3"},
    {"rectCurrent", "genericTubeType=8", "120.5"},
};

class LocaleScope
{
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

} // namespace

class NumberFieldsTest : public QObject
{
    Q_OBJECT
private slots:
    void typedValues_data();
    void typedValues();
    void everyField_data();
    void everyField();
    void outOfRangeTextStaysVisible();
    void refusedKeystrokeIsAnnounced();
    void unfinishedNumberReachesNoEncoder();
    void noteNamesValueBoundAndField();
    void shortcutsTakeTheTypedNumber();
    void parse_data();
    void parse();
};

// The values a new user typed for an EL84, each in both languages.
void NumberFieldsTest::typedValues_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("kept");
    QTest::addColumn<bool>("noted");

    struct Row
    {
        const char *name;
        const char *setup;
        const char *field;
        const char *typed;
        double kept;
        bool noted;
    };
    const Row rows[] = {
        {"dc heating 6.3", "heatingMethod=2", "heatingVoltage", "6.3", 6.3, false},
        {"dc heating 6,3", "heatingMethod=2", "heatingVoltage", "6,3", 6.3, false},
        {"plate 6.3", "", "plateVoltage", "6.3", 6.3, false},
        {"heater current 0.76", "", "heatingCurrent", "0.76", 0.76, false},
        {"heater current 0,76", "", "heatingCurrent", "0,76", 0.76, false},
        {"plate 350", "", "plateVoltage", "350", 300.0, true},
        {"screen 250 over plate 200", "genericTubeType=3; plateVoltage=200", "screenVoltage", "250",
         200.0, true},
        {"grid 7,3 without minus", "genericTubeType=1", "gridVoltage", "7,3", 0.0, true},
        {"grid -7,5", "genericTubeType=1", "gridVoltage", "-7,5", -7.5, false},
        {"2,5 A on the 13 V tap", "heatingVoltageAC=6", "heatingCurrent", "2,5", 1.7, true},
        {"too many decimals", "", "plateVoltage", "250,26", 250.3, true},
    };
    const std::pair<const char *, QLocale> locales[] = {
        {"de", QLocale(QLocale::German, QLocale::Germany)},
        {"en", QLocale(QLocale::English, QLocale::UnitedStates)},
    };
    for (const auto &[language, locale] : locales) {
        for (const Row &row : rows) {
            for (Leave how : {Leave::ByEnter, Leave::ByFocusOut}) {
                QTest::addRow("%s, %s, %s", language, row.name,
                              how == Leave::ByEnter ? "Enter" : "focus out")
                    << locale << int(how) << row.setup << row.field << row.typed << row.kept
                    << row.noted;
            }
        }
    }
}

void NumberFieldsTest::typedValues()
{
    QFETCH(QLocale, locale);
    QFETCH(int, how);
    QFETCH(QString, setup);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(double, kept);
    QFETCH(bool, noted);

    const LocaleScope scope(locale);
    TestSupport::WarningCollector warnings;
    Lochkartor window;
    FormEdits::edit(window, setup);
    auto *spin = widget<NumberField>(window, qPrintable(field));

    type(spin, typed);
    leave(spin, Leave(how));

    QCOMPARE(spin->value(), kept);
    QCOMPARE(spin->text(), locale.toString(kept, 'f', spin->decimals()));
    // The encoder saw the value the field shows.
    QVERIFY2(window.cards().text(cardTextOf(field)).contains(Encoding::numberText(kept)),
             qPrintable(window.cards().text(cardTextOf(field))));
    const QString message = window.statusBar()->currentMessage();
    if (noted) {
        QVERIFY2(message.contains(spin->quantity(kept)), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("eingetragen")), qPrintable(message));
    } else {
        QCOMPARE(message, QString());
    }
    QVERIFY(!spin->isOutOfRange());
    QCOMPARE(warnings.messages(), QStringList());
}

void NumberFieldsTest::everyField_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("inside");
    for (const FieldRow &row : fieldRows)
        QTest::newRow(row.name) << row.setup << row.inside;
}

// Each field takes both decimal points, keeps a number above its maximum
// visible while it is typed and enters the maximum with a note on leaving.
void NumberFieldsTest::everyField()
{
    QFETCH(QString, setup);
    QFETCH(QString, inside);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const LocaleScope scope(QLocale(QLocale::German, QLocale::Germany));
    Lochkartor window;
    FormEdits::edit(window, setup);
    auto *spin = widget<NumberField>(window, qPrintable(name));
    QVERIFY(spin->isEnabled());
    QVERIFY(!spin->keyboardTracking());
    const double expected = inside.toDouble();

    for (const QChar point : {QLatin1Char('.'), QLatin1Char(',')}) {
        spin->setValue(spin->minimum());
        type(spin, QString(inside).replace(QLatin1Char('.'), point));
        leave(spin, Leave::ByEnter);
        QCOMPARE(spin->value(), expected);
        QVERIFY(window.cards().text(cardTextOf(name)).contains(Encoding::numberText(expected)));
    }

    const double maximum = spin->maximum();
    const QString above = QString::number(maximum + 1, 'f', 0);
    type(spin, above);
    QCOMPARE(spin->text(), above);
    QVERIFY(spin->isOutOfRange());
    QCOMPARE(window.statusBar()->currentMessage(), spin->rangeHint());
    leave(spin, Leave::ByFocusOut);
    QCOMPARE(spin->value(), maximum);
    QVERIFY(!spin->isOutOfRange());
    QVERIFY(window.statusBar()->currentMessage().contains(spin->quantity(maximum)));
}

// "350" in a field that ends at 300: nothing of it is dropped while typing.
void NumberFieldsTest::outOfRangeTextStaysVisible()
{
    Lochkartor window;
    auto *plate = widget<NumberField>(window, "plateVoltage");
    plate->setValue(100);
    type(plate, QStringLiteral("350"));
    QCOMPARE(plate->text(), QStringLiteral("350"));
    QVERIFY(plate->isOutOfRange());
    QCOMPARE(plate->value(), 100.0); // not yet left: the card keeps 100
    type(plate, QStringLiteral("35"));
    QVERIFY(!plate->isOutOfRange());
    QCOMPARE(window.statusBar()->currentMessage(), QString());
}

void NumberFieldsTest::refusedKeystrokeIsAnnounced()
{
    Lochkartor window;
    auto *plate = widget<NumberField>(window, "plateVoltage");
    type(plate, QStringLiteral("25"));
    QTest::keyClick(plate, Qt::Key_X, Qt::NoModifier);
    QCOMPARE(plate->text(), QStringLiteral("25"));
    QVERIFY(window.statusBar()->currentMessage().contains(plate->rangeHint()));
}

// Typing "300" over a plate voltage of 250 must not hand "3" or "30" to
// the plate-voltage encoder, which would pull the screen voltage down.
void NumberFieldsTest::unfinishedNumberReachesNoEncoder()
{
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("genericTubeType=3; plateVoltage=250; "
                                           "screenVoltage=200"));
    auto *plate = widget<NumberField>(window, "plateVoltage");
    type(plate, QStringLiteral("300"));
    leave(plate, Leave::ByEnter);
    QCOMPARE(plate->value(), 300.0);
    QCOMPARE(widget<NumberField>(window, "screenVoltage")->value(), 200.0);
}

void NumberFieldsTest::noteNamesValueBoundAndField()
{
    const LocaleScope scope(QLocale(QLocale::German, QLocale::Germany));
    Lochkartor window;
    auto *plate = widget<NumberField>(window, "plateVoltage");
    type(plate, QStringLiteral("350"));
    leave(plate, Leave::ByEnter);
    QCOMPARE(window.statusBar()->currentMessage(),
             QString::fromUtf8("350 V liegt über dem Höchstwert 300 V der Anodenspannung; "
                               "eingetragen: 300 V"));
    auto *current = widget<NumberField>(window, "heatingCurrent");
    type(current, QStringLiteral("-1"));
    leave(current, Leave::ByEnter);
    QCOMPARE(window.statusBar()->currentMessage(),
             QString::fromUtf8("-1 A liegt unter dem Mindestwert 0 A des Heizstroms; "
                               "eingetragen: 0 A"));
}

// "Save" by its shortcut saves the number being typed; selecting or copying
// it leaves it being typed.
void NumberFieldsTest::shortcutsTakeTheTypedNumber()
{
    Lochkartor window;
    auto *plate = widget<NumberField>(window, "plateVoltage");
    type(plate, QStringLiteral("250"));
    QKeyEvent selectAll(QEvent::ShortcutOverride, Qt::Key_A, Qt::ControlModifier);
    QApplication::sendEvent(plate, &selectAll);
    QCOMPARE(plate->value(), 5.0);
    QKeyEvent save(QEvent::ShortcutOverride, Qt::Key_S, Qt::ControlModifier);
    QApplication::sendEvent(plate, &save);
    QCOMPARE(plate->value(), 250.0);
}

void NumberFieldsTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::addColumn<double>("value");

    QTest::newRow("comma") << "6,3" << true << 6.3;
    QTest::newRow("dot") << "6.3" << true << 6.3;
    QTest::newRow("minus") << "-7,5" << true << -7.5;
    QTest::newRow("plus") << "+5" << true << 5.0;
    QTest::newRow("spaces") << " 12 " << true << 12.0;
    QTest::newRow("trailing point") << "5," << true << 5.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("two points") << "1.000,5" << false << 0.0;
    QTest::newRow("exponent") << "1e3" << false << 0.0;
    QTest::newRow("sign inside") << "5-" << false << 0.0;
}

void NumberFieldsTest::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, number);
    QFETCH(double, value);
    double parsed = 0;
    QCOMPARE(NumberField::parse(text, &parsed), number);
    if (number)
        QCOMPARE(parsed, value);
}

QTEST_MAIN(NumberFieldsTest)
#include "tst_number_fields.moc"
