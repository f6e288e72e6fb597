#pragma once

#include "card_map.h"
#include "gray_image.h"
#include "hole.h"

#include <QImage>

#include <vector>

// The picture's colour beside its grey: a patterned table can show through
// a hole in a colour as light as the card's face, which the grey cannot
// tell from the face. Two differences from the grey, blue and red, at the
// grey's size (`factor` times smaller than the picture); null for a grey
// picture.
struct ColourImage
{
    GrayImage blue, red;

    static ColourImage fromImage(const QImage &image, int factor);
    bool isNull() const { return blue.isNull(); }
};

// The positions whose disc differs in colour from the face around it far
// beyond what the positions clear of print usually show: a hole showing a
// table of another colour. Empty for a grey picture.
HoleList positionsOfAnotherColour(const ColourImage &colour, const CardMap &map,
                                  const std::vector<Hole> &positions);
