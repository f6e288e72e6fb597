#include "card_image.h"
#include "safe_write.h"
#include "text_limits.h"
#include "texts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QPainter>

namespace CardImage {

QImage render(QGraphicsScene *scene, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene->render(&painter, QRectF(), QRectF(), Qt::KeepAspectRatio);
    painter.end();
    return image;
}

QString withSuffix(const QString &fileName)
{
    if (!QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName
           + (fileName.endsWith(QLatin1Char('.')) ? QStringLiteral("png") : QStringLiteral(".png"));
}

namespace {

// A PNG ends with its IEND chunk; a picture cut off anywhere lacks it.
bool isCompletePng(const QByteArray &bytes)
{
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    static const QByteArray end("\0\0\0\0IEND\xae\x42\x60\x82", 12);
    return bytes.startsWith(signature) && bytes.endsWith(end);
}

} // namespace

QString write(const QImage &image, const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    const QByteArray format = suffix.toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        return LochkartorText::tr("Das Bildformat „%1“ ist unbekannt.")
            .arg(TextLimits::quotedInMessage(suffix));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image) || bytes.isEmpty())
        return LochkartorText::tr("Das Bild kann nicht im Format „%1“ erzeugt werden.")
            .arg(QString::fromLatin1(format));
    buffer.close();
    return SafeWrite::replaceFile(fileName, bytes, [&format](const QByteArray &content) {
        return format != "png" || isCompletePng(content);
    });
}

} // namespace CardImage
