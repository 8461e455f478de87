#include "ui/ComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

ComboBoxAccessible::ComboBoxAccessible(QComboBox *comboBox)
    : ContainerAccessible(comboBox, QAccessible::ComboBox)
{
}

QComboBox *ComboBoxAccessible::comboBox() const
{
    return static_cast<QComboBox *>(widget());
}

QWidgetList ComboBoxAccessible::childWidgets() const
{
    QList<QWidget *> parts{comboBox()->view()};
    if (comboBox()->isEditable())
        parts.append(comboBox()->lineEdit());
    return parts;
}

QString ComboBoxAccessible::text(QAccessible::Text textType) const
{
    if (textType == QAccessible::Value)
        return comboBox()->currentText();
    return QAccessibleWidget::text(textType);
}

QAccessible::State ComboBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = comboBox()->view()->isVisible();
    return state;
}

// An editable box passes its focus on to its text field.
QAccessibleInterface *ComboBoxAccessible::focusChild() const
{
    if (comboBox()->isEditable())
        return QAccessible::queryAccessibleInterface(comboBox()->lineEdit());
    return nullptr;
}

QStringList ComboBoxAccessible::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void ComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (comboBox()->view()->isVisible())
        comboBox()->hidePopup();
    else
        comboBox()->showPopup();
}
