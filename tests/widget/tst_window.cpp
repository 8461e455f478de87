#include "FormFixture.h"
#include "ui/ColorValue.h"
#include "ui/Layout.h"
#include "ui/CommandButton.h"
#include "ui/TileBox.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QColor colorOf(std::uint32_t value)
{
    return ColorValue::toColor(value);
}

QImage grabbed(QWidget &widget)
{
    return widget.grab().toImage();
}

// A control's pixel rectangle within the client area.
QRect onClient(const QWidget &control, const QWidget &client)
{
    return QRect(control.mapTo(&client, QPoint(0, 0)), control.size());
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowIsFixedAndFrameless();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void tileGridInPixelsAndTwips();
    void colorsOfAGrab();
    void textsFitTheirControls();
    void creationOrder();
    void tabOrderAndFirstFocus();
    void accessKeys();
    void comboNeverGrowsAndTypingChoosesNothing();
    void tileBoxShowsItsCellInsideTheBorder();
};

void WindowTest::windowIsFixedAndFrameless()
{
    FormFixture fixture;
    QCOMPARE(fixture.form.size(), Layout::windowSize());
    QCOMPARE(fixture.form.minimumSize(), fixture.form.maximumSize());
    QVERIFY(fixture.form.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(fixture.form.windowTitle().isEmpty());
    QCOMPARE(fixture.form.clientArea().geometry(), QRect(QPoint(1, 1), Layout::clientSize()));
    const QRect screen = fixture.form.screen()->geometry();
    QVERIFY(qAbs(fixture.form.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(fixture.form.frameGeometry().center().y() - screen.center().y()) <= 1);
}

void WindowTest::controlsSitWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("Label1") << "Label1" << QRect(336, 16, 217, 49);
    QTest::newRow("Combo1") << "Combo1" << QRect(344, 96, 209, 27);
    QTest::newRow("Frame2") << "Frame2" << QRect(344, 152, 209, 233);
    QTest::newRow("cmdStart") << "cmdStart" << QRect(352, 168, 81, 41);
    QTest::newRow("cmdSolve") << "cmdSolve" << QRect(448, 168, 81, 41);
    QTest::newRow("Label2") << "Label2" << QRect(352, 240, 193, 25);
    QTest::newRow("Text1") << "Text1" << QRect(400, 272, 81, 41);
    QTest::newRow("cmdExit") << "cmdExit" << QRect(400, 328, 81, 41);
    QTest::newRow("Text2") << "Text2" << QRect(144, 384, 153, 33);
}

void WindowTest::controlsSitWhereTheLayoutPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    FormFixture fixture;
    const frmMain &form = fixture.form;
    const QHash<QString, const QWidget *> controls{
        {"Label1", &form.Label1()}, {"Combo1", &form.Combo1()}, {"Frame2", &form.Frame2()},
        {"cmdStart", &form.cmdStart()}, {"cmdSolve", &form.cmdSolve()}, {"Label2", &form.Label2()},
        {"Text1", &form.Text1()}, {"cmdExit", &form.cmdExit()}, {"Text2", &form.Text2()}};
    QCOMPARE(onClient(*controls.value(name), form.clientArea()), pixels);
}

void WindowTest::tileGridInPixelsAndTwips()
{
    FormFixture fixture;
    QRegion covered;
    for (Integer box = 0; box < Grid::CellCount; ++box) {
        const TileBox &tile = fixture.form.Picture1(box);
        const QRect expected = Twips::toPixels(Layout::tile(box));
        QCOMPARE(onClient(tile, fixture.form.clientArea()), expected);
        QCOMPARE(tile.Left(), float(Layout::tile(box).left));
        QCOMPARE(tile.Top(), float(Layout::tile(box).top));
        QCOMPARE(tile.Index(), box);
        QVERIFY(!covered.intersects(expected));
        covered += expected;
    }
    QCOMPARE(covered, QRegion(QRect(Twips::toPixels(Layout::tile(0)).topLeft(),
                                    Twips::toPixels(Layout::tile(Grid::LastCell)).bottomRight())));
    QCOMPARE(fixture.form.Picture1(5).Left(), 1410.0f);
    QCOMPARE(fixture.form.Picture1(5).Top(), 1620.0f);
    QCOMPARE(fixture.form.Picture1(15).Left(), 3750.0f);
    QCOMPARE(fixture.form.Picture1(15).Top(), 4380.0f);
}

