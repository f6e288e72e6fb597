#pragma once

#include <QImage>
#include <QPointF>

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
