#include "cardscenes.h"
#include "cardtext_layout.h"
#include "operating_point_table.h"

#include <QBrush>
#include <QCoreApplication>
#include <QFont>
#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QPen>
#include <QPixmap>
#include <QTextDocument>

#include <algorithm>

static void initCardPictures()
{
    Q_INIT_RESOURCE(cards);
}

namespace {

QFont cardFont(int pointSize)
{
    return QFont(QString::fromLatin1(cardFontFamily()), pointSize);
}

int fieldIndex(int field)
{
    return field - HoleGrid::FieldI;
}

bool isField(int field)
{
    return field == HoleGrid::FieldI || field == HoleGrid::FieldII;
}

} // namespace

CardScenes::CardScenes()
{
    initCardPictures();
    m_universalScene = new QGraphicsScene;
    m_universalScene->addPixmap(QPixmap(QStringLiteral(":/images/unicard")))->setPos(0, 0);
    m_createdScene = new QGraphicsScene;
    m_createdScene->addPixmap(QPixmap(QStringLiteral(":/images/empcard")))->setPos(0, 0);
    addCardTexts();
    addHoleMarkers();
}

CardScenes::~CardScenes()
{
    delete m_createdScene;
    delete m_universalScene;
}

void CardScenes::addCardTexts()
{
    for (int text = 0; text < CardTextCount; ++text) {
        const CardTextLayout &layout = cardTextLayout(CardText(text));
        const QFont font = cardFont(layout.pointSize);
        QGraphicsTextItem *item = m_createdScene->addText(initialCardText(layout.text), font);
        if (layout.rotated)
            item->setRotation(-90);
        item->setPos(layout.x, layout.y);
        m_texts[static_cast<int>(layout.text)] = item;
    }
}

void CardScenes::addHoleMarkers()
{
    // A zero-width pen is cosmetic: the disc keeps a one-pixel rim however
    // far the view or the printer scales the card.
    QPen pen(Qt::black);
    pen.setWidth(0);
    const QBrush brush(Qt::black, Qt::SolidPattern);
    const int size = HoleGrid::MarkerSize;
    for (int number = 1; number <= HoleGrid::HolesPerField; ++number) {
        const int x = HoleGrid::markerX(number);
        const int yII = HoleGrid::markerY(HoleGrid::FieldII, number);
        const int yI = HoleGrid::markerY(HoleGrid::FieldI, number);
        auto add = [&](QGraphicsScene *scene, int y) {
            QGraphicsEllipseItem *marker = scene->addEllipse(x, y, size, size, pen, brush);
            marker->hide();
            return marker;
        };
        m_universalMarkers[0][number - 1] = add(m_universalScene, yI);
        m_universalMarkers[1][number - 1] = add(m_universalScene, yII);
        m_createdMarkers[0][number - 1] = add(m_createdScene, yI);
        m_createdMarkers[1][number - 1] = add(m_createdScene, yII);
    }
}

void CardScenes::showHole(int hole, int field)
{
    if (isField(field))
        setHole({field, hole}, true);
}

void CardScenes::hideHole(int hole, int field)
{
    if (isField(field))
        setHole({field, hole}, false);
}

void CardScenes::setHole(const Hole &hole, bool punched)
{
    if (!HoleGrid::isValid(hole))
        return;
    universalMarker(hole)->setVisible(punched);
    createdMarker(hole)->setVisible(punched);
}

void CardScenes::punchOnly(const HoleList &group, const HoleList &punched)
{
    for (const Hole &hole : group) {
        const bool selected = std::find(punched.begin(), punched.end(), hole) != punched.end();
        setHole(hole, selected);
    }
}

void CardScenes::selectOne(const HoleList &group, int choice, bool lastChoiceIsNone)
{
    const int choices = int(group.size()) + (lastChoiceIsNone ? 1 : 0);
    if (choice < 0 || choice >= choices)
        return;
    HoleList punched;
    if (choice < int(group.size()))
        punched.push_back(group[choice]);
    punchOnly(group, punched);
}

// Ug1 supply: 0 V, -10 V, the most negative tap; choice 3 is none.
void CardScenes::setGridVoltageHoles(int choice)
{
    selectOne(OperatingPointTable::gridSupplyHoles, choice, true);
}

// Ug1 meter: 1.5, 3, 7.5, 15 and 30 V; choice 5 is none (the 75 V range).
void CardScenes::setGridScaleHoles(int choice)
{
    selectOne(OperatingPointTable::gridScaleHoles, choice, true);
}

// Ug2 supply: 150 V or 300 V; one of the two is always punched.
void CardScenes::setScreenVoltageHoles(int choice)
{
    selectOne(OperatingPointTable::screenSupplyHoles, choice, false);
}

// Ug2 meter: 75 V or 150 V; choice 2 is none (the 300 V range).
void CardScenes::setScreenScaleHoles(int choice)
{
    selectOne(OperatingPointTable::screenScaleHoles, choice, true);
}

void CardScenes::setTubeNameText(const QString &name)
{
    QGraphicsTextItem *item = textItem(CardText::TubeName);
    item->setPlainText(name);
    // Long names shrink so that up to 12 characters fit beside the type.
    item->setFont(cardFont(tubeNamePointSize(name)));
}

// Every new text is laid out at once, and most cards shown keep most texts.
// The text goes straight into the item's document: the item's own setter
// would also bring its text cursor into view, measuring the laid-out line
// again, and no one ever edits a text on the card.
void CardScenes::setText(CardText text, const QString &content)
{
    QGraphicsTextItem *item = textItem(text);
    if (item->toPlainText() != content)
        item->document()->setPlainText(content);
}

void CardScenes::setTextVisible(CardText text, bool visible)
{
    textItem(text)->setVisible(visible);
}

QGraphicsTextItem *CardScenes::textItem(CardText text) const
{
    return m_texts[static_cast<int>(text)];
}

QGraphicsEllipseItem *CardScenes::universalMarker(const Hole &hole) const
{
    return m_universalMarkers[fieldIndex(hole.field)][hole.number - 1];
}

QGraphicsEllipseItem *CardScenes::createdMarker(const Hole &hole) const
{
    return m_createdMarkers[fieldIndex(hole.field)][hole.number - 1];
}

bool CardScenes::isPunched(const Hole &hole) const
{
    return HoleGrid::isValid(hole) && createdMarker(hole)->isVisible();
}

static HoleList visibleMarkers(
    const std::array<std::array<QGraphicsEllipseItem *, HoleGrid::HolesPerField>, 2> &markers)
{
    HoleList holes;
    for (int f = 0; f < 2; ++f) {
        for (int n = 0; n < HoleGrid::HolesPerField; ++n) {
            if (markers[f][n]->isVisible())
                holes.push_back({HoleGrid::FieldI + f, n + 1});
        }
    }
    return holes;
}

HoleList CardScenes::punchedHoles() const
{
    return visibleMarkers(m_createdMarkers);
}

HoleList CardScenes::universalPunchedHoles() const
{
    return visibleMarkers(m_universalMarkers);
}

QString CardScenes::text(CardText text) const
{
    return textItem(text)->toPlainText();
}

bool CardScenes::isTextVisible(CardText text) const
{
    return textItem(text)->isVisible();
}

std::vector<std::pair<CardText, QString>> CardScenes::visibleTexts() const
{
    std::vector<std::pair<CardText, QString>> texts;
    for (int i = 0; i < CardTextCount; ++i) {
        const auto text = static_cast<CardText>(i);
        if (isTextVisible(text))
            texts.emplace_back(text, this->text(text));
    }
    return texts;
}
