#include "card_image.h"
#include "texts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

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

QString write(const QImage &image, const QString &fileName)
{
    const QByteArray format = QFileInfo(fileName).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format))
        return LochkartorText::tr("Das Bildformat „%1“ ist unbekannt.")
            .arg(QFileInfo(fileName).suffix());

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        file.cancelWriting();
        return writer.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace CardImage
