#include "app/ApplicationSetUp.h"
#include "app/FormEvents.h"
#include "app/QtMessageBox.h"
#include "app/Translation.h"
#include "runtime/ClockRandomGenerator.h"
#include "runtime/QtProgramEnd.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace {

// What Qt says while it opens the display, held back until it has.
QStringList heldMessages;
bool displayUnreachable = false;

// Qt gives up on a display it cannot open with a fatal message about
// reinstalling the program, and an abort. Say instead which display could not
// be reached; any other fatal message goes out as Qt gave it, after what Qt
// said before it. Either way the end is status 1: no part of Qt is in a state
// to be torn down.
void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // What Qt's X11 and Wayland plug-ins say when they cannot reach their display.
    displayUnreachable = displayUnreachable || text.startsWith(QLatin1String("could not connect to display"))
                      || text.startsWith(QLatin1String("Failed to create wl_display"));
    heldMessages << qFormatLogMessage(type, context, text);
    if (type != QtFatalMsg)
        return;
    if (displayUnreachable) {
        QStringList settings;
        for (const char *variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
            if (const QString value = qEnvironmentVariable(variable); !value.isEmpty())
                settings << QStringLiteral("%1=%2").arg(QLatin1String(variable), value);
        }
        heldMessages = {QStringLiteral("vennaro: cannot open a display to show the game's window on (%1).\n"
                                       "Start it from a desktop session, or in a virtual display: xvfb-run vennaro")
                            .arg(settings.isEmpty() ? QStringLiteral("DISPLAY is not set") : settings.join(QStringLiteral(", ")))};
    }
    std::fprintf(stderr, "%s\n", qPrintable(heldMessages.join(u'\n')));
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[])
{
    // The display: a Wayland compositor when one is reachable and Qt's plugin
    // for it is installed, the X server otherwise.
    qInstallMessageHandler(holdMessage);
    const QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    for (const QString &message : std::as_const(heldMessages))
        std::fprintf(stderr, "%s\n", qPrintable(message));

    const ApplicationSetUp setUp;
    const Translation translation(Translation::desktopLanguages(QProcessEnvironment::systemEnvironment()));

    frmMain form;
    QtMessageBox messageBox(&form);
    ClockRandomGenerator random;
    QtProgramEnd programEnd;

    FormEvents events(form, messageBox, random, programEnd);
    events.Form_Load();
    form.showCentred();
    return QApplication::exec();
}
