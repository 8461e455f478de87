#pragma once

#include <QString>
#include <stdexcept>

// A failing operation inside an event procedure. It is never caught on the way
// up: the one place that catches it reports it and ends the program.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const QString &description);

    QString description() const;

    static RuntimeError overflow();
    static RuntimeError subscriptOutOfRange();
    static RuntimeError typeMismatch();
    static RuntimeError invalidProcedureCall();
    static RuntimeError noSuchControl(int index);
};
