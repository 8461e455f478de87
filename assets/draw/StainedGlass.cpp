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
constexpr int Sub = 3; // subsamples per pixel along each axis
constexpr double CentreX = 156.5;
constexpr double CentreY = 176.0;
constexpr double Tau = 2.0 * std::numbers::pi;
constexpr double LeadHalfWidth = 1.7;

const Rgb Ruby = rgb255(178, 22, 44);
const Rgb Cobalt = rgb255(26, 58, 176);
const Rgb Emerald = rgb255(22, 132, 70);
const Rgb Amber = rgb255(236, 150, 26);
const Rgb Violet = rgb255(112, 44, 150);
const Rgb Gold = rgb255(246, 208, 70);
const Rgb Teal = rgb255(28, 146, 156);
const Rgb Straw = rgb255(232, 222, 170);

struct Piece {
    int id;
    Rgb colour;
};

// Colours shift slowly around the window so that no two sectors match.
Rgb turn(Rgb a, Rgb b, double angle, double phase) { return mix(a, b, 0.5 + 0.5 * std::sin(angle + phase)); }

Piece rosePiece(double r, double a)
{
    auto sector = [&](int count, double &u) {
        const double s = a / Tau * count;
        const int k = static_cast<int>(s) % count;
        u = s - std::floor(s) - 0.5;
        return k;
    };
    double u = 0.0;
    if (r < 9.0)
        return {1, Straw};
    if (r < 20.0) {
        const int k = sector(8, u);
        return {10 + k, k % 2 ? Ruby : Amber};
    }
    if (r < 52.0) {
        const int k = sector(8, u);
        const double petal = 20.0 + 32.0 * std::sqrt(std::max(0.0, 1.0 - 4.0 * u * u));
        if (r < petal - 2.0)
            return {100 + k, turn(Ruby, Violet, a, 0.0)};
        return {120 + k, turn(Cobalt, Teal, a, 1.0)};
    }
    if (r < 98.0) {
        const int k = sector(16, u);
        const double t = (r - 52.0) / 46.0;
        const double halfWidth = 0.36 * std::sqrt(std::max(0.0, 1.0 - std::pow(t, 1.6)));
        if (std::abs(u) < halfWidth && t > 0.06)
            return {200 + k, turn(k % 2 ? Emerald : Amber, Gold, a, 2.0)};
        return {230 + k, turn(Cobalt, Violet, a, 3.0)};
    }
    if (r < 106.0) {
        const int k = sector(32, u);
        return {300 + k, k % 2 ? turn(Gold, Straw, a, 0.5) : turn(Ruby, Amber, a, 4.0)};
    }
    if (r < 142.0) {
        const int k = sector(24, u);
        const double along = u * Tau / 24.0 * 124.0;
        const double d = std::hypot(along, r - 124.0);
        if (d < 6.0)
            return {400 + k, turn(Gold, Straw, a, 1.5)};
        if (d < 15.0)
            return {430 + k, turn(Ruby, Emerald, a * 2.0, 0.0) * 0.8 + turn(Amber, Teal, a, 5.0) * 0.2};
        return {460 + k, turn(Cobalt, Violet, a, 2.5)};
    }
    const int k = sector(48, u);
    return {500 + k, mix(Straw, Teal, 0.25 * (k % 3))};
}

struct Quatrefoil {
    double x;
    double y;
    Rgb outer;
    Rgb inner;
};

const std::array<Quatrefoil, 4> corners{{
    {34.0, 38.0, Cobalt, Gold},
    {279.0, 38.0, Violet, Amber},
    {34.0, 331.0, Emerald, Ruby},
    {279.0, 331.0, Ruby, Teal},
}};

Piece backgroundPiece(double x, double y)
{
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Quatrefoil &q = corners[i];
        const double r = std::hypot(x - q.x, y - q.y);
        const double theta = std::atan2(y - q.y, x - q.x);
        if (r < 8.0)
            return {600 + static_cast<int>(i) * 10, q.inner};
        if (r < 18.0 + 9.0 * std::abs(std::cos(2.0 * theta)))
            return {601 + static_cast<int>(i) * 10, q.outer};
    }
    // Voronoi shards: cool colours above, warm below, each shard its own shade.
    constexpr double Spacing = 23.0;
    const int ci = static_cast<int>(std::floor(x / Spacing));
    const int cj = static_cast<int>(std::floor(y / Spacing));
    double best = 1e9;
    int bi = 0;
    int bj = 0;
    for (int j = cj - 2; j <= cj + 2; ++j) {
        for (int i = ci - 2; i <= ci + 2; ++i) {
            const double sx = (i + 0.15 + 0.7 * hash01(i, j, 7)) * Spacing;
            const double sy = (j + 0.15 + 0.7 * hash01(i, j, 8)) * Spacing;
            const double d = (x - sx) * (x - sx) + (y - sy) * (y - sy);
            if (d < best) {
                best = d;
                bi = i;
                bj = j;
            }
        }
    }
    static const std::array<Rgb, 4> cool{Cobalt, Violet, Teal, rgb255(60, 96, 200)};
    static const std::array<Rgb, 4> warm{Amber, Ruby, Emerald, Gold};
    const double warmth = clamp01((bj * Spacing - 40.0) / (Height - 80.0));
    const bool isWarm = hash01(bi, bj, 9) < warmth;
    const auto pick = static_cast<std::size_t>(hash01(bi, bj, 10) * 4.0);
    const Rgb c = (isWarm ? warm : cool)[pick] * (0.75 + 0.4 * hash01(bi, bj, 11));
    return {1000 + (bj + 4) * 64 + (bi + 4), c};
}

