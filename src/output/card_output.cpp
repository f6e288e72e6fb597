// Saving the created card as a picture and printing it at 150 card pixels
// per inch, one inch from the page origin, so the printout has the card's
// true size.

#include "card_image.h"
#include "dialogs.h"
#include "lochkartor.h"

#include <QDebug>
#include <QDir>
#include <QGraphicsScene>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr double CardPixelsPerInch = 150.0;
// The card's top left corner lies one inch right of and below the page origin.
const QRectF cardOnPage(CardPixelsPerInch, CardPixelsPerInch, CardImage::Width, CardImage::Height);

QString printerName(const QPrinter &printer)
{
    return printer.outputFileName().isEmpty() ? printer.printerName()
                                              : QDir::toNativeSeparators(printer.outputFileName());
}

} // namespace

bool Lochkartor::saveCardImage(const QString &fileName)
{
    const QString target = CardImage::withSuffix(fileName);
    const QString failure = CardImage::write(CardImage::render(m_cards->createdScene()), target);
    if (failure.isEmpty())
        return true;
    Dialogs::critical(this, tr("Karte nicht gespeichert"),
                      tr("Die Datei „%1“ kann nicht geschrieben werden.\n%2")
                          .arg(QDir::toNativeSeparators(target), failure));
    return false;
}

void Lochkartor::renderCreatedCard(QPainter *painter, const QRectF &target)
{
    m_cards->createdScene()->render(painter, target, QRectF(), Qt::KeepAspectRatio);
}

bool Lochkartor::printCard(QPrinter *printer)
{
    QPainter painter;
    if (!painter.begin(printer)) {
        Dialogs::critical(
            this, tr("Karte nicht gedruckt"),
            tr("Der Drucker „%1“ kann nicht geöffnet werden.").arg(printerName(*printer)));
        return false;
    }
    const double scale = printer->resolution() / CardPixelsPerInch;
    painter.scale(scale, scale);
    qDebug() << scale;
    renderCreatedCard(&painter, cardOnPage);
    return painter.end();
}
