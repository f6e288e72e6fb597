#pragma once

#include "gray_image.h"

#include <QTransform>
#include <optional>

// Where the card lies in a picture: the map from card pixels to the
// picture's sample coordinates (pixel centres at whole numbers), and how
// clearly the printed marks stand out from the card face.
struct CardPlacement
{
    QTransform cardToImage;
    float face = 0;     // grey of the card face
    float contrast = 0; // face minus printed ink, averaged over the marks
};

// Finds the card by an outline (the frame's inner or outer edge, or the
// card's edge), turned any way, then tells which outline it was and which
// way up the card lies by the frame and the field marks. Nothing when no
// outline carries the marks of a whole card.
std::optional<CardPlacement> locateCard(const GrayImage &image);

// The marks' contrast under a given placement: every mark must stand out.
// Exposed for the picture the program itself writes, which needs no search.
std::optional<CardPlacement> checkPlacement(const GrayImage &image, const QTransform &cardToImage);
