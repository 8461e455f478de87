#include "FormFixture.h"
#include "app/Translation.h"
#include "ui/ColorValue.h"
#include "ui/Layout.h"
#include "ui/CommandButton.h"
#include "ui/TileBox.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
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

// Within the control, clear of the 4 pixels next to its edge.
bool fits(const QFont &font, const QString &text, const QWidget &control)
{
    const QFontMetrics metrics(font);
    return metrics.size(Qt::TextShowMnemonic, text).width() < control.width() - 8 && metrics.height() <= control.height();
}

// What in the translation lupdate finds wanting once it has brought it up to
// the program's sources: texts it lacked, unfinished, or no longer used.
QString wanting(const QString &language)
{
    QTemporaryDir scratch;
    const QString ts = scratch.filePath(QStringLiteral("vennaro.ts"));
    QFile::copy(QStringLiteral(VENNARO_SOURCE_DIR "/translations/vennaro_%1.ts").arg(language), ts);
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(VENNARO_SOURCE_DIR));
    lupdate.start(QStringLiteral(VENNARO_LUPDATE), QStringLiteral("-silent -locations none -I . " VENNARO_TEXT_FOLDERS " -ts").split(u' ') << ts);
    QFile updated(ts);
    if (!lupdate.waitForFinished() || lupdate.exitCode() != 0 || !updated.open(QIODevice::ReadOnly))
        return QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(lupdate.readAllStandardError());
    const QString text = QString::fromUtf8(updated.readAll());
    const QRegularExpression wanted(QStringLiteral("<source>[^<]*</source>\\s*<translation( type=[^>]*>|></translation>)"));
    return wanted.match(text).captured();
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowSitsWhereTheLayoutPutsIt();
    void colorsOfAGrab();
    void tabOrderAndFirstFocus();
    void inEveryLanguage_data();
    void inEveryLanguage();
    void typingChoosesNothing_data();
    void typingChoosesNothing();
};

