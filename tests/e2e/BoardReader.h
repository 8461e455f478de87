#pragma once

#include "Boards.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

// Tells which cell of a picture each tile box shows on a screenshot, by
// comparing the visible part of the box with every cell of the picture.
class BoardReader
{
public:
    static constexpr int Side = Grid::Side;
    static constexpr int Boxes = Grid::CellCount;
    // Read where a box shows no cell of the picture.
    static constexpr int NoCell = -1;

    explicit BoardReader(const QImage &picture);

    // Box rectangles in the client area, border included.
    static QRect boxRect(int box);
    static QRect insideRect(int box);
    static QString describe(const Board &board);

    int cellShown(const QImage &screen, QPoint clientOrigin, int box) const;
    Board read(const QImage &screen, QPoint clientOrigin) const;
    // Two cells that look the same in a box, which leaves a board unreadable;
    // empty when every cell can be told apart.
    QString alikeCells() const;

private:
    static QRect cellRect(int cell);

    std::array<QImage, Boxes> cells_;
};
