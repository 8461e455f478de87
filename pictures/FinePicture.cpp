#include "pictures/FinePicture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QtDebug>

FinePicture::FinePicture(QString path, QSize pictureSize) : path_(std::move(path)), pictureSize_(pictureSize) {}

QImage FinePicture::cell(int cellNumber) const
{
    if (!read_)
        cut();
    return cells_[std::size_t(cellNumber)];
}

QString FinePicture::pathFor(const QString &picturePath)
{
    // Named the way Qt names high-resolution images: picture0.bmp, picture0@2x.png.
    const QFileInfo picture(picturePath);
    return QStringLiteral("%1/%2@%3x.png").arg(picture.path(), picture.completeBaseName()).arg(Scale);
}

// Painting cannot report a run-time error, so a drawing that cannot be read
// leaves the cells null and the tile boxes draw the set's own picture scaled.
void FinePicture::cut() const
{
    read_ = true;
    QImageReader reader(path_);
    const QImage picture = reader.read().convertToFormat(QImage::Format_RGB32);
    const QSize size = pictureSize_ * Scale;
    if (picture.isNull()) {
        qWarning("vennaro: cannot read %s: %s", qPrintable(path_), qPrintable(reader.errorString()));
        return;
    }
    if (picture.size() != size) {
        qWarning("vennaro: %s is %dx%d, not %dx%d", qPrintable(path_), picture.width(), picture.height(),
                 size.width(), size.height());
        return;
    }
    for (int cell = 0; cell < Grid::CellCount; ++cell) {
        const QRect coarse = Grid::cellRectangle(pictureSize_, cell);
        cells_[std::size_t(cell)] = picture.copy(QRect(coarse.topLeft() * Scale, coarse.size() * Scale));
    }
}
