#pragma once

#include "card_map.h"
#include "gray_image.h"

#include <QPolygonF>
#include <optional>
#include <vector>

// Where the card lies in a picture: the map from card pixels to the
// picture's sample coordinates (pixel centres at whole numbers), and how
// clearly the printed marks stand out from the card face.
struct CardPlacement
{
    CardMap cardToImage;
    float face = 0;     // grey of the card face
    float contrast = 0; // face minus printed ink, averaged over the marks
    // The card's edge in the picture's sample coordinates.
    QPolygonF outline() const;
};

// Finds the cards by an outline (the frame's inner or outer edge, or the
// card's edge) seen from any angle, then tells which outline it was and
// which way up the card lies by the frame and the field marks. Every card
// found, each once, the largest first; none when no outline carries the
// marks of a whole card.
std::vector<CardPlacement> locateCards(const GrayImage &image);

// The marks' contrast under a given placement: every mark must stand out.
// Exposed for the picture the program itself writes, which needs no search.
std::optional<CardPlacement> checkPlacement(const GrayImage &image, const CardMap &cardToImage);
