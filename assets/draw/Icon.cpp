#include "Icon.h"

#include "BitmapFormat.h"
#include "Canvas.h"
#include "ImageFile.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

namespace {

struct Point {
    double x;
    double y;
};

using Quad = std::array<Point, 4>; // clockwise on screen, starting top left

Point lerp(Point a, Point b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

double cross(Point o, Point a, Point b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool contains(const Quad &q, Point p)
{
    for (std::size_t i = 0; i < 4; ++i)
        if (cross(q[i], q[(i + 1) % 4], p) < 0.0)
            return false;
    return true;
}

// Moves each edge inwards by its own margin; edges are top, right, bottom, left.
Quad inset(const Quad &q, const std::array<double, 4> &margin)
{
    struct Line {
        Point p;
        Point d;
    };
    std::array<Line, 4> lines;
    for (std::size_t i = 0; i < 4; ++i) {
        const Point a = q[i];
        const Point b = q[(i + 1) % 4];
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        const Point normal{-(b.y - a.y) / len, (b.x - a.x) / len};
        lines[i] = {{a.x + normal.x * margin[i], a.y + normal.y * margin[i]}, {b.x - a.x, b.y - a.y}};
    }
    Quad out;
    for (std::size_t i = 0; i < 4; ++i) {
        const Line &l1 = lines[(i + 3) % 4];
        const Line &l2 = lines[i];
        const double det = l1.d.x * l2.d.y - l1.d.y * l2.d.x;
        const double t = ((l2.p.x - l1.p.x) * l2.d.y - (l2.p.y - l1.p.y) * l2.d.x) / det;
        out[i] = {l1.p.x + l1.d.x * t, l1.p.y + l1.d.y * t};
    }
    return out;
}

enum class Layer { None, Shadow, Frame, Title, Body };

// A window seen at a slant, in a unit square; the frame line is at least a pixel wide.
struct Design {
    Quad shadow;
    Quad frame;
    Quad title;
    Quad body;

    explicit Design(int pixels)
    {
        frame = {{{0.12, 0.17}, {0.80, 0.09}, {0.86, 0.68}, {0.15, 0.87}}};
        for (std::size_t i = 0; i < 4; ++i)
            shadow[i] = {frame[i].x + 0.08, frame[i].y + 0.07};
        const double w = std::max(1.0 / pixels, 0.035);
        // Small icons need a taller title bar to show any cyan at all.
        const double split = std::max(0.24, 5.0 / pixels);
        const Point left = lerp(frame[0], frame[3], split);
        const Point right = lerp(frame[1], frame[2], split);
        title = inset({frame[0], frame[1], right, left}, {w, w, w / 2.0, w});
        body = inset({left, right, frame[2], frame[3]}, {w / 2.0, w, w, w});
    }

    Layer at(Point p) const
    {
        if (contains(body, p))
            return Layer::Body;
        if (contains(title, p))
            return Layer::Title;
        if (contains(frame, p))
            return Layer::Frame;
        return contains(shadow, p) ? Layer::Shadow : Layer::None;
    }
};

const std::vector<Rgb8> vgaPalette{
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

struct IcoImage {
    int size;
    int bitsPerPixel;
    Bytes bytes;
};

// One icon image: header, palette, colour rows, then the transparency mask.
IcoImage icoImage(int size, int bitsPerPixel)
{
    const Design design(size);
    auto layer = [&](int x, int y) { return design.at({(x + 0.5) / size, (y + 0.5) / size}); };
    auto opaque = [&](int x, int y) {
        const Layer l = layer(x, y);
        // Two colours have no grey: the shadow becomes a checkerboard of black.
        return l != Layer::None && (bitsPerPixel > 1 || l != Layer::Shadow || (x + y) % 2 == 0);
    };
    const Bytes colours = packRows(size, size, bitsPerPixel, [&](int x, int y) -> std::uint32_t {
        switch (layer(x, y)) {
        case Layer::Shadow:
            return bitsPerPixel > 1 ? 8 : 0;
        case Layer::Title:
            return bitsPerPixel > 1 ? 14 : 0;
        case Layer::Body:
            return bitsPerPixel > 1 ? 15 : 1;
        default:
            return 0;
        }
    });
    const Bytes mask = packRows(size, size, 1, [&](int x, int y) { return opaque(x, y) ? 0U : 1U; });
    ByteWriter out;
    writeInfoHeader(out, size, 2 * size, bitsPerPixel, colours.size() + mask.size());
    writePalette(out, bitsPerPixel > 1 ? vgaPalette : std::vector<Rgb8>{{0, 0, 0}, {255, 255, 255}});
    out.append(colours);
    out.append(mask);
    return {size, bitsPerPixel, out.bytes()};
}

Bytes icoFile()
{
    const std::array<IcoImage, 3> images{icoImage(32, 1), icoImage(32, 4), icoImage(16, 4)};
    ByteWriter out;
    out.u16(0);
    out.u16(1); // icon
    out.u16(images.size());
    std::size_t offset = 6 + 16 * images.size();
    for (const IcoImage &image : images) {
        out.u8(image.size);
        out.u8(image.size);
        out.u8(1U << image.bitsPerPixel);
        out.u8(0);
        out.u16(1);
        out.u16(image.bitsPerPixel);
        out.u32(image.bytes.size());
        out.u32(offset);
        offset += image.bytes.size();
    }
    for (const IcoImage &image : images)
        out.append(image.bytes);
    return out.bytes();
}

// Colours with alpha, lit from the left; shared by the PNGs and the SVG.
const Rgb8 frameColour{22, 26, 34};
const Rgb8 titleLeft{0, 178, 214};
const Rgb8 titleRight{110, 236, 252};
const Rgb8 bodyTop{255, 255, 255};
const Rgb8 bodyBottom{222, 228, 236};
const Rgb8 shadowColour{72, 72, 80};
constexpr double ShadowOpacity = 0.55;

Rgb toRgb(Rgb8 c) { return rgb255(c.r, c.g, c.b); }

QImage themeImage(int size)
{
    const Design design(size);
    constexpr int Sub = 8;
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgb premultiplied;
            double alpha = 0.0;
            for (int sy = 0; sy < Sub; ++sy) {
                for (int sx = 0; sx < Sub; ++sx) {
                    const Point p{(x + (sx + 0.5) / Sub) / size, (y + (sy + 0.5) / Sub) / size};
                    double a = 1.0;
                    Rgb c;
                    switch (design.at(p)) {
                    case Layer::None:
                        a = 0.0;
                        break;
                    case Layer::Shadow:
                        a = ShadowOpacity;
                        c = toRgb(shadowColour);
                        break;
                    case Layer::Frame:
                        c = toRgb(frameColour);
                        break;
                    case Layer::Title:
                        c = mix(toRgb(titleLeft), toRgb(titleRight), clamp01((p.x - 0.14) / 0.64));
                        break;
                    case Layer::Body:
                        c = mix(toRgb(bodyTop), toRgb(bodyBottom), clamp01((p.y - 0.3) / 0.55));
                        break;
                    }
                    premultiplied = premultiplied + c * a;
                    alpha += a;
                }
            }
            const Rgb c = alpha > 0.0 ? premultiplied * (1.0 / alpha) : Rgb{};
            image.setPixel(x, y, qRgba(toByte(c.r), toByte(c.g), toByte(c.b), toByte(alpha / (Sub * Sub))));
        }
    }
    return image;
}

std::string hex(Rgb8 c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

std::string polygon(const Quad &q, const std::string &paint, double scale)
{
    std::ostringstream out;
    out << "  <polygon points=\"";
    for (std::size_t i = 0; i < 4; ++i)
        out << (i ? " " : "") << std::lround(q[i].x * scale * 100) / 100.0 << ',' << std::lround(q[i].y * scale * 100) / 100.0;
    out << "\" " << paint << "/>\n";
    return out.str();
}

std::string fill(const std::string &colour) { return "fill=\"" + colour + "\""; }

Bytes svgFile()
{
    constexpr double Scale = 256.0;
    const Design design(256);
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
        << "  <defs>\n"
        << "    <linearGradient id=\"title\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"0\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << hex(titleLeft) << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << hex(titleRight) << "\"/>\n"
        << "    </linearGradient>\n"
        << "    <linearGradient id=\"body\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">\n"
        << "      <stop offset=\"0\" stop-color=\"" << hex(bodyTop) << "\"/>\n"
        << "      <stop offset=\"1\" stop-color=\"" << hex(bodyBottom) << "\"/>\n"
        << "    </linearGradient>\n"
        << "  </defs>\n"
        << polygon(design.shadow, fill(hex(shadowColour)) + " fill-opacity=\"" + std::to_string(ShadowOpacity) + "\"", Scale)
        << polygon(design.frame, fill(hex(frameColour)), Scale) << polygon(design.title, fill("url(#title)"), Scale)
        << polygon(design.body, fill("url(#body)"), Scale) << "</svg>\n";
    const std::string text = out.str();
    return Bytes(text.begin(), text.end());
}

} // namespace

void writeIcons(const std::filesystem::path &dir)
{
    saveFile(dir / "vennaro.ico", icoFile());
    saveFile(dir / "vennaro.svg", svgFile());
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        savePng(dir / "hicolor" / name / "apps" / "vennaro.png", themeImage(size));
    }
}
