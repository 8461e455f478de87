#include "ui/Announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget *window)
    : QWidget(window)
{
    setGeometry(0, 0, 0, 0);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Announcer::announce(QWidget &window, const QString &text)
{
    if (!QAccessible::isActive())
        return;
    auto *announcer = window.findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(&window);
    announcer->hide();
    announcer->setAccessibleName(text);
    announcer->show();
}
