#pragma once

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

struct Rgb8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> index; // row-major, y growing downwards
    std::vector<Rgb8> palette;
};

using Bytes = std::vector<std::uint8_t>;

// Little-endian fields, as BMP and ICO store them.
class ByteWriter {
public:
    void u8(std::uint32_t v);
    void u16(std::uint32_t v);
    void u32(std::uint32_t v);
    void append(const Bytes &bytes);
    const Bytes &bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

// Rows bottom-up, each padded to four bytes. value() yields a palette index,
// or 0xRRGGBB at 24 bits per pixel.
Bytes packRows(int width, int height, int bitsPerPixel, const std::function<std::uint32_t(int x, int y)> &value);
void writeInfoHeader(ByteWriter &out, int width, int storedHeight, int bitsPerPixel, std::size_t imageSize);
void writePalette(ByteWriter &out, const std::vector<Rgb8> &palette);

// Uncompressed: 24 bits per pixel, or 8 and the palette for an indexed image.
// Qt's own writer fills in the resolution and colour counts, which the
// pictures have always left zero.
Bytes bmpFile(const QImage &image);

void saveFile(const std::filesystem::path &path, const Bytes &bytes);
