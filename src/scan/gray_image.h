#pragma once

#include <QImage>
#include <QPointF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// A grey picture of floats, 0 black to 255 white, that the scan reader
// works on: small enough to search quickly, sampled between pixels.
class GrayImage
{
public:
    GrayImage() = default;
    GrayImage(int width, int height);

    // The picture's luminance, each `factor` x `factor` block averaged.
    static GrayImage fromImage(const QImage &image, int factor);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isNull() const { return m_width == 0 || m_height == 0; }
    float at(int x, int y) const { return m_pixels[size_t(y) * m_width + x]; }
    float &at(int x, int y) { return m_pixels[size_t(y) * m_width + x]; }
    bool contains(const QPointF &p) const;
    // Bilinear; a point outside the picture takes its nearest edge pixel.
    float sample(const QPointF &p) const;
    // The picture averaged over 3 x 3 pixels, against noise.
    GrayImage smoothed() const;
    // The threshold between the picture's two main grey levels.
    float otsuThreshold() const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<float> m_pixels;
};

// Inline: the reader samples a great many points.
inline float GrayImage::sample(const QPointF &p) const
{
    // A map that sends a point to infinity (a slanted view gone wrong) must
    // not index outside the picture.
    const float x = std::isfinite(p.x()) ? std::clamp(float(p.x()), 0.0f, float(m_width - 1)) : 0;
    const float y = std::isfinite(p.y()) ? std::clamp(float(p.y()), 0.0f, float(m_height - 1)) : 0;
    const int x0 = std::min(int(x), m_width - 2 < 0 ? 0 : m_width - 2);
    const int y0 = std::min(int(y), m_height - 2 < 0 ? 0 : m_height - 2);
    const int x1 = std::min(x0 + 1, m_width - 1);
    const int y1 = std::min(y0 + 1, m_height - 1);
    const float fx = x - float(x0);
    const float fy = y - float(y0);
    const float top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * fx;
    const float bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * fx;
    return top + (bottom - top) * fy;
}
