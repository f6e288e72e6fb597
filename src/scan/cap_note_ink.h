#pragma once

#include "card_map.h"
#include "gray_image.h"
#include "hole.h"

#include <optional>

// The cap notes ("A an Kappe!" and its kin) stand upright in large letters
// across the last columns of field I. Blurred, their strokes darken a
// position nearly as a hole does, yet they say only one of a few texts, in
// one place: painted there and blurred as the picture is, they tell which
// darkness is theirs.
//
// How sure it is that `hole` is open, 0 to 1, judged by what its disc shows
// beyond the note's painted letters: nothing where a hole lies in part or
// whole. None when no note reaches the position, or no note the card can
// print fits what the picture shows around it. `holeStray`: a clear hole's
// difference from the face, a share of the face; `holesLight` its side;
// `noise` the picture's noise in grey.
std::optional<double> openBesideCapNote(const GrayImage &image, const CardMap &map,
                                        const Hole &hole, float holeStray, bool holesLight,
                                        float noise);
