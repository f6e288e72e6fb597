#include "homography.h"

#include <array>
#include <cmath>

namespace {

// Moves the points' centre to the origin and scales them to about unit
// distance, which keeps the equations well conditioned.
QTransform normalising(const std::vector<QPointF> &points)
{
    QPointF centre;
    for (const QPointF &p : points)
        centre += p;
    centre /= double(points.size());
    double spread = 0;
    for (const QPointF &p : points)
        spread += std::hypot(p.x() - centre.x(), p.y() - centre.y());
    spread /= double(points.size());
    const double scale = spread > 0 ? 1 / spread : 1;
    return QTransform::fromTranslate(-centre.x(), -centre.y())
           * QTransform::fromScale(scale, scale);
}

using Matrix8 = std::array<std::array<double, 9>, 8>; // the normal equations, right side last

bool solve(Matrix8 &m, std::array<double, 8> &x)
{
    for (int col = 0; col < 8; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 8; ++row) {
            if (std::abs(m[size_t(row)][size_t(col)]) > std::abs(m[size_t(pivot)][size_t(col)]))
                pivot = row;
        }
        if (std::abs(m[size_t(pivot)][size_t(col)]) < 1e-12)
            return false;
        std::swap(m[size_t(pivot)], m[size_t(col)]);
        for (int row = col + 1; row < 8; ++row) {
            const double f = m[size_t(row)][size_t(col)] / m[size_t(col)][size_t(col)];
            for (int k = col; k < 9; ++k)
                m[size_t(row)][size_t(k)] -= f * m[size_t(col)][size_t(k)];
        }
    }
    for (int row = 7; row >= 0; --row) {
        double sum = m[size_t(row)][8];
        for (int k = row + 1; k < 8; ++k)
            sum -= m[size_t(row)][size_t(k)] * x[size_t(k)];
        x[size_t(row)] = sum / m[size_t(row)][size_t(row)];
    }
    return true;
}

} // namespace

std::optional<QTransform> fitHomography(const std::vector<QPointF> &from,
                                        const std::vector<QPointF> &to,
                                        const std::vector<double> &weights)
{
    if (from.size() < 4 || from.size() != to.size())
        return std::nullopt;
    const QTransform nFrom = normalising(from);
    const QTransform nTo = normalising(to);
    Matrix8 m{};
    auto add = [&m](const std::array<double, 8> &row, double rhs, double weight) {
        for (size_t i = 0; i < 8; ++i) {
            for (size_t j = 0; j < 8; ++j)
                m[i][j] += weight * row[i] * row[j];
            m[i][8] += weight * row[i] * rhs;
        }
    };
    for (size_t i = 0; i < from.size(); ++i) {
        const QPointF a = nFrom.map(from[i]);
        const QPointF b = nTo.map(to[i]);
        const double w = weights.empty() ? 1.0 : weights[i];
        // b.x (h31 a.x + h32 a.y + 1) = h11 a.x + h12 a.y + h13, and so for y.
        add({a.x(), a.y(), 1, 0, 0, 0, -a.x() * b.x(), -a.y() * b.x()}, b.x(), w);
        add({0, 0, 0, a.x(), a.y(), 1, -a.x() * b.y(), -a.y() * b.y()}, b.y(), w);
    }
    std::array<double, 8> h{};
    if (!solve(m, h))
        return std::nullopt;
    const QTransform normalised(h[0], h[3], h[6], h[1], h[4], h[7], h[2], h[5], 1);
    bool invertible = false;
    const QTransform back = nTo.inverted(&invertible);
    if (!invertible)
        return std::nullopt;
    return nFrom * normalised * back;
}
