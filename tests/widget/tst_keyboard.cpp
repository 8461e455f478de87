#include "FormFixture.h"
#include "pictures/Grid.h"
#include "ui/TileBox.h"

#include <QTest>
#include <numeric>

namespace {

using Board = std::array<int, Grid::CellCount>;

// The picture in order, except that the hole sits in box hole.
Board holeAt(int hole)
{
    Board board{};
    std::iota(board.begin(), board.end(), 0);
    std::swap(board[std::size_t(hole)], board[Grid::BlankCell]);
    return board;
}

// A game in play on the given board, the keyboard focus on box focus.
void play(FormFixture &fixture, const Board &board, int focus)
{
    fixture.choose(0);
    fixture.start();
    fixture.arrange(board);
    fixture.form.Picture1(Integer(focus)).setFocus();
    QVERIFY(fixture.form.Picture1(Integer(focus)).hasFocus());
}

void press(int key)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
}

// The key held as X11 may hand it to Qt: a repeat's release and press come
// at one time, not marked as repeated.
void hold(int key)
{
    const std::pair<QEvent::Type, ulong> events[] = {
        {QEvent::KeyPress, 100}, {QEvent::KeyRelease, 760}, {QEvent::KeyPress, 760}, {QEvent::KeyRelease, 900}};
    for (const auto &[type, time] : events) {
        QKeyEvent event(type, key, Qt::NoModifier, QStringLiteral(" "));
        event.setTimestamp(time);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    }
}

int focusedBox(const frmMain &form)
{
    for (Integer box = 0; box < Grid::CellCount; ++box)
        if (form.Picture1(box).hasFocus())
            return box;
    return -1;
}

QImage shown(TileBox &box)
{
    return box.grab().toImage();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void arrowsWalkTheGrid_data();
    void arrowsWalkTheGrid();
    void spaceMovesANeighbourOfTheHole_data();
    void spaceMovesANeighbourOfTheHole();
    void keysThatMoveNothing_data();
    void keysThatMoveNothing();
    void focusMarkFollowsTheFocus();
};

void KeyboardTest::arrowsWalkTheGrid_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("right") << 5 << int(Qt::Key_Right) << 6;
    QTest::newRow("left") << 5 << int(Qt::Key_Left) << 4;
    QTest::newRow("down") << 3 << int(Qt::Key_Down) << 7;
    QTest::newRow("up") << 5 << int(Qt::Key_Up) << 1;
    QTest::newRow("right at a row's end, no wrap") << 7 << int(Qt::Key_Right) << 7;
    QTest::newRow("left at a row's start, no wrap") << 8 << int(Qt::Key_Left) << 8;
    QTest::newRow("up at the top") << 2 << int(Qt::Key_Up) << 2;
    QTest::newRow("down at the bottom") << 15 << int(Qt::Key_Down) << 15;
}

void KeyboardTest::arrowsWalkTheGrid()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    FormFixture fixture;
    play(fixture, holeAt(10), from);
    press(key);
    QCOMPARE(focusedBox(fixture.form), to);
    QCOMPARE(fixture.board(), holeAt(10));
    QCOMPARE(fixture.counter(), QStringLiteral("0"));
}

void KeyboardTest::spaceMovesANeighbourOfTheHole_data()
{
    QTest::addColumn<int>("hole");
    QTest::addColumn<int>("box");
    QTest::newRow("left of it") << 5 << 4;
    QTest::newRow("right of it") << 5 << 6;
    QTest::newRow("above it") << 5 << 1;
    QTest::newRow("below it") << 5 << 9;
}

// The focus stays on the pressed box, now the hole: the next arrow and Space
// move the hole on.
void KeyboardTest::spaceMovesANeighbourOfTheHole()
{
    QFETCH(int, hole);
    QFETCH(int, box);
    FormFixture fixture;
    play(fixture, holeAt(hole), box);
    press(Qt::Key_Space);
    Board moved = holeAt(hole);
    std::swap(moved[std::size_t(hole)], moved[std::size_t(box)]);
    QCOMPARE(fixture.board(), moved);
    QCOMPARE(fixture.counter(), QStringLiteral("1"));
    QCOMPARE(focusedBox(fixture.form), box);
    QVERIFY(fixture.messageBox.shown.isEmpty());
}

void KeyboardTest::keysThatMoveNothing_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("hole");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("refused");
    QTest::newRow("diagonal") << "" << 5 << 10 << int(Qt::Key_Space) << true;
    QTest::newRow("two along the row") << "" << 5 << 7 << int(Qt::Key_Space) << true;
    QTest::newRow("next number, row above") << "" << 4 << 3 << int(Qt::Key_Space) << true;
    QTest::newRow("the hole itself") << "" << 5 << 5 << int(Qt::Key_Space) << true;
    QTest::newRow("Space held") << "hold" << 5 << 10 << int(Qt::Key_Space) << true;
    QTest::newRow("Return beside the hole") << "" << 5 << 4 << int(Qt::Key_Return) << false;
    QTest::newRow("after Solve") << "solve" << 5 << 4 << int(Qt::Key_Space) << false;
    QTest::newRow("after choosing again") << "choose" << 5 << 4 << int(Qt::Key_Space) << false;
}

void KeyboardTest::keysThatMoveNothing()
{
    QFETCH(QString, before);
    QFETCH(int, hole);
    QFETCH(int, box);
    QFETCH(int, key);
    QFETCH(bool, refused);
    FormFixture fixture;
    play(fixture, holeAt(hole), box);
    if (before == QLatin1String("solve"))
        fixture.solve();
    if (before == QLatin1String("choose"))
        fixture.choose(0);
    const Board board = fixture.board();
    fixture.form.Picture1(Integer(box)).setFocus();
    before == QLatin1String("hold") ? hold(key) : press(key);
    QCOMPARE(fixture.board(), board);
    QCOMPARE(fixture.counter(), QStringLiteral("0"));
    QCOMPARE(fixture.messageBox.shown.size(), refused ? 1 : 0);
    if (refused)
        QCOMPARE(fixture.messageBox.shown[0].prompt, QStringLiteral("Cannot move !!!"));
}

// The mark goes with the focus, and not with a click; tst_hidpi sees its
// lines at every scale.
void KeyboardTest::focusMarkFollowsTheFocus()
{
    FormFixture fixture;
    play(fixture, holeAt(15), 0);
    TileBox &first = fixture.form.Picture1(5);
    TileBox &second = fixture.form.Picture1(6);
    const QImage firstPlain = shown(first);
    const QImage secondPlain = shown(second);

    first.setFocus();
    QVERIFY(shown(first) != firstPlain);
    press(Qt::Key_Right);
    QCOMPARE(shown(first), firstPlain);
    QVERIFY(shown(second) != secondPlain);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(shown(second), secondPlain);
    fixture.form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&fixture.form));
    QVERIFY(shown(second) != secondPlain);

    // Mouse play looks as it always has, until a key is pressed on the box.
    TileBox &far = fixture.form.Picture1(9);
    const QImage farPlain = shown(far);
    fixture.clickTile(9);
    QVERIFY(far.hasFocus());
    QCOMPARE(shown(far), farPlain);
    press(Qt::Key_Space);
    QCOMPARE(fixture.messageBox.shown.size(), 2);
    QVERIFY(shown(far) != farPlain);
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
