#include "app/FormEvents.h"
#include "runtime/ClockRandomGenerator.h"
#include "runtime/QtMessageBox.h"
#include "runtime/QtProgramEnd.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vennaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vennaro"));
    QApplication::setApplicationVersion(QStringLiteral(VENNARO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("vennaro"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QtMessageBox messageBox;
    ClockRandomGenerator random;
    QtProgramEnd programEnd;

    frmMain form;
    FormEvents events(form, messageBox, random, programEnd);
    events.Form_Load();
    form.showCentred();
    return QApplication::exec();
}
