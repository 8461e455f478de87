#include "ui/ReadOnlyLineEditAccessible.h"

#include <QLineEdit>

ReadOnlyLineEditAccessible::ReadOnlyLineEditAccessible(QLineEdit *lineEdit)
    : ReadOnlyTextAccessible(lineEdit, QAccessible::EditableText)
{
}

QLineEdit *ReadOnlyLineEditAccessible::lineEdit() const
{
    return static_cast<QLineEdit *>(widget());
}

QAccessible::State ReadOnlyLineEditAccessible::state() const
{
    QAccessible::State state = ReadOnlyTextAccessible::state();
    state.readOnly = true;
    return state;
}

QString ReadOnlyLineEditAccessible::text(QAccessible::Text textType) const
{
    if (textType == QAccessible::Value)
        return lineEdit()->text();
    return ReadOnlyTextAccessible::text(textType);
}

QString ReadOnlyLineEditAccessible::shownText() const
{
    return lineEdit()->text();
}

int ReadOnlyLineEditAccessible::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void ReadOnlyLineEditAccessible::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

int ReadOnlyLineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}
