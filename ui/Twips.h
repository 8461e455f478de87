#pragma once

#include <QRect>

// The window is laid out in twips at 96 pixels per inch: 15 twips to a pixel.
class Twips {
public:
    static constexpr int PerPixel = 15;

    struct Rect {
        int left;
        int top;
        int width;
        int height;
    };

    static constexpr int toPixels(int twips) { return (twips + PerPixel / 2) / PerPixel; }
    static constexpr QRect toPixels(Rect rect)
    {
        return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
    }
};
