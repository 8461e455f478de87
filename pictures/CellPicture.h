#pragma once

#include <QImage>
#include <cstdint>

// The picture of one cell. Its Handle is what tells cells apart: every cell
// picture gets a handle of its own that no other picture ever shares, and the
// empty picture (no picture at all) has handle 0.
class CellPicture {
public:
    CellPicture() = default;
    explicit CellPicture(QImage image);

    std::int32_t Handle() const { return handle_; }
    const QImage &image() const { return image_; }

private:
    QImage image_;
    std::int32_t handle_ = 0;
};
