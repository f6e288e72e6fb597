#pragma once

#include "card_map.h"
#include "gray_image.h"
#include "hole.h"

#include <QPointF>

#include <vector>

// What one position shows: the card face around it, and the lighter and
// darker parts of the disc where a hole would be. Quantiles rather than
// means, so that card text running across a position does not make a hole.
struct PositionSample
{
    // The face's middle, and its lighter part: print only darkens the face,
    // so letters across the ring, darker than a hole, do not pull the
    // lighter part towards them; a light hole reaching into the ring
    // would, and does not move the middle.
    float face = 0;
    float lighterFace = 0;
    float faceSpread = 0; // how much the face around it varies
    float darkPart = 0;   // most of the disc is at least this light
    float lightPart = 0;  // most of the disc is at most this light
    // Where four tenths of the disc, from the holes' side, lie: a hole
    // punched in part shows here, letters across the position do not.
    float darkerTenths = 0;
    float lighterTenths = 0;
    // The darkest and the lightest patch of a hole's size within the
    // position: a hole, or a part of one, is that solid; printed strokes
    // are thinner and leave face between them.
    float darkestSolid = 0;
    float lightestSolid = 0;
    // The lightest and the darkest small patch of the disc: card face
    // showing between printed strokes, where a hole would have none.
    float lightestGap = 0;
    float darkestGap = 0;
};

// The face against which holes of the given side are judged.
inline float faceFor(const PositionSample &s, bool holesLight)
{
    return holesLight ? s.face : s.lighterFace;
}

// Card pixels around a position's centre: the disc read for a hole, two
// pixels inside the rim so that a hole placed a little off still fills
// it, and the ring of card face around it.
constexpr double holeRadius = HoleGrid::MarkerSize / 2.0;
constexpr double discRadius = holeRadius - 2.0;
constexpr double faceRadius = holeRadius + 4.5;

QPointF holeCentre(const Hole &hole);

PositionSample samplePosition(const GrayImage &image, const CardMap &map, const Hole &hole);

// The value below which a share `q` of `values` lies; reorders them.
float quantile(std::vector<float> &values, double q);
