#pragma once

#include "hole.h"

#include <QImage>
#include <QPolygonF>
#include <QSize>
#include <QString>

#include <functional>

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

// A picture of a card, 927 x 700, with the given holes printed.
using CardPicture = std::function<QImage(const HoleList &holes)>;

// The created card of `card` as the program paints it, with the holes asked
// for in place of its own.
struct Card;
CardPicture createdCardPicture(const Card &card);

// The card `picture` draws, scanned as `distortion` says: its holes printed,
// or punched where `holes` says into the picture drawn without them.
QImage syntheticScanOf(const CardPicture &picture, const HoleList &holes,
                       const ScanDistortion &distortion);

// The card printed (painted at the scan's resolution, its letters as crisp
// as a printer makes them) and scanned as `distortion` says; a grey picture.
QImage printedCardScan(const Card &card, const ScanDistortion &distortion);

// A flatbed scan at `dpi` as the reader meets it in use: turned a little,
// light noise and blur, JPEG at quality 85.
ScanDistortion scannerLike(QRandomGenerator &random, double dpi);

// A tube as a user fills the form in: a name of letters and digits, values
// as the form's fields hold them.
struct Tube;
Tube randomFormTube(QRandomGenerator &random);

// Random holes, about a third of the positions.
HoleList randomHoles(QRandomGenerator &random);

// A random distortion within the reader's promises; `maxDpi` bounds the
// resolution, so that a quick run can stay small.
ScanDistortion randomDistortion(QRandomGenerator &random, double maxDpi = 600);

// How a phone photo of a card is taken: the camera's tilt and turn, how much
// of the frame the card fills, a bowed card, the lens, the light and what
// the phone does to the picture afterwards.
struct PhotoDistortion
{
    QSize frame{1600, 1200}; // the photo's size in pixels
    double coverage = 0.6;   // share of the photo's area the card fills
    double tilt = 0;         // degrees the camera leans away from straight above
    double tiltAxis = 0;     // degrees, the direction it leans in
    double turn = 0;         // degrees the card is turned in the photo
    double centreX = 0.5;    // where the card's centre lies, 0 to 1 of the free room
    double centreY = 0.5;
    double fieldOfView = 65; // degrees across the photo's width
    double sag = 0;          // bow of the card, a share of its height
    bool sagAcross = false;  // the bow runs along the short side instead
    double barrel = 0;       // lens distortion k at the photo's corner
    double shadow = 1;       // brightness under a shadow across one corner
    int shadowCorner = 0;    // 0 to 3
    double falloff = 1;      // brightness at the far side of a light gradient
    double falloffAngle = 0; // degrees, the direction the light falls off in
    int background = 90;     // grey of the table
    bool patternedTable = false;
    double noise = 0;     // standard deviation, as a fraction of full scale
    double blur = 0;      // Gaussian sigma in card pixels
    int jpegQuality = -1; // -1: no JPEG
    ScanDistortion::Holes holes = ScanDistortion::Holes::Printed;
    double exposure = 1; // the photo's grey against the card's
    // A highlight on the card: light added at its middle, a share of full
    // scale, falling off over `glareRadius` card pixels around `glareAt`.
    double glare = 0;
    QPointF glareAt;
    double glareRadius = 60;

    QString describe() const;
};

// That card photographed as `photo` says; a grey picture.
QImage syntheticPhoto(const HoleList &holes, const PhotoDistortion &photo,
                      QRandomGenerator *texts = nullptr);

// The card `picture` draws, photographed so.
QImage syntheticPhotoOf(const CardPicture &picture, const HoleList &holes,
                        const PhotoDistortion &photo);

// Where the card's four corners (card pixels (0,0), (W,0), (W,H), (0,H))
// land in the photo before the lens; for tests that check the card's place.
QPolygonF photoCardCorners(const PhotoDistortion &photo);

// A random everyday photo: every distortion at a random share of `strength`
// (0 to 1) of its far end.
PhotoDistortion randomPhoto(QRandomGenerator &random, double strength = 1);

// A photo of ordinary quality, as scan_photo_rates starts each of its rows
// from: the row's family then changes it.
PhotoDistortion ordinaryPhoto(QRandomGenerator &random);

// The photo the README shows: tilted, bowed, through a lens, in a shadow
// and falling light, on a patterned table, its holes punched.
PhotoDistortion showcasePhoto();
