#include "app/GameAnnouncer.h"

#include "game/FormState.h"
#include "pictures/Grid.h"
#include "ui/Announcer.h"
#include "ui/frmMain.h"

#include <QLineEdit>

GameAnnouncer::GameAnnouncer(frmMain &form, const FormState &state)
    : form_(form), state_(state)
{
}

void GameAnnouncer::pictureShown() const
{
    //: Screen readers only, spoken at once without moving the focus: a picture was chosen; %1 is its name.
    Announcer::announce(form_, tr("Showing %1.").arg(form_.PictureClip1(state_.PictureChoice).title()));
}

void GameAnnouncer::solved() const
{
    //: Screen readers only, spoken at once without moving the focus, after Solve.
    Announcer::announce(form_, tr("The picture is in order again."));
}

void GameAnnouncer::dealt() const
{
    Integer hole = 0;
    while (state_.CellOrder(hole) != Grid::BlankCell)
        ++hole;
    //: Screen readers only, spoken at once without moving the focus, after Start: where the hole is; row 1 is the top, column 1 the leftmost.
    Announcer::announce(form_, tr("New game. The hole is at row %1, column %2.")
                                   .arg(Grid::row(hole) + 1)
                                   .arg(Grid::column(hole) + 1));
}

// The piece went into the box that was the hole; pieces are numbered by
// their place in the finished picture, as the tiles of a number puzzle are.
void GameAnnouncer::moved() const
{
    //: Screen readers only, spoken at once without moving the focus, after a move: piece %1 went to the place %2, %3; %4 is the move count.
    Announcer::announce(form_, tr("Piece %1 moved to row %2, column %3. Moves: %4.")
                                   .arg(state_.ClickedCell + 1)
                                   .arg(Grid::row(state_.BlankBox) + 1)
                                   .arg(Grid::column(state_.BlankBox) + 1)
                                   .arg(form_.Text1().text()));
}
