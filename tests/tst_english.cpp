// The English translation: the .ts covers every text of the sources with a
// finished translation, and with the compiled translation installed the
// window, its lists, the card texts, the dialogs, the messages and the punch
// list come out in English. The render tool picks the language from the
// locale wherever it is started.

#include "card_report.h"
#include "dialogs.h"
#include "lochkartor.h"
#include "manual_window.h"
#include "program_run.h"
#include "testsupport_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>
#include <set>

namespace {

const char *const context = "Lochkartor";

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<Message> readTs(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString currentContext;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("context")) {
            currentContext.clear();
        } else if (xml.name() == QLatin1String("name")) {
            currentContext = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message();
            message.context = currentContext;
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages << message;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

QString sourceDir()
{
    return qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR");
}

QString tsPath()
{
    return QDir(sourceDir()).filePath(QStringLiteral("translations/lochkartor_en.ts"));
}

// What a text-bearing widget of the window shows, by object name.
QStringList shownTexts(const Lochkartor &window)
{
    QStringList texts;
    // The title is the document's name, then the program's: "Unbenannt[*] –
    // Lochkartor"; only the name is a text to translate.
    const QString name = window.windowTitle().section(QStringLiteral("[*]"), 0, 0);
    texts << QStringLiteral("window title\t") + name;
    for (const QGroupBox *box : window.findChildren<QGroupBox *>())
        texts << box->objectName() + QLatin1Char('\t') + box->title();
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            texts << label->objectName() + QLatin1Char('\t') + label->text();
    }
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        // A toolbar button shows its action's text, which the actions below
        // cover.
        const auto *tool = qobject_cast<const QToolButton *>(button);
        if (tool && tool->defaultAction())
            continue;
        if (!button->text().isEmpty())
            texts << button->objectName() + QLatin1Char('\t') + button->text();
    }
    for (const QMenu *menu : window.findChildren<QMenu *>())
        texts << menu->objectName() + QLatin1Char('\t') + menu->title();
    for (const QAction *action : window.findChildren<QAction *>()) {
        if (action->objectName().isEmpty())
            continue;
        // "Rückgängig: Sockel „12: Noval“" names the step after its own word;
        // the step's text is checked where undo is.
        const bool namesStep = action->objectName() == QLatin1String("undoAction")
                               || action->objectName() == QLatin1String("redoAction");
        texts << action->objectName() + QLatin1Char('\t')
                     + (namesStep ? action->text().section(QStringLiteral(": "), 0, 0)
                                  : action->text());
    }
    for (const QComboBox *box : window.findChildren<QComboBox *>()) {
        for (int row = 0; row < box->count(); ++row)
            texts << QStringLiteral("%1 row %2\t%3")
                         .arg(box->objectName())
                         .arg(row)
                         .arg(box->itemText(row));
    }
    return texts;
}

using English = TestSupport::InstalledTranslator;

} // namespace

class EnglishTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyMessageHasAFinishedTranslation();
    void translationCoversTheSources();
    void windowShowsOnlyTranslatedTexts();
    void cardTextsAreTranslated();
    void manualFollowsTheLanguage();
    void englishWindow_data();
    void englishWindow();
    void dialogCaptions_data();
    void dialogCaptions();
    void refusalMessage();
    void punchList();
    void renderToolFollowsLocale_data();
    void renderToolFollowsLocale();

private:
    QString english(const char *source) const { return m_translator.translate(context, source); }

    QTranslator m_translator;
    QTemporaryDir m_runtime;
};

void EnglishTest::initTestCase()
{
    QVERIFY2(!sourceDir().isEmpty(),
             "LOCHKARTOR_SOURCE_DIR is not set; run the test through ctest");
    QVERIFY2(m_translator.load(QStringLiteral(LOCHKARTOR_QM_FILE)), LOCHKARTOR_QM_FILE);
    QVERIFY(m_runtime.isValid());
    TestSupport::isolateSettings();
    Dialogs::Script::begin();
}

