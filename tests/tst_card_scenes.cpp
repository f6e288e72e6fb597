// The two card pictures: every hole marker must sit exactly over its printed
// ring, both cards must always show the same holes, and the hole-group
// selectors must never leave two holes of one group punched.

#include "cardtext_layout.h"
#include "testsupport_window.h"

#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QSignalSpy>

#include <algorithm>
#include <functional>

namespace {

// Where the columns and rows of the hole fields lie on the card picture.
const int columnX[12] = {100, 165, 230, 295, 360, 425, 490, 555, 620, 685, 750, 815};
const int fieldIRowY[6] = {79, 120, 161, 202, 243, 284};
const int fieldIIRowY[6] = {405, 446, 487, 528, 569, 610};

QRectF markerRectOnCard(const QGraphicsEllipseItem *marker)
{
    return marker->rect().translated(marker->pos());
}

QRectF expectedMarkerRect(const Hole &hole)
{
    const int *rows = hole.field == 1 ? fieldIRowY : fieldIIRowY;
    return QRectF(columnX[(hole.number - 1) / 6], rows[(hole.number - 1) % 6], 15, 15);
}

HoleList everyHole()
{
    HoleList holes;
    for (int field = 1; field <= 2; ++field) {
        for (int number = 1; number <= 72; ++number)
            holes.push_back({field, number});
    }
    return holes;
}

using Selector = std::function<void(CardScenes &, int)>;

Selector selectorNamed(const QString &name)
{
    if (name == QLatin1String("gridVoltage"))
        return [](CardScenes &cards, int choice) { cards.setGridVoltageHoles(choice); };
    if (name == QLatin1String("gridScale"))
        return [](CardScenes &cards, int choice) { cards.setGridScaleHoles(choice); };
    if (name == QLatin1String("screenVoltage"))
        return [](CardScenes &cards, int choice) { cards.setScreenVoltageHoles(choice); };
    return [](CardScenes &cards, int choice) { cards.setScreenScaleHoles(choice); };
}

// Everything a user could see change on the two cards.
struct CardState
{
    HoleList created;
    HoleList universal;
    std::vector<std::pair<CardText, QString>> texts;

