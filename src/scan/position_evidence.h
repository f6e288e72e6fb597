#pragma once

#include "card_locator.h"
#include "card_map.h"
#include "gray_image.h"
#include "hole.h"
#include "position_sample.h"

#include <algorithm>
#include <vector>

// Every position measured against the face around it, so that a hole in a
// shadow strays as far as one in full light: the stray is a share of the
// local face's grey.
struct Evidence
{
    std::vector<PositionSample> samples;
    std::vector<float> darker, lighter; // shares of the local face
    bool holesLight = false;
    float full = 0; // the stray of a clear hole
    // The stray of a clear hole's middle: there no blur reaches the face
    // around it, whatever print lies beside.
    float fullMiddle = 0;
    bool anyHole = false;

    float stray(size_t i) const { return holesLight ? lighter[i] : darker[i]; }
    // How far most of the disc strays to the other side from the holes',
    // beyond the part of the ring on that side: a shadow's edge across the
    // ring, or noise, leaves the disc within the ring's own spread.
    float otherStray(size_t i) const
    {
        const PositionSample &s = samples[i];
        const float beyond
            = holesLight ? beyondRing(s, s.darkPart, false) : beyondRing(s, s.lightPart, true);
        return beyond / std::max(faceFor(s, holesLight), 1.0f);
    }
    // The patch of a hole's size that looks most like a hole, and the small
    // patch that looks least like one, against the face.
    float solidStray(size_t i) const
    {
        const PositionSample &s = samples[i];
        const float face = faceFor(s, holesLight);
        return (holesLight ? s.lightestSolid - face : face - s.darkestSolid) / std::max(face, 1.0f);
    }
    // The most solid patch against the part of the ring nearest the holes'
    // side: a shadow's edge across a position darkens that part as far.
    float solidBeyondRing(size_t i) const
    {
        const PositionSample &s = samples[i];
        const float beyond = holesLight ? beyondRing(s, s.lightestSolid, true)
                                        : beyondRing(s, s.darkestSolid, false);
        return beyond / std::max(faceFor(s, holesLight), 1.0f);
    }
    float gapStray(size_t i) const
    {
        const PositionSample &s = samples[i];
        const float face = faceFor(s, holesLight);
        return (holesLight ? s.darkestGap - face : face - s.lightestGap) / std::max(face, 1.0f);
    }
    // How far the disc strays toward the holes' side from the part of the
    // ring nearest that side, in grey levels: a shadow's edge across the
    // ring darkens its darker quarter as far as the disc.
    float nearGrey(size_t i) const
    {
        const PositionSample &s = samples[i];
        return holesLight ? beyondRing(s, s.lightPart, true) : beyondRing(s, s.darkPart, false);
    }
    // How far `grey` lies beyond the ring around a position, in grey
    // levels: lighter than its lighter quarter, or darker than its darker.
    static float beyondRing(const PositionSample &s, float grey, bool lighter)
    {
        return lighter ? grey - s.lighterFace : (s.lighterFace - s.faceSpread) - grey;
    }
    float partStray(size_t i) const
    {
        const PositionSample &s = samples[i];
        const float face = faceFor(s, holesLight);
        return (holesLight ? s.lighterTenths - face : face - s.darkerTenths) / std::max(face, 1.0f);
    }
};
// Every position sampled through `map`, and the stray of a clear hole
// taken from those that stray far.
Evidence gatherEvidence(const GrayImage &image, const CardPlacement &placement, const CardMap &map,
                        const std::vector<Hole> &positions);
