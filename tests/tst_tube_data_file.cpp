#include "dialogs.h"
#include "form_edits.h"
#include "testsupport_window.h"
#include "tube_data_keys.h"

#include <QBuffer>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

namespace {

// A tube data file as "group/key=value" lines, in file order.
using IniLines = QStringList;

// "[group] key=value key=value [group] ..." as lines.
IniLines fileLines(const char *compact)
{
    IniLines lines;
    QString group;
    for (const QString &word : QString::fromUtf8(compact).split(' ', Qt::SkipEmptyParts)) {
        if (word.startsWith('['))
            group = word.mid(1, word.size() - 2);
        else
            lines << group + '/' + word;
    }
    return lines;
}

// The files of five tubes, as the program saves them. The edits
// below produce exactly these.
const IniLines acPentodeOnNoval
    = fileLines("[format] version=1 [genericTubeData] tubeName=EL84 socket=10 genericTubeType=3 "
                "heatingMethod=0 heatingVoltage=3 heatingCurrent=0.76 [pinout] pinCount=9 "
                "pin1function=10 pin2function=5 pin3function=2 pin4function=1 pin5function=0 "
                "pin6function=10 pin7function=6 pin8function=10 pin9function=7 capFunction=0 "
                "[operatingPoint] plateVoltage=250 screenVoltage=250 gridVoltage=-7.5 "
                "cathodeResistor=0 cathodeCap=0 [desiredValues] plateCurrent=48 screenCurrent=5.5 "
                "transconductance=11.3 [isolationCheck] isotestVoltage=1 isotestRange=2");
const char *const acPentodeOnNovalEdits
    = "tubeName=EL84; socket=10; genericTubeType=3; heatingMethod=0; heatingVoltageAC=3;"
      "heatingCurrent=0.76; pin1Function=10; pin2Function=5; pin3Function=2; pin4Function=1;"
      "pin5Function=0; pin6Function=10; pin7Function=6; pin8Function=10; pin9Function=7;"
      "capFunction=0; plateVoltage=250; screenVoltage=250; gridVoltage=-7.5;"
      "cathodeResistor=0; cathodeCap=0; plateCurrent=48; screenCurrent=5.5;"
      "transconductance=11.3; isotestVolage=1; isotestRange=2";

const IniLines dcTriodeOnSevenPins
    = fileLines("[format] version=1 [genericTubeData] tubeName=6C4 socket=9 genericTubeType=1 "
                "heatingMethod=2 heatingVoltage=6.3 heatingCurrent=0.15 [pinout] pinCount=7 "
                "pin1function=6 pin2function=10 pin3function=1 pin4function=0 pin5function=10 "
                "pin6function=5 pin7function=2 capFunction=0 [operatingPoint] plateVoltage=250 "
                "gridVoltage=0 cathodeResistor=3 cathodeCap=2 [desiredValues] plateCurrent=10.5 "
                "transconductance=2.2 [isolationCheck] isotestVoltage=0 isotestRange=1");
const char *const dcTriodeOnSevenPinsEdits
    = "tubeName=6C4; socket=9; genericTubeType=1; heatingMethod=2; heatingVoltage=6.3;"
      "heatingCurrent=0.15; pin1Function=6; pin3Function=1; pin4Function=0; pin6Function=5;"
      "pin7Function=2; plateVoltage=250; gridVoltage=0; cathodeResistor=3; cathodeCap=2;"
      "plateCurrent=10.5; transconductance=2.2; isotestVolage=0; isotestRange=1";

// A battery pentode on the Septar socket, whose pin 5 reaches no tester line.
const IniLines directlyHeatedPentodeOnSeptar
    = fileLines("[format] version=1 [genericTubeData] tubeName=DF91 socket=0 genericTubeType=3 "
                "heatingMethod=3 heatingVoltage=1.4 heatingCurrent=0.05 [pinout] pinCount=7 "
                "pin1function=1 pin2function=6 pin3function=7 pin4function=5 pin5function=-1 "
                "pin6function=8 pin7function=10 capFunction=1 [operatingPoint] plateVoltage=90 "
                "screenVoltage=67.5 gridVoltage=0 cathodeResistor=0 cathodeCap=0 [desiredValues] "
                "plateCurrent=3.5 screenCurrent=1.4 transconductance=0.9 [isolationCheck] "
                "isotestVoltage=0 isotestRange=0");
const char *const directlyHeatedPentodeOnSeptarEdits
    = "tubeName=DF91; socket=0; genericTubeType=3; heatingMethod=3; heatingVoltage=1.4;"
      "heatingCurrent=0.05; pin1Function=1; pin2Function=6; pin3Function=7; pin4Function=5;"
      "pin6Function=8; capFunction=1; plateVoltage=90; screenVoltage=67.5; gridVoltage=0;"
      "plateCurrent=3.5; screenCurrent=1.4; transconductance=0.9; isotestVolage=0;"
      "isotestRange=0";

const IniLines rectifierOnOctal
    = fileLines("[format] version=1 [genericTubeData] tubeName=5Y3 socket=3 genericTubeType=8 "
                "heatingMethod=0 heatingVoltage=3 heatingCurrent=2 [pinout] pinCount=8 "
                "pin1function=10 pin2function=0 pin3function=10 pin4function=6 pin5function=10 "
                "pin6function=7 pin7function=10 pin8function=9 capFunction=0 [operatingPoint] "
                "rectPlateVoltage=1 rectLoadResistor=2 rectCap=1 plateVoltage=5 [desiredValues] "
                "rectCurrent=125 "
                "[isolationCheck] isotestVoltage=1 isotestRange=1");
const char *const rectifierOnOctalEdits
    = "tubeName=5Y3; socket=3; genericTubeType=8; heatingMethod=0; heatingVoltageAC=3;"
      "heatingCurrent=2; pin2Function=0; pin4Function=6; pin6Function=7; pin8Function=9;"
      "rectPlateVoltage=1; rectLoadResistor=2; rectCap=1; rectCurrent=125; isotestVolage=1;"
      "isotestRange=1";

const IniLines glowStabiliserOnUx5
    = fileLines("[format] version=1 [genericTubeData] tubeName=150C2 socket=4 genericTubeType=7 "
                "[pinout] pinCount=5 pin1function=6 pin2function=2 pin3function=10 pin4function=10 "
                "pin5function=10 capFunction=0 [operatingPoint] plateVoltage=150 cathodeResistor=0 "
                "cathodeCap=0 [desiredValues] plateCurrent=20 [isolationCheck] isotestVoltage=1 "
                "isotestRange=0");
const char *const glowStabiliserOnUx5Edits
    = "tubeName=150C2; socket=4; genericTubeType=7; pin1Function=6; pin2Function=2;"
      "plateVoltage=150; plateCurrent=20; isotestVolage=1; isotestRange=0";

// Replaces or adds "group/key=value" lines; "group/key" alone removes it.
IniLines changed(IniLines lines, const QStringList &changes)
{
    for (const QString &change : changes) {
        const QString key = change.section(QLatin1Char('='), 0, 0);
        const bool remove = !change.contains(QLatin1Char('='));
        bool found = false;
        for (int i = lines.size() - 1; i >= 0; --i) {
            if (lines.at(i).section(QLatin1Char('='), 0, 0) != key)
                continue;
            found = true;
            if (remove)
                lines.removeAt(i);
            else
                lines[i] = change;
        }
        if (!found && !remove)
            lines.append(change);
    }
    return lines;
}

// INI text with one section per group, in the order the groups first appear.
QByteArray iniText(const IniLines &lines)
{
    QStringList groups;
    for (const QString &line : lines) {
        const QString group = line.section(QLatin1Char('/'), 0, 0);
        if (!groups.contains(group))
            groups << group;
    }
    QByteArray text;
    for (const QString &group : groups) {
        text += '[' + group.toUtf8() + "]\n";
        for (const QString &line : lines) {
            if (line.section(QLatin1Char('/'), 0, 0) == group)
                text += line.section(QLatin1Char('/'), 1).toUtf8() + '\n';
        }
        text += '\n';
    }
    return text;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lines of a saved file as "group/key=value", the values exactly as
// they stand in the file.
IniLines storedLines(const QString &path)
{
    IniLines lines;
    QString group;
    for (const QByteArray &raw : fileContent(path).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            group = line.mid(1, line.size() - 2);
        else if (!line.isEmpty())
            lines << group + QLatin1Char('/') + line;
    }
    lines.sort();
    return lines;
}

IniLines sorted(IniLines lines)
{
    lines.sort();
    return lines;
}

QString fieldText(const Lochkartor &window, const QString &name)
{
    QWidget *field = window.findChild<QWidget *>(name);
    if (auto *line = qobject_cast<QLineEdit *>(field))
        return line->text();
    if (auto *box = qobject_cast<QComboBox *>(field))
        return QString::number(box->currentIndex());
    if (auto *spin = qobject_cast<QDoubleSpinBox *>(field))
        return QString::number(spin->value());
    qFatal("no form field named %s", qPrintable(name));
    return QString();
}

QString messageTexts()
{
    QStringList texts;
    for (const Dialogs::Record &record : Dialogs::Script::messages())
        texts << record.caption + QStringLiteral(": ") + record.text;
    return texts.join(QLatin1Char('\n'));
}

IniLines baseFile(const QString &name)
{
    static const QMap<QString, IniLines> files = {
        {"pentode", acPentodeOnNoval},
        {"triode", dcTriodeOnSevenPins},
        {"rectifier", rectifierOnOctal},
        {"glow stabiliser", glowStabiliserOnUx5},
        {"battery pentode", directlyHeatedPentodeOnSeptar},
    };
    Q_ASSERT(files.contains(name));
    return files.value(name);
}

// A window that differs from a fresh one in nearly every field, so a test
// sees whether a load changed something.
void editAwayFromDefaults(Lochkartor &window)
{
    FormEdits::edit(window, QString::fromLatin1(directlyHeatedPentodeOnSeptarEdits));
}

} // namespace

class TubeDataFileTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keyTableMatchesTheFormLists();
    void savedKeysFollowTheTube_data();
    void savedKeysFollowTheTube();
    void savingMergesIntoAnExistingFileAndAddsNoSuffix();
    void unwritableTargetIsReported_data();
    void unwritableTargetIsReported();
    void roundTripRestoresFormAndCards_data();
    void roundTripRestoresFormAndCards();
    void missingKeysAreRefused_data();
    void missingKeysAreRefused();
    void rectifierWithoutPlateVoltageLoads();
    void emptiedPinLeavesNoWiring_data();
    void emptiedPinLeavesNoWiring();
    void otherVersionsAreRefused_data();
    void otherVersionsAreRefused();
    void unreadableFilesAreRefused_data();
    void unreadableFilesAreRefused();
    void impossibleValuesAreRefused_data();
    void impossibleValuesAreRefused();
    void keysTheTubeDoesNotHaveAreIgnored_data();
    void keysTheTubeDoesNotHaveAreIgnored();
    void loadedNumbersAreClampedByTheForm_data();
    void loadedNumbersAreClampedByTheForm();
    void loadingWithoutMessageBoxGivesTheReason_data();
    void loadingWithoutMessageBoxGivesTheReason();
    void dataButtonsAskInTheHomeDirectory_data();
    void dataButtonsAskInTheHomeDirectory();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString writeTubeFile(const IniLines &lines, const QString &name = "tube.tds");

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TubeDataFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    TestSupport::isolateSettings();
    Dialogs::Script::begin();
}

