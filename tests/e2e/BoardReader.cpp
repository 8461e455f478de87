#include "BoardReader.h"

#include "ui/Layout.h"

#include <QStringList>

namespace {

// A box shows its cell inside a one-pixel border; the picture's cells lie one
// tile step apart.
constexpr QSize Visible = Twips::toPixels(Layout::tile(0)).size() - QSize(2, 2);
constexpr QPoint CellStep(Twips::toPixels(Layout::TileStepX), Twips::toPixels(Layout::TileStepY));

bool sameBlock(const QImage &first, QPoint firstAt, const QImage &second, QPoint secondAt)
{
    if (!first.rect().contains(QRect(firstAt, Visible)) || !second.rect().contains(QRect(secondAt, Visible)))
        return false;
    for (int y = 0; y < Visible.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(first.constScanLine(firstAt.y() + y)) + firstAt.x();
        const auto *b = reinterpret_cast<const QRgb *>(second.constScanLine(secondAt.y() + y)) + secondAt.x();
        for (int x = 0; x < Visible.width(); ++x) {
            if ((a[x] & RGB_MASK) != (b[x] & RGB_MASK))
                return false;
        }
    }
    return true;
}

} // namespace

BoardReader::BoardReader(const QImage &picture)
    : picture_(picture.convertToFormat(QImage::Format_RGB32))
{
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
    const QPoint inside = clientOrigin + insideRect(box).topLeft();
    for (int cell = 0; cell < Boxes; ++cell) {
        if (sameBlock(screen, inside, picture_, cellRect(cell).topLeft()))
            return cell;
    }
    return NoCell;
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
            if (sameBlock(picture_, cellRect(first).topLeft(), picture_, cellRect(second).topLeft()))
                return QStringLiteral("cells %1 and %2").arg(first).arg(second);
        }
    }
    return {};
}
