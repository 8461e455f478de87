#include "ui/ComboBox.h"

#include <QLineEdit>
#include <QWheelEvent>

ComboBox::ComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // A list takes the focus from the wheel by default, and then turns with it.
    setFocusPolicy(Qt::StrongFocus);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // QComboBox chooses the entry named by the text when its field finishes
    // editing, on Return and on every focus change.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

void ComboBox::wheelEvent(QWheelEvent *event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}

// Left as it was shown, the text is still there on the way in: each way out
// puts it back.
void ComboBox::focusInEvent(QFocusEvent *event)
{
    if (currentIndex() < 0)
        unchosenText_ = currentText();
    QComboBox::focusInEvent(event);
}

void ComboBox::focusOutEvent(QFocusEvent *event)
{
    putBackText();
    QComboBox::focusOutEvent(event);
}

void ComboBox::showChoice()
{
    if (hasFocus())
        putBackText();
}

void ComboBox::putBackText()
{
    setEditText(currentIndex() < 0 ? unchosenText_ : itemText(currentIndex()));
}
