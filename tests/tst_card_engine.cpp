// The card engine against the window: a tube data file loaded in the window
// and the engine's card of the same file agree on every hole, every text,
// every check colour and every value of the form; and a tube's card survives
// writing its file and reading it back.

#include "cardstate.h"
#include "cardtext_layout.h"
#include "edit_history.h"
#include "form_replay.h"
#include "socket_table.h"
#include "testsupport_window.h"
#include "tube_edit.h"
#include "tube_file.h"
#include "tube_type_table.h"
#include "tubefilegenerator.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>

namespace {

const char *const checkLabels[Validity::CheckCount]
    = {"heaterOK", "cathodeOK", "gridOK", "screenOK", "plateOK"};

QString colourOf(Validity::Verdict verdict)
{
    switch (verdict) {
    case Validity::Verdict::NoSuchElectrode:
        return QStringLiteral("grey");
    case Validity::Verdict::Connected:
        return QStringLiteral("lightgreen");
    case Validity::Verdict::NotConnected:
        break;
    }
    return QStringLiteral("red");
}

QWidget *fieldWidget(const Lochkartor &window, TubeField field)
{
    return TestSupport::widget<QWidget>(window, tubeFieldName(field));
}

// The tube the window's form holds, switched-off fields included.
Tube tubeInWindow(const Lochkartor &window)
{
    Tube tube;
    for (int index = 0; index < TubeFieldCount; ++index) {
        const auto field = TubeField(index);
        QWidget *widget = fieldWidget(window, field);
        TubeValue value;
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            value.text = edit->text();
        else if (auto *box = qobject_cast<QComboBox *>(widget))
            value.number = box->currentIndex();
        else if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget))
            value.number = spin->value();
        setValueOf(tube, field, value);
    }
    return tube;
}

// Every difference between the window's card and `card`, one per line.
QStringList differences(const Lochkartor &window, const Card &card)
{
    QStringList found;
    const QString holes = TestSupport::holesText(card.holes);
    if (TestSupport::holesText(window.cards().punchedHoles()) != holes)
        found << QStringLiteral("created holes %1, engine %2")
                     .arg(TestSupport::holesText(window.cards().punchedHoles()), holes);
    if (TestSupport::holesText(window.cards().universalPunchedHoles()) != holes)
        found << QStringLiteral("universal holes %1, engine %2")
                     .arg(TestSupport::holesText(window.cards().universalPunchedHoles()), holes);
    for (int index = 0; index < CardTextCount; ++index) {
        const auto text = CardText(index);
        const CardTextValue &engine = card.text(text);
        if (window.cards().text(text) != engine.content
            || window.cards().isTextVisible(text) != engine.visible)
            found << QStringLiteral("text %1: window \"%2\" %3, engine \"%4\" %5")
                         .arg(QLatin1String(cardTextKey(text)), window.cards().text(text))
                         .arg(window.cards().isTextVisible(text))
                         .arg(engine.content)
                         .arg(engine.visible);
    }
    const int pointSize = window.cards().textItem(CardText::TubeName)->font().pointSize();
    if (pointSize != card.tubeNamePointSize)
        found
            << QStringLiteral("name size %1, engine %2").arg(pointSize).arg(card.tubeNamePointSize);
    for (int check = 0; check < Validity::CheckCount; ++check) {
        const Validity::Finding &finding = card.findings[std::size_t(check)];
        const QString colour = TestSupport::checkColour(window, checkLabels[check]);
        if (colour != colourOf(finding.verdict))
            found << QStringLiteral("%1 %2, engine %3")
                         .arg(QLatin1String(checkLabels[check]), colour, colourOf(finding.verdict));
        const QString toolTip = TestSupport::widget<QLabel>(window, checkLabels[check])->toolTip();
        for (const QString &reason : finding.reasons) {
            if (!toolTip.contains(reason))
                found << QStringLiteral("%1 lacks the reason %2")
                             .arg(QLatin1String(checkLabels[check]), reason);
        }
    }
    return found;
}

