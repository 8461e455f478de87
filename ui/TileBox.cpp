#include "ui/TileBox.h"

#include "pictures/Grid.h"
#include "runtime/RuntimeError.h"
#include "ui/ColorValue.h"
#include "ui/Twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The black line around the picture, in pixels at scale 1.
constexpr int BorderWidth = 1;

constexpr int NoBox = -1;

void fillFrame(QPainter &painter, const QRect &frame, const QColor &color)
{
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), color);
    painter.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), color);
    painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), color);
    painter.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), color);
}

const CellPictureRef &noPicture()
{
    static const CellPictureRef empty = std::make_shared<const CellPicture>();
    return empty;
}

} // namespace

TileBox::TileBox(Integer index, QWidget *parent)
    : QWidget(parent), index_(index), picture_(noPicture()), backColor_(ColorValue::LightCyan)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TileBox::place(Twips::Rect twips)
{
    left_ = float(twips.left);
    top_ = float(twips.top);
    setGeometry(Twips::toPixels(twips));
}

void TileBox::setPicture(CellPictureRef picture)
{
    if (!picture)
        throw RuntimeError::invalidProcedureCall();
    const bool changed = picture != picture_;
    picture_ = std::move(picture);
    update();
    if (changed && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void TileBox::setBackColor(std::uint32_t colorValue)
{
    backColor_ = colorValue;
    update();
}

void TileBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPicture(painter);
    paintFocusMark(painter);
}

// Drawn in device pixels, each edge rounded to a whole device pixel the way Qt
// rounds the box's own area: neighbouring boxes then meet without a seam, and
// all borders are equally wide at any scale. Above scale 1 the cell comes from
// the set's finer drawing, scaled smoothly to the screen; at scale 1 from the
// set's own picture, pixel for pixel.
void TileBox::paintPicture(QPainter &painter) const
{
    painter.save();
    const QTransform toDevice = painter.deviceTransform();
    const qreal ratio = toDevice.m11();
    const QRectF exact = toDevice.mapRect(QRectF(rect()));
    const QRect box(QPoint(qRound(exact.left()), qRound(exact.top())),
                    QPoint(qRound(exact.right()) - 1, qRound(exact.bottom()) - 1));
    const int border = qMax(1, qRound(BorderWidth * ratio));
    const QRect inside = box.adjusted(border, border, -border, -border);
    const QImage fine = ratio > 1 ? picture_->fineImage() : QImage();
    const QImage &image = fine.isNull() ? picture_->image() : fine;
    const QSize imageSize = (QSizeF(picture_->image().size()) * ratio).toSize();

    painter.setWorldTransform(toDevice.inverted(), true);
    painter.fillRect(box, Qt::black);
    painter.fillRect(inside, ColorValue::toColor(backColor_));
    painter.setClipRect(inside);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(inside.topLeft(), imageSize), image);
    painter.restore();
}

void TileBox::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void TileBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Q_EMIT clicked(index_);
}

// Qt hands the second press of a double-click here instead of to
// mousePressEvent; it is no new click, so it starts none.
void TileBox::mouseDoubleClickEvent(QMouseEvent *)
{
}

// A white and a black line inside the border: one of them stands out from
// any picture, and the cell stays recognisable.
void TileBox::paintFocusMark(QPainter &painter) const
{
    if (!hasFocus() || !focusMarked_)
        return;
    const QRect outer = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    fillFrame(painter, outer, Qt::white);
    fillFrame(painter, outer.adjusted(1, 1, -1, -1), Qt::black);
}

void TileBox::click()
{
    Q_EMIT clicked(index_);
}

// Space clicks the box; the arrows walk the focus over the grid and stop at
// its edges. Everything else, Return included, goes on to the window.
void TileBox::keyPressEvent(QKeyEvent *event)
{
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    const int key = event->key();
    if (plain && key == Qt::Key_Space) {
        markFocus(true);
        if (!event->isAutoRepeat())
            click();
    } else if (plain && (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)) {
        markFocus(true);
        const int box = neighbour(key);
        if (box != NoBox)
            Q_EMIT neighbourWanted(box);
    } else {
        QWidget::keyPressEvent(event);
    }
}

// The box one step from this one in the arrow's direction, or none at the edge.
int TileBox::neighbour(int arrowKey) const
{
    const int row = Grid::row(index_);
    const int column = Grid::column(index_);
    switch (arrowKey) {
    case Qt::Key_Left:
        return column > 0 ? index_ - 1 : NoBox;
    case Qt::Key_Right:
        return column < Grid::Side - 1 ? index_ + 1 : NoBox;
    case Qt::Key_Up:
        return row > 0 ? index_ - Grid::Side : NoBox;
    default:
        return row < Grid::Side - 1 ? index_ + Grid::Side : NoBox;
    }
}

// A box clicked with the mouse takes the focus unmarked, so that play with the
// mouse looks as it always has; focus given from the keyboard, or the first
// key pressed on the box, brings the mark. Coming back to the window keeps
// whichever it had.
void TileBox::focusInEvent(QFocusEvent *event)
{
    if (event->reason() == Qt::MouseFocusReason)
        markFocus(false);
    else if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        markFocus(true);
    QWidget::focusInEvent(event);
}

void TileBox::markFocus(bool marked)
{
    if (marked == focusMarked_)
        return;
    focusMarked_ = marked;
    update();
}
