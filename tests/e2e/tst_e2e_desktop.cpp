#include "BlackRuns.h"
#include "GameSession.h"
#include "ImageDifference.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>


namespace {

// How long a test waits before it takes "nothing happened" for an answer.
constexpr int QuietMs = 1000;

// 0 when it cannot be read.
qint64 residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    const QString text = status.open(QIODevice::ReadOnly) ? QString::fromLatin1(status.readAll()) : QString();
    return QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)")).match(text).captured(1).toLongLong();
}

} // namespace

// The program as a desktop user meets it: under a window manager, closed
// from outside, moved, scrolled over and scaled.
class DesktopTest : public QObject, GameSession
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { openDisplay(); }
    void cleanup() { endGame(); }

    void closeRequestAsksAsExitDoes();
    void wheelChoosesOnlyWithTheFocus();
    void doubleClickBesideTheHoleIsOneMove();
    void dragOnTheBackgroundMovesTheWindow_data();
    void dragOnTheBackgroundMovesTheWindow();
    void keysCountAfterAMessageBox();
    void scaledWindow_data();
    void scaledWindow();
    void memoryStaysFlatOverMessageBoxes();

private:
    // Starts the game and deals the picture by its keys and Start.
    void startAndDeal(int picture);
    // Names of the mapped message boxes of the game, after a moment's quiet.
    QStringList boxesAfterQuiet(const QString &namePattern) const;

    // The last deal's screenshot and board.
    QImage dealt_;
    Board board_{};
};

void DesktopTest::startAndDeal(int picture)
{
    startGame();
    dealt_ = screen_->chooseAndDeal(picture);
    X_VERIFY(!dealt_.isNull());
    board_ = screen_->boardOn(dealt_, picture);
}

QStringList DesktopTest::boxesAfterQuiet(const QString &namePattern) const
{
    QTest::qWait(QuietMs);
    QStringList boxes = display_->visibleWindows({QStringLiteral("--name"), namePattern});
    boxes.removeAll(game_->window());
    return boxes;
}