QStringList fieldDifferences(const Lochkartor &window, const Tube &tube)
{
    QStringList found;
    const Tube shown = tubeInWindow(window);
    for (int index = 0; index < TubeFieldCount; ++index) {
        const auto field = TubeField(index);
        const TubeValue inWindow = valueOf(shown, field);
        const TubeValue inEngine = valueOf(tube, field);
        if (inWindow.text != inEngine.text || inWindow.number != inEngine.number)
            found << QStringLiteral("%1: window %2%3, engine %4%5")
                         .arg(QLatin1String(tubeFieldName(field)), inWindow.text)
                         .arg(inWindow.number)
                         .arg(inEngine.text)
                         .arg(inEngine.number);
        QWidget *widget = fieldWidget(window, field);
        if (widget->isEnabled() != TubeForm::isFieldOn(tube, field))
            found << QStringLiteral("%1 enabled %2, engine %3")
                         .arg(QLatin1String(tubeFieldName(field)))
                         .arg(widget->isEnabled())
                         .arg(TubeForm::isFieldOn(tube, field));
        if (auto *spin = qobject_cast<QDoubleSpinBox *>(widget)) {
            const TubeForm::Limits limits = TubeForm::limits(tube, field);
            if (spin->minimum() != limits.minimum || spin->maximum() != limits.maximum
                || spin->decimals() != limits.decimals)
                found << QStringLiteral("%1 limits %2..%3 (%4), engine %5..%6 (%7)")
                             .arg(QLatin1String(tubeFieldName(field)))
                             .arg(spin->minimum())
                             .arg(spin->maximum())
                             .arg(spin->decimals())
                             .arg(limits.minimum)
                             .arg(limits.maximum)
                             .arg(limits.decimals);
        }
    }
    const TubeForm::Flags flags = TubeForm::flags(tube);
    if (window.isRectifier() != flags.rectifier || window.hasHeater() != flags.heaterPresent
        || window.isDirectlyHeated() != flags.directlyHeated
        || window.hasControlGrid() != flags.controlGrid
        || window.hasScreenGrid() != flags.screenGrid)
        found << QStringLiteral("tube kind flags differ");
    if (window.currentPinCount() != TubeForm::pinCount(tube))
        found << QStringLiteral("pin count differs");
    for (int pin = 1; pin <= window.currentPinCount(); ++pin) {
        if (window.pinLine(pin) != TubeForm::pinLine(tube, pin))
            found << QStringLiteral("line of pin %1 differs").arg(pin);
    }
    return found;
}

double randomIn(QRandomGenerator &random, double low, double high)
{
    return low + (high - low) * random.generateDouble();
}

// Any tube the form can hold, switched-off values and all: lists within
// their rows, numbers anywhere near their fields' ranges.
Tube randomTube(QRandomGenerator &random)
{
    Tube tube;
    tube.name = QStringLiteral("R%1").arg(random.bounded(1000000));
    tube.socket = random.bounded(SocketCount);
    tube.tubeType = random.bounded(TubeTypeCount);
    tube.heatingMethod = tube.tubeType == 8 ? 2 * random.bounded(2) : random.bounded(4);
    tube.heatingTap = random.bounded(8);
    tube.heatingVoltage = randomIn(random, 0, 18);
    tube.heatingCurrent = randomIn(random, 0, 3.5);
    for (int pin = 1; pin <= 9; ++pin) {
        const int line = TubeForm::pinLine(tube, pin);
        QList<int> offered;
        for (int function = 0; function < PinFunction::Count; ++function) {
            if (Wiring::lineHandles(line, function))
                offered << function;
        }
        tube.pinFunctions[std::size_t(pin - 1)]
            = offered.isEmpty() ? -1 : offered.at(random.bounded(int(offered.size())));
    }
    tube.capFunction = random.bounded(4);
    tube.plateVoltage = randomIn(random, 0, 320);
    tube.screenVoltage = randomIn(random, 0, 320);
    tube.gridVoltage = randomIn(random, -70, 5);
    tube.cathodeResistor = random.bounded(15);
    tube.cathodeCap = random.bounded(3);
    tube.rectPlateVoltage = random.bounded(3);
    tube.rectLoadResistor = random.bounded(5);
    tube.rectCap = random.bounded(2);
    tube.plateCurrent = randomIn(random, 0, 110);
    tube.screenCurrent = randomIn(random, 0, 110);
    tube.transconductance = randomIn(random, 0, 110);
    tube.rectCurrent = randomIn(random, 0, 320);
    tube.isotestVoltage = random.bounded(2);
    tube.isotestRange = random.bounded(5);
    return tube;
}

int randomCases()
{
    return TestSupport::underSanitizers ? 60 : 300;
}

} // namespace

class CardEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void freshFormIsFreshWindow();
    void loadedFileShowsEngineCard_data();
    void loadedFileShowsEngineCard();
    void cardSurvivesFileRoundTrip_data();
    void cardSurvivesFileRoundTrip();
    void cardIgnoresSwitchedOffValues();
    void cardIsTheLoadReplayedAfterAnyOtherCard();
    void valuesToSaveAreWindowsValues();
    void cardFollowsTheLanguage();
    void userEditsAreTubeEdits_data();
    void userEditsAreTubeEdits();

