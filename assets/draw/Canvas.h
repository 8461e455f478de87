#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

struct Rgb {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

Rgb operator+(Rgb a, Rgb b);
Rgb operator*(Rgb a, double k);
Rgb operator*(Rgb a, Rgb b);
Rgb mix(Rgb a, Rgb b, double t);
Rgb rgb255(int r, int g, int b);

using ColourStop = std::pair<double, Rgb>;
// Linear between stops sorted by position; clamped at both ends.
Rgb gradient(std::span<const ColourStop> stops, double t);

double clamp01(double v);
double smoothstep(double edge0, double edge1, double x);
std::uint8_t toByte(double v);

// Scenes are laid out in the pixels of the 1x picture; a picture drawn at a
// larger scale has perUnit pixels (or subsamples) to each of those units.
// This is where the centre of one of them lies, in scene units.
double centre(int index, int perUnit);

// A full-colour image with y growing downwards and channels in 0..1.
class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb &at(int x, int y) { return pixels_[index(x, y)]; }
    const Rgb &at(int x, int y) const { return pixels_[index(x, y)]; }
    // Clamps to the border, for sampling just outside the image.
    Rgb sample(int x, int y) const;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};
