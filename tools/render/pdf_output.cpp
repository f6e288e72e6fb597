#include "pdf_output.h"

#include "card_listing.h"
#include "options.h"
#include "plain_text.h"
#include "program_settings.h"
#include "targets.h"
#include "text_limits.h"
#include "texts.h"

#include <QFileInfo>
#include <QSettings>
#include <QTextStream>

namespace {

// The correction the window's "Druck kalibrieren…" stored for this user.
PrintCalibration::Correction storedCorrection(bool *invalid)
{
    const QSettings settings(ProgramSettings::organisation(), ProgramSettings::application());
    return PrintCalibration::load(settings, invalid);
}

QStringList punchListLines(const Tube &tube, const Card &card)
{
    QStringList lines = CardReport::punchList(tube, card).split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

std::optional<QPageSize::PageSizeId> paperNamed(const QString &name)
{
    if (name.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        return QPageSize::A4;
    if (name.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        return QPageSize::Letter;
    return std::nullopt;
}

PdfOutput::PdfOutput(const PdfRequest &request)
    : m_request(request)
    , m_sheets(request.paper, request.calibrated ? storedCorrection(&m_correctionInvalid)
                                                 : PrintCalibration::Correction())
{ }

void PdfOutput::add(const Tube &tube, const Card &card, const QString &file)
{
    const QString name = card.text(CardText::TubeName).content;
    const QString fileName = TextLimits::withVisibleControls(QFileInfo(file).fileName());
    // A tube without a name is known by its file alone.
    m_sheets.addPage(card, name.isEmpty() ? fileName : TextLimits::withVisibleControls(name),
                     name.isEmpty() ? QString() : fileName,
                     m_request.list ? punchListLines(tube, card) : QStringList());
}

bool PdfOutput::finish(QTextStream &err)
{
    if (m_correctionInvalid)
        err << "lochkartor-render: "
            << LochkartorText::tr("Warnung: %1").arg(PrintCalibration::invalidText()) << "\n";
    const QString shownName = PlainText::quoted(m_request.fileName);
    if (m_sheets.pageCount() == 0) {
        err << shownName << ": "
            << LochkartorText::tr("keine Röhre geladen; die PDF-Datei wird nicht geschrieben.")
            << "\n";
        return false;
    }
    const QString failure = RenderOptions::isStandardOutput(m_request.fileName)
                                ? RenderTargets::toStandardOutput(m_sheets.finish())
                                : m_sheets.write(m_request.fileName);
    if (failure.isEmpty())
        return true;
    err << shownName << ": " << failure << "\n";
    return false;
}
