#include "ui/ReadOnlyLineEditAccessible.h"

#include <QLineEdit>

ReadOnlyLineEditAccessible::ReadOnlyLineEditAccessible(QLineEdit *lineEdit)
    : QAccessibleWidget(lineEdit, QAccessible::EditableText)
{
}

QLineEdit *ReadOnlyLineEditAccessible::lineEdit() const
{
    return static_cast<QLineEdit *>(widget());
}

void *ReadOnlyLineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ReadOnlyLineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    return state;
}

QString ReadOnlyLineEditAccessible::text(QAccessible::Text textType) const
{
    if (textType == QAccessible::Value)
        return lineEdit()->text();
    return QAccessibleWidget::text(textType);
}

QString ReadOnlyLineEditAccessible::text(int startOffset, int endOffset) const
{
    return lineEdit()->text().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyLineEditAccessible::characterCount() const
{
    return int(lineEdit()->text().size());
}

int ReadOnlyLineEditAccessible::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void ReadOnlyLineEditAccessible::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

// Readers are given no selection: the one a line edit makes as Tab brings it
// the focus is no choice of the player's, and Orca would read it out as
// "selected" on the way in and "Text unselected" on the way out.
void ReadOnlyLineEditAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int ReadOnlyLineEditAccessible::selectionCount() const
{
    return 0;
}

void ReadOnlyLineEditAccessible::addSelection(int, int) {}

void ReadOnlyLineEditAccessible::removeSelection(int) {}

void ReadOnlyLineEditAccessible::setSelection(int, int, int) {}

// Where each character sits is the line edit's own business; an empty
// rectangle tells the reader it is not known.
QRect ReadOnlyLineEditAccessible::characterRect(int) const
{
    return {};
}

int ReadOnlyLineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
}

// The text is the program's, written to fit: there is nothing to scroll to.
void ReadOnlyLineEditAccessible::scrollToSubstring(int, int) {}

QString ReadOnlyLineEditAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
