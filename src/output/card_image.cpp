#include "card_image.h"
#include "safe_write.h"
#include "text_limits.h"
#include "texts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

namespace CardImage {

QString withSuffix(const QString &fileName)
{
    if (!QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName
           + (fileName.endsWith(QLatin1Char('.')) ? QStringLiteral("png") : QStringLiteral(".png"));
}

namespace {

const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);

// A PNG ends with its IEND chunk; a picture cut off anywhere lacks it.
bool isCompletePng(const QByteArray &bytes)
{
    static const QByteArray end("\0\0\0\0IEND\xae\x42\x60\x82", 12);
    return bytes.startsWith(pngSignature) && bytes.endsWith(end);
}

QByteArray formatOf(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower().toLatin1();
}

// The name Qt's reader gives a format that has two suffixes.
QByteArray readerName(const QByteArray &format)
{
    if (format == "jpg")
        return "jpeg";
    if (format == "tif")
        return "tiff";
    return format;
}

// A picture replaces only a picture of its own format.
SafeWrite::Existing existingPicture(const QByteArray &format)
{
    auto holds = [format](const QByteArray &head) {
        if (format == "png")
            return head.startsWith(pngSignature);
        QBuffer buffer;
        buffer.setData(head);
        buffer.open(QIODevice::ReadOnly);
        return readerName(QImageReader::imageFormat(&buffer)) == readerName(format);
    };
    return {holds,
            LochkartorText::tr("Die vorhandene Datei ist kein Bild im Format %1; sie wird nicht "
                               "ersetzt.")
                .arg(QString::fromLatin1(format.toUpper())),
            64 * 1024};
}

QString unknownFormat(const QString &fileName)
{
    return LochkartorText::tr("Das Bildformat „%1“ ist unbekannt.")
        .arg(TextLimits::quotedInMessage(QFileInfo(fileName).suffix()));
}

} // namespace

QString encode(const QImage &image, const QString &fileName, QByteArray *bytes)
{
    const QByteArray format = formatOf(fileName);
    if (!QImageWriter::supportedImageFormats().contains(format))
        return unknownFormat(fileName);
    bytes->clear();
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image) || bytes->isEmpty())
        return LochkartorText::tr("Das Bild kann nicht im Format „%1“ erzeugt werden.")
            .arg(QString::fromLatin1(format));
    const bool complete = format != "png" || isCompletePng(*bytes);
    return complete ? QString()
                    : LochkartorText::tr("Der Inhalt konnte nicht vollständig erzeugt werden.");
}

QString refusal(const QString &fileName)
{
    const QByteArray format = formatOf(fileName);
    if (!QImageWriter::supportedImageFormats().contains(format))
        return unknownFormat(fileName);
    return SafeWrite::refusal(fileName, existingPicture(format));
}

QString write(const QImage &image, const QString &fileName)
{
    QByteArray bytes;
    const QString failure = encode(image, fileName, &bytes);
    if (!failure.isEmpty())
        return failure;
    const QByteArray format = formatOf(fileName);
    return SafeWrite::replaceFile(
        fileName, bytes,
        [&format](const QByteArray &content) { return format != "png" || isCompletePng(content); },
        existingPicture(format));
}

} // namespace CardImage
