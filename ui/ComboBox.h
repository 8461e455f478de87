#pragma once

#include <QComboBox>

// The drop-down list of pictures, with a text field that takes typing. Only
// choosing an entry chooses: typed text, Return and leaving the list choose
// nothing, and the list, once left or once a command runs, shows again the
// title of the entry chosen (or, before any, the text it showed then). Its wheel chooses only while the
// list has the focus, a step per notch as the arrow keys go; a wheel turned
// over it on the way to somewhere else changes nothing and gives it no focus.
class ComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ComboBox(QWidget *parent);

    // Puts back what typing replaced, which only the list's focus allows.
    void showChoice();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void putBackText();

    QString unchosenText_;
};
