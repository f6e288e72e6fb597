#pragma once

#include "card_map.h"
#include "gray_image.h"

// Fits the map to the printed frame, starting from a rough map (the four
// corners of an outline): each side of the frame is found along many short
// lines across it, the projective map fitted to them, and what bends away
// from a straight side (a bowed card, the lens) is kept as a displacement
// that runs smoothly from one side of the card to the opposite one. When
// the sides clearly bend (a bowed card), the projective map is taken
// through the frame's corners instead, which a bow moves least.
CardMap fitToFrame(const GrayImage &image, const QTransform &start);
