// Loads thousands of generated tube data files into one window in turn. No
// file may crash the program or leave the card contradicting the form: a
// refused file changes nothing, and after an accepted one the card equals
// that of a fresh window given the same values.

#include "cardstate.h"
#include "dialogs.h"
#include "testsupport_window.h"
#include "tubefilegenerator.h"

#include <QFile>
#include <QTemporaryDir>

class FuzzLoaderTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Dialogs::Script::begin(); }
    void cleanupTestCase() { Dialogs::Script::end(); }
    void generatedFilesKeepTheCardConsistent();
};

void FuzzLoaderTest::generatedFilesKeepTheCardConsistent()
{
    const int count = qEnvironmentVariableIsSet("LOCHKARTOR_FUZZ_COUNT")
                          ? qEnvironmentVariableIntValue("LOCHKARTOR_FUZZ_COUNT")
                          : 2000;
    // Building a fresh window for every file would dominate the run; every
    // n-th accepted file is compared with one.
    const int compareEvery = 4;
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    TubeFileGenerator generator(20261208);
    Lochkartor window;
    int accepted = 0;
    int refused = 0;
    for (int i = 0; i < count; ++i) {
        const QByteArray content = generator.next();
        const QString fileName = directory.filePath(QStringLiteral("tube%1.tds").arg(i));
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        const FormState formBefore = formState(window);
        const CardState cardBefore = cardState(window);
        Dialogs::Script::clearRecords();
        const bool loaded = window.loadTubeData(fileName);
        const QString context
            = QStringLiteral("file %1:\n%2\n").arg(i).arg(QString::fromLatin1(content.left(2000)));
        QVERIFY2(TestSupport::cardsAgree(window.cards()), qPrintable(context));
        if (!loaded) {
            ++refused;
            QCOMPARE(Dialogs::Script::messages().size(), 1);
            QVERIFY2(formState(window) == formBefore, qPrintable(context));
            QVERIFY2(cardState(window) == cardBefore,
                     qPrintable(context + cardState(window).differenceTo(cardBefore)));
            continue;
        }
        // An accepted file may only bring the note on values fitted to the form.
        for (const Dialogs::Record &message : Dialogs::Script::messages())
            QVERIFY2(message.kind == Dialogs::Record::Information, qPrintable(context));
        if (++accepted % compareEvery != 0)
            continue;
        Lochkartor fresh;
        applyFormState(fresh, formState(window));
        QVERIFY2(cardState(window) == cardState(fresh),
                 qPrintable(context + cardState(window).differenceTo(cardState(fresh))));
    }
    qInfo("%d files accepted, %d refused", accepted, refused);
    QVERIFY(accepted > count / 10);
    QVERIFY(refused > count / 10);
}

QTEST_MAIN(FuzzLoaderTest)
#include "tst_fuzz_loader.moc"