private:
    std::unique_ptr<Lochkartor> m_window;
    QTemporaryDir m_dir;
};

void CardEngineTest::initTestCase()
{
    TestSupport::isolateSettings();
    m_window = std::make_unique<Lochkartor>();
    QVERIFY(m_dir.isValid());
}

void CardEngineTest::freshFormIsFreshWindow()
{
    Lochkartor fresh;
    QCOMPARE(differences(fresh, FormReplay().card()).join(QLatin1Char('\n')), QString());
    QCOMPARE(fieldDifferences(fresh, freshTube()).join(QLatin1Char('\n')), QString());
    QCOMPARE(cardOf(freshTube()), FormReplay().card());
    m_window->newDocument();
    QCOMPARE(differences(*m_window, cardOf(freshTube())).join(QLatin1Char('\n')), QString());
}

void CardEngineTest::loadedFileShowsEngineCard_data()
{
    QTest::addColumn<QByteArray>("file");
    const QDir samples(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR")
                       + QStringLiteral("/tests/data/tubes"));
    for (const QString &name : samples.entryList({QStringLiteral("*.tds")}, QDir::Files))
        QTest::newRow(qPrintable(name)) << TestSupport::readAll(samples.filePath(name));
    TubeFileGenerator generator(2121);
    for (int index = 0; index < randomCases(); ++index)
        QTest::addRow("valid %d", index) << generator.validFile();
    // Damaged and strange files: the engine refuses what the window refuses.
    for (int index = 0; index < randomCases() / 3; ++index)
        QTest::addRow("any %d", index) << generator.next();
}

void CardEngineTest::loadedFileShowsEngineCard()
{
    QFETCH(QByteArray, file);
    const QString path = m_dir.filePath(QStringLiteral("tube.tds"));
    QVERIFY(TestSupport::writeAll(path, file));

    std::vector<TubeData::Adjustment> windowAdjusted;
    const TubeData::Problem problem = m_window->loadTubeDataQuietly(path, &windowAdjusted);
    const TubeData::LoadedTube loaded = TubeData::readTube(path);
    QCOMPARE(loaded.problem.ok(), problem.ok());
    if (!problem.ok())
        return;
    QCOMPARE(TubeData::adjustmentsText(loaded.adjustments),
             TubeData::adjustmentsText(windowAdjusted));
    QCOMPARE(fieldDifferences(*m_window, loaded.tube).join(QLatin1Char('\n')), QString());
    QCOMPARE(differences(*m_window, cardOf(loaded.tube)).join(QLatin1Char('\n')), QString());
}

void CardEngineTest::cardSurvivesFileRoundTrip_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= quint32(randomCases()); ++seed)
        QTest::addRow("tube %u", seed) << seed;
}

// A tube's file holds exactly what its card needs: reading it back gives a
// tube with the same card and the same file.
void CardEngineTest::cardSurvivesFileRoundTrip()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    // Put into a form first, so the values are ones the form can hold.
    FormReplay form;
    const Tube drawn = randomTube(random);
    for (int index = 0; index < TubeFieldCount; ++index)
        form.set(TubeField(index), valueOf(drawn, TubeField(index)));
    const Tube tube = form.tube();

    const QString path = m_dir.filePath(QStringLiteral("round.tds"));
    QFile::remove(path);
    QVERIFY(TubeData::writeTube(path, tube).ok());
    const TubeData::LoadedTube loaded = TubeData::readTube(path);
    QVERIFY(loaded.problem.ok());
    QVERIFY(loaded.adjustments.empty());
    QCOMPARE(TubeData::valuesOf(loaded.tube), TubeData::valuesOf(tube));
    QVERIFY(cardOf(loaded.tube) == cardOf(tube));
    QCOMPARE(
        TubeData::valuesOf(TubeData::tubeOf(TubeData::readBytes(TestSupport::readAll(path))).tube),
        TubeData::valuesOf(tube));
}

// What a switched-off block keeps never reaches the card.
void CardEngineTest::cardIgnoresSwitchedOffValues()
{
    QRandomGenerator random(77);
    for (int round = 0; round < 200; ++round) {
        const Tube tube = randomTube(random);
        Tube changed = tube;
        const Tube other = randomTube(random);
        for (int index = 0; index < TubeFieldCount; ++index) {
            const auto field = TubeField(index);
            const std::vector<TubeField> order = loadOrder(tube);
            if (std::find(order.begin(), order.end(), field) == order.end())
                setValueOf(changed, field, valueOf(other, field));
        }
        QVERIFY(cardOf(changed) == cardOf(tube));
    }
}

