#pragma once

#include "card_map.h"
#include "gray_image.h"
#include "hole.h"

// Holes that lie where the map puts no position: a map gone wrong in part
// of the card (bent more than it could follow) moves holes off the
// positions it samples, which then read as open. Each hole-like disc with
// a clean face around it, found between the positions of the fields,
// names the position nearest to it. `holeStray` is a clear hole's
// difference from the face, a share of the face; `holesLight` its side.
HoleList positionsNearHolesAstray(const GrayImage &image, const CardMap &map, float holeStray,
                                  bool holesLight);
