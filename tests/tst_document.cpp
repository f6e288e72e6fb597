// The window as the editor of one tube data file: the modified marker
// compares what a save would write, every way of losing changes asks first,
// the menu runs the buttons' own code, and the recent files, the command
// line and a drop open files like "Daten laden".

#include "dialogs.h"
#include "form_edits.h"
#include "recent_files.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using Answer = Dialogs::SaveAnswer;
Q_DECLARE_METATYPE(Dialogs::SaveAnswer)

namespace {

QString sample(const char *name)
{
    return qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR") + QStringLiteral("/tests/data/tubes/")
           + QLatin1String(name);
}

QString tubeName(const Lochkartor &window)
{
    return TestSupport::widget<QLineEdit>(window, "tubeName")->text();
}

QList<Dialogs::Record> recordsOf(Dialogs::Record::Kind kind)
{
    QList<Dialogs::Record> found;
    for (const Dialogs::Record &record : Dialogs::Script::records()) {
        if (record.kind == kind)
            found << record;
    }
    return found;
}

QMimeData *urlsData(const QList<QUrl> &urls)
{
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}

// Drags `data` onto the window; true when the window would take it.
bool dropOnto(Lochkartor &window, const QMimeData *data)
{
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

QMap<QString, QString> fileContents(const QString &fileName)
{
    QSettings file(fileName, QSettings::IniFormat);
    QMap<QString, QString> contents;
    for (const QString &key : file.allKeys())
        contents.insert(key, file.value(key).toString());
    return contents;
}

QAction *action(const Lochkartor &window, const char *name)
{
    return TestSupport::widget<QMenu>(window, "fileMenu")
        ->parentWidget()
        ->findChild<QAction *>(QLatin1String(name));
}

} // namespace

class DocumentTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void modifiedComparesSavedValues_data();
    void modifiedComparesSavedValues();
    void modifiedExactlyWhenTheFileWouldDiffer_data();
    void modifiedExactlyWhenTheFileWouldDiffer();
    void saveAndLoadStartAnUnchangedDocument();
    void changesAreNeverLostSilently_data();
    void changesAreNeverLostSilently();
    void saveGoesToTheDocumentsFile();
    void recentFiles();
    void vanishedRecentFile();
    void commandLineFile_data();
    void commandLineFile();
    void drops_data();
    void drops();
    void menuRunsTheButtonsCode_data();
    void menuRunsTheButtonsCode();
    void shortcuts_data();
    void shortcuts();
    void about();

private:
    QString path(const QString &name) const { return m_directory.filePath(name); }
    QTemporaryDir m_directory;
};

void DocumentTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("LochkartorTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_document"));
    QVERIFY(m_directory.isValid());
    QVERIFY(QFile::copy(sample("pentode.tds"), path(QStringLiteral("pentode.tds"))));
    QVERIFY(QFile::copy(sample("triode.tds"), path(QStringLiteral("triode.tds"))));
}

void DocumentTest::init()
{
    QSettings().clear();
    Dialogs::Script::begin();
}

void DocumentTest::modifiedComparesSavedValues_data()
{
    QTest::addColumn<QString>("edits");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("undo");
    QTest::newRow("tube name") << "tubeName=EL84" << true << "tubeName=";
    QTest::newRow("plate voltage") << "plateVoltage=120" << true << "plateVoltage=5";
    QTest::newRow("socket with its pins") << "socket=10; pin1Function=5; pin9Function=6" << true
                                          << "pin1Function=10; pin9Function=10; socket=0";
    QTest::newRow("tube type") << "genericTubeType=3" << true << "genericTubeType=0";
    QTest::newRow("isolation test")
        << "isotestVolage=1; isotestRange=3" << true << "isotestRange=0; isotestVolage=0";
    // A diode has no screen grid: a save writes no screen voltage.
    QTest::newRow("value a save does not write") << "screenVoltage=100" << false << "";
    QTest::newRow("heating method and its voltage")
        << "heatingMethod=2; heatingVoltage=6.3" << true << "heatingMethod=0";
}

void DocumentTest::modifiedComparesSavedValues()
{
    QFETCH(QString, edits);
    QFETCH(bool, modified);
    QFETCH(QString, undo);
    Lochkartor window;
    QVERIFY(!window.isWindowModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("Unbenannt[*] – Lochkartor"));

    FormEdits::edit(window, edits);
    QCOMPARE(window.isWindowModified(), modified);
    FormEdits::edit(window, undo);
    QVERIFY(!window.isWindowModified());
}

