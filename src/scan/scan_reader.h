#pragma once

#include "hole.h"

#include <QImage>
#include <QList>
#include <QPolygonF>
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
    QTransform cardToPicture; // card pixels to the picture's pixels, as flat
    // The edge of every card in the picture, the one read first.
    QList<QPolygonF> cardsInPicture;
    int pages = 1; // of the file the picture came from; the first is read

    // Whether anything speaks against taking the holes as read: a position
    // in doubt, another card in the picture, pages left unread.
    bool isDoubtful() const { return !uncertain.empty() || cardsInPicture.size() > 1 || pages > 1; }

    double confidenceOf(const Hole &hole) const;
};

// Reads a scan or photograph of a printed or punched card, or the picture
// this program writes. A picture without a whole card gives no holes and
// the failure "keine Karte gefunden".
ScanReading readCardPicture(const QImage &picture);
