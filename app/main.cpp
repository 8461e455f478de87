#include "app/ApplicationSetUp.h"
#include "app/FormEvents.h"
#include "app/Translation.h"
#include "runtime/ClockRandomGenerator.h"
#include "app/QtMessageBox.h"
#include "runtime/QtProgramEnd.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QList>
#include <QLocale>
#include <QStringList>
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

// Qt gives up on a display it cannot open with a fatal message about
// reinstalling the program, and an abort. Say instead which display could not
// be reached, and end with status 1; no part of Qt is in a state to be torn down.
void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages.append({type, QByteArray(context.category), text});
        return;
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
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const HeldMessage &message : std::as_const(heldMessages))
        previous(message.type,
                 QMessageLogContext(nullptr, 0, nullptr, message.category.isNull() ? nullptr : message.category.constData()),
                 message.text);
    heldMessages.clear();
    return application;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> application = openDisplay(argc, argv);
    ApplicationSetUp::apply();
    const Translation translation(QLocale::system().uiLanguages());

    frmMain form;
    QtMessageBox messageBox(&form);
    ClockRandomGenerator random;
    QtProgramEnd programEnd;

    FormEvents events(form, messageBox, random, programEnd);
    events.Form_Load();
    form.showCentred();
    return QApplication::exec();
}
