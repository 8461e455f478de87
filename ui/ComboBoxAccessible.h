#pragma once

#include "ui/ContainerAccessible.h"

class QComboBox;

// A combo box as screen readers meet it, named by its accessible name with
// the text shown as its value. On Linux Qt's own interface gives the shown
// text as the name too, so the list could be named only by a visible label.
// Orca reads a combo box with a text field among its children as editable.
class ComboBoxAccessible : public ContainerAccessible {
public:
    explicit ComboBoxAccessible(QComboBox *comboBox);

    QString text(QAccessible::Text textType) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

protected:
    // The list that drops down. The picture list is editable only to show
    // "Choose a picture", which no entry is; typing chooses nothing, so
    // readers meet a list to choose from, not a text field.
    QWidgetList childWidgets() const override;

private:
    QComboBox *comboBox() const;
};
