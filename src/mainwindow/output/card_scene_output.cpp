#include "card_scene_output.h"

#include "card_page.h"

#include <QGraphicsScene>
#include <QPainter>

namespace CardImage {

QImage render(QGraphicsScene *scene, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene->render(&painter, QRectF(), QRectF(), Qt::KeepAspectRatio);
    painter.end();
    return image;
}

} // namespace CardImage

namespace CardPage {

void paintCard(QPainter *painter, QGraphicsScene *card)
{
    card->render(painter, CardOnPage, QRectF(), Qt::KeepAspectRatio);
}

} // namespace CardPage
