#include "FormFixture.h"
#include "app/Translation.h"
#include "ui/ColorValue.h"
#include "ui/Layout.h"
#include "ui/CommandButton.h"
#include "ui/TileBox.h"

#include <QComboBox>
#include <QDir>
#include <QGlyphRun>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextLayout>
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

// Within the control, clear of the 4 pixels next to its edge, drawn whole in
// one face that has all its letters: no missing-glyph box, and no letters
// filled in from another face.
bool fits(const QFont &font, const QString &text, const QWidget &control)
{
    QTextLayout layout(QString(text).remove(u'&'), font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return runs.size() == 1 && !runs[0].glyphIndexes().contains(0)
        && QFontMetrics(font).size(Qt::TextHideMnemonic, text).width() < control.width() - 8
        && qRound(line.ascent()) + QFontMetrics(font).tightBoundingRect(layout.text()).bottom() < control.height();
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
    const QRegularExpression wanted(
        QStringLiteral("<source>[^<]*</source>\\s*(<(extra|translator)?comment>[^<]*</\\w+>\\s*)*<translation( type=[^>]*>|></translation>)"));
    return wanted.match(text).captured();
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void windowInEitherDirection();
    void inEveryLanguage_data();
    void inEveryLanguage();
    void typingChoosesNothing_data();
    void typingChoosesNothing();
};

// A fixed, frameless window centred on the screen, its controls in their tab
// order, the list first. Also where a right-to-left
// language turns the application's direction, it is not mirrored: every
// control where the layout puts it and in its colours, and a dealt picture on
// the board as it is.
void WindowTest::windowInEitherDirection()
{
    QList<QImage> boards;
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QGuiApplication::setLayoutDirection(direction);
        FormFixture fixture;
        frmMain &form = fixture.form;
        QVERIFY(form.size() == QSize(567, 401) && form.minimumSize() == form.maximumSize());
        QVERIFY((form.windowFlags() & Qt::FramelessWindowHint) && form.windowTitle().isEmpty());
        QCOMPARE(form.clientArea().geometry(), QRect(1, 1, 565, 399));
        const QPoint offCentre = form.frameGeometry().center() - form.screen()->geometry().center();
        QVERIFY(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1);
        const QList<std::tuple<const char *, const QWidget *, QRect>> places{
            {"Label1", &form.Label1(), {336, 16, 217, 49}}, {"Combo1", &form.Combo1(), {344, 96, 209, 27}},
            {"Frame2", &form.Frame2(), {344, 152, 209, 233}}, {"cmdStart", &form.cmdStart(), {352, 168, 81, 41}},
            {"cmdSolve", &form.cmdSolve(), {448, 168, 81, 41}}, {"Label2", &form.Label2(), {352, 240, 193, 25}},
            {"Text1", &form.Text1(), {400, 272, 81, 41}}, {"cmdExit", &form.cmdExit(), {400, 328, 81, 41}},
            {"Text2", &form.Text2(), {144, 384, 153, 33}}};
        for (const auto &[name, control, pixels] : places)
            QVERIFY2(onClient(*control, form.clientArea()) == pixels, name);

        const QColor black(Qt::black), peach = colorOf(ColorValue::LightPeach), orange = colorOf(ColorValue::LightOrange),
                     cyan = colorOf(ColorValue::LightCyan);
        // Points from a control's top-left corner, or when negative from its
        // bottom-right one. Button faces keep their colour while disabled.
        QList<std::tuple<const QWidget *, QPoint, QColor>> points{
            {&form, {0, 0}, black}, {&form, {-1, -1}, black}, {&form.clientArea(), {5, 5}, peach}, {&form.clientArea(), {560, 390}, peach},
            {&form.Label1(), {2, 2}, peach}, {&form.Label2(), {2, 2}, peach}, {&form.Frame2(), {5, 5}, peach}, {&form.Text1(), {6, 20}, peach}};
        for (const QWidget *button : {&form.cmdStart(), &form.cmdSolve(), &form.cmdExit()})
            points << std::tuple{button, QPoint(4, 4), orange} << std::tuple{button, QPoint(-5, -5), orange};
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
            points << std::tuple{&tile, QPoint(0, 0), black} << std::tuple{&tile, QPoint(-1, -1), black}
                   << std::tuple{&tile, QPoint(1, 1), cyan} << std::tuple{&tile, tile.rect().center(), cyan};
        }
        QCOMPARE(covered, QRegion(16, 16, 312, 368));
        QCOMPARE(QPointF(form.Picture1(5).Left(), form.Picture1(5).Top()), QPointF(1410, 1620));
        QCOMPARE(QPointF(form.Picture1(15).Left(), form.Picture1(15).Top()), QPointF(3750, 4380));
        const QImage window = grabbed(fixture.form);
        for (const auto &[control, point, color] : points) {
            const QPoint inside(point.x() < 0 ? control->width() + point.x() : point.x(), point.y() < 0 ? control->height() + point.y() : point.y());
            QCOMPARE(window.pixelColor(control->mapTo(&form, inside)), color);
        }
        const QImage title = grabbed(fixture.form.Label1()).convertToFormat(QImage::Format_RGB32);
        const auto *pixels = reinterpret_cast<const QRgb *>(title.constBits());
        QVERIFY(std::count(pixels, pixels + title.width() * title.height(), colorOf(ColorValue::Navy).rgb()) > 0);
        QCOMPARE(form.Combo1().palette().color(QPalette::Base), peach);

        QCOMPARE(QApplication::focusWidget(), &form.Combo1());

        fixture.startGame();
        boards << grabbed(fixture.form.clientArea()).copy(covered.boundingRect());
        form.Picture1(2).setFocus();
        QList<QWidget *> expected;
        for (Integer box : {2, 6, 10, 14, 15, 11, 7, 0, 13, 12, 9, 8, 5, 4, 3, 1})
            expected << &form.Picture1(box);
        expected << &form.Combo1() << &form.cmdExit() << &form.cmdSolve() << &form.cmdStart() << &form.Text1() << &form.Picture1(2);
        for (QWidget *next : std::as_const(expected)) {
            QCOMPARE(QApplication::focusWidget(), next);
            QTest::keyClick(next, Qt::Key_Tab);
        }
    }
    QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
    QCOMPARE(boards[1], boards[0]);
}

