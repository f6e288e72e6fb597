// Reading cards back: every card a user can make reads back to a form that
// punches the same card, every table row reads back as itself, damaged and
// random cards give an exact list of differences, and the renderer refuses
// bad holes with a clear message.

#include "card_check.h"
#include "cardstate.h"
#include "desired_values_table.h"
#include "dialogs.h"
#include "form_replay.h"
#include "heating_table.h"
#include "hole_input.h"
#include "isolation_test_table.h"
#include "lochkartor.h"
#include "operating_point_table.h"
#include "print_check.h"
#include "printed_texts.h"
#include "program_run.h"
#include "socket_table.h"
#include "synthetic_scan.h"
#include "testsupport_window.h"
#include "tube.h"
#include "tube_data_form.h"
#include "tube_file.h"
#include "wiring_table.h"

#include <QAction>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>

// Like QVERIFY2, but builds its message (which reads cards in windows of
// its own) only when the check fails.
#define VERIFY_OR_EXPLAIN(condition, message)                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            QFAIL(qPrintable(message));                                                            \
    } while (false)

namespace {

using CardReading::Fault;

// The form read from a card, put into a window as a user would type it, in
// the order a tube data file loads: a check on the reader's own replay.
void putIntoWidgets(Lochkartor &window, const CardReading::Form &form)
{
    for (const TubeData::Entry &entry : CardCheck::loadEntries(form))
        TubeData::setFieldValue(window, *entry.key, entry.value);
}

using TestSupport::underSanitizers;

// The unoptimised sanitizer build reads cards many times slower; it checks
// the same code on fewer forms.
int countFromEnvironment(const char *name, int otherwise)
{
    if (qEnvironmentVariableIsSet(name))
        return qEnvironmentVariableIntValue(name);
    return underSanitizers ? otherwise / 8 : otherwise;
}

QString describe(const CardReading::Outcome &outcome)
{
    return CardReading::reportText(outcome, CardCheck::listTexts());
}

// The card a tube data file gives when "Daten laden" reads it, and the
// socket it names.
struct SavedCard
{
    HoleList holes;
    int socket;
};

SavedCard cardOfSavedForm(Lochkartor &user, const QString &fileName)
{
    QFile::remove(fileName);
    if (!user.saveTubeData(fileName))
        return {{}, -1};
    const TubeData::LoadedTube loaded = TubeData::readTube(fileName);
    if (!loaded.problem.ok())
        return {{}, -1};
    return {cardOf(loaded.tube).holes, loaded.tube.socket};
}

bool hasFault(const CardReading::Reading &reading, Fault fault, const HoleList &holes)
{
    for (const CardReading::Contradiction &c : reading.contradictions) {
        if (c.fault != fault)
            continue;
        if (std::all_of(holes.begin(), holes.end(), [&c](const Hole &hole) {
                return std::find(c.holes.begin(), c.holes.end(), hole) != c.holes.end();
            }))
            return true;
    }
    return false;
}

CardReading::FormLimits limits()
{
    return CardCheck::formLimits();
}

HoleList sorted(HoleList holes)
{
    std::sort(holes.begin(), holes.end());
    holes.erase(std::unique(holes.begin(), holes.end()), holes.end());
    return holes;
}

// What is wrong with the values a form read back holds, measured against the
// tube that punched the card: a number above the tube's own (a plate
// voltage, a current, a heater voltage higher than the tube's, a grid bias
// less negative), or a value of a range that is not the range's lowest the
// field can hold. Empty when the form is safe.
QString unsafeValues(const CardReading::Outcome &outcome, const Tube &tube)
{
    const CardReading::Reading &r = outcome.reading;
    QStringList faults;
    for (const auto &[name, value] : outcome.form) {
        TubeField field;
        if (!tubeFieldNamed(name.toLatin1().constData(), &field)
            || tubeFieldKind(field) != TubeFieldKind::Number)
            continue;
        // A grid biased by the cathode resistor is punched as 0 V, whatever
        // the field held.
        if (field == TubeField::GridVoltage && r.gridVoltage.isExact())
            continue;
        if (value.toDouble() > valueOf(tube, field).number + 1e-9)
            faults << QStringLiteral("%1 %2 über %3")
                          .arg(name)
                          .arg(value.toDouble())
                          .arg(valueOf(tube, field).number);
    }
    const std::pair<const char *, const CardReading::Quantity *> quantities[]
        = {{"heatingVoltage", &r.heatingVoltage}, {"screenVoltage", &r.screenVoltage},
           {"gridVoltage", &r.gridVoltage},       {"plateCurrent", &r.plateCurrent},
           {"screenCurrent", &r.screenCurrent},   {"transconductance", &r.transconductance},
           {"plateVoltage", &r.plateVoltage}};
    for (const auto &[name, q] : quantities) {
        TubeField field;
        tubeFieldNamed(name, &field);
        const double step = std::pow(10.0, -TubeForm::limits(tube, field).decimals);
        const double below = q->value - step;
        // The plate voltage stays at least the screen voltage the form holds.
        const bool carriesScreen
            = q == &r.plateVoltage && r.screenVoltage.known && below < r.screenVoltage.value - 1e-9;
        if (q->known && !q->isExact() && q->range.contains(below) && !carriesScreen)
            faults << QStringLiteral("%1 %2 nicht das sichere Ende").arg(name).arg(q->value);
    }
    return faults.join(QStringLiteral(", "));
}

} // namespace

class CardReadingTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Dialogs::Script::begin(); }
    void cleanupTestCase() { Dialogs::Script::end(); }
    void userFormsReadBackToTheSameCard();
    void exclusiveGroupsReadBack_data();
    void exclusiveGroupsReadBack();
    void everyLineAndBusReadsBack();
    void damagedCardsListTheExactDifference();
    void renderToolReadsACard();
    void windowReadsACard();
    void socketIsAskedWhenSeveralFit_data();
    void socketIsAskedWhenSeveralFit();
    void badHolesAreRefused_data();
    void badHolesAreRefused();
    void printedValuesComeBackExact();
    void printedNumbers_data();
    void printedNumbers();
    void printThatContradictsExitsOne_data();
    void printThatContradictsExitsOne();
    void windowTakesThePrint();
};

// Card -> holes -> form (with the form's socket) -> card again gives the
// same holes and no contradiction; without a socket too, whenever the first
// listed socket is the form's own.
void CardReadingTest::userFormsReadBackToTheSameCard()
{
    const int count = countFromEnvironment("LOCHKARTOR_READ_COUNT", 2000);
    const quint32 seed = 20261209;
    QRandomGenerator random(seed);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString fileName = directory.filePath(QStringLiteral("form.tds"));
    Lochkartor user;
    int withoutSocket = 0;
    for (int i = 0; i < count; ++i) {
        QStringList edits;
        for (int n = 1 + int(random.bounded(4)); n > 0; --n)
            edits << randomUserEdit(user, random);
        const SavedCard saved = cardOfSavedForm(user, fileName);
        QVERIFY2(saved.socket >= 0, qPrintable(edits.join(QLatin1Char(' '))));
        const auto context = [&] {
            return QStringLiteral("seed %1, form %2 after %3:\n%4\n")
                .arg(seed)
                .arg(i)
                .arg(edits.join(QLatin1Char(' ')), describe(formState(user)));
        };
        const CardReading::Outcome outcome = CardCheck::read(saved.holes, saved.socket);
        VERIFY_OR_EXPLAIN(outcome.reading.contradictions.empty(), context() + describe(outcome));
        VERIFY_OR_EXPLAIN(outcome.identical(), context() + describe(outcome));
        const QString unsafe = unsafeValues(outcome, user.tube());
        VERIFY_OR_EXPLAIN(unsafe.isEmpty(),
                          context() + unsafe + QLatin1Char('\n') + describe(outcome));
        VERIFY_OR_EXPLAIN(std::find(outcome.sockets.begin(), outcome.sockets.end(), saved.socket)
                              != outcome.sockets.end(),
                          context() + describe(outcome));
        if (outcome.sockets.front() == saved.socket) {
            // Without a socket the reader picks the same one, so it builds
            // the same form; every tenth such card is checked again.
            if (++withoutSocket % 10 == 1) {
                const CardReading::Outcome unnamed = CardCheck::read(saved.holes, -1);
                QCOMPARE(unnamed.socket, saved.socket);
                VERIFY_OR_EXPLAIN(unnamed.identical(), context() + describe(unnamed));
            } else {
                QVERIFY(CardReading::buildForm(outcome.reading, outcome.sockets.front())
                        == outcome.form);
            }
        }
    }
    QVERIFY(withoutSocket > 0 || count < 500);
}

