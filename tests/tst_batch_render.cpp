// lochkartor-render keeps one window for all the files it is given. What it
// writes for a file must not depend on the files before it: the same files
// rendered one process each and all in one process give the same bytes, with
// refused and adjusted files among them, in an order that would carry a
// previous file's socket, tube type and values over.

#include "program_run.h"
#include "tubefilegenerator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

TestSupport::ProgramRun render(const QStringList &arguments, const QString &runtime)
{
    return TestSupport::runProgram(QStringLiteral(LOCHKARTOR_RENDER_BINARY), arguments,
                                   QDir::currentPath(), runtime);
}

} // namespace

class BatchRenderTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void batchEqualsOneByOne_data();
    void batchEqualsOneByOne();

private:
    QTemporaryDir m_directory;
    QTemporaryDir m_runtime;
    QStringList m_files;
};

// The sample tubes, each followed by generated files: valid ones, and
// mutated ones that are refused or loaded with adjustments. A refused file
// leaves the window as the file before it left it; the next file must still
// start from a fresh form.
void BatchRenderTest::initTestCase()
{
    QVERIFY(m_directory.isValid());
    QVERIFY(m_runtime.isValid());
    const QDir samples(QFINDTESTDATA("data/tubes"));
    const QStringList sampleNames = samples.entryList({QStringLiteral("*.tds")}, QDir::Files);
    QVERIFY(sampleNames.size() >= 5);
    TubeFileGenerator generator(16);
    for (const QString &sample : sampleNames) {
        m_files << samples.filePath(sample);
        for (int i = 0; i < 2; ++i) {
            const QString name
                = m_directory.filePath(QStringLiteral("generated%1.tds").arg(m_files.size()));
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(generator.next());
            m_files << name;
        }
    }
    // The first sample again, last: whatever came before, the same bytes.
    m_files << samples.filePath(sampleNames.first());
}

void BatchRenderTest::batchEqualsOneByOne_data()
{
    QTest::addColumn<QString>("report");
    QTest::newRow("json") << QStringLiteral("--json");
    QTest::newRow("punch list") << QStringLiteral("--list");
}

void BatchRenderTest::batchEqualsOneByOne()
{
    QFETCH(QString, report);
    const TestSupport::ProgramRun batch = render(QStringList{report} + m_files, m_runtime.path());
    QVERIFY2(batch.exitCode >= 0, "the batch did not finish");

    QByteArray out;
    QByteArray err;
    int refused = 0;
    for (const QString &file : m_files) {
        const TestSupport::ProgramRun one = render({report, file}, m_runtime.path());
        QVERIFY2(one.exitCode >= 0, qPrintable(file));
        refused += one.exitCode != 0;
        out += one.outBytes;
        err += one.errBytes;
    }
    // The mix this test is about: refused files, adjusted ones, rendered ones.
    QVERIFY(refused > 0);
    QVERIFY(refused < m_files.size() / 2);
    QVERIFY(batch.err.contains(QStringLiteral(": Warnung: ")));

    QCOMPARE(batch.exitCode, 1);
    QCOMPARE(batch.outBytes, out);
    QCOMPARE(batch.errBytes, err);
}

QTEST_MAIN(BatchRenderTest)
#include "tst_batch_render.moc"
