#include "synthetic_scan.h"

#include "card_image.h"
#include "card_outline.h"
#include "cardscenes.h"

#include <QBuffer>
#include <QPainter>
#include <QRandomGenerator>

#include <array>
#include <cmath>
#include <vector>

QString ScanDistortion::describe() const
{
    static const char *const holeLooks[] = {"printed", "dark", "light"};
    return QStringLiteral("%1 dpi, %2 deg%3, offset (%4, %5), margin %6, background %7, "
                          "noise %8 %, blur %9 px, jpeg %10, holes %11")
        .arg(dpi, 0, 'f', 1)
        .arg(angle, 0, 'f', 2)
        .arg(upsideDown ? QStringLiteral(" + 180") : QString())
        .arg(offsetX, 0, 'f', 2)
        .arg(offsetY, 0, 'f', 2)
        .arg(margin, 0, 'f', 2)
        .arg(background)
        .arg(noise * 100, 0, 'f', 1)
        .arg(blur, 0, 'f', 2)
        .arg(jpegQuality)
        .arg(QLatin1String(holeLooks[int(holes)]));
}

namespace {

const char *const tubeNames[] = {"EL84", "ECC83", "6L6GC", "AZ1", "PCL805", "EF80"};

void writeSomeTexts(CardScenes &cards, QRandomGenerator &random)
{
    cards.setTubeNameText(QString::fromLatin1(tubeNames[random.bounded(6)]));
    cards.setText(CardText::TubeType, QStringLiteral("Pentode"));
    cards.setText(CardText::Socket, QStringLiteral("Noval"));
    cards.setText(CardText::HeatingVoltage, QStringLiteral("Uf=6,3V"));
    cards.setText(CardText::PlateVoltage, QStringLiteral("Ua=250V"));
    // The cap notes run across the columns of holes.
    const CardText notes[]
        = {CardText::PlateCapNote, CardText::ScreenGridCapNote, CardText::ControlGridCapNote};
    for (CardText note : notes)
        cards.setTextVisible(note, random.bounded(3) == 0);
}

QImage cardPicture(const HoleList &holes, QRandomGenerator *texts)
{
    CardScenes cards;
    for (CardText note :
         {CardText::PlateCapNote, CardText::ScreenGridCapNote, CardText::ControlGridCapNote})
        cards.setTextVisible(note, false);
    if (texts)
        writeSomeTexts(cards, *texts);
    for (const Hole &hole : holes)
        cards.setHole(hole, true);
    return CardImage::render(cards.createdScene());
}

std::vector<float> gaussianKernel(double sigma)
{
    const int radius = std::max(1, int(std::ceil(3 * sigma)));
    std::vector<float> kernel(size_t(2 * radius + 1));
    double sum = 0;
    for (int i = -radius; i <= radius; ++i)
        sum += kernel[size_t(i + radius)] = float(std::exp(-i * i / (2 * sigma * sigma)));
    for (float &k : kernel)
        k = float(k / sum);
    return kernel;
}

QImage blurred(const QImage &grey, double sigma)
{
    if (sigma <= 0)
        return grey;
    const std::vector<float> kernel = gaussianKernel(sigma);
    const int radius = int(kernel.size() / 2);
    const int w = grey.width(), h = grey.height();
    std::vector<float> across(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const uchar *line = grey.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            float sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += kernel[size_t(i + radius)] * line[std::clamp(x + i, 0, w - 1)];
            across[size_t(y) * size_t(w) + size_t(x)] = sum;
        }
    }
    QImage result(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y) {
        uchar *line = result.scanLine(y);
        for (int x = 0; x < w; ++x) {
            float sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += kernel[size_t(i + radius)]
                       * across[size_t(std::clamp(y + i, 0, h - 1)) * size_t(w) + size_t(x)];
            line[x] = uchar(std::clamp(int(std::lround(sum)), 0, 255));
        }
    }
    return result;
}

// The card as it lies there: printed markers as they are, punched holes as
// discs of the background, a dark card's face and ink darkened.
QImage cardAsScanned(const HoleList &holes, const ScanDistortion &d, QRandomGenerator *texts)
{
    if (d.holes == ScanDistortion::Holes::Printed)
        return cardPicture(holes, texts).convertToFormat(QImage::Format_Grayscale8);
    QImage card = cardPicture({}, texts).convertToFormat(QImage::Format_Grayscale8);
    if (d.holes == ScanDistortion::Holes::Light) {
        // Dark card stock: face at 95, ink at 25.
        for (int y = 0; y < card.height(); ++y) {
            uchar *line = card.scanLine(y);
            for (int x = 0; x < card.width(); ++x)
                line[x] = uchar(25 + line[x] * 70 / 255);
        }
    }
    QImage painted = card.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&painted);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(d.background, d.background, d.background));
    for (const Hole &hole : holes)
        painter.drawEllipse(QRectF(HoleGrid::markerX(hole.number),
                                   HoleGrid::markerY(hole.field, hole.number), HoleGrid::MarkerSize,
                                   HoleGrid::MarkerSize));
    painter.end();
    return painted.convertToFormat(QImage::Format_Grayscale8);
}

