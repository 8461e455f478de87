#include "GameSession.h"

#include <QTest>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

const QColor Black(0, 0, 0);
const QColor Peach(255, 224, 192);
const QColor LightCyan(192, 255, 255);
const QColor LightOrange(255, 192, 128);
const QColor Navy(0, 0, 128);

QList<QRect> outline(const QRect &rect)
{
    return {QRect(rect.topLeft(), QSize(rect.width(), 1)), QRect(rect.bottomLeft(), QSize(rect.width(), 1)),
            QRect(rect.topLeft(), QSize(1, rect.height())), QRect(rect.topRight(), QSize(1, rect.height()))};
}

QList<QRect> pixels(const QList<QPoint> &points)
{
    QList<QRect> rects;
    for (const QPoint &point : points)
        rects << QRect(point, QSize(1, 1));
    return rects;
}

// Corners and side middles a few pixels in, clear of captions and edges.
QList<QRect> innerSamples(const QRect &rect, int inset)
{
    const QRect inner = rect.adjusted(inset, inset, -inset, -inset);
    return pixels({inner.topLeft(), inner.topRight(), inner.bottomLeft(), inner.bottomRight(),
                   QPoint(inner.left(), inner.center().y()), QPoint(inner.right(), inner.center().y())});
}

} // namespace

class EndToEndTest : public QObject, GameSession
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void window();
    void quit();
    void choosePictureWithMouse();
    void choosePictureWithKeys();
    void play();

private:
    // On the screen shot, the first client rectangle not all of colour,
    // described; empty when all are.
    QString offColour(const QImage &shot, const QList<QRect> &rects, const QColor &colour, const QString &what) const;
    QStringList windowFaults(const QImage &shot) const;
    enum class Ask { WithKeys, WithExitButton };
    struct QuestionBox {
        QString window;
        QString title;
    };
    // Opens the question box and answers it with the keys.
    std::optional<QuestionBox> answerQuestion(Ask ask, const QStringList &keys) const;
};

void EndToEndTest::initTestCase()
{
    openDisplay();
}

void EndToEndTest::init()
{
    startGame();
}

void EndToEndTest::cleanup()
{
    endGame();
}

void EndToEndTest::cleanupTestCase()
{
    display_.reset();
}

QString EndToEndTest::offColour(const QImage &shot, const QList<QRect> &rects, const QColor &colour,
                                const QString &what) const
{
    for (const QRect &rect : rects) {
        QImage plain(rect.size(), QImage::Format_RGB32);
        plain.fill(colour);
        if (shot.copy(game_->toScreen(rect)) != plain)
            return QStringLiteral("%1 at client (%2,%3), %4 x %5, is not all %6")
                .arg(what)
                .arg(rect.x())
                .arg(rect.y())
                .arg(rect.width())
                .arg(rect.height())
                .arg(colour.name());
    }
    return {};
}

QStringList EndToEndTest::windowFaults(const QImage &shot) const
{
    const QRect client(QPoint(), Layout::clientSize());
    QStringList faults{
        offColour(shot, outline(client.adjusted(-1, -1, 1, 1)), Black, QStringLiteral("window border")),
        offColour(shot,
                  pixels({QPoint(4, 4), QPoint(560, 4), QPoint(4, 394), QPoint(560, 394), QPoint(332, 200), QPoint(340, 140),
                   QPoint(350, 300), QPoint(540, 300), QPoint(440, 190), QPoint(440, 377)}),
                  Peach, QStringLiteral("background")),
        offColour(shot, innerSamples(GameScreen::TitleLabel, 2), Peach, QStringLiteral("title background")),
        offColour(shot, innerSamples(GameScreen::Counter, 5), Peach, QStringLiteral("counter background")),
    };
    for (int box = 0; box < BoardReader::Boxes; ++box) {
        faults << offColour(shot, outline(BoardReader::boxRect(box)), Black, QStringLiteral("box %1 border").arg(box))
               << offColour(shot, {BoardReader::insideRect(box)}, LightCyan,
                            QStringLiteral("box %1 inside").arg(box));
    }
    for (const QRect &button : {GameScreen::StartButton, GameScreen::SolveButton, GameScreen::ExitButton})
        faults << offColour(shot, innerSamples(button, 4), LightOrange, QStringLiteral("button face"));
    const QImage title = shot.copy(game_->toScreen(GameScreen::TitleLabel));
    const auto *pixel = reinterpret_cast<const QRgb *>(title.constBits());
    if (std::none_of(pixel, pixel + title.width() * title.height(),
                     [](QRgb colour) { return (colour & RGB_MASK) == (Navy.rgb() & RGB_MASK); }))
        faults << QStringLiteral("the title has no navy pixel");
    faults.removeAll(QString());
    return faults;
}