void TubeDataFileTest::cleanup()
{
    Dialogs::Script::end();
}

QString TubeDataFileTest::writeTubeFile(const IniLines &lines, const QString &name)
{
    writeFile(path(name), iniText(lines));
    return path(name);
}

// The indexes a file may hold are those the form's lists offer.
void TubeDataFileTest::keyTableMatchesTheFormLists()
{
    Lochkartor window;
    for (const TubeData::Key &key : TubeData::keys()) {
        if (key.kind != TubeData::Kind::Index)
            continue;
        // A pin box lists the eleven functions of its tester line.
        const char *field = key.pin ? "pin1Function" : key.field;
        const auto *box = TestSupport::widget<QComboBox>(window, field);
        QVERIFY2(key.lastIndex == box->count() - 1, key.name);
    }
}

void TubeDataFileTest::savedKeysFollowTheTube_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<IniLines>("expected");
    QTest::newRow("AC-heated pentode, 9 pins")
        << QString::fromLatin1(acPentodeOnNovalEdits) << acPentodeOnNoval;
    QTest::newRow("DC-heated triode, 7 pins")
        << QString::fromLatin1(dcTriodeOnSevenPinsEdits) << dcTriodeOnSevenPins;
    QTest::newRow("directly heated pentode, pin without line")
        << QString::fromLatin1(directlyHeatedPentodeOnSeptarEdits) << directlyHeatedPentodeOnSeptar;
    QTest::newRow("rectifier") << QString::fromLatin1(rectifierOnOctalEdits) << rectifierOnOctal;
    QTest::newRow("glow stabiliser")
        << QString::fromLatin1(glowStabiliserOnUx5Edits) << glowStabiliserOnUx5;
}

