#pragma once

#include "card_sheets.h"

#include <QPageSize>
#include <QString>
#include <optional>

struct Card;
struct Tube;
class QTextStream;

// --pdf: one page per tube for punching by hand.
struct PdfRequest
{
    QString fileName;
    QPageSize::PageSizeId paper = QPageSize::A4;
    bool list = true;       // the punch list under the card
    bool calibrated = true; // the correction of "Druck kalibrieren…"
};

// The paper --page-size names ("A4" or "Letter", in any case).
std::optional<QPageSize::PageSizeId> paperNamed(const QString &name);

class PdfOutput
{
public:
    explicit PdfOutput(const PdfRequest &request);

    // The page of a tube loaded from `file`, with its card.
    void add(const Tube &tube, const Card &card, const QString &file);
    // Writes the file after the last tube; false after a reported failure,
    // and when no tube gave a page (an old file is then left as it was).
    bool finish(QTextStream &err);

private:
    PdfRequest m_request;
    bool m_correctionInvalid = false; // set while m_sheets is built
    CardSheets m_sheets;
};