// Two choices of one exclusive group, every pair of rows with the first:
// the contradiction names the holes of both.
void CardReadingTest::exclusiveGroupsReadBack_data()
{
    QTest::addColumn<HoleList>("first");
    QTest::addColumn<HoleList>("second");
    auto rows = [](const char *name, const std::vector<HoleList> &group) {
        for (std::size_t row = 1; row < group.size(); ++row)
            QTest::addRow("%s %d", name, int(row)) << group.front() << group[row];
    };
    auto singles = [&rows](const char *name, const HoleList &holes) {
        std::vector<HoleList> group;
        for (const Hole &hole : holes)
            group.push_back({hole});
        rows(name, group);
    };
    using namespace OperatingPointTable;
    std::vector<HoleList> taps;
    for (const auto &tap : HeatingTable::taps)
        taps.push_back({tap.hole});
    rows("tap", taps);
    rows("heater supply", {HeatingTable::acSupplyHoles, HeatingTable::dcSupplyHoles});
    singles("heater scale", HeatingTable::dcScaleHoles);
    // Rows 0 and 1 share the 150 V hole; a card holding both is still two.
    rows("plate supply", {std::begin(plateSupplies), std::end(plateSupplies)});
    singles("plate scale", plateScaleHoles);
    singles("screen supply", screenSupplyHoles);
    singles("screen scale", screenScaleHoles);
    singles("grid supply", gridSupplyHoles);
    singles("grid scale", gridScaleHoles);
    std::vector<HoleList> resistorRows;
    for (const auto &resistor : resistors) {
        // The double-triode pair reads as wiring beside another resistor.
        if (resistor.holes.size() == 1)
            resistorRows.push_back(resistor.holes);
    }
    rows("resistor", resistorRows);
    singles("capacitor", capacitorHoles);
    singles("plate current", DesiredValuesTable::plateCurrentScaleHoles);
    singles("screen current", DesiredValuesTable::screenCurrentScaleHoles);
    singles("transconductance", DesiredValuesTable::transconductanceScaleHoles);
    singles("isolation voltage", IsolationTestTable::voltageHoles);
    singles("isolation range", IsolationTestTable::rangeHoles);
}

void CardReadingTest::exclusiveGroupsReadBack()
{
    QFETCH(HoleList, first);
    QFETCH(HoleList, second);
    static const CardReading::FormLimits formLimits = limits();
    const CardReading::Reading reading
        = CardReading::read(sorted(first) == sorted(second) ? first : [&] {
              HoleList both = first;
              both.insert(both.end(), second.begin(), second.end());
              return both;
          }(), formLimits);
    HoleList both = first;
    both.insert(both.end(), second.begin(), second.end());
    QVERIFY2(hasFault(reading, Fault::TwoChoices, sorted(both)),
             qPrintable(CardReading::holesText(both)));
    // Each row alone is no contradiction of its group.
    for (const HoleList &alone : {first, second})
        QVERIFY(!hasFault(CardReading::read(alone, formLimits), Fault::TwoChoices, alone));
}

// Every line on every bus it reaches, and every combined function, reads
// back as that function; two buses no function joins are a contradiction.
void CardReadingTest::everyLineAndBusReadsBack()
{
    const CardReading::FormLimits formLimits = limits();
    for (int line = 1; line <= TesterLineCount; ++line) {
        for (int function = 0; function < PinFunction::WiredCount; ++function) {
            if (!Wiring::lineHandles(line, function))
                continue;
            const CardReading::Reading reading
                = CardReading::read(Wiring::holesOf(line, function), formLimits);
            QCOMPARE(reading.lineFunctions[std::size_t(line - 1)], function);
            QVERIFY(!hasFault(reading, Fault::UncombinedBuses, {}));
            for (int other = 1; other <= TesterLineCount; ++other) {
                // The double-triode holes alone read as the 600 Ohm resistor.
                if (other != line && !reading.doubleTriodeResistor)
                    QCOMPARE(reading.lineFunctions[std::size_t(other - 1)],
                             int(PinFunction::NotConnected));
            }
        }
        // The heater-minus and anode buses are joined by no function.
        const HoleList minus = Wiring::holesOf(line, PinFunction::HeaterMinus);
        const HoleList anode = Wiring::holesOf(line, PinFunction::Anode);
        if (!minus.empty() && !anode.empty()) {
            const HoleList both{minus.front(), anode.front()};
            QVERIFY(hasFault(CardReading::read(both, formLimits), Fault::UncombinedBuses,
                             sorted(both)));
        }
    }
}

