#pragma once

#include <QObject>

// Makes a held key one press for every control of the application. X11
// repeats a held key as a release and a press at one time; Qt marks the pair
// as repeated only when it finds both waiting together, and otherwise passes
// on a new press, which presses a box or a message box's button once more.
class HeldKeyFilter : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int releasedKey_ = 0;
    ulong releaseTime_ = 0;
};
