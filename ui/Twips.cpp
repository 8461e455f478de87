#include "ui/Twips.h"

int Twips::toPixels(int twips)
{
    return (twips + PerPixel / 2) / PerPixel;
}

QRect Twips::toPixels(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}