// The card of a tube is its values loaded into a fresh form, whichever card
// was worked out before it: most tubes here share their socket and tube type
// with the one before, some their kind only, some nothing.
void CardEngineTest::cardIsTheLoadReplayedAfterAnyOtherCard()
{
    QRandomGenerator random(4711);
    Tube tube = randomTube(random);
    for (int round = 0; round < randomCases(); ++round) {
        const Tube other = randomTube(random);
        const int kept = random.bounded(4);
        for (int index = 0; index < TubeFieldCount; ++index) {
            const auto field = TubeField(index);
            const bool start = field == TubeField::Name || field == TubeField::Socket
                               || field == TubeField::TubeType;
            if (!start || kept == 0 || (kept == 1 && field == TubeField::Name))
                setValueOf(tube, field, valueOf(other, field));
        }
        FormReplay loaded = FormReplay::fresh();
        for (TubeField field : loadOrder(tube))
            loaded.set(field, valueOf(tube, field));
        QVERIFY2(cardOf(tube) == loaded.card(), qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

// The values a save of the engine's tube writes are the window's.
void CardEngineTest::valuesToSaveAreWindowsValues()
{
    TubeFileGenerator generator(4242);
    for (int round = 0; round < randomCases() / 3; ++round) {
        const QString path = m_dir.filePath(QStringLiteral("saved.tds"));
        QVERIFY(TestSupport::writeAll(path, generator.validFile()));
        QVERIFY(m_window->loadTubeDataQuietly(path, nullptr).ok());
        const QString windowPath = m_dir.filePath(QStringLiteral("window.tds"));
        const QString enginePath = m_dir.filePath(QStringLiteral("engine.tds"));
        QFile::remove(windowPath);
        QFile::remove(enginePath);
        QVERIFY(m_window->saveTubeData(windowPath));
        QVERIFY(TubeData::writeTube(enginePath, TubeData::readTube(path).tube).ok());
        QCOMPARE(TestSupport::readAll(enginePath), TestSupport::readAll(windowPath));
    }
}

// The engine keeps a fresh form between cards; after a change of language
// its texts are those of a window built in the new language.
void CardEngineTest::cardFollowsTheLanguage()
{
    const Card german = cardOf(freshTube());
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(LOCHKARTOR_QM_FILE)));
    {
        const TestSupport::InstalledTranslator installed(english);
        Lochkartor window;
        QCOMPARE(differences(window, cardOf(freshTube())).join(QLatin1Char('\n')), QString());
        QVERIFY(cardOf(freshTube()) != german);
    }
    QVERIFY(cardOf(freshTube()) == german);
}

void CardEngineTest::userEditsAreTubeEdits_data()
{
    QTest::addColumn<quint32>("seed");
    const quint32 seeds = TestSupport::underSanitizers ? 10 : 60;
    for (quint32 seed = 1; seed <= seeds; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// A user's edit in the window and the same edit on the window's tube give
// the same tube, and the status bar names every other field it moved.
void CardEngineTest::userEditsAreTubeEdits()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    Lochkartor window;
    const FormWidgets &form = window.editHistory().widgets();
    QStringList session;
    for (int step = 0; step < 30; ++step) {
        const Tube before = tubeInWindow(window);
        const QString edit = randomUserEdit(window, random);
        if (edit.isEmpty())
            continue;
        window.editHistory().settle();
        session << edit;
        const QByteArray where = session.join(QStringLiteral(", ")).toUtf8();
        TubeField field;
        const QString name = edit.section(QLatin1Char('='), 0, 0);
        QVERIFY(tubeFieldNamed(name.toLatin1().constData(), &field));
        TubeValue value;
        value.text = edit.section(QLatin1Char('='), 1);
        value.number = value.text.toDouble();
        const TubeEdit::Outcome outcome = TubeEdit::apply(before, field, value);
        QVERIFY2(tubeInWindow(window) == outcome.tube, where.constData());
        const QString notes = window.statusBar()->currentMessage();
        for (const TubeEdit::Change &change : outcome.changes) {
            const int input = FormSnapshot::indexOf(QLatin1String(tubeFieldName(change.field)));
            QVERIFY2(input >= 0 && notes.contains(form.label(std::size_t(input))),
                     qPrintable(QStringLiteral("%1 not named in \"%2\" after %3")
                                    .arg(QLatin1String(tubeFieldName(change.field)), notes,
                                         QString::fromUtf8(where))));
        }
    }
}

QTEST_MAIN(CardEngineTest)
#include "tst_card_engine.moc"
