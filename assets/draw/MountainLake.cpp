#include "Pictures.h"

#include "Noise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// Scene units: the pixels of the 1x picture.
constexpr int Width = 313;
constexpr int Height = 369;
constexpr double WaterLine = 214.0;
constexpr double SunX = 234.0;
constexpr double SunY = 130.0;

struct Peak {
    double x;
    double y;
    double slope;
};

double ridge(double x, const std::array<Peak, 4> &peaks, double jag, std::uint32_t seed)
{
    double y = 1e9;
    for (const Peak &p : peaks)
        y = std::min(y, p.y + p.slope * std::abs(x - p.x));
    return y + jag * (fbm(x / 22.0, 0.5, 4, seed) - 0.5) + 0.3 * jag * (valueNoise(x / 4.0, 0.5, seed + 7) - 0.5);
}

double farRidge(double x)
{
    return ridge(x, {{{92, 58, 1.05}, {182, 96, 0.8}, {298, 88, 0.9}, {20, 112, 0.7}}}, 22.0, 11);
}

double nearRidge(double x)
{
    return ridge(x, {{{40, 150, 0.45}, {150, 178, 0.3}, {262, 160, 0.5}, {330, 150, 0.4}}}, 12.0, 23);
}

Rgb sky(double x, double y)
{
    static const std::array<ColourStop, 5> stops{{
        {0.0, rgb255(34, 38, 92)},
        {55.0, rgb255(86, 66, 136)},
        {115.0, rgb255(196, 100, 128)},
        {165.0, rgb255(244, 150, 96)},
        {WaterLine, rgb255(253, 206, 132)},
    }};
    Rgb c = gradient(stops, y);
    // A slow horizontal shift so that the same height of sky differs left to right.
    c = c * (0.9 + 0.16 * x / Width);

    const double d = std::hypot(x - SunX, (y - SunY) * 1.25);
    c = c + Rgb{1.0, 0.72, 0.42} * (0.5 * std::exp(-d / 38.0) + 0.22 * std::exp(-d / 110.0));

    // Clouds: stretched noise, lit on the side facing the sun.
    const double band = smoothstep(4.0, 30.0, y) * (1.0 - smoothstep(120.0, 165.0, y));
    auto density = [&](double px, double py) {
        return smoothstep(0.46, 0.7, fbm(px / 64.0, py / 15.0, 5, 31)) * band;
    };
    const double cloud = density(x, y);
    if (cloud > 0.0) {
        const double dx = (SunX - x) / (d + 1.0) * 3.0;
        const double dy = (SunY - y) / (d + 1.0) * 3.0;
        const double lit = clamp01((cloud - density(x + dx, y + dy)) * 4.0 + 0.3);
        const Rgb shade = mix(rgb255(92, 64, 118), rgb255(176, 92, 112), smoothstep(20.0, 130.0, y));
        const Rgb rim = mix(rgb255(255, 170, 140), rgb255(255, 226, 170), std::exp(-d / 90.0));
        c = mix(c, mix(shade, rim, lit), cloud * 0.92);
    }
    const double sun = smoothstep(12.0, 10.0, std::hypot(x - SunX, y - SunY));
    return mix(c, rgb255(255, 246, 214), sun);
}

// Mountain faces: lit right of each peak and along gullies, with snow high up.
Rgb farMountain(double x, double y, double top)
{
    const double gx = x / 9.0;
    const double gy = y / 34.0;
    const double gully = fbm(gx + 0.5 * fbm(x / 30.0, y / 30.0, 2, 41), gy, 4, 43);
    const double slope = fbm(gx + 0.15, gy, 4, 43) - fbm(gx - 0.15, gy, 4, 43);
    const double light = clamp01(0.5 + 4.0 * slope + 0.6 * (farRidge(x - 3.0) - farRidge(x + 3.0)) / 6.0);
    const Rgb shadow = rgb255(92, 88, 146);
    const Rgb lit = rgb255(224, 150, 150);
    Rgb c = mix(shadow, lit, light);
    const double snowLine = 128.0 + 26.0 * (fbm(x / 30.0, 3.0, 3, 47) - 0.5);
    const double snow = smoothstep(0.0, 0.2, (snowLine - y) / 40.0 + 0.45 * (gully - 0.5)) * smoothstep(0.0, 1.5, y - top);
    c = mix(c, mix(rgb255(150, 150, 206), rgb255(255, 226, 214), light), snow);
    // Haze towards the valley floor.
    return mix(c, rgb255(238, 160, 132), 0.55 * smoothstep(120.0, 200.0, y));
}

