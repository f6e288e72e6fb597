#include "text_patch.h"

#include "card_outline.h"
#include "hole.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// How many picture pixels one card pixel spans near `card`.
double pictureScale(const QTransform &cardToPicture, const QPointF &card)
{
    const QPointF a = cardToPicture.map(card);
    const QPointF b = cardToPicture.map(card + QPointF(1, 0));
    return std::hypot(b.x() - a.x(), b.y() - a.y());
}

// Where the text cannot show: beyond the frame's inner edge, and on the hole
// positions, punched or not, which cover a cap note.
bool showsText(const QPointF &card)
{
    using namespace CardOutline;
    constexpr double inner = FrameWidth + 1;
    if (card.x() < FrameLeft + inner || card.x() > FrameRight - inner || card.y() < FrameTop + inner
        || card.y() > FrameBottom - inner)
        return false;
    constexpr double radius = HoleGrid::MarkerSize / 2.0 + 2;
    const double half = HoleGrid::MarkerSize / 2.0;
    const int column
        = int(std::lround((card.x() - HoleGrid::FirstMarkerX - half) / HoleGrid::ColumnPitch));
    if (column < 0 || column >= 12)
        return true;
    const double centreX = HoleGrid::FirstMarkerX + column * HoleGrid::ColumnPitch + half;
    for (int firstY : {HoleGrid::FieldIFirstMarkerY, HoleGrid::FieldIIFirstMarkerY}) {
        const int row = int(std::lround((card.y() - firstY - half) / HoleGrid::RowPitch));
        if (row < 0 || row >= 6)
            continue;
        const double centreY = firstY + row * HoleGrid::RowPitch + half;
        if (std::hypot(card.x() - centreX, card.y() - centreY) < radius)
            return false;
    }
    return true;
}

// A patch pixel's grey: the picture sampled at `steps` x `steps` points
// spread evenly over the pixel. Within a patch pixel the map is as good as
// linear, so the points lie at fixed offsets from the pixel's centre.
class PixelSpread
{
public:
    static constexpr int mostSteps = 4;

    PixelSpread(const QTransform &cardToPicture, const TextFrame &frame, int steps)
        : m_steps(steps)
    {
        const QPointF centre = cardToPicture.map(frame.card.center());
        const QPointF alongX = cardToPicture.map(frame.card.center() + QPointF(1, 0)) - centre;
        const QPointF alongY = cardToPicture.map(frame.card.center() + QPointF(0, 1)) - centre;
        for (int k = 0; k < steps; ++k) {
            const double offset = ((k + 0.5) / steps - 0.5) / frame.scale;
            m_across[size_t(k)] = offset * alongX;
            m_down[size_t(k)] = offset * alongY;
        }
    }

    float grey(const GreyPicture &picture, const QPointF &centre) const
    {
        float sum = 0;
        for (int j = 0; j < m_steps; ++j) {
            for (int i = 0; i < m_steps; ++i)
                sum += picture.sample(centre + m_across[size_t(i)] + m_down[size_t(j)]);
        }
        return sum / float(m_steps * m_steps);
    }

private:
    int m_steps;
    std::array<QPointF, mostSteps> m_across; // along the card's x, per step
    std::array<QPointF, mostSteps> m_down;   // along the card's y, per step
};

