#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

// The picture of one cell. Its Handle is what tells cells apart: every cell
// picture gets a handle of its own that no other picture ever shares, and the
// empty picture (no picture at all) has handle 0.
class CellPicture {
public:
    static constexpr int NoCell = -1;

    CellPicture() = default;
    // Cell cellNumber of the picture set called setTitle.
    CellPicture(QImage image, int cellNumber, QString setTitle);

    std::int32_t Handle() const { return handle_; }
    const QImage &image() const { return image_; }
    int cellNumber() const { return cellNumber_; }
    const QString &setTitle() const { return setTitle_; }

private:
    QImage image_;
    std::int32_t handle_ = 0;
    int cellNumber_ = NoCell;
    QString setTitle_;
};
