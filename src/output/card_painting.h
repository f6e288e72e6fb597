#pragma once

#include "card.h"

#include <QImage>
#include <QRectF>

class QPainter;

// The two card pictures painted from a card value: the universal card, on
// which every hole position is printed with its meaning, and the created
// card, a blank card with the holes and the operator's texts. Pixel for
// pixel what the window's card scenes show.
namespace CardPainting {

enum class Picture { Created, Universal };

// The picture's size in card pixels; the universal card is a pixel wider.
QRectF pictureRect(Picture picture);

// Paints the picture into `target` of the painter's device, scaled to fit
// with its aspect ratio kept; a null target is the whole device.
void paint(QPainter *painter, const Card &card, Picture picture, const QRectF &target = QRectF());

// The picture at its own size, card pixel for card pixel, on a transparent
// background.
QImage render(const Card &card, Picture picture);

} // namespace CardPainting
