#pragma once

#include <QString>

// The modal message box the procedures ask their questions with. Style codes
// add a button set and an icon; the answer is the code of the button pressed.
class MessageBox {
public:
    enum Style : int {
        OkOnly = 0,
        YesNo = 4,
        Critical = 16,
        Question = 32,
        Exclamation = 48,
        Information = 64,
    };
    enum Answer : int { Ok = 1, Yes = 6, No = 7 };

    virtual ~MessageBox() = default;

    // An empty title shows the application's title.
    virtual int show(const QString &prompt, int style, const QString &title = QString()) = 0;
};
