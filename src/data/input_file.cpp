#include "input_file.h"
#include "safe_write.h"
#include "texts.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace InputFile {

QString open(QFile &file)
{
    const QFileInfo info(file.fileName());
    if (info.isDir())
        return LochkartorText::tr("Das ist ein Ordner, keine Datei.");
    errno = 0;
    if (file.open(QIODevice::ReadOnly))
        return QString();
    const int error = errno;
    // A link whose target is gone names no file either.
    if (error == ENOENT)
        return LochkartorText::tr("Die Datei existiert nicht.");
    if (error == 0)
        return LochkartorText::tr("Die Datei lässt sich nicht öffnen.");
    return SafeWrite::systemErrorText(error);
}

} // namespace InputFile
