#pragma once

#include <QRect>

// The window is laid out in twips at 96 pixels per inch: 15 twips to a pixel.
class Twips {
public:
    static constexpr int PerPixel = 15;

    static int toPixels(int twips);
    static QRect toPixels(int left, int top, int width, int height);
};
