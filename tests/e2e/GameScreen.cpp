#include "GameScreen.h"

#include "GameProgram.h"
#include "VirtualDisplay.h"

std::vector<BoardReader> GameScreen::readPictures(QString *error)
{
    std::vector<BoardReader> readers;
    for (int picture = 0; picture < PictureCount; ++picture) {
        const QString path = QStringLiteral(VENNARO_SOURCE_DIR "/assets/pictures/picture%1.bmp").arg(picture);
        const QImage image(path);
        if (image.isNull()) {
            *error = QStringLiteral("cannot read %1").arg(path);
            return {};
        }
        readers.emplace_back(image);
    }
    return readers;
}

GameScreen::GameScreen(const VirtualDisplay &display, const GameProgram &game, const std::vector<BoardReader> &readers)
    : display_(display), game_(game), readers_(readers)
{
}

QPoint GameScreen::boxCentre(int box)
{
    return BoardReader::boxRect(box).center();
}

int GameScreen::boxAt(int from, int rows, int columns)
{
    for (int box = 0; box < BoardReader::Boxes; ++box) {
        if (std::abs(Grid::row(box) - Grid::row(from)) == rows && std::abs(Grid::column(box) - Grid::column(from)) == columns)
            return box;
    }
    return -1;
}

QImage GameScreen::counterOn(const QImage &shot) const
{
    return shot.copy(game_.toScreen(Counter));
}

Board GameScreen::boardOn(const QImage &shot, int picture) const
{
    return readers_[std::size_t(picture)].read(shot, game_.toScreen(QPoint()));
}

bool GameScreen::chooseWithMouse(int entry) const
{
    if (!game_.click(QPoint(Combo.right() - 8, Combo.center().y())))
        return false;
    const QString main = game_.window();
    const std::optional<QString> list = display_.waitForWindow({QStringLiteral("--class"), QStringLiteral("vennaro")},
                                                               [&](const QString &window) { return window != main; });
    const std::optional<QRect> geometry = list ? display_.geometry(*list) : std::nullopt;
    if (!geometry)
        return false;
    // The entries share the list's height evenly.
    const int y = geometry->top() + geometry->height() * (2 * entry + 1) / (2 * PictureCount);
    return display_.click(QPoint(geometry->center().x(), y));
}

bool GameScreen::focusCombo() const
{
    return game_.click(Combo.topLeft() + QPoint(40, Combo.height() / 2));
}

bool GameScreen::pressKeys(const QStringList &keys) const
{
    return display_.pressKeys(game_.window(), keys);
}

QString GameScreen::showsWhole(int picture) const
{
    const QImage shot = display_.screenshotWhen(
        [&](const QImage &screen) { return boardOn(screen, picture) == Boards::inOrder(); });
    if (shot.isNull())
        return display_.lastError();
    const Board board = boardOn(shot, picture);
    if (board == Boards::inOrder())
        return {};
    return QStringLiteral("picture %1 is not shown whole: %2").arg(picture).arg(BoardReader::describe(board));
}

QString GameScreen::showsBoard(int picture, const Board &board, const QImage &counter, bool changed) const
{
    const auto shows = [&](const QImage &screen) {
        return boardOn(screen, picture) == board && (counterOn(screen) != counter) == changed;
    };
    const QImage shot = display_.screenshotWhen(shows);
    if (shot.isNull())
        return display_.lastError();
    if (shows(shot))
        return {};
    return QStringLiteral("%1 with the move counter %2, not %3")
        .arg(BoardReader::describe(boardOn(shot, picture)),
             counterOn(shot) == counter ? QStringLiteral("unchanged") : QStringLiteral("changed"),
             BoardReader::describe(board));
}

QImage GameScreen::dealShown(int picture) const
{
    return display_.screenshotWhen([&](const QImage &screen) {
        const Board board = boardOn(screen, picture);
        return Boards::isDeal(board) && board != Boards::inOrder();
    });
}

QImage GameScreen::chooseAndDeal(int picture) const
{
    if (!focusCombo() || !pressKeys(QStringList(picture + 1, QStringLiteral("Down"))) || !showsWhole(picture).isEmpty()
        || !game_.click(StartButton.center()))
        return {};
    const QImage shot = dealShown(picture);
    return Boards::isDeal(boardOn(shot, picture)) ? shot : QImage();
}

std::optional<QString> GameScreen::waitForBox(const QString &namePattern) const
{
    const QString main = game_.window();
    return display_.waitForWindow({QStringLiteral("--name"), namePattern},
                                  [&](const QString &window) { return window != main; });
}
