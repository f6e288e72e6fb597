#include "card_map.h"

#include "card_outline.h"

#include <algorithm>
#include <cmath>

CardMap::CardMap(const QTransform &projective)
    : m_projective(projective)
    , m_kind(projective.type())
{ }

void CardMap::setProjective(const QTransform &projective)
{
    m_projective = projective;
    m_kind = projective.type();
}

void CardMap::resizeGrid()
{
    m_columns = int(std::ceil(CardOutline::Width / spacing)) + 1;
    m_rows = int(std::ceil(CardOutline::Height / spacing)) + 1;
    m_grid.assign(size_t(m_columns) * size_t(m_rows), QPointF());
}

QPointF CardMap::gridDisplacement(const QPointF &card) const
{
    const double gx = std::clamp(card.x() / spacing, 0.0, m_columns - 1.0001);
    const double gy = std::clamp(card.y() / spacing, 0.0, m_rows - 1.0001);
    const int x0 = int(gx), y0 = int(gy);
    const double fx = gx - x0, fy = gy - y0;
    const auto at = [this](int x, int y) { return m_grid[size_t(y * m_columns + x)]; };
    const QPointF top = at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx;
    const QPointF bottom = at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx;
    return top * (1 - fy) + bottom * fy;
}

QPointF CardMap::lensed(const QPointF &flat) const
{
    const QPointF d = flat - m_lens.centre;
    const double r2 = (d.x() * d.x() + d.y() * d.y()) / (m_lens.radius * m_lens.radius);
    return m_lens.centre + d * (1 - m_lens.k * r2);
}

QPointF CardMap::unlensed(const QPointF &picture) const
{
    if (m_lens.k == 0)
        return picture;
    // A few rounds of the fixed point converge for any k a phone shows.
    const QPointF seen = picture - m_lens.centre;
    QPointF d = seen;
    for (int i = 0; i < 6; ++i) {
        const double r2 = (d.x() * d.x() + d.y() * d.y()) / (m_lens.radius * m_lens.radius);
        d = seen / std::max(0.2, 1 - m_lens.k * r2);
    }
    return m_lens.centre + d;
}