Piece pieceAt(double x, double y)
{
    const double r = std::hypot(x - CentreX, y - CentreY);
    if (r < 148.0) {
        double a = std::atan2(x - CentreX, CentreY - y);
        if (a < 0.0)
            a += Tau;
        return rosePiece(r, a);
    }
    return backgroundPiece(x, y);
}

// Distance, in subsamples, from each subsample to the nearest border between pieces.
std::vector<double> leadDistance(const std::vector<int> &ids, int w, int h, int reach)
{
    // The border lies half a step past the subsample it was found at.
    const int span = 2 * reach + 1;
    std::vector<double> offset(static_cast<std::size_t>(span) * span);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            offset[static_cast<std::size_t>(dy + reach) * span + (dx + reach)]
                = std::hypot(dx + 0.5 * (dx <= 0 ? 1 : -1), dy + 0.5 * (dy <= 0 ? 1 : -1));

    std::vector<double> dist(ids.size(), reach + 1.0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int id = ids[static_cast<std::size_t>(y) * w + x];
            const bool border = (x + 1 < w && ids[static_cast<std::size_t>(y) * w + x + 1] != id)
                || (y + 1 < h && ids[static_cast<std::size_t>(y + 1) * w + x] != id);
            if (!border)
                continue;
            const int left = std::max(x - reach, 0);
            const int right = std::min(x + reach, w - 1);
            for (int ny = std::max(y - reach, 0); ny <= std::min(y + reach, h - 1); ++ny) {
                const double *d = &offset[static_cast<std::size_t>(ny - y + reach) * span + (left - x + reach)];
                double *slot = &dist[static_cast<std::size_t>(ny) * w + left];
                for (int nx = left; nx <= right; ++nx, ++d, ++slot)
                    *slot = std::min(*slot, *d);
            }
        }
    }
    return dist;
}

Rgb glass(const Piece &p, double x, double y, double leadGap)
{
    const auto seed = static_cast<std::uint32_t>(p.id);
    const double mottle = 0.74 + 0.5 * fbm(x / 13.0, y / 13.0, 3, seed);
    const double streak = 0.08 * (valueNoise(x / 1.4, y / 9.0, seed + 5) - 0.5);
    // Daylight falls from the upper right and gathers in the centre of the rose.
    const double glow = 0.85 + 0.25 * clamp01((x - y) / 300.0 + 0.5)
        + 0.3 * std::exp(-std::hypot(x - CentreX, y - CentreY) / 60.0);
    const double rim = 0.62 + 0.38 * smoothstep(0.0, 4.0, leadGap);
    Rgb c = p.colour * (mottle * glow * rim);
    c = c + Rgb{streak, streak, streak};
    // A few seeds (bubbles) catch the light.
    if (hash01(static_cast<int>(x * 1.5), static_cast<int>(y * 1.5), seed + 9) > 0.9985)
        c = mix(c, Rgb{1.0, 1.0, 0.95}, 0.6);
    return c;
}

} // namespace

Canvas drawStainedGlass(int scale)
{
    const int perUnit = Sub * scale;
    const int sw = Width * perUnit;
    const int sh = Height * perUnit;
    std::vector<Piece> pieces;
    pieces.reserve(static_cast<std::size_t>(sw) * sh);
    std::vector<int> ids;
    ids.reserve(pieces.capacity());
    for (int y = 0; y < sh; ++y) {
        for (int x = 0; x < sw; ++x) {
            pieces.push_back(pieceAt(centre(x, perUnit), centre(y, perUnit)));
            ids.push_back(pieces.back().id);
        }
    }
    const int reach = static_cast<int>(std::ceil((LeadHalfWidth + 4.0) * perUnit));
    const std::vector<double> dist = leadDistance(ids, sw, sh, reach);

    Canvas c(Width * scale, Height * scale);
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            Rgb sum;
            for (int sy = 0; sy < Sub; ++sy) {
                for (int sx = 0; sx < Sub; ++sx) {
                    const std::size_t i = static_cast<std::size_t>(y * Sub + sy) * sw + (x * Sub + sx);
                    const double d = dist[i] / perUnit;
                    const double fx = (x + (sx + 0.5) / Sub) / scale;
                    const double fy = (y + (sy + 0.5) / Sub) / scale;
                    if (d < LeadHalfWidth) {
                        const double bead = 1.0 - d / LeadHalfWidth;
                        sum = sum + mix(rgb255(20, 19, 24), rgb255(88, 84, 94), 0.8 * bead * bead);
                    } else {
                        sum = sum + glass(pieces[i], fx, fy, d - LeadHalfWidth);
                    }
                }
            }
            c.at(x, y) = sum * (1.0 / (Sub * Sub));
        }
    }
    return c;
}