void DocumentTest::modifiedExactlyWhenTheFileWouldDiffer_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 80; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// After a load and random edits, some of them put back, the window is
// modified exactly when saving it now would write another file.
void DocumentTest::modifiedExactlyWhenTheFileWouldDiffer()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const char *samples[] = {"pentode.tds", "triode.tds"};
    const QString loaded = path(QLatin1String(samples[seed % 2]));
    Lochkartor window;
    QVERIFY(window.loadTubeData(loaded));
    const FormState original = formState(window);
    QStringList edits;
    for (int count = 1 + random.bounded(4); edits.size() < count;) {
        const QString edit = randomUserEdit(window, random);
        if (!edit.isEmpty())
            edits << edit;
    }
    if (random.bounded(2) == 0) {
        applyFormState(window, original);
        edits << QStringLiteral("all put back");
    }
    const bool modified = window.isWindowModified();
    const QString saved = path(QStringLiteral("seed%1.tds").arg(seed));

    QVERIFY(window.saveTubeData(saved));

    QVERIFY2(modified == (fileContents(saved) != fileContents(loaded)),
             qPrintable(QStringLiteral("modified %1 after %2")
                            .arg(modified)
                            .arg(edits.join(QStringLiteral(", ")))));
    QVERIFY(!window.isWindowModified());
}

void DocumentTest::saveAndLoadStartAnUnchangedDocument()
{
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("socket=10; genericTubeType=3; tubeName=EL84"));
    QVERIFY(window.isWindowModified());
    Dialogs::Script::answerFileName(path(QStringLiteral("el84.tds")));
    QVERIFY(window.saveDocument());
    QVERIFY(!window.isWindowModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("el84.tds[*] – Lochkartor"));

    FormEdits::edit(window, QStringLiteral("plateVoltage=250"));
    QVERIFY(window.isWindowModified());
    Dialogs::Script::answerAskToSave(Answer::Discard);
    QVERIFY(window.loadTubeData(path(QStringLiteral("pentode.tds"))));
    QVERIFY(!window.isWindowModified());
    QCOMPARE(window.documentFile(), path(QStringLiteral("pentode.tds")));
    QCOMPARE(window.windowTitle(), QStringLiteral("pentode.tds[*] – Lochkartor"));

    // A refused file changes neither the form nor the document.
    QVERIFY(!window.loadTubeData(path(QStringLiteral("missing.tds"))));
    QCOMPARE(window.documentFile(), path(QStringLiteral("pentode.tds")));
    QVERIFY(!window.isWindowModified());
}

void DocumentTest::changesAreNeverLostSilently_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QString>("saveAs"); // the save dialog's answer
    QTest::addColumn<bool>("goesOn");
    for (const char *way : {"close", "new", "load button", "recent file", "drop"}) {
        const QByteArray name(way);
        QTest::newRow(name + ", save") << way << Answer::Save << "saved.tds" << true;
        QTest::newRow(name + ", discard") << way << Answer::Discard << "" << true;
        QTest::newRow(name + ", cancel") << way << Answer::Cancel << "" << false;
        QTest::newRow(name + ", save cancelled") << way << Answer::Save << "" << false;
        // A folder of that name: the save fails with a message.
        QTest::newRow(name + ", save fails") << way << Answer::Save << "folder.tds" << false;
    }
}

void DocumentTest::changesAreNeverLostSilently()
{
    QFETCH(QString, way);
    QFETCH(Answer, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, goesOn);
    QDir(path(QString())).mkpath(QStringLiteral("folder.tds"));
    QFile::remove(path(QStringLiteral("saved.tds")));
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("genericTubeType=3; tubeName=EL84"));
    const QStringList before = FormEdits::snapshot(window);
    Dialogs::Script::answerAskToSave(answer);
    if (answer == Answer::Save) // an empty name cancels the save dialog
        Dialogs::Script::answerFileName(saveAs.isEmpty() ? QString() : path(saveAs));
    const QString other = path(QStringLiteral("triode.tds"));

    bool closed = false;
    if (way == QLatin1String("close")) {
        closed = window.close();
    } else if (way == QLatin1String("new")) {
        action(window, "newAction")->trigger();
    } else if (way == QLatin1String("load button")) {
        Dialogs::Script::answerFileName(other);
        TestSupport::widget<QPushButton>(window, "loadDataButton")->click();
    } else if (way == QLatin1String("recent file")) {
        window.openRecentFile(other);
    } else {
        const std::unique_ptr<QMimeData> data(urlsData({QUrl::fromLocalFile(other)}));
        QVERIFY(dropOnto(window, data.get()));
    }

    const QList<Dialogs::Record> questions = recordsOf(Dialogs::Record::AskToSave);
    QCOMPARE(questions.size(), 1);
    QCOMPARE(questions.first().text, QStringLiteral("Änderungen an „Unbenannt“ speichern?"));
    QCOMPARE(QFileInfo::exists(path(QStringLiteral("saved.tds"))),
             answer == Answer::Save && goesOn);
    QCOMPARE(recordsOf(Dialogs::Record::Critical).size(), saveAs == QLatin1String("folder.tds"));
    if (!goesOn) {
        QVERIFY(!closed);
        QCOMPARE(FormEdits::snapshot(window), before);
        QVERIFY(window.isWindowModified());
    } else if (way == QLatin1String("close")) {
        QVERIFY(closed);
    } else {
        const QString expected = way == QLatin1String("new") ? QString() : QStringLiteral("ECC83");
        QCOMPARE(tubeName(window), expected);
        QVERIFY(!window.isWindowModified());
    }
}

