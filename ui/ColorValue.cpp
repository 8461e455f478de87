#include "ui/ColorValue.h"

#include <QGuiApplication>
#include <QPalette>

QColor ColorValue::toColor(std::uint32_t value)
{
    if ((value & 0xFF000000u) == 0x80000000u) {
        // Only the window-text entry is used by this window.
        return QGuiApplication::palette().color(QPalette::WindowText);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
