#pragma once

#include "ui/ContainerAccessible.h"

class QComboBox;

// A combo box as screen readers meet it, named by its accessible name with
// the text shown as its value. On Linux Qt's own interface gives the shown
// text as the name too, so the list could be named only by a visible label.
class ComboBoxAccessible : public ContainerAccessible {
public:
    explicit ComboBoxAccessible(QComboBox *comboBox);

    QString text(QAccessible::Text textType) const override;
    QAccessible::State state() const override;
    QAccessibleInterface *focusChild() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    // The list that drops down, then the text field of an editable box.
    QWidgetList childWidgets() const override;

private:
    QComboBox *comboBox() const;
};
