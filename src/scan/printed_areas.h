#pragma once

#include "hole.h"

#include <QRectF>

#include <vector>

// Where the created card carries print, in card pixels: every text and note
// as the card's text layout places it, as far as its longest content can
// reach, and the field marks and index rings. Letters there may run across
// hole positions.
namespace PrintedAreas {

std::vector<QRectF> all();

// Whether print may lie on the hole's disc or on the card face around it.
bool besidePrint(const Hole &hole);

} // namespace PrintedAreas