double percentile(std::vector<float> values, double share)
{
    if (values.empty())
        return 0;
    const auto at = values.begin() + qsizetype(share * double(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

} // namespace

GreyPicture::GreyPicture(const QImage &picture)
    : m_picture(picture)
{
    if (m_picture.format() != QImage::Format_Grayscale8
        && m_picture.format() != QImage::Format_RGB32 && m_picture.format() != QImage::Format_ARGB32
        && m_picture.format() != QImage::Format_ARGB32_Premultiplied)
        m_picture = m_picture.convertToFormat(QImage::Format_RGB32);
    m_grey = m_picture.format() == QImage::Format_Grayscale8;
    m_bits = m_picture.constBits();
    m_bytesPerLine = m_picture.bytesPerLine();
    m_lastX = m_picture.width() - 1;
    m_lastY = m_picture.height() - 1;
}

inline const uchar *GreyPicture::line(int y) const
{
    return m_bits + std::clamp(y, 0, m_lastY) * m_bytesPerLine;
}

inline float GreyPicture::pixel(const uchar *line, int x) const
{
    x = std::clamp(x, 0, m_lastX);
    if (m_grey)
        return line[x];
    return float(qGray(reinterpret_cast<const QRgb *>(line)[x]));
}

inline float GreyPicture::sample(const QPointF &p) const
{
    const double x = p.x() - 0.5, y = p.y() - 0.5;
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const float fx = float(x - x0), fy = float(y - y0);
    const uchar *upper = line(y0);
    const uchar *lower = line(y0 + 1);
    const float top = pixel(upper, x0) * (1 - fx) + pixel(upper, x0 + 1) * fx;
    const float bottom = pixel(lower, x0) * (1 - fx) + pixel(lower, x0 + 1) * fx;
    return top * (1 - fy) + bottom * fy;
}

double frameGrey(const GreyPicture &sampler, const QTransform &cardToPicture)
{
    using namespace CardOutline;
    std::vector<float> greys;
    const double middle = FrameWidth / 2.0;
    for (double x = 80; x < 850; x += 7) {
        greys.push_back(sampler.sample(cardToPicture.map(QPointF(x, FrameTop + middle))));
        greys.push_back(sampler.sample(cardToPicture.map(QPointF(x, FrameBottom - middle))));
    }
    return percentile(greys, 0.5);
}

TextPatch readTextPatch(const GreyPicture &sampler, const QTransform &cardToPicture,
                        const TextFrame &frame, double inkGrey)
{
    TextPatch patch;
    patch.frame = frame;
    const int w = frame.width(), h = frame.height();
    InkPatch grey(w, h);
    patch.weight = InkPatch(w, h);
    // A picture finer than the patch is averaged over each patch pixel.
    const double finer = pictureScale(cardToPicture, frame.card.center()) / frame.scale;
    const int steps = std::clamp(int(std::ceil(finer)), 1, PixelSpread::mostSteps);
    const PixelSpread spread(cardToPicture, frame, steps);
    std::vector<double> columns(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x)
        columns[size_t(x)] = frame.card.left() + (x + 0.5) / frame.scale;
    std::vector<float> face;
    for (int y = 0; y < h; ++y) {
        const double row = frame.card.top() + (y + 0.5) / frame.scale;
        for (int x = 0; x < w; ++x) {
            const QPointF card(columns[size_t(x)], row);
            grey.at(x, y) = spread.grey(sampler, cardToPicture.map(card));
            if (showsText(card)) {
                patch.weight.at(x, y) = 1;
                face.push_back(grey.at(x, y));
            }
        }
    }
    // Most of a text's stretch is bare card face.
    const double faceGrey = percentile(face, 0.8);
    const double contrast = faceGrey - inkGrey;
    patch.ink = InkPatch(w, h);
    if (contrast < 20)
        return patch; // no ink to tell from the face
    for (size_t i = 0; i < grey.ink.size(); ++i)
        patch.ink.ink[i] = std::clamp(float((faceGrey - grey.ink[i]) / contrast), -0.5f, 1.5f);
    // Clearly inked: a 3 x 3 neighbourhood darker than halfway, which noise
    // alone hardly gives.
    int inkedPixels = 0;
    for (int y = 1; y + 1 < h; ++y) {
        for (int x = 1; x + 1 < w; ++x) {
            float sum = 0;
            for (int j = -1; j <= 1; ++j) {
                for (int i = -1; i <= 1; ++i)
                    sum += patch.ink.at(x + i, y + j) * patch.weight.at(x + i, y + j);
            }
            if (sum / 9 > 0.4f) {
                if (inkedPixels == 0) {
                    patch.inkLeft = patch.inkRight = x;
                    patch.inkTop = patch.inkBottom = y;
                }
                patch.inkLeft = std::min(patch.inkLeft, x);
                patch.inkRight = std::max(patch.inkRight, x);
                patch.inkTop = std::min(patch.inkTop, y);
                patch.inkBottom = std::max(patch.inkBottom, y);
                ++inkedPixels;
                patch.inkEnergy += double(patch.ink.at(x, y)) * patch.ink.at(x, y);
            }
        }
    }
    patch.inked = inkedPixels >= 4 * frame.scale * frame.scale;
    return patch;
}
