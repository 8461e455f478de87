#include "BitmapFormat.h"

#include <fstream>
#include <stdexcept>

void ByteWriter::u8(std::uint32_t v) { bytes_.push_back(static_cast<std::uint8_t>(v & 0xFFU)); }

void ByteWriter::u16(std::uint32_t v)
{
    u8(v);
    u8(v >> 8);
}

void ByteWriter::u32(std::uint32_t v)
{
    u16(v);
    u16(v >> 16);
}

void ByteWriter::append(const Bytes &bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

Bytes packRows(int width, int height, int bitsPerPixel, const std::function<std::uint32_t(int x, int y)> &value)
{
    const std::size_t rowBytes = ((static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32) * 4;
    Bytes out(rowBytes * height, 0);
    for (int stored = 0; stored < height; ++stored) {
        const int y = height - 1 - stored;
        std::uint8_t *row = out.data() + rowBytes * stored;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bitsPerPixel == 24) {
                row[3 * x] = static_cast<std::uint8_t>(v);
                row[3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                row[3 * x + 2] = static_cast<std::uint8_t>(v >> 16);
            } else {
                const int bit = x * bitsPerPixel;
                const int shift = 8 - bitsPerPixel - bit % 8;
                row[bit / 8] |= static_cast<std::uint8_t>(v << shift);
            }
        }
    }
    return out;
}

void writeInfoHeader(ByteWriter &out, int width, int storedHeight, int bitsPerPixel, std::size_t imageSize)
{
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(storedHeight));
    out.u16(1);
    out.u16(static_cast<std::uint32_t>(bitsPerPixel));
    out.u32(0); // uncompressed
    out.u32(static_cast<std::uint32_t>(imageSize));
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
}

void writePalette(ByteWriter &out, const std::vector<Rgb8> &palette)
{
    for (const Rgb8 &c : palette) {
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }
}

Bytes bmpFile(const QImage &image)
{
    const bool indexed = image.format() == QImage::Format_Indexed8;
    const int bitsPerPixel = indexed ? 8 : 24;
    std::vector<Rgb8> palette;
    for (QRgb c : image.colorTable())
        palette.push_back({static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
                           static_cast<std::uint8_t>(qBlue(c))});
    const Bytes rows = packRows(image.width(), image.height(), bitsPerPixel, [&](int x, int y) -> std::uint32_t {
        return indexed ? image.pixelIndex(x, y) : image.pixel(x, y) & 0xFFFFFFU;
    });
    const std::size_t offset = 14 + 40 + 4 * palette.size();
    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(static_cast<std::uint32_t>(offset + rows.size()));
    out.u16(0);
    out.u16(0);
    out.u32(static_cast<std::uint32_t>(offset));
    writeInfoHeader(out, image.width(), image.height(), bitsPerPixel, rows.size());
    writePalette(out, palette);
    out.append(rows);
    return out.bytes();
}

void saveFile(const std::filesystem::path &path, const Bytes &bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}
