#pragma once

#include "runtime/MessageBox.h"

#include <QList>
#include <QString>

// Answers message boxes from a script and remembers what was asked.
class ScriptedMessageBox : public MessageBox {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
    };

    int show(const QString &prompt, int style, const QString &title) override
    {
        shown.append({prompt, style, title});
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }

    QList<Shown> shown;
    QList<int> answers;
    int defaultAnswer = Ok;
};
