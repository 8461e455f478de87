#pragma once

#include <QWidget>

class QString;

// Tells screen readers of a change that moves no focus. Orca 43 does not read
// a changed name or description from Qt 6.4, but reads an object with the role
// of a notification as it is shown: the announcer is shown anew with each
// text. It has no size, so it shows nothing on the window.
class Announcer : public QWidget {
    Q_OBJECT

public:
    // Nothing is made or said while no screen reader listens.
    static void announce(QWidget &window, const QString &text);

private:
    explicit Announcer(QWidget *window);
};
