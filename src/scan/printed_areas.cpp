#include "printed_areas.h"

#include "card_outline.h"
#include "cardtext_layout.h"

#include <array>

namespace {

// A text's line in card pixels: the card's fonts are laid out at one pixel
// a point, a line a quarter taller than its size, in a document with a
// margin of four pixels all round.
double lineHeight(int pointSize)
{
    constexpr double documentMargin = 4;
    return 1.25 * pointSize + 2 * documentMargin;
}

// A text reaches from its place to the frame: its content is unknown here.
QRectF textArea(const CardTextLayout &layout)
{
    using namespace CardOutline;
    const double height = lineHeight(layout.pointSize);
    if (layout.rotated) // upright from its place, reading upwards
        return QRectF(QPointF(layout.x, FrameTop), QPointF(layout.x + height, layout.y));
    return QRectF(QPointF(layout.x, layout.y), QPointF(FrameRight, layout.y + height));
}

} // namespace

namespace PrintedAreas {

std::vector<QRectF> all()
{
    using namespace CardOutline;
    std::vector<QRectF> areas;
    for (int text = 0; text < CardTextCount; ++text)
        areas.push_back(textArea(cardTextLayout(CardText(text))));
    for (const Bar &bar : FieldMarkBars)
        areas.push_back(QRectF(QPointF(bar.left, bar.top), QPointF(bar.right + 1, bar.bottom + 1)));
    const double ring = RingDiameter / 2.0;
    for (int x : {RingLeftX, RingRightX}) {
        for (int y : {RingFieldIY, RingFieldIIY})
            areas.push_back(QRectF(x - ring, y - ring, 2 * ring, 2 * ring));
    }
    return areas;
}

bool besidePrint(const Hole &hole)
{
    // The disc and the ring of face the reader compares it with.
    constexpr double reach = HoleGrid::MarkerSize / 2.0 + 6;
    const QPointF centre(HoleGrid::markerX(hole.number) + HoleGrid::MarkerSize / 2.0,
                         HoleGrid::markerY(hole.field, hole.number) + HoleGrid::MarkerSize / 2.0);
    const QRectF around(centre - QPointF(reach, reach), centre + QPointF(reach, reach));
    static const std::vector<QRectF> areas = all();
    for (const QRectF &area : areas) {
        if (area.intersects(around))
            return true;
    }
    return false;
}

} // namespace PrintedAreas
