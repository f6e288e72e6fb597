#pragma once

#include <QPointF>
#include <QTransform>

#include <vector>

// Where each point of the card lies in the picture: a projective map (the
// camera's view of a flat card), a smooth displacement in card pixels
// before it for what no such map follows (a bowed card), and a radial lens
// term after it, about the picture's centre, for a phone lens that bends
// straight lines.
class CardMap
{
public:
    CardMap() = default;
    CardMap(const QTransform &projective); // NOLINT: a flat card is a map too

    const QTransform &projective() const { return m_projective; }
    void setProjective(const QTransform &projective);
    QPointF map(const QPointF &card) const;
    // The displacement at a card point, card pixels.
    QPointF displacement(const QPointF &card) const;
    bool isBent() const { return !m_grid.empty(); }

    // The lens: a picture point at distance r from `centre` lies at
    // r (1 - k r^2 / radius^2) in the picture; k > 0 draws the corners in.
    struct Lens
    {
        double k = 0;
        QPointF centre;
        double radius = 1;
    };
    const Lens &lens() const { return m_lens; }
    void setLens(const Lens &lens) { m_lens = lens; }
    // The picture point with the lens taken out: where the projective map
    // alone would put it.
    QPointF unlensed(const QPointF &picture) const;
    // How crisply the frame shows under the map, for choosing between maps.
    double sharpness() const { return m_sharpness; }
    void setSharpness(double sharpness) { m_sharpness = sharpness; }

    // Sets the displacement from a function of card points, on a grid fine
    // enough for the bends a card shows.
    template<typename F>
    void setDisplacement(F &&f);

private:
    static constexpr double spacing = 16; // card pixels between grid points
    QTransform m_projective;
    // The projective map's kind, known once: the reader maps many points.
    QTransform::TransformationType m_kind = QTransform::TxNone;
    Lens m_lens;
    double m_sharpness = 0;
    int m_columns = 0, m_rows = 0;
    std::vector<QPointF> m_grid;

    void resizeGrid();
    QPointF projected(const QPointF &card) const;
    QPointF gridDisplacement(const QPointF &card) const;
    QPointF lensed(const QPointF &flat) const;
    QPointF &gridAt(int column, int row) { return m_grid[size_t(row * m_columns + column)]; }
};

// The reader maps a great many points: the common parts of a map are
// inline.
inline QPointF CardMap::map(const QPointF &card) const
{
    const QPointF flat = projected(card + displacement(card));
    return m_lens.k == 0 ? flat : lensed(flat);
}

inline QPointF CardMap::displacement(const QPointF &card) const
{
    return m_grid.empty() ? QPointF() : gridDisplacement(card);
}

// What QTransform::map gives, term for term, without a call into the library
// for each point.
inline QPointF CardMap::projected(const QPointF &card) const
{
    if (m_kind < QTransform::TxRotate)
        return m_projective.map(card);
    const QTransform &t = m_projective;
    const double fx = card.x(), fy = card.y();
    double x = t.m11() * fx + t.m21() * fy + t.dx();
    double y = t.m12() * fx + t.m22() * fy + t.dy();
    if (m_kind == QTransform::TxProject) {
        const double w = 1. / (t.m13() * fx + t.m23() * fy + t.m33());
        x *= w;
        y *= w;
    }
    return {x, y};
}

template<typename F>
void CardMap::setDisplacement(F &&f)
{
    resizeGrid();
    for (int row = 0; row < m_rows; ++row) {
        for (int column = 0; column < m_columns; ++column)
            gridAt(column, row) = f(QPointF(column * spacing, row * spacing));
    }
}
