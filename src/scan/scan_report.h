#pragma once

#include "scan_reader.h"

#include <QJsonObject>
#include <QString>

// What the picture reader adds to a card's report: whether a card was
// found, which way its holes show and the positions it is unsure of.
namespace ScanReport {

// Lines that go before the card's report, each ending in a line break.
QString text(const ScanReading &reading);

// {"cardFound": ..., "holesLight": ..., "uncertain": {"I": [...], "II": [...]}}
QJsonObject json(const ScanReading &reading);

} // namespace ScanReport
