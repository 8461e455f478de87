#pragma once

#include "Boards.h"
#include "RecordingProgramEnd.h"
#include "ScriptedMessageBox.h"
#include "ScriptedRandom.h"
#include "app/ApplicationSetUp.h"
#include "app/FormEvents.h"
#include "ui/frmMain.h"

// The window with its procedures wired to scripted services, set up, loaded
// and shown as the program does, and ways to act on it through its real
// controls.
class FormFixture {
public:
    explicit FormFixture(std::uint64_t seed = 1);

    void choose(int entry);
    void start();
    // Chooses the entry and deals it with Start.
    void startGame(int entry = 0);
    void solve();
    void clickTile(int box);
    // Clicks a box beside the hole: a move; returns the box clicked.
    int clickBesideHole();

    // The cell of the chosen set that the box shows, or -1 for none.
    int cellShownBy(int box) const;
    Board board() const;
    // Puts cell arrangement[i] into box i, as a deal would leave it.
    void arrange(const Board &arrangement);
    int hole() const;
    QString counter() const;

    ApplicationSetUp setUp;
    ScriptedMessageBox messageBox;
    ScriptedRandom random;
    RecordingProgramEnd programEnd;
    frmMain form;
    FormEvents events;
};
