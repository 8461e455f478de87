#include "ui/ContainerAccessible.h"

#include <QWidget>

ContainerAccessible::ContainerAccessible(QWidget *container, QAccessible::Role role)
    : QAccessibleWidget(container, role)
{
}

QWidgetList ContainerAccessible::childWidgets() const
{
    QWidgetList shown;
    for (QObject *object : widget()->children()) {
        auto *control = qobject_cast<QWidget *>(object);
        if (control && !control->isWindow() && !control->isHidden())
            shown.append(control);
    }
    return shown;
}

int ContainerAccessible::childCount() const
{
    return int(childWidgets().size());
}

QAccessibleInterface *ContainerAccessible::child(int index) const
{
    return QAccessible::queryAccessibleInterface(childWidgets().value(index));
}

int ContainerAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    return int(childWidgets().indexOf(qobject_cast<QWidget *>(child->object())));
}
