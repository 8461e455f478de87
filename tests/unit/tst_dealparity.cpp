#include "game/DealParity.h"

#include <QTest>
#include <algorithm>
#include <random>

namespace {

using Board = DealParity::Arrangement;

Board solved()
{
    Board board;
    for (Integer box = 0; box < Grid::CellCount; ++box)
        board(box) = box;
    return board;
}

Integer holeOf(const Board &board)
{
    Integer hole = 0;
    for (Integer box = 0; box < Grid::CellCount; ++box)
        if (board(box) == Grid::BlankCell)
            hole = box;
    return hole;
}

// Plays random legal moves from the solved board, as a player could.
Board shuffledByMoves(std::mt19937 &engine, int moves)
{
    Board board = solved();
    for (int i = 0; i < moves; ++i) {
        const Integer hole = holeOf(board);
        std::vector<Integer> neighbours;
        constexpr int Last = Grid::Side - 1;
        if (Grid::column(hole) > 0) neighbours.push_back(Integer(hole - 1));
        if (Grid::column(hole) < Last) neighbours.push_back(Integer(hole + 1));
        if (Grid::row(hole) > 0) neighbours.push_back(Integer(hole - Grid::Side));
        if (Grid::row(hole) < Last) neighbours.push_back(Integer(hole + Grid::Side));
        const Integer target = neighbours[std::uniform_int_distribution<std::size_t>(0, neighbours.size() - 1)(engine)];
        std::swap(board(hole), board(target));
    }
    return board;
}

} // namespace

class DealParityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reachableBoardsAreSolvable();
    void exchangingTwoTilesMakesItUnsolvable();
    void firstTwoTileBoxesSkipTheHole();
};

void DealParityTest::reachableBoardsAreSolvable()
{
    std::mt19937 engine(7);
    QVERIFY(DealParity::isSolvable(solved()));
    for (int round = 0; round < 2000; ++round)
        QVERIFY(DealParity::isSolvable(shuffledByMoves(engine, round % 97)));
}

void DealParityTest::exchangingTwoTilesMakesItUnsolvable()
{
    std::mt19937 engine(11);
    for (int round = 0; round < 2000; ++round) {
        Board board = shuffledByMoves(engine, 50 + round % 13);
        const auto [first, second] = DealParity::firstTwoTileBoxes(board);
        std::swap(board(first), board(second));
        QVERIFY(!DealParity::isSolvable(board));
    }
}

void DealParityTest::firstTwoTileBoxesSkipTheHole()
{
    Board board = solved();
    QCOMPARE(DealParity::firstTwoTileBoxes(board), std::make_pair(Integer(0), Integer(1)));
    std::swap(board(0), board(Grid::BlankCell));
    QCOMPARE(DealParity::firstTwoTileBoxes(board), std::make_pair(Integer(1), Integer(2)));
    std::swap(board(0), board(1));
    QCOMPARE(DealParity::firstTwoTileBoxes(board), std::make_pair(Integer(0), Integer(2)));
}

QTEST_GUILESS_MAIN(DealParityTest)
#include "tst_dealparity.moc"
