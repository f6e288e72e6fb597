// The card pictures painted from the engine's card are the window's: the
// created and the universal card of every sample tube and of a few hundred
// random ones, pixel for pixel, at their own size and scaled onto a page.

#include "card_image.h"
#include "card_page.h"
#include "card_painting.h"
#include "card_scene_output.h"
#include "form_replay.h"
#include "testsupport_window.h"
#include "tube_file.h"
#include "tubefilegenerator.h"

#include <QDir>
#include <QGraphicsScene>
#include <QPainter>
#include <QTemporaryDir>

class CardPaintingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesAreWindowsPictures_data();
    void picturesAreWindowsPictures();

private:
    std::unique_ptr<Lochkartor> m_window;
    QTemporaryDir m_dir;
};

void CardPaintingTest::initTestCase()
{
    TestSupport::isolateSettings();
    m_window = std::make_unique<Lochkartor>();
    QVERIFY(m_dir.isValid());
}

void CardPaintingTest::picturesAreWindowsPictures_data()
{
    QTest::addColumn<QByteArray>("file");
    const QDir samples(qEnvironmentVariable("LOCHKARTOR_SOURCE_DIR")
                       + QStringLiteral("/tests/data/tubes"));
    for (const QString &name : samples.entryList({QStringLiteral("*.tds")}, QDir::Files))
        QTest::newRow(qPrintable(name)) << TestSupport::readAll(samples.filePath(name));
    TubeFileGenerator generator(2024);
    const int cases = TestSupport::underSanitizers ? 30 : 200;
    for (int index = 0; index < cases; ++index)
        QTest::addRow("random %d", index) << generator.validFile();
}

void CardPaintingTest::picturesAreWindowsPictures()
{
    QFETCH(QByteArray, file);
    const QString path = m_dir.filePath(QStringLiteral("tube.tds"));
    QVERIFY(TestSupport::writeAll(path, file));
    Lochkartor &window = *m_window;
    QVERIFY(window.loadTubeDataQuietly(path, nullptr).ok());
    const Card card = cardOf(TubeData::readTube(path).tube);

    QGraphicsScene *created = window.cards().createdScene();
    QGraphicsScene *universal = window.cards().universalScene();
    // Qt draws a glyph a shade differently the first time it draws it at a
    // size; each picture is compared as drawn once more.
    CardImage::render(created);
    QVERIFY(CardImage::render(created)
            == CardPainting::render(card, CardPainting::Picture::Created));
    QVERIFY(CardImage::render(universal, universal->sceneRect().size().toSize())
            == CardPainting::render(card, CardPainting::Picture::Universal));

    // On a page of 300 dots to the inch, as printing and the PDF place it.
    QImage fromScene(1800, 1400, QImage::Format_ARGB32_Premultiplied);
    fromScene.fill(Qt::white);
    QImage painted = fromScene;
    for (int time = 0; time < 2; ++time) {
        QPainter painter(&fromScene);
        painter.scale(2, 2);
        CardPage::paintCard(&painter, created);
    }
    {
        QPainter painter(&painted);
        painter.scale(2, 2);
        CardPainting::paint(&painter, card, CardPainting::Picture::Created, CardPage::CardOnPage);
    }
    QVERIFY(fromScene == painted);
}

QTEST_MAIN(CardPaintingTest)
#include "tst_card_painting.moc"
