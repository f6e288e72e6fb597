#pragma once

#include "card_image.h"
#include "print_calibration.h"
#include "safe_write.h"

#include <QByteArray>
#include <QRectF>

class QPainter;

// Where a printed card lies on its page: 150 card pixels to the inch, so
// the card comes out at its true size, with its top left corner one inch
// right of and below the page origin. "Karte drucken" and the batch PDF
// share it, so a card punched from either fits the tester alike.
namespace CardPage {

constexpr double CardPixelsPerInch = 150.0;
constexpr QRectF CardOnPage(CardPixelsPerInch, CardPixelsPerInch, CardImage::Width,
                            CardImage::Height);

// Scales the painter from the dots of a device of the given resolution to
// card pixels, corrected for the printer's own scale; returns the factor
// before the correction.
double scaleToCardPixels(QPainter *painter, int resolution,
                         const PrintCalibration::Correction &correction);

// Whether the bytes are a whole PDF file, up to its end marker.
bool isCompletePdf(const QByteArray &bytes);

// A file a PDF may replace: only another PDF.
SafeWrite::Existing existingPdf();

} // namespace CardPage
