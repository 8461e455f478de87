#include "runtime/RuntimeError.h"

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
    return RuntimeError(QStringLiteral("Overflow"));
}

RuntimeError RuntimeError::subscriptOutOfRange()
{
    return RuntimeError(QStringLiteral("Subscript out of range"));
}

RuntimeError RuntimeError::typeMismatch()
{
    return RuntimeError(QStringLiteral("Type mismatch"));
}

RuntimeError RuntimeError::invalidProcedureCall()
{
    return RuntimeError(QStringLiteral("Invalid procedure call or argument"));
}

RuntimeError RuntimeError::noSuchControl(int index)
{
    return RuntimeError(QStringLiteral("Control array element '%1' doesn't exist").arg(index));
}