// A valid card with one hole more or less, and sets of random holes: the
// listed difference is exactly what the form's card, built anew, differs in.
void CardReadingTest::damagedCardsListTheExactDifference()
{
    const int count = countFromEnvironment("LOCHKARTOR_READ_COUNT", 2000) / 10;
    QRandomGenerator random(20261210);
    QTemporaryDir directory;
    const QString fileName = directory.filePath(QStringLiteral("form.tds"));
    Lochkartor user;
    for (int i = 0; i < count; ++i) {
        for (int n = 0; n < 3; ++n)
            randomUserEdit(user, random);
        HoleList holes = cardOfSavedForm(user, fileName).holes;
        const Hole hole{1 + int(random.bounded(2)), 1 + int(random.bounded(72))};
        const auto at = std::find(holes.begin(), holes.end(), hole);
        if (i % 3 == 2) {
            holes.clear();
            for (int n = int(random.bounded(40)); n > 0; --n)
                holes.push_back({1 + int(random.bounded(2)), 1 + int(random.bounded(72))});
        } else if (at != holes.end()) {
            holes.erase(at);
        } else {
            holes.push_back(hole);
        }
        const int socket = i % 2 == 0 ? -1 : int(random.bounded(SocketCount));
        const CardReading::Outcome outcome = CardCheck::read(holes, socket);
        Lochkartor again;
        putIntoWidgets(again, outcome.form);
        const HoleList card = again.cards().punchedHoles();
        const HoleList read = sorted(holes);
        HoleList missing;
        HoleList extra;
        std::set_difference(read.begin(), read.end(), card.begin(), card.end(),
                            std::back_inserter(missing));
        std::set_difference(card.begin(), card.end(), read.begin(), read.end(),
                            std::back_inserter(extra));
        const auto context
            = [&] { return CardReading::holesText(read) + QLatin1Char('\n') + describe(outcome); };
        VERIFY_OR_EXPLAIN(outcome.missing == missing, context());
        VERIFY_OR_EXPLAIN(outcome.extra == extra, context());
        // A card whose form gives other holes always names a contradiction.
        if (!outcome.identical() && outcome.socket >= 0 && socket < 0)
            VERIFY_OR_EXPLAIN(!outcome.reading.contradictions.empty(), context());
        QVERIFY(!CardReading::reportJson(outcome, CardCheck::listTexts()).isEmpty());
    }
}

// "Karte einlesen…" fills the form with one that punches the card read, as
// a new tube not yet saved; a cancelled dialog, or a cancelled question about
// unsaved changes, leaves everything as it was.
void CardReadingTest::windowReadsACard()
{
    const QString sample = QDir(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR"))
                               .filePath(QStringLiteral("tests/data/tubes/triode.tds"));
    Lochkartor source;
    QVERIFY(source.loadTubeData(sample));
    const HoleList holes = source.cards().punchedHoles();
    const int socket = TestSupport::widget<QComboBox>(source, "socket")->currentIndex();

    Lochkartor window;
    auto *action = window.findChild<QAction *>(QStringLiteral("readCardAction"));
    QVERIFY(action);
    auto *file = window.findChild<QMenu *>(QStringLiteral("fileMenu"));
    QVERIFY(file && file->actions().contains(action));
    TestSupport::widget<QLineEdit>(window, "tubeName")->setText(QStringLiteral("ALT"));
    QVERIFY(window.isWindowModified());
    const HoleList before = window.cards().punchedHoles();
    action->trigger();
    QCOMPARE(window.cards().punchedHoles(), before);

    Dialogs::Script::answerCardHoles({holes, socket});
    Dialogs::Script::answerAskToSave(Dialogs::SaveAnswer::Cancel);
    action->trigger();
    QCOMPARE(window.cards().punchedHoles(), before);
    QCOMPARE(TestSupport::widget<QLineEdit>(window, "tubeName")->text(), QStringLiteral("ALT"));

    Dialogs::Script::answerCardHoles({holes, socket});
    Dialogs::Script::answerAskToSave(Dialogs::SaveAnswer::Discard);
    action->trigger();
    QCOMPARE(window.cards().punchedHoles(), holes);
    QCOMPARE(TestSupport::widget<QComboBox>(window, "socket")->currentIndex(), socket);
    QVERIFY(TestSupport::widget<QLineEdit>(window, "tubeName")->text().isEmpty());
    QVERIFY(window.documentFile().isEmpty());
    QVERIFY(window.isWindowModified());
}

namespace {

using Run = TestSupport::ProgramRun;

Run runRender(const QStringList &arguments, const QString &directory)
{
    return TestSupport::runProgram(QStringLiteral(LOCHKARTOR_RENDER_BINARY), arguments, directory,
                                   directory);
}

} // namespace

// The holes of a sample tube read back, as text and as the JSON that --json
// prints; the tube file written loads to the same card.
void CardReadingTest::renderToolReadsACard()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString sample = QDir(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR"))
                               .filePath(QStringLiteral("tests/data/tubes/pentode.tds"));
    const Run rendered = runRender({QStringLiteral("--json"), sample}, directory.path());
    QCOMPARE(rendered.exitCode, 0);
    QFile json(directory.filePath(QStringLiteral("card.json")));
    QVERIFY(json.open(QIODevice::WriteOnly));
    json.write(rendered.out.toUtf8());
    json.close();
    const HoleInput::Parsed parsed = HoleInput::fromJson(rendered.out.toUtf8());
    QVERIFY(parsed.error.isEmpty());

    Lochkartor original;
    QVERIFY(original.loadTubeData(sample));
    const int socket = TestSupport::widget<QComboBox>(original, "socket")->currentIndex();
    const Run read
        = runRender({QStringLiteral("--read-json"), json.fileName(), QStringLiteral("--socket"),
                     QString::number(socket + 1), QStringLiteral("-o"), QStringLiteral("read.tds")},
                    directory.path());
    QCOMPARE(read.exitCode, 0);
    QVERIFY2(read.out.contains(QStringLiteral("Widersprüche: keine")), qPrintable(read.out));
    QVERIFY(read.err.isEmpty());
    Lochkartor loaded;
    QVERIFY(loaded.loadTubeData(directory.filePath(QStringLiteral("read.tds"))));
    QCOMPARE(loaded.cards().punchedHoles(), original.cards().punchedHoles());

    const Run asText = runRender({QStringLiteral("--read-holes"),
                                  CardReading::holesText(parsed.holes), QStringLiteral("--json")},
                                 directory.path());
    const QJsonObject report = QJsonDocument::fromJson(asText.out.toUtf8()).object();
    QCOMPARE(report.value(QStringLiteral("holes")).toObject(),
             QJsonDocument::fromJson(rendered.out.toUtf8())
                 .object()
                 .value(QStringLiteral("holes"))
                 .toObject());
    QVERIFY(report.value(QStringLiteral("contradictions")).toArray().isEmpty());
}

// The sample triode's card fits many sockets: without --socket every entry
// point names them, most likely first, writes the file with the first and
// exits 1; with the socket it exits 0 (the picture, read from the program's
// own rendering, too, unless a position stays in doubt).
void CardReadingTest::socketIsAskedWhenSeveralFit_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("holes") << QStringLiteral("--read-holes");
    QTest::newRow("json") << QStringLiteral("--read-json");
    QTest::newRow("image") << QStringLiteral("--read-image");
}