void TubeDataFileTest::savedKeysFollowTheTube()
{
    QFETCH(QString, edits);
    QFETCH(IniLines, expected);
    Lochkartor window;
    FormEdits::edit(window, edits);

    QVERIFY(window.saveTubeData(path("tube.tds")));

    QCOMPARE(storedLines(path("tube.tds")), sorted(expected));
    QVERIFY(Dialogs::Script::messages().isEmpty());
}

void TubeDataFileTest::savingMergesIntoAnExistingFileAndAddsNoSuffix()
{
    const IniLines earlier = {"format/version=1", "operatingPoint/rectCap=1", "notes/comment=kept",
                              "genericTubeData/tubeName=OLD"};
    writeTubeFile(earlier, "tube");
    Lochkartor window;
    FormEdits::edit(window, QString::fromLatin1(dcTriodeOnSevenPinsEdits));

    QVERIFY(window.saveTubeData(path("tube")));

    QCOMPARE(
        storedLines(path("tube")),
        sorted(dcTriodeOnSevenPins + IniLines{"operatingPoint/rectCap=1", "notes/comment=kept"}));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"tube"});
}

void TubeDataFileTest::unwritableTargetIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("folder that cannot exist") << "plain/tube.tds";
    QTest::newRow("name of a folder") << "folder.tds";
    QTest::newRow("file that is no data file") << "letter.tds";
}

