#include "FormFixture.h"
#include "game/DealParity.h"
#include "ui/ColorValue.h"
#include "ui/CommandButton.h"
#include "ui/TileBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

// The generator values that draw the given cells.
QList<float> drawings(std::initializer_list<int> cells)
{
    QList<float> values;
    for (int cell : cells)
        values << (float(cell) + 0.5f) / float(Grid::CellCount);
    return values;
}

} // namespace

Q_DECLARE_METATYPE(Board)

class ProceduresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWaitingForAPicture();
    void gameEnds_data();
    void gameEnds();
    void deals_data();
    void deals();
    void everyDealIsSolvableAndComplete();
    void moves_data();
    void moves();
    void neighboursOfTheHole_data();
    void neighboursOfTheHole();
    void counterOfNoNumberIsAnError();
};

void ProceduresTest::startsWaitingForAPicture()
{
    FormFixture fixture;
    QVERIFY(!fixture.form.cmdStart().isEnabled());
    QVERIFY(!fixture.form.cmdSolve().isEnabled());
    QVERIFY(fixture.form.cmdExit().isEnabled());
    QCOMPARE(fixture.counter(), QStringLiteral("0"));
    QCOMPARE(fixture.form.Combo1().currentIndex(), -1);
    QCOMPARE(fixture.form.Combo1().currentText(), QStringLiteral("Choose a picture"));
    QCOMPARE(fixture.form.Combo1().count(), 3);
    QVERIFY(!fixture.form.Text2().isVisible());
    QVERIFY(fixture.form.Text1().isReadOnly());
    for (Integer box = 0; box < Grid::CellCount; ++box) {
        QCOMPARE(fixture.form.Picture1(box).Picture()->Handle(), 0);
        QVERIFY(!fixture.form.Picture1(box).isEnabled());
    }
    QVERIFY(!fixture.events.state().GameStarted);
    // The boxes are disabled; the procedure itself ignores clicks too.
    fixture.form.Picture1(0).setEnabled(true);
    fixture.clickTile(0);
    QCOMPARE(fixture.form.Picture1(0).Picture()->Handle(), 0);
    QVERIFY(fixture.messageBox.shown.isEmpty());
}

void ProceduresTest::gameEnds_data()
{
    QTest::addColumn<int>("dealt");
    QTest::addColumn<int>("chosen");
    const int none = -1;
    QTest::newRow("choosing Mountain Lake first") << none << 0;
    QTest::newRow("choosing Stained Glass first") << none << 1;
    QTest::newRow("choosing Fractal Reef first") << none << 2;
    QTest::newRow("choosing another picture") << 0 << 2;
    QTest::newRow("choosing the same picture") << 1 << 1;
    QTest::newRow("Solve") << 1 << none;
}

// The picture shows whole, the counter reads 0 and clicks on the boxes do
// nothing; the boxes keep their own settings as the deal, if any, made them.
void ProceduresTest::gameEnds()
{
    QFETCH(int, dealt);
    QFETCH(int, chosen);
    FormFixture fixture;
    if (dealt >= 0)
        fixture.startGame(dealt);
    fixture.form.Text1().setText(QStringLiteral("12"));
    fixture.form.Picture1(4).setBackColor(0x000000FF);
    if (chosen < 0)
        fixture.solve();
    else
        fixture.choose(chosen);
    const int picture = chosen < 0 ? dealt : chosen;
    QCOMPARE(fixture.events.state().PictureChoice, Integer(picture));
    QCOMPARE(fixture.form.Text2().text(), QString::number(picture));
    QCOMPARE(fixture.form.Combo1().currentIndex(), picture);
    QCOMPARE(fixture.board(), Boards::inOrder());
    QCOMPARE(fixture.counter(), QStringLiteral("0"));
    QVERIFY(!fixture.events.state().GameStarted);
    QVERIFY(!fixture.form.cmdSolve().isEnabled());
    QVERIFY(fixture.form.cmdStart().isEnabled());
    QCOMPARE(fixture.form.Picture1(4).isEnabled(), dealt >= 0);
    QVERIFY(!fixture.form.Text2().isVisible());
    QCOMPARE(fixture.form.Picture1(4).BackColor(), 0x000000FFu);

    for (int box = 0; box < Grid::CellCount; ++box)
        fixture.clickTile(box);
    QCOMPARE(fixture.board(), Boards::inOrder());
    QCOMPARE(fixture.counter(), QStringLiteral("0"));
    QVERIFY(fixture.messageBox.shown.isEmpty());
}