void CardReadingTest::socketIsAskedWhenSeveralFit()
{
    QFETCH(QString, entry);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString sample = QDir(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR"))
                               .filePath(QStringLiteral("tests/data/tubes/triode.tds"));
    QString input;
    const Run json = runRender({QStringLiteral("--json"), sample}, directory.path());
    QCOMPARE(json.exitCode, 0);
    if (entry == QLatin1String("--read-image")) {
        // The card's picture without its print: a printed socket would
        // answer the question.
        input = directory.filePath(QStringLiteral("card.png"));
        QVERIFY(ownCardPicture(HoleInput::fromJson(json.out.toUtf8()).holes).save(input));
    } else {
        if (entry == QLatin1String("--read-holes")) {
            input = CardReading::holesText(HoleInput::fromJson(json.out.toUtf8()).holes);
        } else {
            // The holes alone: the printed socket would answer the question.
            input = directory.filePath(QStringLiteral("card.json"));
            QFile file(input);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const QJsonObject card = QJsonDocument::fromJson(json.out.toUtf8()).object();
            file.write(QJsonDocument(QJsonObject{{QStringLiteral("holes"),
                                                  card.value(QStringLiteral("holes"))}})
                           .toJson(QJsonDocument::Compact));
        }
    }
    const Run asked = runRender({entry, input, QStringLiteral("-o"), QStringLiteral("read.tds")},
                                directory.path());
    QCOMPARE(asked.exitCode, 1);
    QVERIFY2(asked.err.contains(QStringLiteral("mehreren Fassungen (")), qPrintable(asked.err));
    QVERIFY2(asked.err.contains(QStringLiteral("11: Noval, ")), qPrintable(asked.err));
    QVERIFY2(
        asked.out.contains(QStringLiteral("Nicht auf der Karte: Röhrenname, Fassung (passend: ")),
        qPrintable(asked.out));
    // The file holds the socket named first.
    const QString first = asked.err.section(QLatin1Char('('), 1).section(QLatin1Char(','), 0, 0);
    Lochkartor written;
    QVERIFY(written.loadTubeData(directory.filePath(QStringLiteral("read.tds"))));
    QCOMPARE(TestSupport::widget<QComboBox>(written, "socket")->currentText(), first);

    const Run given = runRender({entry, input, QStringLiteral("--socket"), QStringLiteral("11")},
                                directory.path());
    QVERIFY2(given.err.isEmpty(), qPrintable(given.err));
    QVERIFY2(given.out.contains(QStringLiteral("Fassung: 11: Noval\n")), qPrintable(given.out));
    if (!given.out.contains(QStringLiteral("Unsichere Stellen: I")))
        QCOMPARE(given.exitCode, 0);
}

void CardReadingTest::badHolesAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString read = QStringLiteral("--read-holes");
    QTest::newRow("unknown field") << QStringList{read, QStringLiteral("I 9 III 4")}
                                   << QStringLiteral("unbekanntes Feld „III“");
    QTest::newRow("no field") << QStringList{read, QStringLiteral("9 20")}
                              << QStringLiteral("fehlt das Feld");
    QTest::newRow("hole 0") << QStringList{read, QStringLiteral("I 0")}
                            << QStringLiteral("Loch I 0 gibt es nicht");
    QTest::newRow("hole 73") << QStringList{read, QStringLiteral("II 73")}
                             << QStringLiteral("Loch II 73 gibt es nicht");
    QTest::newRow("no number") << QStringList{read, QStringLiteral("I 9 zwölf")}
                               << QStringLiteral("„zwölf“ ist keine Lochnummer");
    QTest::newRow("negative") << QStringList{read, QStringLiteral("I -4")}
                              << QStringLiteral("Loch I -4 gibt es nicht");
    QTest::newRow("socket 0") << QStringList{read, QStringLiteral("I 9"),
                                             QStringLiteral("--socket"), QStringLiteral("0")}
                              << QStringLiteral("--socket nimmt eine Fassungsnummer von 1 bis 24");
    QTest::newRow("socket text") << QStringList{read, QStringLiteral("I 9"),
                                                QStringLiteral("--socket"), QStringLiteral("Noval")}
                                 << QStringLiteral("nicht „Noval“");
    QTest::newRow("json missing file")
        << QStringList{QStringLiteral("--read-json"), QStringLiteral("nowhere.json")}
        << QStringLiteral("nowhere.json");
    QTest::newRow("both inputs") << QStringList{read, QStringLiteral("I 9"),
                                                QStringLiteral("--read-json"), QStringLiteral("x")}
                                 << QStringLiteral("schließen sich aus");
}