// The window, fixed, frameless and centred, its controls and its boxes, which
// tile the grid and read back their places in twips.
void WindowTest::windowSitsWhereTheLayoutPutsIt()
{
    FormFixture fixture;
    const frmMain &form = fixture.form;
    QCOMPARE(form.size(), QSize(567, 401));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(form.windowTitle().isEmpty());
    QCOMPARE(form.clientArea().geometry(), QRect(1, 1, 565, 399));
    const QRect screen = form.screen()->geometry();
    QVERIFY(qAbs(form.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(form.frameGeometry().center().y() - screen.center().y()) <= 1);
    const QList<std::tuple<const char *, const QWidget *, QRect>> places{
        {"Label1", &form.Label1(), {336, 16, 217, 49}}, {"Combo1", &form.Combo1(), {344, 96, 209, 27}},
        {"Frame2", &form.Frame2(), {344, 152, 209, 233}}, {"cmdStart", &form.cmdStart(), {352, 168, 81, 41}},
        {"cmdSolve", &form.cmdSolve(), {448, 168, 81, 41}}, {"Label2", &form.Label2(), {352, 240, 193, 25}},
        {"Text1", &form.Text1(), {400, 272, 81, 41}}, {"cmdExit", &form.cmdExit(), {400, 328, 81, 41}},
        {"Text2", &form.Text2(), {144, 384, 153, 33}}};
    for (const auto &[name, control, pixels] : places)
        QVERIFY2(onClient(*control, form.clientArea()) == pixels, name);

    QRegion covered;
    TileBox placed(0, nullptr);
    for (Integer box = 0; box < Grid::CellCount; ++box) {
        const TileBox &tile = form.Picture1(box);
        placed.place(Layout::tile(box));
        QCOMPARE(onClient(tile, form.clientArea()), placed.geometry());
        QCOMPARE(QPointF(tile.Left(), tile.Top()), QPointF(placed.Left(), placed.Top()));
        QCOMPARE(tile.Index(), box);
        QVERIFY(!covered.intersects(placed.geometry()));
        covered += placed.geometry();
    }
    QCOMPARE(covered, QRegion(16, 16, 312, 368));
    QCOMPARE(QPointF(form.Picture1(5).Left(), form.Picture1(5).Top()), QPointF(1410, 1620));
    QCOMPARE(QPointF(form.Picture1(15).Left(), form.Picture1(15).Top()), QPointF(3750, 4380));
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

void WindowTest::tabOrderAndFirstFocus()
{
    FormFixture fixture;
    QCOMPARE(QApplication::focusWidget(), &fixture.form.Combo1());

    fixture.startGame();
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

void WindowTest::inEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("accessKeys");
    QTest::newRow("en") << QStringLiteral("en") << QStringLiteral("SVX");
    const QStringList sources = QDir(QStringLiteral(VENNARO_SOURCE_DIR "/translations")).entryList({QStringLiteral("vennaro_*.ts")});
    QVERIFY(!sources.isEmpty());
    for (const QString &source : sources) {
        const QString language = source.sliced(8).chopped(3);
        QTest::newRow(qPrintable(language)) << language << QString();
    }
}

// Every text fits its control, the access keys are distinct and work, and the
// translation has every text of the program, finished.
void WindowTest::inEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, accessKeys);
    const Translation translation({language});
    QCOMPARE(translation.language(), language == u"en" ? QString() : language);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") == u"&Yes", translation.language().isEmpty());
    if (!translation.language().isEmpty())
        QCOMPARE(wanting(language), QString());

    FormFixture fixture;
    frmMain &form = fixture.form;
    const QComboBox &combo = form.Combo1();
    QList<QPair<const QWidget *, QString>> texts{{&form.Label1(), form.Label1().text()}, {&form.Label2(), form.Label2().text()},
                                                 {&form.Text1(), QStringLiteral("9999")}, {combo.lineEdit(), combo.currentText()}};
    for (int entry = 0; entry < combo.count(); ++entry)
        texts.append({combo.lineEdit(), combo.itemText(entry)});
    QString keys;
    for (CommandButton *button : {&form.cmdStart(), &form.cmdSolve(), &form.cmdExit()}) {
        texts.append({button, button->text()});
        // A caption drawn smaller than the button's own size would not fit one size up.
        QFont larger = button->font();
        larger.setPixelSize(larger.pixelSize() + 1);
        QVERIFY2(button->font().pixelSize() == 18 || !fits(larger, button->text(), *button), qPrintable(button->text()));
        keys += QChar(QKeySequence::mnemonic(button->text())[0].key());
    }
    for (const auto &[control, text] : texts) {
        QVERIFY2(fits(control->font(), text, *control), qPrintable(text));
        QVERIFY(control->font().bold());
    }
    QCOMPARE((QList<int>{form.Label1().font().pixelSize(), form.Label2().font().pixelSize(), combo.font().pixelSize(),
                         form.Text1().font().pixelSize()}), (QList<int>{37, 21, 16, 32}));
    QCOMPARE(QFontInfo(form.Label1().font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QSet<QChar>(keys.begin(), keys.end()).size(), 3);
    QVERIFY(!keys.contains(QChar()));
    if (!accessKeys.isEmpty())
        QCOMPARE(keys, accessKeys);

    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // An access key presses its button as a click, a moment later.
    const auto press = [&](int button) {
        QTest::sendKeyEvent(QTest::Click, &form, Qt::Key(keys[button].unicode()), keys[button].toLower(), Qt::AltModifier);
    };
    press(0);
    press(1);
    QTest::qWait(300);
    QCOMPARE(fixture.random.draws, 0);
    QVERIFY(fixture.messageBox.shown.isEmpty());

    fixture.messageBox.answers = {MessageBox::No};
    press(2);
    QTRY_COMPARE(fixture.messageBox.shown.size(), 1);
    QCOMPARE(fixture.messageBox.shown[0].title, QCoreApplication::translate("Quitting", "Quit?"));
    QVERIFY(fixture.programEnd.statuses.isEmpty());

    fixture.choose(1);
    press(0);
    QTRY_VERIFY(fixture.events.state().GameStarted);
    QVERIFY(fixture.random.draws >= 16);
    press(1);
    QTRY_VERIFY(!fixture.events.state().GameStarted);
}

void WindowTest::typingChoosesNothing_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("shown");
    const QString none = QStringLiteral("Choose a picture");
    const QString chosen = QStringLiteral("Stained Glass");
    QTest::newRow("a new title, Return") << "" << "Sunset" << QKeySequence(Qt::Key_Return) << "Sunset";
    QTest::newRow("a title's start, Return") << "" << "F" << QKeySequence(Qt::Key_Return) << "Fractal Reef";
    QTest::newRow("leaving backwards") << "" << "F" << QKeySequence(Qt::Key_Backtab) << none;
    QTest::newRow("Exit before a choice") << "" << "F" << QKeySequence(Qt::ALT | Qt::Key_X) << none;
    QTest::newRow("leaving after a choice") << "choose" << "F" << QKeySequence(Qt::Key_Tab) << chosen;
    QTest::newRow("Start") << "choose" << "F" << QKeySequence(Qt::ALT | Qt::Key_S) << chosen;
    QTest::newRow("Solve") << "deal" << "F" << QKeySequence(Qt::ALT | Qt::Key_V) << chosen;
    QTest::newRow("Exit") << "deal" << "F" << QKeySequence(Qt::ALT | Qt::Key_X) << chosen;
}

// Typed text chooses nothing, with Return, by leaving the list or by a
// command's access key; the last two show again what the list showed before.
void WindowTest::typingChoosesNothing()
{
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QKeySequence, key);
    QFETCH(QString, shown);
    FormFixture fixture;
    QComboBox &combo = fixture.form.Combo1();
    combo.setFocus();
    // The arrow keys choose entries, each choice a click of the list.
    for (int entry = 0; entry <= 1 && !before.isEmpty(); ++entry)
        QTest::keyClick(&combo, Qt::Key_Down);
    if (before == QLatin1String("deal"))
        fixture.start();
    combo.setFocus();
    combo.lineEdit()->selectAll();
    QTest::keyClicks(&combo, typed);
    QTest::keyClick(&combo, key[0].key(), key[0].keyboardModifiers());
    QTRY_COMPARE(combo.currentText(), shown);
    QCOMPARE(combo.count(), 3);
    QCOMPARE(fixture.form.Text2().text(), before.isEmpty() ? QStringLiteral("Text2") : QStringLiteral("1"));
    QCOMPARE(fixture.form.cmdStart().isEnabled(), !before.isEmpty());
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
