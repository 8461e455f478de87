#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;
class frmMain;

// What screen readers learn about the window. Qt makes a control's interface
// as the control is shown, whether or not a reader listens; those made here
// stand in for Qt's own, one for one, and cost no more.
class FormAccessibility {
public:
    // Before the window makes its controls: an interface, once made, stays
    // with its control, and some are made as the controls are set up.
    static void installFactory();
    // Names the window and the controls that carry no caption of their own.
    static void describe(frmMain &form);

private:
    static QAccessibleInterface *interfaceFor(const QString &className, QObject *object);
};