void CardReadingTest::badHolesAreRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir directory;
    const Run run = runRender(arguments, directory.path());
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

namespace {

// The print of a card as a perfect reader gives it: every shown text read.
PrintedTexts perfectPrint(const Card &card)
{
    PrintedTexts print;
    for (int i = 0; i < CardTextCount; ++i) {
        const CardTextValue &value = card.texts[std::size_t(i)];
        PrintedTextReading &reading = print.texts[std::size_t(i)];
        reading.inked = reading.read = value.visible && !value.content.isEmpty();
        reading.text = reading.read ? value.content : QString();
        reading.confidence = reading.read ? 1.0 : 0.0;
    }
    return print;
}

const QVariant *formEntry(const CardReading::Form &form, const QString &field)
{
    for (const auto &[name, value] : form) {
        if (name == field)
            return &value;
    }
    return nullptr;
}

// The form field a printed text fills, as the tube holds it.
QString printedField(CardText text, const Tube &tube)
{
    const bool rectifier = TubeForm::flags(tube).rectifier;
    switch (text) {
    case CardText::TubeName:
        return QStringLiteral("tubeName");
    case CardText::TubeType:
        return QStringLiteral("genericTubeType");
    case CardText::HeatingVoltage:
        return TubeForm::isFieldOn(tube, TubeField::HeatingVoltage)
                   ? QStringLiteral("heatingVoltage")
                   : QString();
    case CardText::HeatingCurrent:
        return QStringLiteral("heatingCurrent");
    case CardText::PlateVoltage:
        return rectifier ? QString() : QStringLiteral("plateVoltage");
    case CardText::ScreenVoltage:
        return QStringLiteral("screenVoltage");
    case CardText::GridVoltage:
        return QStringLiteral("gridVoltage");
    case CardText::PlateCurrent:
        return rectifier ? QStringLiteral("rectCurrent") : QStringLiteral("plateCurrent");
    case CardText::ScreenCurrent:
        return QStringLiteral("screenCurrent");
    case CardText::Transconductance:
        return QStringLiteral("transconductance");
    default:
        return QString();
    }
}

} // namespace

