#include "Boards.h"
#include "game/DealParity.h"

#include <QTest>
#include <algorithm>
#include <random>

namespace {

DealParity::Arrangement arrangement(const Board &board)
{
    DealParity::Arrangement cells;
    for (Integer box = 0; box < Grid::CellCount; ++box)
        cells(box) = Integer(board[std::size_t(box)]);
    return cells;
}

// Plays random legal moves from the solved board, as a player could.
Board shuffledByMoves(std::mt19937 &engine, int moves)
{
    Board board = Boards::inOrder();
    for (int i = 0; i < moves; ++i) {
        const int hole = Boards::hole(board);
        std::vector<int> neighbours;
        for (int box = 0; box < Grid::CellCount; ++box)
            if (Boards::beside(box, hole))
                neighbours.push_back(box);
        const int target = neighbours[std::uniform_int_distribution<std::size_t>(0, neighbours.size() - 1)(engine)];
        std::swap(board[std::size_t(hole)], board[std::size_t(target)]);
    }
    return board;
}

} // namespace

class DealParityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every board that moves reach is solvable, and exchanging its first two
    // tiles makes it unsolvable.
    void boardsReachedByMoves()
    {
        std::mt19937 engine(7);
        for (int round = 0; round < 2000; ++round) {
            DealParity::Arrangement board = arrangement(shuffledByMoves(engine, round % 97));
            QVERIFY(DealParity::isSolvable(board));
            const auto [first, second] = DealParity::firstTwoTileBoxes(board);
            std::swap(board(first), board(second));
            QVERIFY(!DealParity::isSolvable(board));
        }
    }

    void firstTwoTileBoxesSkipTheHole()
    {
        DealParity::Arrangement board = arrangement(Boards::inOrder());
        QCOMPARE(DealParity::firstTwoTileBoxes(board), std::make_pair(Integer(0), Integer(1)));
        std::swap(board(0), board(Grid::BlankCell));
        QCOMPARE(DealParity::firstTwoTileBoxes(board), std::make_pair(Integer(1), Integer(2)));
        std::swap(board(0), board(1));
        QCOMPARE(DealParity::firstTwoTileBoxes(board), std::make_pair(Integer(0), Integer(2)));
    }
};

QTEST_GUILESS_MAIN(DealParityTest)
#include "tst_dealparity.moc"