void TubeDataFileTest::unwritableTargetIsReported()
{
    QFETCH(QString, name);
    writeFile(path("plain"), "a file, not a folder");
    QVERIFY(QDir(m_dir->path()).mkpath("folder.tds"));
    const QByteArray letter = "Dear tester,\nplease punch my card.\n";
    writeFile(path("letter.tds"), letter);
    Lochkartor window;
    FormEdits::edit(window, QString::fromLatin1(acPentodeOnNovalEdits));

    QVERIFY(!window.saveTubeData(path(name)));

    QCOMPARE(Dialogs::Script::messages().size(), 1);
    QCOMPARE(Dialogs::Script::messages().first().caption,
             QStringLiteral("Daten nicht gespeichert"));
    QVERIFY2(
        Dialogs::Script::messages().first().text.contains(QDir::toNativeSeparators(path(name))),
        qPrintable(messageTexts()));
    QCOMPARE(fileContent(path("letter.tds")), letter);
    QCOMPARE(fileContent(path("plain")), QByteArray("a file, not a folder"));
}

void TubeDataFileTest::roundTripRestoresFormAndCards_data()
{
    QTest::addColumn<int>("tubeType");
    QTest::addColumn<int>("socket");
    // Sockets with 3, 7 (one pin without a tester line) and 9 pins.
    for (int tubeType = 0; tubeType <= 9; ++tubeType) {
        for (int socket : {2, 0, 10})
            QTest::addRow("type %d, socket %d", tubeType, socket) << tubeType << socket;
    }
}

// Whatever the user entered comes back from the file with the same holes on
// both cards, the same texts, fields, limits and check colours.
void TubeDataFileTest::roundTripRestoresFormAndCards()
{
    QFETCH(int, tubeType);
    QFETCH(int, socket);
    Lochkartor original;
    FormEdits::edit(original, QStringLiteral("tubeName=T%1-S%2; socket=%2; genericTubeType=%1")
                                  .arg(tubeType)
                                  .arg(socket));
    if (original.hasHeater()) {
        // A rectifier offers only the indirectly heated methods.
        const int method
            = original.isRectifier() ? (tubeType + socket) % 2 * 2 : (tubeType + socket) % 4;
        FormEdits::edit(original, QStringLiteral("heatingMethod=%1").arg(method));
        FormEdits::edit(original, method < 2
                                      ? QStringLiteral("heatingVoltageAC=%1").arg(tubeType % 8)
                                      : QStringLiteral("heatingVoltage=%1").arg(1.5 + tubeType));
        FormEdits::edit(original, QStringLiteral("heatingCurrent=0.3"));
    }
    FormEdits::wireAllPins(original);
    FormEdits::edit(original, QStringLiteral("capFunction=%1").arg(tubeType % 4));
    if (original.isRectifier()) {
        FormEdits::edit(original, QStringLiteral("rectPlateVoltage=2; rectLoadResistor=3;"
                                                 "rectCap=1; rectCurrent=120"));
    } else {
        FormEdits::edit(original, QStringLiteral("plateVoltage=%1; cathodeResistor=%2;"
                                                 "cathodeCap=%3; plateCurrent=12.5")
                                      .arg(200 + tubeType)
                                      .arg(tubeType + 1)
                                      .arg(socket % 3));
        if (original.hasScreenGrid())
            FormEdits::edit(original, QStringLiteral("screenVoltage=150; screenCurrent=3.5"));
        // A fixed grid bias and a cathode resistor exclude each other.
        if (original.hasControlGrid())
            FormEdits::edit(original, QStringLiteral("gridVoltage=%1; transconductance=5.6")
                                          .arg(tubeType % 2 ? -2.5 : 0.0));
    }
    FormEdits::edit(original, QStringLiteral("isotestVolage=1; isotestRange=3"));
    QVERIFY(original.saveTubeData(path("tube.tds")));

    Lochkartor loaded;
    QVERIFY2(loaded.loadTubeData(path("tube.tds")), qPrintable(messageTexts()));

    QCOMPARE(FormEdits::snapshot(loaded), FormEdits::snapshot(original));
    QVERIFY(TestSupport::cardsAgree(loaded.cards()));
}

