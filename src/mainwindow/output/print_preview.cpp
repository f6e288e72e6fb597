// "Druckvorschau…": the page as "Karte drucken" would print it.

#include "lochkartor.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

// The preview paints exactly what printing paints, so the two cannot
// differ in place, scale or print correction.
void Lochkartor::paintPrintPreview(QPrinter *printer)
{
    QPainter painter;
    if (!painter.begin(printer))
        return;
    paintCardAt150Ppi(&painter, printer->resolution());
}

void Lochkartor::showPrintPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Druckvorschau"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &Lochkartor::paintPrintPreview);
    preview.exec();
}
