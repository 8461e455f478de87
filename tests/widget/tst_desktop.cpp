#include "FormFixture.h"
#include "app/QtMessageBox.h"
#include "runtime/QtProgramEnd.h"
#include "ui/CommandButton.h"
#include "ui/TileBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

class DesktopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quitQuestion_data();
    void quitQuestion();
    void openBoxAnswers_data();
    void openBoxAnswers();
    void wheelChoosesOnlyWithFocus_data();
    void wheelChoosesOnlyWithFocus();
    void clicksAndTaps_data();
    void clicksAndTaps();
    void counterShowsEveryDigit_data();
    void counterShowsEveryDigit();
    void programEndsAtOnce_data();
    void programEndsAtOnce();
};

void DesktopTest::quitQuestion_data()
{
    QTest::addColumn<bool>("closeRequest");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QList<int>>("statuses");
    QTest::newRow("Exit, No plays on") << false << int(MessageBox::No) << QList<int>{};
    QTest::newRow("Exit, Yes ends") << false << int(MessageBox::Yes) << QList<int>{0};
    QTest::newRow("close request, No plays on") << true << int(MessageBox::No) << QList<int>{};
    QTest::newRow("close request, Yes ends") << true << int(MessageBox::Yes) << QList<int>{0};
}

// A close request from outside asks as Exit does; the answer ends the program
// or leaves the game as it was, the focus where it was after a close request.
void DesktopTest::quitQuestion()
{
    QFETCH(bool, closeRequest);
    QFETCH(int, answer);
    QFETCH(QList<int>, statuses);
    FormFixture fixture;
    fixture.startGame();
    fixture.clickBesideHole();
    const Board board = fixture.board();
    QWidget *focus = QApplication::focusWidget();

    fixture.messageBox.answers = {answer};
    if (closeRequest)
        QVERIFY(!fixture.form.windowHandle()->close());
    else
        QTest::mouseClick(&fixture.form.cmdExit(), Qt::LeftButton);
    QCOMPARE(fixture.messageBox.shown.size(), 1);
    QCOMPARE(fixture.messageBox.shown[0].prompt, QStringLiteral("Are you sure you want to quit?"));
    QCOMPARE(fixture.messageBox.shown[0].title, QStringLiteral("Quit?"));
    QCOMPARE(fixture.messageBox.shown[0].style, 36);
    QCOMPARE(fixture.programEnd.statuses, statuses);
    QVERIFY(fixture.form.isVisible() && fixture.form.cmdSolve().isEnabled());
    QVERIFY(fixture.events.state().GameStarted);
    QCOMPARE(fixture.board(), board);
    QCOMPARE(fixture.counter(), QStringLiteral("1"));
    if (closeRequest)
        QCOMPARE(QApplication::focusWidget(), focus);
    fixture.clickBesideHole();
    QCOMPARE(fixture.counter(), QStringLiteral("2"));
}

void DesktopTest::openBoxAnswers_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QKeySequence>("repeated");
    QTest::addColumn<int>("answer");
    const int question = MessageBox::YesNo + MessageBox::Question;
    QTest::newRow("OK") << int(MessageBox::OkOnly) << QKeySequence() << int(MessageBox::Ok);
    QTest::newRow("question") << question << QKeySequence() << int(MessageBox::No);
    QTest::newRow("question, Return repeated") << question << QKeySequence(Qt::Key_Return) << int(MessageBox::No);
    QTest::newRow("question, Yes's access key repeated") << question << QKeySequence(Qt::ALT | Qt::Key_Y)
                                                         << int(MessageBox::No);
}

// With the real boxes open, a close request for the window asks nothing and
// a key the keyboard repeats answers nothing; one for the box answers as
// Escape does.
void DesktopTest::openBoxAnswers()
{
    QFETCH(int, style);
    QFETCH(QKeySequence, repeated);
    QFETCH(int, answer);
    FormFixture fixture;
    QtMessageBox boxes(&fixture.form);
    QTimer::singleShot(0, &fixture.form, [&fixture, repeated] {
        fixture.form.windowHandle()->close();
        QWidget *box = QApplication::activeModalWidget();
        if (!repeated.isEmpty()) {
            // Headless, the box does not take the focus by itself.
            QApplication::setActiveWindow(box);
            qt_handleKeyEvent(box->windowHandle(), QEvent::KeyPress, repeated[0].key(), repeated[0].keyboardModifiers(),
                              QString(), true);
            // An access key clicks its button a moment later.
            QTest::qWait(300);
        }
        box->close();
    });
    QCOMPARE(boxes.show(QStringLiteral("Cannot move !!!"), style), answer);
    QVERIFY(fixture.messageBox.shown.isEmpty());
    fixture.form.windowHandle()->close();
    QCOMPARE(fixture.messageBox.shown.size(), 1);
}

void DesktopTest::wheelChoosesOnlyWithFocus_data()
{
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QList<int>>("notches");
    QTest::addColumn<int>("entry");
    QTest::newRow("no focus") << false << QList<int>{-120, -120} << -1;
    QTest::newRow("focus, three down, one up") << true << QList<int>{-120, -120, -120, 120} << 1;
}

