#pragma once

#include "card_map.h"
#include "gray_image.h"
#include "hole.h"

#include <QPointF>

#include <vector>

// Something lying over the card, a finger holding it at its edge, hides
// the frame where it crosses it, and whatever it covers looks like blank
// face. The frame sampled all round: every stretch where it stands out far
// less than it does elsewhere, as card points along it.
std::vector<QPointF> frameGaps(const GrayImage &image, const CardMap &map);

// Whether a position lies within a finger's reach of a gap in the frame.
bool nearFrameGap(const Hole &hole, const std::vector<QPointF> &gaps);
