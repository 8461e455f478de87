#include "ui/HeldKeyFilter.h"

#include <QKeyEvent>

bool HeldKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        releasedKey_ = key->key();
        releaseTime_ = key->timestamp();
    } else if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        // Keys made up by a program, not typed, come with no time.
        if (releaseTime_ != 0 && key->key() == releasedKey_ && key->timestamp() == releaseTime_)
            return true;
    }
    return QObject::eventFilter(watched, event);
}