    explicit CardState(const CardScenes &cards)
        : created(cards.punchedHoles())
        , universal(cards.universalPunchedHoles())
        , texts(cards.visibleTexts())
    { }
    bool operator==(const CardState &other) const
    {
        return created == other.created && universal == other.universal && texts == other.texts;
    }
};

// Counts the mouse events that reach a scene.
class SceneMouseSpy : public QObject
{
public:
    int events = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::GraphicsSceneMousePress:
        case QEvent::GraphicsSceneMouseRelease:
        case QEvent::GraphicsSceneMouseDoubleClick:
        case QEvent::GraphicsSceneMouseMove:
            ++events;
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(CardText)

class CardScenesTest : public QObject
{
    Q_OBJECT

private slots:
    void markersOnTheGrid();
    void nothingPunchedAtFirst();
    void sceneContents();
    void stackingOrder();
    void singleHole_data();
    void singleHole();
    void otherFieldsIgnored_data();
    void otherFieldsIgnored();
    void selectors_data();
    void selectors();
    void cardTexts_data();
    void cardTexts();
    void tubeNameSize_data();
    void tubeNameSize();
    void typedTubeNameReachesCard();
    void wideNamesNeverOverlap_data();
    void wideNamesNeverOverlap();
    void windowShowHole_data();
    void windowShowHole();
    void clicksChangeNothing();
};

// Every marker of both cards, hidden, exactly over its grid position, drawn
// as a filled black disc.
void CardScenesTest::markersOnTheGrid()
{
    CardScenes cards;
    for (const Hole &hole : everyHole()) {
        const QString name = TestSupport::holesText({hole});
        for (const QGraphicsEllipseItem *marker :
             {cards.universalMarker(hole), cards.createdMarker(hole)}) {
            QVERIFY2(markerRectOnCard(marker) == expectedMarkerRect(hole), qPrintable(name));
            QVERIFY2(!marker->isVisible(), qPrintable(name));
            QCOMPARE(marker->pen().color(), QColor(Qt::black));
            QCOMPARE(marker->pen().style(), Qt::SolidLine);
            QVERIFY(marker->pen().isCosmetic());
            QCOMPARE(marker->brush().style(), Qt::SolidPattern);
            QCOMPARE(marker->brush().color(), QColor(Qt::black));
        }
        QCOMPARE(cards.universalMarker(hole)->scene(), cards.universalScene());
        QCOMPARE(cards.createdMarker(hole)->scene(), cards.createdScene());
    }
}

void CardScenesTest::nothingPunchedAtFirst()
{
    CardScenes cards;
    QCOMPARE(TestSupport::holesText(cards.punchedHoles()), QString());
    QCOMPARE(TestSupport::holesText(cards.universalPunchedHoles()), QString());
}

// Picture, markers and texts are all there from the start, and nothing
// reaches beyond the picture: the views are fitted to the scene's extent.
void CardScenesTest::sceneContents()
{
    CardScenes cards;
    QCOMPARE(cards.universalScene()->items().size(), 1 + 144);
    QCOMPARE(cards.createdScene()->items().size(), 1 + 14 + 144);
    QCOMPARE(cards.universalScene()->itemsBoundingRect(), QRectF(0, 0, 928, 700));
    QCOMPARE(cards.createdScene()->itemsBoundingRect(), QRectF(0, 0, 927, 700));
    QCOMPARE(cards.universalScene()->sceneRect(), QRectF(0, 0, 928, 700));
    QCOMPARE(cards.createdScene()->sceneRect(), QRectF(0, 0, 927, 700));
}

// Bottom to top: the picture, the texts in their order, then the markers, so
// a punched hole is never hidden under a text.
void CardScenesTest::stackingOrder()
{
    CardScenes cards;
    const QList<QGraphicsItem *> created = cards.createdScene()->items(Qt::AscendingOrder);
    QVERIFY(qgraphicsitem_cast<QGraphicsPixmapItem *>(created.first()));
    for (int i = 0; i < CardTextCount; ++i)
        QCOMPARE(created.at(1 + i), cards.textItem(static_cast<CardText>(i)));
    for (int i = 1 + CardTextCount; i < created.size(); ++i)
        QVERIFY(qgraphicsitem_cast<QGraphicsEllipseItem *>(created.at(i)));

    const QList<QGraphicsItem *> universal = cards.universalScene()->items(Qt::AscendingOrder);
    QVERIFY(qgraphicsitem_cast<QGraphicsPixmapItem *>(universal.first()));
    for (int i = 1; i < universal.size(); ++i)
        QVERIFY(qgraphicsitem_cast<QGraphicsEllipseItem *>(universal.at(i)));
}

void CardScenesTest::singleHole_data()
{
    QTest::addColumn<QString>("hole");
    QTest::addColumn<QRectF>("rect");

    QTest::newRow("I1, top left") << "I1" << QRectF(100, 79, 15, 15);
    QTest::newRow("I6, bottom of first column") << "I6" << QRectF(100, 284, 15, 15);
    QTest::newRow("I7, top of second column") << "I7" << QRectF(165, 79, 15, 15);
    QTest::newRow("I72, bottom right") << "I72" << QRectF(815, 284, 15, 15);
    QTest::newRow("II1, top left") << "II1" << QRectF(100, 405, 15, 15);
    QTest::newRow("II13") << "II13" << QRectF(230, 405, 15, 15);
    QTest::newRow("II72, bottom right") << "II72" << QRectF(815, 610, 15, 15);
}

// Punching one hole shows it on both cards, at its place, and nothing else;
// clearing it clears it on both.
void CardScenesTest::singleHole()
{
    QFETCH(QString, hole);
    QFETCH(QRectF, rect);

    const Hole h = TestSupport::parseHoles(hole).front();
    CardScenes cards;
    cards.showHole(h.number, h.field);
    QCOMPARE(TestSupport::holesText(cards.punchedHoles()), hole);
    QCOMPARE(TestSupport::holesText(cards.universalPunchedHoles()), hole);
    QCOMPARE(markerRectOnCard(cards.createdMarker(h)), rect);
    QCOMPARE(markerRectOnCard(cards.universalMarker(h)), rect);

    cards.hideHole(h.number, h.field);
    QVERIFY(cards.punchedHoles().empty());
    QVERIFY(cards.universalPunchedHoles().empty());
}

void CardScenesTest::otherFieldsIgnored_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("field");

