#pragma once

#include <QString>

class QPainter;
class QSettings;

// Printers scale by a percent or two, which moves the far holes of a
// punching template by millimetres. The user prints two rulers of a known
// length without any correction, measures them, and the correction draws
// every later page so much larger or smaller that it comes out true.
namespace PrintCalibration {

constexpr double RulerLength = 150.0; // millimetres, mark 0 to mark 150
// A ruler measured outside these was misread or printed "fit to page".
constexpr double ShortestMeasured = 140.0;
constexpr double LongestMeasured = 160.0;

// The factors by which pages are drawn larger (above 1) or smaller, across
// the page and down it.
struct Correction
{
    double x = 1.0;
    double y = 1.0;
    bool isNone() const { return x == 1.0 && y == 1.0; }
};

// An empty string for a length a ruler may have come out, else why not.
QString measuredProblem(double millimetres);
// The correction for rulers measured so long; both lengths must be free of
// problems.
Correction fromMeasured(double measuredX, double measuredY);
// The length the ruler came out for a stored correction factor.
double measuredLength(double factor);
// "X +0,70 %, Y −0,30 %", or "keine" for no correction.
QString describe(const Correction &correction);

// The stored correction; a direction whose value is missing or outside what
// a measurement can give is left uncorrected. `invalid` tells whether a
// stored value was refused (one missing is no fault).
Correction load(const QSettings &settings, bool *invalid = nullptr);
// "Die gespeicherte Druckkorrektur ist ungültig und wird nicht verwendet."
QString invalidText();
// No correction removes the stored values.
void store(QSettings &settings, const Correction &correction);

// The test page: a title, the instructions and two rulers of RulerLength,
// one across and one down the page, drawn for a device of the given
// resolution from the page origin, uncorrected.
void paintTestPage(QPainter *painter, int resolution);

} // namespace PrintCalibration
