#pragma once

#include <QCoreApplication>

struct FormState;
class frmMain;

// What a screen reader is told after an event procedure changed the board,
// read from the procedure's results: a few words, with the focus left where
// it is.
class GameAnnouncer {
    Q_DECLARE_TR_FUNCTIONS(GameAnnouncer)

public:
    GameAnnouncer(frmMain &form, const FormState &state);

    void pictureShown() const;
    void solved() const;
    void dealt() const;
    void moved() const;

private:
    frmMain &form_;
    const FormState &state_;
};
