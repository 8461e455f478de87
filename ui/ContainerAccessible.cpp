#include "ui/ContainerAccessible.h"

#include "ui/TileBox.h"

#include <QWidget>
#include <algorithm>

ContainerAccessible::ContainerAccessible(QWidget *container, QAccessible::Role role)
    : QAccessibleWidget(container, role)
{
}

// The tile boxes are made in an order of their own; readers meet them where
// the first of them stands, row by row.
QWidgetList ContainerAccessible::childWidgets() const
{
    QWidgetList shown;
    QWidgetList boxes;
    qsizetype boxesAt = 0;
    for (QObject *object : widget()->children()) {
        auto *control = qobject_cast<QWidget *>(object);
        if (!control || control->isWindow() || control->isHidden())
            continue;
        if (!qobject_cast<TileBox *>(control)) {
            shown.append(control);
            continue;
        }
        if (boxes.isEmpty())
            boxesAt = shown.size();
        boxes.append(control);
    }
    std::sort(boxes.begin(), boxes.end(), [](const QWidget *a, const QWidget *b) {
        return static_cast<const TileBox *>(a)->Index() < static_cast<const TileBox *>(b)->Index();
    });
    return shown.mid(0, boxesAt) + boxes + shown.mid(boxesAt);
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
