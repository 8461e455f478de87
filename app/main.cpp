#include "app/ApplicationSetUp.h"
#include "app/FormEvents.h"
#include "app/QtMessageBox.h"
#include "app/Translation.h"
#include "runtime/ClockRandomGenerator.h"
#include "runtime/QtProgramEnd.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QList>
#include <QProcessEnvironment>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage> heldMessages;
QtMessageHandler qtMessageHandler = nullptr;

void passOn(const HeldMessage &message)
{
    qtMessageHandler(message.type,
                     QMessageLogContext(nullptr, 0, nullptr, message.category.isNull() ? nullptr : message.category.constData()),
                     message.text);
}

// What Qt's X11 and Wayland plug-ins say when they cannot reach their display.
bool saysNoDisplay(const HeldMessage &message)
{
    return message.text.startsWith(QLatin1String("could not connect to display"))
        || message.text.startsWith(QLatin1String("Failed to create wl_display"));
}

// Qt gives up on a display it cannot open with a fatal message about
// reinstalling the program, and an abort. Say instead which display could not
// be reached; any other fatal message goes out as Qt gave it, after what Qt
// said before it. Either way the end is status 1: no part of Qt is in a state
// to be torn down.
void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    heldMessages.append({type, QByteArray(context.category), text});
    if (type != QtFatalMsg)
        return;
    if (std::none_of(heldMessages.cbegin(), heldMessages.cend(), saysNoDisplay)) {
        for (const HeldMessage &message : std::as_const(heldMessages))
            passOn(message);
        std::_Exit(1);
    }
    QStringList settings;
    for (const char *variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const QString value = qEnvironmentVariable(variable); !value.isEmpty())
            settings << QStringLiteral("%1=%2").arg(QLatin1String(variable), value);
    }
    std::fprintf(stderr,
                 "vennaro: cannot open a display to show the game's window on (%s).\n"
                 "Start it from a desktop session, or in a virtual display: xvfb-run vennaro\n",
                 settings.isEmpty() ? "DISPLAY is not set" : qPrintable(settings.join(QStringLiteral(", "))));
    std::_Exit(1);
}

// Connects to the display: a Wayland compositor when one is reachable and Qt's
// plugin for it is installed, the X server otherwise. What Qt says on the way
// comes out only once a display is open.
std::unique_ptr<QApplication> openDisplay(int &argc, char **argv)
{
    qtMessageHandler = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    for (const HeldMessage &message : std::as_const(heldMessages))
        passOn(message);
    heldMessages.clear();
    return application;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> application = openDisplay(argc, argv);
    ApplicationSetUp::apply();
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
