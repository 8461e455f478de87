#include "ui/FittingFont.h"

QFont FittingFont::largest(QFont font, const std::function<bool(const QFontMetrics &)> &fits)
{
    while (font.pixelSize() > 1 && !fits(QFontMetrics(font)))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
