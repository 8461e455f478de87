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

class DesktopTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void quitQuestion_data();
    void quitQuestion();
    void closeRequestUnderAnOpenBoxAsksNothing();
    void wheelChoosesOnlyWithFocus_data();
    void wheelChoosesOnlyWithFocus();
    void doubleClickIsOneClick_data();
    void doubleClickIsOneClick();
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

// With the real boxes open, a close request for the window asks nothing; one
// for the box answers as Escape does.
void DesktopTest::closeRequestUnderAnOpenBoxAsksNothing()
{
    FormFixture fixture;
    QtMessageBox boxes(&fixture.form);
    const std::pair<int, int> styleAndAnswer[] = {{MessageBox::OkOnly, MessageBox::Ok},
                                                   {MessageBox::YesNo + MessageBox::Question, MessageBox::No}};
    for (const auto &[style, answer] : styleAndAnswer) {
        QTimer::singleShot(0, &fixture.form, [&fixture] {
            fixture.form.windowHandle()->close();
            QApplication::activeModalWidget()->close();
        });
        QCOMPARE(boxes.show(QStringLiteral("Cannot move !!!"), style), answer);
        QVERIFY(fixture.messageBox.shown.isEmpty());
    }
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
    QApplication::setActiveWindow(&fixture.form);
    QVERIFY(QTest::qWaitForWindowActive(&fixture.form));
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

void DesktopTest::doubleClickIsOneClick_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("counter");
    QTest::addColumn<int>("hole");
    QTest::addColumn<int>("refusals");
    QTest::newRow("beside the hole") << 14 << 14 << QStringLiteral("1") << 14 << 0;
    QTest::newRow("away from the hole") << 0 << 0 << QStringLiteral("0") << 15 << 1;
    QTest::newRow("beside it, then across the border back") << 14 << 15 << QStringLiteral("2") << 15 << 0;
}

// Two presses 80 ms apart, on one spot of one box or 3 pixels apart across
// the border to the box on its right: Qt makes a double-click of both.
void DesktopTest::doubleClickIsOneClick()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, counter);
    QFETCH(int, hole);
    QFETCH(int, refusals);
    FormFixture fixture;
    fixture.startGame();
    fixture.arrange(Boards::inOrder());

    const TileBox &one = fixture.form.Picture1(Integer(first));
    const TileBox &other = fixture.form.Picture1(Integer(second));
    const QPoint border =
        (one.mapTo(&fixture.form, one.rect().center()) + other.mapTo(&fixture.form, other.rect().center())) / 2;
    const QPoint step = first == second ? QPoint() : QPoint(1, 0);
    QTest::mouseClick(fixture.form.windowHandle(), Qt::LeftButton, {}, border - 2 * step);
    QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - 80;
    QTest::mouseClick(fixture.form.windowHandle(), Qt::LeftButton, {}, border + step);
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