void ProceduresTest::deals_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<Board>("dealt");
    QTest::addColumn<int>("draws");
    QTest::newRow("a cell drawn twice is drawn again")
        << 0 << QList<float>{0.5f, 0.53f, 0.0f} + drawings({1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15})
        << Board{8, 0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15} << 17;
    // Hole in box 0, the other fifteen in order: an odd permutation with the
    // hole an even distance from home, which no sequence of moves can solve.
    QTest::newRow("unsolvable: the first two tiles trade")
        << 0 << drawings({15, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14})
        << Board{15, 1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14} << 16;
    QTest::newRow("one transposition from solved, hole at home: they trade back")
        << 0 << drawings({1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}) << Boards::inOrder() << 16;
    QTest::newRow("during play, anew") << 1 << drawings({1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15})
                                       << Boards::inOrder() << 16;
}

// Start deals the scripted draws, also during play, and the counter, moved
// on, reads 0 again.
void ProceduresTest::deals()
{
    QFETCH(int, before);
    QFETCH(QList<float>, values);
    QFETCH(Board, dealt);
    QFETCH(int, draws);
    FormFixture fixture;
    fixture.choose(0);
    for (int deal = 0; deal < before; ++deal)
        fixture.start();
    fixture.form.Text1().setText(QStringLiteral("7"));
    const int drawsBefore = fixture.random.draws;
    fixture.random.values = values;
    fixture.start();
    QCOMPARE(fixture.board(), dealt);
    const FormState &state = fixture.events.state();
    for (Integer box = 0; box < Grid::CellCount; ++box) {
        QCOMPARE(state.CellOrder(box), Integer(dealt[std::size_t(box)]));
        QVERIFY(fixture.form.Picture1(box).isEnabled());
        QCOMPARE(fixture.form.Picture1(box).BackColor(), ColorValue::LightCyan);
    }
    QCOMPARE(fixture.random.draws - drawsBefore, draws);
    QCOMPARE(fixture.random.reseeds, before + 1);
    QVERIFY(fixture.messageBox.shown.isEmpty());
    QVERIFY(state.GameStarted);
    QVERIFY(fixture.form.cmdSolve().isEnabled());
    QVERIFY(fixture.form.cmdStart().isEnabled());
    QCOMPARE(fixture.counter(), QStringLiteral("0"));
}

void ProceduresTest::everyDealIsSolvableAndComplete()
{
    FormFixture fixture(20261208);
    fixture.choose(2);
    for (int deal = 0; deal < 500; ++deal) {
        fixture.start();
        const Board board = fixture.board();
        QVERIFY(Boards::isDeal(board));
        for (Integer box = 0; box < Grid::CellCount; ++box)
            QCOMPARE(int(fixture.events.state().CellOrder(box)), board[std::size_t(box)]);
        QVERIFY(DealParity::isSolvable(fixture.events.state().CellOrder));
    }
}

void ProceduresTest::moves_data()
{
    QTest::addColumn<Board>("board");
    QTest::addColumn<QString>("counted");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<Board>("expected");
    QTest::addColumn<QString>("counter");
    QTest::newRow("sideways, then down") << Board{0, 1, 2, 3, 4, 15, 11, 7, 8, 9, 10, 6, 12, 13, 14, 5} << "4"
                                         << QList<int>{6, 10} << Board{0, 1, 2, 3, 4, 11, 10, 7, 8, 9, 15, 6, 12, 13, 14, 5}
                                         << "6";
    QTest::newRow("solved by a move, play goes on") << Boards::holeAt(14) << "0" << QList<int>{15, 11} << Boards::holeAt(11)
                                                    << "2";
    // The counter goes on from what it reads.
    QTest::newRow("into the hole and back, from 9") << Boards::inOrder() << "9" << QList<int>{14, 15} << Boards::inOrder()
                                                    << "11";
    QTest::newRow("into the hole and back, from 999999") << Boards::inOrder() << "999999" << QList<int>{11, 15}
                                                         << Boards::inOrder() << "1000001";
}

