#pragma once

#include "ui/ReadOnlyTextAccessible.h"

class QLineEdit;

// A read-only line edit, such as the move counter, as screen readers meet it:
// text they can read but not change, its value the text shown. Qt 6.4 reports
// a read-only line edit as editable and hands out an editable-text interface,
// through which a reader could change the counter to a text that ends the
// game with "Type mismatch".
class ReadOnlyLineEditAccessible : public ReadOnlyTextAccessible {
public:
    explicit ReadOnlyLineEditAccessible(QLineEdit *lineEdit);

    QAccessible::State state() const override;
    QString text(QAccessible::Text textType) const override;
    using ReadOnlyTextAccessible::text;

    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    int offsetAtPoint(const QPoint &point) const override;

protected:
    QString shownText() const override;

private:
    QLineEdit *lineEdit() const;
};