void TubeDataFileTest::missingKeysAreRefused_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("key");
    QTest::newRow("tube name") << "pentode"
                               << "genericTubeData/tubeName";
    QTest::newRow("cathode capacitor") << "triode"
                                       << "operatingPoint/cathodeCap";
    QTest::newRow("AC heating tap") << "pentode"
                                    << "genericTubeData/heatingVoltage";
    QTest::newRow("heating current") << "pentode"
                                     << "genericTubeData/heatingCurrent";
    QTest::newRow("pin function") << "pentode"
                                  << "pinout/pin3function";
    QTest::newRow("cap function") << "pentode"
                                  << "pinout/capFunction";
    QTest::newRow("plate voltage") << "pentode"
                                   << "operatingPoint/plateVoltage";
    QTest::newRow("grid voltage") << "pentode"
                                  << "operatingPoint/gridVoltage";
    QTest::newRow("rectifier current") << "rectifier"
                                       << "desiredValues/rectCurrent";
    QTest::newRow("isolation range") << "pentode"
                                     << "isolationCheck/isotestRange";
}

// A key that every save of this tube writes can only be missing from a
// damaged file; loading its default would give another card than the one
// that was saved.
void TubeDataFileTest::missingKeysAreRefused()
{
    QFETCH(QString, base);
    QFETCH(QString, key);
    Lochkartor window;
    editAwayFromDefaults(window);
    const QStringList before = FormEdits::snapshot(window);
    const QString file = writeTubeFile(changed(baseFile(base), {key}));

    QVERIFY(!window.loadTubeData(file));

    QCOMPARE(FormEdits::snapshot(window), before);
    QCOMPARE(Dialogs::Script::messages().size(), 1);
    const Dialogs::Record message = Dialogs::Script::messages().first();
    QCOMPARE(message.caption, QStringLiteral("Datei nicht lesbar"));
    QVERIFY2(message.text.contains(QStringLiteral("Der Schlüssel %1 fehlt.").arg(key)),
             qPrintable(message.text));
}

// Files of earlier versions of the program hold no plate voltage for a
// rectifier; they load, and the field shows the fresh form's value.
void TubeDataFileTest::rectifierWithoutPlateVoltageLoads()
{
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("plateVoltage=120"));
    const QString file = writeTubeFile(changed(rectifierOnOctal, {"operatingPoint/plateVoltage"}));

    QVERIFY2(window.loadTubeData(file), qPrintable(messageTexts()));

    QCOMPARE(fieldText(window, "plateVoltage"), QStringLiteral("5"));
    QVERIFY(Dialogs::Script::messages().isEmpty());
}

void TubeDataFileTest::emptiedPinLeavesNoWiring_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("no function") << "pinout/pin7function=-1";
    QTest::newRow("no function, quoted") << "pinout/pin7function=\"-1\"";
}

// Loading over a tube that had the pin wired: an empty pin box must not
// leave the wiring of its line on the card.
void TubeDataFileTest::emptiedPinLeavesNoWiring()
{
    QFETCH(QString, change);
    const QString file = writeTubeFile(changed(acPentodeOnNoval, {change}));
    Lochkartor window;
    FormEdits::edit(window, QString::fromLatin1(acPentodeOnNovalEdits));
    Lochkartor fresh;

    QVERIFY(window.loadTubeData(file));
    QVERIFY(fresh.loadTubeData(file));

    QCOMPARE(fieldText(window, "pin7Function"), QStringLiteral("-1"));
    QCOMPARE(TestSupport::holesText(window.cards().punchedHoles()),
             TestSupport::holesText(fresh.cards().punchedHoles()));
    QVERIFY(TestSupport::cardsAgree(window.cards()));
}

void TubeDataFileTest::otherVersionsAreRefused_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("version 2") << iniText(changed(acPentodeOnNoval, {"format/version=2"}));
    QTest::newRow("version in words")
        << iniText(changed(acPentodeOnNoval, {"format/version=eins"}));
    QTest::newRow("version 1.5") << iniText(changed(acPentodeOnNoval, {"format/version=1.5"}));
}

