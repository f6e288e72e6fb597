#pragma once

#include "hole.h"
#include "position_evidence.h"

#include <optional>
#include <vector>

// A highlight on a glossy card can wash a dark hole out as white as the
// face: how sure an open position is under the picture's white.

// What the holes near a position show of the light there, as shares of a
// clear hole's stray: a highlight adds the same light to a hole and to the
// face beside it, so the holes under it stray less than the others. Light
// and shadow scale both alike and leave the share whole.
struct HolesNear
{
    std::optional<double> nextInColumn; // the least of the holes a row away
    std::optional<double> clearOfPrint; // the least of the holes clear of print nearby
};

// For every position, the least share of the holes near it.
std::vector<HolesNear> holesNear(const Evidence &e, const std::vector<Hole> &positions,
                                 float threshold);

// How much of the card's face lies at the picture's white, and whether
// that white stands out from the card's usual face, as a highlight does,
// rather than a card lit brightly all over or light falling across it.
struct WhiteOnTheCard
{
    double share = 0; // of the positions
    bool standsOut = false;
};

WhiteOnTheCard whiteOnTheCard(const Evidence &e, float noise);

// How sure an open position is that a hole there would have shown, for
// the picture's white caps the face and the holes alike. A light hole
// strays no further than the white leaves room for. Where the face lies at
// the white, a highlight may have lifted a dark hole anywhere up to it, and
// only the holes near tell how far: sure when those clear of print keep
// nearly their whole stray. Where a patch of white stands out on the card,
// a highlight lies there for certain, and one narrower than the holes'
// spacing lifts no hole but its own: the next hole in the column must
// show it too.
double holeWouldShow(const Evidence &e, size_t i, float threshold, const HolesNear &near,
                     float noise, const WhiteOnTheCard &white);
