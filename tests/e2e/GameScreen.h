#pragma once

#include "BoardReader.h"
#include "ui/Layout.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class GameProgram;
class VirtualDisplay;

// What the end-to-end tests see of a running game and do to it through its
// window: the controls' places, the board and the counter on a screenshot,
// choosing, dealing and asking to quit.
class GameScreen
{
public:
    static constexpr int PictureCount = 3;

    // Client-area rectangles of the controls.
    static constexpr QRect TitleLabel = Twips::toPixels(Layout::Label1);
    static constexpr QRect Combo = Twips::toPixels(Layout::Combo1);
    static constexpr QRect StartButton = Layout::inFrame(Layout::cmdStart);
    static constexpr QRect SolveButton = Layout::inFrame(Layout::cmdSolve);
    static constexpr QRect Counter = Layout::inFrame(Layout::Text1);
    static constexpr QRect ExitButton = Layout::inFrame(Layout::cmdExit);

    // Readers for the three pictures as the repository holds them; empty, with
    // the reason in error, when one cannot be read.
    static std::vector<BoardReader> readPictures(QString *error);

    GameScreen(const VirtualDisplay &display, const GameProgram &game, const std::vector<BoardReader> &readers);

    static QPoint boxCentre(int box);
    // The first box that many rows and columns away from box `from`.
    static int boxAt(int from, int rows, int columns);

    QImage counterOn(const QImage &shot) const;
    Board boardOn(const QImage &shot, int picture) const;

    bool chooseWithMouse(int entry) const;
    bool focusCombo() const;
    bool pressKeys(const QStringList &keys) const;
    // Empty when the picture comes to show whole, else what shows.
    QString showsWhole(int picture) const;
    // Empty when the boxes come to show board and the counter to look as on
    // counter (changed: to look otherwise), else what shows.
    QString showsBoard(int picture, const Board &board, const QImage &counter, bool changed = false) const;
    // Screenshots until the boxes show a deal of the picture; the last one taken.
    QImage dealShown(int picture) const;
    // Chooses the picture with the keys and deals it with Start; the
    // screenshot of the deal, null when it did not come.
    QImage chooseAndDeal(int picture) const;

    // A mapped window other than the main one whose name matches the pattern,
    // e.g. "^Quit\\?" or "^Vennaro$" for the program's message boxes.
    std::optional<QString> waitForBox(const QString &namePattern) const;

private:
    const VirtualDisplay &display_;
    const GameProgram &game_;
    const std::vector<BoardReader> &readers_;
};
