#pragma once

#include <QImage>
#include <QString>

class QImageReader;

// A picture of a card as read from its file: decoded no larger than the
// reader needs, so that whole pages scanned at 600 dpi and photos of 50
// megapixels fit in memory, and how many pages the file holds.
struct CardPictureFile
{
    QImage picture; // null when the file cannot be read; see `error`
    QString error;
    int pages = 1;
};

CardPictureFile readCardPictureFile(QImageReader &reader);