// Random tubes with the print a perfect reader gives, some texts left
// unread: every printed value comes back exact, every unread one keeps the
// safe value the holes give, and the form still punches the card's holes.
// With the whole print the form makes the very same card, texts and all.
void CardReadingTest::printedValuesComeBackExact()
{
    const int count = countFromEnvironment("LOCHKARTOR_PRINT_COUNT", 400);
    const quint32 seed = 20261211;
    QRandomGenerator random(seed);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString fileName = directory.filePath(QStringLiteral("form.tds"));
    Lochkartor user;
    for (int i = 0; i < count; ++i) {
        QStringList edits;
        for (int n = 1 + int(random.bounded(4)); n > 0; --n)
            edits << randomUserEdit(user, random);
        QFile::remove(fileName);
        QVERIFY(user.saveTubeData(fileName));
        const TubeData::LoadedTube loaded = TubeData::readTube(fileName);
        QVERIFY(loaded.problem.ok());
        const Tube &tube = loaded.tube;
        const Card card = cardOf(tube);
        const bool whole = i % 2 == 0;
        PrintedTexts print = perfectPrint(card);
        QStringList dropped;
        for (int t = 0; !whole && t < CardTextCount; ++t) {
            if (random.bounded(3) == 0 && print.texts[std::size_t(t)].read) {
                print.texts[std::size_t(t)] = PrintedTextReading{};
                dropped << QLatin1String(cardTextKey(CardText(t)));
            }
        }
        const CardReading::Outcome outcome = CardCheck::read(card.holes, -1, print);
        const auto context = [&] {
            return QStringLiteral("seed %1, form %2 after %3, unread: %4\n%5")
                .arg(seed)
                .arg(i)
                .arg(edits.join(QLatin1Char(' ')), dropped.join(QLatin1Char(' ')),
                     describe(outcome));
        };
        const Card read = cardOf(CardCheck::tubeOf(outcome.form));
        VERIFY_OR_EXPLAIN(read.holes == card.holes, context());
        if (whole) {
            VERIFY_OR_EXPLAIN(!outcome.printContradicts() && outcome.socketKnown(), context());
            VERIFY_OR_EXPLAIN(read.texts == card.texts, context());
        }
        const CardReading::Form safe = CardReading::buildForm(outcome.reading, outcome.socket);
        for (const CardReading::PrintedValue &value : outcome.print) {
            const QString field = printedField(value.text, tube);
            if (field.isEmpty() || !formEntry(outcome.form, field))
                continue;
            TubeField tubeField;
            QVERIFY(tubeFieldNamed(field.toLatin1().constData(), &tubeField));
            const QVariant &got = *formEntry(outcome.form, field);
            if (value.use == CardReading::PrintUse::Used) {
                // A number as the card prints it: a grid the cathode
                // resistor biases prints 0 V whatever the tube holds.
                double printed = 0.0;
                const bool exact
                    = tubeFieldKind(tubeField) == TubeFieldKind::Number
                          ? PrintCheck::printedNumber(card.text(value.text).content, &printed)
                                && got.toDouble() == printed
                      : tubeFieldKind(tubeField) == TubeFieldKind::Text
                          ? got.toString() == valueOf(tube, tubeField).text
                          : got.toDouble() == valueOf(tube, tubeField).number;
                VERIFY_OR_EXPLAIN(exact, context() + QStringLiteral("\n%1 not exact").arg(field));
            } else {
                VERIFY_OR_EXPLAIN(!whole, context() + QStringLiteral("\n%1 not used").arg(field));
                VERIFY_OR_EXPLAIN(got == *formEntry(safe, field),
                                  context() + QStringLiteral("\n%1 not safe").arg(field));
            }
        }
    }
}

void CardReadingTest::printedNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::addColumn<double>("value");
    QTest::newRow("plate") << QStringLiteral("Ua=250 V (300)") << true << 250.0;
    QTest::newRow("grid, negative") << QStringLiteral("Ug1=-8.5 V (50)") << true << -8.5;
    QTest::newRow("screen, digit in the prefix")
        << QStringLiteral("Ug2=90 V (150)") << true << 90.0;
    QTest::newRow("DC heater") << QStringLiteral("6.3 V=") << true << 6.3;
    QTest::newRow("heater current") << QStringLiteral("0.76 A") << true << 0.76;
    QTest::newRow("no number") << QStringLiteral("Ua= V") << false << 0.0;
}

void CardReadingTest::printedNumbers()
{
    QFETCH(QString, text);
    QFETCH(bool, found);
    QFETCH(double, value);
    double number = 0.0;
    QCOMPARE(PrintCheck::printedNumber(text, &number), found);
    if (found)
        QCOMPARE(number, value);
}

