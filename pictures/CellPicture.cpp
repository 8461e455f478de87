#include "pictures/CellPicture.h"

#include "pictures/FinePicture.h"

#include <atomic>

namespace {
std::atomic<std::int32_t> lastHandle{0};
}

CellPicture::CellPicture(QImage image, int cellNumber, QString setTitle,
                         std::shared_ptr<const FinePicture> finePicture)
    : image_(std::move(image)), handle_(++lastHandle), cellNumber_(cellNumber), setTitle_(std::move(setTitle)),
      finePicture_(std::move(finePicture))
{
}

QImage CellPicture::fineImage() const
{
    return finePicture_ ? finePicture_->cell(cellNumber_) : QImage();
}
