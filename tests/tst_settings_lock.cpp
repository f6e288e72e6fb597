// A settings lock that another program holds, or that a crash left behind
// as a folder, must not freeze the window: every settings write gives up
// within two seconds, the work goes on, and the status bar says so once.

#include "dialogs.h"
#include "lochkartor.h"
#include "program_settings.h"
#include "recent_files.h"
#include "testsupport_window.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLockFile>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

QString sample(const char *name)
{
    return QDir(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR"))
        .filePath(QStringLiteral("tests/data/tubes/") + QLatin1String(name));
}

QString lockName()
{
    return QSettings().fileName() + QStringLiteral(".lock");
}

using Action = std::function<bool(Lochkartor &, const QString &folder)>;

} // namespace

Q_DECLARE_METATYPE(Action)

class SettingsLockTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void writesGiveUpOnAHeldLock_data();
    void writesGiveUpOnAHeldLock();
};

void SettingsLockTest::initTestCase()
{
    TestSupport::isolateSettings();
    Dialogs::Script::begin();
}

void SettingsLockTest::cleanup()
{
    QDir().rmdir(lockName());
    QFile::remove(lockName());
    QSettings().clear();
}

void SettingsLockTest::writesGiveUpOnAHeldLock_data()
{
    QTest::addColumn<bool>("heldByAProgram"); // else a folder left behind
    QTest::addColumn<Action>("action");
    const Action load = [](Lochkartor &window, const QString &) {
        return window.loadTubeData(sample("pentode.tds"));
    };
    const Action save = [](Lochkartor &window, const QString &folder) {
        return window.saveTubeData(QDir(folder).filePath(QStringLiteral("saved.tds")));
    };
    // "Daten laden" keeps the folder and the recent files.
    const Action loadButton = [](Lochkartor &window, const QString &) {
        Dialogs::Script::answerFileName(sample("triode.tds"));
        window.findChild<QPushButton *>(QStringLiteral("loadDataButton"))->click();
        return window.documentFile() == sample("triode.tds");
    };
    const Action calibrate = [](Lochkartor &window, const QString &) {
        Dialogs::Script::answerPrintCalibration({false, 147.0, 152.0, false});
        window.calibratePrinting();
        return true;
    };
    for (const bool held : {false, true}) {
        const char *lock = held ? "held lock" : "lock folder";
        QTest::addRow("%s, load", lock) << held << load;
        QTest::addRow("%s, save", lock) << held << save;
        QTest::addRow("%s, load button", lock) << held << loadButton;
        QTest::addRow("%s, print correction", lock) << held << calibrate;
    }
}

void SettingsLockTest::writesGiveUpOnAHeldLock()
{
    QFETCH(bool, heldByAProgram);
    QFETCH(Action, action);
    QTemporaryDir folder;
    QVERIFY(QDir().mkpath(QFileInfo(lockName()).absolutePath()));
    std::unique_ptr<QLockFile> held;
    if (heldByAProgram) {
        held = std::make_unique<QLockFile>(lockName());
        QVERIFY(held->tryLock(0));
    } else {
        QVERIFY(QDir().mkdir(lockName()));
    }
    qint64 locked = 0;
    {
        Lochkartor window;
        QSignalSpy shown(window.statusBar(), &QStatusBar::messageChanged);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(action(window, folder.path()));
        QVERIFY(action(window, folder.path()));
        locked = timer.elapsed();
        int notes = 0;
        for (const QList<QVariant> &message : shown)
            notes += message.first().toString().startsWith(
                QStringLiteral("Einstellungen konnten nicht gespeichert werden: "));
        QCOMPARE(notes, 1);
    }
    // Once the lock is free, the settings are written again; the same work
    // then shows what the lock cost.
    held.reset();
    QDir().rmdir(lockName());
    Lochkartor window;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(action(window, folder.path()));
    QVERIFY(action(window, folder.path()));
    const qint64 free = timer.elapsed();
    QVERIFY2(locked - free < ProgramSettings::LockWaitMs + 1000,
             qPrintable(
                 QStringLiteral("%1 ms with the lock held, %2 ms without").arg(locked).arg(free)));
    QVERIFY(!QFileInfo::exists(lockName()));
    QVERIFY(!QSettings().allKeys().isEmpty());
    QCOMPARE(window.statusBar()->currentMessage().startsWith(QStringLiteral("Einstellungen")),
             false);
}

QTEST_MAIN(SettingsLockTest)
#include "tst_settings_lock.moc"
