#pragma once

#include "card_outline.h"

#include <QImage>
#include <QString>

namespace CardImage {

// The created card picture, card pixel for card pixel.
constexpr int Width = CardOutline::Width;
constexpr int Height = CardOutline::Height;

// The save dialog offers PNG only, so a name without a suffix gets ".png".
QString withSuffix(const QString &fileName);

// The picture in the format that the file name's suffix names, as the file
// would hold it; an empty string or why it cannot be made.
QString encode(const QImage &image, const QString &fileName, QByteArray *bytes);

// Empty, or why no picture may be written to the file: besides what no
// write may replace, an existing file that is no picture of the suffix's
// format.
QString refusal(const QString &fileName);

// Writes the picture in the format that the file name's suffix names. The
// file is replaced only once the whole picture is written, so a failed save
// leaves an existing file as it was. Returns an empty string or the reason
// of the failure.
QString write(const QImage &image, const QString &fileName);

} // namespace CardImage
