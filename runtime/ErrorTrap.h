#pragma once

#include <QString>
#include <functional>

class MessageBox;
class ProgramEnd;

// The one place a run-time error reaches: every event procedure runs inside
// run(), and an error escaping it is reported in a message box, after which
// the program ends. Nothing ever propagates into Qt's event loop.
class ErrorTrap {
public:
    ErrorTrap(MessageBox &messageBox, ProgramEnd &programEnd);

    void run(const std::function<void()> &procedure) noexcept;

private:
    void report(const QString &description) noexcept;

    MessageBox &messageBox_;
    ProgramEnd &programEnd_;
};