std::optional<EndToEndTest::QuestionBox> EndToEndTest::answerQuestion(Ask ask, const QStringList &keys) const
{
    const bool asked = ask == Ask::WithKeys ? screen_->pressKeys({QStringLiteral("alt+x")})
                                            : game_->click(GameScreen::ExitButton.center());
    const std::optional<QString> box = asked ? screen_->waitForBox(QStringLiteral("^Quit\\?")) : std::nullopt;
    if (!box)
        return std::nullopt;
    const QString title = display_->name(*box);
    if (!display_->pressKeys(*box, keys))
        return std::nullopt;
    return QuestionBox{*box, title};
}

void EndToEndTest::window()
{
    const QRect geometry = game_->windowGeometry();
    QCOMPARE(geometry.size(), Layout::windowSize());
    const QPoint centred((display_->screenSize().width() - geometry.width()) / 2,
                         (display_->screenSize().height() - geometry.height()) / 2);
    QVERIFY2(std::abs(geometry.x() - centred.x()) <= 1 && std::abs(geometry.y() - centred.y()) <= 1,
             qPrintable(QStringLiteral("window at (%1,%2), centred is (%3,%4)")
                            .arg(geometry.x())
                            .arg(geometry.y())
                            .arg(centred.x())
                            .arg(centred.y())));

    // With no window manager here nothing would frame the window anyway, so
    // what it asks of one counts too: decorations flag set, decorations none.
    QVERIFY(display_->isTopLevel(game_->window()));
    const QList<long> hints = display_->property(game_->window(), "_MOTIF_WM_HINTS");
    QVERIFY2(hints.size() >= 3, qPrintable(QStringLiteral("_MOTIF_WM_HINTS has %1 fields").arg(hints.size())));
    constexpr long DecorationsFlag = 0x2;
    QVERIFY((hints[0] & DecorationsFlag) != 0);
    QCOMPARE(hints[2], 0L);

    const QImage shot =
        display_->screenshotWhen([this](const QImage &screen) { return windowFaults(screen).isEmpty(); });
    X_VERIFY(!shot.isNull());
    const QStringList faults = windowFaults(shot);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void EndToEndTest::quit()
{
    // A dealt board, so that answering No can be seen to leave the game as it was.
    const QImage dealt = screen_->chooseAndDeal(0);
    X_VERIFY(!dealt.isNull());
    const Board board = screen_->boardOn(dealt, 0);

    // No by its button, then by its key; the box shown again starts on Yes.
    QStringList titles;
    for (const auto &[ask, keys] : {std::pair(Ask::WithKeys, QStringList{"Tab", "space"}),
                                    std::pair(Ask::WithExitButton, QStringList{"n"})}) {
        const std::optional<QuestionBox> box = answerQuestion(ask, keys);
        X_VERIFY(box);
        titles << box->title;
        X_VERIFY(display_->waitUntilGone(box->window));
        QCOMPARE(game_->process().state(), QProcess::Running);
        QVERIFY(display_->isMapped(game_->window()));
        QCOMPARE(screen_->showsBoard(0, board, screen_->counterOn(dealt)), QString());
    }

    const std::optional<QuestionBox> box = answerQuestion(Ask::WithKeys, {QStringLiteral("Return")});
    X_VERIFY(box);
    titles << box->title;
    QVERIFY2(game_->process().waitForFinished(1000), "the program still runs a second after Yes");
    QCOMPARE(game_->process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(game_->process().exitCode(), 0);
    for (const QString &shown : titles)
        QCOMPARE(shown, QStringLiteral("Quit?"));
}

void EndToEndTest::choosePictureWithMouse()
{
    for (int entry : {1, 2, 0}) {
        X_VERIFY(screen_->chooseWithMouse(entry));
        QCOMPARE(screen_->showsWhole(entry), QString());
    }
}

void EndToEndTest::choosePictureWithKeys()
{
    struct Step {
        const char *key;
        int picture;
    };
    X_VERIFY(screen_->focusCombo());
    for (const Step step : {Step{"Down", 0}, Step{"Down", 1}, Step{"Down", 2}, Step{"Up", 1}, Step{"Up", 0}}) {
        X_VERIFY(screen_->pressKeys({QString::fromLatin1(step.key)}));
        const QString whole = screen_->showsWhole(step.picture);
        QVERIFY2(whole.isEmpty(), qPrintable(QStringLiteral("after %1: %2").arg(QLatin1String(step.key), whole)));
    }
}

void EndToEndTest::play()
{
    constexpr int Picture = 2;
    constexpr int Hole = BoardReader::Boxes - 1;
    const QString alike = readers_[Picture].alikeCells();
    QVERIFY2(alike.isEmpty(),
             qPrintable(QStringLiteral("picture %1 has %2 alike, its board cannot be read").arg(Picture).arg(alike)));

    // Tiles do nothing before a picture is chosen and Start pressed. A move
    // or a refused move would show once the question box has come and gone,
    // as the program handles the clicks before the keys that open it.
    const int besideHome = GameScreen::boxAt(Hole, 0, 1);
    X_VERIFY(game_->click(GameScreen::boxCentre(besideHome)));
    X_VERIFY(screen_->chooseWithMouse(Picture));
    QCOMPARE(screen_->showsWhole(Picture), QString());
    X_VERIFY(game_->click(GameScreen::boxCentre(besideHome)));
    X_VERIFY(game_->click(GameScreen::boxCentre(0)));
    X_VERIFY(answerQuestion(Ask::WithKeys, {QStringLiteral("n")}));
    QCOMPARE(screen_->showsWhole(Picture), QString());
    QStringList messages = display_->visibleWindows({QStringLiteral("--name"), QStringLiteral("^Vennaro$")});
    messages.removeAll(game_->window());
    QVERIFY2(messages.isEmpty(), "a tile click before Start opened a message box");

    X_VERIFY(game_->click(GameScreen::StartButton.center()));
    QImage shot = screen_->dealShown(Picture);
    Board board = screen_->boardOn(shot, Picture);
    QVERIFY2(Boards::isDeal(board), qPrintable(BoardReader::describe(board)));
    const QImage counterAtStart = screen_->counterOn(shot);

    const int hole = Boards::hole(board);
    const int movedHole = GameScreen::boxAt(hole, 1, 0);
    X_VERIFY(game_->click(GameScreen::boxCentre(movedHole)));
    std::swap(board[std::size_t(hole)], board[std::size_t(movedHole)]);
    QCOMPARE(screen_->showsBoard(Picture, board, counterAtStart, true), QString());

    // Diagonal, and two boxes along the same row, from the hole.
    const QImage counterAfterMove = screen_->counterOn(display_->screenshot());
    for (int box : {GameScreen::boxAt(movedHole, 1, 1), GameScreen::boxAt(movedHole, 0, 2)}) {
        X_VERIFY(game_->click(GameScreen::boxCentre(box)));
        const std::optional<QString> message = screen_->waitForBox(QStringLiteral("^Vennaro$"));
        X_VERIFY(message);
        X_VERIFY(display_->pressKeys(*message, {QStringLiteral("Return")}));
        X_VERIFY(display_->waitUntilGone(*message));
        QCOMPARE(screen_->showsBoard(Picture, board, counterAfterMove), QString());
    }

    X_VERIFY(game_->click(GameScreen::SolveButton.center()));
    QCOMPARE(screen_->showsWhole(Picture), QString());

    X_VERIFY(game_->click(GameScreen::StartButton.center()));
    shot = display_->screenshotWhen([&](const QImage &screen) {
        const Board dealt = screen_->boardOn(screen, Picture);
        return Boards::isDeal(dealt) && dealt != Boards::inOrder() && screen_->counterOn(screen) == counterAtStart;
    });
    QVERIFY2(Boards::isDeal(screen_->boardOn(shot, Picture)), qPrintable(BoardReader::describe(screen_->boardOn(shot, Picture))));
    QVERIFY2(screen_->counterOn(shot) == counterAtStart, "Start did not set the move counter back");
}

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_e2e.moc"