// The sample pentode's texts, one changed so that it no longer fits the
// holes: the tool names the contradiction, keeps the safe value and exits
// 1; the unchanged texts exit 0.
void CardReadingTest::printThatContradictsExitsOne_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("unchanged") << QString() << QString();
    QTest::newRow("plate voltage below its range")
        << QStringLiteral("plateVoltage") << QStringLiteral("Ua=100 V (300)");
    QTest::newRow("plate voltage with another scale")
        << QStringLiteral("plateVoltage") << QStringLiteral("Ua=250 V (150)");
    QTest::newRow("another socket") << QStringLiteral("socket") << QStringLiteral("Noval (Nr. 10)");
    QTest::newRow("a triode") << QStringLiteral("tubeType") << QStringLiteral("Triode");
    QTest::newRow("heater of another range")
        << QStringLiteral("heatingVoltage") << QStringLiteral("25 V=");
    QTest::newRow("plate current of another meter")
        << QStringLiteral("plateCurrent") << QStringLiteral("Ia=48 mA (150)");
}

void CardReadingTest::printThatContradictsExitsOne()
{
    QFETCH(QString, key);
    QFETCH(QString, text);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString sample = QDir(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR"))
                               .filePath(QStringLiteral("tests/data/tubes/pentode.tds"));
    const Run rendered = runRender({QStringLiteral("--json"), sample}, directory.path());
    QCOMPARE(rendered.exitCode, 0);
    QJsonObject card = QJsonDocument::fromJson(rendered.out.toUtf8()).object();
    QJsonObject texts = card.value(QStringLiteral("texts")).toObject();
    QVERIFY(texts.contains(QStringLiteral("plateVoltage")));
    if (!key.isEmpty())
        texts.insert(key, text);
    card.insert(QStringLiteral("texts"), texts);
    QFile json(directory.filePath(QStringLiteral("card.json")));
    QVERIFY(json.open(QIODevice::WriteOnly));
    json.write(QJsonDocument(card).toJson(QJsonDocument::Compact));
    json.close();

    const Run read
        = runRender({QStringLiteral("--read-json"), json.fileName(), QStringLiteral("--json"),
                     QStringLiteral("-o"), QStringLiteral("read.tds")},
                    directory.path());
    const QJsonObject report = QJsonDocument::fromJson(read.out.toUtf8()).object();
    const QJsonObject print = report.value(QStringLiteral("print")).toObject();
    const Tube written = TubeData::readTube(directory.filePath(QStringLiteral("read.tds"))).tube;
    if (key.isEmpty()) {
        QCOMPARE(read.exitCode, 0);
        QVERIFY2(report.value(QStringLiteral("unknownFields")).toArray().size() == 1,
                 qPrintable(read.out)); // only the cap: nothing printed says there is none
        QCOMPARE(written.plateVoltage, 250.0);
        QCOMPARE(written.name, QStringLiteral("EL84"));
        return;
    }
    QCOMPARE(read.exitCode, 1);
    QCOMPARE(print.value(key).toObject().value(QStringLiteral("use")).toString(),
             QStringLiteral("contradiction"));
    const CardReading::Outcome holesOnly
        = CardCheck::read(HoleInput::fromJson(rendered.out.toUtf8()).holes, -1);
    if (key == QLatin1String("plateVoltage"))
        QCOMPARE(written.plateVoltage, formEntry(holesOnly.form, key)->toDouble());
    if (key == QLatin1String("socket"))
        QCOMPARE(written.socket, holesOnly.socket); // the most likely, as without a print
    QCOMPARE(cardOf(written).holes, HoleInput::fromJson(rendered.out.toUtf8()).holes);
}

// Read with the card's print, the window takes the name, the socket and the
// exact values, and marks none of them as unknown.
void CardReadingTest::windowTakesThePrint()
{
    const QString sample = QDir(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR"))
                               .filePath(QStringLiteral("tests/data/tubes/triode.tds"));
    Lochkartor source;
    QVERIFY(source.loadTubeData(sample));
    const Card card = cardOf(source.tube());
    Lochkartor window;
    Dialogs::Script::answerCardHoles({card.holes, -1, perfectPrint(card)});
    window.findChild<QAction *>(QStringLiteral("readCardAction"))->trigger();
    QCOMPARE(window.tube().name, source.tube().name);
    QCOMPARE(window.tube().socket, source.tube().socket);
    QCOMPARE(window.cards().punchedHoles(), card.holes);
    QCOMPARE(cardOf(window.tube()).texts, card.texts);
    // At most the cap: without a note, the card does not say there is none.
    QVERIFY(window.unknownFieldCount() <= 1);
}

QTEST_MAIN(CardReadingTest)
#include "tst_card_reading.moc"
