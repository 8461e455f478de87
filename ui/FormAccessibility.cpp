#include "ui/FormAccessibility.h"

#include "ui/ComboBoxAccessible.h"
#include "ui/ContainerAccessible.h"
#include "ui/ReadOnlyLineEditAccessible.h"
#include "ui/TileBox.h"
#include "ui/TileBoxAccessible.h"
#include "ui/frmMain.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

void FormAccessibility::installFactory()
{
    QAccessible::installFactory(&FormAccessibility::interfaceFor);
}

void FormAccessibility::describe(frmMain &form)
{
    // The caption stays empty on purpose; the title on the window names it.
    form.setAccessibleName(form.Label1().text());
    //: The picture list's name, spoken by screen readers only, before the list's entry.
    form.Combo1().setAccessibleName(QCoreApplication::translate("FormAccessibility", "Picture"));
    form.Label2().setBuddy(&form.Text1());
}

// Asked with each class name of the object in turn, most derived first.
QAccessibleInterface *FormAccessibility::interfaceFor(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !qobject_cast<frmMain *>(widget->window()))
        return nullptr;
    if (className == QLatin1String("frmMain"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (className == QLatin1String("TileBox"))
        return new TileBoxAccessible(static_cast<TileBox *>(widget));
    // Plain holders of controls: the client area, and Frame2.
    if (className == QLatin1String("QWidget"))
        return new ContainerAccessible(widget, QAccessible::Client);
    if (className == QLatin1String("QFrame"))
        return new ContainerAccessible(widget, QAccessible::Grouping);
    if (className == QLatin1String("QComboBox"))
        return new ComboBoxAccessible(static_cast<QComboBox *>(widget));
    // The counter. Qt asks first when it is made read-only.
    if (className == QLatin1String("QLineEdit") && static_cast<QLineEdit *>(widget)->isReadOnly())
        return new ReadOnlyLineEditAccessible(static_cast<QLineEdit *>(widget));
    return nullptr;
}
