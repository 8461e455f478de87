#pragma once

#include "pictures/Grid.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

// The finer drawing of a picture set: the same scene at Scale times the size
// each way, for screens with more than one device pixel to a pixel. Nothing
// is read until the first request for a cell, so at scale 1 it never is.
class FinePicture {
public:
    static constexpr int Scale = 2;

    // pictureSize is the size of the set's own picture; its cells, Scale
    // times larger, are what this one is cut into.
    FinePicture(QString path, QSize pictureSize);

    // The finer drawing of a cell, or a null image when the drawing cannot be
    // read at Scale times the picture's size (reported once as a warning).
    QImage cell(int cellNumber) const;

    // Where the finer drawing of the picture at picturePath is kept.
    static QString pathFor(const QString &picturePath);

private:
    void cut() const;

    QString path_;
    QSize pictureSize_;
    mutable bool read_ = false;
    mutable std::array<QImage, Grid::CellCount> cells_;
};
