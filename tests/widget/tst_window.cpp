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
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

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

// The messages of a translation source, as "context|source text".
struct TsMessages {
    QStringList all;
    QStringList untranslated;
};

TsMessages readTs(const QString &path)
{
    TsMessages messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = context + u'|' + xml.readElementText();
        } else if (xml.name() == u"translation") {
            const bool finished = !xml.attributes().hasAttribute(QLatin1String("type"));
            messages.all << source;
            if (!finished || xml.readElementText().isEmpty())
                messages.untranslated << source;
        }
    }
    messages.all.sort();
    return messages;
}

// What lupdate finds in the program's sources now.
QStringList programTexts()
{
    static const QStringList texts = [] {
        QTemporaryDir scratch;
        const QString ts = scratch.filePath(QStringLiteral("vennaro.ts"));
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(VENNARO_SOURCE_DIR));
        lupdate.start(QStringLiteral(VENNARO_LUPDATE), QStringList{QStringLiteral("-silent"), QStringLiteral("-locations"),
                      QStringLiteral("none"), QStringLiteral("-I"), QStringLiteral(".")}
                          + QStringLiteral(VENNARO_TEXT_FOLDERS).split(u' ') + QStringList{QStringLiteral("-ts"), ts});
        if (!lupdate.waitForFinished() || lupdate.exitCode() != 0)
            qFatal("lupdate failed: %s", lupdate.readAllStandardError().constData());
        return readTs(ts).all;
    }();
    return texts;
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
    void creationOrder();
    void tabOrderAndFirstFocus();
    void inEveryLanguage_data();
    void inEveryLanguage();
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
    if (!translation.language().isEmpty()) {
        const TsMessages messages = readTs(QStringLiteral(VENNARO_SOURCE_DIR "/translations/vennaro_%1.ts").arg(language));
        QCOMPARE(messages.all, programTexts());
        QVERIFY2(messages.untranslated.isEmpty(), qPrintable(messages.untranslated.join(u'\n')));
    }

    FormFixture fixture;
    frmMain &form = fixture.form;
    const QComboBox &combo = form.Combo1();
    QList<QPair<const QWidget *, QString>> texts{{&form.Label1(), form.Label1().text()}, {&form.Label2(), form.Label2().text()},
                                                 {&form.Text1(), QStringLiteral("9999")}, {combo.lineEdit(), combo.currentText()}};
    for (int entry = 0; entry < combo.count(); ++entry)
        texts.append({combo.lineEdit(), combo.itemText(entry)});
    QList<QKeyCombination> keys;
    QString keyLetters;
    for (CommandButton *button : {&form.cmdStart(), &form.cmdSolve(), &form.cmdExit()}) {
        texts.append({button, button->text()});
        // A caption drawn smaller than the button's own size would not fit one size up.
        QFont larger = button->font();
        larger.setPixelSize(larger.pixelSize() + 1);
        QVERIFY2(button->font().pixelSize() == 18 || !fits(larger, button->text(), *button), qPrintable(button->text()));
        keys << QKeySequence::mnemonic(button->text())[0];
        keyLetters += QChar(keys.last().key());
    }
    for (const auto &[control, text] : texts) {
        QVERIFY2(fits(control->font(), text, *control), qPrintable(text));
        QVERIFY(control->font().bold());
    }
    QCOMPARE(form.Label1().font().pixelSize(), 37);
    QCOMPARE(form.Label2().font().pixelSize(), 21);
    QCOMPARE(combo.font().pixelSize(), 16);
    QCOMPARE(form.Text1().font().pixelSize(), 32);
    QCOMPARE(QFontInfo(form.Label1().font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(QSet<QKeyCombination>(keys.begin(), keys.end()).size(), 3);
    QVERIFY(!keys.contains(QKeyCombination(Qt::AltModifier, Qt::Key(0))));
    if (!accessKeys.isEmpty())
        QCOMPARE(keyLetters, accessKeys);

    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // An access key presses its button as a click, a moment later.
    const auto press = [&](int button) {
        const Qt::Key key = keys[button].key();
        QTest::sendKeyEvent(QTest::Click, &form, key, QChar(key).toLower(), Qt::AltModifier);
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

void WindowTest::comboNeverGrowsAndTypingChoosesNothing()
{
    FormFixture fixture;
    QComboBox &combo = fixture.form.Combo1();
    combo.setFocus();
    combo.lineEdit()->selectAll();
    QTest::keyClicks(&combo, QStringLiteral("Sunset"));
    QTest::keyClick(&combo, Qt::Key_Return);
    QCOMPARE(combo.count(), 3);
    QCOMPARE(fixture.form.Text2().text(), QStringLiteral("Text2"));
    QVERIFY(!fixture.form.cmdStart().isEnabled());

    // The arrow keys choose entries, each choice a click of the list.
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(fixture.form.Text2().text(), QStringLiteral("0"));
    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(fixture.form.Text2().text(), QStringLiteral("1"));
    QCOMPARE(fixture.events.state().PictureChoice, Integer(1));
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
