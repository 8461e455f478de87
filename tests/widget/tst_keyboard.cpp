#include "FormFixture.h"
#include "pictures/Grid.h"
#include "ui/TileBox.h"

#include <QTest>

namespace {

// A game in play on the given board, the keyboard focus on box focus.
void play(FormFixture &fixture, const Board &board, int focus)
{
    fixture.startGame();
    fixture.arrange(board);
    fixture.form.Picture1(Integer(focus)).setFocus();
    QVERIFY(fixture.form.Picture1(Integer(focus)).hasFocus());
}

void press(int key)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
}

// A key event as a keyboard sends it, at a time in milliseconds.
void send(QEvent::Type type, int key, ulong time, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    event.setTimestamp(time);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
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
    void keysOnABox_data();
    void keysOnABox();
    void focusMarkFollowsTheFocus();
};

void KeyboardTest::keysOnABox_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("hole");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("focus");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<int>("refusals");
    const int space = Qt::Key_Space;
    QTest::newRow("right") << "" << 10 << 5 << int(Qt::Key_Right) << 6 << false << 0;
    QTest::newRow("left") << "" << 10 << 5 << int(Qt::Key_Left) << 4 << false << 0;
    QTest::newRow("down") << "" << 10 << 3 << int(Qt::Key_Down) << 7 << false << 0;
    QTest::newRow("up") << "" << 10 << 5 << int(Qt::Key_Up) << 1 << false << 0;
    QTest::newRow("right at a row's end, no wrap") << "" << 10 << 7 << int(Qt::Key_Right) << 7 << false << 0;
    QTest::newRow("left at a row's start, no wrap") << "" << 10 << 8 << int(Qt::Key_Left) << 8 << false << 0;
    QTest::newRow("up at the top") << "" << 10 << 2 << int(Qt::Key_Up) << 2 << false << 0;
    QTest::newRow("right twice in one millisecond") << "twice" << 10 << 5 << int(Qt::Key_Right) << 7 << false << 0;
    QTest::newRow("down at the bottom") << "" << 10 << 15 << int(Qt::Key_Down) << 15 << false << 0;
    QTest::newRow("Space left of the hole") << "" << 5 << 4 << space << 4 << true << 0;
    QTest::newRow("Space diagonal") << "" << 5 << 10 << space << 10 << false << 1;
    QTest::newRow("Space on the hole itself") << "" << 5 << 5 << space << 5 << false << 1;
    QTest::newRow("Space twice in one millisecond") << "twice" << 5 << 10 << space << 10 << false << 2;
    QTest::newRow("Space repeated by the keyboard") << "repeat" << 5 << 4 << space << 4 << false << 0;
    QTest::newRow("Return beside the hole") << "" << 5 << 4 << int(Qt::Key_Return) << 4 << false << 0;
    QTest::newRow("Space after Solve") << "solve" << 5 << 4 << space << 4 << false << 0;
    QTest::newRow("Space after choosing again") << "choose" << 5 << 4 << space << 4 << false << 0;
}

// The arrows walk the focus over the grid. A move leaves the focus on the
// pressed box, now the hole: the next arrow and Space move the hole on.
void KeyboardTest::keysOnABox()
{
    QFETCH(QString, before);
    QFETCH(int, hole);
    QFETCH(int, box);
    QFETCH(int, key);
    QFETCH(int, focus);
    QFETCH(bool, moves);
    QFETCH(int, refusals);
    FormFixture fixture;
    play(fixture, Boards::holeAt(hole), box);
    if (before == QLatin1String("solve"))
        fixture.solve();
    if (before == QLatin1String("choose"))
        fixture.choose(0);
    Board expected = fixture.board();
    if (moves)
        std::swap(expected[std::size_t(hole)], expected[std::size_t(box)]);
    fixture.form.Picture1(Integer(box)).setFocus();
    if (before == QLatin1String("twice")) {
        const std::pair<QEvent::Type, ulong> events[] = {
            {QEvent::KeyPress, 100}, {QEvent::KeyRelease, 160}, {QEvent::KeyPress, 160}, {QEvent::KeyRelease, 230}};
        for (const auto &[type, time] : events)
            send(type, key, time);
    } else if (before == QLatin1String("repeat")) {
        send(QEvent::KeyPress, key, 100, true);
    } else {
        press(key);
    }
    QCOMPARE(fixture.board(), expected);
    QCOMPARE(fixture.counter(), moves ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(focusedBox(fixture.form), focus);
    QCOMPARE(fixture.messageBox.shown.size(), refusals);
    for (const ScriptedMessageBox::Shown &refusal : std::as_const(fixture.messageBox.shown))
        QCOMPARE(refusal.prompt, QStringLiteral("Cannot move !!!"));
}

// The mark goes with the focus, and not with a click; tst_hidpi sees its
// lines at every scale.
void KeyboardTest::focusMarkFollowsTheFocus()
{
    FormFixture fixture;
    play(fixture, Boards::holeAt(15), 0);
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
