#include "Pictures.h"

#include <array>
#include <cmath>
#include <complex>
#include <numbers>

namespace {

// Scene units: the pixels of the 1x picture.
constexpr int Width = 313;
constexpr int Height = 370;
constexpr int Sub = 3;
// A Julia set for a point just outside the Mandelbrot set, in seahorse
// valley: dust of spirals everywhere and no solid interior. The view is off
// centre so that the set's half-turn symmetry never maps one cell onto another.
constexpr double SeedRe = -0.7454;
constexpr double SeedIm = 0.1130;
constexpr double CentreRe = 0.05;
constexpr double CentreIm = 0.08;
constexpr double Span = 0.95; // width of the view on the complex plane
constexpr int MaxIterations = 3000;
constexpr double BandsPerUnit = 1.0; // colour cycles per unit of log(iterations)
constexpr double Filament = 0.15;    // closer than this (in 1x subsamples) to the set draws dark

// Index 0 is the set and its filaments; 1..255 are one loop of the reef colours.
std::vector<Rgb8> reefPalette()
{
    static const std::array<ColourStop, 8> stops{{
        {0.00, rgb255(8, 24, 72)},
        {0.18, rgb255(16, 110, 140)},
        {0.32, rgb255(90, 210, 200)},
        {0.45, rgb255(245, 236, 190)},
        {0.58, rgb255(252, 150, 100)},
        {0.72, rgb255(214, 64, 110)},
        {0.86, rgb255(96, 32, 110)},
        {1.00, rgb255(8, 24, 72)},
    }};
    std::vector<Rgb8> palette{{4, 8, 26}};
    for (int i = 0; i < 255; ++i) {
        const Rgb c = gradient(stops, i / 255.0);
        palette.push_back({toByte(c.r), toByte(c.g), toByte(c.b)});
    }
    return palette;
}

// Smooth escape count, or a negative value on or very near the set.
double escape(double zr, double zi, double filament)
{
    double dr = 1.0; // derivative, for the distance estimate
    double di = 0.0;
    for (int n = 0; n < MaxIterations; ++n) {
        const double zr2 = zr * zr;
        const double zi2 = zi * zi;
        if (zr2 + zi2 > 256.0) {
            const double modulus = std::sqrt(zr2 + zi2);
            if (modulus * std::log(modulus) / std::hypot(dr, di) < filament)
                return -1.0;
            return n + 1.0 - std::log2(std::log2(modulus));
        }
        const double ndr = 2.0 * (zr * dr - zi * di);
        di = 2.0 * (zr * di + zi * dr);
        dr = ndr;
        zi = 2.0 * zr * zi + SeedIm;
        zr = zr2 - zi2 + SeedRe;
    }
    return -1.0;
}

} // namespace

IndexedImage drawFractalReef(int scale)
{
    const int width = Width * scale;
    const int height = Height * scale;
    IndexedImage image{width, height, {}, reefPalette()};
    image.index.reserve(static_cast<std::size_t>(width) * height);
    const double step = Span / (width * Sub);
    // Filaments keep their width on the plane, so a larger picture shows the
    // same ones with finer edges.
    const double filament = Filament * (Span / (Width * Sub));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Average the colour phase around the circle so that subsamples on
            // either side of the palette's seam do not cancel out. The drift
            // across the picture keeps symmetric spirals in different colours.
            const double drift = 0.35 * y / height + 0.15 * x / width;
            std::complex<double> phase;
            int inside = 0;
            for (int sy = 0; sy < Sub; ++sy) {
                for (int sx = 0; sx < Sub; ++sx) {
                    const double re = CentreRe + ((x * Sub + sx + 0.5) - width * Sub / 2.0) * step;
                    const double im = CentreIm + (height * Sub / 2.0 - (y * Sub + sy + 0.5)) * step;
                    const double nu = escape(re, im, filament);
                    if (nu < 0.0)
                        ++inside;
                    else
                        phase += std::polar(1.0, 2.0 * std::numbers::pi * (BandsPerUnit * std::log(nu) + drift));
                }
            }
            std::uint8_t index = 0;
            if (2 * inside < Sub * Sub) {
                double turn = std::arg(phase) / (2.0 * std::numbers::pi);
                if (turn < 0.0)
                    turn += 1.0;
                index = static_cast<std::uint8_t>(1 + std::min(254, static_cast<int>(turn * 255.0)));
            }
            image.index.push_back(index);
        }
    }
    return image;
}