// Gaussian noise from a table: the generator must stay quick at 600 dpi.
void addNoise(QImage &grey, double sigma, quint32 seed)
{
    if (sigma <= 0)
        return;
    static const std::array<float, 4096> normals = [] {
        std::array<float, 4096> table{};
        QRandomGenerator random(7);
        for (size_t i = 0; i < table.size(); i += 2) {
            const double u1 = std::max(random.generateDouble(), 1e-12);
            const double u2 = random.generateDouble();
            const double r = std::sqrt(-2 * std::log(u1));
            table[i] = float(r * std::cos(2 * M_PI * u2));
            table[i + 1] = float(r * std::sin(2 * M_PI * u2));
        }
        return table;
    }();
    quint32 state = seed | 1;
    const float scale = float(sigma * 255);
    for (int y = 0; y < grey.height(); ++y) {
        uchar *line = grey.scanLine(y);
        for (int x = 0; x < grey.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const float value = line[x] + scale * normals[state & 4095];
            line[x] = uchar(std::clamp(int(std::lround(value)), 0, 255));
        }
    }
}

QImage throughJpeg(const QImage &picture, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "JPG", quality);
    return QImage::fromData(bytes, "JPG");
}

} // namespace

QImage ownCardPicture(const HoleList &holes, QRandomGenerator *texts)
{
    return cardPicture(holes, texts);
}

QImage syntheticScan(const HoleList &holes, const ScanDistortion &d, QRandomGenerator *texts)
{
    const QImage card = blurred(cardAsScanned(holes, d, texts), d.blur);
    const double scale = d.dpi / 150.0;
    const double w = CardOutline::Width * scale, h = CardOutline::Height * scale;
    const double radians = d.angle * M_PI / 180;
    const double turnedW = std::abs(w * std::cos(radians)) + std::abs(h * std::sin(radians));
    const double turnedH = std::abs(w * std::sin(radians)) + std::abs(h * std::cos(radians));
    const double margin = d.margin * w;
    const QSize size(int(std::ceil(turnedW + 2 * margin)), int(std::ceil(turnedH + 2 * margin)));
    QImage scan(size, QImage::Format_RGB32);
    scan.fill(QColor(d.background, d.background, d.background));
    {
        QPainter painter(&scan);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(turnedW / 2 + 2 * margin * d.offsetX,
                          turnedH / 2 + 2 * margin * d.offsetY);
        painter.rotate(d.angle + (d.upsideDown ? 180 : 0));
        painter.scale(scale, scale);
        painter.translate(-CardOutline::Width / 2.0, -CardOutline::Height / 2.0);
        painter.drawImage(0, 0, card);
    }
    QImage grey = scan.convertToFormat(QImage::Format_Grayscale8);
    addNoise(grey, d.noise, quint32(d.dpi * 1000 + d.angle * 100 + d.background));
    return d.jpegQuality >= 0 ? throughJpeg(grey, d.jpegQuality) : grey;
}

HoleList randomHoles(QRandomGenerator &random)
{
    HoleList holes;
    for (int field : {HoleGrid::FieldI, HoleGrid::FieldII}) {
        for (int number = 1; number <= HoleGrid::HolesPerField; ++number) {
            if (random.bounded(3) == 0)
                holes.push_back({field, number});
        }
    }
    return holes;
}

ScanDistortion randomDistortion(QRandomGenerator &random, double maxDpi)
{
    ScanDistortion d;
    d.dpi = 75 + random.generateDouble() * (maxDpi - 75);
    d.angle = -10 + 20 * random.generateDouble();
    d.upsideDown = random.bounded(2) == 1;
    d.offsetX = random.generateDouble();
    d.offsetY = random.generateDouble();
    d.margin = 0.02 + 0.2 * random.generateDouble();
    d.holes = ScanDistortion::Holes(random.bounded(3));
    const bool darkBackground = d.holes == ScanDistortion::Holes::Dark
                                || (d.holes == ScanDistortion::Holes::Printed && random.bounded(2));
    d.background = darkBackground ? 10 + int(random.bounded(50)) : 200 + int(random.bounded(50));
    d.noise = 0.08 * random.generateDouble();
    d.blur = 1.5 * random.generateDouble();
    d.jpegQuality = random.bounded(2) ? 50 : -1;
    return d;
}
