#include "ui/ReadOnlyTextAccessible.h"

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

void *ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ReadOnlyTextAccessible::text(int startOffset, int endOffset) const
{
    return shownText().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyTextAccessible::characterCount() const
{
    return int(shownText().size());
}

int ReadOnlyTextAccessible::cursorPosition() const
{
    return 0;
}

void ReadOnlyTextAccessible::setCursorPosition(int) {}

// Readers are given no selection: one a control makes for itself, as a line
// edit does when Tab brings it the focus, is no choice of the player's, and
// Orca would read it out as "selected" on the way in and "Text unselected" on
// the way out.
void ReadOnlyTextAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int ReadOnlyTextAccessible::selectionCount() const
{
    return 0;
}

void ReadOnlyTextAccessible::addSelection(int, int) {}

void ReadOnlyTextAccessible::removeSelection(int) {}

void ReadOnlyTextAccessible::setSelection(int, int, int) {}

// Where each character sits is the control's own business; an empty
// rectangle tells the reader it is not known.
QRect ReadOnlyTextAccessible::characterRect(int) const
{
    return {};
}

int ReadOnlyTextAccessible::offsetAtPoint(const QPoint &) const
{
    return -1;
}

// The text is the program's, written to fit: there is nothing to scroll to.
void ReadOnlyTextAccessible::scrollToSubstring(int, int) {}

QString ReadOnlyTextAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