void WindowTest::inEveryLanguage_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("language");
    // How a desktop's settings choose, as they do for its other programs.
    for (const auto &[desktop, language] :
         {std::pair{"LANG=de_DE.UTF-8 LC_MESSAGES=POSIX LANGUAGE=de", ""}, {"LANGUAGE=de", ""}, {"LANG=C.UTF-8 LANGUAGE=en_GB:de", ""},
          {"LANG=C.UTF-8 LANGUAGE=xx:fr_CA:de", "fr"}, {"LANG=it_IT.UTF-8 LC_ALL= LC_MESSAGES=ca_ES.UTF-8@valencia", "ca"},
          {"LANG=de_DE.UTF-8 LC_ALL=pt_PT.UTF-8", "pt"}, {"LANG=pt_BR.UTF-8", "pt_BR"}, {"LANG=de_DE.UTF-8 LANGUAGE=sr@latin", "sr"}})
        QTest::newRow(desktop) << QString::fromLatin1(desktop) << QString::fromLatin1(language);
    const QStringList sources = QDir(QStringLiteral(VENNARO_SOURCE_DIR "/translations")).entryList({QStringLiteral("vennaro_*.ts")});
    QVERIFY(!sources.isEmpty());
    for (const QString &source : sources) {
        const QString language = source.sliced(8).chopped(3);
        QTest::newRow(qPrintable(language)) << QStringLiteral("LANG=C.UTF-8 LANGUAGE=") + language << language;
    }
}

// In the language the desktop's settings choose, written in its direction:
// every text fits its control, drawn in fonts that have its letters, the
// access keys are distinct and work, and the translation has every text of
// the program, finished.
void WindowTest::inEveryLanguage()
{
    QFETCH(QString, desktop);
    QFETCH(QString, language);
    QProcessEnvironment environment;
    for (const QString &setting : desktop.split(u' '))
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    const Translation translation(Translation::desktopLanguages(environment));
    QCOMPARE(translation.language(), language);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") == u"&Yes", language.isEmpty());
    if (!language.isEmpty())
        QCOMPARE(wanting(language), QString());

    FormFixture fixture;
    frmMain &form = fixture.form;
    QCOMPARE(form.layoutDirection(), QLocale(language).textDirection());
    const QComboBox &combo = form.Combo1();
    QList<std::tuple<const QWidget *, QString, int>> texts{{&form.Label1(), form.Label1().text(), 37}, {&form.Label2(), form.Label2().text(), 21},
                                                           {&form.Text1(), QStringLiteral("9999"), 32}, {combo.lineEdit(), combo.currentText(), 16}};
    for (int entry = 0; entry < combo.count(); ++entry)
        texts.append({combo.lineEdit(), combo.itemText(entry), 16});
    QString keys;
    for (CommandButton *button : {&form.cmdStart(), &form.cmdSolve(), &form.cmdExit()}) {
        texts.append({button, button->text(), 18});
        keys += QChar(QKeySequence::mnemonic(button->text())[0].key());
        // The caption is shaped whole: without its access key it loses only
        // the key's underline, a band of a few rows, be the script joined
        // (Arabic) or clustered (Devanagari).
        const QString caption = button->text();
        const QImage marked = grabbed(*button);
        button->setText(QString(caption).remove(u'&'));
        const QImage plain = grabbed(*button);
        QList<int> rows;
        for (int y = 0; y < marked.height(); ++y)
            if (plain.copy(0, y, marked.width(), 1) != marked.copy(0, y, marked.width(), 1))
                rows << y;
        button->setText(caption);
        QVERIFY2(!rows.isEmpty() && rows.last() - rows.first() < 4, qPrintable(caption));
    }
    // In its control's own size, or smaller only where that would not fit.
    for (const auto &[control, text, size] : texts) {
        QFont larger = control->font();
        larger.setPixelSize(larger.pixelSize() + 1);
        QVERIFY2(fits(control->font(), text, *control) && control->font().bold(), qPrintable(text));
        QVERIFY2(!language.isEmpty() || QFontInfo(control->font()).family() == u"Liberation Sans", qPrintable(text));
        QVERIFY2(larger.pixelSize() == size + 1 || (larger.pixelSize() <= size && !fits(larger, text, *control)), qPrintable(text));
    }
    QCOMPARE(QFontInfo(form.Label1().font()).family(), QStringLiteral("Liberation Sans"));
    QVERIFY2(QSet<QChar>(keys.begin(), keys.end()).size() == 3 && !keys.contains(QChar()), qPrintable(keys));
    QVERIFY2(!language.isEmpty() || keys == u"SVX", qPrintable(keys));

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