void DesktopTest::closeRequestAsksAsExitDoes()
{
    startAndDeal(0);

    // Under openbox Alt+F4 is the window manager's close request.
    X_VERIFY(screen_->pressKeys({QStringLiteral("alt+F4")}));
    std::optional<QString> question = screen_->waitForBox(QStringLiteral("^Quit\\?$"));
    X_VERIFY(question);
    X_VERIFY(display_->pressKeys(*question, {QStringLiteral("n")}));
    X_VERIFY(display_->waitUntilGone(*question));
    QCOMPARE(game_->process().state(), QProcess::Running);
    QCOMPARE(screen_->showsBoard(0, board_, screen_->counterOn(dealt_)), QString());

    // While "Cannot move !!!" is open, a close request opens no second box.
    const int hole = Boards::hole(board_);
    X_VERIFY(game_->click(GameScreen::boxCentre(GameScreen::boxAt(hole, 1, 1))));
    const std::optional<QString> refusal = screen_->waitForBox(QStringLiteral("^Vennaro$"));
    X_VERIFY(refusal);
    X_VERIFY(display_->requestClose(game_->window()));
    QCOMPARE(boxesAfterQuiet(QStringLiteral("^(Quit\\?|Vennaro)$")), QStringList{*refusal});
    X_VERIFY(display_->pressKeys(*refusal, {QStringLiteral("Return")}));
    X_VERIFY(display_->waitUntilGone(*refusal));

    X_VERIFY(display_->requestClose(game_->window()));
    question = screen_->waitForBox(QStringLiteral("^Quit\\?$"));
    X_VERIFY(question);
    X_VERIFY(display_->pressKeys(*question, {QStringLiteral("Return")}));
    QVERIFY2(game_->process().waitForFinished(VirtualDisplay::WaitMs), "the program still runs after Yes");
    QCOMPARE(game_->process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(game_->process().exitCode(), 0);
}

void DesktopTest::wheelChoosesOnlyWithTheFocus()
{
    startAndDeal(0);

    // Start, just clicked, has the focus: a notch over the list is lost.
    constexpr int WheelDown = 5;
    X_VERIFY(display_->click(game_->toScreen(GameScreen::Combo.center()), 1, WheelDown));
    QTest::qWait(QuietMs);
    QCOMPARE(screen_->showsBoard(0, board_, screen_->counterOn(dealt_)), QString());

    // With the focus, the same notch chooses the next picture.
    X_VERIFY(screen_->focusCombo());
    X_VERIFY(display_->click(game_->toScreen(GameScreen::Combo.center()), 1, WheelDown));
    QCOMPARE(screen_->showsWhole(1), QString());
}

void DesktopTest::doubleClickBesideTheHoleIsOneMove()
{
    startAndDeal(2);
    const int hole = Boards::hole(board_);
    const int clicked = GameScreen::boxAt(hole, 0, 1);

    X_VERIFY(display_->click(game_->toScreen(GameScreen::boxCentre(clicked)), 2));
    std::swap(board_[std::size_t(hole)], board_[std::size_t(clicked)]);
    QCOMPARE(screen_->showsBoard(2, board_, screen_->counterOn(dealt_), true), QString());
    // A second click would have landed on the new hole and been refused.
    QCOMPARE(boxesAfterQuiet(QStringLiteral("^Vennaro$")), QStringList());
}

void DesktopTest::dragOnTheBackgroundMovesTheWindow_data()
{
    QTest::addColumn<QPoint>("by");
    QTest::addColumn<int>("steps");
    QTest::newRow("slow") << QPoint(100, 0) << 50;
    QTest::newRow("fast") << QPoint(300, 90) << 1;
}

void DesktopTest::dragOnTheBackgroundMovesTheWindow()
{
    QFETCH(QPoint, by);
    QFETCH(int, steps);
    startGame();
    const QPoint before = game_->windowGeometry().topLeft();
    // Between the boxes and the title, where the pointer hides no border.
    const QPoint grabbed =
        game_->toScreen(QPoint(BoardReader::boxRect(Grid::LastCell).right() + 4, GameScreen::Combo.center().y()));
    // Where the grabbed point of the window is, from the pointer.
    const auto off = [&] { return game_->windowGeometry().topLeft() - before - by; };
    const auto held = [&] { return game_->updateGeometry() && std::abs(off().x()) <= 1 && std::abs(off().y()) <= 1; };
    // A click there first must leave the window where it is.
    X_VERIFY(display_->click(grabbed));
    X_VERIFY(display_->drag(grabbed, grabbed + by, steps, held));
    if (!QTest::qWaitFor(held, VirtualDisplay::WaitMs))
        QFAIL(qPrintable(QStringLiteral("the grabbed point is (%1,%2) from the pointer").arg(off().x()).arg(off().y())));
}

// Play by keyboard alone: a refused press's message box answered with Return,
// and the next keys move at once.
void DesktopTest::keysCountAfterAMessageBox()
{
    startAndDeal(0);
    const int hole = Boards::hole(board_);
    const int refused = GameScreen::boxAt(hole, 1, 1);
    const int beside = Grid::row(refused) * Grid::Side + Grid::column(hole);
    // Back from Start past Solve, Exit and the list to box 1, the last box in
    // the tab order, and on to the refused box.
    const int across = Grid::column(refused) - 1;
    X_VERIFY(screen_->pressKeys(QStringList(4, QStringLiteral("shift+Tab")) + QStringList(Grid::row(refused), QStringLiteral("Down"))
                                + QStringList(std::abs(across), across > 0 ? QStringLiteral("Right") : QStringLiteral("Left"))));
    // A compositor draws the pointer, whose shape follows what is under it.
    X_VERIFY(display_->moveMouse(QPoint(0, 0)));
    QTest::qWait(QuietMs);
    const QImage waiting = display_->screenshot();

    // The message box changes the still screen; once answered, all is as before.
    X_VERIFY(screen_->pressKeys({QStringLiteral("space")}));
    QVERIFY2(display_->screenshotWhen([&](const QImage &shot) { return shot != waiting; }) != waiting, "no message box");
    // Answered in the box, which has the keyboard. On X11 that is its window:
    // focusing the main one would hand the focus back to the box only a moment
    // later, and a key in between is lost. Wayland has no window to name.
    const QString box = VirtualDisplay::onWayland() ? QString() : screen_->waitForBox(QStringLiteral("^Vennaro$")).value_or(QString());
    QVERIFY(VirtualDisplay::onWayland() || !box.isEmpty());
    X_VERIFY(display_->pressKeys(box, {QStringLiteral("Return")}));
    QVERIFY2(display_->screenshotWhen([&](const QImage &shot) { return shot == waiting; }) == waiting,
             "the screen is not as it was before the message box");
    X_VERIFY(screen_->pressKeys({Grid::column(hole) < Grid::column(refused) ? QStringLiteral("Left") : QStringLiteral("Right"),
                                 QStringLiteral("space")}));
    std::swap(board_[std::size_t(hole)], board_[std::size_t(beside)]);
    // The focus mark leaves the boxes, to let them be read.
    X_VERIFY(screen_->focusCombo());
    QCOMPARE(screen_->showsBoard(0, board_, screen_->counterOn(waiting), true), QString());
}

void DesktopTest::scaledWindow_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("2") << 2.0;
    QTest::newRow("1.5") << 1.5;
}

