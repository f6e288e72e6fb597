#include "testsupport_window.h"

class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void windowBuildsWithoutWarnings();
};

void StartupTest::windowBuildsWithoutWarnings()
{
    TestSupport::WarningCollector warnings;
    {
        Lochkartor window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QVERIFY2(warnings.messages().isEmpty(), qPrintable(warnings.messages().join('\n')));
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
