#pragma once

#include <QComboBox>

// The drop-down list of pictures. Its wheel chooses only while the list has
// the focus, a step per notch as the arrow keys go; a wheel turned over it on
// the way to somewhere else changes nothing and gives it no focus.
class ComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ComboBox(QWidget *parent);

protected:
    void wheelEvent(QWheelEvent *event) override;
};
