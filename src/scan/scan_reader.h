#pragma once

#include "hole.h"

#include <QImage>
#include <QString>
#include <QTransform>

#include <array>

// What a picture of a card says about its holes. Every one of the 144
// positions gets a decision and a confidence from 0 (a coin toss) to 1;
// positions below `ScanReading::certain` are named in `uncertain`, whatever
// they were decided.
struct ScanReading
{
    static constexpr double certain = 0.35;

    bool cardFound = false;
    QString failure; // why no card was read; empty when one was
    HoleList holes;  // the punched positions, field I first
    HoleList uncertain;
    // Indexed by (field - 1) * 72 + number - 1.
    std::array<double, 2 * HoleGrid::HolesPerField> confidence{};
    bool holesLight = false;  // the holes show lighter than the card face
    QTransform cardToPicture; // card pixels to the picture's pixels

    double confidenceOf(const Hole &hole) const;
};

// Reads a scan or photograph of a printed or punched card, or the picture
// this program writes. A picture without a whole card gives no holes and
// the failure "keine Karte gefunden".
ScanReading readCardPicture(const QImage &picture);
