#pragma once

#include "print_calibration.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageSize>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <memory>

struct Card;
class QLocale;
class QPdfWriter;

// Cards for punching by hand, one PDF page per tube: the card at its true
// size where "Karte drucken" puts it, corrected for the printer, and under
// it the tube's name and, if given, its punch list. The pages are kept in
// memory and written at the end in one safe write.
class CardSheets
{
public:
    CardSheets(QPageSize::PageSizeId paper, const PrintCalibration::Correction &correction);
    ~CardSheets();
    CardSheets(const CardSheets &) = delete;
    CardSheets &operator=(const CardSheets &) = delete;

    // `subheading` is a smaller line under the heading; `list` may be empty.
    void addPage(const Card &card, const QString &heading, const QString &subheading,
                 const QStringList &list);
    int pageCount() const { return m_pages; }
    // Ends the document and gives its bytes. Call it once, after at least
    // one page.
    QByteArray finish();
    // Ends the document and puts it in the file's place; an empty string or
    // the reason of the failure. Call it once, after at least one page.
    QString write(const QString &fileName);

    // Letter in the countries that print on it, else A4.
    static QPageSize::PageSizeId defaultPaper(const QLocale &locale);

private:
    void paintTexts(const QString &heading, const QString &subheading, const QStringList &list);

    QPageSize m_paper;
    PrintCalibration::Correction m_correction;
    QByteArray m_bytes;
    QBuffer m_buffer;
    std::unique_ptr<QPdfWriter> m_pdf;
    QPainter m_painter;
    int m_pages = 0;
};
