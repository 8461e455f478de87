#include "pictures/CellPicture.h"

#include <atomic>

namespace {
std::atomic<std::int32_t> lastHandle{0};
}

CellPicture::CellPicture(QImage image, int cellNumber, QString setTitle)
    : image_(std::move(image)), handle_(++lastHandle), cellNumber_(cellNumber), setTitle_(std::move(setTitle))
{
}
