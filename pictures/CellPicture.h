#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

class FinePicture;

// The picture of one cell. Its Handle is what tells cells apart: every cell
// picture gets a handle of its own that no other picture ever shares, and the
// empty picture (no picture at all) has handle 0. One cell picture serves
// every screen: the same cell, drawn finer, comes from the set's finer drawing.
class CellPicture {
public:
    static constexpr int NoCell = -1;

    CellPicture() = default;
    // Cell cellNumber of the picture set called setTitle.
    CellPicture(QImage image, int cellNumber, QString setTitle, std::shared_ptr<const FinePicture> finePicture);

    std::int32_t Handle() const { return handle_; }
    const QImage &image() const { return image_; }
    // The cell from the set's finer drawing, read on the first request; a
    // null image when there is none.
    QImage fineImage() const;
    int cellNumber() const { return cellNumber_; }
    const QString &setTitle() const { return setTitle_; }

private:
    QImage image_;
    std::int32_t handle_ = 0;
    int cellNumber_ = NoCell;
    QString setTitle_;
    std::shared_ptr<const FinePicture> finePicture_;
};
