#pragma once

#include "cardtext.h"
#include "hole.h"

#include <QString>
#include <array>
#include <utility>
#include <vector>

struct Card;
class QGraphicsEllipseItem;
class QGraphicsScene;
class QGraphicsTextItem;

// The two pictures of the card: the universal card, on which every hole
// position is printed with its meaning, and the created card, a blank card
// with the texts for the operator. A punched hole is a visible marker; every
// hole operation acts on both cards at once, so they can never disagree.
class CardScenes
{
public:
    CardScenes();
    ~CardScenes();
    CardScenes(const CardScenes &) = delete;
    CardScenes &operator=(const CardScenes &) = delete;

    QGraphicsScene *universalScene() const { return m_universalScene; }
    QGraphicsScene *createdScene() const { return m_createdScene; }

    // Field 1 is field I, field 2 field II; any other field is ignored.
    void showHole(int hole, int field);
    void hideHole(int hole, int field);
    void setHole(const Hole &hole, bool punched);
    // Punches the holes of `punched` and clears every other hole of `group`.
    void punchOnly(const HoleList &group, const HoleList &punched);

    // Selectors shared by the grid and screen-grid encoders and the tube
    // type handling; a choice outside the group's range changes nothing.
    void setGridVoltageHoles(int choice);
    void setGridScaleHoles(int choice);
    void setScreenVoltageHoles(int choice);
    void setScreenScaleHoles(int choice);

    void setTubeNameText(const QString &name);

    // Makes both pictures show `card`: its holes, and its texts with their
    // contents, visibility and the tube name's size.
    void showCard(const Card &card);

    void setText(CardText text, const QString &content);
    void setTextVisible(CardText text, bool visible);
    QGraphicsTextItem *textItem(CardText text) const;
    QGraphicsEllipseItem *universalMarker(const Hole &hole) const;
    QGraphicsEllipseItem *createdMarker(const Hole &hole) const;

    // Read-only view of the created card.
    bool isPunched(const Hole &hole) const;
    HoleList punchedHoles() const; // field I first, ascending numbers
    HoleList universalPunchedHoles() const;
    QString text(CardText text) const;
    bool isTextVisible(CardText text) const;
    std::vector<std::pair<CardText, QString>> visibleTexts() const;

private:
    void addCardTexts();
    void addHoleMarkers();
    void selectOne(const HoleList &group, int choice, bool lastChoiceIsNone);

    using FieldMarkers = std::array<QGraphicsEllipseItem *, HoleGrid::HolesPerField>;
    QGraphicsScene *m_universalScene = nullptr;
    QGraphicsScene *m_createdScene = nullptr;
    std::array<QGraphicsTextItem *, CardTextCount> m_texts{};
    std::array<FieldMarkers, 2> m_universalMarkers{};
    std::array<FieldMarkers, 2> m_createdMarkers{};
};
