#pragma once

#include <QFont>
#include <QFontMetrics>
#include <functional>

// A control whose text must stay inside it at its fixed size draws the text in
// the largest pixel size, up to its own font's, at which the text fits.
class FittingFont {
public:
    static QFont largest(QFont font, const std::function<bool(const QFontMetrics &)> &fits);
};
