#include "cardscenes.h"

#include <QFont>
#include <QGraphicsEllipseItem>
#include <QGraphicsTextItem>

void CardScenes::copyStateFrom(const CardScenes &other)
{
    for (int field = 0; field < 2; ++field) {
        for (int index = 0; index < HoleGrid::HolesPerField; ++index) {
            m_universalMarkers[field][index]->setVisible(
                other.m_universalMarkers[field][index]->isVisible());
            m_createdMarkers[field][index]->setVisible(
                other.m_createdMarkers[field][index]->isVisible());
        }
    }
    for (int text = 0; text < CardTextCount; ++text) {
        QGraphicsTextItem *item = m_texts[text];
        const QGraphicsTextItem *source = other.m_texts[text];
        if (item->toPlainText() != source->toPlainText())
            item->setPlainText(source->toPlainText());
        // A new font lays the text out again.
        if (item->font() != source->font())
            item->setFont(source->font());
        item->setVisible(source->isVisible());
    }
}
