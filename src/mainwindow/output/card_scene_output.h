#pragma once

#include "card_image.h"

#include <QImage>
#include <QSize>

class QGraphicsScene;
class QPainter;

// The window's card scenes as pictures and on a page, placed exactly as
// the pictures painted from the card value are.

namespace CardImage {

// The scene drawn into a picture of the card's size, card pixel for card
// pixel; only visible markers and texts appear. The universal card is one
// pixel wider than the created card.
QImage render(QGraphicsScene *scene, QSize size = QSize(Width, Height));

} // namespace CardImage

namespace CardPage {

// Draws the card scene at its place, in card pixels.
void paintCard(QPainter *painter, QGraphicsScene *card);

} // namespace CardPage
