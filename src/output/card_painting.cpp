#include "card_painting.h"

#include "cardtext_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QTextDocument>

#include <algorithm>

static void initCardPictures()
{
    Q_INIT_RESOURCE(cards);
}

namespace CardPainting {

namespace {

const QPixmap &background(Picture picture)
{
    static const QPixmap created = [] {
        initCardPictures();
        return QPixmap(QStringLiteral(":/images/empcard"));
    }();
    static const QPixmap universal = [] {
        initCardPictures();
        return QPixmap(QStringLiteral(":/images/unicard"));
    }();
    return picture == Picture::Created ? created : universal;
}

// A card text as the scene's text item lays it out: a plain text document
// in the text's font, drawn in the palette's text colour.
void paintText(QPainter *painter, const CardTextLayout &layout, const QString &content,
               int pointSize)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QString::fromLatin1(cardFontFamily()), pointSize));
    document.setPlainText(content);
    painter->save();
    painter->translate(layout.x, layout.y);
    if (layout.rotated)
        painter->rotate(-90);
    QAbstractTextDocumentLayout::PaintContext context;
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

// A punched hole is a black disc with a one-pixel rim, however far the
// picture is scaled.
void paintHoles(QPainter *painter, const Card &card)
{
    QPen pen(Qt::black);
    pen.setWidth(0);
    painter->setPen(pen);
    painter->setBrush(QBrush(Qt::black, Qt::SolidPattern));
    const int size = HoleGrid::MarkerSize;
    for (int number = 1; number <= HoleGrid::HolesPerField; ++number) {
        for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
            if (card.isPunched({field, number}))
                painter->drawEllipse(QRectF(HoleGrid::markerX(number),
                                            HoleGrid::markerY(field, number), size, size));
        }
    }
}

} // namespace

QRectF pictureRect(Picture picture)
{
    return QRectF(QPointF(0, 0), background(picture).size());
}

// The card scenes draw the same way: the background picture, the texts in
// their order, then the hole markers.
void paint(QPainter *painter, const Card &card, Picture picture, const QRectF &target)
{
    const QRectF source = pictureRect(picture);
    const QRectF area = target.isNull()
                            ? QRectF(0, 0, painter->device()->width(), painter->device()->height())
                            : target;
    const qreal ratio = std::min(area.width() / source.width(), area.height() / source.height());
    painter->save();
    painter->setClipRect(area, Qt::IntersectClip);
    painter->setWorldTransform(QTransform()
                                   .translate(area.left(), area.top())
                                   .scale(ratio, ratio)
                                   .translate(-source.left(), -source.top()),
                               true);
    painter->drawPixmap(QPointF(0, 0), background(picture));
    if (picture == Picture::Created) {
        for (int index = 0; index < CardTextCount; ++index) {
            const auto text = CardText(index);
            const CardTextValue &value = card.text(text);
            if (!value.visible)
                continue;
            const CardTextLayout &layout = cardTextLayout(text);
            paintText(painter, layout, value.content,
                      text == CardText::TubeName ? card.tubeNamePointSize : layout.pointSize);
        }
    }
    paintHoles(painter, card);
    painter->restore();
}

QImage render(const Card &card, Picture picture)
{
    QImage image(pictureRect(picture).size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(&painter, card, picture);
    painter.end();
    return image;
}

} // namespace CardPainting
