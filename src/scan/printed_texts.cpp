#include "printed_texts.h"

#include "scan_reader.h"

#include <QImage>

PrintedTexts readPrintedTexts(const QImage &picture, const ScanReading &scan)
{
    Q_UNUSED(picture);
    Q_UNUSED(scan);
    return {};
}
