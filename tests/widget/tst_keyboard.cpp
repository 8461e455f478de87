#include "FormFixture.h"

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

// A key event as the platform hands it on: its time in milliseconds, whether
// Qt marked it as a repeat, and how long after the one before it comes.
struct Stroke {
    QEvent::Type type;
    ulong time;
    bool repeat = false;
    int wait = 0;
};
using Strokes = QList<Stroke>;

void send(int key, const Stroke &stroke)
{
    QTest::qWait(stroke.wait);
    QKeyEvent event(stroke.type, key, Qt::NoModifier, QStringLiteral(" "), stroke.repeat);
    event.setTimestamp(stroke.time);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysOnABox_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<Strokes>("strokes");
        QTest::addColumn<int>("hole");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("focus");
        QTest::addColumn<bool>("moves");
        QTest::addColumn<int>("refusals");
        const int space = Qt::Key_Space;
        constexpr QEvent::Type Press = QEvent::KeyPress;
        constexpr QEvent::Type Release = QEvent::KeyRelease;
        // As X11 brings two presses from a program: Qt takes the second for a repeat.
        const Strokes twice{{Press, 100}, {Release, 100, true}, {Press, 100, true}, {Release, 100}};
        // As X11 brings a held key, Qt missing its first repeat.
        const Strokes held{{Press, 100}, {Release, 760}, {Press, 760}, {Release, 800, true}, {Press, 800, true}, {Release, 830}};
        // As Qt repeats a held key on Wayland, at the time of its first press.
        const Strokes heldOnWayland{{Press, 100}, {Release, 100, true, 300}, {Press, 100, true}, {Release, 100}};
        const Strokes none;
        QTest::newRow("right") << "" << none << 10 << 5 << int(Qt::Key_Right) << 6 << false << 0;
        QTest::newRow("left") << "" << none << 10 << 5 << int(Qt::Key_Left) << 4 << false << 0;
        QTest::newRow("down") << "" << none << 10 << 3 << int(Qt::Key_Down) << 7 << false << 0;
        QTest::newRow("up") << "" << none << 10 << 5 << int(Qt::Key_Up) << 1 << false << 0;
        QTest::newRow("right at a row's end, no wrap") << "" << none << 10 << 7 << int(Qt::Key_Right) << 7 << false << 0;
        QTest::newRow("left at a row's start, no wrap") << "" << none << 10 << 8 << int(Qt::Key_Left) << 8 << false << 0;
        QTest::newRow("up at the top") << "" << none << 10 << 2 << int(Qt::Key_Up) << 2 << false << 0;
        QTest::newRow("right twice in one millisecond") << "" << twice << 10 << 5 << int(Qt::Key_Right) << 7 << false << 0;
        QTest::newRow("down at the bottom") << "" << none << 10 << 15 << int(Qt::Key_Down) << 15 << false << 0;
        QTest::newRow("Space left of the hole") << "" << none << 5 << 4 << space << 4 << true << 0;
        QTest::newRow("Space diagonal") << "" << none << 5 << 10 << space << 10 << false << 1;
        QTest::newRow("Space on the hole itself") << "" << none << 5 << 5 << space << 5 << false << 1;
        QTest::newRow("Space twice in one millisecond") << "" << twice << 5 << 10 << space << 10 << false << 2;
        QTest::newRow("Space repeated, not seen pressed") << "" << Strokes{{Press, 100, true}} << 5 << 4 << space << 4 << false << 0;
        QTest::newRow("Space held") << "" << held << 5 << 4 << space << 4 << true << 0;
        QTest::newRow("Space held on Wayland") << "" << heldOnWayland << 5 << 4 << space << 4 << true << 0;
        QTest::newRow("Return beside the hole") << "" << none << 5 << 4 << int(Qt::Key_Return) << 4 << false << 0;
        QTest::newRow("Space after Solve") << "solve" << none << 5 << 4 << space << 4 << false << 0;
        QTest::newRow("Space after choosing again") << "choose" << none << 5 << 4 << space << 4 << false << 0;
    }

    // The arrows walk the focus over the grid. A move leaves the focus on the
    // pressed box, now the hole: the next arrow and Space move the hole on.
    void keysOnABox()
    {
        QFETCH(QString, before);
        QFETCH(Strokes, strokes);
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
        if (strokes.isEmpty())
            press(key);
        for (const Stroke &stroke : strokes)
            send(key, stroke);
        QCOMPARE(fixture.board(), expected);
        QCOMPARE(fixture.counter(), moves ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), &fixture.form.Picture1(Integer(focus)));
        QCOMPARE(fixture.messageBox.shown.size(), refusals);
        for (const ScriptedMessageBox::Shown &refusal : std::as_const(fixture.messageBox.shown))
            QCOMPARE(refusal.prompt, QStringLiteral("Cannot move !!!"));
    }

    // The mark goes with the focus, and not with a click; tst_hidpi sees its
    // lines at every scale.
    void focusMarkFollowsTheFocus()
    {
        FormFixture fixture;
        play(fixture, Boards::holeAt(15), 0);
        TileBox &first = fixture.form.Picture1(5);
        TileBox &second = fixture.form.Picture1(6);
        const QImage firstPlain = first.grab().toImage();
        const QImage secondPlain = second.grab().toImage();

        first.setFocus();
        QVERIFY(first.grab().toImage() != firstPlain);
        press(Qt::Key_Right);
        QCOMPARE(first.grab().toImage(), firstPlain);
        QVERIFY(second.grab().toImage() != secondPlain);

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(second.grab().toImage(), secondPlain);
        fixture.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fixture.form));
        QVERIFY(second.grab().toImage() != secondPlain);

        // Mouse play looks as it always has, until a key is pressed on the box.
        TileBox &far = fixture.form.Picture1(9);
        const QImage farPlain = far.grab().toImage();
        fixture.clickTile(9);
        QVERIFY(far.hasFocus());
        QCOMPARE(far.grab().toImage(), farPlain);
        press(Qt::Key_Space);
        QCOMPARE(fixture.messageBox.shown.size(), 2);
        QVERIFY(far.grab().toImage() != farPlain);
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
