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
    if (messageBox_.show(QCoreApplication::translate("Quitting", "Are you sure you want to quit?"), MessageBox::YesNo + MessageBox::Question,
                         QCoreApplication::translate("Quitting", "Quit?"))
        == MessageBox::Yes)
        programEnd_.end(0);
}