void DesktopTest::wheelChoosesOnlyWithFocus()
{
    QFETCH(bool, focused);
    QFETCH(QList<int>, notches);
    QFETCH(int, entry);
    FormFixture fixture;
    QComboBox &combo = fixture.form.Combo1();
    (focused ? static_cast<QWidget &>(combo) : fixture.form.cmdExit()).setFocus();
    QStringList choices;
    connect(&fixture.form.Text2(), &QLineEdit::textChanged, &combo, [&choices](const QString &text) { choices << text; });

    for (int angle : notches) {
        QWheelEvent notch(QPointF(5, 5), combo.mapToGlobal(QPointF(5, 5)), {}, {0, angle}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&combo, &notch);
    }
    // Each notch that moves is one choice, as an arrow key's.
    QCOMPARE(choices, focused ? QStringList({"0", "1", "2", "1"}) : QStringList());
    QCOMPARE(combo.currentIndex(), entry);
    QCOMPARE(fixture.form.cmdStart().isEnabled(), focused);
}

void DesktopTest::clicksAndTaps_data()
{
    QTest::addColumn<bool>("touch");
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<int>("hole");
    QTest::addColumn<int>("refusals");
    const int background = -1;
    QTest::newRow("double-click beside the hole") << false << QList<int>{14, 14} << "1" << 14 << 0;
    QTest::newRow("double-click away from the hole") << false << QList<int>{0, 0} << "0" << 15 << 1;
    QTest::newRow("beside it, then across the border back") << false << QList<int>{14, 15} << "2" << 15 << 0;
    QTest::newRow("tap beside the hole") << true << QList<int>{14} << "1" << 14 << 0;
    QTest::newRow("tap away from the hole") << true << QList<int>{0} << "0" << 15 << 1;
    QTest::newRow("taps beside it, then across the border back") << true << QList<int>{14, 15} << "2" << 15 << 0;
    QTest::newRow("tap on the background") << true << QList<int>{background} << "0" << 15 << 0;
}

// A click or a tap on the middle of each box given, or on the background. Two
// on boxes side by side go 3 pixels apart across their border, clicks 80 ms
// apart, for Qt to make a double-click of them; a double-click on one box is
// one click.
void DesktopTest::clicksAndTaps()
{
    QFETCH(bool, touch);
    QFETCH(QList<int>, boxes);
    QFETCH(QString, counter);
    QFETCH(int, hole);
    QFETCH(int, refusals);
    FormFixture fixture;
    fixture.startGame();
    fixture.arrange(Boards::inOrder());
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice());

    QList<QPoint> points;
    for (int box : boxes) {
        const TileBox &tile = fixture.form.Picture1(Integer(qMax(box, 0)));
        points << (box < 0 ? QPoint(8, 8) : tile.mapTo(&fixture.form, tile.rect().center()));
    }
    if (points.size() == 2 && boxes[0] != boxes[1]) {
        const QPoint border = (points[0] + points[1]) / 2;
        points = {border - QPoint(2, 0), border + QPoint(1, 0)};
    }
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (touch) {
            QTest::touchEvent(fixture.form.windowHandle(), touchScreen.get()).press(0, points[i]);
            QTest::touchEvent(fixture.form.windowHandle(), touchScreen.get()).release(0, points[i]);
            continue;
        }
        if (i > 0)
            QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - 80;
        QTest::mouseClick(fixture.form.windowHandle(), Qt::LeftButton, {}, points[i]);
    }
    QCOMPARE(fixture.counter(), counter);
    QCOMPARE(fixture.hole(), hole);
    QCOMPARE(fixture.messageBox.shown.size(), refusals);
}

void DesktopTest::counterShowsEveryDigit_data()
{
    QTest::addColumn<QString>("count");
    QTest::newRow("10000") << QStringLiteral("10000");
    QTest::newRow("999999") << QStringLiteral("999999");
    QTest::newRow("1000000") << QStringLiteral("1000000");
}

// The digits fit inside the frame and the two pixels a line edit keeps clear
// on either side, at the largest size that fits.
void DesktopTest::counterShowsEveryDigit()
{
    QFETCH(QString, count);
    FormFixture fixture;
    QLineEdit &field = fixture.form.Text1();
    const int fullSize = field.font().pixelSize();
    const int room = field.contentsRect().width() - 2 * (field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2);

    field.setText(count);
    QFont font = field.font();
    QVERIFY(QFontMetrics(font).horizontalAdvance(count) <= room);
    font.setPixelSize(font.pixelSize() + 1);
    QVERIFY(QFontMetrics(font).horizontalAdvance(count) > room);
    field.setText(QStringLiteral("0"));
    QCOMPARE(field.font().pixelSize(), fullSize);
}

void DesktopTest::programEndsAtOnce_data()
{
    QTest::addColumn<int>("state");
    QTest::newRow("before the event loop") << 0;
    QTest::newRow("in the event loop") << 1;
    QTest::newRow("under a message box") << 2;
}

// Each case runs in a copy of this test, which must end with the status given
// and never get back to its caller.
void DesktopTest::programEndsAtOnce()
{
    QFETCH(int, state);
    if (!qEnvironmentVariableIsSet("TST_DESKTOP_END_CHILD")) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TST_DESKTOP_END_CHILD"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("programEndsAtOnce:") + QTest::currentDataTag()});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 3);
        return;
    }
    FormFixture fixture;
    QtMessageBox boxes(&fixture.form);
    QtProgramEnd programEnd;
    QTimer::singleShot(0, &fixture.form, [&programEnd] { programEnd.end(3); });
    if (state == 0)
        programEnd.end(3);
    else if (state == 1)
        QApplication::exec();
    else
        boxes.show(QStringLiteral("Cannot move !!!"), MessageBox::OkOnly);
    QFAIL("the program went on after its end");
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