void DocumentTest::saveGoesToTheDocumentsFile()
{
    Lochkartor window;
    QVERIFY(window.loadTubeData(path(QStringLiteral("triode.tds"))));
    const QString copy = path(QStringLiteral("copy.tds"));
    Dialogs::Script::answerFileName(copy);
    action(window, "saveAsAction")->trigger();
    QCOMPARE(window.documentFile(), copy);
    FormEdits::edit(window, QStringLiteral("tubeName=ECC85"));
    Dialogs::Script::clearRecords();

    action(window, "saveAction")->trigger();

    QVERIFY(Dialogs::Script::records().isEmpty());
    QVERIFY(!window.isWindowModified());
    QCOMPARE(QSettings(copy, QSettings::IniFormat).value("genericTubeData/tubeName").toString(),
             QStringLiteral("ECC85"));
}

void DocumentTest::recentFiles()
{
    QStringList names;
    for (int i = 1; i <= 10; ++i)
        names << path(QStringLiteral("tube%1.tds").arg(i));
    for (const QString &name : names)
        RecentFiles::add(name);
    RecentFiles::add(names.at(4)); // opened again: first, no duplicate

    const QStringList expected{names.at(4), names.at(9), names.at(8), names.at(7),
                               names.at(6), names.at(5), names.at(3), names.at(2)};
    QCOMPARE(RecentFiles::list(), expected);

    // Loading and saving put the file first; the menu shows the list.
    Lochkartor window;
    QVERIFY(window.loadTubeData(path(QStringLiteral("pentode.tds"))));
    QCOMPARE(RecentFiles::list().first(), path(QStringLiteral("pentode.tds")));
    QCOMPARE(RecentFiles::list().size(), RecentFiles::Limit);
    emit TestSupport::widget<QMenu>(window, "fileMenu")->aboutToShow();
    const QList<QAction *> entries = TestSupport::widget<QMenu>(window, "recentMenu")->actions();
    QCOMPARE(entries.size(), RecentFiles::Limit);
    QVERIFY(entries.first()->text().endsWith(QStringLiteral("pentode.tds")));
}

void DocumentTest::vanishedRecentFile()
{
    const QString gone = path(QStringLiteral("gone.tds"));
    RecentFiles::add(path(QStringLiteral("pentode.tds")));
    RecentFiles::add(gone);
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("tubeName=EL84"));

    window.openRecentFile(gone);

    QCOMPARE(RecentFiles::list(), QStringList{path(QStringLiteral("pentode.tds"))});
    QCOMPARE(Dialogs::Script::messages().size(), 1);
    QCOMPARE(int(Dialogs::Script::messages().first().kind), int(Dialogs::Record::Warning));
    QVERIFY(Dialogs::Script::messages().first().text.contains(QStringLiteral("gone.tds")));
    QVERIFY(recordsOf(Dialogs::Record::AskToSave).isEmpty()); // nothing to load, nothing asked
    QCOMPARE(tubeName(window), QStringLiteral("EL84"));
}

void DocumentTest::commandLineFile_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("messages");
    QTest::newRow("none") << QStringList{"lochkartor"} << "Unbenannt[*] – Lochkartor"
                          << "" << 0;
    QTest::newRow("a tube file") << QStringList{"lochkartor", path(QStringLiteral("pentode.tds"))}
                                 << "pentode.tds[*] – Lochkartor"
                                 << "EL84" << 0;
    QTest::newRow("a missing file")
        << QStringList{"lochkartor", path(QStringLiteral("missing.tds"))}
        << "Unbenannt[*] – Lochkartor"
        << "" << 1;
}

