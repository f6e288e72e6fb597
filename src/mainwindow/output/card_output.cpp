// Saving the created card as a picture and printing it at 150 card pixels
// per inch, one inch from the page origin, so the printout has the card's
// true size.

#include "card.h"
#include "card_image.h"
#include "card_page.h"
#include "card_painting.h"
#include "dialogs.h"
#include "lochkartor.h"
#include "plain_text.h"
#include "safe_write.h"

#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cerrno>

namespace {

QString printerName(const QPrinter &printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName()
                                              : QDir::toNativeSeparators(printer.outputFileName());
}

} // namespace

bool Lochkartor::saveCardImage(const QString &fileName)
{
    const QString target = CardImage::withSuffix(fileName);
    const QString failure = CardImage::write(
        CardPainting::render(shownCard(), CardPainting::Picture::Created), target);
    if (failure.isEmpty())
        return true;
    Dialogs::critical(this, tr("Karte nicht gespeichert"),
                      tr("Die Datei „%1“ kann nicht geschrieben werden.\n%2")
                          .arg(PlainText::quoted(QDir::toNativeSeparators(target)), failure));
    return false;
}

void Lochkartor::renderCreatedCard(QPainter *painter, const QRectF &target)
{
    CardPainting::paint(painter, shownCard(), CardPainting::Picture::Created, target);
}

// Scales the painter to 150 card pixels per inch of a device with the
// given resolution, corrected for the printer, and draws the card one inch
// from the page origin.
void Lochkartor::paintCardAt150Ppi(QPainter *painter, int resolution)
{
    const double scale = CardPage::scaleToCardPixels(painter, resolution, printCorrection());
    qDebug() << scale;
    renderCreatedCard(painter, CardPage::CardOnPage);
}

bool Lochkartor::printCard(QPrinter *printer)
{
    const PrintTexts texts{tr("Karte nicht gedruckt"),
                           tr("Der Drucker „%1“ meldet einen Fehler; die Karte ist wohl nicht "
                              "gedruckt.")};
    // The inch is measured from the paper's corner, as the batch PDF does,
    // not from the printer's margin.
    printer->setFullPage(true);
    return printPage(
        printer,
        [this](QPainter *painter, int resolution) { paintCardAt150Ppi(painter, resolution); },
        texts);
}

// A PDF is made in memory and checked before it replaces a file, so a full
// disk cannot leave a cut-off printout that looks like a success.
bool Lochkartor::printPageToPdf(QPrinter *printer, const PagePainter &paint,
                                const PrintTexts &texts)
{
    const QString fileName = printer->outputFileName();
    auto refuse = [&](const QString &failure) {
        Dialogs::critical(this, texts.notPrinted,
                          tr("Die Datei „%1“ kann nicht geschrieben werden.\n%2")
                              .arg(PlainText::quoted(QDir::toNativeSeparators(fileName)), failure));
        return false;
    };
    // Nothing is drawn for a folder that is not there.
    if (!QFileInfo(QFileInfo(fileName).absolutePath()).isDir())
        return refuse(SafeWrite::systemErrorText(ENOENT));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPdfVersion(printer->pdfVersion());
        pdf.setCreator(printer->creator());
        pdf.setTitle(printer->docName());
        pdf.setResolution(printer->resolution());
        pdf.setPageLayout(printer->pageLayout());
        QPainter painter;
        if (painter.begin(&pdf)) {
            paint(&painter, pdf.resolution());
            painter.end();
        }
    }
    buffer.close();
    const QString failure
        = SafeWrite::replaceFile(fileName, bytes, CardPage::isCompletePdf, CardPage::existingPdf());
    return failure.isEmpty() || refuse(failure);
}

bool Lochkartor::printPage(QPrinter *printer, const PagePainter &paint, const PrintTexts &texts)
{
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty())
        return printPageToPdf(printer, paint, texts);
    QPainter painter;
    if (!painter.begin(printer)) {
        Dialogs::critical(
            this, texts.notPrinted,
            tr("Der Drucker „%1“ kann nicht geöffnet werden.").arg(printerName(*printer)));
        return false;
    }
    paint(&painter, printer->resolution());
    if (painter.end() && printer->printerState() != QPrinter::Error)
        return true;
    Dialogs::critical(this, texts.notPrinted, texts.printerFault.arg(printerName(*printer)));
    return false;
}
