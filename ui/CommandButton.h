#pragma once

#include <QPushButton>
#include <cstdint>

// A push button of the graphical style: its face is painted in its own
// background colour in every state, with a raised 3-D edge, the letter after
// "&" underlined and taken as its access key. Where the caption is wider than
// the focus rectangle at the button's own font size, it is drawn in the
// largest size of the same font that fits. The button keeps its size.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    // font: the button's own, sized in pixels.
    CommandButton(const QString &caption, std::uint32_t faceColorValue, const QFont &font, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitCaption();
    void drawCaption(QPainter &painter, const QRectF &area, const QColor &color) const;
    QRect focusArea() const;

    QColor face_;
    QFont font_;
};