Rgb nearHill(double x, double y, double top)
{
    const double forest = fbm(x / 2.5, y / 3.5, 3, 53);
    const double folds = fbm(x / 26.0, y / 14.0, 3, 55);
    const double light = clamp01(0.35 + 0.6 * (folds - 0.5) * 2.0 + 0.25 * (x - 60.0) / Width);
    Rgb c = mix(rgb255(30, 52, 66), rgb255(96, 104, 84), light * (0.4 + 0.9 * forest));
    // The sunset catches the crest.
    c = mix(c, rgb255(196, 120, 86), 0.6 * std::exp(-(y - top) / 5.0) * light);
    return mix(c, rgb255(170, 120, 120), 0.3 * smoothstep(170.0, 214.0, y));
}

struct Pine {
    double x;
    double top;
    double base;
    double spread;
};

// Tiered silhouette; returns coverage and how much the sun lights the needles.
// The outline is softened over one output pixel either side.
double pineCoverage(const Pine &p, double x, double y, double pixel, std::uint32_t seed, double &light)
{
    if (y < p.top || y > p.base)
        return 0.0;
    const double t = y - p.top;
    const double tier = std::fmod(t, 9.0 + 0.04 * t) / (9.0 + 0.04 * t);
    double half = p.spread * t * (0.55 + 0.45 * tier);
    half *= 0.8 + 0.4 * valueNoise(y / 3.0, p.x, seed);
    const double dx = x - p.x;
    if (std::abs(dx) < 0.8 + t * 0.012)
        return 1.0; // trunk
    // Branch tips at the foot of each tier catch the light; the tier above shades the rest.
    light = clamp01(0.5 + dx / (half + 1.0) * 0.6) * (0.6 + 0.4 * valueNoise(x / 2.0, y / 2.0, seed + 3))
        * (0.55 + 0.6 * tier);
    return smoothstep(half + 0.8 * pixel, half - 0.8 * pixel, std::abs(dx));
}

Rgb pineColour(double light) { return mix(rgb255(14, 34, 30), rgb255(104, 100, 56), std::pow(light, 1.6)); }

// A round-ended stroke from (x0, y0) to (x1, y1), in scene units.
void dab(Canvas &c, int scale, double x0, double y0, double x1, double y1, double radius, Rgb colour, double opacity)
{
    const double pixel = 1.0 / scale;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length2 = std::max(dx * dx + dy * dy, 1e-9);
    const int left = std::max(0, static_cast<int>((std::min(x0, x1) - radius - 1.0) * scale));
    const int right = std::min(c.width() - 1, static_cast<int>((std::max(x0, x1) + radius + 1.0) * scale));
    const int top = std::max(0, static_cast<int>((std::min(y0, y1) - radius - 1.0) * scale));
    const int bottom = std::min(c.height() - 1, static_cast<int>((std::max(y0, y1) + radius + 1.0) * scale));
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const double px = centre(x, scale) - x0;
            const double py = centre(y, scale) - y0;
            const double t = std::clamp((px * dx + py * dy) / length2, 0.0, 1.0);
            const double dist = std::hypot(px - t * dx, py - t * dy);
            const double cover = smoothstep(radius + 0.6 * pixel, radius - 0.6 * pixel, dist);
            if (cover > 0.0)
                c.at(x, y) = mix(c.at(x, y), colour, opacity * cover);
        }
    }
}

const std::array<Pine, 3> foregroundPines{{{294, 20, 334, 0.24}, {22, 112, 334, 0.26}, {256, 176, 332, 0.2}}};

