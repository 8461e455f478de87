#include "BoardReader.h"

#include "ui/Layout.h"

#include <QStringList>

#include <algorithm>

namespace {

// A box shows its cell inside a one-pixel border; the picture's cells lie one
// tile step apart.
constexpr QSize Visible = Twips::toPixels(Layout::tile(0)).size() - QSize(2, 2);
constexpr QPoint CellStep(Twips::toPixels(Layout::TileStepX), Twips::toPixels(Layout::TileStepY));

} // namespace

BoardReader::BoardReader(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int cell = 0; cell < Boxes; ++cell)
        cells_[std::size_t(cell)] = rgb.copy(cellRect(cell));
}

QRect BoardReader::boxRect(int box)
{
    return Twips::toPixels(Layout::tile(box));
}

QRect BoardReader::insideRect(int box)
{
    return {boxRect(box).topLeft() + QPoint(1, 1), Visible};
}

QRect BoardReader::cellRect(int cell)
{
    return {QPoint(CellStep.x() * Grid::column(cell), CellStep.y() * Grid::row(cell)), Visible};
}

QString BoardReader::describe(const Board &board)
{
    QStringList boxes;
    for (int box = 0; box < Boxes; ++box) {
        const int cell = board[std::size_t(box)];
        boxes << QStringLiteral("%1:%2").arg(box).arg(cell == NoCell ? QStringLiteral("?") : QString::number(cell));
    }
    return QStringLiteral("box:cell ") + boxes.join(QLatin1Char(' '));
}

int BoardReader::cellShown(const QImage &screen, QPoint clientOrigin, int box) const
{
    const QImage shown = screen.copy(insideRect(box).translated(clientOrigin));
    const auto found = std::find(cells_.begin(), cells_.end(), shown);
    return found == cells_.end() ? NoCell : int(found - cells_.begin());
}

Board BoardReader::read(const QImage &screen, QPoint clientOrigin) const
{
    Board board{};
    for (int box = 0; box < Boxes; ++box)
        board[std::size_t(box)] = cellShown(screen, clientOrigin, box);
    return board;
}

QString BoardReader::alikeCells() const
{
    for (int first = 0; first < Boxes; ++first) {
        for (int second = first + 1; second < Boxes; ++second) {
            if (cells_[std::size_t(first)] == cells_[std::size_t(second)])
                return QStringLiteral("cells %1 and %2").arg(first).arg(second);
        }
    }
    return {};
}
