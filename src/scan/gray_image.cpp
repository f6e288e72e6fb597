#include "gray_image.h"

#include <algorithm>
#include <array>
#include <cmath>

GrayImage::GrayImage(int width, int height)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_pixels(size_t(m_width) * size_t(m_height), 0.0f)
{ }

GrayImage GrayImage::fromImage(const QImage &image, int factor)
{
    if (image.isNull() || factor < 1)
        return {};
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    GrayImage result(gray.width() / factor, gray.height() / factor);
    std::vector<float> rowSums(size_t(result.m_width));
    const float scale = 1.0f / float(factor * factor);
    for (int y = 0; y < result.m_height; ++y) {
        std::fill(rowSums.begin(), rowSums.end(), 0.0f);
        for (int dy = 0; dy < factor; ++dy) {
            const uchar *line = gray.constScanLine(y * factor + dy);
            for (int x = 0; x < result.m_width; ++x) {
                const uchar *block = line + x * factor;
                int sum = 0;
                for (int dx = 0; dx < factor; ++dx)
                    sum += block[dx];
                rowSums[size_t(x)] += float(sum);
            }
        }
        for (int x = 0; x < result.m_width; ++x)
            result.at(x, y) = rowSums[size_t(x)] * scale;
    }
    return result;
}

bool GrayImage::contains(const QPointF &p) const
{
    return p.x() >= 0 && p.y() >= 0 && p.x() <= m_width - 1 && p.y() <= m_height - 1;
}

GrayImage GrayImage::smoothed() const
{
    GrayImage across(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const int left = std::max(x - 1, 0);
            const int right = std::min(x + 1, m_width - 1);
            across.at(x, y) = (at(left, y) + at(x, y) + at(right, y)) / 3.0f;
        }
    }
    GrayImage result(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        const int up = std::max(y - 1, 0);
        const int down = std::min(y + 1, m_height - 1);
        for (int x = 0; x < m_width; ++x)
            result.at(x, y) = (across.at(x, up) + across.at(x, y) + across.at(x, down)) / 3.0f;
    }
    return result;
}

float GrayImage::otsuThreshold() const
{
    std::array<double, 256> histogram{};
    for (float value : m_pixels)
        histogram[size_t(std::clamp(int(value), 0, 255))] += 1;
    const double total = double(m_pixels.size());
    double sumAll = 0;
    for (int i = 0; i < 256; ++i)
        sumAll += i * histogram[size_t(i)];
    double weightBelow = 0, sumBelow = 0, best = -1;
    int bestLevel = 128;
    for (int level = 0; level < 256; ++level) {
        weightBelow += histogram[size_t(level)];
        if (weightBelow == 0)
            continue;
        const double weightAbove = total - weightBelow;
        if (weightAbove == 0)
            break;
        sumBelow += level * histogram[size_t(level)];
        const double meanBelow = sumBelow / weightBelow;
        const double meanAbove = (sumAll - sumBelow) / weightAbove;
        const double between
            = weightBelow * weightAbove * (meanBelow - meanAbove) * (meanBelow - meanAbove);
        if (between > best) {
            best = between;
            bestLevel = level;
        }
    }
    return float(bestLevel) + 0.5f;
}
