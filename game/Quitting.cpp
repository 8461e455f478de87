#include "game/Quitting.h"

#include "runtime/MessageBox.h"
#include "runtime/ProgramEnd.h"

#include <QCoreApplication>

Quitting::Quitting(MessageBox &messageBox, ProgramEnd &programEnd)
    : messageBox_(messageBox), programEnd_(programEnd)
{
}

void Quitting::cmdExit_Click()
{
    //: The question of a message box with Yes and No, after Exit or closing the window.
    if (messageBox_.show(QCoreApplication::translate("Quitting", "Are you sure you want to quit?"), MessageBox::YesNo + MessageBox::Question,
                         //: That message box's title.
                         QCoreApplication::translate("Quitting", "Quit?"))
        == MessageBox::Yes)
        programEnd_.end(0);
}
