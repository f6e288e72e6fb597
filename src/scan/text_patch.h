#pragma once

#include "text_ink.h"

#include <QImage>
#include <QTransform>

// A card text's stretch of a picture, as ink: the picture sampled in the
// card's own frame, measured against the card face around the text and the
// ink of the card's frame, with the places that cannot show the text (the
// hole positions, the frame) weighed out.
struct TextPatch
{
    TextFrame frame;
    InkPatch ink;
    InkPatch weight;      // 1 where the text can show, 0 elsewhere
    double inkEnergy = 0; // squared ink where the patch clearly is inked
    bool inked = false;   // something is printed there
    // The clearly inked part of the patch, patch pixels.
    int inkLeft = 0, inkTop = 0, inkRight = -1, inkBottom = -1;
};

// Grey values of a picture, between its pixels. The picture is turned into
// a format read directly once, not for every text read from it.
class GreyPicture
{
public:
    explicit GreyPicture(const QImage &picture);

    // Bilinear between pixel centres; beyond the edge, the edge pixel.
    float sample(const QPointF &p) const;

private:
    QImage m_picture;
    const uchar *m_bits = nullptr;
    qsizetype m_bytesPerLine = 0;
    int m_lastX = 0;
    int m_lastY = 0;
    bool m_grey = false;

    const uchar *line(int y) const;
    float pixel(const uchar *line, int x) const;
};

// The grey of the card's printed frame, where the picture shows it.
double frameGrey(const GreyPicture &picture, const QTransform &cardToPicture);

// The stretch `frame` of the picture, its ink measured against `inkGrey`.
TextPatch readTextPatch(const GreyPicture &picture, const QTransform &cardToPicture,
                        const TextFrame &frame, double inkGrey);
