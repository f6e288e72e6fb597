#include "synthetic_scan.h"

#include "card.h"
#include "card_image.h"
#include "card_outline.h"
#include "card_painting.h"
#include "cardtext_layout.h"
#include "socket_table.h"
#include "tube.h"
#include "tube_type_table.h"

#include <QBuffer>
#include <QPainter>
#include <QPolygonF>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
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

void writeSomeTexts(Card &card, QRandomGenerator &random)
{
    const auto write = [&card](CardText text, const QString &content) {
        card.texts[std::size_t(text)].content = content;
    };
    const QString name = QString::fromLatin1(tubeNames[random.bounded(6)]);
    write(CardText::TubeName, name);
    card.tubeNamePointSize = tubeNamePointSize(name);
    write(CardText::TubeType, QStringLiteral("Pentode"));
    write(CardText::Socket, QStringLiteral("Noval"));
    write(CardText::HeatingVoltage, QStringLiteral("Uf=6,3V"));
    write(CardText::PlateVoltage, QStringLiteral("Ua=250V"));
    // The cap notes run across the columns of holes.
    const CardText notes[]
        = {CardText::PlateCapNote, CardText::ScreenGridCapNote, CardText::ControlGridCapNote};
    for (CardText note : notes)
        card.texts[std::size_t(note)].visible = random.bounded(3) == 0;
}

