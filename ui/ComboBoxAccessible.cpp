#include "ui/ComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

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
    return {comboBox()->view()};
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
