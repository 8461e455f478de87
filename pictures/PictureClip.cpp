#include "pictures/PictureClip.h"

#include "pictures/FinePicture.h"
#include "runtime/RuntimeError.h"

#include <QImageReader>

PictureClip::PictureClip(QString picturePath, QString title)
    : picturePath_(std::move(picturePath)), title_(std::move(title))
{
}

CellPictureRef PictureClip::cellPicture(Integer cellNumber) const
{
    if (cellNumber < 0 || cellNumber >= Grid::CellCount)
        throw RuntimeError::invalidProcedureCall();
    if (!cells_[0])
        cut();
    return cells_[std::size_t(cellNumber)];
}

void PictureClip::cut() const
{
    QImageReader reader(picturePath_);
    const QImage picture = reader.read().convertToFormat(QImage::Format_RGB32);
    if (picture.isNull())
        throw RuntimeError(QStringLiteral("Invalid picture: %1").arg(reader.errorString()));
    const auto finePicture = std::make_shared<const FinePicture>(FinePicture::pathFor(picturePath_), picture.size());
    for (int cell = 0; cell < Grid::CellCount; ++cell)
        cells_[std::size_t(cell)] = std::make_shared<const CellPicture>(
            picture.copy(Grid::cellRectangle(picture.size(), cell)), cell, title_, finePicture);
}