    QTest::newRow("field 0") << 1 << 0;
    QTest::newRow("field 3") << 1 << 3;
    QTest::newRow("field -1") << 72 << -1;
    QTest::newRow("hole 0") << 0 << 1;
    QTest::newRow("hole 73") << 73 << 2;
}

// A hole that is not on the card is neither punched nor cleared.
void CardScenesTest::otherFieldsIgnored()
{
    QFETCH(int, number);
    QFETCH(int, field);

    CardScenes cards;
    cards.showHole(1, 1);
    cards.showHole(72, 2);
    cards.showHole(number, field);
    cards.hideHole(number, field);
    QCOMPARE(TestSupport::holesText(cards.punchedHoles()), QStringLiteral("I1 II72"));
    QVERIFY(TestSupport::cardsAgree(cards));
}

void CardScenesTest::selectors_data()
{
    QTest::addColumn<QString>("selector");
    QTest::addColumn<QString>("before"); // punched before the selector runs
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<QString>("punched");

    // Ug1 supply: 0 V, -10 V, the most negative tap, none.
    QTest::newRow("Ug1 0 V") << "gridVoltage"
                             << "" << QList<int>{0} << "I3";
    QTest::newRow("Ug1 -10 V") << "gridVoltage"
                               << "" << QList<int>{1} << "I2";
    QTest::newRow("Ug1 -65 V") << "gridVoltage"
                               << "" << QList<int>{2} << "I1";
    QTest::newRow("Ug1 none") << "gridVoltage"
                              << "I1 I2 I3" << QList<int>{3} << "";
    QTest::newRow("Ug1 replaced") << "gridVoltage"
                                  << "" << QList<int>{0, 2} << "I1";
    QTest::newRow("Ug1 4 ignored") << "gridVoltage"
                                   << "" << QList<int>{1, 4} << "I2";
    QTest::newRow("Ug1 -1 ignored") << "gridVoltage"
                                    << "" << QList<int>{1, -1} << "I2";
    QTest::newRow("Ug1 neighbours kept") << "gridVoltage"
                                         << "I4 I7 II1" << QList<int>{1} << "I2 I4 I7 II1";

    // Ug1 meter: 1.5, 3, 7.5, 15, 30 V, none.
    QTest::newRow("Ug1 scale 0") << "gridScale"
                                 << "" << QList<int>{0} << "I15";
    QTest::newRow("Ug1 scale 1") << "gridScale"
                                 << "" << QList<int>{1} << "I16";
    QTest::newRow("Ug1 scale 2") << "gridScale"
                                 << "" << QList<int>{2} << "I17";
    QTest::newRow("Ug1 scale 3") << "gridScale"
                                 << "" << QList<int>{3} << "I18";
    QTest::newRow("Ug1 scale 4") << "gridScale"
                                 << "" << QList<int>{4} << "II13";
    QTest::newRow("Ug1 scale none") << "gridScale"
                                    << "I15 I16 I17 I18 II13" << QList<int>{5} << "";
    QTest::newRow("Ug1 scale 2 then 4") << "gridScale"
                                        << "" << QList<int>{2, 4} << "II13";
    QTest::newRow("Ug1 scale 7 ignored") << "gridScale"
                                         << "" << QList<int>{2, 4, 7} << "II13";
    QTest::newRow("Ug1 scale 6 ignored") << "gridScale"
                                         << "" << QList<int>{0, 6} << "I15";
    QTest::newRow("Ug1 scale neighbours kept")
        << "gridScale"
        << "I14 I19 II12 II14" << QList<int>{3} << "I14 I18 I19 II12 II14";

    // Ug2 supply: 150 V or 300 V; there is no "none".
    QTest::newRow("Ug2 150 V") << "screenVoltage"
                               << "" << QList<int>{0} << "I19";
    QTest::newRow("Ug2 300 V") << "screenVoltage"
                               << "I19" << QList<int>{1} << "I20";
    QTest::newRow("Ug2 back to 150 V") << "screenVoltage"
                                       << "" << QList<int>{1, 0} << "I19";
    QTest::newRow("Ug2 2 ignored") << "screenVoltage"
                                   << "" << QList<int>{1, 2} << "I20";
    QTest::newRow("Ug2 2 ignored on blank card") << "screenVoltage"
                                                 << "" << QList<int>{2} << "";
    QTest::newRow("Ug2 neighbours kept") << "screenVoltage"
                                         << "I18 I21 II19" << QList<int>{1} << "I18 I20 I21 II19";

    // Ug2 meter: 75 V, 150 V, none.
    QTest::newRow("Ug2 scale 0") << "screenScale"
                                 << "" << QList<int>{0} << "II23";
    QTest::newRow("Ug2 scale 1") << "screenScale"
                                 << "II23" << QList<int>{1} << "II24";
    QTest::newRow("Ug2 scale none") << "screenScale"
                                    << "II23 II24" << QList<int>{2} << "";
    QTest::newRow("Ug2 scale 3 ignored") << "screenScale"
                                         << "" << QList<int>{1, 3} << "II24";
    QTest::newRow("Ug2 scale neighbours kept")
        << "screenScale"
        << "II22 II25 I23 I24" << QList<int>{0} << "I23 I24 II22 II23 II25";
}

void CardScenesTest::selectors()
{
    QFETCH(QString, selector);
    QFETCH(QString, before);
    QFETCH(QList<int>, choices);
    QFETCH(QString, punched);

    CardScenes cards;
    for (const Hole &hole : TestSupport::parseHoles(before))
        cards.showHole(hole.number, hole.field);
    const Selector select = selectorNamed(selector);
    for (int choice : choices)
        select(cards, choice);
    QCOMPARE(TestSupport::holesText(cards.punchedHoles()), punched);
    QVERIFY(TestSupport::cardsAgree(cards));
}

void CardScenesTest::cardTexts_data()
{
    QTest::addColumn<CardText>("text");
    QTest::addColumn<QString>("initialText");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<qreal>("rotation");

    QTest::newRow("tube name") << CardText::TubeName << "" << 50 << QPointF(100, 310) << 0.0;
    QTest::newRow("tube type") << CardText::TubeType << "" << 20 << QPointF(450, 315) << 0.0;
    QTest::newRow("socket") << CardText::Socket << "" << 20 << QPointF(450, 345) << 0.0;
    QTest::newRow("heating voltage")
        << CardText::HeatingVoltage << "" << 20 << QPointF(750, 315) << 0.0;
    QTest::newRow("heating current")
        << CardText::HeatingCurrent << "" << 20 << QPointF(750, 345) << 0.0;
    QTest::newRow("plate voltage")
        << CardText::PlateVoltage << "Ua=" << 14 << QPointF(100, 25) << 0.0;
    QTest::newRow("screen voltage")
        << CardText::ScreenVoltage << "Ug2=" << 14 << QPointF(410, 25) << 0.0;
    QTest::newRow("grid voltage") << CardText::GridVoltage << "Ug1=" << 14 << QPointF(700, 25)
                                  << 0.0;
    QTest::newRow("plate current")
        << CardText::PlateCurrent << "Ia=" << 14 << QPointF(100, 645) << 0.0;
    QTest::newRow("screen current")
        << CardText::ScreenCurrent << "Ig2=" << 14 << QPointF(410, 645) << 0.0;
    QTest::newRow("transconductance")
        << CardText::Transconductance << "S=" << 14 << QPointF(700, 645) << 0.0;
    QTest::newRow("plate cap note")
        << CardText::PlateCapNote << "A an Kappe!" << 25 << QPointF(800, 285) << -90.0;
    QTest::newRow("screen-grid cap note")
        << CardText::ScreenGridCapNote << "G2 an Kappe!" << 25 << QPointF(730, 285) << -90.0;
    QTest::newRow("control-grid cap note")
        << CardText::ControlGridCapNote << "G1 an Kappe!" << 25 << QPointF(535, 285) << -90.0;
}

// As the card texts stand before the window's first encoder pass: all of
// them visible, the cap notes too.
void CardScenesTest::cardTexts()
{
    QFETCH(CardText, text);
    QFETCH(QString, initialText);
    QFETCH(int, pointSize);
    QFETCH(QPointF, position);
    QFETCH(qreal, rotation);

    CardScenes cards;
    const QGraphicsTextItem *item = cards.textItem(text);
    QCOMPARE(item->scene(), cards.createdScene());
    QCOMPARE(cards.text(text), initialText);
    QVERIFY(cards.isTextVisible(text));
    QCOMPARE(item->font().family(), QStringLiteral("Arial"));
    QCOMPARE(item->font().pointSize(), pointSize);
    QCOMPARE(item->font().weight(), QFont::Normal);
    QVERIFY(!item->font().italic());
    QCOMPARE(item->pos(), position);
    QCOMPARE(item->rotation(), rotation);
    QCOMPARE(item->zValue(), 0.0);

    // A new text is laid out as the item's own setter lays it out, and the
    // view is told to draw it wherever it now reaches.
    QSignalSpy redrawn(cards.createdScene(), &QGraphicsScene::changed);
    const QString longer = initialText + QStringLiteral("Ua=250 V (300)");
    cards.setText(text, longer);
    QCOMPARE(cards.text(text), longer);
    QGraphicsTextItem reference;
    reference.setFont(item->font());
    reference.setPlainText(longer);
    QCOMPARE(item->boundingRect(), reference.boundingRect());
    QVERIFY(redrawn.wait(1000));
    QRectF redrawnArea;
    for (const QList<QVariant> &signal : std::as_const(redrawn)) {
        for (const QRectF &area : signal.at(0).value<QList<QRectF>>())
            redrawnArea |= area;
    }
    QVERIFY(redrawnArea.contains(item->sceneBoundingRect()));
}

void CardScenesTest::tubeNameSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pointSize");

