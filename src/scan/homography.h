#pragma once

#include <QPointF>
#include <QTransform>

#include <optional>
#include <vector>

// The projective map that takes each point of `from` closest to the point
// of `to` at the same index, least squares; at least four pairs. Nothing
// when the points do not fix a map (all on a line, say).
std::optional<QTransform> fitHomography(const std::vector<QPointF> &from,
                                        const std::vector<QPointF> &to,
                                        const std::vector<double> &weights = {});
