#include "app/ApplicationSetUp.h"
#include "app/FormEvents.h"
#include "runtime/ClockRandomGenerator.h"
#include "runtime/QtMessageBox.h"
#include "runtime/QtProgramEnd.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a message of its own; say plainly
// what is wrong and how to play anyway.
bool displayAvailable()
{
    const auto set = [](const char *name) {
        const char *value = std::getenv(name);
        return value && *value;
    };
    if (set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM"))
        return true;
    std::fputs("vennaro: there is no display to show the game's window on (DISPLAY is not set).\n"
               "Start it from a desktop session, or in a virtual display: xvfb-run vennaro\n",
               stderr);
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable())
        return 1;
    QApplication application(argc, argv);
    ApplicationSetUp::apply();

    QtMessageBox messageBox;
    ClockRandomGenerator random;
    QtProgramEnd programEnd;

    frmMain form;
    FormEvents events(form, messageBox, random, programEnd);
    events.Form_Load();
    form.showCentred();
    return QApplication::exec();
}
