#include "runtime/RuntimeError.h"

#include <QCoreApplication>

RuntimeError::RuntimeError(const QString &description)
    : std::runtime_error(description.toStdString())
{
}

QString RuntimeError::description() const
{
    return QString::fromStdString(what());
}

RuntimeError RuntimeError::overflow()
{
    return RuntimeError(QCoreApplication::translate("RuntimeError", "Overflow"));
}

RuntimeError RuntimeError::subscriptOutOfRange()
{
    return RuntimeError(QCoreApplication::translate("RuntimeError", "Subscript out of range"));
}

RuntimeError RuntimeError::typeMismatch()
{
    return RuntimeError(QCoreApplication::translate("RuntimeError", "Type mismatch"));
}

RuntimeError RuntimeError::invalidProcedureCall()
{
    return RuntimeError(QCoreApplication::translate("RuntimeError", "Invalid procedure call or argument"));
}

RuntimeError RuntimeError::noSuchControl(int index)
{
    return RuntimeError(QCoreApplication::translate("RuntimeError", "Control array element '%1' doesn't exist").arg(index));
}
