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
    QString error;  // a reason the user can act on
    int pages = 1;
};

// Decodes the picture `reader` is set to, turned upright as the camera
// recorded it.
CardPictureFile readCardPictureFile(QImageReader &reader);

namespace PictureFile {

// Opens `fileName` (a folder, a missing or unreadable file gets its own
// reason) and decodes it as readCardPictureFile() does.
CardPictureFile read(const QString &fileName);

// The picture formats this machine reads, "BMP, GIF, JPEG, …".
QString formatsRead();

} // namespace PictureFile