// Each click beside the hole moves its tile in; the window-level variables
// keep the last move's blank box and the cell it moved.
void ProceduresTest::moves()
{
    QFETCH(Board, board);
    QFETCH(QString, counted);
    QFETCH(QList<int>, clicks);
    QFETCH(Board, expected);
    QFETCH(QString, counter);
    FormFixture fixture;
    fixture.startGame();
    fixture.arrange(board);
    fixture.form.Text1().setText(counted);
    int hole = 0;
    int cell = 0;
    for (int box : clicks) {
        hole = fixture.hole();
        cell = fixture.cellShownBy(box);
        fixture.clickTile(box);
    }
    QCOMPARE(fixture.board(), expected);
    QCOMPARE(fixture.counter(), counter);
    QCOMPARE(fixture.events.state().BlankBox, Integer(hole));
    QCOMPARE(fixture.events.state().ClickedCell, Integer(cell));
    QVERIFY(fixture.messageBox.shown.isEmpty());
    QVERIFY(fixture.events.state().GameStarted);
}

void ProceduresTest::neighboursOfTheHole_data()
{
    QTest::addColumn<int>("hole");
    QTest::addColumn<QList<int>>("movable");
    QTest::newRow("corner 0") << 0 << QList<int>{1, 4};
    QTest::newRow("corner 15") << 15 << QList<int>{11, 14};
    QTest::newRow("corner 3") << 3 << QList<int>{2, 7};
    QTest::newRow("edge 1") << 1 << QList<int>{0, 2, 5};
    QTest::newRow("edge 4") << 4 << QList<int>{0, 5, 8};
    QTest::newRow("inner 5") << 5 << QList<int>{1, 4, 6, 9};
    QTest::newRow("inner 10") << 10 << QList<int>{6, 9, 11, 14};
}

// Every box is clicked once with the hole in the same place: exactly the
// neighbours move; the hole itself, diagonals, boxes two away and the box at
// the other end of the next row are refused.
void ProceduresTest::neighboursOfTheHole()
{
    QFETCH(int, hole);
    QFETCH(QList<int>, movable);
    FormFixture fixture;
    fixture.startGame(1);
    const Board board = Boards::holeAt(hole);
    for (int box = 0; box < Grid::CellCount; ++box) {
        fixture.arrange(board);
        fixture.form.Text1().setText(QStringLiteral("0"));
        fixture.messageBox.shown.clear();
        fixture.clickTile(box);
        if (movable.contains(box)) {
            QVERIFY2(fixture.messageBox.shown.isEmpty(), qPrintable(QString::number(box)));
            QCOMPARE(fixture.hole(), box);
            QCOMPARE(fixture.cellShownBy(hole), board[std::size_t(box)]);
            QCOMPARE(fixture.counter(), QStringLiteral("1"));
        } else {
            QCOMPARE(fixture.messageBox.shown.size(), 1);
            QCOMPARE(fixture.messageBox.shown[0].prompt, QStringLiteral("Cannot move !!!"));
            QCOMPARE(fixture.messageBox.shown[0].style, int(MessageBox::OkOnly));
            QVERIFY(fixture.messageBox.shown[0].title.isEmpty());
            QCOMPARE(fixture.board(), board);
            QCOMPARE(fixture.counter(), QStringLiteral("0"));
            QVERIFY(fixture.events.state().GameStarted);
        }
    }
}

// A counter whose text reads as no number ends the game with a run-time error.
void ProceduresTest::counterOfNoNumberIsAnError()
{
    FormFixture fixture;
    fixture.startGame();
    fixture.form.Text1().setText(QStringLiteral("many"));
    fixture.clickBesideHole();
    QCOMPARE(fixture.messageBox.shown.size(), 1);
    QCOMPARE(fixture.messageBox.shown[0].style, int(MessageBox::Critical));
    QVERIFY(fixture.messageBox.shown[0].prompt.contains(QStringLiteral("Type mismatch")));
    QCOMPARE(fixture.programEnd.statuses, QList<int>{1});
}

QTEST_MAIN(ProceduresTest)
#include "tst_procedures.moc"
