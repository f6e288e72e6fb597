#include "recording_printer.h"

#include <QImage>
#include <QPixmap>

namespace TestSupport {

RecordingEngine::RecordingEngine()
    : QPaintEngine(QPaintEngine::AllFeatures)
{ }

void RecordingEngine::updateState(const QPaintEngineState &state)
{
    if (state.state() & QPaintEngine::DirtyTransform)
        m_transform = state.transform();
}

void RecordingEngine::drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &)
{
    pictures.append({m_transform.mapRect(r), pixmap.size()});
}

void RecordingEngine::drawImage(const QRectF &r, const QImage &image, const QRectF &,
                                Qt::ImageConversionFlags)
{
    pictures.append({m_transform.mapRect(r), image.size()});
}

void RecordingEngine::drawEllipse(const QRectF &r)
{
    ellipses.append(m_transform.mapRect(r));
}

void RecordingEngine::drawLines(const QLineF *drawn, int lineCount)
{
    for (int i = 0; i < lineCount; ++i)
        lines.append(m_transform.map(drawn[i]));
}

RecordingPrinter::RecordingPrinter(int dotsPerInch)
    : QPrinter(QPrinter::HighResolution)
{
    setOutputFormat(QPrinter::PdfFormat);
    setResolution(dotsPerInch);
}

} // namespace TestSupport
