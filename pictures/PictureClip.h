#pragma once

#include "pictures/CellPicture.h"
#include "pictures/Grid.h"
#include "runtime/Arithmetic.h"

#include <QString>
#include <array>
#include <memory>

using CellPictureRef = std::shared_ptr<const CellPicture>;

// One picture set: a stored picture cut into the cells of the grid.
// The picture is read and cut on the first request for a cell, and each cell
// picture is made once, so every request for a cell returns the same picture.
// A finer drawing of the set, if kept beside the picture, is read only when a
// cell is first drawn from it.
class PictureClip {
public:
    PictureClip(QString picturePath, QString title);

    const QString &title() const { return title_; }

    // Raises a run-time error for a cell number outside the grid or a picture
    // that cannot be read.
    CellPictureRef cellPicture(Integer cellNumber) const;

private:
    void cut() const;

    QString picturePath_;
    QString title_;
    mutable std::array<CellPictureRef, Grid::CellCount> cells_;
};
