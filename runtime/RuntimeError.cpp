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
    //: A fault of the program itself, shown after "Run-time error:" in a message box, which then ends the game.
    return RuntimeError(QCoreApplication::translate("RuntimeError", "Overflow"));
}

RuntimeError RuntimeError::subscriptOutOfRange()
{
    //: A fault of the program itself, shown after "Run-time error:" in a message box, which then ends the game.
    return RuntimeError(QCoreApplication::translate("RuntimeError", "Subscript out of range"));
}

RuntimeError RuntimeError::typeMismatch()
{
    //: A fault of the program itself, shown after "Run-time error:" in a message box, which then ends the game.
    return RuntimeError(QCoreApplication::translate("RuntimeError", "Type mismatch"));
}

RuntimeError RuntimeError::invalidProcedureCall()
{
    //: A fault of the program itself, shown after "Run-time error:" in a message box, which then ends the game.
    return RuntimeError(QCoreApplication::translate("RuntimeError", "Invalid procedure call or argument"));
}

RuntimeError RuntimeError::noSuchControl(int index)
{
    //: As above; %1 is the number of a box or picture that does not exist.
    return RuntimeError(QCoreApplication::translate("RuntimeError", "Control array element '%1' doesn't exist").arg(index));
}
