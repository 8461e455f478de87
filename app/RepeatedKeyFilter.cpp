#include "app/RepeatedKeyFilter.h"

#include <QKeyEvent>

bool RepeatedKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) && static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
        // Accepted as the control's own key, the press reaches no shortcut.
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
