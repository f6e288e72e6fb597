#pragma once

#include <QLineF>
#include <QList>
#include <QPaintEngine>
#include <QPair>
#include <QPrinter>
#include <QRectF>
#include <QSize>
#include <QTransform>

namespace TestSupport {

// Records where pictures, hole markers and lines land on the page, in
// printer dots.
class RecordingEngine : public QPaintEngine
{
public:
    RecordingEngine();
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &state) override;
    void drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &) override;
    void drawImage(const QRectF &r, const QImage &image, const QRectF &,
                   Qt::ImageConversionFlags) override;
    void drawEllipse(const QRectF &r) override;
    void drawLines(const QLineF *lines, int lineCount) override;
    void drawPath(const QPainterPath &) override { }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { }
    void drawTextItem(const QPointF &, const QTextItem &) override { }
    Type type() const override { return QPaintEngine::User; }

    QList<QPair<QRectF, QSize>> pictures;
    QList<QRectF> ellipses;
    QList<QLineF> lines;

private:
    QTransform m_transform;
};

// A PDF printer of a chosen resolution whose painting is recorded instead
// of written.
class RecordingPrinter : public QPrinter
{
public:
    explicit RecordingPrinter(int dotsPerInch);
    QPaintEngine *paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;
};

} // namespace TestSupport
