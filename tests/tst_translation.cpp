// The translation is looked up in the working directory under the locale's
// name, dropping the country and then the language when no file matches.

#include "testsupport_window.h"
#include "translation.h"

#include <QComboBox>
#include <QGroupBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTranslator>

#include <memory>

namespace {

const char *const context = "Lochkartor";
const char *const caption = "Karte als Bild speichern";

// The compiled test translation marks every text it translates.
QString translated(const char *source)
{
    return QStringLiteral("[at] ") + QString::fromUtf8(source);
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void lookup_data();
    void lookup();
    void windowTexts_data();
    void windowTexts();

private:
    void placeTranslation(const QString &relativePath);

    QString m_startDirectory;
    std::unique_ptr<QTemporaryDir> m_workingDirectory;
};

void TranslationTest::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(TEST_TRANSLATION_FILE)), TEST_TRANSLATION_FILE);
    m_startDirectory = QDir::currentPath();
}

void TranslationTest::init()
{
    m_workingDirectory = std::make_unique<QTemporaryDir>();
    QVERIFY(m_workingDirectory->isValid());
    QVERIFY(QDir::setCurrent(m_workingDirectory->path()));
}

void TranslationTest::cleanup()
{
    QDir::setCurrent(m_startDirectory);
    m_workingDirectory.reset();
}

void TranslationTest::placeTranslation(const QString &relativePath)
{
    const QString target = QDir(m_workingDirectory->path()).filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(target).path()));
    QVERIFY(QFile::copy(QStringLiteral(TEST_TRANSLATION_FILE), target));
}

void TranslationTest::lookup_data()
{
    QTest::addColumn<QString>("file"); // relative to the working directory; empty: none
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("found");

    QTest::newRow("language file, country dropped") << "lochkartor_de.qm"
                                                    << "de_AT" << true;
    QTest::newRow("exact locale") << "lochkartor_de_AT.qm"
                                  << "de_AT" << true;
    QTest::newRow("bare name without suffix") << "lochkartor_de"
                                              << "de_AT" << true;
    QTest::newRow("language-neutral file") << "lochkartor.qm"
                                           << "fr_FR" << true;
    QTest::newRow("no file") << ""
                             << "de_AT" << false;
    QTest::newRow("other language") << "lochkartor_de.qm"
                                    << "en_US" << false;
    QTest::newRow("other country only") << "lochkartor_de_CH.qm"
                                        << "de_AT" << false;
    QTest::newRow("file of another program") << "other_de.qm"
                                             << "de_AT" << false;
    QTest::newRow("file in a subdirectory") << "translations/lochkartor_de.qm"
                                            << "de_AT" << false;
}

void TranslationTest::lookup()
{
    QFETCH(QString, file);
    QFETCH(QString, locale);
    QFETCH(bool, found);

    if (!file.isEmpty())
        placeTranslation(file);

    QTranslator translator;
    QCOMPARE(loadTranslation(translator, locale), found);
    // Installed whether or not a file was found, as the program does; an
    // empty translator changes nothing.
    QCoreApplication::installTranslator(&translator);
    QCOMPARE(QCoreApplication::translate(context, caption),
             found ? translated(caption) : QString::fromUtf8(caption));
}

void TranslationTest::windowTexts_data()
{
    QTest::addColumn<bool>("withFile");

    QTest::newRow("translation file present") << true;
    QTest::newRow("no translation file") << false;
}

// Installed before the window is built, the translation reaches the form,
// its lists, the pin-function lists and the card texts; texts that the file
// does not translate stay German.
void TranslationTest::windowTexts()
{
    QFETCH(bool, withFile);

    if (withFile)
        placeTranslation(QStringLiteral("lochkartor_de.qm"));
    QTranslator translator;
    QCOMPARE(loadTranslation(translator, QStringLiteral("de_AT")), withFile);
    QCoreApplication::installTranslator(&translator);

    auto expect = [&](const char *source) {
        return withFile ? translated(source) : QString::fromUtf8(source);
    };

    Lochkartor window;
    QCOMPARE(TestSupport::widget<QGroupBox>(window, "basicDataBox")->title(), expect("Grunddaten"));
    QCOMPARE(TestSupport::widget<QGroupBox>(window, "pinOutBox")->title(),
             QStringLiteral("Pinbelegung"));
    QCOMPARE(TestSupport::widget<QComboBox>(window, "genericTubeType")->itemText(1),
             expect("Triode"));
    QCOMPARE(window.cards().text(CardText::PlateCapNote), expect("A an Kappe!"));

    const auto models
        = window.findChildren<QStandardItemModel *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(!models.isEmpty());
    QCOMPARE(models.first()->item(10)->text(), expect("Unbelegt"));
}

QTEST_MAIN(TranslationTest)
#include "tst_translation.moc"
