#include "FormFixture.h"
#include "ui/CommandButton.h"
#include "ui/TileBox.h"

#include <QComboBox>
#include <QTest>
#include <random>

namespace {

// What the player should see, kept apart from the game's own reading of it.
struct Expected {
    bool chosen = false;
    bool playing = false;
    int moves = 0;
    Board board{};
};

} // namespace

// Random play through the real controls, checked after every action against
// a model of the game. VENNARO_SOAK_ACTIONS sets the number of actions.
class SoakTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void randomPlayKeepsTheGameWhole();
};

void SoakTest::randomPlayKeepsTheGameWhole()
{
    const int actions = qEnvironmentVariableIntValue("VENNARO_SOAK_ACTIONS") > 0
                          ? qEnvironmentVariableIntValue("VENNARO_SOAK_ACTIONS")
                          : 20000;
    FormFixture fixture(20261208);
    std::mt19937 engine(1208);
    const auto pick = [&engine](int below) { return std::uniform_int_distribution<int>(0, below - 1)(engine); };
    QComboBox &combo = fixture.form.Combo1();
    Expected expected;
    int accepted = 0;
    int refused = 0;

    for (int action = 0; action < actions; ++action) {
        const int kind = pick(100);
        if (kind < 80) {
            const int hole = Boards::hole(expected.board);
            // Half the clicks aim beside the hole, or few would be moves.
            int box = pick(Grid::CellCount);
            while (pick(2) == 0 && !Boards::beside(box, hole))
                box = pick(Grid::CellCount);
            const qsizetype shownBefore = fixture.messageBox.shown.size();
            fixture.clickTile(box);
            QCOMPARE(fixture.events.state().TileMoved, expected.playing && Boards::beside(box, hole));
            if (expected.playing) {
                if (Boards::beside(box, hole)) {
                    std::swap(expected.board[std::size_t(box)], expected.board[std::size_t(hole)]);
                    ++expected.moves;
                    ++accepted;
                } else {
                    QCOMPARE(fixture.messageBox.shown.size(), shownBefore + 1);
                    ++refused;
                }
            }
        } else if (kind < 88) {
            fixture.start();
            if (expected.chosen) {
                expected = {true, true, 0, fixture.board()};
                QVERIFY(Boards::isDeal(expected.board));
            }
        } else if (kind < 93) {
            fixture.solve();
            if (expected.playing)
                expected = {true, false, 0, {}};
        } else if (kind < 97) {
            combo.setFocus();
            const int index = combo.currentIndex();
            const bool down = index <= 0 || (index == 1 && pick(2) == 0);
            QTest::keyClick(&combo, down ? Qt::Key_Down : Qt::Key_Up);
            expected = {true, false, 0, {}};
        } else if (kind < 98) {
            fixture.choose(pick(3));
            expected = {true, false, 0, {}};
        } else {
            fixture.messageBox.answers = {MessageBox::No};
            QTest::mouseClick(&fixture.form.cmdExit(), Qt::LeftButton);
        }

        if (expected.chosen && !expected.playing)
            expected.board = Boards::inOrder();
        if (expected.chosen)
            QCOMPARE(fixture.board(), expected.board);
        QCOMPARE(fixture.counter(), QString::number(expected.moves));
        QCOMPARE(fixture.events.state().GameStarted, expected.playing);
        QCOMPARE(fixture.form.cmdStart().isEnabled(), expected.chosen);
        QCOMPARE(fixture.form.cmdSolve().isEnabled(), expected.playing);
        QVERIFY(fixture.programEnd.statuses.isEmpty());
        if (action % 64 == 0)
            QCoreApplication::processEvents();
    }
    qInfo("%d actions: %d moves, %d refused", actions, accepted, refused);
    QVERIFY(accepted > 0);
    QVERIFY(refused > 0);
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
