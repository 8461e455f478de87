#include "app/FormEvents.h"

#include "ui/CommandButton.h"
#include "ui/TileBox.h"
#include "ui/frmMain.h"

#include <QAccessible>
#include <QComboBox>

FormEvents::FormEvents(frmMain &form, MessageBox &messageBox, RandomGenerator &random, ProgramEnd &programEnd)
    : form_(form),
      trap_(messageBox, programEnd),
      choosing_(form, state_),
      starting_(form, state_, random),
      moving_(form, state_, messageBox),
      quitting_(messageBox, programEnd),
      announcer_(form, state_)
{
    wire();
}

void FormEvents::Form_Load()
{
    trap_.run([this] {
        form_.cmdStart().setEnabled(false);
        form_.cmdSolve().setEnabled(false);
    });
}

void FormEvents::wire()
{
    // activated, not currentIndexChanged: choosing the entry already shown
    // counts too, and typing into the text field does not.
    QObject::connect(&form_.Combo1(), &QComboBox::activated, &form_, [this] {
        trap_.run([this] {
            choosing_.Combo1_Click();
            tell(&GameAnnouncer::pictureShown);
        });
    });
    QObject::connect(&form_.cmdSolve(), &QPushButton::clicked, &form_, [this] {
        trap_.run([this] {
            choosing_.cmdSolve_Click();
            tell(&GameAnnouncer::solved);
        });
    });
    QObject::connect(&form_.cmdStart(), &QPushButton::clicked, &form_, [this] {
        trap_.run([this] {
            starting_.cmdStart_Click();
            tell(&GameAnnouncer::dealt);
        });
    });
    QObject::connect(&form_.cmdExit(), &QPushButton::clicked, &form_,
                     [this] { trap_.run([this] { quitting_.cmdExit_Click(); }); });
    // Closing the window from outside asks the Exit button's question.
    QObject::connect(&form_, &frmMain::closeRequested, &form_,
                     [this] { trap_.run([this] { quitting_.cmdExit_Click(); }); });
    for (Integer index = 0; index < frmMain::TileCount; ++index) {
        QObject::connect(&form_.Picture1(index), &TileBox::clicked, &form_, [this](int clicked) {
            trap_.run([this, clicked] {
                moving_.Picture1_Click(Integer(clicked));
                // A refusal has its own message box.
                if (state_.TileMoved)
                    tell(&GameAnnouncer::moved);
            });
        });
    }
}

// Words for a screen reader are made only while one listens.
void FormEvents::tell(void (GameAnnouncer::*announcement)() const) const
{
    if (QAccessible::isActive())
        (announcer_.*announcement)();
}
