#pragma once

#include <QPushButton>
#include <cstdint>

// A push button of the graphical style: its face is painted in its own
// background colour in every state, with a raised 3-D edge, the letter after
// "&" underlined and taken as its access key.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const QString &caption, std::uint32_t faceColorValue, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor face_;
};
