#include "ImageFile.h"

#include <QImageWriter>

#include <algorithm>
#include <stdexcept>

QImage toImage(const Canvas &canvas)
{
    QImage image(canvas.width(), canvas.height(), QImage::Format_RGB32);
    for (int y = 0; y < canvas.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb &c = canvas.at(x, y);
            line[x] = qRgb(toByte(c.r), toByte(c.g), toByte(c.b));
        }
    }
    return image;
}

QImage toImage(const IndexedImage &image)
{
    QImage out(image.width, image.height, QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (const Rgb8 &c : image.palette)
        colours.push_back(qRgb(c.r, c.g, c.b));
    out.setColorTable(colours);
    for (int y = 0; y < image.height; ++y) {
        const auto row = image.index.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
        std::copy(row, row + image.width, out.scanLine(y));
    }
    return out;
}

void savePng(const std::filesystem::path &path, QImage image)
{
    constexpr int DotsPerMeter = 3780; // 96 dots per inch
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    std::filesystem::create_directories(path.parent_path());
    QImageWriter writer(QString::fromStdU16String(path.u16string()), "png");
    if (!writer.write(image))
        throw std::runtime_error("cannot write " + path.string() + ": " + writer.errorString().toStdString());
}