// The created card as a card nobody has written on shows it, the cap notes
// hidden; with `texts`, a few texts written as a user would.
QImage cardPicture(const HoleList &holes, QRandomGenerator *texts)
{
    Card card;
    for (int i = 0; i < CardTextCount; ++i)
        card.texts[std::size_t(i)] = {initialCardText(CardText(i)), true};
    card.tubeNamePointSize = tubeNamePointSize(card.text(CardText::TubeName).content);
    for (CardText note :
         {CardText::PlateCapNote, CardText::ScreenGridCapNote, CardText::ControlGridCapNote})
        card.texts[std::size_t(note)].visible = false;
    if (texts)
        writeSomeTexts(card, *texts);
    card.holes = holes;
    std::sort(card.holes.begin(), card.holes.end());
    return CardPainting::render(card, CardPainting::Picture::Created);
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
QImage cardAsScanned(const CardPicture &picture, const HoleList &holes, const ScanDistortion &d)
{
    if (d.holes == ScanDistortion::Holes::Printed)
        return picture(holes).convertToFormat(QImage::Format_Grayscale8);
    QImage card = picture({}).convertToFormat(QImage::Format_Grayscale8);
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

CardPicture randomTextsPicture(QRandomGenerator *texts)
{
    return [texts](const HoleList &holes) { return cardPicture(holes, texts); };
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
    return syntheticScanOf(randomTextsPicture(texts), holes, d);
}

QImage syntheticScanOf(const CardPicture &picture, const HoleList &holes, const ScanDistortion &d)
{
    const QImage card = blurred(cardAsScanned(picture, holes, d), d.blur);
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

ScanDistortion scannerLike(QRandomGenerator &random, double dpi)
{
    ScanDistortion d;
    d.dpi = dpi;
    d.angle = -2 + 4 * random.generateDouble();
    d.margin = 0.03;
    d.background = 230;
    d.noise = 0.02;
    d.blur = 0.3 + 0.4 * random.generateDouble();
    d.jpegQuality = 85;
    return d;
}

QImage printedCardScan(const Card &card, const ScanDistortion &d)
{
    const double scale = d.dpi / 150.0;
    const double w = CardOutline::Width * scale, h = CardOutline::Height * scale;
    const double margin = d.margin * w;
    const QSize size(int(std::ceil(w + 2 * margin)), int(std::ceil(h + 2 * margin)));
    QImage scan(size, QImage::Format_RGB32);
    scan.fill(QColor(d.background, d.background, d.background));
    {
        QPainter painter(&scan);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(size.width() / 2.0, size.height() / 2.0);
        painter.rotate(d.angle + (d.upsideDown ? 180 : 0));
        painter.translate(-w / 2, -h / 2);
        painter.fillRect(QRectF(0, 0, w, h), Qt::white);
        CardPainting::paint(&painter, card, CardPainting::Picture::Created, QRectF(0, 0, w, h));
    }
    QImage grey = blurred(scan.convertToFormat(QImage::Format_Grayscale8), d.blur * scale);
    addNoise(grey, d.noise, quint32(d.dpi * 1000 + d.angle * 100 + d.background));
    return d.jpegQuality >= 0 ? throughJpeg(grey, d.jpegQuality) : grey;
}

Tube randomFormTube(QRandomGenerator &random)
{
    auto pick = [&random](const char *from) {
        const int n = int(qstrlen(from));
        return QChar::fromLatin1(from[random.bounded(n)]);
    };
    auto between = [&random](double low, double high, int decimals) {
        const double factor = std::pow(10.0, decimals);
        return std::round((low + (high - low) * random.generateDouble()) * factor) / factor;
    };
    Tube tube;
    const int letters = 1 + int(random.bounded(4)), digits = 1 + int(random.bounded(4));
    for (int i = 0; i < letters; ++i)
        tube.name += pick("ABCDEFGHKLMNOPRSTUVWYZ");
    for (int i = 0; i < digits; ++i)
        tube.name += pick("0123456789");
    if (random.bounded(4) == 0)
        tube.name += pick("ABGTW");
    tube.socket = int(random.bounded(SocketCount));
    tube.tubeType = int(random.bounded(TubeTypeCount));
    tube.heatingMethod = tube.tubeType == 8 ? 2 * int(random.bounded(2)) : int(random.bounded(4));
    tube.heatingTap = int(random.bounded(8));
    tube.heatingVoltage = between(1, 17, random.bounded(3));
    tube.heatingCurrent = between(0, 1.2, 2);
    tube.capFunction = int(random.bounded(4));
    tube.plateVoltage = between(5, 300, random.bounded(2));
    tube.screenVoltage = between(5, tube.plateVoltage, random.bounded(2));
    tube.gridVoltage = between(-65, 0, random.bounded(2));
    tube.rectPlateVoltage = int(random.bounded(3));
    tube.plateCurrent = between(0, 50, random.bounded(3));
    tube.screenCurrent = between(0, 20, random.bounded(3));
    tube.transconductance = between(0, 30, random.bounded(3));
    tube.rectCurrent = between(0, 300, random.bounded(3));
    return tube;
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

QString PhotoDistortion::describe() const
{
    static const char *const holeLooks[] = {"printed", "dark", "light"};
    const QString highlight = glare > 0 ? QStringLiteral(", glare %1 at (%2, %3) over %4 px")
                                              .arg(glare, 0, 'f', 2)
                                              .arg(glareAt.x(), 0, 'f', 0)
                                              .arg(glareAt.y(), 0, 'f', 0)
                                              .arg(glareRadius, 0, 'f', 0)
                                        : QString();
    return QStringLiteral("photo %1 x %2, cover %3, tilt %4 deg toward %5, turn %6, at (%7, %8), "
                          "sag %9 %%10, barrel %11, shadow %12 at corner %13, falloff %14 "
                          "toward %15, table %16%17, noise %18 %, blur %19, jpeg %20, holes %21%22")
        .arg(frame.width())
        .arg(frame.height())
        .arg(coverage, 0, 'f', 2)
        .arg(tilt, 0, 'f', 1)
        .arg(tiltAxis, 0, 'f', 0)
        .arg(turn, 0, 'f', 1)
        .arg(centreX, 0, 'f', 2)
        .arg(centreY, 0, 'f', 2)
        .arg(sag * 100, 0, 'f', 2)
        .arg(sagAcross ? QStringLiteral(" across") : QString())
        .arg(barrel, 0, 'f', 3)
        .arg(shadow, 0, 'f', 2)
        .arg(shadowCorner)
        .arg(falloff, 0, 'f', 2)
        .arg(falloffAngle, 0, 'f', 0)
        .arg(background)
        .arg(patternedTable ? QStringLiteral(" patterned") : QString())
        .arg(noise * 100, 0, 'f', 1)
        .arg(blur, 0, 'f', 2)
        .arg(jpegQuality)
        .arg(QLatin1String(holeLooks[int(holes)]))
        .arg(highlight);
}

namespace {

// The flat card's map into the photo: a pinhole camera above the card,
// leaning `tilt` degrees, then the whole scaled and moved so that the card
// fills about `coverage` of the photo and lies wholly inside it.
QTransform photoCamera(const PhotoDistortion &p)
{
    const double w = CardOutline::Width, h = CardOutline::Height;
    const double focal = p.frame.width() / 2.0 / std::tan(p.fieldOfView * M_PI / 360);
    const double turn = p.turn * M_PI / 180, axis = p.tiltAxis * M_PI / 180;
    const double tilt = p.tilt * M_PI / 180;
    // Rodrigues' rotation about the in-plane axis (cos axis, sin axis, 0).
    const double ax = std::cos(axis), ay = std::sin(axis);
    const double c = std::cos(tilt), s = std::sin(tilt);
    auto rotate = [&](double x, double y) {
        const double dot = ax * x + ay * y;
        const double rx = x * c + ax * dot * (1 - c);
        const double ry = y * c + ay * dot * (1 - c);
        const double rz = s * (ax * y - ay * x);
        return std::array<double, 3>{rx, ry, rz};
    };
    const double distance
        = focal / std::sqrt(p.coverage * p.frame.width() * p.frame.height() / (w * h));
    QPolygonF card, projected;
    for (QPointF corner : {QPointF(0, 0), QPointF(w, 0), QPointF(w, h), QPointF(0, h)}) {
        card << corner;
        const double x = corner.x() - w / 2, y = corner.y() - h / 2;
        const double tx = x * std::cos(turn) - y * std::sin(turn);
        const double ty = x * std::sin(turn) + y * std::cos(turn);
        const auto r = rotate(tx, ty);
        projected << QPointF(focal * r[0] / (distance + r[2]), focal * r[1] / (distance + r[2]));
    }
    const QRectF bounds = projected.boundingRect();
    const double room = 0.98;
    const double fit = std::min(
        {1.0, room * p.frame.width() / bounds.width(), room * p.frame.height() / bounds.height()});
    const double freeX = p.frame.width() - fit * bounds.width();
    const double freeY = p.frame.height() - fit * bounds.height();
    const QTransform place = QTransform::fromTranslate(-bounds.left(), -bounds.top())
                             * QTransform::fromScale(fit, fit)
                             * QTransform::fromTranslate(freeX * p.centreX, freeY * p.centreY);
    QTransform map;
    QTransform::quadToQuad(card, place.map(projected), map);
    return map;
}

// The bow moves the card's middle by `sag` of its height.
QPointF bowed(const QPointF &c, const PhotoDistortion &p)
{
    const double w = CardOutline::Width, h = CardOutline::Height;
    if (p.sagAcross) {
        const double v = 2 * c.y() / h - 1;
        return c + QPointF(p.sag * h * (1 - v * v), 0);
    }
    const double u = 2 * c.x() / w - 1;
    return c + QPointF(0, p.sag * h * (1 - u * u));
}

float sampleGrey(const QImage &grey, double x, double y)
{
    const int w = grey.width(), h = grey.height();
    x = std::clamp(x, 0.0, w - 1.001);
    y = std::clamp(y, 0.0, h - 1.001);
    const int x0 = int(x), y0 = int(y);
    const double fx = x - x0, fy = y - y0;
    const uchar *a = grey.constScanLine(y0);
    const uchar *b = grey.constScanLine(std::min(y0 + 1, h - 1));
    const int x1 = std::min(x0 + 1, w - 1);
    const double top = a[x0] + (a[x1] - a[x0]) * fx;
    const double bottom = b[x0] + (b[x1] - b[x0]) * fx;
    return float(top + (bottom - top) * fy);
}

// Light on the card's plane: a soft shadow over one corner of the card.
double shadowAt(const QPointF &c, const PhotoDistortion &p)
{
    if (p.shadow >= 1)
        return 1;
    const double u = c.x() / CardOutline::Width, v = c.y() / CardOutline::Height;
    const double cu = (p.shadowCorner == 1 || p.shadowCorner == 2) ? 1 - u : u;
    const double cv = p.shadowCorner >= 2 ? 1 - v : v;
    const double edge = (cu + cv - 0.6) / 0.03; // soft over a few card pixels
    const double inside = 1 / (1 + std::exp(std::clamp(edge, -40.0, 40.0)));
    return 1 - (1 - p.shadow) * inside;
}

} // namespace

QPolygonF photoCardCorners(const PhotoDistortion &photo)
{
    const double w = CardOutline::Width, h = CardOutline::Height;
    return photoCamera(photo).map(
        QPolygonF({QPointF(0, 0), QPointF(w, 0), QPointF(w, h), QPointF(0, h)}));
}

QImage syntheticPhoto(const HoleList &holes, const PhotoDistortion &p, QRandomGenerator *texts)
{
    return syntheticPhotoOf(randomTextsPicture(texts), holes, p);
}

QImage syntheticPhotoOf(const CardPicture &picture, const HoleList &holes, const PhotoDistortion &p)
{
    ScanDistortion look;
    look.holes = p.holes;
    look.background = p.background;
    const QTransform camera = photoCamera(p);
    const QTransform toCard = camera.inverted();
    // Small cards are smoothed first, as a lens would, so that they do not alias.
    const double scale = std::sqrt(std::abs(camera.determinant()));
    const double smoothing = std::hypot(p.blur, scale < 1 ? 0.5 / scale : 0.0);
    const QImage card = blurred(cardAsScanned(picture, holes, look), smoothing);
    const int fw = p.frame.width(), fh = p.frame.height();
    const QPointF centre(fw / 2.0, fh / 2.0);
    const double halfDiagonal = std::hypot(fw / 2.0, fh / 2.0);
    const double fallX = std::cos(p.falloffAngle * M_PI / 180);
    const double fallY = std::sin(p.falloffAngle * M_PI / 180);
    const double fallSpan = std::abs(fallX) * fw + std::abs(fallY) * fh;
    const double fallStart = std::min(0.0, fallX * fw) + std::min(0.0, fallY * fh);
    QImage photo(p.frame, QImage::Format_Grayscale8);
    for (int y = 0; y < fh; ++y) {
        uchar *line = photo.scanLine(y);
        for (int x = 0; x < fw; ++x) {
            // Undo the lens: a barrel draws the corners in.
            QPointF seen(x, y), point = seen;
            for (int i = 0; i < 4 && p.barrel != 0; ++i) {
                const QPointF d = point - centre;
                const double r2 = (d.x() * d.x() + d.y() * d.y()) / (halfDiagonal * halfDiagonal);
                point = centre + (seen - centre) / (1 - p.barrel * r2);
            }
            const QPointF flat = toCard.map(point);
            QPointF c = flat;
            for (int i = 0; i < 3 && p.sag != 0; ++i)
                c = flat - (bowed(c, p) - c);
            double grey;
            if (c.x() >= 0 && c.y() >= 0 && c.x() < CardOutline::Width
                && c.y() < CardOutline::Height)
                grey = sampleGrey(card, c.x() - 0.5, c.y() - 0.5);
            else if (p.patternedTable)
                grey = p.background + 30 * std::sin(x / 9.0 + 3 * std::sin(y / 60.0));
            else
                grey = p.background;
            const double t = (fallX * x + fallY * y - fallStart) / fallSpan;
            grey *= p.exposure * shadowAt(flat, p) * (1 - (1 - p.falloff) * t);
            if (p.glare > 0) {
                const QPointF d = flat - p.glareAt;
                const double r2 = (d.x() * d.x() + d.y() * d.y()) / (p.glareRadius * p.glareRadius);
                grey += 255 * p.glare * std::exp(-1.5 * r2);
            }
            line[x] = uchar(std::clamp(int(std::lround(grey)), 0, 255));
        }
    }
    addNoise(photo, p.noise, quint32(p.tilt * 1000 + p.turn * 10 + p.background));
    return p.jpegQuality >= 0 ? throughJpeg(photo, p.jpegQuality) : photo;
}

PhotoDistortion randomPhoto(QRandomGenerator &random, double strength)
{
    auto share = [&](double far) { return far * strength * random.generateDouble(); };
    PhotoDistortion p;
    p.coverage = 0.3 + 0.6 * random.generateDouble();
    p.tilt = share(25);
    p.tiltAxis = 360 * random.generateDouble();
    p.turn = 360 * random.generateDouble();
    p.centreX = random.generateDouble();
    p.centreY = random.generateDouble();
    p.fieldOfView = 55 + 20 * random.generateDouble();
    p.sag = share(0.02);
    p.sagAcross = random.bounded(2);
    p.barrel = share(0.08);
    p.shadow = 1 - share(0.75);
    p.shadowCorner = int(random.bounded(4));
    p.falloff = 1 - share(0.6);
    p.falloffAngle = 360 * random.generateDouble();
    p.holes = ScanDistortion::Holes(random.bounded(3));
    p.background = p.holes == ScanDistortion::Holes::Light ? 190 + int(random.bounded(60))
                                                           : 20 + int(random.bounded(100));
    p.patternedTable = random.bounded(3) == 0;
    p.noise = share(0.06);
    p.blur = share(1.5);
    p.jpegQuality = random.bounded(2) ? 40 + int(random.bounded(50)) : -1;
    return p;
}

PhotoDistortion ordinaryPhoto(QRandomGenerator &random)
{
    PhotoDistortion p = randomPhoto(random, 0);
    p.tilt = 2 * random.generateDouble();
    p.noise = 0.02;
    p.blur = 0.5;
    p.jpegQuality = 85;
    return p;
}

CardPicture createdCardPicture(const Card &card)
{
    return [card](const HoleList &holes) {
        Card punched = card;
        punched.holes = holes;
        QImage picture(CardOutline::Width, CardOutline::Height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.drawImage(0, 0, CardPainting::render(punched, CardPainting::Picture::Created));
        return picture;
    };
}

PhotoDistortion showcasePhoto()
{
    PhotoDistortion photo;
    photo.frame = QSize(1280, 960);
    photo.coverage = 0.55;
    photo.tilt = 18;
    photo.tiltAxis = 60;
    photo.turn = -12;
    photo.sag = 0.01;
    photo.barrel = 0.03;
    photo.shadow = 0.4;
    photo.shadowCorner = 2;
    photo.falloff = 0.7;
    photo.falloffAngle = 30;
    photo.background = 70;
    photo.patternedTable = true;
    photo.holes = ScanDistortion::Holes::Dark;
    photo.noise = 0.02;
    photo.blur = 0.6;
    photo.jpegQuality = 80;
    return photo;
}
