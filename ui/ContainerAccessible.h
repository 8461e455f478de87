#pragma once

#include <QAccessibleWidget>

// A widget that holds controls, as screen readers meet it: only the controls
// it shows are its children, tile boxes row by row. Qt's own interface lists
// hidden ones as well, in the order they were made.
class ContainerAccessible : public QAccessibleWidget {
public:
    ContainerAccessible(QWidget *container, QAccessible::Role role);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

protected:
    // The children a screen reader is given, in order.
    virtual QWidgetList childWidgets() const;
};
