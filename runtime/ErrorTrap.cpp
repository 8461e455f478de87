#include "runtime/ErrorTrap.h"

#include "runtime/MessageBox.h"
#include "runtime/ProgramEnd.h"
#include "runtime/RuntimeError.h"

#include <QCoreApplication>
#include <QString>
#include <cstdio>

ErrorTrap::ErrorTrap(MessageBox &messageBox, ProgramEnd &programEnd)
    : messageBox_(messageBox), programEnd_(programEnd)
{
}

void ErrorTrap::run(const std::function<void()> &procedure) noexcept
{
    try {
        procedure();
    } catch (const RuntimeError &error) {
        report(error.description());
    } catch (const std::exception &error) {
        report(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        //: A fault of the program that has no description of its own, shown as %1 below.
        report(QCoreApplication::translate("ErrorTrap", "Unknown error"));
    }
}

void ErrorTrap::report(const QString &description) noexcept
{
    try {
        //: A message box's text before the game ends on a fault of its own; %1 describes the fault.
        messageBox_.show(QCoreApplication::translate("ErrorTrap", "Run-time error:\n\n%1").arg(description), MessageBox::Critical);
    } catch (...) {
        // The program ends either way; the message still reaches the terminal.
        std::fprintf(stderr, "vennaro: run-time error: %s\n", qPrintable(description));
    }
    programEnd_.end(1);
}
