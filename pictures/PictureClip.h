#pragma once

#include "pictures/CellPicture.h"
#include "runtime/Arithmetic.h"

#include <QString>
#include <array>
#include <memory>

using CellPictureRef = std::shared_ptr<const CellPicture>;

// One picture set: a stored picture cut into a grid of 4 rows by 4 columns.
// The picture is read and cut on the first request for a cell, and each cell
// picture is made once, so every request for a cell returns the same picture.
class PictureClip {
public:
    static constexpr int Rows = 4;
    static constexpr int Columns = 4;
    static constexpr int CellCount = Rows * Columns;

    explicit PictureClip(QString picturePath);

    // Raises a run-time error for a cell number outside 0..15 or a picture
    // that cannot be read.
    CellPictureRef cellPicture(Integer cellNumber) const;

    static QRect cellRectangle(QSize pictureSize, int cellNumber);

private:
    void cut() const;

    QString picturePath_;
    mutable std::array<CellPictureRef, CellCount> cells_;
};
