#include "runtime/QtProgramEnd.h"

#include <QApplication>
#include <QWidget>

void QtProgramEnd::end(int exitStatus)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QApplication::exit(exitStatus);
}
