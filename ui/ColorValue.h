#pragma once

#include <QColor>
#include <cstdint>

// Colour values as the window stores them: 0x00BBGGRR, the low byte red.
class ColorValue {
public:
    static constexpr std::uint32_t LightPeach = 0x00C0E0FF;
    static constexpr std::uint32_t LightOrange = 0x0080C0FF;
    static constexpr std::uint32_t LightCyan = 0x00FFFFC0;
    static constexpr std::uint32_t Navy = 0x00800000;

    static QColor toColor(std::uint32_t value);
};
