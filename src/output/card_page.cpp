#include "card_page.h"
#include "texts.h"

#include <QPainter>

namespace CardPage {

double scaleToCardPixels(QPainter *painter, int resolution,
                         const PrintCalibration::Correction &correction)
{
    const double scale = resolution / CardPixelsPerInch;
    painter->scale(scale * correction.x, scale * correction.y);
    return scale;
}

bool isCompletePdf(const QByteArray &bytes)
{
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

SafeWrite::Existing existingPdf()
{
    return {[](const QByteArray &head) { return head.startsWith("%PDF-"); },
            LochkartorText::tr("Die vorhandene Datei ist keine PDF-Datei; sie wird nicht ersetzt."),
            16};
}

} // namespace CardPage
