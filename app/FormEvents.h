#pragma once

#include "app/GameAnnouncer.h"
#include "game/ChoosingPicture.h"
#include "game/FormState.h"
#include "game/MovingTile.h"
#include "game/Quitting.h"
#include "game/StartingGame.h"
#include "runtime/ErrorTrap.h"

class MessageBox;
class ProgramEnd;
class RandomGenerator;
class frmMain;

// The window-level state and the wiring of the window's events to their
// procedures. Each event runs one procedure to its end, inside the error trap,
// and then tells a screen reader what changed.
class FormEvents {
public:
    FormEvents(frmMain &form, MessageBox &messageBox, RandomGenerator &random, ProgramEnd &programEnd);

    void Form_Load();

    const FormState &state() const { return state_; }

private:
    void wire();
    void tell(void (GameAnnouncer::*announcement)() const) const;

    frmMain &form_;
    FormState state_;
    ErrorTrap trap_;
    ChoosingPicture choosing_;
    StartingGame starting_;
    MovingTile moving_;
    Quitting quitting_;
    GameAnnouncer announcer_;
};