void DesktopTest::scaledWindow()
{
    QFETCH(double, scale);
    startGame(scale);
    const QRect geometry = game_->windowGeometry();
    QCOMPARE(geometry.size(), (QSizeF(Layout::windowSize()) * scale).toSize());
    QVERIFY2(QRect(QPoint(), display_->screenSize()).contains(geometry.topLeft()),
             qPrintable(QStringLiteral("the window starts at (%1,%2)").arg(geometry.x()).arg(geometry.y())));

    X_VERIFY(screen_->focusCombo());
    X_VERIFY(screen_->pressKeys({QStringLiteral("Down")}));
    const QPoint lastCentre = game_->toScreen(GameScreen::boxCentre(Grid::LastCell));
    const QImage shot = display_->screenshotWhen([&](const QImage &screen) {
        return screen.pixelColor(lastCentre) != QColor(192, 255, 255);
    });
    X_VERIFY(!shot.isNull());

    // Between the boxes of a row and of a column, black borders of one width.
    // A window taller than the screen shows its top part.
    const QRect first = game_->toScreen(BoardReader::boxRect(0));
    const QRect last = game_->toScreen(BoardReader::boxRect(Grid::LastCell)) & shot.rect();
    const QList<int> across = BlackRuns::along(shot, QPoint(first.left(), first.center().y()), QPoint(1, 0),
                                        last.right() - first.left() + 1);
    const QList<int> down = BlackRuns::along(shot, QPoint(first.center().x(), first.top()), QPoint(0, 1),
                                      last.bottom() - first.top() + 1);
    QVERIFY2(across.size() >= Grid::Side && down.size() >= Grid::Side, "the board's borders are off the screen");
    for (const QList<int> &runs : {across, down}) {
        const QList<int> between = runs.mid(1, Grid::Side - 1);
        QVERIFY2(std::all_of(between.begin(), between.end(), [&](int width) { return width == between.front(); }),
                 qPrintable(QStringLiteral("border widths %1").arg(QVariant::fromValue(runs).toStringList().join(u' '))));
    }

    if (scale != 2.0)
        return;
    // At twice the size each box shows its cell of the finer picture, not the
    // coarse one doubled.
    const QImage fine(QStringLiteral(VENNARO_SOURCE_DIR "/assets/pictures/picture0@2x.png"));
    const QImage coarse(QStringLiteral(VENNARO_SOURCE_DIR "/assets/pictures/picture0.bmp"));
    QVERIFY(!fine.isNull() && !coarse.isNull());
    for (int box = 0; box < Grid::CellCount; ++box) {
        const QRect inside = game_->toScreen(BoardReader::insideRect(box));
        if (!shot.rect().contains(inside))
            continue;
        const QImage shown = shot.copy(inside).convertToFormat(QImage::Format_RGB32);
        const QPoint cell(BoardReader::boxRect(box).topLeft() - BoardReader::boxRect(0).topLeft());
        const QImage fineCell = fine.copy(QRect(cell * 2, inside.size())).convertToFormat(QImage::Format_RGB32);
        const QImage doubled = coarse.copy(QRect(cell, BoardReader::insideRect(box).size()))
                                   .scaled(inside.size())
                                   .convertToFormat(QImage::Format_RGB32);
        const double toFine = ImageDifference::mean(shown, fineCell);
        const double toDoubled = ImageDifference::mean(shown, doubled);
        QVERIFY2(toFine < 1.0 && toFine < toDoubled,
                 qPrintable(QStringLiteral("box %1 differs from its fine cell by %2 and from the doubled one by %3")
                                .arg(box)
                                .arg(toFine)
                                .arg(toDoubled)));
    }
}

void DesktopTest::memoryStaysFlatOverMessageBoxes()
{
    if (qEnvironmentVariableIsEmpty("VENNARO_MEMORY_SOAK"))
        QSKIP("a soak of its own: ctest -L soak");
    startAndDeal(0);
    const int hole = Boards::hole(board_);
    // Two boxes away from the hole, taken in turn: two quick clicks on one
    // spot would make a double-click, which is one click.
    const QPoint refused[] = {
        game_->toScreen(GameScreen::boxCentre(GameScreen::boxAt(hole, 1, 1))),
        game_->toScreen(GameScreen::boxCentre(GameScreen::boxAt(hole, 0, 2))),
    };

    // Each round clicks a refused box and answers its message box, a hundred
    // rounds to a run of xdotool.
    const auto refuse = [&](int times) {
        QStringList commands;
        for (int round = 0; round < times; ++round) {
            const QPoint at = refused[round % 2];
            commands << QStringLiteral("mousemove %1 %2 click 1 sleep 0.05 key Return sleep 0.03").arg(at.x()).arg(at.y()).split(u' ');
        }
        constexpr int RoundMs = 400;
        return display_->xdotool(commands, times * RoundMs).has_value();
    };
    X_VERIFY(refuse(100));
    QTest::qWait(QuietMs);
    const qint64 early = residentKiB(game_->process().processId());
    for (int hundreds = 1; hundreds < 20; ++hundreds)
        X_VERIFY(refuse(100));
    QTest::qWait(QuietMs);
    const qint64 late = residentKiB(game_->process().processId());
    qInfo("resident memory after 100 refused clicks: %lld KiB, after 2000: %lld KiB", early, late);
    QVERIFY(early > 0);
    QVERIFY2(late - early < 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(late - early)));
}

QTEST_GUILESS_MAIN(DesktopTest)
#include "tst_e2e_desktop.moc"
