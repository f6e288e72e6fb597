#include "card.h"
#include "cardscenes.h"
#include "cardtext_layout.h"

#include <QFont>
#include <QGraphicsEllipseItem>
#include <QGraphicsTextItem>

// Runs after every edit: only what differs is touched, since a new text or
// font lays the item out again.
void CardScenes::showCard(const Card &card)
{
    std::array<std::array<bool, HoleGrid::HolesPerField>, 2> punched{};
    for (const Hole &hole : card.holes) {
        if (HoleGrid::isValid(hole))
            punched[std::size_t(hole.field - HoleGrid::FieldI)][std::size_t(hole.number - 1)]
                = true;
    }
    // An edit changes a few holes; the markers of the others stay untouched
    // (they are top-level items, so shown and visible are the same).
    for (std::size_t field = 0; field < 2; ++field) {
        for (std::size_t index = 0; index < std::size_t(HoleGrid::HolesPerField); ++index) {
            for (QGraphicsEllipseItem *marker :
                 {m_universalMarkers[field][index], m_createdMarkers[field][index]}) {
                if (marker->isVisible() != punched[field][index])
                    marker->setVisible(punched[field][index]);
            }
        }
    }
    for (int index = 0; index < CardTextCount; ++index) {
        const auto text = CardText(index);
        setText(text, card.text(text).content);
        setTextVisible(text, card.text(text).visible);
    }
    QGraphicsTextItem *name = textItem(CardText::TubeName);
    if (name->font().pointSize() != card.tubeNamePointSize)
        name->setFont(QFont(QString::fromLatin1(cardFontFamily()), card.tubeNamePointSize));
}