void TubeDataFileTest::otherVersionsAreRefused()
{
    QFETCH(QByteArray, content);
    Lochkartor window;
    editAwayFromDefaults(window);
    const QStringList before = FormEdits::snapshot(window);
    writeFile(path("tube.tds"), content);

    QVERIFY(!window.loadTubeData(path("tube.tds")));

    QCOMPARE(Dialogs::Script::messages().size(), 1);
    const Dialogs::Record message = Dialogs::Script::messages().first();
    QCOMPARE(message.caption, QStringLiteral("Ungültige Version"));
    QCOMPARE(message.text, QStringLiteral("Diese Dateiversion wird nicht unterstützt"));
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Cancel));
    QCOMPARE(FormEdits::snapshot(window), before);
}

void TubeDataFileTest::unreadableFilesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "missing.tds";
    QTest::newRow("a folder") << "folder.tds";
    QTest::newRow("damaged file") << "damaged.tds";
}

void TubeDataFileTest::unreadableFilesAreRefused()
{
    QFETCH(QString, name);
    QVERIFY(QDir(m_dir->path()).mkpath("folder.tds"));
    writeFile(path("damaged.tds"), "[format]\nversion=1\n[genericTubeData\nsocket=3\n");
    Lochkartor window;
    editAwayFromDefaults(window);
    const QStringList before = FormEdits::snapshot(window);

    QVERIFY(!window.loadTubeData(path(name)));

    QCOMPARE(Dialogs::Script::messages().size(), 1);
    QCOMPARE(Dialogs::Script::messages().first().caption, QStringLiteral("Datei nicht lesbar"));
    QVERIFY2(
        Dialogs::Script::messages().first().text.contains(QDir::toNativeSeparators(path(name))),
        qPrintable(messageTexts()));
    QCOMPARE(FormEdits::snapshot(window), before);
}

void TubeDataFileTest::impossibleValuesAreRefused_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("badKey");
    auto row = [](const char *name, const char *base, const QStringList &changes) {
        QTest::newRow(name) << base << changes << changes.first().section('=', 0, 0);
    };
    row("socket beyond the list", "pentode", {"genericTubeData/socket=24"});
    row("negative socket", "pentode", {"genericTubeData/socket=-1"});
    row("tube type beyond the list", "pentode", {"genericTubeData/genericTubeType=10"});
    row("heating method beyond the list", "pentode", {"genericTubeData/heatingMethod=4"});
    row("directly heated rectifier", "rectifier", {"genericTubeData/heatingMethod=3"});
    row("AC tap beyond the list", "pentode", {"genericTubeData/heatingVoltage=8"});
    row("AC tap given as a voltage", "pentode", {"genericTubeData/heatingVoltage=6.3"});
    row("pin function beyond the list", "pentode", {"pinout/pin5function=11"});
    row("pin function below -1", "pentode", {"pinout/pin2function=-2"});
    // Pin 5 of the Noval socket reaches line 7, which carries only the
    // heater minus; pin 5 of the Septar socket reaches no line at all.
    row("pin function its line cannot carry", "pentode", {"pinout/pin5function=6"});
    row("pin function on a pin without a line", "battery pentode", {"pinout/pin5function=2"});
    row("cap function beyond the list", "pentode", {"pinout/capFunction=4"});
    row("cathode resistor beyond the list", "pentode", {"operatingPoint/cathodeResistor=15"});
    row("cathode capacitor beyond the list", "triode", {"operatingPoint/cathodeCap=3"});
    row("rectifier voltage beyond the list", "rectifier", {"operatingPoint/rectPlateVoltage=3"});
    row("rectifier load beyond the list", "rectifier", {"operatingPoint/rectLoadResistor=5"});
    row("rectifier capacitor beyond the list", "rectifier", {"operatingPoint/rectCap=2"});
    row("isolation voltage beyond the list", "glow stabiliser",
        {"isolationCheck/isotestVoltage=2"});
    row("isolation range beyond the list", "pentode", {"isolationCheck/isotestRange=5"});
    row("index in words", "pentode", {"genericTubeData/socket=Noval"});
    row("index with a fraction", "pentode", {"pinout/capFunction=1.5"});
    row("empty index", "triode", {"pinout/pin7function="});
    row("voltage in words", "pentode", {"operatingPoint/plateVoltage=hoch"});
    row("voltage not a number", "pentode", {"operatingPoint/plateVoltage=nan"});
    row("voltage infinite", "pentode", {"operatingPoint/gridVoltage=-inf"});
    row("voltage as a list", "triode", {"operatingPoint/plateVoltage=1,5"});
    row("DC heating voltage infinite", "triode", {"genericTubeData/heatingVoltage=inf"});
    row("empty current", "pentode", {"genericTubeData/heatingCurrent="});
    row("rectifier current not a number", "rectifier", {"desiredValues/rectCurrent=NaN"});
    row("first of two bad keys", "pentode",
        {"operatingPoint/cathodeResistor=99", "isolationCheck/isotestRange=99"});
}

