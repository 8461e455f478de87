#pragma once

#include <QImage>

#include <cmath>

class ImageDifference {
public:
    // Mean absolute difference per channel, on 0..255; 255 for images of
    // different sizes.
    static double mean(const QImage &a, const QImage &b)
    {
        if (a.size() != b.size())
            return 255.0;
        double sum = 0.0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            }
        }
        return sum / (3.0 * a.width() * a.height());
    }
};
