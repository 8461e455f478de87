#pragma once

#include <QHash>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;

// Tells screen readers what changed on the window without moving the focus,
// once changes pause: moves made as fast as keys repeat are told as their
// result, not as a queue of counts long past, and send readers nothing while
// they come.
//
// A text is told through an object with the role of a notification, shown
// anew: Orca 43 reads it as it is shown, speaking the label inside it and
// showing that label's text on a braille display. The announcer has no size,
// so it shows nothing on the window.
class Announcer : public QWidget {
    Q_OBJECT

public:
    // Before the control's accessible name changes.
    static void renaming(QWidget &control);
    static void announce(QWidget &window, const QString &text);

private:
    explicit Announcer(QWidget *window);

    static Announcer &held(QWidget &window);
    void tell();

    QLabel *words_;
    QString text_;
    // Each control renamed since the last pause, with the name it had then.
    // The controls are the window's, as the announcer is.
    QHash<QWidget *, QString> renamed_;
    QTimer pause_;
};