// A value that cannot be right stops the whole load before anything of the
// file reaches the form: one message names the file and the key.
void TubeDataFileTest::impossibleValuesAreRefused()
{
    QFETCH(QString, base);
    QFETCH(QStringList, changes);
    QFETCH(QString, badKey);
    Lochkartor window;
    editAwayFromDefaults(window);
    const QStringList before = FormEdits::snapshot(window);
    const QString file = writeTubeFile(changed(baseFile(base), changes));

    QVERIFY(!window.loadTubeData(file));

    QCOMPARE(FormEdits::snapshot(window), before);
    QCOMPARE(Dialogs::Script::messages().size(), 1);
    const Dialogs::Record message = Dialogs::Script::messages().first();
    QCOMPARE(message.caption, QStringLiteral("Ungültige Daten"));
    QVERIFY2(message.text.contains(QDir::toNativeSeparators(file)), qPrintable(message.text));
    QVERIFY2(message.text.contains(badKey), qPrintable(message.text));
    for (const QString &change : changes.mid(1))
        QVERIFY2(!message.text.contains(change.section('=', 0, 0)), qPrintable(message.text));
}

void TubeDataFileTest::keysTheTubeDoesNotHaveAreIgnored_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected"); // what a fresh window shows
    QTest::newRow("screen voltage of a triode") << "triode"
                                                << "operatingPoint/screenVoltage=hoch"
                                                << "screenVoltage"
                                                << "5";
    QTest::newRow("pin 8 of a 7-pin socket") << "triode"
                                             << "pinout/pin8function=99"
                                             << "pin8Function"
                                             << "-1";
    QTest::newRow("cathode resistor of a rectifier") << "rectifier"
                                                     << "operatingPoint/cathodeResistor=99"
                                                     << "cathodeResistor"
                                                     << "0";
    QTest::newRow("heating of a glow stabiliser") << "glow stabiliser"
                                                  << "genericTubeData/heatingMethod=9"
                                                  << "heatingMethod"
                                                  << "0";
    QTest::newRow("rectifier capacitor of a pentode") << "pentode"
                                                      << "operatingPoint/rectCap=0"
                                                      << "rectCap"
                                                      << "0";
    QTest::newRow("pin count, never read") << "pentode"
                                           << "pinout/pinCount=viele"
                                           << "tubeName"
                                           << "EL84";
}

// A load starts from a fresh form, so a field whose key the tube does not
// have shows the fresh form's value, never the window's earlier one.
void TubeDataFileTest::keysTheTubeDoesNotHaveAreIgnored()
{
    QFETCH(QString, base);
    QFETCH(QString, change);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("plateVoltage=120; screenVoltage=100; socket=10;"
                                           "pin8Function=6; heatingMethod=1; rectCap=1"));
    const QString file = writeTubeFile(changed(baseFile(base), {change}));

    QVERIFY2(window.loadTubeData(file), qPrintable(messageTexts()));

    QCOMPARE(fieldText(window, field), expected);
}

void TubeDataFileTest::loadedNumbersAreClampedByTheForm_data()
{
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("screen voltage above the loaded plate voltage")
        << QStringList{"operatingPoint/plateVoltage=20", "operatingPoint/screenVoltage=200"}
        << "screenVoltage"
        << "20";
    QTest::newRow("plate current above the range of a low plate voltage")
        << QStringList{"operatingPoint/plateVoltage=20", "desiredValues/plateCurrent=80"}
        << "plateCurrent"
        << "50";
    QTest::newRow("heating current above the limit of the 15 V tap")
        << QStringList{"genericTubeData/heatingVoltage=7", "genericTubeData/heatingCurrent=2.5"}
        << "heatingCurrent"
        << "1.3";
    QTest::newRow("grid voltage below the form's limit")
        << QStringList{"operatingPoint/gridVoltage=-100"} << "gridVoltage"
        << "-65.5";
    QTest::newRow("negative plate voltage")
        << QStringList{"operatingPoint/plateVoltage=-5"} << "plateVoltage"
        << "5";
}

