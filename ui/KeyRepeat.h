#pragma once

#include <QElapsedTimer>

class QKeyEvent;

// Tells a held key's own repeat from another press of it, which Qt's mark
// alone does not: on X11 Qt calls a press a repeat when it comes in the
// millisecond of the key's release, as two quick presses from a program do
// too, and misses it when the press reaches Qt after the release; on Wayland
// Qt repeats the key itself, with the time of its first press. A key repeats
// only once it has been down for the desktop's repeat delay, so a press is a
// repeat when it is marked or comes in its release's millisecond, and the key
// has been down that long since a press that was not, by the events' clock
// or, for a marked press, by ours.
class KeyRepeat {
public:
    // Takes each press of the key, and answers whether it is a repeat. A
    // repeat of a key this never saw pressed is one: it was held on its way.
    bool isRepeat(const QKeyEvent &press);
    // Takes each release of a key.
    void release(const QKeyEvent &release);

private:
    int key_ = 0;
    ulong pressTime_ = 0;
    int releasedKey_ = 0;
    ulong releaseTime_ = 0;
    QElapsedTimer held_;
};