void DocumentTest::commandLineFile()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, title);
    QFETCH(QString, name);
    QFETCH(int, messages);
    Lochkartor window;
    const QStringList fresh = FormEdits::snapshot(window);

    window.openFromArguments(arguments);

    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(tubeName(window), name);
    QCOMPARE(Dialogs::Script::messages().size(), messages);
    QVERIFY(!window.isWindowModified());
    if (name.isEmpty())
        QCOMPARE(FormEdits::snapshot(window), fresh);
}

void DocumentTest::drops_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<bool>("taken");
    const QUrl tube = QUrl::fromLocalFile(path(QStringLiteral("pentode.tds")));
    QTest::newRow("a tube file") << QList<QUrl>{tube} << true;
    QTest::newRow("upper-case suffix")
        << QList<QUrl>{QUrl::fromLocalFile(path(QStringLiteral("PENTODE.TDS")))} << true;
    QTest::newRow("a picture") << QList<QUrl>{QUrl::fromLocalFile(path(QStringLiteral("a.png")))}
                               << false;
    QTest::newRow("two files") << QList<QUrl>{tube, tube} << false;
    QTest::newRow("a web address")
        << QList<QUrl>{QUrl(QStringLiteral("https://example.org/pentode.tds"))} << false;
}

void DocumentTest::drops()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(bool, taken);
    QFile::copy(path(QStringLiteral("pentode.tds")), path(QStringLiteral("PENTODE.TDS")));
    Lochkartor window;
    const std::unique_ptr<QMimeData> data(urlsData(urls));

    QCOMPARE(dropOnto(window, data.get()), taken);

    QCOMPARE(tubeName(window), taken ? QStringLiteral("EL84") : QString());
}

void DocumentTest::menuRunsTheButtonsCode_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::newRow("open") << "openAction" << int(Dialogs::Record::OpenFile) << "Daten laden";
    QTest::newRow("save as") << "saveAsAction" << int(Dialogs::Record::SaveFile)
                             << "Daten speichern";
    QTest::newRow("save, no file yet")
        << "saveAction" << int(Dialogs::Record::SaveFile) << "Daten speichern";
    QTest::newRow("save card") << "saveCardAction" << int(Dialogs::Record::SaveFile)
                               << "Karte als Bild speichern";
    QTest::newRow("print card") << "printCardAction" << int(Dialogs::Record::Print) << "";
}

void DocumentTest::menuRunsTheButtonsCode()
{
    QFETCH(QString, action);
    QFETCH(int, dialog);
    QFETCH(QString, caption);
    Lochkartor window;
    // A new window's checks are red: the card actions ask first.
    const bool asks = !window.failedChecks().isEmpty()
                      && (action == QLatin1String("saveCardAction")
                          || action == QLatin1String("printCardAction"));
    if (asks)
        Dialogs::Script::answerQuestion(true);

    ::action(window, qPrintable(action))->trigger();

    QCOMPARE(Dialogs::Script::records().size(), asks ? 2 : 1);
    if (asks)
        QCOMPARE(Dialogs::Script::records().first().kind, Dialogs::Record::Question);
    QCOMPARE(int(Dialogs::Script::records().last().kind), dialog);
    QCOMPARE(Dialogs::Script::records().last().caption, caption);
}

void DocumentTest::shortcuts_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("key");
    QTest::newRow("new") << "newAction" << QKeySequence(Qt::CTRL | Qt::Key_N);
    QTest::newRow("open") << "openAction" << QKeySequence(Qt::CTRL | Qt::Key_O);
    QTest::newRow("save") << "saveAction" << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("save as") << "saveAsAction" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    QTest::newRow("save card") << "saveCardAction" << QKeySequence(Qt::CTRL | Qt::Key_E);
    QTest::newRow("print card") << "printCardAction" << QKeySequence(Qt::CTRL | Qt::Key_P);
    QTest::newRow("quit") << "quitAction" << QKeySequence(Qt::CTRL | Qt::Key_Q);
}

void DocumentTest::shortcuts()
{
    QFETCH(QString, action);
    QFETCH(QKeySequence, key);
    Lochkartor window;
    QVERIFY(::action(window, qPrintable(action))->shortcuts().contains(key));
}

void DocumentTest::about()
{
    Lochkartor window;
    ::action(window, "aboutAction")->trigger();
    const QList<Dialogs::Record> about = recordsOf(Dialogs::Record::About);
    QCOMPARE(about.size(), 1);
    QVERIFY(about.first().text.contains(QStringLiteral("Lochkartor 1.0")));
    QVERIFY(about.first().text.contains(QString::fromLatin1(qVersion())));
    QVERIFY(about.first().text.contains(QStringLiteral("Lizenz")));
}

QTEST_MAIN(DocumentTest)
#include "tst_document.moc"
