#pragma once

#include <QRect>
#include <QSize>

// The board: Side x Side cells, numbered row by row from the top left. The
// last cell is the blank one; the box that shows it is the hole.
class Grid {
public:
    static constexpr int Side = 4;
    static constexpr int CellCount = Side * Side;
    static constexpr int LastCell = CellCount - 1;
    static constexpr int BlankCell = LastCell;

    static constexpr int row(int cell) { return cell / Side; }
    static constexpr int column(int cell) { return cell % Side; }

    // Where a cell lies in a picture of pictureSize, cut into equal cells.
    static QRect cellRectangle(QSize pictureSize, int cell)
    {
        const int width = pictureSize.width() / Side;
        const int height = pictureSize.height() / Side;
        return {width * column(cell), height * row(cell), width, height};
    }
};