    QTest::newRow("empty") << "" << 50;
    QTest::newRow("1 character") << "X" << 50;
    QTest::newRow("7 characters") << "ECC83XY" << 50;
    QTest::newRow("8 characters") << "ECC83XYZ" << 46;
    QTest::newRow("9 characters") << "EL34/6CA7" << 42;
    QTest::newRow("10 characters") << "6SN7GT-VT2" << 38;
    QTest::newRow("11 characters") << "6SN7GT-VT23" << 34;
    QTest::newRow("12 characters") << "6SN7GT-VT231" << 30;
    QTest::newRow("umlauts") << QString::fromUtf8("Röhre Ä") << 50;
}

// Long names shrink so that they still fit the card; a shorter name that
// follows grows back.
void CardScenesTest::tubeNameSize()
{
    QFETCH(QString, name);
    QFETCH(int, pointSize);

    CardScenes cards;
    cards.setTubeNameText(QStringLiteral("ABCDEFGHIJKL"));
    cards.setTubeNameText(name);
    QCOMPARE(cards.text(CardText::TubeName), name);
    const QFont font = cards.textItem(CardText::TubeName)->font();
    QCOMPARE(font.family(), QStringLiteral("Arial"));
    QCOMPARE(font.pointSize(), pointSize);
}

void CardScenesTest::wideNamesNeverOverlap_data()
{
    QTest::addColumn<QString>("name");

    // The 12 widest characters a name can hold in the card's font, as the
    // machine's fonts draw it, among the Latin letters, digits and signs.
    const QFontMetricsF metrics(QFont(QStringLiteral("Arial"), 30));
    QList<QChar> characters;
    for (char16_t code = 0x21; code < 0x250; ++code) {
        if (QChar(code).isPrint())
            characters << QChar(code);
    }
    std::stable_sort(characters.begin(), characters.end(), [&metrics](QChar a, QChar b) {
        return metrics.horizontalAdvance(a) > metrics.horizontalAdvance(b);
    });
    const QList<QChar> widest = characters.mid(0, 12);
    for (const QChar character : widest)
        QTest::newRow(qPrintable(
            QStringLiteral("12 x U+%1").arg(int(character.unicode()), 4, 16, QLatin1Char('0'))))
            << QString(12, character);
    QTest::newRow("the 12 widest together") << QString(widest.constData(), widest.size());
}