void WindowTest::colorsOfAGrab()
{
    FormFixture fixture;
    const QImage window = grabbed(fixture.form);
    const QColor peach = colorOf(ColorValue::LightPeach);
    QCOMPARE(window.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(window.pixelColor(window.rect().bottomRight()), QColor(Qt::black));
    QCOMPARE(window.pixelColor(1 + 5, 1 + 5), peach);
    QCOMPARE(window.pixelColor(1 + 560, 1 + 390), peach);
    for (Integer box = 0; box < Grid::CellCount; ++box) {
        const QRect tile = Twips::toPixels(Layout::tile(box)).translated(1, 1);
        QCOMPARE(window.pixelColor(tile.topLeft()), QColor(Qt::black));
        QCOMPARE(window.pixelColor(tile.bottomRight()), QColor(Qt::black));
        QCOMPARE(window.pixelColor(tile.topLeft() + QPoint(1, 1)), colorOf(ColorValue::LightCyan));
        QCOMPARE(window.pixelColor(tile.center()), colorOf(ColorValue::LightCyan));
    }
    // Button faces keep their colour while disabled.
    for (CommandButton *button : {&fixture.form.cmdStart(), &fixture.form.cmdSolve(), &fixture.form.cmdExit()}) {
        const QImage face = grabbed(*button);
        QCOMPARE(face.pixelColor(4, 4), colorOf(ColorValue::LightOrange));
        QCOMPARE(face.pixelColor(face.width() - 5, face.height() - 5), colorOf(ColorValue::LightOrange));
    }
    const QImage title = grabbed(fixture.form.Label1());
    QCOMPARE(title.pixelColor(2, 2), peach);
    bool navyText = false;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            navyText |= title.pixelColor(x, y) == colorOf(ColorValue::Navy);
    QVERIFY(navyText);
    QCOMPARE(grabbed(fixture.form.Label2()).pixelColor(2, 2), peach);
    QCOMPARE(grabbed(fixture.form.Frame2()).pixelColor(5, 5), peach);
    QCOMPARE(grabbed(fixture.form.Text1()).pixelColor(6, 20), peach);
    QCOMPARE(fixture.form.Combo1().palette().color(QPalette::Base), peach);
}

void WindowTest::textsFitTheirControls()
{
    FormFixture fixture;
    const frmMain &form = fixture.form;
    const QList<QPair<const QWidget *, QString>> texts{
        {&form.Label1(), form.Label1().text()}, {&form.Label2(), form.Label2().text()},
        {&form.cmdStart(), QStringLiteral("Start")}, {&form.cmdSolve(), QStringLiteral("Solve")},
        {&form.cmdExit(), QStringLiteral("Exit")}, {&form.Combo1(), QStringLiteral("Choose a picture")},
        {&form.Text1(), QStringLiteral("9999")}};
    for (const auto &[control, text] : texts) {
        const QFontMetrics metrics(control->font());
        QVERIFY2(metrics.horizontalAdvance(text) < control->width() - 8, qPrintable(text));
        QVERIFY2(metrics.height() <= control->height(), qPrintable(text));
        QVERIFY(control->font().bold());
    }
    QCOMPARE(form.Label1().font().pixelSize(), 37);
    QCOMPARE(form.Label2().font().pixelSize(), 21);
    QCOMPARE(form.Combo1().font().pixelSize(), 16);
    QCOMPARE(form.cmdStart().font().pixelSize(), 18);
    QCOMPARE(form.Text1().font().pixelSize(), 32);
    QCOMPARE(QFontInfo(form.Label1().font()).family(), QStringLiteral("Liberation Sans"));
}

void WindowTest::creationOrder()
{
    FormFixture fixture;
    QStringList order;
    for (QObject *child : fixture.form.clientArea().children()) {
        if (auto *tile = qobject_cast<TileBox *>(child))
            order << QString::number(tile->Index());
        else if (child == &fixture.form.Frame2()) order << "Frame2";
        else if (child == &fixture.form.Combo1()) order << "Combo1";
        else if (child == &fixture.form.Text2()) order << "Text2";
        else if (child == &fixture.form.Label1()) order << "Label1";
    }
    QCOMPARE(order.join(' '), QStringLiteral("Frame2 Combo1 1 3 4 5 8 9 12 13 0 7 11 15 14 10 6 2 Text2 Label1"));
    const QObjectList inFrame = fixture.form.Frame2().children();
    const QObjectList expected{&fixture.form.Text1(), &fixture.form.cmdStart(), &fixture.form.cmdSolve(),
                               &fixture.form.cmdExit(), &fixture.form.Label2()};
    QCOMPARE(inFrame, expected);
}

void WindowTest::tabOrderAndFirstFocus()
{
    FormFixture fixture;
    QApplication::setActiveWindow(&fixture.form);
    QVERIFY(QTest::qWaitForWindowActive(&fixture.form));
    QCOMPARE(QApplication::focusWidget(), &fixture.form.Combo1());

    fixture.choose(0);
    fixture.start();
    frmMain &form = fixture.form;
    form.Picture1(2).setFocus();
    QList<QWidget *> expected;
    for (Integer box : {2, 6, 10, 14, 15, 11, 7, 0, 13, 12, 9, 8, 5, 4, 3, 1})
        expected << &form.Picture1(box);
    expected << &form.Combo1() << &form.cmdExit() << &form.cmdSolve() << &form.cmdStart() << &form.Text1()
             << &form.Picture1(2);
    QList<QWidget *> visited{QApplication::focusWidget()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, expected);
}

void WindowTest::accessKeys()
{
    FormFixture fixture;
    QApplication::setActiveWindow(&fixture.form);
    QVERIFY(QTest::qWaitForWindowActive(&fixture.form));
    // An access key presses its button as a click, a moment later.
    QTest::keyClick(&fixture.form, Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(&fixture.form, Qt::Key_V, Qt::AltModifier);
    QTest::qWait(300);
    QCOMPARE(fixture.random.draws, 0);
    QVERIFY(fixture.messageBox.shown.isEmpty());

    fixture.messageBox.answers = {MessageBox::No};
    QTest::keyClick(&fixture.form, Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(fixture.messageBox.shown.size(), 1);
    QCOMPARE(fixture.messageBox.shown[0].title, QStringLiteral("Quit?"));
    QVERIFY(fixture.programEnd.statuses.isEmpty());

    fixture.choose(1);
    QTest::keyClick(&fixture.form, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(fixture.events.state().GameStarted);
    QVERIFY(fixture.random.draws >= 16);
    QTest::keyClick(&fixture.form, Qt::Key_V, Qt::AltModifier);
    QTRY_VERIFY(!fixture.events.state().GameStarted);
}

// Typed text chooses nothing, with Return or by leaving the list, which
// shows again what it showed before.
void WindowTest::comboNeverGrowsAndTypingChoosesNothing()
{
    FormFixture fixture;
    QApplication::setActiveWindow(&fixture.form);
    QVERIFY(QTest::qWaitForWindowActive(&fixture.form));
    QComboBox &combo = fixture.form.Combo1();
    const auto type = [&](const QString &text, Qt::Key key) {
        combo.setFocus();
        combo.lineEdit()->selectAll();
        QTest::keyClicks(&combo, text);
        QTest::keyClick(&combo, key);
    };
    type(QStringLiteral("Sunset"), Qt::Key_Return);
    type(QStringLiteral("F"), Qt::Key_Return);
    type(QStringLiteral("F"), Qt::Key_Backtab);
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.currentText(), QStringLiteral("Choose a picture"));
    QCOMPARE(fixture.form.Text2().text(), QStringLiteral("Text2"));
    QVERIFY(!fixture.form.cmdStart().isEnabled());

    // The arrow keys choose entries, each choice a click of the list.
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(fixture.form.Text2().text(), QStringLiteral("0"));
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(fixture.form.Text2().text(), QStringLiteral("1"));
    type(QStringLiteral("F"), Qt::Key_Tab);
    QCOMPARE(combo.currentText(), QStringLiteral("Stained Glass"));
    QCOMPARE(fixture.form.Text2().text(), QStringLiteral("1"));
    QVERIFY(fixture.form.Text1().isReadOnly());
}

void WindowTest::tileBoxShowsItsCellInsideTheBorder()
{
    FormFixture fixture;
    fixture.choose(2);
    for (Integer box : {0, 7, 15}) {
        const QImage tile = grabbed(fixture.form.Picture1(box));
        const QImage cell = fixture.form.PictureClip1(2).cellPicture(box)->image();
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 76; ++x)
                QCOMPARE(tile.pixel(1 + x, 1 + y), cell.pixel(x, y));
        QCOMPARE(tile.pixelColor(0, 0), QColor(Qt::black));
    }
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
