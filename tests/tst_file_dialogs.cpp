// Files where users find them, cards that do not leave the program
// unnoticed while a check is red, and Qt's own dialogs in German.

#include "dialogs.h"
#include "file_choice.h"
#include "form_edits.h"
#include "testsupport_window.h"
#include "translation.h"

#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

using TestSupport::widget;

namespace {

// A triode on the universal socket whose five checks are green or grey.
const char *const completeTriode = "socket=13; genericTubeType=1; pin9Function=0; "
                                   "pin3Function=1; pin2Function=2; pin6Function=5; "
                                   "pin4Function=6";

void click(Lochkartor &window, const char *button)
{
    widget<QPushButton>(window, button)->click();
}

QList<Dialogs::Record::Kind> kinds()
{
    QList<Dialogs::Record::Kind> result;
    for (const Dialogs::Record &record : Dialogs::Script::records())
        result << record.kind;
    return result;
}

} // namespace

class FileDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void redChecksAskOnce_data();
    void redChecksAskOnce();
    void greenChecksAskNothing();
    void tubeDataIsSavedWithoutAsking();
    void suffixes_data();
    void suffixes();
    void lastFolderIsRemembered();
    void tubeNameAsFileName_data();
    void tubeNameAsFileName();
    void qtDialogsSpeakGerman();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void FileDialogsTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("LochkartorTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_file_dialogs"));
}

void FileDialogsTest::init()
{
    QSettings().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    Dialogs::Script::begin();
}

void FileDialogsTest::cleanup()
{
    Dialogs::Script::end();
    QSettings().clear();
}

void FileDialogsTest::redChecksAskOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("goOn");
    QTest::addColumn<int>("nextDialog");

    QTest::newRow("save card, yes")
        << "saveCardButton"
        << "Trotzdem speichern?" << true << int(Dialogs::Record::SaveFile);
    QTest::newRow("save card, no") << "saveCardButton"
                                   << "Trotzdem speichern?" << false << -1;
    QTest::newRow("print card, yes") << "printCardButton"
                                     << "Trotzdem drucken?" << true << int(Dialogs::Record::Print);
    QTest::newRow("print card, no") << "printCardButton"
                                    << "Trotzdem drucken?" << false << -1;
}

void FileDialogsTest::redChecksAskOnce()
{
    QFETCH(QString, button);
    QFETCH(QString, question);
    QFETCH(bool, goOn);
    QFETCH(int, nextDialog);
    Lochkartor window;
    FormEdits::edit(window, QStringLiteral("socket=13; genericTubeType=1; pin4Function=6"));
    Dialogs::Script::clearRecords();
    Dialogs::Script::answerQuestion(goOn);

    click(window, qPrintable(button));

    const QList<Dialogs::Record> records = Dialogs::Script::records();
    QCOMPARE(records.size(), goOn ? 2 : 1);
    QCOMPARE(records.first().kind, Dialogs::Record::Question);
    QCOMPARE(records.first().text,
             QString::fromUtf8("Die Gültigkeitsprüfung zeigt Rot für: Steuergitter, Kathode, "
                               "Heizung.\n")
                 + question);
    if (goOn)
        QCOMPARE(int(records.last().kind), nextDialog);
}

void FileDialogsTest::greenChecksAskNothing()
{
    Lochkartor window;
    FormEdits::edit(window, QString::fromLatin1(completeTriode));
    QCOMPARE(window.failedChecks(), QStringList());
    Dialogs::Script::clearRecords();
    click(window, "saveCardButton");
    click(window, "printCardButton");
    QCOMPARE(kinds(), (QList{Dialogs::Record::SaveFile, Dialogs::Record::Print}));
}

void FileDialogsTest::tubeDataIsSavedWithoutAsking()
{
    Lochkartor window;
    QVERIFY(!window.failedChecks().isEmpty());
    Dialogs::Script::clearRecords();
    click(window, "saveDataButton");
    QCOMPARE(kinds(), QList{Dialogs::Record::SaveFile});
}

