#pragma once

#include "pictures/PictureClip.h"
#include "runtime/Arithmetic.h"
#include "ui/KeyRepeat.h"
#include "ui/Twips.h"

#include <QWidget>
#include <cstdint>

// One picture box of the tile grid. It shows the cell picture last given to
// it, anchored at its top-left corner inside a one-pixel border and cut off at
// its edges, and gives that same picture back when asked. Left and Top read
// back in twips exactly as the box was laid out.
class TileBox : public QWidget {
    Q_OBJECT

public:
    TileBox(Integer index, QWidget *parent);

    void place(Twips::Rect twips);

    Integer Index() const { return index_; }
    float Left() const { return left_; }
    float Top() const { return top_; }

    CellPictureRef Picture() const { return picture_; }
    void setPicture(CellPictureRef picture);

    std::uint32_t BackColor() const { return backColor_; }
    void setBackColor(std::uint32_t colorValue);

    // What a mouse click on the box does; Space and screen readers use it.
    void click();

Q_SIGNALS:
    void clicked(int index);
    // An arrow key asks for the focus to go to the box beside this one.
    void neighbourWanted(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void paintPicture(QPainter &painter, const QRect &inside, qreal ratio) const;
    void paintFocusMark(QPainter &painter, const QRect &inside, int line) const;
    int neighbour(int arrowKey) const;
    void markFocus(bool marked);

    Integer index_;
    float left_ = 0;
    float top_ = 0;
    CellPictureRef picture_;
    std::uint32_t backColor_;
    bool pressed_ = false;
    // When this box last took a press, in Qt's event time.
    ulong pressTime_ = 0;
    bool focusMarked_ = false;
    KeyRepeat spaceRepeat_;
};