// A name of 12 wide characters is drawn smaller, never over another text.
void CardScenesTest::wideNamesNeverOverlap()
{
    QFETCH(QString, name);

    CardScenes cards;
    cards.setText(CardText::TubeType, QStringLiteral("Glimmstabilisator"));
    cards.setTubeNameText(name);
    const QRectF nameRect = cards.textItem(CardText::TubeName)->sceneBoundingRect();
    for (int index = 0; index < CardTextCount; ++index) {
        const auto text = CardText(index);
        if (text == CardText::TubeName)
            continue;
        const QRectF other = cards.textItem(text)->sceneBoundingRect();
        QVERIFY2(!nameRect.intersects(other),
                 qPrintable(QStringLiteral("the name ends at x %1, the text %2 begins at %3")
                                .arg(nameRect.right())
                                .arg(index)
                                .arg(other.left())));
    }
    QVERIFY(cards.textItem(CardText::TubeName)->font().pointSize() >= MinimumTubeNamePointSize);
}

// Typing into the form's name field writes the card, cut at 12 characters.
void CardScenesTest::typedTubeNameReachesCard()
{
    Lochkartor window;
    QTest::keyClicks(TestSupport::widget<QLineEdit>(window, "tubeName"),
                     QStringLiteral("6SN7GT-VT231X"));
    QCOMPARE(window.cards().text(CardText::TubeName), QStringLiteral("6SN7GT-VT231"));
    QCOMPARE(window.cards().textItem(CardText::TubeName)->font().pointSize(), 30);
}

