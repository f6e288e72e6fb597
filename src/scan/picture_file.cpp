#include "picture_file.h"

#include "input_file.h"
#include "texts.h"

#include <QFile>
#include <QImageReader>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// The reader needs no more than this many pixels across the longer side;
// larger pictures are decoded reduced, JPEG photos quickly by the decoder
// itself.
constexpr int largestSide = 4200;
// What a decoder may allocate for one picture, and the largest picture
// taken at all: far beyond any scanner's page or phone's photo.
constexpr int allocationLimitMB = 1024;
constexpr qint64 largestPixels = 250'000'000;

QString tooLargeText(QSize size)
{
    return LochkartorText::tr("Das Bild ist zu groß (%1 x %2 Pixel); gelesen werden "
                              "Bilder bis %3 Megapixel.")
        .arg(size.width())
        .arg(size.height())
        .arg(largestPixels / 1'000'000);
}

// Why a picture of `size` could not be decoded, in words the user can act on.
QString decodeProblem(const QImageReader &reader, QSize size)
{
    const qint64 bytes = qint64(size.width()) * size.height() * 4;
    if (size.isValid() && bytes > qint64(allocationLimitMB) * 1024 * 1024)
        return LochkartorText::tr("Das Bild ist zu groß (%1 x %2 Pixel); gelesen "
                                  "werden Bilder bis %3 MB im Speicher.")
            .arg(size.width())
            .arg(size.height())
            .arg(allocationLimitMB);
    if (reader.error() == QImageReader::UnsupportedFormatError)
        return LochkartorText::tr("Das ist kein Bild in einem unterstützten Format; gelesen "
                                  "werden %1.")
            .arg(PictureFile::formatsRead());
    return LochkartorText::tr("Das Bild ist beschädigt oder unvollständig.");
}

} // namespace

CardPictureFile readCardPictureFile(QImageReader &reader)
{
    CardPictureFile file;
    reader.setAutoTransform(true);
    // Asked first: the TIFF decoder counts its pages only before any other
    // question.
    file.pages = std::max(1, reader.imageCount());
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > largestPixels) {
        file.error = tooLargeText(size);
        return file;
    }
    // A picture turned by its orientation tag has its sides swapped, which
    // scaling does not care about: only the longer side is bounded.
    const int longer = size.isValid() ? std::max(size.width(), size.height()) : 0;
    if (longer > largestSide) {
        const double factor = double(largestSide) / longer;
        reader.setScaledSize(QSize(std::max(1, int(std::lround(size.width() * factor))),
                                   std::max(1, int(std::lround(size.height() * factor)))));
    }
    reader.setAllocationLimit(allocationLimitMB);
    file.picture = reader.read();
    if (file.picture.isNull())
        file.error = decodeProblem(reader, size);
    return file;
}

namespace PictureFile {

QString formatsRead()
{
    QStringList formats;
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString name = QString::fromLatin1(format).toUpper();
        if (!formats.contains(name))
            formats << name;
    }
    formats.sort();
    return formats.join(QStringLiteral(", "));
}

CardPictureFile read(const QString &fileName)
{
    QFile device(fileName);
    CardPictureFile file;
    file.error = InputFile::open(device);
    if (!file.error.isEmpty())
        return file;
    QImageReader reader(&device);
    return readCardPictureFile(reader);
}

} // namespace PictureFile
