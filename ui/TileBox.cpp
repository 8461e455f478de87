#include "ui/TileBox.h"

#include "pictures/Grid.h"
#include "runtime/RuntimeError.h"
#include "ui/Announcer.h"
#include "ui/ColorValue.h"
#include "ui/Twips.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

namespace {

// The black line around the picture, in pixels at scale 1.
constexpr int BorderWidth = 1;

constexpr int NoBox = -1;

// A frame of the given width along the inside of the rectangle.
void fillFrame(QPainter &painter, const QRect &frame, int width, const QColor &color)
{
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), width), color);
    painter.fillRect(QRect(frame.left(), frame.bottom() - width + 1, frame.width(), width), color);
    painter.fillRect(QRect(frame.left(), frame.top(), width, frame.height()), color);
    painter.fillRect(QRect(frame.right() - width + 1, frame.top(), width, frame.height()), color);
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
    if (picture != picture_ && QAccessible::isActive())
        Announcer::renaming(*this);
    picture_ = std::move(picture);
    update();
}

void TileBox::setBackColor(std::uint32_t colorValue)
{
    backColor_ = colorValue;
    update();
}

// Drawn in device pixels, each edge rounded to a whole device pixel the way Qt
// rounds the box's own area: neighbouring boxes then meet without a seam, and
// all borders, and the focus mark's lines, are equally wide at any scale.
void TileBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    const qreal ratio = toDevice.m11();
    const QRectF exact = toDevice.mapRect(QRectF(rect()));
    const QRect box(QPoint(qRound(exact.left()), qRound(exact.top())),
                    QPoint(qRound(exact.right()) - 1, qRound(exact.bottom()) - 1));
    const int line = qMax(1, qRound(BorderWidth * ratio));
    const QRect inside = box.adjusted(line, line, -line, -line);
    painter.setWorldTransform(toDevice.inverted(), true);
    painter.fillRect(box, Qt::black);
    paintPicture(painter, inside, ratio);
    paintFocusMark(painter, inside, line);
}

// Above scale 1 the cell comes from the set's finer drawing, scaled smoothly
// to the screen; at scale 1 from the set's own picture, pixel for pixel.
void TileBox::paintPicture(QPainter &painter, const QRect &inside, qreal ratio) const
{
    const QImage fine = ratio > 1 ? picture_->fineImage() : QImage();
    const QImage &image = fine.isNull() ? picture_->image() : fine;
    const QSize imageSize = (QSizeF(picture_->image().size()) * ratio).toSize();
    painter.fillRect(inside, ColorValue::toColor(backColor_));
    painter.save();
    painter.setClipRect(inside);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(inside.topLeft(), imageSize), image);
    painter.restore();
}

void TileBox::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    pressTime_ = event->timestamp();
}

void TileBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Q_EMIT clicked(index_);
}

// Qt hands the second press of a double-click here instead of to
// mousePressEvent. Qt pairs presses by place and time alone, so the first may
// have gone to the box beside this one: then this is a click of its own.
void TileBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    const auto interval = ulong(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    const bool firstPressHere = pressTime_ && event->timestamp() - pressTime_ <= interval;
    if (!firstPressHere)
        mousePressEvent(event);
}

// A white and a black line inside the border, each as wide as it: one of
// them stands out from any picture, and the cell stays recognisable.
void TileBox::paintFocusMark(QPainter &painter, const QRect &inside, int line) const
{
    if (!hasFocus() || !focusMarked_)
        return;
    fillFrame(painter, inside, line, Qt::white);
    fillFrame(painter, inside.adjusted(line, line, -line, -line), line, Qt::black);
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