void CardScenesTest::windowShowHole_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("field");
    QTest::addColumn<QRectF>("rect"); // empty: nothing may change

    QTest::newRow("I1") << 1 << 1 << QRectF(100, 79, 15, 15);
    QTest::newRow("II72") << 72 << 2 << QRectF(815, 610, 15, 15);
    QTest::newRow("field 3") << 1 << 3 << QRectF();
}

// The window's own hole operations act on both of its cards.
void CardScenesTest::windowShowHole()
{
    QFETCH(int, number);
    QFETCH(int, field);
    QFETCH(QRectF, rect);

    Lochkartor window;
    const CardScenes &cards = window.cards();
    if (rect.isNull()) {
        const CardState before(cards);
        window.showHole(number, field);
        QVERIFY(CardState(cards) == before);
        window.hideHole(number, field);
        QVERIFY(CardState(cards) == before);
        return;
    }
    const Hole hole{field, number};
    window.hideHole(number, field);
    QVERIFY(!cards.createdMarker(hole)->isVisible());
    QVERIFY(!cards.universalMarker(hole)->isVisible());
    window.showHole(number, field);
    QVERIFY(cards.createdMarker(hole)->isVisible());
    QVERIFY(cards.universalMarker(hole)->isVisible());
    QCOMPARE(markerRectOnCard(cards.createdMarker(hole)), rect);
    QCOMPARE(markerRectOnCard(cards.universalMarker(hole)), rect);
    QVERIFY(TestSupport::cardsAgree(cards));
}

// The cards are pictures only: clicks, double clicks and drags on either
// view never reach the scenes and change nothing on them.
void CardScenesTest::clicksChangeNothing()
{
    Lochkartor window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const CardScenes &cards = window.cards();
    const CardState before(cards);

    for (const char *name : {"universalCardView", "createdCardView"}) {
        auto *view = TestSupport::widget<QGraphicsView>(window, name);
        SceneMouseSpy spy;
        view->scene()->installEventFilter(&spy);
        QWidget *viewport = view->viewport();
        const QList<QPoint> targets = {view->mapFromScene(QPointF(107, 86)),  // field I hole 1
                                       view->mapFromScene(QPointF(822, 617)), // field II hole 72
                                       view->mapFromScene(QPointF(120, 330)), // the tube name
                                       viewport->rect().center()};
        for (const QPoint &target : targets) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, target);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, target);
            QTest::mouseClick(viewport, Qt::RightButton, {}, target);
            QTest::mousePress(viewport, Qt::LeftButton, {}, target);
            QTest::mouseMove(viewport, target + QPoint(30, 20));
            QTest::mouseRelease(viewport, Qt::LeftButton, {}, target + QPoint(30, 20));
        }
        view->scene()->removeEventFilter(&spy);
        QCOMPARE(spy.events, 0);
        QVERIFY(view->scene()->selectedItems().isEmpty());
        QVERIFY(!view->scene()->focusItem());
    }
    QVERIFY(CardState(cards) == before);
}

QTEST_MAIN(CardScenesTest)
#include "tst_card_scenes.moc"