void TubeDataFileTest::loadedNumbersAreClampedByTheForm()
{
    QFETCH(QStringList, changes);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    Lochkartor window;
    const QString file = writeTubeFile(changed(acPentodeOnNoval, changes));

    QVERIFY2(window.loadTubeData(file), qPrintable(messageTexts()));

    QCOMPARE(fieldText(window, field), expected);
}

void TubeDataFileTest::loadingWithoutMessageBoxGivesTheReason_data()
{
    QTest::addColumn<QStringList>("changes");
    QTest::addColumn<QString>("reasonMentions"); // empty: the file loads
    QTest::newRow("good file") << QStringList() << QString();
    QTest::newRow("bad index") << QStringList{"operatingPoint/cathodeCap=7"}
                               << "operatingPoint/cathodeCap";
    QTest::newRow("other version")
        << QStringList{"format/version=3"} << "Diese Dateiversion wird nicht unterstützt";
}

void TubeDataFileTest::loadingWithoutMessageBoxGivesTheReason()
{
    QFETCH(QStringList, changes);
    QFETCH(QString, reasonMentions);
    Lochkartor window;
    const QString file = writeTubeFile(changed(acPentodeOnNoval, changes));

    const QString reason = window.loadTubeDataOrError(file);

    QVERIFY(Dialogs::Script::messages().isEmpty());
    if (reasonMentions.isEmpty()) {
        QCOMPARE(reason, QString());
        QCOMPARE(fieldText(window, "tubeName"), QStringLiteral("EL84"));
    } else {
        QVERIFY2(reason.contains(reasonMentions), qPrintable(reason));
        QCOMPARE(fieldText(window, "tubeName"), QString());
    }
}

void TubeDataFileTest::dataButtonsAskInTheHomeDirectory_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("chooseFile");
    QTest::addColumn<int>("dialogKind");
    QTest::addColumn<QString>("caption");
    QTest::newRow("save") << "saveDataButton" << true << int(Dialogs::Record::SaveFile)
                          << "Daten speichern";
    QTest::newRow("save cancelled")
        << "saveDataButton" << false << int(Dialogs::Record::SaveFile) << "Daten speichern";
    QTest::newRow("load") << "loadDataButton" << true << int(Dialogs::Record::OpenFile)
                          << "Daten laden";
    QTest::newRow("load cancelled")
        << "loadDataButton" << false << int(Dialogs::Record::OpenFile) << "Daten laden";
}

void TubeDataFileTest::dataButtonsAskInTheHomeDirectory()
{
    QFETCH(QString, button);
    QFETCH(bool, chooseFile);
    QFETCH(int, dialogKind);
    QFETCH(QString, caption);
    const bool saving = dialogKind == Dialogs::Record::SaveFile;
    if (!saving)
        writeTubeFile(acPentodeOnNoval, "chosen.tds");
    Lochkartor window;
    FormEdits::edit(window, QString::fromLatin1(dcTriodeOnSevenPinsEdits));
    const QStringList before = FormEdits::snapshot(window);
    if (chooseFile)
        Dialogs::Script::answerFileName(path("chosen.tds"));
    // Loading over the edited form first asks whether to save it.
    if (!saving)
        Dialogs::Script::answerAskToSave(Dialogs::SaveAnswer::Discard);

    TestSupport::widget<QPushButton>(window, qPrintable(button))->click();

    QList<Dialogs::Record> dialogs = Dialogs::Script::records();
    if (!saving)
        QCOMPARE(int(dialogs.takeFirst().kind), int(Dialogs::Record::AskToSave));
    QCOMPARE(dialogs.size(), 1);
    const Dialogs::Record dialog = dialogs.first();
    QCOMPARE(int(dialog.kind), dialogKind);
    QCOMPARE(dialog.caption, caption);
    // The first dialog opens in the home folder; saving suggests the tube name.
    QCOMPARE(dialog.directory,
             saving ? QDir::homePath() + QStringLiteral("/6C4.tds") : QDir::homePath());
    QCOMPARE(dialog.filter, QStringLiteral("*.tds"));
    if (saving) {
        QCOMPARE(QFileInfo::exists(path("chosen.tds")), chooseFile);
        if (chooseFile)
            QCOMPARE(storedLines(path("chosen.tds")), sorted(dcTriodeOnSevenPins));
    } else if (chooseFile) {
        QCOMPARE(fieldText(window, "tubeName"), QStringLiteral("EL84"));
    }
    if (!chooseFile || saving)
        QCOMPARE(FormEdits::snapshot(window), before);
}

QTEST_MAIN(TubeDataFileTest)
#include "tst_tube_data_file.moc"