void paintBackdrop(Canvas &c, int scale)
{
    const double pixel = 1.0 / scale;
    Rng rng(5);
    std::vector<Pine> shore;
    for (double x = -4.0; x < Width + 4.0; x += rng.range(2.5, 6.0)) {
        const double gap = smoothstep(100.0, 130.0, x) * (1.0 - smoothstep(180.0, 215.0, x));
        const double h = rng.range(8.0, 30.0) * (1.0 - 0.7 * gap);
        shore.push_back({x, WaterLine - h, WaterLine + 1.0, 0.3});
    }
    for (int y = 0; y < static_cast<int>(WaterLine) * scale; ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const double fx = centre(x, scale);
            const double fy = centre(y, scale);
            const double far = farRidge(fx);
            const double near = nearRidge(fx);
            const double edge = 0.7 * pixel;
            Rgb col = sky(fx, fy);
            col = mix(col, farMountain(fx, fy, far), smoothstep(far - edge, far + edge, fy));
            col = mix(col, nearHill(fx, fy, near), smoothstep(near - edge, near + edge, fy));
            // Undergrowth joins the trunks of the shore forest.
            const double scrub = WaterLine - 3.0 - 3.0 * fbm(fx / 5.0, 1.0, 2, 63);
            col = mix(col, pineColour(0.15 * fbm(fx / 2.0, fy / 2.0, 2, 65)), smoothstep(scrub - edge, scrub + edge, fy));
            for (const Pine &p : shore) {
                double light = 0.0;
                const double cover = pineCoverage(p, fx, fy, pixel, 61, light);
                col = mix(col, pineColour(light * 0.7), cover);
            }
            c.at(x, y) = col;
        }
    }
}

double shoreLine(double x) { return 318.0 + 30.0 * (fbm(x / 40.0, 9.0, 4, 71) - 0.5) - 10.0 * std::sin(x / 45.0); }

void paintLake(Canvas &c, int scale)
{
    for (int y = static_cast<int>(WaterLine) * scale; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const double fx = centre(x, scale);
            const double depth = centre(y, scale) - WaterLine;
            // Ripples widen and slow down towards the viewer.
            const double phase = 28.0 * std::log(depth + 3.0);
            const double ripple = valueNoise(fx / (10.0 + 0.7 * depth), phase, 73);
            const double wobble = (ripple - 0.5) * (1.0 + 0.09 * depth);
            const int sx = static_cast<int>(std::lround((fx + 1.5 * wobble) * scale));
            const int sy = static_cast<int>((WaterLine - 1.0 - depth * 0.95 + 0.6 * wobble) * scale);
            Rgb col = c.sample(sx, sy) * rgb255(214, 218, 236);
            col = mix(col, rgb255(26, 44, 74), 0.2 + 0.45 * smoothstep(0.0, 110.0, depth));
            col = col * (0.86 + 0.3 * ripple);
            const double sunPath = std::exp(-std::pow((fx - SunX) / (8.0 + 0.35 * depth), 2.0));
            const double glint = smoothstep(0.62, 0.8, ripple) * sunPath;
            col = col + Rgb{1.0, 0.8, 0.5} * (0.9 * glint + 0.15 * sunPath);
            c.at(x, y) = col;
        }
    }
}

struct Rock {
    double x;
    double y;
    double rx;
    double ry;
};

void paintBank(Canvas &c, int scale)
{
    const double pixel = 1.0 / scale;
    const std::array<Rock, 7> rocks{{{40, 346, 26, 15},
                                     {74, 360, 16, 10},
                                     {150, 352, 11, 7},
                                     {205, 338, 20, 11},
                                     {236, 356, 13, 9},
                                     {300, 348, 22, 14},
                                     {118, 326, 9, 5}}};
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const double fx = centre(x, scale);
            const double fy = centre(y, scale);
            const double edge = shoreLine(fx);
            if (fy < edge - pixel)
                continue;
            const double soil = fbm(fx / 7.0, fy / 5.0, 4, 81);
            Rgb col = mix(rgb255(58, 52, 34), rgb255(118, 116, 54), soil);
            // Grass blades: tall thin noise, warmer where the sun reaches.
            const double blade = valueNoise(fx / 1.3, fy / 9.0, 83);
            col = mix(col, mix(rgb255(74, 110, 46), rgb255(214, 176, 82), fx / Width), smoothstep(0.55, 0.85, blade));
            // Flowers fill squares three scene units wide.
            const int fu = x / (3 * scale);
            const int fv = y / (3 * scale);
            if (hash01(fu, fv, 85) > 0.975)
                col = hash01(fu, fv, 86) > 0.5 ? rgb255(216, 110, 170) : rgb255(250, 222, 90);
            for (const Rock &r : rocks) {
                const double u = (fx - r.x) / r.rx;
                const double v = (fy - r.y) / r.ry;
                const double d = u * u + v * v * (1.0 + 0.3 * (fbm(fx / 6.0, fy / 6.0, 2, 87) - 0.5));
                if (d < 1.05) {
                    const double light = clamp01(0.55 + 0.5 * u - 0.6 * v) * (0.7 + 0.4 * fbm(fx / 3.0, fy / 3.0, 3, 89));
                    col = mix(col, mix(rgb255(52, 50, 60), rgb255(196, 168, 150), light), smoothstep(1.05, 0.9, d));
                }
            }
            col = mix(c.at(x, y) * 0.8, col, smoothstep(edge - pixel, edge + pixel, fy));
            c.at(x, y) = col;
        }
    }
}

