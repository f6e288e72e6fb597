#pragma once

#include "hole.h"

#include <QImage>
#include <QString>

class QRandomGenerator;

// How a synthetic scan of a card is spoilt, so that a failing case can be
// made again from its description.
struct ScanDistortion
{
    // What a hole looks like: the program's black marker printed, or a
    // punched hole showing a dark background through a light card, or a
    // light background through a dark card.
    enum class Holes { Printed, Dark, Light };

    double dpi = 150; // the card prints at 150 card pixels per inch
    double angle = 0; // degrees, clockwise
    bool upsideDown = false;
    double offsetX = 0.5; // where the card lies on the background, 0 to 1
    double offsetY = 0.5;
    double margin = 0.1;  // background around the card, in card widths
    int background = 240; // grey of what lies around (and behind) the card
    double noise = 0;     // standard deviation, as a fraction of full scale
    double blur = 0;      // Gaussian sigma in card pixels (pixels at 150 dpi)
    int jpegQuality = -1; // -1: no JPEG
    Holes holes = Holes::Printed;

    QString describe() const;
};

// A card this program made: the created card with `holes` punched and some
// of its texts written, as the program writes its picture.
QImage ownCardPicture(const HoleList &holes, QRandomGenerator *texts = nullptr);

// That card scanned as `distortion` says; a grey picture.
QImage syntheticScan(const HoleList &holes, const ScanDistortion &distortion,
                     QRandomGenerator *texts = nullptr);

// Random holes, about a third of the positions.
HoleList randomHoles(QRandomGenerator &random);

// A random distortion within the reader's promises; `maxDpi` bounds the
// resolution, so that a quick run can stay small.
ScanDistortion randomDistortion(QRandomGenerator &random, double maxDpi = 600);
