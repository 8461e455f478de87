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

void ReadOnlyLineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
    if (selectionIndex == 0 && lineEdit()->hasSelectedText()) {
        *startOffset = lineEdit()->selectionStart();
        *endOffset = *startOffset + lineEdit()->selectionLength();
    }
}

int ReadOnlyLineEditAccessible::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void ReadOnlyLineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ReadOnlyLineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

// A line edit holds one selection at most.
void ReadOnlyLineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

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
