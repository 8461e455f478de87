#include "XwdReader.h"

#include <QtEndian>

#include <array>
#include <bit>

namespace {

enum Field {
    HeaderSize,
    FileVersion,
    PixmapFormat,
    PixmapDepth,
    PixmapWidth,
    PixmapHeight,
    XOffset,
    ByteOrder,
    BitmapUnit,
    BitmapBitOrder,
    BitmapPad,
    BitsPerPixel,
    BytesPerLine,
    VisualClass,
    RedMask,
    GreenMask,
    BlueMask,
    BitsPerRgb,
    ColormapEntries,
    ColorCount,
    FieldCount = 25
};

constexpr quint32 Version = 7;
constexpr quint32 ZPixmap = 2;
constexpr quint32 MsbFirst = 1;
constexpr quint32 TrueColor = 4;
constexpr quint32 DirectColor = 5;
constexpr qsizetype ColorEntrySize = 12;

using Header = std::array<quint32, FieldCount>;

// xwd writes its header big-endian; a dump from elsewhere may have it the
// other way round, which the version field gives away.
bool readHeader(const QByteArray &dump, Header &header)
{
    if (dump.size() < qsizetype(sizeof(quint32) * FieldCount))
        return false;
    for (const bool bigEndian : {true, false}) {
        for (int field = 0; field < FieldCount; ++field) {
            const char *at = dump.constData() + field * sizeof(quint32);
            header[std::size_t(field)] = bigEndian ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
        }
        if (header[FileVersion] == Version)
            return true;
    }
    return false;
}

int channel(quint32 pixel, quint32 mask)
{
    const quint32 value = (pixel & mask) >> std::countr_zero(mask);
    const quint32 maximum = mask >> std::countr_zero(mask);
    return int(value * 255 / maximum);
}

} // namespace

QImage XwdReader::read(const QByteArray &dump, QString *error)
{
    Header header{};
    if (!readHeader(dump, header)) {
        *error = QStringLiteral("not an X window dump of version 7");
        return {};
    }
    const quint32 bitsPerPixel = header[BitsPerPixel];
    // With windows of several visuals on screen xwd writes DirectColor with a
    // straight ramp as colour map, so the masks alone give the colour there too.
    if (header[PixmapFormat] != ZPixmap || (bitsPerPixel != 24 && bitsPerPixel != 32) ||
        (header[VisualClass] != TrueColor && header[VisualClass] != DirectColor) || header[RedMask] == 0 ||
        header[GreenMask] == 0 || header[BlueMask] == 0) {
        *error = QStringLiteral("unsupported dump: format %1, %2 bits per pixel, visual class %3")
                     .arg(header[PixmapFormat])
                     .arg(bitsPerPixel)
                     .arg(header[VisualClass]);
        return {};
    }
    const int width = int(header[PixmapWidth]);
    const int height = int(header[PixmapHeight]);
    const qsizetype bytesPerPixel = bitsPerPixel / 8;
    const qsizetype bytesPerLine = header[BytesPerLine];
    const qsizetype pixelsAt = qsizetype(header[HeaderSize]) + qsizetype(header[ColorCount]) * ColorEntrySize;
    if (bytesPerLine < width * bytesPerPixel || dump.size() < pixelsAt + bytesPerLine * height) {
        *error =
            QStringLiteral("dump of %1 bytes is too short for %2 x %3 pixels").arg(dump.size()).arg(width).arg(height);
        return {};
    }

    QImage image(width, height, QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const uchar *>(dump.constData() + pixelsAt);
    for (int y = 0; y < height; ++y) {
        const uchar *source = pixels + y * bytesPerLine;
        auto *target = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x, source += bytesPerPixel) {
            quint32 pixel = 0;
            for (qsizetype byte = 0; byte < bytesPerPixel; ++byte) {
                const qsizetype index = header[ByteOrder] == MsbFirst ? byte : bytesPerPixel - 1 - byte;
                pixel = (pixel << 8) | source[index];
            }
            target[x] = qRgb(channel(pixel, header[RedMask]), channel(pixel, header[GreenMask]),
                             channel(pixel, header[BlueMask]));
        }
    }
    return image;
}