// A translation that lupdate left unfinished or marked vanished is not
// compiled in; a dropped placeholder loses a file name or value.
void EnglishTest::everyMessageHasAFinishedTranslation()
{
    QString error;
    const QList<Message> messages = readTs(tsPath(), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 100);
    QStringList faults;
    for (const Message &message : messages) {
        if (!message.type.isEmpty())
            faults << message.type + QStringLiteral(": ") + message.source;
        else if (message.translation.trimmed().isEmpty())
            faults << QStringLiteral("empty: ") + message.source;
        else if (placeholders(message.translation) != placeholders(message.source))
            faults << QStringLiteral("placeholders differ: ") + message.source;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// lupdate run over the sources finds exactly the messages of the .ts: none
// missing (it would stay German), none left over from removed code.
void EnglishTest::translationCoversTheSources()
{
    const QString source = sourceDir();
    QStringList files;
    QStringList arguments = {QStringLiteral("-silent"), QStringLiteral("-locations"),
                             QStringLiteral("none"), QStringLiteral("-no-obsolete")};
    QDirIterator sources(QDir(source).filePath(QStringLiteral("src")),
                         {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                         QDir::Files, QDirIterator::Subdirectories);
    while (sources.hasNext())
        files << sources.next();
    const QDir renderer(QDir(source).filePath(QStringLiteral("tools/render")));
    for (const QString &file : renderer.entryList({QStringLiteral("*.cpp")}, QDir::Files))
        files << renderer.filePath(file);
    // The sources include one another's headers by bare name.
    const QDir sourceTree(QDir(source).filePath(QStringLiteral("src")));
    for (const QString &folder : sourceTree.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        arguments << QStringLiteral("-I") << sourceTree.filePath(folder);
    QTemporaryDir output;
    QVERIFY(output.isValid());
    const QString found = output.filePath(QStringLiteral("found.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LOCHKARTOR_LUPDATE),
                  arguments + files + QStringList{QStringLiteral("-ts"), found});
    QVERIFY(lupdate.waitForFinished(60000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    QString error;
    std::set<std::pair<QString, QString>> inSources;
    for (const Message &message : readTs(found, &error))
        inSources.insert({message.context, message.source});
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(inSources.size() > 100);
    std::set<std::pair<QString, QString>> inTs;
    for (const Message &message : readTs(tsPath(), &error))
        inTs.insert({message.context, message.source});

    QStringList faults;
    for (const auto &[messageContext, text] : inSources) {
        if (!inTs.count({messageContext, text}))
            faults << QStringLiteral("missing from the .ts: %1 \"%2\"").arg(messageContext, text);
    }
    for (const auto &[messageContext, text] : inTs) {
        if (!inSources.count({messageContext, text}))
            faults
                << QStringLiteral("no longer in the sources: %1 \"%2\"").arg(messageContext, text);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

// Every label, group box, button and list row the German window shows comes
// out as its translation in the English window: the window title, the form,
// the socket and tube type lists, the pin-function and heating lists.
void EnglishTest::windowShowsOnlyTranslatedTexts()
{
    Lochkartor german;
    // Noval 12 has pins without a tester line; their box shows "KEIN PIN".
    TestSupport::widget<QComboBox>(german, "socket")->setCurrentIndex(11);
    const QStringList germanTexts = shownTexts(german);
    const English installed(m_translator);
    Lochkartor english;
    TestSupport::widget<QComboBox>(english, "socket")->setCurrentIndex(11);
    const QStringList englishTexts = shownTexts(english);

    QVERIFY(germanTexts.size() > 150);
    QCOMPARE(englishTexts.size(), germanTexts.size());
    QStringList faults;
    for (int i = 0; i < germanTexts.size(); ++i) {
        const QString where = germanTexts.at(i).section(QLatin1Char('\t'), 0, 0);
        const QString text = germanTexts.at(i).section(QLatin1Char('\t'), 1);
        const QString translation = m_translator.translate(context, text.toUtf8().constData());
        if (translation.isEmpty())
            faults << QStringLiteral("%1: \"%2\" has no translation").arg(where, text);
        else if (englishTexts.at(i) != where + QLatin1Char('\t') + translation)
            faults << QStringLiteral("%1: shows \"%2\" instead of \"%3\"")
                          .arg(where, englishTexts.at(i).section(QLatin1Char('\t'), 1),
                               translation);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QCOMPARE(TestSupport::widget<QLineEdit>(english, "linePin3")->text(),
             m_translator.translate(context, "LEITUNG OFFEN"));
}

namespace {

// The socket text of the card for every socket, the tube type text for every
// tube type and the three cap notes, as the window writes them in the
// language installed now.
QStringList cardTexts()
{
    Lochkartor window;
    QStringList texts;
    auto *socket = TestSupport::widget<QComboBox>(window, "socket");
    for (int row = 0; row < socket->count(); ++row) {
        socket->setCurrentIndex(row);
        texts << window.cards().text(CardText::Socket);
    }
    auto *tubeType = TestSupport::widget<QComboBox>(window, "genericTubeType");
    for (int row = 0; row < tubeType->count(); ++row) {
        tubeType->setCurrentIndex(row);
        texts << window.cards().text(CardText::TubeType);
    }
    for (CardText note :
         {CardText::PlateCapNote, CardText::ScreenGridCapNote, CardText::ControlGridCapNote})
        texts << window.cards().text(note);
    return texts;
}

} // namespace

// The manual is shipped in both languages; the window's language picks it.
void EnglishTest::manualFollowsTheLanguage()
{
    QVERIFY(ManualWindow::manualText().contains(QStringLiteral("Vom leeren Formular")));
    const English installed(m_translator);
    QVERIFY(ManualWindow::manualText().contains(QStringLiteral("From an empty form")));
}

void EnglishTest::cardTextsAreTranslated()
{
    const QStringList german = cardTexts();
    const English installed(m_translator);
    const QStringList english = cardTexts();

    QCOMPARE(english.size(), german.size());
    QStringList faults;
    for (int i = 0; i < german.size(); ++i) {
        const QString translation
            = m_translator.translate(context, german.at(i).toUtf8().constData());
        if (translation.isEmpty() || english.at(i) != translation)
            faults << QStringLiteral("\"%1\" for \"%2\"").arg(english.at(i), german.at(i));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void EnglishTest::englishWindow_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("shown");

    QTest::newRow("window title") << "title"
                                  << "Untitled[*] – Lochkartor";
    QTest::newRow("group box") << "basicDataBox"
                               << "Basic data";
    QTest::newRow("socket list item") << "socket 3"
                                      << "04: Octal";
    QTest::newRow("tube type list item") << "genericTubeType 8"
                                         << "Rectifier";
    QTest::newRow("pin function row") << "pin1Function 10"
                                      << "Not connected";
    QTest::newRow("socket card text") << "card socket 10"
                                      << "Noval (No. 11)";
    QTest::newRow("cap note") << "card plateCapNote"
                              << "A on top cap!";
    QTest::newRow("button") << "loadDataButton"
                            << "Load data";
}

// A few texts as an English user reads them.
void EnglishTest::englishWindow()
{
    QFETCH(QString, what);
    QFETCH(QString, shown);
    const English installed(m_translator);
    Lochkartor window;
    const QString name = what.section(QLatin1Char(' '), 0, 0);
    const int row = what.section(QLatin1Char(' '), 1, 1).toInt();
    QString actual;
    if (name == QLatin1String("title")) {
        actual = window.windowTitle();
    } else if (name == QLatin1String("card")) {
        const QString key = what.section(QLatin1Char(' '), 1, 1);
        if (key == QLatin1String("socket")) {
            TestSupport::widget<QComboBox>(window, "socket")
                ->setCurrentIndex(what.section(QLatin1Char(' '), 2, 2).toInt());
            actual = window.cards().text(CardText::Socket);
        } else {
            actual = window.cards().text(CardText::PlateCapNote);
        }
    } else if (auto *box = window.findChild<QComboBox *>(name)) {
        actual = box->itemText(row);
    } else if (auto *group = window.findChild<QGroupBox *>(name)) {
        actual = group->title();
    } else {
        actual = TestSupport::widget<QAbstractButton>(window, qPrintable(name))->text();
    }
    QCOMPARE(actual, shown);
}

void EnglishTest::dialogCaptions_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");

    QTest::newRow("load data") << "loadDataButton"
                               << "Daten laden";
    QTest::newRow("save data") << "saveDataButton"
                               << "Daten speichern";
    QTest::newRow("save card") << "saveCardButton"
                               << "Karte als Bild speichern";
}

void EnglishTest::dialogCaptions()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    const English installed(m_translator);
    Lochkartor window;
    Dialogs::Script::clearRecords();

    if (button == QLatin1String("saveCardButton"))
        Dialogs::Script::answerQuestion(true); // the new window's checks are red
    TestSupport::widget<QPushButton>(window, qPrintable(button))->click(); // cancelled

    const Dialogs::Record &dialog = Dialogs::Script::records().last();
    QVERIFY(dialog.kind == Dialogs::Record::SaveFile || dialog.kind == Dialogs::Record::OpenFile);
    const QString translation = english(caption.toUtf8().constData());
    QVERIFY(!translation.isEmpty());
    QVERIFY(translation != caption);
    QCOMPARE(dialog.caption, translation);
}

void EnglishTest::refusalMessage()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString file = directory.filePath(QStringLiteral("new.tds"));
    QFile content(file);
    QVERIFY(content.open(QIODevice::WriteOnly));
    content.write("[format]\nversion=2\n");
    content.close();
    const English installed(m_translator);
    Lochkartor window;
    Dialogs::Script::clearRecords();
    Dialogs::Script::answerFileName(file);

    TestSupport::widget<QPushButton>(window, "loadDataButton")->click();

    QCOMPARE(Dialogs::Script::messages().size(), 1);
    QCOMPARE(Dialogs::Script::messages().first().caption, QStringLiteral("Invalid version"));
    QCOMPARE(Dialogs::Script::messages().first().text,
             QStringLiteral("This file version is not supported"));
}

void EnglishTest::punchList()
{
    const English installed(m_translator);
    Lochkartor window;
    TestSupport::widget<QComboBox>(window, "genericTubeType")->setCurrentIndex(8);
    const QStringList lines = CardReport::punchList(window).split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("Tube: "));
    QCOMPARE(lines.value(1), QStringLiteral("Socket: 01: Septar"));
    QCOMPARE(lines.value(2), QStringLiteral("Tube type: Rectifier"));
    for (const char *line : {"Holes:", "Card texts:", "Validity check:", "  Heater: faulty",
                             "  Control grid: not present", "  Anode: faulty"})
        QVERIFY2(lines.contains(QLatin1String(line)), line);
}

void EnglishTest::renderToolFollowsLocale_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");

    const QStringList english
        = {"Tube: ECC83",     "Socket: 11: Noval", "Tube type: Triode",
           "Holes:",          "I 26  Ua (V) 300",  "  Noval (No. 11)",
           "Validity check:", "  Heater: correct", "  Screen grid: not present"};
    const QStringList german = {"Röhre: ECC83",
                                "Sockel: 11: Noval",
                                "Grundtyp: Triode",
                                "Löcher:",
                                "I 26  Ua (V) 300",
                                "  Noval (Nr. 11)",
                                "Gültigkeitsprüfung:",
                                "  Heizung: in Ordnung",
                                "  Schirmgitter: nicht vorhanden"};
    QTest::newRow("British English") << "en_GB.UTF-8" << english;
    QTest::newRow("American English") << "en_US.UTF-8" << english;
    QTest::newRow("German") << "de_DE.UTF-8" << german;
    QTest::newRow("Austrian German") << "de_AT.UTF-8" << german;
    QTest::newRow("no translation for French") << "fr_FR.UTF-8" << german;
}

// Started from an empty working directory, the tool finds the translation
// next to itself.
void EnglishTest::renderToolFollowsLocale()
{
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    QTemporaryDir working;
    QVERIFY(working.isValid());
    const TestSupport::ProgramRun tool = TestSupport::runProgram(
        QStringLiteral(LOCHKARTOR_RENDER_BINARY),
        {QStringLiteral("--list"),
         QDir(sourceDir()).filePath(QStringLiteral("tests/data/tubes/triode.tds"))},
        working.path(), m_runtime.path(), language);
    QCOMPARE(tool.exitCode, 0);
    const QStringList lines = tool.out.split(QLatin1Char('\n'));
    for (const QString &line : expected)
        QVERIFY2(lines.contains(line),
                 qPrintable(line + QStringLiteral(" not in:\n") + lines.join(QLatin1Char('\n'))));
}

QTEST_MAIN(EnglishTest)
#include "tst_english.moc"
