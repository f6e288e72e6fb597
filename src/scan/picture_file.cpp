#include "picture_file.h"
#include "input_file.h"
#include "texts.h"

#include <QFile>
#include <QImageReader>
#include <QStringList>

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

QImage read(const QString &fileName, QString *problem)
{
    QFile file(fileName);
    *problem = InputFile::open(file);
    if (!problem->isEmpty())
        return QImage();
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (!picture.isNull())
        return picture;
    if (reader.error() == QImageReader::UnsupportedFormatError)
        *problem = LochkartorText::tr("Das ist kein Bild in einem unterstützten Format; gelesen "
                                      "werden %1.")
                       .arg(formatsRead());
    else
        *problem = LochkartorText::tr("Das Bild ist beschädigt oder unvollständig.");
    return QImage();
}

} // namespace PictureFile