void paintReeds(Canvas &c, int scale)
{
    Rng rng(101);
    for (int i = 0; i < 46; ++i) {
        const double x = rng.range(50.0, 250.0);
        const double base = shoreLine(x) + rng.range(2.0, 8.0);
        const double top = base - rng.range(10.0, 26.0);
        const double lean = rng.range(-3.0, 3.0);
        const double midX = x + 0.3 * lean;
        const double midY = 0.5 * (base + top);
        const Rgb stem = mix(rgb255(46, 60, 30), rgb255(150, 140, 70), rng.uniform());
        dab(c, scale, x, base, midX, midY, 0.55, stem, 0.9);
        dab(c, scale, midX, midY, x + lean, top, 0.5, stem, 0.9);
        if (rng.uniform() < 0.4)
            dab(c, scale, x + 0.8 * lean, top + 6.0, x + 0.9 * lean, top + 2.0, 1.2, rgb255(96, 58, 32), 1.0);
    }
}

void paintForegroundPines(Canvas &c, int scale)
{
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            for (const Pine &p : foregroundPines) {
                double light = 0.0;
                const double cover = pineCoverage(p, centre(x, scale), centre(y, scale), 1.0 / scale, 91, light);
                c.at(x, y) = mix(c.at(x, y), pineColour(light), cover);
            }
        }
    }
}

// Short strokes following the contours, as a painter would lay them. The
// strokes are the same at every scale, laid in scene units.
Canvas brushOver(const Canvas &base, int scale)
{
    auto luma = [&](int x, int y) {
        const Rgb p = base.sample(x, y);
        return 0.3 * p.r + 0.59 * p.g + 0.11 * p.b;
    };
    struct Stroke {
        std::uint64_t order;
        double x;
        double y;
    };
    Rng rng(97);
    std::vector<Stroke> strokes;
    for (int gy = 0; gy < Height + 3; gy += 3)
        for (int gx = 0; gx < Width + 3; gx += 3)
            strokes.push_back({rng.next(), gx + rng.range(-1.5, 1.5), gy + rng.range(-1.5, 1.5)});
    std::sort(strokes.begin(), strokes.end(), [](const Stroke &a, const Stroke &b) { return a.order < b.order; });

    Canvas out = base;
    for (const Stroke &s : strokes) {
        const int ix = static_cast<int>(std::floor(s.x * scale));
        const int iy = static_cast<int>(std::floor(s.y * scale));
        const int reach = 2 * scale;
        const double gx = luma(ix + reach, iy) - luma(ix - reach, iy);
        const double gy = luma(ix, iy + reach) - luma(ix, iy - reach);
        const double strength = std::hypot(gx, gy);
        const double angle = strength > 0.03 ? std::atan2(gy, gx) + std::numbers::pi / 2.0
                                             : 0.35 * (valueNoise(s.x / 20.0, s.y / 20.0, 99) - 0.5);
        const double half = (2.0 + 3.5 * (1.0 - smoothstep(0.02, 0.25, strength))) * 0.5;
        const double ux = std::cos(angle) * half;
        const double uy = std::sin(angle) * half;
        const double tint = rng.range(0.94, 1.06);
        const Rgb colour = base.sample(ix, iy) * tint;
        dab(out, scale, s.x - ux, s.y - uy, s.x + ux, s.y + uy, 1.3, colour, 0.7);
    }
    return out;
}

} // namespace

Canvas drawMountainLake(int scale)
{
    Canvas c(Width * scale, Height * scale);
    paintBackdrop(c, scale);
    paintLake(c, scale);
    paintBank(c, scale);
    paintReeds(c, scale);
    paintForegroundPines(c, scale);
    return brushOver(c, scale);
}
