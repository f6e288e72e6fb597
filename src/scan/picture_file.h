#pragma once

#include <QImage>
#include <QString>

// Opening the picture of a card, with a reason the user can act on when
// that fails.
namespace PictureFile {

// The picture in `fileName`, turned upright as the camera recorded it; a
// null image when it cannot be read, with the reason in `problem`.
QImage read(const QString &fileName, QString *problem);

// The picture formats this machine reads, "BMP, GIF, JPEG, …".
QString formatsRead();

} // namespace PictureFile