void FileDialogsTest::suffixes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");

    QTest::newRow("tube data without suffix") << "saveDataButton"
                                              << "EL84"
                                              << "EL84.tds";
    QTest::newRow("tube data with its suffix") << "saveDataButton"
                                               << "x.tds"
                                               << "x.tds";
    QTest::newRow("tube data ending in a dot") << "saveDataButton"
                                               << "EL84."
                                               << "EL84.tds";
    QTest::newRow("card picture without suffix") << "saveCardButton"
                                                 << "EL84"
                                                 << "EL84.png";
    QTest::newRow("card picture with its suffix") << "saveCardButton"
                                                  << "card.png"
                                                  << "card.png";
}

void FileDialogsTest::suffixes()
{
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    Lochkartor window;
    FormEdits::edit(window, QString::fromLatin1(completeTriode));
    Dialogs::Script::answerFileName(m_dir->filePath(typed));

    click(window, qPrintable(button));

    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{written});
    if (button == QLatin1String("saveDataButton")) {
        // "Daten laden" offers it again.
        QVERIFY(QDir::match(QStringLiteral("*.tds"), written));
    }
}

void FileDialogsTest::lastFolderIsRemembered()
{
    Lochkartor window;
    click(window, "loadDataButton"); // cancelled: nothing to remember
    QCOMPARE(Dialogs::Script::records().last().directory, QDir::homePath());

    QDir(m_dir->path()).mkdir(QStringLiteral("tubes"));
    const QString tubes = m_dir->filePath(QStringLiteral("tubes"));
    Dialogs::Script::answerFileName(tubes + QStringLiteral("/first.tds"));
    click(window, "saveDataButton");
    QCOMPARE(FileChoice::startFolder(), tubes);

    Dialogs::Script::answerFileName(tubes + QStringLiteral("/first.tds"));
    click(window, "loadDataButton");
    QCOMPARE(Dialogs::Script::records().last().directory, tubes);

    // A second window, as after a new start, opens there too.
    Lochkartor later;
    FormEdits::edit(later, QStringLiteral("tubeName=EL84"));
    click(later, "saveDataButton");
    QCOMPARE(Dialogs::Script::records().last().directory, tubes + QStringLiteral("/EL84.tds"));

    // A folder that has gone since falls back to the home folder.
    QVERIFY(QDir(tubes).removeRecursively());
    Lochkartor unchanged;
    click(unchanged, "loadDataButton");
    QCOMPARE(Dialogs::Script::records().last().directory, QDir::homePath());
}

void FileDialogsTest::tubeNameAsFileName_data()
{
    QTest::addColumn<QString>("tubeName");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("plain") << "EL84"
                           << "EL84";
    QTest::newRow("spaces around") << " ECC 83 "
                                   << "ECC 83";
    QTest::newRow("slash") << "6V6/GT"
                           << "6V6_GT";
    QTest::newRow("characters other systems refuse") << "a:b*c?\"<>|"
                                                     << "a_b_c_____";
    QTest::newRow("parent folder") << ".."
                                   << "";
    QTest::newRow("empty") << ""
                           << "";
}

void FileDialogsTest::tubeNameAsFileName()
{
    QFETCH(QString, tubeName);
    QFETCH(QString, fileName);
    QCOMPARE(FileChoice::fileNameOf(tubeName), fileName);
}

// Qt's translations are installed with the program's dependencies; with
// them the wrong-version message offers "Abbrechen", not "Cancel".
void FileDialogsTest::qtDialogsSpeakGerman()
{
    QTranslator german;
    QVERIFY(loadQtTranslation(german, QStringLiteral("de_DE")));
    QCoreApplication::installTranslator(&german);
    QMessageBox refusal(QMessageBox::Critical, QStringLiteral("Ungültige Version"),
                        QStringLiteral("Diese Dateiversion wird nicht unterstützt"),
                        QMessageBox::Cancel);
    QMessageBox question(QMessageBox::Question, QString(), QString(),
                         QMessageBox::Yes | QMessageBox::No);
    const QString cancel = refusal.button(QMessageBox::Cancel)->text();
    const QString yes = question.button(QMessageBox::Yes)->text();
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(cancel, QStringLiteral("Abbrechen"));
    QCOMPARE(yes, QStringLiteral("&Ja"));
}

QTEST_MAIN(FileDialogsTest)
#include "tst_file_dialogs.moc"
