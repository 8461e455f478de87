#include "pictures/CellPicture.h"

#include <atomic>

namespace {
std::atomic<std::int32_t> lastHandle{0};
}

CellPicture::CellPicture(QImage image)
    : image_(std::move(image)), handle_(++lastHandle)
{
}
